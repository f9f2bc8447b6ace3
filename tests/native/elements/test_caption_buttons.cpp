#include <gtest/gtest.h>

#include "BmpWriting.h"
#include "IniFixtures.h"
#include "Pictures.h"
#include "core/elements/SkinEntries.h"
#include "core/image/Bmp.h"
#include "core/elements/CaptionButtons.h"
#include "core/elements/ElementReaders.h"

namespace vcu {
namespace {

using test::CoordinateBmp;
using test::MakeIni;

// Reads the caption buttons of an INI text whose images come from `entries`.
std::vector<TDataSkinSysButton> ReadButtons(const std::string& iniText,
                                            const MemoryEntries& entries, int* mdiBase = nullptr) {
  const TQuickIni ini = MakeIni(iniText);
  std::vector<std::string> sections;
  ini.ReadSections(&sections);
  TSkinElements e;
  ElementReader reader(ini, entries, e);
  ReadCaptionButtons(reader, sections, e);
  if (mdiBase) *mdiBase = e.MdiButtonBase;
  return std::move(e.CaptionButtons);
}

TEST(CaptionButtons, FrameCountGuessedFromImageSize) {
  struct Case {
    int width, height, action;
    std::string frameKey;
    int expected;
  } cases[] = {
      {78, 21, 0, "", 3},       // 3.71 : 1
      {84, 21, 0, "", 6},       // 4.0 : 1
      {76, 20, 0, "", 3},       // exactly 3.8
      {77, 20, 0, "", 6},       // 3.85
      {78, 21, -2, "", 6},      // a negative action always 6
      {0, 0, 0, "", 6},         // no image
      {78, 21, 0, "frame=2\n", 2}, // the skin's own count stays
      {84, 21, 0, "Frame=0\n", 6},
  };
  for (const Case& c : cases) {
    MemoryEntries entries;
    std::string ini = "[ButtonX]\nAction=" + std::to_string(c.action) + "\nVisibility=0\n" + c.frameKey;
    if (c.width) {
      entries.Add("img.bmp", CoordinateBmp(c.width, c.height));
      ini += "ButtonImage=img.bmp\n";
    }
    const auto buttons = ReadButtons(ini, entries);
    ASSERT_EQ(buttons.size(), 4u);
    EXPECT_EQ(buttons[0].Frame, c.expected) << c.width << "x" << c.height << " " << c.frameKey;
  }
  EXPECT_EQ(GuessCaptionFrames(78, 21, 0), 3);
  EXPECT_EQ(GuessCaptionFrames(78, 0, 0), 6);
}

TEST(CaptionButtons, WhichSectionsAreButtons) {
  struct Case {
    const char* section;
    const char* keys;
    bool kept;
  } cases[] = {
      {"BUTTONCLOSE", "Action=-1\n", false},               // no Visibility: -1 counts as set
      {"BUTTONCLOSE", "Action=-1\nVisibility=0\n", true},
      {"BUTTONCLOSE", "Action=-1\nVisibility=3\n", false},
      {"BUTTONCLOSE", "Action=0\n", true},
      {"ButtonHelp", "", true},                            // any case
      {"buttonmin", "Action=2\n", true},
      {"Buttons", "Action=0\n", false},                    // the push-button sections
      {"BUTTON", "", false},
      {"Button.Radio", "", false},
      {"BUTTON.CHECKBOX", "", false},
      {"Button.CheckBox2", "", true},
      {"MyButton", "", false},                             // must begin with BUTTON
      {"MDICONTROLS", "", false},
  };
  for (const Case& c : cases) {
    const std::string ini = std::string("[") + c.section + "]\n" + c.keys;
    int mdiBase = -1;
    const auto buttons = ReadButtons(ini, MemoryEntries(), &mdiBase);
    EXPECT_EQ(mdiBase, c.kept ? 1 : 0) << c.section << " " << c.keys;
    ASSERT_EQ(buttons.size(), c.kept ? 4u : 3u);
  }
}

TEST(CaptionButtons, FieldsDefaultsAndHelpPosition) {
  MemoryEntries entries;
  entries.Add("close.bmp", CoordinateBmp(78, 21)).Add("icon.bmp", CoordinateBmp(16, 16));
  const auto buttons = ReadButtons(
      "[ButtonClose]\nAction=-1\nVisibility=0\nButtonImage=close.bmp\nAlign=1\nXcoord=25\nYcoord=5\n"
      "[ButtonHelp1]\nAction=4\nXcoord=1\nYcoord=2\n"   // no help position yet: keeps its own
      "[ButtonMax]\nAction=1\nVisibility=2\nXcoord=49\nYcoord=6\nCombineOp=3\nVisibility1=7\n"
      "[ButtonHelp2]\nAction=4\nXcoord=1\nYcoord=2\n"
      "[ButtonIcon]\nAction=3\nButtonImage=icon.bmp\n"
      "[ButtonIcon2]\nAction=11\nButtonImage=icon.bmp\nframe=1\n",
      entries);
  ASSERT_EQ(buttons.size(), 9u);
  const TDataSkinSysButton& close = buttons[0];
  EXPECT_EQ(close.Name, "BUTTONCLOSE");
  EXPECT_EQ(close.Visibility1, -1); // the default for Action -1
  EXPECT_EQ(close.Align, 1);
  EXPECT_EQ(close.Xcoord, 25);
  EXPECT_EQ(close.CombineOp, -1);
  EXPECT_EQ(close.Frame, 6); // negative action
  EXPECT_EQ(close.Bitmap.Width(), 78);
  EXPECT_EQ(buttons[1].Xcoord, 1);
  EXPECT_EQ(buttons[1].Ycoord, 2);
  EXPECT_EQ(buttons[2].Visibility1, 7);
  EXPECT_EQ(buttons[2].CombineOp, 3);
  EXPECT_EQ(buttons[3].Xcoord, 49);
  EXPECT_EQ(buttons[3].Ycoord, 6);
  EXPECT_EQ(buttons[3].Visibility1, 0);
  // The system-menu button draws the window's icon: its guessed-frame image is dropped.
  EXPECT_TRUE(buttons[4].Bitmap.Empty());
  EXPECT_EQ(buttons[4].Frame, 3);
  EXPECT_EQ(buttons[5].Bitmap.Width(), 16);
  EXPECT_EQ(buttons[5].Frame, 1);
}

TEST(CaptionButtons, MdiControlsSplitIntoThreeButtons) {
  struct Case {
    int width, height;
    int quarter; // expected image width of each MDI button
    int xcoord[3];
  } cases[] = {
      {96, 14, 32, {36, 24, 12}},
      {100, 10, 32, {36, 24, 12}}, // a = 100 div 12 = 8; the last 4 columns are unused
      {11, 10, 0, {12, 8, 4}},     // a = 0: no image, positions still follow a
      {0, 0, 0, {0, 0, 0}},        // no MDICONTROLS image
  };
  for (const Case& c : cases) {
    MemoryEntries entries;
    std::string ini = "[ButtonClose]\nAction=0\n";
    if (c.width) {
      entries.Add("mdi.bmp", CoordinateBmp(c.width, c.height));
      ini += "[MDICONTROLS]\nImage=mdi.bmp\n";
    }
    int base = -1;
    const auto buttons = ReadButtons(ini, entries, &base);
    ASSERT_EQ(base, 1);
    ASSERT_EQ(buttons.size(), 4u);
    for (int i = 0; i < 3; ++i) {
      const TDataSkinSysButton& b = buttons[1 + i];
      SCOPED_TRACE(std::to_string(c.width) + " button " + std::to_string(i));
      EXPECT_EQ(b.Action, 7 + i);
      EXPECT_EQ(b.Align, 100);
      EXPECT_EQ(b.Visibility, 100);
      EXPECT_EQ(b.Visibility1, 100);
      EXPECT_EQ(b.Frame, 4);
      EXPECT_EQ(b.Ycoord, 0);
      EXPECT_EQ(b.Xcoord, c.xcoord[i]);
      EXPECT_EQ(b.Bitmap.Width(), c.quarter);
      if (c.quarter) {
        EXPECT_EQ(b.Bitmap.Height(), c.height);
        // Each quarter starts 4a columns further into the strip.
        EXPECT_EQ(b.Bitmap.At(0, 1), MakePixel(c.quarter * i, 1, 0));
        EXPECT_EQ(b.Bitmap.At(c.quarter - 1, 0), MakePixel(c.quarter * (i + 1) - 1, 0, 0));
      }
    }
  }
}

} // namespace
} // namespace vcu
