// A stand-alone scroll-bar control under the skin: one overlay laid over it, painted from the
// skin's scroll-bar elements at the thumb the control's range, page and position give; the
// real mouse on the overlay works the native bar underneath (arrow, page, thumb drag) and the
// control's Position follows; disabled shows the disabled track; off takes the overlay away.
#include <gtest/gtest.h>

#include "RealInput.h"
#include "ScrollTesting.h"
#include "SkinnedForms.h"
#include "core/controls/ScrollBarGeometry.h"
#include "framework/ScrollBar.h"
#include "skin/controls/SkinScControl.h"
#include "skin/controls/WScrollbar.h"
#include "support/Pixels.h"
#include "support/Pump.h"

namespace vcu::test {
namespace {

class SkinnedScrollBarControl : public SkinnedFormTest {
protected:
  void SetUp() override {
    SkinnedFormTest::SetUp();
    input::MoveTo(POINT{5, 5});
    Pump();
  }

  TScrollBar* Add(TScrollBarKind kind, int x, int y, int length) {
    auto* bar = new TScrollBar(&form_);
    bar->SetKind(kind);
    const int thick = GetSystemMetrics(SM_CXHSCROLL);
    bar->SetBounds(x, y, kind == sbHorizontal ? length : thick, kind == sbHorizontal ? thick : length);
    bar->SetParent(&form_);
    bar->SetParams(0, 0, 100);
    bar->SetPageSize(10);
    bar->SetLargeChange(10);
    return bar;
  }
  TSkinScControl* SkinnerOfBar(TScrollBar* bar) {
    TWinSkinForm* skinner = RunningSkinner(form_.Handle());
    if (!skinner) return nullptr;
    for (TSkinControl* c : skinner->SkinnedControls())
      if (c->Owner() == bar) return dynamic_cast<TSkinScControl*>(c);
    return nullptr;
  }
  // The screen over the bar's bounds.
  Bitmap Shown(TScrollBar* bar) { return ReadClientPixels(form_.Handle(), bar->BoundsRect()); }
  Bitmap Expected(TScrollBar* bar) {
    const bool vertical = bar->Kind() == sbVertical;
    const int arrow = GetSystemMetrics(SM_CXHSCROLL);
    const ThumbExtent thumb =
        ThumbFromScrollInfo(vertical ? bar->Height() : bar->Width(), arrow,
                            ScrollInfoValues{bar->Min(), bar->Max(), bar->PageSize(), bar->Position()});
    return SkinnedBar(data_, vertical, bar->Width(), bar->Height(), arrow, thumb.top, thumb.bottom, bar->Enabled(),
                      vertical ? PartFrames{} : kHorizontalFrames);
  }
  bool ShowsSkinnedBar(TScrollBar* bar, const char* when) {
    std::string difference;
    const bool ok = PumpUntil([&] { return (difference = FirstDifference(Shown(bar), Expected(bar))).empty(); }, when);
    if (!ok) ADD_FAILURE() << when << ": " << difference;
    return ok;
  }
  POINT ScreenOf(TScrollBar* bar, int along) {
    const bool vertical = bar->Kind() == sbVertical;
    const int across = (vertical ? bar->Width() : bar->Height()) / 2;
    POINT p{bar->Left() + (vertical ? across : along), bar->Top() + (vertical ? along : across)};
    ClientToScreen(form_.Handle(), &p);
    return p;
  }
  // The pointer off the bar and the overlay's hot part gone, so the picture is the plain one.
  void Away(TScrollBar* bar) {
    input::MoveTo(POINT{5, 5});
    TWScrollbar* overlay = SkinnerOfBar(bar)->Bar();
    PumpUntil([&] { return overlay->HotPart() == -1; }, "the overlay to hear the pointer leave");
  }
};

TEST_F(SkinnedScrollBarControl, OverlayShowsTheSkinnedBarAtTheControlsThumb) {
  TScrollBar* horizontal = Add(sbHorizontal, 20, 20, 240);
  TScrollBar* vertical = Add(sbVertical, 300, 20, 180);
  vertical->SetPosition(45);
  TScrollBar* disabled = Add(sbVertical, 340, 20, 180);
  disabled->SetEnabled(false);
  SkinOn();
  for (TScrollBar* bar : {horizontal, vertical, disabled}) {
    TSkinScControl* skinner = SkinnerOfBar(bar);
    ASSERT_NE(skinner, nullptr);
    ASSERT_NE(skinner->Bar(), nullptr);
    EXPECT_TRUE(skinner->Bar()->Shown());
  }
  ShowsSkinnedBar(horizontal, "horizontal at 0");
  ShowsSkinnedBar(vertical, "vertical at 45");
  ShowsSkinnedBar(disabled, "disabled");
  horizontal->SetPosition(70);
  ShowsSkinnedBar(horizontal, "moved by the program");
}

TEST_F(SkinnedScrollBarControl, RealMouseOnTheOverlayWorksTheNativeBar) {
  TScrollBar* bar = Add(sbHorizontal, 20, 40, 300);
  int changes = 0;
  bar->SetOnChange([&](TObject*) { ++changes; });
  SkinOn();
  ASSERT_NE(SkinnerOfBar(bar), nullptr);
  ShowsSkinnedBar(bar, "at the start");
  const int arrow = GetSystemMetrics(SM_CXHSCROLL);

  input::Click(ScreenOf(bar, 300 - arrow / 2));
  ASSERT_TRUE(PumpUntil([&] { return bar->Position() == 1; }, "the right arrow to step by one"));
  EXPECT_EQ(changes, 1);

  input::Click(ScreenOf(bar, 250));
  ASSERT_TRUE(PumpUntil([&] { return bar->Position() == 11; }, "a page click after the thumb to page by ten"));

  Away(bar);
  ShowsSkinnedBar(bar, "after paging");

  // Drag the thumb from its middle to the right by about half the track.
  const ThumbExtent thumb = ThumbFromScrollInfo(300, arrow, ScrollInfoValues{0, 100, 10, bar->Position()});
  const int from = (thumb.top + thumb.bottom) / 2;
  input::Press(ScreenOf(bar, from));
  input::MoveTo(ScreenOf(bar, from + 60));
  input::MoveTo(ScreenOf(bar, from + 120));
  input::Release(ScreenOf(bar, from + 120));
  ASSERT_TRUE(PumpUntil([&] { return bar->Position() > 40; }, "the dragged thumb to move the position"));
  EXPECT_LT(bar->Position(), 91);
  Away(bar);
  ShowsSkinnedBar(bar, "after the drag");
}

TEST_F(SkinnedScrollBarControl, OffTakesTheOverlayAwayAndTheNativeBarShows) {
  TScrollBar* bar = Add(sbHorizontal, 20, 40, 200);
  bar->SetPosition(30);
  Pump();
  const Bitmap native = Shown(bar);
  SkinOn();
  ASSERT_TRUE(ShowsSkinnedBar(bar, "skinned"));
  ASSERT_TRUE(SwitchSkinning(data_, false));
  std::string difference;
  EXPECT_TRUE(PumpUntil([&] { return (difference = FirstDifference(Shown(bar), native)).empty(); }, "the native bar"))
      << difference;
  // Only the bar itself is left in the form: no overlay window.
  int children = 0;
  for (HWND c = GetWindow(form_.Handle(), GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) ++children;
  EXPECT_EQ(children, 1);
}

} // namespace
} // namespace vcu::test
