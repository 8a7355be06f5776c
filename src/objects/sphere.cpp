#include "objects/sphere.h"

#include "render/camera_view.h"
#include "objects/object_context.h"
#include "objects/object_placement.h"
#include "render/gl.h"
#include "render/view_culling.h"

Sphere::Sphere(const ObjectContext& context, MeshGeometry geometry)
    : SceneObject(context), geometry(geometry) {}

void Sphere::ReadProperty(const BlockScope& scope) {
  const ScriptReader& in = scope.reader;
  if (in.StartsWith("radius")) in.Scan("radius %f", radius);
  if (in.StartsWith("FOV")) in.Scan("FOV %f", fov);
  if (in.StartsWith("alpha")) in.Scan("alpha %f", alpha);
  if (in.StartsWith("tiling")) in.Scan("tiling %f", tiling);
  if (in.StartsWith("env")) {
    env = true;
    rotationSpeed = 0;
    geometry = scope.envGeometry;
  }
  if (in.StartsWith("geo")) geometry = scope.sphereGeometry;
  if (in.StartsWith("light")) unlit = true;
  if (in.StartsWith("texture")) ReadTextureLine(in);
  if (in.StartsWith("rotation"))
    in.Scan("rotation V(%f %f %f) %f %f", rotationAxis.x, rotationAxis.y, rotationAxis.z,
            rotationAngle, rotationSpeed);
  if (in.StartsWith("orient"))
    in.Scan("orient V(%f %f %f) %f", orientAxis.x, orientAxis.y, orientAxis.z, orientAngle);
  if (in.StartsWith("position")) in.Scan("position V(%f %f %f)", position.x, position.y, position.z);
}

void Sphere::Update(double dt) {
  rotationAngle += float(rotationSpeed * dt * 60.0);
  if (rotationAngle > 360) rotationAngle -= 360;
}

// Translucent spheres add their colour (weighted by itself unless unlit);
// opaque ones replace what is behind them and take their colour from the
// lit texture. A translucent shell lies only a little above its planet,
// closer than the depth buffer resolves at a distance: it is pulled towards
// the camera by a few depth steps and writes no depth, so the surface under
// it never shows through in crawling patches (adding light needs no order).
void Sphere::SetBlend() const {
  if (alpha < 1) {
    glColor4f(1, 1, 1, alpha);
    if (!unlit) glBlendFunc(GL_SRC_COLOR, GL_ONE);
    if (!env) {
      glDepthMask(GL_FALSE);
      glEnable(GL_POLYGON_OFFSET_FILL);
      glPolygonOffset(-1, -ShellDepthSteps);
    }
  } else {
    glDisable(GL_BLEND);
    glEnable(GL_COLOR_MATERIAL);
    glColor3f(1, 1, 1);
  }
  if (!env) glEnable(GL_CULL_FACE);
}

void Sphere::Render(const CameraView& camera) {
  glPushMatrix();
  if (env) {
    position = camera.eye;
    glDisable(GL_LIGHTING);
    glDisable(GL_DEPTH_TEST);
    SaveProjection();
    LoadEnvFrustum(*context.aspect, fov);
  }
  if (unlit) glDisable(GL_LIGHTING);
  glTranslatef(position.x, position.y, position.z);
  glMatrixMode(GL_TEXTURE);
  glLoadIdentity();
  glScalef(tiling, tiling, 1);
  glMatrixMode(GL_MODELVIEW);
  glRotatef(orientAngle, orientAxis.x, orientAxis.y, orientAxis.z);
  glRotatef(rotationAngle, rotationAxis.x, rotationAxis.y, rotationAxis.z);
  if (hasTexture) glBindTexture(GL_TEXTURE_2D, texture);
  SetBlend();
  glScalef(radius, radius, radius);
  if (env || !SeeSphere(geometry.radius).outside) glCallList(geometry.displayList);  // the sky is always round the eye

  glDisable(GL_COLOR_MATERIAL);
  glEnable(GL_BLEND);
  glDisable(GL_POLYGON_OFFSET_FILL);
  glDepthMask(GL_TRUE);
  if (env) {
    position = camera.position;
    RestoreProjection();
    glEnable(GL_DEPTH_TEST);
  }
  glMatrixMode(GL_TEXTURE);
  glLoadIdentity();
  glMatrixMode(GL_MODELVIEW);
  glEnable(GL_LIGHTING);
  glBlendFunc(GL_SRC_ALPHA, GL_ONE);
  glDisable(GL_CULL_FACE);
  glPopMatrix();
}
