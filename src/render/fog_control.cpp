#include "render/fog_control.h"

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
