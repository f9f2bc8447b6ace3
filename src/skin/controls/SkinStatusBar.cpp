#include "skin/controls/SkinStatusBar.h"

#include <commctrl.h>

#include "core/controls/StatusBarRules.h"
#include "core/elements/Colours.h"
#include "core/image/Blit.h"
#include "core/image/PixelOps.h"
#include "framework/StatusBar.h"
#include "framework/TypInfo.h"
#include "skin/controls/PaintBuffer.h"
#include "skin/data/WinSkinData.h"

namespace vcu {
namespace {

constexpr int kEdgeFrames = 3;
constexpr int kGripFrame = 5;

// Every status bar of the process composes in the same image: bars are painted one at a time.
TPaintBuffer& SharedBuffer() {
  static TPaintBuffer buffer;
  return buffer;
}

std::wstring WideOf(const std::string& text) {
  if (text.empty()) return {};
  const int length = static_cast<int>(text.size());
  std::wstring wide(text.size(), L'\0');
  const int made = MultiByteToWideChar(CP_ACP, 0, text.data(), length, &wide[0], length);
  wide.resize(static_cast<size_t>(made > 0 ? made : 0));
  return wide;
}

Rect CoreRect(const RECT& r) { return Rect{r.left, r.top, r.right, r.bottom}; }
RECT WinRect(const Rect& r) { return RECT{r.left, r.top, r.right, r.bottom}; }

PanelBevel BevelOf(TStatusPanelBevel bevel) {
  return bevel == pbNone ? PanelBevel::None : bevel == pbRaised ? PanelBevel::Raised : PanelBevel::Lowered;
}

PanelAlignment AlignmentOf(TAlignment alignment) {
  return alignment == taRightJustify ? PanelAlignment::Right : alignment == taCenter ? PanelAlignment::Centre
                                                                                      : PanelAlignment::Left;
}

} // namespace

const TClassInfo& TSkinStatusBar::ClassInfo() {
  static const TClassInfo info("TSkinStatusBar", &TSkinControl::ClassInfo(), {});
  return info;
}

TSkinStatusBar::TSkinStatusBar(TComponent* owner) : TSkinControl(owner) {}

void TSkinStatusBar::SkinChanged() {
  frames_.Clear();
  TSkinControl::SkinChanged();
}

bool TSkinStatusBar::BeforeMessage(TMessage& message) {
  switch (message.Msg) {
  case WM_PAINT:
  case WM_PRINTCLIENT:
    PaintInPlace(message);
    return false;
  case WM_ERASEBKGND:
    message.Result = 1;
    return false;
  default:
    return TSkinControl::BeforeMessage(message);
  }
}

HFONT TSkinStatusBar::PlainFont() {
  TFont* font = host_ ? host_->Font() : nullptr;
  if (!font) return reinterpret_cast<HFONT>(SendMessageW(handle_, WM_GETFONT, 0, 0));
  if (font->Style() == 0) return font->Handle();
  plainFont_.Assign(*font);
  plainFont_.SetStyle(0);
  return plainFont_.Handle();
}

void TSkinStatusBar::DrawControl(HDC dc, const RECT& rect) {
  if (!skin_) return;
  auto* bar = dynamic_cast<TStatusBar*>(host_);
  const int width = rect.right - rect.left, height = rect.bottom - rect.top;
  TPaintBuffer& buffer = SharedBuffer();
  HDC canvas = buffer.Prepare(width, height);
  if (!canvas) return;
  const RECT r{0, 0, width, height};
  FillRect(buffer.Pixels(), Rect{0, 0, width, height}, PixelFromRgb(ColorToRGB(FaceColour())));

  HGDIOBJ oldFont = SelectObject(canvas, PlainFont());
  const TDataSkinObject* edges = skin_->StatusBarEdges.get();
  const Colour textColour = edges ? edges->NormalColour2 : host_ && host_->Font() ? host_->Font()->Color() : skin_->ColourButtonText;
  SetTextColor(canvas, ColorToRGB(static_cast<TColor>(textColour)));

  const bool simple = !bar || GetBoolProp(host_, "SimplePanel") || bar->PanelCount() == 0;
  if (simple) {
    std::wstring text = WideOf(GetTextProp(host_, "simpletext"));
    if (text.empty()) text = L" ";
    DrawPanelFrame(r, 1);
    DrawPanelText(canvas, WinRect(PanelTextArea(CoreRect(r))), SimpleTextFlag(RightToLeft()), text);
  } else {
    const int count = bar->PanelCount();
    for (int i = 0; i < count; ++i) {
      RECT native;
      if (!SendMessageW(handle_, SB_GETRECT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&native))) continue;
      TStatusPanel* panel = bar->Panels(i);
      const Rect frame = PanelFrameRect(CoreRect(native), i == count - 1, r.right);
      DrawPanelFrame(WinRect(frame), PanelFrameIndex(BevelOf(panel->Bevel())));
      if (panel->Style() != psText) continue;
      std::wstring text = WideOf(panel->Text());
      if (text.empty()) text = L" ";
      DrawPanelText(canvas, WinRect(PanelTextArea(frame)),
                    PanelTextFlag(AlignmentOf(panel->Alignment()), panel->BiDiMode() == bdRightToLeft), text);
    }
  }

