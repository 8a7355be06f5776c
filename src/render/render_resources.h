// RenderResources: what loading and drawing need of the running flight
// besides the GL context: where pictures and meshes come from, the start-up
// log their loads write to, and the context's optional entry points. The
// application owns all three and keeps them alive while anything draws.
#pragma once
#include "assets/resources.h"
#include "base/debug_log.h"
#include "render/gl_extensions.h"

struct RenderResources {
  const Resources& resources;
  DebugLog& log;
  const GlExtensions& gl;
};
