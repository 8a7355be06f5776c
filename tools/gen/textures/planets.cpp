// Planet and moon surfaces (equirectangular 2048 x 1024 and 1024 x 512 maps
// made from 3D noise on the unit sphere, so they have no seam and pinch
// cleanly at the poles), cloud shells, the lava world's glow shell,
// atmosphere shells and ring bands.
#include <algorithm>
#include <cmath>

#include "tools/common/noise.h"
#include "tools/gen/textures/art.h"
#include "tools/gen/textures/planets.h"

namespace {

constexpr float kPi = 3.14159265358979f;
constexpr float kSpread = 0.16f;  // standard deviation of a multi-octave Fbm

// Map sizes: planets and their cloud shells are seen filling the frame;
// moons less often; the haze of an atmosphere shell and the lava's glow
// carry no fine detail.
constexpr int kPlanetWidth = 2048, kPlanetHeight = 1024;
constexpr int kMoonWidth = 1024, kMoonHeight = 512;
constexpr int kGlowWidth = 1024, kGlowHeight = 512;
constexpr int kHazeWidth = 512, kHazeHeight = 256;

float Z(const Noise& n, Dir p, int octaves, float gain = 0.5f) { return n.Fbm(p.x, p.y, p.z, octaves, gain) / kSpread; }

Dir Offset(Dir d, float k, float shift) { return {d.x * k + shift, d.y * k + shift * 0.7f, d.z * k - shift * 0.3f}; }

// Rotates `d` about the unit `axis` by `angle` radians.
Dir Rotate(Dir d, Dir axis, float angle) {
  float c = std::cos(angle), s = std::sin(angle);
  Dir cross = Cross(axis, d);
  float k = Dot(axis, d) * (1 - c);
  return {d.x * c + cross.x * s + axis.x * k, d.y * c + cross.y * s + axis.y * k, d.z * c + cross.z * s + axis.z * k};
}

// A surface: height (for relief shading) and colour at every pixel.
struct Surface {
  GrayImage height;
  RgbImage albedo;
};

struct Sample {
  float height;
  Rgb albedo;
};

Surface ShadeSurface(int width, int height, const std::function<Sample(Dir)>& shade) {
  Surface s{GrayImage(width, height), RgbImage(width, height)};
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      Sample v = shade(EquirectDirection(float(x) + 0.5f, float(y) + 0.5f, width, height));
      s.height.At(x, y) = v.height;
      s.albedo.At(x, y) = v.albedo;
    }
  return s;
}

// Bakes gentle relief into the colours: slopes facing a fixed direction high
// over the north (where the worlds' light stands) brighten, the others darken.
// The slope is taken as a 3D tangent vector, so the shading has no swirl at
// the poles. `strength` scales the height differences per radian of arc.
RgbImage Relief(const Surface& s, float strength) {
  const int w = s.height.Width(), h = s.height.Height();
  const Dir light = Normalize({0.45f, 0.3f, 0.84f});
  RgbImage out(w, h);
  for (int y = 0; y < h; ++y) {
    float lat = kPi / 2 - (float(y) + 0.5f) / float(h) * kPi;
    float dxArc = 2 * kPi / float(w) * std::cos(lat), dyArc = kPi / float(h);
    for (int x = 0; x < w; ++x) {
      float lon = (float(x) + 0.5f) / float(w) * 2 * kPi;
      Dir east{-std::sin(lon), std::cos(lon), 0};
      Dir north{-std::sin(lat) * std::cos(lon), -std::sin(lat) * std::sin(lon), std::cos(lat)};
      float sx = (s.height.AtEdge(x + 1, y, Edge::Wrap) - s.height.AtEdge(x - 1, y, Edge::Wrap)) / (2 * dxArc);
      float sy = (s.height.AtEdge(x, y - 1, Edge::Clamp) - s.height.AtEdge(x, y + 1, Edge::Clamp)) / (2 * dyArc);
      Dir slope = Plus(Along(east, sx * strength), Along(north, sy * strength));
      // Steep walls saturate softly: a hard clamp cut crater floors into a lit
      // and a dark half along a line one texel wide.
      float lit = 1 + 0.45f * std::tanh(Dot(slope, light) / 0.45f);
      out.At(x, y) = Scale(s.albedo.At(x, y), lit);
    }
  }
  EqualAreaRows(out);
  return out;
}

