#include "objects/object_placement.h"

#include "render/gl.h"

void SaveProjection() {
  glMatrixMode(GL_PROJECTION);
  glPushMatrix();
  glMatrixMode(GL_MODELVIEW);
}

void RestoreProjection() {
  glMatrixMode(GL_PROJECTION);
  glPopMatrix();
  glMatrixMode(GL_MODELVIEW);
}

void LoadEnvFrustum(const ViewAspect& aspect, float fov) {
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  glFrustum(-fov * aspect.AspectRatio, fov * aspect.AspectRatio, -fov * aspect.AspectScale,
            fov * aspect.AspectScale, 1.0, 1000.0);
  glMatrixMode(GL_MODELVIEW);
}

Vec3 ParentOffsetPosition(const SceneObject& parent, Vec3 offset) {
  Vec3 a = parent.right, b = parent.look;
  Vec3 p = Add(parent.position, Scale(a, offset.x));
  p = Add(p, Scale(Cross(a, b), offset.y));
  return Add(p, Scale(b, offset.z));
}

void MultiplyDrawingFrame(Vec3 look, Vec3 right) {
  Vec3 third = Cross(look, right);
  const GLfloat m[16] = {look.x,  look.y,  look.z,  0, right.x, right.y, right.z, 0,
                         third.x, third.y, third.z, 0, 0,       0,       0,       1};
  glMultMatrixf(m);
}

ViewAxes CurrentViewAxes() {
  GLfloat m[16];
  glGetFloatv(GL_MODELVIEW_MATRIX, m);
  return {{m[0], m[4], m[8]}, {m[1], m[5], m[9]}};
}

void DrawSprite(Vec3 h, Vec3 v) {
  Vec3 c0 = Sub(Negate(h), v), c1 = Sub(h, v), c2 = Add(Negate(h), v), c3 = Add(h, v);
  glBegin(GL_TRIANGLE_STRIP);
  glTexCoord2f(0, 0), glVertex3f(c0.x, c0.y, c0.z);
  glTexCoord2f(1, 0), glVertex3f(c1.x, c1.y, c1.z);
  glTexCoord2f(0, 1), glVertex3f(c2.x, c2.y, c2.z);
  glTexCoord2f(1, 1), glVertex3f(c3.x, c3.y, c3.z);
  glEnd();
}
