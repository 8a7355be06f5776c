// qvtool image FILE [-o OUT.png]: decodes a JPEG or TGA picture with the
// screensaver's own decoders and tells its size; -o writes it as PNG.
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "assets/jpeg_decoder.h"
#include "assets/tga_decoder.h"
#include "tools/common/png_writer.h"
#include "tools/qvtool/commands.h"
#include "tools/qvtool/settings_support.h"

namespace {

struct Picture {
  const char* format = "";
  std::string damage;            // what the decoder said of damaged data
  int width = 0, height = 0;
  int bytesPerPixel = 0;         // as decoded
  int channels = 0;              // of rows
  std::vector<uint8_t> rows;     // bottom row first, as the decoders give them
};

bool DecodePicture(const std::vector<uint8_t>& bytes, Picture& picture) {
  if (bytes.size() >= 2 && bytes[0] == 0xFF && bytes[1] == 0xD8) {
    DecodedImage image;
    if (DecodeJpeg(bytes.data(), bytes.size(), image) != ImageStatus::Ok) return false;
    picture = {"JPEG", image.warning, image.width, image.height, 3, 3, std::move(image.pixels)};
    return true;
  }
  TgaImage image;
  ImageStatus status = DecodeTga(bytes.data(), bytes.size(), image);
  if (status == ImageStatus::UnsupportedDepth) StderrMessages().ShowMessage(ImageStatusText(status), "TGA");
  if (status != ImageStatus::Ok) return false;
  picture = {"TGA", "", image.header.width, image.header.height, image.header.pixelDepth / 8, 4, TgaToRgba(image)};
  return true;
}

std::vector<uint8_t> TopRowFirst(const Picture& p) {
  size_t stride = size_t(p.width) * size_t(p.channels);
  std::vector<uint8_t> out(p.rows.size());
  for (size_t y = 0; y < size_t(p.height); ++y)
    std::memcpy(&out[y * stride], &p.rows[(size_t(p.height) - 1 - y) * stride], stride);
  return out;
}

int Usage() {
  std::fprintf(stderr, "usage: qvtool image FILE [-o OUT.png]\n");
  return 2;
}

}  // namespace

int RunImage(int argc, char** argv) {
  const char* input = nullptr;
  const char* output = nullptr;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "-o") == 0 && i + 1 < argc) output = argv[++i];
    else if (!input && argv[i][0] != '-') input = argv[i];
    else return Usage();
  }
  if (!input) return Usage();
  auto bytes = ReadWholeFile("image", input);
  if (!bytes) return 1;
  Picture picture;
  if (!DecodePicture(*bytes, picture)) {
    std::fprintf(stderr, "qvtool image: %s: not a picture the screensaver can decode\n", input);
    return 1;
  }
  std::printf("%s: %s, width %d, height %d, %d bytes per pixel\n", input, picture.format, picture.width,
              picture.height, picture.bytesPerPixel);
  // A damaged picture still decodes (as the screensaver would show it), and
  // -o still writes that; the exit status says it is damaged.
  if (!picture.damage.empty()) std::fprintf(stderr, "qvtool image: %s: damaged: %s\n", input, picture.damage.c_str());
  if (output && !WritePng(output, picture.width, picture.height, picture.channels, TopRowFirst(picture))) {
    std::fprintf(stderr, "qvtool image: cannot write %s\n", output);
    return 1;
  }
  return picture.damage.empty() ? 0 : 1;
}
