// The control base on real framework controls: the switch and query messages, restoring
// after the window has gone, the colour and ParentBackground takeover, and presses on
// controls too wide for 16-bit coordinates.
#include <gtest/gtest.h>
#include <windows.h>

#include "SkinnedForms.h"
#include "support/Pixels.h"
#include "support/Pump.h"
#include "framework/StdCtrls.h"
#include "skin/controls/SkinControl.h"

namespace vcu::test {
namespace {

constexpr COLORREF kMark = RGB(255, 0, 255);

// Paints the control in one colour in place of the native look.
class TMarkSkinner : public TSkinControl {
public:
  using TSkinControl::TSkinControl;
  int forwarded = 0;

protected:
  bool BeforeMessage(TMessage& message) override {
    if (message.Msg == WM_PAINT) {
      PaintInPlace(message);
      return false;
    }
    if (message.Msg == WM_LBUTTONDOWN) {
      ForwardMouseDown(message);
      ++forwarded;
      return false;
    }
    return TSkinControl::BeforeMessage(message);
  }
  void DrawControl(HDC dc, const RECT& rect) override { FillColor(dc, rect, kMark); }
};

class ControlBase : public SkinnedFormTest {
protected:
  TButton* AddButton(int width = 120) {
    auto* button = new TButton(&form_);
    button->SetParent(&form_);
    button->SetBounds(20, 20, width, 30);
    button->SetCaption("Native");
    button->HandleNeeded();
    return button;
  }
  Pixel CentreOf(TWinControl& control) {
    RedrawWindow(control.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    const Bitmap b = ReadClientPixels(control.Handle(), RECT{0, 0, control.Width(), control.Height()});
    return b.At(b.Width() / 2, b.Height() / 2);
  }
};

TEST_F(ControlBase, QueryAndActiveSwitch) {
  SkinOn();
  TWinSkinForm* form = RunningSkinner(form_.Handle());
  ASSERT_NE(form, nullptr);
  TButton* button = AddButton();
  TButton* other = AddButton();
  const Pixel native = CentreOf(*button);
  ASSERT_NE(native, PixelOf(kMark));

  auto* skinner = new TMarkSkinner(button);
  skinner->AttachControl(form, &data_, false);
  skinner->AttachControl(form, &data_, false); // a second attach does nothing
  EXPECT_EQ(std::count(form->SkinnedControls().begin(), form->SkinnedControls().end(), skinner), 1);
  EXPECT_EQ(SendMessageW(button->Handle(), SKINMSG_QUERY, 0, 0), 1);
  EXPECT_EQ(SendMessageW(other->Handle(), SKINMSG_QUERY, 0, 0), 0);
  EXPECT_EQ(CentreOf(*button), PixelOf(kMark));

  SendMessageW(button->Handle(), SKINMSG_ACTIVE, 0, 0);
  EXPECT_EQ(CentreOf(*button), native) << "switched off, the control paints as it would unskinned";
  EXPECT_EQ(SendMessageW(button->Handle(), SKINMSG_QUERY, 0, 0), 0);
  SendMessageW(button->Handle(), SKINMSG_ACTIVE, 1, 0);
  // No invalidation from outside: the switch repaints at once.
  const Bitmap now = ReadClientPixels(button->Handle(), RECT{0, 0, button->Width(), button->Height()});
  EXPECT_EQ(now.At(now.Width() / 2, now.Height() / 2), PixelOf(kMark));

  delete skinner;
  EXPECT_EQ(std::count(form->SkinnedControls().begin(), form->SkinnedControls().end(), skinner), 0);
  EXPECT_EQ(CentreOf(*button), native) << "the hook is gone with the skinner";
}

TEST_F(ControlBase, WindowGoneFirstNeedsNoRestore) {
  SkinOn();
  TWinSkinForm* form = RunningSkinner(form_.Handle());
  TButton* button = AddButton();
  button->SetColor(clRed);
  auto* skinner = new TMarkSkinner(button);
  skinner->AttachControl(form, &data_, true);
  EXPECT_EQ(button->Color(), static_cast<TColor>(data_.ColourButtonFace));
  button->DestroyHandle();
  EXPECT_EQ(skinner->Phase(), phWindowGone);
  EXPECT_FALSE(skinner->Active());
  EXPECT_EQ(button->Color(), clRed) << "the colour comes back when the window goes";
  form->FreeGoneControls();
  EXPECT_TRUE(form->SkinnedControls().empty());
  EXPECT_EQ(button->ComponentCount(), 0) << "the skinner left its host";
}

TEST_F(ControlBase, ParentBackgroundIsTakenAndGivenBack) {
  SkinOn();
  TWinSkinForm* form = RunningSkinner(form_.Handle());
  for (bool keepParentBackground : {false, true}) {
    SCOPED_TRACE(keepParentBackground ? "xoParentBackGround" : "default options");
    data_.SetOptions(keepParentBackground ? Include(data_.Options(), xoParentBackGround)
                                          : Exclude(data_.Options(), xoParentBackGround));
    auto* group = new TGroupBox(&form_);
    group->SetParent(&form_);
    group->SetBounds(10, 10, 150, 80);
    group->SetParentBackground(true);
    group->SetColor(clBlue);
    auto* skinner = new TSkinControl(group);
    skinner->AttachControl(form, &data_, true);
    EXPECT_EQ(group->ParentBackground(), keepParentBackground);
    EXPECT_EQ(skinner->Mode(), keepParentBackground ? 0 : 1);
    EXPECT_EQ(group->Color(), static_cast<TColor>(data_.ColourButtonFace));
    skinner->RestoreControl();
    EXPECT_TRUE(group->ParentBackground());
    EXPECT_EQ(group->Color(), clBlue);
    delete group;
  }
}

// A press the skinner consumes still reaches OnMouseDown at the message's position. (The
// cursor stands in only beyond 0x8000 pixels, a width the window manager never gives a
// window: it clamps them to 32767.)
TEST_F(ControlBase, ConsumedPressIsForwardedToOnMouseDown) {
  SkinOn();
  TWinSkinForm* form = RunningSkinner(form_.Handle());
  TButton* button = AddButton(200);
  auto* skinner = new TMarkSkinner(button);
  skinner->AttachControl(form, &data_, false);
  int x = -1, y = -1;
  unsigned shift = 0;
  button->SetOnMouseDown([&](TObject*, TMouseButton, unsigned s, int mx, int my) { x = mx, y = my, shift = s; });
  SendMessageW(button->Handle(), WM_LBUTTONDOWN, MK_LBUTTON | MK_SHIFT, MAKELPARAM(5, 6));
  EXPECT_EQ(skinner->forwarded, 1);
  EXPECT_EQ(x, 5);
  EXPECT_EQ(y, 6);
  EXPECT_TRUE(shift & ssShift);
}

} // namespace
} // namespace vcu::test
