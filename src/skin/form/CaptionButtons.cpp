#include "skin/form/CaptionButtons.h"

#include <windowsx.h>

#include "core/image/Slicing.h"
#include "skin/data/WinSkinData.h"
#include "skin/form/FramePainter.h"
#include "skin/form/SkinManage.h"
#include "skin/form/SystemMenu.h"
#include "skin/form/WinSkinForm.h"
#include "skin/menus/WinSkinMenu.h"

namespace vcu {
namespace {

constexpr int kMdiButtonVisibility = 100;

bool IsSystemCommandOfMenu(WPARAM command) {
  switch (command & 0xFFF0) {
  case SC_SIZE:
  case SC_MOVE:
  case SC_MINIMIZE:
  case SC_MAXIMIZE:
  case SC_NEXTWINDOW:
  case SC_PREVWINDOW:
  case SC_CLOSE:
  case SC_RESTORE: return true;
  default: return false;
  }
}

} // namespace

// ---- one button

const TDataSkinSysButton* TWinSysButton::Definition() const {
  const auto& all = form_.SkinData()->CaptionButtons;
  return index_ < all.size() ? &all[index_] : nullptr;
}

bool TWinSysButton::IsIcon() const {
  const TDataSkinSysButton* def = Definition();
  return def && IsIconAction(def->Action);
}

const Bitmap* TWinSysButton::Image() const {
  const TDataSkinSysButton* def = Definition();
  if (!def) return nullptr;
  if (IsIcon() && def->Bitmap.Empty()) return &form_.Painter().IconBitmap();
  return &def->Bitmap;
}

int TWinSysButton::Frames() const {
  const TDataSkinSysButton* def = Definition();
  if (!def || IsIcon()) return 1;
  return def->Frame < 1 ? 1 : def->Frame;
}

bool TWinSysButton::IsMdiButton() const {
  const TDataSkinSysButton* def = Definition();
  return def && def->Visibility == kMdiButtonVisibility;
}

// The MDI buttons sit in the menu bar, which repaints them over its own background.
void TWinSysButton::Repaint() {
  if (IsMdiButton()) {
    if (TWinSkinMenu* menu = form_.SkinMenu()) menu->RepaintMdiButton(*this);
    return;
  }
  form_.Painter().PaintTitle();
}

// ---- the set

TCaptionButtons::TCaptionButtons(TWinSkinForm& form) : form_(form) {}
TCaptionButtons::~TCaptionButtons() = default;

void TCaptionButtons::Rebuild() {
  Clear();
  form_.Painter().RebuildIcon();
  const size_t count = form_.SkinData()->CaptionButtons.size();
  for (size_t i = 0; i < count; ++i) buttons_.push_back(std::make_unique<TWinSysButton>(form_, i));
}

void TCaptionButtons::Clear() {
  hot_ = pressed_ = nullptr;
  buttons_.clear();
}

CaptionWindowState TCaptionButtons::WindowState() const {
  CaptionWindowState w;
  w.maximized = form_.Show() == ssMaximized;
  w.active = form_.IsActive();
  w.nativeButtons = form_.NativeButtons();
  w.frameKind = form_.Frame();
  w.dialogClass = form_.IsDialog();
  w.mdiFrameWithMaximizedChildAndMenuBar = form_.ShowsMdiButtons();
  return w;
}

void TCaptionButtons::Judge() {
  const CaptionWindowState w = WindowState();
  for (auto& button : buttons_) {
    const TDataSkinSysButton* def = button->Definition();
    if (!def) {
      button->Visible = false;
      continue;
    }
    HWND window = form_.Window();
    const CaptionButtonVerdict verdict = JudgeCaptionButton(*def, w, [window, def] {
      return SendMessageW(window, SKINMSG_BUTTONVISIBLE, static_cast<WPARAM>(def->Visibility), def->Action) > 0;
    });
    button->Visible = verdict.visible;
    button->Enabled = verdict.enabled;
  }
}

int TCaptionButtons::RightSpace() const {
  int space = 0;
  for (const auto& button : buttons_) {
    const TDataSkinSysButton* def = button->Definition();
    if (button->Visible && def && def->Align == 1 && !button->Image()->Empty() && def->Xcoord > space)
      space = def->Xcoord;
  }
  return space;
}

void TCaptionButtons::Layout(int windowWidth, const Rect& textRect) {
  const TSkinData& skin = *form_.SkinData();
  const int menuBarLeft = skin.MenuBar ? skin.MenuBar->LeftWidth : 0;
  for (auto& button : buttons_) {
    const TDataSkinSysButton* def = button->Definition();
    const Bitmap* image = button->Image();
    if (!button->Visible || !def || image->Empty()) continue;
    const int frameWidth = image->Width() / button->Frames();
    button->Bounds = PlaceCaptionButton(*def, frameWidth, image->Height(), windowWidth, textRect, form_.Borders(),
                                        menuBarLeft, form_.MenuHeight());
  }
}

void TCaptionButtons::Draw(Bitmap& canvas, bool states) const {
  for (const auto& button : buttons_) {
    const TDataSkinSysButton* def = button->Definition();
    const Bitmap* image = button->Image();
    if (!button->Visible || !def || image->Empty() || button->IsMdiButton()) continue;
    const int frames = button->Frames();
    const int frame = !states || button->State == ncNormal
                          ? CaptionButtonPaintFrame(frames, form_.IsActive(), button->Enabled)
                          : CaptionButtonStateFrame(button->State, frames, button->Enabled, false);
    DrawPlaced(canvas, StretchedFrameImage(button->Bounds, *image, frame, frames), true);
  }
}

TWinSysButton* TCaptionButtons::ButtonAt(POINT point) const {
  for (const auto& button : buttons_) {
    const TDataSkinSysButton* def = button->Definition();
    const Rect& r = button->Bounds;
    if (button->Visible && def && def->Action >= 0 && point.x >= r.left && point.x < r.right && point.y >= r.top &&
        point.y < r.bottom)
      return button.get();
  }
  return nullptr;
}

void TCaptionButtons::ClearHot() {
  if (hot_) hot_->State = ncNormal;
  hot_ = nullptr;
}

// ---- state changes

void TCaptionButtons::MouseMove(TNCObject& object) {
  if (hot_ && hot_ != &object) MouseLeave(*hot_);
  if (hot_ == &object || !object.Visible) return;
  hot_ = &object;
  object.State = pressed_ == &object ? ncPressed : ncHot;
  object.Repaint();
}

void TCaptionButtons::MouseDown(TNCObject& object) {
  if (hot_ && hot_ != &object) MouseLeave(*hot_);
  if (!object.Visible) return;
  hot_ = pressed_ = &object;
  object.State = ncPressed;
  object.Repaint();
}

void TCaptionButtons::MouseUp(TNCObject& object) {
  if (!object.Visible) return;
  object.State = ncHot;
  object.Repaint();
}

void TCaptionButtons::MouseLeave(TNCObject& object) {
  if (!object.Visible) return;
  if (hot_ == &object) hot_ = nullptr;
  object.State = ncNormal;
  object.Repaint();
}

TMenuBtn* TCaptionButtons::MenuButtonAt(POINT point) const {
  TWinSkinMenu* menu = form_.SkinMenu();
  return menu ? menu->MenuButtonAt(point) : nullptr;
}

// Opens the bar's menu with the accelerator key (the first menu for 0).
bool TCaptionButtons::OnMenuKey(wchar_t key, LRESULT& result) {
  TWinSkinMenu* menu = form_.SkinMenu();
  if (!menu || form_.MenuTracking()) return false;
  TMenuBtn* button = menu->ButtonForKey(key);
  if (!button) return false;
  result = 1;
  menu->Open(*button);
  return true;
}

void TCaptionButtons::OnHoverTimer() {
  if (!hot_ || form_.MenuTracking()) return;
  POINT cursor;
  GetCursorPos(&cursor);
  RECT window;
  GetWindowRect(form_.Window(), &window);
  const POINT at{cursor.x - window.left, cursor.y - window.top};
  const Rect& r = hot_->Bounds;
  if (at.x < r.left || at.x >= r.right || at.y < r.top || at.y >= r.bottom) {
    pressed_ = nullptr;
    MouseLeave(*hot_);
  }
}

// ---- messages

POINT TCaptionButtons::ToWindow(LPARAM screenPoint) const {
  RECT window;
  GetWindowRect(form_.Window(), &window);
  return POINT{GET_X_LPARAM(screenPoint) - window.left, GET_Y_LPARAM(screenPoint) - window.top};
}

bool TCaptionButtons::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  HWND window = form_.Window();
  result = 0;
  switch (msg) {
  case WM_NCMOUSEMOVE: {
    if (!form_.IsActive()) return false;
    if (TWinSysButton* hit = ButtonAt(ToWindow(lParam))) {
      MouseMove(*hit);
      return true;
    }
    if (TNCObject* item = MenuButtonAt(ToWindow(lParam))) {
      MouseMove(*item);
      return true;
    }
    if (hot_) MouseLeave(*hot_);
    return false;
  }
  case WM_NCLBUTTONDOWN: {
    if (TWinSysButton* hit = ButtonAt(ToWindow(lParam))) {
      if (!form_.IsActive()) SetForegroundWindow(window);
      MouseDown(*hit);
      return true;
    }
    if (TMenuBtn* item = MenuButtonAt(ToWindow(lParam))) {
      if (!form_.IsActive()) SetForegroundWindow(window);
      form_.SkinMenu()->Open(*item);
      return true;
    }
    // A maximised window cannot be dragged by its caption.
    if (form_.Show() == ssMaximized && form_.IsActive() && wParam == HTCAPTION) {
      result = form_.Default(msg, HTMENU, lParam);
      return true;
    }
    return false;
  }
  case WM_NCLBUTTONUP: {
    TWinSysButton* hit = ButtonAt(ToWindow(lParam));
    if (!hit || hit != hot_) return false;
    const bool wasPressed = pressed_ == hit;
    pressed_ = nullptr;
    MouseUp(*hit);
    // Only the button that was pressed acts: a release over another does nothing.
    if (wasPressed) DoButtonAction(*hit);
    return true;
  }
  case WM_NCLBUTTONDBLCLK: return OnDoubleClick(wParam, ToWindow(lParam), result);
  case WM_NCRBUTTONDOWN:
    if (wParam != HTCAPTION || form_.FormKind() == fmMdiChild) return false;
    form_.SkinSystemMenu().Show(POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
    return true;
  case WM_SYSCOMMAND: return OnSysCommand(wParam, lParam, result);
  case SKINMSG_MENUACCEL: return OnMenuKey(static_cast<wchar_t>(wParam), result);
  case WM_COMMAND:
    if (HIWORD(wParam) != 0 || !IsSystemCommandOfMenu(LOWORD(wParam)) || lParam) return false;
    PostMessageW(window, WM_SYSCOMMAND, LOWORD(wParam), 0);
    return true;
  default: return false;
  }
}

bool TCaptionButtons::OnDoubleClick(WPARAM, POINT point, LRESULT&) {
  HWND window = form_.Window();
  if (TWinSysButton* hit = ButtonAt(point)) {
    if (hit->IsIcon()) {
      form_.EnableHoverTimer(false);
      PostMessageW(window, WM_SYSCOMMAND, SC_CLOSE, 0);
    }
    return true;
  }
  if (form_.Show() != ssNormal) {
    Restore();
    return true;
  }
  if (form_.NativeButtons() & kNbMaximizeBox) {
    MaximizeToggle();
    return true;
  }
  return false;
}

bool TCaptionButtons::OnSysCommand(WPARAM wParam, LPARAM lParam, LRESULT& result) {
  const WPARAM command = wParam & 0xFFF0;
  if (command == SC_KEYMENU && lParam == ' ') {
    POINT corner{0, 0};
    ClientToScreen(form_.Window(), &corner);
    form_.SkinSystemMenu().Show(corner);
    result = 1;
    return true;
  }
  // Alt, F10 or Alt and a letter: the bar's menus open as the native bar's would.
  if (command == SC_KEYMENU && lParam != ' ' && lParam != '-' && !GetCapture() && form_.SkinMenu())
    if (OnMenuKey(static_cast<wchar_t>(lParam), result)) return true;
  TSkinManage* manager = TSkinManage::Instance();
  if (command == SC_MINIMIZE) {
    form_.SetShowState(ssMinimized);
    if (form_.FormKind() == fmMdiChild) form_.SetNativeButtons(true);
  } else if (command == SC_MAXIMIZE) {
    form_.SetShowState(ssMaximized);
  } else if (command == SC_RESTORE) {
    form_.SetShowState(ssNormal);
    if (form_.FormKind() == fmMdiChild) {
      form_.SetNativeButtons(false);
      if (manager) manager->SetMdiMaximized(false);
    }
  }
  return false;
}

void TCaptionButtons::DoButtonAction(TWinSysButton& button) {
  const TDataSkinSysButton* def = button.Definition();
  if (!def) return;
  HWND window = form_.Window();
  switch (ActionOf(def->Action)) {
  case CaptionAction::Close:
    if (GetMenuState(GetSystemMenu(window, FALSE), SC_CLOSE, MF_BYCOMMAND) == static_cast<UINT>(-1) &&
        LOBYTE(LOWORD(GetVersion())) > 4)
      return;
    form_.EnableHoverTimer(false);
    PostMessageW(window, WM_SYSCOMMAND, SC_CLOSE, 0);
    return;
  case CaptionAction::MaximizeToggle:
    if (button.Enabled) MaximizeToggle();
    return;
  case CaptionAction::MinimizeToggle:
    if (button.Enabled) MinimizeToggle();
    return;
  case CaptionAction::SystemMenu: {
    POINT at;
    GetCursorPos(&at);
    form_.SkinSystemMenu().Show(POINT{at.x + 1, at.y + 1});
    return;
  }
  case CaptionAction::Help: PostMessageW(window, WM_SYSCOMMAND, SC_CONTEXTHELP, 0); return;
  case CaptionAction::MdiMinimize: SendToActiveMdiChild(SC_MINIMIZE); return;
  case CaptionAction::MdiRestore: SendToActiveMdiChild(SC_RESTORE); return;
  case CaptionAction::MdiClose: SendToActiveMdiChild(SC_CLOSE); return;
  case CaptionAction::Unknown: PostMessageW(window, SKINMSG_UNKNOWNACTION, static_cast<WPARAM>(def->Action), 0); return;
  }
}

void TCaptionButtons::MaximizeToggle() {
  if (form_.Show() == ssMaximized) {
    Restore();
    return;
  }
  if (form_.FormKind() == fmMdiChild)
    if (TSkinManage* manager = TSkinManage::Instance()) manager->SetMdiMaximized(true);
  form_.SetShowState(ssMaximized);
  PostMessageW(form_.Window(), WM_SYSCOMMAND, SC_MAXIMIZE, 0);
  ClearHot();
}

void TCaptionButtons::MinimizeToggle() {
  if (form_.Show() == ssMinimized) {
    Restore();
    return;
  }
  form_.SetShowState(ssMinimized);
  HWND window = form_.Window();
  SetWindowLongPtrW(window, GWL_STYLE, GetWindowLongPtrW(window, GWL_STYLE) | WS_SYSMENU);
  PostMessageW(window, WM_SYSCOMMAND, SC_MINIMIZE, 0);
}

void TCaptionButtons::Restore() {
  form_.SetShowState(ssNormal);
  PostMessageW(form_.Window(), WM_SYSCOMMAND, SC_RESTORE, 0);
}

void TCaptionButtons::SendToActiveMdiChild(WPARAM command) {
  TSkinManage* manager = TSkinManage::Instance();
  if (form_.FormKind() != fmMdiFrame || !manager || !manager->MdiClient()) return;
  auto child = reinterpret_cast<HWND>(SendMessageW(manager->MdiClient(), WM_MDIGETACTIVE, 0, 0));
  if (child) SendMessageW(child, WM_SYSCOMMAND, command, 0);
}

} // namespace vcu
