// What the scene director hands to OpenGL: the fog state that scene scripts
// set (the view transform is SceneDirector::ApplyView). Every call needs the
// GL context current.
#pragma once
#include "director/director_context.h"

class GlFogControl : public FogControl {
 public:
  void SetExponential(float density) override;
  void SetLinear(float start, float end) override;
  void SetColour(Vec3 colour) override;
};
