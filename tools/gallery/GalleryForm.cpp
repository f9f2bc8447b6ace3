#include "GalleryForm.h"

#include <cstdio>
#include <string>

#include <commdlg.h>

#include "SkinChoice.h"
#include "framework/ComCtrls.h"
#include "framework/ListView.h"
#include "framework/Menus.h"
#include "framework/ScrollBar.h"
#include "framework/StatusBar.h"
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
      {"SkinChoiceClick", &TfrmGallery::SkinChoiceClick},
      {"SkinOpenClick", &TfrmGallery::SkinOpenClick},
      {"ValueChange", &TfrmGallery::ValueChange},
  };
  for (const auto& [handlerName, method] : handlers)
    if (name == handlerName) return [this, method](TObject* sender) { (this->*method)(sender); };
  return TForm::MethodAddress(name);
}

TSkinData* TfrmGallery::SkinData() const { return dynamic_cast<TSkinData*>(FindComponent("SkinData1")); }

void TfrmGallery::SetStatus(const std::string& text) {
  if (auto* status = dynamic_cast<TLabel*>(FindComponent("lblStatus"))) status->SetCaption(text);
  if (auto* bar = dynamic_cast<TStatusBar*>(FindComponent("sbStatus")); bar && bar->PanelCount() > 0)
    bar->Panels(0)->SetText(text);
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
  FollowSkinTextColour();
  SetStatus(on ? "Skinning switched on" : "Skinning switched off");
}

void TfrmGallery::FollowSkinTextColour() {
  TSkinData* data = SkinData();
  const bool skinned = data && data->Active() && !data->SkinEmpty;
  Font()->SetColor(skinned ? static_cast<TColor>(data->ColourButtonText) : clWindowText);
}

void TfrmGallery::RememberStoredSkin() {
  TSkinData* data = SkinData();
  if (data && storedSkin_.empty()) storedSkin_ = data->SkinArchive;
  FollowSkinTextColour();
}

void TfrmGallery::SkinChoiceClick(TObject* sender) {
  UseBuiltInSkin(static_cast<TMenuItem*>(sender)->Name());
}

bool TfrmGallery::UseBuiltInSkin(const std::string& menuItem) {
  for (const BuiltInSkin& skin : BuiltInSkins()) {
    if (menuItem != skin.menuItem) continue;
    const std::vector<std::uint8_t> bytes = skin.resource ? ResourceBytes(skin.resource) : storedSkin_;
    const std::string fault = SkinFileFault(bytes);
    if (!fault.empty()) {
      RefuseSkin(menuItem, fault);
      return false;
    }
    ApplySkinBytes(bytes);
    CheckSkinItem(menuItem);
    SetStatus("Skin: " + StripHotkey(static_cast<TMenuItem*>(FindComponent(menuItem))->Caption()));
    return true;
  }
  return false;
}

bool TfrmGallery::UseSkinFile(const std::string& path) {
  TSkinData* data = SkinData();
  std::vector<std::uint8_t> bytes;
  if (!data) return false;
  if (!ReadSkinFileBytes(path, bytes)) {
    RefuseSkin(path, "the file cannot be read.");
    return false;
  }
  const std::string fault = SkinFileFault(bytes);
  if (!fault.empty()) {
    RefuseSkin(path, fault);
    return false;
  }
  // The skin data reads the file itself, as for any program that names a skin file.
  data->SetSkinFile(path);
  FollowSkinTextColour();
  CheckSkinItem("");
  SetStatus("Skin: " + path);
  return true;
}

void TfrmGallery::ApplySkinBytes(const std::vector<std::uint8_t>& bytes) {
  TSkinData* data = SkinData();
  if (!data) return;
  data->SkinArchive = bytes;
  if (data->LoadSkin()) data->ApplySkin();
  FollowSkinTextColour();
}

void TfrmGallery::RefuseSkin(const std::string& what, const std::string& fault) {
  const std::string text = "The skin \"" + what + "\" cannot be used:\n" + fault +
                           "\n\nEvery window keeps the skin it has.";
  MessageBoxA(Handle(), text.c_str(), "Vantorix Gallery", MB_OK | MB_ICONWARNING);
}

void TfrmGallery::CheckSkinItem(const std::string& menuItem) {
  for (const BuiltInSkin& skin : BuiltInSkins())
    if (auto* item = dynamic_cast<TMenuItem*>(FindComponent(skin.menuItem))) item->SetChecked(menuItem == skin.menuItem);
}

void TfrmGallery::SkinOpenClick(TObject*) {
  char path[MAX_PATH] = {};
  OPENFILENAMEA dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = Handle();
  dialog.lpstrFilter = "Skin files (*.skn)\0*.skn\0All files\0*.*\0";
  dialog.lpstrFile = path;
  dialog.nMaxFile = MAX_PATH;
  dialog.lpstrTitle = "Open a skin file";
  dialog.Flags = OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
  if (GetOpenFileNameA(&dialog)) UseSkinFile(path);
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

void TfrmGallery::ValueChange(TObject* sender) {
  const int value = static_cast<TTrackBar*>(sender)->Position();
  if (auto* progress = dynamic_cast<TProgressBar*>(FindComponent("prgValue"))) progress->SetPosition(value);
  SetStatus("Value: " + std::to_string(value));
}

// ---- lists and status bar

void TfrmGallery::Loaded() {
  TForm::Loaded();
  WireListsAndStatus();
}

void TfrmGallery::WireListsAndStatus() {
  if (auto* header = dynamic_cast<THeaderControl*>(FindComponent("hdrFields")))
    header->SetOnSectionClick([this](THeaderControl*, THeaderSection* section) { SetStatus("Section: " + section->Text()); });
  if (auto* list = dynamic_cast<TListView*>(FindComponent("lvRecords"))) {
    list->SetOnColumnClick([this](TCustomListView*, TListColumn* column) { SetStatus("Column: " + column->Caption()); });
    static const char* const modes[] = {"Finger", "Card", "Password"};
    for (int i = 0; i < 30; ++i) {
      char time[16];
      std::snprintf(time, sizeof time, "%02d:%02d:%02d", 8 + i / 6, (i * 7) % 60, (i * 13) % 60);
      list->AddItem("User " + std::to_string(100 + i), {time, modes[i % 3]});
    }
  }
  if (auto* bar = dynamic_cast<TStatusBar*>(FindComponent("sbStatus")))
    bar->SetOnDrawPanel([](TStatusBar*, TStatusPanel* panel, HDC dc, const RECT& rect) {
      if (panel->Style() != psOwnerDraw) return;
      // A small level meter: a green bar two thirds across, the rest left as it is.
      RECT level = rect;
      InflateRect(&level, -2, -2);
      level.right = level.left + (level.right - level.left) * 2 / 3;
      const COLORREF old = SetDCBrushColor(dc, RGB(40, 160, 60));
      FillRect(dc, &level, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
      SetDCBrushColor(dc, old);
    });
}

} // namespace vcu
