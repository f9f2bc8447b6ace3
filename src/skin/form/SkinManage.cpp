#include "skin/form/SkinManage.h"

#include <algorithm>
#include <utility>

#include "framework/Controls.h"
#include "framework/Forms.h"
#include "skin/data/WinSkinData.h"

namespace vcu {
namespace {

constexpr UINT_PTR kRequestTimer = 1;
constexpr const char* kTimerWindowClass = "TSkinManageTimer";
constexpr int kClassNameLength = 100;
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

std::string WindowClassName(HWND window) {
  char name[kClassNameLength + 1] = {};
  GetClassNameA(window, name, kClassNameLength + 1);
  return name;
}

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
  accepted_.erase(std::remove_if(accepted_.begin(), accepted_.end(),
                                 [skinData](const TAcceptedWindow& a) { return a.skinData == skinData; }),
                  accepted_.end());
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
  if (code == HCBT_ACTIVATE && !hookOff && manager)
    manager->OnActivateWindow(reinterpret_cast<HWND>(wParam));
  return CallNextHookEx(hookHandle, code, wParam, lParam);
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
  // scSkinChanged: the form skinners that use skinData rebuild and re-apply the skin.
}

// Attaches the forms concerned: only the component's own form for sfOnlyThisForm, else every
// form, walking the form list from the last.
void TSkinManage::Activate(TSkinData* skinData) {
  active_ = true;
  scanning_ = true;
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

// Restoring the attached windows is the form skinners' part; what the manager keeps of them
// goes with the active flag.
void TSkinManage::Deactivate(TSkinData* skinData) {
  active_ = false;
  if (skinData->SkinFormtype() != sfOnlyThisForm) {
    accepted_.clear();
    return;
  }
  auto mine = [skinData](const TAcceptedWindow& a) { return a.skinData == skinData; };
  auto last = std::find_if(accepted_.rbegin(), accepted_.rend(), mine);
  if (last != accepted_.rend()) accepted_.erase(std::next(last).base());
}

void TSkinManage::RefreshForms() {
  // The form skinners that use the requesting skin data drop their caption buttons.
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
  if (SendMessageA(window, SKINMSG_QUERY, 0, 0) == 1) return false;
  TControl* form = FindForm(window);
  const std::string className = WindowClassName(window);
  if (!PassesWindowChecks(window, className, form)) return false;
  if (!MaySkin(window, className)) return false;
  TSkinData* skinData = SelectSkinData(window, className);
  if (!skinData || skinData->SkinEmpty) return false;
  Accept(window, skinData);
  // The form skinner that takes the window over, and the SKINMSG_INITFORM it is posted, come
  // with the form skinning; until then nothing is attached.
  return false;
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

void TSkinManage::Accept(HWND window, TSkinData* skinData) {
  for (TAcceptedWindow& a : accepted_)
    if (a.window == window) {
      a.skinData = skinData;
      return;
    }
  accepted_.push_back({window, skinData});
}

} // namespace vcu
