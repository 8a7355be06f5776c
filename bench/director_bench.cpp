// The scene director's per-frame work: one camera evaluation on a nine-key
// track (the longest shipped), and one scene change (a typical script read
// from a stored archive member, the track prepared).
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <string>

#include "assets/archive/archive_writer.h"
#include "director/director_context.h"
#include "director/keyframe_track.h"
#include "base/random.h"
#include "director/scene_director.h"
#include "base/debug_log.h"
#include "settings/settings.h"
#include "support/fake_resources.h"

namespace {

constexpr int KeyCount = 9;
constexpr float KeySpacing = 6;  // seconds

std::string TypicalScript() {
  std::string text = "scene\nfback 0 5\nfout 43 48\nrandom 2\nnext ist1_fr\nKEYFRAMES\n";
  for (int i = 0; i < KeyCount; ++i) {
    float angle = float(i) * 0.4f;
    text += "keyframe\ntime " + std::to_string(i * KeySpacing) + "\nposition V(" +
            std::to_string(1000 * std::cos(angle)) + " " + std::to_string(1000 * std::sin(angle)) +
            " 50)\nquaternion Q(0 0 " + std::to_string(std::sin(angle / 2)) + " " +
            std::to_string(std::cos(angle / 2)) + ")\nend\n";
  }
  return text + "ENDKEYS\nend\n";
}

struct NoFog : FogControl {
  void SetExponential(float) override {}
  void SetLinear(float, float) override {}
  void SetColour(Vec3) override {}
};

struct Scene {
  FakeResources resources;
  Settings settings;
  WorldList worlds;
  ObjectList dynamicObjects;
  RandomGenerator random;
  DebugLog log;
  NoFog fog;
  DirectorContext context{&settings, &worlds, &dynamicObjects, &random, &resources.resources(), &log, &fog};
  SceneDirector director;

  Scene() {
    std::string script = TypicalScript();
    ArchiveWriter writer;
    writer.AddStored("scenes\\a.txt", {script.begin(), script.end()});
    resources.SetArchive(writer.Finish());
  }
  void Load() {
    std::snprintf(director.sceneDir, sizeof director.sceneDir, "scenes\\");
    std::snprintf(director.sceneFile, sizeof director.sceneFile, "a.txt");
    director.LoadScene(context);
  }
};

void BM_UpdateCamera(benchmark::State& state) {
  Scene scene;
  scene.Load();
  float time = 0;
  for (auto _ : state) {
    time += 0.016f;
    if (time >= KeySpacing * (KeyCount - 1)) time = 0;
    scene.director.view.sceneClock = time;
    scene.director.UpdateCamera();
    benchmark::DoNotOptimize(scene.director.view.look);
  }
}
BENCHMARK(BM_UpdateCamera);

void BM_LoadScene(benchmark::State& state) {
  Scene scene;
  for (auto _ : state) {
    scene.Load();
    benchmark::DoNotOptimize(scene.director.track.data());
  }
}
BENCHMARK(BM_LoadScene);

}  // namespace

BENCHMARK_MAIN();
