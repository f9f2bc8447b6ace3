// Which skinner each child control gets, watched through the skinner maker: every kind the
// classification asks for is recorded and given a plain control base, so the decisions show
// whether or not this build has that kind's skinner yet.
#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <windows.h>

#include "SkinnedForms.h"
#include "support/Pump.h"
#include "framework/ExtCtrls.h"
#include "framework/StdCtrls.h"
#include "skin/controls/SkinControl.h"
#include "skin/controls/SkinnerFactory.h"

namespace vcu::test {
namespace {

struct Made {
  SkinnerKind kind;
  TComponent* owner;
};
std::vector<Made>& Record() {
  static std::vector<Made> made;
  return made;
}

TSkinControl* RecordingMaker(SkinnerKind kind, TComponent* owner) {
  Record().push_back({kind, owner});
  return new TSkinControl(owner);
}

// A radio group as third-party libraries name theirs: a group box whose class name says so.
class TTestRadioGroup : public TCustomGroupBox {
public:
  using TCustomGroupBox::TCustomGroupBox;
  static const TClassInfo& ClassInfo() {
    static const TClassInfo info("TTestRadioGroup", &TCustomGroupBox::ClassInfo(), {});
    return info;
  }
  const TClassInfo& ClassType() const override { return ClassInfo(); }
};

// A class the framework does not know, for the third-party table.
class TFancyButton : public TButton {
public:
  using TButton::TButton;
  static const TClassInfo& ClassInfo() {
    static const TClassInfo info("TFancyButton", &TButton::ClassInfo(), {});
    return info;
  }
  const TClassInfo& ClassType() const override { return ClassInfo(); }
};

class Classification : public SkinnedFormTest {
protected:
  void SetUp() override {
    previous_ = SetSkinnerMaker(&RecordingMaker);
    Record().clear();
    SkinnedFormTest::SetUp();
  }
  void TearDown() override {
    SkinnedFormTest::TearDown();
    SetSkinnerMaker(previous_);
  }

  template <class T> T* Add(int x, int y, int w, int h, TWinControl* parent = nullptr) {
    auto* control = new T(&form_);
    control->SetParent(parent ? parent : &form_);
    control->SetBounds(x, y, w, h);
    return control;
  }
  // The kinds recorded for the control, in the order they were made.
  std::vector<SkinnerKind> KindsOf(TComponent* control) const {
    std::vector<SkinnerKind> kinds;
    for (const Made& m : Record())
      if (m.owner == control) kinds.push_back(m.kind);
    return kinds;
  }
  void Skin3rd(const std::vector<std::string>& rows) {
    TStringList list;
    for (const std::string& row : rows) list.Add(row);
    data_.SetSkin3rd(list);
  }

