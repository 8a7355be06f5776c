#include "assets/archive/rar20_matcher.h"

#include "assets/archive/rar20_format.h"

namespace rar20 {

uint32_t MatchLength(const std::vector<uint8_t>& data, size_t pos, uint32_t distance,
                     uint32_t limit) {
  if (distance == 0 || distance > pos || distance > WindowSize) return 0;
  size_t end = data.size() - pos < limit ? data.size() - pos : limit;
  const uint8_t* a = data.data() + pos;
  const uint8_t* b = a - distance;
  uint32_t n = 0;
  while (n < end && a[n] == b[n]) n++;
  return n;
}

Matcher::Matcher(int depth)
    : depth_(depth), head_(1 << 16, 0), chain_(WindowSize, 0), pairs_(1 << 16, 0) {}

void Matcher::Insert(const std::vector<uint8_t>& data, size_t pos) {
  const uint8_t* p = data.data() + pos;
  uint32_t& head = head_[Hash(p)];
  chain_[pos & WindowMask] = head;
  head = uint32_t(pos + 1);
  pairs_[uint32_t(p[0]) << 8 | p[1]] = uint32_t(pos + 1);
}

MatchCandidate Matcher::Longest(const std::vector<uint8_t>& data, size_t pos,
                                uint32_t limit) const {
  MatchCandidate best;
  if (pos + 3 > data.size()) return best;
  uint32_t candidate = head_[Hash(data.data() + pos)];
  for (int tries = 0; candidate && tries < depth_; tries++) {
    size_t from = candidate - 1;
    if (from >= pos || pos - from > WindowSize - 1) break;
    uint32_t distance = uint32_t(pos - from);
    uint32_t length = MatchLength(data, pos, distance, limit);
    if (length > best.length) best = {length, distance};
    if (length == limit) break;
    uint32_t previous = chain_[from & WindowMask];
    if (previous >= candidate) break;  // the ring slot was reused by a later position
    candidate = previous;
  }
  return best.length >= 3 ? best : MatchCandidate{};
}

uint32_t Matcher::LatestPair(const std::vector<uint8_t>& data, size_t pos) const {
  if (pos + 2 > data.size()) return 0;
  uint32_t latest = pairs_[uint32_t(data[pos]) << 8 | data[pos + 1]];
  return latest && latest - 1 < pos ? uint32_t(pos - (latest - 1)) : 0;
}

}  // namespace rar20
