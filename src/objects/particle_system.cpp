#include "objects/particle_system.h"

#include <algorithm>
#include <cmath>

#include "render/camera_view.h"
#include "objects/object_context.h"
#include "objects/object_placement.h"
#include "render/gl.h"
#include "render/texture_loader.h"

namespace {

constexpr float DegreesToRadians = 3.14159265f / 180;

// v turned by angle degrees about axis, right-handed (as glRotate turns).
Vec3 Rotate(Vec3 v, Vec3 axis, float angle) {
  Vec3 u = Normalize(axis);
  float c = std::cos(angle * DegreesToRadians), s = std::sin(angle * DegreesToRadians);
  Vec3 turned = Add(Scale(v, c), Scale(Cross(u, v), s));
  return Add(turned, Scale(u, Dot(u, v) * (1 - c)));
}

// One sprite at position, spun by spin degrees about the view axis n.
void DrawSpinningSprite(Vec3 position, float spin, Vec3 n, Vec3 h, Vec3 v) {
  glPushMatrix();
  glTranslatef(position.x, position.y, position.z);
  glRotatef(spin, n.x, n.y, n.z);
  DrawSprite(h, v);
  glPopMatrix();
}

// The state of the "line" and "circ" streams; lighting and the alpha test
// stay off after them.
void BeginStream(uint32_t texture) {
  glDisable(GL_DEPTH_TEST);
  glDisable(GL_LIGHTING);
  glDisable(GL_ALPHA_TEST);
  glBlendFunc(GL_SRC_ALPHA, GL_ONE);
  glBindTexture(GL_TEXTURE_2D, texture);
}

}  // namespace

ParticleSystem::ParticleSystem(const ObjectContext& context)
    : SceneObject(context), phase(360 * context.random->NextFraction()) {}

void ParticleSystem::ReadProperty(const BlockScope& scope) {
  const ScriptReader& in = scope.reader;
  if (in.StartsWith("texture")) ReadTextureLine(in);
  if (in.StartsWith("size")) in.Scan("size %f", size);
  if (in.StartsWith("line")) mode = LineMode;
  if (in.StartsWith("circ")) mode = RingMode;
  if (in.StartsWith("time")) in.Scan("time %f", time);
  int32_t density;
  if (in.StartsWith("dens") && in.Scan("dens %d", density) == 1) SetParticleCount(density);
  if (in.StartsWith("point1")) in.Scan("point1 V(%f %f %f)", point1.x, point1.y, point1.z);
  if (in.StartsWith("point2")) in.Scan("point2 V(%f %f %f)", point2.x, point2.y, point2.z);
  if (in.StartsWith("rot")) in.Scan("rot V(%f %f %f)", rotAxis.x, rotAxis.y, rotAxis.z);
}

Vec3 ParticleSystem::RandomDirection() {
  RandomGenerator& random = *context.random;
  float x = 20 * random.NextFraction() - 10;
  float y = 20 * random.NextFraction() - 10;
  float z = 20 * random.NextFraction() - 10;
  return Normalize({x, y, z});
}

void ParticleSystem::SetParticleCount(int32_t n) {
  count = std::clamp(n, 0, MaxParticles);
  particlePosition.assign(size_t(count), Vec3{});
  particleVelocity.assign(size_t(count), Vec3{});
  particleAcceleration.assign(size_t(count), Vec3{});
  particleValue.assign(size_t(count), 0.0f);
  RandomGenerator& random = *context.random;
  for (size_t i = 0; i < size_t(count); ++i) {
    float vx = random.NextFraction(), vy = random.NextFraction(), vz = random.NextFraction();
    particleVelocity[i] = Scale({vx, vy, vz}, 0.5f);
    float ax = random.NextFraction(), ay = random.NextFraction(), az = random.NextFraction();
    particleAcceleration[i] = Scale({ax, ay, az}, -0.01f * 0.5f);
    particlePosition[i] = Add(position, Scale(RandomDirection(), 250));
    particleValue[i] = 25 * random.NextFraction();
  }
}

void ParticleSystem::Update(double dt) {
  if (time <= 0) return;  // no period: the stream stands still
  timer += float(dt);
  if (timer > time) timer -= time;
}

