#include <algorithm>

#include "core/elements/DerivedElements.h"
#include "core/elements/SkinElementsLoader.h"
#include "core/storage/QuickIni.h"

namespace vcu {
namespace {

// Check and radio strips: frames are 13 pixels wide in images under 16 pixels high, else 16;
// at least 4 frames.
int GuessBoxFrames(const Bitmap& image) {
  const int frameWidth = image.Height() < 16 ? 13 : 16;
  return std::max(image.Width() / frameWidth, 4);
}

} // namespace

void FixFrameCounts(const TQuickIni& ini, TSkinElements& e) {
  e.Buttons.Frame = 5;
  if (e.Buttons.RadioFrame == 0) e.Buttons.RadioFrame = GuessBoxFrames(e.Buttons.RadioBitmap);
  if (e.Buttons.CheckFrame == 0) e.Buttons.CheckFrame = GuessBoxFrames(e.Buttons.CheckBitmap);
  e.TitleText.Frame = 2;
  if (e.Progress) e.Progress->Frame = e.Progress->Style != 0 ? 1 : 2;
  if (e.Headerbar && e.Headerbar->Frame == 0) e.Headerbar->Frame = 5;
  if (e.MenuBar) e.MenuBar->Frame = 2;
  if (e.ToolbarGradient) e.ToolbarGradient->Frame = 1;
  for (const ElementSection& s : ElementSections()) {
    TDataSkinObject* record = s.Record(e);
    if (!record) continue;
    if (s.fixedFrames > 0) record->Frame = s.fixedFrames;
    else if (s.frameCountKey) record->Frame = ini.ReadInteger(s.name, s.frameCountKey, 3);
  }
}

} // namespace vcu
