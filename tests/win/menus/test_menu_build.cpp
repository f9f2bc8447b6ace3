// Native menus built from items: what the system shows for each kind of item, commands and
// lookups, changes rebuilt in place with CM_MENUCHANGED to the form, owner-drawn items
// measured and drawn by their item, menus read from a layout, shortcut and accelerator text.
#include <gtest/gtest.h>

#include <memory>
#include <set>

#include "MenuForm.h"
#include "framework/LayoutReader.h"
#include "support/GuiResources.h"

namespace vcu::test {
namespace {

class MenuBuild : public ::testing::Test {
protected:
  void SetUp() override { form_.reset(NewMenuForm()); }
  TMenuItem* Item(const char* name) { return form_->Item(name); }
  HMENU Bar() { return form_->Menu()->Handle(); }
  // Counts CM_MENUCHANGED reaching the form's window.
  int WatchMenuChanges() {
    form_->WindowProc.Add([this](TMessage& m, const TWindowProcChain::Next& next) {
      if (m.Msg == CM_MENUCHANGED) ++menuChanges_;
      next(m);
    });
    return 0;
  }
  std::unique_ptr<TMenuTestForm> form_;
  int menuChanges_ = 0;
};

TEST_F(MenuBuild, LayoutGivesTheFormItsMenusAndTheWindowItsMenuBar) {
  ASSERT_NE(form_->Menu(), nullptr);
  EXPECT_EQ(form_->Menu()->Name(), "MainMenu1");
  ASSERT_NE(form_->PopupMenu(), nullptr);
  EXPECT_EQ(form_->PopupMenu()->Name(), "PopupMenu1");
  EXPECT_EQ(GetMenu(form_->Handle()), Bar());
  EXPECT_EQ(Item("mnuRecent1")->Parent(), Item("mnuRecent"));
  EXPECT_EQ(Item("mnuFile")->GetParentMenu(), form_->Menu());
  EXPECT_EQ(Item("mnuCopy")->GetParentMenu(), form_->PopupMenu());
  EXPECT_EQ(Item("mnuExit")->MenuIndex(), 3);
}

// Every kind of item, as the system reports the entry it got.
TEST_F(MenuBuild, NativeEntriesShowEveryKindOfItem) {
  struct Expected {
    const char* item;
    const char* text;
    UINT type, state;
    bool subMenu;
  };
  const Expected bar[] = {{"mnuFile", "&File", MFT_STRING, 0, true}, {"mnuView", "&View", MFT_STRING, 0, true}};
  const Expected file[] = {{"mnuOpen", "&Open...\tCtrl+O", MFT_STRING, 0, false},
                           {"mnuRecent", "&Recent", MFT_STRING, 0, true},
                           {"N1", "", MFT_SEPARATOR, 0, false},
                           {"mnuExit", "E&xit", MFT_STRING, MFS_GRAYED, false}};
  // The invisible item has no entry.
  const Expected view[] = {{"mnuStatus", "&Status bar", MFT_STRING, MFS_CHECKED | MFS_DEFAULT, false},
                           {"mnuLarge", "&Large", MFT_RADIOCHECK, MFS_CHECKED, false}};
  auto check = [this](HMENU menu, const Expected* expected, size_t count) {
    std::vector<NativeEntry> entries = NativeEntries(menu);
    ASSERT_EQ(entries.size(), count);
    for (size_t i = 0; i < count; ++i) {
      SCOPED_TRACE(expected[i].item);
      TMenuItem* item = Item(expected[i].item);
      EXPECT_EQ(entries[i].text, expected[i].text);
      EXPECT_EQ(entries[i].type, expected[i].type);
      EXPECT_EQ(entries[i].state & (MFS_CHECKED | MFS_GRAYED | MFS_DEFAULT), expected[i].state);
      EXPECT_EQ(entries[i].id, item->Command());
      EXPECT_EQ(entries[i].subMenu, expected[i].subMenu ? item->Handle() : nullptr);
    }
  };
  check(Bar(), bar, std::size(bar));
  check(Item("mnuFile")->Handle(), file, std::size(file));
  check(Item("mnuView")->Handle(), view, std::size(view));
  std::vector<NativeEntry> recent = NativeEntries(Item("mnuRecent")->Handle());
  ASSERT_EQ(recent.size(), 1u);
  EXPECT_EQ(recent[0].text, "first.txt");
}

TEST_F(MenuBuild, CommandsAreUniqueAndLeadBackToTheirItem) {
  std::set<UINT> commands;
  int items = 0;
  for (int i = 0; i < form_->ComponentCount(); ++i) {
    auto* item = dynamic_cast<TMenuItem*>(form_->Components(i));
    if (!item) continue;
    ++items;
    EXPECT_GT(item->Command(), 0u);
    EXPECT_LT(item->Command(), 0xF000u); // below the system commands
    commands.insert(item->Command());
    EXPECT_EQ(FindMenuItem(item->Command()), item);
  }
  EXPECT_EQ(commands.size(), static_cast<size_t>(items));

  TMenu* menu = form_->Menu();
  EXPECT_EQ(menu->FindItem(Item("mnuRecent1")->Command(), fkCommand), Item("mnuRecent1"));
  EXPECT_EQ(menu->FindItem(reinterpret_cast<UINT_PTR>(Item("mnuRecent")->Handle()), fkHandle), Item("mnuRecent"));
  EXPECT_EQ(menu->FindItem(ShortCut('O', ssCtrl), fkShortCut), Item("mnuOpen"));
  EXPECT_EQ(menu->FindItem(Item("mnuCopy")->Command(), fkCommand), nullptr); // another menu's
  EXPECT_EQ(menu->FindItem(ShortCut('O', ssAlt), fkShortCut), nullptr);

  UINT gone = Item("mnuRecent1")->Command();
  delete Item("mnuRecent1");
  EXPECT_EQ(FindMenuItem(gone), nullptr);
  EXPECT_EQ(Item("mnuRecent")->Count(), 0);
  EXPECT_EQ(NativeEntries(Item("mnuFile")->Handle())[1].subMenu, nullptr); // no longer a drop-down
}

TEST_F(MenuBuild, ChangesRebuildInPlaceAndTellTheForm) {
  WatchMenuChanges();
  HMENU bar = Bar(), file = Item("mnuFile")->Handle();
  struct Change {
    const char* what;
    std::function<void()> apply;
    std::function<bool()> shows;
  };
  auto entry = [this](const char* menu, size_t index) { return NativeEntries(Item(menu)->Handle()).at(index); };
  auto* added = new TMenuItem(form_.get());
  added->SetName("mnuAdded");
  added->SetCaption("&Added");
  const Change changes[] = {
      {"caption", [this] { Item("mnuOpen")->SetCaption("&Open file"); },
       [&] { return entry("mnuFile", 0).text == "&Open file\tCtrl+O"; }},
      {"enabled", [this] { Item("mnuExit")->SetEnabled(true); },
       [&] { return !(entry("mnuFile", 3).state & MFS_GRAYED); }},
      {"checked", [this] { Item("mnuStatus")->SetChecked(false); },
       [&] { return !(entry("mnuView", 0).state & MFS_CHECKED); }},
      {"shortcut", [this] { Item("mnuOpen")->SetShortCut(ShortCut(VK_F3, ssShift)); },
       [&] { return entry("mnuFile", 0).text == "&Open file\tShift+F3"; }},
      {"visible", [this] { Item("mnuHidden")->SetVisible(true); },
       [&] { return entry("mnuView", 1).text == "Hidden"; }},
      {"insert", [this, added] { Item("mnuFile")->Insert(1, added); },
       [&] { return entry("mnuFile", 1).text == "&Added" && entry("mnuFile", 1).id == added->Command(); }},
      {"move", [added] { added->SetMenuIndex(0); }, [&] { return entry("mnuFile", 0).text == "&Added"; }},
      {"top level", [this] { Item("mnuView")->SetCaption("&Look"); },
       [&] { return NativeEntries(Bar()).at(1).text == "&Look"; }},
  };
  for (const Change& change : changes) {
    SCOPED_TRACE(change.what);
    int before = menuChanges_;
    change.apply();
    EXPECT_TRUE(change.shows());
    EXPECT_EQ(menuChanges_, before + 1);
  }
  EXPECT_EQ(Bar(), bar);
  EXPECT_EQ(Item("mnuFile")->Handle(), file);
  EXPECT_EQ(GetMenu(form_->Handle()), bar);
}

// A skin that draws the bar itself takes the native menu off the window; a change puts it back
// (for the skin to take again), and unsetting the form's menu leaves the window without one.
TEST_F(MenuBuild, TheFormPutsTheChangedMenuBackOnItsWindow) {
  HWND window = form_->Handle();
  SetMenu(window, nullptr);
  Item("mnuOpen")->SetChecked(true);
  EXPECT_EQ(GetMenu(window), Bar());
  form_->SetMenu(nullptr);
  EXPECT_EQ(GetMenu(window), nullptr);
  Item("mnuOpen")->SetChecked(false); // a menu of no form tells nobody
  EXPECT_EQ(GetMenu(window), nullptr);
}

// The system destroys the menu a window shows along with the window; ours is taken off first
// and goes on the next window.
TEST_F(MenuBuild, MenuOutlivesTheWindowAndGoesOnTheNext) {
  HMENU bar = Bar();
  form_->DestroyHandle();
  EXPECT_TRUE(IsMenu(bar));
  EXPECT_EQ(form_->Menu()->WindowHandle(), nullptr);
  HWND window = form_->Handle();
  EXPECT_EQ(GetMenu(window), bar);
  EXPECT_EQ(form_->Menu()->WindowHandle(), window);
  EXPECT_EQ(NativeEntries(bar).size(), 2u);
}

TEST_F(MenuBuild, FreedMenusLeaveNoReferenceBehind) {
  HWND window = form_->Handle();
  delete form_->Menu();
  EXPECT_EQ(form_->Menu(), nullptr);
  EXPECT_EQ(GetMenu(window), nullptr);
  delete form_->PopupMenu();
  EXPECT_EQ(form_->PopupMenu(), nullptr);
  EXPECT_EQ(form_->Item("mnuCopy"), nullptr); // a menu frees its items
}

TEST_F(MenuBuild, FreedItemsDestroyTheirNativeMenus) {
  std::vector<HMENU> handles{Bar()};
  for (const char* name : {"mnuFile", "mnuRecent", "mnuView"}) handles.push_back(Item(name)->Handle());
  HMENU recent = Item("mnuRecent")->Handle();
  delete Item("mnuRecent");
  EXPECT_FALSE(IsMenu(recent));
  EXPECT_EQ(NativeEntries(Item("mnuFile")->Handle()).size(), 3u);
  form_.reset();
  for (HMENU handle : handles) EXPECT_FALSE(IsMenu(handle));
}

// The plain painter leaves no GDI object behind, whatever it draws.
TEST_F(MenuBuild, PlainDrawingKeepsGdiObjectsFlat) {
  HDC screen = GetDC(nullptr);
  HDC dc = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, 200, 24);
  ReleaseDC(nullptr, screen);
  HGDIOBJ old = SelectObject(dc, bitmap);
  Item("mnuLarge")->SetDefault(true);
  auto drawAll = [&] {
    for (const char* name : {"mnuOpen", "N1", "mnuExit", "mnuStatus", "mnuLarge"})
      for (UINT state : {0u, static_cast<UINT>(ODS_SELECTED)}) {
        DRAWITEMSTRUCT draw{ODT_MENU, 0, Item(name)->Command(), ODA_DRAWENTIRE, state, nullptr, dc, {0, 0, 200, 24}, 0};
        SendMessageA(form_->Handle(), WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&draw));
        MEASUREITEMSTRUCT measure{ODT_MENU, 0, Item(name)->Command(), 0, 0, 0};
        SendMessageA(form_->Handle(), WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&measure));
      }
  };
  drawAll(); // the menu fonts are made once, on first use
  GuiObjectCounts before = CountGuiObjects();
  for (int i = 0; i < 200; ++i) drawAll();
  GuiObjectCounts after = CountGuiObjects();
  if (before.gdi >= 0) {
    EXPECT_EQ(after.gdi, before.gdi);
  }
  EXPECT_EQ(GetCurrentObject(dc, OBJ_FONT), GetStockObject(SYSTEM_FONT));
  SelectObject(dc, old);
  DeleteObject(bitmap);
  DeleteDC(dc);
}

