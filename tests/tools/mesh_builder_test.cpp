// The mesh builder and its primitives: closed parts face outward, normals
// follow the crease rule, mirrored placements keep the winding, texture
// projections are unmirrored, and attachment offsets land where the
// renderer's drawing frames put the mesh.
#include <gtest/gtest.h>

#include <algorithm>

#include "tests/tools/mesh_test_support.h"
#include "tools/gen/meshes/builder.h"
#include "tools/gen/meshes/model.h"
#include "tools/gen/meshes/primitives.h"

namespace {

MeshFile Build(const Part& part, const Frame& place = {}) {
  MeshBuilder b;
  b.Add(part, place);
  return b.Take();
}

void ExpectNormalsAgreeWithWinding(const MeshFile& mesh) {
  for (uint32_t f = 0; f < mesh.faceCount; ++f) {
    DVec3 n = Normalize(FaceCross(mesh, f));
    for (int k = 0; k < 3; ++k) {
      EXPECT_NEAR(Length(CornerNormal(mesh, f, k)), 1.0, 1e-5);
      EXPECT_GT(Dot(CornerNormal(mesh, f, k), n), 0.0);
    }
  }
}

TEST(MeshBuilder, ClosedPrimitivesFaceOutwardWithTheirVolume) {
  struct Case {
    const char* name;
    Part part;
    double volume;
    double tolerance;  // relative, for faceted approximations
  };
  Case cases[] = {
      {"box", Box({2, 3, 4}, 1), 24, 1e-9},
      {"chamfered box", Box({2, 3, 4}, 1, 0.2), 24, 0.05},
      {"cylinder", Cylinder(1, 2, 64, 1), 2 * kPi, 0.01},
      {"sphere", Sphere(1, 32, 64, 1), 4 * kPi / 3, 0.01},
      {"torus", Torus(3, 1, 64, 32, 1), 2 * kPi * kPi * 3, 0.01},
      {"icosphere", Icosphere(8), 4 * kPi / 3, 0.02},
      {"nozzle", Nozzle(1, 1, 2, 32, 1), 0, 0},
      {"wing", Wing({4, 2, 5, -1, 0.4, 0.2}, 1), 0, 0},
      {"loft", Loft({{0, 1, 1, 0, 2}, {3, 1, 1, 0, 2}, {4, 0, 0, 0, 2}}, 32, 1), 0, 0},
      {"prism", Prism({{0, 0}, {2, 0}, {1, 2}}, 3, 1), 6, 1e-9},
      {"hull", PolyLoft({{0, 1, 1}, {3, 1, 1}, {4, 0.2, 0.2}}, {{0, -1}, {1, 0}, {0, 1}, {-1, 0}}, 1), 0, 0},
      {"panel", Panel(4, 2, 0.1), 0.8, 1e-6},
      {"truss", Truss(10, 2, 5, 0.2, 1), 0, 0},
      {"dish", Dish(3, 1, 24, 1), 0, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    MeshFile mesh = Build(c.part);
    ASSERT_GT(mesh.faceCount, 0u);
    double volume = SignedVolume(mesh);
    EXPECT_GT(volume, 0.0);
    if (c.volume > 0) {
      EXPECT_NEAR(volume, c.volume, c.volume * c.tolerance);
    }
    ExpectNormalsAgreeWithWinding(mesh);
  }
}

TEST(MeshBuilder, MirroredAndScaledPlacementsKeepFacingOutward) {
  Frame squash{{5, 0, 0}, {2, 0, 0}, {0, 0.5, 0}, {0, 0, 1}};
  for (const Frame& place : {MirrorY(), Compose(MirrorY(), squash), kBodyToFile}) {
    MeshFile mesh = Build(Wing({4, 2, 5, -1, 0.4, 0.2}, 1), place);
    EXPECT_GT(SignedVolume(mesh), 0.0);
    ExpectNormalsAgreeWithWinding(mesh);
  }
}

TEST(MeshBuilder, BoxCornersAreHardAndRoundSidesSmooth) {
  MeshFile box = Build(Box({2, 2, 2}, 1));
  ASSERT_EQ(box.faceCount, 12u);
  ASSERT_EQ(box.vertexCount, 8u);
  for (uint32_t f = 0; f < box.faceCount; ++f) {
    DVec3 n = Normalize(FaceCross(box, f));
    for (int k = 0; k < 3; ++k) EXPECT_NEAR(Dot(CornerNormal(box, f, k), n), 1.0, 1e-6);
  }
  MeshFile cylinder = Build(Cylinder(1, 2, 24, 1));
  for (uint32_t f = 0; f < cylinder.faceCount; ++f) {
    DVec3 n = Normalize(FaceCross(cylinder, f));
    for (int k = 0; k < 3; ++k) {
      DVec3 p = CornerPosition(cylinder, f, k);
      DVec3 normal = CornerNormal(cylinder, f, k);
      if (std::fabs(n.z) > 0.99)  // caps stay flat
        EXPECT_NEAR(Dot(normal, n), 1.0, 1e-6);
      else  // the side is smooth: radial normals at its corners
        EXPECT_NEAR(Dot(normal, Normalize({p.x, p.y, 0})), 1.0, 1e-6);
    }
  }
}

TEST(MeshBuilder, DropsCollapsedTrianglesAndWeldsTheirPoints) {
  // A cone: the apex ring collapses to one point.
  MeshFile cone = Build(Lathe({{0, 0}, {1, 0}, {0, 2}}, 16, 1));
  EXPECT_EQ(cone.faceCount, 32u);
  EXPECT_EQ(cone.vertexCount, 18u);
  for (uint32_t f = 0; f < cone.faceCount; ++f) EXPECT_GT(Length(FaceCross(cone, f)), 1e-6);
}

TEST(MeshBuilder, ProjectedAndWrappedTexturesAreUnmirroredAndSeamless) {
  for (const Part& part : {Box({3, 2, 1}, 0.5), Wing({4, 2, 5, -1, 0.4, 0.2}, 1), Cylinder(2, 3, 20, 1)}) {
    MeshFile mesh = Build(part);
    for (uint32_t f = 0; f < mesh.faceCount; ++f) EXPECT_GT(TextureArea(mesh, f), 0.0);
  }
  // Round surfaces repeat a whole number of times around: the seam column's
  // two texture coordinates differ by a whole number.
  MeshFile tube = Build(Lathe({{5, 0}, {5, 4}}, 12, 3));
  auto [lo, hi] = std::minmax_element(tube.s.begin(), tube.s.end());
  EXPECT_NEAR(*hi - *lo, std::round(2 * kPi * 5 / 3), 1e-6);
}

TEST(MeshBuilder, PanelsShowWholeSquareRepeatsOnBothFaces) {
  MeshFile panel = Build(Panel(4, 2, 0.1));
  for (uint32_t f = 0; f < panel.faceCount; ++f) {
    DVec3 n = Normalize(FaceCross(panel, f));
    if (std::fabs(n.y) < 0.99) continue;  // the edges
    for (int k = 0; k < 3; ++k) {
      UV uv = CornerTexCoord(panel, f, k);
      DVec3 p = CornerPosition(panel, f, k);
      EXPECT_DOUBLE_EQ(uv.s, p.x > 0 ? 2 : 0);  // two repeats along the long side
      EXPECT_DOUBLE_EQ(uv.t, p.z > 0 ? 1 : 0);
    }
  }
}

TEST(Attachments, OffsetsLandOnTheMeshPointInEveryDrawingFrame) {
  // Body point -> stored point -> where the mesh frame draws it, against
  // where the flame and light formulas put their offsets.
  DVec3 body{3.5, -1.25, 0.75};
  DVec3 stored = BodyToFile(body);
  const DVec3 frames[][2] = {{{1, 0, 0}, {0, -1, 0}}, {{0, 0, 1}, {1, 0, 0}}, {{0, 1, 0}, {0, 0, 1}},
                          {{0.6, 0.8, 0}, {0, 0, -1}}};
  for (const auto& f : frames) {
    DVec3 look = f[0], right = f[1], lookRight = Cross(look, right);
    DVec3 mesh = Add(Scale(look, stored.x), Add(Scale(right, stored.y), Scale(lookRight, stored.z)));
    DVec3 flame = FlameOffset(body), light = LightOffset(body);
    DVec3 flameAt = Add(Scale(right, flame.x), Add(Scale(lookRight, flame.y), Scale(look, flame.z)));
    DVec3 lightAt = Add(Scale(right, light.x), Add(Scale(Cross(right, look), light.y), Scale(look, light.z)));
    EXPECT_NEAR(Length(Sub(mesh, flameAt)), 0.0, 1e-12);
    EXPECT_NEAR(Length(Sub(mesh, lightAt)), 0.0, 1e-12);
  }
}

TEST(Attachments, ADynamicShipFliesUprightAlongItsKeyframeAxes) {
  // Keyframe orientation identity: look = +x, right = -(+y).
  DVec3 look{1, 0, 0}, right{0, -1, 0};
  auto draw = [&](DVec3 body) {
    DVec3 s = BodyToFile(body);
    return Add(Scale(look, s.x), Add(Scale(right, s.y), Scale(Cross(look, right), s.z)));
  };
  DVec3 nose = draw({1, 0, 0}), left = draw({0, 1, 0}), up = draw({0, 0, 1});
  EXPECT_NEAR(Length(Sub(nose, {1, 0, 0})), 0.0, 1e-12);
  EXPECT_NEAR(Length(Sub(left, {0, 1, 0})), 0.0, 1e-12);
  EXPECT_NEAR(Length(Sub(up, {0, 0, 1})), 0.0, 1e-12);
}

}  // namespace
