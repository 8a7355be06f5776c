// The endless sequence over the shipped scripts, walked with the director's
// own successor rules from every start scene, for every successor counter
// and with Galaxy off and on: every named script exists, every step is one
// the sequence table allows, every world is reached and no script is left
// unreachable.
#include <gtest/gtest.h>

#include <map>
#include <set>

#include "content/shipped_content.h"

namespace {

enum class Mode { Both, GalaxyOff, GalaxyOn };

// From the scripts first..last of a kind in a world to those of another.
struct Route {
  const char* world;
  const char* kind;
  int first, last;
  const char* toWorld;
  const char* toKind;
  int toFirst, toLast;
  Mode mode;
};

const Route kRoutes[] = {
    {"green_galaxy", "scene", 0, 3, "green1plt", "planet", 0, 2, Mode::Both},
    {"green1plt", "planet", 0, 2, "green1plt", "ist1_fr", 0, 2, Mode::Both},
    {"green1plt", "ist1_fr", 0, 0, "green1plt", "fregat", 0, 0, Mode::Both},
    {"green1plt", "ist1_fr", 1, 2, "green1plt", "stat", 0, 6, Mode::Both},
    {"green1plt", "fregat", 0, 0, "green1plt", "stat", 0, 6, Mode::Both},
    {"green1plt", "stat", 0, 6, "green_ast", "asters", 0, 2, Mode::Both},
    {"green_ast", "asters", 0, 2, "green1plt", "ist_st", 0, 3, Mode::Both},
    {"green1plt", "ist_st", 0, 3, "green2plt", "planet", 0, 4, Mode::Both},
    {"green2plt", "planet", 0, 4, "green_ast", "ist_ast", 0, 2, Mode::Both},
    {"green_ast", "ist_ast", 0, 2, "green2plt", "scene", 0, 3, Mode::Both},
    {"green2plt", "scene", 0, 3, "blue2plt", "plt", 0, 4, Mode::GalaxyOff},
    {"green2plt", "scene", 0, 3, "blue_galaxy", "scene", 0, 3, Mode::GalaxyOn},
    {"blue_galaxy", "scene", 0, 3, "blue2plt", "plt", 0, 4, Mode::Both},
    {"blue2plt", "plt", 0, 4, "blue2plt", "scene", 0, 5, Mode::Both},
    {"blue2plt", "scene", 0, 0, "blue2plt", "_scene", 0, 0, Mode::Both},
    {"blue2plt", "scene", 1, 5, "bluestat", "scene", 0, 3, Mode::GalaxyOff},
    // With Galaxy on, the one way into the station's stat1.
    {"blue2plt", "scene", 1, 1, "bluestat", "stat", 1, 1, Mode::GalaxyOn},
    {"blue2plt", "scene", 2, 5, "bluestat", "scene", 0, 3, Mode::GalaxyOn},
    {"blue2plt", "_scene", 0, 0, "bluestat", "scene", 0, 3, Mode::Both},
    {"bluestat", "scene", 0, 3, "blue2plt", "2plt", 0, 3, Mode::Both},
    {"bluestat", "stat", 1, 1, "blue2plt", "2plt", 0, 3, Mode::Both},
    {"blue2plt", "2plt", 0, 3, "bluestat", "out", 0, 3, Mode::Both},
    {"bluestat", "out", 0, 3, "red_planet", "scene", 0, 3, Mode::GalaxyOff},
    {"bluestat", "out", 0, 3, "red_galaxy", "scene", 0, 3, Mode::GalaxyOn},
    {"red_galaxy", "scene", 0, 3, "red_planet", "scene", 0, 3, Mode::Both},
    {"red_planet", "scene", 0, 3, "red_aster", "scene", 0, 2, Mode::Both},
    {"red_aster", "scene", 0, 2, "red_2planet", "scene", 0, 5, Mode::Both},
    {"red_2planet", "scene", 0, 5, "red_aster", "fly", 0, 2, Mode::Both},
    {"red_aster", "fly", 0, 2, "red_3planet", "scene", 0, 4, Mode::Both},
    {"red_3planet", "scene", 0, 4, "green1plt", "planet", 0, 2, Mode::GalaxyOff},
    {"red_3planet", "scene", 0, 4, "green_galaxy", "scene", 0, 3, Mode::GalaxyOn},
};

const char* const kGalaxies[] = {"blue_galaxy", "green_galaxy", "red_galaxy"};

struct Script {
  std::string world, file;
  bool operator<(const Script& o) const { return std::tie(world, file) < std::tie(o.world, o.file); }
};

// "ist1_fr2.txt" is kind "ist1_fr", index 2.
bool Split(const std::string& file, std::string& kind, int& index) {
  const std::string stem = file.substr(0, file.size() - 4);
  size_t digits = stem.find_last_not_of("0123456789") + 1;
  if (file.size() < 5 || file.compare(file.size() - 4, 4, ".txt") != 0 || digits == stem.size()) return false;
  kind = stem.substr(0, digits);
  index = std::stoi(stem.substr(digits));
  return true;
}

const Route* RouteFrom(const Script& from, bool galaxy) {
  std::string kind;
  int index;
  if (!Split(from.file, kind, index)) return nullptr;
  for (const Route& r : kRoutes) {
    if (r.mode == (galaxy ? Mode::GalaxyOff : Mode::GalaxyOn)) continue;
    if (from.world == r.world && kind == r.kind && index >= r.first && index <= r.last) return &r;
  }
  return nullptr;
}

bool Allowed(const Route& r, const Script& to) {
  std::string kind;
  int index;
  return Split(to.file, kind, index) && to.world == r.toWorld && kind == r.toKind && index >= r.toFirst &&
         index <= r.toLast;
}

// One state of the flight between scenes: the script about to be read and
// the successor counter it will be read with.
struct State {
  Script script;
  int32_t counter;
  bool operator<(const State& o) const { return std::tie(script, counter) < std::tie(o.script, o.counter); }
};

class Sequence : public ::testing::TestWithParam<bool> {
 protected:
  // Loads the state's script and returns the state it leads to.
  State Step(const State& state) {
    flight.director.successorCounter = state.counter;
    flight.Load(*FindWorld(flight.worlds, state.script.world.c_str()), state.script.file);
    const World* next = flight.director.pendingWorld ? flight.director.pendingWorld : flight.director.currentWorld;
    return {{next->name, flight.director.sceneFile}, flight.director.successorCounter};
  }

