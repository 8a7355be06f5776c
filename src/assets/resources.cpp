#include "assets/resources.h"

#include "assets/archive/archive_reader.h"

ResourceBytes Resources::Find(int id) const { return source_.Find(CustomDataType, id & 0xFFFF); }

bool Resources::OpenResource(int id, ResourceStream& stream) const {
  ResourceBytes bytes = Find(id);
  stream.Borrow(bytes.found ? bytes.data : nullptr, bytes.size);
  return bytes.found;
}

bool Resources::OpenArchiveMember(const char* name, ResourceStream& stream) const {
  ResourceBytes archive = Find(ArchiveResourceId);
  ArchiveView view{archive.data, archive.size, 0};
  uint8_t* buffer = nullptr;
  uint32_t length = 0;
  ArchiveStatus status = ExtractArchiveMember(name, view, "", &buffer, &length, diagnostics_);
  stream.Adopt(buffer, length, name);
  return status == ArchiveStatus::Ok;
}
