// The skinned edit: the native edit paints its text, the skin redraws the sunken border as a
// one-pixel outline in the skin's ButtonShadow with a two-pixel white ring inside it, and
// draws nothing on an edit without a border. Typing still works, and the native border comes
// back when skinning goes off.
#include <gtest/gtest.h>

#include <string>

#include "SkinnedForms.h"
#include "core/image/PixelOps.h"
#include "framework/StdCtrls.h"
#include "skin/controls/SkinControl.h"
#include "skin/controls/SkinEdit.h"
#include "skin/form/SkinManage.h"
#include "support/Pixels.h"
#include "support/Pump.h"

namespace vcu::test {
namespace {

constexpr Pixel kWhite = 0xFFFFFF;

class SkinnedEdit : public SkinnedFormTest {
protected:
  void SetUp() override {
    SkinnedFormTest::SetUp();
    if (HasFatalFailure()) return;
    edit_ = new TEdit(&form_);
    edit_->SetBounds(20, 40, 160, 26);
    edit_->SetCaption("Hello");
    edit_->SetParent(&form_);
    SetFocus(form_.Handle()); // no caret in the pixels
  }

  HWND Edit() { return edit_->Handle(); }

  Bitmap WindowPixels() {
    RECT r;
    GetWindowRect(Edit(), &r);
    HDC dc = GetWindowDC(Edit());
    Bitmap pixels = ReadPixels(dc, RECT{0, 0, r.right - r.left, r.bottom - r.top});
    ReleaseDC(Edit(), dc);
    return pixels;
  }
  Bitmap NativePixels() {
    RedrawWindow(Edit(), nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ERASE | RDW_UPDATENOW);
    Pump();
    return WindowPixels();
  }
  bool Skinned() { return SendMessageW(Edit(), SKINMSG_QUERY, 0, 0) == 1; }

