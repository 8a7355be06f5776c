// Object files: the text files that describe a world's objects (spheres,
// billboards, flares, meshes, flames, particle streams). One parser reads
// every file of a run, because its geometry slots carry over from file to
// file.
#pragma once
#include "objects/scene_object.h"

class ObjectFileParser {
 public:
  explicit ObjectFileParser(const ObjectContext& context);
  ~ObjectFileParser();
  // Appends every object of the archive member at path to list. A missing
  // member or one without its terminator ends after what could be read.
  void LoadObjectFile(ObjectList& list, const char* path);

 private:
  struct State;
  std::unique_ptr<State> state_;
};
