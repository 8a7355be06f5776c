// The Windows pictures: the configuration dialog's picture (bitmap 119,
// 263 x 166, 24-bit) and the program icon (16, 32, 48 and 256 pixels).
#include <algorithm>
#include <cmath>

#include "tools/common/bmp_writer.h"
#include "tools/common/ico_writer.h"
#include "tools/common/noise.h"
#include "tools/common/text_raster.h"
#include "tools/gen/textures/art.h"
#include "tools/gen/textures/planets.h"
#include "tools/gen/textures/sphere_view.h"

namespace {

// --- Dialog picture, drawn at twice its size and reduced ---

constexpr int kDialogW = 263, kDialogH = 166, kScale = 2;

void AddStars(RgbImage& canvas, uint32_t seed, int count) {
  for (uint32_t i = 0; i < uint32_t(count); ++i) {
    float x = HashUnit(seed, 3 * i) * float(canvas.Width()), y = HashUnit(seed, 3 * i + 1) * float(canvas.Height());
    float flux = std::min(0.12f * std::pow(1 - 0.999f * HashUnit(seed, 3 * i + 2), -0.8f), 3.0f);
    Rgb tint = Mix({1.0f, 0.85f, 0.7f}, {0.75f, 0.85f, 1.0f}, HashUnit(seed + 1, i));
    for (int dy = -3; dy <= 3; ++dy)
      for (int dx = -3; dx <= 3; ++dx) {
        int px = int(x) + dx, py = int(y) + dy;
        if (px < 0 || py < 0 || px >= canvas.Width() || py >= canvas.Height()) continue;
        float ex = float(px) + 0.5f - x, ey = float(py) + 0.5f - y;
        Rgb& p = canvas.At(px, py);
        p = Add(p, Scale(tint, flux * std::exp(-(ex * ex + ey * ey) / (2 * 0.8f * 0.8f))));
      }
  }
}

void AddNebulaHaze(RgbImage& canvas) {
  const Noise n(1900);
  for (int y = 0; y < canvas.Height(); ++y)
    for (int x = 0; x < canvas.Width(); ++x) {
      float u = float(x) / float(canvas.Width()), v = float(y) / float(canvas.Height());
      float cloud = Smoothstep(-0.5f, 2.0f, n.Fbm(u * 3, v * 2, 0.5f, 6, 0.55f) / 0.16f);
      float wisp = Smoothstep(0.0f, 2.2f, n.Fbm(u * 5 + 7, v * 4, 1.5f, 5) / 0.16f);
      float place = Smoothstep(0.1f, 0.9f, u) * Smoothstep(1.0f, 0.2f, v);
      Rgb& p = canvas.At(x, y);
      p = Add(p, Scale({0.10f, 0.18f, 0.55f}, 0.9f * cloud * place));
      p = Add(p, Scale({0.45f, 0.18f, 0.60f}, 0.5f * wisp * cloud * place));
    }
}

void AddSun(RgbImage& canvas, float cx, float cy) {
  for (int y = 0; y < canvas.Height(); ++y)
    for (int x = 0; x < canvas.Width(); ++x) {
      float dx = float(x) - cx, dy = float(y) - cy, d = std::sqrt(dx * dx + dy * dy);
      float a = std::atan2(dy, dx);
      float rays = 0.25f * std::pow(std::fabs(std::cos(3 * a + 0.4f)), 40.0f) * std::exp(-d / 60);
      float v = 2.0f * std::exp(-d / 5) + 0.5f * std::exp(-d / 22) + 0.12f * std::exp(-d / 90) + rays;
      Rgb& p = canvas.At(x, y);
      p = Add(p, Scale(Mix({0.7f, 0.8f, 1.0f}, {1, 1, 1}, std::exp(-d / 8)), v));
    }
}

// The ocean world rising from the bottom left, lit from the sun's side, with
// a thin glowing atmosphere along its edge.
void AddPlanet(RgbImage& canvas, float cx, float cy, int radius) {
  RgbImage map = OceanWorldMap(), clouds = OceanCloudMap();
  SphereView view;
  view.yawDegrees = 120;
  view.tiltDegrees = 8;
  view.light = {0.75f, 0.45f, 0.45f};
  view.ambient = 0.02f;
  const int size = 2 * radius;
  RgbImage sphere = RenderSphere(map, &clouds, size, view);
  GrayImage cover = SphereCoverage(size);
  const Dir light = Normalize(view.light);
  for (int y = 0; y < canvas.Height(); ++y)
    for (int x = 0; x < canvas.Width(); ++x) {
      float dx = float(x) + 0.5f - cx, dy = float(y) + 0.5f - cy, d = std::sqrt(dx * dx + dy * dy);
      float facing = Clamp01(0.3f + 0.7f * (dx * light.x - dy * light.y) / std::max(d, 1.0f));
      float rim = std::exp(-std::fabs(d - float(radius)) / 5.0f) * (d > radius ? 1.0f : 0.6f);
      Rgb& p = canvas.At(x, y);
      int sx = int(float(x) - (cx - float(radius))), sy = int(float(y) - (cy - float(radius)));
      if (sx >= 0 && sy >= 0 && sx < size && sy < size) {
        float c = cover.At(sx, sy);
        p = Add(Scale(p, 1 - c), Scale(sphere.At(sx, sy), c));
      }
      p = Add(p, Scale({0.35f, 0.62f, 1.0f}, 0.9f * rim * facing));
    }
}

bool AddTitle(RgbImage& canvas, const ArtInputs& inputs, int right, int baseline) {
  TextMask name = RenderText(inputs.fontDir + "/DejaVuSans-Bold.ttf", "Quorvan", kScale * 26, -kScale * 1.5f, 0);
  TextMask mark = RenderText(inputs.fontDir + "/DejaVuSans-BoldOblique.ttf", "3D", kScale * 26, -kScale * 1.5f, 0);
  TextMask tag = RenderText(inputs.fontDir + "/DejaVuSans.ttf", "SCREENSAVER", kScale * 8, kScale * 3.0f, 0);
  if (!name.ok || !mark.ok || !tag.ok) return false;
  GrayImage white(canvas.Width(), canvas.Height()), blue(canvas.Width(), canvas.Height());
  int markX = right - mark.coverage.Width();
  Stamp(blue, mark.coverage, markX, baseline - mark.baseline);
  Stamp(white, name.coverage, markX - kScale * 6 - name.coverage.Width(), baseline - name.baseline);
  Stamp(white, tag.coverage, right - tag.coverage.Width(), baseline + kScale * 7);
  GrayImage all(canvas.Width(), canvas.Height());
  for (size_t i = 0; i < all.Pixels().size(); ++i) all.Pixels()[i] = std::min(1.0f, white.Pixels()[i] + blue.Pixels()[i]);
  GrayImage glow = Blur(all, kScale * 3.0f, Edge::Clamp);
  for (size_t i = 0; i < all.Pixels().size(); ++i) {
    Rgb& p = canvas.Pixels()[i];
    p = Add(Scale(p, 1 - 0.5f * std::min(1.0f, glow.Pixels()[i] * 1.5f)), Scale({0.25f, 0.45f, 1.0f}, 0.6f * glow.Pixels()[i]));
    p = Mix(p, {1, 1, 1}, white.Pixels()[i]);
    p = Mix(p, {0.45f, 0.72f, 1.0f}, blue.Pixels()[i]);
  }
  return true;
}

std::vector<Picture> DialogPicture(const ArtInputs& inputs) {
  const int w = kDialogW * kScale, h = kDialogH * kScale;
  RgbImage canvas(w, h);
  AddNebulaHaze(canvas);
  AddStars(canvas, 1910, 900);
  AddSun(canvas, float(w) * 0.86f, float(h) * 0.16f);
  AddPlanet(canvas, float(w) * 0.22f, float(h) * 1.55f, int(float(h) * 0.95f));
  for (Rgb& p : canvas.Pixels()) p = ToneMap(p);
  if (!AddTitle(canvas, inputs, w - kScale * 12, int(float(h) * 0.62f))) return {};
  RgbImage picture = Resample(canvas, kDialogW, kDialogH, Edge::Clamp);
  std::vector<uint8_t> rgb = ToRgb8(picture, 119);
  return {ResourceFile("dialog.bmp", EncodeBmp24(kDialogW, kDialogH, rgb), kDialogW, kDialogH, rgb, "windows",
                       "Bitmap 119: the configuration dialog's picture, 263 x 166, 24-bit")};
}

// --- Icon: a blue planet crossed by a golden ring ---

struct Paint {
  Rgb color;
  float alpha = 0;
};

Paint Over(Paint top, Paint under) {
  float a = top.alpha + under.alpha * (1 - top.alpha);
  if (a <= 0) return {};
  return {Scale(Add(Scale(top.color, top.alpha), Scale(under.color, under.alpha * (1 - top.alpha))), 1 / a), a};
}

// The emblem at one point (x, y in [-1, 1], y up); `size` thickens the ring
// and the outline at small sizes, so the shape reads at 16 pixels.
Paint Emblem(float x, float y, int size) {
  const float planetR = 0.60f, tilt = -0.35f;
  const float thick = size <= 16 ? 0.30f : size <= 32 ? 0.24f : 0.2f;
  float rx = x * std::cos(tilt) - y * std::sin(tilt), ry = x * std::sin(tilt) + y * std::cos(tilt);
  float e = std::sqrt(rx * rx / (0.97f * 0.97f) + ry * ry / (0.32f * 0.32f));
  bool ringHit = e > 1 - thick && e < 1;
  float r = std::sqrt(x * x + y * y);
  Paint planet, ring;
  if (r < planetR) {
    float nx = x / planetR, ny = y / planetR, nz = std::sqrt(std::max(0.0f, 1 - nx * nx - ny * ny));
    float lit = Clamp01(-0.45f * nx + 0.55f * ny + 0.7f * nz);
    planet = {Mix({0.03f, 0.12f, 0.40f}, {0.45f, 0.85f, 1.0f}, lit * lit), 1};
    if (r > planetR - (size <= 32 ? 0.12f : 0.05f)) planet.color = Scale(planet.color, 0.55f);
  }
  if (ringHit) {
    float band = (e - (1 - thick)) / thick;
    ring = {Mix({1.0f, 0.82f, 0.35f}, {0.85f, 0.45f, 0.12f}, band), 1};
  }
  // The ring passes behind the planet in its upper half and in front below.
  bool front = ry < 0;
  Paint shape = front ? Over(ring, planet) : Over(planet, ring);
  if (shape.alpha == 0 && size <= 32) {  // a dark outline keeps the silhouette on light desktops
    float edge = std::min(std::fabs(r - planetR), ringHit ? 1.0f : std::fabs(e - 1) * 0.3f);
    if (r < planetR + 0.1f || (e > 1 - thick - 0.2f && e < 1.2f)) shape = {{0.02f, 0.04f, 0.1f}, edge < 0.1f ? 0.7f : 0.0f};
  }
  return shape;
}

IconImage IconAt(int size) {
  IconImage icon{size, std::vector<uint8_t>(size_t(size * size * 4))};
  const int ss = 6;
  for (int y = 0; y < size; ++y)
    for (int x = 0; x < size; ++x) {
      Rgb color;
      float alpha = 0;
      for (int s = 0; s < ss * ss; ++s) {
        float px = ((float(x) + (float(s % ss) + 0.5f) / ss) / float(size)) * 2 - 1;
        float py = 1 - ((float(y) + (float(s / ss) + 0.5f) / ss) / float(size)) * 2;
        Paint p = Emblem(px * 1.04f, py * 1.04f, size);
        color = Add(color, Scale(p.color, p.alpha));
        alpha += p.alpha;
      }
      Rgb c = alpha > 0 ? Scale(color, 1 / alpha) : Rgb{};
      alpha /= ss * ss;
      uint8_t* out = &icon.rgba[size_t(y * size + x) * 4];
      out[0] = uint8_t(std::lround(Clamp01(c.r) * 255));
      out[1] = uint8_t(std::lround(Clamp01(c.g) * 255));
      out[2] = uint8_t(std::lround(Clamp01(c.b) * 255));
      out[3] = uint8_t(std::lround(Clamp01(alpha) * 255));
    }
  return icon;
}

std::vector<Picture> Icon() {
  std::vector<IconImage> images;
  for (int size : {16, 32, 48, 256}) images.push_back(IconAt(size));
  // The preview shows the 256-pixel image over a mid grey with the three
  // small ones along its bottom-left corner, where the emblem leaves room.
  const int w = 256, h = 256;
  std::vector<uint8_t> look(size_t(w * h * 3), 96);
  int x0 = 4;
  for (auto it = images.rbegin(); it != images.rend(); ++it) {
    const IconImage& icon = *it;
    const int left = icon.size == 256 ? 0 : x0, top = icon.size == 256 ? 0 : h - 52;
    for (int y = 0; y < icon.size; ++y)
      for (int x = 0; x < icon.size; ++x)
        for (int c = 0; c < 3; ++c) {
          const uint8_t* p = &icon.rgba[size_t(y * icon.size + x) * 4];
          uint8_t& o = look[size_t(((top + y) * w + left + x) * 3 + c)];
          o = uint8_t((p[c] * p[3] + o * (255 - p[3])) / 255);
        }
    if (icon.size != 256) x0 += icon.size + 4;
  }
  return {ResourceFile("quorvan3d.ico", EncodeIco(images), w, h, look, "windows",
                       "Icon 111: program icon, 16, 32, 48 and 256 pixels")};
}

}  // namespace

void AddWindowsArtJobs(std::vector<ArtJob>& jobs) {
  jobs.push_back({"dialog.bmp", [](const ArtInputs& inputs) { return DialogPicture(inputs); }});
  jobs.push_back({"quorvan3d.ico", [](const ArtInputs&) { return Icon(); }});
}
