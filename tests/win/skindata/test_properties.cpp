// TSkinData's published properties: the constructor's values, the stored ones read from a
// layout, and the properties that ignore what is written to them.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "SkinDataTesting.h"
#include "app/Main.h"
#include "framework/Forms.h"
#include "framework/LayoutReader.h"
#include "framework/TypInfo.h"
#include "skin/data/WinSkinData.h"

namespace vcu {
namespace {

std::vector<std::string> Lines(const TStrings& list) {
  std::vector<std::string> lines;
  for (int i = 0; i < list.Count(); ++i) lines.push_back(list.Get(i));
  return lines;
}

TEST(SkinDataDefaults, ConstructorValues) {
  TSkinData data(nullptr);
  EXPECT_FALSE(data.Active());
  EXPECT_EQ(data.DisableTag(), 99);
  EXPECT_EQ(data.SkinControls(), 0x001FFFFBu);
  EXPECT_FALSE(InSet(data.SkinControls(), xcMenuItem));
  EXPECT_FALSE(InSet(data.SkinControls(), xcFastReport));
  EXPECT_EQ(data.Options(), 0x0048u);
  EXPECT_EQ(data.SkinFormtype(), sfMainform);
  EXPECT_EQ(data.Version(), "4.94.12.01");
  EXPECT_TRUE(data.MenuUpdate());
  EXPECT_FALSE(data.MenuMerge());
  EXPECT_TRUE(data.SkinFile().empty());
  EXPECT_TRUE(data.SkinEmpty);
  EXPECT_TRUE(data.FramePainting);
  EXPECT_TRUE(data.SkinArchive.empty());
  EXPECT_EQ(data.MaxWidth, GetSystemMetrics(SM_CXMAXIMIZED));
  EXPECT_EQ(data.MaxHeight, GetSystemMetrics(SM_CYMAXIMIZED));
  EXPECT_EQ(data.LeftBorder.Name, "Left");
  EXPECT_EQ(data.TitleText.Name, "Title");
  EXPECT_EQ(data.Buttons.Name, "Buttons");
  EXPECT_FALSE(data.Progress);
}

// The first row matching a class name wins, so the order is part of the list's meaning.
TEST(SkinDataDefaults, Skin3rdHolds118RowsInOrderWithDuplicates) {
  TSkinData data(nullptr);
  const std::vector<std::string> rows = Lines(*data.Skin3rd());
  ASSERT_EQ(rows.size(), 118u);
  EXPECT_EQ(rows.front(), "TCategoryButtons=scrollbar");
  EXPECT_EQ(rows[1], "TPngSpeedbutton=pngspeedbutton");
  EXPECT_EQ(rows[47], "TLMDGroupBox=Groupbox");
  EXPECT_EQ(rows[54], "TLMDGROUPBOX=Panel");
  EXPECT_EQ(rows.back(), "TOVCDBNUMERICFIELD=Edit");
  for (const char* twice : {"TDBCheckboxEh=Checkbox", "TLMDFontSizeCombobox=combobox", "TWWDBCombobox=Combobox"})
    EXPECT_EQ(std::count(rows.begin(), rows.end(), twice), 2) << twice;
}

TEST(SkinDataProperties, SetSkin3rdKeepsItsOwnCopy) {
  TSkinData data(nullptr);
  TStringList given;
  given.Assign({"TMine=button", "TMine=button"});
  data.SetSkin3rd(given);
  given.Add("TLater=edit");
  EXPECT_EQ(Lines(*data.Skin3rd()), (std::vector<std::string>{"TMine=button", "TMine=button"}));
}

TEST(SkinDataProperties, SkinStoreAndVersionIgnoreWrites) {
  test::ManagerScope scope;
  TSkinData data(nullptr);
  SetPropText(&data, "SkinStore", "(Good)");
  SetPropText(&data, "Version", "9.9");
  EXPECT_EQ(GetTextProp(&data, "SkinStore"), "(none)");
  EXPECT_EQ(GetTextProp(&data, "Version"), "4.94.12.01");
  // At run time the store reads "(none)" even with a skin held and loaded.
  data.ReadSkinStream(test::StreamOf(test::PackSkin({{"skin.ini", test::TextBytes("[TitlebarSkin]\nSkinName=x\n")}})));
  ASSERT_FALSE(data.SkinEmpty);
  EXPECT_EQ(GetTextProp(&data, "SkinStore"), "(none)");
}

class SkinDataLayout : public ::testing::Test {
protected:
  test::ManagerScope scope_;
};

TEST_F(SkinDataLayout, StoredValuesReplaceTheDefaults) {
  TForm form(nullptr);
  ReadComponentLayout(form, R"(object Form1: TForm
  object SkinData1: TSkinData
    DisableTag = 7
    SkinControls = [xcMainMenu, xcButton, xcFastReport]
    Options = [xoMenuBG]
    Skin3rd.Strings = (
      'TOne=edit'
      'TTwo=Panel'
      'TOne=edit')
    SkinStore = '(Good)'
    SkinFormtype = sfDialog
    Version = '1.0'
    MenuUpdate = False
    MenuMerge = True
  end
end
)");
  auto* data = dynamic_cast<TSkinData*>(form.FindComponent("SkinData1"));
  ASSERT_NE(data, nullptr);
  EXPECT_EQ(data->DisableTag(), 7);
  EXPECT_EQ(data->SkinControls(), 1u << xcMainMenu | 1u << xcButton | 1u << xcFastReport);
  EXPECT_EQ(data->Options(), 1u << xoMenuBG);
  EXPECT_EQ(Lines(*data->Skin3rd()), (std::vector<std::string>{"TOne=edit", "TTwo=Panel", "TOne=edit"}));
  EXPECT_EQ(data->SkinFormtype(), sfDialog);
  EXPECT_EQ(data->Version(), "4.94.12.01");
  EXPECT_EQ(data->GetSkinStore(), "(none)");
  EXPECT_FALSE(data->MenuUpdate());
  EXPECT_TRUE(data->MenuMerge());
}

// Handlers in a layout take a sender only; these events have parameters of their own. The
// main window's class is the root so that the handler named exists.
TEST_F(SkinDataLayout, EventsWithParametersAreRefusedInALayout) {
  for (const char* event : {"OnFormSkin", "OnSkinControl", "OnBeforeSkinForm", "OnAfterSkinForm"}) {
    TfrmMain form(nullptr);
    const std::string layout = std::string("object frmMain: TfrmMain\n  object SkinData1: TSkinData\n    ") +
                               event + " = FormCreate\n  end\nend\n";
    try {
      ReadComponentLayout(form, layout);
      ADD_FAILURE() << event << " was bound";
    } catch (const ELayoutError& error) {
      EXPECT_NE(std::string(error.what()).find("assign it in code"), std::string::npos) << error.what();
    }
  }
}

} // namespace
} // namespace vcu
