#pragma once
// TWinSkinPopMenu: the skinner of one popup-menu window ("#32768"). The manager attaches one to
// every popup menu it accepts and detaches it when the window goes. It replaces the window's
// procedure: the frame and background come from the skin's menu background, composed at the
// window's size and kept, so that the owner-drawn items can lay their own ground over the very
// same pixels.
#include <windows.h>

#include "core/image/Bitmap.h"
#include "skin/controls/PaintBuffer.h"
#include "skin/data/WindowSubclass.h"

namespace vcu {

class TSkinData;

class TWinSkinPopMenu {
public:
  TWinSkinPopMenu(HWND window, TSkinData* skinData) : window_(window), skinData_(skinData) {}
  ~TWinSkinPopMenu() { Detach(); }
  TWinSkinPopMenu(const TWinSkinPopMenu&) = delete;
  TWinSkinPopMenu& operator=(const TWinSkinPopMenu&) = delete;

  // Takes the window's procedure over; marker 0 marks the first popup of a chain.
  void Attach(int marker);
  // Gives the procedure back and drops the background.
  void Detach();

  HWND Window() const { return window_; }
  TSkinData* SkinData() const { return skinData_; }
  int Marker() const { return marker_; }
  // The menu whose items this window shows, once bound; null before.
  HMENU Menu() const { return menu_; }
  void Bind(HMENU menu) { menu_ = menu; }
  // Set for a drop-down of a skinned menu bar.
  bool MenuBarDropDown() const { return menuBarDropDown_; }
  void MarkMenuBarDropDown() { menuBarDropDown_ = true; }
  // The background the item painter draws on; empty until the window is painted by the skin.
  const Bitmap& Background() const { return background_.Width() > 0 ? background_.Pixels() : empty_; }

  // The first popup of the chain now open, or null.
  static TWinSkinPopMenu* Current();

private:
  LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam);
  // Composes the background at the window's size; false when the skin has none.
  bool BuildBackground();
  void PaintBackground(HRGN update);
  LRESULT Print(WPARAM wParam, LPARAM lParam);
  void PaintAroundItems();

  HWND window_;
  TSkinData* skinData_;
  int marker_ = 0;
  HMENU menu_ = nullptr;
  bool menuBarDropDown_ = false;
  TWindowSubclass subclass_;
  // Read by the item painter while the window paints, hence mutable (reading flushes GDI).
  mutable TPaintBuffer background_;
  Bitmap empty_;
};

} // namespace vcu
