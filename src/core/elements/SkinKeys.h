#pragma once
// The names of the keys the element readers look up, as lists a tool can walk: each reader
// keeps its keys in a table it reads from and hands the same table out here, so a key the
// engine reads and a key the skin checker knows are one and the same entry.
#include <string>
#include <vector>

namespace vcu {

// What the reader makes of a key's value.
enum class KeyKind {
  Image,        // a ".bmp" entry name
  Integer,      // decimal or hexadecimal 32-bit integer
  ColourNumber, // an integer that is a colour value (0x00BBGGRR, -1 for none)
  ColourText,   // three decimal numbers R, G, B
  Text,         // taken as written
};

struct SkinKey {
  std::string name;
  KeyKind kind;
};

// Appends keys to list.
inline void AppendKeys(std::vector<SkinKey>& list, const std::vector<SkinKey>& keys) {
  list.insert(list.end(), keys.begin(), keys.end());
}

} // namespace vcu
