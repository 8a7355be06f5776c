#include "base/script_reader.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "support/fake_resources.h"

namespace {

// A reader over text held as a numbered resource.
struct Script {
  FakeResources resources;
  ScriptReader reader;
  explicit Script(const std::string& text) {
    resources.Set(7, text);
    EXPECT_TRUE(resources.resources().OpenResource(7, reader.stream()));
  }
  std::vector<std::string> AllLines() {
    std::vector<std::string> lines;
    while (reader.Next()) lines.push_back(reader.line());
    return lines;
  }
};

TEST(ScriptReader, DeliversEveryLineIncludingOneWithoutBreak) {
  std::vector<std::string> expected{"scene", "time 1", "\tmetal", "end"};
  EXPECT_EQ(Script("scene\r\n   time 1\r\n\tmetal\r\nend").AllLines(), expected);
  Script lf("scene\n   time 1\n\tmetal\nend");
  EXPECT_EQ(lf.AllLines(), expected);
  EXPECT_FALSE(lf.reader.Next());  // stays ended
  FakeResources none;
  ScriptReader unopened;
  EXPECT_FALSE(none.resources().OpenScript("worlds.txt", unopened));
  EXPECT_FALSE(unopened.Next());
}

TEST(ScriptReader, ScanFillsFieldsUpToTheFirstMismatch) {
  Script s("position V(1.5 -20918.136719 1e-3)\nposition V(1 2 x)\n//linefog 0 30000\n");
  float x = 0, y = 0, z = 0;
  s.reader.Next();
  EXPECT_EQ(s.reader.Scan("position V(%f %f %f)", x, y, z), 3);
  EXPECT_FLOAT_EQ(y, -20918.136719f);
  EXPECT_FLOAT_EQ(z, 0.001f);
  s.reader.Next();
  z = 42;
  EXPECT_EQ(s.reader.Scan("position V(%f %f %f)", x, y, z), 2);
  EXPECT_EQ(z, 42);  // unfilled fields keep their values
  s.reader.Next();
  EXPECT_EQ(s.reader.Scan("linefog %f %f", x, y), 0);
  EXPECT_EQ(x, 1);
}

TEST(ScriptReader, WordsNeverOverrunTheirFields) {
  Script s("world averyveryverylongworldname\ncrosslook longlonglonglonglongname other 5.5\n");
  struct {
    char name[16];
    char guard[8];
  } fields;
  std::memset(&fields, 'g', sizeof fields);
  s.reader.Next();
  EXPECT_EQ(s.reader.Scan("world %s", fields.name), 1);
  EXPECT_STREQ(fields.name, "averyveryverylo");
  EXPECT_EQ(std::string(fields.guard, 8), std::string(8, 'g'));
  // The cut-off rest of a word is not taken for the next argument.
  char from[16], to[16];
  float distance = 0;
  s.reader.Next();
  EXPECT_EQ(s.reader.Scan("crosslook %s %s %f", from, to, distance), 3);
  EXPECT_STREQ(to, "other");
  EXPECT_FLOAT_EQ(distance, 5.5f);
}

TEST(ScriptReader, PatternsThatDoNotFitTheirFieldsFillNothing) {
  Script s("time 12 7 abc\n");
  s.reader.Next();
  float time = -1;
  int32_t count = -1;
  char word[4] = "old";
  EXPECT_EQ(s.reader.Scan("time %d", time), 0);                      // wrong kind
  EXPECT_EQ(s.reader.Scan("time %lf", time), 0);                     // a double into a float
  EXPECT_EQ(s.reader.Scan("time %f %d %9s", time, count, word), 0);  // wider than the field
  EXPECT_EQ(s.reader.Scan("time %f %d", time), 0);                   // too few fields
  EXPECT_EQ(s.reader.Scan("time %f", time, count), 0);               // too many
  EXPECT_EQ(time, -1);
  EXPECT_STREQ(word, "old");
  EXPECT_EQ(s.reader.Scan("time %*f %d %3s", count, word), 2);
  EXPECT_EQ(count, 7);
  EXPECT_STREQ(word, "abc");
}

// The environment-list shape: blocks between free lines, a terminator.
std::vector<std::string> ReadBlocks(const std::string& text, int* endLinesTested) {
  Script s(text);
  std::vector<std::string> blocks;
  while (s.reader.SkipTo("env", "ENV_END")) {
    char name[20] = "", path[100];
    s.reader.Scan("env %s", name);
    blocks.push_back(name);
    while (s.reader.NextInBlock("end")) {
      if (s.reader.StartsWith("firstpass") && s.reader.Scan("firstpass %s", path) == 1) {
        blocks.back() += std::string(" +") + path;
      }
      if (s.reader.StartsWith("end")) ++*endLinesTested;
    }
  }
  return blocks;
}

TEST(ScriptReader, BlocksCloseAfterTheirClosingLineWasTested) {
  int endLines = 0;
  // Keywords are case-sensitive prefixes: "ENDKEYS" closes nothing, "endless" closes.
  EXPECT_EQ(ReadBlocks("free text\nenv green\nfirstpass a.txt\n//firstpass b.txt\nENDKEYS\nendless\n"
                       "between\nenvironment space\nend\nENV_END\nenv never\nend\n",
                       &endLines),
            (std::vector<std::string>{"green +a.txt", "ironment"}));
  EXPECT_EQ(endLines, 2);
  // Without a terminator, or even an "end", reading stops with the data.
  EXPECT_EQ(ReadBlocks("env a\nend\nenv b\nfirstpass x.txt", &endLines),
            (std::vector<std::string>{"a", "b +x.txt"}));
  EXPECT_EQ(ReadBlocks("", &endLines), std::vector<std::string>{});
}

}  // namespace
