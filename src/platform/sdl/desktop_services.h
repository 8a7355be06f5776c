// DesktopServices: what every Linux desktop backend offers alike, whatever
// draws the flight: the clocks, messages on standard error, web addresses,
// the linked-in resources, the settings store and the audio library handed
// in by the program.
#pragma once
#include <functional>

#include "platform/embedded_resources.h"
#include "platform/platform.h"

class DesktopServices : public Platform {
 public:
  using AudioLoader = std::function<bool(AudioLibrary&)>;
  DesktopServices(SettingsStore& store, AudioLoader audio) : store_(store), audio_(std::move(audio)) {}

  int64_t QueryCounter() override;
  int64_t QueryCounterFrequency() override;
  LocalTime QueryLocalTime() override;

  void ShowMessage(const char* text, const char* caption, MessageIcon icon) override;
  void OpenUrl(const char* url) override;

  const ResourceSource& Resources() override { return resources_; }
  SettingsStore& Store() override { return store_; }
  bool LoadAudioLibrary(AudioLibrary& library) override { return audio_ && audio_(library); }
  void UnloadAudioLibrary() override {}

 private:
  SettingsStore& store_;
  AudioLoader audio_;
  EmbeddedResources resources_;
};
