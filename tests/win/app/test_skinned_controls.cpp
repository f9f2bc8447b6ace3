// The real main window with every control skinned, worked with the real mouse and keyboard:
// typing, the tab order and the radio groups, the Connect / Update button, and the log pane
// scrolled by the wheel, a held arrow and the thumb of its skinned bar.
#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "MainWindowTesting.h"
#include "RealInput.h"
#include "app/Main.h"
#include "kit-sim/ClassRegistration.h"
#include "skin/controls/SkinControl.h"
#include "skin/form/SkinManage.h"
#include "skin/form/WinSkinForm.h"
#include "support/Pump.h"

namespace vcu {
namespace {

using test::Pump;
using test::PumpUntil;

POINT CentreOnScreen(HWND window) {
  RECT r;
  GetWindowRect(window, &r);
  return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

bool IsSkinned(HWND window) { return SendMessageW(window, SKINMSG_QUERY, 0, 0) == 1; }

int FirstVisibleLine(TMemo& memo) {
  return static_cast<int>(SendMessageW(memo.Handle(), EM_GETFIRSTVISIBLELINE, 0, 0));
}

// Input played from another thread while this one pumps: a press on a scroll bar starts the
// bar's own loop inside the pump, and only a later release, from outside it, ends that loop.
void PlayWhilePumping(std::function<void()> play) {
  HANDLE thread = CreateThread(
      nullptr, 0, [](void* job) -> DWORD { (*static_cast<std::function<void()>*>(job))(); return 0; }, &play, 0,
      nullptr);
  while (WaitForSingleObject(thread, 10) == WAIT_TIMEOUT) Pump();
  CloseHandle(thread);
  Pump();
}

class SkinnedControls : public ::testing::Test {
protected:
  void SetUp() override {
    kit_ = std::make_unique<kitsim::ClassRegistration>();
    form_ = Application->CreateForm<TfrmMain>();
    form_->Show();
    ASSERT_TRUE(test::WaitUntilSkinned(*form_));
    skinned_ = TSkinManage::Instance()->FindSkinForm(form_->Handle());
    ASSERT_TRUE(PumpUntil([this] { return !skinned_->SkinnedControls().empty(); }, "the controls to be skinned"));
  }
  void TearDown() override {
    input::MoveTo(POINT{0, 0});
    delete form_;
    Pump();
  }

  // A real click in the middle of the control, its messages handled.
  void ClickOn(TWinControl& control) {
    input::Click(CentreOnScreen(control.Handle()));
    Pump();
  }
  void TypeInto(TEdit& edit, const std::wstring& text) {
    ClickOn(edit);
    input::Key(VK_HOME);
    input::KeyWith(VK_SHIFT, VK_END);
    input::Key(VK_DELETE);
    input::Type(text);
    Pump();
  }
  HWND Focus() {
    Pump();
    return GetFocus();
  }

  test::ApplicationScope application_;
  std::unique_ptr<kitsim::ClassRegistration> kit_;
  TfrmMain* form_ = nullptr;
  TWinSkinForm* skinned_ = nullptr;
};

TEST_F(SkinnedControls, EveryControlWearsTheSkin) {
  for (TWinControl* control : std::vector<TWinControl*>{
           form_->btnUpdate, form_->edtIP, form_->edtCfg, form_->edtValue, form_->rbtnIP, form_->rbtnUSB,
           form_->rbtnSet, form_->rbtnGet, form_->GroupBox1, form_->Memo1})
    EXPECT_TRUE(IsSkinned(control->Handle())) << control->Name();
}

TEST_F(SkinnedControls, TypingTabOrderAndRadioGroupsWithRealInput) {
  TypeInto(*form_->edtIP, L"10.0.0.7");
  EXPECT_EQ(form_->edtIP->Text(), "10.0.0.7");
  TypeInto(*form_->edtCfg, L"Volume");
  EXPECT_EQ(form_->edtCfg->Text(), "Volume");

  // Tab walks the form's own tab order from the focused edit.
  std::vector<TWinControl*> order;
  form_->GetTabOrderList(order);
  std::vector<HWND> stops;
  for (TWinControl* c : order)
    if (c->TabStop() && c->Enabled() && IsWindowVisible(c->Handle())) stops.push_back(c->Handle());
  ASSERT_FALSE(stops.empty());
  ClickOn(*form_->edtIP);
  HWND at = Focus();
  ASSERT_EQ(at, form_->edtIP->Handle());
  for (size_t step = 0; step < stops.size(); ++step) {
    input::Key(VK_TAB);
    HWND next = Focus();
    EXPECT_NE(next, at) << "Tab moved the focus at step " << step;
    EXPECT_NE(std::find(stops.begin(), stops.end(), next), stops.end()) << "the focus left the tab stops";
    at = next;
  }

  // Each radio group keeps one button checked, by real clicks on the skinned buttons.
  ClickOn(*form_->rbtnUSB);
  EXPECT_TRUE(form_->rbtnUSB->Checked());
  EXPECT_FALSE(form_->rbtnIP->Checked());
  EXPECT_FALSE(form_->edtIP->Enabled()) << "USB mode disables the address";
  ClickOn(*form_->rbtnIP);
  EXPECT_TRUE(form_->rbtnIP->Checked());
  EXPECT_FALSE(form_->rbtnUSB->Checked());
  EXPECT_TRUE(form_->edtIP->Enabled());
  ClickOn(*form_->rbtnGet);
  EXPECT_TRUE(form_->rbtnGet->Checked());
  EXPECT_FALSE(form_->rbtnSet->Checked());
  EXPECT_TRUE(form_->rbtnIP->Checked()) << "the groups are separate";
}

TEST_F(SkinnedControls, ConnectAndGetThroughTheSkinnedButton) {
  ClickOn(*form_->btnUpdate);
  ASSERT_TRUE(PumpUntil([this] { return form_->btnUpdate->Tag() == 1; }, "the connection"));
  EXPECT_EQ(form_->btnUpdate->Caption(), "Update");
  ASSERT_GT(form_->Memo1->Lines()->Count(), 0);
  EXPECT_EQ(form_->Memo1->Lines()->Get(0).rfind("Connected to 192.168.1.201", 0), 0u);

  TypeInto(*form_->edtCfg, L"Volume");
  ClickOn(*form_->rbtnGet);
  const int lines = form_->Memo1->Lines()->Count();
  ClickOn(*form_->btnUpdate);
  ASSERT_TRUE(PumpUntil([&] { return form_->Memo1->Lines()->Count() == lines + 1; }, "the Get's line"));
  EXPECT_EQ(form_->Memo1->Lines()->Get(lines).rfind("Volume", 0), 0u);

  // Pressed on the button and released away from it: no click.
  input::Press(CentreOnScreen(form_->btnUpdate->Handle()));
  Pump();
  RECT r;
  GetWindowRect(form_->btnUpdate->Handle(), &r);
  input::MoveTo(POINT{r.left - 30, r.bottom + 40});
  input::Release(POINT{r.left - 30, r.bottom + 40});
  Pump();
  EXPECT_EQ(form_->Memo1->Lines()->Count(), lines + 1);
}

TEST_F(SkinnedControls, LogScrollsByWheelHeldArrowAndThumb) {
  for (int i = 0; i < 60; ++i) form_->AddInfo("line " + std::to_string(i));
  TMemo& memo = *form_->Memo1;
  SendMessageW(memo.Handle(), EM_LINESCROLL, 0, -1000);
  ASSERT_TRUE(PumpUntil([&] { return FirstVisibleLine(memo) == 0; }, "the log at its top"));

  SCROLLBARINFO bar{};
  bar.cbSize = sizeof bar;
  ASSERT_TRUE(GetScrollBarInfo(memo.Handle(), OBJID_VSCROLL, &bar));
  const RECT& r = bar.rcScrollBar;
  const int x = (r.left + r.right) / 2;
  // The skinned bar covers the native one exactly, so the real mouse lands on the overlay.
  EXPECT_NE(WindowFromPoint(POINT{x, r.bottom - 2}), memo.Handle()) << "no overlay over the native bar";

  ClickOn(memo);
  input::Wheel(CentreOnScreen(memo.Handle()), -1);
  ASSERT_TRUE(PumpUntil([&] { return FirstVisibleLine(memo) > 0; }, "the wheel to scroll"));

  const int before = FirstVisibleLine(memo);
  const POINT down{x, r.bottom - bar.dxyLineButton / 2};
  // Held for a while: the bar's loop repeats until the button comes up.
  PlayWhilePumping([down] {
    input::Press(down);
    Sleep(1500);
    input::Release(down);
  });
  EXPECT_GT(FirstVisibleLine(memo), before + 2) << "the held arrow repeated";

  ASSERT_TRUE(GetScrollBarInfo(memo.Handle(), OBJID_VSCROLL, &bar));
  const POINT thumb{x, r.top + (bar.xyThumbTop + bar.xyThumbBottom) / 2};
  PlayWhilePumping([thumb, x, top = r.top] {
    input::Press(thumb);
    Sleep(100);
    input::MoveTo(POINT{x, thumb.y - 4});
    Sleep(100);
    input::MoveTo(POINT{x, top});
    Sleep(100);
    input::Release(POINT{x, top});
  });
  EXPECT_TRUE(PumpUntil([&] { return FirstVisibleLine(memo) == 0; }, "the thumb dragged to the top"));
}

} // namespace
} // namespace vcu
