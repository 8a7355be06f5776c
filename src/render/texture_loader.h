// Textures from JPEG and TGA images in the archive or in numbered
// "CustomData" resources. Each load needs the GL context current, creates
// one texture name, leaves it bound to GL_TEXTURE_2D and writes it into the
// caller's field (an object's texture, texture2 or lens texture). When the
// image cannot be loaded no texture is made and the field keeps its value.
// Wrap modes and texture environment stay at the GL defaults. A picture of
// the archive that is loaded again (another object naming it) binds the
// texture made the first time, from the render resources' texture cache;
// the log line is written all the same, and a load that failed is tried
// again.
#pragma once
#include "assets/jpeg_decoder.h"
#include "assets/tga_decoder.h"
#include "render/gl.h"
#include "render/render_resources.h"

// Mipmapped RGB texture, trilinear; logs "Load texture <" path "> ...".
bool LoadTexture(const RenderResources& render, GLuint& texture, const char* path, bool fromResource = false,
                 int resourceId = 0);
// As LoadTexture, from the archive; logs "Load detail texture <" path "> ...".
bool LoadDetailTexture(const RenderResources& render, GLuint& texture2, const char* path);
// One level, linear filters, from the archive; for power-of-two pictures. No log.
bool LoadLensTexture(const RenderResources& render, GLuint& lensTexture, const char* path);
// Mipmapped RGBA texture from a TGA image; 0 when the image cannot be
// loaded, and status says why.
GLuint LoadTgaTexture(const RenderResources& render, const char* name, bool fromResource, int resourceId,
                      ImageStatus& status);

// The uploads behind them, for images decoded elsewhere; each returns the new name.
GLuint UploadMipmappedTexture(const DecodedImage& image);
GLuint UploadLensTexture(const DecodedImage& image);
GLuint UploadTgaTexture(const TgaImage& image);