  SkinnerMaker previous_ = nullptr;
};

using Kinds = std::vector<SkinnerKind>;

TEST_F(Classification, TheMainWindowsControlKinds) {
  auto* button = Add<TButton>(10, 10, 80, 25);
  auto* edit = Add<TEdit>(10, 40, 120, 21);
  auto* memo = Add<TMemo>(10, 70, 200, 80);
  auto* group = Add<TGroupBox>(220, 10, 150, 90);
  auto* inGroup = Add<TRadioButton>(10, 20, 100, 20, group);
  auto* onForm = Add<TRadioButton>(220, 110, 100, 20);
  auto* label = new TLabel(&form_);
  label->SetParent(&form_);
  SkinOn();

  EXPECT_EQ(KindsOf(button), Kinds{SkinnerKind::Button});
  EXPECT_EQ(KindsOf(edit), Kinds{SkinnerKind::Edit});
  EXPECT_EQ(KindsOf(memo), Kinds{SkinnerKind::Scrollbar});
  EXPECT_EQ(KindsOf(group), Kinds{SkinnerKind::GroupBox});
  EXPECT_EQ(KindsOf(inGroup), Kinds{SkinnerKind::RadioButton});
  EXPECT_EQ(KindsOf(onForm), Kinds{SkinnerKind::RadioButton});
  EXPECT_TRUE(KindsOf(label).empty());
  // The group's buttons are skinned before the group itself.
  auto at = [](TComponent* c) {
    return std::find_if(Record().begin(), Record().end(), [c](const Made& m) { return m.owner == c; }) - Record().begin();
  };
  EXPECT_LT(at(inGroup), at(group));

  // Every skinner answers the query and is on the form skinner's list; a second walk adds none.
  EXPECT_EQ(SendMessageW(button->Handle(), SKINMSG_QUERY, 0, 0), 1);
  TWinSkinForm* skinner = RunningSkinner(form_.Handle());
  ASSERT_NE(skinner, nullptr);
  const size_t count = skinner->SkinnedControls().size();
  EXPECT_EQ(count, Record().size());
  skinner->SkinChildren();
  EXPECT_EQ(skinner->SkinnedControls().size(), count);
}

TEST_F(Classification, DisableTagKeepsAControlAndAGroupsButtonsNative) {
  auto* tagged = Add<TButton>(10, 10, 80, 25);
  tagged->SetTag(99);
  auto* group = Add<TTestRadioGroup>(10, 40, 150, 90);
  group->SetTag(99);
  auto* inGroup = Add<TRadioButton>(10, 20, 100, 20, group);
  auto* plain = Add<TButton>(200, 10, 80, 25);
  SkinOn();

  EXPECT_TRUE(KindsOf(tagged).empty());
  EXPECT_TRUE(KindsOf(group).empty());
  EXPECT_TRUE(KindsOf(inGroup).empty());
  EXPECT_EQ(inGroup->Tag(), 99);
  EXPECT_EQ(SendMessageW(tagged->Handle(), SKINMSG_QUERY, 0, 0), 0);
  EXPECT_EQ(KindsOf(plain), Kinds{SkinnerKind::Button});
}

TEST_F(Classification, ThirdPartyTableRows) {
  auto* nil = Add<TButton>(10, 10, 80, 25);       // TButton=nil beats the class rule
  auto* fancy = Add<TFancyButton>(10, 40, 80, 25); // first of two rows wins
  auto* edit = Add<TEdit>(10, 70, 80, 21);         // a word the table does not know
  Skin3rd({"TButton=nil", "tfancybutton=CheckBox", "TFancyButton=button", "TEdit=slider"});
  SkinOn();

  EXPECT_TRUE(KindsOf(nil).empty());
  EXPECT_EQ(KindsOf(fancy), Kinds{SkinnerKind::CheckBox});
  EXPECT_TRUE(KindsOf(edit).empty());
}

TEST_F(Classification, TableKindsFollowTheirOwnGates) {
  auto* track = Add<TFancyButton>(10, 10, 80, 25);
  auto* panel = Add<TPanel>(10, 40, 100, 50);
  Skin3rd({"TFancyButton=trackbar", "TPanel=panel"});
  // Track bars named by the table follow the button switch, not the track-bar one.
  data_.SetSkinControls(Exclude(data_.SkinControls(), xcButton) | (1u << xcTrackBar));
  SkinOn();

  EXPECT_TRUE(KindsOf(track).empty());
  EXPECT_EQ(KindsOf(panel), Kinds{SkinnerKind::Box});
  EXPECT_EQ(panel->Color(), static_cast<TColor>(data_.ColourButtonFace)) << "a panel's skinner takes its colour";
}

TEST_F(Classification, OnSkinControlDecidesFirst) {
  auto* chosen = Add<TButton>(10, 10, 80, 25);
  auto* vetoed = Add<TButton>(10, 40, 80, 25);
  TSkinControl* own = nullptr;
  std::map<TControl*, std::string> classes;
  data_.OnSkinControl = [&](TComponent*, TSkinData*, TControl*, TControl* control, const std::string& cls,
                            TComponent*& made) {
    classes[control] = cls;
    if (control == chosen) made = own = new TSkinControl(control);
    if (control == vetoed) made = control; // not a skinner: nothing more happens
  };
  SkinOn();

  EXPECT_EQ(classes[chosen], "TBUTTON");
  EXPECT_TRUE(KindsOf(chosen).empty());
  EXPECT_TRUE(KindsOf(vetoed).empty());
  ASSERT_NE(own, nullptr);
  EXPECT_TRUE(own->Attached());
  EXPECT_EQ(SendMessageW(chosen->Handle(), SKINMSG_QUERY, 0, 0), 1);
  EXPECT_EQ(SendMessageW(vetoed->Handle(), SKINMSG_QUERY, 0, 0), 0);
  data_.OnSkinControl = nullptr;
}

TEST_F(Classification, SwitchedOffKindsStayNative) {
  auto* button = Add<TButton>(10, 10, 80, 25);
  auto* memo = Add<TMemo>(10, 40, 200, 80);
  data_.SetSkinControls(Exclude(Exclude(data_.SkinControls(), xcButton), xcScrollbar));
  SkinOn();
  EXPECT_TRUE(KindsOf(button).empty());
  EXPECT_TRUE(KindsOf(memo).empty());
}

// ---- native children of a plain dialog

struct DialogTemplate {
  std::vector<WORD> words;
  void Align() {
    if (words.size() % 2) words.push_back(0);
  }
  void Text(const wchar_t* text) {
    for (; *text; ++text) words.push_back(*text);
    words.push_back(0);
  }
  void Item(DWORD style, short x, short y, short cx, short cy, WORD id, WORD atom, const wchar_t* text) {
    Align();
    const DWORD header[] = {style | WS_CHILD | WS_VISIBLE, 0};
    for (DWORD d : header) {
      words.push_back(LOWORD(d));
      words.push_back(HIWORD(d));
    }
    for (short v : {x, y, cx, cy}) words.push_back(static_cast<WORD>(v));
    words.push_back(id);
    words.push_back(0xFFFF);
    words.push_back(atom);
    Text(text);
    words.push_back(0);
  }
};

TEST_F(Classification, NativeDialogChildrenByClassAndStyle) {
  DialogTemplate t;
  const DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | WS_VISIBLE;
  for (DWORD d : {style, DWORD{0}}) {
    t.words.push_back(LOWORD(d));
    t.words.push_back(HIWORD(d));
  }
  t.words.push_back(6); // items
  for (short v : {short{10}, short{10}, short{200}, short{120}}) t.words.push_back(static_cast<WORD>(v));
  t.words.push_back(0); // no menu
  t.words.push_back(0); // the dialog class
  t.Text(L"Native");
  t.Item(BS_PUSHBUTTON, 5, 5, 50, 14, IDOK, 0x80, L"OK");
  t.Item(BS_OWNERDRAW, 60, 5, 50, 14, 101, 0x80, L"Owner");
  t.Item(BS_AUTORADIOBUTTON, 5, 25, 60, 12, 102, 0x80, L"Radio");
  t.Item(BS_AUTOCHECKBOX, 70, 25, 60, 12, 103, 0x80, L"Check");
  t.Item(BS_GROUPBOX, 5, 40, 120, 40, 104, 0x80, L"Group");
  t.Item(ES_AUTOHSCROLL | WS_BORDER, 5, 85, 100, 12, 105, 0x81, L"");
  t.Align();

  SkinOn();
  HWND dialog = CreateDialogIndirectW(GetModuleHandleW(nullptr), reinterpret_cast<LPCDLGTEMPLATEW>(t.words.data()),
                                      form_.Handle(), [](HWND, UINT, WPARAM, LPARAM) -> INT_PTR { return FALSE; });
  ASSERT_NE(dialog, nullptr);
  SetActiveWindow(dialog);
  ASSERT_TRUE(PumpUntilSkinned(dialog));

  TWinSkinForm* skinner = RunningSkinner(dialog);
  ASSERT_NE(skinner, nullptr);
  std::map<int, SkinnerKind> kinds;
  size_t i = 0;
  for (const Made& m : Record()) {
    if (m.owner != skinner) continue;
    ASSERT_LT(i, skinner->SkinnedControls().size());
    kinds[GetDlgCtrlID(skinner->SkinnedControls()[i++]->Handle())] = m.kind;
  }
  const std::map<int, SkinnerKind> expected = {{IDOK, SkinnerKind::Button},
                                              {102, SkinnerKind::RadioButton},
                                              {103, SkinnerKind::CheckBox},
                                              {105, SkinnerKind::Edit}};
  EXPECT_EQ(kinds, expected) << "owner-drawn buttons and group boxes stay native";
  EXPECT_EQ(SendMessageW(GetDlgItem(dialog, 101), SKINMSG_QUERY, 0, 0), 0);
  EXPECT_EQ(SendMessageW(GetDlgItem(dialog, IDOK), SKINMSG_QUERY, 0, 0), 1);
  DestroyWindow(dialog);
  Pump();
}

} // namespace
} // namespace vcu::test
