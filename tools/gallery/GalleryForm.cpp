#include "GalleryForm.h"

#include "framework/ScrollBar.h"
#include "framework/StdCtrls.h"
#include "skin/data/WinSkinData.h"

namespace vcu {

const TClassInfo& TfrmGallery::ClassInfo() {
  static const TClassInfo info("TfrmGallery", &TForm::ClassInfo(), {});
  return info;
}

TNotifyEvent TfrmGallery::MethodAddress(const std::string& name) {
  using Handler = void (TfrmGallery::*)(TObject*);
  static const std::pair<const char*, Handler> handlers[] = {
      {"CommandClick", &TfrmGallery::CommandClick},
      {"SkinToggleClick", &TfrmGallery::SkinToggleClick},
      {"StatusLineClick", &TfrmGallery::StatusLineClick},
      {"ExitClick", &TfrmGallery::ExitClick},
      {"ButtonClick", &TfrmGallery::ButtonClick},
      {"ScrollChange", &TfrmGallery::ScrollChange},
  };
  for (const auto& [handlerName, method] : handlers)
    if (name == handlerName) return [this, method](TObject* sender) { (this->*method)(sender); };
  return TForm::MethodAddress(name);
}

TSkinData* TfrmGallery::SkinData() const { return dynamic_cast<TSkinData*>(FindComponent("SkinData1")); }

void TfrmGallery::SetStatus(const std::string& text) {
  if (auto* status = dynamic_cast<TLabel*>(FindComponent("lblStatus"))) status->SetCaption(text);
}

void TfrmGallery::CommandClick(TObject* sender) {
  auto* item = static_cast<TMenuItem*>(sender);
  // A radio item is checked when chosen, its siblings cleared.
  if (item->RadioItem() && item->Parent())
    for (int i = 0; i < item->Parent()->Count(); ++i)
      if (item->Parent()->Items(i)->RadioItem()) item->Parent()->Items(i)->SetChecked(item->Parent()->Items(i) == item);
  SetStatus("Chosen: " + StripHotkey(item->Caption()));
}

// Both the View menu and the context menu carry the switch; both show its state.
void TfrmGallery::SkinToggleClick(TObject*) {
  if (TSkinData* data = SkinData()) SetSkinned(!data->Active());
}

void TfrmGallery::SetSkinned(bool on) {
  TSkinData* data = SkinData();
  if (!data) return;
  data->SetActive(on);
  for (const char* name : {"mnuSkinned", "mnuContextSkinned"})
    if (auto* item = dynamic_cast<TMenuItem*>(FindComponent(name))) item->SetChecked(on);
  SetStatus(on ? "Skinning switched on" : "Skinning switched off");
}

void TfrmGallery::StatusLineClick(TObject* sender) {
  auto* item = static_cast<TMenuItem*>(sender);
  item->SetChecked(!item->Checked());
  if (auto* status = dynamic_cast<TLabel*>(FindComponent("lblStatus"))) status->SetVisible(item->Checked());
}

void TfrmGallery::ExitClick(TObject*) { Close(); }

// ---- buttons and bars

void TfrmGallery::ButtonClick(TObject* sender) {
  auto* control = static_cast<TControl*>(sender);
  SetStatus("Clicked: " + (control->Caption().empty() ? control->Name() : control->Caption()));
}

void TfrmGallery::ScrollChange(TObject* sender) {
  auto* bar = static_cast<TScrollBar*>(sender);
  SetStatus(bar->Name() + " at " + std::to_string(bar->Position()));
}

} // namespace vcu