// --- Craters ---

struct Crater {
  Dir center;
  float radius;  // angular radius, radians
};

std::vector<Crater> ScatterCraters(uint32_t seed, int count, float minRadius, float maxRadius) {
  std::vector<Crater> craters;
  for (int i = 0; i < count; ++i) {
    float u = HashUnit(seed + 3, uint32_t(i));
    // Sizes follow a power law: many small craters, a few large basins.
    float r = minRadius * std::pow(maxRadius / minRadius, std::pow(u, 3.0f));
    craters.push_back({RandomDirection(seed, uint32_t(i)), r});
  }
  return craters;
}

// Height of all craters at d: bowls with raised rims, older (larger) ones
// softer. The bowl meets the rim with no crease, which would shade as a
// stair-stepped ring.
float CraterHeight(const std::vector<Crater>& craters, Dir d, float* ejecta) {
  float h = 0;
  *ejecta = 0;
  for (const Crater& c : craters) {
    float cosd = Dot(d, c.center);
    float reach = c.radius * 2.2f;
    if (cosd < std::cos(reach)) continue;
    float x = std::acos(std::min(cosd, 1.0f)) / c.radius;
    float depth = c.radius * 0.5f;  // a fifth of the diameter deep, like real craters
    if (x < 1)
      h -= depth * (1 - x * x) * (1 - x * x) * 0.9f;
    h += depth * 0.35f * std::exp(-(x - 1) * (x - 1) / 0.03f);
    if (x > 1) *ejecta += std::exp(-(x - 1) * 2.5f) * 0.5f;
  }
  return h;
}

// --- Worlds ---

RgbImage OceanWorld() {
  const Noise n(501);
  Surface s = ShadeSurface(kPlanetWidth, kPlanetHeight, [&](Dir d) {
    Dir w{Z(n, Offset(d, 1.2f, 3), 3), Z(n, Offset(d, 1.2f, 7), 3), Z(n, Offset(d, 1.2f, 11), 3)};
    Dir p = Plus(Along(d, 1.7f), Along(w, 0.12f));
    float continent = Z(n, p, 8, 0.52f);
    float sea = 0.55f;
    float e = continent - sea;
    float lat = std::fabs(std::asin(d.z)) * 180 / kPi;
    float iceLine = 77 + 4 * Z(n, Offset(d, 4, 19), 4);
    Sample out{};
    if (e < 0) {
      float shelf = Smoothstep(0.0f, -0.35f, e);
      float depth = Clamp01((sea - Z(n, p, 4, 0.52f)) / 2.0f);
      out.albedo = Mix({0.09f, 0.42f, 0.44f},
                       Ramp({{0.0f, {0.03f, 0.24f, 0.32f}}, {0.5f, {0.02f, 0.12f, 0.23f}}, {1.0f, {0.01f, 0.06f, 0.15f}}}, depth),
                       shelf);
      out.height = 0;
    } else {
      float ranges = Smoothstep(0.2f, 1.4f, Z(n, Offset(d, 2.2f, 41), 3));
      float mountains = std::pow(n.Ridged(p.x * 3 + 5, p.y * 3, p.z * 3, 6), 2.0f) * ranges;
      float elevation = e + mountains * std::min(e * 2.0f, 1.4f);
      float dryBelt = Smoothstep(12, 22, lat) * Smoothstep(38, 28, lat);
      float moisture = Z(n, Offset(d, 2.5f, 23), 5) + 0.5f - 1.3f * dryBelt - std::max(0.0f, 0.4f - e);
      Rgb lush = Mix({0.05f, 0.19f, 0.06f}, {0.14f, 0.30f, 0.10f}, Smoothstep(-1, 1, Z(n, Offset(d, 8, 29), 4)));
      Rgb dry = Mix({0.52f, 0.44f, 0.28f}, {0.42f, 0.32f, 0.20f}, Smoothstep(-1, 1, Z(n, Offset(d, 7, 31), 4)));
      Rgb ground = Mix(dry, lush, Smoothstep(-0.5f, 0.5f, moisture));
      ground = Mix(ground, {0.34f, 0.31f, 0.27f}, Smoothstep(0.8f, 1.5f, elevation));
      ground = Mix(ground, {0.92f, 0.93f, 0.95f}, Smoothstep(2.0f, 2.3f, elevation));
      out.albedo = ground;
      out.height = elevation * 0.015f;
    }
    float ice = Smoothstep(iceLine, iceLine + 3, lat);
    out.albedo = Mix(out.albedo, {0.90f, 0.94f, 0.97f}, ice);
    return out;
  });
  return Relief(s, 1.0f);
}

