#include "Sheet.h"

#include <algorithm>
#include <cstdio>

#include "TinyFont.h"
#include "core/image/Blit.h"
#include "core/image/PixelOps.h"
#include "core/image/Slicing.h"

namespace vcu::skinview {
namespace {

constexpr int kMinSheetWidth = 960;
constexpr int kPad = 8, kGap = 4, kGroupGap = 14;
// How much a frame grows for the "wider" and "taller" slicings.
constexpr int kGrowX = 24, kGrowY = 16;
const Pixel kBackground = MakePixel(250, 250, 250);
const Pixel kInk = MakePixel(30, 30, 40);
const Pixel kSubtle = MakePixel(110, 115, 130);
const Pixel kRule = MakePixel(210, 212, 218);
const Pixel kErrorInk = MakePixel(190, 30, 30);
// Finding lines widen the sheet up to this, and are cut beyond it.
constexpr int kMaxSheetWidth = 2400;

struct Placement {
  Rect rect;
  int frame;
};

// One frame drawn at the three sizes, left to right, with its number under them.
struct FrameGroup {
  Rect sizes[3];
  int width = 0, height = 0;
};

FrameGroup MeasureGroup(int fw, int fh) {
  FrameGroup g;
  const Rect natural = RectOfSize(0, 0, fw, fh);
  const Rect wider = RectOfSize(natural.right + kGap, 0, fw * 2 + kGrowX, fh);
  const Rect taller = RectOfSize(wider.right + kGap, 0, fw, fh * 2 + kGrowY);
  g.sizes[0] = natural;
  g.sizes[1] = wider;
  g.sizes[2] = taller;
  g.width = std::max(taller.right, LabelWidth("#00"));
  g.height = taller.bottom + kLineHeight;
  return g;
}

void FillChecker(Bitmap& target, const Rect& r) {
  for (int y = r.top; y < r.bottom; ++y)
    for (int x = r.left; x < r.right; ++x)
      if (x >= 0 && y >= 0 && x < target.Width() && y < target.Height())
        target.Set(x, y, ((x - r.left) / 4 + (y - r.top) / 4) % 2 ? MakePixel(204, 204, 204)
                                                                    : MakePixel(255, 255, 255));
}

Rect Offset(const Rect& r, int dx, int dy) { return {r.left + dx, r.top + dy, r.right + dx, r.bottom + dy}; }

// The frames of one image, flowing left to right and wrapping at the sheet width.
class Block {
public:
  Block(const ViewedImage& v, int width) : v_(v) {
    const Rect first = FrameRect(*v.image, 1, v.frames, v.stacked);
    group_ = MeasureGroup(std::max(first.Width(), 1), std::max(first.Height(), 1));
    int x = kPad, y = 2 * kLineHeight;
    for (int n = 1; n <= (v.image->Empty() ? 0 : v.frames); ++n) {
      if (x > kPad && x + group_.width > width - kPad) {
        x = kPad;
        y += group_.height + kGap;
      }
      places_.push_back({RectOfSize(x, y, group_.width, group_.height), n});
      x += group_.width + kGroupGap;
    }
    height_ = (places_.empty() ? y : places_.back().rect.bottom) + kPad;
    width_ = places_.empty() ? 0 : group_.width + 2 * kPad;
  }
  int Height() const { return height_; }

  PlacedImage Compose(const Rect& at, int frame) const {
    switch (v_.drawing) {
    case Drawing::ThreePartRow:
      return ThreePartRowImage(at, *v_.image, v_.margins, frame, v_.frames, v_.stacked);
    case Drawing::Stretched:
      return StretchedFrameImage(at, *v_.image, frame, v_.frames);
    case Drawing::Centred:
      return CentredFrameImage(at, *v_.image, frame, v_.frames);
    case Drawing::Sliced:
      break;
    }
    return SlicedFrameImage(at, *v_.image, v_.margins, frame, v_.frames, v_.tile, v_.stacked);
  }
  int MinWidth() const { return width_; }

