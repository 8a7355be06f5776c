#include "tools/gen/textures/sphere_view.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr float kPi = 3.14159265358979f;
constexpr int kSupersample = 3;

Rgb SampleMap(const RgbImage& map, Dir n) {
  float lon = std::atan2(n.y, n.x);
  if (lon < 0) lon += 2 * kPi;
  float lat = std::asin(std::clamp(n.z, -1.0f, 1.0f));
  float x = lon / (2 * kPi) * float(map.Width());
  float y = std::clamp((kPi / 2 - lat) / kPi * float(map.Height()), 0.5f, float(map.Height()) - 0.5f);
  return map.Sample(x, y, Edge::Wrap);
}

// View space (x right, y up, z to the viewer) to the map's frame: the camera
// sits on the +x axis at yaw 0, raised by the tilt.
Dir ToPlanet(Dir v, const SphereView& view) {
  Dir p{v.z, v.x, v.y};
  float t = view.tiltDegrees * kPi / 180, ct = std::cos(t), st = std::sin(t);
  p = {p.x * ct - p.z * st, p.y, p.x * st + p.z * ct};
  float a = view.yawDegrees * kPi / 180, ca = std::cos(a), sa = std::sin(a);
  return {p.x * ca - p.y * sa, p.x * sa + p.y * ca, p.z};
}

}  // namespace

RgbImage RenderSphere(const RgbImage& map, const RgbImage* clouds, int size, const SphereView& view) {
  RgbImage out(size, size);
  const Dir light = Normalize(view.light);
  for (int y = 0; y < size; ++y)
    for (int x = 0; x < size; ++x) {
      Rgb acc;
      for (int s = 0; s < kSupersample * kSupersample; ++s) {
        float px = ((float(x) + (float(s % kSupersample) + 0.5f) / kSupersample) / float(size)) * 2 - 1;
        float py = 1 - ((float(y) + (float(s / kSupersample) + 0.5f) / kSupersample) / float(size)) * 2;
        float r2 = px * px + py * py;
        if (r2 >= 1) continue;
        Dir n{px, py, std::sqrt(1 - r2)};
        Dir p = ToPlanet(n, view);
        Rgb albedo = SampleMap(map, p);
        if (clouds) albedo = Mix(albedo, {1, 1, 1}, Clamp01(Luma(SampleMap(*clouds, p))));
        float diffuse = std::max(0.0f, Dot(n, light));
        acc = Add(acc, Scale(albedo, view.ambient + (1 - view.ambient) * diffuse));
      }
      out.At(x, y) = Scale(acc, 1.0f / (kSupersample * kSupersample));
    }
  return out;
}

GrayImage SphereCoverage(int size) {
  GrayImage out(size, size);
  for (int y = 0; y < size; ++y)
    for (int x = 0; x < size; ++x) {
      int inside = 0;
      for (int s = 0; s < kSupersample * kSupersample; ++s) {
        float px = ((float(x) + (float(s % kSupersample) + 0.5f) / kSupersample) / float(size)) * 2 - 1;
        float py = 1 - ((float(y) + (float(s / kSupersample) + 0.5f) / kSupersample) / float(size)) * 2;
        if (px * px + py * py < 1) ++inside;
      }
      out.At(x, y) = float(inside) / (kSupersample * kSupersample);
    }
  return out;
}
