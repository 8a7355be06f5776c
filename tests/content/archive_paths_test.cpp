// Every archive path that a text member names (textures, meshes, object
// files, scene folders) is a member of the shipped archive.
#include <gtest/gtest.h>

#include <fstream>
#include <regex>
#include <sstream>

#include "content/shipped_content.h"

namespace {

TEST(ArchivePaths, EveryNamedMemberExists) {
  // A path is a word with a backslash in it: folders\name.ext or folders\.
  const std::regex path(R"([A-Za-z0-9_]+(\\[A-Za-z0-9_.]+)*\\[A-Za-z0-9_.]*)");
  int named = 0;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(content::TextFolder())) {
    if (!entry.is_regular_file()) continue;
    std::ifstream in(entry.path());
    std::string line;
    for (int number = 1; std::getline(in, line); ++number) {
      for (std::sregex_iterator m(line.begin(), line.end(), path), end; m != end; ++m) {
        ++named;
        EXPECT_TRUE(content::MemberExists(m->str()))
            << entry.path().filename() << ":" << number << " names " << m->str();
      }
    }
  }
  EXPECT_GT(named, 150);  // the scan did see the files' paths
}

}  // namespace
