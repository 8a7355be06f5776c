// ArchiveView: an archive held in memory (borrowed bytes) with a read offset.
// Every read of archive bytes goes through ReadArchiveView, which never
// reads outside [data, data + size).
#pragma once
#include <cstdint>

struct ArchiveView {
  const uint8_t* data = nullptr;
  uint32_t size = 0;
  uint32_t offset = 0;
};

// Copies count bytes from the offset and advances it. All or nothing: when
// count is 0 or the bytes run past the end, nothing is read and 0 returned.
uint32_t ReadArchiveView(ArchiveView& view, void* destination, uint32_t count);
