#include "host/command_line.h"

#include <gtest/gtest.h>

namespace {

void ExpectMode(const char* text, RunMode mode, uint32_t parent) {
  CommandLine c = ParseCommandLine(text);
  EXPECT_EQ(c.mode, mode) << text;
  EXPECT_EQ(c.parentWindow, parent) << text;
}

TEST(CommandLine, NoSwitchOpensTheConfigurationWithoutOwner) {
  ExpectMode("quorvan3d.scr", RunMode::Configure, 0);
  ExpectMode("\"C:\\Program Files\\quorvan3d.scr\"", RunMode::Configure, 0);
  ExpectMode("", RunMode::Configure, 0);
}

TEST(CommandLine, ConfigureAndPreviewTakeTheWindowNumber) {
  ExpectMode("q.scr /c:1234", RunMode::Configure, 1234);
  ExpectMode("q.scr -c 1234", RunMode::Configure, 1234);
  ExpectMode("q.scr /c", RunMode::Configure, 0);
  ExpectMode("q.scr /p 5678", RunMode::Preview, 5678);
  ExpectMode("q.scr /P5678", RunMode::Preview, 5678);
  ExpectMode("q.scr /p", RunMode::Preview, 0);
}

TEST(CommandLine, EveryOtherLetterRunsTheSaver) {
  ExpectMode("q.scr /s", RunMode::Saver, 0);
  ExpectMode("q.scr /S 99", RunMode::Saver, 0);
  ExpectMode("q.scr /a", RunMode::Saver, 0);
  ExpectMode("q.scr -x", RunMode::Saver, 0);
  ExpectMode("q.scr /t", RunMode::Test, 0);
  ExpectMode("q.scr /T", RunMode::Test, 0);
  ExpectMode("q.scr /", RunMode::Saver, 0);  // a trailing slash is read no further
}

TEST(CommandLine, SlashesInTheProgramNameAreNoSwitch) {
  ExpectMode("\"C:/my-savers/q.scr\"", RunMode::Configure, 0);
  ExpectMode("\"C:/my-savers/q.scr\" /p 42", RunMode::Preview, 42);
  ExpectMode("C:/savers/q-3d.scr /s", RunMode::Saver, 0);
}

}  // namespace
