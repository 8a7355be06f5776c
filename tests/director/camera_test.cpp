#include <gtest/gtest.h>

#include <cmath>

#include "director/director_testing.h"
#include "director/keyframe_track.h"
#include "director/scene_director.h"

namespace {

const float Half = std::sqrt(0.5f);
const Quat QuarterTurnZ{0, 0, Half, Half};  // camera x (its view) onto world y

struct Camera : SceneDirector {
  explicit Camera(std::initializer_list<Vec3> keys, float spacing = 10) {
    for (Vec3 p : keys) track.push_back(Key(spacing * float(track.size()), p, QuarterTurnZ));
    PrepareTrack(track);
  }
  Camera& At(float time) {
    view.sceneClock = time;
    UpdateCamera();
    return *this;
  }
};

TEST(UpdateCamera, FollowsTheCurveAndWrapsAtTheLastKey) {
  Camera camera({{0, 0, 0}, {100, -40, 8}}, 20);
  camera.At(10);
  ExpectNear({50, -20, 4}, camera.view.position);  // the midpoint
  ExpectNear(camera.view.position, camera.view.eye);
  ExpectNear({0, 1, 0}, camera.view.look);  // the image of the camera's x axis
  ExpectNear({0, 0, 1}, camera.up);    // the image of its z axis
  EXPECT_FALSE(camera.finished);
  camera.At(20);
  EXPECT_TRUE(camera.finished);
  EXPECT_EQ(camera.view.sceneClock, 0);
  EXPECT_EQ(camera.sceneTime, 0);
  ExpectNear({0, 0, 0}, camera.view.position);
  // Nothing at time 0 on a track that starts later: it wraps at once.
  Camera late({{0, 0, 0}, {10, 0, 0}});
  late.track[0].time = 5;
  EXPECT_TRUE(late.At(0).finished);
}

TEST(UpdateCamera, FreezeHoldsAndEqualTimesAreSkipped) {
  Camera camera({{0, 0, 0}, {30, 0, 0}, {60, 0, 0}});
  camera.track[1].freeze = true;
  camera.At(8).view.look = {9, 9, 9};  // what the previous frame left stays
  for (float t : {10.0f, 19.9f}) {
    ExpectNear({30, 0, 0}, camera.At(t).view.position);
    ExpectNear({9, 9, 9}, camera.view.look);
  }
  Camera steps({{0, 0, 0}, {10, 0, 0}, {50, 0, 0}, {60, 0, 0}});
  steps.track[2].time = 10;
  ExpectNear({50, 0, 0}, steps.At(10).view.position);
  EXPECT_TRUE(std::isfinite(steps.view.look.x));
  // At the end of a track whose first two keys share a time, the wrap
  // takes the first key's pose rather than dividing by zero.
  Camera doubled({{5, 0, 0}, {15, 0, 0}, {50, 0, 0}});
  doubled.track[1].time = 0;
  EXPECT_TRUE(doubled.At(20).finished);
  ExpectNear({5, 0, 0}, doubled.view.position);
  ExpectNear({0, 1, 0}, doubled.view.look);
}

TEST(UpdateCamera, ShortTracksFinishAtOnceUnlessHolding) {
  Camera empty({});
  empty.view.position = {7, 8, 9};
  empty.At(3);
  ExpectNear({7, 8, 9}, empty.view.position);
  EXPECT_TRUE(empty.finished);
  EXPECT_EQ(empty.view.sceneClock, 0);
  Camera one({{1, 1, 1}});
  ExpectNear({0, 1, 0}, one.At(3).view.look);
  ExpectNear({1, 1, 1}, one.view.position);
  EXPECT_TRUE(one.finished);
  Camera held({{1, 1, 1}});
  held.holding = true;
  EXPECT_FALSE(held.At(3).finished);
}

TEST(ApplyCameraTargets, OrientTurnsTheViewAndCrossLookMovesTheCamera) {
  ObjectList objects;
  Camera camera({{0, 0, 0}, {20, 0, 0}}, 20);
  camera.At(10);
  camera.orientTarget = AddObject(objects, "ship", {10, 0, 30});
  camera.ApplyCameraTargets();
  ExpectNear({0, 0, 1}, camera.view.look);
  ExpectNear({10, 0, 0}, camera.view.position);
  ExpectNear({0, 0, 1}, camera.up);
  objects[0]->position = camera.view.position;  // no direction: the view stays
  camera.ApplyCameraTargets();
  ExpectNear({0, 0, 1}, camera.view.look);

  camera.crossFrom = AddObject(objects, "from", {100, 0, 0});
  camera.crossTo = AddObject(objects, "to", {100, 0, -50});
  camera.crossDistance = 30;
  camera.ApplyCameraTargets();
  ExpectNear({100, 0, 30}, camera.view.position);  // on the far side from "to"
  ExpectNear(camera.view.position, camera.view.eye);
  ExpectNear({0, 0, -1}, camera.view.look);  // over the orient target
}

}  // namespace
