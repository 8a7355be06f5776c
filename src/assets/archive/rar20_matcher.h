// Finds earlier occurrences of the bytes ahead for the RAR 2.0 encoder:
// hash chains over 3-byte strings within the 1 MiB window, and the latest
// occurrence of a 2-byte pair. Positions count from the start of the chain.
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

namespace rar20 {

struct MatchCandidate {
  uint32_t length = 0;
  uint32_t distance = 0;
};

// Bytes at pos and pos - distance that agree, at most limit.
uint32_t MatchLength(const std::vector<uint8_t>& data, size_t pos, uint32_t distance,
                     uint32_t limit);

class Matcher {
 public:
  explicit Matcher(int depth);
  // Makes pos findable; data must hold pos + 2.
  void Insert(const std::vector<uint8_t>& data, size_t pos);
  // The longest match of at least 3 bytes starting at pos, at most limit long.
  MatchCandidate Longest(const std::vector<uint8_t>& data, size_t pos, uint32_t limit) const;
  // Distance to the latest earlier pair equal to the two bytes at pos, or 0.
  uint32_t LatestPair(const std::vector<uint8_t>& data, size_t pos) const;

 private:
  static uint32_t Hash(const uint8_t* p) {
    return ((uint32_t(p[0]) << 16 | uint32_t(p[1]) << 8 | p[2]) * 2654435761u) >> 16;
  }
  int depth_;
  std::vector<uint32_t> head_;   // hash -> latest position + 1
  std::vector<uint32_t> chain_;  // position in the window -> the previous one + 1
  std::vector<uint32_t> pairs_;  // 2-byte pair -> latest position + 1
};

}  // namespace rar20
