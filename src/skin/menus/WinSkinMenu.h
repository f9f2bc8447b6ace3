#pragma once
// TWinSkinMenu: the skinned menu bar of a form skinner. It copies the top-level items of the
// window's menu into buttons, takes the menu off the window (the frame then has room for the
// bar under the title) and draws the bar into the composed frame. A press on a button opens
// its drop-down under it; while a drop-down is open a message-filter hook lets the arrow keys
// and the mouse move on to the next top-level menu, as the system's own bar would. Skinning
// off gives the window its menu back. An MDI frame's bar shows the maximised child's minimise,
// restore and close buttons (the skin's MDI caption buttons) at its right end.
#include <memory>
#include <string>
#include <vector>

#include <windows.h>

#include "core/image/Rect.h"
#include "skin/controls/PaintBuffer.h"
#include "skin/form/CaptionButtons.h"

namespace vcu {

class Bitmap;
class TMainMenu;
class TMenuItem;
class TWinSkinForm;
class TWinSkinMenu;

// One top-level item of the bar.
class TMenuBtn : public TNCObject {
public:
  TMenuBtn(TWinSkinMenu& menu, int index) : Index(index), menu_(menu) {}
  // Hover and press feedback straight onto the window: the bar's kept background under the
  // button, an outline when hot or pressed, the caption.
  void Repaint() override;

  int Index;
  std::wstring Caption;
  bool Enabled = true;
  HMENU SubMenu = nullptr;
  int Command = 0;
  // The framework menu item the button stands for, or null.
  TMenuItem* Item = nullptr;

private:
  TWinSkinMenu& menu_;
};

class TWinSkinMenu {
public:
  explicit TWinSkinMenu(TWinSkinForm& form);
  ~TWinSkinMenu();
  TWinSkinMenu(const TWinSkinMenu&) = delete;
  TWinSkinMenu& operator=(const TWinSkinMenu&) = delete;

  // Buttons from the window's current menu (or the one kept), then the menu comes off the
  // window.
  void BuildMenuButtons();
  // The same after a menu change, laid out at once; only items without text are looked up in
  // a framework form's menu.
  void RebuildMenuButtons();
  // Each button's place in the bar of the last paint.
  void LayoutMenuButtons();
  // Draws the bar into the frame's canvas (window coordinates) and keeps its background.
  void PaintMenuBar(Bitmap& canvas, HDC canvasDC, const Rect& bar, bool active);
  // The visible button with a caption under the point (window coordinates), or null.
  TMenuBtn* MenuButtonAt(POINT point) const;
  // The button whose caption has the accelerator c (any case), the first one for 0, or null.
  TMenuBtn* ButtonForKey(wchar_t c) const;

  // Opens the button's drop-down and tracks it until the menus close, moving on to the
  // drop-downs the keys and the mouse switch to; a button without drop-down sends its command.
  void Open(TMenuBtn& button);
  // Closes the open drop-down and opens the button's.
  void SwitchToMenu(TMenuBtn& button);
  // A WM_MENUSELECT of the window while a drop-down is open.
  void MenuSelect(WPARAM wParam, LPARAM lParam);

  // The window's menu, kept while it is off the window; and giving it back.
  HMENU Menu() const { return menu_; }
  void GiveMenuBack();
  bool RightToLeft() const { return rightToLeft_; }
  int Count() const { return static_cast<int>(buttons_.size()); }
  TMenuBtn& Button(int index) const { return *buttons_.at(static_cast<size_t>(index)); }
  const Rect& BarRect() const { return bar_; }
  // Changes whenever the bar would look different at rest.
  unsigned Version() const { return version_; }
  TWinSkinForm& Form() const { return form_; }

  // Used by a button's repaint.
  void RepaintButton(const TMenuBtn& button);
  // An MDI button's hover and press feedback: its frame for its state over the kept background.
  void RepaintMdiButton(const TWinSysButton& button);

private:
  static LRESULT CALLBACK MenuHook(int code, WPARAM wParam, LPARAM lParam);
  // The buttons from the menu; a rebuild looks up in the framework menu only the items
  // without text.
  void Build(bool rebuild);
  void BuildFromItems(TMainMenu& framework);
  void BuildFromWindowMenu(TMainMenu* framework, bool rebuild);
  void StartMenuTracking(int index);
  void EndMenuTracking();
  LRESULT FilterMessage(MSG& msg);
  void DrawCaption(HDC dc, const TMenuBtn& button, const RECT& where) const;
  std::vector<int> MeasureCaptions(HDC dc) const;
  // The measured caption widths, kept from one paint to the next.
  const std::vector<int>& CaptionWidths();
  // The MDI buttons the bar shows now (visible, with an image); none unless the form shows them.
  std::vector<TWinSysButton*> MdiButtons() const;

  TWinSkinForm& form_;
  HMENU menu_ = nullptr;
  bool rightToLeft_ = false;
  std::vector<std::unique_ptr<TMenuBtn>> buttons_;
  std::vector<Rect> rects_;
  Rect bar_;
  unsigned version_ = 0;
  // The bar's background at the last paint, for the buttons' feedback.
  TPaintBuffer background_;
  TPaintBuffer button_;
  TMenuBtn* pending_ = nullptr;
  std::vector<int> captionWidths_;
  HFONT widthsFont_ = nullptr;
};

} // namespace vcu
