// AudioLibraryFile: the audio library that travels inside the executable
// (resource type "BASS", number 137). Load writes it to a fresh temporary
// file ("bas*.tmp" in the temporary folder), loads that file and looks up
// the nine entry points; Unload frees the library and deletes the file.
#pragma once
#include <string>

#include "assets/resource_source.h"
#include "audio/audio_library.h"

class AudioLibraryFile {
 public:
  ~AudioLibraryFile() { Unload(); }

  // False, with no file left behind, when the library cannot be loaded.
  // Entry points the library lacks stay null.
  bool Load(const ResourceSource& resources, AudioLibrary& library);
  void Unload();

 private:
  void* module_ = nullptr;  // HMODULE
  std::string path_;
};
