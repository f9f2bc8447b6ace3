#include "skin/form/SkinManage.h"

#include <algorithm>
#include <utility>

#include "framework/Controls.h"
#include "framework/Forms.h"
#include "skin/data/WinSkinData.h"
#include "skin/data/WindowClass.h"
#include "skin/form/ControlClassifier.h"
#include "skin/form/WinSkinForm.h"
#include "skin/menus/WinSkinPopMenu.h"

namespace vcu {
namespace {

constexpr UINT_PTR kRequestTimer = 1;
constexpr const char* kTimerWindowClass = "TSkinManageTimer";
constexpr std::int64_t kUnskinnedFormTag = 99; // fixed: independent of DisableTag

// A plain pointer, readable at any time during the program's end: skin data components freed
// after the manager has gone then find none.
TSkinManage* instance = nullptr;

// Ends the manager when the program ends.
struct Finalization {
  ~Finalization() { TSkinManage::Destroy(); }
} finalization;

// Process-wide beside the instance: the hook outlives nothing but must be known to its
// procedure, and the hook-off flag silences it once the manager is gone.
HHOOK hookHandle = nullptr;
bool hookOff = false;
DWORD windowsVersion = 0;

bool Contains(const std::string& text, const char* part) { return text.find(part) != std::string::npos; }

bool IsEmbeddedChild(HWND window) {
  const LONG_PTR style = GetWindowLongPtrA(window, GWL_STYLE);
  const LONG_PTR exStyle = GetWindowLongPtrA(window, GWL_EXSTYLE);
  if (!(style & WS_CHILD) || (exStyle & WS_EX_MDICHILD)) return false;
  return AsciiLower(WindowClassName(GetParent(window))) != "mdiclient";
}

bool HasArea(HWND window) {
  if (GetWindowLongPtrA(window, GWL_EXSTYLE) & WS_EX_MDICHILD) return true;
  RECT r{};
  GetWindowRect(window, &r);
  return static_cast<long long>(r.right - r.left) * (r.bottom - r.top) != 0;
}

bool IsRefusedClass(const std::string& className) {
  return Contains(className, "TcxPopupEditPopupWindow") || Contains(className, "TTERenderWindow") ||
         className == "TApplication";
}

} // namespace

// ---- the single instance

TSkinManage* TSkinManage::Instance() { return instance; }

TSkinManage& TSkinManage::Create() {
  if (!instance) instance = new TSkinManage();
  return *instance;
}

void TSkinManage::Destroy() { delete std::exchange(instance, nullptr); }

TSkinManage::TSkinManage() { hookOff = false; }

TSkinManage::~TSkinManage() {
  readyState_ = rsDestroying;
  active_ = false;
  if (timerWindow_) DestroyWindow(timerWindow_);
  if (!forms_.empty()) DetachAll();
  popupMenus_.clear();
  skinData_.clear();
  if (hookHandle) UnhookWindowsHookEx(hookHandle);
  hookHandle = nullptr;
  hookOff = true;
}

DWORD TSkinManage::WindowsVersion() { return windowsVersion; }

bool TSkinManage::IsNT() { return (GetVersion() & 0x80000000u) == 0; }

// ---- the skin data register

void TSkinManage::RegisterSkinData(TSkinData* skinData) {
  if (std::find(skinData_.begin(), skinData_.end(), skinData) != skinData_.end()) return;
  skinData_.push_back(skinData);
  if (!primary_ && skinData->SkinFormtype() == sfMainform) primary_ = skinData;
}

// A component that goes must leave no reference behind: a request it made is dropped, and the
// next main-form component, if any, becomes the primary one.
void TSkinManage::UnregisterSkinData(TSkinData* skinData) {
  skinData_.erase(std::remove(skinData_.begin(), skinData_.end(), skinData), skinData_.end());
  // The skinners that paint with it let go of their windows first.
  for (size_t i = forms_.size(); i-- > 0;)
    if (i < forms_.size() && forms_[i]->SkinData() == skinData) Unskin(forms_[i]);
  if (requesting_ == skinData) {
    requesting_ = nullptr;
    EnableTimer(false);
  }
  if (primary_ != skinData) return;
  primary_ = nullptr;
  for (TSkinData* other : skinData_)
    if (other->SkinFormtype() == sfMainform) {
      primary_ = other;
      break;
    }
}

// ---- the hook

void TSkinManage::InstallHook() {
  if (hookHandle) return;
  windowsVersion = GetVersion();
  hookHandle = SetWindowsHookExA(WH_CBT, &TSkinManage::CbtHook, nullptr, GetCurrentThreadId());
}

bool TSkinManage::HookInstalled() const { return hookHandle != nullptr; }

LRESULT CALLBACK TSkinManage::CbtHook(int code, WPARAM wParam, LPARAM lParam) {
  TSkinManage* manager = Instance();
  if (code >= 0 && !hookOff && manager) {
    auto window = reinterpret_cast<HWND>(wParam);
    if (code == HCBT_CREATEWND) manager->OnCreateWindow(window, *reinterpret_cast<CBT_CREATEWNDA*>(lParam));
    else if (code == HCBT_DESTROYWND) manager->DetachPopupMenu(window);
    else if (code == HCBT_ACTIVATE) manager->OnActivateWindow(window);
  }
  return CallNextHookEx(hookHandle, code, wParam, lParam);
}

void TSkinManage::OnCreateWindow(HWND window, const CBT_CREATEWNDA& create) {
  const CREATESTRUCTA& cs = *create.lpcs;
  const std::string className = WindowClassName(window);
  if (className == "ScrollBar" && (cs.style & SBS_SIZEGRIP)) {
    // A size grip of a skinned window is one of its controls.
    if (TWinSkinForm* form = FindSkinForm(cs.hwndParent)) TControlClassifier(*form).SkinNativeChild(window);
    return;
  }
  if (!(cs.style & WS_CHILD) && className == "#32768") AttachPopupMenu(window);
  if (cs.dwExStyle & WS_EX_MDICHILD) SkinWindow(window);
}

void TSkinManage::OnActivateWindow(HWND window) {
  if (readyState_ == rsNotStarted) readyState_ = rsStarted;
  SkinWindow(window);
}

// ---- requests and their timer

void TSkinManage::PostCommand(int code, unsigned delayMs) {
  requestCode_ = code;
  interval_ = delayMs;
  if (readyState_ != rsNotStarted) {
    EnableTimer(true);
    return;
  }
  // Before any window has been activated there is nothing to attach or restore.
  if (code == scSkin) active_ = true;
  if (code == scUnskin) active_ = false;
}

void TSkinManage::CreateTimerWindow() {
  HINSTANCE instance = GetModuleHandleA(nullptr);
  WNDCLASSA wc{};
  if (!GetClassInfoA(instance, kTimerWindowClass, &wc)) {
    wc.lpfnWndProc = &TSkinManage::TimerWindowProc;
    wc.hInstance = instance;
    wc.lpszClassName = kTimerWindowClass;
    RegisterClassA(&wc);
  }
  timerWindow_ = CreateWindowExA(0, kTimerWindowClass, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, instance, nullptr);
  if (!timerWindow_) throw Exception("Cannot create the skin manager's timer window");
}

void TSkinManage::EnableTimer(bool enable) {
  if (enable) {
    if (!timerWindow_) CreateTimerWindow();
    SetTimer(timerWindow_, kRequestTimer, interval_, nullptr);
  } else if (timerWindow_) {
    KillTimer(timerWindow_, kRequestTimer);
    // A tick already queued when the timer stopped would otherwise carry out the next
    // request before its delay, or one that a caller has just carried out itself.
    MSG stale;
    while (PeekMessageA(&stale, timerWindow_, WM_TIMER, WM_TIMER, PM_REMOVE)) {
    }
  }
  timerEnabled_ = enable;
}

LRESULT CALLBACK TSkinManage::TimerWindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_TIMER && wParam == kRequestTimer) {
    if (TSkinManage* manager = Instance()) manager->OnTimer();
    return 0;
  }
  return DefWindowProcA(window, msg, wParam, lParam);
}

