// The memo's skinned scroll bar: an overlay window laid exactly over the native vertical bar,
// painted from the skin's Scrollbar, VertScroll and VertScrollThumb elements at the native
// thumb, with every press handed to the native bar so that its own loop repeats, drags and
// pages. The overlay follows the wheel, hides with the memo, never takes the focus, and goes
// with the skin, leaving the native bar and border as they were. A memo with both bars has
// both covered and the corner between them in the face colour. (The thousand off/on cycles
// with a memo skinned are in test_controls_off_on.cpp.)
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <string>

#include "ScrollTesting.h"
#include "SkinnedForms.h"
#include "core/image/Blit.h"
#include "core/image/PixelOps.h"
#include "core/image/Slicing.h"
#include "core/image/Transparency.h"
#include "framework/StdCtrls.h"
#include "skin/controls/DeferredFree.h"
#include "skin/controls/SkinScrollbar.h"
#include "skin/controls/WScrollbar.h"
#include "support/Pixels.h"
#include "support/Pump.h"

namespace vcu::test {
namespace {

// A press held on the overlay. The press runs the native bar's loop inside the overlay's
// handler, so the test acts from a timer while the button is down: each tick calls the step,
// which answers whether to let go; the deadline lets go anyway and fails.
struct Hold {
  std::function<bool(int tick)> step;
  HWND memo = nullptr;
  POINT release{0, 0}; // memo client coordinates
  int ticks = 0;
  bool released = false, timedOut = false;
  UINT_PTR timer = 0;
};
Hold* activeHold = nullptr;

void CALLBACK HoldTick(HWND, UINT, UINT_PTR, DWORD) {
  Hold& hold = *activeHold;
  if (hold.released) return;
  ++hold.ticks;
  const bool letGo = hold.step(hold.ticks);
  hold.timedOut = !letGo && hold.ticks > 400;
  if (letGo || hold.timedOut) {
    hold.released = true;
    KillTimer(nullptr, hold.timer);
    PostMessageW(hold.memo, WM_LBUTTONUP, 0, MAKELPARAM(hold.release.x, hold.release.y));
  }
}

class ScrollOverlay : public SkinnedFormTest {
protected:
  // The memo on the form: a vertical bar, as the program's log has, unless asked otherwise.
  void MakeMemo(TScrollStyle bars = ssVertical) {
    memo_ = new TMemo(&form_);
    memo_->SetBounds(20, 20, 220, 150);
    memo_->SetScrollBars(bars);
    memo_->SetWordWrap(bars == ssVertical);
    memo_->SetParent(&form_);
    // No caret blinking in the pixels.
    SetFocus(form_.Handle());
  }

  HWND Memo() { return memo_->Handle(); }

  void FillMemo(int lines, int width = 1) {
    std::string text;
    for (int i = 1; i <= lines; ++i) text += "Line " + std::to_string(i) + std::string(width, '=') + "\r\n";
    memo_->SetCaption(text);
  }

  TSkinScrollbar* Skinner() {
    TWinSkinForm* skinner = RunningSkinner(form_.Handle());
    if (!skinner) return nullptr;
    for (TSkinControl* c : skinner->SkinnedControls())
      if (c->Handle() == Memo()) return dynamic_cast<TSkinScrollbar*>(c);
    return nullptr;
  }
  TWScrollbar* Bar() {
    TSkinScrollbar* s = Skinner();
    return s ? s->VertBar() : nullptr;
  }

  SCROLLBARINFO NativeBar(LONG which = OBJID_VSCROLL) {
    SCROLLBARINFO info{};
    info.cbSize = sizeof info;
    EXPECT_TRUE(GetScrollBarInfo(Memo(), which, &info));
    return info;
  }
  int FirstLine() { return static_cast<int>(SendMessageW(Memo(), EM_GETFIRSTVISIBLELINE, 0, 0)); }

