#include "objects/scene_object.h"

#include "base/script_reader.h"
#include "objects/object_context.h"
#include "render/texture_loader.h"

void SceneObject::ReadTextureLine(const ScriptReader& reader) {
  char path[ScriptReader::LineCapacity] = {};
  reader.Scan("texture %s", path);
  LoadTexture(*context.render, texture, path);
  hasTexture = true;
}

#include <cstring>

SceneObject* FindObject(const ObjectList& list, const char* name, size_t first) {
  if (!name[0]) return nullptr;
  for (size_t i = first; i < list.size(); ++i)
    if (std::strcmp(list[i]->name, name) == 0) return list[i].get();
  return nullptr;
}
