#pragma once
// TSkinSpeedButton: a window-less speed button painted from the skin's Buttons strip. It has
// no window of its own: it hooks the control's message handler, paints into the DC its
// parent hands the control, and follows hot and pressed through the framework's mouse
// enter/leave notifications. A flat button shows its frame only when hot or pressed; a button
// that is down shows pressed, with its down glyph.
#include "skin/controls/SkinBitButton.h"

namespace vcu {

class TSkinSpeedButton : public TSkinBitButton {
public:
  explicit TSkinSpeedButton(TComponent* owner);
  ~TSkinSpeedButton() override;
  static const TClassInfo& ClassInfo();
  const TClassInfo& ClassType() const override { return ClassInfo(); }

  void AttachControl(TWinSkinForm* form, TSkinData* skin, bool takeColor) override;
  void RestoreControl() override;
  void PaintWindow(HDC dc) override;
  bool Painting() const { return painting_; }
  // The Buttons frame the control shows now.
  int Frame() const;

protected:
  bool BeforeMessage(TMessage& message) override;
  void AfterMessage(TMessage& message) override;
  void DrawControl(HDC dc, const RECT& rect) override;

private:
  // Invalidates the control and paints its parent's update at once.
  void RepaintNow();

  bool painting_ = false;
};

} // namespace vcu
