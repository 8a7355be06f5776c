// The galaxy worlds' art: a spiral galaxy seen face-on in each system's
// colour (for a flat "orient off" billboard), the smooth star disc of the
// layers stacked over it, its core glow, and the cloudy puffs that the
// "line" and "circ" particle streams spin along jets and discs.
#include <algorithm>
#include <cmath>

#include "tools/common/noise.h"
#include "tools/gen/textures/art.h"

namespace {

constexpr float kPi = 3.14159265358979f;

struct GalaxyStyle {
  uint32_t seed;
  Rgb arms;     // young stars and gas along the arms
  Rgb knots;    // star-forming regions
  Rgb core;     // old stars of the bulge
  // The shape, so the three systems' galaxies are three kinds of spiral.
  int armCount;
  float pitchDegrees;  // smaller winds the arms tighter
  float bar;           // the bar's half length as a share of the radius; 0 for none
  float bulge;         // the bulge's size against the plain spiral's
  float ragged;        // how much noise breaks the arms into patches
};

// Logarithmic spiral arms whose light rises and fades along their length
// and breaks into spurs, dark dust lanes hugging their inner edges, a
// bright bulge (with a bar whose ends the arms start from, where the style
// has one), clumpy star-forming knots and a scatter of resolved stars.
RgbImage SpiralGalaxy(const GalaxyStyle& s) {
  const Noise n(s.seed);
  const int size = 1024;
  const float pitch = std::tan(s.pitchDegrees * kPi / 180);
  const float arms = float(s.armCount);
  // Turns the arms so that one starts at each end of the bar.
  const float armStart = s.bar > 0 ? arms * std::log(s.bar) / pitch : 0;
  const float armInner = s.bar > 0 ? s.bar : 0.1f;
  RgbImage light = RadialSprite(size, [&](float r, float angle) {
    float x = r * std::cos(angle), y = r * std::sin(angle);
    float wobble = n.Fbm(x * 3 + 5, y * 3, 0.5f, 4) / 0.16f;
    float phase = arms * (angle - std::log(std::max(r, 0.02f)) / pitch) + armStart + s.ragged * wobble;
    float wave = 0.5f + 0.5f * std::cos(phase);
    // Each arm's strength along its length: from the phase's arm index and radius.
    float strength = Smoothstep(-1.2f, 1.0f, n.Fbm(r * 6, std::floor(phase / (2 * kPi) + 0.5f) * 1.7f, 2.5f, 3) / 0.16f);
    float arm = std::pow(wave, 5.0f) * (0.35f + 0.65f * strength) * Smoothstep(0.6f * armInner, 1.6f * armInner, r);
    float spurs = std::pow(Clamp01(n.Ridged(x * 9, y * 9, 4.5f, 3)), 4.0f) * std::pow(wave, 1.5f);
    float dust = Clamp01(0.6f + 0.4f * n.Fbm(x * 22, y * 22, 7.5f, 4) / 0.16f);
    float lane = std::pow(0.5f + 0.5f * std::cos(phase + 0.75f), 18.0f) * Smoothstep(0.8f * armInner, 2 * armInner, r) * dust;
    float disc = std::exp(-r / 0.26f) * Smoothstep(0.95f, 0.55f, r);
    float clumps = Smoothstep(-0.5f, 2.0f, n.Fbm(x * 10, y * 10, 1.5f, 5, 0.55f) / 0.16f);
    float knots = std::pow(std::max(0.0f, n.Fbm(x * 28, y * 28, 3.5f, 3) / 0.16f - 1.0f), 2.0f) * arm * disc;
    float bulge = 1.0f * std::exp(-std::pow(r / (0.06f * s.bulge), 1.2f)) + 0.3f * std::exp(-r / (0.12f * s.bulge));
    if (s.bar > 0) {  // along the x axis, its ends fading into the arms
      float across = y / (0.22f * s.bar), along = std::abs(x) / s.bar;
      bulge += 0.65f * std::exp(-across * across) * Smoothstep(1.15f, 0.3f, along) * (0.7f + 0.3f * clumps);
    }
    float armLight = disc * (0.18f + 2.8f * arm * (0.3f + 0.7f * clumps) + 0.5f * spurs);
    Rgb color = Scale(Mix(s.core, s.arms, Smoothstep(0.05f, 0.3f, r)), armLight * (1 - 0.85f * lane));
    return Add(Add(color, Scale(s.core, bulge * (1 - 0.5f * lane))), Scale(s.knots, 1.2f * knots));
  }, 2);
  // Resolved stars, denser towards the centre and along the arms.
  for (uint32_t i = 0; i < 9000; ++i) {
    float r = 0.85f * std::pow(HashUnit(s.seed + 1, i), 1.6f), a = 2 * kPi * HashUnit(s.seed + 2, i);
    int px = int((1 + r * std::cos(a)) * size / 2), py = int((1 - r * std::sin(a)) * size / 2);
    float v = 0.15f + 0.5f * std::pow(HashUnit(s.seed + 3, i), 6.0f);
    Rgb& p = light.At(std::clamp(px, 0, size - 1), std::clamp(py, 0, size - 1));
    p = Add(p, Scale(Mix(s.arms, {1, 1, 1}, 0.6f), v * Smoothstep(0.9f, 0.6f, r)));
  }
  light = Blur(light, 0.6f, Edge::Clamp);
  for (Rgb& p : light.Pixels()) p = ToneMap(p);
  return light;
}

// The old stars' smooth disc above and below the spiral: a warm glow that
// thins out with radius and hints at the arms, for the stacked layers that
// give the galaxy its thickness.
RgbImage GalaxyHaze() {
  const Noise n(1390);
  return RadialSprite(512, [&](float r, float angle) {
    float x = r * std::cos(angle), y = r * std::sin(angle);
    float mottle = 0.8f + 0.2f * Smoothstep(-2, 2, n.Fbm(x * 5, y * 5, 0.5f, 4) / 0.16f);
    float v = (0.5f * std::exp(-r / 0.22f) + 0.3f * std::exp(-r / 0.5f)) * Smoothstep(0.98f, 0.6f, r) * mottle;
    return ToneMap(Scale({1.0f, 0.9f, 0.78f}, v));
  }, 2);
}

RgbImage GalaxyCore() {
  return RadialSprite(256, [](float r, float) {
    float v = 1.1f * std::exp(-r / 0.06f) + 0.3f * std::exp(-r / 0.2f);
    return ToneMap(Scale(Mix(Rgb{1.0f, 0.85f, 0.62f}, {1, 1, 1}, std::exp(-r / 0.05f)), v));
  }, 2);
}

// A cloudy puff: soft round body broken up by noise, dark at the edge.
RgbImage StreamPuff(uint32_t seed, Rgb tint) {
  const Noise n(seed);
  return RadialSprite(256, [&](float r, float angle) {
    float x = r * std::cos(angle), y = r * std::sin(angle);
    float cloud = Smoothstep(-1.5f, 1.5f, n.Fbm(x * 3, y * 3, 0.5f, 6, 0.55f) / 0.16f);
    float body = std::exp(-r * r / (2 * 0.3f * 0.3f));
    float v = body * (0.25f + 0.75f * cloud) + 0.5f * std::exp(-r / 0.07f);
    return ToneMap(Scale(Mix(tint, {1, 1, 1}, std::exp(-r / 0.1f)), v));
  }, 2);
}

struct GalaxyJob {
  const char* system;
  GalaxyStyle style;
  Rgb puff;
};

const GalaxyJob kGalaxies[] = {
    // A grand-design spiral of two arms, a loose flocculent spiral of four, and a barred spiral.
    {"green", {1300, {0.30f, 0.85f, 0.55f}, {0.65f, 1.0f, 0.80f}, {1.0f, 0.90f, 0.70f}, 2, 20, 0, 1.0f, 0.35f},
     {0.35f, 0.90f, 0.60f}},
    {"blue", {1310, {0.35f, 0.55f, 1.00f}, {0.70f, 0.80f, 1.00f}, {1.0f, 0.92f, 0.80f}, 4, 30, 0, 0.8f, 0.6f},
     {0.40f, 0.60f, 1.00f}},
    {"red", {1320, {1.00f, 0.35f, 0.22f}, {1.00f, 0.70f, 0.45f}, {1.0f, 0.85f, 0.62f}, 2, 26, 0.24f, 0.75f, 0.3f},
     {1.00f, 0.45f, 0.25f}},
};

}  // namespace

