#pragma once
// TSkinCheckable: what check boxes and radio buttons share. With a host and a skin image
// strip the skinner paints the whole control (image from the strip, then the caption);
// otherwise the native control paints and the skinner only puts the image over its mark.
#include "skin/controls/FrameCache.h"
#include "skin/controls/PaintBuffer.h"
#include "skin/controls/SkinControl.h"

namespace vcu {

class TSkinCheckable : public TSkinControl {
public:
  explicit TSkinCheckable(TComponent* owner);
  static const TClassInfo& ClassInfo();
  const TClassInfo& ClassType() const override { return ClassInfo(); }

  void AttachControl(TWinSkinForm* form, TSkinData* skin, bool takeColor) override;
  void SkinChanged() override;
  bool Transparent() const { return transparent_; }

protected:
  bool BeforeMessage(TMessage& message) override;
  void AfterMessage(TMessage& message) override;
  void DrawControl(HDC dc, const RECT& rect) override;

  // The skin's strip for this kind of control, and its frame-count key.
  virtual const Bitmap& Strip() const = 0;
  virtual int FrameCountKey() const = 0;
  // The frame (from 1) that shows the control's state in a strip of count frames.
  virtual int ImageIndex(int count) = 0;
  // Radio dots keep a pixel off the right edge when the text is on the left.
  virtual bool IsRadio() const = 0;

private:
  void DrawCaption(HDC dc, const RECT& rect, RECT textBox, UINT flags);

  TPaintBuffer buffer_;
  TFrameCache frames_;
  bool transparent_ = false;
};

} // namespace vcu
