#include "skin/controls/SkinListView.h"

#include <commctrl.h>

#include "framework/Controls.h"
#include "skin/controls/SkinHeader.h"
#include "skin/form/SkinManage.h"

namespace vcu {

const TClassInfo& TSkinListView::ClassInfo() {
  static const TClassInfo info("TSkinListView", &TSkinScrollbar::ClassInfo(), {});
  return info;
}

void TSkinListView::AttachScrolled(TWinControl* host, TSkinData* skin, TWinSkinForm* form) {
  if (Attached() || !host) return;
  TSkinScrollbar::AttachScrolled(host, skin, form);
  HWND header = reinterpret_cast<HWND>(SendMessageW(handle_, LVM_GETHEADER, 0, 0));
  // A list view skinner made anew finds its header still skinned by the first one's header
  // skinner, which lives as long as the list view.
  if (!header || SendMessageW(header, SKINMSG_QUERY, 0, 0) == 1) return;
  auto* headerSkin = new TSkinHeader(host);
  headerSkin->AttachWindow(header, skin, form);
}

} // namespace vcu
