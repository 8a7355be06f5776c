// CRC-32 of ISO 3309 / IEEE 802.3 (reflected, polynomial 0xEDB88320), as
// stored in the archive: the complement of the running register.
// Eight bytes are folded per step through eight tables (slicing by 8);
// the result is that of the byte-at-a-time register.
#pragma once
#include <cstddef>
#include <cstdint>

class Crc32 {
 public:
  Crc32();  // builds the 8 x 256-entry tables
  // Continues a running register (start with 0xFFFFFFFF); complement the
  // final register to get the stored value.
  uint32_t Update(uint32_t crc, const uint8_t* bytes, size_t count) const;
  uint32_t Of(const uint8_t* bytes, size_t count) const {
    return ~Update(0xFFFFFFFFu, bytes, count);
  }

 private:
  uint32_t table_[8][256];
};
