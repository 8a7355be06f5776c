// Damaged and hostile archives and streams: each must end in a clean result,
// never a crash, a hang or an access outside a buffer. The sanitized build
// of these tests checks the last part.
#include <gtest/gtest.h>

#include "assets/archive_test_support.h"

using namespace archive_test;
using rar20::DecodeResult;

namespace {

constexpr size_t FirstBlock = 7 + 13;

void Put32(Bytes& archive, size_t at, uint32_t value) {
  for (int i = 0; i < 4; i++) archive[at + size_t(i)] = uint8_t(value >> (8 * i));
}

TEST(ArchiveDamage, TruncationAtEveryOffsetFailsCleanly) {
  Bytes data = Mixed(6000, 1);
  Bytes archive = OneMemberArchive("m", data, true);
  for (size_t cut = 0; cut < archive.size(); cut++) {
    Extracted e = Extract(Bytes(archive.begin(), archive.begin() + long(cut)), "m");
    // Only the end block may go: the scan never reads it.
    bool intact = cut >= archive.size() - 7;
    ASSERT_EQ(e.ok, intact) << "cut at " << cut;
    if (intact) {
      EXPECT_TRUE(e.bytes == data);
    }
  }
  Bytes stream = rar20::CompressRar20(data.data(), data.size());
  for (size_t cut = 0; cut < stream.size(); cut++) {
    Decoded d = DecodeOne(Bytes(stream.begin(), stream.begin() + long(cut)), uint32_t(data.size()));
    ASSERT_NE(d.result, DecodeResult::Ok) << "stream cut at " << cut;
  }
}

Bytes VariedArchive() {
  ArchiveWriter writer(true);
  writer.AddDirectory("dir");
  Bytes text = TextLike(3000, 2), audio = AudioLike(2000, 2, 3), mixed = Mixed(4000, 4);
  writer.AddStored("dir\\stored.txt", text);
  rar20::EncoderOptions options;
  options.blockSymbols = 400;
  rar20::Encoder encoder(options);
  encoder.BeginMember();
  encoder.AddData(text.data(), text.size());
  encoder.BeginMember();
  encoder.AddAudio(audio.data(), audio.size(), 2);
  encoder.BeginMember(false);
  encoder.AddData(mixed.data(), mixed.size());
  std::vector<Bytes> streams = encoder.Finish();
  writer.AddCompressed("dir\\text", text, streams[0]);
  writer.AddCompressed("dir\\audio", audio, streams[1], true);
  writer.AddCompressed("dir\\mixed", mixed, streams[2], true);
  return writer.Finish();
}

TEST(ArchiveDamage, RandomByteFlipsNeverYieldWrongData) {
  Bytes original = VariedArchive();
  const char* names[] = {"dir", "dir\\stored.txt", "dir\\text", "dir\\audio", "dir\\mixed"};
  std::vector<Extracted> expected;
  for (const char* name : names) {
    expected.push_back(Extract(original, name));
    ASSERT_TRUE(expected.back().ok) << name;
  }
  for (uint32_t seed = 0; seed < 150; seed++) {
    std::mt19937 random(seed);
    Bytes archive = original;
    int flips = 1 + int(random() % 8);
    for (int i = 0; i < flips; i++) archive[random() % archive.size()] ^= uint8_t(1 + random() % 255);
    for (size_t n = 0; n < std::size(names); n++) {
      Extracted e = Extract(archive, names[n]);
      if (e.ok) {
        EXPECT_TRUE(e.bytes == expected[n].bytes) << "seed " << seed << " " << names[n];
      }
    }
    ArchiveView view{archive.data(), uint32_t(archive.size()), 0};
    ListArchiveMembers(view, Unread(), [](const ArchiveEntry&, bool) {});
  }
}

TEST(ArchiveDamage, GarbageStreamsEndCleanly) {
  for (uint32_t seed = 0; seed < 200; seed++) {
    Bytes garbage = RandomBytes(1 + seed * 7, seed);
    Decoded d = DecodeOne(garbage, 50000);
    EXPECT_LE(d.bytes.size(), 50000u);
  }
}

TEST(ArchiveDamage, RepeatOfALengthBeforeTheFirstIsRefused) {
  rar20::BitWriter w;
  w.Put(0, 2);
  for (int i = 0; i < rar20::BitLengthSymbols; i++) w.Put(i == 16 ? 1 : 0, 4);
  w.Put(0, 16);
  EXPECT_EQ(DecodeOne(w.Bytes(), 10).result, DecodeResult::BadTables);
}

TEST(ArchiveDamage, OverSubscribedTablesStayInBounds) {
  rar20::BitWriter w;
  w.Put(0, 2);
  for (int i = 0; i < rar20::BitLengthSymbols; i++) w.Put(1, 4);  // 19 codes of one bit
  for (int i = 0; i < 400; i++) w.Put(0x5A, 8);
  Decoded d = DecodeOne(w.Bytes(), 3000);
  EXPECT_LE(d.bytes.size(), 3000u);
  Bytes stream = w.Bytes();
  Bytes archive;
  ArchiveWriter writer;
  writer.AddCompressed("x", Bytes(3000, 1), stream);
  DiagnosticCapture log;
  EXPECT_FALSE(Extract(writer.Finish(), "x", log).ok);
}

TEST(ArchiveDamage, StreamThatNeverEndsStopsWithItsInput) {
  rar20::BitWriter normal;  // only symbol 256: matches of the last length, 0
  WriteHandTables(normal, {256});
  normal.Put(0, 32);
  EXPECT_EQ(DecodeOne(normal.Bytes(), 1000000).result, DecodeResult::InputEnded);

  rar20::BitWriter tableChanges;  // only symbol 269: one table read after another
  WriteHandTables(tableChanges, {269});
  for (int i = 0; i < 50; i++) tableChanges.Put(0, 1), WriteHandTables(tableChanges, {269});
  EXPECT_EQ(DecodeOne(tableChanges.Bytes(), 100).result, DecodeResult::InputEnded);
}

TEST(ArchiveDamage, DistancesBeyondTheDataReadTheResetWindow) {
  rar20::Encoder encoder;
  encoder.BeginMember();
  encoder.AddLiteral('a');
  ASSERT_TRUE(encoder.AddMatch(9, 5000));  // before the first byte: zeros
  encoder.BeginMember();
  encoder.AddLiteral('b');
  ASSERT_TRUE(encoder.AddMatch(20, 0x80000));  // far beyond both members
  std::vector<Decoded> d = DecodeChain(encoder.Finish(), {10, 21});
  EXPECT_EQ(d[0].result, DecodeResult::Ok);
  EXPECT_TRUE(d[0].bytes == (Bytes{'a', 0, 0, 0, 0, 0, 0, 0, 0, 0}));
  EXPECT_EQ(d[1].result, DecodeResult::Ok);
  Bytes second(21, 0);
  second[0] = 'b';
  EXPECT_TRUE(d[1].bytes == second);
}

// Nearly a whole turn back is just ahead of the write position: the source
// overlaps the destination, and the copy reads ahead as a byte loop would.
TEST(ArchiveDamage, MatchFromJustAheadOfTheWritePosition) {
  rar20::Encoder encoder;
  encoder.BeginMember();
  for (int i = 0; i < 0xA0; i++) encoder.AddLiteral(uint8_t('a' + i % 26));
  ASSERT_TRUE(encoder.AddMatch(0x77, rar20::WindowSize - 0x14));
  Decoded d = DecodeOne(encoder.Finish()[0], 0xA0 + 0x77);
  ASSERT_EQ(d.result, DecodeResult::Ok);
  EXPECT_EQ(d.bytes[0x9F], uint8_t('a' + 0x9F % 26));
  EXPECT_TRUE(Bytes(d.bytes.begin() + 0xA0, d.bytes.end()) == Bytes(0x77, 0));  // the reset window
}

TEST(ArchiveDamage, SolidMemberAfterAFailedOneFails) {
  Bytes a = TextLike(5000, 1), b = TextLike(5000, 2);
  rar20::Encoder encoder;
  encoder.BeginMember();
  encoder.AddData(a.data(), a.size());
  encoder.BeginMember();
  encoder.AddData(b.data(), b.size());
  std::vector<Bytes> streams = encoder.Finish();
  streams[0].resize(streams[0].size() / 2);
  std::vector<Decoded> d = DecodeChain(streams, {5000, 5000});
  EXPECT_EQ(d[0].result, DecodeResult::InputEnded);
  EXPECT_EQ(d[1].result, DecodeResult::BrokenChain);

  ArchiveWriter writer(true);
  writer.AddCompressed("a", a, streams[0]);
  writer.AddCompressed("b", b, streams[1], true);
  DiagnosticCapture log;
  EXPECT_EQ(ArchiveStatus::BrokenChain, Extract(writer.Finish(), "b", log).status);
  EXPECT_TRUE(log.Has("Packed data ends before the member is complete!"));
  EXPECT_TRUE(log.Has("Solid member can't continue the stream before it!"));
}

TEST(ArchiveDamage, DecodingPastTheUnpackedSizeIsAnOverrun) {
  Bytes data = Runs(20000, 3);
  Bytes stream = rar20::CompressRar20(data.data(), data.size());
  Decoded d = DecodeOne(stream, 19990);
  EXPECT_EQ(d.result, DecodeResult::Overrun);
  EXPECT_LE(d.bytes.size(), 19990u);
  ArchiveWriter writer;
  writer.AddCompressed("r", data, stream);
  Bytes archive = writer.Finish();
  Put32(archive, FirstBlock + 11, 19990);
  DiagnosticCapture log;
  EXPECT_FALSE(Extract(archive, "r", log).ok);
  EXPECT_TRUE(log.Has("Fatal! Buffer overrun during decompression!"));
}

TEST(ArchiveDamage, ImpossibleSizesAreRefusedBeforeAllocating) {
  Bytes data = TextLike(100, 4);
  DiagnosticCapture log;
  for (bool compress : {false, true}) {
    Bytes archive = OneMemberArchive("m", data, compress);
    Put32(archive, FirstBlock + 11, 0xFFFFFFF0u);
    EXPECT_EQ(ArchiveStatus::ImpossibleSize, Extract(archive, "m", log).status);
    EXPECT_NE(log.lines[log.lines.size() - 2].find("packed bytes is impossible!"), std::string::npos);
  }
  // Plausible but false: the decoder stops at the end of its input.
  Bytes archive = OneMemberArchive("m", data, true);
  uint32_t packed = uint32_t(archive.size()) - uint32_t(FirstBlock) - 33 - 7;
  Put32(archive, FirstBlock + 11, packed * 2080);
  EXPECT_EQ(ArchiveStatus::Damaged, Extract(archive, "m", log).status);
}

// A 66-byte archive may claim a 4 GiB member, and a compressed member a
// size its packed bytes could reach: both are refused before any buffer.
TEST(ArchiveDamage, ClaimsBeyondTheArchiveOrTheCapAreRefused) {
  Bytes archive = OneMemberArchive("m", TextLike(6, 5), false);
  ASSERT_EQ(archive.size(), 66u);
  Put32(archive, FirstBlock + 7, 0xFFFFFFFFu);   // packed
  Put32(archive, FirstBlock + 11, 0xFFFFFFFFu);  // unpacked
  DiagnosticCapture log;
  EXPECT_EQ(ArchiveStatus::ImpossibleSize, Extract(archive, "m", log).status);
  EXPECT_TRUE(log.Has("Packed size of 4294967295 bytes goes past the end of the archive!"));
  ArchiveView view{archive.data(), uint32_t(archive.size()), 0};
  std::vector<bool> listed;
  EXPECT_EQ(ArchiveStatus::Ok,
            ListArchiveMembers(view, log, [&](const ArchiveEntry&, bool ok) { listed.push_back(ok); }));
  EXPECT_EQ(listed, std::vector<bool>{false});

  // 200,000 packed bytes could expand to 416 MB: more than a member may be.
  Bytes big = OneMemberArchive("c", RandomBytes(200000, 6), true);
  Put32(big, FirstBlock + 11, 300u << 20);
  EXPECT_EQ(ArchiveStatus::ImpossibleSize, Extract(big, "c", log).status);
  EXPECT_TRUE(log.Has("Unpacked size of 314572800 bytes is more than the 134217728 bytes a member may have!"));
}

// A member that does not continue a solid stream sees zeros wherever it
// reaches back before its own bytes: in a work buffer that starts as
// garbage, and after a long member filled most of the ring.
TEST(ArchiveDamage, FreshMembersSeeAClearWindow) {
  auto reachBack = [](uint8_t literal, uint32_t distance) {
    rar20::Encoder encoder;
    encoder.BeginMember();
    encoder.AddLiteral(literal);
    EXPECT_TRUE(encoder.AddMatch(8, distance));
    return encoder.Finish()[0];
  };
  Bytes first = RandomBytes(700000, 7);
  std::vector<Bytes> streams = {reachBack('w', 0x10000), rar20::CompressRar20(first.data(), first.size()),
                                reachBack('x', 600000)};  // inside what the long member wrote
  std::vector<uint32_t> sizes = {9, 700000, 9};
  Bytes window(rar20::WindowSize, 0xA5);
  rar20::Decoder decoder(window.data());
  for (size_t i = 0; i < streams.size(); i++) {
    ArchiveView view{streams[i].data(), uint32_t(streams[i].size()), 0};
    rar20::PackedInput input{&view, view.size};
    Bytes out(sizes[i]);
    uint32_t produced = 0;
    ASSERT_EQ(decoder.DecodeMember(input, sizes[i], false, out.data(), &produced), DecodeResult::Ok) << i;
    ASSERT_EQ(produced, sizes[i]);
    if (i == 1)
      EXPECT_TRUE(out == first);
    else
      EXPECT_TRUE(out == (Bytes{uint8_t(i ? 'x' : 'w'), 0, 0, 0, 0, 0, 0, 0, 0})) << i;
  }
}

TEST(ArchiveDamage, HeaderSizesThatGoNowhereEndTheScan) {
  ArchiveWriter writer;
  writer.AddStored("first", Bytes(10, 'f'));
  writer.AddStored("second", Bytes(10, 's'));
  Bytes archive = writer.Finish();
  EXPECT_TRUE(Extract(archive, "second").ok);
  for (uint16_t size : {0, 3, 6}) {
    Bytes bad = archive;
    bad[FirstBlock + 5] = uint8_t(size);
    bad[FirstBlock + 6] = 0;
    EXPECT_FALSE(Extract(bad, "second").ok) << size;
  }
  Bytes huge = archive;
  Put32(huge, FirstBlock + 7, 0xFFFFFFFFu);  // packed size past any view
  EXPECT_FALSE(Extract(huge, "second").ok);
  Bytes main = archive;
  main[7 + 5] = 0xFF, main[7 + 6] = 0xFF;  // first block beyond the view
  EXPECT_FALSE(Extract(main, "first").ok);
}

}  // namespace
