#include "render/texture_loader.h"


namespace {

GLuint NewTexture(GLint minFilter) {
  GLuint name = 0;
  glGenTextures(1, &name);
  glBindTexture(GL_TEXTURE_2D, name);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, minFilter);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
  glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
  return name;
}

GLuint UploadMipmapped(int components, int width, int height, GLenum format, const uint8_t* pixels) {
  GLuint name = NewTexture(GL_LINEAR_MIPMAP_LINEAR);
  gluBuild2DMipmaps(GL_TEXTURE_2D, components, width, height, format, GL_UNSIGNED_BYTE, pixels);
  glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
  return name;
}

bool LoadLoggedTexture(const RenderResources& render, const char* label, GLuint& texture, const char* path,
                       bool fromResource, int resourceId) {
  render.log.Write(label).Write(path).Write("> ...");
  DecodedImage image;
  if (LoadJpeg(render.resources, path, image, fromResource, resourceId) != ImageStatus::Ok) {
    render.log.Write("failed!\n");
    return false;
  }
  texture = UploadMipmappedTexture(image);
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
  DecodedImage image;
  if (LoadJpeg(render.resources, path, image, false, 0) != ImageStatus::Ok) return false;
  lensTexture = UploadLensTexture(image);
  return true;
}

GLuint LoadTgaTexture(const RenderResources& render, const char* name, bool fromResource, int resourceId,
                      ImageStatus& status) {
  TgaImage image;
  status = LoadTga(render.resources, name, image, fromResource, resourceId);
  return status == ImageStatus::Ok ? UploadTgaTexture(image) : 0;
}