void TSkinManage::OnTimer() {
  EnableTimer(false);
  TSkinData* skinData = requesting_;
  if (!skinData) return;
  Execute(requestCode_, skinData);
  skinData->DoSkinChanged();
  requesting_ = nullptr;
}

void TSkinManage::Execute(int code, TSkinData* skinData) {
  if (code == scSkin) Activate(skinData);
  if (code == scUnskin) Deactivate(skinData);
  if (code == scSkinChanged) RebuildAndReapply(skinData, skinData->SkinFormtype() == sfOnlyThisForm);
}

// Attaches the forms concerned: only the component's own form for sfOnlyThisForm, else every
// form, walking the form list from the last.
void TSkinManage::Activate(TSkinData* skinData) {
  active_ = true;
  scanning_ = true;
  if (skinData->SkinFormtype() != sfOnlyThisForm) Purge();
  for (int i = Screen->FormCount() - 1; i >= 0; --i) {
    TForm* form = Screen->Forms(i);
    if (skinData->SkinFormtype() != sfOnlyThisForm) {
      AttachForm(form);
    } else if (form == skinData->Owner()) {
      AttachForm(form);
      break;
    }
  }
  scanning_ = false;
}

// Every window (or only the component's own form) is given back and repainted.
void TSkinManage::Deactivate(TSkinData* skinData) {
  active_ = false;
  Purge();
  if (skinData->SkinFormtype() != sfOnlyThisForm) {
    while (!forms_.empty()) Unskin(forms_.front());
    return;
  }
  for (size_t i = forms_.size(); i-- > 0;)
    if (forms_[i]->SkinData() == skinData) {
      Unskin(forms_[i]);
      return;
    }
}

