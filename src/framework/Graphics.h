#pragma once
// Colours, cursors and fonts of the framework's controls.
#include <cstdint>
#include <functional>
#include <string>

#include <windows.h>

#include "framework/Classes.h"

namespace vcu {

// 0x00BBGGRR, or 0xFF000000 plus a COLOR_* index for a system colour.
using TColor = std::int32_t;
constexpr TColor clSystemColor = static_cast<TColor>(0xFF000000);
constexpr TColor clBlack = 0x000000;
constexpr TColor clWhite = 0xFFFFFF;
constexpr TColor clRed = 0x0000FF;
constexpr TColor clBlue = 0xFF0000;
constexpr TColor clNavy = 0x800000;
constexpr TColor clBtnFace = clSystemColor | COLOR_BTNFACE;
constexpr TColor clBtnShadow = clSystemColor | COLOR_BTNSHADOW;
constexpr TColor clWindow = clSystemColor | COLOR_WINDOW;
constexpr TColor clWindowText = clSystemColor | COLOR_WINDOWTEXT;
constexpr TColor clGrayText = clSystemColor | COLOR_GRAYTEXT;

// The colour as GDI takes it: the core's ResolveColour (a negative value is the system colour
// of its low byte, anything else its low three bytes).
COLORREF ColorToRGB(TColor color);
const TIdentMap& ColorIdents();

using TCursor = int;
constexpr TCursor crDefault = 0;
constexpr TCursor crArrow = -2;
constexpr TCursor crIBeam = -4;
constexpr TCursor crHandPoint = -21;
const TIdentMap& CursorIdents();
// The system cursor for a framework cursor; null for crDefault.
HCURSOR CursorHandle(TCursor cursor);

const TIdentMap& CharsetIdents();

enum TFontStyle : unsigned { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };

// A font description and the GDI font made from it on demand. Whoever holds the font is told
// of every change through OnChange.
class TFont : public TPersistent {
public:
  TFont();
  ~TFont() override;
  TFont(const TFont&) = delete;
  TFont& operator=(const TFont&) = delete;

  static const TClassInfo& ClassInfo();
  const TClassInfo& ClassType() const override { return ClassInfo(); }

  void Assign(const TFont& source);

  std::string Name() const { return name_; }
  void SetName(const std::string& name);
  int Height() const { return height_; }
  void SetHeight(int height);
  // Points at 96 pixels per inch.
  int Size() const;
  void SetSize(int size);
  unsigned Style() const { return style_; }
  void SetStyle(unsigned style);
  TColor Color() const { return color_; }
  void SetColor(TColor color);
  int Charset() const { return charset_; }
  void SetCharset(int charset);

  HFONT Handle() const;
  std::function<void()> OnChange;

private:
  void Changed();

  std::string name_ = "MS Sans Serif";
  int height_ = -11;
  unsigned style_ = 0;
  TColor color_ = clWindowText;
  int charset_ = DEFAULT_CHARSET;
  mutable HFONT handle_ = nullptr;
};

} // namespace vcu
