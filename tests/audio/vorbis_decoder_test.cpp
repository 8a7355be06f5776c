#include "audio/core/vorbis_decoder.h"

#include <gtest/gtest.h>

#include "audio/audio_test_support.h"

namespace {

DecodeResult Decode(const std::vector<uint8_t>& file, uint32_t rate, DecodedSound& sound) {
  return DecodeOggVorbis(file.data(), file.size(), rate, sound);
}

TEST(VorbisDecoder, KeepsLengthAndBothChannelsInPlace) {
  const std::vector<float> source = Sines(44100, 2.0, {440, 660});
  const std::vector<uint8_t> file = EncodeSines(44100, 2.0, {440, 660});
  ASSERT_FALSE(file.empty());
  DecodedSound sound;
  ASSERT_EQ(Decode(file, 44100, sound), DecodeResult::Ok);
  EXPECT_EQ(sound.sourceRate, 44100u);
  EXPECT_EQ(sound.sourceChannels, 2);
  EXPECT_EQ(sound.pcm.frameCount(), 88200u);
  EXPECT_GT(Correlation(sound.pcm.samples, 2, 0, source, 2, 0), 0.99);
  EXPECT_GT(Correlation(sound.pcm.samples, 2, 1, source, 2, 1), 0.99);
  EXPECT_LT(std::abs(Correlation(sound.pcm.samples, 2, 0, source, 2, 1)), 0.05);
  // Amplitude 0.5 of full scale comes out as such.
  int peak = 0;
  for (int16_t s : sound.pcm.samples) peak = std::max(peak, std::abs(int(s)));
  EXPECT_NEAR(peak, 16384, 1200);
}

TEST(VorbisDecoder, ConvertsToTheOutputRate) {
  const std::vector<uint8_t> file = EncodeSines(22050, 1.0, {300, 500});
  DecodedSound sound;
  ASSERT_EQ(Decode(file, 44100, sound), DecodeResult::Ok);
  EXPECT_EQ(sound.sourceRate, 22050u);
  EXPECT_EQ(sound.pcm.frameCount(), 44100u);
  const std::vector<float> expected = Sines(44100, 1.0, {300, 500});
  EXPECT_GT(Correlation(sound.pcm.samples, 2, 0, expected, 2, 0), 0.99);
  EXPECT_GT(Correlation(sound.pcm.samples, 2, 1, expected, 2, 1), 0.99);

  ASSERT_EQ(Decode(file, 48000, sound), DecodeResult::Ok);
  EXPECT_EQ(sound.pcm.frameCount(), 48000u);
}

TEST(VorbisDecoder, PlaysMonoOnBothSidesAndRefusesMoreThanTwoChannels) {
  DecodedSound sound;
  ASSERT_EQ(Decode(EncodeSines(44100, 0.5, {440}), 44100, sound), DecodeResult::Ok);
  EXPECT_EQ(sound.sourceChannels, 1);
  ASSERT_EQ(sound.pcm.frameCount(), 22050u);
  for (uint32_t i = 0; i < sound.pcm.frameCount(); ++i)
    ASSERT_EQ(sound.pcm.samples[i * 2], sound.pcm.samples[i * 2 + 1]) << i;
  EXPECT_GT(Correlation(sound.pcm.samples, 2, 0, Sines(44100, 0.5, {440}), 1, 0), 0.99);

  EXPECT_EQ(Decode(EncodeSines(44100, 0.5, {440, 550, 660}), 44100, sound), DecodeResult::Unsupported);
  EXPECT_TRUE(sound.pcm.samples.empty());
}

TEST(VorbisDecoder, RefusesDamagedAndTruncatedStreams) {
  const std::vector<uint8_t> file = EncodeSines(44100, 1.0, {440, 660});
  ASSERT_TRUE(OggPagesIntact(file.data(), file.size()));
  std::vector<std::vector<uint8_t>> broken;
  for (size_t cut : {size_t(0), size_t(10), size_t(60), size_t(3000), file.size() / 2, file.size() - 1})
    broken.emplace_back(file.begin(), file.begin() + cut);
  for (size_t at : {size_t(2), size_t(40), file.size() / 3, file.size() - 20}) {
    broken.push_back(file);
    broken.back()[at] ^= 0x5A;
  }
  broken.push_back(file);
  broken.back().insert(broken.back().end(), {'j', 'u', 'n', 'k'});
  broken.emplace_back(4096, uint8_t(0xA7));
  for (size_t i = 0; i < broken.size(); ++i) {
    DecodedSound sound;
    // Decode an exact-size heap copy, so a read past the end would show
    // under a memory checker.
    std::vector<uint8_t> exact(broken[i]);
    const uint8_t* data = exact.empty() ? nullptr : exact.data();
    EXPECT_NE(DecodeOggVorbis(data, exact.size(), 44100, sound), DecodeResult::Ok) << "case " << i;
    EXPECT_TRUE(sound.pcm.samples.empty()) << "case " << i;
  }
}

TEST(VorbisDecoder, DecodesChainedStreamsOfOneFormatInOrder) {
  std::vector<uint8_t> file = EncodeSines(44100, 0.5, {440, 440});
  OggEncodeSettings second;
  second.serial = 7;
  const std::vector<float> tail = Sines(44100, 0.25, {880, 880});
  const std::vector<uint8_t> link = EncodeOggVorbis(tail, second);
  file.insert(file.end(), link.begin(), link.end());
  DecodedSound sound;
  ASSERT_EQ(Decode(file, 44100, sound), DecodeResult::Ok);
  ASSERT_EQ(sound.pcm.frameCount(), 22050u + 11025u);
  const std::vector<int16_t> end(sound.pcm.samples.begin() + 22050 * 2, sound.pcm.samples.end());
  EXPECT_GT(Correlation(end, 2, 0, tail, 2, 0), 0.99);
}

}  // namespace
