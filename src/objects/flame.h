// Flame: an engine exhaust fixed to a mesh: thirty camera-facing quads in a
// row trailing backwards along the parent's look axis, shrinking and shading
// from one colour to another, flickering every draw. Drawn only while its
// parent is active; it never writes depth.
#pragma once
#include "objects/object_block.h"
#include "objects/scene_object.h"

class Flame : public SceneObject {
 public:
  static constexpr int QuadCount = 30;

  explicit Flame(const ObjectContext& context);

  void ReadProperty(const BlockScope& scope);
  void Render(const CameraView& camera) override;
  void Update(double) override {}

  SceneObject* parent = nullptr;
  Vec3 attach{0, 0, 0};  // in the parent's axes: x right, y look x right, z look
  Vec3 colorFrom{1, 1, 0};
  Vec3 colorTo{0, 0, 1};
  float step = 0.2f;  // distance between consecutive quads
  float size = 0.8f;  // the first quad's half-size is 2 * size
};
