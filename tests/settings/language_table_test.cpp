#include "settings/language_table.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

LanguageTable Loaded(const std::string& text) {
  LanguageTable table;
  table.Load(reinterpret_cast<const uint8_t*>(text.data()), text.size());
  return table;
}

const std::string Sample =
    "---------- Dialog ----------\r\n"
    "#Camera_Speed#\r\nCamera Speed\r\n"
    "#volume#\r\nVolume\r\n"
    "#about_window_text#\r\nA%%B\r\n"
    "#padded# \r\nPadded\r\n"
    "#ok#\r\nFirst\r\n"
    "#OK#\r\nSecond\r\n"
    "#last_key#\r\n";

TEST(LanguageTable, ByteOrderMarkAndLineEndsReadAlike) {
  LanguageTable plain = Loaded(Sample);
  LanguageTable marked = Loaded("\xEF\xBB\xBF" + Sample);
  std::string lf = Sample;
  for (size_t at; (at = lf.find("\r\n")) != std::string::npos;) lf.erase(at, 1);
  LanguageTable bare = Loaded(lf);
  for (const LanguageTable* table : {&plain, &marked, &bare}) {
    EXPECT_EQ(table->lineCount(), 14u);
    EXPECT_EQ(table->LookupText("camera_speed"), "Camera Speed");
    EXPECT_EQ(table->LookupText("volume"), "Volume");
  }
}

TEST(LanguageTable, KeysMatchWithoutCaseAndByTheLengthRule) {
  LanguageTable table = Loaded(Sample);
  EXPECT_EQ(table.LookupText("CAMERA_SPEED"), "Camera Speed");
  EXPECT_EQ(table.LookupText("Camera_Speed"), "Camera Speed");
  EXPECT_EQ(table.LookupText("camera"), "");   // a prefix of the key only
  EXPECT_EQ(table.LookupText("about"), "");    // "#about_window_text#" is too long
  EXPECT_EQ(table.LookupText("padded"), "");   // a trailing blank makes three extra
  EXPECT_EQ(table.LookupText("ok"), "First");  // the first entry counts
  EXPECT_EQ(table.LookupText("last_key"), "");  // no text line after it
  EXPECT_EQ(table.LookupText("missing"), "");
}

TEST(LanguageTable, TextsKeepTheLowByteOfEachCharacter) {
  // U+00E9 (two bytes) survives; U+20AC (three bytes) keeps only 0xAC.
  LanguageTable table = Loaded("#k#\n\xC3\xA9t\xE2\x82\xAC\n");
  EXPECT_EQ(table.LookupText("k"), "\xE9t\xAC");
}

TEST(LanguageTable, UndecodableBytesAreSkippedWithoutReadingPastTheEnd) {
  LanguageTable stray = Loaded("#k#\nA\x80" "B\xBF" "C\xF0" "D\xFF" "E\n");
  EXPECT_EQ(stray.LookupText("k"), "ABCDE");
  // Sequences cut short by the end of the data.
  for (const char* tail : {"\xE2\x82", "\xE2", "\xC3", "\xEF\xBB"}) {
    std::string text = std::string("#k#\nok") + tail;
    std::vector<uint8_t> bytes(text.begin(), text.end());  // nothing after the cut
    LanguageTable table;
    table.Load(bytes.data(), bytes.size());
    EXPECT_EQ(table.LookupText("k"), "ok") << int(uint8_t(tail[0]));
  }
}

TEST(LanguageTable, HoldsTwoHundredLines) {
  std::string text;
  for (int i = 0; i < 198; ++i) text += "line\r\n";
  text += "#inside#\r\nIn\r\n#outside#\r\nOut\r\n";
  LanguageTable table = Loaded(text);
  EXPECT_EQ(table.lineCount(), LanguageTable::MaxLines);
  EXPECT_EQ(table.LookupText("inside"), "In");
  EXPECT_EQ(table.LookupText("outside"), "");
}

TEST(LanguageTable, AboutTextSplitsIntoSevenLines) {
  LanguageTable table = Loaded(Sample);
  const char* expected[] = {"A", "", "B", "", "", "", ""};
  for (size_t i = 0; i < LanguageTable::AboutLineCount; ++i) EXPECT_EQ(table.AboutLine(i), expected[i]);
  // Text after the seventh line is dropped.
  LanguageTable many = Loaded("#about_window_text#\n1%2%3%4%5%6%7%8%9\n");
  EXPECT_EQ(many.AboutLine(0), "1");
  EXPECT_EQ(many.AboutLine(6), "7");
  // Reloading starts the About lines afresh.
  many.Load(nullptr, 0);
  EXPECT_EQ(many.AboutLine(0), "");
  EXPECT_EQ(many.lineCount(), 0u);
}

}  // namespace
