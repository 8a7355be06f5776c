#include "objects/flame.h"

#include "render/camera_view.h"
#include "objects/object_context.h"
#include "objects/object_placement.h"
#include "render/gl.h"

Flame::Flame(const ObjectContext& context) : SceneObject(context) {}

void Flame::ReadProperty(const BlockScope& scope) {
  const ScriptReader& in = scope.reader;
  if (in.StartsWith("texture")) ReadTextureLine(in);
  if (in.StartsWith("size")) in.Scan("size %f", size);
  if (in.StartsWith("offset")) in.Scan("offset %f", step);
  if (in.StartsWith("orient")) in.Scan("orient V(%f %f %f)", attach.x, attach.y, attach.z);
  if (in.StartsWith("colorfrom")) in.Scan("colorfrom V(%f %f %f)", colorFrom.x, colorFrom.y, colorFrom.z);
  if (in.StartsWith("colorto")) in.Scan("colorto V(%f %f %f)", colorTo.x, colorTo.y, colorTo.z);
  if (in.StartsWith("parent")) {
    char parentName[sizeof name] = {};
    if (in.Scan("parent %s", parentName) == 1) parent = scope.FindParent(parentName);
  }
}

void Flame::Render(const CameraView&) {
  if (!parent || !parent->active) return;
  glPushMatrix();
  glDepthMask(GL_FALSE);
  glTranslatef(parent->position.x, parent->position.y, parent->position.z);
  MultiplyDrawingFrame(parent->look, parent->right);
  ViewAxes view = CurrentViewAxes();
  glDisable(GL_LIGHTING);
  if (hasTexture) glBindTexture(GL_TEXTURE_2D, texture);
  glTranslatef(attach.z, attach.x, attach.y);
  for (int i = 0; i < QuadCount; ++i) {
    float opacity = 0.5f - 0.3f * context.random->NextFraction();
    float f = float(i) / QuadCount;
    Vec3 color = Add(colorFrom, Scale(Sub(colorTo, colorFrom), f));
    glColor4f(color.x, color.y, color.z, opacity);
    float h = EaseInOut(1 - f, 0.1f, 0.8f) * size * 2;
    DrawSprite(Scale(view.right, h), Scale(view.up, h));
    glTranslatef(-step, 0, 0);  // backwards along the parent's look axis
  }
  glColor3f(1, 1, 1);
  glEnable(GL_TEXTURE_2D);
  glEnable(GL_LIGHTING);
  glDepthMask(GL_TRUE);
  glPopMatrix();
}