TEST_F(MenuBuild, RightToLeftMenusOrderEveryEntryFromTheRight) {
  form_->Menu()->SetBiDiMode(bdRightToLeft);
  EXPECT_TRUE(form_->Menu()->IsRightToLeft());
  for (HMENU menu : {Bar(), Item("mnuFile")->Handle(), Item("mnuRecent")->Handle()})
    for (const NativeEntry& e : NativeEntries(menu)) EXPECT_TRUE(e.type & MFT_RIGHTORDER) << e.text;
  form_->Menu()->SetBiDiMode(bdLeftToRight);
  for (const NativeEntry& e : NativeEntries(Item("mnuFile")->Handle())) EXPECT_FALSE(e.type & MFT_RIGHTORDER);
}

TEST_F(MenuBuild, OwnerDrawMarksDropDownEntriesButNotTheBar) {
  form_->Menu()->SetOwnerDraw(true);
  for (const NativeEntry& e : NativeEntries(Bar())) EXPECT_FALSE(e.type & MFT_OWNERDRAW) << e.text;
  for (const char* menu : {"mnuFile", "mnuView", "mnuRecent"})
    for (const NativeEntry& e : NativeEntries(Item(menu)->Handle())) {
      EXPECT_TRUE(e.type & MFT_OWNERDRAW) << menu << " " << e.id;
      EXPECT_FALSE(e.type & MFT_SEPARATOR) << "the separator is drawn by its item too";
    }
}

