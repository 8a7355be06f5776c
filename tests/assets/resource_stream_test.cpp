#include "base/resource_stream.h"

#include <gtest/gtest.h>

#include <string>

#include "support/fake_resources.h"

namespace {

std::string Line(ResourceStream& s, bool* more = nullptr) {
  char buffer[128];
  bool m = s.ReadLine(buffer, sizeof buffer);
  if (more) *more = m;
  return buffer;
}

TEST(ResourceStream, NumberedResourceIsBorrowedAndMissingOneFails) {
  FakeResources res;
  res.Set(135, std::string("abc"));
  ResourceStream s;
  ASSERT_TRUE(res.resources().OpenResource(135, s));
  EXPECT_EQ(s.size(), 3u);
  EXPECT_EQ(s.data(), res.Find(CustomDataType, 135).data);
  ResourceStream missing;
  EXPECT_FALSE(res.resources().OpenResource(999, missing));
  EXPECT_EQ(missing.size(), 0u);
}

TEST(ResourceStream, ReadLineSkipsSpacesDropsCarriageReturnsKeepsTabs) {
  FakeResources res;
  res.Set(1, std::string("  abc\r\na\rb\n\tkey\n\nlast"));
  ResourceStream s;
  ASSERT_TRUE(res.resources().OpenResource(1, s));
  bool more = false;
  EXPECT_EQ(Line(s, &more), "abc");
  EXPECT_TRUE(more);
  EXPECT_EQ(Line(s), "ab");
  EXPECT_EQ(Line(s), "\tkey");
  EXPECT_EQ(Line(s, &more), "");
  EXPECT_TRUE(more);
  EXPECT_EQ(Line(s, &more), "last");
  EXPECT_FALSE(more);
}

TEST(ResourceStream, LongLinesKeepTheirStartAndDropTheRest) {
  FakeResources res;
  res.Set(1, std::string(300, 'x') + "\nnext\n");
  ResourceStream s;
  ASSERT_TRUE(res.resources().OpenResource(1, s));
  EXPECT_EQ(Line(s), std::string(127, 'x'));
  EXPECT_EQ(Line(s), "next");
}

TEST(ResourceStream, EndIsNoticedOnlyAfterReadingPastTheLastByte) {
  FakeResources res;
  res.Set(1, std::string("0123456789"));
  ResourceStream s;
  ASSERT_TRUE(res.resources().OpenResource(1, s));
  char c;
  for (int i = 0; i < 10; ++i) s.Read(&c, 1);
  EXPECT_FALSE(s.AtEnd());
  c = 'q';
  s.Read(&c, 1);
  EXPECT_TRUE(s.AtEnd());
  EXPECT_EQ(c, 0);  // nothing outside the view is read
  c = 'q';
  s.ReadGuarded(&c, 1);
  EXPECT_EQ(c, 'q');
}

TEST(ResourceStream, SeekFromEndCountsBackwardsAndStopsAtTheStart) {
  FakeResources res;
  res.Set(1, std::string("0123456789"));
  ResourceStream s;
  ASSERT_TRUE(res.resources().OpenResource(1, s));
  s.Seek(4, SeekOrigin::End);
  EXPECT_EQ(s.position(), 6u);
  s.Seek(2, SeekOrigin::Current);
  EXPECT_EQ(s.position(), 8u);
  s.Seek(1, SeekOrigin::Start);
  EXPECT_EQ(s.position(), 1u);
  s.Seek(-5, SeekOrigin::Current);
  EXPECT_EQ(s.position(), 0u);
  s.Seek(20, SeekOrigin::End);
  EXPECT_EQ(s.position(), 0u);
}

TEST(ResourceStream, EmptyViewEndsTheFirstLine) {
  FakeResources res;
  ResourceStream s;
  EXPECT_FALSE(res.resources().OpenResource(5, s));
  bool more = true;
  EXPECT_EQ(Line(s, &more), "");
  EXPECT_FALSE(more);
}

}  // namespace
