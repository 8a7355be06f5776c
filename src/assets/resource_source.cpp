#include "assets/resource_source.h"

namespace {
const ResourceSource* installedSource = nullptr;
}

void InstallResourceSource(const ResourceSource* source) { installedSource = source; }

ResourceBytes FindInstalledResource(const char* type, int id) {
  if (!installedSource) return {};
  return installedSource->Find(type, id & 0xFFFF);
}
