#pragma once
// Where a button's glyph and caption go, and which glyph cell and Buttons frame a bit button
// or a speed button shows. Sizes in pixels; halving truncates towards zero throughout.
#include <string>

#include "core/image/Bitmap.h"
#include "core/image/Rect.h"

namespace vcu {

// The side of the caption the glyph is on.
enum class GlyphSide { Left, Right, Top, Bottom };

// From a Layout name ("blGlyphTop", any case); anything unknown counts as left.
GlyphSide GlyphSideOf(const std::string& layoutName);
inline bool Horizontal(GlyphSide side) { return side == GlyphSide::Left || side == GlyphSide::Right; }

// How the caption is aligned in its box.
enum class CaptionAlign { Left, Right, Centre };

struct GlyphLayoutInput {
  int width = 0, height = 0;              // the button
  int glyphWidth = 0, glyphHeight = 0;    // one glyph cell; 0 x 0 without a glyph
  int textWidth = 0, textHeight = 0;      // the measured caption; 0 x 0 when empty
  int margin = -1;                        // -1: automatic
  int spacing = -1;                       // -1: automatic
  GlyphSide side = GlyphSide::Left;
  bool centredAlignment = false;          // the host's Alignment is taCenter
  bool speedButton = false;               // no centred-alignment rule, margin one larger
};

struct GlyphPlacement {
  int glyphX = 0, glyphY = 0;
  int textX = 0, textY = 0;
  CaptionAlign align = CaptionAlign::Left;
};

// Glyph and caption centred across the layout axis, placed along it by margin and spacing:
// automatic margin and spacing split the free length in three; a given spacing with an
// automatic margin centres the pair; a given margin with automatic spacing centres the
// caption in what is left after the glyph.
GlyphPlacement PlaceGlyphAndText(const GlyphLayoutInput& in);

// The box a caption is measured in: the button inset by 2, less the glyph and a gap of 2 on
// the layout axis.
Rect CaptionMeasureBox(int width, int height, int glyphWidth, int glyphHeight, GlyphSide side);

// The glyph number (from 1: up, disabled, pressed, down) a Buttons frame shows; a speed
// button that is down shows glyph 4 whatever the frame.
int GlyphNumberOfFrame(int frame, bool down = false);

// The cell (from 0) of numGlyphs equal cells that glyph number shows: its own when the bitmap
// has that many, else the first. numGlyphs below 1 counts as 1.
int GlyphCell(int glyphNumber, int numGlyphs);

// Draws cell `cell` (from 0) of cellWidth-wide cells of glyph with its top-left at (x, y) on
// target, clipped to both: pixels equal to the cell's bottom-left pixel are see-through. When
// grey, every pixel is drawn as its channels' integer average, and the see-through test is
// made on the greyed pixels. No cell, or a cell beyond the glyph, draws nothing.
void ComposeGlyphCell(Bitmap& target, int x, int y, const Bitmap& glyph, int cell, int cellWidth, bool grey);

// A speed button's Buttons frame: down shows pressed; enabled follows the pointer (pressed,
// hot, normal); otherwise disabled.
int SpeedButtonFrame(bool down, bool enabled, bool pressed, bool hot);
// A flat speed button draws its frame only when pressed or hot; others always.
bool SpeedButtonDrawsFrame(bool flat, int frame);

// A menu button's Buttons frame: pressed, then focused or hot, else normal; disabled wins.
int MenuButtonFrame(bool enabled, bool pressed, bool hot, bool focused);

// The drop-down arrow of a menu button width x height: a downward triangle, points in order
// bottom tip, top left, top right.
struct ArrowPoints {
  int x[3], y[3];
};
ArrowPoints MenuButtonArrow(int width, int height);
// The caption's top-left in a menu button (the arrow's 17 pixels kept free on the right).
void MenuButtonTextAt(int width, int height, int textWidth, int textHeight, int& x, int& y);

} // namespace vcu
