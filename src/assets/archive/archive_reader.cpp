#include "assets/archive/archive_reader.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <new>
#include <string>

#include "assets/archive/archive_crc.h"
#include "assets/archive/archive_log.h"
#include "assets/archive/rar20_decoder.h"

using namespace archive;

namespace {

constexpr size_t MatchedNameBytes = 512;
// Every bit of a RAR 2.0 stream yields at most one 260-byte match.
constexpr uint64_t MaxExpansionPerPackedByte = 8 * 260;
// The largest member the reader unpacks: far above any picture, mesh or
// piece of music the screensaver holds, far below what a claim may ask.
constexpr uint64_t MaxMemberSize = uint64_t(128) << 20;

// Numbers in diagnostics; the texts around them are fixed.
std::string Number(uint32_t value) { return std::to_string(value); }

std::string NormalizedName(const char* name) {
  std::string out(name, strnlen(name, MatchedNameBytes - 1));
  for (char& c : out) {
    if (c == '\\' || c == '/') c = '_';
    if (c >= 'a' && c <= 'z') c = char(c - 'a' + 'A');
  }
  return out;
}

bool NamesMatch(const char* a, const char* b) { return NormalizedName(a) == NormalizedName(b); }

void FreeBuffer(uint8_t*& buffer) {
  std::free(buffer);
  buffer = nullptr;
}

// The scan of one extraction or listing: archive check, block scan and the
// copying or decoding of members, with the work buffer and decoder it owns.
class MemberSearch {
 public:
  MemberSearch(ArchiveView& view, ArchiveDiagnostics& diagnostics)
      : view_(view), diagnostics_(diagnostics) {}
  ~MemberSearch() { std::free(window_); }

  ArchiveStatus Extract(const char* name, uint8_t** buffer, uint32_t* length);
  ArchiveStatus List(const std::function<void(const ArchiveEntry&, bool)>& visit);

 private:
  ArchiveStatus Begin();
  bool CheckArchive();
  bool NextFileBlock();
  ArchiveStatus SizePlausible() const;
  ArchiveStatus VersionSupported() const;
  uint8_t* AllocateOutput();
  ArchiveStatus ReadMember(uint8_t** output);
  ArchiveStatus ProcessEntry(uint8_t* output, uint32_t* produced);
  ArchiveStatus ReadStored(uint8_t* output, uint32_t* produced);
  ArchiveStatus Decode(uint8_t* output, uint32_t* produced);
  ArchiveStatus DataMatches(const uint8_t* output, uint32_t produced) const;
  void WriteArchiveDiagnostic(const std::string& text,
                              std::source_location where = std::source_location::current()) const {
    diagnostics_.Write(text, where);
  }

