// Huffman codes for the RAR 2.0 encoder: code lengths of at most 15 bits
// from symbol frequencies, and the canonical codes that the decoder's tables
// assign to those lengths.
#pragma once
#include <cstdint>

namespace rar20 {

// Unused symbols (frequency 0) get length 0; a lone used symbol gets 1.
void BuildCodeLengths(const uint32_t* frequencies, int count, uint8_t* lengths);
// Codes in order of length, then of symbol; unused symbols get none.
void AssignCodes(const uint8_t* lengths, int count, uint16_t* codes);

}  // namespace rar20
