#include "tools/gen/music/instruments.h"

#include <cmath>
#include <vector>

#include "tools/common/noise.h"

namespace {

constexpr int kControlFrames = 32;  // filter cutoffs move at this step

// Smooth swell from start, hold to end, smooth fade over release.
double HeldEnvelope(double beat, const HeldNote& note) {
  const double t = beat - note.start, hold = note.end - note.start;
  if (t < hold) return SmoothStep(t / note.attack);
  return SmoothStep(hold / note.attack) * (1.0 - SmoothStep((t - hold) / note.release));
}

int64_t HeldFrames(const HeldNote& note, const Timing& timing) {
  return timing.Frame(note.end + note.release) - timing.Frame(note.start);
}

void EqualPowerPan(double pan, float& left, float& right) {
  const double angle = (pan + 1.0) * kPi / 4.0;
  left = float(std::cos(angle));
  right = float(std::sin(angle));
}

}  // namespace

int64_t Timing::Frame(double beats) const { return std::llround(beats * beatSeconds * rate); }

void RenderPad(const HeldNote& note, const Timing& timing, const Score& score, StereoBuffer& out) {
  const double hz = MidiToHz(note.midi);
  const double detune[3] = {-6.0 - 4.0 * HashUnit(note.seed, 0), 0.8 * HashUnit(note.seed, 1) - 0.4,
                            6.0 + 4.0 * HashUnit(note.seed, 2)};
  SawOscillator saws[3] = {
      SawOscillator(hz * std::pow(2.0, detune[0] / 1200), timing.rate, HashUnit(note.seed, 3)),
      SawOscillator(hz * std::pow(2.0, detune[1] / 1200), timing.rate, HashUnit(note.seed, 4)),
      SawOscillator(hz * std::pow(2.0, detune[2] / 1200), timing.rate, HashUnit(note.seed, 5))};
  float panLeft[3], panRight[3];
  for (int v = 0; v < 3; ++v) EqualPowerPan(-0.8 + 0.8 * v, panLeft[v], panRight[v]);
  LowPass filterLeft, filterRight;
  const double level = 0.11 * std::pow(220.0 / hz, 0.35);  // upper voices a little softer
  const double keyTrack = std::pow(hz / 220.0, 0.3);
  const double sweepCycles = 2.0 / timing.LoopSeconds(score);
  const int64_t first = timing.Frame(note.start), frames = HeldFrames(note, timing);
  Phasor sine(hz, timing.rate, 0, 2.0 * kPi * HashUnit(note.seed, 6));
  double envelope = 0;
  for (int64_t i = 0; i < frames; ++i) {
    if (i % kControlFrames == 0) {
      const double seconds = double(first + i) / timing.rate;
      envelope = HeldEnvelope(note.start + double(i) / timing.rate / timing.beatSeconds, note);
      const double sweep = 0.5 + 0.5 * std::sin(2.0 * kPi * sweepCycles * seconds);
      const double cutoff = (450.0 + 2400.0 * std::pow(envelope, 0.7) * (0.5 + 0.5 * sweep)) * keyTrack;
      filterLeft.SetCutoff(cutoff, timing.rate);
      filterRight.SetCutoff(cutoff, timing.rate);
    }
    float left = 0, right = 0;
    for (int v = 0; v < 3; ++v) {
      const float s = saws[v].Next();
      left += s * panLeft[v];
      right += s * panRight[v];
    }
    const float body = 0.6f * sine.Next();
    const float gain = float(level * envelope);
    out.AddWrapped(first + i, (filterLeft.Process(left) + body) * gain, (filterRight.Process(right) + body) * gain);
  }
}

void RenderSub(const HeldNote& note, const Timing& timing, StereoBuffer& out) {
  const double hz = MidiToHz(note.midi);
  const int64_t first = timing.Frame(note.start), frames = HeldFrames(note, timing);
  Phasor fundamental(hz, timing.rate), octave(2.0 * hz, timing.rate);
  for (int64_t i = 0; i < frames; ++i) {
    const double beat = note.start + double(i) / timing.rate / timing.beatSeconds;
    const double tone = fundamental.Next() + 0.15 * octave.Next();
    const float value = float(0.22 * HeldEnvelope(beat, note) * tone);
    out.AddWrapped(first + i, value, value);
  }
}

void RenderPulse(const PulseNote& note, const Timing& timing, StereoBuffer& out) {
  constexpr double kAttackBeats = 0.06, kDecayBeats = 0.3, kLengthBeats = 1.6, kFadeBeats = 0.3;
  const double hz = MidiToHz(note.midi);
  const int64_t first = timing.Frame(note.start), frames = timing.Frame(note.start + kLengthBeats) - first;
  Phasor harmonics[3] = {Phasor(hz, timing.rate), Phasor(2.0 * hz, timing.rate), Phasor(3.0 * hz, timing.rate)};
  for (int64_t i = 0; i < frames; ++i) {
    const double beats = double(i) / timing.rate / timing.beatSeconds;
    const double envelope = SmoothStep(beats / kAttackBeats) *
                            std::exp(-std::max(0.0, beats - kAttackBeats) / kDecayBeats) *
                            (1.0 - SmoothStep((beats - (kLengthBeats - kFadeBeats)) / kFadeBeats));
    const double tone = harmonics[0].Next() + 0.35 * harmonics[1].Next() + 0.12 * harmonics[2].Next();
    const float value = float(0.3 * note.velocity * envelope * tone);
    out.AddWrapped(first + i, value, value);
  }
}

void RenderBell(const BellNote& note, const Timing& timing, StereoBuffer& out) {
  struct Partial {
    double ratio, offsetHz, amplitude, decaySeconds;
  };
  // A second fundamental slightly off tune beats slowly against the first.
  constexpr Partial kPartials[] = {{1.0, 0.0, 1.0, 3.0},   {1.0, 0.7, 0.35, 3.6},  {2.0, 0.0, 0.3, 1.9},
                                   {2.76, 0.0, 0.22, 1.1}, {4.07, 0.0, 0.1, 0.7},  {5.40, 0.0, 0.07, 0.45},
                                   {8.93, 0.0, 0.035, 0.25}};
  constexpr double kAttackSeconds = 0.005, kLengthSeconds = 11.0, kFadeSeconds = 2.0;
  const double hz = MidiToHz(note.midi);
  float panLeft, panRight;
  EqualPowerPan(note.pan, panLeft, panRight);
  std::vector<Phasor> partials;
  std::vector<double> amplitudes;
  for (const Partial& p : kPartials) {
    const double f = hz * p.ratio + p.offsetHz;
    if (f > 0.45 * timing.rate) continue;
    partials.emplace_back(f, timing.rate, p.decaySeconds);
    amplitudes.push_back(p.amplitude);
  }
  const int64_t first = timing.Frame(note.start), frames = std::llround(kLengthSeconds * timing.rate);
  for (int64_t i = 0; i < frames; ++i) {
    const double t = double(i) / timing.rate;
    double value = 0;
    for (size_t p = 0; p < partials.size(); ++p) value += amplitudes[p] * partials[p].Next();
    value *= 0.16 * note.velocity * SmoothStep(t / kAttackSeconds) *
             (1.0 - SmoothStep((t - (kLengthSeconds - kFadeSeconds)) / kFadeSeconds));
    out.AddWrapped(first + i, float(value) * panLeft, float(value) * panRight);
  }
}
