// MemorySettingsStore: a settings store that lives only as long as the
// object, for tests and the headless backend. Names match exactly.
#pragma once
#include <map>
#include <string>

#include "settings/settings_store.h"

class MemorySettingsStore : public SettingsStore {
 public:
  bool Open(Access) override { return true; }
  void Query(const char* name, uint32_t& value) override {
    auto it = values_.find(name);
    if (it != values_.end()) value = it->second;
  }
  void Write(const char* name, uint32_t value) override { values_[name] = value; }
  bool Close() override { return true; }

  const std::map<std::string, uint32_t>& values() const { return values_; }

 private:
  std::map<std::string, uint32_t> values_;
};
