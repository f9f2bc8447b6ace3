// Bit buttons, speed buttons and stand-alone scroll bars skinned and unskinned a thousand
// times: the GDI and USER object counts stay where they were.
#include <gtest/gtest.h>

#include "GlyphTesting.h"
#include "SkinnedForms.h"
#include "framework/Buttons.h"
#include "framework/ScrollBar.h"
#include "support/Pump.h"

namespace vcu::test {
namespace {

using GlyphButtonsOffAndOn = SkinnedFormTest;

TEST_F(GlyphButtonsOffAndOn, AThousandCyclesLeaveTheGuiObjectCountsWhereTheyWere) {
  auto* bit = new TBitBtn(&form_);
  bit->SetParent(&form_);
  bit->SetBounds(10, 10, 90, 28);
  bit->SetCaption("Accept");
  bit->Glyph()->Assign(GlyphStrip(2, 16));
  bit->SetNumGlyphs(2);
  for (int i = 0; i < 3; ++i) {
    auto* speed = new TSpeedButton(&form_);
    speed->SetParent(&form_);
    speed->SetBounds(10 + 26 * i, 50, 25, 25);
    speed->Glyph()->Assign(GlyphStrip(4, 16));
    speed->SetNumGlyphs(4);
    speed->SetGroupIndex(1);
    speed->SetFlat(i != 1);
    if (i == 0) speed->SetDown(true);
  }
  auto* bar = new TScrollBar(&form_);
  bar->SetParent(&form_);
  bar->SetBounds(10, 90, 200, GetSystemMetrics(SM_CYHSCROLL));
  bar->SetPageSize(10);
  bar->SetPosition(30);
  Pump();
  SkinOn();
  ExpectFlatOverOffOnCycles(
      data_, 1000,
      [this] {
        RedrawWindow(form_.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
        TWinSkinForm* skinner = RunningSkinner(form_.Handle());
        // The bit button and the bar each have a skinner, and so does every speed button.
        return skinner != nullptr && skinner->SkinnedControls().size() == 5;
      },
      "bit, speed and scroll-bar controls");
}

} // namespace
} // namespace vcu::test
