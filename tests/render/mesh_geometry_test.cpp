#include "render/mesh_geometry.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>

#include "assets/archive/archive_writer.h"
#include "render/gl_extensions.h"
#include "render/headless_gl.h"
#include "support/mesh_bytes.h"

namespace {

class MeshGeometryTest : public HeadlessGl {
 protected:
  void SetUp() override {
    HeadlessGl::SetUp();
    gl = GlExtensions{};  // plain texture coordinates unless a test looks the units up
  }

  // The corners GL is given when the list is called, in feedback mode:
  // window x, y, z, then texture s, t per corner; one entry per triangle.
  std::vector<std::vector<float>> Feedback(GLuint list) {
    FlatState();
    std::vector<GLfloat> buffer(4096);
    glFeedbackBuffer(GLsizei(buffer.size()), GL_3D_COLOR_TEXTURE, buffer.data());
    glRenderMode(GL_FEEDBACK);
    glCallList(list);
    GLint used = glRenderMode(GL_RENDER);
    std::vector<std::vector<float>> triangles;
    for (GLint i = 0; i < used;) {
      EXPECT_EQ(buffer[size_t(i)], GLfloat(GL_POLYGON_TOKEN));
      EXPECT_EQ(buffer[size_t(i) + 1], 3.0f);
      i += 2;
      std::vector<float> corners;
      for (int k = 0; k < 3; ++k, i += 11) {  // x y z, r g b a, s t r q
        const GLfloat* v = &buffer[size_t(i)];
        corners.insert(corners.end(), {v[0], v[1], v[2], v[7], v[8]});
      }
      triangles.push_back(corners);
    }
    return triangles;
  }

  std::vector<float> Current(GLenum what, GLenum unit) {
    if (gl.activeTexture) gl.activeTexture(unit);
    std::vector<float> v(4);
    glGetFloatv(what, v.data());
    if (gl.activeTexture) gl.activeTexture(GL_TEXTURE0_ARB);
    return v;
  }

