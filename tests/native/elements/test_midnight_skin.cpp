// Our second skin, skins/midnight, exactly as the build packs it (midnight.skn), read through
// the core beside the packed default skin: everything the default gives decodes here too, the
// counts and switches its skin.ini writes arrive, and its round corners cut the window region
// where the default's frame is whole.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <map>
#include <memory>

#include "ElementChecks.h"
#include "core/elements/SkinElementsLoader.h"
#include "core/form/FrameComposer.h"
#include "core/form/FrameGeometry.h"

namespace vcu {
namespace {

const TSkinElements& Packed(const std::string& path) {
  static std::map<std::string, std::unique_ptr<TSkinElements>> loads;
  std::unique_ptr<TSkinElements>& e = loads[path];
  if (!e) {
    std::ifstream in(path, std::ios::binary);
    const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    e = std::make_unique<TSkinElements>();
    EXPECT_FALSE(bytes.empty()) << "no packed skin at " << path;
    EXPECT_TRUE(LoadSkinArchive(bytes.data(), bytes.size(), BuiltinImages{}, *e)) << path;
  }
  return *e;
}

const TSkinElements& Midnight() { return Packed(VCU_MIDNIGHT_SKIN_FILE); }
const TSkinElements& Default() { return Packed(VCU_DEFAULT_SKIN_FILE); }

const char* const kSlots[] = {
    "LeftBorder", "RightBorder", "TopBorder", "BottomBorder", "TitleText", "Buttons", "Progress",
    "ProgressChunk", "MenuBar", "GroupBoxEdge", "GroupBox", "Tabs", "StatusBarEdges", "TabPane", "ToolBars",
    "ComboButton", "SunkEdge", "ExtraImages", "Headerbar", "MenuItem", "MenuBackground", "Scrollbar",
    "HorzScroll", "VertScroll", "HorzScrollThumb", "VertScrollThumb", "TrackbarThumbHorz", "TrackbarThumbVert",
    "TrackbarThumbLeft", "TrackbarThumbRight", "TrackbarThumbUp", "TrackbarThumbDown", "UpDownHorz",
    "UpDownVert", "Track", "TrackVert", "ComboArrow", "ToolbarGradient"};

const TDataSkinSysButton* CaptionButton(const TSkinElements& e, const std::string& section) {
  for (int i = 0; i < e.MdiButtonBase; ++i)
    if (e.CaptionButtons[i].Name == section) return &e.CaptionButtons[i];
  return nullptr;
}

TEST(MidnightSkin, EveryElementOfTheDefaultDecodes) {
  const TSkinElements& m = Midnight();
  const TSkinElements& d = Default();
  EXPECT_EQ(m.SkinName, "Vantorix Midnight");
  for (const char* slot : kSlots) {
    const TDataSkinObject* theirs = test::SlotRecord(d, slot);
    const TDataSkinObject* ours = test::SlotRecord(m, slot);
    ASSERT_NE(theirs, nullptr) << slot;
    ASSERT_NE(ours, nullptr) << slot << " is missing";
    for (const char* image : {"Bitmap", "Bitmap2", "CheckBitmap", "RadioBitmap"}) {
      const Bitmap* expected = test::ImageOf(*theirs, image);
      if (!expected || expected->Empty()) continue;
      const Bitmap* actual = test::ImageOf(*ours, image);
      ASSERT_NE(actual, nullptr) << slot << "." << image;
      EXPECT_FALSE(actual->Empty()) << slot << "." << image << " does not decode";
    }
  }
  ASSERT_EQ(m.MdiButtonBase, d.MdiButtonBase);
  for (int i = 0; i < d.MdiButtonBase; ++i) {
    const TDataSkinSysButton& theirs = d.CaptionButtons[i];
    const TDataSkinSysButton* ours = CaptionButton(m, theirs.Name);
    ASSERT_NE(ours, nullptr) << theirs.Name;
    EXPECT_EQ(ours->Action, theirs.Action) << theirs.Name;
    EXPECT_EQ(ours->Bitmap.Empty(), theirs.Bitmap.Empty()) << theirs.Name;
  }
  for (std::size_t i = m.MdiButtonBase; i < m.CaptionButtons.size(); ++i)
    EXPECT_FALSE(m.CaptionButtons[i].Bitmap.Empty()) << "MDI button " << i - m.MdiButtonBase;
}

// Counts and switches as skin.ini writes them, where the engine leaves the choice to the skin;
// each count must also cut its image into whole frames.
TEST(MidnightSkin, FrameCountsAndSwitchesAsWritten) {
  const TSkinElements& m = Midnight();
  struct Case {
    const char* slot;
    const char* field;
    std::int32_t value;
    const char* image; // cut by the count: side by side, or stacked when the name ends in '|'
  } const cases[] = {
      {"LeftBorder", "Frame", 2, "Bitmap"},       {"RightBorder", "Frame", 2, "Bitmap"},
      {"TopBorder", "Frame", 2, "Bitmap|"},       {"BottomBorder", "Frame", 2, "Bitmap|"},
      {"Headerbar", "Frame", 2, "Bitmap"},        {"Progress", "Frame", 1, "Bitmap"},
      {"Progress", "Style", 1, nullptr},          {"Buttons", "CheckFrame", 12, "CheckBitmap"},
      {"Buttons", "RadioFrame", 8, "RadioBitmap"}, {"HorzScrollThumb", "Frame", 3, "Bitmap"},
      // Every border repeats its middle (its Stretch key is 0) and is see-through at the corners.
      {"LeftBorder", "Tile", 0, nullptr},         {"TopBorder", "Tile", 0, nullptr},
      {"BottomBorder", "Tile", 0, nullptr},       {"BottomBorder", "Trans", 1, nullptr},
      // Bars and buttons repeat theirs.
      {"Buttons", "Tile", 1, nullptr},            {"Tabs", "Tile", 1, nullptr},
      {"MenuItem", "Tile", 1, nullptr},           {"HorzScroll", "Tile", 1, nullptr},
      {"Progress", "Tile", 1, nullptr},           {"ProgressChunk", "Tile", 1, nullptr},
      {"Headerbar", "Tile", 1, nullptr},          {"Track", "Tile", 1, nullptr},
      // The caption is centred on its own plate.
      {"TitleText", "TextAlignment", 1, nullptr}, {"TitleText", "TextBackLeft", 11, nullptr},
      {"TitleText", "TextBackRight", 11, nullptr}, {"TitleText", "Frame", 2, "Bitmap|"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.slot) + "." + c.field);
    const TDataSkinObject* record = test::SlotRecord(m, c.slot);
    ASSERT_NE(record, nullptr);
    ASSERT_EQ(test::FieldValue(*record, c.field), c.value);
    if (!c.image) continue;
    std::string image = c.image;
    const bool stacked = image.back() == '|';
    if (stacked) image.pop_back();
    const Bitmap* bitmap = test::ImageOf(*record, image);
    ASSERT_TRUE(bitmap && !bitmap->Empty());
    EXPECT_EQ((stacked ? bitmap->Height() : bitmap->Width()) % c.value, 0) << "frames of unequal size";
  }
}

int Luma(Colour c) { return (299 * (c & 0xFF) + 587 * ((c >> 8) & 0xFF) + 114 * ((c >> 16) & 0xFF)) / 1000; }

// A dark scheme: dark faces, and every text colour the skin gives, in the colour table and in
// the elements, light enough to read on them.
TEST(MidnightSkin, DarkFacesLightText) {
  const TSkinElements& m = Midnight();
  for (const char* face : {"ColourButtonFace", "ColourMenubar", "ColourMenu", "ColourScrollbar"}) {
    const std::optional<Colour> c = test::ColourField(m, face);
    ASSERT_TRUE(c) << face;
    EXPECT_LT(Luma(*c), 64) << face;
  }
  const int faceLuma = Luma(m.ColourButtonFace);
  std::vector<std::pair<std::string, Colour>> texts;
  for (const char* text : {"ColourWindowText", "ColourButtonText", "ColourMenuText", "ColourMenuBarText", "ColourTitleTextActive",
                           "ColourHilightText"})
    texts.emplace_back(text, test::ColourField(m, text).value_or(0));
  texts.emplace_back("title text, active", m.TitleText.ActiveTextColour);
  for (const char* slot : {"Buttons", "Tabs", "Headerbar", "MenuItem", "StatusBarEdges", "GroupBox"}) {
    const TDataSkinObject* r = test::SlotRecord(m, slot);
    ASSERT_NE(r, nullptr) << slot;
    texts.emplace_back(std::string(slot) + ".NormalColour2", r->NormalColour2);
    if (r->NormalColour >= 0) texts.emplace_back(std::string(slot) + ".NormalColour", r->NormalColour);
  }
  for (const auto& [what, colour] : texts) EXPECT_GT(Luma(colour) - faceLuma, 120) << what;
}

// Caption buttons in their own places and sizes: window commands on the left, the icon on the
// right, three frames of 24 x 22.
TEST(MidnightSkin, CaptionButtonPlaces) {
  const TSkinElements& m = Midnight();
  struct Case {
    const char* section;
    int align, x, y, frames;
  } const cases[] = {
      {"BUTTONCLOSE", 0, 10, 6, 3},   {"BUTTONMINIMIZE", 0, 38, 6, 3}, {"BUTTONMAXIMIZE", 0, 66, 6, 3},
      {"BUTTONRESTORE", 0, 66, 6, 3}, {"BUTTONHELP", 0, 66, 6, 3},     {"BUTTONSYSMENU", 1, 30, 9, -1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.section);
    const TDataSkinSysButton* b = CaptionButton(m, c.section);
    ASSERT_NE(b, nullptr);
    EXPECT_EQ(b->Align, c.align);
    EXPECT_EQ(b->Xcoord, c.x);
    EXPECT_EQ(b->Ycoord, c.y);
    if (c.frames < 0) continue;
    EXPECT_EQ(b->Frame, c.frames);
    EXPECT_EQ(b->Bitmap.Width(), 24 * c.frames);
    EXPECT_EQ(b->Bitmap.Height(), 22);
  }
}

// Which pixels of a width x height window the frame's region holds.
std::vector<bool> RegionMask(const TSkinElements& skin, int width, int height) {
  std::vector<bool> in(static_cast<std::size_t>(width) * height, false);
  const BorderSizes b = BorderSizesOf(skin, fkSizeable);
  for (const Rect& r : FrameRegionRuns(skin, b, width, height, fkSizeable))
    for (int y = std::max(r.top, 0); y < std::min(r.bottom, height); ++y)
      for (int x = std::max(r.left, 0); x < std::min(r.right, width); ++x) in[y * width + x] = true;
  return in;
}

TEST(MidnightSkin, ThickerBordersAndRoundCornersShapeTheRegion) {
  const BorderSizes m = BorderSizesOf(Midnight(), fkSizeable);
  const BorderSizes d = BorderSizesOf(Default(), fkSizeable);
  EXPECT_EQ((std::vector<int>{m.left, m.top, m.right, m.bottom}), (std::vector<int>{6, 34, 6, 6}));
  EXPECT_EQ((std::vector<int>{d.left, d.top, d.right, d.bottom}), (std::vector<int>{4, 30, 4, 4}));

  constexpr int w = 300, h = 200;
  const std::vector<bool> ours = RegionMask(Midnight(), w, h);
  const std::vector<bool> theirs = RegionMask(Default(), w, h);
  struct Case {
    int x, y;
    bool midnight, standard;
  } const cases[] = {
      {0, 0, false, false},       {w - 1, 0, false, false},    // both round at the top
      {2, 2, false, true},        {w - 3, 2, false, true},     // ours deeper (radius 10 against 7)
      {0, h - 1, false, true},    {w - 1, h - 1, false, true}, // only ours round at the bottom
      {1, h - 2, false, true},    {w - 2, h - 2, false, true},
      {w / 2, 0, true, true},     {0, h / 2, true, true},      // edges whole
      {w / 2, h - 1, true, true}, {w / 2, h / 2, true, true},  // and the client
      {6, h - 7, true, true},     {w - 7, h - 7, true, true},  // the client's corners stay whole
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ours[c.y * w + c.x], c.midnight) << "midnight at " << c.x << "," << c.y;
    EXPECT_EQ(theirs[c.y * w + c.x], c.standard) << "default at " << c.x << "," << c.y;
  }
}

} // namespace
} // namespace vcu
