#include <gtest/gtest.h>

#include "BmpWriting.h"
#include "IniFixtures.h"
#include "Pictures.h"
#include "core/elements/SkinEntries.h"
#include "core/image/Bmp.h"
#include "core/elements/Colours.h"

namespace vcu {
namespace {

using test::MakeIni;

TEST(ParseColour, DigitRunsAreRedGreenBlue) {
  const Colour fallback = 0x123456;
  struct Case {
    const char* text;
    Colour expected;
  } cases[] = {
      {"255,128,0", 0x000080FF},
      {"255 128 0", 0x000080FF},
      {"12;34;56", 0x0038220C},
      {"  1, 2, 3  ", 0x00030201},
      {"10 20", 0x0000000A},       // the run open at the end is dropped: only R was completed
      {"10 20 ", 0x0000140A},      // both runs completed
      {"1 2 3 4 5", 0x00030201},   // runs after the third are ignored
      {"r=1,g=2,b=3", 0x00030201}, // any non-digit separates
      {"256 257 511", 0x00FF0100}, // low bytes
      {"18446744073709551617 0 1", 0x00010001}, // 2^64 + 1: still its low byte
      {"none", 0},                 // no digits: black
      {" ", 0},                    // not empty, so no fallback
      {"", fallback},
  };
  for (const Case& c : cases)
    EXPECT_EQ(ParseColour(c.text, fallback), c.expected) << '"' << c.text << '"';
}

TEST(ReadRGBKeys, AllThreeOrNothing) {
  const TQuickIni ini = MakeIni(
      "[P]\nActiveTextR=1\nActiveTextG=2\nActiveTextB=300\n"
      "HalfR=5\nHalfG=5\n"
      "NegR=5\nNegG=-1\nNegB=5\n");
  struct Case {
    const char* key;
    Colour expected;
  } cases[] = {{"ActiveText", 0x002C0201}, {"Half", NoColour}, {"Neg", NoColour}, {"None", NoColour}};
  for (const Case& c : cases) {
    Colour colour = NoColour;
    ReadRGBKeys(ini, "P", c.key, colour);
    EXPECT_EQ(colour, c.expected) << c.key;
  }
}

TEST(ReadColours, DefaultsAreSystemColours) {
  const TQuickIni ini = MakeIni("[Colours]\nButtonHilight=\n");
  TSkinColours colours;
  colours.ColourList = {1, 2, 3};
  ReadColours(ini, {"Colours"}, colours);
  struct Case {
    const char* name;
    Colour value;
    int systemIndex;
  } cases[] = {
      {"WindowText", colours.ColourWindowText, 8},
      {"ButtonFace", colours.ColourButtonFace, 15},
      {"Scrollbar", colours.ColourScrollbar, 0},
      {"HilightText", colours.ColourHilightText, 14},
      {"Hilight", colours.ColourHilight, 13},
      {"Menubar", colours.ColourMenubar, 15},
      {"Menu", colours.ColourMenu, 4},
      {"MenuText", colours.ColourMenuText, 7},
      {"ButtonText", colours.ColourButtonText, 18},
      {"ButtonHilight", colours.ColourButtonHilight, 20},
      {"Buttonlight", colours.ColourButtonlight, 20}, // 20 like ButtonHilight, not 3D light
      {"ButtonShadow", colours.ColourButtonShadow, 16},
      {"ButtonDkShadow", colours.ColourButtonDkShadow, 21},
      {"MenuBarText", colours.ColourMenuBarText, 7},
      {"TitleTextActive", colours.ColourTitleTextActive, 9},
      {"TitleTextNoActive", colours.ColourTitleTextNoActive, 19},
  };
  for (const Case& c : cases)
    EXPECT_EQ(c.value, static_cast<Colour>(0xFF000000u | c.systemIndex)) << c.name;
  EXPECT_TRUE(colours.ColourList.empty()); // rebuilt from scratch
  for (Colour c : colours.CustomColours) EXPECT_EQ(c, 0xFFFFFF);
  EXPECT_EQ(SystemColourValue(20), static_cast<Colour>(0xFF000014u));
}

TEST(ReadColours, SkinValuesListsAndCustomColours) {
  const TQuickIni ini = MakeIni(
      "[Colours]\nbuttonface=10 20 30\nButtonlight=1,1,1\nHilight=0 0 255\n"
      "[ColourA]\ncolor=1 2 3\n"
      "[COLOURS]\ncolor=9 9 9\n"
      "[colourB]\n"
      "[Other]\ncolor=7 7 7\n"
      "[Colour]\nColor=4 5 6\n"
      "[Customcolors]\nColor0=1 0 0\nColor9=0 0 9\nColor10=5 5 5\n");
  std::vector<std::string> sections;
  ini.ReadSections(&sections);
  TSkinColours colours;
  ReadColours(ini, sections, colours);
  EXPECT_EQ(colours.ColourButtonFace, 0x001E140A);
  EXPECT_EQ(colours.ColourMenubar, 0x001E140A); // follows the face read before it
  EXPECT_EQ(colours.ColourButtonlight, 0x00010101);
  EXPECT_EQ(colours.ColourHilight, 0x00FF0000);
  // "ColourA", "colourB" (no key: window text) and "Colour"; not "COLOURS" nor "Other".
  EXPECT_EQ(colours.ColourList,
            (std::vector<Colour>{0x00030201, SystemColourValue(8), 0x00060504}));
  EXPECT_EQ(colours.CustomColours[0], 0x00000001);
  EXPECT_EQ(colours.CustomColours[9], 0x00090000);
  for (int i = 1; i < 9; ++i) EXPECT_EQ(colours.CustomColours[i], 0xFFFFFF) << i;
}

} // namespace
} // namespace vcu
