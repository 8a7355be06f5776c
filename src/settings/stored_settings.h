// The live record's image in the settings store: one 32-bit value per name,
// named as the record's fields. Booleans are stored as 0 or 1 and read as
// true when non-zero. The derived viewport fields, MultiTexture and the
// program path are never stored.
#pragma once
#include <cstddef>

#include "settings/settings.h"
#include "settings/settings_store.h"

// Reads every stored value over the record, in the fixed load order. A value
// that is missing, or stored as exactly 10000, keeps the record's value;
// ClampSettingValues runs on the result. An unreachable store changes
// nothing.
void LoadSettings(Settings& settings, SettingsStore& store);
// Writes every stored value, in the fixed save order; false when the store
// could not keep them.
bool SaveSettings(const Settings& settings, SettingsStore& store);

// The stored names in load order, index 0 .. StoredSettingCount - 1.
inline constexpr size_t StoredSettingCount = 18;
const char* StoredSettingName(size_t index);
// The stored name that equals name without regard to case, or null.
const char* FindStoredSettingName(const char* name);
