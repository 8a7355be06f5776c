// ModuleResources: the numbered resources of the running executable,
// straight from its mapped image (nothing is copied; the bytes live as long
// as the process).
#pragma once
#include "assets/resource_source.h"

class ModuleResources : public ResourceSource {
 public:
  // type is a resource type name ("CustomData", "BASS"); the low 16 bits of
  // id are the resource number.
  ResourceBytes Find(const char* type, int id) const override;
};
