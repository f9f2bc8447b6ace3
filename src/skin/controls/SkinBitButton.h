#pragma once
// TSkinBitButton: a push button with a glyph (a framework bit button): the Buttons frame of
// its state, the glyph cell of that state (greyed when disabled) and the caption beside it,
// placed by the host's Layout, Margin and Spacing.
#include <string>

#include "skin/controls/SkinButton.h"

namespace vcu {

class TBitmap;

class TSkinBitButton : public TSkinButton {
public:
  explicit TSkinBitButton(TComponent* owner);
  static const TClassInfo& ClassInfo();
  const TClassInfo& ClassType() const override { return ClassInfo(); }

  // The property that holds the glyph when it is not "Glyph"; the whole picture is then one
  // glyph.
  const std::string& GlyphProperty() const { return glyphProperty_; }
  void SetGlyphProperty(const std::string& name) { glyphProperty_ = name; }

protected:
  // The owner drawing the native button asks for (on focus and state changes) is the skin's.
  bool BeforeMessage(TMessage& message) override;
  void DrawControl(HDC dc, const RECT& rect) override;

  // The control whose properties are read: the host, or the window-less host.
  TControl* Control() const;
  const TBitmap* ReadGlyph() const;
  // Draws glyph and caption of `control` on the prepared buffer (canvas); false when there is
  // no glyph of non-zero area, nothing drawn.
  bool DrawGlyphContent(HDC canvas, int width, int height, int frame, int glyphNumber, bool speedButton);

private:
  std::string glyphProperty_;
};

} // namespace vcu
