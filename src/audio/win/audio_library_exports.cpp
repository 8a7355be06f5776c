// quorvan3d_audio.dll: the audio library as the screensaver loads it, its
// nine entry points exported by name (see quorvan3d_audio.def) with the
// argument lists of AudioLibrary.
#include <cstdint>

#include "audio/audio_library.h"

namespace {

const AudioLibrary& Library() {
  static const AudioLibrary library = [] {
    AudioLibrary linked;
    FillLinkedAudioLibrary(linked);
    return linked;
  }();
  return library;
}

}  // namespace

extern "C" {

int32_t BASS_ErrorGetCode() { return Library().ErrorGetCode(); }

int32_t BASS_Init(int32_t device, uint32_t frequency, uint32_t flags, void* window, const void* classId) {
  return Library().Init(device, frequency, flags, window, classId);
}

int32_t BASS_Free() { return Library().Free(); }

uint32_t BASS_SampleLoad(int32_t fromMemory, const void* data, uint32_t offset, uint32_t length,
                         uint32_t maxPlaybacks, uint32_t flags) {
  return Library().SampleLoad(fromMemory, data, offset, length, maxPlaybacks, flags);
}

uint32_t BASS_SamplePlayEx(uint32_t sample, uint32_t start, int32_t frequency, int32_t volume, int32_t pan,
                           int32_t loop) {
  return Library().SamplePlayEx(sample, start, frequency, volume, pan, loop);
}

int32_t BASS_SetVolume(uint32_t percent) { return Library().SetVolume(percent); }

int32_t BASS_Start() { return Library().Start(); }

int32_t BASS_Stop() { return Library().Stop(); }

int32_t BASS_GetVolume() { return Library().GetVolume(); }

}  // extern "C"
