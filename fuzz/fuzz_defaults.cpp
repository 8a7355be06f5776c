// The default-settings text as resource 135, read and applied as at start-up.
#include "fuzz/fuzz_support.h"
#include "settings/default_settings.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FakeResources resources;
  resources.Set(DefaultSettingsResourceId, Bytes(data, size));
  DroppedMessages messages;
  DefaultSettingsTable table;
  if (!LoadDefaultSettingsText(table, resources.resources(), messages)) return 0;
  Settings settings;
  ApplyDefaults(settings, table, messages);
  MakeDefaultSettings(settings, table, messages);
  return 0;
}
