// qvtool defaults FILE [NAME]: a default-settings text as the screensaver
// parses it, or the value that one name looks up to.
#include <cstdio>

#include "settings/default_settings.h"
#include "tools/qvtool/commands.h"
#include "tools/qvtool/settings_support.h"

int RunDefaults(int argc, char** argv) {
  if (argc != 2 && argc != 3) {
    std::fprintf(stderr, "usage: qvtool defaults FILE [NAME]\n");
    return 2;
  }
  auto bytes = ReadWholeFile("defaults", argv[1]);
  if (!bytes) return 1;
  StderrMessages messages;
  DefaultSettingsTable table;
  table.Parse(bytes->data(), bytes->size(), messages);
  // Every line of a default-settings text is "name=value": lines without one
  // (each shown as a box) or no pairs at all mean this is not such a text.
  if (messages.count() > 0 || table.pairs().empty()) {
    std::fprintf(stderr, "qvtool defaults: %s: not a default-settings text (%d lines without name=value, %zu pairs)\n",
                 argv[1], messages.count(), table.pairs().size());
    return 1;
  }
  if (argc == 2) {
    for (const auto& pair : table.pairs()) {
      std::printf("%s=%s\n", pair.name.c_str(), pair.value.c_str());
    }
    return 0;
  }
  int before = messages.count();
  std::string value = table.LookupDefault(argv[2], messages);
  std::printf("%s\n", value.c_str());
  return messages.count() == before ? 0 : 1;
}
