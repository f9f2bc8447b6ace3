// TSkinData's published properties: the constructor's values, the stored ones read from a
// layout, and the properties that ignore what is written to them.
#include <gtest/gtest.h>

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
  EXPECT_EQ(data.SkinControls(), 0x001FFFFBu); // every member but xcMenuItem (2) and xcFastReport (21)
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

// The first row matching a class name wins, so the order is part of the list's meaning; three
// rows stand twice and both copies are kept.
TEST(SkinDataDefaults, Skin3rdHoldsItsRowsInOrderWithDuplicates) {
  const std::vector<std::string> expected = {
      "TCategoryButtons=scrollbar", "TPngSpeedbutton=pngspeedbutton", "TPngBitBtn=pngbitbtn",
      "TVirtualStringTree=scrollbar", "TVirtualDrawTree=scrollbar", "TTBXDockablePanel=Panel",
      "TAdvPanelGroup=scrollbar", "TComboboxex=combobox", "TRxSpeedButton=speedbutton",
      "THTMLViewer=scrollbar", "TDBCtrlGrid=scrollbar", "TfrSpeedButton=speedbutton",
      "TfrTBButton=speedbutton", "TControlBar=Panel", "TTBDock=Panel", "TTBToolbar=Panel",
      "TImageEnMView=scrollbar", "TImageEnView=scrollbar", "TAdvMemo=scrollbar", "TDBAdvMemo=scrollbar",
      "TcxDBLookupComboBox=combobox", "TcxDBComboBox=combobox", "TcxDBDateEdit=combobox",
      "TcxDBImageComboBox=combobox", "TcxDBCalcEdit=combobox", "TcxDBBlobEdit=combobox",
      "TcxDBPopupEdit=combobox", "TcxDBFontNameComboBox=combobox", "TcxDBShellComboBox=combobox",
      "TRxLookupEdit=combobox", "TRxDBLookupCombo=combobox", "TRzGroup=panel", "TRzButton=button",
      "TRzBitbtn=bitbtn", "TRzMenuButton=menubtn", "TRzCheckGroup=CheckGroup", "TRzRadioGroup=Radiogroup",
      "TRzButtonEdit=Edit", "TRzDBRadioGroup=Radiogroup", "TRzDBRadioButton=Radiobutton",
      "TRzDateTimeEdit=combobox", "TRzColorEdit=combobox", "TRzDateTimePicker=combobox",
      "TRzDBDateTimeEdit=combobox", "TRzDbColorEdit=combobox", "TRzDBDateTimePicker=combobox",
      "TLMDButton=bitbtn", "TLMDGroupBox=Groupbox", "TDBCheckboxEh=Checkbox", "TDBCheckboxEh=Checkbox",
      "TLMDCHECKBOX=Checkbox", "TLMDDBCHECKBOX=Checkbox", "TLMDRadiobutton=Radiobutton",
      "TLMDCalculator=panel", "TLMDGROUPBOX=Panel", "TLMDSIMPLEPANEL=Panel", "TLMDDBCalendar=Panel",
      "TLMDButtonPanel=Panel", "TLMDLMDCalculator=Panel", "TLMDHeaderPanel=Panel", "TLMDTechnicalLine=Panel",
      "TLMDLMDClock=Panel", "TLMDTrackbar=panel", "TLMDListCombobox=combobox",
      "TLMDCheckListCombobox=combobox", "TLMDHeaderListCombobox=combobox", "TLMDImageCombobox=combobox",
      "TLMDColorCombobox=combobox", "TLMDFontCombobox=combobox", "TLMDFontSizeCombobox=combobox",
      "TLMDFontSizeCombobox=combobox", "TLMDPrinterCombobox=combobox", "TLMDDriveCombobox=combobox",
      "TLMDCalculatorComboBox=combobox", "TLMDTrackBarComboBox=combobox", "TLMDCalendarComboBox=combobox",
      "TLMDTreeComboBox=combobox", "TLMDRADIOGROUP=radiogroup", "TLMDCheckGroup=CheckGroup",
      "TLMDDBRADIOGROUP=radiogroup", "TLMDDBCheckGroup=CheckGroup", "TLMDCalculatorEdit=edit",
      "TLMDEDIT=Edit", "TLMDMASKEDIT=Edit", "TLMDBROWSEEDIT=Edit", "TLMDEXTSPINEDIT=Edit",
      "TLMDCALENDAREDIT=Edit", "TLMDFILEOPENEDIT=Edit", "TLMDFILESAVEEDIT=Edit", "TLMDCOLOREDIT=Edit",
      "TLMDDBEDIT=Edit", "TLMDDBMASKEDIT=Edit", "TLMDDBEXTSPINEDIT=Edit", "TLMDDBSPINEDIT=Edit",
      "TLMDDBEDITDBLookup=Edit", "TLMDEDITDBLookup=Edit", "TDBLookupCombobox=Combobox",
      "TWWDBCombobox=Combobox", "TWWDBLookupCombo=Combobox", "TWWDBCombobox=Combobox",
      "TWWKeyCombo=Combobox", "TWWTempKeyCombo=combobox", "TWWDBDateTimePicker=Combobox",
      "TWWRADIOGROUP=radiogroup", "TWWDBEDIT=Edit", "TcxButton=bitbtn", "TcxDBRadioGroup=radiogroup",
      "TcxRadioGroup=radiogroup", "TcxGroupbox=groupbox", "TOVCPICTUREFIELD=Edit", "TOVCDBPICTUREFIELD=Edit",
      "TOVCSLIDEREDIT=Edit", "TOVCDBSLIDEREDIT=Edit", "TOVCSIMPLEFIELD=Edit", "TOVCDBSIMPLEFIELD=Edit",
      "TO32DBFLEXEDIT=Edit", "TOVCNUMERICFIELD=Edit", "TOVCDBNUMERICFIELD=Edit"};
  ASSERT_EQ(expected.size(), 118u);
  TSkinData data(nullptr);
  EXPECT_EQ(Lines(*data.Skin3rd()), expected);
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
  EXPECT_EQ(data->SkinControls(), 0x00200801u); // members 0, 11 and 21
  EXPECT_EQ(data->Options(), 0x0200u);           // member 9
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
