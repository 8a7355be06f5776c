// MeshObject: one compiled mesh with a two-unit material: the base texture
// on unit 0 and, on unit 1, a tiled detail or light map or a sphere-mapped
// reflection ("chrome"), with an optional headlight highlight ("metal").
// Meshes are the usual parents of billboards, flares and flames; a mesh of
// the dynamic objects follows the keyframe track a scene script gives it,
// at the scene clock. Angles in degrees.
#pragma once
#include "base/math.h"
#include "objects/object_block.h"
#include "objects/scene_object.h"

class MeshObject : public SceneObject {
 public:
  // geometry: the parser's current geometry slot.
  MeshObject(const ObjectContext& context, MeshGeometry geometry);

  void ReadProperty(const BlockScope& scope);
  void Render(const CameraView& camera) override;
  // Takes the pose of the track at the camera view's scene clock; dt unused.
  void Update(double dt) override;

  MeshGeometry geometry;
  float orientAngle = 0;
  float scale = 1;
  float tiling = 4;
  bool chrome = true;
  bool metal = false;
  bool lightMap = false;
  Vec3 orientAxis{0, 1, 0};
  double trackTime = 0;  // scene time of the last evaluation
  Quat orientation{0, 0, 0, 1};

 private:
  // The four lines after "material", by position.
  void ReadMaterial(ScriptReader& in);
  void BindUnitOne() const;
  void SetPose(Vec3 at, Quat turn);
};
