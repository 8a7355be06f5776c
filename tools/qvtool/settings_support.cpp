#include "tools/qvtool/settings_support.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "base/cp1251.h"

void StderrMessages::ShowMessage(const char* text, const char* caption) {
  ++count_;
  std::string line = "message box: " + Cp1251ToUtf8(text);
  if (caption[0]) line += " [" + Cp1251ToUtf8(caption) + "]";
  std::fprintf(stderr, "%s\n", line.c_str());
}

std::optional<std::vector<uint8_t>> ReadWholeFile(const char* command, const char* path) {
  std::error_code error;
  std::ifstream in;
  if (std::filesystem::is_regular_file(path, error)) in.open(path, std::ios::binary);
  if (!in.is_open() || !in) {  // a stream never opened is not in a failed state
    std::fprintf(stderr, "qvtool %s: cannot read %s\n", command, path);
    return std::nullopt;
  }
  return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}
