#include "tools/common/file_bytes.h"

#include <cstdio>
#include <fstream>
#include <iterator>

std::optional<std::vector<uint8_t>> ReadFileBytes(const std::filesystem::path& path) {
  std::error_code error;
  // A folder opens as a stream on Linux and reads as nothing.
  if (!std::filesystem::is_regular_file(path, error)) return std::nullopt;
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (in.bad()) return std::nullopt;
  return bytes;
}

std::optional<std::string> ReadFileText(const std::filesystem::path& path) {
  std::optional<std::vector<uint8_t>> bytes = ReadFileBytes(path);
  if (!bytes) return std::nullopt;
  return std::string(bytes->begin(), bytes->end());
}

bool WriteFileBytes(const std::filesystem::path& path, const uint8_t* data, size_t size) {
  FILE* f = std::fopen(path.string().c_str(), "wb");
  if (!f) return false;
  bool ok = std::fwrite(data, 1, size, f) == size;
  return std::fclose(f) == 0 && ok;
}
