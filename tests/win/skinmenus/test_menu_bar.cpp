// The skinned menu bar on a plain window: it takes the window's menu over and is painted as the
// skin composes it; hover feedback; drop-downs opened by mouse and keyboard run a command once;
// the mouse moved across the bar and the arrow keys switch drop-downs once per change of index
// (right-to-left menus exchange the arrows); skinning off gives the native bar back, on takes
// it again, a thousand times without a leak.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "MenuWindows.h"
#include "core/image/PixelOps.h"
#include "core/menus/MenuComposer.h"
#include "skin/menus/WinSkinMenu.h"
#include "support/GuiResources.h"
#include "support/Pixels.h"
#include "support/Pump.h"

namespace vcu::test {
namespace {

using MenuBar = MenuWindowTest;

RECT ToRECT(const Rect& r) { return RECT{r.left, r.top, r.right, r.bottom}; }

Bitmap ReadWindowPixels(HWND window, const Rect& area) {
  HDC dc = GetWindowDC(window);
  Bitmap pixels = ReadPixels(dc, ToRECT(area));
  ReleaseDC(window, dc);
  return pixels;
}

bool Inside(const Rect& r, int x, int y) { return x >= r.left && x < r.right && y >= r.top && y < r.bottom; }

// The bar's drop-downs among the popups the window was told of, in order.
std::vector<int> DropDownIndices(const std::vector<HMENU>& popups, HMENU bar) {
  std::vector<int> indices;
  for (HMENU popup : popups)
    for (int i = 0; i < GetMenuItemCount(bar); ++i)
      if (GetSubMenu(bar, i) == popup) indices.push_back(i);
  return indices;
}

std::wstring ItemText(HMENU menu, int position) {
  wchar_t text[80] = {};
  GetMenuStringW(menu, static_cast<UINT>(position), text, 80, MF_BYPOSITION);
  return text;
}

TEST_F(MenuBar, TakesTheMenuOverAndPaintsTheSkinsBarUnderTheTitle) {
  CreateMenuWindow();
  SkinMenuWindow();
  TWinSkinForm& skinner = *Skinner();
  EXPECT_EQ(GetMenu(window_), nullptr) << "the native bar is off the window";
  ASSERT_EQ(Bar().Count(), 4);
  EXPECT_EQ(Bar().Menu(), menu_);
  EXPECT_EQ(Bar().Button(0).Caption, L"&File");
  EXPECT_EQ(Bar().Button(3).SubMenu, GetSubMenu(menu_, 3));
  EXPECT_EQ(skinner.MenuHeight(), GetSystemMetrics(SM_CYMENU));
  const WindowSize size = WindowSizeOf(window_), client = ClientSizeOf(window_);
  const BorderSizes& b = skinner.Borders();
  EXPECT_EQ(size.height, client.height + b.top + b.bottom + skinner.MenuHeight()) << "the bar has its strip";
  EXPECT_EQ(size.width, client.width + b.left + b.right);

  RedrawWindow(window_, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
  Pump();
  const Rect bar{b.left, b.top, size.width - b.right, b.top + skinner.MenuHeight()};
  EXPECT_EQ(Bar().BarRect(), bar);
  Bitmap expected(bar.Width(), bar.Height());
  ComposeMenuBarBackground(expected, expected.Bounds(), data_, GetActiveWindow() == window_);
  const Bitmap shown = ReadWindowPixels(window_, bar);
  ASSERT_EQ(shown.Width(), expected.Width());
  std::vector<int> captionPixels(4, 0);
  int mismatches = 0;
  for (int y = 0; y < shown.Height(); ++y)
    for (int x = 0; x < shown.Width(); ++x) {
      const bool same = (shown.At(x, y) & 0xFFFFFF) == (expected.At(x, y) & 0xFFFFFF);
      int in = -1;
      for (int i = 0; i < 4; ++i)
        if (Inside(Bar().Button(i).Bounds, x + bar.left, y + bar.top)) in = i;
      if (in >= 0) captionPixels[static_cast<size_t>(in)] += !same;
      else if (!same && mismatches++ == 0)
        ADD_FAILURE() << "bar pixel " << x << "," << y << " is not the skin's: " << std::hex << shown.At(x, y)
                      << " vs " << expected.At(x, y);
    }
  EXPECT_EQ(mismatches, 0);
  for (int i = 0; i < 4; ++i) EXPECT_GT(captionPixels[static_cast<size_t>(i)], 5) << "caption of button " << i;
  const Rect& first = Bar().Button(0).Bounds;
  EXPECT_EQ(first.left, bar.left + data_.MenuBar->LeftWidth + 4);
  EXPECT_EQ(first.bottom, bar.bottom - 1);
}

TEST_F(MenuBar, HotButtonIsOutlinedAndGoesBackWhenTheMouseLeaves) {
  CreateMenuWindow();
  SkinMenuWindow();
  RedrawWindow(window_, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
  Pump();
  const Rect r = Bar().Button(1).Bounds;
  const POINT centre = ButtonCentre(1);
  const Pixel outline = PixelFromRgb(ResolveColour(data_.ColourButtonHilight));
  const Bitmap before = ReadWindowPixels(window_, r);
  SendMessageW(window_, WM_NCMOUSEMOVE, HTMENU, MAKELPARAM(centre.x, centre.y));
  const Bitmap hot = ReadWindowPixels(window_, r);
  EXPECT_EQ(Bar().Button(1).State, ncHot);
  for (POINT p : {POINT{0, 0}, POINT{r.Width() - 1, 0}, POINT{0, r.Height() - 1}, POINT{r.Width() / 2, r.Height() - 1}})
    EXPECT_EQ(hot.At(p.x, p.y) & 0xFFFFFF, outline) << p.x << "," << p.y;
  RECT frame{};
  GetWindowRect(window_, &frame);
  SendMessageW(window_, WM_NCMOUSEMOVE, HTCAPTION, MAKELPARAM(frame.left + 60, frame.top + 10));
  EXPECT_EQ(Bar().Button(1).State, ncNormal);
  EXPECT_EQ(FirstDifference(ReadWindowPixels(window_, r), before), "");
}

// A command chosen from a drop-down runs once, whether the mouse or the keyboard chose it.
TEST_F(MenuBar, CommandChosenByMouseOrKeyboardRunsOnce) {
  CreateMenuWindow();
  SkinMenuWindow();
  HMENU file = GetSubMenu(menu_, 0);
  {
    RECT shownAt{};
    MenuScript script({[&] {
                         const auto open = OpenMenuWindows();
                         if (!open.empty()) GetWindowRect(open.front(), &shownAt);
                       },
                       [&] { ClickMenuItem(window_, file, 0); }});
    const POINT at = ButtonCentre(0);
    SendMessageW(window_, WM_NCLBUTTONDOWN, HTMENU, MAKELPARAM(at.x, at.y));
    ASSERT_TRUE(PumpUntil([&] { return Log().commands[kNew] > 0; }, "the chosen command"));
    RECT frame{};
    GetWindowRect(window_, &frame);
    const Rect& button = Bar().Button(0).Bounds;
    EXPECT_EQ(shownAt.left, frame.left + button.left) << "the drop-down opens under its button";
    EXPECT_GE(shownAt.top, frame.top + button.bottom);
    EXPECT_LE(shownAt.top, frame.top + button.bottom + 2);
  }
  {
    // Alt+F: the first item comes up selected, one more down is "Open".
    MenuScript script({[] { PressMenuKey(VK_DOWN); }, [] { PressMenuKey(VK_RETURN); }});
    SendMessageW(window_, WM_SYSCHAR, 'f', 0x20000001);
    ASSERT_TRUE(PumpUntil([&] { return Log().commands[kOpen] > 0; }, "the command chosen by keyboard"));
  }
  // Anything that would run a command twice has arrived by now.
  for (int i = 0; i < 5; ++i) {
    Sleep(20);
    Pump();
  }
  EXPECT_EQ(Log().commands[kNew], 1);
  EXPECT_EQ(Log().commands[kOpen], 1);
  EXPECT_EQ(Log().commands.size(), 2u) << "no other command ran";
  EXPECT_TRUE(Manager().PopupMenus().empty()) << "no popup skinner is left once the menus closed";
}

TEST_F(MenuBar, MouseAcrossTheBarSwitchesDropDownsOncePerChangeOfIndex) {
  CreateMenuWindow();
  SkinMenuWindow();
  auto moveTo = [this](int button, int dx) {
    return [this, button, dx] {
      const POINT p = ButtonCentre(button);
      SetCursorPos(p.x + dx, p.y);
      PostMessageW(window_, WM_MOUSEMOVE, 0, 0);
    };
  };
  {
    MenuScript script({moveTo(0, 3), moveTo(1, 0), moveTo(1, 2), moveTo(1, -3), moveTo(2, 0), moveTo(2, 4),
                       moveTo(1, 1)});
    const POINT at = ButtonCentre(0);
    SendMessageW(window_, WM_NCLBUTTONDOWN, HTMENU, MAKELPARAM(at.x, at.y));
  }
  EXPECT_EQ(DropDownIndices(Log().dropDowns, menu_), (std::vector<int>{0, 1, 2, 1}));
  EXPECT_FALSE(Skinner()->MenuTracking());
  EXPECT_TRUE(Log().commands.empty());
}

// From File, the arrow keys go to the neighbours on screen, with wrap-around; for a
// right-to-left menu the buttons run leftwards, and the keys are exchanged so that they still
// follow the screen.
TEST_F(MenuBar, ArrowKeysWalkTheBarAndRightToLeftMenusExchangeThem) {
  struct Case {
    bool rightToLeft;
    UINT key;
    int expected;
  } cases[] = {{false, VK_RIGHT, 1}, {false, VK_LEFT, 3}, {true, VK_LEFT, 1}, {true, VK_RIGHT, 3}};
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << (c.rightToLeft ? "right-to-left " : "left-to-right ")
                                    << (c.key == VK_LEFT ? "left" : "right"));
    if (window_) DestroyWindow(window_);
    TestWindowLog() = MenuWindowLog{};
    CreateMenuWindow(c.rightToLeft);
    SkinMenuWindow();
    ASSERT_EQ(Bar().RightToLeft(), c.rightToLeft);
    if (c.rightToLeft) {
      EXPECT_LT(Bar().Button(1).Bounds.right, Bar().Button(0).Bounds.left + 1);
    }
    {
      MenuScript script({[&] { PressMenuKey(c.key); }});
      SendMessageW(window_, WM_SYSCOMMAND, SC_KEYMENU, 'f');
    }
    EXPECT_EQ(DropDownIndices(Log().dropDowns, menu_), (std::vector<int>{0, c.expected}));
  }
}

TEST_F(MenuBar, SkinningOffGivesTheNativeBarBackAndOnTakesItAgain) {
  CreateMenuWindow();
  const WindowSize size = WindowSizeOf(window_), client = ClientSizeOf(window_);
  SkinMenuWindow();
  for (int round = 1; round <= 2; ++round) {
    SCOPED_TRACE("round " + std::to_string(round));
    data_.SetActive(false);
    CarryOutRequestNow();
    EXPECT_EQ(GetMenu(window_), menu_);
    ASSERT_EQ(GetMenuItemCount(menu_), 4);
    const wchar_t* captions[] = {L"&File", L"&Edit", L"&View", L"&Help"};
    for (int i = 0; i < 4; ++i) EXPECT_EQ(ItemText(menu_, i), captions[i]);
    EXPECT_EQ(GetMenuItemCount(GetSubMenu(menu_, 0)), 4) << "every item of the drop-downs too";
    EXPECT_EQ(WindowSizeOf(window_).height, size.height);
    EXPECT_EQ(WindowSizeOf(window_).width, size.width);
    EXPECT_EQ(ClientSizeOf(window_).height, client.height);
    data_.SetActive(true);
    CarryOutRequestNow();
    // A plain window is taken again when it is activated, as the hook does.
    Manager().SkinWindow(window_);
    ASSERT_TRUE(PumpUntilSkinned(window_));
    EXPECT_EQ(GetMenu(window_), nullptr);
    ASSERT_NE(Skinner()->SkinMenu(), nullptr);
    EXPECT_EQ(Bar().Count(), 4);
  }
}

TEST_F(MenuBar, AThousandOffOnCyclesLeaveTheGuiObjectCountsFlat) {
  constexpr int kCycles = 1000;
  constexpr long kMargin = 4;
  CreateMenuWindow();
  SkinMenuWindow();
  GuiObjectCounts first{};
  for (int cycle = 1; cycle <= kCycles; ++cycle) {
    data_.SetActive(false);
    CarryOutRequestNow();
    data_.SetActive(true);
    CarryOutRequestNow();
    Manager().SkinWindow(window_);
    Pump();
    if (!RunningSkinner(window_) || GetMenu(window_)) {
      ADD_FAILURE() << "not skinned again with its bar in cycle " << cycle;
      return;
    }
    if (cycle == 1) first = CountGuiObjects();
  }
  const GuiObjectCounts last = CountGuiObjects();
  std::printf("GDI objects: %ld after the first cycle, %ld after %d; USER objects: %ld, %ld\n", first.gdi, last.gdi,
              kCycles, first.user, last.user);
  ASSERT_GE(first.gdi, 0);
  EXPECT_LE(std::labs(last.gdi - first.gdi), kMargin);
  EXPECT_LE(std::labs(last.user - first.user), kMargin);
}

} // namespace
} // namespace vcu::test
