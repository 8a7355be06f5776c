#include "platform/headless/headless_displays.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

HeadlessDisplay MakeHeadlessDisplay(const char* name, int width, int height, int left, int top,
                                    uint32_t stateFlags) {
  HeadlessDisplay d;
  std::snprintf(d.adapter.deviceName, sizeof d.adapter.deviceName, "%s", name);
  std::snprintf(d.adapter.deviceString, sizeof d.adapter.deviceString, "Headless adapter %s", name);
  d.adapter.stateFlags = stateFlags;
  std::snprintf(d.monitorString, sizeof d.monitorString, "Headless monitor %s", name);
  d.mode = {width, height, 32, left, top};
  return d;
}

HeadlessDisplays::HeadlessDisplays() {
  displays_.push_back(
      MakeHeadlessDisplay("\\\\.\\DISPLAY1", 800, 600, 0, 0, AdapterAttachedToDesktop | AdapterPrimary));
}

bool HeadlessDisplays::Adapter(int index, DisplayAdapter& adapter) const {
  if (index < 0 || size_t(index) >= displays_.size()) return false;
  adapter = displays_[size_t(index)].adapter;
  return true;
}

const HeadlessDisplay* HeadlessDisplays::Find(const DisplayAdapter* adapter) const {
  for (const HeadlessDisplay& d : displays_) {
    if (adapter ? std::strcmp(d.adapter.deviceName, adapter->deviceName) == 0
                : (d.adapter.stateFlags & AdapterPrimary) != 0)
      return &d;
  }
  return nullptr;
}

bool HeadlessDisplays::Monitor(const DisplayAdapter& adapter, char (&monitorString)[128]) const {
  const HeadlessDisplay* d = Find(&adapter);
  if (!d || !d->monitorString[0]) return false;
  std::memcpy(monitorString, d->monitorString, sizeof monitorString);
  return true;
}

bool HeadlessDisplays::Mode(const DisplayAdapter* adapter, DisplayMode& mode) const {
  const HeadlessDisplay* d = Find(adapter);
  if (!d || !(d->adapter.stateFlags & AdapterAttachedToDesktop)) return false;
  mode = d->mode;
  return true;
}

uintptr_t HeadlessDisplays::MonitorFromRect(const ScreenRect& rect) const {
  uintptr_t best = 0;
  int64_t bestArea = 0;
  for (size_t i = 0; i < displays_.size(); ++i) {
    const HeadlessDisplay& d = displays_[i];
    if (!(d.adapter.stateFlags & AdapterAttachedToDesktop)) continue;
    int64_t w = int64_t(std::min(rect.right, d.mode.left + d.mode.width)) - std::max(rect.left, d.mode.left);
    int64_t h = int64_t(std::min(rect.bottom, d.mode.top + d.mode.height)) - std::max(rect.top, d.mode.top);
    if (w > 0 && h > 0 && w * h > bestArea) {
      bestArea = w * h;
      best = i + 1;
    }
  }
  return best;
}
