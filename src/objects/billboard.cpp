#include "objects/billboard.h"

#include "render/camera_view.h"
#include "objects/object_context.h"
#include "objects/object_placement.h"
#include "render/gl.h"

Billboard::Billboard(const ObjectContext& context)
    : SceneObject(context), rotationSpeed((1 - 2 * context.random->NextFraction()) * 60) {}

void Billboard::ReadProperty(const BlockScope& scope) {
  const ScriptReader& in = scope.reader;
  if (in.StartsWith("size")) in.Scan("size %f", size);
  if (in.StartsWith("rotation")) {
    float angle, speed;
    int read = in.Scan("rotation %f %f", angle, speed);
    if (read >= 1) rotationAngle = angle;
    if (read >= 2) rotationSpeed = speed * 60;  // given per frame at 60 frames per second
  }
  if (in.StartsWith("parent")) {
    char parentName[sizeof name] = {};
    if (in.Scan("parent %s V(%f %f %f)", parentName, offset.x, offset.y, offset.z) >= 1)
      parent = scope.FindParent(parentName);
  }
  if (in.StartsWith("FOV")) in.Scan("FOV %f", fov);
  if (in.StartsWith("alpha")) in.Scan("alpha %f", alpha);
  if (in.StartsWith("orient off")) fixedOrientation = true;
  if (in.StartsWith("env")) {
    env = true;
    in.Scan("env V(%f %f %f)", offset.x, offset.y, offset.z);
  }
  if (in.StartsWith("flash")) {
    flash = true;
    in.Scan("flash %f %f %f)", flashTimer, flashDark, flashLit);
  }
  if (in.StartsWith("texture")) ReadTextureLine(in);
  if (in.StartsWith("up")) in.Scan("up V(%f %f %f)", up.x, up.y, up.z);
  if (in.StartsWith("right")) in.Scan("right V(%f %f %f)", quadRight.x, quadRight.y, quadRight.z);
  if (in.StartsWith("position")) in.Scan("position V(%f %f %f)", position.x, position.y, position.z);
  if (in.StartsWith("color")) in.Scan("color V(%f %f %f)", color.x, color.y, color.z);
  if (in.StartsWith("xy")) in.Scan("xy %f", xy);
}

void Billboard::Update(double dt) {
  rotationAngle += float(rotationSpeed * dt);
  if (rotationAngle > 360) rotationAngle -= 360;
  if (rotationAngle < 0) rotationAngle += 360;
  flashTimer += float(dt);
  if (flashDark + flashLit < flashTimer) flashTimer -= flashDark + flashLit;
}

void Billboard::Render(const CameraView& camera) {
  if (parent && !parent->active) return;
  glPushMatrix();
  if (env) {
    position = Add(camera.eye, offset);
    SaveProjection();
    LoadEnvFrustum(*context.aspect, fov);
  }
  if (parent) position = ParentOffsetPosition(*parent, offset);
  glTranslatef(position.x, position.y, position.z);
  if (!fixedOrientation) {
    ViewAxes view = CurrentViewAxes();
    quadRight = view.right;
    up = view.up;
  }
  Vec3 n = Cross(quadRight, up);
  glRotatef(rotationAngle, n.x, n.y, n.z);
  if (hasTexture) glBindTexture(GL_TEXTURE_2D, texture);
  glDisable(GL_LIGHTING);
  glDepthMask(GL_FALSE);
  // Attached lights flicker: a fresh share of opacity every draw.
  if (parent) glColor4f(color.x, color.y, color.z, alpha + 0.3f * context.random->NextFraction());
  else glColor4f(1, 1, 1, alpha);
  if (!(flash && flashTimer < flashDark)) DrawSprite(Scale(quadRight, xy * size), Scale(up, size));
  glDepthMask(GL_TRUE);
  glEnable(GL_LIGHTING);
  if (env) RestoreProjection();
  glPopMatrix();
}
