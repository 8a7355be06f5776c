#include "assets/archive/archive_reader.h"

// Placeholder until the reader lands: no member can be extracted yet.
bool ExtractArchiveMember(const char*, ArchiveView& view, const char*, uint8_t** buffer,
                          uint32_t* length) {
  view.offset = 0;
  *buffer = nullptr;
  *length = 0;
  return false;
}
