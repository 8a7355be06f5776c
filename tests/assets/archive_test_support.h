// Helpers shared by the archive tests and benchmark: sample data of several
// kinds, one-call decoding of RAR 2.0 streams, archives made in memory, and
// capture of the reader's diagnostics.
#pragma once
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "assets/archive/archive_log.h"
#include "assets/archive/archive_reader.h"
#include "assets/archive/archive_writer.h"
#include "assets/archive/rar20_bit_writer.h"
#include "assets/archive/rar20_decoder.h"
#include "assets/archive/rar20_encoder.h"

namespace archive_test {

using Bytes = std::vector<uint8_t>;

inline Bytes TextLike(size_t size, uint32_t seed) {
  static const char* words[] = {"scene ",  "camera ", "V(0.5 1.0 -2.0) ", "world ", "end\r\n",
                                "flare ",  "texture textures\\star.jpg\r\n", "speed 0.25 ",
                                "object ", "// comment about the station\r\n"};
  std::mt19937 random(seed);
  Bytes out;
  while (out.size() < size) {
    const char* w = words[random() % 10];
    while (*w && out.size() < size) out.push_back(uint8_t(*w++));
  }
  return out;
}

inline Bytes RandomBytes(size_t size, uint32_t seed) {
  std::mt19937 random(seed);
  Bytes out(size);
  for (uint8_t& b : out) b = uint8_t(random());
  return out;
}

// Little-endian 16-bit values of a few slowly changing series, like mesh
// vertices or samples: compressible, but not by repeats alone.
inline Bytes BinaryLike(size_t size, uint32_t seed) {
  std::mt19937 random(seed);
  Bytes out;
  int value = 0;
  while (out.size() < size) {
    value += int(random() % 17) - 8;
    out.push_back(uint8_t(value));
    if (out.size() < size) out.push_back(uint8_t(value >> 8));
  }
  return out;
}

inline Bytes Runs(size_t size, uint32_t seed) {
  std::mt19937 random(seed);
  Bytes out;
  while (out.size() < size) out.resize(std::min(size, out.size() + 1 + random() % 600), uint8_t(random() % 4));
  return out;
}

// Interleaved channels of smooth waves with a little noise.
inline Bytes AudioLike(size_t size, int channels, uint32_t seed) {
  std::mt19937 random(seed);
  Bytes out(size);
  for (size_t i = 0; i < size; i++) {
    double t = double(i / size_t(channels));
    int c = int(i % size_t(channels));
    double wave = 60 * std::sin(t * (0.02 + 0.013 * c)) + 30 * std::sin(t * 0.11);
    out[i] = uint8_t(128 + int(wave) + int(random() % 5) - 2);
  }
  return out;
}

// Text, binary, runs and random bytes in turns of 64 KiB.
inline Bytes Mixed(size_t size, uint32_t seed) {
  Bytes out;
  for (uint32_t part = 0; out.size() < size; part++) {
    size_t n = std::min<size_t>(65536, size - out.size());
    Bytes piece;
    switch (part % 4) {
      case 0: piece = TextLike(n, seed + part); break;
      case 1: piece = BinaryLike(n, seed + part); break;
      case 2: piece = Runs(n, seed + part); break;
      default: piece = RandomBytes(n / 4, seed + part); piece.resize(n, 0x20); break;
    }
    out.insert(out.end(), piece.begin(), piece.end());
  }
  return out;
}

// Normal-mode tables written by hand: the listed symbols of the 374 get
// length 1, all others 0. The bit-length code has symbols 1 and 18.
inline void WriteHandTables(rar20::BitWriter& w, const std::vector<int>& ones) {
  w.Put(0, 2);
  for (int i = 0; i < rar20::BitLengthSymbols; i++) w.Put(i == 1 || i == 18 ? 1 : 0, 4);
  int at = 0;
  auto zeros = [&](int n) {  // runs shorter than 11 do not occur in the tests' layouts
    while (n >= 11) {
      int run = std::min(n, 138);
      w.Put(1, 1);
      w.Put(uint32_t(run - 11), 7);
      n -= run;
      at += run;
    }
  };
  for (int symbol : ones) {
    zeros(symbol - at);
    w.Put(0, 1);
    at++;
  }
  zeros(rar20::NormalLengths - at);
}

struct Decoded {
  rar20::DecodeResult result;
  Bytes bytes;
};

// Decodes the members of a solid chain in order, each with its size.
inline std::vector<Decoded> DecodeChain(const std::vector<Bytes>& streams,
                                        const std::vector<uint32_t>& sizes) {
  Bytes window(rar20::WindowSize);
  rar20::Decoder decoder(window.data());
  std::vector<Decoded> out;
  for (size_t i = 0; i < streams.size(); i++) {
    ArchiveView view{streams[i].data(), uint32_t(streams[i].size()), 0};
    rar20::PackedInput input{&view, view.size};
    Decoded d{rar20::DecodeResult::Ok, Bytes(sizes[i])};
    uint32_t produced = 0;
    d.result = decoder.DecodeMember(input, sizes[i], i > 0, d.bytes.data(), &produced);
    d.bytes.resize(produced);
    out.push_back(d);
  }
  return out;
}

inline Decoded DecodeOne(const Bytes& stream, uint32_t size) {
  return DecodeChain({stream}, {size})[0];
}

// An archive of one member, stored or compressed.
inline Bytes OneMemberArchive(const std::string& name, const Bytes& data, bool compress) {
  ArchiveWriter writer;
  if (compress)
    writer.AddCompressed(name, data, rar20::CompressRar20(data.data(), data.size()));
  else
    writer.AddStored(name, data);
  return writer.Finish();
}

struct Extracted {
  bool ok;
  ArchiveStatus status;
  Bytes bytes;
};

// Collects the reader's diagnostics of the calls it is given to.
class DiagnosticCapture : public ArchiveDiagnostics {
 public:
  void Write(const std::string& text, std::source_location) override { lines.push_back(text); }
  bool Has(const std::string& text) const {
    for (const std::string& line : lines)
      if (line == text) return true;
    return false;
  }
  std::vector<std::string> lines;
};

inline Extracted Extract(const Bytes& archive, const char* name, ArchiveDiagnostics& diagnostics) {
  ArchiveView view{archive.data(), uint32_t(archive.size()), 0};
  uint8_t* buffer = nullptr;
  uint32_t length = 0;
  ArchiveStatus status = ExtractArchiveMember(name, view, "", &buffer, &length, diagnostics);
  Extracted out{status == ArchiveStatus::Ok, status, Bytes(buffer, buffer + length)};
  std::free(buffer);
  return out;
}

// A sink for the calls whose diagnostics a test does not read.
inline ArchiveDiagnostics& Unread() {
  static DiscardedDiagnostics unread;
  return unread;
}

inline Extracted Extract(const Bytes& archive, const char* name) { return Extract(archive, name, Unread()); }

}  // namespace archive_test
