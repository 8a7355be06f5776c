// The Linux output: SDL's default audio device, stereo 16-bit at the
// requested rate (SDL converts when the device wants another format).
// The library's output volume is the mixer's master gain; SDL offers no
// system volume to change.
#include <SDL.h>

#include "audio/audio_library.h"
#include "audio/core/audio_output.h"
#include "audio/core/audio_system.h"
#include "audio/core/mixer.h"

namespace {

class SdlAudioOutput : public AudioOutput {
 public:
  bool Open(uint32_t frequency, Mixer& mixer) override {
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return false;
    SDL_AudioSpec wanted{};
    wanted.freq = int(frequency);
    wanted.format = AUDIO_S16SYS;
    wanted.channels = 2;
    wanted.samples = 1024;
    wanted.callback = Fill;
    wanted.userdata = &mixer;
    SDL_AudioSpec obtained{};
    device_ = SDL_OpenAudioDevice(nullptr, 0, &wanted, &obtained, 0);
    if (device_ == 0) {
      SDL_QuitSubSystem(SDL_INIT_AUDIO);
      return false;
    }
    SDL_PauseAudioDevice(device_, 0);
    return true;
  }

  void SetPaused(bool paused) override {
    if (device_ != 0) SDL_PauseAudioDevice(device_, paused ? 1 : 0);
  }

  void Close() override {
    if (device_ == 0) return;
    SDL_CloseAudioDevice(device_);  // waits for a running callback
    device_ = 0;
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
  }

 private:
  static void SDLCALL Fill(void* userdata, Uint8* stream, int bytes) {
    static_cast<Mixer*>(userdata)->Render(reinterpret_cast<int16_t*>(stream), uint32_t(bytes) / 4);
  }

  SDL_AudioDeviceID device_ = 0;
};

}  // namespace

void FillLinkedAudioLibrary(AudioLibrary& library) {
  static SdlAudioOutput output;
  BindAudioLibrary(library, output);
}
