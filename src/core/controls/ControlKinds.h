#pragma once
// Which skinner a child control gets: the rules that need no window. The kind words of the
// skin's third-party class table, the table row that names a class, and the decision for the
// native child windows of a plain dialog by class name and style.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace vcu {

// The control skinners there are. Each kind names one skinner class.
enum class SkinnerKind {
  None,
  Button,      // TSkinButton
  BitButton,   // TSkinBitButton
  MenuButton,  // TSkinMenuButton
  SpeedButton, // TSkinSpeedButton
  CheckBox,    // TSkinCheckBox
  RadioButton, // TSkinRadioButton
  GroupBox,    // TSkinGroupBox
  Box,         // TSkinBox
  BoxH,        // TSkinBoxH
  Edit,        // TSkinEdit
  Scrollbar,   // TSkinScrollbar
  ScControl,   // TSkinScControl
  ListView,    // TSkinListView
  ComboBox,    // TSkinComBox
  DateTime,    // TSkinDateTime
  UpDown,      // TSkinUpDown
  TrackBar,    // TSkinTrackBar
  Progress,    // TSkinProgress
  StatusBar,   // TSkinStatusBar
  Tab,         // TSkinTab
  Tab31,       // TSkinTab31
  TabSheet,    // TSkinTabSheet
  TabBtn,      // TSkinTabBtn
  AdvPage,     // TSkinAdvPage
  Header,      // TSkinHeader
  Sizer,       // TSkinSizer
  MediaPlayer, // TSkinMP
  ObjImage,    // TSkinObjImage
};

// Members of the skin's SkinControls set that gate the classification (bit n = member n).
enum ControlGate : unsigned {
  gateCombo = 5,
  gateCheckBox = 6,
  gateRadioButton = 7,
  gateProgress = 8,
  gateScrollbar = 9,
  gateEdit = 10,
  gateButton = 11,
  gateBitBtn = 12,
  gateSpeedButton = 13,
  gateSpin = 14,
  gatePanel = 15,
  gateGroupBox = 16,
  gateStatusBar = 17,
  gateTab = 18,
  gateTrackBar = 19,
  gateToolbar = 3,
  gatePopupMenu = 1,
};

constexpr bool HasGate(unsigned controls, ControlGate gate) { return (controls >> gate & 1u) != 0; }

// The kind words of the third-party class table, in the order they are tried.
enum class NamedKind {
  Unknown, // a word the table does not know: handled, nothing created
  Nil,     // "nil": handled, left alone
  ComboBox,
  ComboBoxEx,
  Edit,
  RadioButton,
  Panel,
  TrackBar,
  Button,
  DateTimePicker,
  MediaPlayer,
  BitBtn,
  PngBitBtn,
  PngSpeedButton,
  MenuBtn,
  SpeedButton,
  Tab,
  Progress,
  Scrollbar,
  SingleScrollbar,
  EmbedScrollbar,
  Container,
  GroupBox,
  AdvPageControl,
  RadioGroup,
  CheckGroup,
  CheckBox,
};

// The kind of the first row "<className>=<kind>" (class name compared without regard to
// case): the text after the first "=", at most 50 characters, lower-cased. None when no row
// names the class.
std::optional<std::string> FindClassKind(const std::vector<std::string>& rows, const std::string& className);
NamedKind NamedKindOf(const std::string& kindWord);
// The member of SkinControls that lets a named kind create its skinner; -1 for kinds that
// need none (container) or create nothing.
int GateOfNamedKind(NamedKind kind);

// What a native child window of a plain dialog gets.
enum class NativeChildAction {
  Nothing,
  Skin,         // attach a skinner of the given kind to the window
  SkinFirstChild, // attach it to the window's first child window (extended combo box)
  WalkThenSkin, // skin the window's own children first, then attach the skinner
  WalkPanel,    // skin the window's children; its framework control gets the face colour
  FaceColour,   // its framework control gets the face colour
};
struct NativeChildDecision {
  NativeChildAction action = NativeChildAction::Nothing;
  SkinnerKind kind = SkinnerKind::None;
};
// lowerClass is the window class name in lower case, style its GWL_STYLE, controls the skin's
// SkinControls set.
NativeChildDecision DecideNativeChild(const std::string& lowerClass, std::uint32_t style, unsigned controls);

} // namespace vcu
