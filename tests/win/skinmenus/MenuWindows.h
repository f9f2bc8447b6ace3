#pragma once
// Ground of the menu tests: a plain top-level window of this program with a menu bar of four
// menus (one with a submenu, a separator, a disabled and a checked item), skinned with our
// default skin; what reached its window procedure; and a script of steps run from a timer
// while a menu's modal loop runs.
#include <functional>
#include <map>
#include <vector>

#include <windows.h>

#include "SkinnedForms.h"
#include "core/image/Bitmap.h"

namespace vcu::test {

enum MenuCommand : UINT {
  kNew = 101, kOpen = 102, kExit = 103,
  kUndo = 201, kWrap = 202,
  kZoomIn = 301, kZoomOut = 302,
  kAbout = 401,
};

// What the window's own procedure saw.
struct MenuWindowLog {
  std::map<UINT, int> commands;       // WM_COMMAND by identifier
  std::vector<HMENU> dropDowns;       // WM_INITMENUPOPUP, in order
};

// The log of the test window's procedure.
MenuWindowLog& TestWindowLog();

// The window's menu: File, Edit, View (with Zoom), Help; rightOrder marks every item
// right-to-left.
HMENU MakeTestMenu(bool rightOrder = false);

class MenuWindowTest : public SkinnedFormTest {
protected:
  void SetUp() override;
  void TearDown() override;

  // A shown, active plain window with the menu, not yet skinned.
  HWND CreateMenuWindow(bool rightOrder = false);
  // Skinning on (the framework form too) and the plain window attached and set up.
  void SkinMenuWindow();
  TWinSkinForm* Skinner() const { return RunningSkinner(window_); }
  TWinSkinMenu& Bar() const;
  // Middle of a bar button, in screen coordinates.
  POINT ButtonCentre(int index) const;

  MenuWindowLog& Log() const { return TestWindowLog(); }

  HWND window_ = nullptr;
  HMENU menu_ = nullptr;
};

// The whole window as the screen shows it, frame included.
Bitmap ReadWholeWindow(HWND window);
// Pixels of row y of image from x0 to x1 that differ from the same row of expected.
int RowDifferences(const Bitmap& image, const Bitmap& expected, int y, int x0, int x1);

// Pixels of an item's top and bottom rows (which hold no text) that differ from the
// skin's composition: the popup's menu background under the item ground and the item frame.
// shown is the whole popup window as ReadWholeWindow gives it.
int ItemEdgeDifferences(const Bitmap& shown, HWND popup, HMENU menu, UINT position, const TSkinData& skin,
                        bool selected = false);

// The visible popup menu windows, topmost first.
std::vector<HWND> OpenMenuWindows();

// Runs steps one per timer tick (every 40 ms) from the thread's timer, also inside modal menu
// loops. Once the steps are done, any menu still open is ended; if the whole run is not over
// by the deadline the test fails.
class MenuScript {
public:
  explicit MenuScript(std::vector<std::function<void()>> steps);
  ~MenuScript();
  MenuScript(const MenuScript&) = delete;
  MenuScript& operator=(const MenuScript&) = delete;
  bool Finished() const;

private:
  static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD);
  UINT_PTR timer_ = 0;
};

// Clicks the item (by position) of the open popup menu showing menu: the cursor is put on it
// and a press and release come as the mouse's input.
void ClickMenuItem(HWND owner, HMENU menu, int position);
// A key press posted to the open menu.
void PressMenuKey(UINT key);

} // namespace vcu::test
