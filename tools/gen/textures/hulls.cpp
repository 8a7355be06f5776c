// Surfaces for meshes, all seamlessly tiling: hull panels of three styles, solar cells,
// window light maps (GL_ADD), detail maps near white (GL_MODULATE), rock for
// asteroids, sphere-mapped chrome reflections and the neutral "void" map.
#include <algorithm>
#include <cmath>

#include "tools/common/noise.h"
#include "tools/gen/textures/art.h"

namespace {

constexpr float kSpread = 0.16f;

// Tileable fractal noise over a square map: u, v in [0, 1).
float TileFbm(const Noise& n, float u, float v, int period, int octaves, float z = 0.5f, float gain = 0.5f) {
  return n.FbmPeriodic(u * float(period), v * float(period), z, octaves, period, gain) / kSpread;
}

// --- Hull panels ---

struct HullStyle {
  uint32_t seed;
  Rgb base;
  Rgb accent;       // stripes and markings
  Rgb secondary;    // second marking colour
  float windows;    // share of panels with a row of windows
  float markings;   // share of panels with a stripe or hazard marking
  float grime;
};

struct Panel {
  int x, y, w, h;  // pixels
  uint32_t hash;
};

// Cuts a grid of cells x cells into rectangles of 1-4 by 1-3 cells; panels
// never cross the map's edge, so the layout tiles.
std::vector<Panel> LayoutPanels(uint32_t seed, int cells, int cellPixels, std::vector<int>& owner) {
  owner.assign(size_t(cells * cells), -1);
  std::vector<Panel> panels;
  for (int cy = 0; cy < cells; ++cy)
    for (int cx = 0; cx < cells; ++cx) {
      if (owner[size_t(cy * cells + cx)] >= 0) continue;
      uint32_t h = HashU32(seed * 7919u + uint32_t(cy * cells + cx));
      int w = 1 + int(h % 4), ht = 1 + int((h >> 4) % 3);
      w = std::min(w, cells - cx);
      ht = std::min(ht, cells - cy);
      for (int i = 1; i < w; ++i)
        if (owner[size_t(cy * cells + cx + i)] >= 0) w = i;
      for (int y = 0; y < ht; ++y)
        for (int x = 0; x < w; ++x) owner[size_t((cy + y) * cells + cx + x)] = int(panels.size());
      panels.push_back({cx * cellPixels, cy * cellPixels, w * cellPixels, ht * cellPixels, HashU32(h)});
    }
  return panels;
}

// The panel's own feature at local pixel (lx, ly): a factor on the base
// colour, or a replacement colour when `paint` is set.
struct Feature {
  float shade = 1;
  bool paint = false;
  Rgb color;
};

Feature PanelFeature(const Panel& p, const HullStyle& s, int lx, int ly) {
  Feature f;
  float kind = float(p.hash % 1000) / 1000.0f;
  float pick = float((p.hash >> 10) % 1000) / 1000.0f;
  if (kind < s.windows && p.w >= 64) {
    // A row of windows across the middle: dark glass, a few lit.
    int row = p.h / 2, pitch = 12;
    if (std::abs(ly - row) <= 2 && lx > 6 && lx < p.w - 6 && (lx % pitch) < 7) {
      f.paint = true;
      uint32_t w = HashU32(p.hash + uint32_t(lx / pitch));
      f.color = (w % 5 == 0) ? Rgb{0.95f, 0.82f, 0.55f} : Rgb{0.05f, 0.07f, 0.10f};
    }
  } else if (kind < s.windows + s.markings) {
    int band = p.h / 3;
    if (pick < 0.5f) {
      if (ly > band && ly < band + 9) f.paint = true, f.color = s.accent;  // stripe
      if (ly > band + 11 && ly < band + 13) f.paint = true, f.color = s.secondary;
    } else if (ly > p.h - 20 && ly < p.h - 6 && lx > 6 && lx < p.w - 6) {
      f.paint = true;  // hazard chevrons
      f.color = ((lx + ly) / 7) % 2 ? s.accent : Rgb{0.08f, 0.08f, 0.08f};
    }
  } else if (kind < s.windows + s.markings + 0.12f && p.h >= 64) {
    // Vent grille.
    if (lx > 10 && lx < p.w - 10 && ly > 10 && ly < p.h - 10 && ly % 6 < 2) f.shade = 0.45f;
  } else if (kind < s.windows + s.markings + 0.24f) {
    // Inset hatch with a bevelled outline.
    int inset = 8;
    int e = std::min({lx - inset, ly - inset, p.w - 1 - inset - lx, p.h - 1 - inset - ly});
    if (e == 0) f.shade = 0.55f;
    if (e == 1) f.shade = 1.12f;
    if (e > 1 && lx > p.w / 2 - 6 && lx < p.w / 2 + 6 && ly > p.h - inset - 8 && ly < p.h - inset - 4) f.shade = 0.6f;
  } else if (kind < s.windows + s.markings + 0.34f) {
    // Greebles: small raised boxes.
    for (uint32_t i = 0; i < 5; ++i) {
      uint32_t h = HashU32(p.hash + 17 * i);
      int bx = 6 + int(h % uint32_t(std::max(1, p.w - 24))), by = 6 + int((h >> 8) % uint32_t(std::max(1, p.h - 24)));
      int bw = 6 + int((h >> 16) % 12), bh = 4 + int((h >> 20) % 8);
      if (lx >= bx && lx < bx + bw && ly >= by && ly < by + bh)
        f.shade = (lx == bx || ly == by) ? 1.15f : (lx == bx + bw - 1 || ly == by + bh - 1) ? 0.6f : 0.9f;
    }
  }
  return f;
}

RgbImage HullPanels(const HullStyle& s) {
  const int size = 1024, cells = 16, cell = size / cells;
  std::vector<int> owner;
  std::vector<Panel> panels = LayoutPanels(s.seed, cells, cell, owner);
  const Noise n(s.seed);
  RgbImage map(size, size);
  for (int y = 0; y < size; ++y)
    for (int x = 0; x < size; ++x) {
      const Panel& p = panels[size_t(owner[size_t((y / cell) * cells + x / cell)])];
      int lx = x - p.x, ly = y - p.y;
      float u = float(x) / size, v = float(y) / size;
      float tone = 1 + 0.10f * (float(p.hash % 97) / 97.0f - 0.5f);
      Rgb color = Scale(s.base, tone);
      Feature f = PanelFeature(p, s, lx, ly);
      if (f.paint) color = f.color;
      float shade = f.shade;
      int e = std::min({lx, ly, p.w - 1 - lx, p.h - 1 - ly});
      if (e < 1) shade *= 0.3f;  // seam
      else if (e < 3) shade *= (lx < 3 || ly < 3) ? 1.15f : 0.8f;  // bevel
      bool rivets = (p.hash >> 20) % 3 == 0;
      if (rivets && e == 5 && ((lx + ly) % 10) < 2) shade *= 0.7f;
      float grime = 1 - s.grime * Smoothstep(-1.0f, 2.0f, TileFbm(n, u, v, 4, 5));
      float streaks = 1 - 0.5f * s.grime * Smoothstep(0.0f, 2.5f, n.FbmPeriodic(u * 64, v * 4, 7.5f, 3, 64) / kSpread);
      float grain = 1 + 0.04f * TileFbm(n, u, v, 64, 3, 9.5f);
      map.At(x, y) = Scale(color, shade * grime * streaks * grain);
    }
  return map;
}

// --- Solar panels: one module per unit square of a panel ---

// Deep blue cells, each with two silver bus bars and faint fingers across
// them, between pale frame lines, inside a silver module frame. Cells vary a
// little in tint, as real ones do; the headlight's highlight gives the sheen.
RgbImage SolarCells(uint32_t seed) {
  const int size = 512, cells = 8, cell = size / cells, frame = 6;
  const Noise n(seed);
  const Rgb silver{0.62f, 0.64f, 0.68f}, blue{0.06f, 0.10f, 0.28f}, violet{0.10f, 0.08f, 0.30f};
  RgbImage map(size, size);
  for (int y = 0; y < size; ++y)
    for (int x = 0; x < size; ++x) {
      float u = float(x) / size, v = float(y) / size;
      int edge = std::min({x, y, size - 1 - x, size - 1 - y});
      Rgb color;
      if (edge < frame) {
        color = Scale(silver, edge < 1 ? 0.5f : 0.9f + 0.03f * float(edge));
      } else {
        int cx = x / cell, cy = y / cell, lx = x % cell, ly = y % cell;
        uint32_t h = HashU32(seed * 613u + uint32_t(cy * cells + cx));
        color = Scale(Mix(blue, violet, float(h % 100) / 250.0f), 0.85f + 0.3f * float((h >> 8) % 100) / 100.0f);
        if (lx < 2 || ly < 2) color = Scale(silver, 0.75f);                         // the gap between cells
        else if (lx == cell / 3 || lx == 2 * cell / 3) color = Mix(color, silver, 0.55f);  // bus bars
        else if (ly % 5 == 0) color = Mix(color, silver, 0.12f);                     // fingers
      }
      float grain = 1 + 0.05f * TileFbm(n, u, v, 32, 3);
      map.At(x, y) = Scale(color, grain);
    }
  return map;
}

// --- Light maps: black with small lit windows and a few beacons ---

RgbImage WindowLights(uint32_t seed, Rgb warm, Rgb cool, float lit, bool strips) {
  const int size = 512;
  RgbImage map(size, size);
  const Noise n(seed);
  for (int row = 0; row < size / 16; ++row)
    for (int col = 0; col < size / 8; ++col) {
      uint32_t h = HashU32(seed * 131u + uint32_t(row * 64 + col));
      float floorLit = Smoothstep(-1.0f, 1.0f, TileFbm(n, float(col) / 64, float(row) / 32, 4, 2));
      if (float(h % 1000) / 1000.0f > lit * (0.3f + 0.7f * floorLit)) continue;
      Rgb c = Scale(Mix(warm, cool, float((h >> 10) % 100) / 100.0f > 0.7f ? 1.0f : 0.0f),
                    0.6f + 0.4f * float((h >> 17) % 100) / 100.0f);
      int w = strips ? 8 : 4;
      for (int y = 0; y < 3; ++y)
        for (int x = 0; x < w; ++x) map.At(col * 8 + 2 + x - (strips ? 2 : 0), row * 16 + 6 + y) = c;
    }
  RgbImage glow = Blur(map, 2.5f, Edge::Wrap);
  for (uint32_t i = 0; i < 10; ++i) {  // beacons
    int bx = int(HashUnit(seed + 5, i) * size), by = int(HashUnit(seed + 6, i) * size);
    Rgb c = i % 2 ? Rgb{1.0f, 0.2f, 0.15f} : Rgb{0.3f, 1.0f, 0.4f};
    for (int dy = -6; dy <= 6; ++dy)
      for (int dx = -6; dx <= 6; ++dx) {
        float v = std::exp(-float(dx * dx + dy * dy) / 5.0f);
        Rgb& p = glow.At((bx + dx + size) % size, (by + dy + size) % size);
        p = Add(p, Scale(c, v));
      }
  }
  for (size_t i = 0; i < map.Pixels().size(); ++i)
    map.Pixels()[i] = ToneMap(Add(map.Pixels()[i], Scale(glow.Pixels()[i], 0.8f)));
  return map;
}

// --- Detail maps: greyscale, mean near 0.93, so GL_MODULATE keeps the base ---

RgbImage Detail(uint32_t seed, float plates) {
  const int size = 256;
  const Noise n(seed);
  RgbImage map(size, size);
  for (int y = 0; y < size; ++y)
    for (int x = 0; x < size; ++x) {
      float u = float(x) / size, v = float(y) / size;
      float g = 0.94f + 0.035f * TileFbm(n, u, v, 32, 3) + 0.02f * TileFbm(n, u, v, 8, 3, 4.5f);
      if (plates > 0 && (x % 64 == 0 || y % 64 == 0)) g -= 0.12f * plates;
      if (plates > 0 && ((x % 64 == 1) || (y % 64 == 1))) g += 0.04f * plates;
      g = std::min(g, 1.0f);
      map.At(x, y) = {g, g, g};
    }
  return map;
}

// --- Asteroid rock ---
// Rocks are textured by cube projection, whose faces meet with their
// coordinates swapped or negated: these maps are drawn on the square folded
// by its mirror symmetries, so they are unchanged by either and show no seam.

struct Folded {
  float a, b;  // in [0, 1], a <= b
};

Folded FoldSquare(float u, float v) {
  float fu = 1 - std::fabs(2 * u - 1), fv = 1 - std::fabs(2 * v - 1);
  return {std::min(fu, fv), std::max(fu, fv)};
}

float FoldedRidged(const Noise& n, Folded f, float frequency, int octaves) {
  float sum = 0, amplitude = 1, norm = 0;
  for (int i = 0; i < octaves; ++i, frequency *= 2, amplitude *= 0.5f) {
    float r = 1 - std::fabs(n.At(f.a * frequency, f.b * frequency, 3.5f + float(i)));
    sum += amplitude * r * r;
    norm += amplitude;
  }
  return sum / norm;
}

// Pits and cracks darken; there is no baked light direction, which the
// folding would mirror.
RgbImage Rock(uint32_t seed, Rgb dark, Rgb light) {
  const int size = 512;
  const Noise n(seed);
  RgbImage map(size, size);
  for (int y = 0; y < size; ++y)
    for (int x = 0; x < size; ++x) {
      Folded f = FoldSquare((float(x) + 0.5f) / size, (float(y) + 0.5f) / size);
      float crack = Smoothstep(0.9f, 0.98f, FoldedRidged(n, f, 3, 5));
      // Broad features stay faint: the folding mirrors them into rosettes
      // that repeat over the rock; the fine ones carry the texture.
      float h = 0.5f * n.Fbm(f.a * 3, f.b * 3, 0.5f, 7, 0.55f) / kSpread - 0.4f * crack;
      float mix = Smoothstep(-2.5f, 2.5f, 0.7f * h + 0.9f * n.Fbm(f.a * 14, f.b * 14, 8.5f, 5) / kSpread);
      float speckle = 1 + 0.08f * n.Fbm(f.a * 96, f.b * 96, 12.5f, 2) / kSpread;
      float shade = 0.82f + 0.18f * Smoothstep(-2.0f, 1.5f, h);
      map.At(x, y) = Scale(Mix(dark, light, mix), speckle * shade);
    }
  return map;
}

// Grain with fine cracks, mean near 0.93, on the same folded square.
RgbImage RockDetail(uint32_t seed) {
  const int size = 256;
  const Noise n(seed);
  RgbImage map(size, size);
  for (int y = 0; y < size; ++y)
    for (int x = 0; x < size; ++x) {
      Folded f = FoldSquare((float(x) + 0.5f) / size, (float(y) + 0.5f) / size);
      float g = 0.94f + 0.035f * n.Fbm(f.a * 24, f.b * 24, 0.5f, 3) / kSpread + 0.02f * n.Fbm(f.a * 6, f.b * 6, 4.5f, 3) / kSpread;
      g -= 0.15f * Smoothstep(0.85f, 0.97f, FoldedRidged(n, f, 5, 4));
      g = std::min(g, 1.0f);
      map.At(x, y) = {g, g, g};
    }
  return map;
}

// --- Chrome: a sphere map of a bright, soft surrounding ---

RgbImage Chrome(Rgb tint, Dir keyLight) {
  const int size = 256;
  const Dir key = Normalize(keyLight), fill = Normalize({0.7f, 0.2f, 0.6f});
  RgbImage map(size, size);
  for (int y = 0; y < size; ++y)
    for (int x = 0; x < size; ++x) {
      float s = (float(x) + 0.5f) / size * 2 - 1, t = 1 - (float(y) + 0.5f) / size * 2;
      float r = std::sqrt(s * s + t * t);
      if (r > 0.999f) s *= 0.999f / r, t *= 0.999f / r;
      float nz = std::sqrt(std::max(0.0f, 1 - s * s - t * t));
      Dir reflect{2 * nz * s, 2 * nz * t, 2 * nz * nz - 1};
      float sky = Ramp({{-1.0f, {0.35f, 0, 0}}, {-0.1f, {0.55f, 0, 0}}, {0.0f, {0.85f, 0, 0}}, {1.0f, {1.0f, 0, 0}}}, reflect.y).r;
      float horizon = 0.12f * std::exp(-reflect.y * reflect.y / 0.004f);
      float lights = 0.6f * std::exp(-(1 - Dot(reflect, key)) / 0.04f) + 0.25f * std::exp(-(1 - Dot(reflect, fill)) / 0.08f);
      Rgb color = Scale(Mix({1, 1, 1}, tint, 0.35f + 0.3f * (1 - reflect.y) * 0.5f), sky + horizon);
      map.At(x, y) = ToneMap(Add(color, Scale({1, 1, 1}, lights)));
    }
  return map;
}

const HullStyle kHullA = {1500, {0.60f, 0.61f, 0.63f}, {0.95f, 0.52f, 0.10f}, {0.92f, 0.82f, 0.18f}, 0.10f, 0.10f, 0.15f};
const HullStyle kHullB = {1510, {0.27f, 0.30f, 0.35f}, {0.20f, 0.45f, 0.90f}, {0.85f, 0.88f, 0.92f}, 0.25f, 0.08f, 0.2f};
const HullStyle kHullC = {1520, {0.80f, 0.78f, 0.72f}, {0.78f, 0.12f, 0.10f}, {0.20f, 0.20f, 0.22f}, 0.16f, 0.12f, 0.14f};

}  // namespace

