// Flare: a light source drawn as a window-aligned sprite of a size in
// pixels (scaled with the display width). Each draw projects its position,
// reads the depth buffer there to see whether anything drawn before covers
// it, and the next updates fade it in or out. Optional lens ghosts string
// along the line from the flare through the centre of the window. Angles in
// degrees, rates per second.
#pragma once
#include "objects/object_block.h"
#include "objects/scene_object.h"

class Flare : public SceneObject {
 public:
  static constexpr int GhostCount = 10;

  explicit Flare(const ObjectContext& context);

  void ReadProperty(const BlockScope& scope);
  void Render(const CameraView& camera) override;
  void Update(double dt) override;

  float alpha = 0;      // current opacity
  float size = 10;      // half-height, window pixels
  float lensSize = 5;   // base half-size of the ghosts, window pixels
  float fadeIn = 6;     // opacity per second while visible
  float fadeOut = 6;    // opacity per second while hidden
  float fov = 0.1f;
  float rotationAngle = 0;
  float rotationSpeed = 24;  // degrees per second
  float xy = 1;
  float flashClock = 0;  // advances 6 units per second
  float flashOff = 0;    // dark until the clock reaches this
  float flashEnd = 0;    // the flicker cycle ends here
  float flashRange = 0;  // seconds
  float focusStart = 0;
  SceneObject* parent = nullptr;
  bool visible = false;  // found by the last draw
  bool flash = false;
  bool lensEffect = false;
  bool env = false;
  bool focus = false;
  bool orient = false;
  Vec3 offset{0, 0, 0};
  Vec3 orientPoint{0, 0, 0};  // window coordinates
  uint32_t lensTextures[3] = {};

 private:
  float WidthScale() const;
  // The "lenseffect" line and the four lines that follow it.
  void ReadLensEffect(ScriptReader& in);
  // Sets visible from the depth buffer at the window point (wx, wy, wz).
  void TestVisibility(const CameraView& camera, double wx, double wy, double wz);
  void DrawLight(const CameraView& camera, float wx, float wy);
  void DrawGhosts(float wx, float wy);
};