  ArchiveView& view_;
  ArchiveDiagnostics& diagnostics_;
  Crc32 crc_;
  uint16_t mainHeaderSize_ = 0;
  bool solidArchive_ = false;
  uint8_t* window_ = nullptr;
  std::unique_ptr<rar20::Decoder> decoder_;
  BlockHeader header_;
  uint32_t blockStart_ = 0;
  uint32_t nextBlock_ = 0;
  char name_[MaxNameBytes + 1] = {};
  bool headerBroken_ = false;
};

bool MemberSearch::CheckArchive() {
  uint8_t marker[MarkerSize];
  if (!ReadArchiveView(view_, marker, MarkerSize)) return false;
  if (std::memcmp(marker, OldFormatMarker, sizeof OldFormatMarker) == 0) {
    WriteArchiveDiagnostic("Attention: format as OLD detected! Can't handel archive!");
    return false;
  }
  if (std::memcmp(marker, Marker, MarkerSize) != 0 &&
      std::memcmp(marker, AlternateMarker, MarkerSize) != 0) {
    WriteArchiveDiagnostic(std::string("unknown archive type (only plain RAR ") +
                           "supported (normal and solid " + "archives), SFX and Volumes " +
                           "are NOT supported!)");
    return false;
  }
  uint8_t main[MainHeaderSize];
  if (!ReadArchiveView(view_, main, MainHeaderSize)) return false;
  solidArchive_ = (Read16(main + 3) & SolidArchiveFlag) != 0;
  mainHeaderSize_ = Read16(main + 5);
  return true;
}

// Archive check, work buffer, and the view placed on the first block.
ArchiveStatus MemberSearch::Begin() {
  view_.offset = 0;
  if (!CheckArchive()) {
    WriteArchiveDiagnostic("Not a RAR file");
    return ArchiveStatus::NotAnArchive;
  }
  window_ = static_cast<uint8_t*>(std::malloc(rar20::WindowSize));
  if (window_) decoder_.reset(new (std::nothrow) rar20::Decoder(window_));
  if (!decoder_) {
    WriteArchiveDiagnostic("Can't allocate memory for decompression!");
    return ArchiveStatus::NoMemory;
  }
  uint64_t first = uint64_t(MarkerSize) + mainHeaderSize_;
  view_.offset = uint32_t(first < view_.size ? first : view_.size);
  return ArchiveStatus::Ok;
}

// Finds the next file block or sub-block. Each step moves the offset
// forward by at least the 7-byte minimum header, so the scan ends.
bool MemberSearch::NextFileBlock() {
  uint8_t raw[BlockHeaderSize];
  for (;;) {
    blockStart_ = view_.offset;
    if (!ReadArchiveView(view_, raw, BlockHeaderSize)) return false;
    header_ = ParseBlockHeader(raw);
    if (header_.headerSize < 7) return false;
    uint64_t next = uint64_t(blockStart_) + header_.headerSize;
    if (header_.flags & HasDataFlag) next += header_.packedSize;
    nextBlock_ = uint32_t(next < view_.size ? next : view_.size);
    if (header_.type == FileBlockType || header_.type == SubBlockType) break;
    view_.offset = nextBlock_;
  }
  headerBroken_ = false;
  if (header_.type != FileBlockType) return true;
  uint32_t nameBytes = header_.nameSize < MaxNameBytes ? header_.nameSize : MaxNameBytes;
  nameBytes = ReadArchiveView(view_, name_, nameBytes);
  name_[nameBytes] = 0;
  uint32_t crc = crc_.Update(0xFFFFFFFFu, raw + 2, BlockHeaderSize - 2);
  crc = crc_.Update(crc, reinterpret_cast<const uint8_t*>(name_), nameBytes);
  if (uint16_t(~crc) != header_.crc) {
    headerBroken_ = true;
    WriteArchiveDiagnostic("file header broken");
  }
  return true;
}

// A member's packed bytes lie in the archive after its header. A stored
// member holds its bytes; a compressed one cannot decode to more than
// MaxExpansionPerPackedByte per packed byte, nor to more than MaxMemberSize.
// Anything else is damage, refused before a buffer of its size is allocated.
ArchiveStatus MemberSearch::SizePlausible() const {
  uint64_t dataStart = uint64_t(blockStart_) + header_.headerSize;
  if (dataStart + header_.packedSize > view_.size) {
    WriteArchiveDiagnostic("Packed size of " + Number(header_.packedSize) +
                           " bytes goes past the end of the archive!");
    return ArchiveStatus::ImpossibleSize;
  }
  uint64_t limit = header_.packedSize;
  if (header_.method != StoredMethod) limit *= MaxExpansionPerPackedByte;
  if (header_.unpackedSize > limit) {
    WriteArchiveDiagnostic("Unpacked size of " + Number(header_.unpackedSize) + " bytes for " +
                           Number(header_.packedSize) + " packed bytes is impossible!");
    return ArchiveStatus::ImpossibleSize;
  }
  if (header_.unpackedSize <= MaxMemberSize) return ArchiveStatus::Ok;
  WriteArchiveDiagnostic("Unpacked size of " + Number(header_.unpackedSize) + " bytes is more than the " +
                         std::to_string(MaxMemberSize) + " bytes a member may have!");
  return ArchiveStatus::ImpossibleSize;
}

ArchiveStatus MemberSearch::VersionSupported() const {
  if (header_.unpackVersion >= MinUnpackVersion && header_.unpackVersion <= MaxUnpackVersion)
    return ArchiveStatus::Ok;
  WriteArchiveDiagnostic("unknown compression method");
  return ArchiveStatus::UnsupportedVersion;
}

uint8_t* MemberSearch::AllocateOutput() {
  // One byte at least, so that an empty member still has a buffer to hand out.
  size_t size = header_.unpackedSize ? header_.unpackedSize : 1;
  auto* output = static_cast<uint8_t*>(std::calloc(size, 1));
  if (!output) WriteArchiveDiagnostic("can't allocate memory for the file decompression");
  return output;
}

// The current member, checked and read into a new *output (null when it
// is refused; a refused compressed member leaves a solid stream broken).
ArchiveStatus MemberSearch::ReadMember(uint8_t** output) {
  *output = nullptr;
  ArchiveStatus status = VersionSupported();
  if (status == ArchiveStatus::Ok) status = SizePlausible();
  if (status == ArchiveStatus::Ok && !(*output = AllocateOutput())) status = ArchiveStatus::NoMemory;
  if (status != ArchiveStatus::Ok) {
    if (header_.method != StoredMethod) decoder_->BreakChain();
    return status;
  }
  uint32_t produced;
  return ProcessEntry(*output, &produced);
}

// Copies or decodes the current member; output null runs a solid member
// through the decoder without keeping its bytes. Ok when the member came
// out whole (and, with an output, matches its CRC).
ArchiveStatus MemberSearch::ProcessEntry(uint8_t* output, uint32_t* produced) {
  *produced = 0;
  view_.offset = uint32_t(std::min<uint64_t>(uint64_t(blockStart_) + header_.headerSize,
                                             view_.size));
  if (header_.method == StoredMethod) return ReadStored(output, produced);
  ArchiveStatus status = SizePlausible();
  if (status != ArchiveStatus::Ok) {
    decoder_->BreakChain();
    return status;
  }
  return Decode(output, produced);
}

ArchiveStatus MemberSearch::ReadStored(uint8_t* output, uint32_t* produced) {
  if (!output) return ArchiveStatus::Ok;  // a stored member leaves a solid stream alone
  uint32_t count = std::min(header_.unpackedSize, header_.packedSize);
  *produced = ReadArchiveView(view_, output, count);
  return DataMatches(output, *produced);
}

ArchiveStatus MemberSearch::Decode(uint8_t* output, uint32_t* produced) {
  rar20::PackedInput input{&view_, header_.packedSize};
  bool continueSolid = (header_.flags & SolidMemberFlag) != 0;
  rar20::DecodeResult result =
      decoder_->DecodeMember(input, header_.unpackedSize, continueSolid, output, produced);
  switch (result) {
    case rar20::DecodeResult::Ok: break;
    case rar20::DecodeResult::Overrun:
      WriteArchiveDiagnostic("Fatal! Buffer overrun during decompression!");
      break;
    case rar20::DecodeResult::InputEnded:
      WriteArchiveDiagnostic("Packed data ends before the member is complete!");
      return ArchiveStatus::Damaged;
    case rar20::DecodeResult::BadTables:
      WriteArchiveDiagnostic("Damaged Huffman tables in the packed data!");
      return ArchiveStatus::Damaged;
    case rar20::DecodeResult::BrokenChain:
      WriteArchiveDiagnostic("Solid member can't continue the stream before it!");
      return ArchiveStatus::BrokenChain;
  }
  ArchiveStatus status = output ? DataMatches(output, *produced) : ArchiveStatus::Ok;
  return result == rar20::DecodeResult::Ok ? status : ArchiveStatus::Damaged;
}

ArchiveStatus MemberSearch::DataMatches(const uint8_t* output, uint32_t produced) const {
  if (produced == header_.unpackedSize && crc_.Of(output, produced) == header_.dataCrc)
    return ArchiveStatus::Ok;
  WriteArchiveDiagnostic("CRC32 error - file couldn't be decompressed correctly!");
  return ArchiveStatus::CrcMismatch;
}

ArchiveStatus MemberSearch::Extract(const char* name, uint8_t** buffer, uint32_t* length) {
  ArchiveStatus status = Begin();
  if (status != ArchiveStatus::Ok) return status;
  for (;;) {
    if (!NextFileBlock()) return ArchiveStatus::NotFound;
    if (header_.type == SubBlockType) {
      WriteArchiveDiagnostic("Sorry, sub-headers not supported.");
      return ArchiveStatus::SubBlock;
    }
    bool match = NamesMatch(name_, name);
    if (match) {
      status = ReadMember(buffer);
      *length = *buffer ? header_.unpackedSize : 0;
      if (status == ArchiveStatus::Ok) view_.offset = nextBlock_;
      return status;
    }
    if (solidArchive_) {
      // Earlier members of a solid archive run through the decoder unkept.
      status = VersionSupported();
      uint32_t produced;
      if (status == ArchiveStatus::Ok) status = ProcessEntry(nullptr, &produced);
      if (status == ArchiveStatus::UnsupportedVersion) return status;
    }
    view_.offset = nextBlock_;
  }
}

ArchiveStatus MemberSearch::List(const std::function<void(const ArchiveEntry&, bool)>& visit) {
  ArchiveStatus status = Begin();
  if (status != ArchiveStatus::Ok) return status;
  while (NextFileBlock()) {
    if (header_.type == SubBlockType) {
      WriteArchiveDiagnostic("Sorry, sub-headers not supported.");
      return ArchiveStatus::SubBlock;
    }
    uint8_t* output = nullptr;
    bool ok = ReadMember(&output) == ArchiveStatus::Ok;
    std::free(output);
    visit(ArchiveEntry{name_, header_, headerBroken_}, ok);
    view_.offset = nextBlock_;
  }
  return ArchiveStatus::Ok;
}

std::string ArchiveLabel(const ArchiveView& view) {
  return "archive in memory (" + Number(view.size) + " bytes)";
}

}  // namespace

