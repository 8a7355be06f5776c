// The archive reader and its decoder on whole archives: every member listed,
// then the first few extracted by name, as the screensaver opens them.
#include <cstdlib>
#include <string>
#include <vector>

#include "assets/archive/archive_reader.h"
#include "fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  DiscardedDiagnostics diagnostics;
  if (size > UINT32_MAX) return 0;
  ArchiveView view{data, uint32_t(size), 0};
  std::vector<std::string> names;
  ListArchiveMembers(view, diagnostics, [&names](const ArchiveEntry& entry, bool) {
    if (names.size() < 4) names.emplace_back(entry.name);
  });
  for (const std::string& name : names) {
    uint8_t* buffer = nullptr;
    uint32_t length = 0;
    if (ExtractArchiveMember(name.c_str(), view, "", &buffer, &length, diagnostics) == ArchiveStatus::Ok) std::free(buffer);
  }
  return 0;
}
