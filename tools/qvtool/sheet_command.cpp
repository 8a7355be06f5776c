// qvtool sheet: every picture of an archive (and with --meshes every mesh,
// in four views) on one labelled contact sheet, decoded and drawn by the
// screensaver's own code.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "assets/jpeg_decoder.h"
#include "assets/mesh_file.h"
#include "assets/tga_decoder.h"
#include "tools/common/contact_sheet.h"
#include "tools/qvtool/archive_source.h"
#include "tools/qvtool/commands.h"
#include "tools/qvtool/mesh_views.h"

namespace {

constexpr int Cell = 200;

bool EndsWith(const std::string& name, const char* suffix) {
  size_t n = std::strlen(suffix);
  if (name.size() < n) return false;
  for (size_t i = 0; i < n; ++i)
    if (std::tolower(static_cast<unsigned char>(name[name.size() - n + i])) != suffix[i]) return false;
  return true;
}

// RGB rows top first from the decoders' bottom-up rows.
std::vector<uint8_t> FlipRows(const uint8_t* rows, int width, int height, int channels) {
  std::vector<uint8_t> rgb(size_t(width) * size_t(height) * 3);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      for (int c = 0; c < 3; ++c)
        rgb[(size_t(y) * size_t(width) + size_t(x)) * 3 + size_t(c)] =
            rows[(size_t(height - 1 - y) * size_t(width) + size_t(x)) * size_t(channels) + size_t(c)];
  return rgb;
}

std::string Label(const std::string& name, int width, int height) {
  size_t slash = name.find_last_of('\\');
  return (slash == std::string::npos ? name : name.substr(slash + 1)) + "  " + std::to_string(width) + "x" +
         std::to_string(height);
}

void AddPicture(ContactSheet& sheet, const std::string& name, const uint8_t* data, size_t size) {
  if (EndsWith(name, ".jpg")) {
    DecodedImage image;
    if (DecodeJpeg(data, size, image) == ImageStatus::Ok)
      sheet.Add(image.width, image.height, FlipRows(image.pixels.data(), image.width, image.height, 3),
                Label(name, image.width, image.height));
  } else if (EndsWith(name, ".tga")) {
    TgaImage image;
    if (DecodeTga(data, size, image) == ImageStatus::Ok) {
      int w = image.header.width, h = image.header.height;
      sheet.Add(w, h, FlipRows(TgaToRgba(image).data(), w, h, 4), Label(name, w, h));
    }
  }
}

void AddMesh(ContactSheet& sheet, const std::string& name, const uint8_t* data, size_t size) {
  std::vector<MeshFile> meshes(1);
  if (!ParseMeshFile(data, size, meshes[0]).ok) return;
  std::vector<uint8_t> views = RenderMeshViews(meshes, 2 * Cell, 2 * Cell, false);
  if (!views.empty())
    sheet.Add(2 * Cell, 2 * Cell, views, Label(name, int(meshes[0].vertexCount), int(meshes[0].faceCount)));
}

}  // namespace

int RunSheet(int argc, char** argv) {
  const char* archivePath = nullptr;
  const char* output = nullptr;
  bool meshes = false;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "-o") == 0 && i + 1 < argc) output = argv[++i];
    else if (std::strcmp(argv[i], "--meshes") == 0) meshes = true;
    else if (!archivePath && argv[i][0] != '-') archivePath = argv[i];
    else output = nullptr, i = argc;
  }
  if (!output) {
    std::fprintf(stderr, "usage: qvtool sheet [FILE] [--meshes] -o OUT.png\n");
    return 2;
  }
  ArchiveSource source;
  std::string error;
  if (!LoadArchive(archivePath, &source, &error)) {
    std::fprintf(stderr, "qvtool sheet: %s\n", error.c_str());
    return 1;
  }
  std::vector<std::string> names;
  DiscardedDiagnostics diagnostics;
  ListArchiveMembers(source.view, diagnostics, [&names](const ArchiveEntry& entry, bool dataOk) {
    if (dataOk) names.push_back(entry.name);
  });
  ContactSheet sheet(Cell, Cell, 6, QV_LABEL_FONT);
  for (const std::string& name : names) {
    bool mesh = EndsWith(name, ".dat");
    if (mesh != meshes) continue;
    uint8_t* data = nullptr;
    uint32_t size = 0;
    if (ExtractArchiveMember(name.c_str(), source.view, "", &data, &size, diagnostics) != ArchiveStatus::Ok) continue;
    if (mesh) AddMesh(sheet, name, data, size);
    else AddPicture(sheet, name, data, size);
    std::free(data);
  }
  if (!sheet.Write(output)) {
    std::fprintf(stderr, "qvtool sheet: nothing to show, or %s cannot be written\n", output);
    return 1;
  }
  std::printf("%s: %zu %s\n", output, sheet.count(), meshes ? "meshes" : "pictures");
  return 0;
}
