#include <gtest/gtest.h>

#include <functional>

#include "BmpWriting.h"
#include "IniFixtures.h"
#include "Pictures.h"
#include "core/elements/SkinEntries.h"
#include "core/image/Bmp.h"
#include "core/elements/ElementReaders.h"

namespace vcu {
namespace {

using test::CoordinateBmp;
using test::MakeIni;

// A reader over one INI text and a few entries.
struct ReaderFixture {
  explicit ReaderFixture(const std::string& iniText) : ini(MakeIni(iniText)) {
    entries.Add("a.bmp", CoordinateBmp(4, 2, 1))
        .Add("b.bmp", CoordinateBmp(6, 3, 2))
        .Add("dir/a.bmp", CoordinateBmp(1, 1, 3))
        .AddText("bad.bmp", "not a bitmap");
    colours.ColourButtonText = 0x00ABCDEF;
  }
  TQuickIni ini;
  MemoryEntries entries;
  TSkinColours colours;
  ElementReader reader{ini, entries, colours};
};

TEST(LoadEntryBitmap, NamesTheEntryByFileNameAndExactExtension) {
  ReaderFixture f("");
  struct Case {
    const char* value;
    int width; // 0: no image
  } cases[] = {
      {"a.bmp", 4},
      {"A.bmp", 4},             // entries are looked up without regard to case
      {"c:\\skin\\b.bmp", 6},   // the part after the last backslash
      {"skin:b.bmp", 6},        // or colon
      {"dir/a.bmp", 1},         // a slash is part of the name
      {"a.BMP", 0},             // the extension is compared with case
      {"a.Bmp", 0},
      {"a.bmp.txt", 0},
      {"missing.bmp", 0},
      {"c:\\skin\\", 0},        // no file name
      {"", 0},
  };
  for (const Case& c : cases) {
    Bitmap bitmap = test::CoordinateBitmap(9, 9);
    f.reader.LoadEntryBitmap(bitmap, c.value);
    EXPECT_EQ(bitmap.Width(), c.width) << c.value;
    EXPECT_EQ(bitmap.Empty(), c.width == 0) << c.value;
  }
  Bitmap loaded;
  f.reader.LoadEntryBitmap(loaded, "b.bmp");
  EXPECT_EQ(loaded.At(5, 2), MakePixel(5, 2, 2)); // the entry's own pixels, right way up
  EXPECT_THROW(f.reader.LoadEntryBitmap(loaded, "bad.bmp"), EInvalidBitmap);
}

TEST(ReadElement, ReadsEveryKeyOfTheSection) {
  ReaderFixture f(
      "[Elem]\nImage=a.bmp\nStyle=3\nLeftWidth=1\nTopHeight=2\nRightWidth=0x10\nBottomHeight=4\n"
      "Frame=7\nTrans=1\nTile=1\nNormalColour=255\nMouseOverColour=$FF00\n"
      "NormalColour2=1 2 3\nPressedColour2=4,5,6\n");
  std::unique_ptr<TDataSkinObject> slot;
  f.reader.ReadElement(slot, "Elem");
  ASSERT_TRUE(slot);
  EXPECT_EQ(slot->Name, "Elem");
  EXPECT_EQ(slot->Bitmap.Width(), 4);
  EXPECT_EQ(slot->Style, 3);
  EXPECT_EQ(test::MarginList(*slot), (std::vector<int>{1, 2, 16, 4}));
  EXPECT_EQ(slot->Frame, 7);
  EXPECT_EQ(slot->Trans, 1);
  EXPECT_EQ(slot->Tile, 1);
  EXPECT_EQ(slot->NormalColour, 255);
  EXPECT_EQ(slot->MouseOverColour, 0xFF00);
  EXPECT_EQ(slot->PressedColour, -1);
  EXPECT_EQ(slot->NormalColour2, 0x00030201);
  EXPECT_EQ(slot->MouseOverColour2, 0x00ABCDEF); // empty: the button text colour
  EXPECT_EQ(slot->PressedColour2, 0x00060504);
}

TEST(ReadElement, SlotIsEmptyWithoutAnImageKeyAndKeptWithAMissingEntry) {
  ReaderFixture f("[NoImage]\nLeftWidth=3\n[Missing]\nImage=gone.bmp\nLeftWidth=3\n"
                  "[Empty]\nImage=\n");
  std::unique_ptr<TDataSkinObject> slot = std::make_unique<TDataSkinObject>("old");
  for (const char* section : {"NoImage", "Empty", "Absent"}) {
    slot = std::make_unique<TDataSkinObject>("old");
    f.reader.ReadElement(slot, section);
    EXPECT_FALSE(slot) << section; // the previous record is released
  }
  f.reader.ReadElement(slot, "Missing");
  ASSERT_TRUE(slot);
  EXPECT_TRUE(slot->Bitmap.Empty());
  EXPECT_EQ(slot->LeftWidth, 3);
}

TEST(ReadElement, TileAboveOneIsClampedPerReader) {
  struct Case {
    const char* what;
    std::string ini;
    std::function<int(ElementReader&, TSkinElements&)> read;
    int expected;
  };
  auto plain = [](ElementReader& r, TSkinElements& e) { r.ReadElement(e.ToolBars, "S"); return e.ToolBars->Tile; };
  auto border = [](ElementReader& r, TSkinElements& e) { r.ReadBorderElement(e.Tabs, "S", "Border"); return e.Tabs->Tile; };
  auto label = [](ElementReader& r, TSkinElements& e) { r.ReadBoxLabelElement(e.GroupBox, "S"); return e.GroupBox->Tile; };
  auto progress = [](ElementReader& r, TSkinElements& e) { r.ReadProgressElement(e.Progress, "S"); return e.Progress->Tile; };
  auto buttons = [](ElementReader& r, TSkinElements& e) { r.ReadButtonsElement(e.Buttons); return e.Buttons.Tile; };
  auto menuBar = [](ElementReader& r, TSkinElements& e) { r.ReadMenuBarElement(e.MenuBar); return e.MenuBar->Tile; };
  auto topBorder = [](ElementReader& r, TSkinElements& e) { r.ReadFrameBorders(e); return e.TopBorder.Tile; };
  const Case cases[] = {
      {"element 5", "[S]\nImage=a.bmp\nTile=5\n", plain, 0},
      {"element 1", "[S]\nImage=a.bmp\nTile=1\n", plain, 1},
      {"element -3", "[S]\nImage=a.bmp\nTile=-3\n", plain, -3},
      {"element none", "[S]\nImage=a.bmp\n", plain, 0},
      {"border 5", "[S]\nImage=a.bmp\nTile=5\n", border, 0},
      {"box label 5", "[S]\nImage=a.bmp\nTile=5\n", label, 0},
      {"progress 5", "[S]\nBitmap=a.bmp\nTile=5\n", progress, 1},
      {"progress none", "[S]\nBitmap=a.bmp\n", progress, 0},
      {"buttons 5", "[Buttons]\nTile=5\n", buttons, 0},
      {"menu bar 5", "[Personality]\nmenuBar=a.bmp\nTileMenu=5\n", menuBar, 1},
      {"menu bar none", "[Personality]\nmenuBar=a.bmp\n", menuBar, 1},
      {"menu bar 0", "[Personality]\nmenuBar=a.bmp\nTileMenu=0\n", menuBar, 0},
      {"top border 5", "[Personality]\nTopStretch=5\n", topBorder, 1},
      {"top border none", "[Personality]\n", topBorder, 1},
      {"top border 0", "[Personality]\nTopStretch=0\n", topBorder, 0},
  };
  for (const Case& c : cases) {
    ReaderFixture f(c.ini);
    TSkinElements e;
    EXPECT_EQ(c.read(f.reader, e), c.expected) << c.what;
  }
}

TEST(ReadElement, VariantsReadTheirOwnKeys) {
  ReaderFixture f(
      "[S]\nImage=a.bmp\nBitmap=b.bmp\nBorder=b.bmp\nGlyphImage=b.bmp\nFrame=9\nStyle=2\n"
      "NormalColour=5\nBackgroundAlignment=1\nBackgroundLeftShift=2\nBackgroundRightShift=3\n");
  TSkinElements e;
  f.reader.ReadBorderElement(e.Tabs, "S", "Border");
  EXPECT_EQ(e.Tabs->Bitmap.Width(), 4);
  EXPECT_EQ(e.Tabs->Bitmap2.Width(), 6);
  EXPECT_EQ(e.Tabs->Frame, 0); // "Frame" is not read: the count is fixed later
  EXPECT_EQ(e.Tabs->NormalColour, 5);
  f.reader.ReadBorderElement(e.ComboButton, "S", "****");
  EXPECT_TRUE(e.ComboButton->Bitmap2.Empty());

  f.reader.ReadBoxLabelElement(e.GroupBox, "S");
  EXPECT_EQ(e.GroupBox->Frame, 0);
  EXPECT_EQ(e.GroupBox->BackgroundAlignment, 1);
  EXPECT_EQ(e.GroupBox->BackgroundLeftShift, 2);
  EXPECT_EQ(e.GroupBox->BackgroundRightShift, 3);

  f.reader.ReadProgressElement(e.Progress, "S");
  EXPECT_EQ(e.Progress->Bitmap.Width(), 6); // from "Bitmap", not "Image"
  EXPECT_EQ(e.Progress->Style, 2);
  EXPECT_EQ(e.Progress->Frame, 0);
  EXPECT_EQ(e.Progress->NormalColour, 0); // no colours read
  EXPECT_EQ(e.Progress->NormalColour2, 0);
  EXPECT_TRUE(e.Progress->Bitmap2.Empty());
}

TEST(ReadMenuBarElement, SideWidthsAreTileSwitches) {
  ReaderFixture f("[Personality]\nmenuBar=a.bmp\nTileLeftMenu=0\nLeftWidth=7\nTopHeight=5\n"
                  "Trans=1\n");
  TSkinElements e;
  f.reader.ReadMenuBarElement(e.MenuBar);
  ASSERT_TRUE(e.MenuBar);
  EXPECT_EQ(e.MenuBar->Name, "Personality");
  EXPECT_EQ(e.MenuBar->Bitmap.Width(), 4);
  EXPECT_EQ(test::MarginList(*e.MenuBar), (std::vector<int>{0, 0, 1, 0}));
  EXPECT_EQ(e.MenuBar->Trans, 0);
  ReaderFixture none("[Personality]\nTop=a.bmp\n");
  none.reader.ReadMenuBarElement(e.MenuBar);
  EXPECT_FALSE(e.MenuBar);
}

TEST(ReadFrameBorders, KeysArePrefixedByTheBorderName) {
  ReaderFixture f(
      "[Personality]\nLeft=a.bmp\nLeftTopHeight=30\nLeftBotHeight=4\nLeftFrame=2\nLeftTrans=0\n"
      "Top=b.bmp\nTopTopHeight=11\nTopBotHeight=12\nTopFrame=3\nTopStretch=0\n"
      "Bottom=gone.bmp\n");
  TSkinElements e;
  e.RightBorder.Bitmap = test::CoordinateBitmap(2, 2);
  f.reader.ReadFrameBorders(e);
  // The horizontal borders take the "TopHeight"/"BotHeight" keys as the widths of their ends.
  struct Case {
    const TDataSkinBorder& border;
    int width;
    std::vector<int> margins;
    int frame, trans, tile;
  } cases[] = {
      {e.LeftBorder, 4, {0, 30, 0, 4}, 2, 0, 1},
      {e.TopBorder, 6, {11, 0, 12, 0}, 3, 1, 0},
      {e.RightBorder, 0, {0, 0, 0, 0}, 1, 1, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.border.Name);
    EXPECT_EQ(c.border.Bitmap.Width(), c.width);
    EXPECT_EQ(test::MarginList(c.border), c.margins);
    EXPECT_EQ(c.border.Frame, c.frame);
    EXPECT_EQ(c.border.Trans, c.trans);
    EXPECT_EQ(c.border.Tile, c.tile);
  }
  // Without their keys: defaults and an empty image, the record stays.
  EXPECT_EQ(e.RightBorder.Name, "Right");
  EXPECT_TRUE(e.BottomBorder.Bitmap.Empty());
}

TEST(ReadTitleText, PersonalityAndFontKeys) {
  ReaderFixture f(
      "[Personality]\nTextBack=a.bmp\nTextShift=5\nTextShiftVert=6\nTextRightClip=7\n"
      "TextAlignment=2\nTextbackground=1\nTXTBackleft=8\nTXTBackRight=9\n"
      "ActiveTextR=255\nActiveTextG=0\nActiveTextB=0\nInActiveTextR=1\n"
      "[Fonts]\nFontHeight=16\n");
  TDataSkinTitle title("Title");
  f.reader.ReadTitleText(title);
  EXPECT_EQ(title.Bitmap.Width(), 4);
  EXPECT_EQ(test::MarginList(title), (std::vector<int>{5, 6, 7, 0}));
  EXPECT_EQ(title.TextAlignment, 2);
  EXPECT_EQ(title.TextBackground, 1);
  EXPECT_EQ(title.FontHeight, 16);
  EXPECT_EQ(title.TextBackLeft, 8);
  EXPECT_EQ(title.TextBackRight, 9);
  EXPECT_EQ(title.ActiveTextColour, 0xFF);
  EXPECT_EQ(title.InactiveTextColour, NoColour); // only one of its three keys
  ReaderFixture bare("");
  bare.reader.ReadTitleText(title);
  EXPECT_EQ(title.FontHeight, 14);
  EXPECT_TRUE(title.Bitmap.Empty());
  EXPECT_EQ(title.ActiveTextColour, NoColour);
}

TEST(ReadButtonsElement, ImagesFramesAndSecondColourFlags) {
  ReaderFixture f("[Buttons]\nBitmap=a.bmp\nCheckButton=b.bmp\nRadioButton=A.bmp\n"
                  "LeftWidth=3\nRadioButtonFrame=6\nMouseOverColour2=9 9 9\nStyle=4\nFrame=2\n");
  TDataSkinButton b("Buttons");
  f.reader.ReadButtonsElement(b);
  EXPECT_EQ(b.Bitmap.Width(), 4);
  EXPECT_EQ(b.CheckBitmap.Width(), 6);
  EXPECT_EQ(b.RadioBitmap.Width(), 4);
  EXPECT_EQ(b.LeftWidth, 3);
  EXPECT_EQ(b.RadioFrame, 6);
  EXPECT_EQ(b.CheckFrame, 0);
  EXPECT_EQ(b.Style, 0); // neither "Style" nor "Frame" is a key of this section
  EXPECT_EQ(b.Frame, 0);
  EXPECT_EQ(b.NormalColour, -1);
  EXPECT_FALSE(b.HasNormalColour2);
  EXPECT_TRUE(b.HasMouseOverColour2);
  EXPECT_FALSE(b.HasPressedColour2);
  EXPECT_EQ(b.NormalColour2, 0x00ABCDEF);
  EXPECT_EQ(b.MouseOverColour2, 0x00090909);
}

} // namespace
} // namespace vcu
