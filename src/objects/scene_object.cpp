#include "objects/scene_object.h"

#include <cstring>

SceneObject* FindObject(const ObjectList& list, const char* name, size_t first) {
  if (!name[0]) return nullptr;
  for (size_t i = first; i < list.size(); ++i)
    if (std::strcmp(list[i]->name, name) == 0) return list[i].get();
  return nullptr;
}
