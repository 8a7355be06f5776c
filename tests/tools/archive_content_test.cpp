// The archive the build packs: every generated file and every text member
// is in it under its archive path, and every member extracts whole.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>

#include "assets/archive/archive_reader.h"

namespace fs = std::filesystem;

namespace {

std::set<std::string> MemberPathsUnder(const fs::path& root) {
  std::set<std::string> paths;
  if (!fs::exists(root)) return paths;
  for (const auto& entry : fs::recursive_directory_iterator(root)) {
    std::string name = fs::relative(entry.path(), root).generic_string();
    for (char& c : name) c = c == '/' ? '\\' : c;
    paths.insert(name);
  }
  return paths;
}

TEST(BuiltArchive, HoldsEveryContentFileAndExtractsEveryMember) {
  std::ifstream in(QV_CONTENT_DIR "/quorvan3d.rar", std::ios::binary);
  std::vector<uint8_t> bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  ASSERT_FALSE(bytes.empty());
  ArchiveView view{bytes.data(), uint32_t(bytes.size()), 0};
  std::set<std::string> members;
  int bad = 0;
  DiscardedDiagnostics diagnostics;
  ASSERT_EQ(ArchiveStatus::Ok, ListArchiveMembers(view, diagnostics, [&](const ArchiveEntry& entry, bool dataOk) {
    members.insert(entry.name);
    if (!dataOk || entry.headerBroken) ++bad;
  }));
  EXPECT_EQ(bad, 0);
  std::set<std::string> expected = MemberPathsUnder(QV_CONTENT_DIR "/archive");
  std::set<std::string> text = MemberPathsUnder(QV_SOURCE_ARCHIVE_DIR);
  expected.insert(text.begin(), text.end());
  for (const std::string& path : expected) EXPECT_TRUE(members.count(path)) << path;
  EXPECT_EQ(members.size(), expected.size());
  for (const char* essential : {"c.jpg", "music.ogg", "meshes\\env.dat", "meshes\\sphere.dat",
                                "textures\\particle.jpg", "textures\\void.jpg"})
    EXPECT_TRUE(members.count(essential)) << essential;
}

}  // namespace
