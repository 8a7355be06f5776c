// The Linux settings file: loaded into the record through the store, then
// written back (which rewrites the file around the lines it keeps).
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <random>
#include <string>

#include "settings/file_settings_store.h"
#include "settings/stored_settings.h"

namespace {
std::string ScratchPath() {
  static const std::string path =
      (std::filesystem::temp_directory_path() / ("qv_fuzz_settings_" + std::to_string(std::random_device{}()) + ".conf"))
          .string();
  return path;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string path = ScratchPath();
  FILE* f = std::fopen(path.c_str(), "wb");
  if (!f) return 0;
  std::fwrite(data, 1, size, f);
  std::fclose(f);
  FileSettingsStore store(path);
  Settings settings;
  LoadSettings(settings, store);
  SaveSettings(settings, store);
  std::remove(path.c_str());
  return 0;
}
