#include "audio/core/resample.h"

#include <cmath>

StereoPcm ResampleLinear(const StereoPcm& source, uint32_t fromRate, uint32_t toRate) {
  if (fromRate == toRate) return source;
  const uint64_t inFrames = source.frameCount();
  StereoPcm out;
  if (inFrames == 0) return out;
  const uint64_t outFrames = (inFrames * toRate + fromRate / 2) / fromRate;
  out.samples.resize(outFrames * 2);
  const int16_t* in = source.samples.data();
  for (uint64_t i = 0; i < outFrames; ++i) {
    // Exact rational source position: i * fromRate / toRate.
    const uint64_t numerator = i * fromRate;
    const uint64_t index = numerator / toRate;
    const float frac = float(numerator % toRate) / float(toRate);
    const uint64_t a = index < inFrames ? index : inFrames - 1;
    const uint64_t b = index + 1 < inFrames ? index + 1 : inFrames - 1;
    for (int c = 0; c < 2; ++c) {
      const float value = float(in[a * 2 + c]) + (float(in[b * 2 + c]) - float(in[a * 2 + c])) * frac;
      out.samples[i * 2 + c] = int16_t(std::lround(value));
    }
  }
  return out;
}
