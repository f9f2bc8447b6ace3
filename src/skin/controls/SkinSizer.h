#pragma once
// TSkinSizer: the size-grip scroll bar of a plain dialog, painted flat in the skin's face
// colour over the native grip whenever the window paints.
#include <windows.h>

#include "skin/controls/SkinControl.h"

namespace vcu {

class TSkinSizer : public TSkinControl {
public:
  using TSkinControl::TSkinControl;
  static const TClassInfo& ClassInfo();
  const TClassInfo& ClassType() const override { return ClassInfo(); }

protected:
  void DrawControl(HDC dc, const RECT& rect) override;
};

} // namespace vcu
