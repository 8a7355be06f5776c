#include "objects/mesh_object.h"

#include "render/camera_view.h"
#include "objects/object_context.h"
#include "objects/object_placement.h"
#include "render/gl.h"
#include "render/gl_extensions.h"
#include "render/texture_loader.h"
#include "render/view_culling.h"

MeshObject::MeshObject(const ObjectContext& context, MeshGeometry geometry)
    : SceneObject(context), geometry(geometry) {}

void MeshObject::ReadProperty(const BlockScope& scope) {
  const ScriptReader& in = scope.reader;
  if (in.StartsWith("orient"))
    in.Scan("orient V(%f %f %f) %f", orientAxis.x, orientAxis.y, orientAxis.z, orientAngle);
  if (in.StartsWith("position")) in.Scan("position V(%f %f %f)", position.x, position.y, position.z);
  if (in.StartsWith("look")) in.Scan("look V(%f %f %f)", look.x, look.y, look.z);
  if (in.StartsWith("right")) in.Scan("right V(%f %f %f)", right.x, right.y, right.z);
  if (in.StartsWith("material")) ReadMaterial(scope.reader);
  if (in.StartsWith("scale")) in.Scan("scale %f", scale);
  if (in.StartsWith("light")) lightMap = true;
  if (in.StartsWith("tiling")) in.Scan("tiling %f", tiling);
}

// Placeholder words ("\tdef", "\tdet", "\tprev") fill the positions that do
// not apply; "\tprev" keeps whatever texture is still bound on its unit.
void MeshObject::ReadMaterial(ScriptReader& in) {
  char path[ScriptReader::LineCapacity] = {};
  if (!in.Next()) return;
  metal = in.StartsWith("\tmetal");
  if (!in.Next()) return;
  chrome = in.StartsWith("\tchrome");
  if (!in.Next()) return;
  if (in.StartsWith("\tmap1")) {
    in.Scan("\tmap1 %s", path);
    LoadTexture(*context.render, texture, path);
    hasTexture = true;
  }
  if (!in.Next()) return;
  if (in.StartsWith("\tmap2")) {
    path[0] = 0;
    in.Scan("\tmap2 %s", path);
    LoadDetailTexture(*context.render, texture2, path);
    hasTexture2 = true;
  }
}

void MeshObject::SetPose(Vec3 at, Quat turn) {
  position = at;
  orientation = turn;
  Matrix4 m = QuatToMatrix(turn);
  look = {m.m[0], m.m[4], m.m[8]};         // the image of the x axis
  right = {-m.m[1], -m.m[5], -m.m[9]};     // the negated image of the y axis
}

void MeshObject::Update(double) {
  if (track.empty()) return;
  float t = context.camera->sceneClock;
  if (track.front().time > t) return;  // keeps its last pose until the first key
  trackTime = t;
  if (track.size() == 1) {
    SetPose(track.front().position, track.front().orientation);
    return;
  }
  size_t i = 0;
  while (i + 1 < track.size() && !(track[i].time <= t && t <= track[i + 1].time)) ++i;
  if (i + 1 == track.size()) {
    i = 0;  // past the last key: the pose at time 0 of the first segment
    t = 0;
  }
  const Keyframe& r = track[i];
  const Keyframe& s = track[i + 1];
  float span = s.time - r.time;
  float u = span > 0 ? (t - r.time) / span : 0;
  SetPose(Hermite(r.position, s.position, r.gradient, s.gradient, u),
          QuatBezier(r.orientation, r.outControl, s.inControl, s.orientation, u));
}

// Unit 1: reflection by sphere map (chrome) or the detail map tiled, added
// as a light map or multiplied.
void MeshObject::BindUnitOne() const {
  context.render->gl.activeTexture(GL_TEXTURE1_ARB);
  glEnable(GL_TEXTURE_2D);
  glMatrixMode(GL_TEXTURE);
  glLoadIdentity();
  if (chrome) {
    glEnable(GL_TEXTURE_GEN_S);
    glEnable(GL_TEXTURE_GEN_T);
    glTexGeni(GL_S, GL_TEXTURE_GEN_MODE, GL_SPHERE_MAP);
    glTexGeni(GL_T, GL_TEXTURE_GEN_MODE, GL_SPHERE_MAP);
  } else {
    glScalef(tiling, tiling, 1);
  }
  glMatrixMode(GL_MODELVIEW);
  if (hasTexture2) glBindTexture(GL_TEXTURE_2D, texture2);
  glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, lightMap ? GL_ADD : GL_MODULATE);
}

void MeshObject::Render(const CameraView& camera) {
  if (!active) return;
  const bool multiTexture = context.render->gl.multiTexture;
  glPushMatrix();
  glTranslatef(position.x, position.y, position.z);
  if (camera.sceneFog) glEnable(GL_FOG);  // meshes are the only objects drawn with fog
  glDisable(GL_ALPHA_TEST);
  glDisable(GL_BLEND);
  glEnable(GL_CULL_FACE);
  MultiplyDrawingFrame(look, right);
  glRotatef(orientAngle, orientAxis.x, orientAxis.y, orientAxis.z);
  glScalef(scale, scale, scale);
  glColor3f(1, 1, 1);
  if (multiTexture) context.render->gl.activeTexture(GL_TEXTURE0_ARB);
  glEnable(GL_TEXTURE_2D);
  if (hasTexture) glBindTexture(GL_TEXTURE_2D, texture);
  if (multiTexture) BindUnitOne();
  if (metal) {
    const GLfloat specular[] = {0.4f, 0.4f, 0.4f, 1.0f};
    glDisable(GL_COLOR_MATERIAL);
    glMaterialfv(GL_FRONT, GL_SPECULAR, specular);
    glMaterialf(GL_FRONT, GL_SHININESS, 19.6f);
    glEnable(GL_LIGHT0);
  }
  SphereOnScreen seen = SeeSphere(geometry.radius);
  if (!seen.outside) glCallList(geometry.ListFor(seen.pixels));
  if (metal) glDisable(GL_LIGHT0);
  glEnable(GL_ALPHA_TEST);
  glEnable(GL_BLEND);
  if (multiTexture) {
    glDisable(GL_TEXTURE_GEN_S);
    glDisable(GL_TEXTURE_GEN_T);
    glDisable(GL_TEXTURE_2D);
    context.render->gl.activeTexture(GL_TEXTURE0_ARB);
    glEnable(GL_TEXTURE_2D);
  }
  glDisable(GL_FOG);
  glDisable(GL_CULL_FACE);
  glPopMatrix();
}
