// The generated mesh files: the stored layout, sound geometry in every mesh,
// the reference sky cube byte for byte, the planet sphere's mapping, and the
// same bytes on every run.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <map>
#include <set>
#include <string>

#include "tests/tools/mesh_test_support.h"
#include "tools/gen/meshes/catalogue.h"
#include "tools/gen/meshes/env_cube.h"
#include "tools/gen/meshes/mesh_writer.h"
#include "tools/gen/meshes/sphere.h"

namespace {

const std::vector<Model>& Models() {
  static const std::vector<Model> models = BuildAllModels();
  return models;
}

std::vector<uint8_t> ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

uint32_t U32At(const std::vector<uint8_t>& bytes, size_t offset) {
  return uint32_t(bytes[offset]) | uint32_t(bytes[offset + 1]) << 8 | uint32_t(bytes[offset + 2]) << 16 |
         uint32_t(bytes[offset + 3]) << 24;
}

void ExpectSameMesh(const MeshFile& a, const MeshFile& b) {
  EXPECT_EQ(a.vertexCount, b.vertexCount);
  EXPECT_EQ(a.faceCount, b.faceCount);
  EXPECT_EQ(a.texCoordCount, b.texCoordCount);
  EXPECT_TRUE(a.x == b.x && a.y == b.y && a.z == b.z);
  EXPECT_TRUE(a.s == b.s && a.t == b.t);
  EXPECT_EQ(a.normals, b.normals);
  for (int k = 0; k < 3; ++k) {
    EXPECT_EQ(a.corner[k], b.corner[k]);
    EXPECT_EQ(a.texCorner[k], b.texCorner[k]);
  }
}

// The built files: exactly as long as their counts say, and read back by the
// screensaver's own parser into the mesh the generator made.
TEST(MeshFiles, EveryBuiltFileHasTheStoredSizeAndReadsBackAsGenerated) {
  for (const Model& m : Models()) {
    SCOPED_TRACE(m.name);
    std::vector<uint8_t> bytes = ReadFile(std::string(QV_CONTENT_DIR) + "/archive/meshes/" + m.name + ".dat");
    ASSERT_GE(bytes.size(), 12u);
    uint64_t v = U32At(bytes, 0), f = U32At(bytes, 4), t = U32At(bytes, 8);
    EXPECT_EQ(bytes.size(), 12 + 12 * v + 12 * f + 12 * f + 8 * t + 36 * f);
    MeshFile parsed;
    MeshCheck check = ParseMeshFile(bytes.data(), bytes.size(), parsed);
    ASSERT_TRUE(check.ok) << check.problem;
    EXPECT_TRUE(check.sizeMatches);
    ExpectSameMesh(parsed, m.mesh);
  }
}

TEST(MeshFiles, NamesAreUniqueLowerCaseAndTheCatalogueIsComplete) {
  std::set<std::string> names;
  for (const Model& m : Models()) {
    EXPECT_TRUE(names.insert(m.name).second) << m.name;
    for (char c : m.name) EXPECT_TRUE((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_') << m.name;
  }
  for (const char* name : {"env", "sphere", "interceptor", "shuttle", "frigate", "freighter", "bluestation",
                           "platform", "outpost", "asteroid1", "asteroid2", "asteroid3", "asteroid4", "asteroid5",
                           "asteroid6", "asteroid7", "asteroid8", "asteroid9", "asteroid10"})
    EXPECT_EQ(names.count(name), 1u) << name;
}

TEST(MeshFiles, EveryMeshIsIndexedInRangeWithUnitNormalsThatAgreeWithItsWinding) {
  for (const Model& m : Models()) {
    SCOPED_TRACE(m.name);
    const MeshFile& mesh = m.mesh;
    ASSERT_EQ(EncodeMesh(mesh).size(), MeshFileSize(mesh.vertexCount, mesh.faceCount, mesh.texCoordCount));
    for (float c : mesh.x) ASSERT_TRUE(std::isfinite(c));
    for (float c : mesh.y) ASSERT_TRUE(std::isfinite(c));
    for (float c : mesh.z) ASSERT_TRUE(std::isfinite(c));
    for (float c : mesh.s) ASSERT_TRUE(std::isfinite(c));
    for (float c : mesh.t) ASSERT_TRUE(std::isfinite(c));
    double extent = Radius(mesh);
    int bad = 0;
    for (uint32_t f = 0; f < mesh.faceCount; ++f) {
      for (int k = 0; k < 3; ++k) {
        ASSERT_LT(mesh.corner[k][f], mesh.vertexCount);
        ASSERT_LT(mesh.texCorner[k][f], mesh.texCoordCount);
      }
      DVec3 cross = FaceCross(mesh, f);
      // No zero-area triangles, even after rounding to floats.
      if (Length(cross) <= 1e-10 * extent * extent) ++bad;
      for (int k = 0; k < 3; ++k) {
        DVec3 n = CornerNormal(mesh, f, k);
        if (!(std::fabs(Length(n) - 1) < 1e-5)) ++bad;
        if (!(Dot(n, cross) > 0)) ++bad;
      }
    }
    EXPECT_EQ(bad, 0);
  }
}

TEST(MeshFiles, ShipsAndStationsFaceOutwardAndCarryTheirAttachmentsOnTheHull) {
  for (const Model& m : Models()) {
    if (m.name == "env") continue;  // seen from inside, checked on its own below
    SCOPED_TRACE(m.name);
    EXPECT_GT(SignedVolume(m.mesh), 0.0);
    // Lights sit on the hull within their glow; nozzle exits are ringed by their lip.
    for (const Engine& e : m.engines) {
      EXPECT_LT(DistanceToSurface(m.mesh, BodyToFile(e.at)), e.radius * 1.3) << e.name;
      EXPECT_LT(e.at.x, 0.0) << e.name;  // flames trail aft: nozzles sit at the back
    }
    // A station's decks are a mesh of their own, drawn at the same place.
    const Model* decks = nullptr;
    for (const Model& other : Models())
      if (other.name == m.name + "_decks") decks = &other;
    for (const Light& l : m.lights) {
      double distance = DistanceToSurface(m.mesh, BodyToFile(l.at));
      if (decks) distance = std::min(distance, DistanceToSurface(decks->mesh, BodyToFile(l.at)));
      EXPECT_LT(distance, l.size) << l.name;
    }
  }
}

// Window light maps suit walls: every face that looks up or down a station's
// axis (stored z) is in its decks mesh, and only those.
TEST(MeshFiles, StationDecksHoldTheFacesThatLookUpOrDown) {
  int split = 0;
  for (const Model& m : Models()) {
    bool decks = m.name.ends_with("_decks");
    bool hasDecks = std::any_of(Models().begin(), Models().end(), [&](const Model& o) { return o.name == m.name + "_decks"; });
    if (!decks && !hasDecks) continue;
    SCOPED_TRACE(m.name);
    ++split;
    EXPECT_GT(m.mesh.faceCount, 100u);
    for (uint32_t f = 0; f < m.mesh.faceCount; ++f) {
      DVec3 cross = FaceCross(m.mesh, f);
      bool facesAlongAxis = std::fabs(cross.z) > 0.82 * Length(cross);
      if (facesAlongAxis != decks) {
        ADD_FAILURE() << "face " << f;
        break;
      }
    }
  }
  EXPECT_EQ(split, 4);  // the blue station and the platform, each as hull and decks
}

TEST(MeshFiles, ShipsAndAsteroidsTurnAboutTheirCentreOfMass) {
  for (const Model& m : Models()) {
    bool ship = !m.engines.empty(), rock = m.name.rfind("asteroid", 0) == 0;
    if (!ship && !rock) continue;
    SCOPED_TRACE(m.name);
    EXPECT_LT(Length(CentreOfMass(m.mesh)), 0.005 * Radius(m.mesh));
  }
}

// Rocks are cube-projected: wherever corners meet, their texture coordinates
// agree once whole repeats, mirrors and the swap of s and t are folded away,
// which the rock maps are drawn to ignore.
TEST(MeshFiles, RocksMeetWithoutTextureSeams) {
  auto fold = [](double c) { return std::fabs(c - std::round(c)); };
  int rocks = 0;
  for (const Model& m : Models()) {
    if (m.name.rfind("asteroid", 0) != 0) continue;
    SCOPED_TRACE(m.name);
    ++rocks;
    std::map<uint32_t, std::pair<double, double>> seen;
    int seams = 0;
    for (uint32_t f = 0; f < m.mesh.faceCount; ++f) {
      for (int k = 0; k < 3; ++k) {
        UV uv = CornerTexCoord(m.mesh, f, k);
        double a = fold(uv.s), b = fold(uv.t);
        std::pair<double, double> key{std::min(a, b), std::max(a, b)};
        auto [it, fresh] = seen.emplace(m.mesh.corner[k][f], key);
        if (!fresh && (std::fabs(it->second.first - key.first) > 1e-4 || std::fabs(it->second.second - key.second) > 1e-4))
          ++seams;
      }
    }
    EXPECT_EQ(seams, 0);
  }
  EXPECT_GE(rocks, 8);
}

// The notes give offsets in the object files' own patterns, ready to paste.
TEST(MeshFiles, TheNotesListEveryAttachmentInObjectFileForm) {
  std::string notes = DescribeModels(Models());
  for (const Model& m : Models()) {
    SCOPED_TRACE(m.name);
    size_t at = notes.find("\n" + m.name + "    meshes\\" + m.name + ".dat\n");
    ASSERT_NE(at, std::string::npos);
    std::set<std::string> names;
    for (const Engine& e : m.engines) EXPECT_TRUE(names.insert(e.name).second) << e.name;
    for (const Light& l : m.lights) EXPECT_TRUE(names.insert(l.name).second) << l.name;
    for (const Engine& e : m.engines) {
      size_t line = notes.find("  engine    " + e.name + " ", at);
      ASSERT_NE(line, std::string::npos) << e.name;
      float x, y, z;
      ASSERT_EQ(std::sscanf(notes.c_str() + notes.find("orient ", line), "orient V(%f %f %f)", &x, &y, &z), 3);
      EXPECT_NEAR(Length(Sub({x, y, z}, FlameOffset(e.at))), 0.0, 0.002) << e.name;
    }
    for (const Light& l : m.lights) {
      size_t line = notes.find("  light     " + l.name + " ", at);
      ASSERT_NE(line, std::string::npos) << l.name;
      char parent[64];
      float x, y, z;
      ASSERT_EQ(std::sscanf(notes.c_str() + notes.find("parent ", line), "parent %63s V(%f %f %f)", parent, &x, &y, &z),
                4);
      EXPECT_EQ(parent, m.name);
      EXPECT_NEAR(Length(Sub({x, y, z}, LightOffset(l.at))), 0.0, 0.002) << l.name;
    }
  }
}

TEST(MeshFiles, TwoRunsGiveTheSameBytes) {
  std::vector<Model> again = BuildAllModels();
  ASSERT_EQ(again.size(), Models().size());
  for (size_t i = 0; i < again.size(); ++i) EXPECT_EQ(EncodeMesh(again[i].mesh), EncodeMesh(Models()[i].mesh));
  EXPECT_EQ(DescribeModels(again), DescribeModels(Models()));
}

// The sky cube every copy of the archive has, rebuilt here from its values.
TEST(EnvCube, MatchesTheReferenceValuesByteForByte) {
  std::vector<uint8_t> bytes = EncodeMesh(BuildEnvCube());
  ASSERT_EQ(bytes.size(), 924u);
  std::vector<uint8_t> expected;
  auto u32 = [&](uint32_t v) {
    for (int s = 0; s < 32; s += 8) expected.push_back(uint8_t(v >> s));
  };
  auto f32 = [&](float f) {
    uint32_t bits;
    std::memcpy(&bits, &f, 4);
    u32(bits);
  };
  u32(8), u32(12), u32(12);
  const float corner[8][3] = {{-0.5f, -0.5f, -0.5f}, {0.5f, -0.5f, -0.5f}, {-0.5f, 0.5f, -0.5f}, {0.5f, 0.5f, -0.5f},
                              {-0.5f, -0.5f, 0.5f},  {0.5f, -0.5f, 0.5f},  {-0.5f, 0.5f, 0.5f},  {0.5f, 0.5f, 0.5f}};
  for (const auto& p : corner) f32(p[0]), f32(p[1]), f32(p[2]);
  const uint32_t faces[12][3] = {{0, 2, 3}, {3, 1, 0}, {4, 5, 7}, {7, 6, 4}, {0, 1, 5}, {5, 4, 0},
                                 {1, 3, 7}, {7, 5, 1}, {3, 2, 6}, {6, 7, 3}, {2, 0, 4}, {4, 6, 2}};
  for (const auto& f : faces) u32(f[0]), u32(f[1]), u32(f[2]);
  ASSERT_TRUE(std::equal(expected.begin(), expected.end(), bytes.begin()));

  // Texture coordinates: three repetitions of (0,0), (1,0), (0,1), (1,1).
  std::vector<uint8_t> coords;
  expected.swap(coords);
  for (int r = 0; r < 3; ++r) f32(0), f32(0), f32(1), f32(0), f32(0), f32(1), f32(1), f32(1);
  EXPECT_TRUE(std::equal(expected.begin(), expected.end(), bytes.begin() + 252 + 144));

  // Corner normals: each face's own outward normal; the first is (0, 0, -1).
  expected.clear();
  for (const auto& f : faces) {
    DVec3 a{corner[f[0]][0], corner[f[0]][1], corner[f[0]][2]}, b{corner[f[1]][0], corner[f[1]][1], corner[f[1]][2]},
        c{corner[f[2]][0], corner[f[2]][1], corner[f[2]][2]};
    DVec3 n = Normalize(Cross(Sub(b, a), Sub(c, a)));
    EXPECT_GT(Dot(n, Add(a, Add(b, c))), 0.0);  // outward
    for (int k = 0; k < 3; ++k) f32(float(n.x) + 0.0f), f32(float(n.y) + 0.0f), f32(float(n.z) + 0.0f);
  }
  EXPECT_TRUE(std::equal(expected.begin(), expected.end(), bytes.begin() + 492));
  EXPECT_EQ(std::vector<uint8_t>(bytes.begin() + 492, bytes.begin() + 504),
            std::vector<uint8_t>({0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0x80, 0xbf}));
}

TEST(EnvCube, EachSideShowsAWholeUnmirroredPictureFromInside) {
  MeshFile cube = BuildEnvCube();
  for (uint32_t i = 0; i < cube.faceCount; i += 2) {
    SCOPED_TRACE(i / 2);
    std::set<uint32_t> used;
    for (uint32_t f = i; f < i + 2; ++f) {
      // Wound counter-clockwise from outside, so seen from inside the
      // picture is unmirrored when its texture triangle turns clockwise.
      EXPECT_LT(TextureArea(cube, f), 0.0);
      for (int k = 0; k < 3; ++k) used.insert(cube.texCorner[k][f]);
    }
    EXPECT_EQ(used.size(), 4u);  // one whole repetition per side
    EXPECT_EQ(*used.rbegin() - *used.begin(), 3u);
    DVec3 n = Normalize(FaceCross(cube, i));
    if (std::fabs(n.z) > 0.5) continue;
    for (uint32_t f = i; f < i + 2; ++f)  // walls: the picture's top is up
      for (int k = 0; k < 3; ++k) EXPECT_EQ(CornerTexCoord(cube, f, k).t, CornerPosition(cube, f, k).z + 0.5);
  }
}

TEST(Sphere, HasTheStoredCountsAndAnEquirectangularMapping) {
  MeshFile sphere = BuildSphere();
  EXPECT_EQ(sphere.vertexCount, 3002u);
  EXPECT_EQ(sphere.texCoordCount, 3095u);
  for (uint32_t i = 0; i < sphere.texCoordCount; ++i)
    EXPECT_TRUE(sphere.s[i] >= 0 && sphere.s[i] <= 1 && sphere.t[i] >= 0 && sphere.t[i] <= 1) << i;
  std::set<uint32_t> poleCoords;
  for (uint32_t f = 0; f < sphere.faceCount; ++f) {
    for (int k = 0; k < 3; ++k) {
      DVec3 p = CornerPosition(sphere, f, k);
      EXPECT_NEAR(Length(p), 1.0, 1e-6);
      EXPECT_NEAR(Length(Sub(CornerNormal(sphere, f, k), p)), 0.0, 1e-7);
      UV uv = CornerTexCoord(sphere, f, k);
      EXPECT_NEAR(uv.t, std::asin(std::clamp(p.y, -1.0, 1.0)) / kPi + 0.5, 1e-6);  // t = 0 at the south pole
      if (std::fabs(p.y) > 0.999999) {
        EXPECT_TRUE(poleCoords.insert(sphere.texCorner[k][f]).second);  // one pole coordinate per face
        continue;
      }
      // s is the eastward longitude; on the seam meridian either 0 or 1.
      double s = std::atan2(p.x, p.z) / (2 * kPi);
      if (s < 0) s += 1;
      double d = std::fabs(uv.s - s);
      EXPECT_LT(std::min(d, std::fabs(d - 1)), 1e-6);
    }
    // Unmirrored from outside, and no face stretched across the seam.
    EXPECT_GT(TextureArea(sphere, f), 0.0);
    double lo = 1, hi = 0;
    for (int k = 0; k < 3; ++k) {
      lo = std::min(lo, CornerTexCoord(sphere, f, k).s);
      hi = std::max(hi, CornerTexCoord(sphere, f, k).s);
    }
    EXPECT_LT(hi - lo, 0.1);
  }
}

TEST(Sphere, IsFineEnoughToStayRoundWhenScaledUp) {
  // The flat edges of the outline stay within 0.15 % of the radius of the
  // true circle: under a pixel on a planet that fills a 1080-line screen.
  MeshFile sphere = BuildSphere();
  double deepest = 0;
  for (uint32_t f = 0; f < sphere.faceCount; ++f)
    for (int k = 0; k < 3; ++k) {
      DVec3 a = CornerPosition(sphere, f, k), b = CornerPosition(sphere, f, (k + 1) % 3);
      deepest = std::max(deepest, 1 - Length(Scale(Add(a, b), 0.5)));
    }
  EXPECT_LT(deepest, 0.0015);
}

}  // namespace
