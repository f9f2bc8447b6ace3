#include "app/OleText.h"

#include "app/OleCheck.h"

namespace vcu {

OleText::OleText(const std::string& ansi) {
  if (ansi.empty()) return;
  const int length = static_cast<int>(ansi.size());
  const int wide = MultiByteToWideChar(CP_ACP, 0, ansi.data(), length, nullptr, 0);
  text_ = SysAllocStringLen(nullptr, static_cast<UINT>(wide));
  if (!text_) OleCheck(E_OUTOFMEMORY);
  MultiByteToWideChar(CP_ACP, 0, ansi.data(), length, text_, wide);
}

// Characters the code page lacks become its default character, as the window would show them.
std::string OleText::ToAnsi() const {
  const int length = static_cast<int>(SysStringLen(text_));
  if (length == 0) return {};
  const int size = WideCharToMultiByte(CP_ACP, 0, text_, length, nullptr, 0, nullptr, nullptr);
  std::string ansi(static_cast<size_t>(size), '\0');
  WideCharToMultiByte(CP_ACP, 0, text_, length, ansi.data(), size, nullptr, nullptr);
  return ansi;
}

} // namespace vcu
