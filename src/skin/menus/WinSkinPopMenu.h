#pragma once
// TWinSkinPopMenu: the skinner of one popup-menu window ("#32768"). The manager attaches one to
// every popup menu it accepts and detaches it when the window goes. It records the window, the
// skin data it was attached with, the menu it is bound to and whether it drops down from a
// skinned menu bar; the painting of the menu window itself comes with the menu skinning.
#include <windows.h>

#include "core/image/Bitmap.h"

namespace vcu {

class TSkinData;

class TWinSkinPopMenu {
public:
  TWinSkinPopMenu(HWND window, TSkinData* skinData) : window_(window), skinData_(skinData) {}

  HWND Window() const { return window_; }
  TSkinData* SkinData() const { return skinData_; }
  // The menu whose items this window shows, once bound; null before.
  HMENU Menu() const { return menu_; }
  void Bind(HMENU menu) { menu_ = menu; }
  // Set for a drop-down of a skinned menu bar.
  bool MenuBarDropDown() const { return menuBarDropDown_; }
  void MarkMenuBarDropDown() { menuBarDropDown_ = true; }
  // The background the item painter draws on; empty until the window is painted by the skin.
  const Bitmap& Background() const { return background_; }
  void Detach() { window_ = nullptr; }

private:
  HWND window_;
  TSkinData* skinData_;
  HMENU menu_ = nullptr;
  bool menuBarDropDown_ = false;
  Bitmap background_;
};

} // namespace vcu
