#include "settings/file_settings_store.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "settings/display_settings.h"
#include "settings/settings_rules.h"
#include "settings/stored_settings.h"

namespace {

namespace fs = std::filesystem;

// A fresh folder per test under the build's test area.
class FileStoreTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const char* root = std::getenv("QV_TEST_TMP");
    folder_ = fs::path(root ? root : fs::temp_directory_path().string()) / "file_store" /
              ::testing::UnitTest::GetInstance()->current_test_info()->name();
    fs::remove_all(folder_);
    path_ = (folder_ / "quorvan3d" / "settings.conf").string();
  }
  void TearDown() override { fs::remove_all(folder_); }

  void WriteFile(const std::string& text) {
    fs::create_directories(fs::path(path_).parent_path());
    std::ofstream(path_, std::ios::binary) << text;
  }
  std::string ReadFile() {
    std::stringstream text;
    text << std::ifstream(path_, std::ios::binary).rdbuf();
    return text.str();
  }
  uint32_t Query(const char* name) {
    uint32_t value = 10000;
    FileSettingsStore store(path_);
    EXPECT_TRUE(store.Open(SettingsStore::Access::Read));
    store.Query(name, value);
    store.Close();
    return value;
  }

  fs::path folder_;
  std::string path_;
};

TEST_F(FileStoreTest, SettingsRoundTripThroughANewFile) {
  EXPECT_EQ(Query("Width"), 10000u);  // no file yet: nothing stored
  EXPECT_FALSE(fs::exists(path_));
  Settings saved;
  saved.Width = 1280;
  saved.Gamma = 64;
  saved.TimeScale = -1;  // the dialog's "no selection"
  saved.ShowFPS = true;
  FileSettingsStore store(path_);
  ASSERT_TRUE(SaveSettings(saved, store));
  EXPECT_FALSE(fs::exists(path_ + ".tmp"));
  Settings loaded;
  loaded.ShowClock = true;
  LoadSettings(loaded, store);
  EXPECT_EQ(loaded.Width, 1280);
  EXPECT_EQ(loaded.Gamma, 64);
  EXPECT_EQ(loaded.TimeScale, 0);
  EXPECT_TRUE(loaded.ShowFPS);
  EXPECT_FALSE(loaded.ShowClock);
  EXPECT_NE(ReadFile().find("\nTimeScale=-1\n"), std::string::npos);
  FileSettingsStore nowhere("");
  EXPECT_FALSE(nowhere.Open(SettingsStore::Access::Read));
}

TEST_F(FileStoreTest, HandEditedFilesAreReadLenientlyAndRewrittenWhole) {
  const std::string junk = "\x01\xff\xfe garbage without equals";
  WriteFile("# my settings\n  gamma = 60 \r\nVolume=loud\nVolume=40\nWidth=99999999999\n"
            "Height=-0\n" + junk + "\n;Depth=16\nShowFPS=1");
  EXPECT_EQ(Query("Gamma"), 60u);
  EXPECT_EQ(Query("Volume"), 40u);    // the first usable line counts
  EXPECT_EQ(Query("Width"), 10000u);  // does not fit 32 bits
  EXPECT_EQ(Query("Height"), 0u);
  EXPECT_EQ(Query("Depth"), 10000u);  // commented out
  EXPECT_EQ(Query("ShowFPS"), 1u);
  FileSettingsStore store(path_);
  ASSERT_TRUE(store.Open(SettingsStore::Access::Write));
  store.Write("Gamma", 70);
  store.Write("Volume", 55);
  store.Write("Depth", 24);
  ASSERT_TRUE(store.Close());
  EXPECT_EQ(ReadFile(), "# my settings\nGamma=70\nVolume=55\nVolume=40\nWidth=99999999999\nHeight=-0\n" +
                            junk + "\n;Depth=16\nShowFPS=1\nDepth=24\n");
}

TEST_F(FileStoreTest, FailedWriteReportsAndKeepsTheOldFile) {
  WriteFile("Gamma=10\n");
  FileSettingsStore store(path_);
  ASSERT_TRUE(store.Open(SettingsStore::Access::Write));
  store.Write("Gamma", 90);
  fs::create_directory(path_ + ".tmp");  // the temporary file cannot be made
  EXPECT_FALSE(store.Close());
  EXPECT_EQ(ReadFile(), "Gamma=10\n");
}

// Every stored value at an extreme, as text the store cannot take, or as a
// number too wide for 32 bits: the record that comes out is one the flight
// can run with, and the file is left as it was.
TEST_F(FileStoreTest, ExtremeValuesStillGiveAUsableRecord) {
  const char* extremes[] = {"-2147483648", "2147483647", "0", "abc", "99999999999", "4294967295"};
  for (const char* value : extremes) {
    std::string text;
    for (size_t i = 0; i < StoredSettingCount; ++i) text += std::string(StoredSettingName(i)) + "=" + value + "\n";
    WriteFile(text);
    Settings settings;
    FileSettingsStore store(path_);
    LoadSettings(settings, store);
    const DisplayMode desktop{1280, 1024, 32, 0, 0};
    ApplyDesktopMode(settings, &desktop);
    ViewAspect aspect;
    ApplyViewport(settings, aspect);
    EXPECT_TRUE(RuleOfStoredSetting("Gamma").Allows(settings.Gamma)) << value;
    EXPECT_TRUE(RuleOfStoredSetting("Volume").Allows(settings.Volume)) << value;
    EXPECT_TRUE(RuleOfStoredSetting("TimeScale").Allows(settings.TimeScale)) << value;
    EXPECT_TRUE(RuleOfStoredSetting("FrameLimit").Allows(settings.FrameLimit)) << value;
    EXPECT_TRUE(IsUsableDisplaySize(settings.Width, settings.Height)) << value;
    EXPECT_TRUE(IsUsableDepth(settings.Depth)) << value;
    EXPECT_GT(settings.ViewPortHeight, 0) << value;
    EXPECT_TRUE(std::isfinite(aspect.AspectRatio) && aspect.AspectRatio > 0.1f && aspect.AspectRatio < 10) << value;
    EXPECT_EQ(ReadFile(), text);
  }
}

TEST(SettingsFilePath, FollowsTheUsersConfigurationFolder) {
  std::string home = std::getenv("HOME") ? std::getenv("HOME") : "";
  const char* config = std::getenv("XDG_CONFIG_HOME");
  std::string savedConfig = config ? config : "";
  setenv("HOME", "/home/pilot", 1);
  setenv("XDG_CONFIG_HOME", "/tmp/cfg", 1);
  EXPECT_EQ(DefaultSettingsFilePath(), "/tmp/cfg/quorvan3d/settings.conf");
  setenv("XDG_CONFIG_HOME", "relative", 1);  // not absolute: ignored
  EXPECT_EQ(DefaultSettingsFilePath(), "/home/pilot/.config/quorvan3d/settings.conf");
  unsetenv("XDG_CONFIG_HOME");
  unsetenv("HOME");
  EXPECT_EQ(DefaultSettingsFilePath(), "");
  setenv("HOME", home.c_str(), 1);
  if (config) setenv("XDG_CONFIG_HOME", savedConfig.c_str(), 1);
}

}  // namespace
