// Additive sprites: suns and their glows, star-burst rays, the three lens
// ghosts, atmosphere halos, the dust/flame/light particle, lights and glares.
// Each falls off softly to pure black well inside its square.
#include <algorithm>
#include <cmath>

#include "tools/common/noise.h"
#include "tools/gen/textures/art.h"

namespace {

constexpr float kPi = 3.14159265358979f;

// Angular noise sampled on a circle, so it has no seam at angle +-pi.
float AroundCircle(const Noise& n, float angle, float frequency, int octaves) {
  return n.Fbm(std::cos(angle) * frequency, std::sin(angle) * frequency, 0.5f, octaves) / 0.16f;
}

RgbImage Mapped(const RgbImage& light) {
  RgbImage out(light.Width(), light.Height());
  for (size_t i = 0; i < light.Pixels().size(); ++i) out.Pixels()[i] = ToneMap(light.Pixels()[i]);
  return out;
}

// A sun: a white-hot disc with limb darkening and a tinted corona with faint
// streamers; the tone map turns the overlapping core white.
RgbImage SunDisc(uint32_t seed, Rgb tint) {
  const Noise n(seed);
  const float disc = 0.17f;
  return Mapped(RadialSprite(512, [&](float r, float angle) {
    float edge = Smoothstep(disc + 0.006f, disc - 0.006f, r);
    float mu = std::sqrt(std::max(0.0f, 1 - (r / disc) * (r / disc)));
    Rgb surface = Scale(Mix(tint, {1, 1, 1}, 0.75f), 1.8f * (0.55f + 0.45f * mu));
    float out = std::max(0.0f, r - disc);
    float streamers = 1 + 0.35f * AroundCircle(n, angle, 3, 4) * Smoothstep(0.0f, 0.1f, out);
    float corona = (1.1f * std::exp(-out / 0.025f) + 0.45f * std::exp(-out / 0.09f) * streamers +
                    0.12f * std::exp(-out / 0.3f)) * Smoothstep(0.95f, 0.6f, r);
    return Add(Scale(surface, edge), Scale(tint, corona * (1 - edge)));
  }));
}

// A wide soft glow around a sun with faint rays, for a second, larger flare.
RgbImage SunGlow(uint32_t seed, Rgb tint) {
  const Noise n(seed);
  return Mapped(RadialSprite(512, [&](float r, float angle) {
    float rays = std::pow(std::max(0.0f, AroundCircle(n, angle, 9, 3)), 2.0f) * 0.12f * std::exp(-r / 0.3f);
    float glow = 1.2f * std::exp(-r / 0.08f) + 0.45f * std::exp(-r / 0.22f) + 0.1f * (1 - r) * (1 - r);
    return Scale(Mix(tint, {1, 1, 1}, std::exp(-r / 0.05f)), (glow + rays) * Smoothstep(1.0f, 0.5f, r));
  }));
}

// Thin star-burst spikes of random angle and length, for a spinning flare.
RgbImage FlareRays(uint32_t seed) {
  struct Spike {
    float angle, length, width, strength;
  };
  std::vector<Spike> spikes;
  for (uint32_t i = 0; i < 36; ++i)
    spikes.push_back({HashUnit(seed, 4 * i) * 2 * kPi, 0.35f + 0.55f * HashUnit(seed, 4 * i + 1),
                      0.004f + 0.01f * HashUnit(seed, 4 * i + 2), 0.25f + 0.75f * HashUnit(seed, 4 * i + 3)});
  return Mapped(RadialSprite(512, [&](float r, float angle) {
    float v = 1.2f * std::exp(-r / 0.03f) + 0.15f * std::exp(-r / 0.12f);
    for (const Spike& s : spikes) {
      float da = std::remainder(angle - s.angle, 2 * kPi);
      float across = std::fabs(da) * r;
      float along = Clamp01(1 - r / s.length);
      v += s.strength * along * along * std::exp(-across * across / (s.width * s.width));
    }
    return Scale(Rgb{1.0f, 0.96f, 0.9f}, v);
  }, 3));
}

// Lens ghosts: ring (0), soft disc (1), hexagon (2); near white with a
// slight chromatic fringe, since the flare tints and dims them itself.
RgbImage LensRing() {
  return Mapped(RadialSprite(256, [](float r, float) {
    auto band = [r](float at) { return std::exp(-(r - at) * (r - at) / (2 * 0.025f * 0.025f)); };
    float fill = 0.06f * Smoothstep(0.74f, 0.6f, r);
    return Rgb{band(0.69f) + fill, band(0.68f) + fill, band(0.67f) + fill * 1.2f};
  }, 3));
}

RgbImage LensDisc() {
  return Mapped(RadialSprite(256, [](float r, float) {
    float body = 0.55f * Smoothstep(0.64f, 0.52f, r) * (0.8f + 0.2f * r);
    float rim = 0.25f * std::exp(-(r - 0.58f) * (r - 0.58f) / (2 * 0.02f * 0.02f));
    return Rgb{body + rim * 1.1f, body + rim, body * 1.05f + rim * 0.8f};
  }, 3));
}

RgbImage LensHexagon() {
  return Mapped(RadialSprite(256, [](float r, float angle) {
    float x = r * std::cos(angle), y = r * std::sin(angle);
    const float s = 0.8660254f;
    float d = std::max({std::fabs(y), std::fabs(x * s + y * 0.5f), std::fabs(x * s - y * 0.5f)});
    float body = 0.42f * Smoothstep(0.60f, 0.56f, d);
    float rim = 0.3f * std::exp(-(d - 0.57f) * (d - 0.57f) / (2 * 0.012f * 0.012f));
    return Rgb{body + rim, body * 1.02f + rim * 0.95f, body * 1.08f + rim * 0.85f};
  }, 3));
}

// The glow of an atmosphere seen edge-on: a bright ring just outside the
// planet's edge (r = 0.6 of the sprite), fading outward, dark inside.
RgbImage AtmosphereHalo(Rgb tint) {
  return Mapped(RadialSprite(512, [&](float r, float) {
    const float edge = 0.6f;
    float inner = Smoothstep(edge - 0.06f, edge, r);
    float outer = r < edge ? 1.0f : 0.8f * std::exp(-(r - edge) / 0.025f) + 0.2f * std::exp(-(r - edge) / 0.1f);
    return Scale(tint, 1.2f * inner * outer);
  }, 3));
}

// The soft round sprite of the dust field, engine flames and lights.
RgbImage Particle() {
  return RadialSprite(128, [](float r, float) {
    float v = 0.85f * std::exp(-r * r / (2 * 0.2f * 0.2f)) + 0.15f * std::exp(-r * r / (2 * 0.42f * 0.42f));
    return Rgb{v, v, v};
  }, 4);
}

// A point light: small hot core, soft halo and a faint four-point glint.
RgbImage PointLight() {
  return Mapped(RadialSprite(128, [](float r, float angle) {
    float glint = std::pow(std::fabs(std::cos(2 * angle)), 60.0f) * 0.5f * std::exp(-r / 0.25f);
    float v = 1.4f * std::exp(-r / 0.05f) + 0.35f * std::exp(-r / 0.18f) + glint;
    return Rgb{v, v, v};
  }, 4));
}

// An engine flame puff: a hot centre and a soft body; the flame object tints it.
RgbImage FlamePuff(uint32_t seed) {
  const Noise n(seed);
  return Mapped(RadialSprite(128, [&](float r, float angle) {
    float ragged = 1 + 0.15f * AroundCircle(n, angle, 2, 3) * r;
    float v = 0.9f * std::exp(-r * r / (2 * 0.12f * 0.12f)) + 0.6f * std::exp(-r * ragged / 0.22f);
    return Rgb{v, v, v};
  }, 4));
}

// A generic wide soft glow for haze and halos.
RgbImage SoftGlow() {
  return RadialSprite(256, [](float r, float) {
    float v = 0.75f * std::exp(-r / 0.16f) + 0.25f * (1 - r) * (1 - r);
    return Rgb{v, v, v};
  }, 2);
}

// An anamorphic streak for engine glare flares: a bright core and a long
// thin horizontal line that fades to black before the sides.
RgbImage EngineGlare() {
  return Mapped(RadialSprite(256, [](float r, float angle) {
    float x = r * std::cos(angle), y = r * std::sin(angle);
    float streak = std::exp(-y * y / (2 * 0.012f * 0.012f)) * Smoothstep(0.95f, 0.1f, std::fabs(x));
    float v = 1.2f * std::exp(-r / 0.05f) + 0.25f * std::exp(-r / 0.2f) + 0.6f * streak;
    return Rgb{v * 0.9f, v * 0.95f, v};
  }, 3));
}

struct SystemTint {
  const char* system;
  Rgb sun;
  Rgb halo;
  const char* sunWords;
};

const SystemTint kTints[] = {
    {"yellow", {1.0f, 0.86f, 0.55f}, {0.45f, 0.75f, 1.0f}, "warm yellow-white sun of the green system"},
    {"blue", {0.55f, 0.72f, 1.0f}, {0.45f, 0.60f, 1.0f}, "blue-white sun of the blue system"},
    {"orange", {1.0f, 0.52f, 0.20f}, {1.0f, 0.55f, 0.25f}, "orange sun of the red system"},
};

const char* HaloName(int i) {
  static const char* names[] = {"textures\\green_halo.jpg", "textures\\blue_halo.jpg", "textures\\red_halo.jpg"};
  return names[i];
}

}  // namespace

