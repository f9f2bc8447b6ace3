#include "core/elements/DerivedElements.h"

#include <algorithm>

#include "core/elements/BitmapPieces.h"
#include "core/image/Blit.h"
#include "core/image/Gradient.h"
#include "core/image/PixelOps.h"
#include "core/image/Slicing.h"
#include "core/platform/Platform.h"

namespace vcu {
namespace {

constexpr int kComboWidth = 50, kComboHeight = 21;
constexpr int kArrowSide = 17;
constexpr int kSmHorizontalScrollArrowWidth = 21; // SM_CXHSCROLL
const Pixel kMagenta = PixelFromRgb(kKeyColour);

// One state of the combo face: the sunk edge over the whole cell, the button (and its glyph,
// when the skin has extra images) in the right-hand button area, the edit area cut out. A part
// without an image leaves the cell as it was rather than painting an empty composition's black.
void DrawComboCell(Bitmap& cell, const TSkinElements& e, int n, int buttonWidth) {
  cell.Fill(kMagenta);
  const TDataSkinObject& edge = *e.SunkEdge;
  if (!edge.Bitmap.Empty())
    DrawPlaced(cell,
               SlicedFrameImage(cell.Bounds(), edge.Bitmap, edge.Margins(), n, edge.Frame,
                                edge.Tile != 0, false),
               edge.Trans != 0);
  const Rect button{kComboWidth - buttonWidth, 0, kComboWidth, kComboHeight};
  const TDataSkinBorder& combo = *e.ComboButton;
  if (!combo.Bitmap.Empty())
    DrawPlaced(cell,
               SlicedFrameImage(button, combo.Bitmap, combo.Margins(), n, combo.Frame,
                                combo.Tile != 0, false),
               true);
  if (e.ExtraImages && !e.ExtraImages->Bitmap.Empty())
    DrawPlaced(cell, CentredFrameImage(button, e.ExtraImages->Bitmap, n, e.ExtraImages->Frame),
               true);
  FillRect(cell, Rect{2, 2, 49 - buttonWidth, 18}, kMagenta);
}

} // namespace

void MirrorComboButton(TSkinElements& e) {
  if (!e.ComboButton || e.ComboButton->Bitmap.Empty()) return;
  Bitmap& mirrored = e.ComboButton->Bitmap2;
  mirrored = e.ComboButton->Bitmap;
  mirrored.SetFormat(PixelFormat::Bits24);
  MirrorBitmap(mirrored);
}

void BuildComboElements(TSkinElements& e) {
  if (!e.SunkEdge || !e.ComboButton) return;
  // Large scroll bars are an accessibility setting: an arrow as wide as the cell or wider
  // leaves no edit area (the fill below then clips to nothing). Held to a bitmap's side so the
  // sums below stay in range.
  const int w =
      std::clamp(Platform().SystemMetric(kSmHorizontalScrollArrowWidth), 0, kMaxBitmapSide - 2) + 2;
  const int states = std::max(e.SunkEdge->Frame, 1);
  Bitmap strip(kComboWidth * states, kComboHeight, PixelFormat::Bits24);
  strip.Fill(kMagenta);
  Bitmap cell(kComboWidth, kComboHeight, PixelFormat::Bits24);
  for (int n = 1; n <= states; ++n) {
    DrawComboCell(cell, e, n, w);
    CopyPixels(strip, kComboWidth * (n - 1), 0, cell, cell.Bounds());
  }
  TDataSkinBorder& combo = *e.ComboButton;
  combo.Style = 2;
  combo.SetMargins(e.SunkEdge->Margins());
  combo.LeftWidth = 2;
  combo.RightWidth = w + 2;
  combo.Bitmap = strip;
  // The same faces right to left, for controls laid out from the right.
  MirrorBitmap(strip);
  e.SunkEdge->Bitmap = std::move(strip);
  e.SunkEdge->LeftWidth = w + 2;
  e.SunkEdge->RightWidth = 2;
}

void BuildComboArrow(TSkinElements& e) {
  if (!e.ComboArrow) e.ComboArrow = std::make_unique<TDataSkinObject>("ComboxArrow");
  TDataSkinObject& arrow = *e.ComboArrow;
  if (e.ComboButton && !e.SunkEdge) {
    arrow.Bitmap = e.ComboButton->Bitmap;
    ReplaceKeyColour(arrow.Bitmap, e.ColourButtonFace);
    arrow.Frame = e.ComboButton->Frame;
  } else if (e.ComboButton && e.SunkEdge) {
    // The arrow square sits 2 pixels inside the right end of each composed face.
    const int states = std::max(e.SunkEdge->Frame, 1);
    const Bitmap& faces = e.ComboButton->Bitmap;
    const int faceWidth = faces.Width() / states;
    Bitmap arrows(kArrowSide * states, kArrowSide, PixelFormat::Bits24);
    for (int i = 0; i < states; ++i) {
      const int right = faceWidth * (i + 1) - 2;
      CopyPixels(arrows, kArrowSide * i, 0, faces, Rect{right - kArrowSide, 2, right, 19});
    }
    arrow.Bitmap = std::move(arrows);
    arrow.Frame = states;
  } else {
    // A skin without a combo button leaves no arrow from an earlier skin behind.
    arrow.Bitmap.Clear();
  }
}

Colour ComputeFrameColour(const TSkinElements& e) {
  const Bitmap& top = e.TopBorder.Bitmap;
  if (top.Empty()) return e.ColourButtonFace;
  const int frames = std::max(e.TopBorder.Frame, 1);
  return static_cast<Colour>(RgbFromPixel(top.At(top.Width() / 3, top.Height() / frames / 3)));
}

void BuildToolbarGradient(TSkinElements& e) {
  const Colour base = ComputeFrameColour(e);
  Rgb bottom = MixColours(0x808080, base, 150);
  const Rgb top = MixColours(e.ColourButtonFace, 0xFFFFFF, 150);
  const int saturation = ColourSaturation(base);
  if (saturation > 110) bottom = MixColours(base, 0xFFFFFF, (225 - saturation) * 25 / 140 + 50);
  if (!e.ToolbarGradient) e.ToolbarGradient = std::make_unique<TDataSkinObject>("Toolbar");
  Bitmap ramp(10, 40, PixelFormat::Bits24);
  FillGradientRect(ramp, ramp.Bounds(), static_cast<Colour>(top), true,
                   static_cast<Colour>(bottom));
  e.ToolbarGradient->Bitmap = std::move(ramp);
  e.ToolbarGradient->Frame = 1;
}

} // namespace vcu
