#include "assets/mesh_file.h"

#include <gtest/gtest.h>

#include "support/mesh_bytes.h"

namespace {

MeshCheck Parse(const std::vector<uint8_t>& bytes, MeshFile& mesh) {
  return ParseMeshFile(bytes.data(), bytes.size(), mesh);
}

TEST(MeshFile, TheEnvironmentCubeReadsBackEveryArray) {
  const std::vector<uint8_t> bytes = EnvMesh().Encode();
  ASSERT_EQ(bytes.size(), 924u);
  EXPECT_EQ(MeshFileSize(8, 12, 12), 924u);
  MeshFile mesh;
  MeshCheck check = Parse(bytes, mesh);
  ASSERT_TRUE(check.ok) << check.problem;
  EXPECT_TRUE(check.sizeMatches);
  EXPECT_EQ(mesh.vertexCount, 8u);
  EXPECT_EQ(mesh.faceCount, 12u);
  EXPECT_EQ(mesh.texCoordCount, 12u);
  EXPECT_EQ(mesh.x[1], 0.5f);
  EXPECT_EQ(mesh.y[2], 0.5f);
  EXPECT_EQ(mesh.z[3], -0.5f);
  EXPECT_EQ(mesh.z[4], 0.5f);
  EXPECT_EQ(mesh.corner[0][0], 0u);
  EXPECT_EQ(mesh.corner[1][0], 2u);
  EXPECT_EQ(mesh.corner[2][11], 2u);
  EXPECT_EQ(mesh.texCorner[0][1], 3u);
  EXPECT_EQ(mesh.texCorner[2][4], 11u);
  EXPECT_EQ(mesh.s[9], 1.0f);
  EXPECT_EQ(mesh.t[10], 1.0f);
  ASSERT_EQ(mesh.normals.size(), 108u);
  for (int i = 0; i < 9; ++i) EXPECT_EQ(mesh.normals[size_t(i)], i % 3 == 2 ? -1.0f : 0.0f);
  EXPECT_EQ(mesh.normals[3 * 9 + 2], 1.0f);  // face 3, corner 0, z
}

TEST(MeshFile, EmptyMeshesAreValid) {
  MeshBytes noFaces = EnvMesh();
  noFaces.corners.clear(), noFaces.texCorners.clear(), noFaces.normals.clear();
  MeshFile mesh;
  MeshCheck check = Parse(noFaces.Encode(), mesh);
  EXPECT_TRUE(check.ok);
  EXPECT_TRUE(check.sizeMatches);
  EXPECT_EQ(mesh.faceCount, 0u);
  EXPECT_EQ(mesh.x.size(), 8u);
  EXPECT_TRUE(Parse(MeshBytes{}.Encode(), mesh).ok);
}

TEST(MeshFile, EveryShortFileFailsAndTrailingBytesAreReported) {
  const std::vector<uint8_t> bytes = EnvMesh().Encode();
  MeshFile mesh;
  for (size_t length = 0; length < bytes.size(); ++length) {
    MeshCheck check = Parse(std::vector<uint8_t>(bytes.begin(), bytes.begin() + length), mesh);
    ASSERT_FALSE(check.ok) << length;
    ASSERT_FALSE(check.problem.empty());
    ASSERT_EQ(mesh.faceCount, 0u);
  }
  std::vector<uint8_t> longer = bytes;
  longer.push_back(0);
  MeshCheck check = Parse(longer, mesh);
  EXPECT_TRUE(check.ok);
  EXPECT_FALSE(check.sizeMatches);
}

TEST(MeshFile, IndicesBeyondTheirArraysFailTheWholeMesh) {
  MeshBytes badVertex = EnvMesh();
  badVertex.corners[5][1] = 8;
  MeshFile mesh;
  MeshCheck check = Parse(badVertex.Encode(), mesh);
  EXPECT_FALSE(check.ok);
  EXPECT_TRUE(check.sizeMatches);
  EXPECT_EQ(check.problem, "face 5 corner 1: vertex index 8 beyond the count 8");
  EXPECT_TRUE(mesh.x.empty());

  MeshBytes badTexture = EnvMesh();
  badTexture.texCorners[11][2] = 0xFFFFFFFF;
  check = Parse(badTexture.Encode(), mesh);
  EXPECT_FALSE(check.ok);
  EXPECT_EQ(check.problem, "face 11 corner 2: texture index 4294967295 beyond the count 12");
}

TEST(MeshFile, CountsTheDataCannotHoldFailBeforeAllocating) {
  std::vector<uint8_t> claim(12, 0xFF);  // V = F = T = 4294967295 and nothing else
  MeshFile mesh;
  MeshCheck check = Parse(claim, mesh);
  EXPECT_FALSE(check.ok);
  EXPECT_FALSE(check.sizeMatches);
  EXPECT_EQ(check.problem,
            "the counts (V 4294967295, F 4294967295, T 4294967295) need 343597383612 bytes, the data has 12");
}

}  // namespace
