// The default-settings text and the language table as they ship in
// resources/.
#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "settings/default_settings.h"
#include "settings/language_table.h"
#include "settings/recorded_messages.h"
#include "support/shipped_resources.h"

namespace {

bool EveryLineEndsInCrLf(const std::string& text) {
  if (text.size() < 2 || text.substr(text.size() - 2) != "\r\n") return false;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r')) return false;
    if (text[i] == '\r' && (i + 1 == text.size() || text[i + 1] != '\n')) return false;
  }
  return true;
}

TEST(ShippedDefaultSettings, ParsesWithoutMessagesIntoTheShippedValues) {
  std::string text = ShippedResource("def_settings.txt");
  ASSERT_FALSE(text.empty());
  EXPECT_TRUE(EveryLineEndsInCrLf(text));
  RecordedMessages messages;
  DefaultSettingsTable table;
  table.Parse(reinterpret_cast<const uint8_t*>(text.data()), text.size(), messages);
  Settings s;
  ApplyDefaults(s, table, messages);
  EXPECT_TRUE(messages.boxes.empty());
  EXPECT_EQ(s.Width, 800);
  EXPECT_EQ(s.Height, 600);
  EXPECT_EQ(s.Depth, 32);
  EXPECT_EQ(s.Volume, 75);
  EXPECT_EQ(s.Gamma, 50);
  EXPECT_EQ(s.TimeScale, 0);
  EXPECT_TRUE(s.EnableMusic && s.ShowClock && s.Hrs12 && s.DefGamma && s.WideScreen && s.UseDesktop &&
              s.Galaxy && s.FSAA);
  EXPECT_FALSE(s.MouseExit || s.ShowFPS);
  const std::pair<const char*, const char*> unread[] = {
      {"SFX", "true"}, {"ShowFlame", "true"}, {"VSync", "false"},
      {"MultiTexture", "false"}, {"ViewPortBottom", "0"}, {"ViewPortTop", "600"},
      {"ViewPortHeight", "800"}};
  for (auto [name, value] : unread) EXPECT_EQ(table.LookupDefault(name, messages), value) << name;
  std::string url = table.LookupDefault("main_web_site_url", messages);
  EXPECT_EQ(url.rfind("http://", 0), 0u) << url;
  EXPECT_TRUE(messages.boxes.empty());
  EXPECT_EQ(table.pairs().size(), 24u);  // every line but the two comment lines
}

TEST(ShippedLanguageTable, HoldsEveryDialogText) {
  std::string text = ShippedResource("language.txt");
  ASSERT_GT(text.size(), 3u);
  EXPECT_EQ(text.substr(0, 3), "\xEF\xBB\xBF");
  EXPECT_TRUE(EveryLineEndsInCrLf(text));
  LanguageTable table;
  table.Load(reinterpret_cast<const uint8_t*>(text.data()), text.size());
  EXPECT_LT(table.lineCount(), LanguageTable::MaxLines);
  const std::pair<const char*, const char*> texts[] = {
      {"screensaver_configuration", "Quorvan 3D Screensaver Configuration"},
      {"video_mode_selection", "Video Mode"}, {"use_desktop_settings", "Use Desktop Settings"},
      {"vsync", "VSync"}, {"sound_control", "Sound Control"}, {"enable_music", "Enable Music"},
      {"volume", "Volume"}, {"gamma_control", "Gamma Control:"}, {"brightness", "Brightness"},
      {"use_by_default", "Use Default Setting"}, {"products", "Products"},
      {"visit_our_official_web-site", "Visit our official web-site for more great 3D screensavers"},
      {"visit...", "Visit..."}, {"options", "Options"}, {"show_fps", "Show FPS"},
      {"show_time", "Show Time"}, {"24h_style", "24 hrs."}, {"12h_style", "12 hrs."},
      {"exit_on_mouse_move", "Exit on Mouse Move"}, {"scene_options", "Scene Options"},
      {"enable_galaxy_scenes", "Enable Galaxy Scenes"}, {"camera_speed", "Camera Speed"},
      {"speed_0", "Normal"}, {"speed_1", "Fast"}, {"speed_2", "Fastest"},
      {"wide_screen", "Wide Screen"}, {"about", "About"}, {"restore_defaults", "Restore Defaults"},
      {"ok", "OK"}, {"cancel", "Cancel"},
  };
  for (auto [key, expected] : texts) EXPECT_EQ(table.LookupText(key), expected) << key;
  EXPECT_EQ(table.AboutLine(0), "Quorvan 3D Screensaver");
  EXPECT_EQ(table.AboutLine(1), "");
  for (size_t i = 2; i < LanguageTable::AboutLineCount; ++i) {
    EXPECT_FALSE(table.AboutLine(i).empty()) << i;
    EXPECT_EQ(table.AboutLine(i).find('%'), std::string::npos);
  }
}

}  // namespace
