#include "core/controls/ControlKinds.h"

#include <utility>

#include "core/text/AsciiText.h"

namespace vcu {

std::optional<std::string> FindClassKind(const std::vector<std::string>& rows, const std::string& className) {
  const std::string prefix = AsciiLower(className) + "=";
  for (const std::string& row : rows) {
    if (row.size() < prefix.size() || AsciiLower(row.substr(0, prefix.size())) != prefix) continue;
    const std::size_t equals = row.find('=');
    return AsciiLower(row.substr(equals + 1, 50));
  }
  return std::nullopt;
}

NamedKind NamedKindOf(const std::string& kindWord) {
  static const std::pair<const char*, NamedKind> kWords[] = {
      {"nil", NamedKind::Nil},
      {"combobox", NamedKind::ComboBox},
      {"comboboxex", NamedKind::ComboBoxEx},
      {"edit", NamedKind::Edit},
      {"radiobutton", NamedKind::RadioButton},
      {"panel", NamedKind::Panel},
      {"trackbar", NamedKind::TrackBar},
      {"button", NamedKind::Button},
      {"datetimepicker", NamedKind::DateTimePicker},
      {"mediaplayer", NamedKind::MediaPlayer},
      {"bitbtn", NamedKind::BitBtn},
      {"pngbitbtn", NamedKind::PngBitBtn},
      {"pngspeedbutton", NamedKind::PngSpeedButton},
      {"menubtn", NamedKind::MenuBtn},
      {"speedbutton", NamedKind::SpeedButton},
      {"tab", NamedKind::Tab},
      {"progress", NamedKind::Progress},
      {"scrollbar", NamedKind::Scrollbar},
      {"singlescrollbar", NamedKind::SingleScrollbar},
      {"embedscrollbar", NamedKind::EmbedScrollbar},
      {"container", NamedKind::Container},
      {"groupbox", NamedKind::GroupBox},
      {"advpagecontrol", NamedKind::AdvPageControl},
      {"radiogroup", NamedKind::RadioGroup},
      {"checkgroup", NamedKind::CheckGroup},
      {"checkbox", NamedKind::CheckBox},
  };
  for (const auto& [word, kind] : kWords)
    if (kindWord == word) return kind;
  return NamedKind::Unknown;
}

int GateOfNamedKind(NamedKind kind) {
  switch (kind) {
  case NamedKind::ComboBox:
  case NamedKind::ComboBoxEx:
  case NamedKind::DateTimePicker: return gateCombo;
  case NamedKind::Edit: return gateEdit;
  case NamedKind::RadioButton: return gateRadioButton;
  case NamedKind::Panel:
  case NamedKind::CheckGroup: return gatePanel;
  // Track bars, media players and bit buttons all follow the button switch.
  case NamedKind::TrackBar:
  case NamedKind::Button:
  case NamedKind::MediaPlayer:
  case NamedKind::BitBtn:
  case NamedKind::PngBitBtn:
  case NamedKind::PngSpeedButton:
  case NamedKind::MenuBtn: return gateButton;
  case NamedKind::SpeedButton: return gateSpeedButton;
  case NamedKind::Tab:
  case NamedKind::AdvPageControl: return gateTab;
  case NamedKind::Progress: return gateProgress;
  case NamedKind::Scrollbar:
  case NamedKind::SingleScrollbar:
  case NamedKind::EmbedScrollbar: return gateScrollbar;
  case NamedKind::GroupBox:
  case NamedKind::RadioGroup: return gateGroupBox;
  case NamedKind::CheckBox: return gateCheckBox;
  default: return -1;
  }
}

namespace {

NativeChildDecision Skin(SkinnerKind kind, unsigned controls, ControlGate gate) {
  if (!HasGate(controls, gate)) return {};
  return {NativeChildAction::Skin, kind};
}

// A "button" window by its style: group boxes and a few others stay native, owner-drawn
// buttons are left to their owner.
NativeChildDecision DecideButton(std::uint32_t s, unsigned controls) {
  if ((s & 7) == 7 || (s & 0x80) != 0) return {};
  if ((s & 3) == 3 || (s & 2) != 0 || (s & 5) == 5) return Skin(SkinnerKind::CheckBox, controls, gateCheckBox);
  if ((s & 9) == 9 || (s & 4) != 0) return Skin(SkinnerKind::RadioButton, controls, gateRadioButton);
  return Skin(SkinnerKind::Button, controls, gateButton);
}

} // namespace

NativeChildDecision DecideNativeChild(const std::string& c, std::uint32_t s, unsigned controls) {
  if (c == "button") return (s & 0xB) == 0xB ? NativeChildDecision{} : DecideButton(s, controls);
  if (c == "combobox") {
    if (!HasGate(controls, gateCombo) || (s & 3) == 1) return {};
    return {NativeChildAction::Skin, SkinnerKind::ComboBox};
  }
  if (c == "comboboxex32") {
    if (!HasGate(controls, gateCombo)) return {};
    return {NativeChildAction::SkinFirstChild, SkinnerKind::ComboBox};
  }
  if (c == "scrollbar") return (s & 0x10000) ? NativeChildDecision{} : NativeChildDecision{NativeChildAction::Skin, SkinnerKind::Sizer};
  if (c == "systreeview32") return {};
  if (c == "#32770") return (s & 0x10000) ? NativeChildDecision{} : NativeChildDecision{NativeChildAction::WalkThenSkin, SkinnerKind::BoxH};
  if (c == "tpanel" || c == "ttntpanel.unicodeclass" || c == "ttntsilentpaintpanel.unicodeclass")
    return {NativeChildAction::WalkPanel, SkinnerKind::None};
  if (c == "tcheckbox") return Skin(SkinnerKind::CheckBox, controls, gateCheckBox);
  if (c == "tcombobox") return Skin(SkinnerKind::ComboBox, controls, gateCombo);
  if (c == "tbutton") return Skin(SkinnerKind::Button, controls, gateButton);
  if (c == "tprogressbar") return {NativeChildAction::Skin, SkinnerKind::Progress};
  if (c == "tsilentpaintpanel") return {NativeChildAction::FaceColour, SkinnerKind::None};
  if (c == "systabcontrol32") {
    if (!HasGate(controls, gateTab) || (s & 0x2000)) return {};
    return {NativeChildAction::Skin, SkinnerKind::Tab};
  }
  if (c == "toolbarwindow32") return {NativeChildAction::Skin, SkinnerKind::BoxH};
  if (c == "edit") return Skin(SkinnerKind::Edit, controls, gateEdit);
  return {};
}

} // namespace vcu
