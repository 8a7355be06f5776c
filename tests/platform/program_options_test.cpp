// The Linux program's command line: every option, every bad value, the
// daemon's window through XSCREENSAVER_WINDOW, and the option description
// that the screensaver's settings dialog builds command lines from.
#include "platform/sdl/program_options.h"

#include <gtest/gtest.h>

#include <fstream>
#include <regex>
#include <sstream>
#include <vector>

namespace {

ProgramOptions Parse(std::vector<const char*> args, const char* daemonWindow = nullptr) {
  args.insert(args.begin(), "quorvan3d");
  return ParseProgramOptions(int(args.size()), args.data(), daemonWindow);
}

std::vector<std::string> Words(const std::string& text) {
  std::istringstream in(text);
  std::vector<std::string> words;
  for (std::string word; in >> word;) words.push_back(word);
  return words;
}

ProgramOptions ParseWords(const std::vector<std::string>& words) {
  std::vector<const char*> args;
  for (const std::string& word : words) args.push_back(word.c_str());
  return Parse(args);
}

TEST(ProgramOptions, NoOptionIsTheFullScreenWithNothingOverridden) {
  ProgramOptions options = Parse({});
  EXPECT_TRUE(options.error.empty());
  EXPECT_EQ(options.target, DrawTarget::FullScreen);
  Settings settings;
  settings.ShowClock = settings.Hrs12 = settings.EnableMusic = settings.Galaxy = true;
  settings.Volume = 40;
  settings.TimeScale = 2;
  settings.FrameLimit = 30;
  Settings before = settings;
  ApplyOverrides(options, settings);
  EXPECT_EQ(settings.ShowClock, before.ShowClock);
  EXPECT_EQ(settings.Hrs12, before.Hrs12);
  EXPECT_EQ(settings.Volume, 40);
  EXPECT_EQ(settings.TimeScale, 2);
  EXPECT_EQ(settings.FrameLimit, 30);
}

TEST(ProgramOptions, EachOverrideSetsItsSetting) {
  Settings settings;
  settings.ShowClock = settings.Hrs12 = settings.EnableMusic = settings.Galaxy = true;
  ProgramOptions options = Parse({"--fps", "--no-clock", "--clock-24h", "--no-music", "--volume", "75",
                                  "--no-galaxy", "--camera-speed", "3", "--letterbox", "--frame-limit", "60"});
  ASSERT_TRUE(options.error.empty()) << options.error;
  ApplyOverrides(options, settings);
  EXPECT_TRUE(settings.ShowFPS);
  EXPECT_FALSE(settings.ShowClock);
  EXPECT_FALSE(settings.Hrs12);
  EXPECT_FALSE(settings.EnableMusic);
  EXPECT_EQ(settings.Volume, 75);
  EXPECT_FALSE(settings.Galaxy);
  EXPECT_EQ(settings.TimeScale, 3);
  EXPECT_TRUE(settings.WideScreen);
  EXPECT_EQ(settings.FrameLimit, 60);

  ApplyOverrides(Parse({"-no-letterbox", "-volume", "0", "-camera-speed", "0", "-frame-limit", "0"}), settings);
  EXPECT_FALSE(settings.WideScreen);
  EXPECT_EQ(settings.Volume, 0);
  EXPECT_EQ(settings.TimeScale, 0);
  EXPECT_EQ(settings.FrameLimit, 0);
  // The later of two contradicting options wins.
  ApplyOverrides(Parse({"--letterbox", "--no-letterbox", "--letterbox"}), settings);
  EXPECT_TRUE(settings.WideScreen);
}

TEST(ProgramOptions, HelpAndVersion) {
  EXPECT_TRUE(Parse({"--help"}).showHelp);
  EXPECT_TRUE(Parse({"-h"}).showHelp);
  EXPECT_TRUE(Parse({"--version"}).showVersion);
  // Asking for the help inside the daemon's environment still only prints it.
  EXPECT_EQ(Parse({"--version"}, "0x400001").target, DrawTarget::FullScreen);
  for (const char* option : {"--fps", "--no-clock", "--clock-24h", "--no-music", "--volume", "--no-galaxy",
                             "--camera-speed", "--letterbox", "--no-letterbox", "--frame-limit", "--window-id",
                             "--root", "--version"})
    EXPECT_NE(std::string(ProgramUsage()).find(option), std::string::npos) << option;
}

TEST(ProgramOptions, BadValuesAreRefusedWithTheirOptionNamed) {
  struct Case {
    std::vector<const char*> args;
    const char* named;
  };
  const Case cases[] = {
      {{"--volume", "101"}, "-volume"},          {{"--volume", "-1"}, "-volume"},
      {{"--volume", "5x"}, "-volume"},           {{"--volume", ""}, "-volume"},
      {{"--volume"}, "-volume needs a value"},   {{"--camera-speed", "4"}, "-camera-speed"},
      {{"--camera-speed", "1.5"}, "-camera-speed"}, {{"--frame-limit", "-5"}, "-frame-limit"},
      {{"--frame-limit", "99999999999999"}, "-frame-limit"}, {{"--frame-limit"}, "needs a value"},
      {{"--window", "100x100"}, "-window"},      {{"--window", "800x600x2"}, "-window"},
      {{"--window", "big"}, "-window"},          {{"--window-id", "zz"}, "-window-id"},
      {{"--window-id", "0"}, "-window-id"},      {{"--window-id", "0x"}, "-window-id"},
      {{"--window-id", "-12"}, "-window-id"},    {{"--window-id", "0x123456789"}, "-window-id"},
      {{"--window-id", " 12"}, "-window-id"},    {{"--window-id"}, "needs a value"},
      {{"--root", "--window-id", "12"}, "choose one"}, {{"--window", "800x600", "--root"}, "choose one"},
      {{"--fast"}, "unknown option '--fast'"},   {{"fps"}, "unknown option 'fps'"},
      {{"/s"}, "unknown option"},
  };
  for (const Case& c : cases) {
    ProgramOptions options = Parse(c.args);
    EXPECT_NE(options.error.find(c.named), std::string::npos) << c.args[0] << " gave '" << options.error << "'";
  }
}

TEST(ProgramOptions, WhereToDraw) {
  ProgramOptions window = Parse({"--window", "1280x720"});
  EXPECT_EQ(window.target, DrawTarget::Window);
  EXPECT_EQ(window.windowWidth, 1280);
  EXPECT_EQ(window.windowHeight, 720);

  ProgramOptions decimal = Parse({"--window-id", "4194305"});
  EXPECT_EQ(decimal.target, DrawTarget::ForeignWindow);
  EXPECT_EQ(decimal.windowId, 4194305u);
  EXPECT_EQ(Parse({"-window-id", "0x400001"}).windowId, 0x400001u);
  EXPECT_EQ(Parse({"--window-id", "0XFFFFFFFF"}).windowId, 0xFFFFFFFFu);
  EXPECT_EQ(Parse({"--root"}).target, DrawTarget::RootWindow);
  EXPECT_EQ(Parse({"-root"}).target, DrawTarget::RootWindow);
}

TEST(ProgramOptions, TheDaemonsWindowComesThroughTheEnvironment) {
  // Alone, or under --root (the daemon's own window stands for the root).
  for (const ProgramOptions& options : {Parse({"--fps"}, "0x1e00007"), Parse({"--root"}, "31457287")}) {
    EXPECT_EQ(options.target, DrawTarget::ForeignWindow);
    EXPECT_EQ(options.windowId, 0x1e00007u);
  }
  // An explicit window wins over it.
  EXPECT_EQ(Parse({"--window-id", "77"}, "0x1e00007").windowId, 77u);
  EXPECT_EQ(Parse({"--window", "800x600"}, "0x1e00007").target, DrawTarget::Window);
  // A value that names no window is an error, not a silent full screen.
  EXPECT_NE(Parse({}, "garbage").error.find("XSCREENSAVER_WINDOW"), std::string::npos);
  EXPECT_NE(Parse({"--root"}, "").error.find("XSCREENSAVER_WINDOW"), std::string::npos);
}

// Every command line the settings dialog can build from the description:
// each argument, numbers at both ends of their range, is one the program takes.
TEST(ScreensaverDescription, EveryArgumentItNamesIsAccepted) {
  std::ifstream in(QV_SHARE_DIR "/xscreensaver/config/quorvan3d.xml");
  ASSERT_TRUE(in) << "the option description is missing";
  std::stringstream text;
  text << in.rdbuf();
  std::string xml = text.str();
  EXPECT_NE(xml.find("<screensaver name=\"quorvan3d\" _label=\"Quorvan 3D\">"), std::string::npos);
  EXPECT_NE(xml.find("<_description>"), std::string::npos);

  const std::regex element("<(command|boolean|number|option)\\b([^>]*)>");
  const std::regex attribute("([-_a-z]+)=\"([^\"]*)\"");
  int arguments = 0;
  bool rootCommand = false;
  for (std::sregex_iterator e(xml.begin(), xml.end(), element), end; e != end; ++e) {
    std::map<std::string, std::string> attributes;
    std::string body = (*e)[2];
    for (std::sregex_iterator a(body.begin(), body.end(), attribute); a != end; ++a)
      attributes[(*a)[1]] = (*a)[2];
    if ((*e)[1] == "command") rootCommand = rootCommand || attributes["arg"] == "--root";
    for (const char* name : {"arg", "arg-set", "arg-unset"}) {
      if (!attributes.count(name)) continue;
      std::string arg = attributes[name];
      std::vector<std::string> values = {""};
      if (arg.find('%') != std::string::npos) values = {attributes["low"], attributes["high"], attributes["default"]};
      for (const std::string& value : values) {
        std::string line = std::regex_replace(arg, std::regex("%"), value);
        ProgramOptions options = ParseWords(Words(line));
        EXPECT_TRUE(options.error.empty()) << line << ": " << options.error;
        ++arguments;
      }
    }
  }
  EXPECT_TRUE(rootCommand);
  EXPECT_GE(arguments, 12);  // the command and one widget per option
}

}  // namespace
