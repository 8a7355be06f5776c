#include "settings/default_settings.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "settings/recorded_messages.h"

namespace {

// "неправильный формат файла def_settings.txt" and "Не найден параметр в
// файле def_settings.txt" in Windows-1251.
const std::string MalformedText =
    "\xED\xE5\xEF\xF0\xE0\xE2\xE8\xEB\xFC\xED\xFB\xE9 \xF4\xEE\xF0\xEC\xE0\xF2 \xF4\xE0\xE9\xEB\xE0 "
    "def_settings.txt";
const std::string MissingText =
    "\xCD\xE5 \xED\xE0\xE9\xE4\xE5\xED \xEF\xE0\xF0\xE0\xEC\xE5\xF2\xF0 \xE2 \xF4\xE0\xE9\xEB\xE5 "
    "def_settings.txt";

struct Parsed {
  DefaultSettingsTable table;
  RecordedMessages messages;
  explicit Parsed(const std::string& text) {
    table.Parse(reinterpret_cast<const uint8_t*>(text.data()), text.size(), messages);
  }
  std::string Lookup(const char* name) { return table.LookupDefault(name, messages); }
  int32_t Int(const char* name) { return table.ReadDefaultInt(name, messages); }
};

TEST(DefaultSettingsText, BlanksCommentsAndHighBytesAreRemoved) {
  Parsed p("Music = TRUE ; \xEC\xF3\xE7\xFB\xEA\xE0\r\n"  // a Cyrillic comment
           "GammControl\t=\t100;\t\xFF\x80\r\n"
           "M\xC0W\x01=8\x7F" "0\r\n"                   // 0x7F is above 32
           "\t ;only a comment\r\n\r\n"
           "url=http://a.example/x=y\r\n");
  EXPECT_TRUE(p.messages.boxes.empty());
  ASSERT_EQ(p.table.pairs().size(), 4u);
  EXPECT_EQ(p.table.pairs()[0].value, "TRUE");  // stored as written
  EXPECT_EQ(p.Lookup("music"), "true");
  EXPECT_EQ(p.Int("MUSIC"), 1);
  EXPECT_EQ(p.Int("GammControl"), 100);
  EXPECT_EQ(p.Lookup("mw"), "8\x7F" "0");
  EXPECT_EQ(p.Lookup("url"), "http://a.example/x=y");
}

TEST(DefaultSettingsText, OnlyCarriageReturnsEndLines) {
  Parsed cr("A=1\rB=2\r");
  EXPECT_EQ(cr.table.pairs().size(), 2u);
  EXPECT_EQ(cr.Lookup("b"), "2");
  // Bare LFs vanish with the blanks: one long line, cut at its first ";".
  Parsed lf("A=1;\nB=2;\nC=3;\n");
  ASSERT_EQ(lf.table.pairs().size(), 1u);
  EXPECT_EQ(lf.Lookup("a"), "1");
  EXPECT_EQ(Parsed("A=1\r\n\nB=2").table.pairs().size(), 2u);  // a lone LF, no last line end
}

TEST(DefaultSettingsText, NumbersFollowTheLeadingIntegerRule) {
  Parsed p("a=12abc\rb=abc\rc=-7\rd=+5\re=FALSE\rf=99999999999\rg=-99999999999\rh=\rMW=800\rmw=1\r");
  const std::pair<const char*, int32_t> expected[] = {{"a", 12}, {"b", 0}, {"c", -7}, {"d", 5},
                                                      {"e", 0}, {"f", INT32_MAX}, {"g", INT32_MIN},
                                                      {"h", 0}, {"Mw", 800}};  // first duplicate
  for (auto [name, value] : expected) EXPECT_EQ(p.Int(name), value) << name;
  EXPECT_TRUE(p.messages.boxes.empty());
}

TEST(DefaultSettingsText, MessageBoxesForAMissingEqualsAndAMissingName) {
  Parsed p("Broken Line;x\rA=1\r");
  ASSERT_EQ(p.messages.boxes.size(), 1u);
  EXPECT_EQ(p.messages.boxes[0].text, MalformedText);
  EXPECT_EQ(p.messages.boxes[0].caption, "");
  EXPECT_EQ(p.Lookup("brokenline"), "brokenline");  // kept as name and value
  EXPECT_EQ(p.Lookup("Main_Web_Site_URL"), "");
  ASSERT_EQ(p.messages.boxes.size(), 2u);
  EXPECT_EQ(p.messages.boxes[1].text, MissingText);
  EXPECT_EQ(p.messages.boxes[1].caption, "main_web_site_url");
}

TEST(DefaultSettingsText, TableHoldsAHundredPairsAndDropsTheRest) {
  std::string text;
  for (int i = 0; i < 150; ++i) text += "n" + std::to_string(i) + (i < 120 ? "=1\r" : "\r");
  Parsed p(text);
  EXPECT_EQ(p.table.pairs().size(), DefaultSettingsTable::Capacity);
  EXPECT_EQ(p.table.pairs().back().name, "n99");
  EXPECT_TRUE(p.messages.boxes.empty());  // the malformed lines were past the table
}

TEST(ApplyDefaults, EachNameReachesItsFieldByItsRule) {
  Parsed p("MW=1024\rMH=768\rMBitCount=16\rMusic=true\rMusicVolume=30\rShowTime=0\r"
           "DigClock_24H=false\rGammControl=80\rDefGamma=false\rWideScreen=2\r"
           "ExitOnMouseMove=true\rShowFPS=true\rUseDktpSet=false\rGalaxyScene=false\rTimeScale=2\r");
  Settings s;
  s.ShowClock = s.Hrs12 = s.DefGamma = s.UseDesktop = s.Galaxy = s.VSync = true;
  s.ViewPortTop = 77;
  Settings defaults = MakeDefaultSettings(s, p.table, p.messages);
  ApplyDefaults(s, p.table, p.messages);
  EXPECT_TRUE(p.messages.boxes.empty());
  for (const Settings& r : {s, defaults}) {
    EXPECT_EQ(r.Width, 1024);
    EXPECT_EQ(r.Height, 768);
    EXPECT_EQ(r.Depth, 16);
    EXPECT_EQ(r.Volume, 30);
    EXPECT_EQ(r.Gamma, 30);
    EXPECT_EQ(r.TimeScale, 2);
    EXPECT_TRUE(r.EnableMusic && r.WideScreen && r.MouseExit && r.ShowFPS);
    EXPECT_FALSE(r.ShowClock || r.Hrs12 || r.DefGamma || r.UseDesktop || r.Galaxy);
    EXPECT_TRUE(r.VSync);  // not covered: kept
    EXPECT_TRUE(r.FSAA);   // a text without the name: on, and no box
    EXPECT_EQ(r.ViewPortTop, 77);
  }
}

TEST(ApplyDefaults, AntiAliasingIsSwitchedByItsName) {
  for (auto [text, on] : {std::pair{"fsaa=0\r", false}, {"FSAA=1\r", true}, {"Fsaa=false\r", false}}) {
    Parsed p(text);
    Settings s;
    ApplyDefaults(s, p.table, p.messages);
    EXPECT_EQ(s.FSAA, on) << text;
  }
}

TEST(ApplyDefaults, OutOfRangeDefaultsAreClamped) {
  Parsed p("GammControl=250\rMusicVolume=-4\rTimeScale=9\r");
  Settings s;
  ApplyDefaults(s, p.table, p.messages);
  EXPECT_EQ(s.Gamma, 100);
  EXPECT_EQ(s.Volume, 0);
  EXPECT_EQ(s.TimeScale, 0);
  Parsed lowest("GammControl=-99999999999\r");
  ApplyDefaults(s, lowest.table, lowest.messages);
  EXPECT_EQ(s.Gamma, 0);
}

}  // namespace
