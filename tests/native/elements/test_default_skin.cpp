// Our default skin (skins/default) read from its folder and from its packed form, checked
// against what its skin.ini says. The expectations come from the INI text, parsed here with
// plain rules, and from the bitmap files' own headers.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

#include "SkinFixture.h"
#include "core/elements/SkinElementsLoader.h"
#include "core/storage/LzhEncoder.h"
#include "core/storage/SkinArchiveWriter.h"

namespace vcu {
namespace {

const std::string kSkinFolder = std::string(VCU_SOURCE_DIR) + "/skins/default";

std::string Lower(std::string s) {
  std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return std::tolower(c); });
  return s;
}

std::string Trim(const std::string& s) {
  const auto b = s.find_first_not_of(" \t\r\n");
  if (b == std::string::npos) return "";
  return s.substr(b, s.find_last_not_of(" \t\r\n") - b + 1);
}

// section (lower case) -> key (lower case) -> value; the first occurrence wins.
struct IniText {
  std::vector<std::string> sections; // as written, in order
  std::map<std::string, std::map<std::string, std::string>> values;

  explicit IniText(const std::string& path) {
    std::ifstream in(path);
    std::string line, section;
    while (std::getline(in, line)) {
      line = Trim(line);
      if (line.empty() || line[0] == ';') continue;
      if (line.front() == '[' && line.back() == ']') {
        sections.push_back(line.substr(1, line.size() - 2));
        section = Lower(sections.back());
        continue;
      }
      const auto eq = line.find('=');
      if (eq != std::string::npos)
        values[section].emplace(Lower(Trim(line.substr(0, eq))), Trim(line.substr(eq + 1)));
    }
  }
  std::string Get(const std::string& section, const std::string& key) const {
    const auto s = values.find(Lower(section));
    if (s == values.end()) return "";
    const auto k = s->second.find(Lower(key));
    return k == s->second.end() ? "" : k->second;
  }
  int Int(const std::string& section, const std::string& key, int fallback = 0) const {
    const std::string v = Get(section, key);
    return v.empty() ? fallback : std::stoi(v);
  }
  // "r,g,b" as 0x00BBGGRR.
  Colour Rgb(const std::string& section, const std::string& key) const {
    int r = 0, g = 0, b = 0;
    char comma;
    std::istringstream(Get(section, key)) >> r >> comma >> g >> comma >> b;
    return r | g << 8 | b << 16;
  }
};

struct Size {
  int width = 0, height = 0;
  bool operator==(const Size& o) const { return width == o.width && height == o.height; }
};

// Width and height straight from a BMP file's information header.
Size BmpSize(const std::string& file) {
  std::ifstream in(kSkinFolder + "/" + file, std::ios::binary);
  unsigned char h[26] = {};
  in.read(reinterpret_cast<char*>(h), sizeof h);
  auto le = [&](int at) { return static_cast<std::int32_t>(h[at] | h[at + 1] << 8 | h[at + 2] << 16 | h[at + 3] << 24); };
  return {le(18), std::abs(le(22))};
}

Size SizeOf(const Bitmap& b) { return {b.Width(), b.Height()}; }

std::ostream& operator<<(std::ostream& o, const Size& s) { return o << s.width << "x" << s.height; }

BuiltinImages NoBuiltins() { return {}; }

class DefaultSkin : public ::testing::Test {
protected:
  static void SetUpTestSuite() {
    ini_ = new IniText(kSkinFolder + "/skin.ini");
    folder_ = new TSkinElements;
    LoadSkinElements(ReadFolderEntries(kSkinFolder), NoBuiltins(), *folder_);
  }
  static void TearDownTestSuite() {
    delete ini_;
    delete folder_;
  }
  static IniText* ini_;
  static TSkinElements* folder_;
};
IniText* DefaultSkin::ini_ = nullptr;
TSkinElements* DefaultSkin::folder_ = nullptr;

TEST_F(DefaultSkin, FolderHoldsTheSkin) {
  ASSERT_FALSE(ini_->sections.empty()) << "no skin.ini in " << kSkinFolder;
  EXPECT_EQ(folder_->SkinName, ini_->Get("TitlebarSkin", "SkinName"));
}