  const TDataSkinObject* extra = skin_->ExtraImages.get();
  if ((GetWindowLongPtrW(handle_, GWL_STYLE) & SBARS_SIZEGRIP) && extra && !extra->Bitmap.Empty()) {
    const int frames = extra->Frame > 0 ? extra->Frame : kGripFrame;
    const Rect grip = SizeGripRect(CoreRect(r), extra->Bitmap.Width(), extra->Bitmap.Height(), frames);
    if (!grip.Empty())
      buffer.Compose(frames_.Stretched(extra->Bitmap, grip.Width(), grip.Height(), kGripFrame, frames), grip.left,
                     grip.top, true);
  }
  SelectObject(canvas, oldFont);
  buffer.CopyTo(dc, rect.left, rect.top);

  if (host_) host_->PaintControls(dc);
  if (bar && bar->OnDrawPanel()) {
    for (int i = 0; i < bar->PanelCount(); ++i) {
      RECT native;
      if (!SendMessageW(handle_, SB_GETRECT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&native))) continue;
      InflateRect(&native, -2, -2);
      bar->DrawPanel(bar->Panels(i), dc, native);
    }
  }
}

void TSkinStatusBar::DrawPanelFrame(const RECT& p, int frame) {
  if (p.right < p.left || p.bottom < p.top) return;
  const int width = p.right - p.left, height = p.bottom - p.top;
  TPaintBuffer& buffer = SharedBuffer();
  const TDataSkinObject* edges = skin_->StatusBarEdges.get();
  if (edges && !edges->Bitmap.Empty()) {
    buffer.Compose(frames_.Sliced(*edges, width, height, frame, kEdgeFrames), p.left, p.top, false);
    return;
  }
  if (frame == 3 || width == 0 || height == 0) return;
  // A one-pixel sunken (or raised) edge in the system's shadow and highlight colours.
  const Pixel shadow = PixelFromRgb(ColorToRGB(static_cast<TColor>(SystemColourValue(COLOR_BTNSHADOW))));
  const Pixel light = PixelFromRgb(ColorToRGB(static_cast<TColor>(SystemColourValue(COLOR_BTNHIGHLIGHT))));
  const Pixel topLeft = frame == 1 ? shadow : light, bottomRight = frame == 1 ? light : shadow;
  Bitmap& pixels = buffer.Pixels();
  FillRect(pixels, Rect{p.left, p.top, p.right, p.top + 1}, topLeft);
  FillRect(pixels, Rect{p.left, p.top, p.left + 1, p.bottom}, topLeft);
  FillRect(pixels, Rect{p.left, p.bottom - 1, p.right, p.bottom}, bottomRight);
  FillRect(pixels, Rect{p.right - 1, p.top, p.right, p.bottom}, bottomRight);
}

void TSkinStatusBar::DrawPanelText(HDC canvas, const RECT& p, unsigned flag, const std::wstring& text) {
  SetBkMode(canvas, TRANSPARENT);
  RECT measured = p;
  DrawTextOut(canvas, text, measured, flag | DT_CALCRECT | DT_NOCLIP | DT_EXPANDTABS);
  const Rect placed = PlacePanelText(CoreRect(p), measured.right - measured.left, measured.bottom - measured.top, flag);
  RECT box = WinRect(placed);
  DrawTextOut(canvas, text, box, flag | DT_EXPANDTABS | (RightToLeft() ? DT_RTLREADING : 0));
}

} // namespace vcu
