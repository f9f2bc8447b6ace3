#include "framework/Buttons.h"

#include <windowsx.h>

#include "core/controls/GlyphLayout.h"

namespace vcu {
namespace {

const std::vector<std::string> kLayoutNames{"blGlyphLeft", "blGlyphRight", "blGlyphTop", "blGlyphBottom"};

template <class C>
std::vector<TPropInfo> GlyphProperties() {
  // The getters live in TGlyphSettings: the class is named so the object is reached as a C.
  return {ObjectProperty<C, TBitmap>("Glyph", &C::Glyph),
          IntegerProperty<C, int>("NumGlyphs", &C::NumGlyphs, &C::SetNumGlyphs),
          IntegerProperty<C, int>("Margin", &C::Margin, &C::SetMargin),
          IntegerProperty<C, int>("Spacing", &C::Spacing, &C::SetSpacing),
          EnumProperty<C, TButtonLayout>("Layout", kLayoutNames, &C::Layout, &C::SetLayout)};
}

GlyphSide SideOf(TButtonLayout layout) {
  switch (layout) {
  case blGlyphRight: return GlyphSide::Right;
  case blGlyphTop: return GlyphSide::Top;
  case blGlyphBottom: return GlyphSide::Bottom;
  default: return GlyphSide::Left;
  }
}

// The glyph cell, its bottom-left pixel see-through.
void DrawGlyphCell(HDC dc, int x, int y, const TBitmap& glyph, int cell, int cellWidth, bool grey) {
  HBITMAP bitmap = grey ? glyph.GreyHandle() : glyph.Handle();
  if (!bitmap) return;
  const Bitmap& image = glyph.Image();
  Pixel key = image.At(cell * cellWidth, image.Height() - 1);
  if (grey) {
    const unsigned level = (PixelRed(key) + PixelGreen(key) + PixelBlue(key)) / 3;
    key = MakePixel(level, level, level);
  }
  HDC source = CreateCompatibleDC(dc);
  HGDIOBJ old = SelectObject(source, bitmap);
  GdiTransparentBlt(dc, x, y, cellWidth, image.Height(), source, cell * cellWidth, 0, cellWidth, image.Height(),
                    RGB(PixelRed(key), PixelGreen(key), PixelBlue(key)));
  SelectObject(source, old);
  DeleteDC(source);
}

} // namespace

void DrawGlyphAndCaption(HDC dc, const RECT& rect, const TGlyphSettings& glyph, TControl& control, const TGlyphLook& look) {
  const int width = rect.right - rect.left, height = rect.bottom - rect.top;
  const TBitmap* picture = glyph.Glyph();
  const int cells = glyph.NumGlyphs() > 0 ? glyph.NumGlyphs() : 1;
  const bool hasGlyph = picture && !picture->Empty();
  const int gw = hasGlyph ? picture->Width() / cells : 0, gh = hasGlyph ? picture->Height() : 0;
  const GlyphSide side = SideOf(glyph.Layout());

  const std::string caption = control.Caption();
  HGDIOBJ oldFont = SelectObject(dc, control.Font()->Handle());
  const Rect box = CaptionMeasureBox(width, height, gw, gh, side);
  RECT measured{0, 0, box.Width(), box.Height()};
  if (!caption.empty()) DrawTextA(dc, caption.c_str(), -1, &measured, DT_CALCRECT | DT_WORDBREAK);
  else measured = RECT{0, 0, 0, 0};

  GlyphLayoutInput in;
  in.width = width;
  in.height = height;
  in.glyphWidth = gw;
  in.glyphHeight = gh;
  in.textWidth = measured.right - measured.left;
  in.textHeight = measured.bottom - measured.top;
  in.margin = glyph.Margin();
  in.spacing = glyph.Spacing();
  in.side = side;
  in.speedButton = look.speedButton;
  const GlyphPlacement at = PlaceGlyphAndText(in);
  const int shift = look.pushed ? 1 : 0; // the native pressed look moves the content
  if (hasGlyph) {
    const int number = look.enabled ? (look.pushed ? 3 : 1) : 2;
    DrawGlyphCell(dc, rect.left + at.glyphX + shift, rect.top + at.glyphY + shift, *picture, GlyphCell(number, cells), gw,
                  !look.enabled && cells < 2);
  }
  if (!caption.empty()) {
    RECT text{rect.left + at.textX + shift, rect.top + at.textY + shift, 0, 0};
    text.right = text.left + in.textWidth;
    text.bottom = text.top + in.textHeight;
    const UINT align = at.align == CaptionAlign::Right ? DT_RIGHT : at.align == CaptionAlign::Centre ? DT_CENTER : 0;
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(look.enabled ? COLOR_BTNTEXT : COLOR_GRAYTEXT));
    DrawTextA(dc, caption.c_str(), -1, &text, DT_WORDBREAK | align);
  }
  SelectObject(dc, oldFont);
}

