#include "skin/controls/SkinnerFactory.h"

#include "skin/controls/SkinControl.h"

namespace vcu {
namespace {

TSkinControl* BuiltInSkinner(SkinnerKind kind, TComponent* owner) {
  switch (kind) {
  default: return nullptr;
  }
  (void)owner;
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
  default: skinner.AttachControl(form, skin, takeColor); return;
  }
}

} // namespace vcu
