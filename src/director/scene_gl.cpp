#include "director/scene_gl.h"

#include "director/scene_director.h"
#include "render/gl.h"

void GlFogControl::SetExponential(float density) {
  glFogi(GL_FOG_MODE, GL_EXP);
  glFogf(GL_FOG_DENSITY, density);
}

void GlFogControl::SetLinear(float start, float end) {
  glFogi(GL_FOG_MODE, GL_LINEAR);
  glFogf(GL_FOG_START, start);
  glFogf(GL_FOG_END, end);
}

void GlFogControl::SetColour(Vec3 colour) {
  const GLfloat rgba[4] = {colour.x, colour.y, colour.z, 1.0f};
  glFogfv(GL_FOG_COLOR, rgba);
}

void SceneDirector::ApplyView() const {
  gluLookAt(eye.x, eye.y, eye.z, eye.x + look.x, eye.y + look.y, eye.z + look.z, up.x, up.y, up.z);
}
