// Sphere: a shared mesh (the sphere, or the environment cube) scaled to a
// radius, textured, turned and spinning. An env sphere is a sky centred on
// the camera, drawn through its own projection without the depth test, so
// it never hides what is drawn after it; a translucent shell over a planet
// writes no depth either. Angles in degrees.
#pragma once
#include "objects/object_block.h"
#include "objects/scene_object.h"

class Sphere : public SceneObject {
 public:
  // geometry: the sphere mesh when the block begins.
  Sphere(const ObjectContext& context, MeshGeometry geometry);

  // One line of the block (keywords "radius" to "position").
  void ReadProperty(const BlockScope& scope);
  void Render(const CameraView& camera) override;
  // Turns by rotationSpeed per sixtieth of a second.
  void Update(double dt) override;

  Vec3 rotationAxis{0, 1, 0};
  float rotationAngle = 0;
  float rotationSpeed = 0.2f;  // degrees per frame at 60 frames per second
  MeshGeometry geometry;
  float radius = 5;
  float alpha = 1;
  float fov = 1;
  float tiling = 1;
  Vec3 orientAxis{1, 0, 0};
  float orientAngle = 120;
  bool env = false;
  bool unlit = false;

  // How far a translucent shell is drawn in front of its depth, in steps of
  // the depth buffer.
  static constexpr float ShellDepthSteps = 4;

 private:
  void SetBlend() const;
};
