// TMenu and its two kinds, the menu bar and the popup menu, and the routing of menu messages
// to the items.
#include "framework/Forms.h"
#include "framework/Menus.h"

namespace vcu {
namespace {

bool ItemIsAvailable(const TMenuItem* item) {
  for (; item && item->Parent(); item = item->Parent())
    if (!item->Enabled() || !item->Visible()) return false;
  return true;
}

TMenuItem* FindInTree(TMenuItem* root, UINT_PTR value, TFindItemKind kind) {
  for (int i = 0; i < root->Count(); ++i) {
    TMenuItem* item = root->Items(i);
    bool match = false;
    switch (kind) {
    case fkCommand: match = item->Command() == value; break;
    case fkHandle: match = item->HandleAllocated() && reinterpret_cast<UINT_PTR>(item->Handle()) == value; break;
    case fkShortCut: match = item->ShortCut() != scNone && item->ShortCut() == value; break;
    }
    if (match) return item;
    if (TMenuItem* found = FindInTree(item, value, kind)) return found;
  }
  return nullptr;
}

// The owner of popup menus opened for no window: hidden, it hears their owner-draw requests.
LRESULT CALLBACK PopupOwnerProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  TMessage message{msg, wParam, lParam, 0};
  if (HandleMenuMessage(message)) return message.Result;
  return DefWindowProcA(window, msg, wParam, lParam);
}

HWND PopupOwnerWindow() {
  static HWND window = [] {
    WNDCLASSA wc{};
    wc.lpfnWndProc = PopupOwnerProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "TPopupOwnerWindow";
    RegisterClassA(&wc);
    return CreateWindowExA(WS_EX_TOOLWINDOW, wc.lpszClassName, "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                           wc.hInstance, nullptr);
  }();
  return window;
}

const std::vector<std::string>& BiDiModeNames() {
  static const std::vector<std::string> names{"bdLeftToRight", "bdRightToLeft", "bdRightToLeftNoAlign",
                                              "bdRightToLeftReadingOnly"};
  return names;
}

} // namespace

// ---- TMenu

const TClassInfo& TMenu::ClassInfo() {
  static const TClassInfo info("TMenu", &TComponent::ClassInfo(),
                               {ObjectProperty("Items", &TMenu::Items),
                                BoolProperty("OwnerDraw", &TMenu::OwnerDraw, &TMenu::SetOwnerDraw),
                                EnumProperty("BiDiMode", BiDiModeNames(), &TMenu::BiDiMode, &TMenu::SetBiDiMode)});
  return info;
}

TMenu::TMenu(TComponent* owner) : TComponent(owner), items_(new TMenuItem(nullptr)) { items_->menu_ = this; }

TMenu::~TMenu() {
  Destroying();
  // A window destroys the menu it shows: take ours off first.
  if (window_ && IsWindow(window_) && HandleAllocated() && GetMenu(window_) == items_->handle_)
    SetMenu(window_, nullptr);
  delete items_;
}

HMENU TMenu::Handle() { return items_->Handle(); }

void TMenu::SetOwnerDraw(bool value) {
  if (value == ownerDraw_) return;
  ownerDraw_ = value;
  MenuChanged(nullptr, true);
}

void TMenu::SetImages(HIMAGELIST images) {
  if (images == images_) return;
  images_ = images;
  MenuChanged(nullptr, true);
}

void TMenu::SetBiDiMode(TBiDiMode mode) {
  if (mode == biDiMode_) return;
  biDiMode_ = mode;
  MenuChanged(nullptr, true);
}

TMenuItem* TMenu::FindItem(UINT_PTR value, TFindItemKind kind) const {
  if (kind == fkHandle && items_->HandleAllocated() && reinterpret_cast<UINT_PTR>(items_->Handle()) == value)
    return items_;
  return FindInTree(items_, value, kind);
}

bool TMenu::DispatchCommand(UINT command) {
  TMenuItem* item = FindItem(command, fkCommand);
  if (!item) return false;
  item->Click();
  return true;
}

bool TMenu::IsShortCut(TShortCut shortCut) {
  if (shortCut == scNone) return false;
  TMenuItem* item = FindItem(shortCut, fkShortCut);
  if (!item || !ItemIsAvailable(item)) return false;
  item->Click();
  return true;
}

void TMenu::MenuChanged(TMenuItem* source, bool rebuild) {
  if (ComponentState() & (csLoading | csDestroying)) return;
  if (rebuild) RebuildHandle();
  if (onChange_) onChange_(this, source, rebuild);
}

void TMenu::RebuildHandle() {
  if (HandleAllocated()) items_->RebuildHandle(this, InheritsFrom("TMainMenu"));
}

void TMenu::Loaded() {
  TComponent::Loaded();
  MenuChanged(nullptr, true);
}

// ---- TMainMenu

const TClassInfo& TMainMenu::ClassInfo() {
  static const TClassInfo info("TMainMenu", &TMenu::ClassInfo(), {});
  return info;
}

TMainMenu::~TMainMenu() = default;

HMENU TMainMenu::CreateMenuHandle() { return CreateMenu(); }

void TMainMenu::MenuChanged(TMenuItem* source, bool rebuild) {
  TMenu::MenuChanged(source, rebuild);
  if (ComponentState() & (csLoading | csDestroying)) return;
  HWND window = WindowHandle();
  if (window && IsWindow(window)) SendMessageA(window, CM_MENUCHANGED, 0, 0);
}

// ---- TPopupMenu

const TClassInfo& TPopupMenu::ClassInfo() {
  static const TClassInfo info("TPopupMenu", &TMenu::ClassInfo(),
                               {BoolProperty("AutoPopup", &TPopupMenu::AutoPopup, &TPopupMenu::SetAutoPopup),
                                EventProperty("OnPopup", &TPopupMenu::SetOnPopup)});
  return info;
}

HMENU TPopupMenu::CreateMenuHandle() { return CreatePopupMenu(); }

void TPopupMenu::Popup(int x, int y) {
  if (onPopup_) onPopup_(this);
  HWND owner = WindowHandle();
  if (!owner || !IsWindow(owner)) {
    // The form of the control it opens for, else the form that owns the menu: that form (and
    // whatever draws its menus) hears the owner-draw requests.
    TForm* form = GetParentForm(dynamic_cast<TControl*>(popupComponent_));
    if (!form) form = dynamic_cast<TForm*>(Owner());
    owner = form && form->HandleAllocated() ? form->Handle() : PopupOwnerWindow();
  }
  UINT flags = TPM_RETURNCMD | TPM_RIGHTBUTTON | (IsRightToLeft() ? TPM_RIGHTALIGN | TPM_LAYOUTRTL : TPM_LEFTALIGN);
  UINT command = static_cast<UINT>(TrackPopupMenuEx(Handle(), flags, x, y, owner, nullptr));
  // The system's advice for a menu tracked on behalf of a window: let its queue move on.
  PostMessageA(owner, WM_NULL, 0, 0);
  if (command) DispatchCommand(command);
}

// ---- Menu messages

bool HandleMenuMessage(TMessage& message) {
  switch (message.Msg) {
  case WM_COMMAND: {
    // A menu's command has notification code 0 and no control window.
    if (HIWORD(message.WParam) != 0 || message.LParam != 0) return false;
    TMenuItem* item = FindMenuItem(LOWORD(message.WParam));
    if (!item) return false;
    item->Click();
    message.Result = 0;
    return true;
  }
  case WM_MEASUREITEM: {
    auto* request = reinterpret_cast<MEASUREITEMSTRUCT*>(message.LParam);
    if (!request || request->CtlType != ODT_MENU) return false;
    TMenuItem* item = FindMenuItem(request->itemID);
    if (!item) return false;
    HDC dc = GetDC(nullptr);
    int width = static_cast<int>(request->itemWidth), height = static_cast<int>(request->itemHeight);
    item->MeasureItem(dc, width, height);
    ReleaseDC(nullptr, dc);
    request->itemWidth = static_cast<UINT>(std::max(width, 0));
    request->itemHeight = static_cast<UINT>(std::max(height, 0));
    message.Result = TRUE;
    return true;
  }
  case WM_DRAWITEM: {
    auto* request = reinterpret_cast<DRAWITEMSTRUCT*>(message.LParam);
    if (!request || request->CtlType != ODT_MENU) return false;
    TMenuItem* item = FindMenuItem(request->itemID);
    if (!item) return false;
    item->DrawItem(request->hDC, request->rcItem, request->itemState);
    message.Result = TRUE;
    return true;
  }
  default: return false;
  }
}

} // namespace vcu
