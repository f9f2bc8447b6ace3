// Skinned up-down buttons: each half shows the skin strip's frame of its state (normal,
// disabled, pressed, hot; up 1-4, down 5-8, left/right the same), a plain button without the
// strip, a spin inside an edit kept clear of the edit's border, and holding a real mouse
// button on a half spins the control while that half shows its pressed frame.
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <iterator>
#include <memory>
#include <tuple>
#include <vector>

#include "ButtonTesting.h"
#include "RealInput.h"
#include "SkinnedForms.h"
#include "core/controls/UpDownRules.h"
#include "core/image/Blit.h"
#include "core/image/Slicing.h"
#include "framework/ComCtrls.h"
#include "framework/StdCtrls.h"
#include "skin/controls/SkinUpDown.h"
#include "support/Pixels.h"
#include "support/Pump.h"

namespace vcu::test {
namespace {

// What the skin should put in a spin's rectangle: the core's composition of both halves.
Bitmap ComposedSpin(const TSkinData& skin, int width, int height, bool horizontal, int firstState, int secondState) {
  Bitmap canvas(width, height, PixelFormat::Bits32, &AllocateHeapPixels);
  canvas.Fill(PixelOfColour(skin.ColourButtonFace));
  const TDataSkinBorder* element = (horizontal ? skin.UpDownHorz : skin.UpDownVert).get();
  const Bitmap none;
  const SpinFallbackColours colours{PixelOfColour(skin.ColourButtonFace), PixelOfColour(skin.ColourButtonShadow),
                                    PixelOfColour(skin.ColourButtonDkShadow)};
  const SpinHalves halves = SplitSpin(Rect{0, 0, width, height}, horizontal);
  for (const auto& [half, direction, state] : {std::tuple{halves.first, halves.firstDirection, firstState},
                                               std::tuple{halves.second, halves.secondDirection, secondState}}) {
    const int index = SpinFrameIndex(state, direction);
    const Bitmap frame = element ? StretchedFrameImage(half, element->Bitmap, index, kSpinFrames).image : none;
    const Bitmap glyph = element ? CentredFrameImage(half, element->Bitmap2, index, kSpinFrames).image : none;
    ComposeSpinHalf(canvas, half, direction, state, frame, glyph, colours);
  }
  return canvas;
}

Bitmap ClientOf(HWND window) {
  RECT r;
  GetClientRect(window, &r);
  return ReadClientPixels(window, r);
}

// The pointer well away from every control.
void PointerAway() { input::MoveTo(POINT{2, 2}); }

class SkinnedUpDown : public SkinnedFormTest {
protected:
  TUpDown* AddUpDown(int x, int y, int w, int h, TUDOrientation orientation, bool enabled = true) {
    auto* spin = new TUpDown(&form_);
    spin->SetOrientation(orientation);
    spin->SetBounds(x, y, w, h);
    spin->SetParent(&form_);
    spin->SetEnabled(enabled);
    return spin;
  }
  void Repaint(HWND window) {
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    Pump();
  }
};

TEST_F(SkinnedUpDown, EachHalfShowsTheFrameOfItsStateFromTheStripOrAsAPlainButton) {
  const struct {
    const char* what;
    TUDOrientation orientation;
    bool enabled, withStrip;
    int first, second; // the frames' states
  } cases[] = {
      {"vertical", udVertical, true, true, spinNormal, spinNormal},            // frames 1 and 5
      {"disabled vertical", udVertical, false, true, spinDisabled, spinDisabled}, // 3 and 7
      {"horizontal", udHorizontal, true, true, spinNormal, spinNormal},        // left 1, right 5
      {"plain vertical", udVertical, true, false, spinNormal, spinNormal},
      {"plain disabled horizontal", udHorizontal, false, false, spinDisabled, spinDisabled},
  };
  std::vector<TUpDown*> spins;
  int x = 20;
  for (const auto& c : cases) {
    const bool vertical = c.orientation == udVertical;
    spins.push_back(AddUpDown(x, 20, vertical ? 17 : 34, vertical ? 30 : 18, c.orientation, c.enabled));
    x += 50;
  }
  PointerAway();
  SkinOn();
  for (size_t i = 0; i < std::size(cases); ++i) {
    const auto& c = cases[i];
    SCOPED_TRACE(c.what);
    HWND h = spins[i]->Handle();
    ASSERT_NE(dynamic_cast<TSkinUpDown*>(SkinnerOf(form_.Handle(), h)), nullptr);
    std::unique_ptr<TDataSkinBorder> vert, horz;
    if (!c.withStrip) { // a skin copy without the up-down strips
      vert = std::move(data_.UpDownVert);
      horz = std::move(data_.UpDownHorz);
    }
    Repaint(h);
    RECT r;
    GetClientRect(h, &r);
    const bool horizontal = c.orientation == udHorizontal;
    EXPECT_EQ(FirstDifference(ClientOf(h), ComposedSpin(data_, r.right, r.bottom, horizontal, c.first, c.second)), "");
    if (!c.withStrip) {
      data_.UpDownVert = std::move(vert);
      data_.UpDownHorz = std::move(horz);
    }
  }
  ASSERT_TRUE(data_.UpDownVert && !data_.UpDownVert->Bitmap2.Empty()) << "the default skin has arrow glyphs";
}

TEST_F(SkinnedUpDown, HoldingTheDownHalfSpinsAndShowsItsPressedFrameThenHot) {
  TUpDown* spin = AddUpDown(40, 40, 17, 30, udVertical);
  spin->SetPosition(50);
  int clicks = 0;
  spin->SetOnClick([&clicks](TObject*) { ++clicks; });
  PointerAway();
  SkinOn();
  HWND h = spin->Handle();
  RECT r;
  GetWindowRect(h, &r);
  const POINT down{(r.left + r.right) / 2, r.top + 3 * (r.bottom - r.top) / 4};
  input::MoveTo(down);
  input::Press(down);
  ASSERT_TRUE(PumpUntil([&] { return spin->Position() <= 47; }, "the held down half repeats"));
  Pump();
  const Bitmap held = ClientOf(h);
  input::Release(down);
  ASSERT_TRUE(PumpUntil([&] { return !(GetKeyState(VK_LBUTTON) & 0x8000) && GetCapture() != h; }, "the release"));
  Pump();
  const int stopped = spin->Position();
  RECT client;
  GetClientRect(h, &client);
  EXPECT_GT(clicks, 2) << "OnClick runs for each step";
  EXPECT_EQ(FirstDifference(held, ComposedSpin(data_, client.right, client.bottom, false, spinNormal, spinPressed)), "")
      << "down shows frame 6, up frame 1";
  EXPECT_EQ(FirstDifference(ClientOf(h), ComposedSpin(data_, client.right, client.bottom, false, spinNormal, spinHot)), "")
      << "released under the pointer: down shows its hot frame 8";
  Pump();
  EXPECT_EQ(spin->Position(), stopped) << "the spinning stops with the release";
}

// A native spin inside an edit, its top 1 pixel below the edit's top, 1 pixel above its
// bottom and 2 from its right: the buttons are drawn 2 lower, 2 shorter and 1 narrower, the
// edit's white under the rest.
TEST_F(SkinnedUpDown, SpinInsideAnEditKeepsClearOfTheEditBorderOnWhite) {
  auto* edit = new TEdit(&form_);
  edit->SetBounds(20, 100, 120, 26);
  edit->SetParent(&form_);
  HWND e = edit->Handle();
  RECT client;
  GetClientRect(e, &client);
  ASSERT_EQ(client.right, 116) << "a two-pixel border";
  // In the edit's client coordinates; its client starts 2 pixels inside its window.
  HWND spin = CreateWindowExW(0, UPDOWN_CLASSW, L"", WS_CHILD | WS_VISIBLE, 100, -1, 16, 24, e, nullptr,
                              GetModuleHandleW(nullptr), nullptr);
  ASSERT_NE(spin, nullptr);
  PointerAway();
  SkinOn();
  ASSERT_TRUE(PumpUntil([&] { return SendMessageW(spin, SKINMSG_QUERY, 0, 0) == 1; }, "the edit's spin skinned"));
  auto* skinner = dynamic_cast<TSkinUpDown*>(SkinnerOf(form_.Handle(), spin));
  ASSERT_NE(skinner, nullptr);
  EXPECT_TRUE(skinner->InEdit());
  Repaint(spin);

  Bitmap expected(16, 24, PixelFormat::Bits32, &AllocateHeapPixels);
  expected.Fill(0xFFFFFF);
  const Bitmap buttons = ComposedSpin(data_, 15, 20, false, spinNormal, spinNormal);
  CopyPixels(expected, 0, 2, buttons, buttons.Bounds());
  // Row 0 and row 23 of the spin lie over the edit's border (outside its client): not compared.
  const Bitmap shown = ReadClientPixels(spin, RECT{0, 1, 16, 23});
  Bitmap wanted(16, 22, PixelFormat::Bits32, &AllocateHeapPixels);
  CopyPixels(wanted, 0, 0, expected, Rect{0, 1, 16, 23});
  EXPECT_EQ(FirstDifference(shown, wanted), "");
  EXPECT_EQ(shown.At(5, 0), Pixel{0xFFFFFF}) << "the first row under the edit's top is white";
  DestroyWindow(spin);
}

} // namespace
} // namespace vcu::test
