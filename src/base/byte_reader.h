// ByteReader: a bounded little-endian reader over bytes it does not own (the
// bytes must outlive it). A read that would pass the end reads nothing,
// leaves the position where it was and returns false.
#pragma once
#include <cstddef>
#include <cstdint>
#include <cstring>

class ByteReader {
 public:
  ByteReader(const uint8_t* data, size_t size) : data_(data), size_(size) {}

  size_t remaining() const { return size_ - position_; }

  // The next count bytes, or null when fewer remain; advances past them.
  const uint8_t* Take(size_t count) {
    if (count > remaining()) return nullptr;
    const uint8_t* bytes = data_ + position_;
    position_ += count;
    return bytes;
  }
  bool Skip(size_t count) { return Take(count) != nullptr; }

  bool ReadU8(uint8_t& value) {
    const uint8_t* b = Take(1);
    if (b) value = b[0];
    return b != nullptr;
  }
  bool ReadU16(uint16_t& value) {
    const uint8_t* b = Take(2);
    if (b) value = uint16_t(b[0] | b[1] << 8);
    return b != nullptr;
  }
  bool ReadU32(uint32_t& value) {
    const uint8_t* b = Take(4);
    if (b) value = uint32_t(b[0]) | uint32_t(b[1]) << 8 | uint32_t(b[2]) << 16 | uint32_t(b[3]) << 24;
    return b != nullptr;
  }
  bool ReadF32(float& value) {
    uint32_t bits;
    if (!ReadU32(bits)) return false;
    std::memcpy(&value, &bits, sizeof value);
    return true;
  }

 private:
  const uint8_t* data_;
  size_t size_;
  size_t position_ = 0;
};
