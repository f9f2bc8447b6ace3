#include "skin/controls/SkinnerFactory.h"

#include "skin/controls/SkinBitButton.h"
#include "skin/controls/SkinBox.h"
#include "skin/controls/SkinButton.h"
#include "skin/controls/SkinCheckBox.h"
#include "skin/controls/SkinComBox.h"
#include "skin/controls/SkinControl.h"
#include "skin/controls/SkinEdit.h"
#include "skin/controls/SkinGroupBox.h"
#include "skin/controls/SkinMenuButton.h"
#include "skin/controls/SkinProgress.h"
#include "skin/controls/SkinRadioButton.h"
#include "skin/controls/SkinScControl.h"
#include "skin/controls/SkinScrollbar.h"
#include "skin/controls/SkinSpeedButton.h"
#include "skin/controls/SkinTrackBar.h"
#include "skin/controls/SkinUpDown.h"
#include "skin/controls/SkinHeader.h"
#include "skin/controls/SkinListView.h"
#include "skin/controls/SkinRadioButton.h"
#include "skin/controls/SkinScrollbar.h"
#include "skin/controls/SkinSizer.h"
#include "skin/controls/SkinStatusBar.h"
#include "framework/Controls.h"

namespace vcu {
namespace {

TSkinControl* BuiltInSkinner(SkinnerKind kind, TComponent* owner) {
  switch (kind) {
  case SkinnerKind::Button: return new TSkinButton(owner);
  case SkinnerKind::CheckBox: return new TSkinCheckBox(owner);
  case SkinnerKind::RadioButton: return new TSkinRadioButton(owner);
  case SkinnerKind::GroupBox: return new TSkinGroupBox(owner);
  case SkinnerKind::Box: return new TSkinBox(owner);
  case SkinnerKind::Edit: return new TSkinEdit(owner);
  case SkinnerKind::Scrollbar: return new TSkinScrollbar(owner);
  case SkinnerKind::BitButton: return new TSkinBitButton(owner);
  case SkinnerKind::SpeedButton: return new TSkinSpeedButton(owner);
  case SkinnerKind::MenuButton: return new TSkinMenuButton(owner);
  case SkinnerKind::ScControl: return new TSkinScControl(owner);
  case SkinnerKind::ComboBox: return new TSkinComBox(owner);
  case SkinnerKind::UpDown: return new TSkinUpDown(owner);
  case SkinnerKind::TrackBar: return new TSkinTrackBar(owner);
  case SkinnerKind::Progress: return new TSkinProgress(owner);
  case SkinnerKind::StatusBar: return new TSkinStatusBar(owner);
  case SkinnerKind::Header: return new TSkinHeader(owner);
  case SkinnerKind::Sizer: return new TSkinSizer(owner);
  case SkinnerKind::ListView: return new TSkinListView(owner);
  default: return nullptr;
  }
}

SkinnerMaker maker = &BuiltInSkinner;

} // namespace

TSkinControl* CreateSkinner(SkinnerKind kind, TComponent* owner) { return maker(kind, owner); }

SkinnerMaker SetSkinnerMaker(SkinnerMaker next) {
  SkinnerMaker previous = maker;
  maker = next ? next : &BuiltInSkinner;
  return previous;
}

void AttachSkinner(SkinnerKind kind, TSkinControl& skinner, TWinSkinForm* form, TSkinData* skin, bool takeColor) {
  switch (kind) {
  case SkinnerKind::Scrollbar:
  case SkinnerKind::ListView:
    // A maker put in by a test may stand a plain skinner in for the scrolled kind.
    if (auto* scrolled = dynamic_cast<TSkinScrollbar*>(&skinner)) {
      scrolled->AttachScrolled(dynamic_cast<TWinControl*>(skinner.Owner()), skin, form);
      return;
    }
    skinner.AttachControl(form, skin, takeColor);
    return;
  default: skinner.AttachControl(form, skin, takeColor); return;
  }
}

} // namespace vcu
