// Bit buttons, speed buttons and stand-alone scroll bars of the framework: a glyph read from a
// layout's BMP bytes (bad bytes refused with the line), a speed-button group that keeps one
// button down, and a scroll bar whose position follows the scroll codes its native window
// sends the parent, kept within the range less the page.
#include <gtest/gtest.h>

#include <iterator>
#include <string>
#include <vector>

#include "core/image/Bmp.h"
#include "framework/Buttons.h"
#include "framework/Forms.h"
#include "framework/LayoutReader.h"
#include "framework/ScrollBar.h"

namespace vcu {
namespace {

std::string Hex(const std::vector<std::uint8_t>& bytes) {
  static const char digits[] = "0123456789ABCDEF";
  std::string text;
  for (std::uint8_t b : bytes) {
    text += digits[b >> 4];
    text += digits[b & 15];
  }
  return text;
}

Bitmap TwoCellGlyph() {
  Bitmap glyph(8, 3, PixelFormat::Bits24);
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 8; ++x) glyph.Set(x, y, x < 4 ? MakePixel(200, 0, 0) : MakePixel(0, 0, 200));
  glyph.Set(1, 1, MakePixel(1, 2, 3));
  return glyph;
}

TEST(GlyphButtonLayout, GlyphDataIsReadAsABmpWithTheOtherProperties) {
  const Bitmap glyph = TwoCellGlyph();
  const std::string layout = "object Test: TForm\n"
                             "  object Ok: TBitBtn\n"
                             "    Caption = 'OK'\n"
                             "    NumGlyphs = 2\n"
                             "    Margin = 3\n"
                             "    Spacing = -1\n"
                             "    Layout = blGlyphBottom\n"
                             "    Glyph.Data = {\n      " + Hex(EncodeBmp24(glyph)) + "\n    }\n"
                             "  end\n"
                             "  object Bold: TSpeedButton\n"
                             "    GroupIndex = 2\n"
                             "    Down = True\n"
                             "    AllowAllUp = True\n"
                             "    Flat = True\n"
                             "  end\n"
                             "  object Bar: TScrollBar\n"
                             "    Kind = sbVertical\n"
                             "    Max = 50\n"
                             "    PageSize = 5\n"
                             "    Position = 60\n"
                             "  end\n"
                             "end\n";
  TForm form(nullptr);
  ReadComponentLayout(form, layout);
  auto* ok = dynamic_cast<TBitBtn*>(form.FindComponent("Ok"));
  ASSERT_NE(ok, nullptr);
  ASSERT_EQ(ok->Glyph()->Width(), 8);
  ASSERT_EQ(ok->Glyph()->Height(), 3);
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 8; ++x) EXPECT_EQ(ok->Glyph()->Image().At(x, y), glyph.At(x, y)) << x << "," << y;
  EXPECT_EQ(ok->NumGlyphs(), 2);
  EXPECT_EQ(ok->Margin(), 3);
  EXPECT_EQ(ok->Spacing(), -1);
  EXPECT_EQ(ok->Layout(), blGlyphBottom);

  auto* bold = dynamic_cast<TSpeedButton*>(form.FindComponent("Bold"));
  ASSERT_NE(bold, nullptr);
  EXPECT_TRUE(bold->Down());
  EXPECT_TRUE(bold->Flat());
  EXPECT_TRUE(bold->AllowAllUp());

  auto* bar = dynamic_cast<TScrollBar*>(form.FindComponent("Bar"));
  ASSERT_NE(bar, nullptr);
  EXPECT_EQ(bar->Kind(), sbVertical);
  EXPECT_EQ(bar->Position(), 46) << "within the range less the page";
}

TEST(GlyphButtonLayout, BadGlyphBytesAreRefusedWithTheirLine) {
  const char* layouts[] = {
      "object Test: TForm\n  object Ok: TBitBtn\n    Glyph.Data = {424D00}\n  end\nend\n",
      "object Test: TForm\n  object Ok: TBitBtn\n    Glyph.Data = {}\n  end\nend\n",
  };
  for (const char* text : layouts) {
    TForm form(nullptr);
    try {
      ReadComponentLayout(form, text);
      ADD_FAILURE() << "accepted: " << text;
    } catch (const ELayoutError& e) {
      EXPECT_EQ(e.Line(), 3) << e.what();
    }
  }
}

struct Group {
  TForm form{nullptr};
  std::vector<TSpeedButton*> buttons;
  explicit Group(bool allowAllUp) {
    form.SetBounds(0, 0, 200, 100);
    for (int i = 0; i < 3; ++i) {
      auto* b = new TSpeedButton(&form);
      b->SetParent(&form);
      b->SetBounds(10 + 30 * i, 10, 25, 25);
      b->SetGroupIndex(1);
      b->SetAllowAllUp(allowAllUp);
      buttons.push_back(b);
    }
  }
  std::string Downs() const {
    std::string s;
    for (TSpeedButton* b : buttons) s += b->Down() ? '1' : '0';
    return s;
  }
  // A press and release over a button, as the parent routes them.
  void Click(int index) {
    form.HandleNeeded();
    const int x = 10 + 30 * index + 5;
    SendMessageW(form.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, 15));
    SendMessageW(form.Handle(), WM_LBUTTONUP, 0, MAKELPARAM(x, 15));
  }
};

