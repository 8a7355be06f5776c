#include "audio/core/audio_system.h"

#include <algorithm>
#include <chrono>
#include <thread>

#include "audio/audio_library.h"
#include "audio/core/audio_output.h"
#include "audio/core/vorbis_decoder.h"

namespace {

constexpr uint32_t kMinFrequency = 8000, kMaxFrequency = 192000;
constexpr int32_t kOwnFrequency = -1, kFullVolume = -1, kOwnPan = -101;
// Long enough for the mixer to render its fade-out at any buffer size a
// device would use.
constexpr std::chrono::milliseconds kFadeWait{120};

AudioError ErrorOf(DecodeResult result) {
  switch (result) {
    case DecodeResult::Ok: return AudioError::None;
    case DecodeResult::OutOfMemory: return AudioError::Memory;
    case DecodeResult::Unsupported: return AudioError::Unsupported;
    case DecodeResult::Damaged:
    case DecodeResult::TooLong: break;
  }
  return AudioError::Format;
}

}  // namespace

AudioSystem::AudioSystem(AudioOutput& output) : output_(output) {}

AudioSystem::~AudioSystem() {
  if (mixer_) Free();
}

bool AudioSystem::Succeed() {
  error_ = AudioError::None;
  return true;
}

bool AudioSystem::Fail(AudioError error) {
  error_ = error;
  return false;
}

bool AudioSystem::Init(int32_t device, uint32_t frequency) {
  if (mixer_) return Fail(AudioError::AlreadyInitialised);
  if (device != -1 && device != 1) return Fail(AudioError::Device);
  if (frequency < kMinFrequency || frequency > kMaxFrequency) return Fail(AudioError::Parameter);
  mixer_ = std::make_unique<Mixer>(frequency);
  mixer_->SetMasterGain(float(volume_) / 100.0f);
  if (!output_.Open(frequency, *mixer_)) {
    mixer_.reset();
    return Fail(AudioError::Device);
  }
  frequency_ = frequency;
  return Succeed();
}

bool AudioSystem::Free() {
  if (!mixer_) return Fail(AudioError::NotInitialised);
  output_.Close();
  mixer_.reset();
  samples_.clear();
  frequency_ = 0;
  return Succeed();
}

uint32_t AudioSystem::SampleLoad(bool fromMemory, const void* data, uint32_t offset, uint32_t length,
                                 uint32_t maxPlaybacks, uint32_t flags) {
  if (!mixer_) return Fail(AudioError::NotInitialised);
  if (!fromMemory) return Fail(AudioError::Unsupported);  // only memory images are read
  if (!data || length == 0 || maxPlaybacks == 0) return Fail(AudioError::Parameter);
  DecodedSound sound;
  const DecodeResult result =
      DecodeOggVorbis(static_cast<const uint8_t*>(data) + offset, length, frequency_, sound);
  if (result != DecodeResult::Ok) return Fail(ErrorOf(result));
  auto sample = std::make_unique<Sample>();
  sample->pcm = std::move(sound.pcm);
  sample->maxPlaybacks = std::min<uint32_t>(maxPlaybacks, Mixer::kVoiceCount);
  sample->overrideLongest = (flags & kSampleOverrideLongest) != 0;
  samples_.push_back(std::move(sample));
  Succeed();
  return uint32_t(samples_.size());
}

uint32_t AudioSystem::SamplePlayEx(uint32_t sample, uint32_t start, int32_t frequency, int32_t volume,
                                   int32_t pan, bool loop) {
  if (!mixer_) return Fail(AudioError::NotInitialised);
  if (sample == 0 || sample > samples_.size()) return Fail(AudioError::Handle);
  const Sample& s = *samples_[sample - 1];
  if (frequency != kOwnFrequency && frequency != 0 && uint32_t(frequency) != frequency_)
    return Fail(AudioError::Unsupported);  // no rate change on playback
  if (start >= s.pcm.frameCount()) return Fail(AudioError::Parameter);
  const float gain = volume == kFullVolume ? 1.0f : float(std::clamp(volume, 0, 100)) / 100.0f;
  const float balance = pan == kOwnPan ? 0.0f : float(std::clamp(pan, -100, 100)) / 100.0f;
  Mixer::Playback playback;
  playback.sound = &s.pcm;
  playback.start = start;
  playback.leftGain = gain * std::min(1.0f, 1.0f - balance);
  playback.rightGain = gain * std::min(1.0f, 1.0f + balance);
  playback.loop = loop;
  const int voice = mixer_->Play(playback, s.maxPlaybacks, s.overrideLongest);
  if (voice < 0) return Fail(AudioError::NoVoice);
  Succeed();
  return uint32_t(voice + 1);
}

bool AudioSystem::SetVolume(uint32_t percent) {
  volume_ = std::min<uint32_t>(percent, 100);
  if (mixer_) mixer_->SetMasterGain(float(volume_) / 100.0f);
  return Succeed();
}

bool AudioSystem::Start() {
  if (!mixer_) return Fail(AudioError::NotInitialised);
  mixer_->SetPaused(false);
  output_.SetPaused(false);
  return Succeed();
}

bool AudioSystem::Stop() {
  if (!mixer_) return Fail(AudioError::NotInitialised);
  // Let the output play a short fade to silence before it halts, so that
  // stopping mid-sound does not click.
  mixer_->SetPaused(true);
  const auto deadline = std::chrono::steady_clock::now() + kFadeWait;
  while (!mixer_->FadedOut() && std::chrono::steady_clock::now() < deadline)
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  output_.SetPaused(true);
  return Succeed();
}

namespace {

AudioSystem* boundSystem = nullptr;

}  // namespace

void BindAudioLibrary(AudioLibrary& library, AudioOutput& output) {
  // Never destroyed: the host may shut its platform layer down before
  // static destructors run.
  if (!boundSystem) boundSystem = new AudioSystem(output);
  library.ErrorGetCode = [] { return int32_t(boundSystem->LastError()); };
  library.Init = [](int32_t device, uint32_t frequency, uint32_t, void*, const void*) {
    return int32_t(boundSystem->Init(device, frequency));
  };
  library.Free = [] { return int32_t(boundSystem->Free()); };
  library.SampleLoad = [](int32_t fromMemory, const void* data, uint32_t offset, uint32_t length,
                          uint32_t maxPlaybacks, uint32_t flags) {
    return boundSystem->SampleLoad(fromMemory != 0, data, offset, length, maxPlaybacks, flags);
  };
  library.SamplePlayEx = [](uint32_t sample, uint32_t start, int32_t frequency, int32_t volume, int32_t pan,
                            int32_t loop) {
    return boundSystem->SamplePlayEx(sample, start, frequency, volume, pan, loop != 0);
  };
  library.SetVolume = [](uint32_t percent) { return int32_t(boundSystem->SetVolume(percent)); };
  library.Start = [] { return int32_t(boundSystem->Start()); };
  library.Stop = [] { return int32_t(boundSystem->Stop()); };
  library.GetVolume = [] { return boundSystem->GetVolume(); };
}
