// ParticleSystem: many small camera-facing sprites, in one of three modes:
// the dust field (mode 1, a cloud of specks around the camera that drift and
// respawn), a "line" stream (mode 3, a row of spinning sprites between two
// points) and a "circ" ring (mode 4, sprites orbiting a centre once every
// time seconds). Modes 3 and 4 leave lighting and the alpha test off.
#pragma once
#include <memory>
#include <vector>

#include "objects/object_block.h"
#include "objects/scene_object.h"

class ParticleSystem : public SceneObject {
 public:
  enum Mode { NoMode = 0, DustMode = 1, LineMode = 3, RingMode = 4 };
  static constexpr int32_t MaxParticles = 100000;

  // Draws the ring phase from the context's generator.
  explicit ParticleSystem(const ObjectContext& context);

  void ReadProperty(const BlockScope& scope);
  void Render(const CameraView& camera) override;
  // Advances the timer through its period; a period of 0 keeps it at 0.
  void Update(double dt) override;

  // count := n (clamped to 0..MaxParticles), with a fresh random cloud of
  // radius 250 about position, drifting outwards and slowing down.
  void SetParticleCount(int32_t n);
  // The dust field moves while it is drawn and has no Update: the host gives
  // it each frame's real time in seconds (1/60 until it does).
  void SetFrameTime(double seconds) { frameTime_ = seconds; }

  std::vector<Vec3> particlePosition;
  std::vector<Vec3> particleVelocity;      // per sixtieth of a second
  std::vector<Vec3> particleAcceleration;  // change of the velocity, likewise
  std::vector<float> particleValue;        // random; not used for drawing
  float spin = 0;                          // degrees
  int32_t count = 0;
  float size = 2;  // half-size of each sprite
  float phase;     // degrees, the ring sprites' spin offset
  int mode = NoMode;
  float time = 0;   // seconds, the period
  float timer = 0;  // seconds into the period
  Vec3 point1{0, 0, 0};  // line: start; ring: a point on the circle
  Vec3 point2{0, 0, 0};  // line: end; ring: centre
  Vec3 rotAxis{0, 0, 1};

 private:
  Vec3 RandomDirection();
  float PeriodShare() const;
  void RenderDust(const CameraView& camera, Vec3 h, Vec3 v, Vec3 n);
  void RenderLine(Vec3 h, Vec3 v, Vec3 n);
  void RenderRing(Vec3 h, Vec3 v, Vec3 n);

  double frameTime_ = 1.0 / 60;
};

// The global dust field of the flight: mode 1, "textures\particle.jpg",
// size 0.3, 800 specks.
std::unique_ptr<ParticleSystem> CreateDustField(const ObjectContext& context);
