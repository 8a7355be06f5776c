// The RAR 2.0 decoder: LZ77 matches in a 1 MiB ring window coded with
// Huffman tables sent in the stream, and the multimedia mode of predicted
// channel bytes. One decoder object carries the state of a solid chain from
// member to member. It trusts nothing in the packed data: every read and
// write stays inside its buffers, and damaged data ends in a failure result.
#pragma once
#include <cstdint>

#include "assets/archive/archive_view.h"
#include "assets/archive/rar20_audio.h"
#include "assets/archive/rar20_format.h"
#include "assets/archive/rar20_huffman.h"

namespace rar20 {

// The packed data of one member: at most `remaining` bytes from the view.
// A read that the view cannot satisfy ends the input.
struct PackedInput {
  ArchiveView* view = nullptr;
  uint32_t remaining = 0;
  uint32_t Read(uint8_t* destination, uint32_t count);
};

enum class DecodeResult {
  Ok,
  Overrun,      // the data decodes to more than the unpacked size
  InputEnded,   // the packed data ends before the member is complete
  BadTables,    // a table repeats a length before the first one
  BrokenChain,  // a solid member with no intact stream before it
};

class Decoder {
 public:
  // window: the caller's 1 MiB work buffer, used as the ring.
  explicit Decoder(uint8_t* window) : window_(window) {}

  // Decodes one member of unpackedSize bytes. continueSolid keeps the state
  // left by the previous member (flag 0x0010); otherwise everything starts
  // afresh. Bytes go to output (unpackedSize long) unless it is null, which
  // only runs the window on. *produced: the bytes appended to output.
  DecodeResult DecodeMember(PackedInput& input, uint32_t unpackedSize, bool continueSolid,
                            uint8_t* output, uint32_t* produced);
  // A member of the chain that could not be decoded breaks the chain.
  void BreakChain() { broken_ = true; }

 private:
  static constexpr uint32_t InputSize = 8192;
  static constexpr uint32_t InputPadding = 64;  // room for peeks past damaged data

  void Reset();
  void FillInput();
  void Refill();
  bool Exhausted() const { return inPos_ > dataEnd_ || (inPos_ == dataEnd_ && bitPos_ > 0); }
  uint32_t Peek() const;
  void Skip(int count);
  uint32_t GetBits(int count);
  int DecodeSymbol(const HuffmanTable& table);
  void ReadTables();
  bool ReadLengths(uint8_t* lengths, int total);
  void ReadLastTables();
  void DecodeNormalSymbol();
  void DecodeAudioSymbol();
  void CopyMatch(uint32_t length, uint32_t distance);
  void Flush();
  DecodeResult Run();

  uint8_t* window_;
  uint32_t dirtyExtent_ = WindowSize;  // the ring's front that may hold bytes: all, at first
  uint32_t writePos_ = 0;
  uint32_t flushPos_ = 0;
  MatchHistory history_;
  uint8_t previousLengths_[MaxLengths] = {};
  HuffmanTable mainTable_, distanceTable_, repeatTable_, bitLengthTable_;
  HuffmanTable audioTables_[MaxChannels];
  AudioPredictor audio_;
  bool multimedia_ = false;
  bool broken_ = true;  // no stream to continue yet

  // The member being decoded.
  PackedInput* input_ = nullptr;
  uint8_t in_[InputSize + InputPadding] = {};
  uint32_t inPos_ = 0;
  int bitPos_ = 0;
  uint32_t dataEnd_ = 0;  // end of the valid bytes in in_
  uint8_t* output_ = nullptr;
  uint32_t unpackedSize_ = 0;
  uint32_t produced_ = 0;
  int64_t toProduce_ = 0;
  bool overrun_ = false;
  bool badTables_ = false;
};

}  // namespace rar20
