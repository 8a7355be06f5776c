#include "tools/common/noise.h"

#include <cmath>

uint32_t HashU32(uint32_t x) {
  x ^= x >> 16;
  x *= 0x7feb352dU;
  x ^= x >> 15;
  x *= 0x846ca68bU;
  x ^= x >> 16;
  return x;
}

float HashUnit(uint32_t seed, uint32_t index) {
  return float(HashU32(HashU32(seed) ^ (index * 0x9E3779B9U)) >> 8) * (1.0f / 16777216.0f);
}

Noise::Noise(uint32_t seed) {
  uint8_t p[256];
  for (int i = 0; i < 256; ++i) p[i] = uint8_t(i);
  uint32_t state = HashU32(seed + 1);
  for (int i = 255; i > 0; --i) {
    state = HashU32(state);
    int j = int(state % uint32_t(i + 1));
    uint8_t t = p[i];
    p[i] = p[j];
    p[j] = t;
  }
  for (int i = 0; i < 512; ++i) perm_[i] = p[i & 255];
}

float Noise::Gradient(int ix, int iy, int iz, float fx, float fy, float fz) const {
  int h = perm_[perm_[perm_[ix & 255] + (iy & 255)] + (iz & 255)] & 15;
  float u = h < 8 ? fx : fy;
  float v = h < 4 ? fy : (h == 12 || h == 14 ? fx : fz);
  return ((h & 1) ? -u : u) + ((h & 2) ? -v : v);
}

namespace {
float Fade(float t) { return t * t * t * (t * (t * 6 - 15) + 10); }
float Lerp(float a, float b, float t) { return a + (b - a) * t; }

// The octave sum of the fractal forms: sample(x, y, z, octave) at doubling
// frequency and `gain` falling amplitude, normalised by the amplitudes.
template <typename Sample>
float SumOctaves(float x, float y, float z, int octaves, float gain, Sample sample) {
  float sum = 0, amplitude = 1, norm = 0;
  for (int i = 0; i < octaves; ++i) {
    sum += amplitude * sample(x, y, z, i);
    norm += amplitude;
    amplitude *= gain;
    x *= 2.0f;
    y *= 2.0f;
    z *= 2.0f;
  }
  return sum / norm;
}

}  // namespace

float Noise::At(float x, float y, float z) const { return Lattice(x, y, z, 256); }

float Noise::AtPeriodic(float x, float y, float z, int period) const { return Lattice(x, y, z, period); }

// Gradient noise whose x and y lattice indices wrap every `period` cells (the
// permutation itself repeats every 256, which At relies on).
float Noise::Lattice(float x, float y, float z, int period) const {
  float flx = std::floor(x), fly = std::floor(y), flz = std::floor(z);
  int ix = int(flx), iy = int(fly), iz = int(flz);
  auto wrap = [period](int i) { return period == 256 ? i & 255 : ((i % period) + period) % period; };
  int x0 = wrap(ix), x1 = wrap(ix + 1), y0 = wrap(iy), y1 = wrap(iy + 1);
  float fx = x - flx, fy = y - fly, fz = z - flz;
  float u = Fade(fx), v = Fade(fy), w = Fade(fz);
  float x00 = Lerp(Gradient(x0, y0, iz, fx, fy, fz), Gradient(x1, y0, iz, fx - 1, fy, fz), u);
  float x10 = Lerp(Gradient(x0, y1, iz, fx, fy - 1, fz), Gradient(x1, y1, iz, fx - 1, fy - 1, fz), u);
  float x01 = Lerp(Gradient(x0, y0, iz + 1, fx, fy, fz - 1), Gradient(x1, y0, iz + 1, fx - 1, fy, fz - 1), u);
  float x11 = Lerp(Gradient(x0, y1, iz + 1, fx, fy - 1, fz - 1),
                   Gradient(x1, y1, iz + 1, fx - 1, fy - 1, fz - 1), u);
  return Lerp(Lerp(x00, x10, v), Lerp(x01, x11, v), w);
}

float Noise::Fbm(float x, float y, float z, int octaves, float gain) const {
  return SumOctaves(x, y, z, octaves, gain, [this](float sx, float sy, float sz, int) { return At(sx, sy, sz); });
}

float Noise::FbmPeriodic(float x, float y, float z, int octaves, int period, float gain) const {
  return SumOctaves(x, y, z, octaves, gain, [this, period](float sx, float sy, float sz, int octave) {
    return Lattice(sx, sy, sz, period << octave);
  });
}

float Noise::Ridged(float x, float y, float z, int octaves, float gain) const {
  return SumOctaves(x, y, z, octaves, gain, [this](float sx, float sy, float sz, int) {
    float n = 1.0f - std::fabs(At(sx, sy, sz));
    return n * n;
  });
}
