// The menu bar's geometry: where buttons start and go in either direction, which one a point
// hits, the keyboard walk and the item measurements.
#include <gtest/gtest.h>

#include <climits>

#include "core/elements/SkinElements.h"
#include "core/menus/MenuBarLayout.h"

namespace vcu {
namespace {

TDataSkinObject BarElement(int left, int right) {
  TDataSkinObject e("MenuBar");
  e.LeftWidth = left;
  e.RightWidth = right;
  return e;
}

TEST(MenuBarStart, OffsetFollowsElementDirectionAndNarrowBars) {
  const TDataSkinObject bar = BarElement(5, 9);
  struct Case {
    int width;
    const TDataSkinObject* element;
    bool rtl;
    int expected;
  } cases[] = {
      {800, nullptr, false, 6}, {800, nullptr, true, 6},  {800, &bar, false, 9}, {800, &bar, true, 17},
      {8, &bar, false, 12},     {9, &bar, false, 9},       {16, &bar, true, 12},  {5, nullptr, false, 12},
      {0, nullptr, false, 12},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "width " << c.width << " element " << (c.element != nullptr) << " rtl " << c.rtl);
    EXPECT_EQ(MenuBarStartOffset(c.width, c.element, c.rtl), c.expected);
  }
  const TDataSkinObject huge = BarElement(INT_MAX, INT_MAX);
  EXPECT_EQ(MenuBarStartOffset(800, &huge, false), 12) << "a huge slice saturates and the bar is narrower";
}

TEST(MenuBarLayout, LeftToRightButtonsSitSideBySideFromTheOffset) {
  const Rect bar{4, 30, 404, 49};
  std::vector<Rect> rects;
  LayoutMenuBar(bar, 6, false, {{20, true}, {0, true}, {33, false}, {7, true}}, rects);
  ASSERT_EQ(rects.size(), 4u);
  EXPECT_EQ(rects[0], (Rect{10, 30, 40, 48}));
  EXPECT_TRUE(rects[1].Empty()) << "an empty caption takes no room";
  EXPECT_EQ(rects[1].left, 40);
  EXPECT_EQ(rects[2], Rect{}) << "an invisible button has an empty rectangle";
  EXPECT_EQ(rects[3], (Rect{40, 30, 57, 48}));
}

TEST(MenuBarLayout, RightToLeftButtonsGoLeftwardsFromTheRightEndAndStopAtTheLimit) {
  const Rect bar{4, 30, 404, 49};
  std::vector<Rect> rects;
  LayoutMenuBar(bar, 14, true, {{20, true}, {7, true}}, rects);
  EXPECT_EQ(rects[0], (Rect{360, 30, 390, 48}));
  EXPECT_EQ(rects[1], (Rect{343, 30, 360, 48}));
  LayoutMenuBar(bar, 14, true, {{20, true}, {7, true}}, rects, 300);
  EXPECT_EQ(rects[0], (Rect{270, 30, 300, 48})) << "the MDI buttons keep the first button left of them";
  LayoutMenuBar(bar, 14, true, {{20, true}}, rects, 1000);
  EXPECT_EQ(rects[0].right, 390) << "a limit right of the offset changes nothing";
}

// The MDI buttons of a maximised child sit at the bar's right end: a right-to-left bar starts
// 5 pixels left of the leftmost one that is laid out, whatever their order.
TEST(MenuBarLayout, MdiButtonsLimitARightToLeftBarFromTheirLeftmost) {
  struct Case {
    std::vector<Rect> mdi;
    int limit;
  } cases[] = {
      {{}, INT_MAX},
      {{Rect{}, Rect{}}, INT_MAX},
      {{Rect{370, 32, 386, 46}, Rect{354, 32, 370, 46}, Rect{338, 32, 354, 46}}, 333},
      {{Rect{338, 32, 354, 46}, Rect{}, Rect{370, 32, 386, 46}}, 333},
      {{Rect{2, 0, 2, 14}, Rect{300, 0, 316, 14}}, 295},
      {{Rect{INT_MIN, 0, INT_MIN + 16, 14}}, INT_MIN},
  };
  for (const Case& c : cases) EXPECT_EQ(MdiButtonsRightLimit(c.mdi), c.limit) << c.mdi.size() << " buttons";

  const Rect bar{4, 30, 404, 49};
  std::vector<Rect> rects;
  LayoutMenuBar(bar, 14, true, {{20, true}, {7, true}}, rects,
                MdiButtonsRightLimit({Rect{370, 32, 386, 46}, Rect{338, 32, 354, 46}}));
  EXPECT_EQ(rects[0], (Rect{303, 30, 333, 48}));
  EXPECT_EQ(rects[1], (Rect{286, 30, 303, 48}));
}

TEST(MenuBarLayout, HitTestNeverFindsEmptyOrInvisibleButtons) {
  std::vector<Rect> rects;
  LayoutMenuBar(Rect{0, 0, 300, 20}, 6, false, {{20, true}, {0, true}, {0, false}, {10, true}}, rects);
  struct Case {
    int x, y, expected;
  } cases[] = {{6, 0, 0},  {35, 18, 0}, {36, 5, 3},  {55, 5, 3},   {56, 5, -1}, {5, 5, -1},
               {20, 19, -1}, {20, -1, -1}, {36, 0, 3}};
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.x << "," << c.y);
    EXPECT_EQ(MenuButtonAt(rects, c.x, c.y), c.expected);
  }
}