void AddSpriteJobs(std::vector<ArtJob>& jobs) {
  auto add = [&](std::string name, std::string use, std::function<RgbImage()> make) {
    jobs.push_back({name, [=](const ArtInputs&) { return std::vector<Picture>{ArchiveJpeg(name, make(), "sprites", use, 90)}; }});
  };
  for (int i = 0; i < 3; ++i) {
    const SystemTint& t = kTints[i];
    uint32_t seed = 1000 + uint32_t(i) * 10;
    add(std::string("textures\\sun_") + t.system + ".jpg",
        std::string("Sun disc with corona (flare sprite): ") + t.sunWords, [t, seed] { return SunDisc(seed, t.sun); });
    add(std::string("textures\\sun_glow_") + t.system + ".jpg",
        std::string("Wide soft sun glow with faint rays (larger flare behind the disc): ") + t.sunWords,
        [t, seed] { return SunGlow(seed + 1, t.sun); });
    add(HaloName(i), "Atmosphere limb glow: ring billboard behind a planet, planet edge at 0.6 of the sprite's half-size",
        [t] { return AtmosphereHalo(t.halo); });
  }
  add("textures\\flare_rays.jpg", "Star-burst spikes for a spinning sun or star flare (neutral white)", [] { return FlareRays(1100); });
  add("textures\\lens_ring.jpg", "Lens ghost texture 0: thin ring (lenseffect, first texture line)", [] { return LensRing(); });
  add("textures\\lens_disc.jpg", "Lens ghost texture 1: soft disc (lenseffect, second texture line)", [] { return LensDisc(); });
  add("textures\\lens_hex.jpg", "Lens ghost texture 2: soft hexagon (lenseffect, third texture line)", [] { return LensHexagon(); });
  add("textures\\particle.jpg", "Soft round sprite: the dust field, engine flames and lights", [] { return Particle(); });
  add("textures\\light.jpg", "Point light with a faint glint: parented station and ship lights (tinted by color)",
      [] { return PointLight(); });
  add("textures\\flame.jpg", "Engine flame puff (tinted from colorfrom to colorto by the flame)", [] { return FlamePuff(1200); });
  add("textures\\glow.jpg", "Generic wide soft white glow: haze, halos, engine glow billboards", [] { return SoftGlow(); });
  add("textures\\engine_glare.jpg", "Anamorphic streak with a bright core: engine glare flares", [] { return EngineGlare(); });
}