float ParticleSystem::PeriodShare() const { return time > 0 ? timer / time : 0; }

void ParticleSystem::Render(const CameraView& camera) {
  ViewAxes view = CurrentViewAxes();
  Vec3 n = Cross(view.right, view.up);
  Vec3 h = Scale(view.right, size), v = Scale(view.up, size);
  switch (mode) {
    case DustMode: RenderDust(camera, h, v, n); break;
    case LineMode: RenderLine(h, v, n); break;
    case RingMode: RenderRing(h, v, n); break;
    default: break;
  }
}

// Specks are white within 40 units of the camera and fade out by 150; they
// drift by their velocity, scaled to the frame time, and respawn in a shell
// 100 to 110 units from the camera when they leave 30.9..160.1.
void ParticleSystem::RenderDust(const CameraView& camera, Vec3 h, Vec3 v, Vec3) {
  glDisable(GL_DEPTH_TEST);
  glBindTexture(GL_TEXTURE_2D, texture);
  glDisable(GL_LIGHTING);
  glBlendFunc(GL_SRC_ALPHA, GL_ONE);
  const float frames = float(frameTime_ * 60);
  RandomGenerator& random = *context.random;
  for (size_t i = 0; i < size_t(count); ++i) {
    Vec3& p = particlePosition[i];
    glPushMatrix();
    glTranslatef(p.x, p.y, p.z);
    float g = 1 - EaseInOut((Length(Sub(p, camera.position)) - 40) / 110, 0.2f, 0.2f);
    glColor4f(g, g, g, 0.8f);
    DrawSprite(h, v);
    glPopMatrix();
    p = Add(p, Scale(particleVelocity[i], frames));
    particleVelocity[i] = Add(particleVelocity[i], Scale(particleAcceleration[i], frames));
    float d = Length(Sub(p, camera.position));
    if (d > 160.1f || d < 30.9f) {
      Vec3 u = RandomDirection();
      p = Add(camera.position, Scale(u, 100 + 10 * random.NextFraction()));
      particleVelocity[i] = particleAcceleration[i] = Vec3{0, 0, 0};
      particleValue[i] = 15 + 3 * random.NextFraction();
    }
  }
  glDepthMask(GL_TRUE);
  glEnable(GL_LIGHTING);
  glEnable(GL_DEPTH_TEST);
}

// Sprites stand still along the line, from transparent at point1 to nearly
// opaque near point2, each spinning in the view plane.
void ParticleSystem::RenderLine(Vec3 h, Vec3 v, Vec3 n) {
  BeginStream(texture);
  float s = PeriodShare();
  for (int32_t k = 0; k < count; ++k) {
    float share = float(k) / float(count);
    spin = 1800 * (2 * s + share);
    glColor4f(1, 1, 1, share);
    DrawSpinningSprite(Add(point1, Scale(Sub(point2, point1), share)), spin, n, h, v);
  }
  glEnable(GL_DEPTH_TEST);
}

// Sprites sit evenly on the circle through point1 about point2 and travel
// once around it every period.
void ParticleSystem::RenderRing(Vec3 h, Vec3 v, Vec3 n) {
  BeginStream(texture);
  float s = PeriodShare();
  Vec3 radius = Sub(point1, point2);
  for (int32_t k = 0; k < count; ++k) {
    float share = float(k) / float(count);
    float angle = 360 * (s + share);
    spin = 1800 * s + phase + 1080 * (s + share);
    glColor4f(1, 1, 1, 0.15f);
    DrawSpinningSprite(Add(point2, Rotate(radius, rotAxis, -angle)), spin, n, h, v);
  }
  glEnable(GL_DEPTH_TEST);
}

std::unique_ptr<ParticleSystem> CreateDustField(const ObjectContext& context) {
  auto dust = std::make_unique<ParticleSystem>(context);
  dust->mode = ParticleSystem::DustMode;
  LoadTexture(*context.render, dust->texture, "textures\\particle.jpg");
  dust->hasTexture = true;
  dust->size = 0.3f;
  dust->SetParticleCount(800);
  return dust;
}
