// One meaning for a colour value across the program: the framework's ColorToRGB and the core's
// ResolveColour give the same plain colour for every value, system colours taken from the
// running system (GetSysColor), plain colours with whatever top byte they carry reduced to
// their three colour bytes.
#include <gtest/gtest.h>

#include "core/image/Colour.h"
#include "framework/Graphics.h"
#include "framework/Win32Platform.h"

namespace vcu {
namespace {

TEST(ColourValues, FrameworkAndCoreResolveAlike) {
  const PlatformInfo* before = &Platform();
  UseWin32Platform();
  // A system colour set apart from the others, so a wrong index shows.
  const int infoBk = COLOR_INFOBK;
  const COLORREF savedInfoBk = GetSysColor(infoBk), distinct = RGB(3, 141, 77);
  ASSERT_TRUE(SetSysColors(1, &infoBk, &distinct));

  struct Case {
    std::uint32_t value;
    COLORREF expected;
  };
  const Case cases[] = {
      {0x00000000, 0x000000},
      {0x00FFFFFF, 0xFFFFFF},
      {0x00123456, 0x123456},
      {0xFF000000 | COLOR_SCROLLBAR, GetSysColor(COLOR_SCROLLBAR)},
      {0xFF000000 | COLOR_WINDOW, GetSysColor(COLOR_WINDOW)},
      {0xFF000000 | COLOR_BTNFACE, GetSysColor(COLOR_BTNFACE)},
      {0xFF000000 | COLOR_BTNSHADOW, GetSysColor(COLOR_BTNSHADOW)},
      {0xFF000000 | COLOR_INFOBK, distinct},
      // Any negative value is a system colour by its low byte, whatever else it holds.
      {0x80000000 | COLOR_INFOBK, distinct},
      {0xC0ABCD00 | COLOR_BTNFACE, GetSysColor(COLOR_BTNFACE)},
      // Indices the system does not know give black.
      {0xFF0000FF, 0x000000},
      {0xFFFFFFFF, 0x000000}, // -1, "no colour" in an element's state colours
      // A positive value is plain: its top byte (GDI's palette flags) is dropped.
      {0x01FF8040, 0xFF8040},
      {0x02000080, 0x000080},
      {0x1FFFFFFF, 0xFFFFFF}, // "no colour" in title text colours
      {0x7F000018, 0x000018},
  };
  for (const Case& c : cases) {
    const auto value = static_cast<TColor>(c.value);
    EXPECT_EQ(ColorToRGB(value), c.expected) << std::hex << c.value;
    EXPECT_EQ(ResolveColour(value), c.expected) << std::hex << c.value;
  }

  SetSysColors(1, &infoBk, &savedInfoBk);
  SetPlatform(before);
}

} // namespace
} // namespace vcu