  // A screen rectangle in the memo's window coordinates.
  RECT InWindow(RECT r) {
    RECT window;
    GetWindowRect(Memo(), &window);
    OffsetRect(&r, -window.left, -window.top);
    return r;
  }
  // What the screen shows at a place of the memo's window.
  Bitmap ScreenAt(const RECT& inWindow) {
    HDC dc = GetWindowDC(Memo());
    Bitmap pixels = ReadPixels(dc, inWindow);
    ReleaseDC(Memo(), dc);
    return pixels;
  }
  // What the screen shows at the native vertical bar's place.
  Bitmap ScreenAtBar() { return ScreenAt(InWindow(NativeBar().rcScrollBar)); }
  Bitmap MemoWindowPixels() {
    RECT window;
    GetWindowRect(Memo(), &window);
    HDC dc = GetWindowDC(Memo());
    Bitmap pixels = ReadPixels(dc, RECT{0, 0, window.right - window.left, window.bottom - window.top});
    ReleaseDC(Memo(), dc);
    return pixels;
  }
  // The skin's bar at the native thumb, or at the given thumb extent.
  Bitmap ExpectedBar(PartFrames frames = {}) {
    const SCROLLBARINFO info = NativeBar();
    return ExpectedBarWithThumb(info.xyThumbTop, info.xyThumbBottom, frames);
  }
  Bitmap ExpectedBarWithThumb(int top, int bottom, PartFrames frames = {}) {
    return ExpectedOf(NativeBar(), true, top, bottom, frames);
  }
  Bitmap ExpectedOf(const SCROLLBARINFO& info, bool vertical, int thumbStart, int thumbEnd, PartFrames frames) {
    return SkinnedBar(data_, vertical, info.rcScrollBar.right - info.rcScrollBar.left,
                      info.rcScrollBar.bottom - info.rcScrollBar.top, GetSystemMetrics(SM_CXHSCROLL), thumbStart,
                      thumbEnd, (info.rgstate[0] & STATE_SYSTEM_UNAVAILABLE) == 0, frames);
  }
  // Pumps until the screen at the native bar shows the skin's bar at the native thumb.
  bool ShowsSkinnedBar(const char* when, PartFrames frames = {}) {
    std::string difference;
    const bool ok = PumpUntil(
        [&] {
          difference = FirstDifference(ScreenAtBar(), ExpectedBar(frames));
          return difference.empty();
        },
        when);
    if (!ok) ADD_FAILURE() << when << ": " << difference;
    return ok;
  }

  // The pointer onto the form's caption, off the bar: the overlay hears it leave.
  void MovePointerAway() {
    RECT r;
    GetWindowRect(form_.Handle(), &r);
    SetCursorPos(r.left + 60, r.top + 8);
  }
  // A point of the overlay at the given distance along the bar, in the middle across it.
  POINT OverlayPoint(int along) {
    const SCROLLBARINFO info = NativeBar();
    return POINT{(info.rcScrollBar.right - info.rcScrollBar.left) / 2, along};
  }
  POINT MemoClientPoint(POINT overlayPoint) {
    POINT p = overlayPoint;
    MapWindowPoints(Bar()->Handle(), Memo(), &p, 1);
    return p;
  }
  // Presses the left button on the overlay at p and holds it until step lets go.
  void HoldAt(POINT p, POINT releaseOverlay, std::function<bool(int)> step, Hold& hold) {
    hold.step = std::move(step);
    hold.memo = Memo();
    hold.release = MemoClientPoint(releaseOverlay);
    activeHold = &hold;
    // The pointer where the press is, as it would be for a user's press.
    POINT screen = p;
    ClientToScreen(Bar()->Handle(), &screen);
    SetCursorPos(screen.x, screen.y);
    hold.timer = SetTimer(nullptr, 0, 20, HoldTick);
    SendMessageW(Bar()->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(p.x, p.y));
    if (!hold.released) KillTimer(nullptr, hold.timer);
    activeHold = nullptr;
    EXPECT_TRUE(hold.released) << "the native loop ended before the button was let go";
    EXPECT_FALSE(hold.timedOut) << "let go at the deadline";
    EXPECT_FALSE(Bar()->Pressed());
  }

