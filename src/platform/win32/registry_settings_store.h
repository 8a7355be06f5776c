// RegistrySettingsStore: the settings as REG_DWORD values of one key under
// HKEY_CURRENT_USER ("Software\Quorvan 3D Screensaver" unless told
// otherwise). Opening creates the key when it is missing.
#pragma once
#include <string>

#include "settings/settings_store.h"

class RegistrySettingsStore : public SettingsStore {
 public:
  explicit RegistrySettingsStore(std::string keyPath = "Software\\Quorvan 3D Screensaver")
      : keyPath_(std::move(keyPath)) {}
  ~RegistrySettingsStore() override { Close(); }

  bool Open(Access access) override;
  // Only a 4-byte REG_DWORD counts as stored; anything else leaves value.
  void Query(const char* name, uint32_t& value) override;
  void Write(const char* name, uint32_t value) override;
  bool Close() override;

 private:
  std::string keyPath_;
  void* key_ = nullptr;  // the open HKEY
  bool writeFailed_ = false;
};
