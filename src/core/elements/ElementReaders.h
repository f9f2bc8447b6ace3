#pragma once
// The readers that turn one INI section into one element record. They differ only in small
// rules (image key, which keys they read, how a "Tile" above 1 is clamped), given as
// ElementRule values, and in the record class they make.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "core/Errors.h"
#include "core/elements/ElementSlots.h"
#include "core/elements/SkinKeys.h"

namespace vcu {

class SkinEntries;
class TQuickIni;
struct BmpDimensions;

// The most pixels the bitmaps of one skin may decode to together: 2^24, 64 MB as the program
// holds pixels (4 bytes each). Our default skin decodes to about 46,000 pixels; a skin drawn
// for a 4K screen with every element at full width stays below a million; a 6 MB archive of
// uncompressed 24-bit bitmaps (the largest skin collection seen) holds at most 2.1 million.
// The cap equals the limit of one bitmap, so any bitmap the decoder accepts can still be a
// skin's only large image, and it keeps a 32-bit program far from its address-space limit
// when a few bytes of run-length code declare thousands of megapixels.
constexpr std::int64_t kMaxSkinPixels = std::int64_t{1} << 24;

// The skin's bitmaps together would decode to more than kMaxSkinPixels; raised before the
// bitmap of the entry that crosses the cap is allocated.
class ESkinTooLarge : public Exception {
public:
  ESkinTooLarge(const std::string& entry, int width, int height, std::int64_t total);
  const std::string& Entry() const { return entry_; }

private:
  std::string entry_;
};

struct ElementRule {
  const char* imageKey;
  bool readsStyle;
  bool readsFrame;
  bool readsStateColours;
  // What a "Tile" above 1 becomes.
  int tileAboveOne;
};

// "Image", every key, "Tile" above 1 becomes 0.
extern const ElementRule kPlainElement;
// As plain, without "Frame" (the border readers and the group box label).
extern const ElementRule kFramelessElement;
// "Bitmap", no "Frame" and no colours, "Tile" above 1 becomes 1.
extern const ElementRule kProgressElement;

// The sections the fixed readers read: "Personality" (window borders, caption text, menu
// bar), "Fonts" and "Buttons".
extern const char* const kPersonalitySection;
extern const char* const kFontsSection;
extern const char* const kButtonsSection;
// The window borders' keys in "Personality": the border's name ("Left", "Top", ...) followed
// by one of these; the name alone is the image. "TopHeight"/"BotHeight" give the ends' sizes.
extern const char* const kBorderFirstEndSuffix;
extern const char* const kBorderSecondEndSuffix;
extern const char* const kBorderFrameSuffix;
extern const char* const kBorderStretchSuffix;
extern const char* const kBorderTransSuffix;
// Keys that name what a tool reports on: an element's left and top margins and frame count;
// the caption plate and its left end; the menu bar; the images and frame counts of "Buttons".
extern const char kLeftWidthKey[];
extern const char kTopHeightKey[];
extern const char kFrameKey[];
extern const char kTitlePlateKey[];
extern const char kTitlePlateLeftKey[];
extern const char kMenuBarKey[];
extern const char kButtonsImageKey[];
extern const char kCheckImageKey[];
extern const char kRadioImageKey[];
extern const char kCheckFrameKey[];
extern const char kRadioFrameKey[];

// The keys each reader looks up, from the tables it reads by: an element section read by
// rule; the group box label; "Personality"; "Fonts"; "Buttons".
std::vector<SkinKey> RuleKeys(const ElementRule& rule);
std::vector<SkinKey> BoxLabelKeys();
std::vector<SkinKey> PersonalityKeys();
std::vector<SkinKey> FontsKeys();
std::vector<SkinKey> ButtonsKeys();

// The archive entry an INI image value names: its file-name part (after the last backslash
// or colon) when that ends in ".bmp", exactly; empty for a value that names no bitmap.
std::string BitmapEntryName(const std::string& value);

class ElementReader {
public:
  // colours supplies the "ButtonText" colour that second state colours default to; it is
  // read first and must outlive the reader, as must ini and entries.
  ElementReader(const TQuickIni& ini, const SkinEntries& entries, const TSkinColours& colours);

  const TQuickIni& Ini() const { return ini_; }

  // Loads the entry named by an INI value (its file-name part, with the exact extension
  // ".bmp") into bitmap, or clears bitmap when there is no such entry. An entry that is not a
  // bitmap raises EInvalidBitmap naming the entry; one that would take the skin's decoded
  // pixels past kMaxSkinPixels raises ESkinTooLarge before it is decoded.
  void LoadEntryBitmap(Bitmap& bitmap, const std::string& value);

  void ReadElement(std::unique_ptr<TDataSkinObject>& slot, const std::string& section);
  // A border record; its second image comes from secondKey when that key has a value.
  void ReadBorderElement(std::unique_ptr<TDataSkinBorder>& slot, const std::string& section,
                         const std::string& secondKey);
  void ReadBoxLabelElement(std::unique_ptr<TDataSkinBoxLabel>& slot, const std::string& section);
  void ReadProgressElement(std::unique_ptr<TDataSkinBorder>& slot, const std::string& section);
  // The menu bar's image and tile switches from section "Personality".
  void ReadMenuBarElement(std::unique_ptr<TDataSkinObject>& slot);
  // The four window borders from section "Personality".
  void ReadFrameBorders(TSkinElements& elements);
  void ReadTitleText(TDataSkinTitle& title);
  void ReadButtonsElement(TDataSkinButton& buttons);

private:
  // Empties the slot; when the section names an image under rule.imageKey, puts a new
  // record there with that image and the rule's keys read.
  template <class Record>
  Record* Create(std::unique_ptr<Record>& slot, const std::string& section,
                 const ElementRule& rule);
  void ReadRuleKeys(TDataSkinObject& record, const std::string& section, const ElementRule& rule);
  // A second state colour ("R G B" text); the button text colour when the key is empty.
  Colour ReadSecondColour(const std::string& section, const char* key) const;
  bool HasValue(const std::string& section, const char* key) const;
  void ChargePixels(const std::string& entry, const BmpDimensions& size);

  const TQuickIni& ini_;
  const SkinEntries& entries_;
  const TSkinColours& colours_;
  std::vector<std::uint8_t> scratch_; // reused by every entry read
  std::int64_t pixelsDecoded_ = 0;     // by this reader, that is this skin, so far
};

// The clamp of a "Tile" value: above 1 it becomes aboveOne.
inline std::int32_t ClampTile(std::int32_t tile, int aboveOne) {
  return tile > 1 ? aboveOne : tile;
}

} // namespace vcu
