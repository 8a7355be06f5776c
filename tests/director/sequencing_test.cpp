#include <gtest/gtest.h>

#include <string>

#include "director/flight_fixture.h"

namespace {

const char* const kGalaxies[] = {"blue_galaxy", "green_galaxy", "red_galaxy"};

class Sequencing : public FlightTest {
 protected:
  // Each galaxy's sceneN fades in from N s and leads to the planet world.
  void SetUp() override {
    FlightTest::SetUp();
    for (const char* galaxy : kGalaxies) {
      std::string dir = std::string(galaxy) + "\\";
      AddWorld(galaxy, (std::string(galaxy) + "\\").c_str());
      for (int i = 0; i < 4; ++i)
        AddFile(dir + "scene" + std::to_string(i) + ".txt",
                "scene\nrandom 0\nnext plt\nworld planets\nfback " + std::to_string(i) + " 9\n" +
                    CameraTrack(10) + "end\n");
    }
    AddWorld("planets", "planets\\");
    AddFile("planets\\plt0.txt", "scene\nrandom 0\nnext plt\nfout 35 40\n" + CameraTrack(40) + "end\n");
    Pack();
  }
};

TEST_F(Sequencing, StartDrawsSceneWorldAndCounterInThatOrder) {
  for (uint32_t seed : {1u, 12345u, 0xDEADBEEFu, 77u}) {
    RandomGenerator expected;
    expected.Seed(seed);
    random.Seed(seed);
    const int scene = expected.NextScaled(3.9);
    const int world = expected.NextScaled(2.9);
    const int counter = expected.NextScaled(3.8);
    settings.Galaxy = true;
    director = SceneDirector();
    director.StartFlight(context);
    EXPECT_EQ(director.fades[FadeInFromBlack].start, scene);
    EXPECT_STREQ(director.currentWorld->name, kGalaxies[world]);
    EXPECT_EQ(director.successorCounter, counter);
    EXPECT_FALSE(director.finished);
  }
}

TEST_F(Sequencing, WithoutGalaxyTheFirstFrameMovesOnAtItsSceneTime) {
  settings.Galaxy = false;
  settings.TimeScale = 1;
  director.StartFlight(context);
  EXPECT_TRUE(director.finished);
  EXPECT_EQ(director.speedFactor, 1.5f);
  director.AdvanceFrame(2, context);
  EXPECT_STREQ(director.currentWorld->name, "planets");
  EXPECT_EQ(director.view.sceneClock, 3);  // not reset by the start
  ExpectNear({100 * (3 / 40.0f), 0, 0}, director.view.position, 1e-3f);
}

TEST_F(Sequencing, SceneEndsWhenItsClockReachesTheLastKey) {
  settings.Galaxy = true;
  settings.TimeScale = 3;  // 2.5 scene seconds per second
  director.StartFlight(context);
  World* galaxy = director.currentWorld;
  director.AdvanceFrame(3.9, context);
  EXPECT_EQ(director.currentWorld, galaxy);  // the named world waits for the end
  director.AdvanceFrame(0.1, context);       // 10 s: the galaxy scene is over
  EXPECT_STREQ(director.currentWorld->name, "planets");
  EXPECT_EQ(director.view.sceneClock, 0);
  ExpectNear({0, 0, 0}, director.view.position);  // the new scene's first key
  for (int second = 1; second < 16; ++second) director.AdvanceFrame(1, context);
  EXPECT_FLOAT_EQ(director.view.sceneClock, 37.5f);
  EXPECT_EQ(director.fades[FadeOutToBlack].start, 35);
  director.AdvanceFrame(1, context);  // 16 s of real time for 40 of scene time
  EXPECT_EQ(director.view.sceneClock, 0);
}

TEST_F(Sequencing, WithNothingToOpenTheCameraHoldsWithoutAskingAgain) {
  worlds.clear();
  EXPECT_EQ(director.StartFlight(context), SceneStatus::ScriptNotOpened);
  EXPECT_EQ(director.currentWorld, nullptr);
  EXPECT_NE(log.str().find("> ...failed!"), std::string::npos);
  EXPECT_TRUE(director.holding);
  EXPECT_EQ(director.AdvanceFrame(0.1, context), SceneStatus::Ok);
  EXPECT_EQ(director.AdvanceFrame(0.1, context), SceneStatus::Ok);
  EXPECT_FALSE(director.finished);
}

}  // namespace
