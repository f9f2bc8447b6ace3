#pragma once
// Colours of the skin: the parser of the INI's colour texts and the colour table that the
// painters read instead of the system's colours.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/elements/SkinKeys.h"
#include "core/image/Colour.h"

namespace vcu {

class TQuickIni;

// The value standing for the platform's system colour of that index (0xFF000000 + index).
constexpr Colour SystemColourValue(int index) {
  return static_cast<Colour>(0xFF000000u | static_cast<std::uint32_t>(index & 0xFF));
}
constexpr Colour RgbColour(int red, int green, int blue) {
  return static_cast<Colour>(MakeRgb(static_cast<unsigned>(red), static_cast<unsigned>(green),
                                     static_cast<unsigned>(blue)));
}
// "No colour" in the title text colours; element state colours use -1 instead.
constexpr Colour NoColour = 0x1FFFFFFF;

// Up to three runs of decimal digits, any separators: "255,128,0" and "255 128 0" give
// 0x000080FF. Empty text gives fallback.
Colour ParseColour(std::string_view text, Colour fallback);

// Keys key+"R", key+"G", key+"B": when all three are 0 or more, colour becomes their RGB;
// otherwise colour is left as it is.
void ReadRGBKeys(const TQuickIni& ini, const std::string& section, const std::string& key,
                 Colour& colour);
// The three key names ReadRGBKeys reads for key.
std::vector<std::string> RgbKeyNames(const std::string& key);

struct TSkinColours {
  Colour ColourWindowText = SystemColourValue(8);
  Colour ColourButtonFace = SystemColourValue(15);
  Colour ColourScrollbar = SystemColourValue(0);
  Colour ColourHilightText = SystemColourValue(14);
  Colour ColourHilight = SystemColourValue(13);
  Colour ColourMenubar = SystemColourValue(15);
  Colour ColourMenu = SystemColourValue(4);
  Colour ColourMenuText = SystemColourValue(7);
  Colour ColourButtonText = SystemColourValue(18);
  Colour ColourButtonHilight = SystemColourValue(20);
  Colour ColourButtonlight = SystemColourValue(20);
  Colour ColourButtonShadow = SystemColourValue(16);
  Colour ColourButtonDkShadow = SystemColourValue(21);
  Colour ColourMenuBarText = SystemColourValue(7);
  Colour ColourTitleTextActive = SystemColourValue(9);
  Colour ColourTitleTextNoActive = SystemColourValue(19);
  // Key "color" of each section named "COLOUR..." (but not "COLOURS"), in section order.
  std::vector<Colour> ColourList;
  // Section "Customcolors", keys "Color0" to "Color9".
  std::array<Colour, 10> CustomColours{};
  // Derived from the top border after all elements are read.
  Colour FrameColour = SystemColourValue(15);
};

// Fills the table from sections "Colours", "COLOUR..." and "Customcolors"; sections is the
// INI's section list in file order.
void ReadColours(const TQuickIni& ini, const std::vector<std::string>& sections,
                 TSkinColours& colours);

// The colour sections ReadColours reads, by upper-case name ("COLOURS", "CUSTOMCOLORS", or a
// "COLOUR..." list section), and the keys it looks up there; false for any other section.
bool ColourSectionKeys(const std::string& upperName, std::vector<SkinKey>& keys);

} // namespace vcu
