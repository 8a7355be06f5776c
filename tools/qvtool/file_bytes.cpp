#include "tools/qvtool/file_bytes.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

bool ReadFileBytes(const char* command, const char* path, std::vector<uint8_t>& bytes) {
  FILE* f = std::fopen(path, "rb");
  if (!f) {
    std::fprintf(stderr, "qvtool %s: %s: %s\n", command, path, std::strerror(errno));
    return false;
  }
  bytes.clear();
  uint8_t chunk[65536];
  size_t n;
  while ((n = std::fread(chunk, 1, sizeof chunk, f)) > 0) bytes.insert(bytes.end(), chunk, chunk + n);
  bool ok = !std::ferror(f);
  std::fclose(f);
  if (!ok) std::fprintf(stderr, "qvtool %s: %s: read error\n", command, path);
  return ok;
}