// The requests the system sends for owner-drawn entries reach the item of their identifier;
// requests for controls, or for identifiers of no item, go on to the default handling.
TEST_F(MenuBuild, OwnerDrawRequestsReachTheirItem) {
  std::vector<std::string> heard;
  TMenuItem* open = Item("mnuOpen");
  open->SetOnMeasureItem([&](TObject* sender, HDC, int& width, int& height) {
    heard.push_back("measure " + static_cast<TComponent*>(sender)->Name());
    width += 7;
    height = 30;
  });
  open->SetOnDrawItem([&](TObject* sender, HDC, const RECT& r, UINT state) {
    heard.push_back("draw " + static_cast<TComponent*>(sender)->Name() + " " + std::to_string(r.right) + " " +
                    std::to_string(state));
  });
  HWND window = form_->Handle();
  MEASUREITEMSTRUCT measure{ODT_MENU, 0, open->Command(), 0, 0, 0};
  EXPECT_EQ(SendMessageA(window, WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&measure)), TRUE);
  EXPECT_EQ(measure.itemHeight, 30u);

  // Without a handler the plain size: wider than the caption with its shortcut.
  MEASUREITEMSTRUCT plain{ODT_MENU, 0, Item("mnuExit")->Command(), 0, 0, 0};
  SendMessageA(window, WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&plain));
  EXPECT_GT(plain.itemWidth, 40u);
  EXPECT_GE(plain.itemHeight, 16u);
  EXPECT_LT(plain.itemHeight, 40u);
  // The handler sees the plain size and changes it.
  MEASUREITEMSTRUCT again{ODT_MENU, 0, open->Command(), 0, 0, 0};
  open->SetOnMeasureItem(nullptr);
  SendMessageA(window, WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&again));
  EXPECT_EQ(measure.itemWidth, again.itemWidth + 7);

  HDC screen = GetDC(nullptr);
  HDC dc = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, 200, 24);
  ReleaseDC(nullptr, screen);
  HGDIOBJ old = SelectObject(dc, bitmap);
  DRAWITEMSTRUCT draw{ODT_MENU, 0, open->Command(), ODA_DRAWENTIRE, ODS_SELECTED, nullptr, dc, {0, 0, 200, 24}, 0};
  EXPECT_EQ(SendMessageA(window, WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&draw)), TRUE);
  DRAWITEMSTRUCT button = draw;
  button.CtlType = ODT_BUTTON;
  SendMessageA(window, WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&button));
  DRAWITEMSTRUCT unknown = draw;
  unknown.itemID = 0xEFFF;
  SendMessageA(window, WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&unknown));
  EXPECT_EQ(heard, (std::vector<std::string>{"measure mnuOpen", "draw mnuOpen 200 " + std::to_string(ODS_SELECTED)}));

  // The plain drawing of a selected item: the highlight behind a caption in the highlight's
  // text colour.
  DRAWITEMSTRUCT exit{ODT_MENU, 0, Item("mnuStatus")->Command(), ODA_DRAWENTIRE, ODS_SELECTED, nullptr, dc,
                      {0, 0, 200, 24}, 0};
  SendMessageA(window, WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&exit));
  EXPECT_EQ(GetPixel(dc, 199, 0), GetSysColor(COLOR_HIGHLIGHT));
  int textPixels = 0;
  for (int x = 20; x < 120; ++x)
    for (int y = 4; y < 20; ++y) textPixels += GetPixel(dc, x, y) == GetSysColor(COLOR_HIGHLIGHTTEXT);
  EXPECT_GT(textPixels, 10);
  SelectObject(dc, old);
  DeleteObject(bitmap);
  DeleteDC(dc);
}

