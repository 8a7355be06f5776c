// Shared pieces of the director's tests: a scene object that only holds its
// fields, keyframes, and near-comparisons of vectors and quaternions.
#pragma once
#include <gtest/gtest.h>

#include <cstdio>
#include <memory>

#include "base/keyframes.h"
#include "objects/object_context.h"
#include "objects/scene_object.h"
#include "render/camera_view.h"

struct TestObject : SceneObject {
  explicit TestObject(const char* objectName, Vec3 at = {0, 0, 0}) : SceneObject(NoContext()) {
    std::snprintf(name, sizeof name, "%s", objectName);
    position = at;
  }
  void Render(const CameraView&) override {}
  void Update(double) override {}

  static const ObjectContext& NoContext() {
    static const ObjectContext context;
    return context;
  }
};

inline SceneObject* AddObject(ObjectList& list, const char* name, Vec3 at = {0, 0, 0}) {
  list.push_back(std::make_unique<TestObject>(name, at));
  return list.back().get();
}

inline Keyframe Key(float time, Vec3 position, Quat orientation) {
  Keyframe key;
  key.time = time;
  key.position = position;
  key.orientation = orientation;
  return key;
}

inline void ExpectNear(Vec3 expected, Vec3 actual, float tolerance = 1e-4f) {
  EXPECT_NEAR(expected.x, actual.x, tolerance);
  EXPECT_NEAR(expected.y, actual.y, tolerance);
  EXPECT_NEAR(expected.z, actual.z, tolerance);
}

inline void ExpectNear(Quat expected, Quat actual, float tolerance = 1e-5f) {
  EXPECT_NEAR(expected.x, actual.x, tolerance);
  EXPECT_NEAR(expected.y, actual.y, tolerance);
  EXPECT_NEAR(expected.z, actual.z, tolerance);
  EXPECT_NEAR(expected.w, actual.w, tolerance);
}
