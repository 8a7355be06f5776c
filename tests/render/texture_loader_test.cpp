#include "render/texture_loader.h"

#include <gtest/gtest.h>

#include <string>

#include "render/headless_gl.h"
#include "tools/common/jpeg_writer.h"

namespace {

using Bytes = std::vector<uint8_t>;

// Rows top first: the top half red, the bottom half blue.
Bytes RedOverBlue(int width, int height) {
  Bytes rgb(size_t(width) * height * 3);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      uint8_t* p = &rgb[(size_t(y) * width + x) * 3];
      p[0] = y < height / 2 ? 255 : 0;
      p[2] = y < height / 2 ? 0 : 255;
    }
  }
  return rgb;
}

// An uncompressed true-colour TGA of one row.
Bytes Tga(uint8_t type, uint8_t depth, uint16_t width, const Bytes& pixels) {
  Bytes out(18 + pixels.size());
  const uint8_t header[18] = {0, 0, type, 0, 0, 0, 0, 0, 0, 0, 0, 0, uint8_t(width), uint8_t(width >> 8), 1, 0, depth, 0x08};
  std::copy(header, header + 18, out.begin());
  std::copy(pixels.begin(), pixels.end(), out.begin() + 18);
  return out;
}

class TextureLoader : public HeadlessGl {
 protected:
  // The bound texture on a quad over the whole window, t = 0 at the bottom.
  void DrawBoundTexture() {
    FlatState();
    glEnable(GL_TEXTURE_2D);
    glBegin(GL_QUADS);
    glTexCoord2f(0, 0), glVertex2f(-1, -1);
    glTexCoord2f(1, 0), glVertex2f(1, -1);
    glTexCoord2f(1, 1), glVertex2f(1, 1);
    glTexCoord2f(0, 1), glVertex2f(-1, 1);
    glEnd();
  }
  GLint Parameter(GLenum name) {
    GLint value = 0;
    glGetTexParameteriv(GL_TEXTURE_2D, name, &value);
    return value;
  }
  GLint LevelWidth(int level) {
    GLint width = 0;
    glGetTexLevelParameteriv(GL_TEXTURE_2D, level, GL_TEXTURE_WIDTH, &width);
    return width;
  }
  Bytes LevelZeroRgba(size_t pixels) {
    Bytes rgba(pixels * 4);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glGetTexImage(GL_TEXTURE_2D, 0, GL_RGBA, GL_UNSIGNED_BYTE, rgba.data());
    return rgba;
  }
  bool AnyTextureExists() {
    for (GLuint name = 1; name < 32; ++name)
      if (glIsTexture(name)) return true;
    return false;
  }
};

TEST_F(TextureLoader, ThePicturesTopRowEndsUpAtTheTopOfTheTexture) {
  resources.Set(133, EncodeJpeg(Size, Size, RedOverBlue(Size, Size), 95));
  GLuint texture = 0;
  ASSERT_TRUE(LoadTexture(render, texture, "load.jpg", true, 133));
  EXPECT_NE(texture, 0u);
  EXPECT_EQ(log.str(), "Load texture <load.jpg> ...\n");
  DrawBoundTexture();
  Bytes top = Pixel(Size / 2, Size - 4), bottom = Pixel(Size / 2, 4);
  EXPECT_GT(top[0], 240);
  EXPECT_LT(top[2], 15);
  EXPECT_LT(bottom[0], 15);
  EXPECT_GT(bottom[2], 240);
}