TEST(MenuLayout, MalformedMenusAreRefusedWithTheirLine) {
  struct Case {
    const char* layout;
    int line;
  };
  const Case cases[] = {
      {"object MenuForm: TMenuTestForm\n  object P: TPanel\n    object M: TMenuItem\n    end\n  end\nend\n", 3},
      {"object MenuForm: TMenuTestForm\n  object M: TMenuItem\n  end\nend\n", 2},
      {"object MenuForm: TMenuTestForm\n  Menu = NoSuchMenu\nend\n", 2},
      {"object MenuForm: TMenuTestForm\n  Menu = P\n  object P: TPopupMenu\n  end\nend\n", 2},
      {"object MenuForm: TMenuTestForm\n  Menu = 'MainMenu1'\nend\n", 2},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.layout);
    try {
      std::unique_ptr<TMenuTestForm> form(NewMenuForm(c.layout));
      ADD_FAILURE() << "accepted";
    } catch (const ELayoutError& error) {
      EXPECT_EQ(error.Line(), c.line) << error.what();
    }
  }
}

TEST(MenuText, ShortCutsReadAndWriteAsTheirNames) {
  struct Case {
    TShortCut shortCut;
    const char* text;
  };
  const Case cases[] = {{ShortCut('O', ssCtrl), "Ctrl+O"},
                        {ShortCut(VK_F5, ssShift), "Shift+F5"},
                        {ShortCut(VK_DELETE, ssCtrl | ssAlt), "Ctrl+Alt+Del"},
                        {ShortCut('1', ssShift | ssCtrl | ssAlt), "Shift+Ctrl+Alt+1"},
                        {ShortCut(VK_RETURN, 0), "Enter"},
                        {ShortCut(VK_F12, 0), "F12"},
                        {16463, "Ctrl+O"}};
  for (const Case& c : cases) {
    EXPECT_EQ(ShortCutToText(c.shortCut), c.text);
    EXPECT_EQ(TextToShortCut(c.text), c.shortCut) << c.text;
  }
  EXPECT_EQ(TextToShortCut("ctrl+o"), ShortCut('O', ssCtrl));
  for (const char* bad : {"", "Ctrl+", "Ctrl+Nothing", "Hyper+A", "Ctrl"}) EXPECT_EQ(TextToShortCut(bad), scNone) << bad;
  EXPECT_EQ(ShortCutToText(scNone), "");
  EXPECT_EQ(ShortCutToText(ShortCut(VK_LWIN, ssCtrl)), ""); // a key without a name
}

