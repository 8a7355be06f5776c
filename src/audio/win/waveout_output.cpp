// The Windows output: the waveOut device mapper, stereo 16-bit, with a few
// buffers that a thread of its own refills from the mixer as the device
// hands them back. The library's output volume is the mixer's master gain;
// the system's and the application's volume controls are never changed.
#include <atomic>
#include <vector>

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>
#include <mmsystem.h>

#include "audio/audio_library.h"
#include "audio/core/audio_output.h"
#include "audio/core/audio_system.h"
#include "audio/core/mixer.h"

namespace {

constexpr int kBufferCount = 4;
constexpr uint32_t kFramesPerBuffer = 2048;  // about 46 ms at 44100 Hz

class WaveOutOutput : public AudioOutput {
 public:
  bool Open(uint32_t frequency, Mixer& mixer) override {
    if (device_) return false;
    WAVEFORMATEX format{};
    format.wFormatTag = WAVE_FORMAT_PCM;
    format.nChannels = 2;
    format.nSamplesPerSec = frequency;
    format.wBitsPerSample = 16;
    format.nBlockAlign = 4;
    format.nAvgBytesPerSec = frequency * 4;
    ready_ = CreateEventA(nullptr, FALSE, FALSE, nullptr);
    if (!ready_) return false;
    if (waveOutOpen(&device_, WAVE_MAPPER, &format, reinterpret_cast<DWORD_PTR>(ready_), 0, CALLBACK_EVENT) !=
        MMSYSERR_NOERROR) {
      device_ = nullptr;
      CloseHandle(ready_);
      ready_ = nullptr;
      return false;
    }
    mixer_ = &mixer;
    stopping_ = false;
    for (int i = 0; i < kBufferCount; ++i) {
      samples_[i].assign(kFramesPerBuffer * 2, 0);
      headers_[i] = {};
      headers_[i].lpData = reinterpret_cast<LPSTR>(samples_[i].data());
      headers_[i].dwBufferLength = kFramesPerBuffer * 4;
      waveOutPrepareHeader(device_, &headers_[i], sizeof headers_[i]);
      headers_[i].dwFlags |= WHDR_DONE;  // free for the first fill
    }
    RefillDone();
    thread_ = CreateThread(nullptr, 0, Pump, this, 0, nullptr);
    if (!thread_) {
      Close();
      return false;
    }
    return true;
  }

  void SetPaused(bool paused) override {
    if (!device_) return;
    if (paused)
      waveOutPause(device_);
    else
      waveOutRestart(device_);
  }

  void Close() override {
    if (!device_) return;
    stopping_ = true;
    if (thread_) {
      SetEvent(ready_);
      WaitForSingleObject(thread_, INFINITE);
      CloseHandle(thread_);
      thread_ = nullptr;
    }
    waveOutReset(device_);  // hands every queued buffer back
    for (WAVEHDR& header : headers_) waveOutUnprepareHeader(device_, &header, sizeof header);
    waveOutClose(device_);
    device_ = nullptr;
    CloseHandle(ready_);
    ready_ = nullptr;
    mixer_ = nullptr;
  }

 private:
  static DWORD WINAPI Pump(void* self) {
    auto* output = static_cast<WaveOutOutput*>(self);
    while (!output->stopping_) {
      WaitForSingleObject(output->ready_, INFINITE);
      if (!output->stopping_) output->RefillDone();
    }
    return 0;
  }

  // Renders into every buffer the device has finished with and queues it.
  void RefillDone() {
    for (int i = 0; i < kBufferCount; ++i) {
      WAVEHDR& header = headers_[i];
      if (!(header.dwFlags & WHDR_DONE)) continue;
      header.dwFlags &= ~DWORD(WHDR_DONE);
      mixer_->Render(samples_[i].data(), kFramesPerBuffer);
      waveOutWrite(device_, &header, sizeof header);
    }
  }

  HWAVEOUT device_ = nullptr;
  HANDLE ready_ = nullptr;  // signalled by the device when a buffer is done
  HANDLE thread_ = nullptr;
  std::atomic<bool> stopping_{false};
  Mixer* mixer_ = nullptr;
  WAVEHDR headers_[kBufferCount] = {};
  std::vector<int16_t> samples_[kBufferCount];
};

}  // namespace

void FillLinkedAudioLibrary(AudioLibrary& library) {
  // Never destroyed: a destructor would run under the loader lock when the
  // library is unloaded, where the output thread could not be joined.
  static auto* output = new WaveOutOutput;
  BindAudioLibrary(library, *output);
}
