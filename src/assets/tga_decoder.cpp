#include "assets/tga_decoder.h"

#include <algorithm>
#include <cstring>

#include "base/byte_reader.h"


namespace {

bool ReadHeader(ByteReader& in, TgaHeader& h) {
  return in.ReadU8(h.idLength) && in.ReadU8(h.colorMapType) && in.ReadU8(h.imageType) &&
         in.ReadU16(h.colorMapFirst) && in.ReadU16(h.colorMapLength) &&
         in.ReadU8(h.colorMapEntrySize) && in.ReadU16(h.xOrigin) && in.ReadU16(h.yOrigin) &&
         in.ReadU16(h.width) && in.ReadU16(h.height) && in.ReadU8(h.pixelDepth) &&
         in.ReadU8(h.descriptor);
}

enum class Kind { Mapped, TrueColour, Grey, Unsupported };

Kind KindOf(uint8_t imageType) {
  switch (imageType) {
    case 1: case 9: return Kind::Mapped;
    case 2: case 10: return Kind::TrueColour;
    case 3: case 11: return Kind::Grey;
    default: return Kind::Unsupported;
  }
}

// How one file pixel becomes one decoded pixel.
struct PixelFormat {
  int fileBytes = 0;    // 0: this depth does not go with this type
  int outputBytes = 0;
};

PixelFormat FormatOf(Kind kind, int depth) {
  if (depth == 8 && kind == Kind::Mapped) return {1, 3};
  if (depth == 8 && kind == Kind::Grey) return {1, 1};
  if (kind != Kind::TrueColour || depth == 8) return {};
  return {depth / 8, depth == 32 ? 4 : 3};
}

struct Converter {
  PixelFormat format;
  Kind kind;
  const std::vector<uint8_t>& colorMap;  // blue, green, red per entry

  void Convert(const uint8_t* in, uint8_t* out) const {
    if (kind == Kind::Mapped) {
      size_t index = in[0];
      if (index * 3 < colorMap.size()) std::memcpy(out, &colorMap[index * 3], 3);
      else std::memset(out, 0, 3);  // beyond the map
    } else if (format.fileBytes == 2) {
      unsigned v = unsigned(in[0]) | unsigned(in[1]) << 8;  // the top (attribute) bit is dropped
      out[0] = uint8_t((v & 0x1F) << 3);
      out[1] = uint8_t(((v >> 5) & 0x1F) << 3);
      out[2] = uint8_t(((v >> 10) & 0x1F) << 3);
    } else if (format.fileBytes == 4) {
      out[0] = in[2], out[1] = in[1], out[2] = in[0], out[3] = in[3];
    } else {
      std::memcpy(out, in, size_t(format.fileBytes));
    }
  }
};

bool DecodeRaw(ByteReader& in, const Converter& c, size_t pixels, uint8_t* out) {
  const uint8_t* data = in.Take(pixels * size_t(c.format.fileBytes));
  if (!data) return false;
  for (size_t i = 0; i < pixels; ++i) {
    c.Convert(data + i * size_t(c.format.fileBytes), out + i * size_t(c.format.outputBytes));
  }
  return true;
}

// Packets: a header byte h, count (h & 0x7F) + 1; h & 0x80 repeats one
// pixel value count times, otherwise count values follow.
bool DecodeRunLength(ByteReader& in, const Converter& c, size_t pixels, uint8_t* out) {
  const size_t fileBytes = size_t(c.format.fileBytes), outBytes = size_t(c.format.outputBytes);
  size_t done = 0;
  while (done < pixels) {
    uint8_t h;
    if (!in.ReadU8(h)) return false;
    size_t count = std::min<size_t>((h & 0x7F) + 1, pixels - done);  // cut at the picture's end
    bool repeat = h & 0x80;
    const uint8_t* values = in.Take(repeat ? fileBytes : count * fileBytes);
    if (!values) return false;
    for (size_t i = 0; i < count; ++i, ++done) {
      c.Convert(values + (repeat ? 0 : i * fileBytes), out + done * outBytes);
    }
  }
  return true;
}

// The fewest bytes that can hold the pixel data: raw data needs every value,
// run-length data at least one header and one value per 128 pixels.
uint64_t MinimumDataSize(bool runLength, uint64_t pixels, int fileBytes) {
  if (!runLength) return pixels * uint64_t(fileBytes);
  return (pixels + 127) / 128 * uint64_t(1 + fileBytes);
}

bool ReadColorMap(ByteReader& in, const TgaHeader& h, Kind kind, std::vector<uint8_t>& map) {
  if (kind == Kind::Mapped) {
    if (h.colorMapType != 1 || h.colorMapEntrySize != 24) return false;
    const uint8_t* entries = in.Take(size_t(h.colorMapLength) * 3);
    if (!entries) return false;
    map.assign(entries, entries + size_t(h.colorMapLength) * 3);
    return true;
  }
  // A map beside true-colour or grey pixels is not used, but must be stepped over.
  if (h.colorMapType == 1) return in.Skip(size_t(h.colorMapLength) * ((h.colorMapEntrySize + 7u) / 8u));
  return true;
}

}  // namespace

