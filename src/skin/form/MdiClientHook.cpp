#include "skin/form/MdiClientHook.h"

#include "skin/data/WinSkinData.h"
#include "skin/form/SkinManage.h"
#include "skin/form/WinSkinForm.h"

namespace vcu {
TMdiClientHook::TMdiClientHook(TWinSkinForm& frame, HWND client) : frame_(frame), client_(client) {
  if (TSkinData* skinData = frame_.SkinData()) menuUpdateAtSetUp_ = skinData->MenuUpdate();
  subclass_.Attach(client_, [this](UINT msg, WPARAM wParam, LPARAM lParam) { return ClientProc(msg, wParam, lParam); });
}

TMdiClientHook::~TMdiClientHook() { Unhook(); }

void TMdiClientHook::Unhook() { subclass_.Detach(); }

bool TMdiClientHook::ActiveChildMaximized() const {
  BOOL maximized = FALSE;
  const auto active = reinterpret_cast<HWND>(SendMessageW(client_, WM_MDIGETACTIVE, 0, reinterpret_cast<LPARAM>(&maximized)));
  return active && maximized;
}

LRESULT TMdiClientHook::ClientProc(UINT msg, WPARAM wParam, LPARAM lParam) {
  TSkinData* skinData = frame_.SkinData();
  TSkinManage* manager = TSkinManage::Instance();
  switch (msg) {
  case WM_NCCALCSIZE:
    // Native scroll bars in the client would sit inside the skinned frame unskinned.
    if (frame_.FrameSkinning() && skinData && !InSet(skinData->Options(), xoMDIScrollbar)) {
      const LONG_PTR style = GetWindowLongPtrW(client_, GWL_STYLE);
      if (style & (WS_VSCROLL | WS_HSCROLL)) SetWindowLongPtrW(client_, GWL_STYLE, style & ~(WS_VSCROLL | WS_HSCROLL));
    }
    break;
  case WM_MDICREATE:
    if (skinData) skinData->SetMenuUpdate(false);
    break;
  case WM_MDIDESTROY: {
    const LRESULT result = subclass_.CallOld(msg, wParam, lParam);
    // The child that becomes active decides; the skinned menu bar that follows it comes with
    // the menus.
    if (manager) manager->SetMdiMaximized(ActiveChildMaximized());
    // The last child took its buttons and system-menu item off the menu: the bar follows.
    if (!SendMessageW(client_, WM_MDIGETACTIVE, 0, 0) && frame_.SkinMenu()) {
      if (skinData) skinData->SetMenuUpdate(menuUpdateAtSetUp_);
      frame_.RebuildMenuBar();
    }
    return result;
  }
  case WM_MDITILE:
  case WM_MDICASCADE:
    // Both restore a maximised child before they arrange.
    if (manager) manager->SetMdiMaximized(false);
    break;
  case WM_MDISETMENU: {
    const LRESULT result = subclass_.CallOld(msg, wParam, lParam);
    // The client put the new menu on the frame; the skinned bar takes it off again.
    if (wParam) frame_.MenuReplaced();
    return result;
  }
  case SKINMSG_MDIREDRAW:
    RedrawWindow(frame_.Window(), nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    return 0;
  case WM_NCDESTROY:
    Unhook();
    return subclass_.CallOld(msg, wParam, lParam);
  }
  return subclass_.CallOld(msg, wParam, lParam);
}

} // namespace vcu
