#pragma once
// Makes and attaches the control skinner of each kind. The classification decides the kind;
// this is the one place that knows which skinner class stands behind it. A kind without a
// skinner class in this build yields none, and its control stays native.
#include <windows.h>

#include "core/controls/ControlKinds.h"

namespace vcu {

class TComponent;
class TSkinControl;
class TSkinData;
class TWinSkinForm;

// A new skinner owned by owner (the framework control, or the form skinner for a native
// window); null when this build has no skinner of the kind.
TSkinControl* CreateSkinner(SkinnerKind kind, TComponent* owner);
// Replaces the maker behind CreateSkinner (null puts the built-in one back) and returns the
// one in force before. Tests watch the classification through it.
using SkinnerMaker = TSkinControl* (*)(SkinnerKind kind, TComponent* owner);
SkinnerMaker SetSkinnerMaker(SkinnerMaker maker);
// Attaches a framework control's skinner as its kind is attached (scrolled controls have an
// attach of their own).
void AttachSkinner(SkinnerKind kind, TSkinControl& skinner, TWinSkinForm* form, TSkinData* skin, bool takeColor);

} // namespace vcu
