#include "audio/core/mixer.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr uint32_t kChunkFrames = 256;
constexpr float kRampSeconds = 0.01f;

float Approach(float current, float target, float step) {
  return current < target ? std::min(current + step, target) : std::max(current - step, target);
}

}  // namespace

Mixer::Mixer(uint32_t frequency) : rampStep_(1.0f / (kRampSeconds * float(frequency))) {}

int Mixer::Play(const Playback& playback, uint32_t maxPlaybacks, bool overrideLongest) {
  std::lock_guard<std::mutex> lock(mutex_);
  int playing = 0, longest = -1, free = -1;
  for (int i = 0; i < kVoiceCount; ++i) {
    const Voice& v = voices_[i];
    if (!v.sound && free < 0) free = i;
    if (v.sound != playback.sound) continue;
    ++playing;
    if (longest < 0 || v.order < voices_[longest].order) longest = i;
  }
  int chosen = free;
  if (uint32_t(playing) >= maxPlaybacks) chosen = overrideLongest ? longest : -1;
  if (chosen < 0) return -1;
  Voice& v = voices_[chosen];
  v.sound = playback.sound;
  v.position = playback.start;
  v.targetLeft = playback.leftGain;
  v.targetRight = playback.rightGain;
  v.left = v.right = 0;  // fades in
  v.loop = playback.loop;
  v.order = ++playCount_;
  return chosen;
}

void Mixer::SetMasterGain(float gain) {
  std::lock_guard<std::mutex> lock(mutex_);
  masterTarget_ = gain;
}

void Mixer::SetPaused(bool paused) {
  std::lock_guard<std::mutex> lock(mutex_);
  paused_ = paused;
  if (!paused) fadedOut_.store(false);
}

void Mixer::MixVoice(Voice& v, float* mix, uint32_t frames) {
  const int16_t* samples = v.sound->samples.data();
  const uint32_t length = v.sound->frameCount();
  for (uint32_t i = 0; i < frames; ++i) {
    if (v.position >= length) {
      if (!v.loop) {
        v.sound = nullptr;
        return;
      }
      v.position = 0;
    }
    v.left = Approach(v.left, v.targetLeft, rampStep_);
    v.right = Approach(v.right, v.targetRight, rampStep_);
    mix[i * 2] += float(samples[v.position * 2]) * v.left;
    mix[i * 2 + 1] += float(samples[v.position * 2 + 1]) * v.right;
    ++v.position;
  }
}

void Mixer::WriteOutput(const float* mix, int16_t* out, uint32_t frames) {
  const float target = paused_ ? 0.0f : masterTarget_;
  for (uint32_t i = 0; i < frames; ++i) {
    master_ = Approach(master_, target, rampStep_);
    for (int c = 0; c < 2; ++c) {
      const long value = std::lround(mix[i * 2 + c] * master_);
      out[i * 2 + c] = int16_t(std::clamp(value, -32768L, 32767L));
    }
  }
}

void Mixer::Render(int16_t* out, uint32_t frames) {
  std::lock_guard<std::mutex> lock(mutex_);
  float mix[kChunkFrames * 2];
  while (frames > 0) {
    const uint32_t n = std::min(frames, kChunkFrames);
    std::fill(mix, mix + n * 2, 0.0f);
    for (Voice& v : voices_)
      if (v.sound) MixVoice(v, mix, n);
    WriteOutput(mix, out, n);
    out += n * 2;
    frames -= n;
  }
  if (paused_ && master_ == 0.0f) fadedOut_.store(true);
}
