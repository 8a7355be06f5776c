// qvtool text FILE KEY | --about: what the configuration dialog shows for a
// key of a language table, or the table's seven About lines. Texts are the
// single-byte strings the dialog gets.
#include <cstdio>
#include <cstring>

#include "settings/language_table.h"
#include "tools/qvtool/commands.h"
#include "tools/qvtool/settings_support.h"

int RunText(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: qvtool text FILE KEY\n       qvtool text FILE --about\n");
    return 2;
  }
  auto bytes = ReadWholeFile("text", argv[1]);
  if (!bytes) return 1;
  LanguageTable table;
  table.Load(bytes->data(), bytes->size());
  if (std::strcmp(argv[2], "--about") == 0) {
    bool any = false;
    for (size_t i = 0; i < LanguageTable::AboutLineCount; ++i) any = any || !table.AboutLine(i).empty();
    if (!any) {
      std::fprintf(stderr, "qvtool text: %s: no About text in this table\n", argv[1]);
      return 1;
    }
    for (size_t i = 0; i < LanguageTable::AboutLineCount; ++i) {
      std::printf("%s\n", table.AboutLine(i).c_str());
    }
    return 0;
  }
  std::string text = table.LookupText(argv[2]);
  std::printf("%s\n", text.c_str());
  if (!text.empty()) return 0;
  std::fprintf(stderr, "qvtool text: no text for key '%s'\n", argv[2]);
  return 1;
}
