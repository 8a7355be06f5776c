// Every shipped scene script, loaded into the director with the real
// dynamic objects: its tracks, its fades, its fog and its counter step; and
// the committed scripts are exactly what the film tool makes of the shots.
#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <set>
#include <sstream>

#include "content/shipped_content.h"
#include "base/debug_log.h"
#include "tools/film/film.h"

namespace {

struct Loaded {
  std::string path;
  std::string world;
  float lastKey;
};

// Loads every script of every world; check runs on each.
template <typename Check>
void ForEveryScript(Check check) {
  content::Flight& flight = content::LoadedFlight();
  for (const std::string& path : content::SceneScripts()) {
    flight.recorder.fog.clear();
    flight.director.successorCounter = 5;
    ASSERT_TRUE(flight.LoadScript(path)) << path << " lies in no world's scene folder";
    ASSERT_FALSE(flight.director.track.empty()) << path;
    check(flight, Loaded{path, flight.director.currentWorld->name, flight.director.track.back().time});
  }
}

void ExpectTrack(const KeyframeTrack& track, float lastKey, const std::string& what) {
  ASSERT_GE(track.size(), 2u) << what;
  EXPECT_EQ(track.front().time, 0) << what;
  for (size_t i = 1; i < track.size(); ++i) EXPECT_GT(track[i].time, track[i - 1].time) << what;
  EXPECT_EQ(track.back().time, lastKey) << what << " ends before or after the camera";
}

TEST(Scenes, TracksStartAtZeroAndRunTheWholeShot) {
  ForEveryScript([](content::Flight& flight, const Loaded& scene) {
    ExpectTrack(flight.director.track, scene.lastKey, scene.path);
    EXPECT_GE(scene.lastKey, 20) << scene.path;
    EXPECT_LE(scene.lastKey, 60) << scene.path;
    for (const auto& object : flight.dynamicObjects) {
      if (object->active) ExpectTrack(object->track, scene.lastKey, scene.path + " " + object->name);
    }
  });
}

TEST(Scenes, EveryCutHidesBehindAFade) {
  ForEveryScript([](content::Flight& flight, const Loaded& scene) {
    const FadeWindow* fades = flight.director.fades;
    const FadeWindow& in = fades[FadeInFromBlack].start == 0 ? fades[FadeInFromBlack] : fades[FadeInFromWhite];
    const FadeWindow& out = fades[FadeOutToBlack].end == scene.lastKey ? fades[FadeOutToBlack] : fades[FadeOutToWhite];
    EXPECT_EQ(in.start, 0) << scene.path << " does not fade in";
    EXPECT_GE(in.end, 2) << scene.path;
    EXPECT_EQ(out.end, scene.lastKey) << scene.path << " does not fade out to its last key";
    EXPECT_LE(out.start, scene.lastKey - 2) << scene.path;
    const bool galaxyStart = scene.world.find("galaxy") != std::string::npos;
    if (galaxyStart) {
      EXPECT_EQ(fades[FadeInFromWhite].start, 0) << scene.path << " must open from white";
      EXPECT_EQ(fades[FadeInFromWhite].end, 5) << scene.path;
    }
  });
}

TEST(Scenes, FogOnlyAtTheStationAndCycleOnlyInTheLastRedWorld) {
  ForEveryScript([](content::Flight& flight, const Loaded& scene) {
    const bool station = scene.world == "bluestat";
    EXPECT_EQ(flight.director.view.sceneFog, station) << scene.path;
    if (station) {
      // Haze, not paint: a hull 2,000 units off keeps at least half its own colour.
      float density = 0;
      bool coloured = false;
      for (const std::string& call : flight.recorder.fog) {
        if (call.rfind("exp ", 0) == 0) density = std::stof(call.substr(4));
        coloured = coloured || call.rfind("colour ", 0) == 0;
      }
      EXPECT_GT(density, 0) << scene.path;
      EXPECT_GE(std::exp(-density * 2000), 0.5f) << scene.path;
      EXPECT_TRUE(coloured) << scene.path;
    }
    EXPECT_EQ(flight.director.successorCounter, scene.world == "red_3planet" ? 6 : 5) << scene.path;
  });
}

TEST(Scenes, NamesOnlyShipsThatExist) {
  ForEveryScript([](content::Flight& flight, const Loaded& scene) {
    EXPECT_EQ(flight.log.str().find("unknown"), std::string::npos) << scene.path << ": " << flight.log.str();
    flight.log.str("");
  });
}

std::string FileText(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream all;
  all << in.rdbuf();
  return all.str();
}

TEST(Scenes, CommittedScriptsAreWhatTheShotsMake) {
  Film film;
  std::string errors;
  ASSERT_TRUE(MakeFilm(content::ShotFolder().string(), film, errors)) << errors;
  std::set<std::string> made;
  for (const SceneScript& script : film.scripts) {
    made.insert(script.archivePath);
    EXPECT_EQ(FileText(DiskPath(content::TextFolder().string(), script.archivePath)), script.text)
        << script.archivePath << " differs from its shot: run film generate";
  }
  for (const std::string& path : content::SceneScripts()) EXPECT_TRUE(made.count(path)) << path << " has no shot";
  // Each description writes into the folder of the world it names.
  content::Flight& flight = content::LoadedFlight();
  for (const ShotFile& file : film.files) {
    World* world = FindWorld(flight.worlds, file.world.c_str());
    ASSERT_NE(world, nullptr) << file.path;
    EXPECT_EQ(file.sceneDir, world->sceneDir) << file.path;
  }
}

}  // namespace
