// A framework form's menu bar under the skin: the buttons stand for the menu's items, a
// change of the items (CM_MENUCHANGED) rebuilds the bar and keeps the native bar off, Alt and
// an accelerator (CM_DIALOGCHAR) opens a menu whose chosen item's OnClick runs once, and
// skinning off gives the form its menu back. The form's popup menus are drawn by the skin's
// item painter while it is skinned.
#include <gtest/gtest.h>

#include "MenuWindows.h"
#include "skin/menus/WinSkinMenu.h"
#include "support/Pump.h"

namespace vcu::test {
namespace {

class FormMenus : public SkinnedFormTest {
protected:
  void SetUp() override {
    SkinnedFormTest::SetUp();
    menu_ = new TMainMenu(&form_);
    file_ = AddItem(menu_->Items(), "&File");
    open_ = AddItem(file_, "&Open");
    open_->SetOnClick([this](TObject*) { ++opened_; });
    AddItem(file_, "-");
    AddItem(file_, "E&xit");
    edit_ = AddItem(menu_->Items(), "&Edit");
    AddItem(edit_, "&Copy")->SetEnabled(false);
    form_.SetMenu(menu_);
    Pump();
  }

  TMenuItem* AddItem(TMenuItem* parent, const char* caption) {
    auto* item = new TMenuItem(menu_);
    item->SetCaption(caption);
    parent->Add(item);
    return item;
  }

  TWinSkinMenu& Bar() { return *RunningSkinner(form_.Handle())->SkinMenu(); }

  TMainMenu* menu_ = nullptr;
  TMenuItem *file_ = nullptr, *open_ = nullptr, *edit_ = nullptr;
  int opened_ = 0;
};

TEST_F(FormMenus, BarStandsForTheItemsAndFollowsTheirChanges) {
  ASSERT_EQ(GetMenu(form_.Handle()), menu_->Handle());
  SkinOn();
  ASSERT_NE(RunningSkinner(form_.Handle())->SkinMenu(), nullptr);
  EXPECT_EQ(GetMenu(form_.Handle()), nullptr);
  ASSERT_EQ(Bar().Count(), 2);
  EXPECT_EQ(Bar().Button(0).Item, file_);
  EXPECT_EQ(Bar().Button(0).SubMenu, file_->Handle());
  EXPECT_EQ(Bar().Button(1).Caption, L"&Edit");

  file_->SetCaption("&Document");
  edit_->SetEnabled(false);
  Pump();
  EXPECT_EQ(GetMenu(form_.Handle()), nullptr) << "the rebuilt native bar is taken off again";
  ASSERT_EQ(Bar().Count(), 2);
  EXPECT_EQ(Bar().Button(0).Caption, L"&Document");
  EXPECT_FALSE(Bar().Button(1).Enabled);

  data_.SetActive(false);
  CarryOutRequestNow();
  EXPECT_EQ(GetMenu(form_.Handle()), menu_->Handle()) << "skinning off gives the menu back";
  EXPECT_EQ(GetMenuItemCount(menu_->Handle()), 2);
  data_.SetActive(true);
  CarryOutRequestNow();
  ASSERT_TRUE(PumpUntilSkinned(form_.Handle()));
  EXPECT_EQ(GetMenu(form_.Handle()), nullptr);
}

// A build looks every item up in the form's menu; a rebuild only those without text, and takes
// an item with text as the window's menu has it.
TEST_F(FormMenus, RebuildLooksUpOnlyItemsWithoutText) {
  SkinOn();
  ASSERT_NE(RunningSkinner(form_.Handle())->SkinMenu(), nullptr);
  HMENU menu = Bar().Menu();
  auto setText = [menu](UINT position, const wchar_t* text) {
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_STRING;
    info.dwTypeData = const_cast<wchar_t*>(text);
    ASSERT_TRUE(SetMenuItemInfoW(menu, position, TRUE, &info));
  };
  setText(0, L"");
  setText(1, L"Native");

  Bar().BuildMenuButtons();
  ASSERT_EQ(Bar().Count(), 2);
  EXPECT_EQ(Bar().Button(0).Caption, L"&File");
  EXPECT_EQ(Bar().Button(1).Caption, L"&Edit");
  EXPECT_EQ(Bar().Button(1).Item, edit_);

  Bar().RebuildMenuButtons();
  ASSERT_EQ(Bar().Count(), 2);
  EXPECT_EQ(Bar().Button(0).Caption, L"&File") << "an item without text is looked up";
  EXPECT_EQ(Bar().Button(0).Item, file_);
  EXPECT_EQ(Bar().Button(0).SubMenu, file_->Handle());
  EXPECT_EQ(Bar().Button(1).Caption, L"Native") << "an item with text is taken as it is";
  EXPECT_EQ(Bar().Button(1).Item, nullptr);
  EXPECT_FALSE(Bar().Button(1).Bounds.Empty()) << "laid out at once";
}

TEST_F(FormMenus, AltAndAnAcceleratorOpensTheMenuAndTheChosenItemClicksOnce) {
  SkinOn();
  {
    // The first item comes up selected: Return chooses "Open".
    MenuScript script({[] { PressMenuKey(VK_RETURN); }});
    SendMessageA(form_.Handle(), WM_SYSCHAR, 'f', 0x20000001);
  }
  ASSERT_TRUE(PumpUntil([this] { return opened_ > 0; }, "Open to be clicked"));
  for (int i = 0; i < 5; ++i) {
    Sleep(20);
    Pump();
  }
  EXPECT_EQ(opened_, 1);
  EXPECT_TRUE(Manager().PopupMenus().empty());
}

// A popup menu component of the form turns owner-drawn with the skin and back without it; its
// items are measured and drawn by the skin on the popup's skinned background, and the one
// clicked runs its OnClick once.
TEST_F(FormMenus, PopupMenuComponentsAreTheSkinsWhileSkinned) {
  auto* popup = new TPopupMenu(&form_);
  int copied = 0;
  for (const char* caption : {"&Copy", "-", "&Paste"}) {
    auto* item = new TMenuItem(popup);
    item->SetCaption(caption);
    popup->Items()->Add(item);
  }
  popup->Items()->Items(0)->SetOnClick([&copied](TObject*) { ++copied; });
  EXPECT_FALSE(popup->OwnerDraw());
  SkinOn();
  ASSERT_TRUE(popup->OwnerDraw());

  int checkedItems = 0, rowDifferences = 0;
  HMENU menu = popup->Handle();
  MenuScript script({[&] {
                       const auto open = OpenMenuWindows();
                       if (open.empty()) return;
                       RedrawWindow(open.front(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
                       const Bitmap shown = ReadWholeWindow(open.front());
                       for (UINT i : {0u, 2u}) {
                         rowDifferences += ItemEdgeDifferences(shown, open.front(), menu, i, data_);
                         ++checkedItems;
                       }
                     },
                     [&] { ClickMenuItem(form_.Handle(), menu, 0); }});
  RECT r{};
  GetWindowRect(form_.Handle(), &r);
  popup->Popup(r.left + 60, r.top + 80);
  ASSERT_TRUE(PumpUntil([&] { return copied > 0; }, "Copy to be clicked"));
  EXPECT_EQ(checkedItems, 2);
  EXPECT_EQ(rowDifferences, 0);
  for (int i = 0; i < 5; ++i) {
    Sleep(20);
    Pump();
  }
  EXPECT_EQ(copied, 1);

  data_.SetActive(false);
  CarryOutRequestNow();
  EXPECT_FALSE(popup->OwnerDraw()) << "given back with the window";
}

} // namespace
} // namespace vcu::test
