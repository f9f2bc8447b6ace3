// The skinned status bar against the core's composition of the same StatusBarEdges frames:
// bevel frames, the last panel reaching the bar's end, the simple panel, the fallback edge
// without the element, the size grip (and none without ExtraImages), text alignment with the
// right-to-left swap, owner drawing after the skin, and the native bar given back.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <string>
#include <utility>
#include <vector>

#include "ButtonTesting.h"
#include "SkinnedForms.h"
#include "core/image/Blit.h"
#include "core/image/Slicing.h"
#include "core/image/Transparency.h"
#include "framework/StatusBar.h"
#include "skin/controls/SkinStatusBar.h"
#include "support/Pixels.h"
#include "support/Pump.h"

namespace vcu::test {
namespace {

struct FramedRect {
  RECT rect;
  int frame;
};

class SkinnedStatusBar : public SkinnedFormTest {
protected:
  void SetUp() override {
    SkinnedFormTest::SetUp();
    bar_ = new TStatusBar(&form_);
    bar_->SetParent(&form_);
    bar_->SetSizeGrip(false);
    bar_->SetHeight(22);
    Pump();
  }
  TStatusPanel* AddPanel(int width, TStatusPanelBevel bevel, const std::string& text = "") {
    TStatusPanel* panel = bar_->AddPanel();
    panel->SetWidth(width);
    panel->SetBevel(bevel);
    panel->SetText(text);
    return panel;
  }
  RECT NativePanel(int index) {
    RECT r{};
    EXPECT_TRUE(SendMessageW(bar_->Handle(), SB_GETRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&r)));
    return r;
  }
  Bitmap Shown() {
    RedrawWindow(bar_->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    Pump();
    return ClientPixels(bar_->Handle());
  }
  void Reskin() {
    for (TSkinControl* c : RunningSkinner(form_.Handle())->SkinnedControls()) c->SkinChanged();
    Pump();
  }
  // The face, then each frame sliced to its rectangle by the core.
  Bitmap Expected(const std::vector<FramedRect>& frames) {
    RECT client;
    GetClientRect(bar_->Handle(), &client);
    Bitmap canvas(client.right, client.bottom, PixelFormat::Bits32);
    canvas.Fill(PixelOfColour(data_.ColourButtonFace));
    const TDataSkinObject& edges = *data_.StatusBarEdges;
    for (const FramedRect& f : frames) {
      const Rect r{f.rect.left, f.rect.top, f.rect.right, f.rect.bottom};
      DrawPlaced(canvas, SlicedFrameImage(r, edges.Bitmap, edges.Margins(), f.frame, 3, edges.Tile != 0, false), false);
    }
    return canvas;
  }
  int Width() {
    RECT client;
    GetClientRect(bar_->Handle(), &client);
    return client.right;
  }
  // Pixels in the columns [from, to) where the bar differs from the frames alone: text.
  static int TextPixels(const Bitmap& shown, const Bitmap& framesOnly, int from, int to) {
    int differing = 0;
    for (int y = 0; y < shown.Height(); ++y)
      for (int x = from; x < to; ++x)
        if (shown.At(x, y) != framesOnly.At(x, y)) ++differing;
    return differing;
  }

  TStatusBar* bar_ = nullptr;
};

TEST_F(SkinnedStatusBar, PanelFramesByBevelAndTheLastReachesTheBarsEnd) {
  ASSERT_TRUE(data_.StatusBarEdges && !data_.StatusBarEdges->Bitmap.Empty());
  AddPanel(90, pbLowered);
  AddPanel(70, pbRaised);
  AddPanel(60, pbNone);
  SkinOn();
  ASSERT_NE(dynamic_cast<TSkinStatusBar*>(SkinnerOf(form_.Handle(), bar_->Handle())), nullptr);
  std::vector<FramedRect> frames;
  const int bevelFrame[] = {1, 2, 3};
  for (int i = 0; i < 3; ++i) {
    RECT r = NativePanel(i);
    r.right += 2;
    frames.push_back({r, bevelFrame[i]});
  }
  ASSERT_LT(NativePanel(2).right + 2, Width()) << "the native last panel must stop short for this test";
  frames.back().rect.right = Width();
  const Bitmap shown = Shown();
  EXPECT_EQ(FirstDifference(shown, Expected(frames)), "");
}

TEST_F(SkinnedStatusBar, SimplePanelPaintsOnlyTheSimpleTextOverFrameOne) {
  AddPanel(90, pbRaised, "Panel text");
  AddPanel(70, pbNone);
  bar_->SetSimplePanel(true);
  bar_->SetSimpleText("");
  SkinOn();
  const RECT whole{0, 0, Width(), 22};
  EXPECT_EQ(FirstDifference(Shown(), Expected({{whole, 1}})), "");

  struct Case {
    TBiDiMode mode;
    bool textOnLeft;
  };
  for (const Case& c : {Case{bdLeftToRight, true}, Case{bdRightToLeft, false}}) {
    bar_->SetBiDiMode(c.mode);
    bar_->SetSimpleText("Simple");
    const Bitmap shown = Shown();
    const Bitmap framesOnly = Expected({{whole, 1}});
    const int half = Width() / 2;
    const int left = TextPixels(shown, framesOnly, 0, half), right = TextPixels(shown, framesOnly, half, Width());
    EXPECT_GT(c.textOnLeft ? left : right, 10) << c.mode;
    EXPECT_EQ(c.textOnLeft ? right : left, 0) << c.mode;
  }
}

TEST_F(SkinnedStatusBar, PanelTextFollowsAlignmentWithTheRightToLeftSwap) {
  TStatusPanel* panel = AddPanel(300, pbLowered, "Go");
  AddPanel(50, pbNone);
  SkinOn();
  struct Case {
    TAlignment alignment;
    TBiDiMode mode;
    int third; // 0 left, 1 middle, 2 right third of the panel
  };
  const Case cases[] = {
      {taLeftJustify, bdLeftToRight, 0}, {taRightJustify, bdLeftToRight, 2}, {taCenter, bdLeftToRight, 1},
      {taRightJustify, bdRightToLeft, 0}, {taLeftJustify, bdRightToLeft, 2}, {taCenter, bdRightToLeft, 1},
  };
  for (const Case& c : cases) {
    panel->SetAlignment(c.alignment);
    panel->SetBiDiMode(c.mode);
    const Bitmap shown = Shown();
    const RECT p = NativePanel(0), q = NativePanel(1);
    const Bitmap framesOnly = Expected({{RECT{p.left, p.top, p.right + 2, p.bottom}, 1}, {RECT{q.left, q.top, Width(), q.bottom}, 3}});
    const int third = (p.right - p.left) / 3;
    for (int t = 0; t < 3; ++t) {
      const int text = TextPixels(shown, framesOnly, p.left + t * third, p.left + (t + 1) * third);
      if (t == c.third) EXPECT_GT(text, 5) << "alignment " << c.alignment << " mode " << c.mode << " third " << t;
      else EXPECT_EQ(text, 0) << "alignment " << c.alignment << " mode " << c.mode << " third " << t;
    }
  }
}

TEST_F(SkinnedStatusBar, WithoutTheElementALoweredPanelHasAOnePixelEdgeAndNoBevelNone) {
  AddPanel(90, pbLowered);
  AddPanel(90, pbNone);
  AddPanel(90, pbRaised);
  SkinOn();
  data_.StatusBarEdges.reset();
  Reskin();
  const Bitmap shown = Shown();
  const Pixel face = PixelOfColour(data_.ColourButtonFace);
  const Pixel shadow = PixelOf(GetSysColor(COLOR_BTNSHADOW)), light = PixelOf(GetSysColor(COLOR_BTNHIGHLIGHT));
  ASSERT_NE(shadow, light);
  const RECT lowered = NativePanel(0), none = NativePanel(1), raised = NativePanel(2);
  const int midY = (lowered.top + lowered.bottom) / 2;
  // lowered: shadow top and left, light bottom and right (widened by 2)
  EXPECT_EQ(shown.At(lowered.left + 10, lowered.top), shadow);
  EXPECT_EQ(shown.At(lowered.left, midY), shadow);
  EXPECT_EQ(shown.At(lowered.left + 10, lowered.bottom - 1), light);
  EXPECT_EQ(shown.At(lowered.right + 1, midY), light);
  // raised: the reverse
  EXPECT_EQ(shown.At(raised.left + 10, raised.top), light);
  EXPECT_EQ(shown.At(raised.left + 10, raised.bottom - 1), shadow);
  // none: the face only, no frame
  for (int x = none.left + 1; x < none.right; ++x) {
    EXPECT_EQ(shown.At(x, none.top), face) << x;
    EXPECT_EQ(shown.At(x, none.bottom - 1), face) << x;
  }
}

TEST_F(SkinnedStatusBar, SizeGripFromExtraImagesAndNoneWithoutThem) {
  ASSERT_TRUE(data_.ExtraImages && !data_.ExtraImages->Bitmap.Empty());
  AddPanel(90, pbLowered);
  AddPanel(90, pbNone);
  bar_->SetSizeGrip(true);
  SkinOn();
  std::vector<FramedRect> frames{{NativePanel(0), 1}, {NativePanel(1), 3}};
  frames[0].rect.right += 2;
  frames[1].rect.right = Width();
  Bitmap expected = Expected(frames);
  const TDataSkinObject& extra = *data_.ExtraImages;
  const int count = extra.Frame > 0 ? extra.Frame : 5;
  const int fw = extra.Bitmap.Width() / count, fh = extra.Bitmap.Height();
  const Rect grip{Width() - 1 - fw, expected.Height() - 1 - fh, Width() - 1, expected.Height() - 1};
  const Bitmap frame5 = BuildSlicedBitmap(Rect{0, 0, fw, fh}, extra.Bitmap, Margins{}, 5, count, false, false);
  Bitmap withGrip = expected;
  DrawTransparent(withGrip, grip, frame5, kKeyColour);
  ASSERT_NE(FirstDifference(withGrip, expected), "") << "the grip frame must show on the bar";
  EXPECT_EQ(FirstDifference(Shown(), withGrip), "");

  // The variant skin without ExtraImages draws no grip on the same bar.
  data_.ExtraImages.reset();
  Reskin();
  EXPECT_EQ(FirstDifference(Shown(), expected), "");
}

TEST_F(SkinnedStatusBar, OwnerDrawnPanelGetsTheSkinsFrameAndItsContentFromOnDrawPanel) {
  AddPanel(90, pbLowered, "Text");
  TStatusPanel* drawn = AddPanel(100, pbRaised);
  drawn->SetStyle(psOwnerDraw);
  std::vector<std::pair<TStatusPanel*, RECT>> calls;
  bar_->SetOnDrawPanel([&calls](TStatusBar*, TStatusPanel* panel, HDC dc, const RECT& r) {
    calls.push_back({panel, r});
    if (panel->Style() != psOwnerDraw) return;
    SetDCBrushColor(dc, RGB(255, 0, 0));
    FillRect(dc, &r, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
  });
  SkinOn();
  calls.clear();
  const Bitmap shown = Shown();
  // Every panel is handed over, text panels too, with its rectangle shrunk by 2.
  ASSERT_EQ(calls.size(), 2u);
  EXPECT_EQ(calls[1].first, drawn);
  const RECT p = NativePanel(1);
  EXPECT_EQ(calls[1].second.left, p.left + 2);
  EXPECT_EQ(calls[1].second.bottom, p.bottom - 2);
  // Red inside, the skin's raised frame (frame 2, to the bar's end) around it.
  const Bitmap expected = Expected({{RECT{p.left, p.top, Width(), p.bottom}, 2}});
  EXPECT_EQ(shown.At(p.left + 10, (p.top + p.bottom) / 2), MakePixel(255, 0, 0));
  for (int x = p.left; x < Width(); ++x) {
    EXPECT_EQ(shown.At(x, p.top), expected.At(x, p.top)) << x;
    EXPECT_EQ(shown.At(x, p.bottom - 1), expected.At(x, p.bottom - 1)) << x;
  }
}

TEST_F(SkinnedStatusBar, OffGivesTheNativeBarBack) {
  AddPanel(90, pbLowered);
  AddPanel(90, pbRaised);
  const LONG_PTR proc = GetWindowLongPtrW(bar_->Handle(), GWLP_WNDPROC);
  const Bitmap native = Shown();
  SkinOn();
  const Bitmap skinned = Shown();
  ASSERT_NE(FirstDifference(native, skinned), "");
  ASSERT_TRUE(SwitchSkinning(data_, false));
  Pump();
  EXPECT_EQ(SkinnerOf(form_.Handle(), bar_->Handle()), nullptr);
  EXPECT_EQ(GetWindowLongPtrW(bar_->Handle(), GWLP_WNDPROC), proc);
  EXPECT_EQ(FirstDifference(Shown(), native), "");
}

} // namespace
} // namespace vcu::test
