#pragma once
// Menus: TMenuItem (a caption, its state and its children), TMenu (the root of a tree of items
// and the native HMENU built from it), TMainMenu (a form's menu bar) and TPopupMenu (a context
// menu). Every item has a command identifier unique in the process, so a WM_COMMAND, or an
// owner-draw request, leads back to exactly one item. Any change to an item rebuilds the native
// menu in place: the HMENU of the menu and of every item with children stays the same.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include <windows.h>
#include <commctrl.h>

#include "framework/Classes.h"
#include "framework/Messages.h"

namespace vcu {

class TMenu;
class TMenuItem;

// A key with its modifiers: the virtual key in the low byte, plus these bits.
using TShortCut = std::uint16_t;
constexpr TShortCut scShift = 0x2000;
constexpr TShortCut scCtrl = 0x4000;
constexpr TShortCut scAlt = 0x8000;
constexpr TShortCut scNone = 0;

// shift takes TShiftFlag bits (ssShift, ssCtrl, ssAlt).
TShortCut ShortCut(WORD key, unsigned shift);
// "Ctrl+O", "Shift+F5", "Del"; empty for scNone.
std::string ShortCutToText(TShortCut shortCut);
// The reverse of ShortCutToText, ignoring case; scNone for text it does not know.
TShortCut TextToShortCut(const std::string& text);
// The shortcut a key message makes with the modifier keys held at that time.
TShortCut ShortCutFromKey(WORD key);

// The caption without its "&" accelerator markers ("&&" stays as one "&").
std::string StripHotkey(const std::string& caption);
// The accelerator character of a caption, lower case; 0 when it has none.
char GetHotkey(const std::string& caption);
// True when ch (either case) is the caption's accelerator.
bool IsAccel(unsigned ch, const std::string& caption);

// The line a caption of this text makes a separator.
constexpr const char* cLineCaption = "-";

// Handlers of owner-drawn items: a measure handler may change the size, a draw handler paints
// the whole item rectangle; state carries the ODS_* bits of the request.
using TMenuMeasureItemEvent = std::function<void(TObject* sender, HDC dc, int& width, int& height)>;
using TMenuDrawItemEvent = std::function<void(TObject* sender, HDC dc, const RECT& rect, UINT state)>;
// Told after a change: the item that changed (null: the whole menu) and whether the native
// menu was rebuilt.
using TMenuChangeEvent = std::function<void(TObject* sender, TMenuItem* source, bool rebuild)>;

class TMenuItem : public TComponent {
public:
  explicit TMenuItem(TComponent* owner);
  ~TMenuItem() override;
  static const TClassInfo& ClassInfo();
  const TClassInfo& ClassType() const override { return ClassInfo(); }

  std::string Caption() const { return caption_; }
  void SetCaption(const std::string& caption);
  bool IsLine() const { return caption_ == cLineCaption; }
  bool Checked() const { return checked_; }
  void SetChecked(bool value);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool value);
  bool Visible() const { return visible_; }
  void SetVisible(bool value);
  // Shown bold; the system chooses it on a double-click of a window's menu.
  bool Default() const { return default_; }
  void SetDefault(bool value);
  // A checked radio item shows a bullet instead of a tick.
  bool RadioItem() const { return radioItem_; }
  void SetRadioItem(bool value);
  // Index into the menu's Images; -1 for none.
  int ImageIndex() const { return imageIndex_; }
  void SetImageIndex(int value);
  TShortCut ShortCut() const { return shortCut_; }
  void SetShortCut(TShortCut value);
  int ShortCutProp() const { return shortCut_; }
  void SetShortCutProp(int value) { SetShortCut(static_cast<TShortCut>(value)); }

  // The identifier WM_COMMAND and owner-draw requests carry for this item; unique in the
  // process while the item lives, never 0 and below the system commands (0xF000).
  UINT Command() const { return command_; }
  // The HMENU of this item's drop-down (made on demand; the native menu uses it only while the
  // item has children).
  HMENU Handle();
  bool HandleAllocated() const { return handle_ != nullptr; }

