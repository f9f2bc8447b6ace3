#include "core/elements/Colours.h"

#include "core/elements/SectionNames.h"
#include "core/storage/QuickIni.h"

#include <cctype>

namespace vcu {

Colour ParseColour(std::string_view text, Colour fallback) {
  if (text.empty()) return fallback;
  int parts[3] = {0, 0, 0};
  int done = 0;
  bool inRun = false;
  unsigned run = 0; // only the low byte is ever used, so digits accumulate modulo 256
  for (char c : text) {
    if (std::isdigit(static_cast<unsigned char>(c))) {
      run = (run * 10 + static_cast<unsigned>(c - '0')) & 0xFF;
      inRun = true;
      continue;
    }
    if (inRun && done < 3) parts[done++] = static_cast<int>(run);
    inRun = false;
    run = 0;
  }
  // A run still open at the end counts only as the blue of a text that gave red and green.
  if (inRun && done == 2) parts[done++] = static_cast<int>(run);
  return RgbColour(parts[0], parts[1], parts[2]);
}

std::vector<std::string> RgbKeyNames(const std::string& key) {
  return {key + "R", key + "G", key + "B"};
}

void ReadRGBKeys(const TQuickIni& ini, const std::string& section, const std::string& key,
                 Colour& colour) {
  const std::vector<std::string> names = RgbKeyNames(key);
  const int r = ini.ReadInteger(section, names[0], -1);
  const int g = ini.ReadInteger(section, names[1], -1);
  const int b = ini.ReadInteger(section, names[2], -1);
  if (r >= 0 && g >= 0 && b >= 0) colour = RgbColour(r, g, b);
}

namespace {

struct ColourKey {
  const char* key;
  Colour TSkinColours::*field;
  int systemIndex; // the default; -1: the button face just read
};

// In reading order: "Menubar" defaults to the "ButtonFace" value read before it.
constexpr ColourKey kColourKeys[] = {
    {"WindowText", &TSkinColours::ColourWindowText, 8},
    {"ButtonFace", &TSkinColours::ColourButtonFace, 15},
    {"Scrollbar", &TSkinColours::ColourScrollbar, 0},
    {"HilightText", &TSkinColours::ColourHilightText, 14},
    {"Hilight", &TSkinColours::ColourHilight, 13},
    {"Menubar", &TSkinColours::ColourMenubar, -1},
    {"Menu", &TSkinColours::ColourMenu, 4},
    {"MenuText", &TSkinColours::ColourMenuText, 7},
    {"ButtonText", &TSkinColours::ColourButtonText, 18},
    {"ButtonHilight", &TSkinColours::ColourButtonHilight, 20},
    {"Buttonlight", &TSkinColours::ColourButtonlight, 20},
    {"ButtonShadow", &TSkinColours::ColourButtonShadow, 16},
    {"ButtonDkShadow", &TSkinColours::ColourButtonDkShadow, 21},
    {"MenuBarText", &TSkinColours::ColourMenuBarText, 7},
    {"TitleTextActive", &TSkinColours::ColourTitleTextActive, 9},
    {"TitleTextNoActive", &TSkinColours::ColourTitleTextNoActive, 19},
};

constexpr const char* kColoursSection = "Colours";
constexpr const char* kColourListKey = "color";
constexpr const char* kCustomSection = "Customcolors";
constexpr const char* kCustomKeyPrefix = "Color"; // then the entry's one digit

bool IsColourListSection(const std::string& name) {
  const std::string upper = AsciiUpper(name);
  return StartsWith(upper, "COLOUR") && upper != AsciiUpper(kColoursSection);
}

std::string CustomColourKey(std::size_t entry) { return kCustomKeyPrefix + std::to_string(entry); }

} // namespace

void ReadColours(const TQuickIni& ini, const std::vector<std::string>& sections,
                 TSkinColours& colours) {
  for (const ColourKey& k : kColourKeys) {
    const Colour fallback =
        k.systemIndex < 0 ? colours.ColourButtonFace : SystemColourValue(k.systemIndex);
    colours.*k.field = ParseColour(ini.ReadString(kColoursSection, k.key, ""), fallback);
  }
  colours.ColourList.clear();
  for (const std::string& section : sections)
    if (IsColourListSection(section))
      colours.ColourList.push_back(ParseColour(ini.ReadString(section, kColourListKey, ""), SystemColourValue(8)));
  for (std::size_t i = 0; i < colours.CustomColours.size(); ++i)
    colours.CustomColours[i] = ParseColour(ini.ReadString(kCustomSection, CustomColourKey(i), ""), 0xFFFFFF);
}

bool ColourSectionKeys(const std::string& upperName, std::vector<SkinKey>& keys) {
  keys.clear();
  if (upperName == AsciiUpper(kColoursSection)) {
    for (const ColourKey& k : kColourKeys) keys.push_back({k.key, KeyKind::ColourText});
  } else if (upperName == AsciiUpper(kCustomSection)) {
    for (std::size_t i = 0; i < TSkinColours{}.CustomColours.size(); ++i)
      keys.push_back({CustomColourKey(i), KeyKind::ColourText});
  } else if (IsColourListSection(upperName)) {
    keys.push_back({kColourListKey, KeyKind::ColourText});
  } else {
    return false;
  }
  return true;
}

} // namespace vcu
