#pragma once
// TWinSkinForm: the form skinner. It takes over the non-client area of one top-level window
// (a framework form or a plain "#32770" dialog): subclasses it, shrinks the client area to the
// skin's borders while keeping its size, paints borders, title bar and caption buttons in one
// blit, shapes the window where the borders are see-through, and gives all of it back when
// skinning goes off.
#include <memory>
#include <string>
#include <vector>

#include <windows.h>

#include "core/form/FrameGeometry.h"
#include "framework/Classes.h"
#include "framework/Graphics.h"
#include "framework/WindowProcChain.h"
#include "skin/data/WindowSubclass.h"

namespace vcu {

class TForm;
class TSkinData;
class Bitmap;
class TCaptionButtons;
class TFramePainter;
class TSkinSystemMenu;
class TMdiClientHook;
class TSkinControl;
class TWinSkinMenu;
class TMenu;
class TMenuItem;
class TPopupMenu;
class TMenuItemPainter;

// Messages of the form skinner, besides the manager's.
constexpr UINT SKINMSG_REPAINTFRAME = 0x3502;
constexpr UINT SKINMSG_UNKNOWNACTION = 0x3514;
constexpr UINT SKINMSG_BUTTONVISIBLE = 0x3515;
constexpr UINT SKINMSG_MDIREDRAW = 0x3516;
constexpr UINT SKINMSG_REBUILDSCROLLBAR = 0x3517;
constexpr UINT SKINMSG_MENUACCEL = 0x3518;
constexpr UINT SKINMSG_REAPPLY = 0x3401;
constexpr UINT SKINMSG_PRINTFRAME = 0xBC4B;
constexpr UINT SKINMSG_ISSKINNED = 0xBC4D;
constexpr UINT SKINMSG_SKINNED = 0xBC4E;
// The lParam that marks the skin engine's own requests, and the answer that proves it.
constexpr LPARAM kSkinMark = 16802;

enum TFormLifecycle : int {
  lsCreated = 0,
  lsRunning = 1,
  lsReapplying = 3,
  lsNcDestroying = 4,
  lsInitialising = 5,
  lsFinished = 6,
};

enum TFormKind : int { fmOrdinary = 0, fmMdiFrame = 1, fmMdiChild = 2 };

class TWinSkinForm : public TComponent {
public:
  explicit TWinSkinForm(TComponent* owner);
  ~TWinSkinForm() override;

  // Set by the manager before the set-up.
  void SetWindow(HWND window, const std::string& className);
  void InitForForm(TSkinData* skinData, TForm* form);
  void InitForWindow(TSkinData* skinData);

  // Skinning off: everything given back (window procedure, styles, size, region, colour).
  void RestoreWindow();
  // The window is going (or the manager is): only the hooks come off.
  void ReleaseWindow();
  // The skin changed: new borders and caption buttons, then the window re-fitted.
  void RebuildFrame();
  void ReapplySkin();
  void DropCaptionButtons();
  void BuildRegion();
  void DropRegion();
  void SetNativeButtons(bool on);
  // Paints the frame into dc, or into the window's own device context when dc is null.
  void PaintFrame(HDC dc = nullptr);

  HWND Window() const { return window_; }
  const std::string& WindowClass() const { return className_; }
  TForm* Form() const { return form_; }
  TSkinData* SkinData() const { return skinData_; }
  int State() const { return state_; }
  TFormKind FormKind() const { return formKind_; }
  FrameKind Frame() const { return frameKind_; }
  ShowState Show() const { return showState_; }
  bool IsDialog() const { return dialog_; }
  bool IsActive() const { return active_; }
  bool FrameSkinning() const { return frameSkinning_; }
  bool RightToLeft() const { return rightToLeft_; }
  bool Unicode() const { return unicode_; }
  // kNb... bits of the window's own caption decorations, read once at the set-up.
  int NativeButtons() const { return nativeButtons_; }
  const BorderSizes& Borders() const { return borders_; }
  // The native frame's share of the window size, as it was before skinning.
  SIZE UnskinnedExtra() const { return unskinnedExtra_; }
  int MenuHeight() const { return menuHeight_; }
  HMENU SystemMenu() const { return systemMenu_; }
  HRGN Region() const { return region_; }
  TCaptionButtons& CaptionButtons() { return *captionButtons_; }
  TSkinSystemMenu& SkinSystemMenu() { return *skinSystemMenu_; }
  TFramePainter& Painter() { return *painter_; }
  // The skinned menu bar, while the window's menu is off it; else null.
  TWinSkinMenu* SkinMenu() const { return skinMenu_.get(); }
  TMenuItemPainter& ItemPainter() { return *itemPainter_; }
  // Set while a drop-down of the skinned menu bar is open.
  bool MenuTracking() const { return menuTracking_; }
  void SetMenuTracking(bool on) { menuTracking_ = on; }
  // The popup menu the window was last told is opening.
  HMENU CurrentPopup() const { return currentPopup_; }
  // For the item painter: the skinned background of the popup window showing the menu (the
  // newest unbound popup window is bound to it first), or null.
  const Bitmap* BindItemBackground(HMENU menu);
  // The MDI frame's client window while it is subclassed, else null.
  HWND MdiClient() const;
  // An MDI frame with a skinned menu bar whose active child is maximised: the bar shows the
  // child's minimise, restore and close buttons.
  bool ShowsMdiButtons() const;
  // The window was given a new menu behind our back (an MDI frame's menu set through its
  // client): the skinned bar takes it over and the frame repaints.
  void MenuReplaced();
  // The skinned bar built again from the window's menu as it is now, and painted.
  void RebuildMenuBar();
  unsigned DoubleClickTime() const { return doubleClickTime_; }

