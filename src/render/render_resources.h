// RenderResources: what loading and drawing need of the running flight
// besides the GL context: where pictures and meshes come from, the start-up
// log their loads write to, and the context's optional entry points. The
// application owns all three and keeps them alive while anything draws.
// The textures already made from archive pictures come with them: the
// flight owns one RenderResources per GL context, and its textures live as
// long as that context.
#pragma once
#include <cstdint>
#include <map>
#include <string>

#include "assets/picture_queue.h"
#include "assets/resources.h"
#include "base/debug_log.h"
#include "render/gl_extensions.h"

// Texture names by archive path; filled by the loads of texture_loader.h.
struct TextureCache {
  std::map<std::string, uint32_t> mipmapped, lens;
};

struct RenderResources {
  RenderResources(const Resources& resources, DebugLog& log, const GlExtensions& gl)
      : resources(resources), log(log), gl(gl) {}

  const Resources& resources;
  DebugLog& log;
  const GlExtensions& gl;
  mutable TextureCache textures;  // a memo of the loads, which take the resources as const
  PictureQueue* pictures = nullptr;  // while the worlds load: pictures decoded ahead
};
