// A scene object that only holds its fields, for the director's tests.
#pragma once
#include <cstdio>
#include <memory>

#include "objects/object_context.h"
#include "objects/scene_object.h"

struct TestObject : SceneObject {
  explicit TestObject(const char* objectName, Vec3 at = {0, 0, 0}) : SceneObject(NoContext()) {
    std::snprintf(name, sizeof name, "%s", objectName);
    position = at;
  }
  void Render(const SceneDirector&) override {}
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
