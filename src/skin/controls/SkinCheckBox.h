#pragma once
// TSkinCheckBox: a check box whose mark comes from the skin's CheckButton strip.
#include "skin/controls/SkinCheckable.h"

namespace vcu {

class TSkinCheckBox : public TSkinCheckable {
public:
  explicit TSkinCheckBox(TComponent* owner);
  static const TClassInfo& ClassInfo();
  const TClassInfo& ClassType() const override { return ClassInfo(); }

  void AttachControl(TWinSkinForm* form, TSkinData* skin, bool takeColor) override;
  // 0 unknown, else the last BM_SETCHECK's wParam + 1.
  int LastCheck() const { return lastCheck_; }

protected:
  void AfterMessage(TMessage& message) override;
  const Bitmap& Strip() const override;
  int FrameCountKey() const override;
  int ImageIndex(int count) override;
  bool IsRadio() const override { return false; }

private:
  int lastCheck_ = 0;
};

} // namespace vcu
