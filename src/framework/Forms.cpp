#include "framework/Forms.h"

#include <algorithm>

#include <commctrl.h>
#include <objbase.h>

#include "framework/LayoutReader.h"
#include "framework/Win32Platform.h"

namespace vcu {

// ---- TForm

const TClassInfo& TForm::ClassInfo() {
  static const TClassInfo info(
      "TForm", &TWinControl::ClassInfo(),
      {SetProperty("BorderIcons", {"biSystemMenu", "biMinimize", "biMaximize", "biHelp"}, &TForm::BorderIcons,
                   &TForm::SetBorderIcons),
       EnumProperty("BorderStyle", {"bsNone", "bsSingle", "bsSizeable", "bsDialog", "bsToolWindow", "bsSizeToolWin"},
                    &TForm::BorderStyle, &TForm::SetBorderStyle),
       EnumProperty("Position",
                    {"poDesigned", "poDefault", "poDefaultPosOnly", "poDefaultSizeOnly", "poScreenCenter",
                     "poDesktopCenter"},
                    &TForm::Position, &TForm::SetPosition),
       IntegerProperty("ClientWidth", &TForm::ClientWidthProp, &TForm::SetClientWidth),
       IntegerProperty("ClientHeight", &TForm::ClientHeightProp, &TForm::SetClientHeight),
       IntegerProperty("PixelsPerInch", &TForm::PixelsPerInch, &TForm::SetPixelsPerInch),
       IntegerProperty("TextHeight", &TForm::TextHeight, &TForm::SetTextHeight),
       ComponentProperty("Menu", &TForm::Menu, &TForm::SetMenu),
       EventProperty("OnCreate", &TForm::SetOnCreate)});
  return info;
}

TForm::TForm(TComponent* owner) : TWinControl(owner) {
  TControl::SetVisible(false);
  SetColor(clBtnFace);
  SetBounds(0, 0, 320, 240);
  Screen->AddForm(this);
}

TForm::~TForm() {
  Screen->RemoveForm(this);
  Application->FormDestroyed(this);
}

void TForm::InitializeForm() {
  std::string layout;
  if (LoadLayoutResource(ClassName(), layout)) ReadComponentLayout(*this, layout);
  if (onCreate_) onCreate_(this);
}

int TForm::ClientWidthProp() const {
  return HandleAllocated() || clientWidth_ < 0 ? ClientWidth() : clientWidth_;
}

int TForm::ClientHeightProp() const {
  return HandleAllocated() || clientHeight_ < 0 ? ClientHeight() : clientHeight_;
}

// The window grows or shrinks by the difference between the wanted and the actual client size.
void TForm::SetClientWidth(int width) {
  clientWidth_ = width;
  if (HandleAllocated()) SetBounds(Left(), Top(), Width() + width - ClientWidth(), Height());
}

void TForm::SetClientHeight(int height) {
  clientHeight_ = height;
  if (HandleAllocated()) SetBounds(Left(), Top(), Width(), Height() + height - ClientHeight());
}

RECT TForm::ClientRect() const {
  if (HandleAllocated() || clientWidth_ < 0 || clientHeight_ < 0) return TWinControl::ClientRect();
  return RECT{0, 0, clientWidth_, clientHeight_};
}

void TForm::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.style = WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
  params.wndParent = nullptr;
  switch (borderStyle_) {
  case bsNone: params.style |= WS_POPUP; break;
  case bsSingle: params.style |= WS_CAPTION | WS_BORDER; break;
  case bsDialog:
    params.style |= WS_POPUP | WS_CAPTION;
    params.exStyle |= WS_EX_DLGMODALFRAME;
    break;
  case bsToolWindow:
    params.style |= WS_CAPTION;
    params.exStyle |= WS_EX_TOOLWINDOW;
    break;
  default: params.style |= WS_CAPTION | WS_THICKFRAME; break;
  }
  if (borderStyle_ != bsNone && (borderIcons_ & biSystemMenu)) {
    params.style |= WS_SYSMENU;
    bool dialog = borderStyle_ == bsDialog || borderStyle_ == bsToolWindow || borderStyle_ == bsSizeToolWin;
    if (!dialog && (borderIcons_ & biMinimize)) params.style |= WS_MINIMIZEBOX;
    if (!dialog && (borderIcons_ & biMaximize)) params.style |= WS_MAXIMIZEBOX;
  }
  if (!Enabled()) params.style |= WS_DISABLED;
  // A modal form stays above the form that was active when it opened.
  if (modal_) {
    TWinControl* active = FindControl(GetActiveWindow());
    if (active) params.wndParent = active->Handle();
  }
}

void TForm::CreateHandle() {
  TWinControl::CreateHandle();
  AttachMenu();
  if (clientWidth_ >= 0) SetClientWidth(clientWidth_);
  if (clientHeight_ >= 0) SetClientHeight(clientHeight_);
}

