#pragma once
// Panels: a container window of our own class that paints its bevel and caption.
#include "framework/Controls.h"

namespace vcu {

enum TBevelCut { bvNone, bvLowered, bvRaised, bvSpace };

class TCustomPanel : public TWinControl {
public:
  explicit TCustomPanel(TComponent* owner);
  static const TClassInfo& ClassInfo();
  const TClassInfo& ClassType() const override { return ClassInfo(); }

  TBevelCut BevelOuter() const { return bevelOuter_; }
  void SetBevelOuter(TBevelCut value) { bevelOuter_ = value; Invalidate(); }

protected:
  void PaintWindow(HDC dc) override;

private:
  TBevelCut bevelOuter_ = bvRaised;
};

class TPanel : public TCustomPanel {
public:
  using TCustomPanel::TCustomPanel;
  static const TClassInfo& ClassInfo();
  const TClassInfo& ClassType() const override { return ClassInfo(); }
};

} // namespace vcu
