#pragma once
// The program's INI parser loaded from a test's text.
#include <cstdint>
#include <string>

#include "core/storage/QuickIni.h"

namespace vcu::test {

inline TQuickIni MakeIni(const std::string& text) {
  TQuickIni ini;
  ini.LoadFromStream(reinterpret_cast<const std::uint8_t*>(text.data()), text.size());
  return ini;
}

} // namespace vcu::test