// Cloud cover: banded by latitude (thick at the equator and in the storm
// belts, thin in the subtropics), swirled into a few cyclones, with soft edges.
RgbImage Clouds(uint32_t seed, float cover, float swirlCount, float wispy) {
  const Noise n(seed);
  std::vector<Crater> storms = ScatterCraters(seed + 1, int(swirlCount), 0.10f, 0.22f);
  return ShadeSphereMap(kPlanetWidth, kPlanetHeight, [&](Dir d) {
    Dir p = d;
    for (size_t i = 0; i < storms.size(); ++i) {
      float dist = std::acos(std::clamp(Dot(d, storms[i].center), -1.0f, 1.0f)) / storms[i].radius;
      if (dist < 1.5f) p = Rotate(p, storms[i].center, (storms[i].center.z > 0 ? 1.0f : -1.0f) * 3.5f * std::exp(-dist * dist * 2));
    }
    Dir w{Z(n, Offset(p, 2, 3), 4), Z(n, Offset(p, 2, 7), 4), Z(n, Offset(p, 2, 11), 4)};
    Dir q = Plus(Along(p, 2.5f), Along(w, 0.15f));
    float lat = std::asin(d.z);
    float belts = 0.45f * std::cos(lat * 6.0f) + 0.25f * std::cos(lat * 2.0f);
    float v = Z(n, {q.x, q.y, q.z * 1.6f}, 8, 0.58f) + belts + cover;
    float detail = 0.75f + 0.25f * Smoothstep(-2, 2, Z(n, Along(q, 6), 4));
    float streaks = std::pow(n.Ridged(q.x * 2, q.y * 2, q.z * 6, 5), 3.0f);
    float body = Smoothstep(-0.2f, 2.8f, v);
    float c = (body * (1 - wispy) + wispy * streaks * Smoothstep(-1.0f, 1.0f, v)) * detail;
    return Rgb{c, c, c};
  });
}

struct BandStyle {
  uint32_t seed;
  std::vector<ColorStop> colors;  // band colours along the latitude profile
  float bandFrequency;            // bands per unit of sin(latitude)
  float turbulence;               // how far the eddies drag the bands
  float contrast;                 // strength of the fine streaks
};

// The belts and zones of a giant: a colour position for every sin(latitude),
// from a 1D fractal of few octaves whose edges are sharpened, so broad bands
// alternate with narrow ones and meet in clear boundaries.
std::vector<float> LatitudeProfile(const Noise& n, float frequency) {
  std::vector<float> profile(4096);
  for (size_t i = 0; i < profile.size(); ++i) {
    float u = float(i) / float(profile.size() - 1) * 2 - 1;
    float v = n.Fbm(u * frequency, 3.7f, 1.3f, 3, 0.55f) / kSpread;
    profile[i] = Clamp01(0.5f + 0.5f * std::tanh(1.3f * v));
  }
  return profile;
}

float ProfileAt(const std::vector<float>& profile, float u) {
  float x = Clamp01(0.5f + 0.5f * u) * float(profile.size() - 1);
  size_t i = std::min(size_t(x), profile.size() - 2);
  float f = x - float(i);
  return profile[i] * (1 - f) + profile[i + 1] * f;
}

