#include "core/elements/CaptionButtons.h"

#include <optional>

#include "core/elements/BitmapPieces.h"
#include "core/elements/ElementReaders.h"
#include "core/elements/SectionNames.h"
#include "core/storage/QuickIni.h"

namespace vcu {

const char kCaptionFrameKey[] = "frame";
const char kCaptionImageKey[] = "ButtonImage";
const char kMdiSection[] = "MDICONTROLS";
const char kMdiImageKey[] = "Image";

namespace {

// The other keys of a caption button section.
constexpr const char* kActionKey = "Action";
constexpr const char* kAlignKey = "Align";
constexpr const char* kXcoordKey = "Xcoord";
constexpr const char* kYcoordKey = "Ycoord";
constexpr const char* kVisibilityKey = "Visibility";
constexpr const char* kVisibility1Key = "Visibility1";
constexpr const char* kCombineOpKey = "CombineOp";

struct Point {
  int x, y;
};

TDataSkinSysButton ReadCaptionButton(ElementReader& reader, const std::string& section,
                                     std::optional<Point>& helpPosition) {
  const TQuickIni& ini = reader.Ini();
  TDataSkinSysButton b(AsciiUpper(section));
  b.Action = ini.ReadInteger(section, kActionKey, 0);
  b.Align = ini.ReadInteger(section, kAlignKey, 0);
  b.Xcoord = ini.ReadInteger(section, kXcoordKey, 0);
  b.Ycoord = ini.ReadInteger(section, kYcoordKey, 0);
  b.Visibility = ini.ReadInteger(section, kVisibilityKey, 0);
  b.Visibility1 = ini.ReadInteger(section, kVisibility1Key, b.Action == -1 ? -1 : 0);
  if (b.Action == 1 && b.Visibility == 2) helpPosition = Point{b.Xcoord, b.Ycoord};
  // The help button sits where the maximise button of a help-style caption sits; without
  // such a button before it, it keeps its own place.
  if (b.Action == 4 && helpPosition) {
    b.Xcoord = helpPosition->x;
    b.Ycoord = helpPosition->y;
  }
  b.CombineOp = ini.ReadInteger(section, kCombineOpKey, -1);
  b.Frame = ini.ReadInteger(section, kCaptionFrameKey, 0);
  reader.LoadEntryBitmap(b.Bitmap, ini.ReadString(section, kCaptionImageKey, ""));
  if (b.Frame == 0) {
    b.Frame = GuessCaptionFrames(b.Bitmap.Width(), b.Bitmap.Height(), b.Action);
    // The system-menu button shows the window's icon, not an image.
    if (b.Action == 3 || b.Action == 11) b.Bitmap.Clear();
  }
  return b;
}

// The three MDI child buttons (minimise, restore, close) at the end of the list. Their images
// are the three thirds of the 12-frame "MDICONTROLS" strip, four frames each.
void AddMdiButtons(ElementReader& reader, std::vector<TDataSkinSysButton>& buttons) {
  Bitmap strip;
  reader.LoadEntryBitmap(strip, reader.Ini().ReadString(kMdiSection, kMdiImageKey, ""));
  const int a = strip.Width() / 12, h = strip.Height();
  for (int i = 0; i < 3; ++i) {
    TDataSkinSysButton b(kMdiSection);
    b.Action = 7 + i;
    b.Align = b.Visibility = b.Visibility1 = 100;
    b.Frame = 4;
    if (!strip.Empty()) {
      b.Bitmap = CopyBitmapRect(strip, Rect{4 * a * i, 0, 4 * a * (i + 1), h});
      b.Xcoord = (a + 4) * (3 - i);
    }
    buttons.push_back(std::move(b));
  }
}

} // namespace

bool IsPushButtonSection(const std::string& upper) {
  return upper == "BUTTONS" || upper == "BUTTON.RADIO" || upper == "BUTTON.CHECKBOX" ||
         upper == "BUTTON";
}

bool IsCaptionButtonSection(const std::string& upper) {
  return StartsWith(upper, "BUTTON") && !IsPushButtonSection(upper);
}

bool IsMdiControlsSection(const std::string& upper) { return upper == kMdiSection; }

std::vector<SkinKey> CaptionButtonKeys() {
  std::vector<SkinKey> keys{{kCaptionImageKey, KeyKind::Image}};
  for (const char* key : {kActionKey, kAlignKey, kXcoordKey, kYcoordKey, kVisibilityKey,
                          kVisibility1Key, kCombineOpKey, kCaptionFrameKey})
    keys.push_back({key, KeyKind::Integer});
  return keys;
}

std::vector<SkinKey> MdiControlsKeys() { return {{kMdiImageKey, KeyKind::Image}}; }

int GuessCaptionFrames(int width, int height, int action) {
  if (width <= 0 || height <= 0 || action < 0) return 6;
  return static_cast<double>(width) / height <= 3.8 ? 3 : 6;
}

std::vector<std::string> CaptionButtonSections(const ElementReader& reader,
                                               const std::vector<std::string>& sections) {
  const TQuickIni& ini = reader.Ini();
  std::vector<std::string> kept;
  for (const std::string& section : sections) {
    const std::string upper = AsciiUpper(section);
    if (!IsCaptionButtonSection(upper)) continue;
    const bool switchedOff = ini.ReadInteger(section, kActionKey, 0) == -1 &&
                             ini.ReadInteger(section, kVisibilityKey, -1) != 0;
    if (!switchedOff) kept.push_back(section);
  }
  return kept;
}

void ReadCaptionButtons(ElementReader& reader, const std::vector<std::string>& sections,
                        TSkinElements& elements) {
  std::vector<TDataSkinSysButton>& buttons = elements.CaptionButtons;
  buttons.clear();
  const std::vector<std::string> kept = CaptionButtonSections(reader, sections);
  buttons.reserve(kept.size() + 3);
  elements.MdiButtonBase = static_cast<int>(kept.size());
  std::optional<Point> helpPosition;
  for (const std::string& section : kept)
    buttons.push_back(ReadCaptionButton(reader, section, helpPosition));
  AddMdiButtons(reader, buttons);
}

} // namespace vcu
