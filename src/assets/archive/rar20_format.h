// The RAR 2.0 compressed stream: symbol numbers, the length and distance
// tables, and the match history that the decoder and the encoder keep alike.
#pragma once
#include <cstdint>

namespace rar20 {

inline constexpr uint32_t WindowSize = 0x100000;  // the 1 MiB ring
inline constexpr uint32_t WindowMask = WindowSize - 1;

inline constexpr int MainSymbols = 298;
inline constexpr int DistanceSymbols = 48;
inline constexpr int RepeatSymbols = 28;
inline constexpr int BitLengthSymbols = 19;
inline constexpr int AudioSymbols = 257;
inline constexpr int MaxChannels = 4;
inline constexpr int NormalLengths = MainSymbols + DistanceSymbols + RepeatSymbols;  // 374
inline constexpr int MaxLengths = AudioSymbols * MaxChannels;                        // 1028
inline constexpr int MaxCodeLength = 15;

// Main-table symbols beyond the 256 literals.
inline constexpr int RepeatLastSymbol = 256;
inline constexpr int PreviousDistanceSymbol = 257;  // 257..260: the four previous distances
inline constexpr int ShortMatchSymbol = 261;        // 261..268: length 2, distance up to 256
inline constexpr int TableChangeSymbol = 269;
inline constexpr int LongMatchSymbol = 270;         // 270..297
inline constexpr int AudioTableChangeSymbol = 256;

// Bit-length codes 16..18 of a table read.
inline constexpr int RepeatPreviousCode = 16;  // previous length 3..6 times
inline constexpr int ShortZerosCode = 17;      // 3..10 zero lengths
inline constexpr int LongZerosCode = 18;       // 11..138 zero lengths

inline constexpr uint8_t LengthBase[28] = {0,  1,  2,  3,  4,  5,  6,   7,   8,   10,
                                           12, 14, 16, 20, 24, 28, 32,  40,  48,  56,
                                           64, 80, 96, 112, 128, 160, 192, 224};
inline constexpr uint8_t LengthBits[28] = {0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 2, 2,
                                           2, 2, 3, 3, 3, 3, 4, 4, 4, 4, 5, 5, 5, 5};
inline constexpr uint32_t DistanceBase[48] = {
    0,      1,      2,      3,      4,      6,      8,      12,     16,     24,
    32,     48,     64,     96,     128,    192,    256,    384,    512,    768,
    1024,   1536,   2048,   3072,   4096,   6144,   8192,   12288,  16384,  24576,
    32768,  49152,  65536,  98304,  131072, 196608, 262144, 327680, 393216, 458752,
    524288, 589824, 655360, 720896, 786432, 851968, 917504, 983040};
inline constexpr uint8_t DistanceBits[48] = {0,  0,  0,  0,  1,  1,  2,  2,  3,  3,  4,  4,
                                             5,  5,  6,  6,  7,  7,  8,  8,  9,  9,  10, 10,
                                             11, 11, 12, 12, 13, 13, 14, 14, 15, 15, 16, 16,
                                             16, 16, 16, 16, 16, 16, 16, 16, 16, 16, 16, 16};
inline constexpr uint8_t ShortBase[8] = {0, 4, 8, 16, 32, 64, 128, 192};
inline constexpr uint8_t ShortBits[8] = {2, 2, 3, 4, 5, 6, 6, 6};

// Longer distances cost longer matches: a match coded with a previous
// distance gains one byte from each threshold, a long match from the last two.
inline constexpr uint32_t RepeatLengthBonus(uint32_t distance) {
  return (distance >= 0x101) + (distance >= 0x2000) + (distance >= 0x40000);
}
inline constexpr uint32_t LongLengthBonus(uint32_t distance) {
  return (distance >= 0x2000) + (distance >= 0x40000);
}

// The four previous distances and the last match, updated by every match.
struct MatchHistory {
  uint32_t distances[4] = {};
  uint32_t index = 0;
  uint32_t lastDistance = 0;
  uint32_t lastLength = 0;

  // k = 1 is the most recent distance, k = 4 the oldest.
  uint32_t Previous(int k) const { return distances[(index - uint32_t(k)) & 3]; }
  void Record(uint32_t distance, uint32_t length) {
    distances[index++ & 3] = distance;
    index &= 3;
    lastDistance = distance;
    lastLength = length;
  }
};

}  // namespace rar20