  void Draw(Bitmap& sheet, int top) const {
    DrawLabel(sheet, kPad, top, v_.name, kInk);
    DrawLabel(sheet, kPad + LabelWidth(v_.name) + 12, top, v_.details, kSubtle);
    for (const Placement& p : places_) {
      for (const Rect& size : group_.sizes) {
        const Rect at = Offset(size, p.rect.left, p.rect.top + top);
        FillChecker(sheet, at);
        DrawPlaced(sheet, Compose(at, p.frame), v_.transparent);
      }
      DrawLabel(sheet, p.rect.left, p.rect.top + top + group_.height - kLineHeight + 2,
                "#" + std::to_string(p.frame), kSubtle);
    }
    FillRect(sheet, Rect{0, top + height_ - 1, sheet.Width(), top + height_}, kRule);
  }

private:
  const ViewedImage& v_;
  FrameGroup group_;
  std::vector<Placement> places_;
  int width_ = 0, height_ = 0;
};

std::string Hex(Colour c) {
  char text[16];
  std::snprintf(text, sizeof text, "%08X", static_cast<unsigned>(c));
  return text;
}

// The colour table: a swatch and the stored value of each entry.
struct Swatch {
  std::string name;
  Colour value;
};

std::vector<Swatch> ColourSwatches(const TSkinColours& c) {
  std::vector<Swatch> s = {
      {"WindowText", c.ColourWindowText}, {"ButtonFace", c.ColourButtonFace},
      {"Scrollbar", c.ColourScrollbar}, {"HilightText", c.ColourHilightText},
      {"Hilight", c.ColourHilight}, {"Menubar", c.ColourMenubar}, {"Menu", c.ColourMenu},
      {"MenuText", c.ColourMenuText}, {"ButtonText", c.ColourButtonText},
      {"ButtonHilight", c.ColourButtonHilight}, {"Buttonlight", c.ColourButtonlight},
      {"ButtonShadow", c.ColourButtonShadow}, {"ButtonDkShadow", c.ColourButtonDkShadow},
      {"MenuBarText", c.ColourMenuBarText}, {"TitleTextActive", c.ColourTitleTextActive},
      {"TitleTextNoActive", c.ColourTitleTextNoActive}, {"FrameColour", c.FrameColour}};
  for (size_t i = 0; i < c.ColourList.size(); ++i) s.push_back({"ColourList" + std::to_string(i), c.ColourList[i]});
  for (size_t i = 0; i < c.CustomColours.size(); ++i) s.push_back({"Custom" + std::to_string(i), c.CustomColours[i]});
  return s;
}

constexpr int kSwatchColumnWidth = 236, kSwatchRowHeight = 20;

int DrawSwatches(Bitmap* sheet, int top, int width, const TSkinColours& colours) {
  const std::vector<Swatch> swatches = ColourSwatches(colours);
  const int columns = std::max(1, (width - 2 * kPad) / kSwatchColumnWidth);
  const int rows = (static_cast<int>(swatches.size()) + columns - 1) / columns;
  if (sheet) {
    DrawLabel(*sheet, kPad, top, "COLOURS", kInk);
    for (size_t i = 0; i < swatches.size(); ++i) {
      const int x = kPad + static_cast<int>(i) % columns * kSwatchColumnWidth;
      const int y = top + 2 * kLineHeight + static_cast<int>(i) / columns * kSwatchRowHeight;
      FillRect(*sheet, RectOfSize(x, y, 16, 16), kInk);
      FillRect(*sheet, RectOfSize(x + 1, y + 1, 14, 14), PixelFromRgb(ResolveColour(swatches[i].value)));
      DrawLabel(*sheet, x + 22, y + 5, swatches[i].name + " " + Hex(swatches[i].value), kInk);
    }
  }
  return 2 * kLineHeight + rows * kSwatchRowHeight + kPad;
}

// The check's block: the summary, then errors (red) and warnings; its height.
int DrawCheck(Bitmap* sheet, int top, const CheckLines& check) {
  if (sheet) {
    DrawLabel(*sheet, kPad, top, "CHECK: " + check.summary, kInk);
    int y = top + kLineHeight;
    for (const std::string& line : check.errors) DrawLabel(*sheet, kPad, y += kLineHeight, line, kErrorInk);
    for (const std::string& line : check.warnings) DrawLabel(*sheet, kPad, y += kLineHeight, line, kSubtle);
  }
  return static_cast<int>(2 + check.errors.size() + check.warnings.size()) * kLineHeight + kPad;
}

} // namespace

Bitmap RenderSheet(const std::string& title, const std::vector<ViewedImage>& images,
                   const std::vector<std::string>& missing, const TSkinColours& colours,
                   const CheckLines& check) {
  int width = kMinSheetWidth;
  for (const ViewedImage& v : images) width = std::max(width, Block(v, kMinSheetWidth).MinWidth());
  for (const auto* lines : {&check.errors, &check.warnings})
    for (const std::string& line : *lines) width = std::clamp(LabelWidth(line) + 2 * kPad, width, kMaxSheetWidth);
  std::vector<Block> blocks;
  blocks.reserve(images.size());
  const int header = 3 * kLineHeight + (missing.empty() ? 0 : kLineHeight);
  int height = header + DrawCheck(nullptr, 0, check) + DrawSwatches(nullptr, 0, width, colours);
  for (const ViewedImage& v : images) {
    blocks.emplace_back(v, width);
    height += blocks.back().Height();
  }
  Bitmap sheet(width, height, PixelFormat::Bits24);
  sheet.Fill(kBackground);
  DrawLabel(sheet, kPad, kPad, title, kInk, 2);
  if (!missing.empty()) {
    std::string text = "EMPTY SLOTS:";
    for (const std::string& m : missing) text += " " + m;
    DrawLabel(sheet, kPad, kPad + 2 * kLineHeight + 2, text, kSubtle);
  }
  int top = header;
  top += DrawCheck(&sheet, top, check);
  top += DrawSwatches(&sheet, top, width, colours);
  for (const Block& b : blocks) {
    b.Draw(sheet, top);
    top += b.Height();
  }
  return sheet;
}

Bitmap Zoom(const Bitmap& sheet, int zoom) {
  if (zoom <= 1) return sheet;
  Bitmap big(sheet.Width() * zoom, sheet.Height() * zoom, PixelFormat::Bits24);
  StretchCopy(big, big.Bounds(), sheet, sheet.Bounds());
  return big;
}

} // namespace vcu::skinview
