// The space around the instruments: a ping-pong echo and a feedback-delay-
// network reverberator. Both are stereo, run frame by frame, and keep their
// state between calls (run them over a loop with ProcessLooped).
#pragma once
#include <array>
#include <cstddef>
#include <vector>

#include "tools/gen/music/dsp.h"

// A delay line of a fixed length: Read gives what was written length
// frames ago.
class DelayLine {
 public:
  explicit DelayLine(size_t length) : line_(length, 0.0f) {}
  float Read() const { return line_[position_]; }
  void Write(float value);

 private:
  std::vector<float> line_;
  size_t position_ = 0;
};

// The mono sum of the input repeats every delay, alternating between the
// left and the right, each repeat feedback times softer and a little
// darker and thinner than the one before.
class PingPongEcho {
 public:
  PingPongEcho(double delaySeconds, double feedback, double rate);
  void Process(float inLeft, float inRight, float& outLeft, float& outRight);

 private:
  DelayLine left_, right_;
  double feedback_;
  OnePole dark_;
  HighPass thin_;
};

// Eight delay lines mixed through an orthogonal (Hadamard) matrix, with a
// low-pass in every line so highs die first; input pre-delay and all-pass
// diffusion; the outputs of even and odd lines make two decorrelated sides.
// rt60Seconds: time for the low and middle frequencies to fall by 60 dB.
class Reverb {
 public:
  Reverb(double rt60Seconds, double dampingHz, double rate);
  void Process(float inLeft, float inRight, float& outLeft, float& outRight);

 private:
  static constexpr int kLines = 8, kDiffusers = 4;
  struct AllPass {
    DelayLine delay;
    float Process(float in);
  };

  std::vector<DelayLine> lines_;
  std::array<double, kLines> gains_;
  std::vector<OnePole> damping_;
  DelayLine preLeft_, preRight_;
  std::vector<AllPass> diffuseLeft_, diffuseRight_;
};
