// Encodes PCM as an Ogg Vorbis file in memory with libvorbisenc (VBR).
// Deterministic: the same samples give the same bytes (fixed stream serial
// number, no time or random values in the stream).
#pragma once
#include <cstdint>
#include <vector>

struct OggEncodeSettings {
  int channels = 2;
  uint32_t rate = 44100;
  float quality = 0.4f;             // VBR quality, -0.1..1
  uint32_t serial = 0x51564D31;     // Ogg logical stream serial number
};

// samples: interleaved, frames * channels floats in -1..1. Empty on failure.
std::vector<uint8_t> EncodeOggVorbis(const std::vector<float>& samples, const OggEncodeSettings& settings);
