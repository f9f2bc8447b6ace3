// The skinned header control against the core's composition of the Headerbar frames: item
// frames, the bar right of the last item, the hot item, text placement by alignment, hot
// tracking with the real mouse (one repaint per change of hot item, cleared on leaving), a
// skin without Headerbar (paint consumed, erase passed on), and the flat size grip of a plain
// dialog.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "ButtonTesting.h"
#include "HeaderTesting.h"
#include "RealInput.h"
#include "SkinnedForms.h"
#include "framework/ListView.h"
#include "skin/controls/SkinHeader.h"
#include "skin/controls/SkinSizer.h"
#include "skin/form/SkinManage.h"
#include "support/Pixels.h"
#include "support/Pump.h"

namespace vcu::test {
namespace {

class SkinnedHeader : public SkinnedFormTest {
protected:
  void SetUp() override {
    SkinnedFormTest::SetUp();
    header_ = new THeaderControl(&form_);
    header_->SetParent(&form_);
    header_->SetBounds(10, 10, 360, 24);
    header_->AddSection("", 100);
    header_->AddSection("", 80, taRightJustify);
    header_->AddSection("", 90, taCenter);
    Pump();
  }
  TSkinHeader* Skinner() { return dynamic_cast<TSkinHeader*>(SkinnerOf(form_.Handle(), header_->Handle())); }
  RECT Item(int index) {
    RECT r{};
    EXPECT_TRUE(SendMessageW(header_->Handle(), HDM_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&r)));
    return r;
  }
  Bitmap Shown() {
    RedrawWindow(header_->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    Pump();
    return ClientPixels(header_->Handle());
  }
  Bitmap Expected(int hot) { return ComposedHeader(data_, header_->Handle(), hot); }
  POINT ScreenPoint(int x, int y) {
    POINT p{x, y};
    ClientToScreen(header_->Handle(), &p);
    return p;
  }

  THeaderControl* header_ = nullptr;
};

TEST_F(SkinnedHeader, ItemsAndTheBarBeyondInFrameOneTheHotItemInFrameTwo) {
  ASSERT_TRUE(data_.Headerbar && !data_.Headerbar->Bitmap.Empty());
  SkinOn();
  ASSERT_NE(Skinner(), nullptr);
  EXPECT_EQ(Skinner()->HotItem(), -1);
  ASSERT_NE(FirstDifference(Expected(-1), Expected(1)), "") << "frames 1 and 2 must differ for this test";
  EXPECT_EQ(FirstDifference(Shown(), Expected(-1)), "");
  const RECT second = Item(1);
  SendMessageW(header_->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(second.left + 10, 5));
  Pump();
  EXPECT_EQ(Skinner()->HotItem(), 1);
  EXPECT_EQ(FirstDifference(Shown(), Expected(1)), "");
  SendMessageW(header_->Handle(), WM_MOUSELEAVE, 0, 0);
  EXPECT_EQ(Skinner()->HotItem(), -1);
  EXPECT_EQ(FirstDifference(Shown(), Expected(-1)), "");
}

TEST_F(SkinnedHeader, TextPlacedByTheSectionsAlignment) {
  for (int i = 0; i < 3; ++i) header_->Sections(i)->SetText("Name");
  SkinOn();
  const Bitmap shown = Shown(), framesOnly = Expected(-1);
  for (int i = 0; i < 3; ++i) {
    const RECT r = Item(i);
    int first = -1, last = -1;
    for (int x = r.left; x < r.right; ++x)
      for (int y = 0; y < shown.Height(); ++y)
        if (shown.At(x, y) != framesOnly.At(x, y)) {
          if (first < 0) first = x;
          last = x;
        }
    ASSERT_GE(first, 0) << "section " << i << " shows no text";
    const int before = first - r.left, after = r.right - 1 - last;
    switch (header_->Sections(i)->Alignment()) {
    case taLeftJustify: EXPECT_GE(before, 3); EXPECT_LE(before, 5); break;         // starts 3 in
    case taRightJustify: EXPECT_GE(after, 2); EXPECT_LE(after, 5); break;          // ends 2 in
    // Centred: the glyphs' side bearings leave a few pixels of play either way.
    case taCenter: EXPECT_LE(std::abs(before - after), 5) << before << " " << after; break;
    }
  }
}

TEST_F(SkinnedHeader, RealMouseRepaintsOncePerHotChangeAndLeavingClearsIt) {
  SkinOn();
  int paints = 0;
  const auto id = header_->WindowProc.Add([&paints](TMessage& message, const TWindowProcChain::Next& next) {
    if (message.Msg == WM_PAINT) ++paints;
    next(message);
  });
  const RECT first = Item(0), second = Item(1);
  input::MoveTo(ScreenPoint(first.left + 10, 8));
  ASSERT_TRUE(PumpUntil([&] { return Skinner()->HotItem() == 0; }, "the first section to be hot"));
  Pump();
  paints = 0;
  for (int x = first.left + 12; x < second.right - 10; x += 6) {
    input::MoveTo(ScreenPoint(x, 8));
    Pump();
  }
  ASSERT_TRUE(PumpUntil([&] { return Skinner()->HotItem() == 1; }, "the second section to be hot"));
  Pump();
  EXPECT_EQ(paints, 1) << "moves within a section repaint nothing; the change of section once";
  input::MoveTo(ScreenPoint(first.left + 10, 150));
  ASSERT_TRUE(PumpUntil([&] { return Skinner()->HotItem() == -1; }, "the hot section to clear"));
  Pump();
  EXPECT_EQ(paints, 2);
  header_->WindowProc.Remove(id);
}

TEST_F(SkinnedHeader, ImageOnlyWithTextAndWhenNarrowerThanTheCell) {
  HIMAGELIST images = ImageList_Create(16, 16, ILC_COLOR24, 1, 0);
  {
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP red = CreateCompatibleBitmap(screen, 16, 16);
    HGDIOBJ old = SelectObject(dc, red);
    const RECT all{0, 0, 16, 16};
    SetDCBrushColor(dc, RGB(255, 0, 0));
    FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
    SelectObject(dc, old);
    ImageList_Add(images, red, nullptr);
    DeleteObject(red);
    DeleteDC(dc);
    ReleaseDC(nullptr, screen);
  }
  HWND hwnd = header_->Handle();
  SendMessageW(hwnd, HDM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images));
  struct Case {
    const char* text;
    int width;
    bool imageShown;
  };
  const Case cases[] = {{"Name", 100, true}, {"", 100, false}, {"Name", 16, false}, {"Name", 17, true}};
  SkinOn();
  for (const Case& c : cases) {
    header_->Sections(0)->SetText(c.text);
    header_->Sections(0)->SetWidth(c.width);
    HDITEMW item{};
    item.mask = HDI_FORMAT | HDI_IMAGE;
    SendMessageW(hwnd, HDM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item));
    item.fmt |= HDF_IMAGE;
    item.iImage = 0;
    SendMessageW(hwnd, HDM_SETITEMW, 0, reinterpret_cast<LPARAM>(&item));
    const Bitmap shown = Shown();
    const int red = CountOf(shown, MakePixel(255, 0, 0));
    if (c.imageShown) {
      EXPECT_GT(red, 0) << "'" << c.text << "' in " << c.width;
      // Left-aligned: the image starts 3 pixels in.
      int first = shown.Width();
      for (int y = 0; y < shown.Height(); ++y)
        for (int x = 0; x < shown.Width(); ++x)
          if (shown.At(x, y) == MakePixel(255, 0, 0)) first = std::min(first, x);
      EXPECT_EQ(first, Item(0).left + 3) << "'" << c.text << "' in " << c.width;
    } else {
      EXPECT_EQ(red, 0) << "'" << c.text << "' in " << c.width;
    }
  }
  SendMessageW(hwnd, HDM_SETIMAGELIST, 0, 0);
  ImageList_Destroy(images);
}

