#include "tools/gen/music/loudness.h"

#include <cmath>

namespace {

struct Biquad {
  double b0, b1, b2, a1, a2;
  double x1 = 0, x2 = 0, y1 = 0, y2 = 0;
  double Process(double x) {
    const double y = b0 * x + b1 * x1 + b2 * x2 - a1 * y1 - a2 * y2;
    x2 = x1;
    x1 = x;
    y2 = y1;
    y1 = y;
    return y;
  }
};

// The two K-weighting stages (a high shelf for the head, a high-pass for
// the low end), derived for any rate from their analogue prototypes.
Biquad HeadShelf(double rate) {
  const double k = std::tan(kPi * 1681.974450955533 / rate), q = 0.7071752369554196;
  const double vh = std::pow(10.0, 3.999843853973347 / 20.0), vb = std::pow(vh, 0.4996667741545416);
  const double a0 = 1.0 + k / q + k * k;
  return {(vh + vb * k / q + k * k) / a0, 2.0 * (k * k - vh) / a0, (vh - vb * k / q + k * k) / a0,
          2.0 * (k * k - 1.0) / a0, (1.0 - k / q + k * k) / a0};
}

Biquad LowCut(double rate) {
  const double k = std::tan(kPi * 38.13547087602444 / rate), q = 0.5003270373238773;
  const double a0 = 1.0 + k / q + k * k;
  return {1.0, -2.0, 1.0, 2.0 * (k * k - 1.0) / a0, (1.0 - k / q + k * k) / a0};
}

double BlockLoudness(double meanPower) { return -0.691 + 10.0 * std::log10(meanPower); }

}  // namespace

double IntegratedLoudness(const StereoBuffer& track, double rate) {
  Biquad shelf[2] = {HeadShelf(rate), HeadShelf(rate)}, cut[2] = {LowCut(rate), LowCut(rate)};
  const size_t step = size_t(rate * 0.1);  // blocks of four steps, overlapping by three
  std::vector<double> stepPower;
  double sum = 0;
  for (size_t i = 0; i < track.frames(); ++i) {
    const double l = cut[0].Process(shelf[0].Process(track.left[i]));
    const double r = cut[1].Process(shelf[1].Process(track.right[i]));
    sum += l * l + r * r;
    if ((i + 1) % step == 0) {
      stepPower.push_back(sum / double(step));
      sum = 0;
    }
  }
  std::vector<double> blocks;
  for (size_t i = 3; i < stepPower.size(); ++i)
    blocks.push_back((stepPower[i - 3] + stepPower[i - 2] + stepPower[i - 1] + stepPower[i]) / 4.0);
  auto gatedMean = [&blocks](double threshold) {
    double total = 0;
    int count = 0;
    for (double p : blocks) {
      if (p <= 0 || BlockLoudness(p) <= threshold) continue;
      total += p;
      ++count;
    }
    return count > 0 ? total / count : 0.0;
  };
  const double absolute = gatedMean(-70.0);
  if (absolute <= 0) return -70.0;
  const double relative = gatedMean(BlockLoudness(absolute) - 10.0);
  return BlockLoudness(relative);
}
