// Skinned progress bars: trough and filled bar from the skin's Progress element, composed
// lying down and turned for a vertical bar so that it fills from the bottom; no fill without a
// position or an upper limit, the whole work width at the upper limit; the native bar back
// when skinning goes off.
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <iterator>
#include <vector>

#include "ButtonTesting.h"
#include "SkinnedForms.h"
#include "core/controls/ProgressGeometry.h"
#include "core/image/Blit.h"
#include "core/image/PixelOps.h"
#include "core/image/Slicing.h"
#include "framework/ComCtrls.h"
#include "skin/controls/SkinProgress.h"
#include "support/Pixels.h"
#include "support/Pump.h"

namespace vcu::test {
namespace {

// The core's picture of the bar at its window size with `filled` pixels filled.
Bitmap ComposedBar(const TSkinData& skin, int width, int height, bool vertical, int filled) {
  const WorkSize work = ProgressWorkSize(width, height, vertical);
  Bitmap picture(work.width, work.height, PixelFormat::Bits32, &AllocateHeapPixels);
  const TDataSkinBorder& e = *skin.Progress;
  const Rect whole{0, 0, work.width, work.height};
  const bool chunkLook = e.Style == 1;
  const Bitmap trough = BuildSlicedBitmap(whole, e.Bitmap, e.Margins(), 1, chunkLook ? 1 : 2, !chunkLook && e.Tile != 0, false);
  const Bitmap bar = !chunkLook && filled > 0
                         ? BuildSlicedBitmap(Rect{0, 0, filled, work.height}, e.Bitmap, e.Margins(), 2, 2, e.Tile != 0, false)
                         : Bitmap();
  ComposeProgress(picture, trough, bar, chunkLook ? skin.ProgressChunk.get() : nullptr, filled,
                  PixelOfColour(skin.ColourButtonFace));
  if (vertical) RotateBitmapLeft(picture);
  return picture;
}

Bitmap ClientOf(HWND window) {
  RECT r;
  GetClientRect(window, &r);
  return ReadClientPixels(window, r);
}

Bitmap Rows(const Bitmap& image, int top, int bottom) {
  Bitmap part(image.Width(), bottom - top, PixelFormat::Bits32, &AllocateHeapPixels);
  CopyPixels(part, 0, 0, image, Rect{0, top, image.Width(), bottom});
  return part;
}

class SkinnedProgress : public SkinnedFormTest {
protected:
  TProgressBar* AddBar(int x, int y, int w, int h, TProgressBarOrientation orientation, int min, int max, int pos) {
    auto* bar = new TProgressBar(&form_);
    bar->SetOrientation(orientation);
    bar->SetBounds(x, y, w, h);
    bar->SetMin(min);
    bar->SetMax(max);
    bar->SetPosition(pos);
    bar->SetParent(&form_);
    return bar;
  }
};

TEST_F(SkinnedProgress, FilledPartFollowsPositionAndUpperLimit) {
  const struct {
    const char* what;
    int w, h;
    TProgressBarOrientation orientation;
    int min, max, pos, filled; // filled along the bar
  } cases[] = {
      {"position 0: trough only", 200, 20, pbHorizontal, 0, 100, 0, 0},
      {"upper limit 0: trough only", 200, 20, pbHorizontal, -50, 0, -10, 0},
      {"at the upper limit: the whole width", 200, 20, pbHorizontal, 0, 100, 100, 200},
      {"a third", 150, 18, pbHorizontal, 0, 90, 30, 50},
      {"vertical at half", 20, 100, pbVertical, 0, 100, 50, 50},
      {"vertical full", 24, 80, pbVertical, 0, 10, 10, 80},
  };
  form_.SetBounds(40, 40, 640, 480);
  std::vector<TProgressBar*> bars;
  for (size_t i = 0; i < std::size(cases); ++i) { // two columns, one row each pair
    const auto& c = cases[i];
    bars.push_back(AddBar(10 + 230 * static_cast<int>(i % 2), 10 + 110 * static_cast<int>(i / 2), c.w, c.h,
                          c.orientation, c.min, c.max, c.pos));
  }
  SkinOn();
  ASSERT_TRUE(data_.Progress && data_.Progress->Style != 1) << "the default skin's bar has two frames";
  for (size_t i = 0; i < std::size(cases); ++i) {
    const auto& c = cases[i];
    SCOPED_TRACE(c.what);
    HWND h = bars[i]->Handle();
    ASSERT_NE(dynamic_cast<TSkinProgress*>(SkinnerOf(form_.Handle(), h)), nullptr);
    RedrawWindow(h, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    Pump();
    const bool vertical = c.orientation == pbVertical;
    EXPECT_EQ(FirstDifference(ClientOf(h), ComposedBar(data_, c.w, c.h, vertical, c.filled)), "");
  }
}

// Independently of the composition's own rotation: the lower half of a vertical bar at half
// range looks like the full bar's lower half, the upper half like the empty bar's.
TEST_F(SkinnedProgress, VerticalBarFillsUpwardFromTheBottom) {
  TProgressBar* bar = AddBar(20, 20, 20, 100, pbVertical, 0, 100, 50);
  SkinOn();
  HWND h = bar->Handle();
  auto shown = [&] {
    RedrawWindow(h, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    Pump();
    return ClientOf(h);
  };
  const Bitmap half = shown();
  bar->SetPosition(100);
  const Bitmap full = shown();
  bar->SetPosition(0);
  const Bitmap empty = shown();
  // The filled bar's ends (its left and right slices) lie across the rows near its tip.
  const int margin = data_.Progress->LeftWidth + data_.Progress->RightWidth + 2;
  EXPECT_EQ(FirstDifference(Rows(half, 50 + margin, 100 - margin), Rows(full, 50 + margin, 100 - margin)), "");
  EXPECT_EQ(FirstDifference(Rows(half, margin, 50 - margin), Rows(empty, margin, 50 - margin)), "");
  EXPECT_NE(FirstDifference(full, empty), "");
}

TEST_F(SkinnedProgress, PositionChangesRepaintAndOffGivesTheNativeBarBack) {
  TProgressBar* bar = AddBar(20, 20, 200, 20, pbHorizontal, 0, 100, 10);
  Pump();
  HWND h = bar->Handle();
  const Bitmap native = ClientOf(h);
  SkinOn();
  bar->SetStep(30);
  bar->StepIt();
  EXPECT_EQ(bar->Position(), 40);
  Pump();
  UpdateWindow(h);
  EXPECT_EQ(FirstDifference(ClientOf(h), ComposedBar(data_, 200, 20, false, 80)), "");
  bar->SetPosition(10);
  data_.SetActive(false);
  CarryOutRequestNow();
  Pump();
  RedrawWindow(h, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
  Pump();
  EXPECT_EQ(SendMessageW(h, SKINMSG_QUERY, 0, 0), 0);
  EXPECT_EQ(FirstDifference(ClientOf(h), native), "");
}

} // namespace
} // namespace vcu::test
