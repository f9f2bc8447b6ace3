// Menus under real input: a command chosen with the mouse or the keyboard runs its OnClick
// once, shortcuts work through the application's loop, Alt+letter reaches the form as
// CM_DIALOGCHAR before the system's menu handling, a right click opens the context menu, and
// an owner-drawn drop-down is measured and drawn by its items.
#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "MenuForm.h"
#include "RealInput.h"
#include "support/Pump.h"

namespace vcu::test {
namespace {

POINT Centre(const RECT& r) { return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }

// The open menu window of this process, or null; waits for it up to the deadline.
HWND WaitForMenuWindow() {
  for (int i = 0; i < 250; ++i) {
    HWND menu = FindWindowA("#32768", nullptr);
    if (menu && IsWindowVisible(menu)) return menu;
    Sleep(20);
  }
  return nullptr;
}

bool MenuWindowOpen() {
  HWND menu = FindWindowA("#32768", nullptr);
  return menu && IsWindowVisible(menu);
}

// Plays input on another thread while this one pumps: a menu's own loop runs inside the
// pump and takes the input from there.
void PlayWhilePumping(std::function<void()> play) {
  HANDLE thread = CreateThread(
      nullptr, 0, [](void* job) -> DWORD {
        (*static_cast<std::function<void()>*>(job))();
        return 0;
      },
      &play, 0, nullptr);
  while (WaitForSingleObject(thread, 10) == WAIT_TIMEOUT) Pump();
  CloseHandle(thread);
  Pump();
}

class MenuInput : public ::testing::Test {
protected:
  void SetUp() override {
    form_.reset(NewMenuForm());
    form_->Show();
    ASSERT_TRUE(PumpUntil([this] { return GetForegroundWindow() == form_->Handle(); }, "the form in front"));
  }
  void TearDown() override {
    if (MenuWindowOpen()) {
      input::Key(VK_ESCAPE);
      input::Key(VK_ESCAPE);
    }
    input::MoveTo(POINT{0, 0});
    Pump();
    form_.reset();
    Pump();
  }
  TMenuItem* Item(const char* name) { return form_->Item(name); }
  RECT BarItemRect(int index) {
    RECT r{};
    GetMenuItemRect(form_->Handle(), form_->Menu()->Handle(), static_cast<UINT>(index), &r);
    return r;
  }
  // Waits for the drop-down of `menu` to show, then clicks its entry at `index`.
  void ClickEntryOnceOpen(HMENU menu, int index) {
    ASSERT_NE(WaitForMenuWindow(), nullptr);
    Sleep(100);
    RECT r{};
    // No window: the system finds the popup's own (a window would place the rect in it).
    ASSERT_TRUE(GetMenuItemRect(nullptr, menu, static_cast<UINT>(index), &r));
    input::Click(Centre(r));
  }

