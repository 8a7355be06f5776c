#include "render/view_culling.h"

#include <cmath>
#include <initializer_list>

#include "render/gl.h"

SphereOnScreen SeeSphereInClip(const float clip[16], float radius, float viewportHeight) {
  SphereOnScreen seen;
  if (radius <= 0) return seen;
  auto row = [&](int r, int c) { return clip[c * 4 + r]; };
  // The frustum's six planes in the modelview's own space are the sums and
  // differences of the clip matrix's last row with its first three; a plane
  // whose distance from the origin is below -radius leaves the sphere out.
  for (int axis = 0; axis < 3; ++axis) {
    for (float side : {1.0f, -1.0f}) {
      float a = row(3, 0) + side * row(axis, 0), b = row(3, 1) + side * row(axis, 1);
      float c = row(3, 2) + side * row(axis, 2), d = row(3, 3) + side * row(axis, 3);
      if (d < -radius * std::sqrt(a * a + b * b + c * c)) {
        seen.outside = true;
        return seen;
      }
    }
  }
  // Its radius through the vertical scale of the projection at its depth.
  float w = row(3, 3);
  if (w <= radius) return seen;
  float vertical = std::sqrt(row(1, 0) * row(1, 0) + row(1, 1) * row(1, 1) + row(1, 2) * row(1, 2));
  seen.pixels = radius * vertical / w * viewportHeight / 2;
  return seen;
}

SphereOnScreen SeeSphere(float radius) {
  if (radius <= 0) return {};
  GLfloat projection[16], modelview[16], clip[16];
  GLint viewport[4];
  glGetFloatv(GL_PROJECTION_MATRIX, projection);
  glGetFloatv(GL_MODELVIEW_MATRIX, modelview);
  glGetIntegerv(GL_VIEWPORT, viewport);
  for (int c = 0; c < 4; ++c) {
    for (int r = 0; r < 4; ++r) {
      float sum = 0;
      for (int k = 0; k < 4; ++k) sum += projection[k * 4 + r] * modelview[c * 4 + k];
      clip[c * 4 + r] = sum;
    }
  }
  return SeeSphereInClip(clip, radius, float(viewport[3]));
}
