// Skinned track bars, drawn through custom draw: the channel from the Track/TRACKVERT image in
// three pieces at its own thickness (centred when thinner than the channel), the thumb from
// frame 2 of the thumb strip or a plain rectangle without one, the native ticks kept, every
// other draw stage left to the control, the skin's mark on CN_NOTIFY passed on untouched, a
// real drag moving the position, and the focus given back after a skin change.
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include "ButtonTesting.h"
#include "RealInput.h"
#include "SkinnedForms.h"
#include "core/controls/TrackBarGeometry.h"
#include "core/image/Blit.h"
#include "core/image/Slicing.h"
#include "framework/ComCtrls.h"
#include "framework/StdCtrls.h"
#include "skin/controls/SkinTrackBar.h"
#include "skin/data/WinRect.h"
#include "support/Pixels.h"
#include "support/Pump.h"

namespace vcu::test {
namespace {

constexpr LPARAM kSkinMark = 16802;
constexpr LRESULT kMarkAnswer = 77;

// A track bar that answers the skin's mark itself, so a test sees whether it got through.
class TMarkedTrackBar : public TTrackBar {
public:
  using TTrackBar::TTrackBar;
  int marks = 0;

protected:
  void Dispatch(TMessage& message) override {
    if (message.Msg == CN_NOTIFY && message.LParam == kSkinMark) {
      ++marks;
      message.Result = kMarkAnswer;
      return;
    }
    TTrackBar::Dispatch(message);
  }
};

RECT ChannelOf(HWND h, bool vertical) {
  RECT c{};
  SendMessageW(h, TBM_GETCHANNELRECT, 0, reinterpret_cast<LPARAM>(&c));
  if (vertical && c.right - c.left > c.bottom - c.top) c = RECT{c.top, c.left, c.bottom, c.right};
  return c;
}

RECT ThumbOf(HWND h) {
  RECT t{};
  SendMessageW(h, TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&t));
  return t;
}

Bitmap ClientOf(HWND window) {
  RECT r;
  GetClientRect(window, &r);
  return ReadClientPixels(window, r);
}

class SkinnedTrackBar : public SkinnedFormTest {
protected:
  template <class T = TTrackBar>
  T* AddTrackBar(int x, int y, int w, int h, TTrackBarOrientation orientation) {
    auto* bar = new T(&form_);
    bar->SetOrientation(orientation);
    bar->SetMax(20);
    bar->SetFrequency(2);
    bar->SetBounds(x, y, w, h);
    bar->SetParent(&form_);
    return bar;
  }
  void Repaint(HWND window) {
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    Pump();
  }
  // The tick rows (below the thumb of a horizontal bar, right of a vertical one's) hold pixels
  // other than the background: the native control drew its ticks there.
  int TickPixels(HWND h, bool vertical) {
    const Bitmap shown = ClientOf(h);
    const RECT thumb = ThumbOf(h);
    const Pixel back = shown.At(shown.Width() - 1, shown.Height() - 1);
    int ticks = 0;
    for (int y = 0; y < shown.Height(); ++y)
      for (int x = 0; x < shown.Width(); ++x)
        if ((vertical ? x >= thumb.right : y >= thumb.bottom) && shown.At(x, y) != back) ++ticks;
    return ticks;
  }
};

// The screen with the skin's channel pieces and thumb composed over it by the core: equal to
// the screen only where the skin drew exactly them.
TEST_F(SkinnedTrackBar, ChannelAndThumbComeFromTheSkinTicksStayNative) {
  TTrackBar* across = AddTrackBar(20, 20, 200, 40, trHorizontal);
  TTrackBar* upright = AddTrackBar(240, 20, 40, 150, trVertical);
  across->SetPosition(7);
  upright->SetPosition(13);
  Pump();
  const Bitmap nativeAcross = ClientOf(across->Handle());
  SkinOn();
  for (TTrackBar* bar : {across, upright}) {
    const bool vertical = bar == upright;
    SCOPED_TRACE(vertical ? "vertical" : "horizontal");
    HWND h = bar->Handle();
    ASSERT_NE(dynamic_cast<TSkinTrackBar*>(SkinnerOf(form_.Handle(), h)), nullptr);
    Repaint(h);
    const Bitmap shown = ClientOf(h);
    Bitmap expected = shown;
    const TDataSkinObject& channel = vertical ? *data_.TrackVert : *data_.Track;
    const Bitmap& image = channel.Bitmap;
    ASSERT_FALSE(image.Empty());
    const ChannelLayout layout =
        LayOutChannel(ToRect(ChannelOf(h, vertical)), image.Width(), image.Height(),
                      vertical ? channel.TopHeight : channel.LeftWidth,
                      vertical ? channel.BottomHeight : channel.RightWidth, vertical);
    ComposeChannel(expected, layout, image);
    const TDataSkinObject& thumb = vertical ? *data_.TrackbarThumbVert : *data_.TrackbarThumbHorz;
    DrawPlaced(expected, StretchedFrameImage(ToRect(ThumbOf(h)), thumb.Bitmap, kThumbFrame, kThumbFrames), true);
    EXPECT_EQ(FirstDifference(shown, expected), "");
    EXPECT_GT(TickPixels(h, vertical), 5);
  }
  EXPECT_NE(FirstDifference(ClientOf(across->Handle()), nativeAcross), "") << "the skin changed the look";
}

// Two skin copies: a Track image two pixels thinner than the channel (drawn one pixel down),
// and no thumb strips at all (a plain rectangle in ButtonShadow).
TEST_F(SkinnedTrackBar, ThinChannelImageIsCentredAndNoThumbStripGivesAPlainRectangle) {
  TTrackBar* bar = AddTrackBar(20, 20, 200, 40, trHorizontal);
  bar->SetPosition(10);
  SkinOn();
  HWND h = bar->Handle();
  const RECT channel = ChannelOf(h, false);
  const int thickness = channel.bottom - channel.top;
  ASSERT_GE(thickness, 3);
  const Pixel fill = MakePixel(10, 160, 30), end = MakePixel(200, 20, 20);
  data_.Track->Bitmap = Bitmap(12, thickness - 2, PixelFormat::Bits32, &AllocateHeapPixels);
  data_.Track->Bitmap.Fill(fill);
  FillRect(data_.Track->Bitmap, Rect{0, 0, 3, thickness - 2}, end);
  data_.Track->LeftWidth = 3;
  data_.Track->RightWidth = 3;
  auto horz = std::move(data_.TrackbarThumbHorz);
  auto vert = std::move(data_.TrackbarThumbVert);
  Repaint(h);
  const Bitmap shown = ClientOf(h);
  const RECT thumb = ThumbOf(h);
  const int x = channel.left + 1; // left of any thumb at position 10 of 20
  ASSERT_LT(x, thumb.left);
  EXPECT_NE(shown.At(x, channel.top), end) << "the first channel row is left alone";
  EXPECT_EQ(shown.At(x, channel.top + 1), end);
  EXPECT_EQ(shown.At(x, channel.bottom - 2), end);
  EXPECT_NE(shown.At(x, channel.bottom - 1), end);
  EXPECT_EQ(shown.At(channel.left + 20, channel.top + 1), fill) << "the middle is stretched";

  const Pixel shadow = PixelOfColour(data_.ColourButtonShadow);
  for (int px = thumb.left; px < thumb.right; ++px) {
    EXPECT_EQ(shown.At(px, thumb.top), shadow) << px;
    EXPECT_EQ(shown.At(px, thumb.bottom - 1), shadow) << px;
  }
  for (int py = thumb.top; py < thumb.bottom; ++py) EXPECT_EQ(shown.At(thumb.left, py), shadow) << py;
  EXPECT_GT(TickPixels(h, false), 5) << "the ticks stay native";
  data_.TrackbarThumbHorz = std::move(horz);
  data_.TrackbarThumbVert = std::move(vert);
}

TEST_F(SkinnedTrackBar, CustomDrawStagesAnsweredAndTheSkinMarkPassedOnUntouched) {
  auto* bar = AddTrackBar<TMarkedTrackBar>(20, 20, 200, 40, trHorizontal);
  SkinOn();
  HWND h = bar->Handle();
  HDC memory = CreateCompatibleDC(nullptr);
  HDC screen = GetDC(nullptr);
  HBITMAP pixels = CreateCompatibleBitmap(screen, 200, 40);
  ReleaseDC(nullptr, screen);
  HGDIOBJ old = SelectObject(memory, pixels);
  const struct {
    DWORD stage;
    DWORD_PTR item;
    LRESULT result;
  } cases[] = {
      {CDDS_PREPAINT, 0, CDRF_NOTIFYITEMDRAW},   {CDDS_ITEMPREPAINT, TBCD_TICS, CDRF_DODEFAULT},
      {CDDS_ITEMPREPAINT, TBCD_THUMB, CDRF_SKIPDEFAULT}, {CDDS_ITEMPREPAINT, TBCD_CHANNEL, CDRF_SKIPDEFAULT},
      {CDDS_ITEMPREPAINT, 9, CDRF_DODEFAULT},    {CDDS_POSTPAINT, 0, CDRF_DODEFAULT},
      {CDDS_PREERASE, 0, CDRF_DODEFAULT},        {CDDS_ITEMPOSTPAINT, TBCD_THUMB, CDRF_DODEFAULT},
      {CDDS_POSTERASE, 0, CDRF_DODEFAULT},
  };
  for (UINT message : {static_cast<UINT>(WM_NOTIFY), CN_NOTIFY})
    for (const auto& c : cases) {
      NMCUSTOMDRAW draw{};
      draw.hdr = NMHDR{h, 0, static_cast<UINT>(NM_CUSTOMDRAW)};
      draw.dwDrawStage = c.stage;
      draw.dwItemSpec = c.item;
      draw.hdc = memory;
      EXPECT_EQ(SendMessageW(h, message, 0, reinterpret_cast<LPARAM>(&draw)), c.result)
          << std::hex << message << " stage " << c.stage << " item " << c.item;
    }
  SelectObject(memory, old);
  DeleteObject(pixels);
  DeleteDC(memory);

  EXPECT_EQ(SendMessageW(h, CN_NOTIFY, 0, kSkinMark), kMarkAnswer);
  EXPECT_EQ(bar->marks, 1);
}

TEST_F(SkinnedTrackBar, DraggingTheThumbWithRealInputMovesThePosition) {
  TTrackBar* bar = AddTrackBar(20, 20, 240, 40, trHorizontal);
  int changes = 0;
  bar->SetOnChange([&changes](TObject*) { ++changes; });
  SkinOn();
  HWND h = bar->Handle();
  const RECT thumb = ThumbOf(h);
  POINT at{(thumb.left + thumb.right) / 2, (thumb.top + thumb.bottom) / 2};
  ClientToScreen(h, &at);
  input::MoveTo(at);
  input::Press(at);
  for (int step = 1; step <= 10; ++step) {
    input::MoveTo(POINT{at.x + 12 * step, at.y});
    Pump();
  }
  input::Release(POINT{at.x + 120, at.y});
  ASSERT_TRUE(PumpUntil([&] { return GetCapture() != h; }, "the release"));
  EXPECT_GE(bar->Position(), 8);
  EXPECT_GT(changes, 0);
  // The thumb is drawn where the position put it.
  Repaint(h);
  const Bitmap shown = ClientOf(h);
  Bitmap expected = shown;
  DrawPlaced(expected, StretchedFrameImage(ToRect(ThumbOf(h)), data_.TrackbarThumbHorz->Bitmap, 2, 5), true);
  EXPECT_EQ(FirstDifference(shown, expected), "");
  EXPECT_GT(ThumbOf(h).left, thumb.left + 60);
}

TEST_F(SkinnedTrackBar, SkinChangeGivesTheFocusBackToTheWindowThatHadIt) {
  TTrackBar* bar = AddTrackBar(20, 20, 200, 40, trHorizontal);
  auto* edit = new TEdit(&form_);
  edit->SetBounds(20, 80, 100, 22);
  edit->SetParent(&form_);
  SkinOn();
  SetFocus(edit->Handle());
  Pump();
  auto* skinner = SkinnerOf(form_.Handle(), bar->Handle());
  ASSERT_NE(skinner, nullptr);
  int focusSeen = 0;
  // The track bar really had the focus in between: it got WM_SETFOCUS.
  const auto id = bar->WindowProc.Add([&focusSeen](TMessage& m, const TWindowProcChain::Next& next) {
    if (m.Msg == WM_SETFOCUS) ++focusSeen;
    next(m);
  });
  skinner->SkinChanged();
  Pump();
  bar->WindowProc.Remove(id);
  EXPECT_EQ(focusSeen, 1);
  EXPECT_EQ(GetFocus(), edit->Handle());
}

} // namespace
} // namespace vcu::test
