#pragma once
// TSkinMenuButton: a push button with a drop-down arrow at its right end. Pressed, hot or
// focused, normal and disabled frames of the Buttons strip (never the focused frame); the
// caption centred in what the arrow leaves.
#include "skin/controls/SkinButton.h"

namespace vcu {

class TSkinMenuButton : public TSkinButton {
public:
  explicit TSkinMenuButton(TComponent* owner);
  static const TClassInfo& ClassInfo();
  const TClassInfo& ClassType() const override { return ClassInfo(); }

protected:
  void DrawControl(HDC dc, const RECT& rect) override;
};

} // namespace vcu
