#include "tools/gen/music/music.h"

#include <algorithm>
#include <cmath>

#include "tools/gen/music/instruments.h"
#include "tools/gen/music/loudness.h"
#include "tools/gen/music/space.h"

namespace {

// Echo: three quarters of a beat between repeats.
constexpr double kEchoBeats = 0.75, kEchoFeedback = 0.45;
constexpr double kReverbSeconds = 5.5, kReverbDampingHz = 7000;

double PeakOf(const StereoBuffer& b) {
  float peak = 0;
  for (size_t i = 0; i < b.frames(); ++i) peak = std::max({peak, std::fabs(b.left[i]), std::fabs(b.right[i])});
  return peak;
}

StereoBuffer ReverbOf(const MusicStems& stems, double rate) {
  StereoBuffer send(stems.pads.frames());
  send.Add(stems.pads, kPadsLevel.send);
  send.Add(stems.bells, kBellsLevel.send);
  send.Add(stems.echo, kEchoLevel.send);
  send.Add(stems.pulse, kPulseLevel.send);
  Reverb reverb(kReverbSeconds, kReverbDampingHz, rate);
  HighPass clearLeft(180.0, rate), clearRight(180.0, rate);  // keeps the low end out of the hall
  return ProcessLooped(send, [&](float l, float r, float& outL, float& outR) {
    reverb.Process(clearLeft.Process(l), clearRight.Process(r), outL, outR);
  });
}

}  // namespace

MusicStems RenderStems(const MusicPlan& plan) {
  const Score score = ComposeScore(plan.chordCount);
  const Timing timing{double(plan.rate), plan.beatSeconds};
  const size_t frames = size_t(timing.Frame(score.lengthBeats));
  MusicStems stems{StereoBuffer(frames), StereoBuffer(frames), StereoBuffer(frames), StereoBuffer(frames),
                   StereoBuffer(frames)};
  for (const HeldNote& note : score.pads) RenderPad(note, timing, score, stems.pads);
  for (const HeldNote& note : score.subs) RenderSub(note, timing, stems.pads);
  for (const PulseNote& note : score.pulses) RenderPulse(note, timing, stems.pulse);
  for (const BellNote& note : score.bells) RenderBell(note, timing, stems.bells);
  PingPongEcho echo(kEchoBeats * plan.beatSeconds, kEchoFeedback, timing.rate);
  stems.echo = ProcessLooped(stems.bells, [&](float l, float r, float& outL, float& outR) {
    echo.Process(l, r, outL, outR);
  });
  stems.reverb = ReverbOf(stems, timing.rate);
  return stems;
}

RenderedMusic MasterStems(const MusicStems& stems, double rate) {
  StereoBuffer sum(stems.pads.frames());
  sum.Add(stems.pads, kPadsLevel.mix);
  sum.Add(stems.pulse, kPulseLevel.mix);
  sum.Add(stems.bells, kBellsLevel.mix);
  sum.Add(stems.echo, kEchoLevel.mix);
  sum.Add(stems.reverb, kReverbLevel);
  HighPass dcLeft(20.0, rate), dcRight(20.0, rate);
  RenderedMusic music;
  music.mix = ProcessLooped(sum, [&](float l, float r, float& outL, float& outR) {
    outL = dcLeft.Process(l);
    outR = dcRight.Process(r);
  });
  const double loudnessGain = kTargetLoudness - IntegratedLoudness(music.mix, rate);
  const double peakGain = kPeakCeiling - 20.0 * std::log10(std::max(PeakOf(music.mix), 1e-9));
  music.gainDb = std::min(loudnessGain, peakGain);
  const float gain = float(std::pow(10.0, music.gainDb / 20.0));
  for (size_t i = 0; i < music.mix.frames(); ++i) {
    music.mix.left[i] *= gain;
    music.mix.right[i] *= gain;
  }
  return music;
}

RenderedMusic RenderMusic(const MusicPlan& plan) { return MasterStems(RenderStems(plan), double(plan.rate)); }
