// The menus' skin composed pixel by pixel from small lettered elements: the bar in both its
// forms and without an element, the popup background, an item's frame in both states over the
// popup background, and the separator from the bottom rows of the second frame.
#include <gtest/gtest.h>

#include "Pictures.h"
#include "TestPlatform.h"
#include "core/menus/MenuComposer.h"

namespace vcu {
namespace {

const test::Legend& Colours() {
  static const test::Legend legend = [] {
    test::Legend l;
    for (char c : std::string("abcdefghijklnopqrstuvwxyzABCDEFGHIJ.")) l[c] = MakePixel(c, 7, 7);
    l['m'] = MakePixel(255, 0, 255);
    return l;
  }();
  return legend;
}

Bitmap Pic(const std::vector<std::string>& rows) { return test::Picture(rows, Colours()); }
std::vector<std::string> Rows(const Bitmap& b) { return test::Letters(b, Colours()); }

// The bar: two stacked 4 x 2 frames, ends one column wide.
TSkinElements BarSkin(int tile) {
  TSkinElements s;
  s.MenuBar = std::make_unique<TDataSkinObject>("MenuBar");
  s.MenuBar->Bitmap = Pic({"abcd", "efgh", "ABCD", "EFGH"});
  s.MenuBar->LeftWidth = 1;
  s.MenuBar->RightWidth = 1;
  s.MenuBar->Tile = tile;
  return s;
}

TEST(MenuBarBackground, ThreePartRowRepeatsTheMiddleAndPicksTheFrameByActivation) {
  TSkinElements skin = BarSkin(0);
  Bitmap canvas = Pic({"........", "........", "........"});
  ComposeMenuBarBackground(canvas, Rect{1, 1, 8, 3}, skin, true);
  EXPECT_EQ(Rows(canvas), (std::vector<std::string>{"........", ".abcbcbd", ".efgfgfh"}));
  ComposeMenuBarBackground(canvas, Rect{1, 1, 8, 3}, skin, false);
  EXPECT_EQ(Rows(canvas), (std::vector<std::string>{"........", ".ABCBCBD", ".EFGFGFH"}));
}

TEST(MenuBarBackground, TiledSkinIsNineSlicedWithTheCentreStretched) {
  TSkinElements skin = BarSkin(1);
  skin.MenuBar->TopHeight = 1;
  Bitmap canvas = Pic({"......", "......", "......"});
  ComposeMenuBarBackground(canvas, Rect{0, 0, 6, 3}, skin, true);
  EXPECT_EQ(Rows(canvas), (std::vector<std::string>{"abbccd", "effggh", "effggh"}));
}

TEST(MenuBarBackground, WithoutElementTheBarHasTheMenuBarColour) {
  test::ScopedPlatform platform({{15, 0x00112233}}, {});
  TSkinElements skin;
  Bitmap canvas(4, 2);
  ComposeMenuBarBackground(canvas, Rect{1, 0, 3, 2}, skin, true);
  EXPECT_EQ(canvas.At(0, 0), 0u);
  EXPECT_EQ(canvas.At(1, 1), MakePixel(0x33, 0x22, 0x11));
  EXPECT_EQ(canvas.At(3, 1), 0u);
  skin.ColourMenubar = MakeRgb(1, 2, 3);
  ComposeMenuBarBackground(canvas, Rect{0, 0, 4, 2}, skin, true);
  EXPECT_EQ(canvas.At(3, 1), MakePixel(1, 2, 3));
}

TEST(MenuBackground, NineSliceAtTheWindowSizeWithTiledOrStretchedCentre) {
  TDataSkinObject bg("MenuBackground");
  bg.Bitmap = Pic({"abbc", "dxye", "dzwe", "fggh"});
  bg.SetMargins(Margins{1, 1, 1, 1});
  Bitmap target(6, 4);
  ComposeMenuBackground(target, bg);
  EXPECT_EQ(Rows(target), (std::vector<std::string>{"abbbbc", "dxxyye", "dzzwwe", "fggggh"}));
  bg.Tile = 1;
  ComposeMenuBackground(target, bg);
  EXPECT_EQ(Rows(target), (std::vector<std::string>{"abbbbc", "dxyxye", "dzwzwe", "fggggh"}));
  TSkinElements skin;
  EXPECT_FALSE(HasMenuBackground(skin));
  skin.MenuBackground = std::make_unique<TDataSkinObject>("MenuBackground");
  EXPECT_FALSE(HasMenuBackground(skin)) << "an element without an image draws nothing";
}

// The item: five 3 x 3 frames; frame 2's bottom row is the separator line.
TDataSkinObject ItemElement() {
  TDataSkinObject item("MenuItem");
  item.Bitmap = Pic({"amcpqrAmCstuvwx", "mbmlnlmBmyzyDEF", "cmaijkCmAGHIdef"});
  item.SetMargins(Margins{1, 1, 1, 1});
  item.Trans = 1;
  return item;
}

TEST(MenuItemSkin, GroundComesFromThePopupBackgroundUnderTheItem) {
  Bitmap background = Pic({"........", "........", "........", "...abcd.", "...efgh.", "........"});
  Bitmap item(4, 2);
  ComposeMenuItemGround(item, &background, Rect{3, 3, 7, 5}, MakeRgb('z', 7, 7));
  EXPECT_EQ(Rows(item), (std::vector<std::string>{"abcd", "efgh"}));
  Bitmap past(4, 3);
  ComposeMenuItemGround(past, &background, Rect{5, 4, 9, 7}, MakeRgb('z', 7, 7));
  EXPECT_EQ(Rows(past), (std::vector<std::string>{"gh.z", "...z", "zzzz"}))
      << "what the background does not cover is the menu colour";
  Bitmap plain(2, 1);
  ComposeMenuItemGround(plain, nullptr, Rect{0, 0, 2, 1}, MakeRgb('y', 7, 7));
  EXPECT_EQ(Rows(plain), (std::vector<std::string>{"yy"}));
}

TEST(MenuItemSkin, FrameOneOrFourKeyedOverTheGround) {
  const TDataSkinObject element = ItemElement();
  Bitmap item = Pic({".....", ".....", "....."});
  ComposeMenuItemFrame(item, element, false);
  EXPECT_EQ(Rows(item), (std::vector<std::string>{"a...c", ".bbb.", "c...a"}));
  item = Pic({".....", ".....", "....."});
  ComposeMenuItemFrame(item, element, true);
  EXPECT_EQ(Rows(item), (std::vector<std::string>{"stttu", "yzzzy", "GHHHI"}));
}

TEST(MenuItemSkin, SeparatorIsTheBottomRowsOfTheSecondFrameInThreeParts) {
  const TDataSkinObject element = ItemElement();
  Bitmap line = Pic({"......"});
  ComposeMenuSeparator(line, element);
  EXPECT_EQ(Rows(line), (std::vector<std::string>{"ijjjjk"}));
  Bitmap tall = Pic({"......", "......", "......", "......", "......"});
  ComposeMenuSeparator(tall, element);
  EXPECT_EQ(Rows(tall), (std::vector<std::string>{"pqqqqr", "lnnnnl", "ijjjjk", "......", "......"}))
      << "an image lower than the item gives all its rows";
}

} // namespace
} // namespace vcu
