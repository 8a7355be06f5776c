// Little-endian field writers for the binary file encoders.
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

inline void PutLe16(std::vector<uint8_t>& out, uint32_t v) {
  out.push_back(uint8_t(v));
  out.push_back(uint8_t(v >> 8));
}
inline void PutLe32(std::vector<uint8_t>& out, uint32_t v) {
  PutLe16(out, v & 0xFFFF);
  PutLe16(out, v >> 16);
}
inline void PutBytes(std::vector<uint8_t>& out, const char* bytes, int count) {
  for (int i = 0; i < count; ++i) out.push_back(uint8_t(bytes[i]));
}