// A banded giant: the latitude profile read at a latitude that the flow
// displaces. The flow is noise stretched along the bands and warped by
// itself, so band edges curl into waves and festoons rather than blotches;
// it is strongest where neighbouring bands differ most (where they shear).
// A great oval storm turns the flow round itself.
RgbImage BandedGiant(const BandStyle& style, Dir storm, float stormRadius, Rgb stormColor) {
  const Noise n(style.seed);
  const std::vector<float> profile = LatitudeProfile(n, style.bandFrequency);
  const Dir east = Normalize(Cross({0, 0, 1}, storm));
  return ShadeSphereMap(kPlanetWidth, kPlanetHeight, [&](Dir d) {
    Dir p = d;
    float oval = 0;
    float ex = Dot(d, east), ez = d.z - storm.z;
    float ellipse = std::sqrt(ex * ex / (2.2f * 2.2f) + ez * ez) / stormRadius;
    if (ellipse < 1.8f && Dot(d, storm) > 0) {
      p = Rotate(p, storm, 4.0f * std::pow(std::max(0.0f, 1 - ellipse / 1.8f), 1.5f));
      oval = Smoothstep(1.0f, 0.55f, ellipse);
    }
    Dir along{p.x * 2.5f, p.y * 2.5f, p.z * 12};
    float warp = Z(n, Offset(along, 1, 3), 4);
    Dir warped{along.x + 0.6f * warp, along.y - 0.4f * warp, along.z + 1.2f * warp};
    float flow = Z(n, Offset(warped, 1.1f, 7), 4, 0.5f);
    float shear = std::fabs(ProfileAt(profile, p.z + 0.004f) - ProfileAt(profile, p.z - 0.004f)) * 40;
    float u = p.z + style.turbulence * 0.008f * flow * (0.5f + std::min(shear, 2.0f));
    Rgb color = Ramp(style.colors, ProfileAt(profile, u));
    float streaks = Z(n, {p.x * 6, p.y * 6, p.z * 70 + 0.5f * flow}, 2);
    color = Scale(color, 1 + style.contrast * 0.06f * streaks);
    color = Mix(color, Scale(stormColor, 0.85f + 0.15f * flow * 0.3f), oval * 0.85f);
    float pole = Smoothstep(0.8f, 1.0f, std::fabs(d.z));
    return Mix(color, Scale(style.colors.front().color, 0.8f), pole * 0.6f);
  }, 2);  // the sharpened bands, dragged by the flow, are finer than a texel in places
}

// The lava world at a point: its lit colour and the light its lava gives
// off by itself.
struct LavaSample {
  Rgb color;
  Rgb emission;
};

LavaSample LavaAt(const Noise& n, Dir d) {
  Dir w{Z(n, Offset(d, 2, 3), 3), Z(n, Offset(d, 2, 7), 3), Z(n, Offset(d, 2, 11), 3)};
  Dir p = Plus(Along(d, 2.5f), Along(w, 0.2f));
  float crust = Z(n, p, 7, 0.55f);
  float cracks = n.Ridged(p.x * 1.8f + 9, p.y * 1.8f, p.z * 1.8f, 6, 0.5f);
  float fine = n.Ridged(p.x * 6 + 19, p.y * 6, p.z * 6, 4);
  float lava = Smoothstep(0.83f, 0.94f, cracks) + 0.5f * Smoothstep(0.9f, 0.97f, fine) * Smoothstep(0.6f, 0.85f, cracks);
  lava = Clamp01(std::max(lava, Smoothstep(-1.6f, -2.1f, crust)));  // lava lakes in the lowlands
  float glow = Smoothstep(0.7f, 0.95f, cracks) * 0.3f + 0.25f * Smoothstep(-1.2f, -2.0f, crust);
  Rgb rock = Mix({0.07f, 0.055f, 0.05f}, {0.22f, 0.17f, 0.14f}, Smoothstep(-1.5f, 2.0f, crust));
  rock = Mix(rock, {0.30f, 0.28f, 0.26f}, 0.4f * Smoothstep(1.2f, 2.2f, Z(n, Offset(d, 5, 33), 4)));  // ash
  Rgb molten = Mix({0.85f, 0.22f, 0.03f}, {1.0f, 0.80f, 0.35f}, Smoothstep(0.3f, 1.0f, lava));
  Rgb heat = Scale({0.6f, 0.12f, 0.02f}, glow);
  return {Mix(Add(rock, heat), molten, lava), Add(Scale(molten, lava), Scale(heat, 0.8f))};
}

