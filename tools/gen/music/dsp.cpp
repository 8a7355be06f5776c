#include "tools/gen/music/dsp.h"

#include <algorithm>
#include <cmath>

double MidiToHz(double midi) { return 440.0 * std::pow(2.0, (midi - 69.0) / 12.0); }

void StereoBuffer::AddWrapped(int64_t index, float l, float r) {
  const int64_t n = int64_t(frames());
  const int64_t i = ((index % n) + n) % n;
  left[size_t(i)] += l;
  right[size_t(i)] += r;
}

void StereoBuffer::Add(const StereoBuffer& other, float gain) {
  for (size_t i = 0; i < frames(); ++i) {
    left[i] += other.left[i] * gain;
    right[i] += other.right[i] * gain;
  }
}

SawOscillator::SawOscillator(double hz, double rate, double phase) : phase_(phase), step_(hz / rate) {}

float SawOscillator::Next() {
  const double t = phase_, dt = step_;
  double value = 2.0 * t - 1.0;
  if (t < dt) {
    const double x = t / dt;
    value -= x + x - x * x - 1.0;
  } else if (t > 1.0 - dt) {
    const double x = (t - 1.0) / dt;
    value -= x * x + x + x + 1.0;
  }
  phase_ += dt;
  if (phase_ >= 1.0) phase_ -= 1.0;
  return float(value);
}

Phasor::Phasor(double hz, double rate, double decaySeconds, double phase)
    : re_(std::cos(phase)), im_(std::sin(phase)) {
  const double decay = decaySeconds > 0 ? std::exp(-1.0 / (decaySeconds * rate)) : 1.0;
  stepRe_ = decay * std::cos(2.0 * kPi * hz / rate);
  stepIm_ = decay * std::sin(2.0 * kPi * hz / rate);
}

float Phasor::Next() {
  const double value = im_;
  const double re = re_ * stepRe_ - im_ * stepIm_;
  im_ = re_ * stepIm_ + im_ * stepRe_;
  re_ = re;
  return float(value);
}

void LowPass::SetCutoff(double hz, double rate, double q) {
  const double g = std::tan(kPi * std::min(hz, rate * 0.45) / rate);
  k_ = 1.0 / q;
  a1_ = 1.0 / (1.0 + g * (g + k_));
  a2_ = g * a1_;
  a3_ = g * a2_;
}

float LowPass::Process(float in) {
  const double v3 = in - ic2_;
  const double v1 = a1_ * ic1_ + a2_ * v3;
  const double v2 = ic2_ + a2_ * ic1_ + a3_ * v3;
  ic1_ = 2.0 * v1 - ic1_;
  ic2_ = 2.0 * v2 - ic2_;
  return float(v2);
}

OnePole::OnePole(double hz, double rate) : coefficient_(1.0 - std::exp(-2.0 * kPi * hz / rate)) {}

HighPass::HighPass(double hz, double rate) : pole_(std::exp(-2.0 * kPi * hz / rate)) {}

float HighPass::Process(float in) {
  lastOut_ = in - lastIn_ + pole_ * lastOut_;
  lastIn_ = in;
  return float(lastOut_);
}

double SmoothStep(double x) {
  if (x <= 0) return 0;
  if (x >= 1) return 1;
  return 0.5 - 0.5 * std::cos(kPi * x);
}