  int Count() const { return static_cast<int>(items_.size()); }
  TMenuItem* Items(int index) const { return items_.at(static_cast<size_t>(index)); }
  // Takes the item from wherever it was; the parent frees its children when it goes.
  void Add(TMenuItem* item);
  void Insert(int index, TMenuItem* item);
  // Takes the item out without freeing it.
  void Remove(TMenuItem* item);
  // Takes out and frees.
  void Delete(int index);
  void Clear();
  int IndexOf(const TMenuItem* item) const;
  TMenuItem* Parent() const { return parent_; }
  // The position among the parent's items; -1 without a parent.
  int MenuIndex() const;
  void SetMenuIndex(int index);
  // The child whose caption without accelerators matches, ignoring case; null when none.
  TMenuItem* Find(const std::string& caption) const;
  // The menu the tree of this item belongs to; null when it is not in one.
  TMenu* GetParentMenu() const;

  const TNotifyEvent& OnClick() const { return onClick_; }
  void SetOnClick(TNotifyEvent handler) { onClick_ = std::move(handler); }
  // Runs OnClick when the item is enabled.
  virtual void Click();

  const TMenuMeasureItemEvent& OnMeasureItem() const { return onMeasureItem_; }
  void SetOnMeasureItem(TMenuMeasureItemEvent handler) { onMeasureItem_ = std::move(handler); }
  const TMenuDrawItemEvent& OnDrawItem() const { return onDrawItem_; }
  void SetOnDrawItem(TMenuDrawItemEvent handler) { onDrawItem_ = std::move(handler); }
  // The plain look of an owner-drawn item in the menu font: the caption, its shortcut, a
  // check mark or the menu's image, a separator line. The size measured is handed to the
  // measure handler, when there is one; a draw handler replaces the plain drawing.
  virtual void MeasureItem(HDC dc, int& width, int& height);
  virtual void DrawItem(HDC dc, const RECT& rect, UINT state);

  bool HasParent() const override { return true; }
  // An item nested in a menu or an item in a stored layout becomes its child.
  void SetParentComponent(TComponent* parent) override;
  TComponent* GetParentComponent() const override;
  void Loaded() override;

protected:
  // Tells the menu above; rebuild: the native items must be made again.
  void MenuChanged(bool rebuild);

private:
  friend class TMenu;
  // Fills handle_ with the native items of the visible children, each child's drop-down first.
  void RebuildHandle(const TMenu* menu, bool topLevelOfBar);
  void AppendNative(HMENU target, const TMenu* menu, bool ownerDraw);
  void DrawPlain(HDC dc, const RECT& rect, UINT state);

  std::string caption_;
  bool checked_ = false, enabled_ = true, visible_ = true, default_ = false, radioItem_ = false;
  int imageIndex_ = -1;
  TShortCut shortCut_ = scNone;
  UINT command_ = 0;
  HMENU handle_ = nullptr;
  TMenuItem* parent_ = nullptr;
  TMenu* menu_ = nullptr; // set on the root item of a menu only
  std::vector<TMenuItem*> items_;
  TNotifyEvent onClick_;
  TMenuMeasureItemEvent onMeasureItem_;
  TMenuDrawItemEvent onDrawItem_;
};

enum TFindItemKind { fkCommand, fkHandle, fkShortCut };
enum TBiDiMode { bdLeftToRight, bdRightToLeft, bdRightToLeftNoAlign, bdRightToLeftReadingOnly };

class TMenu : public TComponent {
public:
  explicit TMenu(TComponent* owner);
  ~TMenu() override;
  static const TClassInfo& ClassInfo();
  const TClassInfo& ClassType() const override { return ClassInfo(); }

