// Building blocks of the music synthesizer. Frequencies are in Hz, times
// in seconds, sample values are floats around -1..1; every block runs at
// the rate it was made for. All of it is deterministic arithmetic.
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

constexpr double kPi = 3.14159265358979323846;

double MidiToHz(double midi);

// Two channels of equal length, treated as one period of an endless loop.
struct StereoBuffer {
  explicit StereoBuffer(size_t frames = 0) : left(frames), right(frames) {}
  size_t frames() const { return left.size(); }
  // Adds at frame index taken modulo the length (negative wraps from the end).
  void AddWrapped(int64_t index, float l, float r);
  void Add(const StereoBuffer& other, float gain);
  std::vector<float> left, right;
};

// Band-limited sawtooth in -1..1 (polynomial band-limited step at the wrap).
class SawOscillator {
 public:
  SawOscillator(double hz, double rate, double phase);
  float Next();

 private:
  double phase_, step_;
};

// A sine that may decay exponentially, made by rotating a phasor: no
// transcendental function per sample. decaySeconds 0: no decay.
class Phasor {
 public:
  Phasor(double hz, double rate, double decaySeconds = 0, double phase = 0);
  float Next();

 private:
  double re_, im_, stepRe_, stepIm_;
};

// Two-pole state-variable low-pass (trapezoidal integration: stays stable
// while the cutoff moves).
class LowPass {
 public:
  void SetCutoff(double hz, double rate, double q = 0.707);
  float Process(float in);

 private:
  double a1_ = 0, a2_ = 0, a3_ = 0, k_ = 1.4142;
  double ic1_ = 0, ic2_ = 0;
};

// One-pole smoothing low-pass (6 dB per octave).
class OnePole {
 public:
  OnePole(double hz, double rate);
  float Process(float in) {
    state_ += coefficient_ * (in - state_);
    return float(state_);
  }

 private:
  double coefficient_, state_ = 0;
};

// One-pole high-pass (removes DC and rumble below about hz).
class HighPass {
 public:
  HighPass(double hz, double rate);
  float Process(float in);

 private:
  double pole_, lastIn_ = 0, lastOut_ = 0;
};

// Rises from 0 to 1 along a half cosine: 0 at x <= 0, 1 at x >= 1.
double SmoothStep(double x);

// Runs a stereo process over the loop twice and keeps the second pass, so
// whatever the process carries over (echoes, reverberation, filter state)
// from the end of the loop is present at its start. process(inL, inR,
// outL, outR) is called once per frame of each pass.
template <typename Process>
StereoBuffer ProcessLooped(const StereoBuffer& in, Process&& process) {
  StereoBuffer out(in.frames());
  for (int pass = 0; pass < 2; ++pass)
    for (size_t i = 0; i < in.frames(); ++i) process(in.left[i], in.right[i], out.left[i], out.right[i]);
  return out;
}