TEST_F(TextureLoader, PicturesOfAnySizeAreMipmappedTrilinearLensRingsAreNot) {
  resources.Set(134, EncodeJpeg(720, 360, RedOverBlue(720, 360), 80));
  GLuint texture = 0;
  ASSERT_TRUE(LoadTexture(render, texture, "loadg.jpg", true, 134));
  GLint bound = 0, alignment = 0;
  glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
  glGetIntegerv(GL_UNPACK_ALIGNMENT, &alignment);
  EXPECT_EQ(GLuint(bound), texture);
  EXPECT_EQ(alignment, 1);
  EXPECT_EQ(Parameter(GL_TEXTURE_MIN_FILTER), GL_LINEAR_MIPMAP_LINEAR);
  EXPECT_EQ(Parameter(GL_TEXTURE_MAG_FILTER), GL_LINEAR);
  EXPECT_EQ(Parameter(GL_TEXTURE_WRAP_S), GL_REPEAT);
  GLint width = LevelWidth(0);
  EXPECT_EQ(width & (width - 1), 0) << width;  // scaled to a power of two
  EXPECT_EQ(LevelWidth(1), width / 2);

  DecodedImage lens;  // lens rings: one level, linear filters
  Bytes jpeg = EncodeJpeg(32, 32, RedOverBlue(32, 32), 95);
  ASSERT_EQ(DecodeJpeg(jpeg.data(), jpeg.size(), lens), ImageStatus::Ok);
  EXPECT_NE(UploadLensTexture(lens), 0u);
  EXPECT_EQ(Parameter(GL_TEXTURE_MIN_FILTER), GL_LINEAR);
  EXPECT_EQ(LevelWidth(0), 32);
  EXPECT_EQ(LevelWidth(1), 0);
}

TEST_F(TextureLoader, AMissingPictureMakesNoTextureAndKeepsTheField) {
  GLuint texture = 77, texture2 = 78, lens = 79;
  EXPECT_FALSE(LoadTexture(render, texture, "textures\\none.jpg"));
  EXPECT_FALSE(LoadDetailTexture(render, texture2, "textures\\none2.jpg"));
  EXPECT_FALSE(LoadLensTexture(render, lens, "textures\\ring.jpg"));
  EXPECT_FALSE(LoadTexture(render, texture, "load.jpg", true, 133));
  EXPECT_EQ(texture, 77u);
  EXPECT_EQ(texture2, 78u);
  EXPECT_EQ(lens, 79u);
  EXPECT_FALSE(AnyTextureExists());
  EXPECT_EQ(log.str(),
            "Load texture <textures\\none.jpg> ...failed!\n"
            "Load detail texture <textures\\none2.jpg> ...failed!\n"
            "Load texture <load.jpg> ...failed!\n");
}

TEST_F(TextureLoader, TgaPicturesOfEveryDepthUploadAsRgba) {
  resources.Set(130, Tga(2, 32, 1, {0xFF, 0xFF, 0xFF, 0x00}));
  resources.Set(131, Tga(2, 24, 2, {0x10, 0x20, 0x30, 0x40, 0x50, 0x60}));
  resources.Set(132, Tga(3, 8, 2, {0x11, 0x99}));
  const std::pair<int, Bytes> cases[] = {
      {130, {255, 255, 255, 0}},
      {131, {0x30, 0x20, 0x10, 255, 0x60, 0x50, 0x40, 255}},
      {132, {0x11, 0x11, 0x11, 255, 0x99, 0x99, 0x99, 255}},
  };
  for (const auto& [id, expected] : cases) {
    ImageStatus status;
    GLuint texture = LoadTgaTexture(render, "corner.tga", true, id, status);
    ASSERT_NE(texture, 0u) << id;
    EXPECT_EQ(Parameter(GL_TEXTURE_MIN_FILTER), GL_LINEAR_MIPMAP_LINEAR);
    EXPECT_EQ(LevelZeroRgba(expected.size() / 4), expected) << id;
  }
}

TEST_F(TextureLoader, UnloadableTgaPicturesGiveZeroAndSayWhy) {
  resources.Set(129, Tga(2, 15, 1, {0, 0}));
  ImageStatus status;
  EXPECT_EQ(LoadTgaTexture(render, "4loader_rd.tga", true, 129, status), 0u);
  EXPECT_EQ(status, ImageStatus::UnsupportedDepth);
  EXPECT_EQ(LoadTgaTexture(render, "4loader_rd.tga", true, 128, status), 0u);
  EXPECT_EQ(status, ImageStatus::Missing);
  EXPECT_EQ(LoadTgaTexture(render, "4loader_rd.tga", false, 0, status), 0u);
  EXPECT_EQ(status, ImageStatus::Missing);
  EXPECT_FALSE(AnyTextureExists());
}

}  // namespace
