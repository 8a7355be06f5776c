// The meshview pictures: each quarter shows the mesh framed, lit from above,
// with back faces culled as the flight culls them.
#include <gtest/gtest.h>

#include <utility>

#include "tools/gen/meshes/builder.h"
#include "tools/gen/meshes/sphere.h"
#include "tools/qvtool/mesh_views.h"

namespace {

constexpr int kSize = 128;

int Brightness(const std::vector<uint8_t>& picture, int x, int y) {
  const uint8_t* p = &picture[(size_t(y) * kSize + x) * 3];
  return (p[0] + p[1] + p[2]) / 3;
}

// Centre of quarter q (front, side, top, three-quarter), top row first.
std::pair<int, int> QuarterCentre(int q) { return {(q % 2) * kSize / 2 + kSize / 4, (q / 2) * kSize / 2 + kSize / 4}; }

TEST(MeshViews, EveryQuarterShowsTheMeshFramedAndLitFromAbove) {
  std::vector<uint8_t> picture = RenderMeshViews({BuildSphere()}, kSize, kSize, false);
  ASSERT_EQ(picture.size(), size_t(kSize) * kSize * 3);
  int background = Brightness(picture, 0, 0);
  for (int q = 0; q < 4; ++q) {
    SCOPED_TRACE(q);
    auto [x, y] = QuarterCentre(q);
    EXPECT_GT(Brightness(picture, x, y), background + 15);  // at least the ambient light
    EXPECT_EQ(Brightness(picture, (q % 2) * kSize / 2 + 1, (q / 2) * kSize / 2 + 1), background);  // corner
  }
  // Front view: the upper half of the sphere faces the light.
  auto [x, y] = QuarterCentre(0);
  EXPECT_GT(Brightness(picture, x, y - kSize / 8), Brightness(picture, x, y + kSize / 8) + 30);
}

TEST(MeshViews, FacesWoundTheWrongWayAreCulledAway) {
  // A square facing +x: towards the front view, edge-on to the top view.
  Part square;
  uint32_t a = square.Point({0, -1, -1}), b = square.Point({0, 1, -1}), c = square.Point({0, 1, 1}),
           d = square.Point({0, -1, 1});
  square.Quad(a, b, c, d, {0, 0}, {1, 0}, {1, 1}, {0, 1});
  MeshBuilder builder;
  builder.Add(square);
  MeshFile facing = builder.Take();
  MeshFile away = facing;
  std::swap(away.corner[1], away.corner[2]);
  std::vector<uint8_t> shown = RenderMeshViews({facing}, kSize, kSize, false);
  std::vector<uint8_t> culled = RenderMeshViews({away}, kSize, kSize, false);
  ASSERT_FALSE(shown.empty());
  ASSERT_FALSE(culled.empty());
  auto [x, y] = QuarterCentre(0);
  int background = Brightness(shown, 0, 0);
  EXPECT_GT(Brightness(shown, x, y), background + 15);
  EXPECT_EQ(Brightness(culled, x, y), background);
}

}  // namespace
