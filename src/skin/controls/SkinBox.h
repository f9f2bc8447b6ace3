#pragma once
// TSkinBox: gives a panel-like container the skin's face colour, and nothing else. It does
// not intercept the container's messages.
#include "skin/controls/SkinControl.h"

namespace vcu {

class TSkinBox : public TSkinControl {
public:
  explicit TSkinBox(TComponent* owner);
  static const TClassInfo& ClassInfo();
  const TClassInfo& ClassType() const override { return ClassInfo(); }

  void AttachControl(TWinSkinForm* form, TSkinData* skin, bool takeColor) override;
  // Gives the colour back unless a keeper asked for it to stay (phase 4).
  void RestoreControl() override;

protected:
  void AfterMessage(TMessage&) override {}
};

} // namespace vcu
