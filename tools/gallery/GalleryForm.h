#pragma once
// The gallery window: its menus' commands, and the switch that turns skinning off and on.
#include "framework/Forms.h"

namespace vcu {

class TSkinData;

class TfrmGallery : public TForm {
public:
  using TForm::TForm;
  static const TClassInfo& ClassInfo();
  const TClassInfo& ClassType() const override { return ClassInfo(); }
  TNotifyEvent MethodAddress(const std::string& name) override;

  TSkinData* SkinData() const;
  // Switches the skin data on or off, and the menu items that show it.
  void SetSkinned(bool on);

private:
  // Names the last command chosen in the status line.
  void CommandClick(TObject* sender);
  void SkinToggleClick(TObject* sender);
  void StatusLineClick(TObject* sender);
  void ExitClick(TObject* sender);
  void SetStatus(const std::string& text);

  // Buttons and bars: a button names itself, a scroll bar shows its position.
  void ButtonClick(TObject* sender);
  void ScrollChange(TObject* sender);
};

} // namespace vcu
