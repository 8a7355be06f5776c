#include "assets/picture_queue.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "assets/archive/archive_writer.h"
#include "support/fake_resources.h"
#include "tools/common/jpeg_writer.h"

namespace {

// A picture of its own for each n, so a mix-up shows in the pixels.
std::vector<uint8_t> Picture(int n) {
  const int width = 16 + 8 * (n % 4), height = 8 + 8 * (n % 3);
  std::vector<uint8_t> rgb(size_t(width) * height * 3);
  for (size_t i = 0; i < rgb.size(); ++i) rgb[i] = uint8_t(i * (n + 3) + n * 40);
  return EncodeJpeg(width, height, rgb, 90);
}

std::string Name(int n) { return "textures\\p" + std::to_string(n) + ".jpg"; }

// An archive of count pictures named Name(0)..., plus "textures\\cut.jpg",
// a picture cut to its first bytes.
class PictureQueueTest : public ::testing::Test {
 protected:
  void Build(int count) {
    ArchiveWriter writer;
    for (int n = 0; n < count; ++n) {
      pictures.push_back(Picture(n));
      writer.AddStored(Name(n), pictures.back());
    }
    writer.AddStored("textures\\cut.jpg", std::vector<uint8_t>(pictures[0].begin(), pictures[0].begin() + 40));
    source.SetArchive(writer.Finish());
  }

  // What the queue gives for n matches a decode on this thread.
  void ExpectTaken(PictureQueue& queue, int n) {
    DecodedImage taken, direct;
    ImageStatus status = ImageStatus::Missing;
    ASSERT_TRUE(queue.Take(Name(n), taken, status)) << Name(n);
    ASSERT_EQ(status, ImageStatus::Ok);
    ASSERT_EQ(DecodeJpeg(pictures[n].data(), pictures[n].size(), direct), ImageStatus::Ok);
    EXPECT_EQ(taken.width, direct.width);
    EXPECT_EQ(taken.height, direct.height);
    EXPECT_EQ(taken.pixels, direct.pixels) << Name(n);
  }

  FakeResources source;
  std::vector<std::vector<uint8_t>> pictures;
};

TEST_F(PictureQueueTest, GivesEveryPictureAsDecodedHereWhateverTheWorkers) {
  Build(20);  // more than are decoded ahead
  for (int workers : {1, 3}) {
    PictureQueue queue(source.resources(), workers);
    for (int n = 0; n < 20; ++n) queue.Expect(Name(n));
    for (int n = 0; n < 20; ++n) ExpectTaken(queue, n);
  }
}

TEST_F(PictureQueueTest, FindsThePicturesATextNamesInOrderAndOnce) {
  Build(4);
  std::string text =
      "begin ship\n\tmap1 textures\\p0.jpg\r\n\tmap2 textures\\p1.JPG\n"
      "\ttexture textures\\p0.jpg\nend\ngeometry meshes\\ship.dat\n.jpg x.jpgz\ttextures\\p2.jpg";
  PictureQueue queue(source.resources(), 1);
  queue.ExpectNamedIn(reinterpret_cast<const uint8_t*>(text.data()), text.size());
  // The file's case is kept: the texture cache knows paths as written.
  DecodedImage image;
  ImageStatus status;
  ASSERT_TRUE(queue.Take("textures\\p1.JPG", image, status));
  EXPECT_EQ(status, ImageStatus::Ok);
  EXPECT_FALSE(queue.Take("textures\\p0.jpg", image, status)) << "passed over, and named twice but queued once";
  ExpectTaken(queue, 2);
  EXPECT_FALSE(queue.Take("meshes\\ship.dat", image, status));
  EXPECT_FALSE(queue.Take(".jpg", image, status)) << "a bare suffix names no picture";
}

TEST_F(PictureQueueTest, PassesOverPicturesTheLoadingSkips) {
  Build(12);
  PictureQueue queue(source.resources(), 2);
  for (int n = 0; n < 12; ++n) queue.Expect(Name(n));
  // Taking the last frees the places of the ten before it, which were
  // never taken: no wait on a full queue.
  ExpectTaken(queue, 11);
  DecodedImage image;
  ImageStatus status;
  EXPECT_FALSE(queue.Take(Name(3), image, status));
  EXPECT_FALSE(queue.Take(Name(11), image, status)) << "taken once";
  EXPECT_FALSE(queue.Take(Name(20), image, status)) << "never expected";
}

TEST_F(PictureQueueTest, GivesTheFailuresLoadJpegGives) {
  Build(1);
  PictureQueue queue(source.resources(), 1);
  queue.Expect("textures\\absent.jpg");
  queue.Expect("textures\\cut.jpg");
  DecodedImage image, direct;
  image.width = 7;
  ImageStatus status = ImageStatus::Ok;
  ASSERT_TRUE(queue.Take("textures\\absent.jpg", image, status));
  EXPECT_EQ(status, LoadJpeg(source.resources(), "textures\\absent.jpg", direct, false, 0));
  ASSERT_TRUE(queue.Take("textures\\cut.jpg", image, status));
  EXPECT_EQ(status, LoadJpeg(source.resources(), "textures\\cut.jpg", direct, false, 0));
  EXPECT_NE(status, ImageStatus::Ok);
  EXPECT_EQ(image.width, 7) << "a failed picture leaves the image untouched";
}

TEST_F(PictureQueueTest, StopsWithPicturesStillWaiting) {
  Build(16);
  PictureQueue queue(source.resources(), 2);
  for (int n = 0; n < 16; ++n) queue.Expect(Name(n));
  ExpectTaken(queue, 0);
}  // the destructor joins workers that are decoding or waiting for room

}  // namespace
