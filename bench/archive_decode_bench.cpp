// Decoding speed of the RAR 2.0 decoder on 16 MiB of mixed data (text-like,
// binary series, runs and some random bytes) made by our encoder, beside
// zlib's inflate of the same data compressed at zlib's default level.
#include <benchmark/benchmark.h>
#include <zlib.h>

#include <chrono>
#include <cstdlib>

#include "assets/archive_test_support.h"

using namespace archive_test;

namespace {

constexpr size_t DataSize = 16 << 20;

struct Corpus {
  Bytes data = Mixed(DataSize, 2024);
  Bytes rar = rar20::CompressRar20(data.data(), data.size());
  Bytes zlib;
  Bytes archive;
  Corpus() {
    uLongf size = compressBound(uLong(data.size()));
    zlib.resize(size);
    compress2(zlib.data(), &size, data.data(), uLong(data.size()), Z_DEFAULT_COMPRESSION);
    zlib.resize(size);
    ArchiveWriter writer;
    writer.AddCompressed("mixed.bin", data, rar);
    archive = writer.Finish();
  }
};

const Corpus& TheCorpus() {
  static const Corpus corpus;
  return corpus;
}

// One decode of the whole member; false if it did not reproduce the data.
bool DecodeRar(const Corpus& c, rar20::Decoder& decoder, Bytes& out) {
  ArchiveView view{c.rar.data(), uint32_t(c.rar.size()), 0};
  rar20::PackedInput input{&view, view.size};
  uint32_t produced = 0;
  return decoder.DecodeMember(input, uint32_t(out.size()), false, out.data(), &produced) ==
             rar20::DecodeResult::Ok &&
         produced == out.size();
}

bool Inflate(const Corpus& c, Bytes& out) {
  uLongf size = uLongf(out.size());
  return uncompress(out.data(), &size, c.zlib.data(), uLong(c.zlib.size())) == Z_OK &&
         size == out.size();
}

void Report(benchmark::State& state, const Corpus& c, const Bytes& packed) {
  state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(c.data.size()));
  state.counters["ratio"] = double(packed.size()) / double(c.data.size());
}

void BM_Rar20Decode(benchmark::State& state) {
  const Corpus& c = TheCorpus();
  Bytes window(rar20::WindowSize), out(c.data.size());
  rar20::Decoder decoder(window.data());
  for (auto _ : state)
    if (!DecodeRar(c, decoder, out)) state.SkipWithError("decode failed");
  if (out != c.data) state.SkipWithError("decoded data differs");
  Report(state, c, c.rar);
}

void BM_ZlibInflate(benchmark::State& state) {
  const Corpus& c = TheCorpus();
  Bytes out(c.data.size());
  for (auto _ : state)
    if (!Inflate(c, out)) state.SkipWithError("inflate failed");
  Report(state, c, c.zlib);
}

// The whole extraction: block scan, decoding, output buffer and CRC-32.
void BM_ExtractCompressedMember(benchmark::State& state) {
  const Corpus& c = TheCorpus();
  DiscardedDiagnostics diagnostics;
  for (auto _ : state) {
    ArchiveView view{c.archive.data(), uint32_t(c.archive.size()), 0};
    uint8_t* buffer = nullptr;
    uint32_t length = 0;
    if (ExtractArchiveMember("mixed.bin", view, "", &buffer, &length, diagnostics) != ArchiveStatus::Ok)
      state.SkipWithError("extraction failed");
    std::free(buffer);
  }
  Report(state, c, c.rar);
}

// Both decoders in turn; speedVsZlib is the RAR 2.0 decoder's speed over
// inflate's (the goal is at least 0.7).
void BM_Rar20VersusInflate(benchmark::State& state) {
  const Corpus& c = TheCorpus();
  Bytes window(rar20::WindowSize), out(c.data.size());
  rar20::Decoder decoder(window.data());
  std::chrono::duration<double> rar{}, zlib{};
  for (auto _ : state) {
    auto t0 = std::chrono::steady_clock::now();
    bool ok = DecodeRar(c, decoder, out);
    auto t1 = std::chrono::steady_clock::now();
    ok = Inflate(c, out) && ok;
    auto t2 = std::chrono::steady_clock::now();
    if (!ok) state.SkipWithError("decode failed");
    rar += t1 - t0;
    zlib += t2 - t1;
  }
  state.counters["speedVsZlib"] = zlib.count() / rar.count();
  state.counters["rarMBps"] = double(c.data.size()) * double(state.iterations()) / rar.count() / 1e6;
  state.counters["zlibMBps"] = double(c.data.size()) * double(state.iterations()) / zlib.count() / 1e6;
}

// Listing 10,000 one-byte compressed members: each starts its stream afresh,
// so the cost of a reset of the window shows here (the goal: well under
// 0.1 s for the listing).
void BM_ListTinyMembers(benchmark::State& state) {
  static const Bytes archive = [] {
    ArchiveWriter writer;
    for (int i = 0; i < 10000; i++) {
      Bytes one{uint8_t('a' + i % 26)};
      writer.AddCompressed("m" + std::to_string(i), one, rar20::CompressRar20(one.data(), one.size()));
    }
    return writer.Finish();
  }();
  DiscardedDiagnostics diagnostics;
  for (auto _ : state) {
    ArchiveView view{archive.data(), uint32_t(archive.size()), 0};
    int good = 0;
    ListArchiveMembers(view, diagnostics, [&good](const ArchiveEntry&, bool ok) { good += ok; });
    if (good != 10000) state.SkipWithError("a member did not list as good");
  }
  state.counters["archiveKB"] = double(archive.size()) / 1e3;
}

}  // namespace

BENCHMARK(BM_Rar20Decode)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ZlibInflate)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ExtractCompressedMember)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Rar20VersusInflate)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ListTinyMembers)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
