// The environment and world lists ("env.txt", "worlds.txt") as the start-up
// reads them. The input holds both: the environments up to the first NUL
// byte, the worlds after it (or the same text again when there is none).
#include <algorithm>

#include "base/debug_log.h"
#include "director/registries.h"
#include "fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const uint8_t* split = std::find(data, data + size, uint8_t(0));
  std::vector<uint8_t> env(data, split);
  std::vector<uint8_t> worldText = split == data + size ? env : std::vector<uint8_t>(split + 1, data + size);
  FakeResources resources;
  InstallArchive(resources, {{"env.txt", env}, {"worlds.txt", worldText}});
  auto noObjects = [](ObjectList&, const char*) {};
  DebugLog log;
  EnvironmentList environments;
  WorldList worlds;
  LoadEnvironments(environments, "env.txt", resources.resources(), log, noObjects);
  LoadWorlds(worlds, "worlds.txt", environments, resources.resources(), log, noObjects);
  return 0;
}
