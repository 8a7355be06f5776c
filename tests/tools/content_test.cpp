// The pictures the build generated (in the build tree's content folder): each
// decodes at its size, follows the sizing rules and the drawing rules of the
// objects that use it, and a fresh run of the generator gives the same bytes.
#include <gtest/gtest.h>

#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <algorithm>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include <jpeglib.h>

namespace {

namespace fs = std::filesystem;

const fs::path kContent = QV_CONTENT_DIR;

std::vector<uint8_t> ReadAll(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), {});
}

struct Decoded {
  bool ok = false;
  int width = 0, height = 0, components = 0;
  std::vector<uint8_t> rgb;  // rows top first
  int At(int x, int y, int c) const { return rgb[(size_t(y) * size_t(width) + size_t(x)) * 3 + size_t(c)]; }
};

struct ErrorExit {
  jpeg_error_mgr manager;
  jmp_buf jump;
};

void OnError(j_common_ptr info) { longjmp(reinterpret_cast<ErrorExit*>(info->err)->jump, 1); }

Decoded DecodeJpeg(const std::vector<uint8_t>& bytes) {
  Decoded out;
  jpeg_decompress_struct info;
  ErrorExit error;
  info.err = jpeg_std_error(&error.manager);
  error.manager.error_exit = OnError;
  if (setjmp(error.jump)) {
    jpeg_destroy_decompress(&info);
    return Decoded{};
  }
  jpeg_create_decompress(&info);
  jpeg_mem_src(&info, bytes.data(), (unsigned long)bytes.size());
  jpeg_read_header(&info, TRUE);
  jpeg_start_decompress(&info);
  out.width = int(info.output_width);
  out.height = int(info.output_height);
  out.components = info.output_components;
  out.rgb.resize(size_t(out.width) * size_t(out.height) * size_t(out.components));
  while (info.output_scanline < info.output_height) {
    JSAMPROW row = &out.rgb[size_t(info.output_scanline) * size_t(out.width) * size_t(out.components)];
    jpeg_read_scanlines(&info, &row, 1);
  }
  jpeg_finish_decompress(&info);
  jpeg_destroy_decompress(&info);
  out.ok = out.components == 3;
  return out;
}

struct Entry {
  std::string name, file;  // listed name, path in the content folder
  int width = 0, height = 0;
  size_t bytes = 0;
};

// The manifest: name, "W x H", byte count and use, tab separated.
std::vector<Entry> Manifest() {
  std::vector<Entry> entries;
  std::ifstream in(kContent / "textures_manifest.txt");
  std::string line;
  while (std::getline(in, line)) {
    if (line.empty() || line[0] == '#') continue;
    std::istringstream fields(line);
    Entry e;
    std::string size, bytes;
    std::getline(fields, e.name, '\t');
    std::getline(fields, size, '\t');
    std::getline(fields, bytes, '\t');
    std::sscanf(size.c_str(), "%dx%d", &e.width, &e.height);
    e.bytes = size_t(std::strtoull(bytes.c_str(), nullptr, 10));
    e.file = e.name;
    for (char& c : e.file)
      if (c == '\\') c = '/';
    if (e.file.rfind("resources/", 0) != 0) e.file = "archive/" + e.file;
    entries.push_back(e);
  }
  return entries;
}

bool EndsWith(const std::string& s, const std::string& tail) {
  return s.size() >= tail.size() && s.compare(s.size() - tail.size(), tail.size(), tail) == 0;
}

bool IsPowerOfTwo(int v) { return v > 0 && (v & (v - 1)) == 0; }

Decoded DecodeArchive(const std::string& member) { return DecodeJpeg(ReadAll(kContent / "archive" / member)); }

TEST(Content, ManifestListsExactlyTheBuiltOutputs) {
  std::set<std::string> expected;
  std::stringstream list(QV_TEXTURE_OUTPUTS);
  for (std::string item; std::getline(list, item, ',');) expected.insert(item);
  std::set<std::string> listed;
  for (const Entry& e : Manifest()) {
    listed.insert(e.file);
    ASSERT_TRUE(fs::exists(kContent / e.file)) << e.file;
    EXPECT_EQ(fs::file_size(kContent / e.file), e.bytes) << e.file;
  }
  EXPECT_EQ(listed, expected);
}

