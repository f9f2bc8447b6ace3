#include "skin/form/WinSkinForm.h"

#include <algorithm>
#include <utility>

#include <commctrl.h>
#include <windowsx.h>

#include "framework/Forms.h"
#include "skin/controls/SkinControl.h"
#include "skin/data/WinRect.h"
#include "skin/data/WinSkinData.h"
#include "skin/form/CaptionButtons.h"
#include "skin/form/ControlClassifier.h"
#include "skin/form/FramePainter.h"
#include "skin/form/MdiClientHook.h"
#include "skin/form/SkinManage.h"
#include "skin/form/SystemMenu.h"
#include "core/menus/MenuBarLayout.h"
#include "skin/menus/MenuFonts.h"
#include "skin/menus/MenuItemPainter.h"
#include "skin/menus/WinSkinMenu.h"

namespace vcu {
namespace {

constexpr UINT_PTR kHoverTimer = 0x5643;
constexpr UINT kHoverInterval = 250;
constexpr UINT WM_NCUAHDRAWCAPTION = 0xAE;

LONG_PTR StyleOf(HWND window) { return GetWindowLongPtrW(window, GWL_STYLE); }
LONG_PTR ExStyleOf(HWND window) { return GetWindowLongPtrW(window, GWL_EXSTYLE); }

void SetStyleBits(HWND window, int index, LONG_PTR bits, bool on) {
  const LONG_PTR style = GetWindowLongPtrW(window, index);
  const LONG_PTR updated = on ? (style | bits) : (style & ~bits);
  if (updated != style) SetWindowLongPtrW(window, index, updated);
}

HWND ChildOfClass(HWND window, const char* className) {
  for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    char name[32] = {};
    GetClassNameA(child, name, sizeof name);
    if (lstrcmpiA(name, className) == 0) return child;
  }
  return nullptr;
}

// Whether any MDI child of the client shows maximised.
bool AnyChildZoomed(HWND client) {
  for (HWND child = GetWindow(client, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
    if (IsZoomed(child)) return true;
  return false;
}

SIZE WindowSize(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  return SIZE{r.right - r.left, r.bottom - r.top};
}

} // namespace

TWinSkinForm::TWinSkinForm(TComponent* owner)
    : TComponent(owner), doubleClickTime_(GetDoubleClickTime()),
      captionButtons_(std::make_unique<TCaptionButtons>(*this)), painter_(std::make_unique<TFramePainter>(*this)),
      skinSystemMenu_(std::make_unique<TSkinSystemMenu>(*this)), itemPainter_(std::make_unique<TMenuItemPainter>()) {}

TWinSkinForm::~TWinSkinForm() {
  Destroying();
  if (state_ != lsFinished) ReleaseWindow();
  FreeControls(false);
  DropRegionHandle();
  if (TSkinManage* manager = TSkinManage::Instance()) manager->RemoveSkinForm(this);
}

void TWinSkinForm::SetWindow(HWND window, const std::string& className) {
  window_ = window;
  className_ = className;
}

// ---- set-up

void TWinSkinForm::InitForForm(TSkinData* skinData, TForm* form) {
  form_ = form;
  if (skinData->OnBeforeSkinForm) skinData->OnBeforeSkinForm(form, window_, className_);
  PrepareSkin(skinData);
  if (frameSkinning_ && !formHooked_) {
    formHook_ = form->WindowProc.Add(
        [this](TMessage& m, const TWindowProcChain::Next& next) { FormMessageHook(m, next); });
    formHooked_ = true;
  }
  savedColor_ = form->Color();
  colorSaved_ = true;
  form->SetColor(static_cast<TColor>(skinData->ColourButtonFace));
  // The menu's items are drawn by the skin's item painter.
  if (InSet(skinData->SkinControls(), xcMenuItem) && form->Menu() && !form->Menu()->OwnerDraw()) {
    form->Menu()->SetOwnerDraw(true);
    madeOwnerDraw_ = true;
  }
}

void TWinSkinForm::InitForWindow(TSkinData* skinData) { PrepareSkin(skinData); }

void TWinSkinForm::PrepareSkin(TSkinData* skinData) {
  if (subclass_.Attached()) return;
  TSkinManage& manager = TSkinManage::Create();
  manager.SetReadyState(rsStarted);
  skinData_ = skinData;
  frameSkinning_ = InSet(skinData->SkinControls(), xcMainMenu);

  const auto style = static_cast<std::uint32_t>(StyleOf(window_));
  const auto exStyle = static_cast<std::uint32_t>(ExStyleOf(window_));
  rightToLeft_ = (exStyle & WS_EX_LEFTSCROLLBAR) != 0;
  isChild_ = (style & WS_CHILD) != 0;
  unicode_ = IsWindowUnicode(window_) != FALSE;
  nativeButtons_ = NativeButtonsOf(style, exStyle, systemMenu_ != nullptr);
  ReadShowState();

  HWND mdiClient = ChildOfClass(window_, "MDIClient");
  if (mdiClient) {
    formKind_ = fmMdiFrame;
    manager.SetMdiFrame(mdiClient, this);
  } else if (exStyle & WS_EX_MDICHILD) {
    formKind_ = fmMdiChild;
  }
  if (formKind_ == fmMdiChild && InSet(skinData->Options(), xoMDIChildBorder)) frameSkinning_ = false;

  dialog_ = className_ == "#32770" || className_ == "TMessageForm";
  frameKind_ = FrameKindOf(style, exStyle, dialog_);

  // Newer systems own the taskbar button through the system-menu style: keep it there.
  const DWORD version = GetVersion();
  const bool fiveOh = LOBYTE(LOWORD(version)) >= 5 && HIBYTE(LOWORD(version)) == 0;
  if (fiveOh && ((exStyle & WS_EX_APPWINDOW) || (!GetWindow(window_, GW_OWNER) && formKind_ != fmMdiChild)))
    nativeButtons_ |= kNbKeepSystemMenu;
  if (TSkinManage::WindowsVersion() & 0x80000000u)
    skinData->SetSkinControls(Exclude(skinData->SkinControls(), xcSystemMenu));

  if (mdiClient) mdiClientHook_ = std::make_unique<TMdiClientHook>(*this, mdiClient);
  Subclass();
  if (frameSkinning_) {
    if (GetMenu(window_) && formKind_ != fmMdiChild) TakeMenuOver();
    if (!(formKind_ == fmMdiChild && manager.MdiMaximized()) && showState_ != ssMinimized)
      SetNativeButtons(false);
    RebuildFrame();
  } else {
    state_ = lsRunning;
  }
  if (formKind_ == fmMdiChild) {
    const int nativeTop = GetSystemMetrics(SM_CYCAPTION) + GetSystemMetrics(SM_CXFRAME);
    if (borders_.top < nativeTop) menuHeight_ = nativeTop - borders_.top;
    if (showState_ == ssMaximized) manager.SetMdiMaximized(true);
  }
}

void TWinSkinForm::Subclass() {
  if (subclass_.Attached()) return;
  subclass_.Attach(window_, [this](UINT msg, WPARAM wParam, LPARAM lParam) { return FormWindowProc(msg, wParam, lParam); });
}

void TWinSkinForm::Unsubclass() { subclass_.Detach(); }

void TWinSkinForm::RebuildFrame() {
  if (!skinData_ || skinData_->SkinEmpty) return;
  borders_ = BorderSizesOf(*skinData_, frameKind_);
  captionButtons_->Rebuild();
}

void TWinSkinForm::DropCaptionButtons() { captionButtons_->Clear(); }

void TWinSkinForm::ReadShowState() {
  WINDOWPLACEMENT placement{};
  placement.length = sizeof placement;
  if (GetWindowPlacement(window_, &placement)) showState_ = ShowStateOfShowCmd(static_cast<int>(placement.showCmd));
  if (IsIconic(window_)) showState_ = ssMinimized;
  else if (IsZoomed(window_)) showState_ = ssMaximized;
}

// The set-up the manager's posted SKINMSG_INITFORM finishes, once the window is shown.
void TWinSkinForm::InitForm() {
  systemMenu_ = GetSystemMenu(window_, FALSE);
  painter_->RebuildIcon();
  GetClientRect(window_, &clientBefore_);
  const SIZE window = WindowSize(window_);
  if (state_ == lsCreated) {
    unskinnedExtra_ = SIZE{window.cx - clientBefore_.right, window.cy - clientBefore_.bottom};
    if (showState_ != ssNormal && formKind_ != fmMdiChild && !isChild_) ReadNormalClient();
    SkinChildren();
    if (formKind_ == fmMdiChild) {
      if (showState_ == ssMaximized) {
        if (HWND client = GetParent(window_)) PostMessageW(client, SKINMSG_MDIREDRAW, reinterpret_cast<WPARAM>(window_), 0);
      } else if (showState_ == ssMinimized) {
        SetNativeButtons(true);
      } else {
        state_ = lsInitialising;
        ResizeForSkin(false);
        state_ = lsRunning;
        BuildRegion();
      }
    } else if (!isChild_ && frameKind_ != fkNoCaption && frameSkinning_) {
      state_ = lsInitialising;
      ResizeForSkin(false);
      state_ = lsRunning;
      if (showState_ == ssMaximized) FrameChanged();
      else if (showState_ == ssNormal) BuildRegion();
    }
  }
  SendMessageW(window_, SKINMSG_SKINNED, 0, kSkinMark);
  if (skinData_->OnAfterSkinForm) skinData_->OnAfterSkinForm(form_, window_, className_);
  state_ = lsRunning;
  EnableHoverTimer(active_);
  if (frameSkinning_) PaintFrame();
}

void TWinSkinForm::FrameChanged() {
  SetWindowPos(window_, nullptr, 0, 0, 0, 0,
               SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

// The client keeps the size it had before skinning; only the frame around it changes.
void TWinSkinForm::ResizeForSkin(bool keepClient) {
  Size2 client{clientBefore_.right - clientBefore_.left, clientBefore_.bottom - clientBefore_.top};
  if (showState_ != ssNormal) {
    // Not the size on screen but the one a restore brings back must fit the client.
    if (!keepClient && formKind_ != fmMdiChild && !isChild_)
      SetNormalSize(SkinnedWindowSize(client, borders_, menuHeight_));
    FrameChanged();
    return;
  }
  if (form_ && !keepClient) {
    client.width = form_->ClientWidth();
    client.height = form_->ClientHeight() - (formKind_ == fmMdiChild ? 0 : menuHeight_);
  }
  Size2 size = SkinnedWindowSize(client, borders_, menuHeight_);
  if (dialog_ && !keepClient) {
    const int wanted = painter_->CaptionWidthNeeded();
    if (wanted > size.width) {
      // Remembered so that giving the window back undoes it.
      widenedBy_ = wanted - size.width;
      childShift_ = widenedBy_ / 2;
      MoveChildren(childShift_);
      size.width = wanted;
    }
  }
  SetWindowPos(window_, nullptr, 0, 0, size.width, size.height,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

void TWinSkinForm::MoveChildren(int dx) {
  for (HWND child = GetWindow(window_, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    RECT r;
    GetWindowRect(child, &r);
    MapWindowPoints(HWND_DESKTOP, window_, reinterpret_cast<POINT*>(&r), 2);
    SetWindowPos(child, nullptr, r.left + dx, r.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
}

// ---- giving back

void TWinSkinForm::ReleaseWindow() {
  EnableHoverTimer(false);
  if (formHooked_ && form_) form_->WindowProc.Remove(formHook_);
  formHooked_ = false;
  mdiClientHook_.reset();
  Unsubclass();
  FreeControls(false);
  skinSystemMenu_->Free();
  FreeSkinMenu(true);
}

void TWinSkinForm::TakeMenuOver() {
  if (!skinMenu_) skinMenu_ = std::make_unique<TWinSkinMenu>(*this);
  skinMenu_->BuildMenuButtons();
  // A framework form without a menu component keeps a native menu of its own.
  if (GetMenu(window_)) {
    if (!skinMenu_->Count()) skinMenu_.reset();
    return;
  }
  menuHeight_ = GetSystemMetrics(SM_CYMENU);
  painter_->Invalidate();
}

// A window that is going takes its menu with it (it would have, had the menu been on it); any
// other gets it back.
void TWinSkinForm::FreeSkinMenu(bool giveBack) {
  if (!skinMenu_) return;
  if (giveBack && state_ != lsNcDestroying && window_ && IsWindow(window_)) skinMenu_->GiveMenuBack();
  else if (!form_ && skinMenu_->Menu() && (!window_ || !IsWindow(window_) || GetMenu(window_) != skinMenu_->Menu()))
    DestroyMenu(skinMenu_->Menu()); // a framework form's menu is its menu component's
  skinMenu_.reset();
}

// ---- control skinners

void TWinSkinForm::SkinChildren() {
  TControlClassifier classifier(*this);
  if (form_) classifier.SkinFormControls(form_);
  else classifier.SkinWindowChildren(window_);
}

void TWinSkinForm::AddControl(TSkinControl* control) {
  if (std::find(controls_.begin(), controls_.end(), control) == controls_.end()) controls_.push_back(control);
}

void TWinSkinForm::RemoveControl(TSkinControl* control) {
  auto found = std::find(controls_.rbegin(), controls_.rend(), control);
  if (found != controls_.rend()) controls_.erase(std::next(found).base());
}

bool TWinSkinForm::HostsWindow(HWND window) const {
  return std::any_of(controls_.begin(), controls_.end(), [&](TSkinControl* c) { return c->Handle() == window; });
}

void TWinSkinForm::FreeGoneControls() {
  std::vector<TSkinControl*> gone;
  for (TSkinControl* control : controls_)
    if (control->Phase() == phWindowGone) gone.push_back(control);
  for (TSkinControl* control : gone) delete control;
}

// Newest first, so a skinner that made others for its parts goes after them. Each skinner
// takes itself off the list as it goes.
void TWinSkinForm::FreeControls(bool restore) {
  while (!controls_.empty()) {
    TSkinControl* control = controls_.back();
    if (restore && control->Phase() != phWindowGone) control->RestoreControl();
    delete control;
  }
}

void TWinSkinForm::MenuReplaced() {
  if (!frameSkinning_ || formKind_ == fmMdiChild || !GetMenu(window_)) return;
  const bool had = skinMenu_ != nullptr;
  if (had) {
    skinMenu_->RebuildMenuButtons();
  } else {
    TakeMenuOver();
    if (skinMenu_) FrameChanged();
  }
  PaintFrame();
}

void TWinSkinForm::RebuildMenuBar() {
  if (!skinMenu_) return;
  skinMenu_->RebuildMenuButtons();
  PaintFrame();
}

bool TWinSkinForm::ShowsMdiButtons() const {
  HWND client = formKind_ == fmMdiFrame && skinMenu_ ? MdiClient() : nullptr;
  if (!client) return false;
  BOOL maximized = FALSE;
  const auto active = reinterpret_cast<HWND>(SendMessageW(client, WM_MDIGETACTIVE, 0, reinterpret_cast<LPARAM>(&maximized)));
  return active && maximized;
}

HWND TWinSkinForm::MdiClient() const {
  return mdiClientHook_ && mdiClientHook_->Hooked() ? mdiClientHook_->Client() : nullptr;
}

void TWinSkinForm::RestoreWindow() {
  FreeControls(true);
  ReleaseWindow();
  if (!window_ || !IsWindow(window_)) return;
  if (form_ && colorSaved_ && state_ != lsNcDestroying) form_->SetColor(savedColor_);
  if (form_ && madeOwnerDraw_ && form_->Menu()) form_->Menu()->SetOwnerDraw(false);
  madeOwnerDraw_ = false;
  RestorePopupMenus();
  if (!frameSkinning_) {
    RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
    return;
  }
  SetNativeButtons(true); // WS_SYSMENU included
  // The native bar comes back first, so the frame the size is restored for includes it.
  FreeSkinMenu(true);
  if (state_ != lsNcDestroying && (!isChild_ || formKind_ == fmMdiChild)) RestoreSize();
  else FrameChanged();
  DropRegionHandle();
  SetWindowRgn(window_, nullptr, TRUE);
  // The children's native borders and faces come back too.
  RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}

// The client keeps its size inside the native frame again.
void TWinSkinForm::RestoreSize() {
  // A dialog widened for its caption gets its own width and its children's places back.
  const int widened = std::exchange(widenedBy_, 0);
  if (childShift_) MoveChildren(-std::exchange(childShift_, 0));
  auto unskinned = [&](Size2 skinned) {
    Size2 size = UnskinnedWindowSize(skinned, borders_, menuHeight_, Size2{unskinnedExtra_.cx, unskinnedExtra_.cy});
    size.width = std::max(0, size.width - widened);
    return size;
  };
  if (showState_ != ssNormal) {
    if (formKind_ != fmMdiChild) SetNormalSize(unskinned(NormalSize()));
    FrameChanged();
    return;
  }
  RECT r{};
  GetWindowRect(window_, &r);
  if (formKind_ == fmMdiChild) MapWindowPoints(HWND_DESKTOP, GetParent(window_), reinterpret_cast<POINT*>(&r), 2);
  const Size2 size = unskinned(Size2{r.right - r.left, r.bottom - r.top});
  SetWindowPos(window_, nullptr, 0, 0, size.width, size.height,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

Size2 TWinSkinForm::NormalSize() const {
  WINDOWPLACEMENT placement{};
  placement.length = sizeof placement;
  if (!GetWindowPlacement(window_, &placement)) return Size2{};
  const RECT& r = placement.rcNormalPosition;
  return Size2{r.right - r.left, r.bottom - r.top};
}

void TWinSkinForm::SetNormalSize(Size2 size) {
  WINDOWPLACEMENT placement{};
  placement.length = sizeof placement;
  if (!GetWindowPlacement(window_, &placement)) return;
  RECT& r = placement.rcNormalPosition;
  if (r.right - r.left == size.width && r.bottom - r.top == size.height) return;
  r.right = r.left + size.width;
  r.bottom = r.top + size.height;
  // Already in that state: showing it so again must not take the activation.
  if (placement.showCmd == SW_SHOWMINIMIZED) placement.showCmd = SW_SHOWMINNOACTIVE;
  SetWindowPlacement(window_, &placement);
}

void TWinSkinForm::ReadNormalClient() {
  RECT frame{0, 0, 0, 0};
  AdjustWindowRectEx(&frame, static_cast<DWORD>(StyleOf(window_)), GetMenu(window_) != nullptr,
                     static_cast<DWORD>(ExStyleOf(window_)));
  unskinnedExtra_ = SIZE{frame.right - frame.left, frame.bottom - frame.top};
  const Size2 normal = NormalSize();
  clientBefore_ = RECT{0, 0, std::max<LONG>(0, normal.width - unskinnedExtra_.cx),
                       std::max<LONG>(0, normal.height - unskinnedExtra_.cy)};
}

void TWinSkinForm::ReapplySkin() {
  painter_->Invalidate();
  if (form_) form_->SetColor(static_cast<TColor>(skinData_->ColourButtonFace));
  state_ = lsReapplying;
  if (frameSkinning_ && form_) {
    // The client to keep is the one the window has now, inside the old borders: it may have
    // been resized since it was skinned.
    if (showState_ == ssNormal) GetClientRect(window_, &clientBefore_);
    ResizeForSkin(true);
    const SIZE size = WindowSize(window_);
    SetWindowPos(window_, nullptr, 0, 0, size.cx, size.cy + 1, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    SetWindowPos(window_, nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  BuildRegion();
  // A copy: a skinner may rebuild its parts, and so the list, while it re-reads the skin.
  const std::vector<TSkinControl*> controls = controls_;
  for (TSkinControl* control : controls) control->SkinChanged();
  SendMessageW(window_, SKINMSG_SKINNED, 0, kSkinMark);
  if (skinData_->OnAfterSkinForm) skinData_->OnAfterSkinForm(form_, window_, className_);
  state_ = lsRunning;
  PaintFrame();
  // Every child shows the new skin: a container's repaint alone leaves its children's old
  // pixels wherever it painted over them.
  RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void TWinSkinForm::SetNativeButtons(bool on) {
  SetStyleBits(window_, GWL_STYLE, WS_MAXIMIZEBOX, on && (nativeButtons_ & kNbMaximizeBox));
  SetStyleBits(window_, GWL_STYLE, WS_MINIMIZEBOX, on && (nativeButtons_ & kNbMinimizeBox));
  SetStyleBits(window_, GWL_EXSTYLE, WS_EX_CONTEXTHELP, on && (nativeButtons_ & kNbContextHelp));
  if (on) SetStyleBits(window_, GWL_STYLE, WS_SYSMENU, (nativeButtons_ & kNbSystemMenu) != 0);
}

// ---- region

void TWinSkinForm::BuildRegion() {
  if (state_ == lsFinished || !frameSkinning_ || !window_) return;
  if (formKind_ == fmMdiChild && showState_ != ssNormal) return;
  const SIZE size = WindowSize(window_);
  if (size.cx <= 0 || size.cy <= 0) return;
  if (region_ && size.cx == regionSize_.cx && size.cy == regionSize_.cy && formKind_ != fmMdiChild &&
      state_ != lsReapplying)
    return;
  HRGN region = painter_->BuildRegion(size.cx, size.cy);
  if (!region) return;
  // The window owns a region once it is set; ours is only a note of what was set.
  region_ = region;
  regionSize_ = size;
  SetWindowRgn(window_, region, TRUE);
}

void TWinSkinForm::DropRegion() {
  DropRegionHandle();
  if (window_ && IsWindow(window_)) SetWindowRgn(window_, nullptr, formKind_ == fmMdiChild);
}

void TWinSkinForm::DropRegionHandle() {
  region_ = nullptr;
  regionSize_ = SIZE{0, 0};
}

// ---- painting

void TWinSkinForm::PaintFrame(HDC dc) {
  if (state_ != lsRunning && state_ != lsReapplying) return;
  if (frameKind_ == fkNoCaption || (formKind_ == fmMdiChild && showState_ == ssMaximized)) return;
  try {
    painter_->Paint(dc);
  } catch (...) {
    // A frame that cannot be painted stays as it was; the window keeps working.
  }
  captionButtons_->ClearHot();
}

// Read once and kept until the text changes: a framework window's WM_GETTEXT costs more than
// the whole frame paint otherwise.
const std::wstring& TWinSkinForm::WindowText() const {
  if (!textValid_) {
    text_ = ReadWindowText();
    textValid_ = true;
  }
  return text_;
}

std::wstring TWinSkinForm::ReadWindowText() const {
  if (unicode_) {
    const int length = GetWindowTextLengthW(window_);
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(window_, &text[0], length + 1)));
    return text;
  }
  char buffer[1001] = {};
  const LRESULT got = SendMessageA(window_, WM_GETTEXT, sizeof buffer, reinterpret_cast<LPARAM>(buffer));
  const int length = static_cast<int>(got < 0 ? 0 : got > 1000 ? 1000 : got);
  std::wstring text(static_cast<size_t>(length), L'\0');
  if (length > 0) text.resize(static_cast<size_t>(MultiByteToWideChar(CP_ACP, 0, buffer, length, &text[0], length)));
  return text;
}

void TWinSkinForm::EnableHoverTimer(bool on) {
  if (on == hoverTimer_ || !window_) return;
  if (on) hoverTimer_ = SetTimer(window_, kHoverTimer, kHoverInterval, nullptr) != 0;
  else {
    KillTimer(window_, kHoverTimer);
    hoverTimer_ = false;
  }
}

// ---- messages

LRESULT TWinSkinForm::Default(UINT msg, WPARAM wParam, LPARAM lParam) { return subclass_.CallOld(msg, wParam, lParam); }

LRESULT TWinSkinForm::FormWindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg != WM_SETTEXT) return SkinnedWindowProc(msg, wParam, lParam);
  // The kept caption is dropped before the text changes and again once it has.
  textValid_ = false;
  const LRESULT result = SkinnedWindowProc(msg, wParam, lParam);
  textValid_ = false;
  return result;
}

LRESULT TWinSkinForm::SkinnedWindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
  if (state_ == lsCreated) {
    if (msg == WM_NCPAINT) return 0;
    // Nothing native is painted before the set-up; the activation change is let through (an
    // answer of 0 would keep the window from being deactivated).
    if (msg == WM_NCACTIVATE && formKind_ != fmMdiChild) {
      active_ = wParam != FALSE;
      return 1;
    }
  }
  switch (msg) {
  case WM_ERASEBKGND: {
    const LRESULT result = Default(msg, wParam, lParam);
    if (form_) return result;
    RECT r;
    GetClientRect(window_, &r);
    ::FillRect(reinterpret_cast<HDC>(wParam), &r, skinData_->FaceBrush);
    return 1;
  }
  case WM_NCDESTROY: {
    state_ = lsNcDestroying;
    ReleaseWindow();
    const LRESULT result = subclass_.CallOld(msg, wParam, lParam);
    state_ = lsFinished;
    return result;
  }
  case WM_NCUAHDRAWCAPTION: return 0;
  case WM_MENUSELECT:
    if (skinMenu_) skinMenu_->MenuSelect(wParam, lParam);
    return Default(msg, wParam, lParam);
  case WM_INITMENUPOPUP:
    currentPopup_ = reinterpret_cast<HMENU>(wParam);
    if (TSkinManage* manager = TSkinManage::Instance())
      manager->SetMenuKind(reinterpret_cast<HMENU>(wParam) == systemMenu_ || HIWORD(lParam) ? 2 : 1);
    return Default(msg, wParam, lParam);
  case WM_CTLCOLORBTN:
  case WM_CTLCOLORSTATIC: {
    const LRESULT result = Default(msg, wParam, lParam);
    if (form_) return result;
    SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
    return msg == WM_CTLCOLORSTATIC ? reinterpret_cast<LRESULT>(skinData_->FaceBrush) : result;
  }
  case SKINMSG_INITFORM: InitForm(); return 0;
  case SKINMSG_REBUILDSCROLLBAR:
    TControlClassifier(*this).RebuildScrollbar(reinterpret_cast<HWND>(wParam));
    return 0;
  case SKINMSG_QUERY:
    PostMessageW(window_, SKINMSG_SKINNED, 0, kSkinMark);
    return 1;
  case WM_TIMER:
    if (wParam == kHoverTimer) {
      captionButtons_->OnHoverTimer();
      return 0;
    }
    break;
  }
  if (!frameSkinning_ || (isChild_ && formKind_ != fmMdiChild) || !HandlesFrameMessage(msg))
    return Default(msg, wParam, lParam);
  return FrameMessage(msg, wParam, lParam);
}

bool TWinSkinForm::HandlesFrameMessage(UINT msg) const {
  switch (msg) {
  case WM_SIZE:
  case WM_GETMINMAXINFO:
  case WM_WINDOWPOSCHANGED:
  case WM_SETICON:
  case WM_COMMAND:
  case WM_SYSCOMMAND:
  case WM_ACTIVATE:
  case SKINMSG_MENUACCEL:
  case CM_MENUCHANGED: return true;
  case WM_NCCALCSIZE:
  case WM_NCHITTEST:
  case WM_NCPAINT:
  case WM_NCACTIVATE:
  case WM_NCMOUSEMOVE:
  case WM_NCLBUTTONDOWN:
  case WM_NCLBUTTONUP:
  case WM_NCLBUTTONDBLCLK:
  case WM_NCRBUTTONDOWN:
  case WM_DRAWITEM:
  case WM_MEASUREITEM:
  case WM_WINDOWPOSCHANGING:
  case SKINMSG_REPAINTFRAME:
    return state_ != lsCreated && !(formKind_ == fmMdiChild && showState_ == ssMaximized);
  default: return false;
  }
}

LRESULT TWinSkinForm::FrameMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
  case WM_SIZE: return OnSize(wParam, lParam);
  case WM_GETMINMAXINFO: return OnGetMinMaxInfo(wParam, lParam);
  case WM_WINDOWPOSCHANGED:
    ReadShowState();
    return Default(msg, wParam, lParam);
  case WM_SETICON: {
    const LRESULT result = Default(msg, wParam, lParam);
    painter_->RebuildIcon();
    PaintFrame();
    return result;
  }
  case WM_ACTIVATE:
    active_ = LOWORD(wParam) != WA_INACTIVE;
    return Default(msg, wParam, lParam);
  case CM_MENUCHANGED: return OnMenuChanged(wParam, lParam);
  case WM_NCCALCSIZE: return OnNcCalcSize(wParam, lParam);
  case WM_NCHITTEST: return OnNcHitTest(wParam, lParam);
  case WM_NCPAINT:
    if (!(nativeButtons_ & kNbKeepSystemMenu)) SetStyleBits(window_, GWL_STYLE, WS_SYSMENU, false);
    if (skinData_->FramePainting) PaintFrame();
    return 0;
  case WM_NCACTIVATE: return OnNcActivate(wParam, lParam);
  case SKINMSG_REPAINTFRAME: PaintFrame(); return 0;
  case WM_MEASUREITEM:
  case WM_DRAWITEM: return OnMenuItem(msg, wParam, lParam);
  case WM_COMMAND:
  case WM_SYSCOMMAND:
  case WM_NCMOUSEMOVE:
  case WM_NCLBUTTONDOWN:
  case WM_NCLBUTTONUP:
  case WM_NCLBUTTONDBLCLK:
  case WM_NCRBUTTONDOWN:
  case SKINMSG_MENUACCEL: {
    LRESULT result = 0;
    if (captionButtons_->HandleMessage(msg, wParam, lParam, result)) return result;
    return Default(msg, wParam, lParam);
  }
  default: return Default(msg, wParam, lParam);
  }
}

const Bitmap* TWinSkinForm::BindItemBackground(HMENU menu) {
  TSkinManage* manager = TSkinManage::Instance();
  if (!manager) return nullptr;
  // The newest popup window not yet bound shows this menu; once bound it stays so.
  if (!manager->FindMenuBitmap(menu)) manager->BindLastPopupMenu(menu);
  if (menuTracking_) manager->MarkPopupMenus();
  const Bitmap* background = manager->FindMenuBitmap(menu);
  return background && !background->Empty() ? background : nullptr;
}

TMenuItem* TWinSkinForm::FindFormMenuItem(UINT command, TMenu*& menu) const {
  if (!form_) return nullptr;
  if (TMenuItem* item = form_->Menu() ? form_->Menu()->FindItem(command, fkCommand) : nullptr) {
    menu = form_->Menu();
    return item;
  }
  TMenuItem* item = FindMenuItem(command);
  TMenu* parent = item ? item->GetParentMenu() : nullptr;
  for (TPopupMenu* popup : OwnedOwnerDrawnPopups())
    if (parent == popup) {
      menu = popup;
      return item;
    }
  return nullptr;
}

std::vector<TPopupMenu*> TWinSkinForm::OwnedOwnerDrawnPopups() const {
  std::vector<TPopupMenu*> owned;
  if (!form_) return owned;
  for (int i = 0; i < form_->ComponentCount(); ++i) {
    auto* popup = dynamic_cast<TPopupMenu*>(form_->Components(i));
    if (popup && std::find(ownerDrawnPopups_.begin(), ownerDrawnPopups_.end(), popup) != ownerDrawnPopups_.end())
      owned.push_back(popup);
  }
  return owned;
}

void TWinSkinForm::OwnerDrawPopupMenus() {
  if (!form_) return;
  for (int i = 0; i < form_->ComponentCount(); ++i) {
    auto* popup = dynamic_cast<TPopupMenu*>(form_->Components(i));
    if (!popup || popup->OwnerDraw()) continue;
    popup->SetOwnerDraw(true);
    ownerDrawnPopups_.push_back(popup);
  }
}

void TWinSkinForm::RestorePopupMenus() {
  for (TPopupMenu* popup : OwnedOwnerDrawnPopups()) popup->SetOwnerDraw(false);
  ownerDrawnPopups_.clear();
}

// Owner-drawn items of the window's menus that the window does not draw itself: system
// commands and identifiers beyond the range of the window's own commands.
LRESULT TWinSkinForm::OnMenuItem(UINT msg, WPARAM wParam, LPARAM lParam) {
  if (skinSystemMenu_->HandlesItemMessage(msg, lParam)) return skinSystemMenu_->ItemMessage(msg, lParam);
  const bool measure = msg == WM_MEASUREITEM;
  const UINT type = measure ? reinterpret_cast<MEASUREITEMSTRUCT*>(lParam)->CtlType : reinterpret_cast<DRAWITEMSTRUCT*>(lParam)->CtlType;
  const UINT id = measure ? reinterpret_cast<MEASUREITEMSTRUCT*>(lParam)->itemID : reinterpret_cast<DRAWITEMSTRUCT*>(lParam)->itemID;
  if (type != ODT_MENU) return Default(msg, wParam, lParam);
  TMenu* owner = nullptr;
  if (TMenuItem* item = FindFormMenuItem(id, owner)) return FrameworkMenuItem(*item, *owner, msg, lParam);
  if (!(skinMenu_ || GetMenu(window_)) || (id >= 1 && id <= 4095)) return Default(msg, wParam, lParam);
  wchar_t text[80] = {};
  MENUITEMINFOW info{};
  info.cbSize = sizeof info;
  info.fMask = MIIM_STATE | MIIM_FTYPE | MIIM_STRING;
  info.dwTypeData = text;
  info.cch = 79;
  if (measure) {
    auto& m = *reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
    if (!currentPopup_ || !GetMenuItemInfoW(currentPopup_, id, FALSE, &info)) text[0] = 0;
    const MenuItemSize size = TMenuItemPainter::Measure(text, static_cast<int>(m.itemHeight), *skinData_);
    m.itemWidth = static_cast<UINT>(size.width);
    m.itemHeight = static_cast<UINT>(size.height);
    return TRUE;
  }
  const auto& d = *reinterpret_cast<DRAWITEMSTRUCT*>(lParam);
  auto menu = reinterpret_cast<HMENU>(d.hwndItem);
  if (!GetMenuItemInfoW(menu, id, FALSE, &info)) text[0] = 0;
  MenuItemLook look;
  SetItemText(look, text);
  look.enabled = !(d.itemState & (ODS_GRAYED | ODS_DISABLED));
  look.checked = (d.itemState & ODS_CHECKED) != 0;
  look.isDefault = (d.itemState & ODS_DEFAULT) != 0;
  look.selected = (d.itemState & ODS_SELECTED) != 0;
  look.rightToLeft = rightToLeft_ || (info.fType & MFT_RIGHTORDER);
  itemPainter_->Draw(d, look, *skinData_, BindItemBackground(menu));
  return TRUE;
}

// An item of the form's menu: it measures itself (without its own measure handler), the skin
// adds its room; drawing is the skin's, from the item's caption and state.
LRESULT TWinSkinForm::FrameworkMenuItem(TMenuItem& item, TMenu& menu, UINT msg, LPARAM lParam) {
  const TDataSkinObject* element = skinData_->MenuItem && !skinData_->MenuItem->Bitmap.Empty() ? skinData_->MenuItem.get() : nullptr;
  if (msg == WM_MEASUREITEM) {
    auto& m = *reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
    TMenuMeasureItemEvent own = item.OnMeasureItem();
    item.SetOnMeasureItem(nullptr);
    int width = static_cast<int>(m.itemWidth), height = static_cast<int>(m.itemHeight);
    HDC dc = GetDC(nullptr);
    HGDIOBJ old = SelectObject(dc, MenuFont());
    item.MeasureItem(dc, width, height);
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    item.SetOnMeasureItem(std::move(own));
    m.itemWidth = static_cast<UINT>(FrameworkMenuItemWidth(width, element, menu.Images() != nullptr));
    m.itemHeight = static_cast<UINT>(height);
    return TRUE;
  }
  const auto& d = *reinterpret_cast<DRAWITEMSTRUCT*>(lParam);
  MenuItemLook look;
  const std::string caption = item.Caption();
  look.caption.assign(caption.begin(), caption.end());
  if (!caption.empty()) {
    std::wstring wide(caption.size(), L'\0');
    wide.resize(static_cast<size_t>(MultiByteToWideChar(CP_ACP, 0, caption.data(), static_cast<int>(caption.size()), &wide[0],
                                                        static_cast<int>(wide.size()))));
    look.caption = wide;
  }
  const std::string keys = ShortCutToText(item.ShortCut());
  look.shortcut.assign(keys.begin(), keys.end());
  look.enabled = item.Enabled() && !(d.itemState & (ODS_GRAYED | ODS_DISABLED));
  look.checked = item.Checked();
  look.isDefault = item.Default();
  look.selected = (d.itemState & ODS_SELECTED) != 0;
  look.image = item.ImageIndex();
  look.images = menu.Images();
  look.rightToLeft = menu.IsRightToLeft();
  itemPainter_->Draw(d, look, *skinData_, BindItemBackground(reinterpret_cast<HMENU>(d.hwndItem)));
  return TRUE;
}

LRESULT TWinSkinForm::OnNcCalcSize(WPARAM wParam, LPARAM lParam) {
  const LRESULT result = Default(WM_NCCALCSIZE, wParam, lParam);
  if (!wParam) return 0;
  auto* params = reinterpret_cast<NCCALCSIZE_PARAMS*>(lParam);
  if ((formKind_ == fmMdiChild && showState_ != ssNormal) || frameKind_ == fkNoCaption) {
    params->rgrc[1] = params->rgrc[0];
    return WVR_VALIDRECTS;
  }
  (void)result;
  const WINDOWPOS* pos = params->lppos;
  const Rect window = pos ? RectOfSize(pos->x, pos->y, pos->cx, pos->cy) : ToRect(params->rgrc[0]);
  params->rgrc[0] = ToRECT(SkinnedClientRect(window, borders_, menuHeight_));
  params->rgrc[1] = params->rgrc[0];
  return WVR_VALIDRECTS;
}

LRESULT TWinSkinForm::OnNcHitTest(WPARAM wParam, LPARAM lParam) {
  LRESULT answer = Default(WM_NCHITTEST, wParam, lParam);
  // The native caption buttons are not drawn: the places where they would be are caption, or
  // a click there would run (and paint) an invisible native button.
  switch (answer) {
  case HTSYSMENU:
  case HTMINBUTTON:
  case HTMAXBUTTON:
  case HTCLOSE:
  case HTHELP: answer = HTCAPTION; break;
  }
  RECT window{};
  GetWindowRect(window_, &window);
  const int frameY = GET_Y_LPARAM(lParam) - window.top;
  return FrameHitTest(static_cast<int>(answer), frameY, borders_.top, menuHeight_ > 0 && formKind_ != fmMdiChild);
}

LRESULT TWinSkinForm::OnNcActivate(WPARAM wParam, LPARAM lParam) {
  active_ = wParam != FALSE;
  EnableHoverTimer(active_);
  if (formKind_ == fmMdiChild) Default(WM_NCACTIVATE, wParam, lParam);
  // The active child's caption follows the frame's.
  if (HWND client = MdiClient()) SendMessageW(client, WM_NCACTIVATE, wParam, lParam);
  if (!(formKind_ == fmMdiChild && showState_ == ssMaximized)) PaintFrame();
  return 1;
}

LRESULT TWinSkinForm::OnSize(WPARAM wParam, LPARAM lParam) {
  const LRESULT result = Default(WM_SIZE, wParam, lParam);
  if (wParam == SIZE_RESTORED) showState_ = ssNormal;
  else if (wParam == SIZE_MINIMIZED) showState_ = ssMinimized;
  else if (wParam == SIZE_MAXIMIZED) showState_ = ssMaximized;
  TSkinManage* manager = TSkinManage::Instance();
  // However a child came to be maximised or restored (caption button, system command, the
  // client's own messages), every child follows. Only a change counts: a maximised child also
  // gets SIZE_MAXIMIZED from each frame change, such as the region set on it when the flag is
  // cleared before a tile.
  if (formKind_ == fmMdiChild && manager && (wParam == SIZE_MAXIMIZED) != zoomed_) {
    zoomed_ = wParam == SIZE_MAXIMIZED;
    if (zoomed_) manager->SetMdiMaximized(true);
    else if (wParam == SIZE_RESTORED && !AnyChildZoomed(GetParent(window_))) manager->SetMdiMaximized(false);
  }
  const bool mdiHeld = formKind_ == fmMdiChild && ((manager && manager->MdiMaximized()) || showState_ != ssNormal);
  if (showState_ != ssMinimized && !mdiHeld && (state_ == lsRunning || state_ == lsReapplying)) BuildRegion();
  return result;
}

LRESULT TWinSkinForm::OnGetMinMaxInfo(WPARAM wParam, LPARAM lParam) {
  const LRESULT result = Default(WM_GETMINMAXINFO, wParam, lParam);
  ReadShowState();
  SetNativeButtons(showState_ == ssMinimized || (formKind_ == fmMdiChild && showState_ == ssMaximized));
  return result;
}

LRESULT TWinSkinForm::OnMenuChanged(WPARAM wParam, LPARAM lParam) {
  skinData_->FramePainting = false;
  const LRESULT result = Default(CM_MENUCHANGED, wParam, lParam);
  skinData_->FramePainting = true;
  if (GetMenu(window_) && formKind_ != fmMdiChild && (skinMenu_ || skinData_->MenuBar)) {
    const bool had = skinMenu_ != nullptr;
    TakeMenuOver();
    if (!had) FrameChanged();
    if (skinMenu_) skinMenu_->LayoutMenuButtons();
    PaintFrame();
  }
  return result;
}

void TWinSkinForm::FormMessageHook(TMessage& message, const TWindowProcChain::Next& next) {
  switch (message.Msg) {
  case WM_SETTEXT:
    next(message);
    if (!IsWindowVisible(window_)) return;
    if (showState_ == ssMaximized) {
      if (HWND client = TSkinManage::Instance() ? TSkinManage::Instance()->MdiClient() : nullptr)
        PostMessageW(client, SKINMSG_MDIREDRAW, reinterpret_cast<WPARAM>(window_), 0);
    }
    if (showState_ == ssMinimized) PaintFrame();
    else FrameChanged();
    return;
  case SKINMSG_REAPPLY: ReapplySkin(); return;
  case SKINMSG_PRINTFRAME:
    if (message.LParam == kSkinMark) {
      if (message.WParam) PaintFrame(reinterpret_cast<HDC>(message.WParam));
      message.Result = kSkinMark;
      return;
    }
    break;
  case SKINMSG_ISSKINNED: message.Result = message.LParam == kSkinMark ? kSkinMark : 1; return;
  case CM_DIALOGCHAR:
    next(message);
    // Alt and an accelerator of the bar opens that menu.
    if (!message.Result && skinMenu_ && (message.LParam & 0x20000000))
      if (TMenuBtn* button = skinMenu_->ButtonForKey(static_cast<wchar_t>(message.WParam))) {
        message.Result = 1;
        skinMenu_->Open(*button);
      }
    return;
  }
  next(message);
}

} // namespace vcu
