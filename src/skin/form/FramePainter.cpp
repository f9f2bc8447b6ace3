#include "skin/form/FramePainter.h"

#include <vector>

#include "core/form/FrameComposer.h"
#include "core/form/TitleText.h"
#include "core/image/Blit.h"
#include "core/image/PixelOps.h"
#include "core/image/Slicing.h"
#include "skin/data/BitmapRegion.h"
#include "skin/data/DibBitmap.h"
#include "skin/data/IconBitmap.h"
#include "skin/data/WinRect.h"
#include "skin/data/WinSkinData.h"
#include "skin/form/CaptionButtons.h"
#include "skin/form/WinSkinForm.h"
#include "skin/menus/WinSkinMenu.h"

namespace vcu {
namespace {

constexpr UINT kCaptionFormat = DT_SINGLELINE | DT_NOPREFIX;

// The caption as the title bar shows it: two spaces before the text, one after.
std::wstring CaptionOf(const TWinSkinForm& form) { return L"  " + form.WindowText() + L" "; }

Pixel PixelOfColour(Colour c) { return PixelFromRgb(ResolveColour(c)); }

} // namespace

TFramePainter::TFramePainter(TWinSkinForm& form) : form_(form) {}

TFramePainter::~TFramePainter() {
  if (!canvasDC_) return;
  if (fontOld_) SelectObject(canvasDC_, fontOld_);
  SelectObject(canvasDC_, canvasOld_);
  DeleteDC(canvasDC_);
}

// The canvas and its device context live as long as the painter; only a new window size
// makes a new canvas.
void TFramePainter::EnsureDC() {
  if (canvasDC_) return;
  canvasDC_ = CreateCompatibleDC(nullptr);
  if (!canvasDC_) throw EOutOfResources("Cannot create the frame's device context");
  SetBkMode(canvasDC_, TRANSPARENT);
}

void TFramePainter::EnsureCanvas(int width, int height) {
  EnsureDC();
  if (canvas_.Width() == width && canvas_.Height() == height) return;
  if (canvasOld_) SelectObject(canvasDC_, canvasOld_);
  canvasOld_ = nullptr;
  canvas_ = Bitmap(width, height, PixelFormat::Bits32, &AllocateDibPixels);
  canvasOld_ = SelectObject(canvasDC_, DibHandle(canvas_));
}

void TFramePainter::Paint(HDC dc) { PaintWhole(dc, false); }

bool TFramePainter::FrameState::operator==(const FrameState& o) const {
  return width == o.width && height == o.height && active == o.active && minimized == o.minimized &&
         borders.left == o.borders.left && borders.top == o.borders.top && borders.right == o.borders.right &&
         borders.bottom == o.borders.bottom && caption == o.caption && buttons == o.buttons &&
         menuHeight == o.menuHeight && menuVersion == o.menuVersion;
}

TFramePainter::FrameState TFramePainter::CurrentState(int width, int height) const {
  FrameState state;
  state.width = width;
  state.height = height;
  state.active = form_.IsActive();
  state.minimized = form_.Show() == ssMinimized;
  state.borders = form_.Borders();
  state.caption = CaptionOf(form_);
  state.menuHeight = form_.MenuHeight();
  state.menuVersion = form_.SkinMenu() ? form_.SkinMenu()->Version() : 0;
  const TCaptionButtons& buttons = form_.CaptionButtons();
  state.buttons.reserve(static_cast<size_t>(buttons.Count()));
  for (int i = 0; i < buttons.Count(); ++i)
    state.buttons.push_back(static_cast<unsigned char>(buttons.Button(i).Visible | buttons.Button(i).Enabled << 1));
  return state;
}

void TFramePainter::PaintWhole(HDC dc, bool buttonStates) {
  HWND window = form_.Window();
  RECT bounds{};
  GetWindowRect(window, &bounds);
  const int width = bounds.right - bounds.left, height = bounds.bottom - bounds.top;
  if (width <= 0 || height <= 0) return;
  form_.CaptionButtons().Judge();
  FrameState state = CurrentState(width, height);
  const bool minimized = state.minimized;
  if (buttonStates || !composedValid_ || !(state == composed_)) {
    EnsureCanvas(width, height);
    GdiFlush(); // GDI's text from the last paint is in the pixels before the core writes
    if (!minimized) ComposeBorders(canvas_, *form_.SkinData(), form_.Borders(), form_.IsActive());
    ComposeTitle(width, height, minimized, buttonStates, state.caption);
    if (!minimized) ComposeMenuStrip(width);
    composed_ = std::move(state);
    composedValid_ = !buttonStates;
  }
  Blit(dc, width, height, minimized ? height : form_.Borders().top, !minimized);
}

void TFramePainter::PaintTitle() {
  RECT bounds{};
  GetWindowRect(form_.Window(), &bounds);
  const int width = bounds.right - bounds.left, height = bounds.bottom - bounds.top;
  if (canvas_.Width() != width || canvas_.Height() != height) {
    PaintWhole(nullptr, true);
    return;
  }
  GdiFlush();
  const bool minimized = form_.Show() == ssMinimized;
  const BorderSizes& b = form_.Borders();
  if (!minimized) DrawTopBorder(Rect{b.left, 0, width - b.right, b.top});
  form_.CaptionButtons().Judge();
  ComposeTitle(width, height, minimized, true, CaptionOf(form_));
  composedValid_ = false; // the title now shows a mouse state
  Blit(nullptr, width, height, minimized ? height : b.top, false);
}

// The title strip: for a minimised window the whole (small) window on the face colour.
void TFramePainter::ComposeTitle(int width, int height, bool minimized, bool buttonStates,
                                 const std::wstring& caption) {
  const TSkinData& skin = *form_.SkinData();
  const BorderSizes& b = form_.Borders();
  Rect title{b.left, 0, width - b.right, b.top};
  if (minimized) {
    FillRect(canvas_, Rect{0, 0, width, height}, PixelOfColour(skin.ColourButtonFace));
    title = Rect{0, 0, width, b.top};
    DrawTopBorder(title);
  }
  // The buttons were judged by the caller: the text leaves room for the visible ones.
  TCaptionButtons& buttons = form_.CaptionButtons();
  DrawCaptionText(title, caption);
  buttons.Layout(width, textRect_);
  GdiFlush(); // the caption text is in the pixels before the buttons go over them
  buttons.Draw(canvas_, buttonStates);
}

void TFramePainter::ComposeMenuStrip(int width) {
  const BorderSizes& b = form_.Borders();
  const Rect strip{b.left, b.top, width - b.right, b.top + form_.MenuHeight()};
  if (strip.Empty()) return;
  GdiFlush(); // the title's text and buttons are in the pixels before the core writes
  if (TWinSkinMenu* menu = form_.SkinMenu()) menu->PaintMenuBar(canvas_, canvasDC_, strip, form_.IsActive());
  else FillRect(canvas_, strip, PixelOfColour(form_.SkinData()->ColourButtonFace));
}

void TFramePainter::DrawTopBorder(const Rect& where) {
  const TDataSkinBorder& top = form_.SkinData()->TopBorder;
  DrawPlaced(canvas_,
             SlicedFrameImage(where, top.Bitmap, top.Margins(), BorderFrameIndex(form_.IsActive(), top.Frame),
                              top.Frame, top.Tile != 1, true),
             false);
}

void TFramePainter::DrawCaptionText(const Rect& title, const std::wstring& caption) {
  const TSkinData& skin = *form_.SkinData();
  const TDataSkinTitle& t = skin.TitleText;
  SelectCaptionFont();
  RECT measured{0, 0, 0, 0};
  DrawTextW(canvasDC_, caption.c_str(), static_cast<int>(caption.size()), &measured,
            kCaptionFormat | DT_CALCRECT | DT_NOCLIP);
  TitleTextInput in;
  in.title = title;
  in.textWidth = measured.right - measured.left;
  in.textHeight = measured.bottom - measured.top;
  in.rightButtonSpace = form_.CaptionButtons().RightSpace();
  in.rightToLeft = form_.RightToLeft();
  in.popup = (GetWindowLongPtrW(form_.Window(), GWL_STYLE) & WS_POPUP) != 0;
  in.frameKind = form_.Frame();
  in.textShift = t.LeftWidth;
  in.textShiftVert = t.TopHeight;
  in.textRightClip = t.RightWidth;
  in.textAlignment = t.TextAlignment;
  in.backLeft = t.TextBackLeft;
  in.backRight = t.TextBackRight;
  textRect_ = PlaceTitleText(in);
  if (!t.Bitmap.Empty())
    DrawPlaced(canvas_,
               ThreePartRowImage(Rect{textRect_.left, title.top, textRect_.right, title.bottom}, t.Bitmap,
                                 Margins{t.TextBackLeft, 0, t.TextBackRight, 0}, form_.IsActive() ? 1 : 2, 2, true),
               true);
  RECT text = ToRECT(textRect_);
  text.left += t.TextBackLeft;
  text.right -= t.TextBackRight;
  UINT format = kCaptionFormat | DT_END_ELLIPSIS;
  if (form_.RightToLeft()) format |= DT_RIGHT | DT_RTLREADING;
  SetTextColor(canvasDC_, ResolveColour(form_.IsActive() ? skin.ColourTitleTextActive : skin.ColourTitleTextNoActive));
  DrawTextW(canvasDC_, caption.c_str(), static_cast<int>(caption.size()), &text, format);
}

void TFramePainter::SelectCaptionFont() {
  HFONT font = form_.SkinData()->CaptionFont;
  if (!font) return;
  HGDIOBJ old = SelectObject(canvasDC_, font);
  if (!fontOld_) fontOld_ = old;
}

// One copy onto the window: the composed frame, with the client area clipped out so the
// client's own painting is never overdrawn.
void TFramePainter::Blit(HDC given, int width, int height, int bottom, bool clipClient) {
  HWND window = form_.Window();
  HDC dc = given ? given : GetWindowDC(window);
  if (!dc) return;
  const int saved = SaveDC(dc);
  if (clipClient) {
    RECT client{}, bounds{};
    GetClientRect(window, &client);
    MapWindowPoints(window, HWND_DESKTOP, reinterpret_cast<POINT*>(&client), 2);
    GetWindowRect(window, &bounds);
    ExcludeClipRect(dc, client.left - bounds.left, client.top - bounds.top, client.right - bounds.left,
                    client.bottom - bounds.top);
  }
  BitBlt(dc, 0, 0, width, clipClient ? height : bottom, canvasDC_, 0, 0, SRCCOPY);
  RestoreDC(dc, saved);
  if (!given) ReleaseDC(window, dc);
}

void TFramePainter::RebuildIcon() {
  HWND window = form_.Window();
  auto icon = reinterpret_cast<HICON>(SendMessageW(window, WM_GETICON, ICON_SMALL, 0));
  if (!icon) icon = reinterpret_cast<HICON>(SendMessageW(window, WM_GETICON, ICON_BIG, 0));
  icon_ = IconOnMagenta(icon, GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON));
  Invalidate();
}

HRGN TFramePainter::BuildRegion(int width, int height) {
  const TSkinData& skin = *form_.SkinData();
  if (!FrameIsShaped(skin)) return CreateRectRgn(0, 0, width, height);
  return RegionFromRuns(FrameRegionRuns(skin, form_.Borders(), width, height, form_.Frame()));
}

int TFramePainter::CaptionWidthNeeded() {
  EnsureDC();
  SelectCaptionFont();
  const std::wstring caption = CaptionOf(form_);
  RECT measured{0, 0, 0, 0};
  DrawTextW(canvasDC_, caption.c_str(), static_cast<int>(caption.size()), &measured,
            kCaptionFormat | DT_CALCRECT | DT_NOCLIP);
  const TDataSkinTitle& t = form_.SkinData()->TitleText;
  return SaturateToInt(std::int64_t{t.LeftWidth} + (measured.right - measured.left) + t.RightWidth);
}

} // namespace vcu
