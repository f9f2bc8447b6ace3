// Skinned bit buttons: the Buttons frame of the state with the glyph cell of that state on it
// (greyed when disabled), placed beside the caption by Layout, Margin and Spacing as the core
// places them; the click delivered on release; the native owner-drawn look back when
// skinning goes off.
#include <gtest/gtest.h>

#include "ButtonTesting.h"
#include "GlyphTesting.h"
#include "RealInput.h"
#include "SkinnedForms.h"
#include "core/controls/ButtonRules.h"
#include "framework/Buttons.h"
#include "skin/controls/SkinBitButton.h"
#include "support/Pixels.h"
#include "support/Pump.h"

namespace vcu::test {
namespace {

constexpr int kGlyph = 16;

class SkinnedBitButtons : public SkinnedFormTest {
protected:
  void SetUp() override {
    SkinnedFormTest::SetUp();
    input::MoveTo(POINT{5, 5});
    // Focus rectangles are XOR-drawn; frame comparisons leave them out.
    data_.SetOptions(data_.Options() | (1u << xoNoFocusRect));
    Pump();
  }

  TBitBtn* AddBitBtn(const char* caption, int x, int y, int width, int height, int cells) {
    auto* button = new TBitBtn(&form_);
    button->SetParent(&form_);
    button->SetBounds(x, y, width, height);
    button->SetCaption(caption);
    button->Glyph()->Assign(GlyphStrip(cells, kGlyph));
    button->SetNumGlyphs(cells);
    button->SetSpacing(-1);
    return button;
  }
  TSkinBitButton* SkinnerOfButton(TBitBtn* button) {
    return dynamic_cast<TSkinBitButton*>(SkinnerOf(form_.Handle(), button->Handle()));
  }
  void FocusForm() {
    SetFocus(form_.Handle());
    Pump();
  }
  SIZE Measured(TBitBtn* button, const wchar_t* text, int boxWidth) {
    return MeasuredText(button->Handle(), button->Font()->Handle(), text, boxWidth, DT_WORDBREAK);
  }
  // The button as the core composes it with the glyph cell at the core's place for a caption
  // measured tw x th; the caption's own box is taken from the screen.
  std::string Difference(TBitBtn* button, int frame, int cell, bool grey, const SIZE& text, RECT* textBox = nullptr) {
    Pump();
    GlyphLayoutInput in;
    in.width = button->Width();
    in.height = button->Height();
    in.glyphWidth = kGlyph;
    in.glyphHeight = kGlyph;
    in.textWidth = text.cx;
    in.textHeight = text.cy;
    in.margin = button->Margin();
    in.spacing = button->Spacing();
    in.side = static_cast<GlyphSide>(button->Layout());
    const GlyphPlacement at = PlaceGlyphAndText(in);
    Bitmap expected = ComposedGlyphButton(data_, frame, in.width, in.height, button->Glyph()->Image(), cell, kGlyph,
                                          at.glyphX, at.glyphY, grey);
    const Bitmap shown = ClientPixels(button->Handle());
    const RECT box{at.textX, at.textY, at.textX + text.cx, at.textY + text.cy};
    Overlay(expected, shown, box);
    if (textBox) *textBox = box;
    return FirstDifference(shown, expected);
  }
};

static_assert(static_cast<int>(GlyphSide::Left) == blGlyphLeft && static_cast<int>(GlyphSide::Right) == blGlyphRight &&
                  static_cast<int>(GlyphSide::Top) == blGlyphTop && static_cast<int>(GlyphSide::Bottom) == blGlyphBottom,
              "the framework's layouts are the core's sides in order");

// Automatic margin and spacing on a 76-pixel button with a 16-pixel glyph and a 30-pixel
// caption: glyph at x = 10, caption at x = 36. The caption is chosen to measure 30 pixels in
// this machine's font.
TEST_F(SkinnedBitButtons, ThirtyPixelCaptionPutsGlyphAtTenAndTextAtThirtySix) {
  TBitBtn* button = AddBitBtn("", 30, 30, 76, 25, 1);
  button->SetMargin(-1);
  std::wstring caption;
  SIZE size{};
  for (int m = 0; m < 8 && caption.empty(); ++m)
    for (int i = 0; i < 16 && caption.empty(); ++i) {
      const std::wstring candidate = std::wstring(m, L'm') + std::wstring(i, L'i');
      size = Measured(button, candidate.c_str(), 76 - 4 - kGlyph - 2);
      if (size.cx == 30) caption = candidate;
    }
  ASSERT_FALSE(caption.empty()) << "no caption of m and i measures 30 pixels in this font";
  button->SetCaption(std::string(caption.begin(), caption.end()));
  SkinOn();
  FocusForm();
  ASSERT_NE(SkinnerOfButton(button), nullptr);

  RECT box;
  EXPECT_EQ(Difference(button, bfNormal, 0, false, size, &box), "");
  EXPECT_EQ(box.left, 36);
  // The glyph's first column lies at x = 10: its colour is there and not one pixel before.
  const Bitmap shown = ClientPixels(button->Handle());
  const int row = (25 - kGlyph + 1) / 2;
  EXPECT_EQ(shown.At(10, row), CellColour(0));
  EXPECT_NE(shown.At(9, row), CellColour(0));
  // Ink of the caption starts within its box, not left of it.
  const Bitmap frame = ComposedButtonFrame(data_, bfNormal, 76, 25);
  int leftmostInk = 76;
  for (int y = box.top; y < box.bottom; ++y)
    for (int x = 27; x < 76; ++x)
      if (shown.At(x, y) != frame.At(x, y) && x < leftmostInk) leftmostInk = x;
  EXPECT_GE(leftmostInk, 36);
  EXPECT_LE(leftmostInk, 39);
}

TEST_F(SkinnedBitButtons, EachLayoutPlacesGlyphAndCaptionAsTheCore) {
  struct Case {
    TButtonLayout layout;
    int margin, spacing;
    int width, height;
  };
  const Case cases[] = {
      {blGlyphLeft, -1, -1, 96, 28},  {blGlyphRight, -1, -1, 96, 28}, {blGlyphTop, -1, -1, 80, 60},
      {blGlyphBottom, -1, -1, 80, 60}, {blGlyphLeft, 5, -1, 96, 28},  {blGlyphRight, -1, 3, 96, 28},
      {blGlyphTop, 4, 2, 80, 60},
  };
  std::vector<TBitBtn*> buttons;
  int x = 10, y = 10;
  for (const Case& c : cases) {
    TBitBtn* b = AddBitBtn("Save", x, y, c.width, c.height, 1);
    b->SetLayout(c.layout);
    b->SetMargin(c.margin);
    b->SetSpacing(c.spacing);
    buttons.push_back(b);
    x += c.width + 8;
    if (x > 300) {
      x = 10;
      y += 70;
    }
  }
  SkinOn();
  FocusForm();
  for (size_t i = 0; i < buttons.size(); ++i) {
    TBitBtn* b = buttons[i];
    const bool across = b->Layout() == blGlyphLeft || b->Layout() == blGlyphRight;
    const int boxWidth = across ? b->Width() - 4 - kGlyph - 2 : b->Width() - 4;
    EXPECT_EQ(Difference(b, bfNormal, 0, false, Measured(b, L"Save", boxWidth)), "") << "case " << i;
  }
}

// Normal, pressed and disabled show glyph cells 1, 3 and 2 of a three-cell glyph; a one-cell
// glyph shows its only cell, greyed, when disabled.
TEST_F(SkinnedBitButtons, StateChoosesTheGlyphCellAndDisabledIsGrey) {
  TBitBtn* three = AddBitBtn("", 20, 20, 60, 40, 3);
  TBitBtn* one = AddBitBtn("", 100, 20, 60, 40, 1);
  int clicks = 0;
  three->SetOnClick([&](TObject*) { ++clicks; });
  SkinOn();
  FocusForm();
  const SIZE none{0, 0};
  EXPECT_EQ(Difference(three, bfNormal, 0, false, none), "") << "normal";

  HWND window = three->Handle();
  SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(30, 20));
  EXPECT_EQ(Difference(three, bfPressed, 2, false, none), "") << "pressed";
  SendMessageW(window, WM_LBUTTONUP, 0, MAKELPARAM(30, 20));
  EXPECT_EQ(clicks, 1) << "the release clicks";

