// MusicPlayer: the background music of a full-screen run. Start loads the
// audio library through the platform and plays the archive member
// "music.ogg" in an endless loop at the configured volume; Stop puts the
// output volume back as it was and releases the library.
#pragma once
#include <cstdint>

#include "assets/resource_stream.h"
#include "audio/audio_library.h"
#include "platform/platform.h"

class MusicPlayer {
 public:
  explicit MusicPlayer(Platform& platform);
  ~MusicPlayer();
  // False when the audio library cannot be loaded (the run then ends). A
  // library that fails later (no device, no music) leaves the run silent.
  bool Start(int32_t volume, uintptr_t window);
  void Stop();

 private:
  Platform& platform_;
  AudioLibrary library_;
  bool started_ = false;
  ResourceStream music_;  // the library may keep reading the data while it plays
  int32_t savedVolume_ = 0;
};
