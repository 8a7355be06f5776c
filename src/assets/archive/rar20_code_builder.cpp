#include "assets/archive/rar20_code_builder.h"

#include <algorithm>
#include <functional>
#include <queue>
#include <utility>
#include <vector>

#include "assets/archive/rar20_format.h"

namespace rar20 {

namespace {

// Plain Huffman depths; returns the deepest.
int HuffmanDepths(const std::vector<uint32_t>& frequencies, uint8_t* lengths) {
  using Node = std::pair<uint64_t, int>;  // weight, node; ties go to the lower node
  std::priority_queue<Node, std::vector<Node>, std::greater<Node>> queue;
  int count = int(frequencies.size());
  std::vector<int> parent(size_t(count) * 2, -1);
  for (int i = 0; i < count; i++)
    if (frequencies[size_t(i)]) queue.push({frequencies[size_t(i)], i});
  int next = count;
  while (queue.size() > 1) {
    Node a = queue.top();
    queue.pop();
    Node b = queue.top();
    queue.pop();
    parent[size_t(a.second)] = parent[size_t(b.second)] = next;
    queue.push({a.first + b.first, next++});
  }
  int deepest = 0;
  for (int i = 0; i < count; i++) {
    int depth = 0;
    if (frequencies[size_t(i)])
      for (int node = i; parent[size_t(node)] >= 0; node = parent[size_t(node)]) depth++;
    lengths[i] = uint8_t(depth);
    deepest = std::max(deepest, depth);
  }
  return deepest;
}

}  // namespace

void BuildCodeLengths(const uint32_t* frequencies, int count, uint8_t* lengths) {
  std::vector<uint32_t> weights(frequencies, frequencies + count);
  int used = int(std::count_if(weights.begin(), weights.end(), [](uint32_t w) { return w; }));
  std::fill(lengths, lengths + count, 0);
  if (used == 1) {
    lengths[std::find_if(weights.begin(), weights.end(), [](uint32_t w) { return w; }) -
            weights.begin()] = 1;
    return;
  }
  // Too deep a tree is flattened by halving the weights (used ones stay used).
  while (HuffmanDepths(weights, lengths) > MaxCodeLength)
    for (uint32_t& w : weights) w = w ? (w + 1) / 2 : 0;
}

void AssignCodes(const uint8_t* lengths, int count, uint16_t* codes) {
  uint32_t perLength[MaxCodeLength + 1] = {};
  for (int i = 0; i < count; i++) perLength[lengths[i]]++;
  perLength[0] = 0;
  uint32_t next[MaxCodeLength + 1] = {};
  uint32_t code = 0;
  for (int len = 1; len <= MaxCodeLength; len++) {
    code = (code + perLength[len - 1]) << 1;
    next[len] = code;
  }
  for (int i = 0; i < count; i++) codes[i] = lengths[i] ? uint16_t(next[lengths[i]]++) : 0;
}

}  // namespace rar20
