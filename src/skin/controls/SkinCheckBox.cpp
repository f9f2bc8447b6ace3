#include "skin/controls/SkinCheckBox.h"

#include "core/controls/CheckRules.h"
#include "framework/Controls.h"
#include "framework/TypInfo.h"
#include "skin/data/WinSkinData.h"

namespace vcu {

const TClassInfo& TSkinCheckBox::ClassInfo() {
  static const TClassInfo info("TSkinCheckBox", &TSkinCheckable::ClassInfo(), {});
  return info;
}

TSkinCheckBox::TSkinCheckBox(TComponent* owner) : TSkinCheckable(owner) {}

void TSkinCheckBox::AttachControl(TWinSkinForm* form, TSkinData* skin, bool takeColor) {
  if (Attached()) return;
  TSkinCheckable::AttachControl(form, skin, takeColor);
  lastCheck_ = 0;
}

void TSkinCheckBox::AfterMessage(TMessage& message) {
  if (message.Msg == BM_SETCHECK) lastCheck_ = static_cast<int>(message.WParam) + 1;
  TSkinCheckable::AfterMessage(message);
}

const Bitmap& TSkinCheckBox::Strip() const { return skin_->Buttons.CheckBitmap; }

int TSkinCheckBox::FrameCountKey() const { return skin_->Buttons.CheckFrame; }

int TSkinCheckBox::ImageIndex(int count) {
  const LRESULT state = SendMessageW(handle_, BM_GETSTATE, 0, 0);
  CheckInputs in;
  in.checked = (state & BST_CHECKED) != 0;
  in.indeterminate = (state & BST_INDETERMINATE) != 0;
  in.disabled = (GetWindowLongPtrW(handle_, GWL_STYLE) & WS_DISABLED) != 0;
  HostCheckState host;
  if (host_) {
    host.hasState = GetPropInfo(host_, "State") != nullptr;
    host.state = GetEnumText(host_, "State");
    host.hasChecked = GetPropInfo(host_, "Checked") != nullptr;
    host.checked = GetBoolProp(host_, "Checked");
    host.hasDataField = GetPropInfo(host_, "DataField") != nullptr;
    host.lastCheck = lastCheck_;
    host.hasDataBinding = GetPropInfo(host_, "DataBinding") != nullptr;
    in.host = &host;
  }
  return CheckImageIndex(in, count);
}

} // namespace vcu
