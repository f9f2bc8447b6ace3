#include "skin/form/ControlClassifier.h"

#include <vector>

#include "core/text/AsciiText.h"
#include "framework/Controls.h"
#include "framework/Forms.h"
#include "framework/TypInfo.h"
#include "skin/controls/SkinBitButton.h"
#include "skin/controls/SkinControl.h"
#include "skin/controls/SkinnerFactory.h"
#include "skin/data/WinSkinData.h"
#include "skin/data/WindowClass.h"
#include "skin/form/SkinManage.h"
#include "skin/form/WinSkinForm.h"

namespace vcu {
namespace {

constexpr bool Same(ControlGate gate, TSkinControlType member) { return static_cast<unsigned>(gate) == static_cast<unsigned>(member); }
static_assert(Same(gateCombo, xcCombo) &&
                  Same(gateCheckBox, xcCheckBox) &&
                  Same(gateRadioButton, xcRadioButton) &&
                  Same(gateProgress, xcProgress) &&
                  Same(gateScrollbar, xcScrollbar) &&
                  Same(gateEdit, xcEdit) &&
                  Same(gateButton, xcButton) &&
                  Same(gateBitBtn, xcBitBtn) &&
                  Same(gateSpeedButton, xcSpeedButton) &&
                  Same(gateSpin, xcSpin) &&
                  Same(gatePanel, xcPanel) &&
                  Same(gateGroupBox, xcGroupBox) &&
                  Same(gateStatusBar, xcStatusBar) &&
                  Same(gateTab, xcTab) &&
                  Same(gateTrackBar, xcTrackBar) &&
                  Same(gateToolbar, xcToolbar) &&
                  Same(gatePopupMenu, xcPopupMenu),
              "the core's gates are the skin data's SkinControls members");

std::string Upper(std::string text) {
  for (char& c : text)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return text;
}

bool Contains(const std::string& text, const char* part) { return text.find(part) != std::string::npos; }

bool Is(const TControl* control, const char* className) { return control->InheritsFrom(className); }

bool HasScrollStyle(TControl* control) {
  auto* win = dynamic_cast<TWinControl*>(control);
  if (!win || !win->HandleAllocated()) return false;
  const LONG_PTR style = GetWindowLongPtrW(win->Handle(), GWL_STYLE);
  return (style & (WS_HSCROLL | WS_VSCROLL)) != 0;
}

bool IsMemo(TControl* control) { return Is(control, "TCustomMemo"); }

// A bordered edit: its window is larger than its client area.
bool HasBorder(TControl* control) {
  auto* win = dynamic_cast<TWinControl*>(control);
  if (!win || !win->HandleAllocated()) return false;
  RECT window, client;
  GetWindowRect(win->Handle(), &window);
  GetClientRect(win->Handle(), &client);
  return window.right - window.left != client.right || window.bottom - window.top != client.bottom;
}

} // namespace

TControlClassifier::TControlClassifier(TWinSkinForm& form) : form_(form), skin_(*form.SkinData()) {}

bool TControlClassifier::Gate(ControlGate gate) const { return HasGate(skin_.SkinControls(), gate); }

bool TControlClassifier::HasTabsElement() const { return skin_.Tabs && !skin_.Tabs->Bitmap.Empty(); }

bool TControlClassifier::IsSkinned(TControl* control) const {
  for (TSkinControl* skinner : form_.SkinnedControls())
    if (skinner->Owner() == control) return true;
  auto* win = dynamic_cast<TWinControl*>(control);
  if (!win || !win->HandleAllocated()) return false;
  return form_.HostsWindow(win->Handle()) || SendMessageW(win->Handle(), SKINMSG_QUERY, 0, 0) == 1;
}

TSkinControl* TControlClassifier::Make(SkinnerKind kind, TControl* control, bool takeColor) {
  TSkinControl* skinner = CreateSkinner(kind, control);
  if (skinner) AttachSkinner(kind, *skinner, &form_, &skin_, takeColor);
  return skinner;
}

TSkinControl* TControlClassifier::MakeForWindow(SkinnerKind kind, HWND window) {
  TSkinControl* skinner = CreateSkinner(kind, &form_);
  if (skinner) skinner->AttachWindow(window, &skin_, &form_);
  return skinner;
}

// ---- walks

void TControlClassifier::SkinFormControls(TWinControl* form) {
  form_.FreeGoneControls();
  for (int i = 0; i < form->ComponentCount(); ++i)
    if (auto* control = dynamic_cast<TControl*>(form->Components(i))) SkinControl(control, form);
  if (Gate(gatePopupMenu)) form_.OwnerDrawPopupMenus();
  std::vector<TWinControl*> tabOrder;
  form->GetTabOrderList(tabOrder);
  for (TWinControl* control : tabOrder) {
    if (!control->HandleAllocated() || control->Tag() == skin_.DisableTag()) continue;
    if (SendMessageW(control->Handle(), SKINMSG_QUERY, 0, 0) == 1) continue;
    SkinControl(control, form);
  }
}

void TControlClassifier::SkinChildren(TWinControl* container) {
  // The list is copied: a skinner may add controls (overlays) while the walk runs.
  std::vector<TControl*> children;
  for (int i = 0; i < container->ControlCount(); ++i) children.push_back(container->Controls(i));
  for (TControl* child : children) SkinControl(child, container);
}

void TControlClassifier::TagGroupChildren(TControl* control) {
  auto* group = dynamic_cast<TWinControl*>(control);
  if (!group) return;
  const std::string lower = AsciiLower(control->ClassName());
  if (!Contains(lower, "radiogroup") && !Contains(lower, "checkgroup")) return;
  for (int i = 0; i < group->ControlCount(); ++i) group->Controls(i)->SetTag(skin_.DisableTag());
}

void TControlClassifier::SkinControl(TControl* control, TControl* parent) {
  if (control->Tag() == skin_.DisableTag()) {
    TagGroupChildren(control);
    return;
  }
  if (!control->Parent() || IsSkinned(control)) return;
  if (auto* win = dynamic_cast<TWinControl*>(control)) {
    try {
      win->HandleNeeded();
    } catch (const std::exception&) {
      return;
    }
    if (!win->HandleAllocated()) return;
  }
  const std::string upper = Upper(control->ClassName());
  if (skin_.OnSkinControl) {
    TComponent* made = nullptr;
    skin_.OnSkinControl(&form_, &skin_, parent, control, upper, made);
    if (made) {
      if (auto* skinner = dynamic_cast<TSkinControl*>(made)) {
        skinner->AttachControl(&form_, &skin_, skinner->OwnsColor());
        if (Is(control, "TCustomPanel")) SkinChildren(static_cast<TWinControl*>(control));
      }
      return;
    }
  }
  if (SkinByName(control->ClassName(), control)) return;
  if (upper == "TDBCOMBOBOXEH" || upper == "TFRDESIGNERPAGE" || upper == "TFRPBOX") return;
  ClassChain(control);
}

// ---- the third-party class table

bool TControlClassifier::SkinByName(const std::string& className, TControl* control) {
  std::vector<std::string> rows;
  if (TStrings* table = skin_.Skin3rd())
    for (int i = 0; i < table->Count(); ++i) rows.push_back(table->Get(i));
  const std::optional<std::string> word = FindClassKind(rows, className);
  if (!word) return false;
  const NamedKind kind = NamedKindOf(*word);
  const int gate = GateOfNamedKind(kind);
  if (gate >= 0 && !Gate(static_cast<ControlGate>(gate))) return true;
  SkinNamedKind(kind, className, control);
  return true;
}

void TControlClassifier::SkinNamedKind(NamedKind kind, const std::string& className, TControl* control) {
  auto* win = dynamic_cast<TWinControl*>(control);
  switch (kind) {
  case NamedKind::ComboBox:
  case NamedKind::ComboBoxEx: Make(SkinnerKind::ComboBox, control); return;
  case NamedKind::Edit:
    if (HasBorder(control)) Make(SkinnerKind::Edit, control);
    return;
  case NamedKind::RadioButton: Make(SkinnerKind::RadioButton, control); return;
  case NamedKind::Panel:
    SetPropText(control, "Transparent", "True");
    Make(SkinnerKind::Box, control, true);
    return;
  case NamedKind::TrackBar:
    SetPropText(control, "Transparent", "True");
    Make(SkinnerKind::TrackBar, control);
    return;
  case NamedKind::Button: Make(SkinnerKind::Button, control); return;
  case NamedKind::DateTimePicker: Make(SkinnerKind::DateTime, control); return;
  case NamedKind::MediaPlayer: Make(SkinnerKind::MediaPlayer, control); return;
  case NamedKind::BitBtn:
    if (AsciiEqualNoCase(className, "TcxButton") && GetEnumText(control, "Kind") == "cxbkDropDownButton")
      Make(SkinnerKind::MenuButton, control);
    else
      Make(SkinnerKind::BitButton, control);
    return;
  case NamedKind::PngBitBtn:
  case NamedKind::PngSpeedButton:
    // These classes keep their glyph in "PngImage".
    if (auto* glyphed = dynamic_cast<TSkinBitButton*>(
            Make(kind == NamedKind::PngBitBtn ? SkinnerKind::BitButton : SkinnerKind::SpeedButton, control)))
      glyphed->SetGlyphProperty("PngImage");
    return;
  case NamedKind::MenuBtn: Make(SkinnerKind::MenuButton, control); return;
  case NamedKind::SpeedButton: Make(SkinnerKind::SpeedButton, control); return;
  case NamedKind::Tab:
    if (HasTabsElement()) Make(SkinnerKind::Tab, control);
    return;
  case NamedKind::Progress: Make(SkinnerKind::Progress, control); return;
  case NamedKind::Scrollbar:
  case NamedKind::SingleScrollbar:
    Make(SkinnerKind::Scrollbar, control);
    if (kind == NamedKind::Scrollbar && win) SkinChildren(win);
    return;
  case NamedKind::EmbedScrollbar:
    if (win) SkinEmbedded(win);
    return;
  case NamedKind::Container:
    if (win) SkinChildren(win);
    return;
  case NamedKind::GroupBox: Make(SkinnerKind::GroupBox, control); return;
  case NamedKind::AdvPageControl: Make(SkinnerKind::AdvPage, control, true); return;
  case NamedKind::RadioGroup:
    if (win && Gate(gateRadioButton)) SkinGroupChildren(win, SkinnerKind::RadioButton, 2);
    Make(SkinnerKind::GroupBox, control);
    return;
  case NamedKind::CheckGroup:
    if (win && Gate(gateRadioButton)) SkinGroupChildren(win, SkinnerKind::CheckBox, 1);
    if (Gate(gateGroupBox)) Make(SkinnerKind::GroupBox, control);
    return;
  case NamedKind::CheckBox: Make(SkinnerKind::CheckBox, control); return;
  default: return; // "nil" and words the table does not know: handled, left alone
  }
}

// Buttons of a radio or check group; the "TRZ" family draws its images itself.
void TControlClassifier::SkinGroupChildren(TWinControl* group, SkinnerKind childKind, int objImageKind) {
  const bool rz = Contains(Upper(group->ClassName()), "TRZ");
  for (int i = 0; i < group->ControlCount(); ++i) {
    TControl* child = group->Controls(i);
    if (IsSkinned(child)) continue;
    if (rz) {
      (void)objImageKind; // the kind of image the object-image skinner draws
      Make(SkinnerKind::ObjImage, child, true);
    } else {
      Make(childKind, child);
    }
  }
}

void TControlClassifier::SkinEmbedded(TWinControl* container) {
  for (int i = 0; i < container->ControlCount(); ++i) {
    TControl* child = container->Controls(i);
    if (Is(child, "TScrollBox")) Make(SkinnerKind::ScControl, child);
    else if (child->IsWindowed() && (HasScrollStyle(child) || IsMemo(child))) Make(SkinnerKind::Scrollbar, child);
  }
}

// ---- the class chain

void TControlClassifier::ClassChain(TControl* control) {
  const std::string upper = Upper(control->ClassName());
  auto* win = dynamic_cast<TWinControl*>(control);
  const bool tabs = Gate(gateTab) && HasTabsElement();

  if (Is(control, "TPageControl")) {
    if (tabs) Make(GetEnumText(control, "Style") == "tsTabs" || GetEnumText(control, "Style").empty() ? SkinnerKind::Tab : SkinnerKind::TabBtn, control);
    return;
  }
  // A control with a menu of its own, while frame skinning is on: its menu items are made
  // owner-drawn by the menu skinners.
  if (form_.FrameSkinning() && GetObjectProp(control, "Menu")) return;
  if (Is(control, "TCoolBar")) return; // its bands take the face colour from the tool-bar skinners
  if (upper == "TTABSET") { if (tabs) Make(SkinnerKind::Tab31, control); return; }
  if (Is(control, "TTabSheet")) { if (tabs) Make(SkinnerKind::TabSheet, control); return; }
  if (upper == "TTABBEDNOTEBOOK") { if (tabs) Make(SkinnerKind::Tab, control); return; }
  if (upper == "TMVCPANEL") { if (win) SkinChildren(win); return; }
  if (Is(control, "TCustomTabControl")) {
    if (tabs) Make(GetEnumText(control, "Style") != "tsTabs" ? SkinnerKind::TabBtn : SkinnerKind::Tab, control);
    return;
  }
  if (Is(control, "THeaderControl")) { if (Gate(gatePanel)) Make(SkinnerKind::Header, control); return; }
  if (Is(control, "TCustomCheckBox")) { if (Gate(gateCheckBox)) Make(SkinnerKind::CheckBox, control); return; }
  if (Is(control, "TTrackBar")) { if (Gate(gateTrackBar)) Make(SkinnerKind::TrackBar, control); return; }
  if (upper == "TUPDOWN" || upper == "TSPINBUTTON") { if (Gate(gateSpin)) Make(SkinnerKind::UpDown, control); return; }
  if (upper == "TMEDIAPLAYER") { if (Gate(gateButton)) Make(SkinnerKind::MediaPlayer, control); return; }
  if (Is(control, "TCustomRadioGroup")) {
    if (!Gate(gateRadioButton)) return;
    if (win) SkinGroupChildren(win, SkinnerKind::RadioButton, 2);
    Make(SkinnerKind::GroupBox, control, true);
    return;
  }
  if (upper == "TDBNAVIGATOR") {
    if (!Gate(gatePanel)) return;
    Make(SkinnerKind::Box, control, true);
    if (win) SkinChildren(win);
    return;
  }
  if (upper == "TRZDBCHECKBOX" || upper == "TRZCHECKBOX") { if (Gate(gateCheckBox)) Make(SkinnerKind::ObjImage, control); return; }
  if (upper == "TRZRADIOBUTTON" || upper == "TRZDBRADIOBUTTON") { if (Gate(gateRadioButton)) Make(SkinnerKind::ObjImage, control); return; }
  if (upper == "TCXDBCHECKBOX" || upper == "TCXCHECKBOX") { if (Gate(gateCheckBox)) Make(SkinnerKind::ObjImage, control); return; }
  if (Is(control, "TCustomGroupBox")) {
    if (!Gate(gatePanel)) return;
    if (win) SkinChildren(win);
    Make(SkinnerKind::GroupBox, control);
    return;
  }
  if (Is(control, "TRadioButton")) { if (Gate(gateRadioButton)) Make(SkinnerKind::RadioButton, control); return; }
  if (Is(control, "TToolBar")) {
    if (!Gate(gateToolbar)) return;
    SetPropText(control, "Flat", "True");
    Make(SkinnerKind::Box, control);
    return;
  }
  if (Is(control, "TStatusBar")) { if (Gate(gateStatusBar)) Make(SkinnerKind::StatusBar, control); return; }
  if (Is(control, "TProgressBar")) { if (Gate(gateProgress)) Make(SkinnerKind::Progress, control); return; }
  // A stand-alone scroll-bar control: one skinned overlay over it.
  if (Is(control, "TScrollBar")) { if (Gate(gateScrollbar)) Make(SkinnerKind::ScControl, control); return; }
  if (Is(control, "TScrollBox")) { if (Gate(gateScrollbar)) Make(SkinnerKind::ScControl, control); return; }
  if (upper == "TTNTCOMBOBOX" || Is(control, "TCustomComboBox")) { if (Gate(gateCombo)) Make(SkinnerKind::ComboBox, control); return; }
  if (Is(control, "TDateTimePicker")) {
    if (!Gate(gateEdit)) return;
    const bool upDownOrTime = GetEnumText(control, "DateMode") == "dmUpDown" || GetEnumText(control, "Kind") == "dtkTime";
    Make(upDownOrTime ? SkinnerKind::Edit : SkinnerKind::DateTime, control);
    return;
  }
  if (upper == "TRICHEDIT" || upper == "TWWDBRICHEDIT" || upper == "TDXDBMEMO") {
    if (Gate(gateScrollbar)) Make(SkinnerKind::Scrollbar, control);
    return;
  }
  if (Is(control, "TBitBtn")) { if (Gate(gateBitBtn)) Make(SkinnerKind::BitButton, control); return; }
  if (Is(control, "TSpeedButton")) { if (Gate(gateSpeedButton)) Make(SkinnerKind::SpeedButton, control); return; }
  if (Is(control, "TCustomPanel")) {
    if (!Gate(gatePanel)) return;
    if (win) SkinChildren(win);
    Make(SkinnerKind::Box, control, true);
    return;
  }
  if (upper == "TDXTREELIST" || upper == "TDXDBTREELIST" || upper == "TDXDBGRID") {
    if (Gate(gateScrollbar)) Make(SkinnerKind::Scrollbar, control);
    return;
  }
  if (Is(control, "TCustomListView")) { if (Gate(gateScrollbar)) Make(SkinnerKind::ListView, control); return; }
  if (Is(control, "TCustomMemo")) { if (Gate(gateScrollbar)) Make(SkinnerKind::Scrollbar, control); return; }
  if (control->IsWindowed() && (HasScrollStyle(control) || IsMemo(control))) {
    if (Gate(gateScrollbar)) Make(SkinnerKind::Scrollbar, control);
    return;
  }
  if (Is(control, "TButton")) { if (Gate(gateButton)) Make(SkinnerKind::Button, control); return; }
  if (Is(control, "TCustomEdit")) { if (Gate(gateEdit)) Make(SkinnerKind::Edit, control); return; }
  if (upper == "TDCEDIT" || upper == "TDCDBEDIT") {
    const std::int64_t buttons = GetIntProp(control, "NumButtons");
    if (buttons == 1 && Gate(gateCombo)) Make(SkinnerKind::ComboBox, control);
    else if (buttons == 0 && Gate(gateEdit)) Make(SkinnerKind::Edit, control);
    return;
  }
  // A frame or an embedded form: its own controls are walked like a form's.
  if (Is(control, "TForm") && win) {
    Make(SkinnerKind::Box, control, true);
    SkinFormControls(win);
  } else if (Is(control, "TCustomFrame") && win) {
    SkinFormControls(win);
  }
}

// ---- native children of plain windows

void TControlClassifier::SkinWindowChildren(HWND window) {
  std::vector<HWND> children;
  for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) children.push_back(child);
  for (HWND child : children)
    if (GetWindowLongPtrW(child, GWL_STYLE) & WS_CHILD) SkinNativeChild(child);
}

