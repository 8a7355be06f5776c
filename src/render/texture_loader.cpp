#include "render/texture_loader.h"

#include <cstdio>

namespace {

bool IsPowerOfTwo(int n) { return n > 0 && (n & (n - 1)) == 0; }

// GL_GENERATE_MIPMAP is core from OpenGL 1.4 on.
bool DriverGeneratesMipmaps() {
  const char* version = reinterpret_cast<const char*>(glGetString(GL_VERSION));
  int major = 0, minor = 0;
  if (!version || std::sscanf(version, "%d.%d", &major, &minor) != 2) return false;
  return major > 1 || (major == 1 && minor >= 4);
}

GLuint NewTexture(GLint minFilter) {
  GLuint name = 0;
  glGenTextures(1, &name);
  glBindTexture(GL_TEXTURE_2D, name);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, minFilter);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
  glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
  return name;
}

// The driver builds the smaller levels of a power-of-two picture where it
// can, which is far quicker than GLU's; GLU builds them otherwise, and for
// other sizes, which it first scales to a power of two.
GLuint UploadMipmapped(int components, int width, int height, GLenum format, const uint8_t* pixels) {
  GLuint name = NewTexture(GL_LINEAR_MIPMAP_LINEAR);
  if (IsPowerOfTwo(width) && IsPowerOfTwo(height) && DriverGeneratesMipmaps()) {
    glTexParameteri(GL_TEXTURE_2D, GL_GENERATE_MIPMAP, GL_TRUE);
    glTexImage2D(GL_TEXTURE_2D, 0, components, width, height, 0, format, GL_UNSIGNED_BYTE, pixels);
  } else {
    gluBuild2DMipmaps(GL_TEXTURE_2D, components, width, height, format, GL_UNSIGNED_BYTE, pixels);
  }
  glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
  return name;
}

// A texture already made binds again; false when there is none.
bool BindKnown(const std::map<std::string, uint32_t>& known, const char* path, GLuint& texture) {
  auto found = known.find(path);
  if (found == known.end()) return false;
  texture = found->second;
  glBindTexture(GL_TEXTURE_2D, texture);
  return true;
}

// The picture the queue decoded ahead, where it waits there.
ImageStatus ReadPicture(const RenderResources& render, const char* path, DecodedImage& image, bool fromResource,
                        int resourceId) {
  ImageStatus status;
  if (!fromResource && render.pictures && render.pictures->Take(path, image, status)) return status;
  return LoadJpeg(render.resources, path, image, fromResource, resourceId);
}

// Numbered resources are not archive paths: they are never remembered.
bool LoadLoggedTexture(const RenderResources& render, const char* label, GLuint& texture, const char* path,
                       bool fromResource, int resourceId) {
  render.log.Write(label).Write(path).Write("> ...");
  std::map<std::string, uint32_t>& known = render.textures.mipmapped;
  if (!fromResource && BindKnown(known, path, texture)) {
    render.log.EndStep();
    return true;
  }
  DecodedImage image;
  if (ReadPicture(render, path, image, fromResource, resourceId) != ImageStatus::Ok) {
    render.log.Write("failed!\n");
    return false;
  }
  texture = UploadMipmappedTexture(image);
  if (!fromResource) known[path] = texture;
  render.log.EndStep();
  return true;
}

}  // namespace

GLuint UploadMipmappedTexture(const DecodedImage& image) {
  return UploadMipmapped(3, image.width, image.height, GL_RGB, image.pixels.data());
}

GLuint UploadLensTexture(const DecodedImage& image) {
  GLuint name = NewTexture(GL_LINEAR);
  glTexImage2D(GL_TEXTURE_2D, 0, 3, image.width, image.height, 0, GL_RGB, GL_UNSIGNED_BYTE,
               image.pixels.data());
  return name;
}

GLuint UploadTgaTexture(const TgaImage& image) {
  std::vector<uint8_t> rgba = TgaToRgba(image);
  return UploadMipmapped(4, image.header.width, image.header.height, GL_RGBA, rgba.data());
}

bool LoadTexture(const RenderResources& render, GLuint& texture, const char* path, bool fromResource,
                 int resourceId) {
  return LoadLoggedTexture(render, "Load texture <", texture, path, fromResource, resourceId);
}

bool LoadDetailTexture(const RenderResources& render, GLuint& texture2, const char* path) {
  return LoadLoggedTexture(render, "Load detail texture <", texture2, path, false, 0);
}

bool LoadLensTexture(const RenderResources& render, GLuint& lensTexture, const char* path) {
  if (BindKnown(render.textures.lens, path, lensTexture)) return true;
  DecodedImage image;
  if (ReadPicture(render, path, image, false, 0) != ImageStatus::Ok) return false;
  lensTexture = UploadLensTexture(image);
  render.textures.lens[path] = lensTexture;
  return true;
}

GLuint LoadTgaTexture(const RenderResources& render, const char* name, bool fromResource, int resourceId,
                      ImageStatus& status) {
  TgaImage image;
  status = LoadTga(render.resources, name, image, fromResource, resourceId);
  return status == ImageStatus::Ok ? UploadTgaTexture(image) : 0;
}
