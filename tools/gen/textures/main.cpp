// gen_textures: makes every picture of the screensaver (archive textures,
// loading-screen images, Windows pictures) from code and fixed seeds, and a
// manifest that lists them. The same inputs give the same bytes every time.
//
// usage: gen_textures --out CONTENT_DIR --fonts FONT_DIR [--preview DIR] [--threads N] [--stamp FILE]
#include <atomic>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "tools/common/file_bytes.h"
#include "tools/gen/textures/art.h"
#include "tools/gen/textures/preview.h"

namespace {

struct Options {
  std::string out, fonts, preview, stamp;
  int threads = 2;
};

bool ParseOptions(int argc, char** argv, Options& o) {
  for (int i = 1; i + 1 < argc; i += 2) {
    std::string key = argv[i], value = argv[i + 1];
    if (key == "--out") o.out = value;
    else if (key == "--fonts") o.fonts = value;
    else if (key == "--preview") o.preview = value;
    else if (key == "--stamp") o.stamp = value;
    else if (key == "--threads") o.threads = std::max(1, std::atoi(value.c_str()));
    else return false;
  }
  return argc % 2 == 1 && !o.out.empty() && !o.fonts.empty();
}

std::vector<ArtJob> AllJobs() {
  std::vector<ArtJob> jobs;
  AddSkyJobs(jobs);
  AddPlanetJobs(jobs);
  AddSpriteJobs(jobs);
  AddGalaxyJobs(jobs);
  AddHullJobs(jobs);
  AddFontJobs(jobs);
  AddLoadingJobs(jobs);
  AddWindowsArtJobs(jobs);
  return jobs;
}

// Runs the jobs on `threads` workers; results keep the job order, so the
// output does not depend on scheduling.
std::vector<std::vector<Picture>> RunJobs(const std::vector<ArtJob>& jobs, const ArtInputs& inputs, int threads) {
  std::vector<std::vector<Picture>> results(jobs.size());
  std::atomic<size_t> next{0};
  auto worker = [&] {
    for (size_t i = next++; i < jobs.size(); i = next++) results[i] = jobs[i].make(inputs);
  };
  std::vector<std::thread> pool;
  for (int t = 1; t < threads; ++t) pool.emplace_back(worker);
  worker();
  for (std::thread& t : pool) t.join();
  return results;
}

bool WriteFile(const std::filesystem::path& path, const std::vector<uint8_t>& bytes) {
  std::error_code ec;
  std::filesystem::create_directories(path.parent_path(), ec);
  return WriteFileBytes(path, bytes);
}

// The name a world file or resource script uses for the picture.
std::string ListedName(const Picture& p) {
  if (p.path.rfind("archive/", 0) == 0) {
    std::string name = p.path.substr(8);
    for (char& c : name)
      if (c == '/') c = '\\';
    return name;
  }
  return p.path;
}

std::vector<uint8_t> Manifest(const std::vector<Picture>& pictures) {
  std::string text =
      "# Pictures made by gen_textures. Archive members are named as the object files write them;\n"
      "# resources/ files are the numbered resources and Windows pictures.\n"
      "# name\twidth x height\tbytes\tuse\n";
  for (const Picture& p : pictures)
    text += ListedName(p) + "\t" + std::to_string(p.width) + "x" + std::to_string(p.height) + "\t" +
            std::to_string(p.bytes.size()) + "\t" + p.use + "\n";
  return std::vector<uint8_t>(text.begin(), text.end());
}

}  // namespace

int main(int argc, char** argv) {
  Options options;
  if (!ParseOptions(argc, argv, options)) {
    std::fprintf(stderr,
                 "usage: gen_textures --out CONTENT_DIR --fonts FONT_DIR [--preview DIR] [--threads N] "
                 "[--stamp FILE]\n");
    return 2;
  }
  ArtInputs inputs{options.fonts};
  std::vector<ArtJob> jobs = AllJobs();
  std::vector<std::vector<Picture>> results = RunJobs(jobs, inputs, options.threads);
  std::vector<Picture> pictures;
  int failures = 0;
  for (size_t i = 0; i < jobs.size(); ++i) {
    if (results[i].empty()) {
      std::fprintf(stderr, "gen_textures: %s made nothing (missing font?)\n", jobs[i].name.c_str());
      ++failures;
    }
    for (Picture& p : results[i]) pictures.push_back(std::move(p));
  }
  const std::filesystem::path out(options.out);
  for (const Picture& p : pictures)
    if (p.bytes.empty() || !WriteFile(out / p.path, p.bytes)) {
      std::fprintf(stderr, "gen_textures: cannot write %s\n", p.path.c_str());
      ++failures;
    }
  if (!WriteFile(out / "textures_manifest.txt", Manifest(pictures))) ++failures;
  if (!options.preview.empty() && !WritePreviews(pictures, options.preview, inputs)) ++failures;
  if (failures) return 1;
  if (!options.stamp.empty() && !WriteFile(options.stamp, {})) return 1;
  return 0;
}