TEST_F(SkinnedHeader, ClickingASectionWithTheRealMouseReportsIt) {
  std::string clicked;
  header_->Sections(2)->SetText("Unit");
  header_->SetOnSectionClick([&clicked](THeaderControl*, THeaderSection* section) { clicked = section->Text(); });
  SkinOn();
  const RECT third = Item(2);
  input::Click(ScreenPoint((third.left + third.right) / 2, 10));
  ASSERT_TRUE(PumpUntil([&] { return !clicked.empty(); }, "the section click"));
  EXPECT_EQ(clicked, "Unit");
}

// A native header under a counting window procedure, skinned on top: what the skinner passes
// on reaches the counter.
struct Counted {
  WNDPROC native = nullptr;
  int paints = 0, erases = 0;
};
Counted* counted = nullptr;
LRESULT CALLBACK CountingProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_PAINT) ++counted->paints;
  if (msg == WM_ERASEBKGND) ++counted->erases;
  return CallWindowProcW(counted->native, window, msg, wParam, lParam);
}

TEST_F(SkinnedHeader, WithoutHeaderbarPaintIsConsumedAndEraseGoesToTheNativeControl) {
  SkinOn();
  Counted counts;
  counted = &counts;
  HWND header = CreateWindowExW(0, WC_HEADERW, L"", WS_CHILD | WS_VISIBLE | HDS_HORZ, 10, 60, 300, 24, form_.Handle(),
                                nullptr, GetModuleHandleW(nullptr), nullptr);
  ASSERT_NE(header, nullptr);
  counts.native = reinterpret_cast<WNDPROC>(SetWindowLongPtrW(header, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CountingProc)));
  auto* skinner = new TSkinHeader(RunningSkinner(form_.Handle()));
  skinner->AttachWindow(header, &data_, RunningSkinner(form_.Handle()));
  struct Case {
    bool withHeaderbar;
    bool erasePassed;
  };
  std::unique_ptr<TDataSkinObject> kept;
  for (const Case& c : {Case{true, false}, Case{false, true}}) {
    if (!c.withHeaderbar) kept = std::move(data_.Headerbar);
    Pump();
    counts.paints = counts.erases = 0;
    RedrawWindow(header, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    EXPECT_EQ(counts.paints, 0) << "with Headerbar " << c.withHeaderbar;
    EXPECT_EQ(counts.erases > 0, c.erasePassed) << "with Headerbar " << c.withHeaderbar;
  }
  data_.Headerbar = std::move(kept);
  delete skinner;
  DestroyWindow(header);
  counted = nullptr;
}

