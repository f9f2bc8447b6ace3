#pragma once
// TSkinRadioButton: a radio button whose dot comes from the skin's RadioButton strip.
#include "skin/controls/SkinCheckable.h"

namespace vcu {

class TSkinRadioButton : public TSkinCheckable {
public:
  explicit TSkinRadioButton(TComponent* owner);
  static const TClassInfo& ClassInfo();
  const TClassInfo& ClassType() const override { return ClassInfo(); }

protected:
  const Bitmap& Strip() const override;
  int FrameCountKey() const override;
  int ImageIndex(int count) override;
  bool IsRadio() const override { return true; }
};

} // namespace vcu
