// AudioOutput: a sound device that plays what a Mixer renders, pulling
// buffers on a thread of its own. One output serves one AudioSystem.
#pragma once
#include <cstdint>

class Mixer;

class AudioOutput {
 public:
  virtual ~AudioOutput() = default;
  // Opens the default device at frequency Hz, stereo 16-bit, and starts
  // playing mixer. False (and nothing open) when there is no device. The
  // mixer must stay alive until Close.
  virtual bool Open(uint32_t frequency, Mixer& mixer) = 0;
  virtual void SetPaused(bool paused) = 0;
  // Once Close returns, the mixer is no longer called.
  virtual void Close() = 0;
};
