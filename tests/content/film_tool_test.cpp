// The film tool's own pieces: framing puts the target where the shot asks
// with the horizon level, paths are flown at constant speed, descriptions
// with mistakes are refused with their line, and a shot becomes a script
// with evenly spaced keys, its fades and its ships.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>

#include "tools/film/curve.h"
#include "tools/film/film.h"
#include "tools/film/framing.h"
#include "tools/film/script_writer.h"
#include "tools/film/shot_reader.h"
#include "tools/film/track_builder.h"

namespace {

// Column c of the orientation's rotation: the image of the camera's axis c.
Vec3 Axis(Quat q, int c) {
  Matrix4 m = QuatToMatrix(q);
  return {m.m[c], m.m[4 + c], m.m[8 + c]};
}

TEST(Framing, PutsTheTargetOnItsScreenPointWithTheHorizonLevel) {
  const ViewExtent view;
  const Vec3 eye{100, -200, 50};
  for (Vec3 target : {Vec3{5000, 300, -900}, Vec3{-400, 2500, 1800}, Vec3{900, -960, -1500}}) {
    for (float u : {-0.33f, 0.0f, 0.5f}) {
      for (float v : {-0.2f, 0.3f}) {
        Quat q = FrameTarget(eye, target, u, v, 0, view);
        Vec3 d = Sub(target, eye);
        Vec3 x = Axis(q, 0), y = Axis(q, 1), z = Axis(q, 2);
        EXPECT_NEAR(-Dot(d, y) / Dot(d, x) / view.right, u, 1e-3);
        EXPECT_NEAR(Dot(d, z) / Dot(d, x) / view.up, v, 1e-3);
        EXPECT_NEAR(y.z, 0, 1e-5) << "the horizon tilts";
        EXPECT_GT(z.z, 0) << "the camera is upside down";
      }
    }
  }
}

TEST(Framing, ATargetRightBelowKeepsTheCameraUpright) {
  for (float v : {-0.4f, 0.4f}) {
    Quat q = FrameTarget({0, 0, 0}, {10, 5, -3000}, 0, v, 0, {});
    EXPECT_GT(Axis(q, 2).z, 0);
    EXPECT_LT(Axis(q, 0).z, -0.95f);
  }
}

TEST(Framing, RollTurnsTheViewClockwiseAndHeadingKeepsTheTopUp) {
  Quat level = FrameTarget({0, 0, 0}, {1000, 0, 0}, 0, 0, 0, {});
  Quat rolled = FrameTarget({0, 0, 0}, {1000, 0, 0}, 0, 0, 90, {});
  Vec3 up = Axis(rolled, 2), right = Negate(Axis(level, 1));
  EXPECT_NEAR(Length(Sub(up, right)), 0, 1e-5);
  Quat climbing = Heading({1, 1, 1}, 0);
  EXPECT_NEAR(Length(Sub(Axis(climbing, 0), Normalize({1, 1, 1}))), 0, 1e-5);
  EXPECT_NEAR(Axis(climbing, 1).z, 0, 1e-5);
  Quat q{0.5f, 0.5f, 0.5f, 0.5f}, opposite{-0.5f, -0.5f, -0.5f, -0.5f};
  EXPECT_EQ(Nearer(opposite, q).w, 0.5f);
}

TEST(Curve, FliesEveryPathAtConstantSpeed) {
  PathSpec uneven;
  uneven.points = {{0, 0, 0}, {100, 0, 0}, {2100, 800, 0}, {2200, 3000, 500}};
  PathSpec arc;
  arc.kind = PathSpec::Arc;
  arc.centre = {1000, 0, 0};
  arc.start = {2000, 0, 100};
  arc.turn = 90;
  arc.rise = 400;
  for (const PathSpec& path : {uneven, arc}) {
    Curve curve(path);
    const float step = curve.Length() / 20;
    for (int i = 0; i < 20; ++i) {
      EXPECT_NEAR(Length(Sub(curve.Position((i + 1) / 20.0f), curve.Position(i / 20.0f))), step, step * 0.01f);
    }
  }
  Curve turning(arc);
  Vec3 end = turning.Position(1);
  EXPECT_NEAR(end.x, 1000, 0.5);
  EXPECT_NEAR(end.y, 1000, 0.5);
  EXPECT_NEAR(end.z, 500, 0.5);
  EXPECT_STREQ(PathProblem(PathSpec{}), "a path needs two points");
}

const char* const kShots = R"(world w
dir a\b\
point p V(0 0 100)
shot s 20
  title A test
  fade in white 4
  fade out black 5
  line random 2
  line next x
  camera
    path p-V(1000 0 0) p+V(1000 0 0)
    look ship lead V(0 0 5)
    frame 0.3 0
  end
  ship lead
    path V(0 -500 0) V(0 500 0)
  end
  ship wing
    formation lead V(-20 30 0)
  end
end
)";

