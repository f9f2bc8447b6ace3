#include "skin/controls/SkinBitButton.h"

#include "core/controls/ButtonRules.h"
#include "core/controls/GlyphLayout.h"
#include "framework/Controls.h"
#include "framework/GlyphBitmap.h"
#include "framework/TypInfo.h"
#include "skin/data/WinSkinData.h"

namespace vcu {

const TClassInfo& TSkinBitButton::ClassInfo() {
  static const TClassInfo info("TSkinBitButton", &TSkinButton::ClassInfo(), {});
  return info;
}

TSkinBitButton::TSkinBitButton(TComponent* owner) : TSkinButton(owner) {}

TControl* TSkinBitButton::Control() const { return host_ ? static_cast<TControl*>(host_) : graphicHost_; }

const TBitmap* TSkinBitButton::ReadGlyph() const {
  const std::string& name = glyphProperty_.empty() ? std::string("Glyph") : glyphProperty_;
  return dynamic_cast<const TBitmap*>(GetObjectProp(Control(), name));
}

bool TSkinBitButton::BeforeMessage(TMessage& message) {
  if (message.Msg == CN_DRAWITEM && message.LParam && handle_) {
    const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(message.LParam);
    RECT r;
    if (GetWindowRect(handle_, &r)) DrawControl(item.hDC, RECT{0, 0, r.right - r.left, r.bottom - r.top});
    message.Result = TRUE;
    return false;
  }
  return TSkinButton::BeforeMessage(message);
}

void TSkinBitButton::DrawControl(HDC dc, const RECT& rect) {
  if (!skin_ || skin_->Buttons.Bitmap.Empty()) return;
  ReadWindowState();
  const ButtonLook look{enabled_, Pressed(), Hot(), focused_, GetBoolProp(host_, "Default")};
  const int frame = ButtonFrameIndex(look);
  const int width = rect.right - rect.left, height = rect.bottom - rect.top;
  HDC canvas = PrepareFace(width, height, frame);
  if (!canvas) return;
  HFONT font = ControlFont();
  HGDIOBJ oldFont = font ? SelectObject(canvas, font) : nullptr;
  if (!DrawGlyphContent(canvas, width, height, frame, GlyphNumberOfFrame(frame), false)) {
    caption_ = ReadCaption();
    SetTextColor(canvas, TextColourOf(frame));
    DrawButtonText(canvas, RECT{0, 0, width, height}, DT_CENTER, caption_);
  }
  if (oldFont) SelectObject(canvas, oldFont);
  buffer_.CopyTo(dc, rect.left, rect.top);
}

bool TSkinBitButton::DrawGlyphContent(HDC canvas, int width, int height, int frame, int glyphNumber, bool speedButton) {
  TControl* control = Control();
  const TBitmap* glyph = ReadGlyph();
  if (!glyph || glyph->Empty()) return false;
  // A glyph from another property is one picture; Glyph holds NumGlyphs cells.
  std::int64_t cells = glyphProperty_.empty() ? GetIntProp(control, "NumGlyphs") : 1;
  if (cells < 1) cells = 1;
  const int gw = glyph->Width() / static_cast<int>(cells), gh = glyph->Height();
  if (gw <= 0 || gh <= 0) return false;

  GlyphLayoutInput in;
  in.width = width;
  in.height = height;
  in.glyphWidth = gw;
  in.glyphHeight = gh;
  in.margin = static_cast<int>(GetIntProp(control, "Margin"));
  in.spacing = static_cast<int>(GetIntProp(control, "Spacing"));
  in.side = GlyphSideOf(GetEnumText(control, "Layout"));
  in.centredAlignment = AsciiLower(GetEnumText(control, "Alignment")) == "tacenter";
  in.speedButton = speedButton;

  caption_ = BreakFirstBars(ReadCaption());
  const Rect box = CaptionMeasureBox(width, height, gw, gh, in.side);
  RECT measured{0, 0, box.Width(), box.Height()};
  if (!caption_.empty()) DrawTextOut(canvas, caption_, measured, DT_CALCRECT | DT_WORDBREAK);
  else measured = RECT{0, 0, 0, 0};
  in.textWidth = measured.right - measured.left;
  in.textHeight = measured.bottom - measured.top;
  const GlyphPlacement at = PlaceGlyphAndText(in);

  const int cell = GlyphCell(glyphNumber, static_cast<int>(cells));
  ComposeGlyphCell(buffer_.Pixels(), at.glyphX, at.glyphY, glyph->Image(), cell, gw, glyphNumber == 2);

  if (!caption_.empty()) {
    SetTextColor(canvas, TextColourOf(frame));
    SetBkMode(canvas, TRANSPARENT);
    RECT text{at.textX, at.textY, at.textX + in.textWidth, at.textY + in.textHeight};
    UINT flags = DT_WORDBREAK | (RightToLeft() ? DT_RTLREADING : 0);
    if (at.align == CaptionAlign::Right) flags |= DT_RIGHT;
    else if (at.align == CaptionAlign::Centre) flags |= DT_CENTER;
    DrawTextOut(canvas, caption_, text, flags);
    SetBkMode(canvas, OPAQUE);
    if (focused_ && !InSet(skin_->Options(), xoNoFocusRect)) {
      InflateRect(&text, 2, 2);
      DrawFocusRect(canvas, &text);
    }
  }
  return true;
}

} // namespace vcu
