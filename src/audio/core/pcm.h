// Decoded sound as the mixer plays it: interleaved stereo 16-bit frames
// (left, right) at the output rate.
#pragma once
#include <cstdint>
#include <vector>

struct StereoPcm {
  std::vector<int16_t> samples;  // 2 per frame
  uint32_t frameCount() const { return uint32_t(samples.size() / 2); }
};
