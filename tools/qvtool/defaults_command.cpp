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
