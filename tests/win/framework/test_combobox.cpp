// The framework's combo box: a native combo box of each style under its own window class,
// items kept across the window being made anew, the chosen item, the change event for the
// user's choices only, and the layout setting all of it by name.
#include <gtest/gtest.h>

#include <string>

#include "framework/ComboBox.h"
#include "framework/Forms.h"
#include "framework/LayoutReader.h"
#include "support/Pump.h"

namespace vcu {
namespace {

class ComboBoxTest : public ::testing::Test {
protected:
  void SetUp() override {
    form_.SetBounds(100, 100, 300, 200);
    form_.Show();
  }
  TComboBox* Make(TComboBoxStyle style) {
    auto* combo = new TComboBox(&form_);
    combo->SetStyle(style);
    combo->SetBounds(10, 10, 150, style == csSimple ? 90 : 21);
    combo->Items()->Add("USB");
    combo->Items()->Add("Network");
    combo->Items()->Add("Serial port");
    combo->SetParent(&form_);
    return combo;
  }
  TForm form_{nullptr};
};

TEST_F(ComboBoxTest, EachStyleIsTheNativeKindUnderTheFrameworkClass) {
  struct Case {
    TComboBoxStyle style;
    LONG_PTR native;
  };
  for (const Case& c : {Case{csDropDown, CBS_DROPDOWN}, Case{csSimple, CBS_SIMPLE}, Case{csDropDownList, CBS_DROPDOWNLIST}}) {
    TComboBox* combo = Make(c.style);
    HWND window = combo->Handle();
    char name[64];
    GetClassNameA(window, name, sizeof name);
    EXPECT_STREQ(name, "TComboBox");
    EXPECT_EQ(GetWindowLongPtrW(window, GWL_STYLE) & 3, c.native);
    EXPECT_EQ(SendMessageW(window, CB_GETCOUNT, 0, 0), 3);
    delete combo;
  }
}

TEST_F(ComboBoxTest, ItemsAndChoiceSurviveAStyleChangeThatRemakesTheWindow) {
  TComboBox* combo = Make(csDropDown);
  combo->SetItemIndex(2);
  HWND first = combo->Handle();
  combo->SetStyle(csDropDownList);
  EXPECT_NE(combo->Handle(), first);
  EXPECT_EQ(GetWindowLongPtrW(combo->Handle(), GWL_STYLE) & 3, CBS_DROPDOWNLIST);
  EXPECT_EQ(SendMessageW(combo->Handle(), CB_GETCOUNT, 0, 0), 3);
  EXPECT_EQ(combo->ItemIndex(), 2);
  EXPECT_EQ(combo->Text(), "Serial port");
  combo->SetItemIndex(7); // out of range: nothing chosen
  EXPECT_EQ(combo->ItemIndex(), -1);
  combo->Items()->Clear();
  EXPECT_EQ(SendMessageW(combo->Handle(), CB_GETCOUNT, 0, 0), 0);
}

TEST_F(ComboBoxTest, ChangeRunsForTheUsersChoiceNotForTheProgramsAndDropDownFollows) {
  TComboBox* combo = Make(csDropDownList);
  int changes = 0;
  combo->SetOnChange([&](TObject* sender) {
    EXPECT_EQ(sender, combo);
    ++changes;
  });
  combo->SetItemIndex(0);
  EXPECT_EQ(changes, 0);
  combo->SetFocus();
  SendMessageW(combo->Handle(), WM_KEYDOWN, VK_DOWN, 0);
  test::Pump();
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(combo->ItemIndex(), 1);
  combo->SetDroppedDown(true);
  EXPECT_TRUE(combo->DroppedDown());
  combo->SetDroppedDown(false);
  EXPECT_FALSE(combo->DroppedDown());
}

TEST_F(ComboBoxTest, LayoutSetsStyleItemsChoiceCountAndDirection) {
  TForm form(nullptr);
  ReadComponentLayout(form, R"(object Choice: TForm
  object cboLink: TComboBox
    Left = 8
    Top = 8
    Width = 120
    Style = csDropDownList
    DropDownCount = 4
    BiDiMode = bdRightToLeft
    Items.Strings = (
      'USB'
      'Network')
    ItemIndex = 1
  end
end
)");
  auto* combo = dynamic_cast<TComboBox*>(form.FindComponent("cboLink"));
  ASSERT_NE(combo, nullptr);
  EXPECT_EQ(combo->Style(), csDropDownList);
  EXPECT_EQ(combo->DropDownCount(), 4);
  EXPECT_EQ(combo->Items()->Count(), 2);
  EXPECT_EQ(combo->ItemIndex(), 1);
  EXPECT_EQ(combo->BiDiMode(), bdRightToLeft);
  EXPECT_NE(GetWindowLongPtrW(combo->Handle(), GWL_EXSTYLE) & WS_EX_LEFTSCROLLBAR, 0);
  EXPECT_EQ(combo->ItemIndex(), 1);
}

} // namespace
} // namespace vcu
