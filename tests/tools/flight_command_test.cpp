// qvtool simulate and render on a small archive of the test's own.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "support/flight_archive.h"
#include "tools/qvtool/commands.h"

namespace {

class FlightCommandTest : public ::testing::Test {
 protected:
  FlightCommandTest() {
    std::vector<uint8_t> bytes = FlightArchive();
    std::ofstream(archive, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), long(bytes.size()));
  }
  static int Run(int (*command)(int, char**), std::vector<std::string> args) {
    std::vector<char*> argv;
    for (std::string& a : args) argv.push_back(a.data());
    return command(int(argv.size()), argv.data());
  }
  std::string dir = std::string(QV_TEST_TMP_DIR);
  std::string archive = dir + "/flight_command.rar";
};

TEST_F(FlightCommandTest, SimulateWalksTheScenesOfTheSeed) {
  testing::internal::CaptureStdout();
  EXPECT_EQ(Run(RunSimulate, {"simulate", "--archive", archive, "--seed", "7", "--galaxy", "off", "--hours", "0.05"}), 0);
  std::string out = testing::internal::GetCapturedStdout();
  EXPECT_NE(out.find("galaxy\\scene"), std::string::npos) << out;
  EXPECT_NE(out.find("\thome\thome\\planet"), std::string::npos) << out;
  EXPECT_GE(std::count(out.begin(), out.end(), '\n'), 9);  // 180 s of 20-second scenes
}

TEST_F(FlightCommandTest, RenderWritesTheFramesAskedForAndStopsAtTheEndOfAScene) {
  std::string frame = dir + "/flight_command.png";
  std::filesystem::remove(frame);
  EXPECT_EQ(Run(RunRender, {"render", "--archive", archive, "--size", "96x64", "--world", "home", "--scene",
                            "planet1.txt", "--time", "2", "-o", frame}),
            0);
  EXPECT_GT(std::filesystem::file_size(frame), 96u * 64u * 3u);
  EXPECT_EQ(Run(RunRender, {"render", "--archive", archive, "--size", "96x64", "--world", "home", "--scene",
                            "planet1.txt", "--time", "25", "-o", frame}),
            1);  // the scene ends at 20 s
  EXPECT_EQ(Run(RunRender, {"render", "--archive", archive, "--size", "96x64", "--world", "home", "--scene",
                            "none.txt", "--time", "1", "-o", frame}),
            1);
}

// Each refusal names the argument and comes before any flight is run.
TEST_F(FlightCommandTest, BadArgumentsAreRefusedByName) {
  struct Case {
    int (*command)(int, char**);
    std::vector<std::string> args;
    const char* said;
  } cases[] = {
      {RunSimulate, {"simulate", "--timescale", "4"}, "TimeScale must be 0 to 3, not 4"},
      {RunSimulate, {"simulate", "--galaxy", "maybe"}, "--galaxy maybe is not a valid value"},
      {RunSimulate, {"simulate", "--hours", "abc"}, "--hours abc is not a valid value"},
      {RunSimulate, {"simulate", "--seed", "abc"}, "--seed abc is not a valid value"},
      {RunSimulate, {"simulate", "--seed", "-3"}, "--seed -3 is not a valid value"},
      {RunSimulate, {"simulate", "--bogus"}, "unknown option --bogus"},
      {RunSimulate, {"simulate", "--size", "96x64"}, "unknown option --size"},
      {RunSimulate, {"simulate", "--seed"}, "--seed needs a value"},
      {RunSimulate, {"simulate", "--set", "Gamma=900"}, "Gamma must be 0 to 100, not 900"},
      {RunSimulate, {"simulate", "--archive", "/nonexistent"}, "qvtool simulate: cannot read /nonexistent"},
      {RunRender, {"render", "--size", "99999x99999", "-o", "x.png"}, "--size 99999x99999 is not a valid value"},
      {RunRender, {"render", "--size", "96x64x", "-o", "x.png"}, "--size 96x64x is not a valid value"},
      {RunRender, {"render", "--time", "2,abc", "-o", "x.png"}, "--time 2,abc is not a valid value"},
      {RunRender, {"render", "--step", "5", "-o", "x.png"}, "--step 5 is not a valid value"},
      {RunRender, {"render", "-o", "/nonexistent/x.png"}, "cannot write /nonexistent/x.png"},
      {RunRender, {"render", "-o", "r7.gif"}, "-o r7.gif: a frame is written as .png, .bmp or .jpg"},
      {RunRender, {"render", "--sheet", "s.bmp"}, "--sheet s.bmp: the sheet is written as .png"},
  };
  for (Case& c : cases) {
    std::vector<char*> argv;
    for (std::string& a : c.args) argv.push_back(a.data());
    testing::internal::CaptureStderr();
    int status = c.command(int(argv.size()), argv.data());
    std::string err = testing::internal::GetCapturedStderr();
    EXPECT_EQ(status, 2) << c.args[1];
    EXPECT_NE(err.find(c.said), std::string::npos) << err;
  }
}

// -o's extension picks the format; --scene takes the path simulate prints.
TEST_F(FlightCommandTest, RenderWritesTheFormatItsNameAsksForAndTakesScenePaths) {
  const std::pair<std::string, std::vector<uint8_t>> formats[] = {
      {"png", {0x89, 'P', 'N', 'G'}}, {"bmp", {'B', 'M'}}, {"jpg", {0xFF, 0xD8, 0xFF}}};
  for (const auto& [ext, magic] : formats) {
    std::string frame = dir + "/flight_format." + ext;
    std::filesystem::remove(frame);
    ASSERT_EQ(Run(RunRender, {"render", "--archive", archive, "--size", "64x48", "--world", "home", "--scene",
                              "home\\planet1.txt", "--time", "1", "-o", frame}),
              0)
        << ext;
    std::ifstream in(frame, std::ios::binary);
    std::vector<uint8_t> head(magic.size());
    in.read(reinterpret_cast<char*>(head.data()), long(head.size()));
    EXPECT_EQ(head, magic) << ext;
  }
  // A path whose folder is not the world's scene folder names no scene of it.
  EXPECT_EQ(Run(RunRender, {"render", "--archive", archive, "--size", "64x48", "--world", "home", "--scene",
                            "blue_galaxy\\planet1.txt", "--time", "1", "-o", dir + "/flight_format.png"}),
            1);
}

}  // namespace