void TForm::PaintWindow(HDC) {} // the background is erased with the form's colour

void TForm::SetVisible(bool visible) {
  if (visible) {
    HandleNeeded();
    if (position_ == poScreenCenter || position_ == poDesktopCenter) CenterOnScreen();
  }
  TWinControl::SetVisible(visible);
}

void TForm::Show() {
  SetVisible(true);
  SetForegroundWindow(Handle());
}

void TForm::CenterOnScreen() {
  SetBounds((Screen->Width() - Width()) / 2, (Screen->Height() - Height()) / 2, Width(), Height());
}

void TForm::Close() {
  if (modal_) SetModalResult(mrCancel);
  else if (Application->MainForm() == this) Application->Terminate();
  else Hide();
}

void TForm::SetModalResult(int result) {
  modalResult_ = result;
  // A result set while a sent message is handled (a click sent by another program) leaves
  // the modal loop waiting in GetMessage for the next posted message: wake it.
  if (modal_ && result != mrNone && HandleAllocated()) PostMessageA(Handle(), WM_NULL, 0, 0);
}

int TForm::ShowModal() {
  modal_ = true;
  modalResult_ = mrNone;
  std::vector<HWND> disabled;
  for (int i = 0; i < Screen->FormCount(); ++i) {
    TForm* other = Screen->Forms(i);
    if (other == this || !other->HandleAllocated()) continue;
    HWND window = other->Handle();
    if (IsWindowVisible(window) && IsWindowEnabled(window)) {
      disabled.push_back(window);
    }
  }
  Show();
  for (HWND window : disabled) EnableWindow(window, FALSE);
  if (TButton* button = FindButton(true)) button->SetFocus();
  while (modalResult_ == mrNone && !Application->Terminated()) Application->HandleMessage();
  for (HWND window : disabled) EnableWindow(window, TRUE);
  Hide();
  modal_ = false;
  return modalResult_;
}

TButton* TForm::FindButton(bool defaultButton) {
  std::vector<TWinControl*> list;
  GetTabOrderList(list);
  for (TWinControl* c : list)
    if (auto* b = dynamic_cast<TButton*>(c); b && (defaultButton ? b->Default() : b->Cancel())) return b;
  return nullptr;
}

void TForm::SelectNext(bool forward) {
  std::vector<TWinControl*> list;
  GetTabOrderList(list);
  list.erase(std::remove_if(list.begin(), list.end(),
                            [](TWinControl* c) {
                              return !c->TabStop() || !c->HandleAllocated() || !IsWindowVisible(c->Handle()) ||
                                     !IsWindowEnabled(c->Handle());
                            }),
             list.end());
  if (list.empty()) return;
  auto current = std::find_if(list.begin(), list.end(), [](TWinControl* c) { return c->Focused(); });
  size_t index = current == list.end() ? 0 : static_cast<size_t>(current - list.begin());
  size_t n = list.size();
  size_t next = current == list.end() ? 0 : (forward ? (index + 1) % n : (index + n - 1) % n);
  list[next]->SetFocus();
}

bool TForm::DialogKey(WPARAM key) {
  switch (key) {
  case VK_TAB: SelectNext(GetKeyState(VK_SHIFT) >= 0); return true;
  case VK_RETURN:
  case VK_ESCAPE:
    if (TButton* button = FindButton(key == VK_RETURN)) {
      button->Click();
      return true;
    }
    return false;
  default: return false;
  }
}

void TForm::Dispatch(TMessage& message) {
  switch (message.Msg) {
  case WM_CLOSE: WMClose(message); return;
  case CM_MENUCHANGED: CMMenuChanged(message); return;
  case WM_DESTROY:
    // The system destroys the menu a window shows; the menu outlives this window.
    if (menu_ && menu_->HandleAllocated() && GetMenu(Handle()) == menu_->Handle()) ::SetMenu(Handle(), nullptr);
    if (menu_ && menu_->WindowHandle() == Handle()) menu_->SetWindowHandle(nullptr);
    break;
  case WM_COMMAND:
  case WM_MEASUREITEM:
  case WM_DRAWITEM:
    if (HandleMenuMessage(message)) return;
    break;
  }
  TWinControl::Dispatch(message);
}

void TForm::WMClose(TMessage&) { Close(); }

void TForm::SetMenu(TMainMenu* menu) {
  if (menu == menu_) return;
  if (menu_) {
    menu_->RemoveFreeNotification(this);
    if (HandleAllocated() && menu_->WindowHandle() == Handle()) menu_->SetWindowHandle(nullptr);
  }
  menu_ = menu;
  if (menu_) menu_->FreeNotification(this);
  if (HandleAllocated()) SendMessageA(Handle(), CM_MENUCHANGED, 0, 0);
}

