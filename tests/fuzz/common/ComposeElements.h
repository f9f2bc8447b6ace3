#pragma once
// Composes a loaded skin's elements the way the painters compose them (sliced, as a
// three-part row and centred, at sizes below, at and above the images', inside and across
// the edges of a canvas), so that hostile margins, frame counts and images reach the drawing.
#include "core/elements/ElementSlots.h"
#include "core/image/Slicing.h"

namespace vcu::fuzz {

inline void ComposeRecord(Bitmap& canvas, const TDataSkinObject* r) {
  if (!r) return;
  for (const Rect& at : {Rect{0, 0, 7, 5}, Rect{0, 0, 60, 24}, Rect{-9, 20, 50, 41}, Rect{70, 2, 90, 9}})
    for (int frame : {1, r->Frame}) {
      DrawPlaced(canvas, SlicedFrameImage(at, r->Bitmap, r->Margins(), frame, r->Frame, r->Tile != 0, false),
                 r->Trans != 0);
      DrawPlaced(canvas, ThreePartRowImage(at, r->Bitmap, r->Margins(), frame, r->Frame, false), true);
      DrawPlaced(canvas, CentredFrameImage(at, r->Bitmap, frame, r->Frame), false);
    }
}

inline void ComposeElements(const TSkinElements& e) {
  Bitmap canvas(64, 32);
  const TDataSkinObject* records[] = {
      &e.LeftBorder,        &e.TopBorder,      &e.Buttons,         &e.TitleText,
      e.TabPane.get(),      e.ComboButton.get(), e.SunkEdge.get(),  e.ComboArrow.get(),
      e.Scrollbar.get(),    e.Track.get(),     e.Headerbar.get(),  e.ToolBars.get(),
      e.MenuBar.get(),      e.Progress.get(),  e.HorzScrollThumb.get(), e.ToolbarGradient.get()};
  for (const TDataSkinObject* r : records) ComposeRecord(canvas, r);
  for (const TDataSkinSysButton& b : e.CaptionButtons) ComposeRecord(canvas, &b);
}

} // namespace vcu::fuzz