TEST_F(DefaultSkin, WindowBordersAndTitle) {
  const IniText& ini = *ini_;
  const TSkinElements& e = *folder_;
  for (const TDataSkinBorder* b : {&e.LeftBorder, &e.RightBorder, &e.TopBorder, &e.BottomBorder}) {
    SCOPED_TRACE(b->Name);
    const std::string n = b->Name;
    EXPECT_EQ(SizeOf(b->Bitmap), BmpSize(ini.Get("Personality", n)));
    const int first = ini.Int("Personality", n + "TopHeight"), second = ini.Int("Personality", n + "BotHeight");
    const bool horizontal = n == "Top" || n == "Bottom";
    EXPECT_EQ(b->LeftWidth, horizontal ? first : 0);
    EXPECT_EQ(b->RightWidth, horizontal ? second : 0);
    EXPECT_EQ(b->TopHeight, horizontal ? 0 : first);
    EXPECT_EQ(b->BottomHeight, horizontal ? 0 : second);
    EXPECT_EQ(b->Frame, ini.Int("Personality", n + "Frame", 1));
    EXPECT_EQ(b->Tile, std::min(ini.Int("Personality", n + "Stretch", 1), 1));
    EXPECT_EQ(b->Trans, ini.Int("Personality", n + "Trans", 1));
  }
  const TDataSkinTitle& t = e.TitleText;
  EXPECT_EQ(SizeOf(t.Bitmap), BmpSize(ini.Get("Personality", "TextBack")));
  EXPECT_EQ(t.LeftWidth, ini.Int("Personality", "TextShift"));
  EXPECT_EQ(t.TopHeight, ini.Int("Personality", "TextShiftVert"));
  EXPECT_EQ(t.RightWidth, ini.Int("Personality", "TextRightClip"));
  EXPECT_EQ(t.TextAlignment, ini.Int("Personality", "TextAlignment"));
  EXPECT_EQ(t.TextBackLeft, ini.Int("Personality", "TXTBackleft"));
  EXPECT_EQ(t.TextBackRight, ini.Int("Personality", "TXTBackRight"));
  EXPECT_EQ(t.FontHeight, ini.Int("Fonts", "FontHeight", 14));
  auto rgb = [&](const char* k) {
    return ini.Int("Personality", std::string(k) + "R") | ini.Int("Personality", std::string(k) + "G") << 8 |
           ini.Int("Personality", std::string(k) + "B") << 16;
  };
  EXPECT_EQ(t.ActiveTextColour, rgb("ActiveText"));
  EXPECT_EQ(t.InactiveTextColour, rgb("InActiveText"));
  ASSERT_TRUE(e.MenuBar);
  EXPECT_EQ(SizeOf(e.MenuBar->Bitmap), BmpSize(ini.Get("Personality", "menuBar")));
  EXPECT_EQ(e.MenuBar->Tile, ini.Int("Personality", "TileMenu", 1));
  EXPECT_EQ(e.MenuBar->LeftWidth, ini.Int("Personality", "TileLeftMenu", 1));
  EXPECT_EQ(e.MenuBar->RightWidth, ini.Int("Personality", "TileRightMenu", 1));
}

TEST_F(DefaultSkin, ColourTable) {
  const IniText& ini = *ini_;
  const TSkinElements& e = *folder_;
  const std::pair<const char*, Colour> keys[] = {
      {"WindowText", e.ColourWindowText}, {"ButtonFace", e.ColourButtonFace},
      {"Scrollbar", e.ColourScrollbar}, {"HilightText", e.ColourHilightText},
      {"Hilight", e.ColourHilight}, {"Menubar", e.ColourMenubar}, {"Menu", e.ColourMenu},
      {"MenuText", e.ColourMenuText}, {"ButtonText", e.ColourButtonText},
      {"ButtonHilight", e.ColourButtonHilight}, {"Buttonlight", e.ColourButtonlight},
      {"ButtonShadow", e.ColourButtonShadow}, {"ButtonDkShadow", e.ColourButtonDkShadow},
      {"MenuBarText", e.ColourMenuBarText}, {"TitleTextActive", e.ColourTitleTextActive},
      {"TitleTextNoActive", e.ColourTitleTextNoActive}};
  for (const auto& [key, value] : keys) {
    ASSERT_FALSE(ini.Get("Colours", key).empty()) << key; // our skin gives every colour
    EXPECT_EQ(value, ini.Rgb("Colours", key)) << key;
  }
  std::vector<Colour> list;
  for (const std::string& s : ini.sections)
    if (Lower(s).rfind("colour", 0) == 0 && Lower(s) != "colours") list.push_back(ini.Rgb(s, "color"));
  EXPECT_EQ(e.ColourList, list);
  for (int i = 0; i < 10; ++i)
    EXPECT_EQ(e.CustomColours[i], ini.Rgb("Customcolors", "Color" + std::to_string(i))) << i;
}