void TForm::Notification(TComponent* component, TOperation operation) {
  TWinControl::Notification(component, operation);
  if (operation == opRemove && component == menu_) menu_ = nullptr; // the menu took itself off
}

// The window shows the menu's native HMENU (or none); the menu knows its window.
void TForm::AttachMenu() {
  HWND window = Handle();
  HMENU wanted = menu_ ? menu_->Handle() : nullptr;
  if (menu_) menu_->SetWindowHandle(window);
  if (GetMenu(window) != wanted) ::SetMenu(window, wanted);
  else if (wanted) DrawMenuBar(window);
}

// Items changed, or another menu was set: the rebuilt menu goes (back) on the window. A skin
// that draws the bar itself takes it off again after this.
void TForm::CMMenuChanged(TMessage&) { AttachMenu(); }

bool TForm::IsShortCut(WORD key) { return menu_ && menu_->IsShortCut(ShortCutFromKey(key)); }

TForm* GetParentForm(TControl* control) {
  while (control && control->Parent()) control = control->Parent();
  return dynamic_cast<TForm*>(control);
}

// ---- TScreen

void TScreen::RemoveForm(TForm* form) {
  forms_.erase(std::remove(forms_.begin(), forms_.end(), form), forms_.end());
}

// ---- TApplication

const TClassInfo& TApplication::ClassInfo() {
  static const TClassInfo info("TApplication", &TComponent::ClassInfo(), {});
  return info;
}

// The framework's colours are the running system's from the start: the colour resolver shared
// with the core answers through the platform in force.
// The common control classes (up-down, track bar, progress bar, status bar, header, list view,
// date picker) are registered once, before any form can create one.
TApplication::TApplication(TComponent* owner) : TComponent(owner) {
  UseWin32Platform();
  INITCOMMONCONTROLSEX classes{sizeof(INITCOMMONCONTROLSEX),
                               ICC_WIN95_CLASSES | ICC_DATE_CLASSES | ICC_USEREX_CLASSES | ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&classes);
}

void TApplication::Initialize() { CoInitialize(nullptr); }

void TApplication::FormDestroyed(TForm* form) {
  if (mainForm_ == form) mainForm_ = nullptr;
}

void TApplication::Run() {
  if (terminated_) return;
  if (mainForm_) mainForm_->Show();
  while (!terminated_) HandleMessage();
}

void TApplication::Terminate() {
  if (terminated_) return;
  terminated_ = true;
  PostQuitMessage(0);
}

void TApplication::HandleMessage() {
  MSG msg;
  if (GetMessageA(&msg, nullptr, 0, 0) <= 0) {
    terminated_ = true;
    return;
  }
  ProcessMessage(msg);
}

void TApplication::ProcessMessages() {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      terminated_ = true;
      return;
    }
    ProcessMessage(msg);
  }
}

bool TApplication::ProcessMessage(MSG& msg) {
  if (IsShortCut(msg) || IsDialogKey(msg)) return true;
  TranslateMessage(&msg);
  DispatchMessageA(&msg);
  return true;
}

bool TApplication::IsShortCut(const MSG& msg) {
  if (msg.message != WM_KEYDOWN && msg.message != WM_SYSKEYDOWN) return false;
  TForm* form = GetParentForm(FindControl(msg.hwnd));
  return form && form->IsShortCut(static_cast<WORD>(msg.wParam));
}

bool TApplication::IsDialogKey(const MSG& msg) {
  if (msg.message != WM_KEYDOWN) return false;
  if (msg.wParam != VK_TAB && msg.wParam != VK_RETURN && msg.wParam != VK_ESCAPE) return false;
  TWinControl* target = FindControl(msg.hwnd);
  if (!target || (msg.wParam == VK_RETURN && dynamic_cast<TCustomMemo*>(target))) return false;
  TForm* form = GetParentForm(target);
  return form && form->DialogKey(msg.wParam);
}

void TApplication::HandleException(TObject*) {
  try {
    throw;
  } catch (const std::exception& error) {
    ShowException(error);
  } catch (...) {
    ShowException(Exception("Unknown error"));
  }
}

void TApplication::ShowException(const std::exception& error) {
  std::string text = error.what();
  if (!text.empty() && static_cast<unsigned char>(text.back()) > '.') text += '.';
  MessageBoxA(GetActiveWindow(), text.c_str(), title_.c_str(), MB_OK | MB_ICONSTOP);
}

void HandleWindowException(TObject* sender) { Application->HandleException(sender); }

namespace {
TScreen defaultScreen;
TApplication defaultApplication(nullptr);
} // namespace

TScreen* Screen = &defaultScreen;
TApplication* Application = &defaultApplication;

} // namespace vcu