// ---- TBitBtn

const TClassInfo& TBitBtn::ClassInfo() {
  static const TClassInfo info("TBitBtn", &TButton::ClassInfo(), GlyphProperties<TBitBtn>());
  return info;
}

TBitBtn::TBitBtn(TComponent* owner) : TButton(owner) {
  glyph_->OnChange = [this] { Invalidate(); };
}

void TBitBtn::SetNumGlyphs(int value) { numGlyphs_ = value; Invalidate(); }
void TBitBtn::SetMargin(int value) { margin_ = value; Invalidate(); }
void TBitBtn::SetSpacing(int value) { spacing_ = value; Invalidate(); }
void TBitBtn::SetLayout(TButtonLayout value) { layout_ = value; Invalidate(); }

// Drawn by its owner: the native button has no glyph of its own.
void TBitBtn::CreateParams(TCreateParams& params) {
  TButton::CreateParams(params);
  params.style = (params.style & ~static_cast<DWORD>(BS_TYPEMASK)) | BS_OWNERDRAW;
}

void TBitBtn::Dispatch(TMessage& message) {
  switch (message.Msg) {
  case CN_DRAWITEM:
    DrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(message.LParam));
    message.Result = TRUE;
    return;
  case BM_SETSTYLE:
    // Making it the default button must not take the owner drawing away.
    Invalidate();
    return;
  case CN_COMMAND:
    if (HIWORD(message.WParam) == BN_DOUBLECLICKED) { // an owner-drawn button's second click
      Clicked();
      return;
    }
    break;
  default: break;
  }
  TButton::Dispatch(message);
}

void TBitBtn::DrawItem(const DRAWITEMSTRUCT& item) {
  RECT r = item.rcItem;
  const bool pushed = (item.itemState & ODS_SELECTED) != 0;
  const bool enabled = (item.itemState & ODS_DISABLED) == 0;
  DrawFrameControl(item.hDC, &r, DFC_BUTTON, DFCS_BUTTONPUSH | (pushed ? DFCS_PUSHED : 0));
  DrawGlyphAndCaption(item.hDC, item.rcItem, *this, *this, TGlyphLook{enabled, pushed, false});
  if (item.itemState & ODS_FOCUS) {
    RECT focus = item.rcItem;
    InflateRect(&focus, -4, -4);
    DrawFocusRect(item.hDC, &focus);
  }
}

// ---- TSpeedButton

namespace {

std::vector<TPropInfo> SpeedButtonProperties() {
  std::vector<TPropInfo> props = GlyphProperties<TSpeedButton>();
  props.push_back(BoolProperty("Flat", &TSpeedButton::Flat, &TSpeedButton::SetFlat));
  props.push_back(IntegerProperty("GroupIndex", &TSpeedButton::GroupIndex, &TSpeedButton::SetGroupIndex));
  props.push_back(BoolProperty("Down", &TSpeedButton::Down, &TSpeedButton::SetDown));
  props.push_back(BoolProperty("AllowAllUp", &TSpeedButton::AllowAllUp, &TSpeedButton::SetAllowAllUp));
  return props;
}

} // namespace

const TClassInfo& TSpeedButton::ClassInfo() {
  static const TClassInfo info("TSpeedButton", &TGraphicControl::ClassInfo(), SpeedButtonProperties());
  return info;
}

TSpeedButton::TSpeedButton(TComponent* owner) : TGraphicControl(owner) {
  SetBounds(0, 0, 23, 22);
  glyph_->OnChange = [this] { Invalidate(); };
}

