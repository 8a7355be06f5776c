#include "assets/archive/rar20_encoder.h"

#include <algorithm>
#include <cstring>

#include "assets/archive/rar20_code_builder.h"

namespace rar20 {

namespace {

constexpr uint8_t MainTable = 0, DistanceTable = 1, RepeatTable = 2, FirstAudioTable = 3;
constexpr uint32_t MaxLengthValue = 255;  // the largest length base plus its extra bits

template <size_t N, typename T>
int SlotOf(const T (&bases)[N], uint32_t value) {
  return int(std::upper_bound(bases, bases + N, value) - bases) - 1;
}

struct LengthCode {
  uint8_t code, extraBits, extra;
};

// Code lengths as the decoder reads them: differences from the previous
// lengths, runs of zeros, and repeats of the length before.
std::vector<LengthCode> RunLengthCodes(const uint8_t* lengths, const uint8_t* previous,
                                       int total) {
  std::vector<LengthCode> codes;
  for (int i = 0; i < total;) {
    uint8_t length = lengths[i];
    int run = 1;
    while (i + run < total && lengths[i + run] == length) run++;
    int n = 0;
    if (length == 0 && run >= 11) {
      n = std::min(run, 138);
      codes.push_back({LongZerosCode, 7, uint8_t(n - 11)});
    } else if (length == 0 && run >= 3) {
      n = std::min(run, 10);
      codes.push_back({ShortZerosCode, 3, uint8_t(n - 3)});
    } else if (i > 0 && lengths[i - 1] == length && run >= 3) {
      n = std::min(run, 6);
      codes.push_back({RepeatPreviousCode, 2, uint8_t(n - 3)});
    } else {
      n = 1;
      codes.push_back({uint8_t((length - previous[i]) & 0x0F), 0, 0});
    }
    i += n;
  }
  return codes;
}

}  // namespace

Encoder::Encoder(EncoderOptions options) : options_(options), matcher_(options.chainDepth) {}

void Encoder::BeginMember(bool newTables) {
  if (member_ >= 0 && newTables) {
    if (!hasBlock_ && tablesOwed_) OpenBlock(false, 1);
    if (hasBlock_) CloseBlock(true);
  }
  member_++;
  streams_.emplace_back();
}

void Encoder::NewBlock() {
  if (hasBlock_) CloseBlock(true);
}

void Encoder::EnsureBlock(bool audio, int channels) {
  if (member_ < 0) BeginMember();
  if (hasBlock_ && block_.audio == audio && (!audio || block_.channels == channels) &&
      block_.records.size() < options_.blockSymbols)
    return;
  if (hasBlock_) CloseBlock(true);
  OpenBlock(audio, channels);
}

void Encoder::OpenBlock(bool audio, int channels) {
  block_.audio = audio;
  block_.channels = channels;
  block_.tableMember = nextTableMember_;
  block_.records.clear();
  hasBlock_ = true;
  tablesOwed_ = false;
  if (audio) audio_.SetChannelCount(channels);
}

// Writes the block's tables and symbols; a followed block ends with the
// table-change symbol, which the decoder meets in the current member.
void Encoder::CloseBlock(bool followed) {
  static constexpr int Sizes[] = {MainSymbols, DistanceSymbols, RepeatSymbols, AudioSymbols,
                                  AudioSymbols, AudioSymbols, AudioSymbols};
  static constexpr int Offsets[] = {0, MainSymbols, MainSymbols + DistanceSymbols, 0,
                                    AudioSymbols, 2 * AudioSymbols, 3 * AudioSymbols};
  // A block is either normal or multimedia, so their tables share one array.
  std::vector<uint32_t> frequencies(MaxLengths, 0);
  auto frequency = [&](int table) { return frequencies.data() + Offsets[table]; };
  for (const Record& r : block_.records) frequency(r.table)[r.symbol]++;
  int first = block_.audio ? FirstAudioTable : MainTable;
  int last = block_.audio ? FirstAudioTable + block_.channels : RepeatTable + 1;
  // Every table can end its block, whichever channel is current then.
  if (block_.audio)
    for (int t = first; t < last; t++) frequency(t)[AudioTableChangeSymbol]++;
  else
    frequency(MainTable)[TableChangeSymbol]++;

  bool clear = block_.audio != lastBlockAudio_;
  if (clear) std::memset(previousLengths_, 0, sizeof previousLengths_);
  uint8_t lengths[MaxLengths];
  std::memcpy(lengths, previousLengths_, sizeof lengths);
  uint16_t codes[MaxLengths];
  for (int t = first; t < last; t++) {
    BuildCodeLengths(frequency(t), Sizes[t], lengths + Offsets[t]);
    AssignCodes(lengths + Offsets[t], Sizes[t], codes + Offsets[t]);
  }
  int total = block_.audio ? AudioSymbols * block_.channels : NormalLengths;
  WriteTables(streams_[block_.tableMember], lengths, total, clear);

  for (const Record& r : block_.records) {
    int at = Offsets[r.table] + r.symbol;
    BitWriter& out = streams_[r.member];
    out.Put(codes[at], lengths[at]);
    if (r.extraBits) out.Put(r.extra, r.extraBits);
  }
  if (followed) {
    int table = block_.audio ? FirstAudioTable + audio_.currentChannel() : MainTable;
    int at = Offsets[table] + (block_.audio ? AudioTableChangeSymbol : TableChangeSymbol);
    streams_[size_t(member_)].Put(codes[at], lengths[at]);
    stats_.tableChanges++;
    nextTableMember_ = uint32_t(member_);
    tablesOwed_ = true;
  }
  lastBlockAudio_ = block_.audio;
  hasBlock_ = false;
  block_.records.clear();
}

void Encoder::WriteTables(BitWriter& out, const uint8_t* lengths, int total, bool clear) {
  out.Put(block_.audio ? 1 : 0, 1);
  out.Put(clear ? 0 : 1, 1);
  if (block_.audio) out.Put(uint32_t(block_.channels - 1), 2);
  if (clear) stats_.clearedTables++;
  std::vector<LengthCode> runs = RunLengthCodes(lengths, previousLengths_, total);
  uint32_t frequencies[BitLengthSymbols] = {};
  for (const LengthCode& c : runs) frequencies[c.code]++;
  uint8_t bitLengths[BitLengthSymbols];
  uint16_t bitCodes[BitLengthSymbols];
  BuildCodeLengths(frequencies, BitLengthSymbols, bitLengths);
  AssignCodes(bitLengths, BitLengthSymbols, bitCodes);
  for (uint8_t length : bitLengths) out.Put(length, 4);
  for (const LengthCode& c : runs) {
    out.Put(bitCodes[c.code], bitLengths[c.code]);
    if (c.extraBits) out.Put(c.extra, c.extraBits);
  }
  std::memcpy(previousLengths_, lengths, sizeof previousLengths_);
}

void Encoder::Add(uint16_t symbol, uint8_t table, uint8_t extraBits, uint32_t extra) {
  block_.records.push_back({symbol, table, extraBits, extra, uint32_t(member_)});
}

// Codes a match with the cheapest symbol the decoder reads it from.
bool Encoder::EmitMatch(uint32_t length, uint32_t distance) {
  int previous = 0;
  for (int k = 1; k <= 4 && !previous; k++)
    if (history_.Previous(k) == distance) previous = k;
  uint32_t repeatBonus = RepeatLengthBonus(distance), longBonus = LongLengthBonus(distance);
  if (length > 0 && length == history_.lastLength && distance == history_.lastDistance) {
    Add(RepeatLastSymbol, MainTable);
    stats_.repeatLast++;
  } else if (previous && length >= 2 + repeatBonus && length - 2 - repeatBonus <= MaxLengthValue) {
    uint32_t value = length - 2 - repeatBonus;
    int slot = SlotOf(LengthBase, value);
    Add(uint16_t(RepeatLastSymbol + previous), MainTable);
    Add(uint16_t(slot), RepeatTable, LengthBits[slot], value - LengthBase[slot]);
    stats_.previousDistance[previous - 1]++;
  } else if (length == 2 && distance >= 1 && distance <= 256) {
    int slot = SlotOf(ShortBase, distance - 1);
    Add(uint16_t(ShortMatchSymbol + slot), MainTable, ShortBits[slot], distance - 1 - ShortBase[slot]);
    stats_.shortMatches++;
  } else if (length >= 3 + longBonus && length - 3 - longBonus <= MaxLengthValue &&
             distance >= 1 && distance <= WindowSize) {
    uint32_t value = length - 3 - longBonus;
    int slot = SlotOf(LengthBase, value);
    int distanceSlot = SlotOf(DistanceBase, distance - 1);
    Add(uint16_t(LongMatchSymbol + slot), MainTable, LengthBits[slot], value - LengthBase[slot]);
    Add(uint16_t(distanceSlot), DistanceTable, DistanceBits[distanceSlot],
        distance - 1 - DistanceBase[distanceSlot]);
    stats_.longMatches++;
  } else {
    return false;
  }
  history_.Record(distance, length);
  return true;
}

void Encoder::AddLiteral(uint8_t byte) {
  EnsureBlock(false, 1);
  Add(byte, MainTable);
  stats_.literals++;
  data_.push_back(byte);
  HashUpTo(data_.size());
}

bool Encoder::AddMatch(uint32_t length, uint32_t distance) {
  if (distance == 0 || distance > WindowSize) return false;
  EnsureBlock(false, 1);
  if (!EmitMatch(length, distance)) return false;
  // Before the chain's first byte the decoder's window holds zeros.
  for (uint32_t i = 0; i < length; i++) {
    size_t pos = data_.size();
    data_.push_back(pos >= distance ? data_[pos - distance] : 0);
  }
  HashUpTo(data_.size());
  return true;
}

void Encoder::AddData(const uint8_t* data, size_t size) {
  size_t pos = data_.size();
  data_.insert(data_.end(), data, data + size);
  size_t end = data_.size();
  while (pos < end) {
    EnsureBlock(false, 1);
    HashUpTo(pos);
    MatchCandidate match = ChooseMatch(pos, end);
    if (match.length && EmitMatch(match.length, match.distance)) {
      pos += match.length;
    } else {
      Add(data_[pos], MainTable);
      stats_.literals++;
      pos++;
    }
  }
}

// Prefers the last match and the previous distances, which code shorter,
// when they are nearly as long as the longest match.
MatchCandidate Encoder::ChooseMatch(size_t pos, size_t end) {
  uint32_t room = uint32_t(std::min<size_t>(end - pos, 258));
  MatchCandidate longest = matcher_.Longest(data_, pos, room);
  if (longest.length < 3 + LongLengthBonus(longest.distance)) longest = {};
  MatchCandidate repeat;
  for (int k = 1; k <= 4; k++) {
    uint32_t distance = history_.Previous(k);
    uint32_t bonus = RepeatLengthBonus(distance);
    uint32_t length = MatchLength(data_, pos, distance, std::min(room, 257 + bonus));
    if (length >= 2 + bonus && length > repeat.length) repeat = {length, distance};
  }
  uint32_t lastLength = history_.lastLength;
  if (lastLength && lastLength <= room &&
      MatchLength(data_, pos, history_.lastDistance, lastLength) == lastLength &&
      lastLength + 1 >= std::max(longest.length, repeat.length))
    return {lastLength, history_.lastDistance};
  if (repeat.length && repeat.length + 1 >= longest.length) return repeat;
  if (longest.length) return longest;
  uint32_t pair = matcher_.LatestPair(data_, pos);
  if (pair && pair <= 256 && room >= 2) return {2, pair};
  return {};
}

void Encoder::AddAudio(const uint8_t* data, size_t size, int channels) {
  for (size_t i = 0; i < size; i++) {
    EnsureBlock(true, channels);
    int channel = audio_.currentChannel();
    Add(audio_.Encode(data[i]), uint8_t(FirstAudioTable + channel));
    stats_.audioBytes++;
  }
  data_.insert(data_.end(), data, data + size);
  HashUpTo(data_.size());
}

void Encoder::HashUpTo(size_t limit) {
  while (hashed_ < limit && hashed_ + 2 < data_.size()) matcher_.Insert(data_, hashed_++);
}

std::vector<std::vector<uint8_t>> Encoder::Finish() {
  std::vector<std::vector<uint8_t>> out;
  if (member_ < 0) return out;
  if (!hasBlock_ && tablesOwed_) OpenBlock(false, 1);
  if (hasBlock_) CloseBlock(false);
  for (const BitWriter& stream : streams_) out.push_back(stream.Bytes());
  return out;
}

std::vector<uint8_t> CompressRar20(const uint8_t* data, size_t size, EncoderOptions options) {
  Encoder encoder(options);
  encoder.BeginMember();
  encoder.AddData(data, size);
  return encoder.Finish()[0];
}

}  // namespace rar20