  FocusForm();
  three->SetEnabled(false);
  one->SetEnabled(false);
  EXPECT_EQ(Difference(three, bfDisabled, 1, true, none), "") << "disabled, its own cell";
  EXPECT_EQ(Difference(one, bfDisabled, 0, true, none), "") << "disabled, the only cell greyed";
}

TEST_F(SkinnedBitButtons, RealClickClicksAndOffGivesTheNativeLookBack) {
  TBitBtn* button = AddBitBtn("Go", 40, 40, 90, 30, 1);
  int clicks = 0;
  button->SetOnClick([&](TObject*) { ++clicks; });
  FocusForm();
  const Bitmap native = ClientPixels(button->Handle());
  SkinOn();
  ASSERT_NE(SkinnerOfButton(button), nullptr);
  FocusForm();
  const Bitmap skinned = ClientPixels(button->Handle());
  EXPECT_NE(FirstDifference(native, skinned), "") << "the skin changes the look";

  POINT centre{45, 15};
  ClientToScreen(button->Handle(), &centre);
  input::Click(centre);
  ASSERT_TRUE(PumpUntil([&] { return clicks == 1; }, "the real click's OnClick"));

  ASSERT_TRUE(SwitchSkinning(data_, false));
  input::MoveTo(POINT{5, 5});
  FocusForm();
  EXPECT_EQ(SkinnerOfButton(button), nullptr);
  RedrawWindow(button->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  Pump();
  EXPECT_EQ(FirstDifference(ClientPixels(button->Handle()), native), "") << "the owner-drawn native look";
}

} // namespace
} // namespace vcu::test
