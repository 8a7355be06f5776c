// MeshGeometry: a mesh file compiled into a GL display list of lit, textured
// triangles, replayed in file order, and into coarser lists for when it is
// small on the screen (its vertices merged on a grid: a rock a few pixels
// across needs a few hundred triangles, not thousands). Loading needs the GL
// context current; the lists live as long as the context. Nothing of the
// file is kept in client memory.
#pragma once
#include "assets/mesh_file.h"
#include "render/gl.h"
#include "render/gl_extensions.h"

struct RenderResources;

struct MeshGeometry {
  GLuint displayList = 0;  // 0 until a load succeeds
  float radius = 0;        // the farthest vertex from the mesh's origin
  GLuint smallList = 0, tinyList = 0;

  // The list to draw for a mesh whose radius on the screen is pixels.
  GLuint ListFor(float pixels) const;

  // Logs "Load mesh <" path "> ...", compiles the archive member and stores
  // the new list, and the small and tiny lists when asked (else they are 0
  // and ListFor gives the full list). A member that is missing or damaged
  // (short, bad indices) logs "failed! " with the reason and leaves the
  // geometry unchanged. A member compiled before (another object file naming
  // it) takes the lists made the first time; a load that failed is tried
  // again.
  bool LoadMesh(const RenderResources& render, const char* path, bool smallLists = false);
  // The same for a file's bytes, without the first log line.
  bool LoadMeshData(const RenderResources& render, const uint8_t* data, size_t size, bool smallLists = false);
};

// Compiles one GL_TRIANGLES batch: per corner its normal, its texture
// coordinate (to units 0 and 1 when ext has multitexturing), its position.
// Returns the new list, or 0 when GL has no list name to give.
GLuint CompileMesh(const MeshFile& mesh, const GlExtensions& ext);
// The mesh with every vertex moved to the first vertex of its cell on a grid
// of cellsAcross cells over its bounds, and the faces that collapse dropped.
// Corners keep their normals and texture coordinates.
MeshFile MergedOnGrid(const MeshFile& mesh, int cellsAcross);