TEST_F(DefaultSkin, CaptionButtons) {
  const IniText& ini = *ini_;
  const TSkinElements& e = *folder_;
  std::vector<std::string> buttons;
  for (const std::string& s : ini.sections) {
    const std::string l = Lower(s);
    if (l.rfind("button", 0) == 0 && l != "buttons" && l != "button" && l != "button.radio" &&
        l != "button.checkbox")
      buttons.push_back(s);
  }
  ASSERT_EQ(e.MdiButtonBase, static_cast<int>(buttons.size()));
  ASSERT_EQ(e.CaptionButtons.size(), buttons.size() + 3);
  int helpX = 0, helpY = 0;
  for (size_t i = 0; i < buttons.size(); ++i) {
    const std::string& s = buttons[i];
    const TDataSkinSysButton& b = e.CaptionButtons[i];
    SCOPED_TRACE(s);
    int x = ini.Int(s, "Xcoord"), y = ini.Int(s, "Ycoord");
    if (ini.Int(s, "Action") == 1 && ini.Int(s, "Visibility") == 2) helpX = x, helpY = y;
    if (ini.Int(s, "Action") == 4) x = helpX, y = helpY;
    EXPECT_EQ(Lower(b.Name), Lower(s));
    EXPECT_EQ(b.Name.find_first_of("abcdefghijklmnopqrstuvwxyz"), std::string::npos);
    EXPECT_EQ(b.Action, ini.Int(s, "Action"));
    EXPECT_EQ(b.Align, ini.Int(s, "Align"));
    EXPECT_EQ(b.Xcoord, x);
    EXPECT_EQ(b.Ycoord, y);
    EXPECT_EQ(b.Visibility, ini.Int(s, "Visibility"));
    EXPECT_EQ(b.Visibility1, ini.Int(s, "Visibility1"));
    const std::string image = ini.Get(s, "ButtonImage");
    EXPECT_EQ(SizeOf(b.Bitmap), image.empty() ? Size{} : BmpSize(image));
    if (!ini.Get(s, "frame").empty()) {
      EXPECT_EQ(b.Frame, ini.Int(s, "frame"));
    }
  }
  const Size mdi = BmpSize(ini.Get("MDICONTROLS", "Image"));
  const int a = mdi.width / 12;
  for (int i = 0; i < 3; ++i) {
    const TDataSkinSysButton& b = e.CaptionButtons[buttons.size() + i];
    EXPECT_EQ(b.Action, 7 + i);
    EXPECT_EQ(SizeOf(b.Bitmap), (Size{4 * a, mdi.height}));
    EXPECT_EQ(b.Xcoord, (a + 4) * (3 - i));
  }
}

