#include "core/elements/CaptionButtons.h"

#include <optional>

#include "core/elements/BitmapPieces.h"
#include "core/elements/ElementReaders.h"
#include "core/elements/SectionNames.h"
#include "core/storage/QuickIni.h"

namespace vcu {
namespace {

bool IsPushButtonSection(const std::string& upper) {
  return upper == "BUTTONS" || upper == "BUTTON.RADIO" || upper == "BUTTON.CHECKBOX" ||
         upper == "BUTTON";
}

struct Point {
  int x, y;
};

TDataSkinSysButton ReadCaptionButton(ElementReader& reader, const std::string& section,
                                     std::optional<Point>& helpPosition) {
  const TQuickIni& ini = reader.Ini();
  TDataSkinSysButton b(AsciiUpper(section));
  b.Action = ini.ReadInteger(section, "Action", 0);
  b.Align = ini.ReadInteger(section, "Align", 0);
  b.Xcoord = ini.ReadInteger(section, "Xcoord", 0);
  b.Ycoord = ini.ReadInteger(section, "Ycoord", 0);
  b.Visibility = ini.ReadInteger(section, "Visibility", 0);
  b.Visibility1 = ini.ReadInteger(section, "Visibility1", b.Action == -1 ? -1 : 0);
  if (b.Action == 1 && b.Visibility == 2) helpPosition = Point{b.Xcoord, b.Ycoord};
  // The help button sits where the maximise button of a help-style caption sits; without
  // such a button before it, it keeps its own place.
  if (b.Action == 4 && helpPosition) {
    b.Xcoord = helpPosition->x;
    b.Ycoord = helpPosition->y;
  }
  b.CombineOp = ini.ReadInteger(section, "CombineOp", -1);
  b.Frame = ini.ReadInteger(section, "frame", 0);
  reader.LoadEntryBitmap(b.Bitmap, ini.ReadString(section, "ButtonImage", ""));
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
  reader.LoadEntryBitmap(strip, reader.Ini().ReadString("MDICONTROLS", "Image", ""));
  const int a = strip.Width() / 12, h = strip.Height();
  for (int i = 0; i < 3; ++i) {
    TDataSkinSysButton b("MDICONTROLS");
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
    if (!StartsWith(upper, "BUTTON") || IsPushButtonSection(upper)) continue;
    const bool switchedOff = ini.ReadInteger(section, "Action", 0) == -1 &&
                             ini.ReadInteger(section, "Visibility", -1) != 0;
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