void TSkinManage::Unskin(TWinSkinForm* skinForm) {
  RemoveSkinForm(skinForm);
  skinForm->RestoreWindow();
  HWND window = skinForm->Window();
  if (window && IsWindow(window)) RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
  delete skinForm;
}

// New borders and caption buttons first, for every skinner concerned, then the skin re-applied.
void TSkinManage::RebuildAndReapply(TSkinData* skinData, bool firstOnly) {
  Purge();
  std::vector<TWinSkinForm*> concerned;
  for (TWinSkinForm* f : forms_)
    if (f->SkinData() == skinData) {
      concerned.push_back(f);
      if (firstOnly) break;
    }
  for (TWinSkinForm* f : concerned) f->RebuildFrame();
  for (TWinSkinForm* f : concerned) f->ReapplySkin();
}

void TSkinManage::RefreshForms() {
  for (TWinSkinForm* f : forms_)
    if (f->SkinData() == requesting_) f->DropCaptionButtons();
}

// ---- the registers

TWinSkinForm* TSkinManage::FindSkinForm(HWND window) const {
  for (TWinSkinForm* f : forms_)
    if (f->Window() == window) return f;
  return nullptr;
}

void TSkinManage::RemoveSkinForm(TWinSkinForm* skinForm) {
  if (readyState_ == rsDestroying) return;
  auto it = std::find(forms_.begin(), forms_.end(), skinForm);
  if (it != forms_.end()) forms_.erase(it);
  if (mdiMainForm_ == skinForm) SetMdiFrame(nullptr, nullptr);
}

void TSkinManage::Purge() {
  for (size_t i = forms_.size(); i-- > 0;)
    if (i < forms_.size() && forms_[i]->State() == lsFinished) {
      TWinSkinForm* finished = forms_[i];
      forms_.erase(forms_.begin() + static_cast<std::ptrdiff_t>(i));
      delete finished;
    }
}

void TSkinManage::DetachAll() {
  active_ = false;
  while (!forms_.empty()) {
    TWinSkinForm* last = forms_.back();
    forms_.pop_back();
    last->ReleaseWindow();
    delete last;
  }
}

bool TSkinManage::AttachPopupMenu(HWND window) {
  if (!active_ || SendMessageA(window, SKINMSG_QUERY, 0, 0) == 1) return false;
  for (const auto& p : popupMenus_)
    if (p->Window() == window) return false;
  TSkinData* skinData = SelectSkinData(window, WindowClassName(window));
  if (!skinData || skinData->SkinEmpty) return false;
  const unsigned controls = skinData->SkinControls();
  const bool allowed = menuKind_ == mkPopup     ? InSet(controls, xcPopupMenu)
                       : menuKind_ == mkMenuBar ? InSet(controls, xcMainMenu) || InSet(controls, xcMenuItem)
                                                : InSet(controls, xcSystemMenu);
  if (!allowed) return false;
  const int marker = static_cast<int>(popupMenus_.size());
  popupMenus_.push_back(std::make_unique<TWinSkinPopMenu>(window, skinData));
  popupMenus_.back()->Attach(marker);
  if (menuBarTracking_) popupMenus_.back()->MarkMenuBarDropDown();
  return true;
}

bool TSkinManage::DetachPopupMenu(HWND window) {
  auto it = std::find_if(popupMenus_.begin(), popupMenus_.end(),
                         [window](const std::unique_ptr<TWinSkinPopMenu>& p) { return p->Window() == window; });
  if (it == popupMenus_.end()) return false;
  (*it)->Detach();
  popupMenus_.erase(it);
  if (popupMenus_.empty()) {
    menuBarTracking_ = false;
    menuKind_ = mkPopup;
  }
  return true;
}

const Bitmap* TSkinManage::FindMenuBitmap(HMENU menu) const {
  for (const auto& p : popupMenus_)
    if (p->Menu() == menu) return &p->Background();
  return nullptr;
}

void TSkinManage::BindLastPopupMenu(HMENU menu) {
  for (auto it = popupMenus_.rbegin(); it != popupMenus_.rend(); ++it)
    if (!(*it)->Menu()) {
      (*it)->Bind(menu);
      return;
    }
}

void TSkinManage::MarkPopupMenus() {
  for (const auto& p : popupMenus_) p->MarkMenuBarDropDown();
}

