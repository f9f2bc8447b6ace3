#include "core/platform/Platform.h"

#include <gtest/gtest.h>

namespace vcu {
namespace {

class FixedPlatform final : public PlatformInfo {
public:
  Rgb SystemColour(int) const override { return 0x123456; }
  int SystemMetric(int) const override { return 7; }
};

TEST(Platform, ClassicValuesUntilAnotherIsSet) {
  EXPECT_EQ(Platform().SystemColour(15), 0xC8D0D4u); // button face
  EXPECT_EQ(Platform().SystemColour(31), 0u);        // past the table
  EXPECT_EQ(Platform().SystemColour(-1), 0u);
  EXPECT_EQ(Platform().SystemMetric(21), 16);        // horizontal scroll arrow width
  EXPECT_EQ(Platform().SystemMetric(9999), 0);

  FixedPlatform fixed;
  SetPlatform(&fixed);
  EXPECT_EQ(Platform().SystemColour(15), 0x123456u);
  EXPECT_EQ(Platform().SystemMetric(21), 7);
  SetPlatform(nullptr);
  EXPECT_EQ(Platform().SystemColour(15), 0xC8D0D4u);
}

} // namespace
} // namespace vcu
