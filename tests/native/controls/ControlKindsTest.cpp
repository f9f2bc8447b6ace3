// The window-free rules of the control classification: the third-party class table and the
// native child windows of plain dialogs.
#include <gtest/gtest.h>

#include "core/controls/ControlKinds.h"

namespace vcu {
namespace {

constexpr unsigned kAllGates = 0x001FFFFB;

unsigned Without(unsigned controls, ControlGate gate) { return controls & ~(1u << gate); }

TEST(ClassKindTable, FirstRowNamingTheClassWinsAndTheKindIsLowerCasedAndCut) {
  const std::vector<std::string> rows = {
      "TFancyButtonX=checkbox", // a longer class name that begins like the one asked for
      "tfancybutton=Button",
      "TFancyButton=nil",        // a later duplicate loses
      "TOther=a=b",
      "TLong=" + std::string(60, 'K'),
  };
  EXPECT_EQ(FindClassKind(rows, "TFancyButton"), std::optional<std::string>("button"));
  EXPECT_EQ(FindClassKind(rows, "TOTHER"), std::optional<std::string>("a=b"));
  EXPECT_EQ(FindClassKind(rows, "TLong"), std::optional<std::string>(std::string(50, 'k')));
  EXPECT_EQ(FindClassKind(rows, "TMissing"), std::nullopt);
  EXPECT_EQ(FindClassKind({}, "TFancyButton"), std::nullopt);
}

TEST(ClassKindTable, KindWordsAndTheirGates) {
  struct Case {
    const char* word;
    NamedKind kind;
    int gate;
  };
  const Case cases[] = {
      {"nil", NamedKind::Nil, -1},
      {"combobox", NamedKind::ComboBox, gateCombo},
      {"comboboxex", NamedKind::ComboBoxEx, gateCombo},
      {"edit", NamedKind::Edit, gateEdit},
      {"trackbar", NamedKind::TrackBar, gateButton}, // the button switch, not the track-bar one
      {"mediaplayer", NamedKind::MediaPlayer, gateButton},
      {"bitbtn", NamedKind::BitBtn, gateButton},     // not the bit-button switch
      {"speedbutton", NamedKind::SpeedButton, gateSpeedButton},
      {"container", NamedKind::Container, -1},
      {"checkgroup", NamedKind::CheckGroup, gatePanel},
      {"radiogroup", NamedKind::RadioGroup, gateGroupBox},
      {"datetimepicker", NamedKind::DateTimePicker, gateCombo},
      {"checkbox", NamedKind::CheckBox, gateCheckBox},
      {"Button", NamedKind::Unknown, -1}, // words are compared as the table's lower-case text
      {"slider", NamedKind::Unknown, -1},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(NamedKindOf(c.word), c.kind) << c.word;
    EXPECT_EQ(GateOfNamedKind(NamedKindOf(c.word)), c.gate) << c.word;
  }
}

TEST(NativeChildren, ButtonsByStyle) {
  struct Case {
    std::uint32_t style;
    NativeChildAction action;
    SkinnerKind kind;
  };
  const Case cases[] = {
      {0x0 /*push button*/, NativeChildAction::Skin, SkinnerKind::Button},
      {0x1 /*default push button*/, NativeChildAction::Skin, SkinnerKind::Button},
      {0x2 /*check box*/, NativeChildAction::Skin, SkinnerKind::CheckBox},
      {0x3 /*auto check box*/, NativeChildAction::Skin, SkinnerKind::CheckBox},
      {0x5 /*auto 3-state*/, NativeChildAction::Skin, SkinnerKind::CheckBox},
      {0x4 /*radio button*/, NativeChildAction::Skin, SkinnerKind::RadioButton},
      {0x9 /*auto radio button*/, NativeChildAction::Skin, SkinnerKind::RadioButton},
      {0x7 /*group box*/, NativeChildAction::Nothing, SkinnerKind::None},
      {0xB /*owner-drawn*/, NativeChildAction::Nothing, SkinnerKind::None},
      {0x80 /*icon*/, NativeChildAction::Nothing, SkinnerKind::None},
  };
  for (const Case& c : cases) {
    const NativeChildDecision d = DecideNativeChild("button", c.style | 0x50000000u, kAllGates);
    EXPECT_EQ(d.action, c.action) << std::hex << c.style;
    EXPECT_EQ(d.kind, c.kind) << std::hex << c.style;
  }
  EXPECT_EQ(DecideNativeChild("button", 0, Without(kAllGates, gateButton)).action, NativeChildAction::Nothing);
  EXPECT_EQ(DecideNativeChild("button", 9, Without(kAllGates, gateRadioButton)).action, NativeChildAction::Nothing);
}

TEST(NativeChildren, OtherClasses) {
  struct Case {
    const char* cls;
    std::uint32_t style;
    NativeChildAction action;
    SkinnerKind kind;
  };
  const Case cases[] = {
      {"edit", 0, NativeChildAction::Skin, SkinnerKind::Edit},
      {"combobox", 2, NativeChildAction::Skin, SkinnerKind::ComboBox},
      {"combobox", 1 /*simple*/, NativeChildAction::Nothing, SkinnerKind::None},
      {"comboboxex32", 0, NativeChildAction::SkinFirstChild, SkinnerKind::ComboBox},
      {"scrollbar", 0, NativeChildAction::Skin, SkinnerKind::Sizer},
      {"scrollbar", 0x10000, NativeChildAction::Nothing, SkinnerKind::None},
      {"#32770", 0, NativeChildAction::WalkThenSkin, SkinnerKind::BoxH},
      {"#32770", 0x10000, NativeChildAction::Nothing, SkinnerKind::None},
      {"tpanel", 0, NativeChildAction::WalkPanel, SkinnerKind::None},
      {"tsilentpaintpanel", 0, NativeChildAction::FaceColour, SkinnerKind::None},
      {"systabcontrol32", 0, NativeChildAction::Skin, SkinnerKind::Tab},
      {"systabcontrol32", 0x2000, NativeChildAction::Nothing, SkinnerKind::None},
      {"systreeview32", 0, NativeChildAction::Nothing, SkinnerKind::None},
      {"static", 0, NativeChildAction::Nothing, SkinnerKind::None},
  };
  for (const Case& c : cases) {
    const NativeChildDecision d = DecideNativeChild(c.cls, c.style, kAllGates);
    EXPECT_EQ(d.action, c.action) << c.cls;
    EXPECT_EQ(d.kind, c.kind) << c.cls;
  }
  EXPECT_EQ(DecideNativeChild("edit", 0, Without(kAllGates, gateEdit)).action, NativeChildAction::Nothing);
}

} // namespace
} // namespace vcu
