#include "framework/ExtCtrls.h"

namespace vcu {

const TClassInfo& TCustomPanel::ClassInfo() {
  static const TClassInfo info(
      "TCustomPanel", &TWinControl::ClassInfo(),
      {EnumProperty("BevelOuter", {"bvNone", "bvLowered", "bvRaised", "bvSpace"}, &TCustomPanel::BevelOuter,
                    &TCustomPanel::SetBevelOuter),
       BoolProperty<TCustomPanel>("ParentBackground", &TCustomPanel::ParentBackground, &TCustomPanel::SetParentBackground)});
  return info;
}

const TClassInfo& TPanel::ClassInfo() {
  static const TClassInfo info("TPanel", &TCustomPanel::ClassInfo(), {});
  return info;
}

TCustomPanel::TCustomPanel(TComponent* owner) : TWinControl(owner) {
  clickEvents_ = true;
  SetParentBackground(true);
  SetBounds(0, 0, 185, 41);
}

void TCustomPanel::PaintWindow(HDC dc) {
  RECT r = ClientRect();
  if (bevelOuter_ == bvRaised) DrawEdge(dc, &r, BDR_RAISEDINNER, BF_RECT | BF_ADJUST);
  else if (bevelOuter_ == bvLowered) DrawEdge(dc, &r, BDR_SUNKENOUTER, BF_RECT | BF_ADJUST);
  DrawControlText(dc, *this, r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

} // namespace vcu
