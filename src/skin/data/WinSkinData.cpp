#include "skin/data/WinSkinData.h"

#include "core/ByteOrder.h"

#include <cstddef>
#include <fstream>
#include <iterator>

#include "core/elements/SkinElementsLoader.h"
#include "framework/Forms.h"
#include "framework/OptionalApis.h"
#include "skin/data/DibBitmap.h"
#include "skin/data/IconBitmap.h"
#include "skin/data/ProgramResources.h"
#include "skin/data/Skin3rdDefaults.h"
#include "skin/form/SkinManage.h"

namespace vcu {
namespace {

constexpr unsigned kRequestDelayMs = 250;
constexpr std::size_t kLengthBytes = 4;
// The non-client metrics as the oldest NT systems know them: without iPaddedBorderWidth.
constexpr UINT kNonClientMetricsSize = 340;

// Events with parameters of their own cannot be bound from a layout, whose handlers all take
// a sender only; they are published so that the name is known, and assigned in code.
TPropInfo CodeOnlyEventProperty(const char* name) {
  TPropInfo p;
  p.name = name;
  p.kind = TPropKind::Method;
  p.setMethod = [event = std::string(name)](TObject&, TNotifyEvent) {
    throw Exception(event + " takes a handler with parameters of its own; assign it in code");
  };
  return p;
}

TPropInfo SkinStreamProperty() {
  TPropInfo p;
  p.name = "SkinStream";
  p.kind = TPropKind::Binary;
  p.readBinary = [](TObject& o, const std::vector<std::uint8_t>& data) {
    static_cast<TSkinData&>(o).ReadSkinStream(data);
  };
  return p;
}

TPropInfo Skin3rdProperty() {
  TPropInfo p;
  p.name = "Skin3rd";
  p.kind = TPropKind::Object;
  p.getObject = [](const TObject& o) -> TObject* { return static_cast<const TSkinData&>(o).Skin3rd(); };
  return p;
}

bool ReadWholeFile(const std::string& path, std::vector<std::uint8_t>& bytes) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY)) return false;
  std::ifstream file(path, std::ios::binary);
  if (!file) return false;
  bytes.assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
  return true;
}

HFONT CreateCaptionFont() {
  NONCLIENTMETRICSA metrics{};
  metrics.cbSize = kNonClientMetricsSize;
  if (SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, kNonClientMetricsSize, &metrics, 0))
    if (HFONT font = CreateFontIndirectA(&metrics.lfCaptionFont)) return font;
  LOGFONTA fallback{};
  GetObjectA(GetStockObject(DEFAULT_GUI_FONT), sizeof fallback, &fallback);
  return CreateFontIndirectA(&fallback);
}

} // namespace

static_assert(offsetof(NONCLIENTMETRICSA, iPaddedBorderWidth) == kNonClientMetricsSize,
              "the classic non-client metrics end where the padded border width begins");

