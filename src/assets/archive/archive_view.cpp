#include "assets/archive/archive_view.h"

#include <cstring>

uint32_t ReadArchiveView(ArchiveView& view, void* destination, uint32_t count) {
  if (count == 0 || !view.data || uint64_t(view.offset) + count > view.size) return 0;
  std::memcpy(destination, view.data + view.offset, count);
  view.offset += count;
  return count;
}
