#include "platform/win32/display_modes.h"

namespace {

constexpr WORD kModeRecordSize = 148;  // DEVMODEA without the panning fields

DEVMODEA EmptyModeRecord() {
  DEVMODEA record{};
  record.dmSize = kModeRecordSize;
  return record;
}

}  // namespace

bool ReadDisplayMode(const char* device, DWORD index, DisplayMode& mode) {
  DEVMODEA record = EmptyModeRecord();
  if (!EnumDisplaySettingsA(device, index, &record)) return false;
  mode.width = int32_t(record.dmPelsWidth);
  mode.height = int32_t(record.dmPelsHeight);
  mode.bitsPerPixel = int32_t(record.dmBitsPerPel);
  mode.left = record.dmPosition.x;
  mode.top = record.dmPosition.y;
  return true;
}

void SwitchDisplayMode(int width, int height, int bitsPerPixel) {
  DEVMODEA record = EmptyModeRecord();
  record.dmPelsWidth = DWORD(width);
  record.dmPelsHeight = DWORD(height);
  record.dmBitsPerPel = DWORD(bitsPerPixel);
  record.dmFields = DM_PELSWIDTH | DM_PELSHEIGHT | DM_BITSPERPEL;
  ChangeDisplaySettingsA(&record, CDS_FULLSCREEN);
}

void RestoreRegistryDisplayMode() { ChangeDisplaySettingsA(nullptr, 0); }
