#include <algorithm>
#include <initializer_list>
#include <utility>

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
  const std::initializer_list<std::pair<TDataSkinObject*, int>> fixed = {
      {e.MenuBar.get(), 2},           {e.GroupBoxEdge.get(), 2},      {e.ToolbarGradient.get(), 1},
      {e.ToolBars.get(), 5},          {e.Tabs.get(), 5},              {e.TabPane.get(), 1},
      {e.StatusBarEdges.get(), 3},    {e.GroupBox.get(), 1},          {e.ComboButton.get(), 4},
      {e.SunkEdge.get(), 4},          {e.ExtraImages.get(), 5},       {e.MenuItem.get(), 5},
      {e.MenuBackground.get(), 1},    {e.Scrollbar.get(), 23},        {e.HorzScroll.get(), 4},
      {e.VertScroll.get(), 4},        {e.UpDownVert.get(), 8},        {e.UpDownHorz.get(), 8},
      {e.TrackbarThumbHorz.get(), 5}, {e.TrackbarThumbVert.get(), 5}, {e.TrackbarThumbLeft.get(), 5},
      {e.TrackbarThumbRight.get(), 5}, {e.TrackbarThumbUp.get(), 5},  {e.TrackbarThumbDown.get(), 5},
  };
  for (const auto& [record, frames] : fixed)
    if (record) record->Frame = frames;
  for (const ElementSection& s : ElementSections())
    if (s.frameCountKey && s.plain && e.*s.plain)
      (e.*s.plain)->Frame = ini.ReadInteger(s.name, s.frameCountKey, 3);
}

} // namespace vcu
