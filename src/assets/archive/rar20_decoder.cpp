#include "assets/archive/rar20_decoder.h"

#include <algorithm>
#include <cstring>

namespace rar20 {

namespace {
// Input positions past which the buffer is refilled: in the main loop, at a
// table read, and before each code length of a table.
constexpr uint32_t RefillAtSymbol = 8162;
constexpr uint32_t RefillAtTables = 8167;
constexpr uint32_t RefillAtLength = 8187;
constexpr uint32_t KeptBytes = 32;  // the tail moved to the front at a refill
// The flush keeps this much ring space ahead of the write position, more
// than the longest match (260 bytes).
constexpr uint32_t FlushMargin = 270;
}  // namespace

uint32_t PackedInput::Read(uint8_t* destination, uint32_t count) {
  uint32_t wanted = std::min(count, remaining);
  uint32_t got = view ? ReadArchiveView(*view, destination, wanted) : 0;
  remaining = got ? remaining - got : 0;
  return got;
}

DecodeResult Decoder::DecodeMember(PackedInput& input, uint32_t unpackedSize,
                                   bool continueSolid, uint8_t* output, uint32_t* produced) {
  *produced = 0;
  if (continueSolid && broken_) return DecodeResult::BrokenChain;
  if (!continueSolid) Reset();
  input_ = &input;
  output_ = output;
  unpackedSize_ = unpackedSize;
  produced_ = 0;
  overrun_ = false;
  badTables_ = false;
  inPos_ = 0;
  bitPos_ = 0;
  FillInput();
  if (!continueSolid) ReadTables();
  DecodeResult result = Run();
  uint64_t written = uint64_t(produced_) + ((writePos_ - flushPos_) & WindowMask);
  dirtyExtent_ = uint32_t(std::min<uint64_t>(WindowSize, dirtyExtent_ + written));
  *produced = produced_;
  broken_ = result != DecodeResult::Ok;
  input_ = nullptr;
  return result;
}

void Decoder::Reset() {
  audio_.Reset();
  multimedia_ = false;
  history_ = MatchHistory();
  // Writes start at 0 after a reset, so only the front of the ring that
  // they reached since the last one needs clearing.
  std::memset(window_, 0, dirtyExtent_);
  dirtyExtent_ = 0;
  std::memset(previousLengths_, 0, sizeof previousLengths_);
  writePos_ = 0;
  flushPos_ = 0;
  broken_ = false;
}

DecodeResult Decoder::Run() {
  toProduce_ = int64_t(unpackedSize_) - 1;
  while (toProduce_ >= 0 && !badTables_) {
    if (Exhausted()) return DecodeResult::InputEnded;
    if (inPos_ > RefillAtSymbol) Refill();
    uint32_t ahead = (flushPos_ - writePos_) & WindowMask;
    if (ahead < FlushMargin && ahead != 0) Flush();
    if (multimedia_)
      DecodeAudioSymbol();
    else
      DecodeNormalSymbol();
  }
  if (badTables_) return DecodeResult::BadTables;
  // Output made from bits past the packed data is not to be trusted.
  if (!overrun_ && unpackedSize_ > 0 && Exhausted()) return DecodeResult::InputEnded;
  if (!overrun_) ReadLastTables();
  Flush();
  return overrun_ ? DecodeResult::Overrun : DecodeResult::Ok;
}

void Decoder::FillInput() {
  dataEnd_ = input_->Read(in_, InputSize);
}

void Decoder::Refill() {
  std::memmove(in_, in_ + InputSize - KeptBytes, KeptBytes);
  uint32_t keptValid = dataEnd_ > InputSize - KeptBytes ? dataEnd_ - (InputSize - KeptBytes) : 0;
  inPos_ -= InputSize - KeptBytes;
  uint32_t got = input_->Read(in_ + KeptBytes, InputSize - KeptBytes);
  dataEnd_ = got ? KeptBytes + got : keptValid;
}

uint32_t Decoder::Peek() const {
  const uint8_t* p = in_ + inPos_;
  uint32_t word = uint32_t(p[0]) << 24 | uint32_t(p[1]) << 16 | uint32_t(p[2]) << 8 | p[3];
  return (word << bitPos_) >> 16;
}

void Decoder::Skip(int count) {
  bitPos_ += count;
  inPos_ += uint32_t(bitPos_) >> 3;
  bitPos_ &= 7;
}

uint32_t Decoder::GetBits(int count) {
  if (count == 0) return 0;
  uint32_t value = Peek() >> (16 - count);
  Skip(count);
  return value;
}

int Decoder::DecodeSymbol(const HuffmanTable& table) {
  int length;
  int symbol = table.Decode(Peek(), &length);
  Skip(length);
  return symbol;
}

void Decoder::ReadTables() {
  if (inPos_ > RefillAtTables) Refill();
  uint32_t bits = Peek();
  multimedia_ = (bits & 0x8000) != 0;
  if (!(bits & 0x4000)) std::memset(previousLengths_, 0, sizeof previousLengths_);
  Skip(2);
  int total = NormalLengths;
  if (multimedia_) {
    // The channel count is in the two bits after the mode bits of the same peek.
    audio_.SetChannelCount(int((bits >> 12) & 3) + 1);
    Skip(2);
    total = AudioSymbols * audio_.channelCount();
  }
  uint8_t bitLengths[BitLengthSymbols];
  for (uint8_t& length : bitLengths) {
    length = uint8_t(Peek() >> 12);
    Skip(4);
  }
  bitLengthTable_.Build(bitLengths, BitLengthSymbols);
  // Places beyond this table's lengths keep their previous values.
  uint8_t lengths[MaxLengths];
  std::memcpy(lengths, previousLengths_, sizeof lengths);
  if (!ReadLengths(lengths, total)) {
    badTables_ = true;
    return;
  }
  if (multimedia_) {
    for (int channel = 0; channel < audio_.channelCount(); channel++)
      audioTables_[channel].Build(lengths + AudioSymbols * channel, AudioSymbols);
  } else {
    mainTable_.Build(lengths, MainSymbols);
    distanceTable_.Build(lengths + MainSymbols, DistanceSymbols);
    repeatTable_.Build(lengths + MainSymbols + DistanceSymbols, RepeatSymbols);
  }
  std::memcpy(previousLengths_, lengths, sizeof previousLengths_);
}

// False for a repeat of the previous length before there is one. Input that
// runs out leaves the remaining lengths as they were; the caller notices.
bool Decoder::ReadLengths(uint8_t* lengths, int total) {
  for (int i = 0; i < total && !Exhausted();) {
    if (inPos_ > RefillAtLength) Refill();
    int code = DecodeSymbol(bitLengthTable_);
    if (code < RepeatPreviousCode) {
      lengths[i] = uint8_t((code + previousLengths_[i]) & 0x0F);
      i++;
      continue;
    }
    int count;
    uint8_t value = 0;
    if (code == RepeatPreviousCode) {
      if (i == 0) return false;
      count = int(GetBits(2)) + 3;
      value = lengths[i - 1];
    } else if (code == ShortZerosCode) {
      count = int(GetBits(3)) + 3;
    } else {
      count = int(GetBits(7)) + 11;
    }
    for (; count > 0 && i < total; count--, i++) lengths[i] = value;
  }
  return true;
}

// A member may end with the table change that its solid successor starts
// with.
void Decoder::ReadLastTables() {
  if (dataEnd_ < inPos_ + 5) return;
  if (multimedia_) {
    if (DecodeSymbol(audioTables_[audio_.currentChannel()]) == AudioTableChangeSymbol)
      ReadTables();
  } else if (DecodeSymbol(mainTable_) == TableChangeSymbol) {
    ReadTables();
  }
}

void Decoder::DecodeNormalSymbol() {
  int symbol = DecodeSymbol(mainTable_);
  if (symbol < 256) {
    window_[writePos_] = uint8_t(symbol);
    writePos_ = (writePos_ + 1) & WindowMask;
    toProduce_--;
  } else if (symbol >= LongMatchSymbol) {
    int slot = symbol - LongMatchSymbol;
    uint32_t length = LengthBase[slot] + 3 + GetBits(LengthBits[slot]);
    int distanceSlot = DecodeSymbol(distanceTable_);
    uint32_t distance = DistanceBase[distanceSlot] + 1 + GetBits(DistanceBits[distanceSlot]);
    CopyMatch(length + LongLengthBonus(distance), distance);
  } else if (symbol == TableChangeSymbol) {
    ReadTables();
  } else if (symbol == RepeatLastSymbol) {
    CopyMatch(history_.lastLength, history_.lastDistance);
  } else if (symbol < ShortMatchSymbol) {
    uint32_t distance = history_.Previous(symbol - RepeatLastSymbol);
    int slot = DecodeSymbol(repeatTable_);
    uint32_t length = LengthBase[slot] + 2 + GetBits(LengthBits[slot]);
    CopyMatch(length + RepeatLengthBonus(distance), distance);
  } else {
    int slot = symbol - ShortMatchSymbol;
    CopyMatch(2, ShortBase[slot] + 1 + GetBits(ShortBits[slot]));
  }
}

void Decoder::DecodeAudioSymbol() {
  int symbol = DecodeSymbol(audioTables_[audio_.currentChannel()]);
  if (symbol == AudioTableChangeSymbol) {
    ReadTables();
    return;
  }
  window_[writePos_] = audio_.Decode(uint8_t(symbol));
  writePos_ = (writePos_ + 1) & WindowMask;
  toProduce_--;
}

void Decoder::CopyMatch(uint32_t length, uint32_t distance) {
  history_.Record(distance, length);
  toProduce_ -= length;
  uint32_t from = (writePos_ - distance) & WindowMask;
  uint32_t gap = (writePos_ - from) & WindowMask;  // 0 when the distance is a whole turn
  // A source up to a whole turn behind may still lie just ahead of the
  // destination; copying forward is then what memmove does.
  if (gap >= length && from + length <= WindowSize && writePos_ + length <= WindowSize) {
    std::memmove(window_ + writePos_, window_ + from, length);
    writePos_ = (writePos_ + length) & WindowMask;
    return;
  }
  for (uint32_t i = 0; i < length; i++) {
    window_[writePos_] = window_[(writePos_ - distance) & WindowMask];
    writePos_ = (writePos_ + 1) & WindowMask;
  }
}

// Appends the window bytes from the flush position up to the write position.
// Output that would pass the unpacked size stops the decoding instead.
void Decoder::Flush() {
  uint32_t count = (writePos_ - flushPos_) & WindowMask;
  if (uint64_t(produced_) + count > unpackedSize_) {
    overrun_ = true;
    toProduce_ = -1;
    return;
  }
  if (output_) {
    uint32_t first = std::min(count, WindowSize - flushPos_);
    std::memcpy(output_ + produced_, window_ + flushPos_, first);
    std::memcpy(output_ + produced_ + first, window_, count - first);
  }
  produced_ += count;
  flushPos_ = writePos_;
}

}  // namespace rar20
