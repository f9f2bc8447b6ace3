#pragma once
// TSkinGroupBox: a group box's frame as a rounded one-pixel line in the skin's shadow colour,
// with the caption set into the line on the face colour. A hosted group box is painted whole
// (its labels included); a bare one is painted over the native drawing.
#include "skin/controls/PaintBuffer.h"
#include "skin/controls/SkinControl.h"

namespace vcu {

class TSkinGroupBox : public TSkinControl {
public:
  explicit TSkinGroupBox(TComponent* owner);
  static const TClassInfo& ClassInfo();
  const TClassInfo& ClassType() const override { return ClassInfo(); }

  void AttachControl(TWinSkinForm* form, TSkinData* skin, bool takeColor) override;

protected:
  bool BeforeMessage(TMessage& message) override;
  void DrawControl(HDC dc, const RECT& rect) override;

private:
  // The line and the caption on dc, whose text colour and font are already chosen.
  void DrawFrameAndCaption(HDC dc, const RECT& rect, const std::wstring& caption);

  TPaintBuffer buffer_;
};

} // namespace vcu
