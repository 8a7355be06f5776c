// Reads members of a RAR 2.x archive held in memory: stored members and
// members compressed with the RAR 2.0 scheme (unpack versions 13 to 20),
// solid or not. Every read is bounded by the view; damaged or hostile bytes
// end in a failure with a diagnostic, never outside the buffers.
#pragma once
#include <cstdint>

struct ArchiveView {
  const uint8_t* data = nullptr;
  uint32_t size = 0;
  uint32_t offset = 0;
};

// On success *buffer holds a malloc'ed block of the member's unpacked size
// (released with free) and *length the bytes produced. On failure *buffer is
// null and *length 0. The view's offset is reset by the reader.
bool ExtractArchiveMember(const char* name, ArchiveView& view, const char* password,
                          uint8_t** buffer, uint32_t* length);
