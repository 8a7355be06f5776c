// The binary mesh parser.
#include <cstddef>
#include <cstdint>

#include "assets/mesh_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  MeshFile mesh;
  ParseMeshFile(data, size, mesh);
  return 0;
}
