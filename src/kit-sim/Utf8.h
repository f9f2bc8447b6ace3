#pragma once
// UTF-16 to UTF-8, for the stand-in kit's log file and error texts.
#include <windows.h>

#include <string>

namespace vcu::kitsim {

inline std::string Utf8(const std::wstring& text) {
  const int length = static_cast<int>(text.size());
  const int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), length, nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<size_t>(size), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), length, out.data(), size, nullptr, nullptr);
  return out;
}

} // namespace vcu::kitsim
