// End to end through the linked-in library and SDL's file-writing audio
// driver, in the host's order of calls.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "audio/audio_library.h"
#include "audio/audio_test_support.h"

namespace {

TEST(SdlOutput, PlaysTheLoopedSampleIntoTheDevice) {
  const char* tmp = std::getenv("QV_TEST_TMP");
  const std::filesystem::path dir = std::filesystem::path(tmp ? tmp : "/tmp") / "sdl_output_test";
  std::filesystem::create_directories(dir);
  const std::filesystem::path file = dir / "device.raw";
  std::filesystem::remove(file);
  setenv("SDL_AUDIODRIVER", "disk", 1);
  setenv("SDL_DISKAUDIOFILE", file.c_str(), 1);

  AudioLibrary library;
  FillLinkedAudioLibrary(library);
  ASSERT_TRUE(library.Init(1, 44100, 0, nullptr, nullptr)) << library.ErrorGetCode();
  EXPECT_TRUE(library.Start());
  const int32_t saved = library.GetVolume();
  EXPECT_TRUE(library.SetVolume(80));
  const std::vector<uint8_t> track = EncodeSines(44100, 0.2, {440, 660});
  const uint32_t sample =
      library.SampleLoad(1, track.data(), 0, uint32_t(track.size()), 1, kSampleOverrideLongest);
  ASSERT_NE(sample, 0u) << library.ErrorGetCode();
  EXPECT_NE(library.SamplePlayEx(sample, 0, -1, 80, -101, 1), 0u);
  std::this_thread::sleep_for(std::chrono::milliseconds(600));  // three loops
  EXPECT_TRUE(library.SetVolume(uint32_t(saved)));
  EXPECT_TRUE(library.Stop());
  EXPECT_TRUE(library.Free());
  EXPECT_EQ(library.GetVolume(), saved);

  std::ifstream in(file, std::ios::binary);
  std::vector<int16_t> written;
  int16_t frame[2];
  while (in.read(reinterpret_cast<char*>(frame), sizeof frame)) written.insert(written.end(), frame, frame + 2);
  ASSERT_GT(written.size() / 2, 44100u / 4);
  // A quarter second of sound at 0.5 x 0.8 x 0.8 peaks near 10500 on both sides.
  int peakLeft = 0, peakRight = 0;
  for (size_t i = 0; i < written.size(); i += 2) {
    peakLeft = std::max(peakLeft, std::abs(int(written[i])));
    peakRight = std::max(peakRight, std::abs(int(written[i + 1])));
  }
  EXPECT_NEAR(peakLeft, 10486, 1200);
  EXPECT_NEAR(peakRight, 10486, 1200);
}

}  // namespace
