#include "skin/controls/SkinSizer.h"

namespace vcu {

const TClassInfo& TSkinSizer::ClassInfo() {
  static const TClassInfo info("TSkinSizer", &TSkinControl::ClassInfo(), {});
  return info;
}

void TSkinSizer::DrawControl(HDC dc, const RECT& rect) { FillFace(dc, rect); }

} // namespace vcu
