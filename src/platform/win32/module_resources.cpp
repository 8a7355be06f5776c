#include "platform/win32/module_resources.h"

#include "platform/win32/win32_api.h"

ResourceBytes ModuleResources::Find(const char* type, int id) const {
  HMODULE module = GetModuleHandleA(nullptr);
  HRSRC resource = FindResourceA(module, MAKEINTRESOURCEA(id & 0xFFFF), type);
  if (!resource) return {};
  HGLOBAL loaded = LoadResource(module, resource);
  const void* data = loaded ? LockResource(loaded) : nullptr;
  if (!data) return {};
  return {static_cast<const uint8_t*>(data), uint32_t(SizeofResource(module, resource)), true};
}
