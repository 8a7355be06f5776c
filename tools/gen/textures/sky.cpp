// Skies: star fields (tileable squares for the environment cube and tiled
// sky spheres, an equirectangular sphere with a band of denser stars) and the
// nebula layers of each star system, drawn on translucent sky spheres.
#include <algorithm>
#include <cmath>

#include "tools/common/noise.h"
#include "tools/gen/textures/art.h"

namespace {

constexpr float kPi = 3.14159265358979f;

// --- Stars ---

// Colour temperature from cool red-orange through white to blue-white;
// most stars come out near white.
Rgb StarColor(float t) {
  return Ramp({{0.00f, {1.00f, 0.60f, 0.36f}},
               {0.10f, {1.00f, 0.80f, 0.60f}},
               {0.35f, {1.00f, 0.95f, 0.86f}},
               {0.65f, {0.96f, 0.97f, 1.00f}},
               {0.88f, {0.80f, 0.87f, 1.00f}},
               {1.00f, {0.66f, 0.76f, 1.00f}}},
              t);
}

struct StarPopulation {
  uint32_t seed;
  int count;
  float minFlux;  // peak brightness of the faintest star before tone mapping
  float slope;    // P(flux > f) = (f / minFlux)^-slope: many faint, few bright
};

float StarFlux(const StarPopulation& pop, uint32_t i) {
  float u = HashUnit(pop.seed ^ 0x5bd1e995u, i);
  return std::min(pop.minFlux * std::pow(1.0f - 0.9995f * u, -1.0f / pop.slope), 40.0f);
}

// Adds one star's light: a sub-pixel Gaussian core; bright stars also get a
// faint wide halo. `distance2(dx, dy)` gives the squared distance in core
// pixels from the star to the pixel at offset (dx, dy) from its nearest pixel.
template <typename Put>
void SplatStar(float flux, Rgb color, float fracX, float fracY, float stretchX, Put put) {
  const float coreSigma = 0.62f;
  const bool bright = flux > 1.5f;
  const float haloSigma = 1.6f + 0.25f * std::min(flux, 12.0f);
  const int reach = bright ? int(std::ceil(haloSigma * 3)) : 2;
  const int reachX = std::min(int(std::ceil(float(reach) * stretchX)), 400);
  for (int dy = -reach; dy <= reach; ++dy)
    for (int dx = -reachX; dx <= reachX; ++dx) {
      float ex = (float(dx) - fracX) / stretchX, ey = float(dy) - fracY;
      float d2 = ex * ex + ey * ey;
      float v = flux * std::exp(-0.5f * d2 / (coreSigma * coreSigma));
      if (bright) v += 0.03f * flux * std::exp(-0.5f * d2 / (haloSigma * haloSigma));
      if (v > 1e-4f) put(dx, dy, Scale(color, v));
    }
}

// Saturates accumulated starlight: faint stars stay linear, bright cores
// turn white and spread a little, as in a photograph.
RgbImage Develop(const RgbImage& light) {
  RgbImage out(light.Width(), light.Height());
  for (size_t i = 0; i < light.Pixels().size(); ++i) {
    const Rgb& c = light.Pixels()[i];
    out.Pixels()[i] = {1 - std::exp(-c.r), 1 - std::exp(-c.g), 1 - std::exp(-c.b)};
  }
  return out;
}

// A statistically uniform, seamlessly tiling star field: every star wraps
// around the edges, so the cube's faces and tiled spheres show no edge.
RgbImage TiledStarField(int size, const std::vector<StarPopulation>& populations) {
  RgbImage light(size, size);
  for (const StarPopulation& pop : populations)
    for (uint32_t i = 0; i < uint32_t(pop.count); ++i) {
      float x = HashUnit(pop.seed, 3 * i) * float(size), y = HashUnit(pop.seed, 3 * i + 1) * float(size);
      Rgb color = StarColor(HashUnit(pop.seed, 3 * i + 2));
      int ix = int(x), iy = int(y);
      SplatStar(StarFlux(pop, i), color, x - float(ix) - 0.5f, y - float(iy) - 0.5f, 1.0f, [&](int dx, int dy, Rgb c) {
        Rgb& p = light.At(((ix + dx) % size + size) % size, ((iy + dy) % size + size) % size);
        p = Add(p, c);
      });
    }
  return Develop(light);
}

// An equirectangular star sphere whose stars crowd towards a great circle
// (normal `bandAxis`), with the band's unresolved glow and dark dust lanes.
RgbImage BandStarSphere(int width, int height, uint32_t seed, Dir bandAxis) {
  RgbImage light(width, height);
  const Noise clumps(seed + 7);
  auto bandWeight = [&](Dir d) {
    float off = Dot(d, bandAxis);
    float clump = 0.6f + 0.4f * clumps.Fbm(d.x * 3, d.y * 3, d.z * 3, 4);
    return std::exp(-off * off / (2 * 0.14f * 0.14f)) * clump;
  };
  const StarPopulation field{seed, 26000, 0.05f, 1.25f};
  const StarPopulation band{seed + 1, 30000, 0.04f, 1.4f};
  for (const StarPopulation* pop : {&field, &band}) {
    uint32_t placed = 0;
    for (uint32_t i = 0; placed < uint32_t(pop->count); ++i) {
      Dir d = RandomDirection(pop->seed, i);
      if (pop == &band && HashUnit(pop->seed + 99, i) > bandWeight(d)) continue;
      float lat = std::asin(d.z), lon = std::atan2(d.y, d.x);
      if (lon < 0) lon += 2 * kPi;
      float x = lon / (2 * kPi) * float(width), y = (kPi / 2 - lat) / kPi * float(height);
      int ix = int(x), iy = int(y);
      float stretch = 1.0f / std::max(std::cos(lat), 0.004f);
      Rgb color = StarColor(HashUnit(pop->seed, 2 * i + 1 + 1000003u));
      SplatStar(StarFlux(*pop, placed), color, x - float(ix) - 0.5f, y - float(iy) - 0.5f, stretch,
                [&](int dx, int dy, Rgb c) {
                  int py = iy + dy;
                  if (py < 0 || py >= height) return;
                  Rgb& p = light.At(((ix + dx) % width + width) % width, py);
                  p = Add(p, c);
                });
      ++placed;
    }
  }
  // The band's diffuse glow with dust lanes through it.
  const Noise dust(seed + 11);
  RgbImage glow = ShadeSphereMap(width / 2, height / 2, [&](Dir d) {
    float w = bandWeight(d);
    float lane = dust.Ridged(d.x * 5 + 3, d.y * 5, d.z * 5, 5);
    float dark = 1 - 0.85f * Smoothstep(0.55f, 0.9f, lane) * Smoothstep(0.2f, 0.7f, w);
    float mottled = 0.55f + 0.45f * dust.Fbm(d.x * 9, d.y * 9, d.z * 9, 4);
    return Scale(Rgb{0.95f, 0.9f, 0.85f}, 0.1f * w * dark * mottled);
  });
  glow = Resample(glow, width, height, Edge::Wrap);
  for (size_t i = 0; i < light.Pixels().size(); ++i) light.Pixels()[i] = Add(light.Pixels()[i], glow.Pixels()[i]);
  return Develop(light);
}

// --- Nebulae ---

struct NebulaStyle {
  uint32_t seed;
  std::vector<ColorStop> main;    // colour by density
  std::vector<ColorStop> accent;  // second hue, mixed in by a slow noise
  float scale;                    // base frequency on the unit sphere
  float lanes;                    // strength of the dark lanes, 0..1
  float brightness;
  float filaments;                // 0: billowy clouds, 1: thin wisps
};

// Fractal sums have a standard deviation of about 0.16; dividing by it gives
// values of about unit spread, so thresholds read as "standard deviations".
constexpr float kFbmSpread = 0.16f;

// A nebula is broad soft glowing regions, warped structure inside them,
// thin bright wisps, dust that absorbs in lanes and patches, and a few knots.
Rgb NebulaAt(Dir d, const Noise& n, const NebulaStyle& s) {
  Dir p = Along(d, s.scale);
  float region = Smoothstep(-1.0f, 1.8f, n.Fbm(p.x + 20, p.y, p.z, 3) / kFbmSpread);
  region *= region;
  if (region <= 0.0f) return {};
  Dir q{n.Fbm(p.x + 1.7f, p.y + 9.2f, p.z, 3), n.Fbm(p.x + 8.3f, p.y + 2.8f, p.z + 4.1f, 3),
        n.Fbm(p.x + 4.6f, p.y, p.z + 7.9f, 3)};
  Dir r = Plus(Along(p, 2.0f), Along(q, 2.5f));
  float structure = Smoothstep(-1.4f, 2.2f, n.Fbm(r.x, r.y, r.z, 7, 0.6f) / kFbmSpread);
  float wisps = std::pow(n.Ridged(r.x * 0.8f + 5, r.y * 0.8f, r.z * 0.8f, 5, 0.5f), 5.0f);
  float grain = 0.55f + 0.45f * Smoothstep(-2.0f, 2.0f, n.Fbm(r.x * 4 + 9, r.y * 4, r.z * 4, 4, 0.6f) / kFbmSpread);
  float v = region * grain *
            ((1 - s.filaments) * (0.25f + 0.75f * structure * structure) + s.filaments * 1.6f * wisps);
  float dust = Smoothstep(0.0f, 1.6f, n.Fbm(r.x * 0.9f + 31, r.y * 0.9f, r.z * 0.9f, 5) / kFbmSpread);
  float lane = Smoothstep(0.80f, 0.95f, n.Ridged(r.x * 1.2f + 71, r.y * 1.2f, r.z * 1.2f, 4, 0.4f));
  v *= 1 - s.lanes * std::max(dust, 0.8f * lane);
  float knot = std::pow(std::max(0.0f, n.Fbm(p.x * 6 + 40, p.y * 6, p.z * 6, 2) / kFbmSpread - 1.6f), 2.0f);
  knot *= region * (1 - dust);
  float hue = Smoothstep(-1.5f, 1.5f, n.Fbm(p.x * 0.8f + 50, p.y * 0.8f, p.z * 0.8f, 3) / kFbmSpread);
  Rgb color = Mix(Ramp(s.main, v), Ramp(s.accent, v), hue);
  return Add(Scale(color, s.brightness * v), Scale(Mix(color, {1, 1, 1}, 0.6f), 0.25f * knot * s.brightness));
}

RgbImage Nebula(int width, const NebulaStyle& style) {
  const Noise noise(style.seed);
  return ShadeSphereMap(width, width / 2, [&](Dir d) { return ToneMap(NebulaAt(d, noise, style)); });
}

const std::vector<ColorStop> kEmerald = {
    {0.0f, {0.02f, 0.30f, 0.20f}}, {0.35f, {0.08f, 0.70f, 0.42f}}, {0.75f, {0.35f, 0.95f, 0.65f}}, {1.0f, {0.8f, 1.0f, 0.85f}}};
const std::vector<ColorStop> kJade = {
    {0.0f, {0.02f, 0.25f, 0.30f}}, {0.4f, {0.10f, 0.62f, 0.58f}}, {1.0f, {0.70f, 1.0f, 0.90f}}};
const std::vector<ColorStop> kCobalt = {
    {0.0f, {0.04f, 0.10f, 0.45f}}, {0.4f, {0.12f, 0.35f, 0.95f}}, {1.0f, {0.70f, 0.85f, 1.0f}}};
const std::vector<ColorStop> kViolet = {
    {0.0f, {0.20f, 0.05f, 0.40f}}, {0.45f, {0.50f, 0.22f, 0.95f}}, {1.0f, {0.90f, 0.80f, 1.0f}}};
const std::vector<ColorStop> kCrimson = {
    {0.0f, {0.35f, 0.02f, 0.06f}}, {0.4f, {0.85f, 0.12f, 0.15f}}, {1.0f, {1.0f, 0.70f, 0.55f}}};
const std::vector<ColorStop> kAmber = {
    {0.0f, {0.35f, 0.12f, 0.02f}}, {0.45f, {0.95f, 0.50f, 0.10f}}, {1.0f, {1.0f, 0.90f, 0.60f}}};
const std::vector<ColorStop> kDust = {
    {0.0f, {0.22f, 0.20f, 0.19f}}, {0.5f, {0.55f, 0.52f, 0.50f}}, {1.0f, {0.95f, 0.93f, 0.90f}}};
const std::vector<ColorStop> kCoolDust = {
    {0.0f, {0.16f, 0.19f, 0.24f}}, {0.5f, {0.45f, 0.50f, 0.58f}}, {1.0f, {0.90f, 0.93f, 1.0f}}};

struct NebulaJob {
  const char* name;
  int width;
  NebulaStyle style;
  const char* use;
};

const NebulaJob kNebulae[] = {
    {"textures\\green_nebula1.jpg", 2048, {101, kEmerald, kJade, 1.0f, 0.85f, 1.5f, 0.15f},
     "Green system sky: emerald and jade nebula clouds, equirectangular, for a translucent env sky sphere (inner layer)"},
    {"textures\\green_nebula2.jpg", 1024, {102, kJade, kEmerald, 1.4f, 0.5f, 1.0f, 0.8f},
     "Green system sky: thin jade wisps, equirectangular, second translucent env sky sphere over nebula1"},
    {"textures\\blue_nebula1.jpg", 2048, {201, kCobalt, kViolet, 0.9f, 0.85f, 1.6f, 0.15f},
     "Blue system sky: cobalt and violet nebula clouds, equirectangular, translucent env sky sphere (inner layer)"},
    {"textures\\blue_nebula2.jpg", 1024, {202, kViolet, kCobalt, 1.3f, 0.5f, 1.0f, 0.8f},
     "Blue system sky: violet wisps, equirectangular, second translucent env sky sphere over nebula1"},
    {"textures\\red_nebula1.jpg", 2048, {301, kCrimson, kAmber, 1.1f, 0.85f, 1.5f, 0.15f},
     "Red system sky: crimson and amber nebula clouds, equirectangular, translucent env sky sphere (inner layer)"},
    {"textures\\red_nebula2.jpg", 1024, {302, kAmber, kCrimson, 1.5f, 0.5f, 1.0f, 0.8f},
     "Red system sky: amber wisps, equirectangular, second translucent env sky sphere over nebula1"},
    {"textures\\galaxy_nebula.jpg", 1024, {401, kDust, kCoolDust, 0.9f, 0.8f, 0.55f, 0.3f},
     "Galaxy worlds: faint neutral grey-brown dust clouds, equirectangular, translucent env sky sphere"},
};

// --- Haze ---

// The air of a hazy world seen as a sky layer: thickest along the horizon
// (the map's equator) where the eye looks through the most of it, thinning
// towards the zenith and the nadir, in long soft horizontal banks. Drawn
// additively over the nebulae, so dark means clear.
RgbImage Haze(int width, uint32_t seed, Rgb colour) {
  const Noise n(seed);
  return ShadeSphereMap(width, width / 2, [&](Dir d) {
    float height = std::fabs(d.z);
    float thickness = 0.25f + 0.75f * std::exp(-height * height / 0.09f);
    // Banks: noise stretched round the horizon, squeezed in height.
    float bank = Smoothstep(-1.6f, 1.6f, n.Fbm(d.x * 1.6f, d.y * 1.6f, d.z * 7, 5) / kFbmSpread);
    float veil = Smoothstep(-2.0f, 2.0f, n.Fbm(d.x * 4 + 13, d.y * 4, d.z * 12, 4) / kFbmSpread);
    return Scale(colour, thickness * (0.45f + 0.4f * bank + 0.15f * veil));
  });
}

}  // namespace