  // The hover timer runs while the window is active.
  void EnableHoverTimer(bool on);
  // Show-state changes made by the caption buttons before they post the command.
  void SetShowState(ShowState state) { showState_ = state; }
  // The window's text as the title bar shows it (without the added spaces).
  const std::wstring& WindowText() const;

  // The control skinners of the window's children, in the order they joined.
  void AddControl(TSkinControl* control);
  // Takes the newest entry for the skinner out (it is going).
  void RemoveControl(TSkinControl* control);
  const std::vector<TSkinControl*>& SkinnedControls() const { return controls_; }
  // A skinner of this form paints the window.
  bool HostsWindow(HWND window) const;
  // Frees the skinners whose window is already gone.
  void FreeGoneControls();
  // Frees every control skinner; with restore, each gives back what it took first.
  void FreeControls(bool restore);
  // Classifies the children and attaches their skinners (the set-up does it once; a control
  // already skinned is left as it is).
  void SkinChildren();
  // The form's popup menu components are drawn by the skin's item painter from now on, until
  // the window is restored.
  void OwnerDrawPopupMenus();

private:
  LRESULT FormWindowProc(UINT msg, WPARAM wParam, LPARAM lParam);
  LRESULT SkinnedWindowProc(UINT msg, WPARAM wParam, LPARAM lParam);
public:
  // The window's own procedure, for what the skinner passes on.
  LRESULT Default(UINT msg, WPARAM wParam, LPARAM lParam);

private:
  bool HandlesFrameMessage(UINT msg) const;
  LRESULT FrameMessage(UINT msg, WPARAM wParam, LPARAM lParam);
  void FormMessageHook(TMessage& message, const TWindowProcChain::Next& next);

  void PrepareSkin(TSkinData* skinData);
  void Subclass();
  void Unsubclass();
  void InitForm();
  void ResizeForSkin(bool keepClient);
  void ReadShowState();
  void FrameChanged();
  void RestoreSize();
  // A maximised or minimised window: the size a restore brings back, and setting it.
  Size2 NormalSize() const;
  void SetNormalSize(Size2 size);
  // The client rectangle and native frame extra of the normal placement, for a window that
  // is not shown normally and so has no measurable client of that size.
  void ReadNormalClient();
  void MoveChildren(int dx);
  void DropRegionHandle();
  std::wstring ReadWindowText() const;

  LRESULT OnNcCalcSize(WPARAM wParam, LPARAM lParam);
  LRESULT OnNcHitTest(WPARAM wParam, LPARAM lParam);
  LRESULT OnNcActivate(WPARAM wParam, LPARAM lParam);
  LRESULT OnSize(WPARAM wParam, LPARAM lParam);
  LRESULT OnGetMinMaxInfo(WPARAM wParam, LPARAM lParam);
  LRESULT OnMenuChanged(WPARAM wParam, LPARAM lParam);
  LRESULT OnMenuItem(UINT msg, WPARAM wParam, LPARAM lParam);
  LRESULT FrameworkMenuItem(TMenuItem& item, TMenu& menu, UINT msg, LPARAM lParam);
  // The form's own item for a command: of its main menu, or of a popup menu made owner-drawn.
  TMenuItem* FindFormMenuItem(UINT command, TMenu*& menu) const;
  // The popup menus made owner-drawn that the form still owns.
  std::vector<TPopupMenu*> OwnedOwnerDrawnPopups() const;
  void RestorePopupMenus();
  // Takes the window's native menu over into a skinned bar (made when there is none yet).
  void TakeMenuOver();
  void FreeSkinMenu(bool giveBack);

  HWND window_ = nullptr;
  std::string className_;
  TForm* form_ = nullptr;
  TSkinData* skinData_ = nullptr;
  bool frameSkinning_ = false;
  int state_ = lsCreated;
  TFormKind formKind_ = fmOrdinary;
  FrameKind frameKind_ = fkSingle;
  bool dialog_ = false;
  ShowState showState_ = ssNormal;
  bool active_ = true;
  int nativeButtons_ = 0;
  bool isChild_ = false;
  bool zoomed_ = false; // an MDI child: its last WM_SIZE said maximised
  bool rightToLeft_ = false;
  bool unicode_ = false;
  TWindowSubclass subclass_;
  BorderSizes borders_;
  int menuHeight_ = 0;
  SIZE unskinnedExtra_{0, 0};
  RECT clientBefore_{0, 0, 0, 0};
  // What the set-up added to a dialog's width for its caption, and moved its children by.
  int widenedBy_ = 0;
  int childShift_ = 0;
  TColor savedColor_ = 0;
  bool colorSaved_ = false;
  HRGN region_ = nullptr;
  SIZE regionSize_{0, 0};
  HMENU systemMenu_ = nullptr;
  unsigned doubleClickTime_ = 500;
  bool hoverTimer_ = false;
  TWindowProcChain::HookId formHook_ = 0;
  bool formHooked_ = false;

  mutable std::wstring text_;
  mutable bool textValid_ = false;

  std::vector<TSkinControl*> controls_;

  std::unique_ptr<TCaptionButtons> captionButtons_;
  std::unique_ptr<TFramePainter> painter_;
  std::unique_ptr<TSkinSystemMenu> skinSystemMenu_;
  std::unique_ptr<TMdiClientHook> mdiClientHook_;
  std::unique_ptr<TWinSkinMenu> skinMenu_;
  std::unique_ptr<TMenuItemPainter> itemPainter_;
  bool menuTracking_ = false;
  bool madeOwnerDraw_ = false;
  // Only compared, never followed, until the form is seen still owning them.
  std::vector<TPopupMenu*> ownerDrawnPopups_;
  HMENU currentPopup_ = nullptr;
};

} // namespace vcu
