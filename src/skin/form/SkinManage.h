#pragma once
// The one skin manager of the process: the register of skin data components, the active flag
// and ready state, the request timer that carries out what a skin data asks for 250 ms later,
// the thread's window-creation (CBT) hook, and the checks that decide whether a top-level
// window is to be skinned. Everything runs on the GUI thread that loaded the skin.
#include <string>
#include <vector>

#include <windows.h>

namespace vcu {

class TControl;
class TForm;
class TSkinData;

// Private messages between the manager and the windows it skins.
constexpr UINT SKINMSG_INITFORM = 0x3503;
constexpr UINT SKINMSG_QUERY = 0x3523;

// Requests a skin data makes of the manager.
enum TSkinCommand : int { scSkin = 1, scUnskin = 2, scSkinChanged = 3 };

// The manager's ready state.
enum TSkinReadyState : int { rsNotStarted = 0, rsStarted = 1, rsDestroying = 4 };

// A window that passed every check of SkinWindow, with the skin data chosen for it: what a
// form skinner is attached to.
struct TAcceptedWindow {
  HWND window = nullptr;
  TSkinData* skinData = nullptr;
};

class TSkinManage {
public:
  // The single instance, or null before the first skin data has loaded.
  static TSkinManage* Instance();
  // Makes the single instance if there is none yet.
  static TSkinManage& Create();
  // Ends the single instance: the hook is removed, the timer stopped.
  static void Destroy();

  TSkinManage();
  ~TSkinManage();
  TSkinManage(const TSkinManage&) = delete;
  TSkinManage& operator=(const TSkinManage&) = delete;

  // The register of skin data components, in order of loading. The first sfMainform one
  // registered becomes the primary skin data.
  void RegisterSkinData(TSkinData* skinData);
  void UnregisterSkinData(TSkinData* skinData);
  const std::vector<TSkinData*>& SkinDataList() const { return skinData_; }
  TSkinData* PrimarySkinData() const { return primary_; }

  // The window-creation hook for the calling thread (once; later calls do nothing).
  void InstallHook();
  bool HookInstalled() const;

  // Stores the request and arms the timer with the delay; before the ready state has left
  // rsNotStarted, scSkin and scUnskin only switch the active flag.
  void PostCommand(int code, unsigned delayMs);
  int RequestCode() const { return requestCode_; }
  bool TimerEnabled() const { return timerEnabled_; }
  unsigned TimerInterval() const { return interval_; }

  // The skin data's skin changed: its form skinners drop their caption buttons.
  void RefreshForms();

  // Runs the checks that decide whether the window is skinned; true when attached now.
  bool SkinWindow(HWND window);
  // SkinWindow for a form that is visible and not a child window.
  bool AttachForm(TForm* form);
  // The windows accepted by SkinWindow, in order, once each.
  const std::vector<TAcceptedWindow>& AcceptedWindows() const { return accepted_; }

  // The framework form with this window, else the framework control behind it, else null.
  static TControl* FindForm(HWND window);

  bool Active() const { return active_; }
  void SetActive(bool active) { active_ = active; }
  bool Scanning() const { return scanning_; }
  int ReadyState() const { return readyState_; }
  void SetReadyState(int state) { readyState_ = state; }
  TSkinData* RequestingSkinData() const { return requesting_; }
  void SetRequestingSkinData(TSkinData* skinData) { requesting_ = skinData; }

  // GetVersion() as read when the hook was installed; its top bit marks the 9x family.
  static DWORD WindowsVersion();
  static bool IsNT();

private:
  static LRESULT CALLBACK TimerWindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);
  static LRESULT CALLBACK CbtHook(int code, WPARAM wParam, LPARAM lParam);

  void CreateTimerWindow();
  void EnableTimer(bool enable);
  void OnTimer();
  void Execute(int code, TSkinData* skinData);
  void Activate(TSkinData* skinData);
  void Deactivate(TSkinData* skinData);
  void OnActivateWindow(HWND window);

  bool PassesWindowChecks(HWND window, const std::string& className, TControl* form) const;
  bool MaySkin(HWND window, const std::string& className) const;
  TSkinData* SelectSkinData(HWND window, const std::string& className) const;
  void Accept(HWND window, TSkinData* skinData);

  bool active_ = false;
  bool scanning_ = false;
  int readyState_ = rsNotStarted;
  int requestCode_ = 0;
  TSkinData* requesting_ = nullptr;
  TSkinData* primary_ = nullptr;
  std::vector<TSkinData*> skinData_;
  std::vector<TAcceptedWindow> accepted_;

  HWND timerWindow_ = nullptr;
  bool timerEnabled_ = false;
  unsigned interval_ = 100;
};

} // namespace vcu
