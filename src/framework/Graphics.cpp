#include "framework/Graphics.h"

#include "core/image/Colour.h"

namespace vcu {

COLORREF ColorToRGB(TColor color) { return ResolveColour(color); }

const TIdentMap& ColorIdents() {
  static const TIdentMap idents = {
      {"clBlack", clBlack},         {"clWhite", clWhite},         {"clRed", clRed},
      {"clBlue", clBlue},           {"clNavy", clNavy},           {"clBtnFace", clBtnFace},
      {"clBtnShadow", clBtnShadow}, {"clWindow", clWindow},       {"clWindowText", clWindowText},
      {"clGrayText", clGrayText}};
  return idents;
}

const TIdentMap& CursorIdents() {
  static const TIdentMap idents = {
      {"crDefault", crDefault}, {"crArrow", crArrow}, {"crIBeam", crIBeam}, {"crHandPoint", crHandPoint}};
  return idents;
}

HCURSOR CursorHandle(TCursor cursor) {
  switch (cursor) {
  case crArrow: return LoadCursor(nullptr, IDC_ARROW);
  case crIBeam: return LoadCursor(nullptr, IDC_IBEAM);
  case crHandPoint: return LoadCursor(nullptr, IDC_HAND);
  default: return nullptr;
  }
}

const TIdentMap& CharsetIdents() {
  static const TIdentMap idents = {
      {"ANSI_CHARSET", ANSI_CHARSET}, {"DEFAULT_CHARSET", DEFAULT_CHARSET}, {"SYMBOL_CHARSET", SYMBOL_CHARSET}};
  return idents;
}

const TClassInfo& TFont::ClassInfo() {
  static const TClassInfo info(
      "TFont", &TPersistent::ClassInfo(),
      {IntegerProperty("Charset", &TFont::Charset, &TFont::SetCharset, &CharsetIdents()),
       IntegerProperty("Color", &TFont::Color, &TFont::SetColor, &ColorIdents()),
       IntegerProperty("Height", &TFont::Height, &TFont::SetHeight),
       StringProperty("Name", &TFont::Name, &TFont::SetName),
       IntegerProperty("Size", &TFont::Size, &TFont::SetSize),
       SetProperty("Style", {"fsBold", "fsItalic", "fsUnderline", "fsStrikeOut"}, &TFont::Style, &TFont::SetStyle)});
  return info;
}

TFont::TFont() = default;

TFont::~TFont() {
  if (handle_) DeleteObject(handle_);
}

void TFont::Assign(const TFont& source) {
  name_ = source.name_;
  height_ = source.height_;
  style_ = source.style_;
  color_ = source.color_;
  charset_ = source.charset_;
  Changed();
}

void TFont::SetName(const std::string& name) { name_ = name; Changed(); }
void TFont::SetHeight(int height) { height_ = height; Changed(); }
int TFont::Size() const { return -MulDiv(height_, 72, 96); }
void TFont::SetSize(int size) { SetHeight(-MulDiv(size, 96, 72)); }
void TFont::SetStyle(unsigned style) { style_ = style; Changed(); }
void TFont::SetColor(TColor color) { color_ = color; Changed(); }
void TFont::SetCharset(int charset) { charset_ = charset; Changed(); }

void TFont::Changed() {
  if (handle_) {
    DeleteObject(handle_);
    handle_ = nullptr;
  }
  if (OnChange) OnChange();
}

HFONT TFont::Handle() const {
  if (!handle_) {
    handle_ = CreateFontA(height_, 0, 0, 0, (style_ & fsBold) ? FW_BOLD : FW_NORMAL,
                          (style_ & fsItalic) != 0, (style_ & fsUnderline) != 0, (style_ & fsStrikeOut) != 0,
                          static_cast<BYTE>(charset_), OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                          DEFAULT_PITCH, name_.c_str());
  }
  return handle_;
}

} // namespace vcu
