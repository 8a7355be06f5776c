// Where the fog lines of a scene script go as they are read: the OpenGL fog
// state in the flight, a recorder in tests. Parameters a script does not set
// keep their previous values.
#pragma once
#include "base/math.h"

class FogControl {
 public:
  virtual ~FogControl() = default;
  virtual void SetExponential(float density) = 0;
  virtual void SetLinear(float start, float end) = 0;
  virtual void SetColour(Vec3 colour) = 0;  // alpha 1
};

// The GL fog state; every call needs the GL context current.
class GlFogControl : public FogControl {
 public:
  void SetExponential(float density) override;
  void SetLinear(float start, float end) override;
  void SetColour(Vec3 colour) override;
};
