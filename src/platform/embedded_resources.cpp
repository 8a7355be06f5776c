#include "platform/embedded_resources.h"

#include <cstring>

ResourceBytes EmbeddedResources::Find(const char* type, int id) const {
  for (const EmbeddedResource* r = kEmbeddedResources; r->type; ++r) {
    if (r->id == id && std::strcmp(r->type, type) == 0)
      return {r->begin, uint32_t(r->end - r->begin), true};
  }
  return {};
}
