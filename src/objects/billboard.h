// Billboard: one textured quad. It faces the camera and spins about its
// facing axis, or keeps two fixed axes ("orient off"); "env" places it
// relative to the camera under its own projection; "parent" fixes it to a
// sphere or mesh as a flickering, optionally blinking light. It never
// writes depth. Angles in degrees, times in seconds.
#pragma once
#include "objects/object_block.h"
#include "objects/scene_object.h"

class Billboard : public SceneObject {
 public:
  // Draws the random default spin from the context's generator.
  explicit Billboard(const ObjectContext& context);

  void ReadProperty(const BlockScope& scope);
  void Render(const CameraView& camera) override;
  void Update(double dt) override;

  float rotationAngle = 0;
  float size = 5;  // half-height
  float alpha = 1;
  float rotationSpeed;  // degrees per second
  float fov = 0.1f;
  float xy = 1;  // half-width = xy * size
  Vec3 up{0, 1, 0};
  Vec3 quadRight{1, 0, 0};
  Vec3 offset{0, 0, 0};  // from the parent (its axes) or the camera (world axes)
  Vec3 color{1, 1, 1};   // only with a parent
  bool env = false;
  bool fixedOrientation = false;
  bool flash = false;
  float flashTimer = 0;
  float flashLit = 0;
  float flashDark = 0;
  SceneObject* parent = nullptr;
};