const TClassInfo& TSkinData::ClassInfo() {
  static const TClassInfo info(
      "TSkinData", &TComponent::ClassInfo(),
      {BoolProperty("Active", &TSkinData::Active, &TSkinData::SetActive),
       IntegerProperty("DisableTag", &TSkinData::DisableTag, &TSkinData::SetDisableTag),
       SetProperty("SkinControls",
                   {"xcMainMenu", "xcPopupMenu", "xcMenuItem", "xcToolbar", "xcControlbar", "xcCombo",
                    "xcCheckBox", "xcRadioButton", "xcProgress", "xcScrollbar", "xcEdit", "xcButton",
                    "xcBitBtn", "xcSpeedButton", "xcSpin", "xcPanel", "xcGroupBox", "xcStatusBar", "xcTab",
                    "xcTrackBar", "xcSystemMenu", "xcFastReport"},
                   &TSkinData::SkinControls, &TSkinData::SetSkinControls),
       SetProperty("Options",
                   {"xoMDIScrollbar", "xoMenuMerge", "xoTransparent", "xoPreview", "xoParentBackGround",
                    "xoNoFocusRect", "xoToolbarBK", "xoToolbarButton", "xoMDIChildBorder", "xoMenuBG",
                    "xoFormScrollbar"},
                   &TSkinData::Options, &TSkinData::SetOptions),
       Skin3rdProperty(),
       StringProperty("SkinFile", &TSkinData::SkinFile, &TSkinData::SetSkinFile),
       StringProperty("SkinStore", &TSkinData::GetSkinStore, &TSkinData::SetSkinStore),
       EnumProperty("SkinFormtype", {"sfMainform", "sfOnlyThisForm", "sfDialog", "sfDLL"},
                    &TSkinData::SkinFormtype, &TSkinData::SetSkinFormtype),
       StringProperty("Version", &TSkinData::Version, &TSkinData::SetVersion),
       BoolProperty("MenuUpdate", &TSkinData::MenuUpdate, &TSkinData::SetMenuUpdate),
       BoolProperty("MenuMerge", &TSkinData::MenuMerge, &TSkinData::SetMenuMerge),
       CodeOnlyEventProperty("OnFormSkin"),
       EventProperty("OnSkinChanged", &TSkinData::SetOnSkinChanged),
       CodeOnlyEventProperty("OnSkinControl"),
       CodeOnlyEventProperty("OnBeforeSkinForm"),
       CodeOnlyEventProperty("OnAfterSkinForm"),
       SkinStreamProperty()});
  return info;
}

TSkinData::TSkinData(TComponent* owner)
    : TComponent(owner), MenuGlyphs(LoadMenuGlyphs()), MaxWidth(GetSystemMetrics(SM_CXMAXIMIZED)),
      MaxHeight(GetSystemMetrics(SM_CYMAXIMIZED)), skin3rd_(std::make_unique<TStringList>()) {
  skin3rd_->Assign(DefaultSkin3rd());
}

TSkinData::~TSkinData() {
  if (MenuGlyphs) ImageList_Destroy(MenuGlyphs);
  if (TSkinManage* manager = TSkinManage::Instance()) manager->UnregisterSkinData(this);
  if (CaptionFont) DeleteObject(CaptionFont);
  if (FaceBrush) DeleteObject(FaceBrush);
}

// ---- published properties

void TSkinData::SetSkin3rd(const TStrings& list) {
  std::vector<std::string> lines;
  for (int i = 0; i < list.Count(); ++i) lines.push_back(list.Get(i));
  skin3rd_->Assign(lines);
}

std::string TSkinData::GetSkinStore() const { return Designing() && !SkinArchive.empty() ? "(Good)" : "(none)"; }

void TSkinData::SetActive(bool value) {
  if (value == active_) return;
  active_ = value;
  if (Designing() || Reading()) return;
  if (skinFormtype_ == sfDialog || skinFormtype_ == sfDLL) return;
  // A component made in code has not been through Loaded: that is where the manager is made.
  if (!TSkinManage::Instance()) Loaded();
  TSkinManage& manager = *TSkinManage::Instance();
  if (value && SkinEmpty && skinFormtype_ == sfMainform) return;
  manager.SetRequestingSkinData(this);
  if (value && SkinEmpty) return;
  manager.PostCommand(value ? scSkin : scUnskin, kRequestDelayMs);
  if (value && skinFormtype_ == sfMainform) manager.SetReadyState(rsStarted);
}

void TSkinData::SetSkinFile(const std::string& value) {
  SkinEmpty = true;
  skinFile_ = value;
  if (Designing()) {
    if (!value.empty()) SkinArchive.clear(); // the file replaces the stored skin
    return;
  }
  std::vector<std::uint8_t> bytes;
  if (!ReadWholeFile(value, bytes)) return;
  SkinArchive = std::move(bytes);
  LoadSkin();
  ApplySkin();
}

// ---- the stored skin

