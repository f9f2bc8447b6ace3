// Every kind of control the program's windows use, skinned, switched off and on: off gives
// each its native look, styles, window procedure and place back and takes the overlays away;
// on skins them all again; a thousand cycles leave the GDI and USER object counts flat.
#include <cstdio>
#include <cstdlib>
#include <vector>

#include <gtest/gtest.h>
#include <windows.h>

#include "SkinnedForms.h"
#include "framework/ComboBox.h"
#include "framework/StdCtrls.h"
#include "skin/controls/SkinControl.h"
#include "support/GuiResources.h"
#include "support/Pixels.h"
#include "support/Pump.h"

namespace vcu::test {
namespace {

struct ChildLook {
  HWND window;
  LONG_PTR style, exStyle, windowProc;
  RECT rect;

  static ChildLook Of(HWND window) {
    ChildLook look{window, GetWindowLongPtrW(window, GWL_STYLE), GetWindowLongPtrW(window, GWL_EXSTYLE),
                   GetWindowLongPtrW(window, GWLP_WNDPROC), {}};
    GetWindowRect(window, &look.rect);
    return look;
  }
};

std::vector<HWND> ChildrenOf(HWND parent) {
  std::vector<HWND> children;
  EnumChildWindows(
      parent, [](HWND child, LPARAM list) -> BOOL {
        reinterpret_cast<std::vector<HWND>*>(list)->push_back(child);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&children));
  return children;
}

class ControlsOffAndOn : public SkinnedFormTest {
protected:
  void SetUp() override {
    SkinnedFormTest::SetUp();
    auto add = [this](TWinControl* control, TWinControl* parent, int x, int y, int w, int h, const char* text) {
      control->SetParent(parent);
      control->SetBounds(x, y, w, h);
      control->SetCaption(text);
      controls_.push_back(control);
    };
    add(new TButton(&form_), &form_, 10, 10, 90, 26, "Connect");
    add(new TEdit(&form_), &form_, 110, 12, 120, 21, "192.168.1.201");
    auto* memo = new TMemo(&form_);
    memo->SetScrollBars(ssVertical);
    add(memo, &form_, 10, 140, 250, 100, "");
    for (int i = 0; i < 40; ++i) memo->Lines()->Add("line " + std::to_string(i));
    auto* group = new TGroupBox(&form_);
    add(group, &form_, 10, 45, 250, 80, "Option");
    add(new TRadioButton(&form_), group, 10, 20, 80, 20, "Set");
    add(new TRadioButton(&form_), group, 100, 20, 80, 20, "Get");
    add(new TCheckBox(&form_), &form_, 270, 50, 100, 20, "Remember");
    add(new TEdit(&form_), group, 10, 48, 120, 21, "Volume");
    for (TComboBoxStyle style : {csDropDown, csDropDownList, csSimple}) {
      auto* combo = new TComboBox(&form_);
      combo->SetStyle(style);
      for (int i = 0; i < 20; ++i) combo->Items()->Add("option " + std::to_string(i));
      combo->SetItemIndex(0);
      const int top[] = {75, 140, 100};
      add(combo, &form_, 270, top[style], 115, style == csSimple ? 95 : 21, "");
    }
    Pump();
  }

  std::vector<ChildLook> Looks() {
    std::vector<ChildLook> looks;
    for (HWND child : ChildrenOf(form_.Handle())) looks.push_back(ChildLook::Of(child));
    return looks;
  }
  Bitmap ClientPixels() {
    RedrawWindow(form_.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    Pump();
    RECT client;
    GetClientRect(form_.Handle(), &client);
    return ReadClientPixels(form_.Handle(), client);
  }
  bool AllSkinned() {
    for (TWinControl* control : controls_)
      if (SendMessageW(control->Handle(), SKINMSG_QUERY, 0, 0) != 1) return false;
    return true;
  }
  void Switch(bool on) {
    data_.SetActive(on);
    CarryOutRequestNow();
    Pump();
  }

  std::vector<TWinControl*> controls_;
};

TEST_F(ControlsOffAndOn, OffGivesEveryControlItsNativeSelfBackAndOnSkinsThemAgain) {
  SetFocus(nullptr);
  const std::vector<ChildLook> before = Looks();
  SkinOn();
  ASSERT_TRUE(AllSkinned());
  SetFocus(nullptr);
  const Bitmap skinnedPixels = ClientPixels();

  Switch(false);
  ASSERT_EQ(RunningSkinner(form_.Handle()), nullptr);
  const std::vector<ChildLook> after = Looks();
  ASSERT_EQ(after.size(), before.size()) << "windows the skin added (overlays) are gone";
  for (size_t i = 0; i < before.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(after[i].window, before[i].window);
    EXPECT_EQ(after[i].style, before[i].style);
    EXPECT_EQ(after[i].exStyle, before[i].exStyle);
    EXPECT_EQ(after[i].windowProc, before[i].windowProc);
    EXPECT_TRUE(EqualRect(&after[i].rect, &before[i].rect));
  }
  for (TWinControl* control : controls_)
    EXPECT_EQ(SendMessageW(control->Handle(), SKINMSG_QUERY, 0, 0), 0) << control->ClassName();

  Switch(true);
  ASSERT_TRUE(PumpUntilSkinned(form_.Handle()));
  EXPECT_TRUE(AllSkinned());
  SetFocus(nullptr);
  EXPECT_EQ(FirstDifference(ClientPixels(), skinnedPixels), "") << "skinned again, it looks as it did";
}

TEST_F(ControlsOffAndOn, AThousandCyclesLeaveTheGuiObjectCountsWhereTheyWere) {
  SkinOn();
  ExpectFlatOverOffOnCycles(
      data_, 1000,
      [this] {
        // Each cycle paints every control skinned, so paint caches are part of what is counted.
        RedrawWindow(form_.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
        return RunningSkinner(form_.Handle()) != nullptr && AllSkinned();
      },
      "every control kind");
}

} // namespace
} // namespace vcu::test