TEST(MenuBarKeys, WalkWrapsAtBothEndsAndRightToLeftSwapsArrows) {
  struct Case {
    int current, count, next, previous;
  } cases[] = {{0, 3, 1, 2}, {1, 3, 2, 0}, {2, 3, 0, 1}, {-1, 3, 0, 2}, {0, 1, 0, 0}, {5, 3, 0, 2}, {0, 0, -1, -1}};
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.current << " of " << c.count);
    EXPECT_EQ(NextMenuButton(c.current, c.count), c.next);
    EXPECT_EQ(PreviousMenuButton(c.current, c.count), c.previous);
  }
  EXPECT_EQ(MenuArrowKey(kKeyLeft, true), kKeyRight);
  EXPECT_EQ(MenuArrowKey(kKeyRight, true), kKeyLeft);
  EXPECT_EQ(MenuArrowKey(kKeyLeft, false), kKeyLeft);
  EXPECT_EQ(MenuArrowKey(0x28, true), 0x28u) << "other keys pass as they are";
}

TEST(MenuItemMeasure, PlainAndFrameworkItems) {
  TDataSkinObject item("MenuItem");
  item.LeftWidth = 4;
  EXPECT_EQ(PlainMenuItemSize(50, true, 15, nullptr).width, 76);
  EXPECT_EQ(PlainMenuItemSize(50, true, 15, &item).width, 80);
  EXPECT_EQ(PlainMenuItemSize(50, true, 15, &item).height, 19);
  EXPECT_EQ(PlainMenuItemSize(0, false, 15, &item).height, 8) << "a separator is 8 high";
  EXPECT_EQ(FrameworkMenuItemWidth(60, &item, false), 99);
  EXPECT_EQ(FrameworkMenuItemWidth(60, &item, true), 74);
  EXPECT_EQ(FrameworkMenuItemWidth(60, nullptr, true), 70);
  EXPECT_EQ(PlainMenuItemSize(INT_MAX, true, INT_MAX, &item).width, INT_MAX) << "saturates, no overflow";
}

} // namespace
} // namespace vcu

namespace vcu {
namespace {

// GetVersion's value: major in the low byte, minor in the next, the top bit for the 9x family.
TEST(MenuBarSource, OnlyNt4AndWindows95BuildTheBarFromTheFrameworkMenu) {
  struct Case {
    std::uint32_t version;
    bool fromFramework;
    const char* system;
  };
  const Case cases[] = {
      {0x00000004u, true, "NT 4.0"},      {0x00000005u, false, "2000"},  {0x00000105u, false, "XP"},
      {0x00000106u, false, "7"},          {0x80000004u, true, "95"},     {0x80000A04u, false, "98"},
      {0x80005A04u, false, "Me"},         {0x00000003u, true, "NT 3.51"},
  };
  for (const Case& c : cases) EXPECT_EQ(BarFromFrameworkMenu(c.version), c.fromFramework) << c.system;
}

} // namespace
} // namespace vcu
