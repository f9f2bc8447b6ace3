#pragma once
// Colour values as the skin stores them, and the colour arithmetic of the painters.
#include <cstdint>

#include "core/platform/Platform.h"

namespace vcu {

// 0x00BBGGRR for a plain colour (red in the low byte); a negative value (0xFF000000 plus an
// index) stands for the platform's system colour of that index.
using Colour = std::int32_t;

// The transparency key: magenta.
constexpr Colour kKeyColour = 0xFF00FF;

constexpr unsigned RedOf(Rgb c) { return c & 0xFF; }
constexpr unsigned GreenOf(Rgb c) { return (c >> 8) & 0xFF; }
constexpr unsigned BlueOf(Rgb c) { return (c >> 16) & 0xFF; }
constexpr Rgb MakeRgb(unsigned red, unsigned green, unsigned blue) {
  return (red & 0xFF) | (green & 0xFF) << 8 | (blue & 0xFF) << 16;
}

// A plain colour for c: a negative c is the platform's system colour of its low byte (the
// index); otherwise its low three bytes, whatever the top byte holds. The one rule for colour
// values in the program: the framework's ColorToRGB answers the same.
Rgb ResolveColour(Colour c);

// Weighted mix; amount is the weight of the first colour, in percent below 100 and in tenths
// of a percent from 100 on (150 means 15 %).
Rgb MixColours(Colour first, Colour second, int amount);

// 0..255: (max - min) / max of the three channels, scaled and rounded half to even; 200 for a
// dark colour (every channel below 160).
int ColourSaturation(Colour c);

} // namespace vcu
