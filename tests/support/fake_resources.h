// FakeResources: numbered resources a test makes itself, and the Resources
// over them that loaders under test read (archive diagnostics dropped).
#pragma once
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "assets/resources.h"

class FakeResources : public ResourceSource {
 public:

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

  const Resources& resources() const { return view_; }

 private:
  std::map<std::pair<std::string, int>, std::vector<uint8_t>> resources_;
  DiscardedDiagnostics diagnostics_;
  Resources view_{*this, diagnostics_};
};
