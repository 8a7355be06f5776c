#include "render/fog_control.h"

#include "director/director_testing.h"
#include "render/camera_view.h"
#include "render/headless_gl.h"

namespace {

using SceneGl = HeadlessGl;

TEST_F(SceneGl, FogLinesSetOnlyTheirOwnParameters) {
  GlFogControl fog;
  fog.SetLinear(100, 30000);
  fog.SetColour({0.3f, 0.3f, 0.97f});
  fog.SetExponential(0.0005f);
  GLint mode = 0;
  GLfloat density = 0, start = 0, end = 0, colour[4] = {};
  glGetIntegerv(GL_FOG_MODE, &mode);
  glGetFloatv(GL_FOG_DENSITY, &density);
  glGetFloatv(GL_FOG_START, &start);
  glGetFloatv(GL_FOG_END, &end);
  glGetFloatv(GL_FOG_COLOR, colour);
  EXPECT_EQ(mode, GL_EXP);
  EXPECT_FLOAT_EQ(density, 0.0005f);
  EXPECT_FLOAT_EQ(start, 100);  // the linear range stays for a later "linefog"
  EXPECT_FLOAT_EQ(end, 30000);
  EXPECT_FLOAT_EQ(colour[2], 0.97f);
  EXPECT_FLOAT_EQ(colour[3], 1);
  EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
}

// Model-view times a point, w = 1.
Vec3 Transformed(const GLfloat (&m)[16], Vec3 p) {
  return {m[0] * p.x + m[4] * p.y + m[8] * p.z + m[12], m[1] * p.x + m[5] * p.y + m[9] * p.z + m[13],
          m[2] * p.x + m[6] * p.y + m[10] * p.z + m[14]};
}

TEST_F(SceneGl, ViewLooksFromTheEyeAlongLookWithUp) {
  CameraView view;
  view.eye = {10, 20, 30};
  view.look = {1, 0, 0};
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();
  ApplyView(view, {0, 0, 1});
  GLfloat m[16];
  glGetFloatv(GL_MODELVIEW_MATRIX, m);
  const Vec3 expected[][2] = {{{10, 20, 30}, {0, 0, 0}},   // the eye is the origin
                              {{15, 20, 30}, {0, 0, -5}},  // ahead is -z
                              {{10, 20, 32}, {0, 2, 0}}};  // up is +y
  for (const auto& [world, view] : expected) ExpectNear(view, Transformed(m, world));
}

}  // namespace
