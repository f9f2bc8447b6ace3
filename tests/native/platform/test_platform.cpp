#include "core/platform/Platform.h"

#include <gtest/gtest.h>

#include "TestPlatform.h"

namespace vcu {
namespace {

TEST(Platform, ClassicValuesUntilAnotherIsSet) {
  EXPECT_EQ(Platform().SystemColour(15), 0xC8D0D4u); // button face
  EXPECT_EQ(Platform().SystemColour(31), 0u);        // past the table
  EXPECT_EQ(Platform().SystemColour(-1), 0u);
  EXPECT_EQ(Platform().SystemMetric(21), 16);        // horizontal scroll arrow width
  EXPECT_EQ(Platform().SystemMetric(9999), 0);

  {
    const test::ScopedPlatform chosen({{15, 0x123456}}, {{21, 7}});
    EXPECT_EQ(Platform().SystemColour(15), 0x123456u);
    EXPECT_EQ(Platform().SystemMetric(21), 7);
  }
  EXPECT_EQ(Platform().SystemColour(15), 0xC8D0D4u); // the classic one again
}

} // namespace
} // namespace vcu