void TControlClassifier::SkinNativeChild(HWND window) {
  if (form_.HostsWindow(window)) return;
  const std::string lower = AsciiLower(WindowClassName(window));
  const auto style = static_cast<std::uint32_t>(GetWindowLongPtrW(window, GWL_STYLE));
  const NativeChildDecision decision = DecideNativeChild(lower, style, skin_.SkinControls());
  switch (decision.action) {
  case NativeChildAction::Skin: MakeForWindow(decision.kind, window); return;
  case NativeChildAction::SkinFirstChild:
    if (HWND first = GetWindow(window, GW_CHILD)) MakeForWindow(decision.kind, first);
    return;
  case NativeChildAction::WalkThenSkin:
    SkinWindowChildren(window);
    MakeForWindow(decision.kind, window);
    return;
  case NativeChildAction::WalkPanel:
    SkinWindowChildren(window);
    if (TWinControl* control = FindControl(window)) control->SetColor(static_cast<TColor>(skin_.ColourButtonFace));
    return;
  case NativeChildAction::FaceColour:
    if (TWinControl* control = FindControl(window)) control->SetColor(static_cast<TColor>(skin_.ColourButtonFace));
    return;
  case NativeChildAction::Nothing: return;
  }
}

// ---- scroll-bar skinners asked to be made anew

void TControlClassifier::RebuildScrollbar(HWND window) {
  const std::vector<TSkinControl*>& list = form_.SkinnedControls();
  for (auto it = list.rbegin(); it != list.rend(); ++it) {
    TSkinControl* old = *it;
    if (old->Handle() != window) continue;
    TWinControl* host = old->Host();
    const SkinnerKind kind = old->InheritsFrom("TSkinListView") ? SkinnerKind::ListView : SkinnerKind::Scrollbar;
    delete old;
    if (host) Make(kind, host);
    return;
  }
}

} // namespace vcu
