#include "assets/resource_stream.h"

#include <cstdlib>
#include <cstring>

#include "assets/archive/archive_reader.h"
#include "assets/resource_source.h"

ResourceStream::~ResourceStream() { Close(); }

bool ResourceStream::OpenResource(int id) {
  ResourceBytes bytes = FindInstalledResource(CustomDataType, id);
  if (!bytes.found) return false;
  data_ = const_cast<uint8_t*>(bytes.data);
  size_ = bytes.size;
  borrowed_ = true;
  return true;
}

bool ResourceStream::OpenArchiveMember(const char* name) {
  ResourceBytes archive = FindInstalledResource(CustomDataType, ArchiveResourceId);
  ArchiveView view{archive.data, archive.size, 0};
  borrowed_ = false;
  std::strncpy(memberName_, name, sizeof memberName_ - 1);
  memberName_[sizeof memberName_ - 1] = 0;
  uint8_t* buffer = nullptr;
  uint32_t length = 0;
  bool ok = ExtractArchiveMember(name, view, "", &buffer, &length);
  data_ = buffer;
  size_ = length;
  position_ = 0;
  return ok;
}

void ResourceStream::Close() {
  if (data_ && !borrowed_) {
    std::free(data_);
    data_ = nullptr;
  }
  position_ = 0;
  size_ = 0;
}

void ResourceStream::Read(void* destination, uint32_t count) {
  if (count == 0) return;
  auto* out = static_cast<uint8_t*>(destination);
  uint32_t available = position_ < size_ ? size_ - position_ : 0;
  uint32_t copied = count < available ? count : available;
  if (copied) std::memcpy(out, data_ + position_, copied);
  if (copied < count) std::memset(out + copied, 0, count - copied);
  // Saturate rather than wrap, so a huge read past the end still ends the view.
  uint64_t next = uint64_t(position_) + count;
  position_ = next > UINT32_MAX ? UINT32_MAX : uint32_t(next);
}

void ResourceStream::ReadGuarded(void* destination, uint32_t count) {
  if (!AtEnd()) Read(destination, count);
}

int ResourceStream::ReadByte() {
  uint8_t byte;
  Read(&byte, 1);
  return byte;
}

bool ResourceStream::ReadLine(char* buffer, size_t capacity) {
  size_t length = 0;
  int c = ReadByte();
  while (c == ' ' && !AtEnd()) c = ReadByte();
  while (c != '\n' && !AtEnd()) {
    if (c != '\r' && length + 1 < capacity) buffer[length++] = char(c);
    c = ReadByte();
  }
  if (capacity) buffer[length] = 0;
  return !AtEnd();
}

void ResourceStream::Seek(int32_t offset, int origin) {
  switch (origin) {
    case 0: position_ = uint32_t(offset); break;
    case 1: position_ += uint32_t(offset); break;
    case 2: position_ = size_ - uint32_t(offset); break;
    default: break;
  }
}
