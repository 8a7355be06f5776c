#include "assets/archive/archive_crc.h"

namespace {

uint32_t LoadLittleEndian(const uint8_t* p) {
  return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
}

}  // namespace

// table_[k][b] is the register after byte b followed by k zero bytes.
Crc32::Crc32() {
  for (uint32_t i = 0; i < 256; i++) {
    uint32_t c = i;
    for (int bit = 0; bit < 8; bit++) c = (c & 1) ? (c >> 1) ^ 0xEDB88320u : c >> 1;
    table_[0][i] = c;
  }
  for (int k = 1; k < 8; k++)
    for (uint32_t i = 0; i < 256; i++)
      table_[k][i] = table_[0][table_[k - 1][i] & 0xFF] ^ (table_[k - 1][i] >> 8);
}

uint32_t Crc32::Update(uint32_t crc, const uint8_t* bytes, size_t count) const {
  for (; count >= 8; bytes += 8, count -= 8) {
    uint32_t low = crc ^ LoadLittleEndian(bytes), high = LoadLittleEndian(bytes + 4);
    crc = table_[7][low & 0xFF] ^ table_[6][(low >> 8) & 0xFF] ^ table_[5][(low >> 16) & 0xFF] ^
          table_[4][low >> 24] ^ table_[3][high & 0xFF] ^ table_[2][(high >> 8) & 0xFF] ^
          table_[1][(high >> 16) & 0xFF] ^ table_[0][high >> 24];
  }
  for (; count > 0; ++bytes, --count) crc = table_[0][(crc ^ *bytes) & 0xFF] ^ (crc >> 8);
  return crc;
}
