#pragma once
// The gallery window: its menus' commands, and the switch that turns skinning off and on.
#include <cstdint>
#include <string>
#include <vector>

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
  // Keeps the skin the layout stored, for the Skin menu to go back to (the first call only),
  // and sets the text colour for the skin in use.
  void RememberStoredSkin();
  // Every window changes to the skin at once, through the skin data's change of skin; a skin
  // that cannot be used is refused with a message and the windows keep theirs. False then.
  bool UseBuiltInSkin(const std::string& menuItem);
  bool UseSkinFile(const std::string& path);

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
  void SkinChoiceClick(TObject* sender);
  void SkinOpenClick(TObject* sender);
  // The skin's own bytes handed to the skin data: read, then every window re-skinned.
  void ApplySkinBytes(const std::vector<std::uint8_t>& bytes);
  void RefuseSkin(const std::string& what, const std::string& fault);
  void CheckSkinItem(const std::string& menuItem);
  // Labels and captions in the skin's text colour while skinned, the system's without.
  void FollowSkinTextColour();

  std::vector<std::uint8_t> storedSkin_;
  // Values group: the track bar's value moves the progress bar and shows in the status line.
  void ValueChange(TObject* sender);

  // Lists and status bar: rows for the list view, clicks on header sections and list
  // columns named in the status bar, the owner-drawn panel painted.
  void Loaded() override;
  void WireListsAndStatus();
};

} // namespace vcu
