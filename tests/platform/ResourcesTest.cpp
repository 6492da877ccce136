#include "platform/sys/Module.h"
#include "platform/sys/Resources.h"

#include <gtest/gtest.h>

#include <string>

namespace pw::sys {
namespace {

TEST(Resources, FindsBothFormStreams) {
  for (const char* name : {"TFORM1", "TFORM3"}) {
    const auto bytes = FindResource(name, ResourceType::RcData);
    ASSERT_TRUE(bytes.has_value()) << name;
    ASSERT_GE(bytes->size(), 4u) << name;
    EXPECT_EQ(std::string(bytes->begin(), bytes->begin() + 4), "TPF0") << name;
  }
}

TEST(Resources, StreamsAreDistinct) {
  const auto form1 = FindResource("TFORM1", ResourceType::RcData);
  const auto form3 = FindResource("TFORM3", ResourceType::RcData);
  ASSERT_TRUE(form1 && form3);
  EXPECT_NE(form1->data(), form3->data());
  EXPECT_NE(form1->size(), form3->size());
}

TEST(Resources, NamesIgnoreLetterCase) {
  const auto upper = FindResource("TFORM1", ResourceType::RcData);
  ASSERT_TRUE(upper.has_value());
  for (const char* name : {"tform1", "TForm1", "tFoRm1"}) {
    const auto other = FindResource(name, ResourceType::RcData);
    ASSERT_TRUE(other.has_value()) << name;
    EXPECT_EQ(other->data(), upper->data()) << name;
    EXPECT_EQ(other->size(), upper->size()) << name;
  }
  const auto form3 = FindResource("tform3", ResourceType::RcData);
  ASSERT_TRUE(form3.has_value());
  EXPECT_EQ(form3->data(), FindResource("TFORM3", ResourceType::RcData)->data());
}

TEST(Resources, AbsentNamesAreNotFound) {
  for (const char* name : {"TFORM2", "", "TFORM", "TFORM1 ", " TFORM1", "TFORM10"})
    EXPECT_FALSE(FindResource(name, ResourceType::RcData).has_value()) << '"' << name << '"';
}

TEST(Resources, TheProgramIconHoldsItsThreeSizes) {
  const auto icon = FindResource("MAINICON", ResourceType::GroupIcon);
  ASSERT_TRUE(icon.has_value());
  const auto& bytes = *icon;
  ASSERT_GE(bytes.size(), 6u + 3 * 16);
  EXPECT_EQ(bytes[2], 1);  // an icon
  ASSERT_EQ(bytes[4], 3);  // images
  const int sides[] = {16, 32, 48};
  for (int i = 0; i < 3; ++i) {
    const std::size_t entry = 6 + 16 * i;
    EXPECT_EQ(bytes[entry], sides[i]) << i;
    EXPECT_EQ(bytes[entry + 1], sides[i]) << i;
    // The image is a PNG within the resource.
    const std::size_t size = bytes[entry + 8] | bytes[entry + 9] << 8 | bytes[entry + 10] << 16;
    const std::size_t offset = bytes[entry + 12] | bytes[entry + 13] << 8 | bytes[entry + 14] << 16;
    ASSERT_LE(offset + size, bytes.size()) << i;
    EXPECT_EQ(std::string(bytes.begin() + offset + 1, bytes.begin() + offset + 4), "PNG") << i;
  }
}

TEST(Resources, TypeMustMatch) {
  EXPECT_FALSE(FindResource("TFORM1", static_cast<ResourceType>(6)).has_value());
  EXPECT_FALSE(FindResource("TFORM3", static_cast<ResourceType>(3)).has_value());
}

}  // namespace
}  // namespace pw::sys

namespace pw::sys {
namespace {

TEST(Module, FileNameIsTheRunningExecutable) {
  const std::string path = ModuleFileName();
  ASSERT_FALSE(path.empty());
  EXPECT_EQ(path.front(), '/');
  EXPECT_NE(path.find("test_platform"), std::string::npos) << path;
}

}  // namespace
}  // namespace pw::sys
