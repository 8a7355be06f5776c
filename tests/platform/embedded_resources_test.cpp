#include "platform/embedded_resources.h"

#include <gtest/gtest.h>

#include <string>

TEST(EmbeddedResources, FindsLinkedFilesByTypeAndNumberOnly) {
  EmbeddedResources resources;
  ResourceBytes hello = resources.Find(CustomDataType, 7);
  ASSERT_TRUE(hello.found);
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(hello.data), hello.size), "embedded bytes\n");
  ResourceBytes other = resources.Find("BASS", 7);
  ASSERT_TRUE(other.found);
  EXPECT_EQ(other.size, 0u);  // an empty file is still a resource
  EXPECT_FALSE(resources.Find(CustomDataType, 8).found);
  EXPECT_FALSE(resources.Find("customdata", 7).found);
}
