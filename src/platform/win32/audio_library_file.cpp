#include "platform/win32/audio_library_file.h"

#include "platform/win32/win32_api.h"
#include "resources/resource_ids.h"

namespace {

bool WriteWholeFile(const char* path, const ResourceBytes& bytes) {
  HANDLE file = CreateFileA(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_TEMPORARY, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  bool complete = WriteFile(file, bytes.data, bytes.size, &written, nullptr) && written == bytes.size;
  return CloseHandle(file) && complete;
}

template <class Function>
void LookUp(HMODULE module, const char* name, Function& entry) {
  entry = ProcAs<Function>(GetProcAddress(module, name));
}

}  // namespace

bool AudioLibraryFile::Load(const ResourceSource& resources, AudioLibrary& library) {
  Unload();
  ResourceBytes bytes = resources.Find("BASS", IDR_AUDIO_LIBRARY);
  char folder[MAX_PATH];
  char path[MAX_PATH];
  DWORD length = GetTempPathA(MAX_PATH, folder);
  if (length == 0 || length >= MAX_PATH || !GetTempFileNameA(folder, "bas", 0, path)) return false;
  HMODULE module = WriteWholeFile(path, bytes) ? LoadLibraryA(path) : nullptr;
  if (!module) {
    DeleteFileA(path);
    return false;
  }
  module_ = module;
  path_ = path;
  LookUp(module, "BASS_ErrorGetCode", library.ErrorGetCode);
  LookUp(module, "BASS_Init", library.Init);
  LookUp(module, "BASS_Free", library.Free);
  LookUp(module, "BASS_SampleLoad", library.SampleLoad);
  LookUp(module, "BASS_SamplePlayEx", library.SamplePlayEx);
  LookUp(module, "BASS_SetVolume", library.SetVolume);
  LookUp(module, "BASS_Start", library.Start);
  LookUp(module, "BASS_Stop", library.Stop);
  LookUp(module, "BASS_GetVolume", library.GetVolume);
  return true;
}

void AudioLibraryFile::Unload() {
  if (module_) FreeLibrary(static_cast<HMODULE>(module_));
  module_ = nullptr;
  if (!path_.empty()) DeleteFileA(path_.c_str());
  path_.clear();
}
