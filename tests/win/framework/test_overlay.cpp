// A framework control laid over a native window that no framework control stands behind (a
// bar over a native edit): it is the edit's child at its bounds, takes the mouse and paints,
// and either side can go first without the other writing into or calling something dead.
#include <gtest/gtest.h>

#include <memory>

#include "framework/Controls.h"
#include "support/Pixels.h"
#include "support/Pump.h"
#include "support/WindowQueries.h"

namespace vcu {
namespace {

using test::Pump;

// What the test sees of an overlay, kept outside it so it can be read after the overlay is gone.
struct OverlayLog {
  bool destroyed = false;   // the overlay's destructor has run
  int lateMessages = 0;     // messages handled by the overlay after that
  int clicks = 0;
  int paints = 0;
  bool windowDestroyed = false; // WM_DESTROY reached the overlay while it was alive
};

class Overlay : public TWinControl {
public:
  Overlay(OverlayLog& log) : TWinControl(nullptr), log_(log) {
    SetOnClick([this](TObject*) { ++log_.clicks; });
    clickEvents_ = true;
  }
  ~Overlay() override { log_.destroyed = true; }

protected:
  void PaintWindow(HDC dc) override {
    ++log_.paints;
    RECT r{0, 0, Width(), Height()};
    HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
    FillRect(dc, &r, red);
    DeleteObject(red);
  }
  void Dispatch(TMessage& message) override {
    if (log_.destroyed) ++log_.lateMessages;
    if (message.Msg == WM_DESTROY) log_.windowDestroyed = true;
    TWinControl::Dispatch(message);
  }

private:
  OverlayLog& log_;
};

class OverEdit : public ::testing::Test {
protected:
  OverEdit() : host_(120, 120, 260, 160) {
    edit_ = CreateWindowExA(WS_EX_CLIENTEDGE, "EDIT", "native text", WS_CHILD | WS_VISIBLE | ES_MULTILINE, 10,
                            10, 220, 120, host_.Get(), nullptr, GetModuleHandleA(nullptr), nullptr);
    overlay_ = std::make_unique<Overlay>(log_);
    overlay_->SetBounds(kBar.left, kBar.top, kBar.right - kBar.left, kBar.bottom - kBar.top);
    overlay_->SetParentWindow(edit_);
    overlay_->HandleNeeded();
    Pump();
  }
  ~OverEdit() override {
    overlay_.reset();
    if (IsWindow(edit_)) DestroyWindow(edit_);
  }

