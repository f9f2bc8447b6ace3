#include "core/elements/ElementReaders.h"

#include "core/elements/SkinEntries.h"
#include "core/image/Bmp.h"
#include "core/storage/QuickIni.h"
#include "core/text/AsciiText.h"

namespace vcu {

const char* const kPersonalitySection = "Personality";
const char* const kFontsSection = "Fonts";
const char* const kButtonsSection = "Buttons";
const char* const kBorderFirstEndSuffix = "TopHeight";
const char* const kBorderSecondEndSuffix = "BotHeight";
const char* const kBorderFrameSuffix = "Frame";
const char* const kBorderStretchSuffix = "Stretch";
const char* const kBorderTransSuffix = "Trans";

const char kLeftWidthKey[] = "LeftWidth";
const char kTopHeightKey[] = "TopHeight";
const char kFrameKey[] = "Frame";
const char kTitlePlateKey[] = "TextBack";
const char kTitlePlateLeftKey[] = "TXTBackleft";
const char kMenuBarKey[] = "menuBar";
const char kButtonsImageKey[] = "Bitmap";
const char kCheckImageKey[] = "CheckButton";
const char kRadioImageKey[] = "RadioButton";
const char kCheckFrameKey[] = "CheckButtonFrame";
const char kRadioFrameKey[] = "RadioButtonFrame";

const ElementRule kPlainElement{"Image", true, true, true, 0};
const ElementRule kFramelessElement{"Image", true, false, true, 0};
const ElementRule kProgressElement{"Bitmap", true, false, false, 1};
namespace {
const ElementRule kButtonsElement{kButtonsImageKey, false, false, true, 0};

// The integer keys of an element section; which of them a reader reads its rule says.
enum class RuleNeed { Always, Style, Frame, StateColours };
struct RuleInteger {
  const char* key;
  std::int32_t TDataSkinObject::*field;
  std::int32_t fallback;
  RuleNeed need;
  KeyKind kind;
};
constexpr RuleInteger kRuleIntegers[] = {
    {"Style", &TDataSkinObject::Style, 0, RuleNeed::Style, KeyKind::Integer},
    {kLeftWidthKey, &TDataSkinObject::LeftWidth, 0, RuleNeed::Always, KeyKind::Integer},
    {"RightWidth", &TDataSkinObject::RightWidth, 0, RuleNeed::Always, KeyKind::Integer},
    {kTopHeightKey, &TDataSkinObject::TopHeight, 0, RuleNeed::Always, KeyKind::Integer},
    {"BottomHeight", &TDataSkinObject::BottomHeight, 0, RuleNeed::Always, KeyKind::Integer},
    {kFrameKey, &TDataSkinObject::Frame, 0, RuleNeed::Frame, KeyKind::Integer},
    {"Trans", &TDataSkinObject::Trans, 0, RuleNeed::Always, KeyKind::Integer},
    {"Tile", &TDataSkinObject::Tile, 0, RuleNeed::Always, KeyKind::Integer},
    {"NormalColour", &TDataSkinObject::NormalColour, -1, RuleNeed::StateColours, KeyKind::ColourNumber},
    {"MouseOverColour", &TDataSkinObject::MouseOverColour, -1, RuleNeed::StateColours, KeyKind::ColourNumber},
    {"PressedColour", &TDataSkinObject::PressedColour, -1, RuleNeed::StateColours, KeyKind::ColourNumber},
};

// Second state colours, "R G B" texts, read with the state colours.
struct RuleColourText {
  const char* key;
  Colour TDataSkinObject::*field;
};
constexpr RuleColourText kSecondColours[] = {
    {"NormalColour2", &TDataSkinObject::NormalColour2},
    {"MouseOverColour2", &TDataSkinObject::MouseOverColour2},
    {"PressedColour2", &TDataSkinObject::PressedColour2},
};

bool Needs(const ElementRule& rule, RuleNeed need) {
  switch (need) {
  case RuleNeed::Always: return true;
  case RuleNeed::Style: return rule.readsStyle;
  case RuleNeed::Frame: return rule.readsFrame;
  case RuleNeed::StateColours: return rule.readsStateColours;
  }
  return false;
}

// Integer keys of one record class with their defaults.
template <class Record>
struct IntegerKey {
  const char* key;
  std::int32_t Record::*field;
  std::int32_t fallback;
};

template <class Record, std::size_t N>
void ReadIntegers(const TQuickIni& ini, const std::string& section,
                  const IntegerKey<Record> (&keys)[N], Record& record) {
  for (const IntegerKey<Record>& k : keys) record.*k.field = ini.ReadInteger(section, k.key, k.fallback);
}

template <class Record, std::size_t N>
void AppendIntegerKeys(std::vector<SkinKey>& list, const IntegerKey<Record> (&keys)[N]) {
  for (const IntegerKey<Record>& k : keys) list.push_back({k.key, KeyKind::Integer});
}

constexpr IntegerKey<TDataSkinBoxLabel> kBoxLabelIntegers[] = {
    {"BackgroundAlignment", &TDataSkinBoxLabel::BackgroundAlignment, 0},
    {"BackgroundLeftShift", &TDataSkinBoxLabel::BackgroundLeftShift, 0},
    {"BackgroundRightShift", &TDataSkinBoxLabel::BackgroundRightShift, 0},
};

// The caption text, all in section "Personality"; the plate's side "widths" are the text's
// shifts and clip.
constexpr IntegerKey<TDataSkinTitle> kTitleIntegers[] = {
    {"TextShift", &TDataSkinTitle::LeftWidth, 0},
    {"TextShiftVert", &TDataSkinTitle::TopHeight, 0},
    {"TextRightClip", &TDataSkinTitle::RightWidth, 0},
    {"TextAlignment", &TDataSkinTitle::TextAlignment, 0},
    {"Textbackground", &TDataSkinTitle::TextBackground, 0},
    {kTitlePlateLeftKey, &TDataSkinTitle::TextBackLeft, 0},
    {"TXTBackRight", &TDataSkinTitle::TextBackRight, 0},
};
constexpr IntegerKey<TDataSkinTitle> kFontIntegers[] = {{"FontHeight", &TDataSkinTitle::FontHeight, 14}};
struct RgbKey {
  const char* key;
  Colour TDataSkinTitle::*field;
};
constexpr RgbKey kTitleColours[] = {{"ActiveText", &TDataSkinTitle::ActiveTextColour},
                                    {"InActiveText", &TDataSkinTitle::InactiveTextColour}};

// The menu bar, in section "Personality": its image and three tile switches.
constexpr const char* kTileLeftMenuKey = "TileLeftMenu";
constexpr const char* kTileRightMenuKey = "TileRightMenu";
constexpr const char* kTileMenuKey = "TileMenu";


// Section "Buttons": three images and the check and radio frame counts beside the rule's keys.
struct ButtonImage {
  const char* key;
  Bitmap TDataSkinButton::*field;
};
constexpr ButtonImage kButtonImages[] = {{kButtonsImageKey, &TDataSkinButton::Bitmap},
                                         {kCheckImageKey, &TDataSkinButton::CheckBitmap},
                                         {kRadioImageKey, &TDataSkinButton::RadioBitmap}};
constexpr IntegerKey<TDataSkinButton> kButtonIntegers[] = {
    {kRadioFrameKey, &TDataSkinButton::RadioFrame, 0},
    {kCheckFrameKey, &TDataSkinButton::CheckFrame, 0},
};

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

std::string BitmapEntryName(const std::string& value) {
  const std::string fileName = FileNamePart(value);
  return !fileName.empty() && HasBmpExtension(fileName) ? fileName : std::string();
}

std::vector<SkinKey> RuleKeys(const ElementRule& rule) {
  std::vector<SkinKey> keys{{rule.imageKey, KeyKind::Image}};
  for (const RuleInteger& k : kRuleIntegers)
    if (Needs(rule, k.need)) keys.push_back({k.key, k.kind});
  if (rule.readsStateColours)
    for (const RuleColourText& k : kSecondColours) keys.push_back({k.key, KeyKind::ColourText});
  return keys;
}

std::vector<SkinKey> BoxLabelKeys() {
  std::vector<SkinKey> keys = RuleKeys(kFramelessElement);
  AppendIntegerKeys(keys, kBoxLabelIntegers);
  return keys;
}

std::vector<SkinKey> PersonalityKeys() {
  std::vector<SkinKey> keys;
  const TSkinElements e;
  for (const TDataSkinBorder* b : {&e.LeftBorder, &e.RightBorder, &e.TopBorder, &e.BottomBorder}) {
    keys.push_back({b->Name, KeyKind::Image});
    for (const char* suffix : {kBorderFirstEndSuffix, kBorderSecondEndSuffix, kBorderFrameSuffix,
                               kBorderStretchSuffix, kBorderTransSuffix})
      keys.push_back({b->Name + suffix, KeyKind::Integer});
  }
  keys.push_back({kTitlePlateKey, KeyKind::Image});
  AppendIntegerKeys(keys, kTitleIntegers);
  for (const RgbKey& k : kTitleColours)
    for (const std::string& name : RgbKeyNames(k.key)) keys.push_back({name, KeyKind::Integer});
  keys.push_back({kMenuBarKey, KeyKind::Image});
  for (const char* key : {kTileLeftMenuKey, kTileRightMenuKey, kTileMenuKey})
    keys.push_back({key, KeyKind::Integer});
  return keys;
}

std::vector<SkinKey> FontsKeys() {
  std::vector<SkinKey> keys;
  AppendIntegerKeys(keys, kFontIntegers);
  return keys;
}

std::vector<SkinKey> ButtonsKeys() {
  std::vector<SkinKey> keys;
  for (const ButtonImage& k : kButtonImages) keys.push_back({k.key, KeyKind::Image});
  for (const SkinKey& k : RuleKeys(kButtonsElement))
    if (k.kind != KeyKind::Image) keys.push_back(k);
  AppendIntegerKeys(keys, kButtonIntegers);
  return keys;
}

ElementReader::ElementReader(const TQuickIni& ini, const SkinEntries& entries,
                             const TSkinColours& colours)
    : ini_(ini), entries_(entries), colours_(colours) {}

void ElementReader::LoadEntryBitmap(Bitmap& bitmap, const std::string& value) {
  const std::string fileName = BitmapEntryName(value);
  scratch_.clear();
  if (!fileName.empty()) entries_.ExtractEntry(fileName, scratch_);
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
  for (const RuleInteger& k : kRuleIntegers)
    if (Needs(rule, k.need)) record.*k.field = ini_.ReadInteger(section, k.key, k.fallback);
  record.Tile = ClampTile(record.Tile, rule.tileAboveOne);
  if (!rule.readsStateColours) return;
  for (const RuleColourText& k : kSecondColours) record.*k.field = ReadSecondColour(section, k.key);
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
  ReadIntegers(ini_, section, kBoxLabelIntegers, *record);
}

void ElementReader::ReadProgressElement(std::unique_ptr<TDataSkinBorder>& slot,
                                        const std::string& section) {
  Create(slot, section, kProgressElement);
}

void ElementReader::ReadMenuBarElement(std::unique_ptr<TDataSkinObject>& slot) {
  const std::string section = kPersonalitySection;
  slot.reset();
  const std::string image = ini_.ReadString(section, kMenuBarKey, "");
  if (image.empty()) return;
  slot = std::make_unique<TDataSkinObject>(section);
  LoadEntryBitmap(slot->Bitmap, image);
  // For the menu bar the side "widths" are tile switches of its left and right parts.
  slot->LeftWidth = ini_.ReadInteger(section, kTileLeftMenuKey, 1);
  slot->RightWidth = ini_.ReadInteger(section, kTileRightMenuKey, 1);
  slot->TopHeight = slot->BottomHeight = 0;
  slot->Tile = ClampTile(ini_.ReadInteger(section, kTileMenuKey, 1), 1);
}

void ElementReader::ReadFrameBorders(TSkinElements& e) {
  struct Side {
    TDataSkinBorder& border;
    bool horizontal; // top and bottom: the "TopHeight"/"BotHeight" keys give end widths
  };
  const Side sides[] = {
      {e.LeftBorder, false}, {e.RightBorder, false}, {e.TopBorder, true}, {e.BottomBorder, true}};
  const std::string section = kPersonalitySection;
  for (const Side& side : sides) {
    TDataSkinBorder& b = side.border;
    const int first = ini_.ReadInteger(section, b.Name + kBorderFirstEndSuffix, 0);
    const int second = ini_.ReadInteger(section, b.Name + kBorderSecondEndSuffix, 0);
    b.SetMargins(side.horizontal ? Margins{first, 0, second, 0} : Margins{0, first, 0, second});
    b.Frame = ini_.ReadInteger(section, b.Name + kBorderFrameSuffix, 1);
    b.Tile = ClampTile(ini_.ReadInteger(section, b.Name + kBorderStretchSuffix, 1), 1);
    b.Trans = ini_.ReadInteger(section, b.Name + kBorderTransSuffix, 1);
    LoadEntryBitmap(b.Bitmap, ini_.ReadString(section, b.Name, ""));
  }
}

void ElementReader::ReadTitleText(TDataSkinTitle& t) {
  const std::string section = kPersonalitySection;
  LoadEntryBitmap(t.Bitmap, ini_.ReadString(section, kTitlePlateKey, ""));
  ReadIntegers(ini_, section, kTitleIntegers, t);
  t.BottomHeight = 0;
  ReadIntegers(ini_, kFontsSection, kFontIntegers, t);
  for (const RgbKey& k : kTitleColours) {
    t.*k.field = NoColour;
    ReadRGBKeys(ini_, section, k.key, t.*k.field);
  }
}

void ElementReader::ReadButtonsElement(TDataSkinButton& b) {
  const std::string section = kButtonsSection;
  for (const ButtonImage& k : kButtonImages) LoadEntryBitmap(b.*k.field, ini_.ReadString(section, k.key, ""));
  ReadRuleKeys(b, section, kButtonsElement);
  ReadIntegers(ini_, section, kButtonIntegers, b);
  b.HasNormalColour2 = HasValue(section, kSecondColours[0].key);
  b.HasMouseOverColour2 = HasValue(section, kSecondColours[1].key);
  b.HasPressedColour2 = HasValue(section, kSecondColours[2].key);
}

} // namespace vcu
