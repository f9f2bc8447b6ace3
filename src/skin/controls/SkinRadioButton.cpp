#include "skin/controls/SkinRadioButton.h"

#include "core/controls/CheckRules.h"
#include "framework/Controls.h"
#include "framework/TypInfo.h"
#include "skin/data/WinSkinData.h"

namespace vcu {

const TClassInfo& TSkinRadioButton::ClassInfo() {
  static const TClassInfo info("TSkinRadioButton", &TSkinCheckable::ClassInfo(), {});
  return info;
}

TSkinRadioButton::TSkinRadioButton(TComponent* owner) : TSkinCheckable(owner) {}

const Bitmap& TSkinRadioButton::Strip() const { return skin_->Buttons.RadioBitmap; }

int TSkinRadioButton::FrameCountKey() const { return skin_->Buttons.RadioFrame; }

int TSkinRadioButton::ImageIndex(int count) {
  bool checked = (SendMessageW(handle_, BM_GETCHECK, 0, 0) & BST_CHECKED) != 0;
  if (host_ && GetPropInfo(host_, "Checked")) checked = GetBoolProp(host_, "Checked");
  const bool disabled = (GetWindowLongPtrW(handle_, GWL_STYLE) & WS_DISABLED) != 0;
  return RadioImageIndex(checked, disabled, count);
}

} // namespace vcu
