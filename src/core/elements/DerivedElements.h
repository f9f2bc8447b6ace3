#pragma once
// What is computed after every element is read: the frame counts the painters rely on, the
// combo box faces, the combo arrow, the tool-bar gradient and the frame colour.
#include "core/elements/ElementSlots.h"

namespace vcu {

class TQuickIni;

// Fixed frame counts per slot (the skin's own "Frame" is kept only where a painter takes it
// from the skin); the check and radio images' counts guessed from their widths.
void FixFrameCounts(const TQuickIni& ini, TSkinElements& e);

// The combo button's second image: its image in 24 bits, mirrored left to right.
void MirrorComboButton(TSkinElements& e);

// With both "SunkEdge" and "ComboButton": composes a complete 50 x 21 combo face per state
// into ComboButton (left-to-right) and SunkEdge (mirrored, right-to-left).
void BuildComboElements(TSkinElements& e);

// The drop-down arrow: the combo button with its magenta in the button face colour, or the
// arrow squares cut out of the composed combo faces.
void BuildComboArrow(TSkinElements& e);

// A 10 x 40 vertical ramp from a light face colour to a shade of the frame colour.
void BuildToolbarGradient(TSkinElements& e);

// A pixel a third into the top border's first frame, or the button face colour.
Colour ComputeFrameColour(const TSkinElements& e);

} // namespace vcu
