#pragma once
// Stored layouts written by the tests: a form holding skin data components, their stored skin
// written as the layout's hexadecimal binary value.
#include <cstdint>
#include <string>
#include <vector>

namespace vcu::test {

inline std::string LayoutHex(const std::vector<std::uint8_t>& bytes) {
  static const char digits[] = "0123456789ABCDEF";
  std::string hex;
  for (std::uint8_t b : bytes) {
    hex += digits[b >> 4];
    hex += digits[b & 15];
  }
  return hex;
}

// One component of the layout: its name, its property lines ("Active = True"), and the stored
// skin (a SkinStream value) when not empty.
struct SkinDataText {
  std::string name;
  std::vector<std::string> properties;
  std::vector<std::uint8_t> stream;
};

// A 200 x 150 TForm named Form1 holding the components.
inline std::string FormLayout(const std::vector<SkinDataText>& components) {
  std::string text = "object Form1: TForm\n  ClientWidth = 200\n  ClientHeight = 150\n";
  for (const SkinDataText& c : components) {
    text += "  object " + c.name + ": TSkinData\n";
    for (const std::string& p : c.properties) text += "    " + p + "\n";
    if (!c.stream.empty()) text += "    SkinStream = {" + LayoutHex(c.stream) + "}\n";
    text += "  end\n";
  }
  return text + "end\n";
}

} // namespace vcu::test
