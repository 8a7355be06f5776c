// AudioLibrary: the nine entry points of the music library, as the host
// calls them (one thread, in the order Init, Start, GetVolume, SetVolume,
// SampleLoad, SamplePlayEx ... SetVolume, Stop, Free). Results of the kind
// "int32_t" are non-zero on success; handles are 0 on failure, and then
// ErrorGetCode tells why (an AudioError value).
#pragma once
#include <cstdint>

// SampleLoad flag: when every playback slot of the sample is busy, a new
// playback takes over the slot that has played longest.
constexpr uint32_t kSampleOverrideLongest = 0x20000;

struct AudioLibrary {
  int32_t (*ErrorGetCode)() = nullptr;
  // device -1 or 1: the default output; frequency in Hz; flags, window and
  // classId are accepted and unused.
  int32_t (*Init)(int32_t device, uint32_t frequency, uint32_t flags, void* window,
                  const void* classId) = nullptr;
  int32_t (*Free)() = nullptr;
  // Decodes an Ogg Vorbis file held in memory (fromMemory non-zero;
  // data + offset, length bytes; the bytes may be released afterwards).
  // maxPlaybacks: simultaneous playbacks of the sample.
  uint32_t (*SampleLoad)(int32_t fromMemory, const void* data, uint32_t offset, uint32_t length,
                         uint32_t maxPlaybacks, uint32_t flags) = nullptr;
  // start: first frame; frequency -1: the sample's own; volume 0..100 (-1:
  // full); pan -100..100 (-101: centre); loop non-zero repeats without end.
  // Returns a playback handle.
  uint32_t (*SamplePlayEx)(uint32_t sample, uint32_t start, int32_t frequency, int32_t volume,
                           int32_t pan, int32_t loop) = nullptr;
  // The library's output volume in percent (0..100, larger values clamp).
  int32_t (*SetVolume)(uint32_t percent) = nullptr;
  int32_t (*Start)() = nullptr;  // resumes output after Stop
  int32_t (*Stop)() = nullptr;   // fades out briefly and pauses the output
  int32_t (*GetVolume)() = nullptr;
};

// Fills library with the implementation linked into this program (the
// output library that is linked in provides it).
void FillLinkedAudioLibrary(AudioLibrary& library);
