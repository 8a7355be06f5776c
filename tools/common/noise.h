// Deterministic gradient noise for the content generators: the same seed
// gives the same values on every machine (integer hashing, no library RNG).
#pragma once
#include <cstdint>

class Noise {
 public:
  explicit Noise(uint32_t seed);
  // Gradient noise in about [-1, 1]. Sample a sphere or a torus in 3D to get
  // seamless wrapping maps.
  float At(float x, float y, float z) const;
  // Fractal sum of octaves, each at double frequency and `gain` amplitude,
  // normalised to about [-1, 1].
  float Fbm(float x, float y, float z, int octaves, float gain = 0.5f) const;
  // 1 - |noise| summed over octaves: sharp ridges, in about [0, 1].
  float Ridged(float x, float y, float z, int octaves, float gain = 0.5f) const;
  // Tileable noise: At with the lattice repeating every `period` units in x
  // and y (z is not wrapped), so a map sampled over [0, period) in x and y
  // tiles seamlessly. The Fbm form doubles the period with each octave.
  float AtPeriodic(float x, float y, float z, int period) const;
  float FbmPeriodic(float x, float y, float z, int octaves, int period, float gain = 0.5f) const;

 private:
  float Gradient(int ix, int iy, int iz, float fx, float fy, float fz) const;
  float Lattice(float x, float y, float z, int period) const;
  uint8_t perm_[512];
};

// A 32-bit integer hash (for scattering stars, craters and the like).
uint32_t HashU32(uint32_t x);
// Uniform in [0, 1) from a hash of (seed, index).
float HashUnit(uint32_t seed, uint32_t index);