  static constexpr RECT kBar{150, 5, 166, 85}; // in the edit's client coordinates
  test::TestWindow host_;
  HWND edit_ = nullptr;
  OverlayLog log_;
  std::unique_ptr<Overlay> overlay_;
};

TEST_F(OverEdit, IsAChildOfTheEditAtItsBoundsAndPaints) {
  ASSERT_NE(edit_, nullptr);
  HWND bar = overlay_->Handle();
  EXPECT_EQ(GetParent(bar), edit_);
  EXPECT_TRUE(GetWindowLongPtrA(bar, GWL_STYLE) & WS_CHILD);
  EXPECT_EQ(FindControl(bar), overlay_.get());
  EXPECT_EQ(FindControl(edit_), nullptr) << "the host stays a plain native window";
  RECT inEdit = test::RectInParent(bar);
  EXPECT_TRUE(EqualRect(&inEdit, &kBar)) << inEdit.left << "," << inEdit.top << " " << inEdit.right << ","
                                         << inEdit.bottom;

  ASSERT_TRUE(test::PumpUntil([&] { return log_.paints > 0; }, "the overlay's first paint"));
  const Bitmap seen = test::ReadClientPixels(edit_, kBar);
  const int area = (kBar.right - kBar.left) * (kBar.bottom - kBar.top);
  EXPECT_EQ(test::CountPixels(seen, [](Pixel p) { return p == test::PixelOf(RGB(255, 0, 0)); }), area)
      << "the edit shows the overlay's paint over the whole bar";

  // A move of the control moves its window within the edit; the edit's text is untouched.
  overlay_->SetBounds(100, 20, 16, 40);
  RECT moved = test::RectInParent(bar);
  EXPECT_EQ(moved.left, 100);
  EXPECT_EQ(moved.top, 20);
  EXPECT_EQ(test::TextOf(edit_), "native text");
}

TEST_F(OverEdit, MouseClicksReachTheOverlay) {
  HWND bar = overlay_->Handle();
  POINT p{kBar.left + 8, kBar.top + 40};
  ClientToScreen(edit_, &p);
  EXPECT_EQ(WindowFromPoint(p), bar) << "the overlay, not the edit under it, is hit";

  SetForegroundWindow(host_.Get());
  SetCursorPos(p.x, p.y);
  INPUT clicks[2]{};
  clicks[0].type = clicks[1].type = INPUT_MOUSE;
  clicks[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
  clicks[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
  ASSERT_EQ(SendInput(2, clicks, sizeof(INPUT)), 2u);
  ASSERT_TRUE(test::PumpUntil([&] { return log_.clicks == 1; }, "a click on the overlay"));
}

TEST_F(OverEdit, FreedBeforeTheEdit) {
  HWND bar = overlay_->Handle();
  overlay_.reset();
  EXPECT_FALSE(IsWindow(bar));
  EXPECT_EQ(GetWindow(edit_, GW_CHILD), nullptr);
  // The edit lives on: it repaints, takes a click where the bar was, and goes, all without
  // reaching the freed control.
  InvalidateRect(edit_, nullptr, TRUE);
  UpdateWindow(edit_);
  test::ClickAt(edit_, kBar.left + 8, kBar.top + 40);
  Pump();
  DestroyWindow(edit_);
  Pump();
  EXPECT_EQ(log_.lateMessages, 0);
}

TEST_F(OverEdit, EditDestroyedFirst) {
  HWND bar = overlay_->Handle();
  DestroyWindow(edit_);
  EXPECT_FALSE(IsWindow(bar));
  EXPECT_TRUE(log_.windowDestroyed) << "the window went while its control was alive";
  EXPECT_FALSE(overlay_->HandleAllocated());
  EXPECT_EQ(overlay_->ParentWindow(), nullptr) << "the dead host is forgotten";
  EXPECT_EQ(FindControl(bar), nullptr);
  overlay_.reset(); // nothing left to destroy; the dead handle is not touched
  Pump();
  EXPECT_EQ(log_.lateMessages, 0);
}

TEST_F(OverEdit, ChangingTheHost) {
  HWND bar = overlay_->Handle();
  HWND other = CreateWindowExA(0, "EDIT", "", WS_CHILD | WS_VISIBLE, 10, 135, 220, 20, host_.Get(), nullptr,
                               GetModuleHandleA(nullptr), nullptr);
  overlay_->SetBounds(200, 2, 16, 16);
  overlay_->SetParentWindow(other);
  EXPECT_EQ(overlay_->Handle(), bar) << "one host for another keeps the window";
  EXPECT_EQ(GetParent(bar), other);
  RECT inOther = test::RectInParent(bar);
  EXPECT_EQ(inOther.left, 200);
  EXPECT_EQ(inOther.top, 2);

  // No host: the child window goes and a top-level one is made when needed.
  overlay_->SetParentWindow(nullptr);
  EXPECT_FALSE(IsWindow(bar));
  EXPECT_FALSE(overlay_->HandleAllocated());
  HWND topLevel = overlay_->Handle();
  EXPECT_FALSE(GetWindowLongPtrA(topLevel, GWL_STYLE) & WS_CHILD);
  EXPECT_EQ(GetParent(topLevel), nullptr);
  DestroyWindow(other);
}

} // namespace
} // namespace vcu
