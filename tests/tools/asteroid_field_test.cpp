// The asteroid fields: rocks apart from one another, lanes clear for the
// shots, at least eight shapes in each field, and the shipped world files
// holding exactly what the layout makes.
#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <iterator>
#include <set>

#include "tools/gen/meshes/asteroids.h"
#include "tools/gen/meshes/field.h"

namespace {

const std::vector<Model>& Rocks() {
  static const std::vector<Model> rocks = [] {
    std::vector<Model> models = BuildAsteroids();
    for (Model& m : models) CentreOnMass(m);
    return models;
  }();
  return rocks;
}

std::string ReadText(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(AsteroidField, RocksKeepApartAndOutOfTheLanes) {
  for (const FieldPlan& plan : ShippedFields()) {
    SCOPED_TRACE(plan.file);
    std::vector<PlacedRock> rocks = LayOut(plan, Rocks());
    EXPECT_EQ(int(rocks.size()), plan.count);
    std::set<int> shapes;
    int crowded = 0, blocking = 0;
    for (size_t i = 0; i < rocks.size(); ++i) {
      shapes.insert(rocks[i].shape);
      for (size_t j = i + 1; j < rocks.size(); ++j)
        if (Length(Sub(rocks[i].position, rocks[j].position)) < rocks[i].radius + rocks[j].radius + 15) ++crowded;
      if (i < plan.landmarks.size()) continue;  // the lanes lead round the landmarks
      for (const Lane& lane : plan.lanes)
        if (DistanceToWay(lane, rocks[i].position) < lane.clear + rocks[i].radius) ++blocking;
    }
    EXPECT_EQ(crowded, 0);
    EXPECT_EQ(blocking, 0);
    EXPECT_GE(shapes.size(), 8u);
    // Clustered, not an even scatter: far more rocks over the clusters than
    // the clusters' share of the region's area would hold (half the rocks
    // line the lanes instead).
    double area = (plan.high.x - plan.low.x) * (plan.high.y - plan.low.y), near = 0, share = 0;
    for (const Cluster& c : plan.clusters) share += 3.14159 * c.radius * c.radius / area;
    for (const PlacedRock& r : rocks)
      for (const Cluster& c : plan.clusters)
        if (std::hypot(r.position.x - c.centre.x, r.position.y - c.centre.y) < c.radius) {
          ++near;
          break;
        }
    EXPECT_GT(near / double(rocks.size()), 2 * share) << near << " rocks over the clusters, share " << share;
    // And the ways are walled: many rocks stand just outside a lane.
    int lining = 0;
    for (const PlacedRock& r : rocks)
      for (const Lane& lane : plan.lanes)
        if (lane.way.size() >= 2 && DistanceToWay(lane, r.position) < lane.clear + r.radius + 500) {
          ++lining;
          break;
        }
    EXPECT_GT(lining, int(rocks.size()) * 2 / 5) << lining << " of " << rocks.size() << " rocks line the lanes";
  }
}

TEST(AsteroidField, TheShippedWorldsHoldTheLaidOutRocks) {
  for (const FieldPlan& plan : ShippedFields()) {
    SCOPED_TRACE(plan.file);
    std::string text = ReadText(std::string(QV_SOURCE_ARCHIVE_DIR) + "/" + plan.file);
    ASSERT_FALSE(text.empty());
    EXPECT_EQ(WithRocks(text, RockBlocks(plan, LayOut(plan, Rocks()), Rocks())), text)
        << "run gen_field resources/archive after changing a field or a rock";
  }
}

TEST(AsteroidField, RocksReplaceTheGeneratedPartOnly) {
  const std::string blocks = RockBlocks(ShippedFields()[0], {}, Rocks());
  EXPECT_EQ(WithRocks("sphere\nbegin\nend\n", blocks), "");  // no terminator: nothing to write
  std::string first = WithRocks("// planets\nENDWORLD\n", blocks);
  EXPECT_EQ(first, "// planets\n" + blocks + "ENDWORLD\n");
  EXPECT_EQ(WithRocks(first, blocks), first);
  PlacedRock rock{2, {10, 20, 30}, {0, 0, 2}, 45, 3, 30};
  std::string one = WithRocks(first, RockBlocks(ShippedFields()[0], {rock}, Rocks()));
  EXPECT_EQ(one.rfind("// planets\n", 0), 0u);
  EXPECT_NE(one.find("geometry meshes\\asteroid3.dat\nmesh\nbegin\nmaterial\n\tdef\n\tdet\n\tmap1 "), std::string::npos);
  EXPECT_NE(one.find("position V(10.0 20.0 30.0)\norient V(0.0000 0.0000 1.0000) 45.00\nscale 3.000\nend\n"),
            std::string::npos);
  EXPECT_EQ(one.size() - one.rfind("ENDWORLD"), 9u);
}

}  // namespace
