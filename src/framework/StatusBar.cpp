#include "framework/StatusBar.h"

#include <algorithm>
#include <stdexcept>

#include <commctrl.h>

namespace vcu {

const std::vector<std::string>& AlignmentNames() {
  static const std::vector<std::string> names{"taLeftJustify", "taRightJustify", "taCenter"};
  return names;
}

const std::vector<std::string>& BiDiModeIdents() {
  static const std::vector<std::string> names{"bdLeftToRight", "bdRightToLeft", "bdRightToLeftNoAlign",
                                              "bdRightToLeftReadingOnly"};
  return names;
}

// ---- panels

const TClassInfo& TStatusPanel::ClassInfo() {
  static const TClassInfo info(
      "TStatusPanel", &TComponent::ClassInfo(),
      {StringProperty("Text", &TStatusPanel::Text, &TStatusPanel::SetText),
       IntegerProperty("Width", &TStatusPanel::Width, &TStatusPanel::SetWidth),
       EnumProperty("Alignment", AlignmentNames(), &TStatusPanel::Alignment, &TStatusPanel::SetAlignment),
       EnumProperty("Bevel", {"pbNone", "pbLowered", "pbRaised"}, &TStatusPanel::Bevel, &TStatusPanel::SetBevel),
       EnumProperty("BiDiMode", BiDiModeIdents(), &TStatusPanel::BiDiMode, &TStatusPanel::SetBiDiMode),
       EnumProperty("Style", {"psText", "psOwnerDraw"}, &TStatusPanel::Style, &TStatusPanel::SetStyle)});
  return info;
}

TStatusPanel::TStatusPanel(TComponent* owner) : TComponent(owner) {}

TStatusPanel::~TStatusPanel() {
  if (bar_) bar_->RemovePanel(this);
}

int TStatusPanel::Index() const {
  if (!bar_) return -1;
  for (int i = 0; i < bar_->PanelCount(); ++i)
    if (bar_->Panels(i) == this) return i;
  return -1;
}

void TStatusPanel::SetParentComponent(TComponent* parent) {
  auto* bar = dynamic_cast<TStatusBar*>(parent);
  if (!bar) throw std::invalid_argument("a status panel must sit in a status bar");
  bar->InsertPanel(this);
}

TComponent* TStatusPanel::GetParentComponent() const { return bar_; }

void TStatusPanel::Changed(bool parts) {
  if (!bar_) return;
  if (parts) bar_->UpdateParts();
  else bar_->UpdatePanelText(Index());
}

void TStatusPanel::SetText(const std::string& text) { text_ = text; Changed(false); }
void TStatusPanel::SetWidth(int width) { width_ = std::max(0, width); Changed(true); }
void TStatusPanel::SetAlignment(TAlignment value) { alignment_ = value; Changed(false); }
void TStatusPanel::SetBevel(TStatusPanelBevel value) { bevel_ = value; Changed(false); }
void TStatusPanel::SetBiDiMode(TBiDiMode value) { biDiMode_ = value; Changed(false); }
void TStatusPanel::SetStyle(TStatusPanelStyle value) { style_ = value; Changed(false); }

// ---- the bar

const TClassInfo& TStatusBar::ClassInfo() {
  static const TClassInfo info(
      "TStatusBar", &TWinControl::ClassInfo(),
      {BoolProperty("SimplePanel", &TStatusBar::SimplePanel, &TStatusBar::SetSimplePanel),
       // Read by name as the skin engine reads it.
       StringProperty("simpletext", &TStatusBar::SimpleText, &TStatusBar::SetSimpleText),
       BoolProperty("SizeGrip", &TStatusBar::SizeGrip, &TStatusBar::SetSizeGrip),
       EnumProperty("BiDiMode", BiDiModeIdents(), &TStatusBar::BiDiMode, &TStatusBar::SetBiDiMode)});
  return info;
}

TStatusBar::TStatusBar(TComponent* owner) : TWinControl(owner) {
  SetBounds(0, 0, 200, 19);
  SetAlign(alBottom);
}

TStatusBar::~TStatusBar() {
  for (TStatusPanel* panel : panels_) panel->bar_ = nullptr;
  panels_.clear();
}

TStatusPanel* TStatusBar::AddPanel() {
  auto* panel = new TStatusPanel(this);
  InsertPanel(panel);
  return panel;
}

void TStatusBar::InsertPanel(TStatusPanel* panel) {
  if (!panel || panel->bar_ == this) return;
  if (panel->bar_) panel->bar_->RemovePanel(panel);
  panel->bar_ = this;
  panels_.push_back(panel);
  UpdateParts();
}

void TStatusBar::RemovePanel(TStatusPanel* panel) {
  auto it = std::find(panels_.begin(), panels_.end(), panel);
  if (it == panels_.end()) return;
  panels_.erase(it);
  panel->bar_ = nullptr;
  UpdateParts();
}

void TStatusBar::SetSimplePanel(bool value) {
  simplePanel_ = value;
  if (!HandleAllocated()) return;
  SendMessageA(Handle(), SB_SIMPLE, value, 0);
  // The native bar keeps the simple text only while it is in simple mode.
  if (value) SetSimpleText(simpleText_);
  Invalidate();
}

void TStatusBar::SetSimpleText(const std::string& text) {
  simpleText_ = text;
  if (!HandleAllocated()) return;
  const WPARAM how = SB_SIMPLEID | (biDiMode_ != bdLeftToRight ? SBT_RTLREADING : 0);
  SendMessageA(Handle(), SB_SETTEXTA, how, reinterpret_cast<LPARAM>(simpleText_.c_str()));
}

void TStatusBar::SetSizeGrip(bool value) {
  sizeGrip_ = value;
  UpdateStyle(SBARS_SIZEGRIP, value);
}

void TStatusBar::SetBiDiMode(TBiDiMode value) {
  biDiMode_ = value;
  SetSimpleText(simpleText_);
  UpdateParts();
}

void TStatusBar::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.baseClassName = STATUSCLASSNAMEA;
  // The framework places the bar (Align), not the native control.
  params.style |= CCS_NOPARENTALIGN | CCS_NORESIZE | CCS_NODIVIDER | (sizeGrip_ ? SBARS_SIZEGRIP : 0);
}