TEST(Content, EveryJpegDecodesAtItsSizeWithinTheSizingRules) {
  size_t total = 0;
  for (const Entry& e : Manifest()) {
    if (!EndsWith(e.name, ".jpg")) continue;
    Decoded d = DecodeJpeg(ReadAll(kContent / e.file));
    ASSERT_TRUE(d.ok) << e.name;
    EXPECT_EQ(d.width, e.width) << e.name;
    EXPECT_EQ(d.height, e.height) << e.name;
    EXPECT_TRUE(IsPowerOfTwo(d.width) && IsPowerOfTwo(d.height)) << e.name;
    EXPECT_LE(std::max(d.width, d.height), 2048) << e.name;
    EXPECT_EQ(e.name, [&] {
      std::string lower = e.name;
      for (char& c : lower) c = char(std::tolower(c));
      return lower;
    }()) << "archive names are lower case";
    total += e.bytes;
  }
  EXPECT_LT(total, 25u << 20);
}

// Sprites are drawn additively: any light on their border would show the square.
TEST(Content, AdditiveSpritesHaveBlackBorders) {
  const char* sprites[] = {"sun_yellow", "sun_blue", "sun_orange", "sun_glow_yellow", "sun_glow_blue",
                           "sun_glow_orange", "green_halo", "blue_halo", "red_halo", "flare_rays",
                           "lens_ring", "lens_disc", "lens_hex", "particle", "light", "flame", "glow",
                           "engine_glare", "galaxy_green", "galaxy_blue", "galaxy_red", "galaxy_core", "galaxy_haze",
                           "stream_green", "stream_blue", "stream_red", "stream_white", "red_rings", "blue_rings"};
  for (const char* name : sprites) {
    Decoded d = DecodeArchive(std::string("textures/") + name + ".jpg");
    ASSERT_TRUE(d.ok) << name;
    int brightest = 0, centre = 0;
    for (int y = 0; y < d.height; ++y)
      for (int x = 0; x < d.width; ++x) {
        bool border = x < 2 || y < 2 || x >= d.width - 2 || y >= d.height - 2;
        for (int c = 0; c < 3; ++c) {
          if (border) brightest = std::max(brightest, d.At(x, y, c));
          else centre = std::max(centre, d.At(x, y, c));
        }
      }
    EXPECT_LE(brightest, 4) << name;
    EXPECT_GE(centre, 100) << name << " shows nothing";
  }
}

TEST(Content, DigitFontCellsHoldTheirGlyphsInTheMiddle) {
  Decoded d = DecodeArchive("c.jpg");
  ASSERT_TRUE(d.ok);
  ASSERT_EQ(d.width, 256);
  ASSERT_EQ(d.height, 256);
  for (int cell = 0; cell < 16; ++cell) {
    const int x0 = (cell % 4) * 64, y0 = (cell / 4) * 64;
    int inkLeft = 64, inkRight = -1, edge = 0;
    for (int y = 0; y < 64; ++y)
      for (int x = 0; x < 64; ++x) {
        int v = std::max({d.At(x0 + x, y0 + y, 0), d.At(x0 + x, y0 + y, 1), d.At(x0 + x, y0 + y, 2)});
        if (x == 0 || y == 0 || x == 63 || y == 63) edge = std::max(edge, v);
        if (v > 60) inkLeft = std::min(inkLeft, x), inkRight = std::max(inkRight, x);
      }
    EXPECT_LE(edge, 10) << "cell " << cell << " bleeds into its neighbours";
    if (cell <= 12) {
      ASSERT_GE(inkRight, 0) << "cell " << cell << " is empty";
      EXPECT_GE(inkLeft, 9) << "cell " << cell;   // glyphs advance 44.8 of 64 units
      EXPECT_LE(inkRight, 54) << "cell " << cell;
    } else {
      EXPECT_LT(inkRight, 0) << "cell " << cell << " should be empty";
    }
  }
}

// The maps wrapped round planets, moons and their shells, with the least
// size each needs: planets fill the frame, moons less often, haze is soft.
const std::map<std::string, int> kPlanetMapWidths = {
    {"green_ocean", 2048},     {"green_ocean_clouds", 2048}, {"blue_gasgiant", 2048},    {"blue_icegiant", 2048},
    {"red_lava", 2048},        {"red_desert", 2048},         {"red_desert_clouds", 2048}, {"red_ringgiant", 2048},
    {"green_moon", 1024},      {"blue_moon", 1024},          {"red_moon", 1024},          {"red_lava_glow", 1024},
    {"green_atmosphere", 512}, {"blue_atmosphere", 512},     {"red_atmosphere", 512}};

