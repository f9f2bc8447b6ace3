#pragma once
// The skinned system menu of a form skinner: a copy of the window's own system menu, with each
// item's state worked out from the window's caption decorations and show state, drawn by the
// owner-drawn item painter in the skin's menu colours with the skin's menu glyphs. Its commands
// come back to the window as WM_COMMAND and are re-posted as system commands.
#include <string>
#include <vector>

#include <windows.h>

namespace vcu {

class TWinSkinForm;

// Tag of the skinned system menu, by which its items are told from the form's own menus.
constexpr int kSystemMenuTag = 33333;

class TSkinSystemMenu {
public:
  explicit TSkinSystemMenu(TWinSkinForm& form) : form_(form) {}
  ~TSkinSystemMenu() { Free(); }
  TSkinSystemMenu(const TSkinSystemMenu&) = delete;
  TSkinSystemMenu& operator=(const TSkinSystemMenu&) = delete;

  // Opens the menu at the screen point; a second call within the double-click time while a
  // caption button is hot closes the window instead.
  void Show(POINT screen);
  void Free();

  // WM_MEASUREITEM and WM_DRAWITEM of this menu's own items.
  bool HandlesItemMessage(UINT msg, LPARAM lParam) const;
  LRESULT ItemMessage(UINT msg, LPARAM lParam);

  struct Item {
    std::wstring text;     // before the tab
    std::wstring shortcut; // after the tab
    UINT command = 0;      // the Tag: the system command the item posts
    int image = -1;        // index into the skin's menu glyphs
    bool enabled = true;
    bool checked = false;
    bool separator = false;
  };
  // The items the menu was last built with.
  const std::vector<Item>& Items() const { return items_; }
  HMENU Handle() const { return menu_; }
  // Builds the items from the window's system menu as it stands.
  void Build();

private:
  void Measure(MEASUREITEMSTRUCT& measure) const;
  void Draw(const DRAWITEMSTRUCT& draw) const;

  TWinSkinForm& form_;
  HMENU menu_ = nullptr;
  std::vector<Item> items_;
  DWORD lastShown_ = 0;
  bool shownOnce_ = false;
};

} // namespace vcu
