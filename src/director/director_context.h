// What the scene director uses of the running flight besides its own state:
// the settings, the registries, the dynamic objects, the random generator,
// the way to show a message box and the fog output. The application object
// owns all of them and fills every field before the first scene is loaded.
#pragma once
#include "director/registries.h"

class MessageSink;
class RandomGenerator;
struct Settings;

// Where the fog lines of a scene script go as they are read: the OpenGL
// fog state in the flight. Parameters a script does not set keep their
// previous values.
class FogControl {
 public:
  virtual ~FogControl() = default;
  virtual void SetExponential(float density) = 0;
  virtual void SetLinear(float start, float end) = 0;
  virtual void SetColour(Vec3 colour) = 0;  // alpha 1
};

struct DirectorContext {
  const Settings* settings = nullptr;  // Galaxy, TimeScale
  const WorldList* worlds = nullptr;
  ObjectList* dynamicObjects = nullptr;
  RandomGenerator* random = nullptr;
  MessageSink* messages = nullptr;  // "Scene: ... not open"
  FogControl* fog = nullptr;
};
