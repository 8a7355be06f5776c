#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "assets/archive/archive_crc.h"
#include "base/resource_stream.h"
#include "assets/archive_test_support.h"
#include "support/fake_resources.h"

using namespace archive_test;

namespace {

const std::string FailureLine(const std::string& name) {
  return "Error - couldn't extract >" + name + "< and allocated 0 Bytes of unused memory!";
}

Bytes SampleArchive(bool compress) {
  ArchiveWriter writer;
  writer.AddDirectory("textures");
  Bytes star = TextLike(3000, 1);
  if (compress)
    writer.AddCompressed("textures\\S_stars.jpg", star, rar20::CompressRar20(star.data(), star.size()));
  else
    writer.AddStored("textures\\S_stars.jpg", star);
  writer.AddStored("env.txt", Bytes{'e', 'n', 'v', '\n'});
  return writer.Finish();
}

// Offset of the first file header (after marker and main header).
constexpr size_t FirstBlock = 7 + 13;

TEST(ArchiveReader, CrcOfAbc) {
  const uint8_t abc[] = {'a', 'b', 'c'};
  EXPECT_EQ(Crc32().Of(abc, 3), 0x352441C2u);
}

// The sliced register against one byte at a time, at every start alignment,
// odd and even lengths around the 8-byte step, and split updates.
TEST(ArchiveReader, SlicedCrcMatchesByteWiseRegister) {
  uint32_t table[256];
  for (uint32_t i = 0; i < 256; i++) {
    uint32_t c = i;
    for (int bit = 0; bit < 8; bit++) c = (c & 1) ? (c >> 1) ^ 0xEDB88320u : c >> 1;
    table[i] = c;
  }
  auto byteWise = [&](const uint8_t* p, size_t n) {
    uint32_t crc = 0xFFFFFFFFu;
    for (size_t i = 0; i < n; i++) crc = table[(crc ^ p[i]) & 0xFF] ^ (crc >> 8);
    return ~crc;
  };
  Bytes data = TextLike(300, 7);
  for (size_t i = 0; i < data.size(); i++) data[i] = uint8_t(data[i] * 131 + i);
  Crc32 crc;
  for (size_t start = 0; start < 8; start++) {
    for (size_t length : {size_t(0), size_t(1), size_t(7), size_t(8), size_t(9), size_t(15), size_t(17),
                          size_t(63), size_t(255), size_t(291)}) {
      const uint8_t* p = data.data() + start;
      EXPECT_EQ(crc.Of(p, length), byteWise(p, length)) << start << " " << length;
      size_t half = length / 2 + 1 > length ? length : length / 2 + 1;
      uint32_t split = ~crc.Update(crc.Update(0xFFFFFFFFu, p, half), p + half, length - half);
      EXPECT_EQ(split, byteWise(p, length)) << start << " " << length << " split";
    }
  }
}

TEST(ArchiveReader, NamesMatchAcrossCaseAndSeparatorsOnly) {
  Bytes archive = SampleArchive(false);
  Bytes star = TextLike(3000, 1);
  for (const char* name : {"textures/s_stars.JPG", "TEXTURES\\S_STARS.JPG", "textures_s_stars.jpg"}) {
    Extracted e = Extract(archive, name);
    EXPECT_TRUE(e.ok) << name;
    EXPECT_TRUE(e.bytes == star) << name;
  }
  DiagnosticCapture log;
  for (const char* name : {"textures/s_stars.jpe", "textures//s_stars.jpg", "s_stars.jpg", ""}) {
    EXPECT_EQ(ArchiveStatus::NotFound, Extract(archive, name, log).status) << name;
    EXPECT_EQ(log.lines.back(), FailureLine(name));
  }
}

TEST(ArchiveReader, CompressedMembersExtractLikeStoredOnes) {
  Bytes archive = SampleArchive(true);
  Extracted e = Extract(archive, "textures\\s_stars.jpg");
  ASSERT_TRUE(e.ok);
  EXPECT_TRUE(e.bytes == TextLike(3000, 1));
  EXPECT_TRUE(Extract(archive, "env.txt").ok);
}

TEST(ArchiveReader, DirectoryEntryExtractsEmpty) {
  DiagnosticCapture log;
  Extracted e = Extract(SampleArchive(false), "Textures", log);
  EXPECT_TRUE(e.ok);
  EXPECT_TRUE(e.bytes.empty());
  EXPECT_EQ(log.lines.back(), "Extracted 0 Bytes.");
}

TEST(ArchiveReader, MissingMemberFailsWithTheFailureLine) {
  DiagnosticCapture log;
  EXPECT_EQ(ArchiveStatus::NotFound, Extract(SampleArchive(false), "meshes\\env.dat", log).status);
  ASSERT_EQ(log.lines.size(), 2u);
  EXPECT_EQ(log.lines[0].rfind("Extracting >meshes\\env.dat< from >", 0), 0u);
  EXPECT_NE(log.lines[0].find("(password is ><)..."), std::string::npos);
  EXPECT_EQ(log.lines[1], FailureLine("meshes\\env.dat"));
}

TEST(ArchiveReader, MarkersDecideWhatIsAnArchive) {
  DiagnosticCapture log;
  EXPECT_EQ(ArchiveStatus::NotAnArchive, Extract({}, "env.txt", log).status);
  EXPECT_TRUE(log.Has("Not a RAR file"));

  Bytes archive = SampleArchive(false);
  Bytes old = archive;
  old[1] = 0x45, old[2] = 0x7E, old[3] = 0x5E;
  log.lines.clear();
  EXPECT_FALSE(Extract(old, "env.txt", log).ok);
  EXPECT_EQ(log.lines[1], "Attention: format as OLD detected! Can't handel archive!");
  EXPECT_EQ(log.lines[2], "Not a RAR file");

  Bytes unknown = archive;
  unknown[0] = 'X';
  log.lines.clear();
  EXPECT_FALSE(Extract(unknown, "env.txt", log).ok);
  EXPECT_EQ(log.lines[1],
            "unknown archive type (only plain RAR supported (normal and solid archives), SFX "
            "and Volumes are NOT supported!)");

  Bytes vexora = archive;
  std::copy_n("Vexora!", 7, vexora.begin());
  EXPECT_TRUE(Extract(vexora, "env.txt", log).ok);
  // A marker without its main header is no archive either.
  EXPECT_FALSE(Extract(Bytes(archive.begin(), archive.begin() + 12), "env.txt").ok);
}

TEST(ArchiveReader, BrokenHeaderIsReportedButStillExtracts) {
  Bytes archive = SampleArchive(false);
  archive[FirstBlock] ^= 0x5A;  // the directory entry's header CRC
  DiagnosticCapture log;
  EXPECT_TRUE(Extract(archive, "env.txt", log).ok);
  EXPECT_TRUE(log.Has("file header broken"));
}

TEST(ArchiveReader, AlteredDataFailsItsCrc) {
  for (bool compress : {false, true}) {
    Bytes archive = SampleArchive(compress);
    archive[archive.size() - 7 - 40 - 4 - 100] ^= 1;  // inside the star member's data
    DiagnosticCapture log;
    Extracted e = Extract(archive, "textures\\s_stars.jpg", log);
    EXPECT_FALSE(e.ok);
    EXPECT_TRUE(e.bytes.empty());
    EXPECT_TRUE(log.Has("CRC32 error - file couldn't be decompressed correctly!") ||
                log.Has("Packed data ends before the member is complete!"));
    EXPECT_TRUE(Extract(archive, "env.txt", log).ok);
  }
}

TEST(ArchiveReader, PackedSizePastTheEndDeliversNothing) {
  Bytes archive = OneMemberArchive("a.txt", TextLike(500, 2), false);
  archive.erase(archive.end() - 7 - 10, archive.end());  // no end block, data cut short
  DiagnosticCapture log;
  EXPECT_EQ(ArchiveStatus::ImpossibleSize, Extract(archive, "a.txt", log).status);
  EXPECT_TRUE(log.Has("Packed size of 500 bytes goes past the end of the archive!"));
}

TEST(ArchiveReader, UnsupportedVersionsAndSubBlocksFail) {
  Bytes archive = OneMemberArchive("a.txt", TextLike(500, 2), false);
  Bytes version = archive;
  version[FirstBlock + 24] = 29;
  DiagnosticCapture log;
  EXPECT_EQ(ArchiveStatus::UnsupportedVersion, Extract(version, "a.txt", log).status);
  EXPECT_TRUE(log.Has("unknown compression method"));
  Bytes sub = archive;
  sub[FirstBlock + 2] = 0x77;
  EXPECT_EQ(ArchiveStatus::SubBlock, Extract(sub, "a.txt", log).status);
  EXPECT_TRUE(log.Has("Sorry, sub-headers not supported."));
}

TEST(ArchiveReader, OtherBlockTypesAreSkipped) {
  Bytes archive = SampleArchive(false);
  // A comment-like block of type 0x75 with 5 bytes of data before the entries.
  Bytes block = {0, 0, 0x75, 0x00, 0x80, 32, 0, 5, 0, 0, 0};
  block.resize(32 + 5, 0xEE);
  archive.insert(archive.begin() + FirstBlock, block.begin(), block.end());
  EXPECT_TRUE(Extract(archive, "env.txt").ok);
}

TEST(ArchiveReader, SolidArchiveDecodesEarlierMembersIntoTheWindow) {
  std::vector<Bytes> members = {TextLike(40000, 3), TextLike(30000, 3), BinaryLike(20000, 4)};
  rar20::Encoder encoder;
  for (const Bytes& m : members) {
    encoder.BeginMember();
    encoder.AddData(m.data(), m.size());
  }
  std::vector<Bytes> streams = encoder.Finish();
  ArchiveWriter writer(true);
  writer.AddCompressed("one", members[0], streams[0]);
  writer.AddStored("between", {'s'});
  writer.AddCompressed("two", members[1], streams[1], true);
  writer.AddCompressed("three", members[2], streams[2], true);
  Bytes archive = writer.Finish();
  EXPECT_TRUE(Extract(archive, "three").bytes == members[2]);
  EXPECT_TRUE(Extract(archive, "two").bytes == members[1]);
  EXPECT_TRUE(Extract(archive, "between").ok);
  // Without the solid flag the earlier members are not decoded.
  archive[7 + 3] = 0;
  DiagnosticCapture log;
  EXPECT_FALSE(Extract(archive, "two", log).ok);
  EXPECT_TRUE(log.Has("Solid member can't continue the stream before it!"));
}

TEST(ArchiveReader, ListingVisitsEveryEntryWithItsOutcome) {
  Bytes archive = SampleArchive(true);
  archive[archive.size() - 7 - 2] ^= 0xFF;  // env.txt's data
  ArchiveView view{archive.data(), uint32_t(archive.size()), 0};
  std::vector<std::string> seen;
  EXPECT_EQ(ArchiveStatus::Ok, ListArchiveMembers(view, Unread(), [&](const ArchiveEntry& e, bool ok) {
    seen.push_back(std::string(e.name) + (ok ? " ok" : " bad") + " " +
                   std::to_string(e.header.method));
  }));
  EXPECT_EQ(seen, (std::vector<std::string>{"textures ok 48", "textures\\S_stars.jpg ok 51",
                                             "env.txt bad 48"}));
  ArchiveView empty{};
  EXPECT_EQ(ArchiveStatus::NotAnArchive, ListArchiveMembers(empty, Unread(), [](const ArchiveEntry&, bool) {}));
}

TEST(ArchiveReader, StreamsOfTheSameMemberAreIndependent) {
  FakeResources resources;
  resources.SetArchive(SampleArchive(true));
  ResourceStream a, b;
  ASSERT_TRUE(resources.resources().OpenArchiveMember("Textures/S_Stars.JPG", a));
  ASSERT_TRUE(resources.resources().OpenArchiveMember("textures\\s_stars.jpg", b));
  EXPECT_NE(a.data(), b.data());
  ASSERT_EQ(a.size(), 3000u);
  a.Close();
  EXPECT_TRUE(Bytes(b.data(), b.data() + b.size()) == TextLike(3000, 1));
  ResourceStream missing;
  EXPECT_FALSE(resources.resources().OpenArchiveMember("nothing", missing));
  EXPECT_EQ(missing.data(), nullptr);
}

TEST(ArchiveReader, DiagnosticLogHasBannerAndTimedEntries) {
  const char* dir = std::getenv("QV_TEST_TMP");
  std::string path = std::string(dir ? dir : ".") + "/archive_log_test.txt";
  std::remove(path.c_str());
  ArchiveLogFile file(path);
  Extract(SampleArchive(false), "nothing", file);
  std::ifstream in(path);
  std::stringstream text;
  text << in.rdbuf();
  std::string log = text.str();
  EXPECT_NE(log.find("(executable compiled on "), std::string::npos);
  EXPECT_NE(log.find(" at "), std::string::npos);
  EXPECT_NE(log.find("\n\n "), std::string::npos);
  size_t entry = log.find(" ms (line ");
  ASSERT_NE(entry, std::string::npos);
  EXPECT_NE(log.find(" in archive_reader.cpp):\n              - Extracting >nothing< from >"),
            std::string::npos);
  EXPECT_NE(log.find("              - " + FailureLine("nothing") + "\n"), std::string::npos);
}

}  // namespace
