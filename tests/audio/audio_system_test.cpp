#include "audio/core/audio_system.h"

#include <gtest/gtest.h>

#include "audio/audio_library.h"
#include "audio/audio_test_support.h"

namespace {

constexpr uint32_t kRate = 44100;

class AudioSystemTest : public ::testing::Test {
 protected:
  ThreadedTestOutput output;
  AudioSystem audio{output};
  const std::vector<uint8_t> track = EncodeSines(kRate, 0.5, {440, 660});
};

TEST_F(AudioSystemTest, EverythingBeforeInitFailsHarmlessly) {
  EXPECT_FALSE(audio.Stop());
  EXPECT_EQ(audio.LastError(), AudioError::NotInitialised);
  EXPECT_FALSE(audio.Start());
  EXPECT_FALSE(audio.Free());
  EXPECT_EQ(audio.SampleLoad(true, track.data(), 0, uint32_t(track.size()), 1, 0), 0u);
  EXPECT_EQ(audio.LastError(), AudioError::NotInitialised);
  EXPECT_EQ(audio.SamplePlayEx(1, 0, -1, 100, -101, true), 0u);
  EXPECT_EQ(output.opens, 0);
  EXPECT_EQ(output.closes, 0);
  // The output volume is kept even without a device.
  EXPECT_EQ(audio.GetVolume(), 100);
  EXPECT_TRUE(audio.SetVolume(40));
  EXPECT_EQ(audio.GetVolume(), 40);
  EXPECT_TRUE(audio.SetVolume(250));
  EXPECT_EQ(audio.GetVolume(), 100);
}

TEST_F(AudioSystemTest, InitFailsCleanlyWithoutADevice) {
  output.hasDevice = false;
  EXPECT_FALSE(audio.Init(1, kRate));
  EXPECT_EQ(audio.LastError(), AudioError::Device);
  EXPECT_EQ(audio.SampleLoad(true, track.data(), 0, uint32_t(track.size()), 1, 0), 0u);
  EXPECT_FALSE(audio.Stop());
  EXPECT_FALSE(audio.Free());
  output.hasDevice = true;
  EXPECT_TRUE(audio.Init(1, kRate));
}

TEST_F(AudioSystemTest, RefusesBadInitArguments) {
  EXPECT_FALSE(audio.Init(3, kRate));
  EXPECT_EQ(audio.LastError(), AudioError::Device);
  EXPECT_FALSE(audio.Init(1, 0));
  EXPECT_EQ(audio.LastError(), AudioError::Parameter);
  EXPECT_EQ(output.opens, 0);
  ASSERT_TRUE(audio.Init(-1, kRate));
  EXPECT_FALSE(audio.Init(1, kRate));
  EXPECT_EQ(audio.LastError(), AudioError::AlreadyInitialised);
  EXPECT_EQ(output.opens, 1);
}

TEST_F(AudioSystemTest, SampleLoadRefusesBadBuffersWithAReason) {
  ASSERT_TRUE(audio.Init(1, kRate));
  EXPECT_EQ(audio.SampleLoad(true, track.data(), 0, 0, 1, 0), 0u);
  EXPECT_EQ(audio.LastError(), AudioError::Parameter);
  EXPECT_EQ(audio.SampleLoad(true, nullptr, 0, 100, 1, 0), 0u);
  EXPECT_EQ(audio.SampleLoad(true, track.data(), 0, uint32_t(track.size()), 0, 0), 0u);
  EXPECT_EQ(audio.SampleLoad(false, "music.ogg", 0, 0, 1, 0), 0u);
  EXPECT_EQ(audio.LastError(), AudioError::Unsupported);
  EXPECT_EQ(audio.SampleLoad(true, track.data(), 0, uint32_t(track.size()) - 100, 1, 0), 0u);
  EXPECT_EQ(audio.LastError(), AudioError::Format);
  EXPECT_EQ(audio.SampleLoad(true, track.data(), 1, uint32_t(track.size()) - 1, 1, 0), 0u);
  EXPECT_EQ(audio.LastError(), AudioError::Format);
  // The offset is honoured: the same file behind a prefix loads.
  std::vector<uint8_t> prefixed(16, 0xEE);
  prefixed.insert(prefixed.end(), track.begin(), track.end());
  EXPECT_NE(audio.SampleLoad(true, prefixed.data(), 16, uint32_t(track.size()), 1, 0), 0u);
  EXPECT_EQ(audio.LastError(), AudioError::None);
}

TEST_F(AudioSystemTest, SamplePlayExChecksItsArguments) {
  ASSERT_TRUE(audio.Init(1, kRate));
  const uint32_t sample = audio.SampleLoad(true, track.data(), 0, uint32_t(track.size()), 1, 0);
  ASSERT_NE(sample, 0u);
  EXPECT_EQ(audio.SamplePlayEx(sample + 1, 0, -1, 100, -101, true), 0u);
  EXPECT_EQ(audio.LastError(), AudioError::Handle);
  EXPECT_EQ(audio.SamplePlayEx(0, 0, -1, 100, -101, true), 0u);
  EXPECT_EQ(audio.SamplePlayEx(sample, 0, 22050, 100, -101, true), 0u);
  EXPECT_EQ(audio.LastError(), AudioError::Unsupported);
  EXPECT_EQ(audio.SamplePlayEx(sample, 22050, -1, 100, -101, true), 0u);  // past the end
  EXPECT_EQ(audio.LastError(), AudioError::Parameter);
  EXPECT_NE(audio.SamplePlayEx(sample, 0, -1, 100, -101, true), 0u);
  // One playback at a time, and no take-over without the flag.
  EXPECT_EQ(audio.SamplePlayEx(sample, 0, -1, 100, -101, true), 0u);
  EXPECT_EQ(audio.LastError(), AudioError::NoVoice);
  const uint32_t overriding =
      audio.SampleLoad(true, track.data(), 0, uint32_t(track.size()), 1, kSampleOverrideLongest);
  EXPECT_NE(audio.SamplePlayEx(overriding, 0, -1, 100, -101, true), 0u);
  EXPECT_NE(audio.SamplePlayEx(overriding, 0, -1, 100, -101, true), 0u);
}

double Rms(const std::vector<int16_t>& pcm, size_t firstFrame, size_t frames, int channel) {
  double sum = 0;
  for (size_t i = firstFrame; i < firstFrame + frames; ++i) sum += double(pcm[i * 2 + channel]) * pcm[i * 2 + channel];
  return std::sqrt(sum / double(frames));
}

// The host's sequence: the setting is used as the output volume and as the
// sample's playback volume; the saved output volume is back at the end.
TEST_F(AudioSystemTest, HostSequencePlaysAtTheSquaredSettingAndRestoresTheVolume) {
  ASSERT_TRUE(audio.Init(1, kRate));
  EXPECT_TRUE(audio.Start());
  const int32_t saved = audio.GetVolume();
  EXPECT_TRUE(audio.SetVolume(50));
  const uint32_t sample =
      audio.SampleLoad(true, track.data(), 0, uint32_t(track.size()), 1, kSampleOverrideLongest);
  ASSERT_NE(sample, 0u);
  const size_t before = output.Rendered().size() / 2;
  ASSERT_NE(audio.SamplePlayEx(sample, 0, -1, 50, -101, true), 0u);
  output.WaitFor(before + 3 * 22050);  // three times round the loop
  const std::vector<int16_t> out = output.Rendered();
  // The sines have amplitude 0.5; at 50 x 50 they come out at an eighth.
  const double expected = 32767 * 0.5 * 0.25 / std::sqrt(2.0);
  EXPECT_NEAR(Rms(out, before + 2000, 40000, 0), expected, expected * 0.05);
  EXPECT_NEAR(Rms(out, before + 2000, 40000, 1), expected, expected * 0.05);
  EXPECT_TRUE(audio.SetVolume(uint32_t(saved)));
  EXPECT_TRUE(audio.Stop());
  EXPECT_EQ(output.Rendered().back(), 0);  // faded out before the output halted
  std::this_thread::sleep_for(std::chrono::milliseconds(10));  // a block in flight lands
  const size_t stopped = output.Rendered().size();
  std::this_thread::sleep_for(std::chrono::milliseconds(20));
  EXPECT_EQ(output.Rendered().size(), stopped);
  EXPECT_TRUE(audio.Free());
  EXPECT_EQ(output.closes, 1);
  EXPECT_EQ(audio.GetVolume(), saved);
  EXPECT_FALSE(audio.Free());
}

TEST_F(AudioSystemTest, PanSendsASampleToOneSide) {
  ASSERT_TRUE(audio.Init(1, kRate));
  const uint32_t sample = audio.SampleLoad(true, track.data(), 0, uint32_t(track.size()), 1, 0);
  const size_t before = output.Rendered().size() / 2;
  ASSERT_NE(audio.SamplePlayEx(sample, 0, -1, 100, 100, true), 0u);
  output.WaitFor(before + 10000);
  const std::vector<int16_t> out = output.Rendered();
  EXPECT_EQ(Rms(out, before + 1000, 8000, 0), 0.0);
  EXPECT_GT(Rms(out, before + 1000, 8000, 1), 10000.0);
}

TEST_F(AudioSystemTest, FreeReleasesSamplesAndAllowsANewStart) {
  ASSERT_TRUE(audio.Init(1, kRate));
  ASSERT_EQ(audio.SampleLoad(true, track.data(), 0, uint32_t(track.size()), 1, 0), 1u);
  ASSERT_TRUE(audio.Free());
  ASSERT_TRUE(audio.Init(1, kRate));
  EXPECT_EQ(audio.SamplePlayEx(1, 0, -1, 100, -101, true), 0u);
  EXPECT_EQ(audio.LastError(), AudioError::Handle);
  EXPECT_EQ(output.opens, 2);
}

}  // namespace
