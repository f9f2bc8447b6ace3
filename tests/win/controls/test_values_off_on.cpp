// Up-downs (alone and inside an edit), track bars and progress bars switched off and on:
// off gives each its native window procedure and look back, and a thousand cycles leave the
// GDI and USER object counts flat.
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <vector>

#include "SkinnedForms.h"
#include "framework/ComCtrls.h"
#include "framework/StdCtrls.h"
#include "skin/controls/SkinControl.h"
#include "support/Pixels.h"
#include "support/Pump.h"

namespace vcu::test {
namespace {

class ValuesOffAndOn : public SkinnedFormTest {
protected:
  void SetUp() override {
    SkinnedFormTest::SetUp();
    if (HasFatalFailure()) return;
    auto place = [this](TWinControl* control, int x, int y, int w, int h) {
      control->SetBounds(x, y, w, h);
      control->SetParent(&form_);
      windows_.push_back(control->Handle());
    };
    auto* edit = new TEdit(&form_);
    place(edit, 10, 10, 80, 22);
    auto* buddied = new TUpDown(&form_);
    buddied->SetAssociate(edit);
    place(buddied, 90, 10, 16, 22);
    auto* across = new TUpDown(&form_);
    across->SetOrientation(udHorizontal);
    place(across, 120, 10, 34, 18);
    auto* track = new TTrackBar(&form_);
    place(track, 10, 40, 200, 40);
    auto* upright = new TTrackBar(&form_);
    upright->SetOrientation(trVertical);
    place(upright, 220, 40, 40, 120);
    auto* progress = new TProgressBar(&form_);
    progress->SetPosition(40);
    place(progress, 10, 90, 200, 18);
    auto* vertical = new TProgressBar(&form_);
    vertical->SetOrientation(pbVertical);
    vertical->SetPosition(60);
    place(vertical, 270, 40, 18, 120);
    // A bare spin inside an edit, found by the edit's skinner.
    auto* host = new TEdit(&form_);
    place(host, 10, 120, 120, 24);
    inner_ = CreateWindowExW(0, UPDOWN_CLASSW, L"", WS_CHILD | WS_VISIBLE, 100, 0, 16, 20, host->Handle(), nullptr,
                             GetModuleHandleW(nullptr), nullptr);
    windows_.push_back(inner_);
    Pump();
  }

  bool AllSkinned() {
    for (HWND h : windows_)
      if (SendMessageW(h, SKINMSG_QUERY, 0, 0) != 1) return false;
    return true;
  }
  Bitmap Pixels() {
    SetFocus(form_.Handle()); // no caret or focus rectangle in the pixels
    RedrawWindow(form_.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    Pump();
    RECT client;
    GetClientRect(form_.Handle(), &client);
    client.bottom = 170;
    client.right = 300;
    return ReadClientPixels(form_.Handle(), client);
  }
  void Switch(bool on) {
    data_.SetActive(on);
    CarryOutRequestNow();
    Pump();
  }

  std::vector<HWND> windows_;
  HWND inner_ = nullptr;
};

TEST_F(ValuesOffAndOn, OffGivesTheNativeControlsBackAndOnSkinsThemAgain) {
  std::vector<LONG_PTR> procs;
  for (HWND h : windows_) procs.push_back(GetWindowLongPtrW(h, GWLP_WNDPROC));
  SkinOn();
  ASSERT_TRUE(PumpUntil([this] { return AllSkinned(); }, "every value control skinned"));
  const Bitmap skinned = Pixels();
  Switch(false);
  const Bitmap native = Pixels();
  EXPECT_NE(FirstDifference(native, skinned), "");
  for (size_t i = 0; i < windows_.size(); ++i) {
    EXPECT_EQ(SendMessageW(windows_[i], SKINMSG_QUERY, 0, 0), 0) << i;
    EXPECT_EQ(GetWindowLongPtrW(windows_[i], GWLP_WNDPROC), procs[i]) << i;
  }
  Switch(true);
  ASSERT_TRUE(PumpUntilSkinned(form_.Handle()));
  ASSERT_TRUE(PumpUntil([this] { return AllSkinned(); }, "skinned again"));
  EXPECT_EQ(FirstDifference(Pixels(), skinned), "") << "skinned again, they look as they did";
}

TEST_F(ValuesOffAndOn, AThousandCyclesLeaveTheGuiObjectCountsWhereTheyWere) {
  SkinOn();
  ExpectFlatOverOffOnCycles(
      data_, 1000,
      [this] {
        RedrawWindow(form_.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
        return RunningSkinner(form_.Handle()) != nullptr && AllSkinned();
      },
      "up-downs, track bars and progress bars");
}

} // namespace
} // namespace vcu::test
