// The music generator: the track it wrote into the build, and the
// synthesis on a shortened plan (two chords at eight beats a second).
#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <iterator>

#include "audio/core/vorbis_decoder.h"
#include "tools/gen/music/analysis.h"
#include "tools/gen/music/dsp.h"
#include "tools/gen/music/loudness.h"
#include "tools/gen/music/music.h"
#include "tools/gen/music/ogg_writer.h"
#include "tools/gen/music/space.h"

namespace {

constexpr double kRate = 44100;

MusicPlan ShortPlan() {
  MusicPlan plan;
  plan.chordCount = 2;
  plan.beatSeconds = 0.125;
  return plan;
}

std::vector<float> Interleave(const StereoBuffer& b) {
  std::vector<float> out;
  for (size_t i = 0; i < b.frames(); ++i) out.insert(out.end(), {b.left[i], b.right[i]});
  return out;
}

StereoBuffer ToBuffer(const StereoPcm& pcm) {
  StereoBuffer b(pcm.frameCount());
  for (size_t i = 0; i < b.frames(); ++i) {
    b.left[i] = float(pcm.samples[i * 2]) / 32767.0f;
    b.right[i] = float(pcm.samples[i * 2 + 1]) / 32767.0f;
  }
  return b;
}

TEST(MusicTrack, TheBuiltFileIsAStereoLoopOfTwoToFourMinutes) {
  std::ifstream in(QV_MUSIC_OGG, std::ios::binary);
  ASSERT_TRUE(in) << QV_MUSIC_OGG;
  const std::vector<uint8_t> file((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  DecodedSound sound;
  ASSERT_EQ(DecodeOggVorbis(file.data(), file.size(), 44100, sound), DecodeResult::Ok);
  EXPECT_EQ(sound.sourceRate, 44100u);
  EXPECT_EQ(sound.sourceChannels, 2);
  const double seconds = sound.pcm.frameCount() / kRate;
  EXPECT_GE(seconds, 120.0);
  EXPECT_LE(seconds, 240.0);
  const StereoBuffer track = ToBuffer(sound.pcm);
  const Levels levels = MeasureLevels(track, kRate);
  EXPECT_LT(levels.peakDb, -1.0);  // no clipping, some headroom
  EXPECT_NEAR(levels.loudness, kTargetLoudness, 1.5);
  EXPECT_LT(std::fabs(levels.dcLeft) + std::fabs(levels.dcRight), 1e-3);
  const Seam seam = MeasureSeam(track, kRate);
  EXPECT_LT(seam.stepRatio, 2.0);
  EXPECT_LT(std::fabs(seam.levelChangeDb), 1.0);
  EXPECT_LT(seam.spectralRatio, 1.5);
}

TEST(MusicSynthesis, RendersASeamlessMasteredLoop) {
  const RenderedMusic music = RenderMusic(ShortPlan());
  ASSERT_EQ(music.mix.frames(), size_t(2 * 12 * 0.125 * kRate));
  const Seam seam = MeasureSeam(music.mix, kRate);
  EXPECT_LE(seam.stepRatio, 1.0);
  EXPECT_LT(std::fabs(seam.levelChangeDb), 0.5);
  EXPECT_LT(seam.spectralRatio, 1.5);
  const Levels levels = MeasureLevels(music.mix, kRate);
  EXPECT_LE(levels.peakDb, kPeakCeiling + 0.01);
  EXPECT_TRUE(std::fabs(levels.loudness - kTargetLoudness) < 0.1 || levels.peakDb > kPeakCeiling - 0.01)
      << "neither at the loudness target nor at the peak ceiling";
  EXPECT_LT(std::fabs(levels.dcLeft) + std::fabs(levels.dcRight), 1e-4);
  EXPECT_LT(levels.sideDb, -3.0);  // wide, yet centred
  EXPECT_GT(levels.sideDb, -20.0);

  // The seam measure itself sees a cut: the same loop rotated and cut short.
  StereoBuffer cut(music.mix.frames() - 777);
  for (size_t i = 0; i < cut.frames(); ++i) {
    cut.left[i] = music.mix.left[(i + 5000) % music.mix.frames()];
    cut.right[i] = music.mix.right[(i + 5000) % music.mix.frames()];
  }
  EXPECT_GT(MeasureSeam(cut, kRate).stepRatio, 1.5);
}

TEST(MusicSynthesis, EncodesToTheSameBytesEveryTimeAndDecodesBackClosely) {
  const RenderedMusic first = RenderMusic(ShortPlan()), second = RenderMusic(ShortPlan());
  const std::vector<uint8_t> a = EncodeOggVorbis(Interleave(first.mix), {});
  const std::vector<uint8_t> b = EncodeOggVorbis(Interleave(second.mix), {});
  ASSERT_FALSE(a.empty());
  EXPECT_EQ(a, b);
  DecodedSound sound;
  ASSERT_EQ(DecodeOggVorbis(a.data(), a.size(), 44100, sound), DecodeResult::Ok);
  ASSERT_EQ(sound.pcm.frameCount(), first.mix.frames());
  EXPECT_GT(SignalToDifferenceDb(first.mix, ToBuffer(sound.pcm)), 15.0);
}

TEST(MusicSpace, TailsFromTheEndOfTheLoopSoundAtItsStart) {
  StereoBuffer impulse(size_t(8 * kRate));
  impulse.left.back() = impulse.right.back() = 1.0f;
  Reverb reverb(2.0, 7000, kRate);
  const StereoBuffer out =
      ProcessLooped(impulse, [&](float l, float r, float& ol, float& orr) { reverb.Process(l, r, ol, orr); });
  auto energy = [&](double from, double to) {
    double sum = 0;
    for (size_t i = size_t(from * kRate); i < size_t(to * kRate); ++i)
      sum += double(out.left[i]) * out.left[i] + double(out.right[i]) * out.right[i];
    return 10 * std::log10(sum + 1e-30);
  };
  EXPECT_GT(energy(0.0, 0.5), -20.0);
  // Low and middle frequencies fall by 60 dB in about two seconds: the
  // decay from one window to a window a second later is about 30 dB.
  const double fall = energy(0.2, 0.6) - energy(1.2, 1.6);
  EXPECT_GT(fall, 22.0);
  EXPECT_LT(fall, 45.0);
  // The two sides are different, not one signal twice.
  double lr = 0, ll = 0, rr = 0;
  for (size_t i = 0; i < out.frames(); ++i) {
    lr += double(out.left[i]) * out.right[i];
    ll += double(out.left[i]) * out.left[i];
    rr += double(out.right[i]) * out.right[i];
  }
  EXPECT_LT(std::fabs(lr) / std::sqrt(ll * rr), 0.3);
}

TEST(MusicSpace, EchoRepeatsAlternateSidesAndFade) {
  constexpr double kDelay = 0.1;
  StereoBuffer click{size_t(kRate)};
  click.left[1000] = 1.0f;
  PingPongEcho echo(kDelay, 0.5, kRate);
  const StereoBuffer out =
      ProcessLooped(click, [&](float l, float r, float& ol, float& orr) { echo.Process(l, r, ol, orr); });
  auto peakNear = [&](const std::vector<float>& channel, int repeat) {
    const size_t at = 1000 + size_t(std::lround(repeat * kDelay * kRate));
    float peak = 0;
    for (size_t i = at - 50; i < at + 50; ++i) peak = std::max(peak, std::fabs(channel[i]));
    return peak;
  };
  EXPECT_GT(peakNear(out.left, 1), 0.2f);
  EXPECT_LT(peakNear(out.right, 1), 0.01f);
  EXPECT_GT(peakNear(out.right, 2), 0.05f);
  EXPECT_LT(peakNear(out.left, 2), 0.01f);
  EXPECT_LT(peakNear(out.left, 3), peakNear(out.left, 1));
}

TEST(Loudness, ReadsAFullScaleStereoToneAtZeroAndIgnoresSilence) {
  StereoBuffer tone(size_t(5 * kRate));
  for (size_t i = 0; i < tone.frames(); ++i)
    tone.left[i] = tone.right[i] = float(std::sin(2 * kPi * 997.0 * double(i) / kRate));
  EXPECT_NEAR(IntegratedLoudness(tone, kRate), 0.0, 0.1);
  StereoBuffer quieter(tone.frames() * 3);  // a tenth of the amplitude, then silence
  for (size_t i = 0; i < tone.frames(); ++i) {
    quieter.left[i] = tone.left[i] * 0.1f;
    quieter.right[i] = tone.right[i] * 0.1f;
  }
  // Ungated, the silence would pull it down to about -24.8; the blocks
  // across the end of the tone still count.
  EXPECT_NEAR(IntegratedLoudness(quieter, kRate), -20.0, 0.3);
  // Low frequencies weigh less than the middle: 40 Hz reads lower.
  for (size_t i = 0; i < tone.frames(); ++i)
    tone.left[i] = tone.right[i] = float(std::sin(2 * kPi * 40.0 * double(i) / kRate));
  EXPECT_LT(IntegratedLoudness(tone, kRate), -0.5);
}

}  // namespace
