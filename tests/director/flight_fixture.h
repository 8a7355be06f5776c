// A scene director with everything it needs, over an archive the test packs
// itself: worlds, dynamic objects, settings, a seeded generator, and
// recorders for the message boxes, the fog output and the start-up log.
#pragma once
#include <gtest/gtest.h>

#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "assets/archive/archive_writer.h"
#include "director/director_context.h"
#include "director/director_testing.h"
#include "base/random.h"
#include "director/scene_director.h"
#include "base/debug_log.h"
#include "settings/settings.h"
#include "support/fake_resources.h"

struct RecordedFog : FogControl {
  std::vector<std::string> calls;
  void SetExponential(float density) override { Record("exp", density); }
  void SetLinear(float start, float end) override { Record("linear", start, end); }
  void SetColour(Vec3 c) override { Record("colour", c.x, c.y, c.z); }

  template <typename... Values>
  void Record(const char* what, Values... values) {
    std::ostringstream call;
    call << what;
    ((call << ' ' << values), ...);
    calls.push_back(call.str());
  }
};

// A two-key camera track from 0 to lastKey seconds, as a script block.
inline std::string CameraTrack(float lastKey = 20) {
  return "KEYFRAMES\nkeyframe\ntime 0\nposition V(0 0 0)\nquaternion Q(0 0 0 1)\nend\n"
         "keyframe\ntime " + std::to_string(lastKey) +
         "\nposition V(100 0 0)\nquaternion Q(0 0 0 1)\nend\nENDKEYS\n";
}

class FlightTest : public ::testing::Test {
 protected:
  void SetUp() override { debugLog.SetDestination(&log); }

  // Files take effect at the next Pack.
  void AddFile(const std::string& path, const std::string& text) { files[path] = text; }
  void Pack() {
    ArchiveWriter writer;
    for (const auto& [path, text] : files) writer.AddStored(path, {text.begin(), text.end()});
    resources.SetArchive(writer.Finish());
  }
  World& AddWorld(const char* name, const char* sceneDir) {
    worlds.push_back(std::make_unique<World>());
    std::snprintf(worlds.back()->name, sizeof worlds.back()->name, "%s", name);
    std::snprintf(worlds.back()->sceneDir, sizeof worlds.back()->sceneDir, "%s", sceneDir);
    return *worlds.back();
  }
  // Packs the body as a scene script at the director's current path and
  // loads it.
  void LoadScript(const std::string& body) {
    AddFile(std::string(director.sceneDir) + director.sceneFile, "scene\n" + body + "end\n");
    Pack();
    director.LoadScene(context);
  }

  FakeResources resources;
  std::map<std::string, std::string> files;
  Settings settings;
  WorldList worlds;
  ObjectList dynamicObjects;
  RandomGenerator random;
  RecordedFog fog;
  std::ostringstream log;
  DebugLog debugLog;
  DirectorContext context{&settings, &worlds, &dynamicObjects, &random, &resources.resources(), &debugLog, &fog};
  SceneDirector director;
};