  TMemo* memo_ = nullptr;
};

TEST_F(ScrollOverlay, TextGrowingPastTheMemoShowsTheSkinnedBarExactlyOverTheNativeOne) {
  MakeMemo();
  FillMemo(2);
  SkinOn();
  ASSERT_NE(Skinner(), nullptr) << "the memo has no scroll-bar skinner";
  TWScrollbar* bar = Bar();
  ASSERT_NE(bar, nullptr);
  // Whether the native bar is there, disabled, before the text needs it is the system's
  // choice; when it is, the skinned one covers it.
  if (!(NativeBar().rgstate[0] & STATE_SYSTEM_INVISIBLE)) {
    EXPECT_NE(NativeBar().rgstate[0] & STATE_SYSTEM_UNAVAILABLE, 0u);
    ASSERT_TRUE(ShowsSkinnedBar("the disabled bar before the text grows"));
  } else {
    EXPECT_FALSE(bar->Shown());
  }
  FillMemo(60);
  ASSERT_TRUE(ShowsSkinnedBar("the skinned bar at the native thumb"));
  const SCROLLBARINFO info = NativeBar();
  EXPECT_EQ(info.rgstate[0] & STATE_SYSTEM_UNAVAILABLE, 0u) << "the text does not overflow the memo";
  EXPECT_GT(info.xyThumbBottom, info.xyThumbTop);

  HWND overlay = bar->Handle();
  EXPECT_TRUE(IsWindowVisible(overlay));
  RECT placed;
  GetWindowRect(overlay, &placed);
  EXPECT_TRUE(EqualRect(&placed, &info.rcScrollBar)) << "overlay " << placed.left << "," << placed.top << " "
                                                     << placed.right << "," << placed.bottom;
  EXPECT_EQ(GetParent(overlay), form_.Handle());
  EXPECT_EQ(GetWindow(overlay, GW_HWNDNEXT), Memo()) << "not just above the memo";
  const LONG_PTR style = GetWindowLongPtrW(overlay, GWL_STYLE), exStyle = GetWindowLongPtrW(overlay, GWL_EXSTYLE);
  EXPECT_EQ(style & WS_TABSTOP, 0);
  EXPECT_NE(exStyle & WS_EX_TOOLWINDOW, 0);
}

// Skinning goes off from inside the native bar's loop (the manager's request timer fires
// there): the overlay, whose press handler the loop runs in, must live until the press ends,
// and is freed after it.
TEST_F(ScrollOverlay, SkinningOffWhileAnArrowIsHeldFreesTheBarOnceLetGo) {
  MakeMemo();
  FillMemo(80);
  SkinOn();
  TWScrollbar* bar = Bar();
  ASSERT_NE(bar, nullptr);
  ASSERT_TRUE(ShowsSkinnedBar("the bar before the press"));
  const HWND overlay = bar->Handle();
  const SCROLLBARINFO info = NativeBar();
  const POINT down = OverlayPoint(info.rcScrollBar.bottom - info.rcScrollBar.top - bar->ArrowSize() / 2);
  Hold hold;
  hold.memo = Memo();
  hold.release = MemoClientPoint(down);
  bool offInsideTheLoop = false;
  hold.step = [&](int tick) {
    if (tick == 3) {
      data_.SetActive(false);
      CarryOutRequestNow();
      offInsideTheLoop = RunningSkinner(form_.Handle()) == nullptr;
    }
    return tick >= 6;
  };
  activeHold = &hold;
  POINT screen = down;
  ClientToScreen(overlay, &screen);
  SetCursorPos(screen.x, screen.y);
  hold.timer = SetTimer(nullptr, 0, 20, HoldTick);
  SendMessageW(overlay, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(down.x, down.y));
  if (!hold.released) KillTimer(nullptr, hold.timer);
  activeHold = nullptr;
  EXPECT_TRUE(hold.released);
  EXPECT_TRUE(offInsideTheLoop);
  EXPECT_FALSE(IsWindowVisible(overlay)) << "the going bar still shows";
  EXPECT_TRUE(PumpUntil([] { return ComponentsWaitingToBeFreed() == 0; }, "the held bar to be freed"));
  EXPECT_FALSE(IsWindow(overlay));
  EXPECT_EQ(SendMessageW(Memo(), SKINMSG_QUERY, 0, 0), 0);
}

TEST_F(ScrollOverlay, HoldingTheDownArrowRepeatsThroughTheNativeLoopAndShowsItPressed) {
  MakeMemo();
  FillMemo(80);
  SkinOn();
  ASSERT_NE(Bar(), nullptr);
  ASSERT_TRUE(ShowsSkinnedBar("the bar before the press"));
  const SCROLLBARINFO info = NativeBar();
  const int length = info.rcScrollBar.bottom - info.rcScrollBar.top;
  const POINT downArrow = OverlayPoint(length - Bar()->ArrowSize() / 2);
  bool shownPressed = false;
  std::string pressedDifference = "never looked";
  Hold hold;
  HoldAt(downArrow, downArrow,
         [&](int) {
           if (!shownPressed) {
             UpdateWindow(Bar()->Handle());
             pressedDifference = FirstDifference(ScreenAtBar(), ExpectedBar(PartFrames{9, 14, 1, 20}));
             shownPressed = pressedDifference.empty();
           }
           return FirstLine() >= 3 && shownPressed;
         },
         hold);
  EXPECT_GE(FirstLine(), 3) << "the arrow did not repeat while held";
  EXPECT_TRUE(shownPressed) << "the held arrow did not show its pressed frame: " << pressedDifference;
  EXPECT_NE(GetFocus(), Bar()->Handle());
  // Let go with the pointer still on the arrow, and moved a pixel there: hot; moved off the
  // bar: normal.
  POINT onArrow{downArrow.x + 1, downArrow.y};
  ClientToScreen(Bar()->Handle(), &onArrow);
  SetCursorPos(onArrow.x, onArrow.y);
  EXPECT_TRUE(ShowsSkinnedBar("the hovered arrow after the release", PartFrames{9, 16}));
  MovePointerAway();
  EXPECT_TRUE(ShowsSkinnedBar("the bar with the pointer gone"));
}

TEST_F(ScrollOverlay, DraggingTheThumbAndClickingTheTrackMoveTheView) {
  MakeMemo();
  FillMemo(80);
  SkinOn();
  ASSERT_NE(Bar(), nullptr);
  ASSERT_TRUE(ShowsSkinnedBar("the bar before the press"));

  // Dragging the thumb 40 pixels down: the overlay's thumb follows the pointer, pressed,
  // whatever the native thumb does meanwhile.
  SCROLLBARINFO info = NativeBar();
  const POINT thumb = OverlayPoint((info.xyThumbTop + info.xyThumbBottom) / 2);
  const POINT dropped{thumb.x, thumb.y + 40};
  const int draggedTop = info.xyThumbTop + 40, draggedBottom = info.xyThumbBottom + 40;
  std::string draggedDifference = "never looked";
  Hold drag;
  HoldAt(thumb, dropped,
         [&](int tick) {
           if (tick == 1) {
             POINT screen = dropped;
             ClientToScreen(Bar()->Handle(), &screen);
             SetCursorPos(screen.x, screen.y);
             const POINT to = MemoClientPoint(dropped);
             PostMessageW(Memo(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(to.x, to.y));
           } else if (draggedDifference != "") {
             InvalidateRect(Bar()->Handle(), nullptr, FALSE);
             UpdateWindow(Bar()->Handle());
             draggedDifference = FirstDifference(
                 ScreenAtBar(), ExpectedBarWithThumb(draggedTop, draggedBottom, PartFrames{9, 13, 2, 21}));
           }
           return tick >= 2 && (draggedDifference.empty() || tick > 50);
         },
         drag);
  EXPECT_EQ(draggedDifference, "") << "the overlay's thumb did not follow the pointer";
  const int afterDrag = FirstLine();
  EXPECT_GT(afterDrag, 5) << "the view did not follow the thumb";
  MovePointerAway();
  ASSERT_TRUE(ShowsSkinnedBar("the bar after the drag"));

  // One click on the track below the thumb: a page, more than the one line an arrow scrolls.
  info = NativeBar();
  const int length = info.rcScrollBar.bottom - info.rcScrollBar.top;
  const POINT below = OverlayPoint((info.xyThumbBottom + length - Bar()->ArrowSize()) / 2);
  ASSERT_LT(info.xyThumbBottom, below.y);
  Hold page;
  HoldAt(below, below, [](int) { return true; }, page);
  EXPECT_GT(FirstLine(), afterDrag + 1) << "no page down";
  MovePointerAway();
  EXPECT_TRUE(ShowsSkinnedBar("the bar after the page"));
}

TEST_F(ScrollOverlay, TheWheelScrollsTheMemoAndTheOverlayFollows) {
  MakeMemo();
  FillMemo(80);
  SendMessageW(Memo(), EM_SETSEL, 0, 0);
  SendMessageW(Memo(), EM_SCROLLCARET, 0, 0);
  SkinOn();
  ASSERT_NE(Bar(), nullptr);
  ASSERT_TRUE(ShowsSkinnedBar("the bar at the top"));
  const int thumbBefore = NativeBar().xyThumbTop;
  RECT window;
  GetWindowRect(Memo(), &window);
  for (int notch = 0; notch < 3; ++notch)
    SendMessageW(Memo(), WM_MOUSEWHEEL, MAKEWPARAM(0, -WHEEL_DELTA), MAKELPARAM(window.left + 30, window.top + 30));
  EXPECT_GT(FirstLine(), 0);
  EXPECT_GT(NativeBar().xyThumbTop, thumbBefore);
  EXPECT_TRUE(ShowsSkinnedBar("the bar after the wheel"));
}

TEST_F(ScrollOverlay, HidingTheMemoHidesTheOverlayAndShowingItBringsItBack) {
  MakeMemo();
  FillMemo(60);
  SkinOn();
  ASSERT_NE(Bar(), nullptr);
  ASSERT_TRUE(ShowsSkinnedBar("the bar before hiding"));
  HWND overlay = Bar()->Handle();
  memo_->SetVisible(false);
  Pump();
  EXPECT_FALSE(IsWindowVisible(overlay));
  EXPECT_FALSE(Bar()->Shown());
  memo_->SetVisible(true);
  ASSERT_TRUE(PumpUntil([&] { return IsWindowVisible(overlay) != FALSE; }, "the overlay to come back"));
  EXPECT_TRUE(ShowsSkinnedBar("the bar shown again"));
}

TEST_F(ScrollOverlay, SkinningOffTakesTheOverlayAndTheBorderAwayAndTheNativeLookComesBack) {
  MakeMemo();
  FillMemo(60);
  Pump();
  RedrawWindow(Memo(), nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ERASE | RDW_UPDATENOW);
  const Bitmap native = MemoWindowPixels();
  SkinOn();
  ASSERT_NE(Bar(), nullptr);
  ASSERT_TRUE(ShowsSkinnedBar("the skinned bar"));
  HWND overlay = Bar()->Handle();
  EXPECT_FALSE(FirstDifference(MemoWindowPixels(), native).empty()) << "skinned looks native";

  // The memo's frame: the skin's shadow outline and face ring.
  const Bitmap skinned = MemoWindowPixels();
  const Pixel shadow = PixelFromRgb(ResolveColour(data_.ColourButtonShadow));
  const Pixel face = PixelFromRgb(ResolveColour(data_.ColourButtonFace));
  EXPECT_EQ(skinned.At(0, 0), shadow);
  EXPECT_EQ(skinned.At(skinned.Width() - 1, skinned.Height() / 2), shadow);
  EXPECT_EQ(skinned.At(1, 1), face);
  EXPECT_EQ(skinned.At(skinned.Width() / 2, skinned.Height() - 2), face);

  ASSERT_TRUE(SwitchSkinning(data_, false));
  EXPECT_FALSE(IsWindow(overlay)) << "the overlay outlived the skin";
  std::string difference;
  EXPECT_TRUE(PumpUntil(
      [&] {
        difference = FirstDifference(MemoWindowPixels(), native);
        return difference.empty();
      },
      "the native memo"))
      << difference;
}

// A memo with both bars: the horizontal overlay lies over the native horizontal bar and shows
// the skin's horizontal parts at the native thumb, and the corner between the bars takes the
// skin's face colour.
TEST_F(ScrollOverlay, BothBarsAreCoveredAndTheCornerBetweenThemTakesTheFace) {
  MakeMemo(ssBoth);
  FillMemo(60, 120);
  SkinOn();
  TSkinScrollbar* skinner = Skinner();
  ASSERT_NE(skinner, nullptr);
  ASSERT_TRUE(ShowsSkinnedBar("the vertical bar"));
  const SCROLLBARINFO horz = NativeBar(OBJID_HSCROLL);
  ASSERT_EQ(horz.rgstate[0] & (STATE_SYSTEM_INVISIBLE | STATE_SYSTEM_UNAVAILABLE), 0u);
  TWScrollbar* bar = skinner->HorzBar();
  ASSERT_TRUE(PumpUntil([&] { return bar->Shown(); }, "the horizontal overlay"));
  RECT placed;
  GetWindowRect(bar->Handle(), &placed);
  EXPECT_TRUE(EqualRect(&placed, &horz.rcScrollBar));
  std::string difference;
  EXPECT_TRUE(PumpUntil(
      [&] {
        const SCROLLBARINFO now = NativeBar(OBJID_HSCROLL);
        difference = FirstDifference(ScreenAt(InWindow(now.rcScrollBar)),
                                     ExpectedOf(now, false, now.xyThumbTop, now.xyThumbBottom, kHorizontalFrames));
        return difference.empty();
      },
      "the skinned horizontal bar"))
      << difference;

  // The corner is what neither bar covers. Wine reports the vertical bar one pixel longer, over
  // the corner's top row, and that row is the vertical overlay's.
  const RECT vert = NativeBar().rcScrollBar;
  const RECT corner = InWindow(RECT{std::max(vert.left, horz.rcScrollBar.right), std::max(horz.rcScrollBar.top, vert.bottom),
                                    vert.right, horz.rcScrollBar.bottom});
  ASSERT_GT(corner.right - corner.left, 8);
  ASSERT_GT(corner.bottom - corner.top, 8);
  const Pixel face = PixelFromRgb(ResolveColour(data_.ColourButtonFace));
  EXPECT_TRUE(PumpUntil(
      [&] { return CountPixels(ScreenAt(corner), [&](Pixel p) { return p != face; }) == 0; }, "the corner in the face colour"));
}

// The skin's print request for the memo's frame draws the border into the DC it carries and
// is answered; without the request's mark nothing is drawn and nothing answers.
TEST_F(ScrollOverlay, ThePrintFrameRequestDrawsTheBorderIntoTheGivenDC) {
  MakeMemo();
  SkinOn();
  ASSERT_NE(Skinner(), nullptr);
  RECT r;
  GetWindowRect(Memo(), &r);
  const int w = r.right - r.left, h = r.bottom - r.top;
  const Pixel shadow = PixelFromRgb(ResolveColour(data_.ColourButtonShadow));
  const Pixel face = PixelFromRgb(ResolveColour(data_.ColourButtonFace));
  for (const bool marked : {true, false}) {
    SCOPED_TRACE(marked ? "marked" : "unmarked");
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, w, h);
    ReleaseDC(nullptr, screen);
    HGDIOBJ old = SelectObject(dc, bitmap);
    PatBlt(dc, 0, 0, w, h, BLACKNESS);
    const LRESULT answer =
        SendMessageW(Memo(), SKINMSG_PRINTFRAME, reinterpret_cast<WPARAM>(dc), marked ? kPrintAnswer : 0);
    const Bitmap printed = ReadPixels(dc, RECT{0, 0, w, h});
    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);
    EXPECT_EQ(answer == kPrintAnswer, marked);
    EXPECT_EQ(printed.At(0, 0), marked ? shadow : 0u);
    EXPECT_EQ(printed.At(w - 1, h / 2), marked ? shadow : 0u);
    EXPECT_EQ(printed.At(1, h / 2), marked ? face : 0u);
    EXPECT_EQ(printed.At(w / 2, h / 2), 0u) << "more than the border";
  }
}

} // namespace
} // namespace vcu::test
