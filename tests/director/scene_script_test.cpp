#include <gtest/gtest.h>

#include <cstring>

#include "director/flight_fixture.h"

namespace {

class SceneScript : public FlightTest {
 protected:
  void SetUp() override {
    FlightTest::SetUp();
    first = &AddWorld("green1plt", "worlds\\green\\");
    second = &AddWorld("blue2plt", "worlds\\blue\\");
    director.currentWorld = first;
    std::strcpy(director.sceneDir, first->sceneDir);
    std::strcpy(director.sceneFile, "planet0.txt");
  }
  World* first = nullptr;
  World* second = nullptr;
};

TEST_F(SceneScript, SuccessorIndexFollowsRandomAndCounter) {
  struct Case {
    int32_t counter;
    const char* lines;
    const char* file;
  } cases[] = {
      {7, "random 4\nnext ist1_fr\n", "ist1_fr2.txt"},  // 7 - 5
      {4, "random 4\nnext ist1_fr\n", "ist1_fr4.txt"},
      {9, "random 0\nnext scene\n", "scene0.txt"},
      {3, "next ist1_fr\n", "ist1_fr1.txt"},             // 1.9: a choice of two
      {3, "next ist1_fr\nrandom 2\n", "ist1_fr1.txt"},   // too late for this "next"
      {3, "random 2\nnext ist1_fr\n", "ist1_fr0.txt"},
      {4, "random 2\nnext ist1_fr\n", "ist1_fr1.txt"},
      {5, "random -7\nnext a\n", "a0.txt"},               // never a hang
      {10, "random 1e30\nnext a\n", "a10.txt"},
      {6, "random 1\n//next b\n", "planet0.txt"},          // no "next": the same file again
  };
  for (const Case& c : cases) {
    std::strcpy(director.sceneFile, "planet0.txt");
    director.successorCounter = c.counter;
    LoadScript(c.lines);
    EXPECT_STREQ(director.sceneFile, c.file) << c.lines;
  }
}

TEST_F(SceneScript, GalaxyLinesWinOnlyWithGalaxyOn) {
  AddWorld("blue_galaxy", "worlds\\blue\\galaxy\\");
  const char* lines = "random 0\nnext plt\nworld blue2plt\nregrandom 3\nregnext scene\nregworld blue_galaxy\n";
  director.successorCounter = 2;
  for (bool galaxy : {false, true}) {
    settings.Galaxy = galaxy;
    std::strcpy(director.sceneDir, first->sceneDir);
    std::strcpy(director.sceneFile, "planet0.txt");
    LoadScript(lines);
    EXPECT_STREQ(director.sceneFile, galaxy ? "scene2.txt" : "plt0.txt");
    EXPECT_STREQ(director.pendingWorld->name, galaxy ? "blue_galaxy" : "blue2plt");
  }
}

TEST_F(SceneScript, NamedWorldTakesOverAtTheNextLoad) {
  LoadScript("world blue2plt\nnext plt\n" + CameraTrack());
  EXPECT_EQ(director.currentWorld, first);
  EXPECT_EQ(director.pendingWorld, second);
  EXPECT_STREQ(director.sceneDir, "worlds\\blue\\");  // at once
  LoadScript("world nowhere\n" + CameraTrack());      // read from the new directory
  EXPECT_EQ(director.currentWorld, second);
  EXPECT_EQ(director.pendingWorld, nullptr);
  EXPECT_STREQ(director.sceneDir, "worlds\\blue\\");
  EXPECT_NE(log.str().find("unknown world <nowhere>"), std::string::npos);
}

TEST_F(SceneScript, CycleWrapsPastTen) {
  for (auto [before, after] : {std::pair{3, 5}, {9, 0}, {10, 1}}) {
    director.successorCounter = before;
    LoadScript("cycle\ncycle\n");
    EXPECT_EQ(director.successorCounter, after) << before;
  }
}

TEST_F(SceneScript, EveryLoadStartsFromTheDefaults) {
  SceneObject* ship = AddObject(dynamicObjects, "ship");
  SceneObject* station = AddObject(dynamicObjects, "station");
  LoadScript("fback 0 5\nfout 15 20\nwback 1 2\nwout 3 4\nexpfog 0.0005\nlinefog 10 300\n"
             "fogcolor V(0.3 0.3 0.97)\n//linefog 0 30000\nsoff\norient ship\n"
             "crosslook ship station 40\n");
  const float fades[][2] = {{15, 20}, {0, 5}, {3, 4}, {1, 2}};  // in FadeKind order
  for (int kind = 0; kind < FadeKindCount; ++kind) {
    EXPECT_EQ(director.fades[kind].start, fades[kind][0]);
    EXPECT_EQ(director.fades[kind].end, fades[kind][1]);
  }
  EXPECT_TRUE(director.view.sceneFog);
  EXPECT_EQ(fog.calls, (std::vector<std::string>{"exp 0.0005", "linear 10 300", "colour 0.3 0.3 0.97"}));
  EXPECT_FALSE(director.dustVisible);
  EXPECT_EQ(director.orientTarget, ship);
  EXPECT_EQ(director.crossTo, station);
  EXPECT_EQ(director.crossDistance, 40);

  LoadScript("orient nobody\ncrosslook ship nobody 9\n");
  EXPECT_EQ(director.fades[FadeOutToBlack].start, -1);
  EXPECT_EQ(director.fades[FadeInFromWhite].end, -1);
  EXPECT_FALSE(director.view.sceneFog);
  EXPECT_EQ(fog.calls.size(), 3u);  // the fog parameters stay
  EXPECT_TRUE(director.dustVisible);
  EXPECT_EQ(director.orientTarget, nullptr);
  EXPECT_EQ(director.crossFrom, nullptr);

  LoadScript("orient ship\ncrosslook ship station 9\nreset\n");
  EXPECT_EQ(director.orientTarget, nullptr);
  EXPECT_EQ(director.crossTo, nullptr);
}

TEST_F(SceneScript, SetGivesAnObjectItsTrackAndOnlyItIsActive) {
  SceneObject* ship = AddObject(dynamicObjects, "ship");
  SceneObject* idle = AddObject(dynamicObjects, "idle");
  LoadScript("set ship\n" + CameraTrack(30) + "set ghost\n" + CameraTrack(99) + CameraTrack(40) +
             "ENDKEYS\nfout 1 2\n");
  EXPECT_TRUE(ship->active);
  ASSERT_EQ(ship->track.size(), 2u);
  EXPECT_EQ(ship->track[1].time, 30);
  EXPECT_EQ(ship->track[0].gradient.x, 100);  // prepared
  EXPECT_FALSE(idle->active);
  EXPECT_NE(log.str().find("unknown object <ghost>"), std::string::npos);
  // The camera has its own block only (the unknown object's keys are
  // dropped), and the "ENDKEYS" line did not end the scene.
  ASSERT_EQ(director.track.size(), 2u);
  EXPECT_EQ(director.track[1].time, 40);
  EXPECT_EQ(director.fades[FadeOutToBlack].end, 2);
  LoadScript(CameraTrack());
  EXPECT_FALSE(ship->active);
  EXPECT_TRUE(ship->track.empty());
}

TEST_F(SceneScript, SecondKeyframesBlockAppendsAndPreparesAgain) {
  AddFile("worlds\\green\\planet0.txt", "fout 1 2\nscenery\n" + CameraTrack(20) +
          "KEYFRAMES\nkeyframe\ntime 30\nposition V(300 0 0)\nend\nENDKEYS\nend\nwout 5 6\n");
  Pack();
  director.LoadScene(context);
  ASSERT_EQ(director.track.size(), 3u);
  EXPECT_FLOAT_EQ(director.track[1].gradient.x, 150);  // now an inner key
  // Only the lines from "scene" to "end" count.
  EXPECT_EQ(director.fades[FadeOutToBlack].start, -1);
  EXPECT_EQ(director.fades[FadeOutToWhite].start, -1);
}

TEST_F(SceneScript, MissingScriptIsShownOnceAndTheFlightCarriesOn) {
  AddFile("worlds\\green\\planet0.txt", "scene\nnext gone\n" + CameraTrack() + "end\n");
  AddFile("worlds\\blue\\scene0.txt", "scene\nnext lost\n" + CameraTrack(30) + "end\n");
  Pack();
  EXPECT_EQ(director.LoadScene(context), SceneStatus::Ok);
  // Missing in the same world: back to the last script that opened.
  EXPECT_EQ(director.LoadScene(context), SceneStatus::ScriptNotOpened);
  EXPECT_EQ(director.unopenedScript, "worlds\\green\\gone0.txt");
  EXPECT_STREQ(director.sceneFile, "gone0.txt");
  EXPECT_EQ(director.track.size(), 2u);
  EXPECT_EQ(director.LoadScene(context), SceneStatus::Ok);  // told once
  // Missing in a new world: its start scene.
  director.pendingWorld = second;
  std::strcpy(director.sceneDir, second->sceneDir);
  EXPECT_EQ(director.LoadScene(context), SceneStatus::ScriptNotOpened);
  EXPECT_EQ(director.currentWorld, second);
  EXPECT_EQ(director.track[1].time, 30);
  EXPECT_FALSE(director.holding);
}

TEST_F(SceneScript, ScriptsWithoutATrackMoveOnButNeverLoopForever) {
  AddFile("worlds\\green\\planet0.txt", "scene\nrandom 0\nnext empty\nend\n");
  AddFile("worlds\\green\\empty0.txt", "scene\nfout 1 2\nend\n");
  Pack();
  director.LoadScene(context);
  director.AdvanceFrame(0.1, context);  // on to the successor at once
  EXPECT_STREQ(director.sceneFile, "empty0.txt");
  EXPECT_EQ(director.fades[FadeOutToBlack].end, 2);
  EXPECT_FALSE(director.holding);
  director.AdvanceFrame(0.1, context);  // empty0 names itself: a loop
  EXPECT_TRUE(director.holding);
  director.AdvanceFrame(0.1, context);
  EXPECT_FALSE(director.finished);
}

}  // namespace
