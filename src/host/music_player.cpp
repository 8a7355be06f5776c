#include "host/music_player.h"

#include "base/debug_log.h"

MusicPlayer::MusicPlayer(Platform& platform, const Resources& resources, DebugLog& log)
    : platform_(platform), resources_(resources), log_(log) {}

MusicPlayer::~MusicPlayer() { Stop(); }

bool MusicPlayer::Start(int32_t volume, uintptr_t window) {
  library_ = AudioLibrary{};
  if (!platform_.LoadAudioLibrary(library_)) {
    log_.Write("Error: Can't load BASS.DLL\n");
    return false;
  }
  started_ = true;
  log_.EndStep();
  const AudioLibrary* library = &library_;
  // A missing entry point or a failing call is not checked: the run goes on silent.
  if (library->Init) library->Init(1, 44100, 0, reinterpret_cast<void*>(window), nullptr);
  if (library->Start) library->Start();
  if (library->GetVolume) savedVolume_ = library->GetVolume();
  if (library->SetVolume) library->SetVolume(uint32_t(volume));
  resources_.OpenArchiveMember("music.ogg", music_);
  if (library->SampleLoad && library->SamplePlayEx) {
    uint32_t sample = library->SampleLoad(1, music_.data(), 0, music_.size(), 1, kSampleOverrideLongest);
    library->SamplePlayEx(sample, 0, -1, volume, -101, 1);
  }
  return true;
}

void MusicPlayer::Stop() {
  if (!started_) return;
  if (library_.SetVolume) library_.SetVolume(uint32_t(savedVolume_));
  if (library_.Stop) library_.Stop();
  if (library_.Free) library_.Free();
  platform_.UnloadAudioLibrary();
  started_ = false;
  music_.Close();
}