void TSpeedButton::SetFlat(bool value) { flat_ = value; Invalidate(); }
void TSpeedButton::SetGroupIndex(int value) { groupIndex_ = value; if (down_) RaiseGroup(); }
void TSpeedButton::SetAllowAllUp(bool value) { allowAllUp_ = value; }
void TSpeedButton::SetNumGlyphs(int value) { numGlyphs_ = value; Invalidate(); }
void TSpeedButton::SetMargin(int value) { margin_ = value; Invalidate(); }
void TSpeedButton::SetSpacing(int value) { spacing_ = value; Invalidate(); }
void TSpeedButton::SetLayout(TButtonLayout value) { layout_ = value; Invalidate(); }

void TSpeedButton::SetDown(bool value) {
  if (groupIndex_ == 0) value = false;
  if (value == down_) return;
  if (down_ && !allowAllUp_) return;
  down_ = value;
  if (down_) RaiseGroup();
  Invalidate();
}

void TSpeedButton::RaiseGroup() {
  TWinControl* parent = Parent();
  if (!parent || groupIndex_ == 0) return;
  for (int i = 0; i < parent->ControlCount(); ++i) {
    auto* other = dynamic_cast<TSpeedButton*>(parent->Controls(i));
    if (!other || other == this || other->groupIndex_ != groupIndex_ || !other->down_) continue;
    other->down_ = false;
    other->Invalidate();
  }
}

void TSpeedButton::Paint(HDC dc) { Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc), 0); }

void TSpeedButton::Dispatch(TMessage& message) {
  switch (message.Msg) {
  case WM_PAINT:
    if (message.WParam) PaintNative(reinterpret_cast<HDC>(message.WParam));
    return;
  case WM_LBUTTONDOWN:
  case WM_LBUTTONDBLCLK:
    tracking_ = pushing_ = Enabled();
    Invalidate();
    MouseDown(mbLeft, ShiftStateOf(message.WParam), GET_X_LPARAM(message.LParam), GET_Y_LPARAM(message.LParam));
    return;
  case WM_MOUSEMOVE:
    if (tracking_) {
      const POINT p{GET_X_LPARAM(message.LParam), GET_Y_LPARAM(message.LParam)};
      const bool inside = p.x >= 0 && p.y >= 0 && p.x < Width() && p.y < Height();
      if (inside != pushing_) {
        pushing_ = inside;
        Invalidate();
      }
    }
    return;
  case WM_LBUTTONUP: Released(message); return;
  case CM_MOUSEENTER:
  case CM_MOUSELEAVE:
    if (reinterpret_cast<TControl*>(message.LParam) == this) {
      hot_ = message.Msg == CM_MOUSEENTER;
      Invalidate();
    }
    return;
  case CM_ENABLEDCHANGED:
    Invalidate();
    return;
  default: break;
  }
  TGraphicControl::Dispatch(message);
}

// A release over the button clicks it; in a group it goes down, or up when all may be up.
void TSpeedButton::Released(const TMessage& message) {
  const bool wasTracking = tracking_;
  tracking_ = pushing_ = false;
  Invalidate();
  if (!wasTracking) return;
  const POINT p{GET_X_LPARAM(message.LParam), GET_Y_LPARAM(message.LParam)};
  if (p.x < 0 || p.y < 0 || p.x >= Width() || p.y >= Height()) return;
  if (groupIndex_ != 0) SetDown(!(down_ && allowAllUp_));
  Click();
}

void TSpeedButton::PaintNative(HDC dc) {
  RECT r{0, 0, Width(), Height()};
  const COLORREF old = SetDCBrushColor(dc, ColorToRGB(Color()));
  FillRect(dc, &r, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
  SetDCBrushColor(dc, old);
  const bool pushed = down_ || pushing_;
  if (!flat_) {
    DrawFrameControl(dc, &r, DFC_BUTTON, DFCS_BUTTONPUSH | DFCS_ADJUSTRECT | (pushed ? DFCS_PUSHED : 0));
  } else if (pushed || (hot_ && Enabled())) {
    DrawEdge(dc, &r, pushed ? BDR_SUNKENOUTER : BDR_RAISEDINNER, BF_RECT);
  }
  DrawGlyphAndCaption(dc, RECT{0, 0, Width(), Height()}, *this, *this, TGlyphLook{Enabled(), pushed, true});
}

} // namespace vcu