RgbImage LavaWorld() {
  const Noise n(701);
  return ShadeSphereMap(kPlanetWidth, kPlanetHeight, [&](Dir d) { return LavaAt(n, d).color; });
}

// The lava's own light, black on the crust, for an unlit additive shell
// turning with the lava world: it keeps the cracks and lakes glowing on the
// night side.
RgbImage LavaGlow() {
  const Noise n(701);
  return ShadeSphereMap(kGlowWidth, kGlowHeight, [&](Dir d) { return LavaAt(n, d).emission; });
}

RgbImage DesertWorld() {
  const Noise n(801);
  std::vector<Crater> craters = ScatterCraters(802, 120, 0.01f, 0.12f);
  Surface s = ShadeSurface(kPlanetWidth, kPlanetHeight, [&](Dir d) {
    Dir w{Z(n, Offset(d, 1.5f, 3), 3), Z(n, Offset(d, 1.5f, 7), 3), Z(n, Offset(d, 1.5f, 11), 3)};
    Dir p = Plus(Along(d, 2.0f), Along(w, 0.15f));
    float albedo = Z(n, p, 7, 0.55f);
    float canyon = Smoothstep(0.9f, 0.97f, n.Ridged(p.x * 1.2f + 3, p.y * 1.2f, p.z * 1.2f, 5));
    float ejecta;
    float h = CraterHeight(craters, d, &ejecta) + 0.004f * Z(n, Along(d, 5), 5) - 0.01f * canyon;
    Rgb dust = Ramp({{-2.0f, {0.30f, 0.15f, 0.08f}}, {-0.5f, {0.52f, 0.28f, 0.15f}}, {0.6f, {0.76f, 0.47f, 0.27f}},
                     {2.0f, {0.86f, 0.62f, 0.40f}}},
                    albedo);
    float dunes = 0.06f * n.At(d.x * 90 + d.z * 20, d.y * 90, d.z * 30);
    dust = Scale(dust, 1 + dunes - 0.25f * canyon + 0.15f * ejecta);
    float lat = std::fabs(std::asin(d.z)) * 180 / kPi;
    float cap = Smoothstep(80, 83, lat + 3 * Z(n, Offset(d, 6, 13), 3));
    return Sample{h, Mix(dust, {0.92f, 0.88f, 0.84f}, cap)};
  });
  return Relief(s, 1.0f);
}

struct MoonStyle {
  uint32_t seed;
  std::vector<ColorStop> colors;  // by a broad albedo noise
  int craters;
  float cracks;                   // strength of ridge lines (icy moons)
  Rgb crackColor;
};

RgbImage Moon(const MoonStyle& style) {
  const Noise n(style.seed);
  std::vector<Crater> craters = ScatterCraters(style.seed + 1, style.craters, 0.008f, 0.22f);
  Surface s = ShadeSurface(kMoonWidth, kMoonHeight, [&](Dir d) {
    float ejecta;
    float h = CraterHeight(craters, d, &ejecta) + 0.004f * Z(n, Along(d, 4), 5);
    float broad = Z(n, Along(d, 1.8f), 5);
    Rgb c = Ramp(style.colors, broad);
    c = Scale(c, 1 + 0.25f * ejecta + 0.08f * Z(n, Along(d, 14), 3));
    float crack = Smoothstep(0.88f, 0.96f, n.Ridged(d.x * 3 + 7, d.y * 3, d.z * 3, 5, 0.45f));
    c = Mix(c, style.crackColor, crack * style.cracks);
    h -= 0.002f * crack * style.cracks;
    return Sample{h, c};
  });
  return Relief(s, 1.2f);
}