ImageStatus DecodeTga(const uint8_t* data, size_t size, TgaImage& image) {
  ByteReader in(data, size);
  TgaHeader h;
  if (!ReadHeader(in, h) || !in.Skip(h.idLength)) return ImageStatus::Damaged;
  Kind kind = KindOf(h.imageType);
  std::vector<uint8_t> colorMap;
  if (kind == Kind::Unsupported || !ReadColorMap(in, h, kind, colorMap)) return ImageStatus::Unsupported;
  if (h.pixelDepth != 8 && h.pixelDepth != 16 && h.pixelDepth != 24 && h.pixelDepth != 32)
    return ImageStatus::UnsupportedDepth;
  PixelFormat format = FormatOf(kind, h.pixelDepth);
  uint64_t pixels = uint64_t(h.width) * h.height;
  bool runLength = h.imageType >= 9;
  if (format.fileBytes == 0 || pixels == 0 || pixels > MaxTgaPixels) return ImageStatus::Unsupported;
  if (MinimumDataSize(runLength, pixels, format.fileBytes) > in.remaining()) return ImageStatus::Damaged;
  std::vector<uint8_t> out(size_t(pixels) * size_t(format.outputBytes));
  Converter converter{format, kind, colorMap};
  bool ok = runLength ? DecodeRunLength(in, converter, size_t(pixels), out.data())
                      : DecodeRaw(in, converter, size_t(pixels), out.data());
  if (!ok) return ImageStatus::Damaged;
  h.pixelDepth = uint8_t(format.outputBytes * 8);
  image.header = h;
  image.pixels = std::move(out);
  return ImageStatus::Ok;
}

ImageStatus LoadTga(const Resources& resources, const char* path, TgaImage& image, bool fromResource,
                    int resourceId) {
  ResourceStream stream;
  if (!resources.Open(path, fromResource, resourceId, stream)) return ImageStatus::Missing;
  return DecodeTga(stream.data(), stream.size(), image);
}

std::vector<uint8_t> TgaToRgba(const TgaImage& image) {
  const size_t bytes = image.header.pixelDepth / 8u;
  const size_t pixels = bytes ? image.pixels.size() / bytes : 0;
  std::vector<uint8_t> rgba(pixels * 4);
  for (size_t i = 0; i < pixels; ++i) {
    const uint8_t* p = &image.pixels[i * bytes];
    uint8_t* q = &rgba[i * 4];
    if (bytes == 4) q[0] = p[0], q[1] = p[1], q[2] = p[2], q[3] = p[3];
    else if (bytes == 3) q[0] = p[2], q[1] = p[1], q[2] = p[0], q[3] = 255;
    else q[0] = q[1] = q[2] = p[0], q[3] = 255;
  }
  return rgba;
}
