// The Windows platform layer of the portable core: once it is in force, the core's system
// colours and metrics are the running system's, looked up by the documented indices
// (COLOR_INFOBK 24, SM_CXHSCROLL 21), and follow the system when its settings change; indices
// the system does not know answer 0, as GetSysColor and GetSystemMetrics are documented to.
// Each setting changed here is put back as it was.
#include "framework/Win32Platform.h"

#include <gtest/gtest.h>
#include <windows.h>

#include "core/image/Colour.h"

namespace vcu {
namespace {

class Win32PlatformInForce : public ::testing::Test {
protected:
  void SetUp() override {
    before_ = &Platform();
    UseWin32Platform();
  }
  void TearDown() override { SetPlatform(before_); }
  const PlatformInfo* before_ = nullptr;
};

TEST_F(Win32PlatformInForce, SystemColoursFollowTheSystemSettings) {
  const int element = COLOR_INFOBK;
  const COLORREF saved = GetSysColor(element);
  for (COLORREF set : {RGB(1, 2, 3), RGB(250, 128, 7)}) {
    ASSERT_TRUE(SetSysColors(1, &element, &set));
    EXPECT_EQ(Platform().SystemColour(24), set);
    // A skin's system colour value: 0xFF000000 plus the index.
    EXPECT_EQ(ResolveColour(static_cast<Colour>(0xFF000018)), set);
  }
  SetSysColors(1, &element, &saved);
}

TEST_F(Win32PlatformInForce, ScrollArrowWidthFollowsTheSystemSettings) {
  NONCLIENTMETRICSA saved{};
  saved.cbSize = sizeof saved;
  ASSERT_TRUE(SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof saved, &saved, 0));
  for (int size : {23, 46}) {
    NONCLIENTMETRICSA metrics = saved;
    metrics.iScrollWidth = metrics.iScrollHeight = size; // square arrows of that size
    ASSERT_TRUE(SystemParametersInfoA(SPI_SETNONCLIENTMETRICS, sizeof metrics, &metrics, 0));
    EXPECT_EQ(Platform().SystemMetric(21), size);
  }
  SystemParametersInfoA(SPI_SETNONCLIENTMETRICS, sizeof saved, &saved, 0);
}

TEST_F(Win32PlatformInForce, UnknownIndicesAnswerZero) {
  for (int index : {31, 200, -1}) EXPECT_EQ(Platform().SystemColour(index), 0u) << index;
  EXPECT_EQ(Platform().SystemMetric(9999), 0);
}

} // namespace
} // namespace vcu