  std::unique_ptr<TMenuTestForm> form_;
};

TEST_F(MenuInput, MouseChosenCommandClicksOnce) {
  HMENU file = Item("mnuFile")->Handle();
  PlayWhilePumping([&] {
    input::Click(Centre(BarItemRect(0)));
    ClickEntryOnceOpen(file, 0);
  });
  ASSERT_TRUE(PumpUntil([this] { return !form_->clicks.empty(); }, "the click"));
  Sleep(200);
  Pump();
  EXPECT_EQ(form_->clicks, std::vector<std::string>{"mnuOpen"});
  EXPECT_FALSE(MenuWindowOpen());
}

TEST_F(MenuInput, DisabledItemIgnoresTheMouse) {
  HMENU file = Item("mnuFile")->Handle();
  PlayWhilePumping([&] {
    input::Click(Centre(BarItemRect(0)));
    ClickEntryOnceOpen(file, 3); // Exit, disabled
    Sleep(200);
    input::Key(VK_ESCAPE);
    input::Key(VK_ESCAPE);
  });
  Sleep(200);
  Pump();
  EXPECT_TRUE(form_->clicks.empty());
}

TEST_F(MenuInput, KeyboardChosenCommandsClickOnce) {
  struct Case {
    const char* what;
    std::function<void()> keys;
    const char* clicked;
  };
  const Case cases[] = {
      {"Alt+F, O", [] { input::KeyWith(VK_MENU, 'F'); Sleep(200); input::Key('O'); }, "mnuOpen"},
      {"Alt+V, Enter on the first entry",
       [] { input::KeyWith(VK_MENU, 'V'); Sleep(200); input::Key(VK_RETURN); }, "mnuStatus"},
      {"Alt+F, R, Enter in the sub-menu",
       [] { input::KeyWith(VK_MENU, 'F'); Sleep(200); input::Key('R'); Sleep(200); input::Key(VK_RETURN); },
       "mnuRecent1"},
      {"shortcut Ctrl+O", [] { input::KeyWith(VK_CONTROL, 'O'); }, "mnuOpen"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    form_->clicks.clear();
    PlayWhilePumping(c.keys);
    ASSERT_TRUE(PumpUntil([this] { return !form_->clicks.empty(); }, c.what));
    Sleep(200);
    Pump();
    EXPECT_EQ(form_->clicks, std::vector<std::string>{c.clicked});
    EXPECT_FALSE(MenuWindowOpen());
  }
}

// A shortcut of a disabled item, or of an item under a disabled parent, does nothing.
TEST_F(MenuInput, ShortCutOfAnUnavailableItemDoesNothing) {
  Item("mnuOpen")->SetEnabled(false);
  input::KeyWith(VK_CONTROL, 'O');
  Sleep(200);
  Pump();
  Item("mnuOpen")->SetEnabled(true);
  Item("mnuFile")->SetEnabled(false);
  input::KeyWith(VK_CONTROL, 'O');
  Sleep(200);
  Pump();
  EXPECT_TRUE(form_->clicks.empty());
}

// The form hears Alt+letter first: an answer of 1 keeps the system's menu shut, 0 lets the
// menu bar's accelerator open its drop-down.
TEST_F(MenuInput, AltLetterReachesTheFormAsDialogChar) {
  std::vector<WPARAM> heard;
  LRESULT answer = 1;
  form_->WindowProc.Add([&](TMessage& m, const TWindowProcChain::Next& next) {
    if (m.Msg != CM_DIALOGCHAR) return next(m);
    heard.push_back(m.WParam);
    m.Result = answer;
  });
  input::KeyWith(VK_MENU, 'V');
  Sleep(300);
  Pump();
  EXPECT_EQ(heard, std::vector<WPARAM>{'v'});
  EXPECT_FALSE(MenuWindowOpen());

  answer = 0;
  bool opened = false;
  PlayWhilePumping([&] {
    input::KeyWith(VK_MENU, 'V');
    opened = WaitForMenuWindow() != nullptr;
    input::Key(VK_ESCAPE);
    input::Key(VK_ESCAPE);
  });
  EXPECT_TRUE(opened);
  EXPECT_EQ(heard, (std::vector<WPARAM>{'v', 'v'}));
}

// A right click opens the menu of the control under it; a child window without one hands the
// request to its parent. The menu key opens the focused control's menu as well.
TEST_F(MenuInput, RightClickOpensTheContextMenuOfTheControlUnderIt) {
  struct Case {
    const char* where; // a panel's name, or "" for the form's own client area
    bool menuKey;
    const char* menu;
    int entry;
    const char* clicked;
    const char* component;
  };
  const Case cases[] = {
      {"", false, "PopupMenu1", 1, "mnuPaste", "MenuForm"},
      {"pnlPlain", false, "PopupMenu1", 0, "mnuCopy", "MenuForm"},
      {"pnlOwn", false, "PanelMenu", 0, "mnuPanelOnly", "pnlOwn"},
      {"", true, "PopupMenu1", 0, "mnuCopy", "MenuForm"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.where) + (c.menuKey ? " menu key" : " right click"));
    form_->clicks.clear();
    auto* menu = dynamic_cast<TPopupMenu*>(form_->FindComponent(c.menu));
    ASSERT_NE(menu, nullptr);
    HMENU popup = menu->Handle();
    HWND target = *c.where ? dynamic_cast<TWinControl*>(form_->FindComponent(c.where))->Handle() : form_->Handle();
    POINT at{300, 180}; // below the panels
    if (*c.where) {
      RECT r;
      GetClientRect(target, &r);
      at = Centre(r);
    }
    ClientToScreen(target, &at);
    PlayWhilePumping([&] {
      if (c.menuKey) input::Key(VK_APPS);
      else input::Click(at, input::Button::Right);
      ClickEntryOnceOpen(popup, c.entry);
    });
    ASSERT_TRUE(PumpUntil([this] { return !form_->clicks.empty(); }, "the context menu's click"));
    Sleep(200);
    Pump();
    EXPECT_EQ(form_->clicks, std::vector<std::string>{c.clicked});
    ASSERT_NE(menu->PopupComponent(), nullptr);
    EXPECT_EQ(menu->PopupComponent()->Name(), c.component);
  }
}

// With the popup off (AutoPopup false) a right click opens nothing.
TEST_F(MenuInput, RightClickWithoutAutoPopupOpensNothing) {
  form_->PopupMenu()->SetAutoPopup(false);
  POINT at{300, 180};
  ClientToScreen(form_->Handle(), &at);
  bool opened = true;
  PlayWhilePumping([&] {
    input::Click(at, input::Button::Right);
    Sleep(400);
    opened = MenuWindowOpen();
  });
  EXPECT_FALSE(opened);
}

// The system measures and draws each entry of an owner-drawn drop-down through its item.
TEST_F(MenuInput, OwnerDrawnDropDownIsMeasuredAndDrawnByItsItems) {
  form_->Menu()->SetOwnerDraw(true);
  std::vector<std::string> measured, drawn;
  for (const char* name : {"mnuOpen", "mnuRecent", "N1", "mnuExit"}) {
    TMenuItem* item = Item(name);
    item->SetOnMeasureItem([&measured, name](TObject*, HDC, int&, int& height) {
      measured.push_back(name);
      height = 22;
    });
    item->SetOnDrawItem([&drawn, name](TObject*, HDC, const RECT& r, UINT) {
      if (r.bottom - r.top == 22) drawn.push_back(name);
    });
  }
  bool opened = false;
  PlayWhilePumping([&] {
    input::Click(Centre(BarItemRect(0)));
    opened = WaitForMenuWindow() != nullptr;
    Sleep(300);
    input::Key(VK_ESCAPE);
    input::Key(VK_ESCAPE);
  });
  ASSERT_TRUE(opened);
  for (const char* name : {"mnuOpen", "mnuRecent", "N1", "mnuExit"}) {
    EXPECT_NE(std::find(measured.begin(), measured.end(), name), measured.end()) << name;
    EXPECT_NE(std::find(drawn.begin(), drawn.end(), name), drawn.end()) << name;
  }
}

} // namespace
} // namespace vcu::test
