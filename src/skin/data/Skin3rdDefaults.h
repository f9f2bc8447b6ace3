#pragma once
// The class-to-kind rows a new skin data component starts with: controls of other libraries
// mapped to the skin kind that paints them. The first row whose class name matches wins, so
// the order counts; three rows stand twice and are kept twice.
#include <string>
#include <vector>

namespace vcu {

const std::vector<std::string>& DefaultSkin3rd();

} // namespace vcu