const char* ArchiveStatusText(ArchiveStatus status) {
  switch (status) {
    case ArchiveStatus::Ok: return "ok";
    case ArchiveStatus::NotAnArchive: return "not a RAR archive";
    case ArchiveStatus::NoMemory: return "no memory for the member";
    case ArchiveStatus::NotFound: return "no such member in the archive";
    case ArchiveStatus::SubBlock: return "sub-headers are not supported";
    case ArchiveStatus::UnsupportedVersion: return "unknown compression method";
    case ArchiveStatus::ImpossibleSize: return "impossible member size";
    case ArchiveStatus::Damaged: return "damaged packed data";
    case ArchiveStatus::BrokenChain: return "solid stream broken before the member";
    case ArchiveStatus::CrcMismatch: return "CRC mismatch";
  }
  return "unknown archive status";
}

ArchiveStatus ExtractArchiveMember(const char* name, ArchiveView& view, const char* password,
                                   uint8_t** buffer, uint32_t* length, ArchiveDiagnostics& diagnostics) {
  diagnostics.Begin();
  *buffer = nullptr;
  *length = 0;
  diagnostics.Write(std::string("Extracting >") + name + "< from >" + ArchiveLabel(view) +
                         "< (password is >" + password + "<)...");
  ArchiveStatus status = MemberSearch(view, diagnostics).Extract(name, buffer, length);
  if (status == ArchiveStatus::Ok) {
    diagnostics.Write("Extracted " + Number(*length) + " Bytes.");
    return status;
  }
  FreeBuffer(*buffer);
  *length = 0;
  diagnostics.Write(std::string("Error - couldn't extract ") + ">" + name + "<" +
                         " and allocated " + Number(*length) + " Bytes" +
                         " of unused memory!");
  return status;
}

ArchiveStatus ListArchiveMembers(ArchiveView& view, ArchiveDiagnostics& diagnostics,
                                 const std::function<void(const ArchiveEntry&, bool)>& visit) {
  diagnostics.Begin();
  diagnostics.Write("Listing >" + ArchiveLabel(view) + "<...");
  return MemberSearch(view, diagnostics).List(visit);
}
