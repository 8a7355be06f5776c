// Bits appended most significant first, as the RAR 2.0 decoder reads them.
#pragma once
#include <cstdint>
#include <vector>

namespace rar20 {

class BitWriter {
 public:
  // count <= 32; the low count bits of value, highest first.
  void Put(uint32_t value, int count) {
    for (int bit = count - 1; bit >= 0; bit--) {
      current_ = uint8_t(current_ << 1 | ((value >> bit) & 1));
      if (++used_ == 8) {
        bytes_.push_back(current_);
        current_ = 0;
        used_ = 0;
      }
    }
  }
  // The bytes written, the last one padded with zero bits.
  std::vector<uint8_t> Bytes() const {
    std::vector<uint8_t> out = bytes_;
    if (used_) out.push_back(uint8_t(current_ << (8 - used_)));
    return out;
  }

 private:
  std::vector<uint8_t> bytes_;
  uint8_t current_ = 0;
  int used_ = 0;
};

}  // namespace rar20
