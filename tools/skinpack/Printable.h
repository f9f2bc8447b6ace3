#pragma once
#include <string>

namespace vcu {
namespace skinpack {

// `text` with control characters written as escapes (\n, \r, \t, \xNN), so that a message
// naming a file or entry stays on one line whatever the name holds.
std::string Printable(const std::string& text);

} // namespace skinpack
} // namespace vcu
