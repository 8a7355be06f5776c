#include "director/script_reader.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "support/fake_resources.h"

namespace {

constexpr int TextId = 7;

// A reader over text held as a numbered resource.
struct ScriptFixture {
  FakeResources resources;
  ScriptReader reader;
  explicit ScriptFixture(const std::string& text) {
    resources.Set(TextId, text);
    EXPECT_TRUE(reader.stream().OpenResource(TextId));
  }
};

std::vector<std::string> AllLines(ScriptReader& reader) {
  std::vector<std::string> lines;
  while (reader.Next()) lines.push_back(reader.line());
  return lines;
}

TEST(ScriptReader, DeliversEveryLineIncludingOneWithoutBreak) {
  ScriptFixture crlf("scene\r\n   time 1\r\n\tmetal\r\nend");
  ScriptFixture lf("scene\n   time 1\n\tmetal\nend");
  std::vector<std::string> expected{"scene", "time 1", "\tmetal", "end"};
  EXPECT_EQ(AllLines(crlf.reader), expected);
  EXPECT_EQ(AllLines(lf.reader), expected);
  EXPECT_FALSE(lf.reader.Next());  // stays ended
  EXPECT_STREQ(lf.reader.line(), "");
}

TEST(ScriptReader, UnopenedMemberHasNoLines) {
  FakeResources none;
  ScriptReader reader;
  EXPECT_FALSE(reader.Open("worlds.txt"));
  EXPECT_FALSE(reader.Next());
  EXPECT_FALSE(reader.SkipTo("world", "WORLD_END"));
}

TEST(ScriptReader, KeywordsAreCaseSensitivePrefixes) {
  ScriptFixture f("ENDKEYS\nsettings\n\tmap1 a.jpg\n//linefog 0 30000\n");
  ASSERT_TRUE(f.reader.Next());
  EXPECT_FALSE(f.reader.StartsWith("end"));
  EXPECT_TRUE(f.reader.StartsWith("ENDKEYS"));
  ASSERT_TRUE(f.reader.Next());
  EXPECT_TRUE(f.reader.StartsWith("set"));
  EXPECT_FALSE(f.reader.StartsWith("settingsX"));
  ASSERT_TRUE(f.reader.Next());
  EXPECT_TRUE(f.reader.StartsWith("\tmap1"));
  EXPECT_FALSE(f.reader.StartsWith("map1"));
  ASSERT_TRUE(f.reader.Next());
  EXPECT_FALSE(f.reader.StartsWith("linefog"));
}

TEST(ScriptReader, ScanFillsFieldsUpToTheFirstMismatch) {
  ScriptFixture f("position V(1.5 -20918.136719 1e-3)\nposition V(1 2 x)\n//linefog 0 30000\n");
  float x = 0, y = 0, z = 0;
  f.reader.Next();
  EXPECT_EQ(f.reader.Scan("position V(%f %f %f)", x, y, z), 3);
  EXPECT_FLOAT_EQ(x, 1.5f);
  EXPECT_FLOAT_EQ(y, -20918.136719f);
  EXPECT_FLOAT_EQ(z, 0.001f);
  f.reader.Next();
  z = 42;
  EXPECT_EQ(f.reader.Scan("position V(%f %f %f)", x, y, z), 2);
  EXPECT_EQ(x, 1);
  EXPECT_EQ(z, 42);  // unfilled fields keep their values
  f.reader.Next();
  float start = 7, end = 8;
  EXPECT_EQ(f.reader.Scan("linefog %f %f", start, end), 0);
  EXPECT_EQ(start, 7);
}

TEST(ScriptReader, WordsNeverOverrunTheirFields) {
  ScriptFixture f(
      "world averyveryverylongworldname\n"
      "crosslook longlonglonglonglongname other 5.5\n"
      "world short\n");
  struct {
    char name[16];
    char guard[8];
  } fields;
  std::memset(&fields, 'g', sizeof fields);
  f.reader.Next();
  EXPECT_EQ(f.reader.Scan("world %s", fields.name), 1);
  EXPECT_STREQ(fields.name, "averyveryverylo");
  EXPECT_EQ(std::string(fields.guard, 8), std::string(8, 'g'));

  // The cut-off rest of a word is not taken for the next argument.
  char from[16], to[16];
  float distance = 0;
  f.reader.Next();
  EXPECT_EQ(f.reader.Scan("crosslook %s %s %f", from, to, distance), 3);
  EXPECT_STREQ(from, "longlonglonglon");
  EXPECT_STREQ(to, "other");
  EXPECT_FLOAT_EQ(distance, 5.5f);

  f.reader.Next();
  EXPECT_EQ(f.reader.Scan("world %5s", fields.name), 1);
  EXPECT_STREQ(fields.name, "short");
}

TEST(ScriptReader, PatternsThatDoNotFitTheirFieldsFillNothing) {
  ScriptFixture f("time 12 7 abc\n");
  f.reader.Next();
  float time = -1;
  int32_t count = -1;
  char word[4] = "old";
  EXPECT_EQ(f.reader.Scan("time %d", time), 0);            // wrong kind
  EXPECT_EQ(f.reader.Scan("time %lf", time), 0);           // a double into a float
  EXPECT_EQ(f.reader.Scan("time %f %d %9s", time, count, word), 0);  // wider than the field
  EXPECT_EQ(f.reader.Scan("time %f %d", time), 0);         // too few fields
  EXPECT_EQ(f.reader.Scan("time %f", time, count), 0);     // too many fields
  EXPECT_EQ(time, -1);
  EXPECT_STREQ(word, "old");
  EXPECT_EQ(f.reader.Scan("time %*f %d %s", count, word), 2);
  EXPECT_EQ(count, 7);
  EXPECT_STREQ(word, "abc");
}

// The environment-list shape: blocks between free lines, a terminator.
std::vector<std::string> ReadBlocks(const std::string& text, int* endLinesSeen) {
  ScriptFixture f(text);
  std::vector<std::string> seen;
  while (f.reader.SkipTo("env", "ENV_END")) {
    char name[20] = "";
    f.reader.Scan("env %s", name);
    std::string block = name;
    while (f.reader.NextInBlock("end")) {
      char path[100];
      if (f.reader.StartsWith("firstpass") && f.reader.Scan("firstpass %s", path) == 1) {
        block += std::string(" +") + path;
      }
      if (f.reader.StartsWith("end")) ++*endLinesSeen;
    }
    seen.push_back(block);
  }
  return seen;
}

TEST(ScriptReader, BlocksCloseAfterTheirClosingLineWasTested) {
  int endLines = 0;
  auto blocks = ReadBlocks(
      "free text before\nenv green\nfirstpass a.txt\n//firstpass b.txt\nend\n"
      "between\nenv space\nend\nENV_END\nenv never\nend\n",
      &endLines);
  EXPECT_EQ(blocks, (std::vector<std::string>{"green +a.txt", "space"}));
  EXPECT_EQ(endLines, 2);
}

TEST(ScriptReader, MissingTerminatorAndMissingEndStopAtTheEndOfData) {
  int endLines = 0;
  EXPECT_EQ(ReadBlocks("env a\nend\nenv b\nfirstpass x.txt", &endLines),
            (std::vector<std::string>{"a", "b +x.txt"}));
  EXPECT_EQ(ReadBlocks("", &endLines), std::vector<std::string>{});
}

}  // namespace
