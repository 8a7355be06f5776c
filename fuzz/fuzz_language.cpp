// The language table as resource 120, with the lookups the dialog makes.
#include "fuzz/fuzz_support.h"
#include "settings/language_table.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FakeResources resources;
  resources.Set(LanguageTableResourceId, Bytes(data, size));
  LanguageTable table;
  if (!LoadLanguageTable(table, resources.resources())) return 0;
  for (const char* key : {"about_window_text", "settings_caption", "ok", ""}) table.LookupText(key);
  return 0;
}
