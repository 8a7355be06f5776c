// A RAR 2.0 stream encoder for tests and qvtool: members of a solid chain,
// each a byte stream the decoder reads on its own. Normal blocks code
// literals and every kind of match; multimedia blocks code the errors of
// the same adaptive predictor the decoder runs. New tables start a block:
// within a member, at a member's end for the next one, or on a change of
// mode. It aims at correctness, not at the best compression.
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

#include "assets/archive/rar20_audio.h"
#include "assets/archive/rar20_bit_writer.h"
#include "assets/archive/rar20_format.h"
#include "assets/archive/rar20_matcher.h"

namespace rar20 {

struct EncoderOptions {
  uint32_t blockSymbols = 1 << 15;  // symbols coded with one set of tables
  int chainDepth = 16;              // hash-chain candidates tried per position
};

struct EncoderStats {
  uint64_t literals = 0;
  uint64_t repeatLast = 0;           // symbol 256
  uint64_t previousDistance[4] = {};  // symbols 257..260
  uint64_t shortMatches = 0;         // 261..268
  uint64_t longMatches = 0;          // 270 and up
  uint64_t tableChanges = 0;         // table-change symbols written
  uint64_t clearedTables = 0;        // table reads that clear the previous lengths
  uint64_t audioBytes = 0;
};

class Encoder {
 public:
  explicit Encoder(EncoderOptions options = {});

  // Starts the next member; the first one starts the chain afresh. With
  // newTables the member's symbols get tables of their own, sent at the end
  // of the previous member; otherwise the current tables carry on.
  void BeginMember(bool newTables = true);
  void AddData(const uint8_t* data, size_t size);  // normal mode, matches found here
  void AddLiteral(uint8_t byte);
  // False (and nothing added) when no symbol can code this match.
  bool AddMatch(uint32_t length, uint32_t distance);
  // Multimedia mode, channels 1..4 interleaved byte by byte.
  void AddAudio(const uint8_t* data, size_t size, int channels);
  // The next symbols get new tables.
  void NewBlock();
  // The packed stream of every member, in order.
  std::vector<std::vector<uint8_t>> Finish();

  const EncoderStats& stats() const { return stats_; }

 private:
  struct Record {
    uint16_t symbol;
    uint8_t table;  // 0 main, 1 distance, 2 repeat length, 3 + n audio channel n
    uint8_t extraBits;
    uint32_t extra;
    uint32_t member;
  };
  struct Block {
    bool audio = false;
    int channels = 1;
    uint32_t tableMember = 0;  // the stream the block's tables are read from
    std::vector<Record> records;
  };

  void EnsureBlock(bool audio, int channels);
  void OpenBlock(bool audio, int channels);
  void CloseBlock(bool followed);
  void WriteTables(BitWriter& out, const uint8_t* lengths, int total, bool clear);
  void Add(uint16_t symbol, uint8_t table, uint8_t extraBits = 0, uint32_t extra = 0);
  bool EmitMatch(uint32_t length, uint32_t distance);
  MatchCandidate ChooseMatch(size_t pos, size_t end);
  void HashUpTo(size_t limit);

  EncoderOptions options_;
  EncoderStats stats_;
  std::vector<BitWriter> streams_;
  int member_ = -1;
  Block block_;
  bool hasBlock_ = false;
  bool tablesOwed_ = true;  // at the chain's start and after a table change
  uint32_t nextTableMember_ = 0;
  bool lastBlockAudio_ = false;
  MatchHistory history_;
  AudioPredictor audio_;
  uint8_t previousLengths_[MaxLengths] = {};
  std::vector<uint8_t> data_;  // every byte of the chain so far
  size_t hashed_ = 0;
  Matcher matcher_;
};

// One member on its own, in normal mode.
std::vector<uint8_t> CompressRar20(const uint8_t* data, size_t size, EncoderOptions options = {});

}  // namespace rar20
