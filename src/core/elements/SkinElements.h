#pragma once
// The decoded skin elements: one record per INI section, holding the section's bitmap (all
// state frames side by side, or stacked where the painter says so), its four slice margins,
// its frame count, transparency and tiling switches and its state colours.
#include <cstdint>
#include <string>

#include "core/image/Bitmap.h"
#include "core/image/Colour.h"
#include "core/image/Rect.h"

namespace vcu {

class TDataSkinObject {
public:
  explicit TDataSkinObject(std::string name) : Name(std::move(name)) {}
  virtual ~TDataSkinObject() = default;
  TDataSkinObject(TDataSkinObject&&) = default;
  TDataSkinObject& operator=(TDataSkinObject&&) = default;

  // The four slices are one rectangle and are copied as one.
  vcu::Margins Margins() const { return {LeftWidth, TopHeight, RightWidth, BottomHeight}; }
  void SetMargins(const vcu::Margins& m) {
    LeftWidth = m.left;
    TopHeight = m.top;
    RightWidth = m.right;
    BottomHeight = m.bottom;
  }

  std::int32_t LeftWidth = 0;
  std::int32_t TopHeight = 0;
  std::int32_t RightWidth = 0;
  std::int32_t BottomHeight = 0;
  vcu::Bitmap Bitmap;
  // Non-zero: magenta pixels are not drawn.
  std::int32_t Trans = 0;
  // Non-zero: the centre is tiled rather than stretched.
  std::int32_t Tile = 0;
  std::string Name;
  std::int32_t Frame = 0;
  std::int32_t Style = 0;
  // Text colours per state; -1 = none.
  Colour NormalColour = 0, MouseOverColour = 0, PressedColour = 0;
  Colour NormalColour2 = 0, MouseOverColour2 = 0, PressedColour2 = 0;
};

class TDataSkinBorder : public TDataSkinObject {
public:
  using TDataSkinObject::TDataSkinObject;
  vcu::Bitmap Bitmap2;
};

class TDataSkinButton : public TDataSkinObject {
public:
  using TDataSkinObject::TDataSkinObject;
  vcu::Bitmap CheckBitmap;
  vcu::Bitmap RadioBitmap;
  std::int32_t RadioFrame = 0;
  std::int32_t CheckFrame = 0;
  bool HasNormalColour2 = false;
  bool HasMouseOverColour2 = false;
  bool HasPressedColour2 = false;
};

class TDataSkinTitle : public TDataSkinObject {
public:
  using TDataSkinObject::TDataSkinObject;
  std::int32_t TextAlignment = 0;
  std::int32_t TextBackground = 0;
  std::int32_t FontHeight = 0;
  std::int32_t TextBackLeft = 0;
  std::int32_t TextBackRight = 0;
  Colour ActiveTextColour = 0;
  Colour InactiveTextColour = 0;
};

// A caption button; Action says what a click does (0 close, 1 maximise, 2 minimise, 3 system
// menu, 4 help, 7/8/9 the MDI child's minimise/restore/close, ...).
class TDataSkinSysButton : public TDataSkinObject {
public:
  using TDataSkinObject::TDataSkinObject;
  std::int32_t Action = 0;
  std::int32_t Align = 0;
  std::int32_t Xcoord = 0;
  std::int32_t Ycoord = 0;
  std::int32_t CombineOp = 0;
  std::int32_t Visibility = 0;
  std::int32_t Visibility1 = 0;
};

class TDataSkinBoxLabel : public TDataSkinObject {
public:
  using TDataSkinObject::TDataSkinObject;
  std::int32_t BackgroundLeftShift = 0;
  std::int32_t BackgroundRightShift = 0;
  std::int32_t BackgroundAlignment = 0;
};

} // namespace vcu
