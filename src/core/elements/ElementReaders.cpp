#include "core/elements/ElementReaders.h"

#include "core/elements/SkinEntries.h"
#include "core/image/Bmp.h"
#include "core/storage/QuickIni.h"
#include "core/text/AsciiText.h"

namespace vcu {

const ElementRule kPlainElement{"Image", true, true, true, 0};
const ElementRule kFramelessElement{"Image", true, false, true, 0};
const ElementRule kProgressElement{"Bitmap", true, false, false, 1};
namespace {
const ElementRule kButtonsElement{"Bitmap", false, false, true, 0};

// The file-name part of an INI image value: what follows the last backslash or colon.
std::string FileNamePart(const std::string& value) {
  const std::size_t cut = value.find_last_of("\\:");
  return cut == std::string::npos ? value : value.substr(cut + 1);
}

// The extension, compared with case: ".BMP" is not a bitmap name.
bool HasBmpExtension(const std::string& fileName) {
  const std::size_t dot = fileName.rfind('.');
  return dot != std::string::npos && fileName.compare(dot, std::string::npos, ".bmp") == 0;
}
} // namespace

ElementReader::ElementReader(const TQuickIni& ini, const SkinEntries& entries,
                             const TSkinColours& colours)
    : ini_(ini), entries_(entries), colours_(colours) {}

void ElementReader::LoadEntryBitmap(Bitmap& bitmap, const std::string& value) {
  const std::string fileName = FileNamePart(value);
  scratch_.clear();
  if (!fileName.empty() && HasBmpExtension(fileName)) entries_.ExtractEntry(fileName, scratch_);
  if (scratch_.empty()) {
    bitmap.Clear();
    return;
  }
  try {
    ChargePixels(fileName, ReadBmpDimensions(scratch_));
    bitmap = DecodeBmp(scratch_);
  } catch (const EInvalidBitmap& fault) {
    throw EInvalidBitmap(fault, fileName);
  }
}

void ElementReader::ChargePixels(const std::string& entry, const BmpDimensions& size) {
  const std::int64_t total = pixelsDecoded_ + std::int64_t{size.width} * size.height;
  if (total > kMaxSkinPixels) throw ESkinTooLarge(entry, size.width, size.height, total);
  pixelsDecoded_ = total;
}

ESkinTooLarge::ESkinTooLarge(const std::string& entry, int width, int height,
                             std::int64_t total)
    : Exception("Skin bitmaps too large: entry " + QuotedOneLine(entry) + " (" +
                std::to_string(width) + " x " + std::to_string(height) + ") takes the skin to " +
                std::to_string(total) + " pixels, more than the " +
                std::to_string(kMaxSkinPixels) + " a skin may hold"),
      entry_(entry) {}

template <class Record>
Record* ElementReader::Create(std::unique_ptr<Record>& slot, const std::string& section,
                              const ElementRule& rule) {
  slot.reset();
  const std::string image = ini_.ReadString(section, rule.imageKey, "");
  if (image.empty()) return nullptr;
  slot = std::make_unique<Record>(section);
  LoadEntryBitmap(slot->Bitmap, image);
  ReadRuleKeys(*slot, section, rule);
  return slot.get();
}

Colour ElementReader::ReadSecondColour(const std::string& section, const char* key) const {
  return ParseColour(ini_.ReadString(section, key, ""), colours_.ColourButtonText);
}

bool ElementReader::HasValue(const std::string& section, const char* key) const {
  return !ini_.ReadString(section, key, "").empty();
}

void ElementReader::ReadRuleKeys(TDataSkinObject& record, const std::string& section,
                                 const ElementRule& rule) {
  if (rule.readsStyle) record.Style = ini_.ReadInteger(section, "Style", 0);
  record.LeftWidth = ini_.ReadInteger(section, "LeftWidth", 0);
  record.RightWidth = ini_.ReadInteger(section, "RightWidth", 0);
  record.TopHeight = ini_.ReadInteger(section, "TopHeight", 0);
  record.BottomHeight = ini_.ReadInteger(section, "BottomHeight", 0);
  if (rule.readsFrame) record.Frame = ini_.ReadInteger(section, "Frame", 0);
  record.Trans = ini_.ReadInteger(section, "Trans", 0);
  record.Tile = ClampTile(ini_.ReadInteger(section, "Tile", 0), rule.tileAboveOne);
  if (!rule.readsStateColours) return;
  record.NormalColour = ini_.ReadInteger(section, "NormalColour", -1);
  record.MouseOverColour = ini_.ReadInteger(section, "MouseOverColour", -1);
  record.PressedColour = ini_.ReadInteger(section, "PressedColour", -1);
  record.NormalColour2 = ReadSecondColour(section, "NormalColour2");
  record.MouseOverColour2 = ReadSecondColour(section, "MouseOverColour2");
  record.PressedColour2 = ReadSecondColour(section, "PressedColour2");
}

void ElementReader::ReadElement(std::unique_ptr<TDataSkinObject>& slot,
                                const std::string& section) {
  Create(slot, section, kPlainElement);
}

void ElementReader::ReadBorderElement(std::unique_ptr<TDataSkinBorder>& slot,
                                      const std::string& section, const std::string& secondKey) {
  TDataSkinBorder* record = Create(slot, section, kFramelessElement);
  if (!record) return;
  const std::string second = ini_.ReadString(section, secondKey, "");
  if (!second.empty()) LoadEntryBitmap(record->Bitmap2, second);
}

void ElementReader::ReadBoxLabelElement(std::unique_ptr<TDataSkinBoxLabel>& slot,
                                        const std::string& section) {
  TDataSkinBoxLabel* record = Create(slot, section, kFramelessElement);
  if (!record) return;
  record->BackgroundAlignment = ini_.ReadInteger(section, "BackgroundAlignment", 0);
  record->BackgroundLeftShift = ini_.ReadInteger(section, "BackgroundLeftShift", 0);
  record->BackgroundRightShift = ini_.ReadInteger(section, "BackgroundRightShift", 0);
}

void ElementReader::ReadProgressElement(std::unique_ptr<TDataSkinBorder>& slot,
                                        const std::string& section) {
  Create(slot, section, kProgressElement);
}

void ElementReader::ReadMenuBarElement(std::unique_ptr<TDataSkinObject>& slot) {
  const std::string section = "Personality";
  slot.reset();
  const std::string image = ini_.ReadString(section, "menuBar", "");
  if (image.empty()) return;
  slot = std::make_unique<TDataSkinObject>(section);
  LoadEntryBitmap(slot->Bitmap, image);
  // For the menu bar the side "widths" are tile switches of its left and right parts.
  slot->LeftWidth = ini_.ReadInteger(section, "TileLeftMenu", 1);
  slot->RightWidth = ini_.ReadInteger(section, "TileRightMenu", 1);
  slot->TopHeight = slot->BottomHeight = 0;
  slot->Tile = ClampTile(ini_.ReadInteger(section, "TileMenu", 1), 1);
}

void ElementReader::ReadFrameBorders(TSkinElements& e) {
  struct Side {
    TDataSkinBorder& border;
    bool horizontal; // top and bottom: the "TopHeight"/"BotHeight" keys give end widths
  };
  const Side sides[] = {
      {e.LeftBorder, false}, {e.RightBorder, false}, {e.TopBorder, true}, {e.BottomBorder, true}};
  const std::string section = "Personality";
  for (const Side& side : sides) {
    TDataSkinBorder& b = side.border;
    const int first = ini_.ReadInteger(section, b.Name + "TopHeight", 0);
    const int second = ini_.ReadInteger(section, b.Name + "BotHeight", 0);
    b.SetMargins(side.horizontal ? Margins{first, 0, second, 0} : Margins{0, first, 0, second});
    b.Frame = ini_.ReadInteger(section, b.Name + "Frame", 1);
    b.Tile = ClampTile(ini_.ReadInteger(section, b.Name + "Stretch", 1), 1);
    b.Trans = ini_.ReadInteger(section, b.Name + "Trans", 1);
    LoadEntryBitmap(b.Bitmap, ini_.ReadString(section, b.Name, ""));
  }
}

void ElementReader::ReadTitleText(TDataSkinTitle& t) {
  const std::string section = "Personality";
  LoadEntryBitmap(t.Bitmap, ini_.ReadString(section, "TextBack", ""));
  t.LeftWidth = ini_.ReadInteger(section, "TextShift", 0);
  t.TopHeight = ini_.ReadInteger(section, "TextShiftVert", 0);
  t.RightWidth = ini_.ReadInteger(section, "TextRightClip", 0);
  t.BottomHeight = 0;
  t.TextAlignment = ini_.ReadInteger(section, "TextAlignment", 0);
  t.TextBackground = ini_.ReadInteger(section, "Textbackground", 0);
  t.FontHeight = ini_.ReadInteger("Fonts", "FontHeight", 14);
  t.TextBackLeft = ini_.ReadInteger(section, "TXTBackleft", 0);
  t.TextBackRight = ini_.ReadInteger(section, "TXTBackRight", 0);
  t.ActiveTextColour = t.InactiveTextColour = NoColour;
  ReadRGBKeys(ini_, section, "ActiveText", t.ActiveTextColour);
  ReadRGBKeys(ini_, section, "InActiveText", t.InactiveTextColour);
}

void ElementReader::ReadButtonsElement(TDataSkinButton& b) {
  const std::string section = "Buttons";
  LoadEntryBitmap(b.Bitmap, ini_.ReadString(section, "Bitmap", ""));
  LoadEntryBitmap(b.CheckBitmap, ini_.ReadString(section, "CheckButton", ""));
  LoadEntryBitmap(b.RadioBitmap, ini_.ReadString(section, "RadioButton", ""));
  ReadRuleKeys(b, section, kButtonsElement);
  b.RadioFrame = ini_.ReadInteger(section, "RadioButtonFrame", 0);
  b.CheckFrame = ini_.ReadInteger(section, "CheckButtonFrame", 0);
  b.HasNormalColour2 = HasValue(section, "NormalColour2");
  b.HasMouseOverColour2 = HasValue(section, "MouseOverColour2");
  b.HasPressedColour2 = HasValue(section, "PressedColour2");
}

} // namespace vcu