std::string PlanetMapName(const Entry& e) {
  const std::string prefix = "textures\\", suffix = ".jpg";
  if (e.name.rfind(prefix, 0) != 0 || !EndsWith(e.name, suffix)) return "";
  std::string name = e.name.substr(prefix.size(), e.name.size() - prefix.size() - suffix.size());
  return kPlanetMapWidths.count(name) ? name : "";
}

TEST(Content, PlanetMapsAreEquirectangularAtTheirSizes) {
  std::set<std::string> found;
  for (const Entry& e : Manifest()) {
    std::string name = PlanetMapName(e);
    if (name.empty()) continue;
    found.insert(name);
    EXPECT_GE(e.width, kPlanetMapWidths.at(name)) << e.name;
    EXPECT_EQ(e.width, 2 * e.height) << e.name;
  }
  EXPECT_EQ(found.size(), kPlanetMapWidths.size());
}

// A sphere map's left and right columns meet at the seam; its top and bottom
// rows each collapse into a point, the pole, so they must carry no fine detail.
TEST(Content, PlanetMapsWrapAtTheSeamAndPinchAtThePoles) {
  for (const Entry& e : Manifest()) {
    if (PlanetMapName(e).empty()) continue;
    Decoded d = DecodeJpeg(ReadAll(kContent / e.file));
    ASSERT_TRUE(d.ok) << e.name;
    // Across the seam, neighbouring columns must differ no more than the
    // neighbours that differ most elsewhere or right beside the seam (where
    // fine detail such as lava cracks may cross it); unrelated columns
    // differ far more.
    auto columnDistance = [&](int a, int b) {
      double sum = 0;
      for (int y = d.height / 8; y < d.height * 7 / 8; ++y)
        for (int c = 0; c < 3; ++c) sum += std::abs(d.At(a, y, c) - d.At(b, y, c));
      return sum;
    };
    std::vector<double> neighbours;
    for (int x = 0; x + 1 < d.width; ++x) neighbours.push_back(columnDistance(x, x + 1));
    std::sort(neighbours.begin(), neighbours.end());
    double typical = neighbours[neighbours.size() * 98 / 100];
    double beside = 0;
    for (int k = 1; k <= 8; ++k)
      beside = std::max({beside, columnDistance(k - 1, k), columnDistance(d.width - 1 - k, d.width - k)});
    EXPECT_LT(columnDistance(d.width - 1, 0), 1.25 * std::max(typical, beside)) << e.name << " has a visible seam";
    EXPECT_GT(columnDistance(0, d.width / 2), 1.25 * typical) << e.name << ": the seam test cannot tell";
    // Each pole row circles a tiny cap: it may change slowly, never from pixel to pixel.
    for (int row : {0, d.height - 1}) {
      int jump = 0;
      for (int x = 0; x < d.width; ++x)
        for (int c = 0; c < 3; ++c) jump = std::max(jump, std::abs(d.At(x, row, c) - d.At((x + 1) % d.width, row, c)));
      EXPECT_LE(jump, 8) << e.name << " pole row " << row << " is not smooth";
    }
  }
}

TEST(Content, SecondUnitMapsKeepTheBaseTexture) {
  Decoded v = DecodeArchive("textures/void.jpg");
  ASSERT_TRUE(v.ok);
  for (uint8_t b : v.rgb) ASSERT_GE(b, 250);
  for (const char* name : {"detail_grain", "detail_plates", "detail_rock"}) {
    Decoded d = DecodeArchive(std::string("textures/") + name + ".jpg");
    ASSERT_TRUE(d.ok) << name;
    double sum = 0;
    for (uint8_t b : d.rgb) sum += b;
    double mean = sum / double(d.rgb.size()) / 255.0;
    EXPECT_GT(mean, 0.85) << name;
    EXPECT_LE(mean, 1.0) << name;
  }
}

