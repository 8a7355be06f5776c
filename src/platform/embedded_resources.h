// EmbeddedResources: the numbered resources linked into a Linux binary by
// qv_embed_resources, served as the process's ResourceSource. The table ends
// with an entry whose type is null.
#pragma once
#include <cstdint>

#include "assets/resource_source.h"

struct EmbeddedResource {
  const char* type;
  int id;
  const uint8_t* begin;
  const uint8_t* end;
};

extern const EmbeddedResource kEmbeddedResources[];

class EmbeddedResources : public ResourceSource {
 public:
  ResourceBytes Find(const char* type, int id) const override;
};
