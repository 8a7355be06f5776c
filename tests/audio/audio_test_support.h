// Helpers for the audio tests: signals made here and encoded with the
// generators' Ogg Vorbis writer, a correlation measure, and an output that
// renders the mixer on a thread of its own like a device would.
#pragma once
#include <atomic>
#include <cmath>
#include <cstdint>
#include <mutex>
#include <thread>
#include <vector>

#include "audio/core/audio_output.h"
#include "audio/core/mixer.h"
#include "tools/gen/music/ogg_writer.h"

// Interleaved sines: channel c has frequency hz[c], amplitude 0.5.
inline std::vector<float> Sines(uint32_t rate, double seconds, std::vector<double> hz) {
  const size_t frames = size_t(rate * seconds), channels = hz.size();
  std::vector<float> out(frames * channels);
  for (size_t i = 0; i < frames; ++i)
    for (size_t c = 0; c < channels; ++c)
      out[i * channels + c] = float(0.5 * std::sin(2 * M_PI * hz[c] * double(i) / rate));
  return out;
}

inline std::vector<uint8_t> EncodeSines(uint32_t rate, double seconds, std::vector<double> hz) {
  OggEncodeSettings settings;
  settings.channels = int(hz.size());
  settings.rate = rate;
  return EncodeOggVorbis(Sines(rate, seconds, hz), settings);
}

// Normalised correlation of channel a of x (stride xs) with channel b of y
// (stride ys) over their common length.
template <typename X, typename Y>
double Correlation(const std::vector<X>& x, int xs, int a, const std::vector<Y>& y, int ys, int b) {
  const size_t n = std::min(x.size() / xs, y.size() / ys);
  double xy = 0, xx = 0, yy = 0;
  for (size_t i = 0; i < n; ++i) {
    const double p = double(x[i * xs + a]), q = double(y[i * ys + b]);
    xy += p * q;
    xx += p * p;
    yy += q * q;
  }
  return xx > 0 && yy > 0 ? xy / std::sqrt(xx * yy) : 0.0;
}

// Renders 256-frame blocks on its own thread while open and not paused,
// keeping everything rendered.
class ThreadedTestOutput : public AudioOutput {
 public:
  bool hasDevice = true;
  int opens = 0, closes = 0;

  ~ThreadedTestOutput() override { Close(); }
  bool Open(uint32_t, Mixer& mixer) override {
    if (!hasDevice) return false;
    ++opens;
    mixer_ = &mixer;
    running_ = true;
    thread_ = std::thread([this] { Run(); });
    return true;
  }
  void SetPaused(bool paused) override { paused_ = paused; }
  void Close() override {
    if (!thread_.joinable()) return;
    ++closes;
    running_ = false;
    thread_.join();
  }
  std::vector<int16_t> Rendered() {
    std::lock_guard<std::mutex> lock(mutex_);
    return rendered_;
  }
  // Waits until at least frames frames have been rendered.
  void WaitFor(size_t frames) {
    while (Rendered().size() < frames * 2) std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }

 private:
  void Run() {
    int16_t block[512];
    while (running_) {
      if (!paused_) {
        mixer_->Render(block, 256);
        std::lock_guard<std::mutex> lock(mutex_);
        rendered_.insert(rendered_.end(), block, block + 512);
      }
      std::this_thread::sleep_for(std::chrono::microseconds(200));
    }
  }

  Mixer* mixer_ = nullptr;
  std::thread thread_;
  std::atomic<bool> running_{false}, paused_{false};
  std::mutex mutex_;
  std::vector<int16_t> rendered_;
};