TEST(SpeedButtonGroup, OneDownAtATimeAndAllUpOnlyWhenAllowed) {
  Group strict(false);
  strict.buttons[0]->SetDown(true);
  EXPECT_EQ(strict.Downs(), "100");
  strict.buttons[2]->SetDown(true);
  EXPECT_EQ(strict.Downs(), "001");
  strict.buttons[2]->SetDown(false);
  EXPECT_EQ(strict.Downs(), "001") << "the last one down stays without AllowAllUp";
  strict.Click(1);
  EXPECT_EQ(strict.Downs(), "010");
  strict.Click(1);
  EXPECT_EQ(strict.Downs(), "010");

  Group loose(true);
  int clicks = 0;
  loose.buttons[1]->SetOnClick([&](TObject*) { ++clicks; });
  loose.Click(1);
  EXPECT_EQ(loose.Downs(), "010");
  loose.Click(1);
  EXPECT_EQ(loose.Downs(), "000");
  EXPECT_EQ(clicks, 2);

  // A release outside the button is no click.
  loose.form.HandleNeeded();
  SendMessageW(loose.form.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(45, 15));
  SendMessageW(loose.form.Handle(), WM_LBUTTONUP, 0, MAKELPARAM(150, 80));
  EXPECT_EQ(clicks, 2);
  EXPECT_EQ(loose.Downs(), "000");
  EXPECT_FALSE(loose.buttons[1]->Pushing());

  // The second press of a double click reaches the button too: the parent routes it.
  SendMessageW(loose.form.Handle(), WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(45, 15));
  SendMessageW(loose.form.Handle(), WM_LBUTTONUP, 0, MAKELPARAM(45, 15));
  EXPECT_EQ(clicks, 3);
  EXPECT_EQ(loose.Downs(), "010");

  // A button outside any group never stays down.
  TSpeedButton single(nullptr);
  single.SetDown(true);
  EXPECT_FALSE(single.Down());
}

TEST(ScrollBarControl, ScrollCodesFromTheNativeBarMoveThePosition) {
  TForm form(nullptr);
  form.SetBounds(0, 0, 300, 200);
  auto* bar = new TScrollBar(&form);
  bar->SetParent(&form);
  bar->SetBounds(10, 10, 200, 17);
  bar->SetParams(50, 0, 100);
  bar->SetPageSize(10);
  bar->SetSmallChange(2);
  bar->SetLargeChange(15);
  std::vector<int> changes;
  std::vector<int> codes;
  bar->SetOnChange([&](TObject*) { changes.push_back(bar->Position()); });
  bar->SetOnScroll([&](TObject*, int code, int&) { codes.push_back(code); });
  HWND window = bar->Handle();
  SCROLLINFO info{sizeof info, SIF_ALL, 0, 0, 0, 0, 0};
  ASSERT_TRUE(GetScrollInfo(window, SB_CTL, &info));
  EXPECT_EQ(info.nPos, 50) << "the native bar carries the values";
  EXPECT_EQ(info.nPage, 10u);

  struct Step {
    int code;
    int position;
  };
  const Step steps[] = {
      {SB_LINEDOWN, 52}, {SB_LINEUP, 50}, {SB_PAGEDOWN, 65}, {SB_PAGEDOWN, 80}, {SB_PAGEDOWN, 91}, // 91: max less page
      {SB_LINEDOWN, 91}, {SB_TOP, 0},     {SB_LINEUP, 0},    {SB_BOTTOM, 91},   {SB_PAGEUP, 76},
      {SB_ENDSCROLL, 76},
  };
  for (const Step& s : steps) {
    SendMessageW(form.Handle(), WM_HSCROLL, MAKEWPARAM(s.code, 0), reinterpret_cast<LPARAM>(window));
    EXPECT_EQ(bar->Position(), s.position) << "code " << s.code;
    ASSERT_TRUE(GetScrollInfo(window, SB_CTL, &info));
    EXPECT_EQ(info.nPos, s.position) << "native, code " << s.code;
  }
  EXPECT_EQ(changes, (std::vector<int>{52, 50, 65, 80, 91, 0, 91, 76}));
  EXPECT_EQ(codes.size(), std::size(steps));

  // A bar's own range and position are clamped in every order they are set.
  bar->SetParams(5, 10, 3);
  EXPECT_EQ(bar->Min(), 10);
  EXPECT_EQ(bar->Max(), 10);
  EXPECT_EQ(bar->Position(), 10);
}

} // namespace
} // namespace vcu
