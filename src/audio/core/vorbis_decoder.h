// Decodes a complete Ogg Vorbis file held in memory into stereo 16-bit PCM
// at the output rate. The bytes are only read (never past size) and may be
// released afterwards. Mono files play on both sides; files with more than
// two channels, a damaged or truncated page, or a stream longer than
// kMaxSoundSeconds are refused.
#pragma once
#include <cstddef>
#include <cstdint>

#include "audio/core/pcm.h"

constexpr uint32_t kMaxSoundSeconds = 15 * 60;

enum class DecodeResult { Ok, Damaged, Unsupported, TooLong, OutOfMemory };

struct DecodedSound {
  StereoPcm pcm;              // at the output rate
  uint32_t sourceRate = 0;    // the file's own rate, Hz
  int sourceChannels = 0;
};

DecodeResult DecodeOggVorbis(const uint8_t* data, size_t size, uint32_t outputRate, DecodedSound& sound);

// True when the bytes are one or more whole Ogg pages with valid checksums,
// nothing between or after them, the last page closing its stream.
bool OggPagesIntact(const uint8_t* data, size_t size);
