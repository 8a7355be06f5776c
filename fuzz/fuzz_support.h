// Shared by the harnesses: a message sink that drops its boxes, and the
// fuzzer's bytes packed as archive members, the way the screensaver
// reads its text files.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "assets/archive/archive_log.h"
#include "assets/archive/archive_writer.h"
#include "base/message_sink.h"
#include "support/fake_resources.h"

struct DroppedMessages : MessageSink {
  void ShowMessage(const char*, const char*) override {}
};

using Member = std::pair<std::string, std::vector<uint8_t>>;

// The members as the installed archive (resource 136) of resources.
inline void InstallArchive(FakeResources& resources, const std::vector<Member>& members) {
  ArchiveWriter writer;
  for (const auto& [name, bytes] : members) writer.AddStored(name, bytes);
  resources.SetArchive(writer.Finish());
}

inline std::vector<uint8_t> Bytes(const uint8_t* data, size_t size) {
  return std::vector<uint8_t>(data, data + size);
}
