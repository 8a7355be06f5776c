#include "host/music_player.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "assets/archive/archive_writer.h"
#include "base/debug_log.h"
#include "platform/headless/headless_platform.h"
#include "settings/memory_settings_store.h"
#include "support/fake_resources.h"

namespace {

// Records the library calls with their arguments, in order.
std::vector<std::string> calls;
uint32_t loadedSize = 0;

void Record(const std::string& call) { calls.push_back(call); }

AudioLibrary RecordingLibrary() {
  AudioLibrary a;
  a.Init = [](int32_t device, uint32_t frequency, uint32_t flags, void* window, const void* id) -> int32_t {
    Record("Init " + std::to_string(device) + " " + std::to_string(frequency) + " " + std::to_string(flags) +
           " " + std::to_string(reinterpret_cast<uintptr_t>(window)) + (id ? " id" : " -"));
    return 1;
  };
  a.Start = []() -> int32_t { Record("Start"); return 1; };
  a.GetVolume = []() -> int32_t { Record("GetVolume"); return 37; };
  a.SetVolume = [](uint32_t v) -> int32_t { Record("SetVolume " + std::to_string(v)); return 1; };
  a.SampleLoad = [](int32_t mem, const void*, uint32_t offset, uint32_t length, uint32_t max, uint32_t flags) -> uint32_t {
    loadedSize = length;
    Record("SampleLoad " + std::to_string(mem) + " " + std::to_string(offset) + " " + std::to_string(max) + " " +
           std::to_string(flags));
    return 9;
  };
  a.SamplePlayEx = [](uint32_t s, uint32_t start, int32_t f, int32_t v, int32_t pan, int32_t loop) -> uint32_t {
    Record("Play " + std::to_string(s) + " " + std::to_string(start) + " " + std::to_string(f) + " " +
           std::to_string(v) + " " + std::to_string(pan) + " " + std::to_string(loop));
    return 1;
  };
  a.Stop = []() -> int32_t { Record("Stop"); return 1; };
  a.Free = []() -> int32_t { Record("Free"); return 1; };
  return a;
}

class MusicPlayerTest : public ::testing::Test {
 protected:
  MusicPlayerTest() {
    calls.clear();
    ArchiveWriter writer;
    writer.AddStored("music.ogg", std::vector<uint8_t>(1234, 7));
    resources.SetArchive(writer.Finish());
  }
  FakeResources resources;
  MemorySettingsStore store;
  DebugLog debugLog;
};

TEST_F(MusicPlayerTest, PlaysTheTrackInALoopAndPutsTheVolumeBack) {
  HeadlessPlatform platform(resources, store, [](AudioLibrary& library) {
    library = RecordingLibrary();
    return true;
  });
  {
    MusicPlayer music(platform, resources.resources(), debugLog);
    ASSERT_TRUE(music.Start(100, 0x1234));
    EXPECT_EQ(loadedSize, 1234u);
    music.Stop();
    music.Stop();  // a second stop does nothing
  }
  std::vector<std::string> expected = {"Init 1 44100 0 4660 -", "Start",    "GetVolume",
                                       "SetVolume 100",         "SampleLoad 1 0 1 131072",
                                       "Play 9 0 -1 100 -101 1", "SetVolume 37", "Stop", "Free"};
  EXPECT_EQ(calls, expected);
}

TEST_F(MusicPlayerTest, AMissingLibraryIsLoggedAndReported) {
  HeadlessPlatform platform(resources, store);
  std::ostringstream log;
  debugLog.SetDestination(&log);
  MusicPlayer music(platform, resources.resources(), debugLog);
  EXPECT_FALSE(music.Start(75, 0));
  EXPECT_EQ(log.str(), "Error: Can't load BASS.DLL\n");
  EXPECT_TRUE(calls.empty());
}

}  // namespace
