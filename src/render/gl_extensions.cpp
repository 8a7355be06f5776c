#include "render/gl_extensions.h"

namespace {

template <typename Function>
void LookUp(const GlProcLookup& lookup, const char* name, Function& function) {
  function = reinterpret_cast<Function>(lookup(name));
}

}  // namespace

bool LookUpMultiTexture(const GlProcLookup& lookup, GlExtensions& extensions) {
  LookUp(lookup, "glActiveTextureARB", extensions.activeTexture);
  LookUp(lookup, "glClientActiveTextureARB", extensions.clientActiveTexture);
  LookUp(lookup, "glMultiTexCoord2fARB", extensions.multiTexCoord2f);
  extensions.multiTexture = extensions.activeTexture && extensions.multiTexCoord2f;
  return extensions.multiTexture;
}
