// Mixer: plays decoded sounds on a fixed set of voices and mixes them into
// the output's buffers (interleaved stereo 16-bit). Render runs on the
// output's thread, every other operation on one control thread; they meet
// under a mutex that the control side holds only for a few field updates.
// Gains are linear factors; every gain change (a voice starting, volume,
// pausing) is ramped over about 10 ms, so nothing clicks.
// Sounds must outlive the mixer's use of them (until Close of the output).
#pragma once
#include <atomic>
#include <cstdint>
#include <mutex>

#include "audio/core/pcm.h"

class Mixer {
 public:
  static constexpr int kVoiceCount = 16;

  struct Playback {
    const StereoPcm* sound = nullptr;  // at least one frame
    uint32_t start = 0;                // first frame, below the frame count
    float leftGain = 1, rightGain = 1;
    bool loop = false;                 // after the last frame comes frame 0
  };

  explicit Mixer(uint32_t frequency);

  // Starts a playback on a free voice. At most maxPlaybacks voices play the
  // same sound; when they all do, overrideLongest restarts the one that has
  // played longest, otherwise Play fails. Returns the voice, -1 on failure.
  int Play(const Playback& playback, uint32_t maxPlaybacks, bool overrideLongest);
  void SetMasterGain(float gain);
  // Paused fades the output to silence; FadedOut turns true once that
  // silence has been rendered.
  void SetPaused(bool paused);
  bool FadedOut() const { return fadedOut_.load(); }

  // Output thread: fills frames stereo frames.
  void Render(int16_t* out, uint32_t frames);

 private:
  struct Voice {
    const StereoPcm* sound = nullptr;  // null: free
    uint32_t position = 0;
    float targetLeft = 0, targetRight = 0, left = 0, right = 0;
    bool loop = false;
    uint64_t order = 0;  // start sequence number: smaller has played longer
  };

  void MixVoice(Voice& voice, float* mix, uint32_t frames);
  void WriteOutput(const float* mix, int16_t* out, uint32_t frames);

  std::mutex mutex_;
  Voice voices_[kVoiceCount];
  float rampStep_;  // largest gain change per frame
  float masterTarget_ = 1, master_ = 1;
  bool paused_ = false;
  uint64_t playCount_ = 0;
  std::atomic<bool> fadedOut_{false};
};