void TSkinData::ReadSkinStream(const std::vector<std::uint8_t>& data) {
  if (data.size() < kLengthBytes) return;
  const std::int32_t n = static_cast<std::int32_t>(ReadU32Le(data.data()));
  if (n <= 0 || static_cast<std::size_t>(n) > data.size() - kLengthBytes) return;
  SkinArchive.assign(data.begin() + kLengthBytes, data.begin() + kLengthBytes + n);
  if (Designing()) return;
  // A stored skin that cannot be decoded leaves the window with its plain look: Loaded then
  // finds SkinEmpty and switches Active off.
  try {
    LoadSkin();
  } catch (const Exception&) {
    SkinEmpty = true;
  }
}

void TSkinData::WriteSkinStream(std::vector<std::uint8_t>& data) const {
  AppendU32Le(data, static_cast<std::uint32_t>(SkinArchive.size()));
  data.insert(data.end(), SkinArchive.begin(), SkinArchive.end());
}

bool TSkinData::LoadSkin() {
  SkinEmpty = true;
  if (Designing()) return false;
  if (!LoadSkinArchive(SkinArchive.data(), SkinArchive.size(), LoadBuiltinImages(), *this)) return false;
  MakeFaceBrush();
  SkinEmpty = false;
  return true;
}

void TSkinData::MakeFaceBrush() {
  if (FaceBrush) DeleteObject(FaceBrush);
  FaceBrush = CreateSolidBrush(ResolveColour(ColourButtonFace));
}

// ---- hand-over to the skin manager

void TSkinData::Loaded() {
  TComponent::Loaded();
  if (Designing()) return;
  if (!GetScrollBarInfoProc()) skinControls_ = Exclude(skinControls_, xcScrollbar);
  TSkinManage& manager = TSkinManage::Create();
  manager.RegisterSkinData(this);
  ReadCaptionFont();
  if (skinFormtype_ != sfMainform) {
    manager.SetActive(true);
    manager.SetReadyState(manager.ReadyState() + 1);
    if (auto* form = dynamic_cast<TForm*>(Owner()); form && active_) manager.SkinWindow(form->Handle());
    return;
  }
  LoadedMainform();
}

void TSkinData::LoadedMainform() {
  TSkinManage& manager = *TSkinManage::Instance();
  manager.InstallHook();
  if (active_) {
    if (SkinEmpty) active_ = false; // no usable skin: the window keeps its plain look
    else manager.PostCommand(scSkin, kRequestDelayMs);
  }
  skinControls_ = InSet(skinControls_, xcMainMenu) ? Exclude(skinControls_, xcMenuItem)
                                                   : Exclude(skinControls_, xcSystemMenu);
  BuildAppIcon();
}

void TSkinData::ReadCaptionFont() {
  if (CaptionFont) DeleteObject(CaptionFont);
  CaptionFont = CreateCaptionFont();
}

// The program has no application window of its own: the application's icon is the program's
// first icon, the one the shell shows.
void TSkinData::BuildAppIcon() {
  const int width = GetSystemMetrics(SM_CXSMICON), height = GetSystemMetrics(SM_CYSMICON);
  HICON icon = LoadProgramIcon(width, height);
  if (!icon) return;
  AppIconBitmap = IconOnMagenta(icon, width, height);
  DestroyIcon(icon);
}

void TSkinData::ApplySkin() {
  if (Designing() || Reading()) return;
  if (!TSkinManage::Instance()) Loaded();
  TSkinManage& manager = *TSkinManage::Instance();
  manager.SetRequestingSkinData(this);
  manager.RefreshForms();
  if (manager.ReadyState() == rsStarted) manager.PostCommand(scSkinChanged, kRequestDelayMs);
}

void TSkinData::FilterForm(HWND window, const std::string& className, bool& doSkin) {
  CurrentWindow = window;
  if (OnFormSkin) {
    OnFormSkin(this, className, doSkin);
    return;
  }
  if (className == "SysMonthCal32") doSkin = false;
  else if (InSet(skinControls_, xcFastReport) && className.rfind("Tfr", 0) == 0) doSkin = false;
}

void TSkinData::DoSkinChanged() {
  if (OnSkinChanged) OnSkinChanged(this);
}

} // namespace vcu
