#include "settings/stored_settings.h"

#include <cstdint>
#include <iterator>

#include "base/ascii.h"
#include "settings/settings_rules.h"

namespace {

// One stored value: a boolean field or a number field of the record.
struct StoredValue {
  const char* name;
  bool Settings::*flag;
  int32_t Settings::*number;
};

constexpr StoredValue kShowClock{"ShowClock", &Settings::ShowClock, nullptr};
constexpr StoredValue kHrs12{"Hrs12", &Settings::Hrs12, nullptr};
constexpr StoredValue kEnableMusic{"EnableMusic", &Settings::EnableMusic, nullptr};
constexpr StoredValue kUseDesktop{"UseDesktop", &Settings::UseDesktop, nullptr};
constexpr StoredValue kShowFlame{"ShowFlame", &Settings::ShowFlame, nullptr};
constexpr StoredValue kDefGamma{"DefGamma", &Settings::DefGamma, nullptr};
constexpr StoredValue kWidth{"Width", nullptr, &Settings::Width};
constexpr StoredValue kHeight{"Height", nullptr, &Settings::Height};
constexpr StoredValue kDepth{"Depth", nullptr, &Settings::Depth};
constexpr StoredValue kVolume{"Volume", nullptr, &Settings::Volume};
constexpr StoredValue kGamma{"Gamma", nullptr, &Settings::Gamma};
constexpr StoredValue kTimeScale{"TimeScale", nullptr, &Settings::TimeScale};
constexpr StoredValue kGalaxy{"Galaxy", &Settings::Galaxy, nullptr};
constexpr StoredValue kShowFPS{"ShowFPS", &Settings::ShowFPS, nullptr};
constexpr StoredValue kVSync{"VSync", &Settings::VSync, nullptr};
constexpr StoredValue kMouseExit{"MouseExit", &Settings::MouseExit, nullptr};
constexpr StoredValue kWideScreen{"WideScreen", &Settings::WideScreen, nullptr};
constexpr StoredValue kFrameLimit{"FrameLimit", nullptr, &Settings::FrameLimit};

constexpr const StoredValue* LoadOrder[] = {
    &kShowClock, &kHrs12,  &kEnableMusic, &kUseDesktop, &kShowFlame, &kDefGamma,
    &kWidth,     &kHeight, &kDepth,       &kVolume,     &kGamma,     &kTimeScale,
    &kGalaxy,    &kShowFPS, &kVSync,      &kMouseExit,  &kWideScreen, &kFrameLimit,
};

constexpr const StoredValue* SaveOrder[] = {
    &kShowClock, &kHrs12,  &kEnableMusic, &kUseDesktop, &kShowFlame, &kDefGamma,
    &kWidth,     &kHeight, &kDepth,       &kVolume,     &kTimeScale, &kGamma,
    &kGalaxy,    &kVSync,  &kMouseExit,   &kWideScreen, &kShowFPS,    &kFrameLimit,
};

// Preset into every query buffer: a value that still holds it was not read.
constexpr uint32_t NotStored = 10000;

}  // namespace

void LoadSettings(Settings& settings, SettingsStore& store) {
  if (store.Open(SettingsStore::Access::Read)) {
    for (const StoredValue* value : LoadOrder) {
      uint32_t buffer = NotStored;
      store.Query(value->name, buffer);
      if (buffer == NotStored) continue;
      if (value->flag) {
        settings.*value->flag = buffer != 0;
      } else {
        settings.*value->number = int32_t(buffer);
      }
    }
    store.Close();
  }
  ClampSettingValues(settings);
}

bool SaveSettings(const Settings& settings, SettingsStore& store) {
  if (!store.Open(SettingsStore::Access::Write)) return false;
  for (const StoredValue* value : SaveOrder) {
    store.Write(value->name, value->flag ? uint32_t(settings.*value->flag ? 1 : 0)
                                         : uint32_t(settings.*value->number));
  }
  return store.Close();
}

static_assert(std::size(LoadOrder) == StoredSettingCount && std::size(SaveOrder) == StoredSettingCount);

const char* StoredSettingName(size_t index) { return LoadOrder[index]->name; }

const char* FindStoredSettingName(const char* name) {
  for (const StoredValue* value : LoadOrder) {
    if (EqualIgnoringAsciiCase(value->name, name)) return value->name;
  }
  return nullptr;
}
