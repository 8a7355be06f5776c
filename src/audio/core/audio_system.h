// AudioSystem: the state and the nine operations behind AudioLibrary: a
// device opened through an AudioOutput, decoded samples and their
// playbacks on a Mixer, and the library's output volume. All operations
// are called from one control thread; the output's thread only renders.
// Volumes are linear: percent / 100 on each stage, the sample's playback
// volume and the output volume multiplying (so a setting used on both
// stages gives a square-law loudness taper).
#pragma once
#include <cstdint>
#include <memory>
#include <vector>

#include "audio/core/mixer.h"

class AudioOutput;
struct AudioLibrary;

enum class AudioError : int32_t {
  None = 0,
  Memory = 1,              // out of memory while decoding
  Format = 2,              // not a whole, intact Ogg Vorbis stream
  NotInitialised = 3,
  AlreadyInitialised = 4,
  Device = 5,              // no such device, or it cannot be opened
  Handle = 6,              // not a sample handle
  Parameter = 7,
  NoVoice = 8,             // every playback slot is busy
  Unsupported = 9,         // a feature this library does not offer
};

class AudioSystem {
 public:
  explicit AudioSystem(AudioOutput& output);
  ~AudioSystem();  // frees what is still open
  AudioSystem(const AudioSystem&) = delete;
  AudioSystem& operator=(const AudioSystem&) = delete;

  AudioError LastError() const { return error_; }
  bool Init(int32_t device, uint32_t frequency);
  bool Free();
  uint32_t SampleLoad(bool fromMemory, const void* data, uint32_t offset, uint32_t length,
                      uint32_t maxPlaybacks, uint32_t flags);
  uint32_t SamplePlayEx(uint32_t sample, uint32_t start, int32_t frequency, int32_t volume,
                        int32_t pan, bool loop);
  bool SetVolume(uint32_t percent);
  int32_t GetVolume() const { return int32_t(volume_); }
  bool Start();
  bool Stop();

 private:
  struct Sample {
    StereoPcm pcm;
    uint32_t maxPlaybacks = 1;
    bool overrideLongest = false;
  };

  bool Succeed();
  bool Fail(AudioError error);

  AudioOutput& output_;
  std::unique_ptr<Mixer> mixer_;  // present between Init and Free
  std::vector<std::unique_ptr<Sample>> samples_;
  uint32_t frequency_ = 0;
  uint32_t volume_ = 100;
  AudioError error_ = AudioError::None;
};

// Fills library with entry points that forward to one process-wide
// AudioSystem playing through output (the first output bound stays).
void BindAudioLibrary(AudioLibrary& library, AudioOutput& output);