// A translucent shell over a planet: soft haze with faint structure.
RgbImage AtmosphereShell(uint32_t seed, Rgb color) {
  const Noise n(seed);
  return ShadeSphereMap(kHazeWidth, kHazeHeight, [&](Dir d) {
    float v = 0.8f + 0.2f * Smoothstep(-2, 2, Z(n, Along(d, 3), 4));
    return Scale(color, v);
  });
}

// Rings for a flat "orient off" billboard: a radial band profile with
// ringlets and gaps, black inside (where the planet sits) and outside.
RgbImage Rings(uint32_t seed, Rgb inner, Rgb outer) {
  const Noise n(seed);
  const float r0 = 0.52f, r1 = 0.94f;
  std::vector<float> profile(2048);
  for (size_t i = 0; i < profile.size(); ++i) {
    float t = float(i) / float(profile.size() - 1);
    float ringlets = 0.55f + 0.45f * n.Fbm(t * 40, 0.5f, 0.5f, 5, 0.6f) / 0.16f;
    float density = Clamp01(ringlets) * (0.6f + 0.4f * std::sin(t * 9));
    density *= 1 - 0.95f * Smoothstep(0.0f, 0.01f, 0.012f - std::fabs(t - 0.63f));  // main gap
    density *= 1 - 0.80f * Smoothstep(0.0f, 0.006f, 0.006f - std::fabs(t - 0.86f));
    density *= Smoothstep(0.0f, 0.04f, t) * Smoothstep(1.0f, 0.93f, t);
    profile[i] = Clamp01(density);
  }
  return RadialSprite(512, [&](float r, float) {
    float t = (r - r0) / (r1 - r0);
    if (t < 0 || t > 1) return Rgb{};
    float v = profile[size_t(t * float(profile.size() - 1))];
    return Scale(Mix(inner, outer, t), v);
  }, 3);
}

Picture Planet(const std::string& name, const RgbImage& map, const std::string& use) {
  Picture p = ArchiveJpeg(name, map, "planets", use, 90);
  p.planetMap = true;
  return p;
}

const std::vector<ColorStop> kBlueBands = {{0.0f, {0.08f, 0.13f, 0.38f}}, {0.25f, {0.18f, 0.32f, 0.68f}},
                                           {0.45f, {0.45f, 0.62f, 0.85f}}, {0.6f, {0.80f, 0.89f, 0.96f}},
                                           {0.75f, {0.30f, 0.55f, 0.72f}}, {1.0f, {0.90f, 0.94f, 1.0f}}};
const std::vector<ColorStop> kIceBands = {{0.0f, {0.42f, 0.70f, 0.80f}}, {0.5f, {0.55f, 0.80f, 0.88f}},
                                          {1.0f, {0.70f, 0.90f, 0.94f}}};
const std::vector<ColorStop> kAmberBands = {{0.0f, {0.45f, 0.25f, 0.13f}}, {0.3f, {0.72f, 0.46f, 0.24f}},
                                            {0.5f, {0.88f, 0.72f, 0.50f}}, {0.7f, {0.95f, 0.88f, 0.70f}},
                                            {0.85f, {0.65f, 0.38f, 0.20f}}, {1.0f, {0.92f, 0.80f, 0.60f}}};

}  // namespace

RgbImage OceanWorldMap() { return OceanWorld(); }
RgbImage OceanCloudMap() { return Clouds(511, 0.25f, 7, 0.0f); }