void AddHullJobs(std::vector<ArtJob>& jobs) {
  auto add = [&](std::string name, std::string use, std::function<RgbImage()> make) {
    jobs.push_back({name, [=](const ArtInputs&) { return std::vector<Picture>{ArchiveJpeg(name, make(), "hulls", use, 88)}; }});
  };
  add("textures\\hull_panels_a.jpg", "Hull panels, light grey with orange and yellow hazard markings: ships (map1, tiles)",
      [] { return HullPanels(kHullA); });
  add("textures\\hull_panels_b.jpg", "Hull panels, dark gunmetal with blue markings and window rows: warships, blue station",
      [] { return HullPanels(kHullB); });
  add("textures\\hull_panels_c.jpg", "Hull panels, ivory white with red stripes and windows: stations, liners",
      [] { return HullPanels(kHullC); });
  add("textures\\solar_cells.jpg", "Solar panel modules, deep blue cells in a silver frame, one module per unit square (map1)",
      [] { return SolarCells(1530); });
  add("textures\\lightmap_windows_a.jpg", "Light map (material + \"light\", GL_ADD): warm window rows and beacons, black elsewhere",
      [] { return WindowLights(1600, {1.0f, 0.82f, 0.50f}, {0.75f, 0.88f, 1.0f}, 0.55f, false); });
  add("textures\\lightmap_windows_b.jpg", "Light map (material + \"light\", GL_ADD): cool strip lights and beacons, black elsewhere",
      [] { return WindowLights(1610, {0.70f, 0.85f, 1.0f}, {1.0f, 0.9f, 0.7f}, 0.35f, true); });
  add("textures\\detail_grain.jpg", "Detail map (map2, GL_MODULATE, tiling): fine grain, mean about 0.94", [] { return Detail(1700, 0); });
  add("textures\\detail_plates.jpg", "Detail map (map2, GL_MODULATE, tiling): fine plate seams and grain, mean about 0.93",
      [] { return Detail(1710, 1); });
  add("textures\\detail_rock.jpg", "Detail map (map2, GL_MODULATE, tiling): rock grain with fine cracks for asteroids, mirror-symmetric",
      [] { return RockDetail(1720); });
  add("textures\\rock_greybrown.jpg", "Asteroid rock of the green system, grey-brown, mirror-symmetric for cube-projected rocks (map1)",
      [] { return Rock(1800, {0.28f, 0.26f, 0.23f}, {0.64f, 0.58f, 0.50f}); });
  add("textures\\rock_darkred.jpg", "Dark red rock of the red system, mirror-symmetric for cube-projected rocks (map1)",
      [] { return Rock(1810, {0.24f, 0.11f, 0.07f}, {0.58f, 0.32f, 0.21f}); });
  add("textures\\chrome_silver.jpg", "Chrome reflection (map2 with \"chrome\"): bright neutral surroundings, sphere-mapped",
      [] { return Chrome({0.9f, 0.92f, 0.95f}, {-0.5f, 0.7f, 0.5f}); });
  add("textures\\chrome_blue.jpg", "Chrome reflection (map2 with \"chrome\"): bright cool blue surroundings, sphere-mapped",
      [] { return Chrome({0.55f, 0.70f, 1.0f}, {0.4f, 0.8f, 0.45f}); });
  add("textures\\chrome_warm.jpg", "Chrome reflection (map2 with \"chrome\"): bright warm amber surroundings, sphere-mapped",
      [] { return Chrome({1.0f, 0.72f, 0.45f}, {-0.3f, 0.75f, 0.6f}); });
  add("textures\\void.jpg", "Neutral second-unit map: plain white, so GL_MODULATE leaves the base texture unchanged",
      [] { return RgbImage(64, 64, {1, 1, 1}); });
}
