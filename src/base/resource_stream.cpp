#include "base/resource_stream.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

ResourceStream::~ResourceStream() { Close(); }

void ResourceStream::Borrow(const uint8_t* data, uint32_t size) {
  Close();
  data_ = const_cast<uint8_t*>(data);
  size_ = data ? size : 0;
  borrowed_ = true;
}

void ResourceStream::Adopt(uint8_t* buffer, uint32_t size, const char* name) {
  Close();
  std::strncpy(memberName_, name, sizeof memberName_ - 1);
  data_ = buffer;
  size_ = buffer ? size : 0;
  borrowed_ = false;
}

void ResourceStream::Close() {
  if (!borrowed_) std::free(data_);
  data_ = nullptr;
  memberName_[0] = 0;
  position_ = 0;
  size_ = 0;
  borrowed_ = false;
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

void ResourceStream::Seek(int32_t offset, SeekOrigin origin) {
  int64_t base = origin == SeekOrigin::Start ? 0 : origin == SeekOrigin::Current ? int64_t(position_) : int64_t(size_);
  int64_t target = origin == SeekOrigin::End ? base - offset : base + offset;
  position_ = uint32_t(std::clamp<int64_t>(target, 0, UINT32_MAX));
}
