#include "skin/controls/SkinEdit.h"

#include <exception>
#include <string>

#include "core/text/AsciiText.h"
#include "framework/Controls.h"
#include "framework/Graphics.h"
#include "skin/controls/SkinUpDown.h"
#include "skin/data/WinSkinData.h"
#include "skin/form/WinSkinForm.h"

namespace vcu {
namespace {

constexpr Colour kWhite = 0xFFFFFF;

bool IsSpinClass(HWND window) {
  wchar_t name[64];
  const int length = GetClassNameW(window, name, 64);
  std::string lower;
  for (int i = 0; i < length; ++i) lower.push_back(name[i] < 0x80 ? static_cast<char>(name[i]) : '?');
  lower = AsciiLower(lower);
  return lower == "msctls_updown32" || lower.find("spin") != std::string::npos ||
         lower.find("updown") != std::string::npos;
}

void FrameColour(HDC dc, const RECT& rect, Colour colour) {
  const COLORREF old = SetDCBrushColor(dc, ColorToRGB(static_cast<TColor>(colour)));
  FrameRect(dc, &rect, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
  SetDCBrushColor(dc, old);
}

} // namespace

const TClassInfo& TSkinEdit::ClassInfo() {
  static const TClassInfo info("TSkinEdit", &TSkinControl::ClassInfo(), {});
  return info;
}

TSkinEdit::TSkinEdit(TComponent* owner) : TSkinControl(owner) {}

bool TSkinEdit::BeforeMessage(TMessage& message) {
  // The skin's print request: the edit's content first, when a DC is given, then the answer.
  if (message.Msg == SKINMSG_PRINT && message.LParam == kPrintAnswer) {
    if (message.WParam) {
      TMessage paint{WM_PAINT, message.WParam, 0, 0};
      CallPrevious(paint);
    }
    message.Result = kPrintAnswer;
    return false;
  }
  return TSkinControl::BeforeMessage(message);
}

void TSkinEdit::AfterMessage(TMessage& message) {
  switch (message.Msg) {
  case WM_PRINTCLIENT: {
    HDC given = reinterpret_cast<HDC>(message.WParam);
    HDC dc = given ? given : GetWindowDC(handle_);
    if (dc) PrintBorder(dc);
    if (!given && dc) ReleaseDC(handle_, dc);
    break;
  }
  // The border is the window's non-client part: a frame repaint alone (another window
  // uncovering only the border) would otherwise bring the native one back.
  case WM_NCPAINT: PaintWindow(nullptr); break;
  default: break;
  }
  TSkinControl::AfterMessage(message);
}

void TSkinEdit::FindUpDown() {
  if (upDown_ || !skin_ || !InSet(skin_->SkinControls(), xcSpin)) return;
  for (HWND child = GetTopWindow(handle_); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (IsSpinClass(child)) {
      upDown_ = child;
      // Owned by the edit's control (the form's list frees it with the others).
      TComponent* owner = host_ ? static_cast<TComponent*>(host_) : static_cast<TComponent*>(form_);
      auto* spin = new TSkinUpDown(owner);
      spin->AttachWindow(child, skin_, form_);
      spin->SetInEdit(true);
      return;
    }
  }
}

void TSkinEdit::DrawControl(HDC dc, const RECT& rect) {
  if (!skin_) return;
  FindUpDown();
  RECT client;
  GetClientRect(handle_, &client);
  // No border: the client fills the window.
  if (client.right == rect.right - rect.left || client.bottom == rect.bottom - rect.top) return;
  RECT r = rect;
  FrameColour(dc, r, skin_->ColourButtonShadow);
  InflateRect(&r, -1, -1);
  FrameColour(dc, r, kWhite);
  InflateRect(&r, -1, -1);
  FrameColour(dc, r, kWhite);
}

void TSkinEdit::PrintBorder(HDC dc) {
  if (!skin_) return;
  try {
    RECT window, client;
    if (!GetWindowRect(handle_, &window) || !GetClientRect(handle_, &client)) return;
    RECT r{0, 0, window.right - window.left, window.bottom - window.top};
    if (client.right + 2 >= r.right || client.bottom + 2 >= r.bottom) return;
    RECT inner = r;
    InflateRect(&inner, -1, -1);
    HBRUSH current = static_cast<HBRUSH>(GetCurrentObject(dc, OBJ_BRUSH));
    FrameRect(dc, &inner, current);
    FrameColour(dc, r, skin_->ColourButtonShadow);
  } catch (const std::exception&) {
    // A failed print ends that print only.
  }
}

} // namespace vcu
