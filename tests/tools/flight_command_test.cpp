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

}  // namespace
