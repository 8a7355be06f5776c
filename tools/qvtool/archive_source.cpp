#include "tools/qvtool/archive_source.h"

#include "platform/embedded_resources.h"
#include "tools/common/file_bytes.h"

const ResourceSource& BuiltInResources() {
  static const EmbeddedResources builtIn;
  return builtIn;
}

bool LoadArchive(const char* path, ArchiveSource* source, std::string* error) {
  if (!path) {
    ResourceBytes bytes = BuiltInResources().Find(CustomDataType, ArchiveResourceId);
    if (!bytes.found) {
      *error = "no archive is built into this program; name an archive FILE";
      return false;
    }
    source->view = {bytes.data, bytes.size, 0};
    source->label = "the built-in archive";
    return true;
  }
  std::optional<std::vector<uint8_t>> bytes = ReadFileBytes(path);
  if (!bytes || bytes->size() > UINT32_MAX) {
    *error = std::string("cannot read ") + path;
    return false;
  }
  source->file = std::move(*bytes);
  source->view = {source->file.data(), uint32_t(source->file.size()), 0};
  source->label = path;
  return true;
}

