#include "skin/data/WindowClass.h"

namespace vcu {

std::string WindowClassName(HWND window) {
  constexpr int kClassNameLength = 100;
  char name[kClassNameLength + 1] = {};
  GetClassNameA(window, name, kClassNameLength + 1);
  return name;
}

} // namespace vcu
