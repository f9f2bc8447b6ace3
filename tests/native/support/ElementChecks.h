#pragma once
// Checks of decoded skin elements against a SkinDescription: every field and image the rules
// fix, with the slot, record and field named in each failure. Used by the native and the
// Windows tests alike.
#include <gtest/gtest.h>

#include <optional>
#include <sstream>
#include <string>

#include "SkinDescription.h"
#include "core/elements/ElementSlots.h"

namespace vcu::test {

inline const TDataSkinObject* SlotRecord(const TSkinElements& e, const std::string& slot) {
  const std::pair<const char*, const TDataSkinObject*> slots[] = {
      {"LeftBorder", &e.LeftBorder}, {"RightBorder", &e.RightBorder}, {"TopBorder", &e.TopBorder},
      {"BottomBorder", &e.BottomBorder}, {"TitleText", &e.TitleText}, {"Buttons", &e.Buttons},
      {"Progress", e.Progress.get()}, {"ProgressChunk", e.ProgressChunk.get()}, {"MenuBar", e.MenuBar.get()},
      {"GroupBoxEdge", e.GroupBoxEdge.get()}, {"GroupBox", e.GroupBox.get()}, {"Tabs", e.Tabs.get()},
      {"StatusBarEdges", e.StatusBarEdges.get()}, {"TabPane", e.TabPane.get()}, {"ToolBars", e.ToolBars.get()},
      {"ComboButton", e.ComboButton.get()}, {"SunkEdge", e.SunkEdge.get()}, {"ExtraImages", e.ExtraImages.get()},
      {"Headerbar", e.Headerbar.get()}, {"MenuItem", e.MenuItem.get()}, {"MenuBackground", e.MenuBackground.get()},
      {"Scrollbar", e.Scrollbar.get()}, {"HorzScroll", e.HorzScroll.get()}, {"VertScroll", e.VertScroll.get()},
      {"HorzScrollThumb", e.HorzScrollThumb.get()}, {"VertScrollThumb", e.VertScrollThumb.get()},
      {"TrackbarThumbHorz", e.TrackbarThumbHorz.get()}, {"TrackbarThumbVert", e.TrackbarThumbVert.get()},
      {"TrackbarThumbLeft", e.TrackbarThumbLeft.get()}, {"TrackbarThumbRight", e.TrackbarThumbRight.get()},
      {"TrackbarThumbUp", e.TrackbarThumbUp.get()}, {"TrackbarThumbDown", e.TrackbarThumbDown.get()},
      {"UpDownHorz", e.UpDownHorz.get()}, {"UpDownVert", e.UpDownVert.get()}, {"Track", e.Track.get()},
      {"TrackVert", e.TrackVert.get()}, {"ComboArrow", e.ComboArrow.get()},
      {"ToolbarGradient", e.ToolbarGradient.get()}};
  for (const auto& [name, record] : slots)
    if (slot == name) return record;
  ADD_FAILURE() << "no slot named " << slot;
  return nullptr;
}

// The value of a field by its name, for the record's class; nothing when it has no such field.
inline std::optional<std::int32_t> FieldValue(const TDataSkinObject& r, const std::string& field) {
  const std::pair<const char*, std::int32_t> base[] = {
      {"LeftWidth", r.LeftWidth}, {"TopHeight", r.TopHeight}, {"RightWidth", r.RightWidth},
      {"BottomHeight", r.BottomHeight}, {"Trans", r.Trans}, {"Tile", r.Tile}, {"Frame", r.Frame},
      {"Style", r.Style}, {"NormalColour", r.NormalColour}, {"MouseOverColour", r.MouseOverColour},
      {"PressedColour", r.PressedColour}, {"NormalColour2", r.NormalColour2},
      {"MouseOverColour2", r.MouseOverColour2}, {"PressedColour2", r.PressedColour2}};
  for (const auto& [name, value] : base)
    if (field == name) return value;
  std::vector<std::pair<const char*, std::int32_t>> more;
  if (auto* b = dynamic_cast<const TDataSkinButton*>(&r))
    more = {{"RadioFrame", b->RadioFrame}, {"CheckFrame", b->CheckFrame}, {"HasNormalColour2", b->HasNormalColour2},
            {"HasMouseOverColour2", b->HasMouseOverColour2}, {"HasPressedColour2", b->HasPressedColour2}};
  if (auto* t = dynamic_cast<const TDataSkinTitle*>(&r))
    more = {{"TextAlignment", t->TextAlignment}, {"TextBackground", t->TextBackground}, {"FontHeight", t->FontHeight},
            {"TextBackLeft", t->TextBackLeft}, {"TextBackRight", t->TextBackRight},
            {"ActiveTextColour", t->ActiveTextColour}, {"InactiveTextColour", t->InactiveTextColour}};
  if (auto* s = dynamic_cast<const TDataSkinSysButton*>(&r))
    more = {{"Action", s->Action}, {"Align", s->Align}, {"Xcoord", s->Xcoord}, {"Ycoord", s->Ycoord},
            {"CombineOp", s->CombineOp}, {"Visibility", s->Visibility}, {"Visibility1", s->Visibility1}};
  if (auto* g = dynamic_cast<const TDataSkinBoxLabel*>(&r))
    more = {{"BackgroundLeftShift", g->BackgroundLeftShift}, {"BackgroundRightShift", g->BackgroundRightShift},
            {"BackgroundAlignment", g->BackgroundAlignment}};
  for (const auto& [name, value] : more)
    if (field == name) return value;
  return std::nullopt;
}

inline const Bitmap* ImageOf(const TDataSkinObject& r, const std::string& image) {
  if (image == "Bitmap") return &r.Bitmap;
  if (auto* b = dynamic_cast<const TDataSkinBorder*>(&r); b && image == "Bitmap2") return &b->Bitmap2;
  if (auto* b = dynamic_cast<const TDataSkinButton*>(&r)) {
    if (image == "CheckBitmap") return &b->CheckBitmap;
    if (image == "RadioBitmap") return &b->RadioBitmap;
  }
  return nullptr;
}

// Size, and every pixel where the description knows them; the first differing pixel is named.
inline void ExpectImage(const Bitmap& actual, const ExpectedImage& expected, const std::string& what) {
  if (expected.Empty()) {
    EXPECT_TRUE(actual.Empty()) << what << " should have no image";
    return;
  }
  ASSERT_EQ(actual.Width(), expected.width) << what;
  ASSERT_EQ(actual.Height(), expected.height) << what;
  if (expected.pixels.empty()) return;
  for (int y = 0; y < expected.height; ++y)
    for (int x = 0; x < expected.width; ++x) {
      const std::uint32_t want = expected.pixels[static_cast<std::size_t>(y) * expected.width + x];
      if (actual.At(x, y) != want) {
        std::ostringstream o;
        o << what << ": pixel (" << x << ", " << y << ") is " << std::hex << actual.At(x, y) << ", expected " << want;
        ADD_FAILURE() << o.str();
        return;
      }
    }
}

inline void ExpectRecord(const TDataSkinObject& actual, const ExpectedRecord& expected, const std::string& what) {
  if (!expected.name.empty()) {
    EXPECT_EQ(actual.Name, expected.name) << what;
  }
  for (const auto& [field, value] : expected.fields) {
    const std::optional<std::int32_t> got = FieldValue(actual, field);
    if (!got) {
      ADD_FAILURE() << what << " has no field " << field;
      continue;
    }
    EXPECT_EQ(*got, value) << what << "." << field;
  }
  for (const auto& [image, value] : expected.images) {
    const Bitmap* got = ImageOf(actual, image);
    if (!got) {
      ADD_FAILURE() << what << " has no image " << image;
      continue;
    }
    ExpectImage(*got, value, what + "." + image);
  }
}

inline void ExpectSlot(const TSkinElements& elements, const std::string& slot, const std::optional<ExpectedRecord>& expected) {
  const TDataSkinObject* actual = SlotRecord(elements, slot);
  if (!expected) {
    EXPECT_EQ(actual, nullptr) << slot << " should be empty";
    return;
  }
  if (!actual) {
    ADD_FAILURE() << slot << " is empty";
    return;
  }
  ExpectRecord(*actual, *expected, slot);
}

inline std::optional<Colour> ColourField(const TSkinColours& c, const std::string& field) {
  const std::pair<const char*, Colour> table[] = {
      {"ColourWindowText", c.ColourWindowText}, {"ColourButtonFace", c.ColourButtonFace},
      {"ColourScrollbar", c.ColourScrollbar}, {"ColourHilightText", c.ColourHilightText},
      {"ColourHilight", c.ColourHilight}, {"ColourMenubar", c.ColourMenubar}, {"ColourMenu", c.ColourMenu},
      {"ColourMenuText", c.ColourMenuText}, {"ColourButtonText", c.ColourButtonText},
      {"ColourButtonHilight", c.ColourButtonHilight}, {"ColourButtonlight", c.ColourButtonlight},
      {"ColourButtonShadow", c.ColourButtonShadow}, {"ColourButtonDkShadow", c.ColourButtonDkShadow},
      {"ColourMenuBarText", c.ColourMenuBarText}, {"ColourTitleTextActive", c.ColourTitleTextActive},
      {"ColourTitleTextNoActive", c.ColourTitleTextNoActive}};
  for (const auto& [name, value] : table)
    if (field == name) return value;
  return std::nullopt;
}

} // namespace vcu::test