void AddSkyJobs(std::vector<ArtJob>& jobs) {
  jobs.push_back({"stars_cube", [](const ArtInputs&) {
                    RgbImage stars = TiledStarField(1024, {{11, 7000, 0.07f, 1.35f}, {12, 9000, 0.035f, 2.0f}});
                    return std::vector<Picture>{ArchiveJpeg(
                        "textures\\stars_cube.jpg", stars, "sky",
                        "Neutral star field, uniform and seamlessly tiling: each face of the env cube "
                        "(meshes\\env.dat); also any sky sphere with tiling",
                        90)};
                  }});
  jobs.push_back({"stars_faint", [](const ArtInputs&) {
                    RgbImage stars = TiledStarField(1024, {{21, 14000, 0.03f, 1.8f}, {22, 2500, 0.06f, 1.5f}});
                    return std::vector<Picture>{ArchiveJpeg(
                        "textures\\stars_faint.jpg", stars, "sky",
                        "Dense faint star dust, seamlessly tiling: a translucent sky sphere with tiling 2-4 "
                        "over a brighter star field for depth",
                        90)};
                  }});
  jobs.push_back({"stars_band", [](const ArtInputs&) {
                    RgbImage stars = BandStarSphere(2048, 1024, 31, Normalize({0.35f, -0.3f, 0.89f}));
                    return std::vector<Picture>{ArchiveJpeg(
                        "textures\\stars_band.jpg", stars, "sky",
                        "Star sphere with a faint band of denser stars and dust lanes, equirectangular: "
                        "opaque or translucent env sky sphere (\"env\" + \"geo\")",
                        90)};
                  }});
  jobs.push_back({"blue_haze", [](const ArtInputs&) {
                    return std::vector<Picture>{ArchiveJpeg(
                        "textures\\blue_haze.jpg", Haze(1024, 501, {0.30f, 0.40f, 0.80f}), "sky",
                        "The great station's blue air, thickest along the horizon in soft banks, "
                        "equirectangular: a translucent additive env sky sphere over the nebulae",
                        90)};
                  }});
  for (const NebulaJob& job : kNebulae)
    jobs.push_back({job.name, [&job](const ArtInputs&) {
                      return std::vector<Picture>{ArchiveJpeg(job.name, Nebula(job.width, job.style), "sky", job.use)};
                    }});
}
