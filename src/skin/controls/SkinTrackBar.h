#pragma once
// TSkinTrackBar: skins a track bar through the custom-draw notifications it sends its parent
// (seen here as WM_NOTIFY, or reflected back by the framework). The native control keeps its
// tick marks; the skin draws the channel from the Track/TRACKVERT images and the thumb from
// the trackbar thumb strips.
#include <windows.h>

#include <commctrl.h>

#include "skin/controls/FrameCache.h"
#include "skin/controls/PaintBuffer.h"
#include "skin/controls/SkinControl.h"

namespace vcu {

class TSkinTrackBar : public TSkinControl {
public:
  explicit TSkinTrackBar(TComponent* owner);
  static const TClassInfo& ClassInfo();
  const TClassInfo& ClassType() const override { return ClassInfo(); }

  // The native control redraws with the new skin when it gets the focus and loses it again.
  void SkinChanged() override;

protected:
  bool BeforeMessage(TMessage& message) override;

private:
  LRESULT CustomDraw(const NMCUSTOMDRAW& draw);
  void DrawChannel(HDC dc);
  void DrawThumb(HDC dc);

  TPaintBuffer buffer_;
  TFrameCache frames_;
};

} // namespace vcu