  void UseMultiTexture() {
    LookUpMultiTexture([this](const char* name) { return platform.GetGLProcAddress(name); }, gl);
    ASSERT_TRUE(gl.multiTexture);
  }
};

// One triangle whose last corner has texture coordinate (0.25, 0.75).
MeshBytes Triangle() {
  MeshBytes m;
  m.positions = {{0, 0, 0}, {0.5f, 0, 0}, {0, 0.5f, 0}};
  m.corners = {{0, 1, 2}};
  m.texCorners = {{1, 1, 0}};
  m.texCoords = {{0.25f, 0.75f}, {1, 1}};
  m.normals = {{0, 0, 1, 0, 0, 1, 0, 0.6f, 0.8f}};
  return m;
}

TEST_F(MeshGeometryTest, TheCubeReplaysItsFacesInFileOrder) {
  const MeshBytes cube = EnvMesh();
  std::vector<uint8_t> bytes = cube.Encode();
  MeshGeometry geometry;
  ASSERT_TRUE(geometry.LoadMeshData(render, bytes.data(), bytes.size()));
  ASSERT_NE(geometry.displayList, 0u);
  auto triangles = Feedback(geometry.displayList);
  ASSERT_EQ(triangles.size(), 12u);
  for (size_t f = 0; f < 12; ++f) {
    for (int k = 0; k < 3; ++k) {
      const auto& p = cube.positions[cube.corners[f][size_t(k)]];
      const auto& st = cube.texCoords[cube.texCorners[f][size_t(k)]];
      const float* got = &triangles[f][size_t(k) * 5];
      EXPECT_FLOAT_EQ(got[0], (p[0] + 1) * Size / 2) << f << "/" << k;
      EXPECT_FLOAT_EQ(got[1], (p[1] + 1) * Size / 2) << f << "/" << k;
      EXPECT_NEAR(got[2], (p[2] + 1) / 2, 1e-5f) << f << "/" << k;
      EXPECT_EQ(got[3], st[0]) << f << "/" << k;
      EXPECT_EQ(got[4], st[1]) << f << "/" << k;
    }
  }
  EXPECT_EQ(Current(GL_CURRENT_NORMAL, GL_TEXTURE0_ARB), (std::vector<float>{-1, 0, 0, 0}));
}

TEST_F(MeshGeometryTest, TheCubeDrawsItsSilhouette) {
  std::vector<uint8_t> bytes = EnvMesh().Encode();
  MeshGeometry geometry;
  ASSERT_TRUE(geometry.LoadMeshData(render, bytes.data(), bytes.size()));
  FlatState();
  glCallList(geometry.displayList);
  EXPECT_EQ(Pixel(Size / 2, Size / 2)[0], 255);
  EXPECT_EQ(Pixel(Size / 4 + 1, Size * 3 / 4 - 2)[0], 255);  // inside, near a corner
  EXPECT_EQ(Pixel(Size / 4 - 2, Size / 2)[0], 0);
  EXPECT_EQ(Pixel(Size / 2, Size * 3 / 4 + 2)[0], 0);
}

TEST_F(MeshGeometryTest, TextureCoordinatesGoToBothUnitsOnlyWhenMultitexturing) {
  std::vector<uint8_t> bytes = Triangle().Encode();
  for (bool multiTexture : {false, true}) {
    UseMultiTexture();
    gl.multiTexCoord2f(GL_TEXTURE1_ARB, 0, 0);  // unit 1 starts at the origin
    if (!multiTexture) gl = GlExtensions{};
    MeshGeometry geometry;
    ASSERT_TRUE(geometry.LoadMeshData(render, bytes.data(), bytes.size()));
    glCallList(geometry.displayList);
    UseMultiTexture();  // to read unit 1 back
    const std::vector<float> coordinate = {0.25f, 0.75f, 0, 1}, untouched = {0, 0, 0, 1};
    EXPECT_EQ(Current(GL_CURRENT_TEXTURE_COORDS, GL_TEXTURE0_ARB), coordinate);
    EXPECT_EQ(Current(GL_CURRENT_TEXTURE_COORDS, GL_TEXTURE1_ARB), multiTexture ? coordinate : untouched);
    EXPECT_EQ(Current(GL_CURRENT_NORMAL, GL_TEXTURE0_ARB), (std::vector<float>{0, 0.6f, 0.8f, 0}));
  }
}

TEST_F(MeshGeometryTest, AMeshWithoutFacesCompilesAnEmptyBatch) {
  MeshBytes empty = EnvMesh();
  empty.corners.clear(), empty.texCorners.clear(), empty.normals.clear();
  std::vector<uint8_t> bytes = empty.Encode();
  MeshGeometry geometry;
  ASSERT_TRUE(geometry.LoadMeshData(render, bytes.data(), bytes.size()));
  EXPECT_TRUE(glIsList(geometry.displayList));
  EXPECT_TRUE(Feedback(geometry.displayList).empty());
}

// A strip of ten quads from x = 0 to 1, y = 0 to 1, in the plane z = 0.
MeshFile Strip() {
  MeshFile m;
  for (int i = 0; i <= 10; ++i) {
    for (float y : {0.0f, 1.0f}) {
      m.x.push_back(float(i) / 10), m.y.push_back(y), m.z.push_back(0);
    }
  }
  for (uint32_t i = 0; i < 10; ++i) {
    for (std::array<uint32_t, 3> face : {std::array<uint32_t, 3>{2 * i, 2 * i + 2, 2 * i + 1},
                                         std::array<uint32_t, 3>{2 * i + 1, 2 * i + 2, 2 * i + 3}}) {
      for (int k = 0; k < 3; ++k) m.corner[k].push_back(face[size_t(k)]), m.texCorner[k].push_back(face[size_t(k)]);
      for (int n = 0; n < 9; ++n) m.normals.push_back(float(m.normals.size() / 9));  // the face's number
    }
  }
  m.s = m.x, m.t = m.y;
  m.vertexCount = m.texCoordCount = 22, m.faceCount = 20;
  return m;
}

TEST_F(MeshGeometryTest, MergingOnAGridKeepsOnlyTheFacesAcrossCells) {
  MeshFile strip = Strip();
  // Two cells across: x below 0.5 goes to vertex 0 or 1, the rest to 10 or 11;
  // only the quad from 0.4 to 0.5 spans both.
  MeshFile merged = MergedOnGrid(strip, 2);
  ASSERT_EQ(merged.faceCount, 2u);
  EXPECT_EQ(merged.corner[0], (std::vector<uint32_t>{0, 1}));
  EXPECT_EQ(merged.corner[1], (std::vector<uint32_t>{10, 10}));
  EXPECT_EQ(merged.corner[2], (std::vector<uint32_t>{1, 11}));
  EXPECT_EQ(merged.texCorner[1], (std::vector<uint32_t>{10, 10}));  // texture corners stay the face's own
  EXPECT_EQ(merged.texCorner[2], (std::vector<uint32_t>{9, 11}));
  EXPECT_EQ(merged.normals.size(), 18u);
  EXPECT_EQ(merged.normals.front(), 8);  // the normals of faces 8 and 9
  EXPECT_EQ(merged.normals.back(), 9);
  EXPECT_EQ(MergedOnGrid(strip, 1).faceCount, 0u);
  EXPECT_EQ(MergedOnGrid(strip, 40).faceCount, 20u);  // finer than the strip: nothing merges
}

TEST_F(MeshGeometryTest, MergingPositionsThatAreNotNumbersStaysInTheGrid) {
  MeshFile strip = Strip();
  strip.x[3] = std::nanf("");
  strip.y[4] = INFINITY;
  strip.z[5] = -INFINITY;
  for (int cells : {1, 4, 16}) {
    MeshFile merged = MergedOnGrid(strip, cells);
    for (int k = 0; k < 3; ++k)
      for (uint32_t v : merged.corner[k]) EXPECT_LT(v, strip.vertexCount);
  }
}

TEST_F(MeshGeometryTest, SmallOnTheScreenDrawsTheCoarserLists) {
  std::vector<uint8_t> bytes = EnvMesh().Encode();
  MeshGeometry geometry;
  ASSERT_TRUE(geometry.LoadMeshData(render, bytes.data(), bytes.size()));
  EXPECT_EQ(geometry.ListFor(1), geometry.displayList);  // no small lists asked for
  ASSERT_TRUE(geometry.LoadMeshData(render, bytes.data(), bytes.size(), true));
  EXPECT_FLOAT_EQ(geometry.radius, std::sqrt(0.75f));  // the cube's corners
  EXPECT_TRUE(glIsList(geometry.smallList) && glIsList(geometry.tinyList));
  EXPECT_EQ(geometry.ListFor(INFINITY), geometry.displayList);
  EXPECT_EQ(geometry.ListFor(20), geometry.displayList);
  EXPECT_EQ(geometry.ListFor(8), geometry.smallList);
  EXPECT_EQ(geometry.ListFor(1), geometry.tinyList);
  EXPECT_EQ(Feedback(geometry.smallList).size(), 12u);  // eight corners: nothing to merge
  EXPECT_EQ(Feedback(geometry.tinyList).size(), 12u);
}

TEST_F(MeshGeometryTest, DamagedOrMissingMeshesLeaveTheListAlone) {
  MeshBytes badIndex = EnvMesh();
  badIndex.corners[0][0] = 9;
  std::vector<uint8_t> bad = badIndex.Encode();
  std::vector<uint8_t> shortFile = EnvMesh().Encode();
  shortFile.resize(500);
  MeshGeometry geometry{5};
  EXPECT_FALSE(geometry.LoadMeshData(render, bad.data(), bad.size()));
  EXPECT_FALSE(geometry.LoadMeshData(render, shortFile.data(), shortFile.size()));
  EXPECT_FALSE(geometry.LoadMesh(render, "meshes\\env.dat"));
  EXPECT_EQ(geometry.displayList, 5u);
  for (GLuint list = 1; list < 16; ++list) EXPECT_FALSE(glIsList(list)) << list;
  EXPECT_EQ(log.str(),
            "failed! face 0 corner 0: vertex index 9 beyond the count 8\n"
            "failed! the counts (V 8, F 12, T 12) need 924 bytes, the data has 500\n"
            "Load mesh <meshes\\env.dat> ...failed! not in the archive\n");
}

TEST_F(MeshGeometryTest, AMemberNamedAgainTakesTheListsCompiledTheFirstTime) {
  MeshGeometry missing;
  EXPECT_FALSE(missing.LoadMesh(render, "meshes\\cube.dat"));  // a failure is not remembered
  ArchiveWriter writer;
  writer.AddStored("meshes\\cube.dat", EnvMesh().Encode());
  resources.SetArchive(writer.Finish());
  MeshGeometry first, again, drawnBySize, other{7};
  ASSERT_TRUE(first.LoadMesh(render, "meshes\\cube.dat"));
  ASSERT_TRUE(again.LoadMesh(render, "meshes\\cube.dat"));
  EXPECT_EQ(again.displayList, first.displayList);
  EXPECT_FLOAT_EQ(again.radius, first.radius);
  EXPECT_EQ(again.smallList, 0u);
  ASSERT_TRUE(drawnBySize.LoadMesh(render, "meshes\\cube.dat", true));  // the small lists were not made before
  EXPECT_NE(drawnBySize.displayList, first.displayList);
  EXPECT_TRUE(glIsList(drawnBySize.smallList) && glIsList(drawnBySize.tinyList));
  GLuint next = glGenLists(1);
  EXPECT_EQ(next, drawnBySize.tinyList + 1);  // nothing compiled for the loads served from memory
  ASSERT_TRUE(other.LoadMesh(render, "meshes\\cube.dat", true));
  EXPECT_EQ(other.tinyList, drawnBySize.tinyList);
  EXPECT_EQ(log.str(),
            "Load mesh <meshes\\cube.dat> ...failed! not in the archive\n"
            "Load mesh <meshes\\cube.dat> ...Load mesh <meshes\\cube.dat> ...Load mesh <meshes\\cube.dat> ..."
            "Load mesh <meshes\\cube.dat> ...");
}

}  // namespace
