#include "tools/gen/textures/art.h"

#include <algorithm>
#include <cmath>

#include "tools/common/jpeg_writer.h"
#include "tools/common/noise.h"

namespace {

constexpr float kPi = 3.14159265358979f;

// A stable dither seed per file, so the bytes depend only on the name.
uint32_t NameSeed(const std::string& name) {
  uint32_t h = 2166136261u;
  for (unsigned char c : name) h = (h ^ c) * 16777619u;
  return h;
}

std::string ArchivePathToFile(const std::string& archiveName) {
  std::string path = "archive/" + archiveName;
  std::replace(path.begin(), path.end(), '\\', '/');
  return path;
}

}  // namespace

Picture ArchiveJpeg(const std::string& archiveName, const RgbImage& image, const std::string& group,
                    const std::string& use, int quality) {
  Picture p;
  p.path = ArchivePathToFile(archiveName);
  p.use = use;
  p.width = image.Width();
  p.height = image.Height();
  p.look = ToRgb8(image, NameSeed(archiveName));
  p.bytes = EncodeJpeg(p.width, p.height, p.look, quality);
  p.group = group;
  return p;
}

Picture ResourceFile(const std::string& fileName, std::vector<uint8_t> bytes, int width, int height,
                     std::vector<uint8_t> look, const std::string& group, const std::string& use) {
  Picture p;
  p.path = "resources/" + fileName;
  p.use = use;
  p.bytes = std::move(bytes);
  p.width = width;
  p.height = height;
  p.look = std::move(look);
  p.group = group;
  return p;
}

Dir Normalize(Dir d) {
  float len = std::sqrt(Dot(d, d));
  return len > 0 ? Along(d, 1.0f / len) : Dir{0, 0, 1};
}

Dir Cross(Dir a, Dir b) { return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x}; }

float Clamp01(float v) { return std::clamp(v, 0.0f, 1.0f); }

float Smoothstep(float edge0, float edge1, float v) {
  float t = Clamp01((v - edge0) / (edge1 - edge0));
  return t * t * (3 - 2 * t);
}

Rgb Ramp(const std::vector<ColorStop>& stops, float t) {
  if (t <= stops.front().at) return stops.front().color;
  for (size_t i = 1; i < stops.size(); ++i)
    if (t <= stops[i].at)
      return Mix(stops[i - 1].color, stops[i].color, (t - stops[i - 1].at) / (stops[i].at - stops[i - 1].at));
  return stops.back().color;
}

Dir EquirectDirection(float x, float y, int width, int height) {
  float lon = x / float(width) * 2 * kPi;
  float lat = kPi / 2 - y / float(height) * kPi;
  return {std::cos(lat) * std::cos(lon), std::cos(lat) * std::sin(lon), std::sin(lat)};
}

RgbImage ShadeSphereMap(int width, int height, const std::function<Rgb(Dir)>& shade, int samples) {
  RgbImage map(width, height);
  const float step = 1.0f / float(samples);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      Rgb sum;
      for (int j = 0; j < samples; ++j)
        for (int i = 0; i < samples; ++i)
          sum = Add(sum, shade(EquirectDirection(float(x) + (float(i) + 0.5f) * step,
                                                 float(y) + (float(j) + 0.5f) * step, width, height)));
      map.At(x, y) = Scale(sum, step * step);
    }
  EqualAreaRows(map);
  return map;
}

void EqualAreaRows(RgbImage& map) {
  const int w = map.Width(), h = map.Height();
  std::vector<Rgb> row(static_cast<size_t>(w));
  for (int y = 0; y < h; ++y) {
    float lat = kPi / 2 - (float(y) + 0.5f) / float(h) * kPi;
    int half = int(std::min(float(w), 1.0f / std::cos(lat)) / 2);
    if (half < 1) continue;
    Rgb sum;
    for (int i = -half; i <= half; ++i) sum = Add(sum, map.AtEdge(i, y, Edge::Wrap));
    for (int x = 0; x < w; ++x) {
      row[size_t(x)] = Scale(sum, 1.0f / float(2 * half + 1));
      sum = Add(sum, Add(map.AtEdge(x + half + 1, y, Edge::Wrap), Scale(map.AtEdge(x - half, y, Edge::Wrap), -1)));
    }
    for (int x = 0; x < w; ++x) map.At(x, y) = row[size_t(x)];
  }
}

Dir RandomDirection(uint32_t seed, uint32_t index) {
  float z = 2 * HashUnit(seed, 2 * index) - 1;
  float phi = 2 * kPi * HashUnit(seed, 2 * index + 1);
  float s = std::sqrt(std::max(0.0f, 1 - z * z));
  return {s * std::cos(phi), s * std::sin(phi), z};
}

RgbImage RadialSprite(int size, const std::function<Rgb(float r, float angle)>& shade, int supersample) {
  RgbImage sprite(size, size);
  const float half = float(size) / 2;
  const float inv = 1.0f / float(supersample * supersample);
  for (int y = 0; y < size; ++y)
    for (int x = 0; x < size; ++x) {
      Rgb acc;
      for (int sy = 0; sy < supersample; ++sy)
        for (int sx = 0; sx < supersample; ++sx) {
          float px = (float(x) + (float(sx) + 0.5f) / float(supersample) - half) / half;
          float py = (float(y) + (float(sy) + 0.5f) / float(supersample) - half) / half;
          float r = std::sqrt(px * px + py * py);
          float window = 1.0f - Smoothstep(0.86f, 0.96f, r);
          if (window <= 0) continue;
          acc = Add(acc, Scale(shade(r, std::atan2(-py, px)), window));
        }
      sprite.At(x, y) = Scale(acc, inv);
    }
  return sprite;
}

void Stamp(GrayImage& canvas, const GrayImage& mask, int x, int y) {
  for (int my = 0; my < mask.Height(); ++my)
    for (int mx = 0; mx < mask.Width(); ++mx) {
      int cx = x + mx, cy = y + my;
      if (cx < 0 || cy < 0 || cx >= canvas.Width() || cy >= canvas.Height()) continue;
      float& v = canvas.At(cx, cy);
      v = std::min(1.0f, v + mask.At(mx, my));
    }
}

RgbImage GlowingText(const GrayImage& coverage, Rgb core, Rgb glow, float nearSigma, float farSigma) {
  GrayImage nearGlow = Blur(coverage, nearSigma, Edge::Clamp), farGlow = Blur(coverage, farSigma, Edge::Clamp);
  RgbImage out(coverage.Width(), coverage.Height());
  for (size_t i = 0; i < out.Pixels().size(); ++i) {
    Rgb c = Scale(core, coverage.Pixels()[i]);
    c = Add(c, Scale(glow, 0.9f * nearGlow.Pixels()[i] + 0.6f * farGlow.Pixels()[i]));
    out.Pixels()[i] = ToneMap(c);
  }
  return out;
}