TEST_F(DefaultSkin, EveryElementSection) {
  const IniText& ini = *ini_;
  const TSkinElements& e = *folder_;
  struct Slot {
    const char* section;
    const char* imageKey;
    const TDataSkinObject* record;
    bool composed; // image and side margins replaced by the combo composition
  };
  const Slot slots[] = {
      {"Progress", "Bitmap", e.Progress.get(), false},
      {"Progress.Chunk", "Image", e.ProgressChunk.get(), false},
      {"GroupBoxEdge", "Image", e.GroupBoxEdge.get(), false},
      {"GroupBox", "Image", e.GroupBox.get(), false},
      {"Tabs", "Image", e.Tabs.get(), false},
      {"StatusBarEdges", "Image", e.StatusBarEdges.get(), false},
      {"Tab.Pane", "Image", e.TabPane.get(), false},
      {"ToolBars", "Image", e.ToolBars.get(), false},
      {"ComboButton", "Image", e.ComboButton.get(), true},
      {"SunkEdge", "Image", e.SunkEdge.get(), true},
      {"ExtraImages", "Image", e.ExtraImages.get(), false},
      {"Headerbar", "Image", e.Headerbar.get(), false},
      {"MenuItem", "Image", e.MenuItem.get(), false},
      {"MenuBackground", "Image", e.MenuBackground.get(), false},
      {"Scrollbar", "Image", e.Scrollbar.get(), false},
      {"HorzScroll", "Image", e.HorzScroll.get(), false},
      {"VertScroll", "Image", e.VertScroll.get(), false},
      {"HorzScrollThumb", "Image", e.HorzScrollThumb.get(), false},
      {"VertScrollThumb", "Image", e.VertScrollThumb.get(), false},
      {"Trackbar.ThumbHorz", "Image", e.TrackbarThumbHorz.get(), false},
      {"Trackbar.ThumbVert", "Image", e.TrackbarThumbVert.get(), false},
      {"Trackbar.ThumbLeft", "Image", e.TrackbarThumbLeft.get(), false},
      {"Trackbar.ThumbRight", "Image", e.TrackbarThumbRight.get(), false},
      {"Trackbar.ThumbUp", "Image", e.TrackbarThumbUp.get(), false},
      {"Trackbar.ThumbDown", "Image", e.TrackbarThumbDown.get(), false},
      {"UpDown.Horz", "Image", e.UpDownHorz.get(), false},
      {"UpDown.Vert", "Image", e.UpDownVert.get(), false},
      {"Track", "Image", e.Track.get(), false},
      {"TRACKVERT", "Image", e.TrackVert.get(), false},
  };
  for (const Slot& s : slots) {
    SCOPED_TRACE(s.section);
    const std::string image = ini.Get(s.section, s.imageKey);
    ASSERT_FALSE(image.empty()); // our skin draws every element
    ASSERT_TRUE(s.record);
    EXPECT_EQ(s.record->Name, s.section);
    const int limit = std::string(s.section) == "Tab.Pane" ? 4 : 1 << 30;
    // The combo faces are composed at 50 x 21 per state, with the sunk edge's margins.
    const char* marginSection = s.composed ? "SunkEdge" : s.section;
    if (s.composed) {
      EXPECT_EQ(SizeOf(s.record->Bitmap), (Size{50 * 4, 21}));
    } else {
      EXPECT_EQ(SizeOf(s.record->Bitmap), BmpSize(image));
      EXPECT_EQ(s.record->LeftWidth, std::min(ini.Int(s.section, "LeftWidth"), limit));
      EXPECT_EQ(s.record->RightWidth, std::min(ini.Int(s.section, "RightWidth"), limit));
    }
    EXPECT_EQ(s.record->TopHeight, std::min(ini.Int(marginSection, "TopHeight"), limit));
    EXPECT_EQ(s.record->BottomHeight, std::min(ini.Int(marginSection, "BottomHeight"), limit));
    EXPECT_EQ(s.record->Trans, ini.Int(s.section, "Trans"));
    EXPECT_EQ(s.record->Tile, ini.Int(s.section, "Tile"));
    // Where the painters take the count from the skin, it is the skin's.
    for (const char* own : {"Progress.Chunk", "Track", "TRACKVERT", "Headerbar"})
      if (std::string(s.section) == own) {
        EXPECT_EQ(s.record->Frame, ini.Int(s.section, "Frame"));
      }
    for (const char* own : {"HorzScrollThumb", "VertScrollThumb"})
      if (std::string(s.section) == own) {
        EXPECT_EQ(s.record->Frame, ini.Int(s.section, "FrameCount", 3));
      }
  }
  EXPECT_EQ(SizeOf(e.Tabs->Bitmap2), BmpSize(ini.Get("Tabs", "Border")));
  EXPECT_EQ(SizeOf(e.UpDownHorz->Bitmap2), BmpSize(ini.Get("UpDown.Horz", "GlyphImage")));
  EXPECT_EQ(SizeOf(e.UpDownVert->Bitmap2), BmpSize(ini.Get("UpDown.Vert", "GlyphImage")));
  EXPECT_EQ(SizeOf(e.ComboButton->Bitmap2), BmpSize(ini.Get("ComboButton", "Image")));
  EXPECT_EQ(e.ComboArrow->Frame, 4);
  EXPECT_EQ(SizeOf(e.ComboArrow->Bitmap), (Size{68, 17}));
  EXPECT_EQ(e.GroupBox->BackgroundLeftShift, ini.Int("GroupBox", "BackgroundLeftShift"));
  EXPECT_EQ(e.GroupBox->BackgroundRightShift, ini.Int("GroupBox", "BackgroundRightShift"));
}

