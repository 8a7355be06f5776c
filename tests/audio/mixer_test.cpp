#include "audio/core/mixer.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

namespace {

constexpr uint32_t kRate = 44100;
constexpr uint32_t kRampFrames = 441;  // 10 ms

// One period of a sine per channel (left 1 cycle, right 3 cycles), so the
// loop is smooth and every frame is distinct enough to track.
StereoPcm Periodic(uint32_t frames, double amplitude = 20000) {
  StereoPcm pcm;
  for (uint32_t i = 0; i < frames; ++i) {
    const double t = 2 * M_PI * i / frames;
    pcm.samples.push_back(int16_t(std::lround(amplitude * std::sin(t))));
    pcm.samples.push_back(int16_t(std::lround(amplitude * std::cos(3 * t))));
  }
  return pcm;
}

std::vector<int16_t> Render(Mixer& mixer, uint32_t frames) {
  std::vector<int16_t> out(frames * 2);
  mixer.Render(out.data(), frames);
  return out;
}

Mixer::Playback Looping(const StereoPcm& sound, float gain = 1, uint32_t start = 0) {
  Mixer::Playback p;
  p.sound = &sound;
  p.start = start;
  p.leftGain = p.rightGain = gain;
  p.loop = true;
  return p;
}

// The largest change between neighbouring frames of one channel.
int MaxStep(const std::vector<int16_t>& out, int channel) {
  int step = 0;
  for (size_t i = 2 + channel; i < out.size(); i += 2) step = std::max(step, std::abs(out[i] - out[i - 2]));
  return step;
}

TEST(Mixer, LoopWrapsFromTheLastFrameStraightToTheFirst) {
  const StereoPcm sound = Periodic(1000);
  Mixer mixer(kRate);
  ASSERT_GE(mixer.Play(Looping(sound, 1, 700), 1, false), 0);
  const std::vector<int16_t> out = Render(mixer, 3500);
  for (uint32_t i = kRampFrames; i < 3500; ++i) {
    const uint32_t frame = (700 + i) % 1000;
    ASSERT_EQ(out[i * 2], sound.samples[frame * 2]) << i;
    ASSERT_EQ(out[i * 2 + 1], sound.samples[frame * 2 + 1]) << i;
  }
}

TEST(Mixer, GainsMultiplyAndReachFullScaleExactly) {
  const StereoPcm sound = Periodic(500, 32767);
  struct Case { float sample, master, expected; };
  for (const Case c : {Case{1, 1, 1}, Case{1, 0.5f, 0.5f}, Case{0.5f, 0.5f, 0.25f}, Case{0.75f, 0.75f, 0.5625f},
                       Case{0, 1, 0}, Case{1, 0, 0}}) {
    Mixer mixer(kRate);
    mixer.SetMasterGain(c.master);
    ASSERT_GE(mixer.Play(Looping(sound, c.sample), 1, false), 0);
    const std::vector<int16_t> out = Render(mixer, 2000);
    for (uint32_t i = 1000; i < 2000; ++i)
      ASSERT_NEAR(out[i * 2], c.expected * sound.samples[(i % 500) * 2], 1.0)
          << c.sample << " x " << c.master << " at " << i;
  }
}

TEST(Mixer, OneShotEndsInSilenceAndFreesItsVoice) {
  const StereoPcm sound = Periodic(800);
  Mixer mixer(kRate);
  Mixer::Playback once = Looping(sound);
  once.loop = false;
  ASSERT_GE(mixer.Play(once, 1, false), 0);
  EXPECT_LT(mixer.Play(once, 1, false), 0);  // its one slot is busy
  const std::vector<int16_t> out = Render(mixer, 1600);
  EXPECT_NE(out[700 * 2], 0);
  for (uint32_t i = 800; i < 1600; ++i) ASSERT_EQ(out[i * 2], 0) << i;
  EXPECT_GE(mixer.Play(once, 1, false), 0);
}

TEST(Mixer, BusySlotsAreTakenOverOnlyWhenAllowed) {
  const StereoPcm sound = Periodic(1000), other = Periodic(300);
  Mixer mixer(kRate);
  const int first = mixer.Play(Looping(sound), 2, true);
  const int second = mixer.Play(Looping(sound, 1, 500), 2, true);
  ASSERT_GE(first, 0);
  ASSERT_GE(second, 0);
  EXPECT_NE(first, second);
  EXPECT_EQ(mixer.Play(Looping(sound), 2, true), first);  // the longest playing
  EXPECT_EQ(mixer.Play(Looping(sound), 2, true), second);
  EXPECT_LT(mixer.Play(Looping(sound), 2, false), 0);
  // Other sounds have their own count, up to the voice limit.
  int played = 2;
  while (mixer.Play(Looping(other), 100, false) >= 0) ++played;
  EXPECT_EQ(played, Mixer::kVoiceCount);
}

TEST(Mixer, VolumeChangesAndPausingRampWithoutClicks) {
  StereoPcm loud;
  loud.samples.assign(2 * 4000, 30000);  // a constant: any step is a click
  Mixer mixer(kRate);
  ASSERT_GE(mixer.Play(Looping(loud), 1, false), 0);
  std::vector<int16_t> out = Render(mixer, 1000);
  EXPECT_EQ(out.back(), 30000);
  mixer.SetMasterGain(0.2f);
  out = Render(mixer, 1000);
  EXPECT_EQ(out.back(), 6000);
  const int perFrame = 30000 / int(kRampFrames) + 2;
  EXPECT_LE(MaxStep(out, 0), perFrame);
  EXPECT_FALSE(mixer.FadedOut());
  mixer.SetPaused(true);
  out = Render(mixer, 1000);
  EXPECT_LE(MaxStep(out, 0), perFrame);
  EXPECT_EQ(out.back(), 0);
  EXPECT_TRUE(mixer.FadedOut());
  mixer.SetPaused(false);
  EXPECT_FALSE(mixer.FadedOut());
  out = Render(mixer, 1000);
  EXPECT_EQ(out.back(), 6000);
}

}  // namespace
