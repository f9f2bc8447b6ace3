// Arbitrary bytes as a stored layout: the parser either gives a tree or raises ELayoutError
// with a line inside the text; nothing else may happen.
#include "core/layout/LayoutParser.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

int CountObjects(const vcu::TLayoutObject& obj, int depth) {
  if (depth > vcu::kMaxLayoutDepth || obj.name.empty() || obj.className.empty()) std::abort();
  int n = 1;
  for (const vcu::TLayoutObject& child : obj.children) n += CountObjects(child, depth + 1);
  return n;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  const int lines = 1 + static_cast<int>(std::count(text.begin(), text.end(), '\n'));
  try {
    CountObjects(vcu::ParseLayout(text), 1);
  } catch (const vcu::ELayoutError& error) {
    if (error.Line() < 1 || error.Line() > lines) std::abort();
  }
  return 0;
}