TEST_F(DefaultSkin, PushButtonsCheckAndRadio) {
  const IniText& ini = *ini_;
  const TDataSkinButton& b = folder_->Buttons;
  EXPECT_EQ(SizeOf(b.Bitmap), BmpSize(ini.Get("Buttons", "Bitmap")));
  EXPECT_EQ(SizeOf(b.CheckBitmap), BmpSize(ini.Get("Buttons", "CheckButton")));
  EXPECT_EQ(SizeOf(b.RadioBitmap), BmpSize(ini.Get("Buttons", "RadioButton")));
  EXPECT_EQ(b.Frame, 5);
  EXPECT_EQ(b.CheckFrame, ini.Int("Buttons", "CheckButtonFrame"));
  EXPECT_EQ(b.RadioFrame, ini.Int("Buttons", "RadioButtonFrame"));
  EXPECT_EQ((Margins{b.LeftWidth, b.TopHeight, b.RightWidth, b.BottomHeight}).left, ini.Int("Buttons", "LeftWidth"));
  EXPECT_EQ(b.BottomHeight, ini.Int("Buttons", "BottomHeight"));
  EXPECT_EQ(b.Trans, ini.Int("Buttons", "Trans"));
  EXPECT_EQ(b.NormalColour2, ini.Rgb("Buttons", "NormalColour2"));
  EXPECT_EQ(b.MouseOverColour2, ini.Rgb("Buttons", "MouseOverColour2"));
  EXPECT_EQ(b.PressedColour2, ini.Rgb("Buttons", "PressedColour2"));
  EXPECT_TRUE(b.HasNormalColour2 && b.HasMouseOverColour2 && b.HasPressedColour2);
}

// Every field and pixel of two loads agree.
void ExpectSameRecord(const TDataSkinObject* a, const TDataSkinObject* b, const std::string& what) {
  SCOPED_TRACE(what);
  ASSERT_EQ(a == nullptr, b == nullptr);
  if (!a) return;
  EXPECT_EQ(a->Name, b->Name);
  EXPECT_EQ((std::vector<int>{a->LeftWidth, a->TopHeight, a->RightWidth, a->BottomHeight, a->Trans,
                              a->Tile, a->Frame, a->Style, a->NormalColour, a->MouseOverColour,
                              a->PressedColour, a->NormalColour2, a->MouseOverColour2, a->PressedColour2}),
            (std::vector<int>{b->LeftWidth, b->TopHeight, b->RightWidth, b->BottomHeight, b->Trans,
                              b->Tile, b->Frame, b->Style, b->NormalColour, b->MouseOverColour,
                              b->PressedColour, b->NormalColour2, b->MouseOverColour2, b->PressedColour2}));
  std::vector<std::pair<const Bitmap*, const Bitmap*>> images{{&a->Bitmap, &b->Bitmap}};
  if (auto* ba = dynamic_cast<const TDataSkinBorder*>(a))
    images.push_back({&ba->Bitmap2, &dynamic_cast<const TDataSkinBorder*>(b)->Bitmap2});
  for (const auto& [x, y] : images) {
    ASSERT_EQ(SizeOf(*x), SizeOf(*y));
    for (int row = 0; row < x->Height(); ++row)
      ASSERT_TRUE(std::equal(x->Row(row), x->Row(row) + x->Width(), y->Row(row))) << "row " << row;
  }
}

