#pragma once
// TSkinData: the component a window drops on itself to be skinned. It holds the stored skin
// archive (property SkinStream, or the file named by SkinFile), the decoded skin (element
// slots and colour table), the switches that say what is skinned, and the events through
// which the host program can veto or observe skinning. It paints nothing: once loaded it
// hands itself to the skin manager, whose skinners read the slots from here.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

// windows.h first: commctrl.h needs its types.
#include <windows.h>
#include <commctrl.h>

#include "core/elements/ElementSlots.h"
#include "framework/Classes.h"

namespace vcu {

class TControl;
class TSkinData;

enum TSkinOption : unsigned {
  xoMDIScrollbar,
  xoMenuMerge,
  xoTransparent,
  xoPreview,
  xoParentBackGround,
  xoNoFocusRect,
  xoToolbarBK,
  xoToolbarButton,
  xoMDIChildBorder,
  xoMenuBG,
  xoFormScrollbar,
};
using TSkinOptions = std::uint16_t; // bit n = member n

enum TSkinControlType : unsigned {
  xcMainMenu,
  xcPopupMenu,
  xcMenuItem,
  xcToolbar,
  xcControlbar,
  xcCombo,
  xcCheckBox,
  xcRadioButton,
  xcProgress,
  xcScrollbar,
  xcEdit,
  xcButton,
  xcBitBtn,
  xcSpeedButton,
  xcSpin,
  xcPanel,
  xcGroupBox,
  xcStatusBar,
  xcTab,
  xcTrackBar,
  xcSystemMenu,
  xcFastReport,
};
using TSkinControlTypes = std::uint32_t; // bit n = member n

enum TSkinFormType : int { sfMainform, sfOnlyThisForm, sfDialog, sfDLL };

constexpr TSkinOptions kDefaultSkinOptions = 0x0048;            // xoPreview, xoToolbarBK
constexpr TSkinControlTypes kDefaultSkinControls = 0x001FFFFB; // all but xcMenuItem, xcFastReport

template <class Set, class Member> constexpr bool InSet(Set set, Member member) {
  return (set >> static_cast<unsigned>(member) & 1u) != 0;
}
template <class Set, class Member> constexpr Set Include(Set set, Member member) {
  return static_cast<Set>(set | Set{1} << static_cast<unsigned>(member));
}
template <class Set, class Member> constexpr Set Exclude(Set set, Member member) {
  return static_cast<Set>(set & ~(Set{1} << static_cast<unsigned>(member)));
}

// Event types; a reference parameter is one the handler may change.
using TOnFormSkin = std::function<void(TObject* sender, const std::string& aName, bool& doSkin)>;
using TOnSkinForm = std::function<void(TObject* sender, HWND ahwnd, const std::string& aName)>;
using TOnSkinControl =
    std::function<void(TComponent* sender, TSkinData* skinData, TControl* form, TControl* control,
                       const std::string& controlClass, TComponent*& skinnedControl)>;

class TSkinData : public TComponent, public TSkinElements {
public:
  explicit TSkinData(TComponent* owner);
  ~TSkinData() override;
  static const TClassInfo& ClassInfo();
  const TClassInfo& ClassType() const override { return ClassInfo(); }

  // Published properties, in stored order.
  bool Active() const { return active_; }
  void SetActive(bool value);
  std::int32_t DisableTag() const { return disableTag_; }
  void SetDisableTag(std::int32_t value) { disableTag_ = value; }
  unsigned SkinControls() const { return skinControls_; }
  void SetSkinControls(unsigned value) { skinControls_ = value; }
  unsigned Options() const { return options_; }
  void SetOptions(unsigned value) { options_ = static_cast<TSkinOptions>(value); }
  TStrings* Skin3rd() const { return skin3rd_.get(); }
  // Copies the lines; the component keeps its own list.
  void SetSkin3rd(const TStrings& list);
  std::string SkinFile() const { return skinFile_; }
  void SetSkinFile(const std::string& value);
  // "(none)", or "(Good)" in the designer when an archive is held.
  std::string GetSkinStore() const;
  void SetSkinStore(const std::string&) {}
  TSkinFormType SkinFormtype() const { return skinFormtype_; }
  void SetSkinFormtype(TSkinFormType value) { skinFormtype_ = value; }
  std::string Version() const { return version_; }
  void SetVersion(const std::string&) {}
  bool MenuUpdate() const { return menuUpdate_; }
  void SetMenuUpdate(bool value) { menuUpdate_ = value; }
  bool MenuMerge() const { return menuMerge_; }
  void SetMenuMerge(bool value) { menuMerge_ = value; }

  TOnFormSkin OnFormSkin;
  TNotifyEvent OnSkinChanged;
  void SetOnSkinChanged(TNotifyEvent handler) { OnSkinChanged = std::move(handler); }
  TOnSkinControl OnSkinControl;
  TOnSkinForm OnBeforeSkinForm;
  TOnSkinForm OnAfterSkinForm;

  // The stored skin: a 32-bit little-endian length n, then n archive bytes. A length of 0 or
  // less keeps the archive; a length beyond the data given is refused and keeps it too.
  void ReadSkinStream(const std::vector<std::uint8_t>& data);
  void WriteSkinStream(std::vector<std::uint8_t>& data) const;

  // Decodes SkinArchive into the slots; false when the archive cannot be read. An entry that
  // is not a bitmap raises its error; the skin then stays unread (SkinEmpty).
  bool LoadSkin();
  void Loaded() override;
  // Has the manager repaint the forms that use this component after a new skin was read.
  void ApplySkin();
  // The manager's last word on a window it is about to skin.
  void FilterForm(HWND window, const std::string& className, bool& doSkin);
  // Fires OnSkinChanged; the manager calls it after carrying out this component's request.
  void DoSkinChanged();

  // Unpublished state.
  std::vector<std::uint8_t> SkinArchive;
  bool SkinEmpty = true;
  // The application's small icon on magenta (the transparent colour), 24 bits.
  Bitmap AppIconBitmap;
  HFONT CaptionFont = nullptr;
  // Restore, maximise, minimise and close glyphs, 16 x 16 each, from "TESSERAMENU".
  HIMAGELIST MenuGlyphs = nullptr;
  int MaxWidth = 0;
  int MaxHeight = 0;
  HWND CurrentWindow = nullptr;
  // Cleared by the form skinner while a menu change of its window is processed.
  bool FramePainting = true;
  HBRUSH FaceBrush = nullptr;

private:
  bool Designing() const { return (ComponentState() & csDesigning) != 0; }
  bool Reading() const { return (ComponentState() & csLoading) != 0; }
  void ReadCaptionFont();
  void BuildAppIcon();
  void MakeFaceBrush();
  void LoadedMainform();

  bool active_ = false;
  std::int32_t disableTag_ = 99;
  TSkinControlTypes skinControls_ = kDefaultSkinControls;
  TSkinOptions options_ = kDefaultSkinOptions;
  std::unique_ptr<TStringList> skin3rd_;
  std::string skinFile_;
  TSkinFormType skinFormtype_ = sfMainform;
  std::string version_ = "4.94.12.01";
  bool menuUpdate_ = true;
  bool menuMerge_ = false;
};

} // namespace vcu
