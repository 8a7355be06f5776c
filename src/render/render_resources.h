// RenderResources: what loading and drawing need of the running flight
// besides the GL context: where pictures and meshes come from, the start-up
// log their loads write to, and the context's optional entry points. The
// application owns all three and keeps them alive while anything draws.
// The textures and meshes already made from archive members come with them:
// the flight owns one RenderResources per GL context, and they live as long
// as that context.
#pragma once
#include <cstdint>
#include <map>
#include <string>

#include "assets/picture_queue.h"
#include "assets/resources.h"
#include "base/debug_log.h"
#include "render/gl_extensions.h"
#include "render/mesh_geometry.h"

// Texture names by archive path; filled by the loads of texture_loader.h.
struct TextureCache {
  std::map<std::string, uint32_t> mipmapped, lens;
};

// Compiled meshes by archive path and whether their small lists were made;
// filled by MeshGeometry::LoadMesh.
using MeshCache = std::map<std::pair<std::string, bool>, MeshGeometry>;

struct RenderResources {
  RenderResources(const Resources& resources, DebugLog& log, const GlExtensions& gl)
      : resources(resources), log(log), gl(gl) {}

  const Resources& resources;
  DebugLog& log;
  const GlExtensions& gl;
  mutable TextureCache textures;  // memos of the loads, which take the resources as const
  mutable MeshCache meshes;
  PictureQueue* pictures = nullptr;  // while the worlds load: pictures decoded ahead
};
