#pragma once
// TSkinButton: a push button drawn from the skin's Buttons strip (normal, pressed, disabled,
// hot, focused/default), for framework buttons and the bare buttons of system message boxes.
// The native button never sees a mouse press, so this skinner tracks hot and pressed itself
// and delivers the click on the release.
#include <string>

#include "skin/controls/FrameCache.h"
#include "skin/controls/PaintBuffer.h"
#include "skin/controls/SkinControl.h"

namespace vcu {

class TSkinButton : public TSkinControl {
public:
  explicit TSkinButton(TComponent* owner);
  static const TClassInfo& ClassInfo();
  const TClassInfo& ClassType() const override { return ClassInfo(); }

  void AttachControl(TWinSkinForm* form, TSkinData* skin, bool takeColor) override;
  void SkinChanged() override;
  bool Transparent() const { return transparent_; }

protected:
  bool BeforeMessage(TMessage& message) override;
  void AfterMessage(TMessage& message) override;
  void DrawControl(HDC dc, const RECT& rect) override;
  // The caption routine of every push button: the first "||" breaks the line (and stays
  // broken in text), centred (DT_CENTER) or left-aligned (0) in rect, then the focus
  // rectangle around it when the button has the focus.
  void DrawButtonText(HDC dc, const RECT& rect, UINT align, std::wstring& text);
  // The buffer sized width x height with the background (the parent's when transparent,
  // else the face colour) and, when drawFrame, Buttons frame `frame` over it: the ground
  // every push button draws its content on. Null when the buffer cannot be made.
  HDC PrepareFace(int width, int height, int frame, bool drawFrame = true);
  // The text colour of a Buttons frame for the host's font (or the skin's ButtonText).
  COLORREF TextColourOf(int frame) const;

  TPaintBuffer buffer_;
  TFrameCache frames_;
  bool transparent_ = false;

private:
  void PressAt(TMessage& message);
  // The click the native button would have made: the host's Click, or WM_COMMAND to the
  // parent, with the button's identifier for a dialog's button.
  void DeliverClick();
};

} // namespace vcu
