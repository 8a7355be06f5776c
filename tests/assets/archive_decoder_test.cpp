#include <gtest/gtest.h>

#include <algorithm>

#include "assets/archive/rar20_bit_writer.h"
#include "assets/archive/rar20_huffman.h"
#include "assets/archive_test_support.h"

using namespace archive_test;
using rar20::DecodeResult;

namespace {

void ExpectRoundTrip(const Bytes& data, rar20::EncoderOptions options = {}) {
  Bytes packed = rar20::CompressRar20(data.data(), data.size(), options);
  Decoded d = DecodeOne(packed, uint32_t(data.size()));
  ASSERT_EQ(d.result, DecodeResult::Ok);
  ASSERT_EQ(d.bytes.size(), data.size());
  EXPECT_TRUE(d.bytes == data);
}

// Applies literal/match tokens the plain way, as the window would.
struct Reference {
  Bytes bytes;
  void Literal(uint8_t b) { bytes.push_back(b); }
  void Match(uint32_t length, uint32_t distance) {
    for (uint32_t i = 0; i < length; i++) {
      size_t pos = bytes.size();
      bytes.push_back(pos >= distance ? bytes[pos - distance] : 0);
    }
  }
};

TEST(Rar20Decoder, RoundTripsVariedData) {
  ExpectRoundTrip({});
  ExpectRoundTrip({'q'});
  ExpectRoundTrip(TextLike(50000, 1));
  ExpectRoundTrip(BinaryLike(70000, 2));
  ExpectRoundTrip(RandomBytes(30000, 3));
  ExpectRoundTrip(Runs(90000, 4));
  ExpectRoundTrip(Bytes(100000, 0));
}

TEST(Rar20Decoder, MembersOverOneMiBWrapTheWindow) {
  Bytes data = Mixed(2600000, 5);
  // Far repeats reach back across the wrap of the ring.
  Bytes tail(data.begin(), data.begin() + 300000);
  data.insert(data.begin() + 1500000, tail.begin(), tail.end());
  ExpectRoundTrip(data);
}

TEST(Rar20Decoder, SmallBlocksChangeTablesInsideAMember) {
  rar20::EncoderOptions options;
  options.blockSymbols = 300;
  Bytes data = Mixed(200000, 6);
  rar20::Encoder encoder(options);
  encoder.BeginMember();
  encoder.AddData(data.data(), data.size());
  EXPECT_GT(encoder.stats().tableChanges, 100u);
  Decoded d = DecodeOne(encoder.Finish()[0], uint32_t(data.size()));
  EXPECT_EQ(d.result, DecodeResult::Ok);
  EXPECT_TRUE(d.bytes == data);
}

TEST(Rar20Decoder, EveryMatchSymbolDecodesToItsBytes) {
  rar20::Encoder encoder;
  Reference ref;
  auto literal = [&](uint8_t b) { encoder.AddLiteral(b); ref.Literal(b); };
  auto match = [&](uint32_t length, uint32_t distance) {
    ASSERT_TRUE(encoder.AddMatch(length, distance)) << length << " at " << distance;
    ref.Match(length, distance);
  };
  encoder.BeginMember();
  literal('x');
  match(5, 1);  // overlapping: five more x
  for (int i = 0; i < 300; i++) literal(uint8_t(i * 7));
  match(2, 3);      // short
  match(2, 256);    // short, largest distance
  match(10, 100);   // long
  match(10, 100);   // repeat of the last match
  match(7, 256);    // previous distance 2
  match(9, 3);      // previous distance 3
  match(4, 1);      // previous distance 4
  match(12, 100);   // the most recent distance again
  Bytes filler = RandomBytes(0x50000, 7);
  for (uint8_t b : filler) literal(b);
  match(20, 0x101);    // long at the repeat bonus threshold
  match(30, 0x2000);   // long with one extra byte
  match(40, 0x40000);  // long with two
  match(40, 0x2000);   // previous distances with bonuses
  match(5, 0x40000);
  match(260, 0x40000);  // the longest match there is
  match(258, 5);
  match(6, 0x100000);   // a whole turn of the window
  EXPECT_FALSE(encoder.AddMatch(3, 0x2000));  // too short for that distance
  EXPECT_FALSE(encoder.AddMatch(0, 1));
  const rar20::EncoderStats& s = encoder.stats();
  EXPECT_GT(s.shortMatches, 1u);
  EXPECT_GT(s.longMatches, 5u);
  EXPECT_GT(s.repeatLast, 0u);
  for (uint64_t count : s.previousDistance) EXPECT_GT(count, 0u);
  Decoded d = DecodeOne(encoder.Finish()[0], uint32_t(ref.bytes.size()));
  EXPECT_EQ(d.result, DecodeResult::Ok);
  EXPECT_TRUE(d.bytes == ref.bytes);
}

TEST(Rar20Decoder, PreviousDistancesComeMostRecentFirst) {
  rar20::MatchHistory history;
  for (uint32_t d : {10u, 20u, 30u, 40u, 50u}) history.Record(d, 4);
  EXPECT_EQ(history.Previous(1), 50u);
  EXPECT_EQ(history.Previous(2), 40u);
  EXPECT_EQ(history.Previous(4), 20u);
  EXPECT_EQ(history.lastDistance, 50u);
}

TEST(Rar20Decoder, MultimediaBlocksWithOneToFourChannels) {
  for (int channels = 1; channels <= 4; channels++) {
    rar20::Encoder encoder;
    encoder.BeginMember();
    Bytes audio = AudioLike(40000, channels, uint32_t(channels));
    encoder.AddAudio(audio.data(), audio.size(), channels);
    EXPECT_EQ(encoder.stats().audioBytes, audio.size());
    Decoded d = DecodeOne(encoder.Finish()[0], uint32_t(audio.size()));
    EXPECT_EQ(d.result, DecodeResult::Ok) << channels;
    EXPECT_TRUE(d.bytes == audio) << channels << " channels";
  }
}

TEST(Rar20Decoder, ModesAndChannelCountsChangeMidMember) {
  rar20::EncoderOptions options;
  options.blockSymbols = 5000;
  rar20::Encoder encoder(options);
  encoder.BeginMember();
  Bytes expected;
  auto audio = [&](size_t n, int channels) {
    Bytes a = AudioLike(n, channels, uint32_t(n));
    encoder.AddAudio(a.data(), a.size(), channels);
    expected.insert(expected.end(), a.begin(), a.end());
  };
  auto normal = [&](size_t n) {
    Bytes t = TextLike(n, uint32_t(n));
    encoder.AddData(t.data(), t.size());
    expected.insert(expected.end(), t.begin(), t.end());
  };
  audio(12003, 4);  // ends on channel 3
  audio(7001, 2);   // fewer channels than the current one: it restarts at 0
  normal(9000);
  audio(8000, 3);
  audio(11, 1);
  normal(20000);
  EXPECT_GT(encoder.stats().clearedTables, 2u);
  Decoded d = DecodeOne(encoder.Finish()[0], uint32_t(expected.size()));
  EXPECT_EQ(d.result, DecodeResult::Ok);
  EXPECT_TRUE(d.bytes == expected);
}

TEST(Rar20Decoder, SolidChainCarriesWindowTablesAndModes) {
  rar20::Encoder encoder;
  std::vector<Bytes> members = {TextLike(30000, 1), TextLike(20000, 1), {}, AudioLike(9000, 2, 3),
                                Mixed(1200000, 4), TextLike(5000, 9)};
  std::vector<uint32_t> sizes;
  for (size_t i = 0; i < members.size(); i++) {
    encoder.BeginMember(i != 1);  // the second member keeps the first one's tables
    if (i == 3)
      encoder.AddAudio(members[i].data(), members[i].size(), 2);
    else
      encoder.AddData(members[i].data(), members[i].size());
    sizes.push_back(uint32_t(members[i].size()));
  }
  std::vector<Bytes> streams = encoder.Finish();
  ASSERT_EQ(streams.size(), members.size());
  // The second member repeats the first, so it codes to a few matches.
  EXPECT_LT(streams[1].size(), 2000u);
  std::vector<Decoded> decoded = DecodeChain(streams, sizes);
  for (size_t i = 0; i < members.size(); i++) {
    EXPECT_EQ(decoded[i].result, DecodeResult::Ok) << i;
    EXPECT_TRUE(decoded[i].bytes == members[i]) << "member " << i;
  }
}

// The limit rule written out plainly, to hold the look-up table against.
struct LimitRule {
  LimitRule(const uint8_t* lengths, int n) : count(n) {
    uint32_t counts[16] = {};
    for (int len = 1; len < 16; len++)
      for (int s = 0; s < count; s++)
        if ((lengths[s] & 15) == len) sorted.push_back(s), counts[len]++;
    uint32_t sum = 0;
    for (int len = 1; len < 16; len++) {
      sum = (sum + counts[len]) * 2;
      limit[len] = std::min<uint32_t>(sum << (15 - len), 0xFFFF);
      first[len] = first[len - 1] + counts[len - 1];
    }
  }
  int Symbol(uint32_t bits, int* length) const {
    uint32_t v = bits & 0xFFFE;
    int b = 1;
    while (b < 15 && v >= limit[b]) b++;
    *length = b;
    uint32_t index = first[b] + ((v - limit[b - 1]) >> (16 - b));
    if (index >= uint32_t(count)) index = 0;
    return index < sorted.size() ? sorted[index] : 0;
  }
  int count;
  std::vector<int> sorted;
  uint32_t limit[16] = {}, first[16] = {};
};

TEST(Rar20Huffman, LookupGivesTheLimitRuleForAnyLengths) {
  std::mt19937 random(11);
  for (int round = 0; round < 200; round++) {
    int count = round % 3 == 0 ? 19 : 298;
    uint8_t lengths[298];
    int maxLength = 1 + round % 15;
    for (int i = 0; i < count; i++)
      lengths[i] = random() % 3 == 0 ? 0 : uint8_t(1 + random() % maxLength);
    rar20::HuffmanTable table;
    table.Build(lengths, count);
    LimitRule rule(lengths, count);
    for (uint32_t bits = 0; bits < 0x10000; bits++) {
      int expectedLength, length;
      int expected = rule.Symbol(bits, &expectedLength);
      ASSERT_EQ(table.Decode(bits, &length), expected) << round << " bits " << bits;
      ASSERT_EQ(length, expectedLength);
    }
  }
}

// Streams written bit by bit, independent of the encoder.
TEST(Rar20Decoder, HandWrittenStreamsDecode) {
  rar20::BitWriter literals;
  WriteHandTables(literals, {'a', 'b'});
  literals.Put(0b0110, 4);
  Decoded d = DecodeOne(literals.Bytes(), 4);
  EXPECT_EQ(d.result, DecodeResult::Ok);
  EXPECT_EQ(std::string(d.bytes.begin(), d.bytes.end()), "abba");

  rar20::BitWriter match;  // x, then symbol 270 (length 3) at distance slot 0 (1)
  WriteHandTables(match, {'x', 270, 298});
  match.Put(0b010, 3);
  d = DecodeOne(match.Bytes(), 4);
  EXPECT_EQ(d.result, DecodeResult::Ok);
  EXPECT_EQ(std::string(d.bytes.begin(), d.bytes.end()), "xxxx");
}

TEST(Rar20Audio, FirstBytesFollowThePrediction) {
  rar20::AudioPredictor audio;
  audio.SetChannelCount(1);
  EXPECT_EQ(audio.Decode(5), 251);  // nothing known yet: the prediction is 0
  // Then 8 * last byte (-5) >> 3 = -5 & 0xFF plus weights still 0: 251.
  EXPECT_EQ(audio.Decode(0), 251);
  rar20::AudioPredictor encoder, decoder;
  encoder.SetChannelCount(3);
  decoder.SetChannelCount(3);
  Bytes samples = AudioLike(3000, 3, 1);
  for (uint8_t b : samples) ASSERT_EQ(decoder.Decode(encoder.Encode(b)), b);
}

}  // namespace