  // The successor of every state reachable from the starts.
  std::map<State, State> Graph(const std::vector<State>& starts) {
    std::map<State, State> successor;
    std::vector<State> open = starts;
    while (!open.empty()) {
      State state = open.back();
      open.pop_back();
      if (successor.count(state)) continue;
      State next = Step(state);
      successor.emplace(state, next);
      EXPECT_TRUE(flight.unopened.empty())
          << state.script.world << " " << state.script.file << " counter " << state.counter << ": "
          << flight.unopened.front();
      flight.unopened.clear();
      const Route* route = RouteFrom(state.script, GetParam());
      EXPECT_TRUE(route && Allowed(*route, next.script))
          << state.script.world << " " << state.script.file << " -> " << next.script.world << " "
          << next.script.file;
      open.push_back(next);
    }
    return successor;
  }

  content::Flight flight{false};
};

TEST_P(Sequence, FollowsTheTableFromEveryStartAndReachesEveryWorld) {
  const bool galaxy = GetParam();
  flight.settings.Galaxy = galaxy;
  std::vector<State> starts;
  for (const char* world : kGalaxies)
    for (int scene = 0; scene < 4; ++scene)
      for (int32_t counter = 0; counter <= 10; ++counter)
        starts.push_back({{world, "scene" + std::to_string(scene) + ".txt"}, counter});
  const std::map<State, State> successor = Graph(starts);

  // Each start, followed until it comes round again, shows every world
  // (the galaxy worlds only with Galaxy on; with it off the start scene is
  // skipped unseen).
  std::set<Script> shown;
  for (const State& start : starts) {
    std::set<State> seen;
    std::set<std::string> worlds;
    State state = galaxy ? start : successor.at(start);
    while (seen.insert(state).second) {
      worlds.insert(state.script.world);
      shown.insert(state.script);
      state = successor.at(state);
    }
    EXPECT_EQ(worlds.size(), galaxy ? 12u : 9u) << "from " << start.script.world << " " << start.script.file
                                                << " counter " << start.counter;
  }

  // Every script of the archive is shown by some start (with Galaxy off,
  // all but the galaxy worlds' and the one reached only through them).
  for (const std::string& path : content::SceneScripts()) {
    bool found = false;
    for (const Script& s : shown) found |= path == FindWorld(flight.worlds, s.world.c_str())->sceneDir + s.file;
    bool galaxyOnly = path.find("\\galaxy\\") != std::string::npos || path == "worlds\\blue\\bluestat\\scenes\\stat1.txt";
    EXPECT_EQ(found, galaxy || !galaxyOnly) << path;
  }
}

INSTANTIATE_TEST_SUITE_P(Galaxy, Sequence, ::testing::Values(false, true),
                         [](const auto& info) { return info.param ? "On" : "Off"; });

}  // namespace
