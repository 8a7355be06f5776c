// MusicPlayer: the background music of a full-screen run. Start loads the
// audio library through the platform and plays the archive member
// "music.ogg" in an endless loop at the configured volume; Stop puts the
// output volume back as it was and releases the library.
#pragma once
#include <cstdint>

#include "assets/resources.h"
#include "audio/audio_library.h"
#include "base/debug_log.h"
#include "base/resource_stream.h"
#include "platform/platform.h"

class MusicPlayer {
 public:
  MusicPlayer(Platform& platform, const Resources& resources, DebugLog& log);
  ~MusicPlayer();
  // False when the audio library cannot be loaded (the run then ends). A
  // library that fails later (no device, no music) leaves the run silent.
  bool Start(int32_t volume, uintptr_t window);
  void Stop();

 private:
  Platform& platform_;
  const Resources& resources_;
  DebugLog& log_;
  AudioLibrary library_;
  bool started_ = false;
  ResourceStream music_;  // the library may keep reading the data while it plays
  int32_t savedVolume_ = 0;
};
