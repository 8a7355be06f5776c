// MeshGeometry: a mesh file compiled into one GL display list of lit,
// textured triangles, replayed in file order. Loading needs the GL context
// current; the list lives as long as the context. Nothing of the file is
// kept in client memory.
#pragma once
#include "assets/mesh_file.h"
#include "render/gl.h"
#include "render/render_resources.h"

struct MeshGeometry {
  GLuint displayList = 0;  // 0 until a load succeeds

  // Logs "Load mesh <" path "> ...", compiles the archive member and stores
  // the new list. A member that is missing or damaged (short, bad indices)
  // logs "failed! " with the reason and leaves displayList unchanged.
  bool LoadMesh(const RenderResources& render, const char* path);
  // The same for a file's bytes, without the first log line.
  bool LoadMeshData(const RenderResources& render, const uint8_t* data, size_t size);
};

// Compiles one GL_TRIANGLES batch: per corner its normal, its texture
// coordinate (to units 0 and 1 when ext has multitexturing), its position.
// Returns the new list, or 0 when GL has no list name to give.
GLuint CompileMesh(const MeshFile& mesh, const GlExtensions& ext);
