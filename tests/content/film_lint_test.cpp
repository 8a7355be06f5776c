// film lint: shots flown among known bodies break the framing rules where
// they should (a still, centred view; a chased ship too small; a wingman out
// of sight; open sky) and keep them where they should, and the bodies'
// sizes come from object and mesh files as the flight places them.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>

#include "support/mesh_bytes.h"
#include "tools/film/lint.h"
#include "tools/film/shot_reader.h"

namespace {

namespace fs = std::filesystem;

const std::vector<Body> kBodies = {{"moon", {0, 0, 0}, 1000, false}, {"moon_at", {0, 0, 0}, 1040, false}};
// Ships as cubes 40 across; "long" is a hull 100 long and 10 thick.
ShipShape Cube() {
  ShipShape cube{35, {}};
  for (float x : {-20.f, 20.f})
    for (float y : {-20.f, 20.f})
      for (float z : {-20.f, 20.f}) cube.points.push_back({x, y, z});
  return cube;
}
const ShipShape kLong{50, {{50, 0, 0}, {-50, 0, 0}, {0, 5, 0}, {0, -5, 0}, {0, 0, 5}, {0, 0, -5}}};
const std::map<std::string, ShipShape> kShips = {{"lead", Cube()}, {"wing", Cube()}, {"long", kLong}};

ShotLint Lint(const std::string& shotText, bool skyAllowed = false) {
  ShotFile file;
  std::string errors;
  EXPECT_TRUE(ReadShotFile("t.txt", "world w\ndir a\\\n" + shotText, file, errors)) << errors;
  BuiltShot built;
  if (file.shots.empty() || !BuildShot(file.shots[0], {}, built, errors)) {
    ADD_FAILURE() << errors;
    return {};
  }
  return LintShot(file.shots[0], built, kBodies, kShips, skyAllowed);
}

std::string Faults(const ShotLint& lint) {
  std::string all;
  for (const std::string& f : lint.faults) all += f + "\n";
  return all;
}

TEST(FilmLint, AStillCentredViewIsStaticAndBullsEye) {
  ShotLint lint = Lint("shot s 20\n camera\n  path V(-5000 0 0) V(-5200 0 0)\n  look V(0 0 0)\n end\nend\n");
  EXPECT_EQ(lint.subject, "moon") << "a planet, not its shell";
  ASSERT_EQ(lint.seconds.size(), 20u);
  // 1000 units at about 5000: 2 atan(r / sqrt(d^2 - r^2)) of a 2 x 0.8 wide view.
  EXPECT_NEAR(lint.seconds[0].width, 1000 * 1000 / std::sqrt(5000.0f * 5000 - 1000 * 1000), 2);
  EXPECT_NE(Faults(lint).find("at 0 s: static: distance x1.04"), std::string::npos) << Faults(lint);
  EXPECT_NE(Faults(lint).find("moon sits dead centre"), std::string::npos) << Faults(lint);
}

TEST(FilmLint, AnOrbitWithTheSubjectOnAThirdKeepsTheRules) {
  ShotLint lint = Lint("shot s 30\n fade in black 3\n fade out black 3\n camera\n"
                       "  arc V(0 0 0) V(-4000 0 500) turn 40\n  look V(0 0 0)\n  frame 0.4 0\n end\nend\n");
  EXPECT_TRUE(lint.faults.empty()) << Faults(lint);
  EXPECT_GE(lint.sweep, 30) << "most of the 40 degrees lie outside the fades";
  EXPECT_LE(lint.sweep, 40);
  EXPECT_NEAR(lint.seconds[10].u, 0.4, 0.02);
}

TEST(FilmLint, AChasedShipMustFillItsShareAndEveryShipMustBeSeen) {
  const std::string chase =
      "shot s 20\n camera\n  follow lead V(-SLOT 0 10) V(-SLOT 0 10)\n  look ship lead\n  frame 0.3 -0.1\n end\n"
      " ship lead\n  path V(2000 -3000 0) V(2000 3000 0)\n end\n ship wing\n  formation lead V(0 WING 0)\n end\nend\n";
  auto with = [&](const char* slot, const char* wing) {
    std::string text = chase;
    text.replace(text.find("SLOT"), 4, slot);
    text.replace(text.find("SLOT"), 4, slot);
    text.replace(text.find("WING"), 4, wing);
    return Lint(text);
  };
  // 40 units across at 480 is 42 px, about 6 % of the width off centre: far too small.
  std::string far = Faults(with("500", "30"));
  EXPECT_NE(far.find("at 0-19 s: the chased lead holds 6 % of the width"), std::string::npos) << far;
  // At 110 behind it holds about 28 %; the wingman behind the camera is never seen.
  std::string near = Faults(with("110", "-400"));
  EXPECT_EQ(near.find("chased"), std::string::npos) << near;
  EXPECT_NE(near.find("ship wing never comes into view"), std::string::npos) << near;
  EXPECT_EQ(Faults(with("110", "40")).find("never"), std::string::npos);
}

// A long hull seen end-on is as narrow as it is thick, and as wide as it is
// long from the side: its width comes from its points in its pose, not from
// its sphere.
TEST(FilmLint, AShipsWidthFollowsItsPose) {
  auto width = [](const char* slot) {
    ShotLint lint = Lint(std::string("shot s 20\n camera\n  follow long ") + slot + " " + slot +
                         "\n  look ship long\n  frame 0.3 0\n end\n ship long\n  path V(0 -3000 0) V(0 3000 0)\n end\nend\n");
    return lint.seconds.empty() ? 0.f : lint.seconds[10].width;
  };
  EXPECT_NEAR(width("V(-300 0 0)"), 10 / 300.f / 0.8f * 400, 3);
  EXPECT_NEAR(width("V(0 300 0)"), 100 / 300.f / 0.8f * 400, 15);  // off centre: a little wider
}

TEST(FilmLint, OpenSkyCountsOnlyOutsideTheFadesAndWhereItIsNotAllowed) {
  const std::string away =
      "shot s 20\n fade in black 5\n fade out black 5\n camera\n"
      "  path V(-3000 0 0) V(-3000 -3000 0)\n  look V(-9000 -400 -2000)\n  frame 0.3 0.1\n end\nend\n";
  ShotLint lint = Lint(away);
  EXPECT_NE(Faults(lint).find("at 5-15 s: nothing but sky in view"), std::string::npos) << Faults(lint);
  EXPECT_TRUE(lint.seconds[0].onlySky);
  EXPECT_EQ(Faults(Lint(away, true)).find("sky"), std::string::npos);
}

TEST(FilmLint, SceneryTakesSizesFromObjectAndMeshFiles) {
  const fs::path root = fs::temp_directory_path() / "qv_film_lint_scenery";
  const fs::path archive = root / "archive", art = root / "art";
  fs::create_directories(archive / "worlds");
  fs::create_directories(art / "meshes");
  auto write = [](const fs::path& path, const std::string& text) { std::ofstream(path, std::ios::binary) << text; };
  write(archive / "worlds.txt", "world w1\nenv e\nobjects worlds\\w1.txt\nscenedir s\\\nend\n");
  write(archive / "worlds" / "w1.txt",
        "BEGINWORLD\nsphere\nbegin sky\nenv\nradius 5\nend\nsphere\nbegin rock\nradius 300\n"
        "position V(1 2 3)\nend\ngeometry meshes\\box.dat\nmesh\nbegin st\nscale 2\nposition V(9 0 0)\nend\n"
        "billboard\nbegin\nposition V(0 0 0)\nsize 800\norient off\ntexture textures\\galaxy_x.jpg\nend\nENDWORLD\n");
  write(archive / "dynamic.txt", "BEGINWORLD\ngeometry meshes\\box.dat\nmesh\nbegin ship1\nend\nENDWORLD\n");
  MeshBytes box;
  box.positions = {{3, 0, 0}, {0, 4, 0}, {0, 0, -12}};
  box.corners = box.texCorners = {{0, 1, 2}};
  box.texCoords = {{0, 0}, {1, 0}, {0, 1}};
  box.normals = {{0, 0, 1, 0, 0, 1, 0, 0, 1}};
  std::vector<uint8_t> bytes = box.Encode();
  std::ofstream(art / "meshes" / "box.dat", std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));

  Scenery scenery;
  std::string errors;
  ASSERT_TRUE(LoadScenery(archive.string(), art.string(), scenery, errors)) << errors;
  const std::vector<Body>& bodies = scenery.worlds["w1"];
  ASSERT_EQ(bodies.size(), 3u) << "the sky sphere is no body";
  EXPECT_EQ(bodies[0].name, "rock");
  EXPECT_FLOAT_EQ(bodies[0].radius, 300);
  EXPECT_FLOAT_EQ(bodies[0].centre.z, 3);
  EXPECT_EQ(bodies[1].name, "st");
  EXPECT_FLOAT_EQ(bodies[1].radius, 24);
  EXPECT_EQ(bodies[2].name, "galaxy_x");
  EXPECT_TRUE(bodies[2].card);
  EXPECT_FLOAT_EQ(scenery.ships["ship1"].radius, 12);
  EXPECT_EQ(scenery.ships["ship1"].points.size(), 3u);

  fs::remove(art / "meshes" / "box.dat");
  EXPECT_FALSE(LoadScenery(archive.string(), art.string(), scenery, errors));
  EXPECT_NE(errors.find("meshes\\box.dat: no such mesh"), std::string::npos) << errors;
  fs::remove_all(root);
}

}  // namespace
