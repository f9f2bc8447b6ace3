#pragma once
// Buttons with a glyph: TBitBtn, a push button (an owner-drawn native "BUTTON") showing a
// picture beside its caption, and TSpeedButton, a window-less button painted by its parent
// that can stay down, alone or as one of a group.
#include <memory>

#include "framework/GlyphBitmap.h"
#include "framework/StdCtrls.h"

namespace vcu {

enum TButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };

// The glyph and its placement, as both kinds of button publish them. Glyph holds NumGlyphs
// equal cells side by side: up, disabled, pressed, down.
class TGlyphSettings {
public:
  TBitmap* Glyph() const { return glyph_.get(); }
  int NumGlyphs() const { return numGlyphs_; }
  int Margin() const { return margin_; }
  int Spacing() const { return spacing_; }
  TButtonLayout Layout() const { return layout_; }

protected:
  std::unique_ptr<TBitmap> glyph_ = std::make_unique<TBitmap>();
  int numGlyphs_ = 1;
  int margin_ = -1;
  int spacing_ = 4;
  TButtonLayout layout_ = blGlyphLeft;
};

// How a glyph button looks when drawn the native way.
struct TGlyphLook {
  bool enabled = true;
  bool pushed = false; // pressed or down
  bool speedButton = false;
};

// Draws the glyph cell of the look and the caption on dc over rect (the button at its
// origin), placed as the skin places them; the glyph's bottom-left pixel is see-through.
void DrawGlyphAndCaption(HDC dc, const RECT& rect, const TGlyphSettings& glyph, TControl& control, const TGlyphLook& look);

class TBitBtn : public TButton, public TGlyphSettings {
public:
  explicit TBitBtn(TComponent* owner);
  static const TClassInfo& ClassInfo();
  const TClassInfo& ClassType() const override { return ClassInfo(); }

  void SetNumGlyphs(int value);
  void SetMargin(int value);
  void SetSpacing(int value);
  void SetLayout(TButtonLayout value);

protected:
  void CreateParams(TCreateParams& params) override;
  void Dispatch(TMessage& message) override;

private:
  void DrawItem(const DRAWITEMSTRUCT& item);
};

class TSpeedButton : public TGraphicControl, public TGlyphSettings {
public:
  explicit TSpeedButton(TComponent* owner);
  static const TClassInfo& ClassInfo();
  const TClassInfo& ClassType() const override { return ClassInfo(); }

  bool Flat() const { return flat_; }
  void SetFlat(bool value);
  int GroupIndex() const { return groupIndex_; }
  void SetGroupIndex(int value);
  // Down stays only with a group; raising the group's last down button needs AllowAllUp.
  // Putting one down raises the others of its group under the same parent.
  bool Down() const { return down_; }
  void SetDown(bool value);
  bool AllowAllUp() const { return allowAllUp_; }
  void SetAllowAllUp(bool value);
  void SetNumGlyphs(int value);
  void SetMargin(int value);
  void SetSpacing(int value);
  void SetLayout(TButtonLayout value);
  // The pointer is over it / the left button went down on it and is still held over it.
  bool MouseInside() const { return hot_; }
  bool Pushing() const { return pushing_; }

  // Goes through the message handler (WM_PAINT with the DC), so a skin can paint instead.
  void Paint(HDC dc) override;

protected:
  void Dispatch(TMessage& message) override;

private:
  void PaintNative(HDC dc);
  void Released(const TMessage& message);
  void RaiseGroup();

  bool flat_ = false;
  int groupIndex_ = 0;
  bool down_ = false;
  bool allowAllUp_ = false;
  bool hot_ = false;
  bool pushing_ = false;
  bool tracking_ = false;
};

} // namespace vcu
