// The menu-button skinner on a framework push button (the framework has no drop-down button
// class of its own, so the skinner is put in for plain buttons here): the Buttons frame of
// its state, never the focused frame (focus shows hot), and the drop-down arrow at the right
// end in the window-text colour, or the button-shadow colour when disabled.
#include <gtest/gtest.h>

#include "ButtonTesting.h"
#include "RealInput.h"
#include "SkinnedForms.h"
#include "core/controls/ButtonRules.h"
#include "core/controls/GlyphLayout.h"
#include "framework/StdCtrls.h"
#include "skin/controls/SkinMenuButton.h"
#include "skin/controls/SkinnerFactory.h"
#include "support/Pixels.h"
#include "support/Pump.h"

namespace vcu::test {
namespace {

TSkinControl* MenuButtonsForButtons(SkinnerKind kind, TComponent* owner) {
  return kind == SkinnerKind::Button ? new TSkinMenuButton(owner) : nullptr;
}

class SkinnedMenuButton : public SkinnedFormTest {
protected:
  void SetUp() override {
    SkinnedFormTest::SetUp();
    previous_ = SetSkinnerMaker(&MenuButtonsForButtons);
    data_.SetOptions(data_.Options() | (1u << xoNoFocusRect));
    input::MoveTo(POINT{5, 5});
    button_ = new TButton(&form_);
    button_->SetParent(&form_);
    button_->SetBounds(40, 40, kWidth, kHeight);
    button_->SetCaption("");
    Pump();
  }
  void TearDown() override {
    SetSkinnerMaker(previous_);
    SkinnedFormTest::TearDown();
  }

  // The frame everywhere but in the arrow's box.
  std::string FrameDifference(int frame) {
    Pump();
    Bitmap shown = ClientPixels(button_->Handle());
    Bitmap expected = ComposedButtonFrame(data_, frame, kWidth, kHeight);
    const ArrowPoints arrow = MenuButtonArrow(kWidth, kHeight);
    for (int y = arrow.y[1]; y <= arrow.y[0]; ++y)
      for (int x = arrow.x[1]; x <= arrow.x[2]; ++x) expected.Set(x, y, shown.At(x, y));
    return FirstDifference(shown, expected);
  }
  // The arrow's middle column, from its top edge down to the tip, is of the colour.
  void ExpectArrowOf(int systemColour, const char* what) {
    const Bitmap shown = ClientPixels(button_->Handle());
    const ArrowPoints arrow = MenuButtonArrow(kWidth, kHeight);
    const Pixel colour = PixelOf(GetSysColor(systemColour));
    for (int y = arrow.y[1]; y <= arrow.y[0]; ++y) EXPECT_EQ(shown.At(arrow.x[0], y), colour) << what << " y " << y;
    EXPECT_EQ(shown.At(arrow.x[1], arrow.y[1]), colour) << what << " left corner";
    EXPECT_EQ(shown.At(arrow.x[2], arrow.y[2]), colour) << what << " right corner";
  }

  static constexpr int kWidth = 110, kHeight = 28;
  SkinnerMaker previous_ = nullptr;
  TButton* button_ = nullptr;
};

TEST_F(SkinnedMenuButton, FramesAndArrowFollowTheState) {
  SkinOn();
  auto* skinner = dynamic_cast<TSkinMenuButton*>(SkinnerOf(form_.Handle(), button_->Handle()));
  ASSERT_NE(skinner, nullptr);
  SetFocus(form_.Handle());
  EXPECT_EQ(FrameDifference(bfNormal), "") << "normal";
  ExpectArrowOf(COLOR_WINDOWTEXT, "normal");

  POINT centre{kWidth / 2, kHeight / 2};
  ClientToScreen(button_->Handle(), &centre);
  input::MoveTo(centre);
  ASSERT_TRUE(PumpUntil([&] { return skinner->Hot(); }, "the pointer to make the button hot"));
  EXPECT_EQ(FrameDifference(bfHot), "") << "hot";
  SendMessageW(button_->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(kWidth / 2, kHeight / 2));
  EXPECT_EQ(FrameDifference(bfPressed), "") << "pressed";
  SendMessageW(button_->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(kWidth / 2, kHeight / 2));

  input::MoveTo(POINT{5, 5});
  ASSERT_TRUE(PumpUntil([&] { return !skinner->Hot(); }, "the leave"));
  ASSERT_EQ(GetFocus(), button_->Handle());
  EXPECT_EQ(FrameDifference(bfHot), "") << "focused shows hot, never the focused frame";

  SetFocus(form_.Handle());
  button_->SetEnabled(false);
  EXPECT_EQ(FrameDifference(bfDisabled), "") << "disabled";
  ExpectArrowOf(COLOR_BTNSHADOW, "disabled");
}

} // namespace
} // namespace vcu::test
