#pragma once
// The one skin manager of the process: the register of skin data components, the active flag
// and ready state, the request timer that carries out what a skin data asks for 250 ms later,
// the thread's window-creation (CBT) hook, and the checks that decide whether a top-level
// window is to be skinned. Everything runs on the GUI thread that loaded the skin.
#include <memory>
#include <string>
#include <vector>

#include <windows.h>

#include "core/image/Bitmap.h"

namespace vcu {

class TControl;
class TForm;
class TSkinData;
class TWinSkinForm;
class TWinSkinPopMenu;

// Private messages between the manager and the windows it skins.
constexpr UINT SKINMSG_INITFORM = 0x3503;
constexpr UINT SKINMSG_QUERY = 0x3523;

// Requests a skin data makes of the manager.
enum TSkinCommand : int { scSkin = 1, scUnskin = 2, scSkinChanged = 3 };

// The manager's ready state.
enum TSkinReadyState : int { rsNotStarted = 0, rsStarted = 1, rsDestroying = 4 };

// The kind of menu whose popup window is about to appear.
enum TMenuKind : int { mkPopup = 0, mkMenuBar = 1, mkSystemMenu = 2 };

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

  // The form register: one form skinner per attached window, in order of attachment.
  const std::vector<TWinSkinForm*>& SkinForms() const { return forms_; }
  TWinSkinForm* FindSkinForm(HWND window) const;
  // Takes a form skinner out of the register without freeing it (it calls this as it goes).
  void RemoveSkinForm(TWinSkinForm* skinForm);
  // Frees the form skinners whose windows are gone.
  void Purge();
  // Ends skinning at once: every form skinner lets go of its window and is freed.
  void DetachAll();

  // The popup-menu register.
  bool AttachPopupMenu(HWND window);
  bool DetachPopupMenu(HWND window);
  const std::vector<std::unique_ptr<TWinSkinPopMenu>>& PopupMenus() const { return popupMenus_; }
  // The background of the popup-menu skinner bound to the menu, or null.
  const Bitmap* FindMenuBitmap(HMENU menu) const;
  // The newest popup-menu skinner not yet bound takes the menu.
  void BindLastPopupMenu(HMENU menu);
  // Every popup-menu skinner gets the mark of a menu-bar drop-down.
  void MarkPopupMenus();
  int MenuKind() const { return menuKind_; }
  void SetMenuKind(int kind) { menuKind_ = kind; }
  bool MenuBarTracking() const { return menuBarTracking_; }
  void SetMenuBarTracking(bool tracking) { menuBarTracking_ = tracking; }

  // MDI: whether children show maximised, and the MDI frame's client window and form.
  bool MdiMaximized() const { return mdiMaximized_; }
  void SetMdiMaximized(bool maximized);
  HWND MdiClient() const { return mdiClient_; }
  TWinSkinForm* MdiMainForm() const { return mdiMainForm_; }
  void SetMdiFrame(HWND client, TWinSkinForm* mainForm) {
    mdiClient_ = client;
    mdiMainForm_ = mainForm;
  }

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

  void OnCreateWindow(HWND window, const CBT_CREATEWNDA& create);
  bool PassesWindowChecks(HWND window, const std::string& className, TControl* form) const;
  bool MaySkin(HWND window, const std::string& className) const;
  TSkinData* SelectSkinData(HWND window, const std::string& className) const;
  void Attach(HWND window, const std::string& className, TControl* found, TSkinData* skinData);
  // Gives the window back, repaints it and frees its skinner.
  void Unskin(TWinSkinForm* skinForm);
  void RebuildAndReapply(TSkinData* skinData, bool firstOnly);

  bool active_ = false;
  bool scanning_ = false;
  int readyState_ = rsNotStarted;
  int requestCode_ = 0;
  TSkinData* requesting_ = nullptr;
  TSkinData* primary_ = nullptr;
  std::vector<TSkinData*> skinData_;
  std::vector<TWinSkinForm*> forms_;
  std::vector<std::unique_ptr<TWinSkinPopMenu>> popupMenus_;
  int menuKind_ = mkPopup;
  bool menuBarTracking_ = false;
  bool mdiMaximized_ = false;
  HWND mdiClient_ = nullptr;
  TWinSkinForm* mdiMainForm_ = nullptr;

  HWND timerWindow_ = nullptr;
  bool timerEnabled_ = false;
  unsigned interval_ = 100;
};

} // namespace vcu
