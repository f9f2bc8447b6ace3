// The skinned menu bar of an MDI frame: a maximised child's minimise, restore and close buttons
// drawn at the bar's right end and acting on that child, and a menu set through the client
// taken over by the bar.
#include <gtest/gtest.h>

#include "core/form/CaptionButtonRules.h"
#include "core/image/Blit.h"
#include "core/image/Slicing.h"
#include "core/menus/MenuComposer.h"
#include "mdi/MdiProgram.h"
#include "skin/menus/WinSkinMenu.h"
#include "support/Pixels.h"
#include "support/Pump.h"

namespace vcu::test {
namespace {

HMENU MenuOf(std::initializer_list<const wchar_t*> titles) {
  HMENU bar = CreateMenu();
  UINT command = 100;
  for (const wchar_t* title : titles) {
    HMENU drop = CreatePopupMenu();
    AppendMenuW(drop, MF_STRING, command++, L"Item");
    AppendMenuW(bar, MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(drop), title);
  }
  return bar;
}

class MdiMenuBar : public SkinnedMdi {
protected:
  HMENU FrameMenu() override { return MenuOf({L"&File", L"&Window"}); }

  TWinSkinForm& Frame() { return *Skinner(program_->Frame()); }
  TWinSkinMenu& Bar() { return *Frame().SkinMenu(); }
  Rect BarRect() {
    RECT w{};
    GetWindowRect(program_->Frame(), &w);
    const BorderSizes& b = Frame().Borders();
    return Rect{b.left, b.top, w.right - w.left - b.right, b.top + Frame().MenuHeight()};
  }
  // A maximised child; the frame repaints on its own as the child's title joins its caption.
  HWND MaximisedChild() {
    HWND child = NewChild(20, 20, 280, 180);
    SendMessageA(program_->Client(), WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(child), 0);
    Pump();
    return child;
  }
  // Where the skin puts MDI button i (0 minimise, 1 restore, 2 close), in window coordinates.
  Rect MdiButtonRect(int i) {
    const TDataSkinSysButton& def = data_.CaptionButtons[static_cast<size_t>(data_.MdiButtonBase + i)];
    RECT w{};
    GetWindowRect(program_->Frame(), &w);
    const Size2 frame = CaptionButtonFrameSize(def);
    return PlaceCaptionButton(def, frame.width, frame.height, w.right - w.left, Rect{}, Frame().Borders(),
                              data_.MenuBar ? data_.MenuBar->LeftWidth : 0, Frame().MenuHeight());
  }
  // The bar as the skin composes it (bar coordinates), with the MDI buttons in the given frame
  // or without them (frame 0).
  Bitmap ComposedBar(int mdiFrame) {
    const Rect bar = BarRect();
    Bitmap composed(bar.Width(), bar.Height());
    ComposeMenuBarBackground(composed, composed.Bounds(), data_, GetActiveWindow() == program_->Frame());
    for (int i = 0; mdiFrame > 0 && i < 3; ++i) {
      const TDataSkinSysButton& def = data_.CaptionButtons[static_cast<size_t>(data_.MdiButtonBase + i)];
      const Rect r = MdiButtonRect(i);
      DrawPlaced(composed,
                 StretchedFrameImage(Rect{r.left - bar.left, r.top - bar.top, r.right - bar.left, r.bottom - bar.top},
                                     def.Bitmap, mdiFrame, def.Frame),
                 true);
    }
    return composed;
  }
  Bitmap ShownBar() {
    const Rect bar = BarRect();
    HDC dc = GetWindowDC(program_->Frame());
    Bitmap pixels = ReadPixels(dc, RECT{bar.left, bar.top, bar.right, bar.bottom});
    ReleaseDC(program_->Frame(), dc);
    return pixels;
  }
  // The first pixel outside the menu captions where the two differ, or "".
  std::string FirstDifferenceOutsideCaptions(const Bitmap& shown, const Bitmap& expected) {
    if (shown.Width() != expected.Width() || shown.Height() != expected.Height()) return "sizes differ";
    const Rect bar = BarRect();
    for (int y = 0; y < shown.Height(); ++y)
      for (int x = 0; x < shown.Width(); ++x) {
        bool caption = false;
        for (int i = 0; i < Bar().Count(); ++i) {
          const Rect& r = Bar().Button(i).Bounds;
          caption |= x + bar.left >= r.left && x + bar.left < r.right && y + bar.top >= r.top && y + bar.top < r.bottom;
        }
        if (!caption && (shown.At(x, y) & 0xFFFFFF) != (expected.At(x, y) & 0xFFFFFF))
          return std::to_string(x) + "," + std::to_string(y);
      }
    return "";
  }
};

TEST_F(MdiMenuBar, MaximisedChildsButtonsAreDrawnAtTheBarsRightEnd) {
  ASSERT_NE(Frame().SkinMenu(), nullptr);
  ASSERT_EQ(Bar().Count(), 2);
  ASSERT_EQ(data_.CaptionButtons.size(), static_cast<size_t>(data_.MdiButtonBase + 3));
  RedrawWindow(program_->Frame(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
  Pump();
  EXPECT_FALSE(Frame().ShowsMdiButtons());
  EXPECT_EQ(FirstDifferenceOutsideCaptions(ShownBar(), ComposedBar(0)), "") << "no child, no buttons";

  HWND child = MaximisedChild();
  ASSERT_TRUE(Frame().ShowsMdiButtons());
  const Bitmap withButtons = ComposedBar(1);
  ASSERT_NE(FirstDifference(withButtons, ComposedBar(0)), "") << "the skin's MDI buttons show on the bar";
  EXPECT_EQ(FirstDifferenceOutsideCaptions(ShownBar(), withButtons), "");
  for (int i = 0; i < 3; ++i)
    EXPECT_EQ(Frame().CaptionButtons().Button(data_.MdiButtonBase + i).Bounds, MdiButtonRect(i)) << "button " << i;

  // Restored, the child takes its buttons off the bar; maximised again, it puts them back.
  SendMessageA(program_->Client(), WM_MDIRESTORE, reinterpret_cast<WPARAM>(child), 0);
  Pump();
  EXPECT_FALSE(Frame().ShowsMdiButtons());
  EXPECT_EQ(FirstDifferenceOutsideCaptions(ShownBar(), ComposedBar(0)), "") << "restored";
  SendMessageA(program_->Client(), WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(child), 0);
  Pump();
  EXPECT_EQ(FirstDifferenceOutsideCaptions(ShownBar(), withButtons), "") << "maximised again";

  // Composing the bar with the buttons (a new size makes a new composition) tells the manager
  // that children show maximised.
  Manager().SetMdiMaximized(false);
  RECT w{};
  GetWindowRect(program_->Frame(), &w);
  SetWindowPos(program_->Frame(), nullptr, 0, 0, w.right - w.left + 10, w.bottom - w.top, SWP_NOMOVE | SWP_NOZORDER);
  RedrawWindow(program_->Frame(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
  Pump();
  EXPECT_TRUE(Manager().MdiMaximized());
}

// Hovering a button shows its hot frame (the fourth); a click on it acts on the maximised child.
TEST_F(MdiMenuBar, ButtonsActOnTheMaximisedChild) {
  struct Case {
    int button;
    const char* name;
    bool (*done)(HWND child);
  } cases[] = {
      {0, "minimise", [](HWND child) { return IsIconic(child) != FALSE; }},
      {1, "restore", [](HWND child) { return !IsZoomed(child) && !IsIconic(child); }},
      {2, "close", [](HWND child) { return !IsWindow(child); }},
  };
  for (const Case& c : cases) {
    HWND child = MaximisedChild();
    ASSERT_TRUE(IsZoomed(child)) << c.name;
    RECT w{};
    GetWindowRect(program_->Frame(), &w);
    const Rect r = MdiButtonRect(c.button);
    const LPARAM at = MAKELPARAM(w.left + (r.left + r.right) / 2, w.top + (r.top + r.bottom) / 2);
    SendMessageA(program_->Frame(), WM_NCMOUSEMOVE, HTMENU, at);
    const Rect bar = BarRect();
    const Rect inBar{r.left - bar.left, r.top - bar.top, r.right - bar.left, r.bottom - bar.top};
    Bitmap hot(r.Width(), r.Height()), shown(r.Width(), r.Height());
    CopyPixels(hot, 0, 0, ComposedBar(0), inBar);
    const TDataSkinSysButton& def = data_.CaptionButtons[static_cast<size_t>(data_.MdiButtonBase + c.button)];
    DrawPlaced(hot, StretchedFrameImage(hot.Bounds(), def.Bitmap, 4, def.Frame), true);
    CopyPixels(shown, 0, 0, ShownBar(), inBar);
    EXPECT_EQ(FirstDifference(shown, hot), "") << c.name << " hot";

    SendMessageA(program_->Frame(), WM_NCLBUTTONDOWN, HTMENU, at);
    SendMessageA(program_->Frame(), WM_NCLBUTTONUP, HTMENU, at);
    Pump();
    EXPECT_TRUE(c.done(child)) << c.name;
    if (IsWindow(child)) SendMessageA(program_->Client(), WM_MDIDESTROY, reinterpret_cast<WPARAM>(child), 0);
    Pump();
  }
}

// A menu set through the client becomes the skinned bar's, and stays off the frame: the
// client area keeps its size.
// A child's creation turns the skin data's menu updates off; destroying the last child gives
// them back and builds the bar again from the menu the child's maximised state left behind.
TEST_F(MdiMenuBar, LastChildsDestructionRebuildsTheBarAndGivesMenuUpdatesBack) {
  const bool menuUpdate = data_.MenuUpdate();
  const int count = Bar().Count();
  HWND first = MaximisedChild();
  HWND second = MaximisedChild();
  EXPECT_FALSE(data_.MenuUpdate());
  SendMessageA(program_->Client(), WM_MDIDESTROY, reinterpret_cast<WPARAM>(second), 0);
  Pump();
  EXPECT_FALSE(data_.MenuUpdate()) << "a child is still there";

  const unsigned version = Bar().Version();
  SendMessageA(program_->Client(), WM_MDIDESTROY, reinterpret_cast<WPARAM>(first), 0);
  Pump();
  EXPECT_EQ(data_.MenuUpdate(), menuUpdate);
  EXPECT_NE(Bar().Version(), version) << "built again";
  EXPECT_EQ(Bar().Count(), count);
  EXPECT_FALSE(Frame().ShowsMdiButtons());
  EXPECT_EQ(FirstDifferenceOutsideCaptions(ShownBar(), ComposedBar(0)), "");
}

TEST_F(MdiMenuBar, MenuSetThroughTheClientIsTakenOverByTheBar) {
  const SIZE client = ClientSize(program_->Frame());
  HMENU old = Bar().Menu();
  HMENU next = MenuOf({L"&Edit", L"&View", L"&Help"});
  const unsigned version = Bar().Version();
  SendMessageA(program_->Client(), WM_MDISETMENU, reinterpret_cast<WPARAM>(next), 0);
  Pump();
  EXPECT_EQ(GetMenu(program_->Frame()), nullptr);
  EXPECT_EQ(Bar().Menu(), next);
  ASSERT_EQ(Bar().Count(), 3);
  EXPECT_EQ(Bar().Button(0).Caption, L"&Edit");
  EXPECT_EQ(Bar().Button(2).SubMenu, GetSubMenu(next, 2));
  EXPECT_NE(Bar().Version(), version);
  EXPECT_FALSE(Bar().Button(2).Bounds.Empty()) << "laid out at once";
  EXPECT_EQ(ClientSize(program_->Frame()).cx, client.cx);
  EXPECT_EQ(ClientSize(program_->Frame()).cy, client.cy);

  // No new menu leaves the bar as it is.
  SendMessageA(program_->Client(), WM_MDISETMENU, 0, 0);
  Pump();
  EXPECT_EQ(Bar().Menu(), next);
  DestroyMenu(old);
}

} // namespace
} // namespace vcu::test
