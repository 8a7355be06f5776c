// A Huffman decoding table of the RAR 2.0 stream, built from code lengths
// (canonical codes, shorter first, then by symbol). A symbol is found by the
// limit rule: the code length is the smallest whose limit exceeds the next
// 16 bits. Codes up to LookupBits long are found with one table look-up that
// gives exactly the limit rule's answer; longer ones fall back to the rule.
// Any lengths, even incomplete or over-subscribed ones, give a table whose
// symbols all lie below the symbol count.
#pragma once
#include <cstdint>

namespace rar20 {

class HuffmanTable {
 public:
  static constexpr int MaxSymbols = 298;
  static constexpr int LookupBits = 10;

  // count <= MaxSymbols code lengths; each is taken & 0x0F, 0 = unused.
  void Build(const uint8_t* lengths, int count);

  // bits: the next 16 bits of the stream, most significant first. Returns
  // the symbol and stores its code length (1..15) in *length.
  int Decode(uint32_t bits, int* length) const {
    uint16_t entry = lookup_[bits >> (16 - LookupBits)];
    if (entry & 0x0F) {
      *length = entry & 0x0F;
      return entry >> 4;
    }
    return DecodeLong(bits, length);
  }

 private:
  int DecodeLong(uint32_t bits, int* length) const;
  int SymbolAt(uint32_t value, int length) const;

  uint32_t limit_[16] = {};
  uint32_t first_[16] = {};
  uint16_t symbols_[MaxSymbols] = {};
  int count_ = 0;
  uint16_t lookup_[1 << LookupBits] = {};  // symbol << 4 | length, 0: longer code
};

}  // namespace rar20
