#pragma once
// Status-bar rules that need no window: the frame a panel's bevel shows, the alignment of its
// text, where a panel's frame and text go, and where the size grip sits.
#include "core/image/Rect.h"

namespace vcu {

// The platform's text alignment flags, as the painter passes them on.
constexpr unsigned kTextLeft = 0, kTextCentre = 1, kTextRight = 2;

enum class PanelBevel { None = 0, Lowered = 1, Raised = 2 };
enum class PanelAlignment { Left = 0, Right = 1, Centre = 2 };

// Frame of the three StatusBarEdges frames, from 1: lowered 1, raised 2, none 3.
int PanelFrameIndex(PanelBevel bevel);
// The panel's text flag; a right-to-left panel swaps left and right (centre stays).
unsigned PanelTextFlag(PanelAlignment alignment, bool rightToLeft);
// The simple text's flag: right for a right-to-left bar, else left.
unsigned SimpleTextFlag(bool barRightToLeft);

// The frame rectangle of a panel from the native panel rectangle: 2 pixels wider on the
// right; the last panel reaches the bar's right edge.
Rect PanelFrameRect(const Rect& native, bool last, int barRight);
// The text area of a frame: 2 pixels in from the left and the right.
Rect PanelTextArea(const Rect& frame);
// Where measured text of the given size goes in the text area: moved down by
// (area height - text height) div 2 - 1; centred across for kTextCentre, else the area's
// left and right edges.
Rect PlacePanelText(const Rect& area, int textWidth, int textHeight, unsigned flag);

// The size grip (one frame of the strip at natural size), its bottom-right corner at
// (bar.right - 1, bar.bottom - 1); empty when the strip cannot give a frame.
Rect SizeGripRect(const Rect& bar, int stripWidth, int stripHeight, int frameCount);

} // namespace vcu
