#include "core/image/Colour.h"

#include <gtest/gtest.h>

#include "TestPlatform.h"
#include "core/image/Gradient.h"

namespace vcu {
namespace {

TEST(MixColours, WeightsTheFirstColourInPercentOrTenths) {
  struct Case {
    Colour first, second;
    int amount;
    Rgb expected;
  };
  const Case cases[] = {
      {0xFFFFFF, 0x000000, 50, 0x808080},  // (255*50 + 50) div 100 = 128
      {0xFFFFFF, 0x000000, 99, 0xFCFCFC},
      {0xFFFFFF, 0x000000, 100, 0x1A1A1A}, // from 100 on tenths of a percent: 10 %
      {0xFFFFFF, 0x000000, 0, 0x000000},
      {0x0000FF, 0xFF0000, 25, 0xBF0040},  // channels mixed one by one
      {0xFFFFFF, 0x000000, 1000, 0xFFFFFF},
      // Above the scale the second colour's weight is negative: the truncated quotient's
      // low byte is kept. Black weighs -500: (0*-500 + 255*1500 + 500) div 1000 = 383 -> 0x7F.
      {0xFFFFFF, 0x000000, 1500, 0x7F7F7F},
      // And a negative result: (255*-500 + 0 + 500) div 1000 = -127 -> 0x81.
      {0x000000, 0xFFFFFF, 1500, 0x818181},
  };
  for (const Case& c : cases)
    EXPECT_EQ(MixColours(c.first, c.second, c.amount), c.expected)
        << std::hex << c.first << " " << c.second << " " << std::dec << c.amount;
}

TEST(ResolveColour, NegativeIsASystemColourByItsLowByteOtherwiseTheLowThreeBytes) {
  const test::ScopedPlatform known({{5, 0x00010203}, {24, 0x00A0B0C0}}, {});
  const struct {
    std::uint32_t value;
    Rgb expected;
  } cases[] = {{0xFF000005, 0x010203}, {0x80000018, 0xA0B0C0}, {0xC0123418, 0xA0B0C0},
               {0xFFFFFFFF, 0},        {0x00ABCDEF, 0xABCDEF}, {0x01ABCDEF, 0xABCDEF},
               {0x1FFFFFFF, 0xFFFFFF}, {0x7F000005, 0x000005}};
  for (const auto& c : cases)
    EXPECT_EQ(ResolveColour(static_cast<Colour>(c.value)), c.expected) << std::hex << c.value;
}

TEST(MixColours, ResolvesSystemColoursFirst) {
  // Button face (200, 100, 50) and button shadow blue, known here.
  const test::ScopedPlatform known({{15, 0x003264C8}, {16, 0x00FF0000}}, {});
  const Colour face = static_cast<Colour>(0xFF00000F), shadow = static_cast<Colour>(0xFF000010);
  EXPECT_EQ(ResolveColour(face), 0x003264C8u);
  EXPECT_EQ(ResolveColour(0x00123456), 0x00123456u);
  // (200 * 99 + 50) div 100 = 198, (100 * 99 + 50) div 100 = 99, (50 * 99 + 50) div 100 = 50.
  EXPECT_EQ(MixColours(face, 0x000000, 99), 0x003263C6u);
  // Both sides system colours: (200 * 50 + 0 + 50) div 100 = 100, green 50, blue (50 * 50 +
  // 255 * 50 + 50) div 100 = 153.
  EXPECT_EQ(MixColours(face, shadow, 50), 0x00993264u);
}

TEST(ColourSaturation, MeasuresBrightColoursAndCallsDarkOnes200) {
  struct Case {
    Colour colour;
    int expected;
  };
  const Case cases[] = {
      {0x0000FF, 255}, // pure red
      {0x808080, 200}, // every channel below 160
      {0x9F9F9F, 200},
      {0xA0A0A0, 0},   // 160 is not below 160: grey, no saturation
      {0x000000, 200},
      {0x00A0FF, 255}, // (255 - 0) / 255
      {0x8080FF, 127}, // 127/255*255 = 127
      {0x4080FF, 191}, // 191/255*255 = 191
      {0xBEBEC8, 13},  // 255 * (200 - 190) / 200 = 12.75
      // Halves go to the even neighbour: 255 * 1 / 170 = 1.5, 255 * 3 / 170 = 4.5.
      {0xA9A9AA, 2},
      {0xA7A7AA, 4},
  };
  for (const Case& c : cases)
    EXPECT_EQ(ColourSaturation(c.colour), c.expected) << std::hex << c.colour;
}

} // namespace
} // namespace vcu
