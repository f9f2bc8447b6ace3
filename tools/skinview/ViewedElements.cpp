#include "ViewedElements.h"

#include <algorithm>

namespace vcu::skinview {
namespace {

std::string MarginText(const Margins& m) {
  return "MARGINS " + std::to_string(m.left) + "," + std::to_string(m.top) + "," +
         std::to_string(m.right) + "," + std::to_string(m.bottom);
}

class Lister {
public:
  explicit Lister(std::vector<std::string>& missing) : missing_(missing) {}

  // The record's own image as its painter slices it.
  void Add(const std::string& name, const TDataSkinObject* r, bool stacked = false) {
    if (!r) {
      missing_.push_back(name);
      return;
    }
    AddImage(name, *r, r->Bitmap, r->Frame, r->Margins(), stacked);
  }
  // A further image of the record, drawn as given.
  void AddSecond(const std::string& name, const TDataSkinObject* r, const Bitmap& image, int frames,
                 Drawing drawing = Drawing::Sliced) {
    if (!r || image.Empty()) return;
    AddImage(name, *r, image, frames, Margins{}, false);
    images.back().drawing = drawing;
  }
  void AddImage(const std::string& name, const TDataSkinObject& r, const Bitmap& image,
                int frames, const Margins& margins, bool stacked) {
    // A skin may claim more frames than its image has pixels; show at most one per pixel.
    const int most = std::max(stacked ? image.Height() : image.Width(), 1);
    ViewedImage v{name, "", &image, margins, std::clamp(frames, 1, most), stacked, r.Trans != 0, r.Tile != 0};
    v.details = std::to_string(image.Width()) + "X" + std::to_string(image.Height()) + "  FRAMES " +
                std::to_string(frames) + "  " + MarginText(margins) + "  TRANS " +
                std::to_string(r.Trans) + "  TILE " + std::to_string(r.Tile) +
                (stacked ? "  STACKED" : "");
    if (image.Empty()) v.details += "  (NO IMAGE)";
    images.push_back(std::move(v));
  }

  std::vector<ViewedImage> images;

private:
  std::vector<std::string>& missing_;
};

std::string ButtonDetails(const TDataSkinSysButton& b) {
  return "  ACTION " + std::to_string(b.Action) + " ALIGN " + std::to_string(b.Align) + " AT " +
         std::to_string(b.Xcoord) + "," + std::to_string(b.Ycoord) + " VISIBILITY " +
         std::to_string(b.Visibility) + "/" + std::to_string(b.Visibility1);
}

} // namespace

std::vector<ViewedImage> ListImages(const TSkinElements& e, std::vector<std::string>& missing) {
  Lister l(missing);
  // The borders: sides as side-by-side frames, top and bottom stacked, as the frame painter
  // takes them.
  l.Add("LeftBorder", &e.LeftBorder);
  l.Add("RightBorder", &e.RightBorder);
  l.Add("TopBorder", &e.TopBorder, true);
  l.Add("BottomBorder", &e.BottomBorder, true);
  // The caption plate is a three-part row whose ends are TXTBackleft / TXTBackRight wide.
  l.AddImage("TitleText", e.TitleText, e.TitleText.Bitmap, e.TitleText.Frame,
             Margins{e.TitleText.TextBackLeft, 0, e.TitleText.TextBackRight, 0}, true);
  l.images.back().drawing = Drawing::ThreePartRow;
  l.images.back().transparent = true;
  // Caption buttons are stretched whole, magenta transparent.
  for (const TDataSkinSysButton& b : e.CaptionButtons) {
    l.AddImage(b.Name, b, b.Bitmap, b.Frame, Margins{}, false);
    l.images.back().details += ButtonDetails(b);
    l.images.back().drawing = Drawing::Stretched;
    l.images.back().transparent = true;
  }
  l.Add("Buttons", &e.Buttons);
  l.AddSecond("Buttons.Check", &e.Buttons, e.Buttons.CheckBitmap, e.Buttons.CheckFrame);
  l.AddSecond("Buttons.Radio", &e.Buttons, e.Buttons.RadioBitmap, e.Buttons.RadioFrame);
  l.Add("Progress", e.Progress.get());
  l.Add("ProgressChunk", e.ProgressChunk.get());
  l.Add("MenuBar", e.MenuBar.get(), true);
  l.Add("GroupBoxEdge", e.GroupBoxEdge.get());
  l.Add("GroupBox", e.GroupBox.get());
  l.Add("Tabs", e.Tabs.get());
  if (e.Tabs) l.AddSecond("Tabs.Border", e.Tabs.get(), e.Tabs->Bitmap2, 1);
  l.Add("StatusBarEdges", e.StatusBarEdges.get());
  l.Add("TabPane", e.TabPane.get());
  l.Add("ToolBars", e.ToolBars.get());
  l.Add("ComboButton", e.ComboButton.get());
  if (e.ComboButton) l.AddSecond("ComboButton.Mirrored", e.ComboButton.get(), e.ComboButton->Bitmap2, 4);
  l.Add("SunkEdge", e.SunkEdge.get());
  l.Add("ComboArrow", e.ComboArrow.get());
  const std::pair<const char*, const TDataSkinObject*> plain[] = {
      {"ExtraImages", e.ExtraImages.get()}, {"Headerbar", e.Headerbar.get()},
      {"MenuItem", e.MenuItem.get()}, {"MenuBackground", e.MenuBackground.get()},
      {"Scrollbar", e.Scrollbar.get()}, {"HorzScroll", e.HorzScroll.get()},
      {"VertScroll", e.VertScroll.get()}, {"HorzScrollThumb", e.HorzScrollThumb.get()},
      {"VertScrollThumb", e.VertScrollThumb.get()}, {"TrackbarThumbHorz", e.TrackbarThumbHorz.get()},
      {"TrackbarThumbVert", e.TrackbarThumbVert.get()}, {"TrackbarThumbLeft", e.TrackbarThumbLeft.get()},
      {"TrackbarThumbRight", e.TrackbarThumbRight.get()}, {"TrackbarThumbUp", e.TrackbarThumbUp.get()},
      {"TrackbarThumbDown", e.TrackbarThumbDown.get()}};
  for (const auto& [name, record] : plain) l.Add(name, record);
  for (const auto& [name, record] : {std::pair{"UpDownHorz", e.UpDownHorz.get()}, std::pair{"UpDownVert", e.UpDownVert.get()}}) {
    l.Add(name, record);
    if (record) l.AddSecond(std::string(name) + ".Glyphs", record, record->Bitmap2, record->Frame, Drawing::Centred);
  }
  l.Add("Track", e.Track.get());
  l.Add("TrackVert", e.TrackVert.get());
  l.Add("ToolbarGradient", e.ToolbarGradient.get());
  return std::move(l.images);
}

} // namespace vcu::skinview
