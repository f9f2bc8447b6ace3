// The MDI frame under the skin: skinned as an MDI frame, its client window subclassed (scroll
// bars, the redraw request), a right click on its caption, and everything given back.
#include <gtest/gtest.h>

#include <algorithm>

#include "mdi/MdiProgram.h"
#include "support/Dialogs.h"
#include "support/Pixels.h"
#include "support/Pump.h"

namespace vcu::test {
namespace {

constexpr UINT_PTR kMenuCloser = 0x4D44;

void CALLBACK CloseMenu(HWND, UINT, UINT_PTR, DWORD) { EndMenu(); }

class MdiFrame : public SkinnedMdi {
protected:
  // A right click on the middle of the window's caption, with any menu it opens closed again
  // a moment later; answers how many menus reached the window's own procedure.
  int RightClickCaption(HWND window) {
    const int before = program_->MenusOpened(window);
    RECT r{};
    GetWindowRect(window, &r);
    const UINT_PTR closer = SetTimer(nullptr, kMenuCloser, 50, &CloseMenu);
    // The default handling of the press waits for the release and opens the native system
    // menu when that happens over the caption: the release waits in the queue, far away.
    SetCursorPos(r.right + 200, r.bottom + 100);
    PostMessageA(window, WM_RBUTTONUP, 0, 0);
    {
      ModalDeadline deadline;
      SendMessageA(window, WM_NCRBUTTONDOWN, HTCAPTION, MAKELPARAM((r.left + r.right) / 2, r.top + 12));
      Pump();
    }
    KillTimer(nullptr, closer);
    return program_->MenusOpened(window) - before;
  }
  // The middle of the title bar as the screen shows it.
  Bitmap TitleBarPixels() {
    RECT r{};
    GetWindowRect(program_->Frame(), &r);
    const RECT strip{40, 2, r.right - r.left - 120, Skinner(program_->Frame())->Borders().top - 2};
    HDC dc = GetWindowDC(program_->Frame());
    Bitmap pixels = ReadPixels(dc, strip);
    ReleaseDC(program_->Frame(), dc);
    return pixels;
  }
};

TEST_F(MdiFrame, SkinnedAsAnMdiFrameWithItsClientRecorded) {
  TWinSkinForm* frame = Skinner(program_->Frame());
  ASSERT_NE(frame, nullptr);
  EXPECT_EQ(frame->FormKind(), fmMdiFrame);
  EXPECT_TRUE(frame->FrameSkinning());
  EXPECT_EQ(frame->MdiClient(), program_->Client());
  EXPECT_EQ(Manager().MdiClient(), program_->Client());
  EXPECT_EQ(Manager().MdiMainForm(), frame);
  // The frame keeps its client area inside the skin's borders.
  RECT w{};
  GetWindowRect(program_->Frame(), &w);
  const BorderSizes& b = frame->Borders();
  EXPECT_EQ(ClientSize(program_->Frame()).cx, w.right - w.left - b.left - b.right);
  EXPECT_EQ(ClientSize(program_->Frame()).cy, w.bottom - w.top - b.top - b.bottom - frame->MenuHeight());
  EXPECT_EQ(ClientSize(program_->Frame()).cx, program_->FrameClientAtCreate().cx);
}

// The client's frame recalculation drops its native scroll bars while the frame is skinned,
// unless the skin data asks for them; once unskinned the client keeps what it is given.
TEST_F(MdiFrame, ClientLosesNativeScrollBarsUnlessAskedFor) {
  const LONG_PTR bars = WS_VSCROLL | WS_HSCROLL;
  auto barsAfterRecalculation = [this, bars] {
    HWND client = program_->Client();
    SetWindowLongPtrA(client, GWL_STYLE, GetWindowLongPtrA(client, GWL_STYLE) | bars);
    SetWindowPos(client, nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    return GetWindowLongPtrA(client, GWL_STYLE) & bars;
  };
  const unsigned options = data_.Options();
  EXPECT_EQ(barsAfterRecalculation(), 0);
  data_.SetOptions(Include(options, xoMDIScrollbar));
  EXPECT_EQ(barsAfterRecalculation(), bars);
  data_.SetOptions(options);
  Unskin();
  EXPECT_EQ(barsAfterRecalculation(), bars);
}

// 0x3516 on the client repaints the whole frame at once and never reaches the client's own
// procedure; once unskinned it does.
TEST_F(MdiFrame, RedrawRequestRepaintsTheFrameInsteadOfReachingTheClient) {
  Pump();
  const Bitmap painted = TitleBarPixels();
  ASSERT_GT(painted.Width(), 0);
  HDC dc = GetWindowDC(program_->Frame());
  const RECT strip{0, 0, 2000, Skinner(program_->Frame())->Borders().top};
  HBRUSH green = CreateSolidBrush(RGB(0, 255, 0));
  FillRect(dc, &strip, green);
  DeleteObject(green);
  ReleaseDC(program_->Frame(), dc);
  ASSERT_NE(FirstDifference(TitleBarPixels(), painted), "") << "the green strip did not reach the screen";

  SendMessageA(program_->Client(), SKINMSG_MDIREDRAW, 0, 0);
  EXPECT_EQ(FirstDifference(TitleBarPixels(), painted), "");
  EXPECT_FALSE(program_->ClientSaw(SKINMSG_MDIREDRAW));

  Unskin();
  SendMessageA(program_->Client(), SKINMSG_MDIREDRAW, 0, 0);
  EXPECT_TRUE(program_->ClientSaw(SKINMSG_MDIREDRAW));
}

// The skinner answers the frame's WM_NCACTIVATE itself; the client still hears of it, so
// that the active child's caption follows the frame's.
TEST_F(MdiFrame, FrameActivationReachesTheClient) {
  for (BOOL active : {FALSE, TRUE}) {
    const size_t before = program_->ClientMessages().size();
    SendMessageA(program_->Frame(), WM_NCACTIVATE, active, 0);
    const auto& seen = program_->ClientMessages();
    EXPECT_TRUE(std::any_of(seen.begin() + static_cast<std::ptrdiff_t>(before), seen.end(),
                            [](const std::pair<UINT, bool>& m) { return m.first == WM_NCACTIVATE; }))
        << (active ? "activation" : "deactivation");
    EXPECT_EQ(Skinner(program_->Frame())->IsActive(), active != FALSE);
  }
}

// The frame's caption opens the skinned system menu; a child's opens none.
TEST_F(MdiFrame, RightClickOnCaptionOpensASystemMenuOnlyOnTheFrame) {
  HWND child = NewChild(20, 20, 280, 180);
  EXPECT_EQ(RightClickCaption(child), 0);
  EXPECT_EQ(RightClickCaption(program_->Frame()), 1);
}

// The client window going before the frame takes our subclassing with it; unskinning later
// finds nothing to give back there.
TEST_F(MdiFrame, ClientGoingFirstTakesTheSubclassingOff) {
  DestroyWindow(program_->Client());
  EXPECT_EQ(Skinner(program_->Frame())->MdiClient(), nullptr);
  Unskin();
  EXPECT_EQ(GetWindowLongPtrA(program_->Frame(), GWLP_WNDPROC), GetClassLongPtrA(program_->Frame(), GCLP_WNDPROC));
}

// Skinning off gives back the frame (size, client, styles, procedure, region), the client's
// procedure and every child (size and place in the client, styles, procedure, region).
TEST_F(MdiFrame, UnskinningGivesFrameClientAndChildrenBack) {
  struct Placed {
    HWND window;
    RECT bounds;
  } children[] = {{NewChild(40, 30, 300, 200), {40, 30, 340, 230}}, {NewChild(120, 90, 260, 170), {120, 90, 380, 260}}};
  for (const Placed& c : children) ASSERT_TRUE(HasRegion(c.window));
  Unskin();

  HWND frame = program_->Frame();
  RECT w{};
  GetWindowRect(frame, &w);
  const RECT expected = MdiProgram::kFrameBounds;
  EXPECT_EQ(w.right - w.left, expected.right - expected.left);
  EXPECT_EQ(w.bottom - w.top, expected.bottom - expected.top);
  EXPECT_EQ(ClientSize(frame).cx, program_->FrameClientAtCreate().cx);
  EXPECT_EQ(ClientSize(frame).cy, program_->FrameClientAtCreate().cy);
  EXPECT_EQ(GetWindowLongPtrA(frame, GWL_STYLE) & MdiProgram::kFrameStyle, static_cast<LONG_PTR>(MdiProgram::kFrameStyle));
  EXPECT_EQ(GetWindowLongPtrA(frame, GWLP_WNDPROC), GetClassLongPtrA(frame, GCLP_WNDPROC));
  EXPECT_FALSE(HasRegion(frame));
  SendMessageA(program_->Client(), SKINMSG_MDIREDRAW, 0, 0);
  EXPECT_TRUE(program_->ClientSaw(SKINMSG_MDIREDRAW)) << "the client's own procedure is reached again";

  for (const Placed& c : children) {
    const RECT r = WindowRectIn(program_->Client(), c.window);
    EXPECT_EQ(r.left, c.bounds.left);
    EXPECT_EQ(r.top, c.bounds.top);
    EXPECT_EQ(r.right, c.bounds.right);
    EXPECT_EQ(r.bottom, c.bounds.bottom);
    const RECT& noted = program_->ChildNoted(c.window).client;
    EXPECT_EQ(ClientSize(c.window).cx, noted.right);
    EXPECT_EQ(ClientSize(c.window).cy, noted.bottom);
    EXPECT_EQ(GetWindowLongPtrA(c.window, GWL_STYLE) & MdiProgram::kChildStyle,
              static_cast<LONG_PTR>(MdiProgram::kChildStyle));
    EXPECT_EQ(GetWindowLongPtrA(c.window, GWLP_WNDPROC), GetClassLongPtrA(c.window, GCLP_WNDPROC));
    EXPECT_FALSE(HasRegion(c.window));
  }
}

} // namespace
} // namespace vcu::test
