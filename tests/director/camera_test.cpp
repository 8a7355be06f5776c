#include <gtest/gtest.h>

#include <cmath>

#include "director/keyframe_track.h"
#include "director/scene_director.h"
#include "director/director_testing.h"

namespace {

const float Half = std::sqrt(0.5f);
const Quat QuarterTurnZ{0, 0, Half, Half};  // camera x (its view) onto world y

Keyframe Key(float time, Vec3 position) { return ::Key(time, position, QuarterTurnZ); }

struct Camera : SceneDirector {
  explicit Camera(KeyframeTrack keys) {
    track = std::move(keys);
    PrepareTrack(track);
  }
  void At(float time) {
    sceneClock = time;
    UpdateCamera();
  }
};

TEST(UpdateCamera, HalfwayAlongTwoKeysIsTheMidpoint) {
  Camera camera({Key(0, {0, 0, 0}), Key(20, {100, -40, 8})});
  camera.At(10);
  ExpectNear({50, -20, 4}, camera.position);
  ExpectNear(camera.position, camera.eye);
  ExpectNear({0, 1, 0}, camera.look);  // the image of the camera's x axis
  ExpectNear({0, 0, 1}, camera.up);    // the image of its z axis
  EXPECT_FALSE(camera.finished);
  EXPECT_DOUBLE_EQ(camera.sceneTime, 10);
}

TEST(UpdateCamera, TheLastKeyWrapsToTheStartAndFinishes) {
  Camera camera({Key(0, {1, 2, 3}), Key(20, {100, 0, 0})});
  camera.At(20);
  EXPECT_TRUE(camera.finished);
  EXPECT_EQ(camera.sceneClock, 0);
  EXPECT_EQ(camera.sceneTime, 0);
  ExpectNear({1, 2, 3}, camera.position);
  // A track that starts after 0 has nothing at time 0: it wraps at once.
  Camera late({Key(5, {0, 0, 0}), Key(15, {10, 0, 0})});
  late.At(0);
  EXPECT_TRUE(late.finished);
}

TEST(UpdateCamera, FreezeHoldsTheCameraUntilTheNextKey) {
  Camera camera({Key(0, {0, 0, 0}), Key(10, {30, 0, 0}), Key(20, {60, 0, 0})});
  camera.track[1].freeze = true;
  camera.At(8);
  const Vec3 look = camera.look;
  camera.look = {9, 9, 9};  // what the previous frame left stays
  for (float t : {10.0f, 14.0f, 19.9f}) {
    camera.At(t);
    ExpectNear({30, 0, 0}, camera.position);
    ExpectNear({9, 9, 9}, camera.look);
  }
  camera.At(20);  // the end: back to the first, unfrozen segment
  ExpectNear({0, 0, 0}, camera.position);
  ExpectNear(look, camera.look, 1e-2f);
}

TEST(UpdateCamera, KeysAtEqualTimesAreSkipped) {
  Camera camera({Key(0, {0, 0, 0}), Key(10, {10, 0, 0}), Key(10, {50, 0, 0}), Key(20, {60, 0, 0})});
  camera.At(10);
  ExpectNear({50, 0, 0}, camera.position);
  EXPECT_TRUE(std::isfinite(camera.look.x));
}

TEST(UpdateCamera, ShortTracksFinishAtOnceUnlessHolding) {
  Camera empty({});
  empty.position = {7, 8, 9};
  empty.At(3);
  ExpectNear({7, 8, 9}, empty.position);
  ExpectNear({0, 0, -1}, empty.look);
  EXPECT_TRUE(empty.finished);
  EXPECT_EQ(empty.sceneClock, 0);

  Camera one({Key(4, {1, 1, 1})});
  one.At(3);
  ExpectNear({1, 1, 1}, one.position);
  ExpectNear({0, 1, 0}, one.look);
  EXPECT_TRUE(one.finished);

  Camera held({Key(4, {1, 1, 1})});
  held.holding = true;
  held.At(3);
  ExpectNear({1, 1, 1}, held.position);
  EXPECT_FALSE(held.finished);
}

TEST(ApplyCameraTargets, OrientTurnsOnlyTheView) {
  ObjectList objects;
  Camera camera({Key(0, {0, 0, 0}), Key(20, {20, 0, 0})});
  camera.At(10);
  const Vec3 up = camera.up;
  camera.orientTarget = AddObject(objects, "ship", {10, 0, 30});
  camera.ApplyCameraTargets();
  ExpectNear({0, 0, 1}, camera.look);
  ExpectNear({10, 0, 0}, camera.position);
  ExpectNear(up, camera.up);
  // A target on the camera gives no direction: the view stays.
  objects[0]->position = camera.position;
  camera.look = {1, 0, 0};
  camera.ApplyCameraTargets();
  ExpectNear({1, 0, 0}, camera.look);
}

TEST(ApplyCameraTargets, CrossLookStandsBehindTheFirstObject) {
  ObjectList objects;
  Camera camera({Key(0, {0, 0, 0}), Key(20, {20, 0, 0})});
  camera.At(10);
  camera.orientTarget = AddObject(objects, "buoy", {0, 500, 0});
  camera.crossFrom = AddObject(objects, "ship", {100, 0, 0});
  camera.crossTo = AddObject(objects, "station", {100, 0, -50});
  camera.crossDistance = 30;
  camera.ApplyCameraTargets();
  ExpectNear({100, 0, 30}, camera.position);  // on the far side from the station
  ExpectNear(camera.position, camera.eye);
  ExpectNear({0, 0, -1}, camera.look);  // overrides the orient target
}

}  // namespace
