#include "tools/qvtool/settings_support.h"

#include <cstdio>
#include <string>

#include "base/cp1251.h"
#include "tools/common/file_bytes.h"

void StderrMessages::ShowMessage(const char* text, const char* caption) {
  ++count_;
  std::string line = "message box: " + Cp1251ToUtf8(text);
  if (caption[0]) line += " [" + Cp1251ToUtf8(caption) + "]";
  std::fprintf(stderr, "%s\n", line.c_str());
}

std::optional<std::vector<uint8_t>> ReadWholeFile(const char* command, const char* path) {
  std::optional<std::vector<uint8_t>> bytes = ReadFileBytes(path);
  if (!bytes) std::fprintf(stderr, "qvtool %s: cannot read %s\n", command, path);
  return bytes;
}