  TEdit* edit_ = nullptr;
};

// The pixels of the ring `inset` pixels in from the window's edge that differ from colour,
// as "x,y: 0x..", or "" when none does.
std::string RingDifference(const Bitmap& image, int inset, Pixel colour) {
  const int right = image.Width() - 1 - inset, bottom = image.Height() - 1 - inset;
  for (int y = inset; y <= bottom; ++y)
    for (int x = inset; x <= right; ++x) {
      const bool onRing = x == inset || x == right || y == inset || y == bottom;
      if (onRing && image.At(x, y) != colour) {
        char text[64];
        std::snprintf(text, sizeof text, "%d,%d: 0x%06X", x, y, image.At(x, y));
        return text;
      }
    }
  return "";
}

// The part of image inside the given inset.
Bitmap Inside(const Bitmap& image, int inset) {
  Bitmap part(image.Width() - 2 * inset, image.Height() - 2 * inset, PixelFormat::Bits32, &AllocateHeapPixels);
  for (int y = 0; y < part.Height(); ++y)
    for (int x = 0; x < part.Width(); ++x) part.Set(x, y, image.At(x + inset, y + inset));
  return part;
}

TEST_F(SkinnedEdit, BorderedEditWearsTheShadowOutlineAndWhiteRingAndGivesThemBack) {
  const Bitmap native = NativePixels();
  SkinOn();
  ASSERT_TRUE(Skinned());
  const Pixel shadow = PixelFromRgb(ResolveColour(data_.ColourButtonShadow));
  ASSERT_NE(shadow, kWhite);
  std::string difference;
  ASSERT_TRUE(PumpUntil(
      [&] {
        const Bitmap now = WindowPixels();
        difference = RingDifference(now, 0, shadow);
        if (difference.empty()) difference = RingDifference(now, 1, kWhite);
        if (difference.empty()) difference = RingDifference(now, 2, kWhite);
        return difference.empty();
      },
      "the skinned border"))
      << difference;
  EXPECT_NE(RingDifference(native, 1, kWhite), "") << "the native border already looks skinned";
  // Inside the ring the edit's own paint is left alone.
  EXPECT_EQ(FirstDifference(Inside(WindowPixels(), 3), Inside(native, 3)), "");

  ASSERT_TRUE(SwitchSkinning(data_, false));
  EXPECT_FALSE(Skinned());
  EXPECT_TRUE(PumpUntil([&] { return FirstDifference(WindowPixels(), native).empty(); }, "the native border"))
      << FirstDifference(WindowPixels(), native);
}

TEST_F(SkinnedEdit, BorderlessEditIsSkinnedButDrawsNothing) {
  HWND edit = Edit();
  SetWindowLongPtrW(edit, GWL_EXSTYLE, GetWindowLongPtrW(edit, GWL_EXSTYLE) & ~static_cast<LONG_PTR>(WS_EX_CLIENTEDGE));
  SetWindowPos(edit, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_FRAMECHANGED);
  RECT window, client;
  GetWindowRect(edit, &window);
  GetClientRect(edit, &client);
  ASSERT_EQ(client.right, window.right - window.left) << "the edit still has a border";
  const Bitmap native = NativePixels();
  SkinOn();
  ASSERT_TRUE(Skinned());
  RedrawWindow(edit, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ERASE | RDW_UPDATENOW);
  Pump();
  EXPECT_EQ(FirstDifference(WindowPixels(), native), "");
}

TEST_F(SkinnedEdit, TypingIntoTheSkinnedEditStillWorks) {
  SkinOn();
  ASSERT_TRUE(Skinned());
  SendMessageW(Edit(), EM_SETSEL, 5, 5);
  edit_->SetFocus();
  ASSERT_TRUE(PumpUntil([&] { return GetFocus() == Edit(); }, "the edit to have the focus"));
  for (WORD key : {WORD{VK_SPACE}, WORD{'A'}, WORD{'B'}}) {
    INPUT input[2]{};
    input[0].type = input[1].type = INPUT_KEYBOARD;
    input[0].ki.wVk = input[1].ki.wVk = key;
    input[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(2, input, sizeof(INPUT));
  }
  EXPECT_TRUE(PumpUntil([&] { return edit_->Text() == "Hello ab"; }, "the typed text")) << edit_->Text();
}

// The skin's print request: the edit's own paint goes into the DC the request carries, and
// the request is answered; an unmarked one is left to the edit, which knows nothing of it.
TEST_F(SkinnedEdit, ThePrintRequestPaintsTheEditIntoTheGivenDC) {
  SkinOn();
  ASSERT_TRUE(Skinned());
  RECT client;
  GetClientRect(Edit(), &client);
  for (const bool marked : {true, false}) {
    SCOPED_TRACE(marked ? "marked" : "unmarked");
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, client.right, client.bottom);
    ReleaseDC(nullptr, screen);
    HGDIOBJ old = SelectObject(dc, bitmap);
    PatBlt(dc, 0, 0, client.right, client.bottom, BLACKNESS);
    const LRESULT answer = SendMessageW(Edit(), SKINMSG_PRINT, reinterpret_cast<WPARAM>(dc), marked ? kPrintAnswer : 0);
    const Bitmap printed = ReadPixels(dc, client);
    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);
    EXPECT_EQ(answer == kPrintAnswer, marked);
    // The edit's white background, with its text on it, where the print went in.
    const int painted = CountPixels(printed, [](Pixel p) { return p != 0; });
    if (marked) {
      EXPECT_GT(painted, client.right * client.bottom / 2);
    } else {
      EXPECT_EQ(painted, 0);
    }
  }
}

// A spin child made after skinning is found at the edit's next paint, and the first one
// found stays the one remembered. The class names follow the rule: the common controls' own
// class, or any class whose name holds "spin" or "updown".
TEST_F(SkinnedEdit, ASpinChildMadeLaterIsFoundAtTheNextPaintAndKept) {
  SkinOn();
  TSkinEdit* skinner = nullptr;
  for (TSkinControl* c : RunningSkinner(form_.Handle())->SkinnedControls())
    if (c->Handle() == Edit()) skinner = dynamic_cast<TSkinEdit*>(c);
  ASSERT_NE(skinner, nullptr);
  EXPECT_EQ(skinner->UpDown(), nullptr);

  const auto child = [&](const char* className) {
    WNDCLASSA wc{};
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = className;
    RegisterClassA(&wc);
    return CreateWindowExA(0, className, "", WS_CHILD | WS_VISIBLE, 120, 2, 16, 18, Edit(), nullptr,
                           GetModuleHandleA(nullptr), nullptr);
  };
  HWND plain = child("TestPlainChild");
  HWND spin = child("TestSpinEditButtons");
  ASSERT_NE(spin, nullptr);
  RedrawWindow(Edit(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  EXPECT_EQ(skinner->UpDown(), spin);
  HWND later = child("TestUpDown");
  RedrawWindow(Edit(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  EXPECT_EQ(skinner->UpDown(), spin);
  for (HWND w : {plain, spin, later}) DestroyWindow(w);
}

} // namespace
} // namespace vcu::test