void AddGalaxyJobs(std::vector<ArtJob>& jobs) {
  for (const GalaxyJob& g : kGalaxies) {
    std::string galaxy = std::string("textures\\galaxy_") + g.system + ".jpg";
    jobs.push_back({galaxy, [&g, galaxy](const ArtInputs&) {
                      return std::vector<Picture>{ArchiveJpeg(
                          galaxy, SpiralGalaxy(g.style), "galaxy",
                          std::string("Spiral galaxy seen face-on in the ") + g.system +
                              " system's colour: flat \"orient off\" billboard of the galaxy world leading there",
                          90)};
                    }});
    std::string puff = std::string("textures\\stream_") + g.system + ".jpg";
    jobs.push_back({puff, [&g, puff](const ArtInputs&) {
                      return std::vector<Picture>{ArchiveJpeg(
                          puff, StreamPuff(1400 + uint32_t(g.style.seed), g.puff), "galaxy",
                          std::string("Cloudy puff sprite in the ") + g.system +
                              " system's colour for \"ps\" line jets and circ discs of its galaxy",
                          90)};
                    }});
  }
  jobs.push_back({"galaxy_core", [](const ArtInputs&) {
                    return std::vector<Picture>{ArchiveJpeg("textures\\galaxy_core.jpg", GalaxyCore(), "galaxy",
                                                            "Warm white galaxy core glow (billboard or flare at the centre)", 90)};
                  }});
  jobs.push_back({"galaxy_haze", [](const ArtInputs&) {
                    return std::vector<Picture>{ArchiveJpeg("textures\\galaxy_haze.jpg", GalaxyHaze(), "galaxy",
                                                            "Warm smooth disc of old stars: the stacked layers above and below a galaxy's spiral", 90)};
                  }});
  jobs.push_back({"stream_white", [](const ArtInputs&) {
                    return std::vector<Picture>{ArchiveJpeg("textures\\stream_white.jpg", StreamPuff(1450, {0.85f, 0.88f, 1.0f}),
                                                            "galaxy", "Neutral cloudy puff sprite for particle streams and jets", 90)};
                  }});
}
