#include "skin/controls/SkinBox.h"

#include "framework/Controls.h"

namespace vcu {

const TClassInfo& TSkinBox::ClassInfo() {
  static const TClassInfo info("TSkinBox", &TSkinControl::ClassInfo(), {});
  return info;
}

TSkinBox::TSkinBox(TComponent* owner) : TSkinControl(owner) {}

void TSkinBox::AttachControl(TWinSkinForm* form, TSkinData* skin, bool takeColor) {
  if (attached_) return;
  skin_ = skin;
  host_ = dynamic_cast<TWinControl*>(Owner());
  if (!host_) return;
  handle_ = host_->Handle();
  unicode_ = IsWindowUnicode(handle_) != FALSE;
  JoinForm(form);
  ownsColor_ = takeColor;
  if (ownsColor_) {
    TakeParentBackground();
    savedColor_ = host_->Color();
    host_->SetColor(static_cast<TColor>(FaceColour()));
  }
  attached_ = true;
  phase_ = phAttached;
}

void TSkinBox::RestoreControl() {
  if (phase_ != phKeepColour) TSkinControl::RestoreControl();
  phase_ = phColourOnly;
}

} // namespace vcu
