#include "core/image/Colour.h"

#include <algorithm>
#include <cmath>

namespace vcu {

Rgb ResolveColour(Colour c) {
  if (c < 0)
    return Platform().SystemColour(static_cast<int>(static_cast<std::uint32_t>(c) & 0xFF));
  return static_cast<Rgb>(c) & 0xFFFFFF; // bits 24-30 carry nothing for a plain colour
}

Rgb MixColours(Colour first, Colour second, int amount) {
  const Rgb c1 = ResolveColour(first), c2 = ResolveColour(second);
  const std::int64_t scale = amount < 100 ? 100 : 1000;
  // An amount above the scale gives the second colour a negative weight; the quotient then
  // truncates toward zero and only its low byte is kept.
  auto mix = [&](unsigned a, unsigned b) {
    const std::int64_t v = (std::int64_t{b} * (scale - amount) + std::int64_t{a} * amount +
                            scale / 2) / scale;
    return static_cast<unsigned>(v & 0xFF);
  };
  return MakeRgb(mix(RedOf(c1), RedOf(c2)), mix(GreenOf(c1), GreenOf(c2)),
                 mix(BlueOf(c1), BlueOf(c2)));
}

int ColourSaturation(Colour c) {
  const Rgb rgb = static_cast<Rgb>(c);
  const unsigned r = RedOf(rgb), g = GreenOf(rgb), b = BlueOf(rgb);
  if (r < 160 && g < 160 && b < 160)
    return 200;
  const unsigned hi = std::max({r, g, b}), lo = std::min({r, g, b});
  const double saturation = double(hi - lo) / double(hi); // hi >= 160 here
  return static_cast<int>(std::nearbyint(saturation * 255.0));
}

} // namespace vcu
