#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "assets/archive/rar20_encoder.h"
#include "assets/archive_test_support.h"
#include "tools/qvtool/commands.h"

using namespace archive_test;
namespace fs = std::filesystem;

namespace {

// A fresh folder of the running test's own, since ctest runs tests side by side.
fs::path TestFolder(const std::string& name) {
  const char* tmp = std::getenv("QV_TEST_TMP");
  std::string test = testing::UnitTest::GetInstance()->current_test_info()->name();
  fs::path dir = fs::path(tmp ? tmp : fs::temp_directory_path().string()) / test / name;
  fs::remove_all(dir);
  fs::create_directories(dir);
  return dir;
}

void WriteFile(const fs::path& path, const Bytes& bytes) {
  fs::create_directories(path.parent_path());
  std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
                                              std::streamsize(bytes.size()));
}

fs::path SampleTree() {
  fs::path root = TestFolder("pack_tree") / "in";
  WriteFile(root / "worlds.txt", TextLike(2000, 1));
  WriteFile(root / "meshes" / "env.dat", BinaryLike(30000, 2));
  WriteFile(root / "Textures" / "S_stars.jpg", RandomBytes(5000, 3));
  WriteFile(root / "empty.txt", {});
  fs::create_directories(root / "scenes" / "green");
  return root;
}

struct Listed {
  std::string name;
  archive::BlockHeader header;
  bool ok, broken;
};

std::vector<Listed> ListAll(const Bytes& archive) {
  ArchiveView view{archive.data(), uint32_t(archive.size()), 0};
  std::vector<Listed> out;
  ListArchiveMembers(view, Unread(), [&](const ArchiveEntry& e, bool ok) {
    out.push_back({e.name, e.header, ok, e.headerBroken});
  });
  return out;
}

TEST(ArchiveWriter, PacksAFolderTreeSortedWithDirectoryEntries) {
  Bytes archive;
  std::string error;
  ASSERT_TRUE(PackFolder(SampleTree(), {}, &archive, &error)) << error;
  std::vector<Listed> entries = ListAll(archive);
  std::vector<std::string> names;
  for (const Listed& e : entries) {
    names.push_back(e.name);
    EXPECT_TRUE(e.ok) << e.name;
    EXPECT_FALSE(e.broken) << e.name;
    EXPECT_EQ(e.header.method, 0x30);
    EXPECT_EQ(e.header.unpackVersion, 20);
  }
  EXPECT_EQ(names, (std::vector<std::string>{"Textures", "Textures\\S_stars.jpg", "empty.txt",
                                             "meshes", "meshes\\env.dat", "scenes",
                                             "scenes\\green", "worlds.txt"}));
  const Listed& dir = entries[3];
  EXPECT_EQ(dir.header.attributes, 0x10u);
  EXPECT_EQ(dir.header.flags, 0x80E0);
  EXPECT_EQ(dir.header.unpackedSize, 0u);
  EXPECT_EQ(dir.header.dataCrc, 0u);
  EXPECT_EQ(entries[4].header.flags, 0x8000);
  // The end block closes the archive.
  Bytes end(archive.end() - 7, archive.end());
  EXPECT_EQ(end[2], 0x7B);
  EXPECT_EQ(end[5], 7);
  EXPECT_TRUE(Extract(archive, "meshes/ENV.DAT").bytes == BinaryLike(30000, 2));
}

TEST(ArchiveWriter, OutputIsTheSameEveryRun) {
  fs::path tree = SampleTree();
  Bytes first, second;
  std::string error;
  ASSERT_TRUE(PackFolder(tree, {true}, &first, &error));
  fs::last_write_time(tree / "worlds.txt", fs::file_time_type::clock::now());
  ASSERT_TRUE(PackFolder(tree, {true}, &second, &error));
  EXPECT_TRUE(first == second);
}

TEST(ArchiveWriter, CompressionKeepsEveryMemberReadable) {
  Bytes archive;
  std::string error;
  ASSERT_TRUE(PackFolder(SampleTree(), {true}, &archive, &error));
  std::vector<Listed> entries = ListAll(archive);
  for (const Listed& e : entries) EXPECT_TRUE(e.ok) << e.name;
  EXPECT_EQ(entries[7].header.method, 0x33);  // text shrinks
  EXPECT_EQ(entries[1].header.method, 0x30);  // random bytes stay stored
  EXPECT_TRUE(Extract(archive, "worlds.txt").bytes == TextLike(2000, 1));
}

TEST(ArchiveWriter, AMemberThatShrinksByLessThanASixteenthStaysStored) {
  fs::path root = TestFolder("pack_almost") / "in";
  Bytes almost = RandomBytes(5000, 4);
  almost.resize(5200, 0);  // a picture's padding: a little to gain
  WriteFile(root / "almost.jpg", almost);
  ASSERT_LT(rar20::CompressRar20(almost.data(), almost.size()).size(), almost.size());
  Bytes archive;
  std::string error;
  ASSERT_TRUE(PackFolder(root, {true}, &archive, &error)) << error;
  std::vector<Listed> entries = ListAll(archive);
  ASSERT_EQ(entries.size(), 1u);
  EXPECT_EQ(entries[0].header.method, 0x30);
  EXPECT_TRUE(Extract(archive, "almost.jpg").bytes == almost);
}

TEST(ArchiveWriter, RefusesWhatTheFormatCannotHold) {
  Bytes archive;
  std::string error;
  EXPECT_FALSE(PackFolder(TestFolder("pack_none") / "missing", {}, &archive, &error));
  EXPECT_NE(error.find("not a folder"), std::string::npos);
  fs::path root = TestFolder("pack_long");
  WriteFile(root / std::string(200, 'a') / std::string(100, 'b'), {1});
  EXPECT_FALSE(PackFolder(root, {}, &archive, &error));
  EXPECT_NE(error.find("longer than 259"), std::string::npos);
}

TEST(ArchiveCommand, PacksListsAndExtracts) {
  fs::path tree = SampleTree();
  fs::path out = tree.parent_path();
  std::string archive = (out / "a.rar").string(), member = (out / "env.dat").string();
  std::string treeText = tree.string();
  auto run = [](std::vector<std::string> args) {
    std::vector<char*> argv;
    for (std::string& a : args) argv.push_back(a.data());
    return RunArchive(int(argv.size()), argv.data());
  };
  EXPECT_EQ(run({"archive", "pack", treeText, "-o", archive, "--compress"}), 0);
  testing::internal::CaptureStdout();
  EXPECT_EQ(run({"archive", "list", archive}), 0);
  std::string listing = testing::internal::GetCapturedStdout();
  EXPECT_NE(listing.find("meshes\\env.dat\t30000\t"), std::string::npos);
  EXPECT_NE(listing.find("meshes\t0\t0\t0x30\tok\n"), std::string::npos);
  EXPECT_EQ(run({"archive", "extract", archive, "Meshes/env.dat", "-o", member}), 0);
  std::ifstream in(member, std::ios::binary);
  EXPECT_TRUE(Bytes(std::istreambuf_iterator<char>(in), {}) == BinaryLike(30000, 2));
  testing::internal::CaptureStderr();
  EXPECT_EQ(run({"archive", "extract", archive, "meshes/none.dat", "-o", member}), 1);
  EXPECT_NE(testing::internal::GetCapturedStderr().find("meshes/none.dat"), std::string::npos);
  testing::internal::CaptureStderr();
  EXPECT_NE(run({"archive", "list"}), 0);  // no archive built in here
  EXPECT_NE(testing::internal::GetCapturedStderr().find("no archive is built in"), std::string::npos);
}

}  // namespace