// The star field textures cover the cube's faces whole: their borders must
// look like their middles (no darkening or brightening towards an edge).
TEST(Content, TilingStarFieldsAreUniformUpToTheirEdges) {
  for (const char* name : {"stars_cube", "stars_faint"}) {
    Decoded d = DecodeArchive(std::string("textures/") + name + ".jpg");
    ASSERT_TRUE(d.ok);
    double edge = 0, all = 0;
    int edgeCount = 0;
    for (int y = 0; y < d.height; ++y)
      for (int x = 0; x < d.width; ++x) {
        int v = d.At(x, y, 1);
        all += v;
        if (x < 24 || y < 24 || x >= d.width - 24 || y >= d.height - 24) edge += v, ++edgeCount;
      }
    double edgeMean = edge / edgeCount, mean = all / (double(d.width) * d.height);
    EXPECT_GT(mean, 0.5) << name << " is empty";
    EXPECT_NEAR(edgeMean, mean, mean * 0.35) << name;
  }
}

TEST(Content, LoadingCornerImagesAreWhatTheLoadingScreenReads) {
  const std::vector<uint8_t> empty = {0, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 0, 1, 0, 32, 8, 255, 255, 255, 0};
  for (const char* name : {"4loader_ld.tga", "4loader_ru.tga", "4loader_lu.tga"})
    EXPECT_EQ(ReadAll(kContent / "resources" / name), empty) << name;
  std::vector<uint8_t> logo = ReadAll(kContent / "resources/4loader_rd.tga");
  ASSERT_EQ(logo.size(), 18u + 256u * 128u * 4u);
  const uint8_t header[18] = {0, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 128, 0, 32, 0x08};
  EXPECT_EQ(std::memcmp(logo.data(), header, 18), 0);
  int transparent = 0, opaque = 0;
  for (size_t i = 18 + 3; i < logo.size(); i += 4) transparent += logo[i] == 0, opaque += logo[i] == 255;
  EXPECT_GT(transparent, 256 * 128 / 2);  // mostly clear: it is a corner logo
  EXPECT_GT(opaque, 500);                 // with solid letters
  // The letters sit in the bottom-right corner: file rows start at the bottom.
  int bottomRight = 0, topLeft = 0;
  for (int y = 0; y < 64; ++y)
    for (int x = 0; x < 128; ++x) {
      bottomRight += logo[18 + (size_t(y) * 256 + 128 + size_t(x)) * 4 + 3];
      topLeft += logo[18 + (size_t(64 + y) * 256 + size_t(x)) * 4 + 3];
    }
  EXPECT_GT(bottomRight, 10 * topLeft + 1000);
  for (const char* name : {"load.jpg", "loadg.jpg"}) {
    Decoded d = DecodeJpeg(ReadAll(kContent / "resources" / name));
    ASSERT_TRUE(d.ok) << name;
    EXPECT_EQ(d.width, 256);
    EXPECT_EQ(d.height, 256);
  }
}

TEST(Content, WindowsPicturesAreWellFormed) {
  std::vector<uint8_t> bmp = ReadAll(kContent / "resources/dialog.bmp");
  ASSERT_EQ(bmp.size(), 54u + 792u * 166u);  // 263 pixels of 3 bytes padded to 792
  EXPECT_EQ(bmp[0], 'B');
  EXPECT_EQ(bmp[18] | bmp[19] << 8, 263);
  EXPECT_EQ(bmp[22] | bmp[23] << 8, 166);
  EXPECT_EQ(bmp[28], 24);
  std::vector<uint8_t> ico = ReadAll(kContent / "resources/quorvan3d.ico");
  ASSERT_GT(ico.size(), 6u + 4u * 16u);
  ASSERT_EQ(ico[4], 4);
  std::vector<int> sizes;
  for (int i = 0; i < 4; ++i) sizes.push_back(ico[6 + 16 * size_t(i)] == 0 ? 256 : ico[6 + 16 * size_t(i)]);
  EXPECT_EQ(sizes, (std::vector<int>{16, 32, 48, 256}));
}

TEST(Content, GeneratorGivesTheSameBytesEveryRun) {
  const fs::path out = fs::path(std::getenv("QV_TEST_TMP") ? std::getenv("QV_TEST_TMP") : "/tmp") / "gen_textures_again";
  fs::remove_all(out);
  std::string command = std::string(QV_GEN_TEXTURES) + " --out " + out.string() + " --fonts " + QV_FONT_DIR + " --threads 2";
  ASSERT_EQ(std::system(command.c_str()), 0);
  for (const Entry& e : Manifest()) EXPECT_EQ(ReadAll(out / e.file), ReadAll(kContent / e.file)) << e.file;
  EXPECT_EQ(ReadAll(out / "textures_manifest.txt"), ReadAll(kContent / "textures_manifest.txt"));
  fs::remove_all(out);
}

}  // namespace
