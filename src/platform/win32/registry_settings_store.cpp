#include "platform/win32/registry_settings_store.h"

#include "platform/win32/win32_api.h"

bool RegistrySettingsStore::Open(Access access) {
  Close();
  HKEY key = nullptr;
  REGSAM rights = access == Access::Read ? KEY_READ : KEY_WRITE;
  if (RegCreateKeyExA(HKEY_CURRENT_USER, keyPath_.c_str(), 0, nullptr, 0, rights, nullptr, &key, nullptr) !=
      ERROR_SUCCESS)
    return false;
  key_ = key;
  writeFailed_ = false;
  return true;
}

void RegistrySettingsStore::Query(const char* name, uint32_t& value) {
  if (!key_) return;
  DWORD type = 0, stored = 0, size = sizeof stored;
  if (RegQueryValueExA(static_cast<HKEY>(key_), name, nullptr, &type, reinterpret_cast<BYTE*>(&stored), &size) ==
          ERROR_SUCCESS &&
      type == REG_DWORD && size == sizeof stored)
    value = stored;
}

void RegistrySettingsStore::Write(const char* name, uint32_t value) {
  DWORD stored = value;
  if (!key_ || RegSetValueExA(static_cast<HKEY>(key_), name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&stored),
                              sizeof stored) != ERROR_SUCCESS)
    writeFailed_ = true;
}

bool RegistrySettingsStore::Close() {
  bool kept = !writeFailed_;
  if (key_) RegCloseKey(static_cast<HKEY>(key_));
  key_ = nullptr;
  writeFailed_ = false;
  return kept;
}