TEST(MenuText, AcceleratorsOfCaptions) {
  struct Case {
    const char* caption;
    const char* stripped;
    char hotkey;
  };
  const Case cases[] = {{"&File", "File", 'f'},   {"E&xit", "Exit", 'x'},   {"Save && quit", "Save & quit", 0},
                        {"&&Not &Me", "&Not Me", 'm'}, {"Trailing&", "Trailing", 0}, {"", "", 0},
                        {"-", "-", 0}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.caption);
    EXPECT_EQ(StripHotkey(c.caption), c.stripped);
    EXPECT_EQ(GetHotkey(c.caption), c.hotkey);
  }
  EXPECT_TRUE(IsAccel('X', "E&xit"));
  EXPECT_TRUE(IsAccel('x', "E&xit"));
  EXPECT_FALSE(IsAccel('e', "E&xit"));
  EXPECT_FALSE(IsAccel('&', "Save && quit"));
}

TEST(MenuTree, ItemsMoveBetweenParentsAndRefuseCycles) {
  TMainMenu menu(nullptr);
  auto* a = new TMenuItem(nullptr);
  auto* b = new TMenuItem(nullptr);
  auto* c = new TMenuItem(nullptr);
  menu.Items()->Add(a);
  a->Add(b);
  b->Add(c);
  EXPECT_THROW(c->Add(a), std::invalid_argument);
  EXPECT_THROW(b->Add(b), std::invalid_argument);
  EXPECT_THROW(a->Insert(5, new TMenuItem(&menu)), std::out_of_range);
  menu.Items()->Add(c); // taken from b
  EXPECT_EQ(b->Count(), 0);
  EXPECT_EQ(c->Parent(), menu.Items());
  EXPECT_EQ(menu.Items()->Count(), 2);
  EXPECT_EQ(NativeEntries(menu.Handle()).size(), 2u);
}

} // namespace
} // namespace vcu::test