void TStatusBar::InitializeWindow() {
  TWinControl::InitializeWindow();
  UpdateParts();
  SetSimpleText(simpleText_);
  SendMessageA(Handle(), SB_SIMPLE, simplePanel_, 0);
}

// Each part ends where the panels up to it end: the last one may stop short of the bar's end.
void TStatusBar::UpdateParts() {
  if (!HandleAllocated()) return;
  std::vector<int> edges;
  int right = 0;
  for (TStatusPanel* panel : panels_) edges.push_back(right += panel->Width());
  if (edges.empty()) edges.push_back(-1);
  SendMessageA(Handle(), SB_SETPARTS, edges.size(), reinterpret_cast<LPARAM>(edges.data()));
  for (int i = 0; i < PanelCount(); ++i) UpdatePanelText(i);
  Invalidate();
}

void TStatusBar::UpdatePanelText(int index) {
  if (!HandleAllocated() || index < 0 || index >= PanelCount()) return;
  TStatusPanel* panel = panels_[static_cast<size_t>(index)];
  WPARAM how = static_cast<WPARAM>(index);
  if (panel->Bevel() == pbNone) how |= SBT_NOBORDERS;
  else if (panel->Bevel() == pbRaised) how |= SBT_POPOUT;
  if (panel->BiDiMode() != bdLeftToRight || biDiMode_ != bdLeftToRight) how |= SBT_RTLREADING;
  if (panel->Style() == psOwnerDraw) {
    SendMessageA(Handle(), SB_SETTEXTA, how | SBT_OWNERDRAW, reinterpret_cast<LPARAM>(panel));
    return;
  }
  // The native bar centres after one tab and right-aligns after two.
  std::string text = panel->Alignment() == taCenter ? "\t" : panel->Alignment() == taRightJustify ? "\t\t" : "";
  text += panel->Text();
  SendMessageA(Handle(), SB_SETTEXTA, how, reinterpret_cast<LPARAM>(text.c_str()));
}

void TStatusBar::DrawPanel(TStatusPanel* panel, HDC dc, const RECT& rect) {
  if (onDrawPanel_) onDrawPanel_(this, panel, dc, rect);
}

void TStatusBar::Dispatch(TMessage& message) {
  if (message.Msg == CN_DRAWITEM) {
    const auto* request = reinterpret_cast<const DRAWITEMSTRUCT*>(message.LParam);
    const int index = static_cast<int>(request->itemID);
    if (index >= 0 && index < PanelCount()) DrawPanel(Panels(index), request->hDC, request->rcItem);
    message.Result = TRUE;
    return;
  }
  TWinControl::Dispatch(message);
}

} // namespace vcu