// Maximised MDI children wear the native caption buttons (in the frame's menu bar) and no
// region; children shown normally wear the skin's.
void TSkinManage::SetMdiMaximized(bool maximized) {
  if (maximized == mdiMaximized_) return;
  mdiMaximized_ = maximized;
  if (primary_ && InSet(primary_->Options(), xoMDIChildBorder)) return;
  for (TWinSkinForm* f : forms_) {
    if (f->FormKind() != fmMdiChild) continue;
    if (maximized) {
      f->DropRegion();
      f->SetNativeButtons(true);
    } else if (f->Show() == ssMinimized) {
      f->SetNativeButtons(true);
    } else {
      f->SetShowState(ssNormal);
      f->BuildRegion();
      f->SetNativeButtons(false);
      if (!f->Region())
        SetWindowPos(f->Window(), nullptr, 0, 0, 0, 0,
                     SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    }
  }
}

// ---- deciding which windows are skinned

bool TSkinManage::AttachForm(TForm* form) {
  if (!form->Visible() || !form->HandleAllocated()) return false;
  if (GetWindowLongPtrA(form->Handle(), GWL_STYLE) & WS_CHILD) return false;
  return SkinWindow(form->Handle());
}

TControl* TSkinManage::FindForm(HWND window) {
  for (int i = 0; i < Screen->FormCount(); ++i) {
    TForm* form = Screen->Forms(i);
    if (form->HandleAllocated() && form->Handle() == window) return form;
  }
  return FindControl(window);
}

bool TSkinManage::SkinWindow(HWND window) {
  if (!active_ || !IsWindow(window)) return false;
  Purge();
  if (SendMessageA(window, SKINMSG_QUERY, 0, 0) == 1 || FindSkinForm(window)) return false;
  TControl* form = FindForm(window);
  const std::string className = WindowClassName(window);
  if (!PassesWindowChecks(window, className, form)) return false;
  if (!MaySkin(window, className)) return false;
  TSkinData* skinData = SelectSkinData(window, className);
  if (!skinData || skinData->SkinEmpty) return false;
  Attach(window, className, form, skinData);
  return true;
}

bool TSkinManage::PassesWindowChecks(HWND window, const std::string& className, TControl* form) const {
  if (!scanning_ && IsEmbeddedChild(window)) return false;
  const auto module = reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(window, GWLP_HINSTANCE));
  if (!form && module != GetModuleHandleA(nullptr) && className != "#32770") return false;
  if (!HasArea(window)) return false;
  if (dynamic_cast<TForm*>(form) && form->Tag() == kUnskinnedFormTag) return false;
  return !IsRefusedClass(className);
}

bool TSkinManage::MaySkin(HWND window, const std::string& className) const {
  if (!primary_) return true;
  const std::string lower = AsciiLower(className);
  if (!InSet(primary_->Options(), xoPreview) && Contains(lower, "preview")) return false;
  if (className == "#32770" && (GetWindowLongPtrA(window, GWL_STYLE) & DS_SETFOREGROUND)) return false;
  if (lower == "tpopupdbtreeview") return false;
  bool doSkin = true;
  primary_->FilterForm(window, className, doSkin);
  return doSkin;
}

// Among several that fit, the last registered wins.
TSkinData* TSkinManage::SelectSkinData(HWND window, const std::string& className) const {
  auto lastOf = [this](auto fits) -> TSkinData* {
    TSkinData* found = nullptr;
    for (TSkinData* s : skinData_)
      if (fits(s)) found = s;
    return found;
  };
  TSkinData* own = lastOf([window](TSkinData* s) {
    auto* owner = dynamic_cast<TWinControl*>(s->Owner());
    return s->SkinFormtype() == sfOnlyThisForm && owner && owner->HandleAllocated() && owner->Handle() == window;
  });
  if (own) return own;
  const std::string lower = AsciiLower(className);
  if (lower == "tmessageform" || lower == "#32770")
    if (TSkinData* dialog = lastOf([](TSkinData* s) { return s->SkinFormtype() == sfDialog; })) return dialog;
  if (TSkinData* main = lastOf([](TSkinData* s) { return s->SkinFormtype() == sfMainform; })) return main;
  return skinData_.empty() ? nullptr : skinData_.front();
}

void TSkinManage::Attach(HWND window, const std::string& className, TControl* found, TSkinData* skinData) {
  auto* form = dynamic_cast<TForm*>(found);
  auto* skinForm = new TWinSkinForm(form);
  skinForm->SetWindow(window, className);
  if (form) skinForm->InitForForm(skinData, form);
  else skinForm->InitForWindow(skinData);
  forms_.push_back(skinForm);
  PostMessageA(window, SKINMSG_INITFORM, 0, 1000);
}

} // namespace vcu