TEST_F(SkinnedHeader, SizeGripOfAPlainDialogIsPaintedFlat) {
  // A face colour of its own, so the skin's fill cannot pass for the native grip's background.
  data_.ColourButtonFace = 0x3264C8;
  const Pixel face = PixelOfColour(data_.ColourButtonFace);
  SkinOn();
  HWND dialog = CreateWindowExW(0, L"#32770", L"Plain", WS_POPUP | WS_VISIBLE | WS_CAPTION, 200, 200, 200, 150, form_.Handle(),
                                nullptr, GetModuleHandleW(nullptr), nullptr);
  ASSERT_NE(dialog, nullptr);
  HWND grip = CreateWindowExW(0, L"scrollbar", L"", WS_CHILD | WS_VISIBLE | SBS_SIZEGRIP, 170, 100, 20, 20, dialog, nullptr,
                              GetModuleHandleW(nullptr), nullptr);
  ASSERT_NE(grip, nullptr);
  // The plain dialog is skinned as it shows; its grip gets the flat skinner.
  ASSERT_TRUE(PumpUntil([&] { return dynamic_cast<TSkinSizer*>(SkinnerOf(dialog, grip)) != nullptr; }, "the grip's skinner"));
  RedrawWindow(grip, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
  Pump();
  const Bitmap flat = ClientPixels(grip);
  EXPECT_EQ(CountOf(flat, face), flat.Width() * flat.Height());

  ASSERT_TRUE(SwitchSkinning(data_, false));
  Pump();
  EXPECT_EQ(SkinnerOf(dialog, grip), nullptr);
  EXPECT_EQ(RunningSkinner(dialog), nullptr);
  EXPECT_EQ(SendMessageW(grip, SKINMSG_QUERY, 0, 0), 0) << "the grip's own procedure answers again";
  DestroyWindow(dialog);
}

} // namespace
} // namespace vcu::test
