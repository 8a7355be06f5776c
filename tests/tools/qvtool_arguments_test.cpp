// qvtool's commands refuse bad arguments and bad files: a message naming
// what is wrong and a non-zero exit, never a silent success, and nothing
// stored or written on the way.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "assets/archive/archive_writer.h"
#include "tools/common/file_bytes.h"
#include "tools/common/jpeg_writer.h"
#include "tools/qvtool/commands.h"

namespace {

namespace fs = std::filesystem;

struct Outcome {
  int status;
  std::string err;
};

Outcome RunCommand(int (*command)(int, char**), std::vector<std::string> args) {
  std::vector<char*> argv;
  for (std::string& a : args) argv.push_back(a.data());
  testing::internal::CaptureStderr();
  testing::internal::CaptureStdout();
  int status = command(int(argv.size()), argv.data());
  testing::internal::GetCapturedStdout();
  return {status, testing::internal::GetCapturedStderr()};
}

class QvtoolArguments : public ::testing::Test {
 protected:
  void SetUp() override {
    fs::remove_all(dir);
    fs::create_directories(dir);
    const char* config = std::getenv("XDG_CONFIG_HOME");
    savedConfig = config ? config : "";
    setenv("XDG_CONFIG_HOME", dir.c_str(), 1);
  }
  void TearDown() override {
    if (savedConfig.empty()) unsetenv("XDG_CONFIG_HOME");
    else setenv("XDG_CONFIG_HOME", savedConfig.c_str(), 1);
  }
  std::string File(const std::string& name, const std::vector<uint8_t>& bytes) {
    std::string path = dir + "/" + name;
    EXPECT_TRUE(WriteFileBytes(path, bytes));
    return path;
  }

  std::string dir = std::string(QV_TEST_TMP_DIR) + "/qvtool_arguments";
  std::string settingsFile = dir + "/quorvan3d/settings.conf";
  std::string savedConfig;
};

TEST_F(QvtoolArguments, SettingsSetStoresOnlyValuesTheFlightTakes) {
  struct Case {
    const char *name, *value, *range;
  } refused[] = {
      {"Gamma", "900", "0 to 100"}, {"Volume", "1000", "0 to 100"}, {"TimeScale", "9", "0 to 3"},
      {"TimeScale", "-1", "0 to 3"}, {"Width", "5", "320 to 16384"}, {"Height", "99999", "200 to 16384"},
      {"Depth", "17", "16, 24 or 32"}, {"ShowFPS", "7", "0 to 1"}, {"gamma", "-2147483648", "0 to 100"},
  };
  for (const Case& c : refused) {
    Outcome out = RunCommand(RunSettings, {"settings", "set", c.name, c.value});
    EXPECT_EQ(out.status, 2) << c.name << " " << c.value;
    EXPECT_NE(out.err.find(std::string("must be ") + c.range), std::string::npos) << out.err;
    EXPECT_FALSE(fs::exists(settingsFile)) << c.name << " " << c.value;
  }
  EXPECT_EQ(RunCommand(RunSettings, {"settings", "set", "Gamma", "100"}).status, 0);
  EXPECT_EQ(RunCommand(RunSettings, {"settings", "set", "Depth", "24"}).status, 0);
  EXPECT_EQ(RunCommand(RunSettings, {"settings", "set", "Gamma", "101"}).status, 2);
  std::string stored = ReadFileText(settingsFile).value_or("");
  EXPECT_EQ(stored.substr(stored.find('\n') + 1), "Gamma=100\nDepth=24\n") << stored;  // after the header line
}

TEST_F(QvtoolArguments, DamagedJpegIsReportedAndGarbageTextsAreRefused) {
  std::vector<uint8_t> rgb(64 * 48 * 3);
  for (size_t i = 0; i < rgb.size(); ++i) rgb[i] = uint8_t(i * 7);
  std::vector<uint8_t> jpeg = EncodeJpeg(64, 48, rgb, 90);
  EXPECT_EQ(RunCommand(RunImage, {"image", File("whole.jpg", jpeg)}).status, 0);
  jpeg.resize(jpeg.size() / 4);
  Outcome cut = RunCommand(RunImage, {"image", File("cut.jpg", jpeg)});
  EXPECT_EQ(cut.status, 1);
  EXPECT_NE(cut.err.find("damaged: Premature end of JPEG file"), std::string::npos) << cut.err;

  std::vector<uint8_t> garbage;
  for (int i = 0; i < 3000; ++i) garbage.push_back(uint8_t(i * 131 + (i >> 3)));
  std::string bin = File("garbage.bin", garbage);
  Outcome defaults = RunCommand(RunDefaults, {"defaults", bin});
  EXPECT_EQ(defaults.status, 1);
  EXPECT_NE(defaults.err.find("not a default-settings text"), std::string::npos) << defaults.err;
  EXPECT_EQ(RunCommand(RunDefaults, {"defaults", File("ok.txt", {'a', '=', '1', '\r'})}).status, 0);
  Outcome about = RunCommand(RunText, {"text", bin, "--about"});
  EXPECT_EQ(about.status, 1);
  EXPECT_NE(about.err.find("no About text"), std::string::npos) << about.err;
}

TEST_F(QvtoolArguments, ArchiveListNamesWhyAMemberIsBad) {
  ArchiveWriter writer;
  writer.AddStored("m", {'h', 'e', 'l', 'l', 'o', '\n'});
  std::vector<uint8_t> archive = writer.Finish();
  for (size_t at : {27u, 31u}) archive[at] = archive[at + 1] = archive[at + 2] = archive[at + 3] = 0xFF;
  Outcome list = RunCommand(RunArchive, {"archive", "list", File("hostile.rar", archive)});
  EXPECT_EQ(list.status, 1);
  EXPECT_NE(list.err.find("m: Packed size of 4294967295 bytes goes past the end of the archive!"), std::string::npos)
      << list.err;
}

}  // namespace