void AddPlanetJobs(std::vector<ArtJob>& jobs) {
  auto add = [&](const char* name, const char* use, std::function<RgbImage()> make) {
    jobs.push_back({name, [=](const ArtInputs&) { return std::vector<Picture>{Planet(name, make(), use)}; }});
  };
  auto addPlain = [&](const char* name, const char* group, const char* use, std::function<RgbImage()> make) {
    jobs.push_back({name, [=](const ArtInputs&) { return std::vector<Picture>{ArchiveJpeg(name, make(), group, use, 90)}; }});
  };
  add("textures\\green_ocean.jpg", "Green system: blue-green ocean world with continents and polar ice (planet sphere)",
      [] { return OceanWorldMap(); });
  add("textures\\green_ocean_clouds.jpg",
      "Green system: cloud cover of the ocean world, white on black, for a slightly larger translucent shell",
      [] { return OceanCloudMap(); });
  add("textures\\green_moon.jpg", "Green system: grey cratered rocky moon",
      [] { return Moon({521, {{-2, {0.25f, 0.24f, 0.23f}}, {0, {0.45f, 0.44f, 0.42f}}, {2, {0.65f, 0.64f, 0.62f}}}, 500, 0, {}}); });
  add("textures\\blue_gasgiant.jpg", "Blue system: banded gas giant in cobalt, cyan and white with a great oval storm",
      [] { return BandedGiant({601, kBlueBands, 9, 1.0f, 1.0f}, Normalize({-0.8f, 0.5f, -0.35f}), 0.12f, {0.92f, 0.95f, 1.0f}); });
  add("textures\\blue_icegiant.jpg", "Blue system: pale aqua ice giant with faint bands and a dark spot",
      [] { return BandedGiant({611, kIceBands, 5, 0.6f, 0.4f}, Normalize({0.6f, 0.7f, 0.35f}), 0.08f, {0.2f, 0.38f, 0.55f}); });
  add("textures\\blue_moon.jpg", "Blue system: icy moon, white-blue with rust-coloured cracks",
      [] { return Moon({621, {{-2, {0.62f, 0.70f, 0.78f}}, {0, {0.80f, 0.86f, 0.92f}}, {2, {0.92f, 0.95f, 0.98f}}}, 60, 0.8f, {0.50f, 0.32f, 0.22f}}); });
  add("textures\\red_lava.jpg", "Red system: lava world, dark basalt crust with glowing cracks and lava lakes",
      [] { return LavaWorld(); });
  add("textures\\red_lava_glow.jpg",
      "Red system: the lava's own glow, black on the crust, for an unlit translucent shell turning with the lava world",
      [] { return LavaGlow(); });
  add("textures\\red_desert.jpg", "Red system: dusty orange desert planet with canyons, craters and small polar caps",
      [] { return DesertWorld(); });
  add("textures\\red_desert_clouds.jpg", "Red system: thin dust haze streaks of the desert planet, white on black, translucent shell",
      [] { return Clouds(811, -1.6f, 2, 0.7f); });
  add("textures\\red_ringgiant.jpg", "Red system: amber and cream banded giant that carries red_rings.jpg",
      [] { return BandedGiant({901, kAmberBands, 11, 1.2f, 1.0f}, Normalize({0.3f, -0.9f, 0.3f}), 0.07f, {0.95f, 0.85f, 0.7f}); });
  add("textures\\red_moon.jpg", "Red system: red-brown rocky moon, dark maria and bright dusty highlands",
      [] { return Moon({921, {{-2, {0.30f, 0.17f, 0.11f}}, {0, {0.56f, 0.36f, 0.25f}}, {2, {0.80f, 0.60f, 0.44f}}}, 400, 0, {}}); });
  add("textures\\green_atmosphere.jpg", "Green system: pale cyan haze for the ocean world's translucent atmosphere shell",
      [] { return AtmosphereShell(531, {0.45f, 0.72f, 0.90f}); });
  add("textures\\blue_atmosphere.jpg", "Blue system: pale blue haze for a translucent atmosphere shell",
      [] { return AtmosphereShell(631, {0.50f, 0.65f, 1.0f}); });
  add("textures\\red_atmosphere.jpg", "Red system: orange dust haze for a translucent atmosphere shell",
      [] { return AtmosphereShell(831, {0.95f, 0.55f, 0.28f}); });
  addPlain("textures\\red_rings.jpg", "planets",
           "Red system: ring bands of the ringed giant, for a flat \"orient off\" billboard (black inside and outside)",
           [] { return Rings(941, {0.55f, 0.40f, 0.30f}, {0.95f, 0.85f, 0.68f}); });
  addPlain("textures\\blue_rings.jpg", "planets",
           "Blue system: faint icy ring bands, for a flat \"orient off\" billboard (black inside and outside)",
           [] { return Rings(641, {0.36f, 0.44f, 0.52f}, {0.64f, 0.70f, 0.76f}); });
}
