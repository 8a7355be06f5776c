#include "audio/core/vorbis_decoder.h"

#include <ogg/ogg.h>
#include <vorbis/vorbisfile.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>
#include <new>

#include "audio/core/resample.h"

namespace {

struct MemoryFile {
  const uint8_t* data;
  size_t size;
  size_t position;
};

size_t ReadMemory(void* destination, size_t size, size_t count, void* source) {
  auto* file = static_cast<MemoryFile*>(source);
  if (size == 0 || count == 0) return 0;
  const size_t items = std::min(count, (file->size - file->position) / size);
  std::memcpy(destination, file->data + file->position, items * size);
  file->position += items * size;
  return items;
}

int SeekMemory(void* source, ogg_int64_t offset, int whence) {
  auto* file = static_cast<MemoryFile*>(source);
  ogg_int64_t base = 0;
  if (whence == SEEK_CUR) base = ogg_int64_t(file->position);
  else if (whence == SEEK_END) base = ogg_int64_t(file->size);
  else if (whence != SEEK_SET) return -1;
  if (offset < -base || offset > ogg_int64_t(file->size) - base) return -1;
  file->position = size_t(base + offset);
  return 0;
}

int CloseMemory(void*) { return 0; }

long TellMemory(void* source) { return long(static_cast<MemoryFile*>(source)->position); }

int16_t ToInt16(float value) {
  const long scaled = std::lround(value * 32767.0f);
  return int16_t(std::clamp(scaled, -32768L, 32767L));
}

// Decodes every link of an opened file at its own rate. The links must all
// have the first link's rate and channel count.
DecodeResult DecodeLinks(OggVorbis_File& file, DecodedSound& sound) {
  const vorbis_info* first = ov_info(&file, -1);
  if (!first || first->rate <= 0) return DecodeResult::Damaged;
  if (first->channels < 1 || first->channels > 2) return DecodeResult::Unsupported;
  sound.sourceRate = uint32_t(first->rate);
  sound.sourceChannels = first->channels;
  const uint64_t maxFrames = uint64_t(kMaxSoundSeconds) * sound.sourceRate;
  const ogg_int64_t total = ov_pcm_total(&file, -1);
  if (total > 0 && uint64_t(total) > maxFrames) return DecodeResult::TooLong;
  if (total > 0) sound.pcm.samples.reserve(size_t(total) * 2);
  for (;;) {
    float** channels = nullptr;
    int link = 0;
    const long frames = ov_read_float(&file, &channels, 4096, &link);
    if (frames == 0) break;
    if (frames < 0) return DecodeResult::Damaged;  // a hole or a bad link
    const vorbis_info* info = ov_info(&file, link);
    if (!info || info->rate != first->rate || info->channels != first->channels)
      return DecodeResult::Unsupported;
    if (sound.pcm.frameCount() + uint64_t(frames) > maxFrames) return DecodeResult::TooLong;
    const float* left = channels[0];
    const float* right = channels[info->channels - 1];
    for (long i = 0; i < frames; ++i) {
      sound.pcm.samples.push_back(ToInt16(left[i]));
      sound.pcm.samples.push_back(ToInt16(right[i]));
    }
  }
  return sound.pcm.frameCount() > 0 ? DecodeResult::Ok : DecodeResult::Damaged;
}

}  // namespace

bool OggPagesIntact(const uint8_t* data, size_t size) {
  ogg_sync_state sync;
  ogg_sync_init(&sync);
  bool intact = true, lastClosesStream = false;
  size_t fed = 0;
  int pages = 0;
  while (intact) {
    ogg_page page;
    const long result = ogg_sync_pageseek(&sync, &page);
    if (result < 0) {
      intact = false;  // bytes skipped: garbage or a checksum mismatch
    } else if (result > 0) {
      ++pages;
      lastClosesStream = ogg_page_eos(&page) != 0;
    } else if (fed < size) {
      const size_t chunk = std::min<size_t>(size - fed, 65536);
      char* buffer = ogg_sync_buffer(&sync, long(chunk));
      if (!buffer) break;
      std::memcpy(buffer, data + fed, chunk);
      ogg_sync_wrote(&sync, long(chunk));
      fed += chunk;
    } else {
      break;
    }
  }
  const bool partialPageLeft = sync.fill > sync.returned;
  ogg_sync_clear(&sync);
  return intact && fed == size && !partialPageLeft && pages > 0 && lastClosesStream;
}

DecodeResult DecodeOggVorbis(const uint8_t* data, size_t size, uint32_t outputRate, DecodedSound& sound) {
  sound = DecodedSound{};
  // The library's file positions are longs (32 bits on Windows).
  if (!data || size == 0 || size > size_t(std::numeric_limits<long>::max()) || outputRate == 0 ||
      !OggPagesIntact(data, size))
    return DecodeResult::Damaged;
  MemoryFile memory{data, size, 0};
  const ov_callbacks callbacks{ReadMemory, SeekMemory, CloseMemory, TellMemory};
  OggVorbis_File file;
  // On failure the library has already released what it opened.
  if (ov_open_callbacks(&memory, &file, nullptr, 0, callbacks) < 0) return DecodeResult::Damaged;
  // Opening a chained file leaves the decoder in its last link: go back.
  DecodeResult result = ov_raw_seek(&file, 0) == 0 ? DecodeResult::Ok : DecodeResult::Damaged;
  try {
    if (result == DecodeResult::Ok) result = DecodeLinks(file, sound);
    if (result == DecodeResult::Ok && sound.sourceRate != outputRate)
      sound.pcm = ResampleLinear(sound.pcm, sound.sourceRate, outputRate);
  } catch (const std::bad_alloc&) {
    result = DecodeResult::OutOfMemory;
  }
  ov_clear(&file);
  if (result != DecodeResult::Ok) sound.pcm = StereoPcm{};
  return result;
}
