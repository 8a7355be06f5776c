// FakeResources: numbered resources a test makes itself, installed as the
// process-wide resource source for the test's lifetime.
#pragma once
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "assets/resource_source.h"

class FakeResources : public ResourceSource {
 public:
  FakeResources() { InstallResourceSource(this); }
  ~FakeResources() override { InstallResourceSource(nullptr); }

  void Set(int id, std::vector<uint8_t> bytes, const std::string& type = CustomDataType) {
    resources_[{type, id}] = std::move(bytes);
  }
  void Set(int id, const std::string& text, const std::string& type = CustomDataType) {
    Set(id, std::vector<uint8_t>(text.begin(), text.end()), type);
  }
  void SetArchive(std::vector<uint8_t> bytes) { Set(ArchiveResourceId, std::move(bytes)); }

  ResourceBytes Find(const char* type, int id) const override {
    auto it = resources_.find({type, id});
    if (it == resources_.end()) return {};
    return {it->second.data(), uint32_t(it->second.size()), true};
  }

 private:
  std::map<std::pair<std::string, int>, std::vector<uint8_t>> resources_;
};
