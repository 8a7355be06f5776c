// Planets seen from far off keep still: every planet that carries cloud,
// atmosphere or glow shells is drawn from 65,000 units (as far as the shots
// see them) with the flight's own projection and a 32-bit desktop (the
// nearest near plane, so the least depth precision), twice, 1/60 s apart
// with the camera drifting and the spheres turning as in the flight. On the
// body nothing may change by more than a few levels: pixels that jump are
// shells fighting the surface in the depth buffer.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

#include "content/shipped_content.h"
#include "objects/sphere.h"
#include "render/gl.h"
#include "render/gl_setup.h"

namespace {

constexpr int kWidth = 320, kHeight = 240;
constexpr float kDistance = 65000;
constexpr float kDrift = 300;      // camera speed, units per second
constexpr int kJump = 24;          // a change of more than this, in 0..255, is a crawling pixel
constexpr double kAllowed = 0.002;  // share of the body's pixels that may change so much

struct Frame {
  std::vector<uint8_t> rgb;
  std::vector<float> depth;
};

// Draws the body with what is centred on it (shells, halo, rings), alone:
// other planets may stand beyond the far plane from here.
Frame Draw(content::Flight& flight, const World& world, const Sphere& body) {
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  glLoadIdentity();
  ApplyView(flight.director.view, flight.director.up);
  const GLfloat light[] = {0, 0, 99900, 1};
  glLightfv(GL_LIGHT1, GL_POSITION, light);
  glEnable(GL_TEXTURE_2D);
  for (const auto& object : world.objects)
    if (Length(Sub(object->position, body.position)) < 1) object->Render(flight.director.view);
  glFinish();
  Frame f{std::vector<uint8_t>(size_t(kWidth) * kHeight * 3), std::vector<float>(size_t(kWidth) * kHeight)};
  glPixelStorei(GL_PACK_ALIGNMENT, 1);
  glReadPixels(0, 0, kWidth, kHeight, GL_RGB, GL_UNSIGNED_BYTE, f.rgb.data());
  glReadPixels(0, 0, kWidth, kHeight, GL_DEPTH_COMPONENT, GL_FLOAT, f.depth.data());
  return f;
}

void PlaceCamera(SceneDirector& director, Vec3 eye, Vec3 target) {
  director.view.position = director.view.eye = eye;
  director.view.look = Normalize(Sub(target, eye));
  director.up = {0, 0, 1};
}

// Opaque spheres that have translucent shells centred on them.
std::vector<const Sphere*> ShelledBodies(const World& world) {
  std::vector<const Sphere*> bodies;
  for (const auto& a : world.objects) {
    auto* body = dynamic_cast<const Sphere*>(a.get());
    if (!body || body->env || body->alpha < 1) continue;
    for (const auto& b : world.objects) {
      auto* shell = dynamic_cast<const Sphere*>(b.get());
      if (shell && shell != body && !shell->env && shell->alpha < 1 &&
          Length(Sub(shell->position, body->position)) < 1) {
        bodies.push_back(body);
        break;
      }
    }
  }
  return bodies;
}

TEST(ShellDepth, DistantPlanetsDoNotCrawl) {
  content::Flight& flight = content::LoadedFlight();
  Settings saved = flight.settings;
  Settings& s = flight.settings;
  s.Width = kWidth;
  s.Height = kHeight;
  s.ViewPortBottom = 0;
  s.ViewPortHeight = kHeight;
  s.Depth = 32;
  s.DefGamma = 1;
  SavedGammaRamp ramp;
  InitOpenGL(content::LoadedPlatform(), s, flight.aspect, flight.gl, ramp, flight.debugLog);

  int checked = 0;
  for (const auto& world : flight.worlds) {
    for (const Sphere* body : ShelledBodies(*world)) {
      const Vec3 away = Normalize({0.3f, -0.8f, 0.5f});
      const Vec3 eye = Add(body->position, Scale(away, kDistance));
      PlaceCamera(flight.director, eye, body->position);
      Frame first = Draw(flight, *world, *body);
      for (const auto& object : world->objects) object->Update(1.0 / 60);
      const Vec3 side = Normalize(Cross(away, {0, 0, 1}));
      PlaceCamera(flight.director, Add(eye, Scale(side, kDrift / 60)), body->position);
      Frame second = Draw(flight, *world, *body);

      int onBody = 0, crawling = 0;
      for (size_t i = 0; i < first.depth.size(); ++i) {
        if (first.depth[i] >= 1 || second.depth[i] >= 1) continue;
        ++onBody;
        int jump = 0;
        for (size_t c = 0; c < 3; ++c) jump = std::max(jump, std::abs(first.rgb[i * 3 + c] - second.rgb[i * 3 + c]));
        if (jump > kJump) ++crawling;
      }
      const std::string what = std::string(world->name) + " " + body->name;
      EXPECT_GT(onBody, 300) << what << " is not in view";
      EXPECT_LE(crawling, onBody * kAllowed) << what << ": " << crawling << " of " << onBody << " pixels crawl";
      ++checked;
    }
  }
  EXPECT_GE(checked, 5) << "too few planets with shells";
  flight.settings = saved;
}

}  // namespace
