// The frame geometry: frame kinds and native buttons from window styles, border sizes from the
// skin, the client rectangle, window sizes on and off, and the caption hit-test rule.
#include <gtest/gtest.h>

#include <climits>

#include "core/form/FrameGeometry.h"
#include "core/form/WindowStyleBits.h"

namespace vcu {
namespace {

TEST(FrameKindOf, FollowsCaptionThenThickFrameThenModalFrame) {
  struct Case {
    std::uint32_t style, exStyle;
    bool dialogClass;
    FrameKind kind;
  } const cases[] = {
      {kWsCaption | kWsThickFrame, 0, false, fkSizeable},
      {kWsCaption, 0, false, fkSingle},
      {kWsCaption | kDsModalFrame, 0, false, fkDialog},
      {kWsCaption | kWsThickFrame | kDsModalFrame, 0, false, fkSizeable},
      // Half a caption (border only, or dialog frame only) is no caption.
      {0x00800000u | kWsThickFrame, 0, false, fkNoCaption},
      {0x00400000u, 0, false, fkNoCaption},
      {kWsPopup, 0, false, fkNoCaption},
      // The modal-frame extended style and the dialog classes win over everything.
      {kWsCaption | kWsThickFrame, kWsExDlgModalFrame, false, fkDialog},
      {kWsPopup, kWsExDlgModalFrame, false, fkDialog},
      {kWsCaption | kWsThickFrame, 0, true, fkDialog},
  };
  for (const Case& c : cases)
    EXPECT_EQ(FrameKindOf(c.style, c.exStyle, c.dialogClass), c.kind)
        << std::hex << "style " << c.style << " ex " << c.exStyle << " dialog " << c.dialogClass;
}

TEST(NativeButtonsOf, ReadsEachDecoration) {
  EXPECT_EQ(NativeButtonsOf(0, 0, false), 0);
  EXPECT_EQ(NativeButtonsOf(kWsSysMenu, 0, false), kNbSystemMenu);
  EXPECT_EQ(NativeButtonsOf(0, 0, true), kNbSystemMenu);
  EXPECT_EQ(NativeButtonsOf(kWsSysMenu | kWsMinimizeBox | kWsMaximizeBox, kWsExContextHelp, false),
            kNbSystemMenu | kNbMinimizeBox | kNbMaximizeBox | kNbContextHelp);
  EXPECT_EQ(NativeButtonsOf(kWsMinimizeBox, 0, false), 2);
  EXPECT_EQ(NativeButtonsOf(kWsMaximizeBox, 0, false), 1);
  // Bit 16 is the Windows side's to set.
  EXPECT_EQ(NativeButtonsOf(0xFFFFFFFFu, 0xFFFFFFFFu, true) & kNbKeepSystemMenu, 0);
}

TEST(ShowStateOfShowCmd, MinimizedMaximizedOrNormal) {
  for (int cmd = -1; cmd <= 12; ++cmd) {
    const ShowState expected = cmd == 2 || cmd == 6 || cmd == 7 ? ssMinimized
                               : cmd == 3                       ? ssMaximized
                                                                : ssNormal;
    EXPECT_EQ(ShowStateOfShowCmd(cmd), expected) << cmd;
  }
}

TSkinElements BordersOf(int leftW, int leftFrames, int topH, int topFrames) {
  TSkinElements s;
  s.LeftBorder.Bitmap.SetSize(leftW, 20);
  s.LeftBorder.Frame = leftFrames;
  s.RightBorder.Bitmap.SetSize(leftW + 2, 20);
  s.RightBorder.Frame = leftFrames;
  s.TopBorder.Bitmap.SetSize(30, topH);
  s.TopBorder.Frame = topFrames;
  s.BottomBorder.Bitmap.SetSize(30, topH / 2);
  s.BottomBorder.Frame = topFrames;
  return s;
}

TEST(BorderSizesOf, DividesStripsByTheirFrameCount) {
  const TSkinElements s = BordersOf(8, 2, 60, 2);
  const BorderSizes b = BorderSizesOf(s, fkSizeable);
  EXPECT_EQ(b.left, 4);
  EXPECT_EQ(b.right, 5);
  EXPECT_EQ(b.top, 30);
  EXPECT_EQ(b.bottom, 15);
  const BorderSizes none = BorderSizesOf(s, fkNoCaption);
  EXPECT_EQ(none.left + none.top + none.right + none.bottom, 0);
  const BorderSizes dialog = BorderSizesOf(s, fkDialog);
  EXPECT_EQ(dialog.top, 30);
}

TEST(BorderSizesOf, ZeroOrNegativeFrameCountsCountAsOne) {
  for (int frames : {0, -1, INT_MIN}) {
    const BorderSizes b = BorderSizesOf(BordersOf(8, frames, 60, frames), fkSingle);
    EXPECT_EQ(b.left, 8) << frames;
    EXPECT_EQ(b.right, 10) << frames;
    EXPECT_EQ(b.top, 60) << frames;
    EXPECT_EQ(b.bottom, 30) << frames;
  }
  // More frames than pixels leaves a border of nothing.
  EXPECT_EQ(BorderSizesOf(BordersOf(8, 100, 60, INT_MAX), fkSingle).top, 0);
}

TEST(SkinnedClientRect, InsideBordersAndMenu) {
  const Rect window{100, 50, 500, 380};
  EXPECT_EQ(SkinnedClientRect(window, {4, 30, 4, 4}, 0), (Rect{104, 80, 496, 376}));
  EXPECT_EQ(SkinnedClientRect(window, {4, 30, 4, 4}, 19), (Rect{104, 99, 496, 376}));
}

TEST(SkinnedClientRect, NeverInvertedOrOverflowing) {
  const Rect tiny{10, 10, 15, 20};
  const Rect c = SkinnedClientRect(tiny, {4, 30, 4, 4}, 0);
  EXPECT_FALSE(c.Inverted());
  EXPECT_TRUE(c.Empty());
  const Rect far{INT_MAX - 10, INT_MAX - 10, INT_MAX, INT_MAX};
  const Rect f = SkinnedClientRect(far, {INT_MAX, INT_MAX, INT_MAX, INT_MAX}, INT_MAX);
  EXPECT_FALSE(f.Inverted());
  const Rect neg = SkinnedClientRect({INT_MIN, INT_MIN, INT_MIN + 5, INT_MIN + 5},
                                     {INT_MIN, 0, INT_MAX, 0}, INT_MIN);
  EXPECT_FALSE(neg.Inverted());
}

TEST(FrameHitTest, CaptionRule) {
  struct Case {
    int answer, y, top;
    bool menu;
    int expected;
  } const cases[] = {
      // Anything but nowhere and caption stands.
      {1, 10, 30, false, 1},        // client
      {12, 1, 30, false, 12},       // top sizing edge
      {20, 10, 30, true, 20},       // close box
      // The top 3 pixels keep the default.
      {kHtCaption, 3, 30, false, kHtCaption},
      {kHtNowhere, 0, 30, false, kHtNowhere},
      {kHtNowhere, 3, 30, true, kHtNowhere},
      {kHtNowhere, 4, 30, false, kHtCaption},
      // Below the title with a menu bar: the menu.
      {kHtCaption, 30, 30, true, kHtCaption},
      {kHtCaption, 31, 30, true, kHtMenu},
      {kHtNowhere, 31, 30, false, kHtCaption},
  };
  for (const Case& c : cases)
    EXPECT_EQ(FrameHitTest(c.answer, c.y, c.top, c.menu), c.expected)
        << "answer " << c.answer << " y " << c.y << " menu " << c.menu;
}

TEST(WindowSizes, ClientKeptWhenSkinnedAndUnskinned) {
  // A 400 x 300 window with a 392 x 273 client; the skin's borders are 4, 30, 4, 4.
  const BorderSizes b{4, 30, 4, 4};
  const Size2 extra{400 - 392, 300 - 273};
  const Size2 skinned = SkinnedWindowSize({392, 273}, b, 0);
  EXPECT_EQ(skinned, (Size2{400, 307}));
  EXPECT_EQ(UnskinnedWindowSize(skinned, b, 0, extra), (Size2{400, 300}));
  // With a menu bar the height takes it in and gives it back.
  const Size2 withMenu = SkinnedWindowSize({392, 254}, b, 19);
  EXPECT_EQ(withMenu, (Size2{400, 307}));
  EXPECT_EQ(UnskinnedWindowSize(withMenu, b, 19, Size2{8, 46}), (Size2{400, 300}));
}

TEST(WindowSizes, SaturateAndNeverNegative) {
  const BorderSizes huge{INT_MAX, INT_MAX, INT_MAX, INT_MAX};
  EXPECT_EQ(SkinnedWindowSize({INT_MAX, INT_MAX}, huge, INT_MAX), (Size2{INT_MAX, INT_MAX}));
  EXPECT_EQ(UnskinnedWindowSize({10, 10}, huge, INT_MAX, {0, 0}), (Size2{0, 0}));
  EXPECT_EQ(SkinnedWindowSize({-50, -50}, {1, 1, 1, 1}, 0), (Size2{0, 0}));
}

TEST(BorderFrameIndex, InactiveFrameOnlyWhenThereIsOne) {
  EXPECT_EQ(BorderFrameIndex(true, 2), 1);
  EXPECT_EQ(BorderFrameIndex(false, 2), 2);
  EXPECT_EQ(BorderFrameIndex(false, 5), 2);
  EXPECT_EQ(BorderFrameIndex(false, 1), 1);
  EXPECT_EQ(BorderFrameIndex(false, 0), 1);
  EXPECT_EQ(BorderFrameIndex(false, -3), 1);
}

} // namespace
} // namespace vcu