TEST_F(DefaultSkin, PackedSkinLoadsTheSame) {
  // Packed as the build packs it: version 40000, the INI last, LZH-compressed.
  std::vector<SkinArchiveEntry> entries;
  const MemoryEntries folder = ReadFolderEntries(kSkinFolder);
  for (const std::string& name : folder.Names())
    if (name != "skin.ini") {
      entries.push_back({name, {}});
      folder.ExtractEntry(name, entries.back().data);
    }
  entries.push_back({"skin.ini", {}});
  folder.ExtractEntry("skin.ini", entries.back().data);
  const auto packed = LzhEncode(WriteSkinArchive(entries, 40000));
  TSkinElements p;
  ASSERT_TRUE(LoadSkinArchive(packed.data(), packed.size(), NoBuiltins(), p));
  const TSkinElements& f = *folder_;
  EXPECT_EQ(p.SkinName, f.SkinName);
  const std::pair<const TDataSkinObject*, const TDataSkinObject*> pairs[] = {
      {&p.LeftBorder, &f.LeftBorder}, {&p.RightBorder, &f.RightBorder}, {&p.TopBorder, &f.TopBorder},
      {&p.BottomBorder, &f.BottomBorder}, {&p.TitleText, &f.TitleText}, {&p.Buttons, &f.Buttons},
      {p.Progress.get(), f.Progress.get()}, {p.ProgressChunk.get(), f.ProgressChunk.get()},
      {p.MenuBar.get(), f.MenuBar.get()}, {p.GroupBoxEdge.get(), f.GroupBoxEdge.get()},
      {p.GroupBox.get(), f.GroupBox.get()}, {p.Tabs.get(), f.Tabs.get()},
      {p.StatusBarEdges.get(), f.StatusBarEdges.get()}, {p.TabPane.get(), f.TabPane.get()},
      {p.ToolBars.get(), f.ToolBars.get()}, {p.ComboButton.get(), f.ComboButton.get()},
      {p.SunkEdge.get(), f.SunkEdge.get()}, {p.ExtraImages.get(), f.ExtraImages.get()},
      {p.Headerbar.get(), f.Headerbar.get()}, {p.MenuItem.get(), f.MenuItem.get()},
      {p.MenuBackground.get(), f.MenuBackground.get()}, {p.Scrollbar.get(), f.Scrollbar.get()},
      {p.HorzScroll.get(), f.HorzScroll.get()}, {p.VertScroll.get(), f.VertScroll.get()},
      {p.HorzScrollThumb.get(), f.HorzScrollThumb.get()}, {p.VertScrollThumb.get(), f.VertScrollThumb.get()},
      {p.TrackbarThumbHorz.get(), f.TrackbarThumbHorz.get()}, {p.TrackbarThumbVert.get(), f.TrackbarThumbVert.get()},
      {p.TrackbarThumbLeft.get(), f.TrackbarThumbLeft.get()}, {p.TrackbarThumbRight.get(), f.TrackbarThumbRight.get()},
      {p.TrackbarThumbUp.get(), f.TrackbarThumbUp.get()}, {p.TrackbarThumbDown.get(), f.TrackbarThumbDown.get()},
      {p.UpDownHorz.get(), f.UpDownHorz.get()}, {p.UpDownVert.get(), f.UpDownVert.get()},
      {p.Track.get(), f.Track.get()}, {p.TrackVert.get(), f.TrackVert.get()},
      {p.ComboArrow.get(), f.ComboArrow.get()}, {p.ToolbarGradient.get(), f.ToolbarGradient.get()},
  };
  for (const auto& [a, b] : pairs) ExpectSameRecord(a, b, b ? b->Name : "empty slot");
  ASSERT_EQ(p.CaptionButtons.size(), f.CaptionButtons.size());
  for (size_t i = 0; i < p.CaptionButtons.size(); ++i)
    ExpectSameRecord(&p.CaptionButtons[i], &f.CaptionButtons[i], "button " + std::to_string(i));
  EXPECT_EQ(p.ColourList, f.ColourList);
  EXPECT_EQ(p.CustomColours, f.CustomColours);
  EXPECT_EQ(p.FrameColour, f.FrameColour);
  EXPECT_EQ(p.ColourButtonFace, f.ColourButtonFace);
}

} // namespace
} // namespace vcu
