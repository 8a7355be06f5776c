#include "assets/archive/rar20_huffman.h"

#include <algorithm>
#include <cstring>

namespace rar20 {

void HuffmanTable::Build(const uint8_t* lengths, int count) {
  count_ = count;
  uint32_t counts[16] = {};
  for (int i = 0; i < count; i++) counts[lengths[i] & 0x0F]++;
  counts[0] = 0;
  uint32_t n = 0;
  limit_[0] = 0;
  first_[0] = 0;
  for (int len = 1; len < 16; len++) {
    n = (n + counts[len]) * 2;
    limit_[len] = std::min<uint32_t>(n << (15 - len), 0xFFFF);
    first_[len] = first_[len - 1] + counts[len - 1];
  }
  uint32_t next[16];
  std::memcpy(next, first_, sizeof next);
  std::memset(symbols_, 0, sizeof symbols_);
  for (int symbol = 0; symbol < count; symbol++) {
    int len = lengths[symbol] & 0x0F;
    if (len) symbols_[next[len]++] = uint16_t(symbol);
  }
  // Limits of lengths up to LookupBits are multiples of 2^(16 - length), so
  // the top LookupBits bits decide the rule for those lengths exactly.
  for (uint32_t prefix = 0; prefix < (1u << LookupBits); prefix++) {
    uint32_t value = prefix << (16 - LookupBits);
    int len = 1;
    while (len <= LookupBits && value >= limit_[len]) len++;
    lookup_[prefix] = len <= LookupBits ? uint16_t(SymbolAt(value, len) << 4 | len) : 0;
  }
}

int HuffmanTable::DecodeLong(uint32_t bits, int* length) const {
  uint32_t value = bits & 0xFFFE;
  int len = LookupBits + 1;
  while (len < 15 && value >= limit_[len]) len++;
  *length = len;
  return SymbolAt(value, len);
}

int HuffmanTable::SymbolAt(uint32_t value, int length) const {
  uint32_t index = first_[length] + ((value - limit_[length - 1]) >> (16 - length));
  if (index >= uint32_t(count_)) index = 0;
  return symbols_[index];
}

}  // namespace rar20
