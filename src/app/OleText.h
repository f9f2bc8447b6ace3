#pragma once
// A COM text (BSTR) owned for the length of one kit call, made from and read back into the
// window's 8-bit code page (the ANSI code page). An empty text is the null BSTR, as COM allows.
#include <windows.h>
#include <oleauto.h>

#include <string>

namespace vcu {

class OleText {
public:
  OleText() = default;
  explicit OleText(const std::string& ansi);
  ~OleText() { SysFreeString(text_); }
  OleText(const OleText&) = delete;
  OleText& operator=(const OleText&) = delete;

  BSTR Get() const { return text_; }
  BSTR* Address() { return &text_; } // for an in/out or out parameter: the callee may replace it
  std::string ToAnsi() const;

private:
  BSTR text_ = nullptr;
};

} // namespace vcu
