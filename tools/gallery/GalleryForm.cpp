#include "GalleryForm.h"

#include "framework/ComCtrls.h"
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
      {"ValueChange", &TfrmGallery::ValueChange},
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

void TfrmGallery::ValueChange(TObject* sender) {
  const int value = static_cast<TTrackBar*>(sender)->Position();
  if (auto* progress = dynamic_cast<TProgressBar*>(FindComponent("prgValue"))) progress->SetPosition(value);
  SetStatus("Value: " + std::to_string(value));
}

} // namespace vcu
