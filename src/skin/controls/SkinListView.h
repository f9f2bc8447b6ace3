#pragma once
// TSkinListView: the scroll-bar skinner of list views. It is a TSkinScrollbar (border and the
// two scroll-bar overlays) that also skins the list view's native header window with a
// TSkinHeader owned by the list view, so the header skinner goes with the list view.
#include "skin/controls/SkinScrollbar.h"

namespace vcu {

class TSkinHeader;

class TSkinListView : public TSkinScrollbar {
public:
  using TSkinScrollbar::TSkinScrollbar;
  static const TClassInfo& ClassInfo();
  const TClassInfo& ClassType() const override { return ClassInfo(); }

  void AttachScrolled(TWinControl* host, TSkinData* skin, TWinSkinForm* form) override;
};

} // namespace vcu
