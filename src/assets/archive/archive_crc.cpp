#include "assets/archive/archive_crc.h"

Crc32::Crc32() {
  for (uint32_t i = 0; i < 256; i++) {
    uint32_t c = i;
    for (int bit = 0; bit < 8; bit++) c = (c & 1) ? (c >> 1) ^ 0xEDB88320u : c >> 1;
    table_[i] = c;
  }
}

uint32_t Crc32::Update(uint32_t crc, const uint8_t* bytes, size_t count) const {
  for (size_t i = 0; i < count; i++) crc = table_[(crc ^ bytes[i]) & 0xFF] ^ (crc >> 8);
  return crc;
}