TEST(ShotReader, RefusesMistakesWithTheirLine) {
  ShotFile file;
  std::string errors;
  EXPECT_FALSE(ReadShotFile("x.txt", "world w\ndir a\\\nshot s 20\n  camera\n    path q V(1 2 3)\n  end\nend\n", file, errors));
  EXPECT_NE(errors.find("x.txt:5: unknown point or bad vector: q"), std::string::npos) << errors;
  errors.clear();
  EXPECT_FALSE(ReadShotFile("x.txt", "world w\ndir a\\\nshot s 20\n  fade in red 5\n  camera\n", file, errors));
  EXPECT_NE(errors.find("x.txt:4: fade colour"), std::string::npos) << errors;
  EXPECT_NE(errors.find("ends inside a block"), std::string::npos) << errors;
}

TEST(ShotReader, AShotBecomesAScriptWithEvenKeysItsFadesAndItsShips) {
  ShotFile file;
  std::string errors;
  ASSERT_TRUE(ReadShotFile("t.txt", kShots, file, errors)) << errors;
  ASSERT_EQ(file.shots.size(), 1u);
  BuiltShot built;
  ASSERT_TRUE(BuildShot(file.shots[0], {}, built, errors)) << errors;
  ASSERT_EQ(built.camera.keys.size(), 5u);
  for (size_t i = 0; i < 5; ++i) EXPECT_FLOAT_EQ(built.camera.keys[i].time, 5.0f * float(i));
  EXPECT_NEAR(built.camera.keys[2].position.x, 0, 1);
  ASSERT_EQ(built.ships.size(), 2u);
  // The wingman keeps its slot: 20 behind and 30 to the left of the lead.
  Vec3 gap = Sub(built.ships[1].keys[3].position, built.ships[0].keys[3].position);
  EXPECT_NEAR(gap.x, -30, 0.5);
  EXPECT_NEAR(gap.y, -20, 0.5);
  std::string script = WriteSceneScript(file.shots[0], built, "t.txt");
  EXPECT_NE(script.find("scene\nwback 0 4\nfout 15 20\nrandom 2\nnext x\nKEYFRAMES\n"), std::string::npos) << script;
  EXPECT_NE(script.find("ENDKEYS\nset lead\nKEYFRAMES\n"), std::string::npos);
  EXPECT_NE(script.find("ENDKEYS\nset wing\nKEYFRAMES\n"), std::string::npos);
  EXPECT_EQ(script.substr(script.size() - 12), "ENDKEYS\nend\n");
}

TEST(ShotReader, RefusesShotsThatCannotBeFlown) {
  ShotFile file;
  std::string errors;
  ASSERT_TRUE(ReadShotFile("t.txt", std::string(kShots).replace(std::string(kShots).find("look ship lead"), 14, "look ship gone"),
                           file, errors));
  BuiltShot built;
  EXPECT_FALSE(BuildShot(file.shots[0], {}, built, errors));
  EXPECT_NE(errors.find("unknown ship gone"), std::string::npos) << errors;
}

TEST(ShotReader, MessagesNameTheFolderReadAndScriptsTheSourceTree) {
  namespace fs = std::filesystem;
  const fs::path folder = fs::temp_directory_path() / "qv_film_shots";
  fs::create_directories(folder);
  std::ofstream(folder / "a.txt") << kShots;
  std::ofstream(folder / "b.txt") << "world w\ndir c\\\nshot s 20\n  fade in red 5\nend\n";
  Film film;
  std::string errors;
  EXPECT_FALSE(MakeFilm(folder.string(), film, errors));
  EXPECT_EQ(errors.rfind((folder / "b.txt").generic_string() + ":4: fade colour", 0), 0u) << errors;
  ASSERT_EQ(film.scripts.size(), 1u);
  EXPECT_NE(film.scripts[0].text.find("from resources/shots/a.txt;"), std::string::npos);
  fs::remove_all(folder);
}

}  // namespace
