#include "tools/gen/music/space.h"

#include <cmath>

namespace {

constexpr double kReferenceRate = 44100;
// Mutually prime lengths at the reference rate: 46 to 109 ms.
constexpr size_t kLineLengths[8] = {2011, 2459, 2851, 3271, 3607, 4013, 4441, 4801};
constexpr size_t kDiffuserLengths[2][4] = {{142, 107, 379, 277}, {151, 101, 397, 263}};
constexpr float kDiffusion = 0.65f;
constexpr double kPreDelaySeconds = 0.03;

size_t Scaled(size_t length, double rate) { return size_t(std::lround(double(length) * rate / kReferenceRate)); }

// In-place fast Walsh-Hadamard transform of eight values, made orthogonal.
void Hadamard(std::array<float, 8>& v) {
  for (int span = 1; span < 8; span *= 2)
    for (int i = 0; i < 8; i += 2 * span)
      for (int j = i; j < i + span; ++j) {
        const float a = v[j], b = v[j + span];
        v[j] = a + b;
        v[j + span] = a - b;
      }
  for (float& x : v) x *= 0.35355339f;  // 1 / sqrt(8)
}

}  // namespace

void DelayLine::Write(float value) {
  line_[position_] = value;
  if (++position_ == line_.size()) position_ = 0;
}

PingPongEcho::PingPongEcho(double delaySeconds, double feedback, double rate)
    : left_(size_t(std::lround(delaySeconds * rate))),
      right_(size_t(std::lround(delaySeconds * rate))),
      feedback_(feedback),
      dark_(2800.0, rate),
      thin_(250.0, rate) {}

void PingPongEcho::Process(float inLeft, float inRight, float& outLeft, float& outRight) {
  outLeft = left_.Read();
  outRight = right_.Read();
  const float returning = thin_.Process(dark_.Process(outRight));
  left_.Write(0.5f * (inLeft + inRight) + float(feedback_) * returning);
  right_.Write(float(feedback_) * outLeft);
}

float Reverb::AllPass::Process(float in) {
  const float delayed = delay.Read();
  const float v = in + kDiffusion * delayed;
  delay.Write(v);
  return delayed - kDiffusion * v;
}

Reverb::Reverb(double rt60Seconds, double dampingHz, double rate)
    : preLeft_(Scaled(size_t(kPreDelaySeconds * kReferenceRate), rate)),
      preRight_(Scaled(size_t(kPreDelaySeconds * kReferenceRate) + 37, rate)) {
  for (int i = 0; i < kLines; ++i) {
    const size_t length = Scaled(kLineLengths[i], rate);
    lines_.emplace_back(length);
    gains_[i] = std::pow(10.0, -3.0 * double(length) / (rt60Seconds * rate));
    damping_.emplace_back(dampingHz, rate);
  }
  for (int i = 0; i < kDiffusers; ++i) {
    diffuseLeft_.push_back({DelayLine(Scaled(kDiffuserLengths[0][i], rate))});
    diffuseRight_.push_back({DelayLine(Scaled(kDiffuserLengths[1][i], rate))});
  }
}

void Reverb::Process(float inLeft, float inRight, float& outLeft, float& outRight) {
  float left = preLeft_.Read(), right = preRight_.Read();
  preLeft_.Write(inLeft);
  preRight_.Write(inRight);
  for (int i = 0; i < kDiffusers; ++i) {
    left = diffuseLeft_[i].Process(left);
    right = diffuseRight_[i].Process(right);
  }
  std::array<float, 8> v;
  outLeft = outRight = 0;
  for (int i = 0; i < kLines; ++i) {
    const float y = lines_[i].Read();
    (i % 2 == 0 ? outLeft : outRight) += 0.5f * y;
    v[i] = float(gains_[i]) * damping_[i].Process(y);
  }
  Hadamard(v);
  for (int i = 0; i < kLines; ++i) {
    const float in = i % 2 == 0 ? left : right;
    lines_[i].Write(v[i] + ((i / 2) % 2 == 0 ? in : -in));
  }
}