  // The invisible root whose children are the menu's top-level items.
  TMenuItem* Items() const { return items_; }
  // The native menu, built on first use and kept up to date afterwards.
  HMENU Handle();
  bool HandleAllocated() const { return items_->handle_ != nullptr; }
  // Items are MF_OWNERDRAW (but the top-level items of a menu bar, which the system draws).
  bool OwnerDraw() const { return ownerDraw_; }
  void SetOwnerDraw(bool value);
  // Not owned; null for none.
  HIMAGELIST Images() const { return images_; }
  void SetImages(HIMAGELIST images);
  TBiDiMode BiDiMode() const { return biDiMode_; }
  void SetBiDiMode(TBiDiMode mode);
  bool IsRightToLeft() const { return biDiMode_ != bdLeftToRight; }

  // The item whose command (fkCommand), drop-down HMENU (fkHandle) or shortcut (fkShortCut)
  // is value, anywhere in the tree; null when none.
  TMenuItem* FindItem(UINT_PTR value, TFindItemKind kind) const;
  // Clicks the item with that command; false when the menu has none.
  bool DispatchCommand(UINT command);
  // Clicks the enabled, visible item (with enabled, visible parents) of that shortcut.
  bool IsShortCut(TShortCut shortCut);

  // The window the menu belongs to: a menu bar's form, the owner of an open popup.
  HWND WindowHandle() const { return window_; }
  void SetWindowHandle(HWND window) { window_ = window; }
  void SetOnChange(TMenuChangeEvent handler) { onChange_ = std::move(handler); }
  // Rebuilds the native menu (when made and asked to) and tells whoever listens.
  virtual void MenuChanged(TMenuItem* source, bool rebuild);
  void Loaded() override;

protected:
  virtual HMENU CreateMenuHandle() = 0;

private:
  friend class TMenuItem;
  void RebuildHandle();

  TMenuItem* items_;
  bool ownerDraw_ = false;
  HIMAGELIST images_ = nullptr;
  TBiDiMode biDiMode_ = bdLeftToRight;
  HWND window_ = nullptr;
  TMenuChangeEvent onChange_;
};

// A form's menu bar. Each change is followed by CM_MENUCHANGED sent to the form's window.
class TMainMenu : public TMenu {
public:
  explicit TMainMenu(TComponent* owner) : TMenu(owner) {}
  ~TMainMenu() override;
  static const TClassInfo& ClassInfo();
  const TClassInfo& ClassType() const override { return ClassInfo(); }
  void MenuChanged(TMenuItem* source, bool rebuild) override;

protected:
  HMENU CreateMenuHandle() override;
};

// A context menu: opened by Popup, or by a right click on a control whose PopupMenu it is.
class TPopupMenu : public TMenu {
public:
  explicit TPopupMenu(TComponent* owner) : TMenu(owner) {}
  static const TClassInfo& ClassInfo();
  const TClassInfo& ClassType() const override { return ClassInfo(); }

  // Whether a right click on a control whose PopupMenu this is opens it.
  bool AutoPopup() const { return autoPopup_; }
  void SetAutoPopup(bool value) { autoPopup_ = value; }
  // The control the menu was last opened for.
  TComponent* PopupComponent() const { return popupComponent_; }
  void SetPopupComponent(TComponent* component) { popupComponent_ = component; }
  void SetOnPopup(TNotifyEvent handler) { onPopup_ = std::move(handler); }
  // Shows the menu at the screen point and runs the chosen item's OnClick before returning.
  // Its owner window (which hears the owner-draw requests) is WindowHandle when set, else the
  // form of the popup component or the form owning the menu, else a hidden window of the
  // framework's.
  virtual void Popup(int x, int y);

protected:
  HMENU CreateMenuHandle() override;

private:
  bool autoPopup_ = true;
  TComponent* popupComponent_ = nullptr;
  TNotifyEvent onPopup_;
};

// The live item with this command identifier, in any menu or none; null when none.
TMenuItem* FindMenuItem(UINT command);
// WM_COMMAND from a menu (clicks the item once), WM_MEASUREITEM and WM_DRAWITEM of a menu
// item (the item measures or draws itself); false when the message is none of these or names
// no framework item, so that the caller's default handling runs.
bool HandleMenuMessage(TMessage& message);

} // namespace vcu
