#pragma once
// What a skin folder must give when it is read, worked out from its INI text and its bitmap
// files by the reading rules alone: which section and key fill which field, the defaults and
// clamps, the frame counts fixed after reading, and what the combo composition changes.
// Written apart from the element readers so that it can be their oracle. Portable: the
// native and the Windows tests both use it.
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace vcu::test {

// An image an element must hold: the pixels of (a part of, or the mirror of) a skin bitmap,
// or, for an image composed after reading, only its size.
struct ExpectedImage {
  int width = 0, height = 0;
  // 0x00RRGGBB, rows from the top; empty when only the size is known.
  std::vector<std::uint32_t> pixels;

  bool Empty() const { return width <= 0 || height <= 0; }
};

struct ExpectedRecord {
  std::string name;
  // By field name ("LeftWidth", "Frame", "Action", "HasNormalColour2", ...); a field the rules
  // leave alone is not listed.
  std::map<std::string, std::int32_t> fields;
  // "Bitmap", "Bitmap2", "CheckBitmap", "RadioBitmap".
  std::map<std::string, ExpectedImage> images;
};

struct SkinDescription {
  std::string skinName;
  // Every element slot by its name ("TopBorder", "Progress", ...), with the record it must
  // hold, or nothing when it must be empty.
  std::vector<std::pair<std::string, std::optional<ExpectedRecord>>> slots;
  std::vector<ExpectedRecord> captionButtons; // the skin's, then the three MDI buttons
  int mdiButtonBase = 0;
  std::map<std::string, std::int32_t> colours; // colour-table field -> value
  std::vector<std::int32_t> colourList;
  std::vector<std::int32_t> customColours;
  std::int32_t frameColour = 0;

  const std::optional<ExpectedRecord>& Slot(const std::string& name) const;
};

// scrollArrowWidth: the system's horizontal scroll arrow width, which sizes the button part of
// the composed combo faces.
SkinDescription DescribeSkinFolder(const std::string& folder, int scrollArrowWidth);

} // namespace vcu::test
