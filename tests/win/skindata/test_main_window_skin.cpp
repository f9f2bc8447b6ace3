// The real main window built from its real stored layout: SkinData1 carries the stored values
// and our default skin, every slot the skin's description provides is filled, and the window
// reaches the manager when it is activated. Expectations come from skins/default/skin.ini,
// read here with plain rules, and from the bitmap files beside it.
#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "SkinDataTesting.h"
#include "app/Main.h"
#include "core/layout/LayoutParser.h"
#include "framework/LayoutReader.h"
#include "skin/data/Skin3rdDefaults.h"
#include "skin/data/WinSkinData.h"
#include "skin/form/SkinManage.h"

namespace vcu {
namespace {

const std::string kSkinDir = VCU_SKIN_SOURCE_DIR;

std::string SkinPath(const std::string& file) { return kSkinDir + "/" + file; }

// "r,g,b" as a colour value (red in the low byte).
Colour IniColour(const std::string& text) {
  int r = 0, g = 0, b = 0;
  std::sscanf(text.c_str(), "%d,%d,%d", &r, &g, &b);
  return RgbColour(r, g, b);
}

std::string Upper(std::string text) {
  for (char& c : text) c = static_cast<char>(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c);
  return text;
}

class MainWindowSkin : public ::testing::Test {
protected:
  void SetUp() override {
    ASSERT_TRUE(LoadLayoutResource("TfrmMain", layout_));
    form_ = std::make_unique<TfrmMain>(nullptr);
    ReadComponentLayout(*form_, layout_);
    data_ = dynamic_cast<TSkinData*>(form_->FindComponent("SkinData1"));
    ASSERT_NE(data_, nullptr);
  }

  void ExpectImageOf(const Bitmap& image, const std::string& file, const std::string& what) {
    const auto [width, height] = test::BmpFileSize(SkinPath(file));
    ASSERT_GT(width, 0) << what << ": " << file << " is not readable";
    EXPECT_EQ(image.Width(), width) << what;
    EXPECT_EQ(image.Height(), height) << what;
  }

  test::ManagerScope scope_;
  test::PlainIni ini_{SkinPath("skin.ini")};
  std::string layout_;
  std::unique_ptr<TfrmMain> form_;
  TSkinData* data_ = nullptr;
};

TEST_F(MainWindowSkin, StoredPropertyValues) {
  EXPECT_TRUE(data_->Active());
  EXPECT_EQ(data_->DisableTag(), 99);
  // The 20 stored members, xcMenuItem already out; Loaded keeps them as they are.
  EXPECT_EQ(data_->SkinControls(), 0x001FFFFBu);
  EXPECT_EQ(data_->Options(), 0x0048u);
  EXPECT_EQ(data_->SkinFormtype(), sfMainform);
  EXPECT_EQ(data_->Version(), "4.94.12.01");
  EXPECT_TRUE(data_->MenuUpdate());
  EXPECT_FALSE(data_->MenuMerge());
  EXPECT_TRUE(data_->SkinFile().empty());
  std::vector<std::string> rows;
  for (int i = 0; i < data_->Skin3rd()->Count(); ++i) rows.push_back(data_->Skin3rd()->Get(i));
  EXPECT_EQ(rows, std::vector<std::string>(DefaultSkin3rd().begin() + 2, DefaultSkin3rd().end()));
}

// The stored value is the packed default skin behind its length, and it is written back as
// it was read.
TEST_F(MainWindowSkin, SkinStreamIsThePackedDefaultSkin) {
  const TLayoutObject doc = ParseLayout(layout_);
  const TLayoutProperty* stored = nullptr;
  for (const TLayoutObject& child : doc.children)
    if (child.name == "SkinData1")
      for (const TLayoutProperty& p : child.properties)
        if (p.name == "SkinStream") stored = &p;
  ASSERT_NE(stored, nullptr);
  EXPECT_EQ(stored->value.bytes, test::StreamOf(test::ReadFileBytes(VCU_STORED_SKIN_FILE)));
  test::Bytes written;
  data_->WriteSkinStream(written);
  EXPECT_EQ(written, stored->value.bytes);
}

TEST_F(MainWindowSkin, ElementSlotsFollowTheSkinDescription) {
  ASSERT_FALSE(data_->SkinEmpty);
  EXPECT_EQ(data_->SkinName, ini_.Value("TitlebarSkin", "SkinName"));
  using Slot = std::function<const TDataSkinObject*(const TSkinData&)>;
  const struct {
    const char* section;
    const char* imageKey;
    const char* secondKey; // a second image, or null
    Slot slot;
    bool rebuilt; // replaced by a derived image after reading
  } elements[] = {
      {"Progress", "Bitmap", nullptr, [](const TSkinData& d) { return d.Progress.get(); }, false},
      {"Progress.Chunk", "Image", nullptr, [](const TSkinData& d) { return d.ProgressChunk.get(); }, false},
      {"GroupBoxEdge", "Image", nullptr, [](const TSkinData& d) { return d.GroupBoxEdge.get(); }, false},
      {"GroupBox", "Image", nullptr, [](const TSkinData& d) { return d.GroupBox.get(); }, false},
      {"Tabs", "Image", "Border", [](const TSkinData& d) { return d.Tabs.get(); }, false},
      {"StatusBarEdges", "Image", nullptr, [](const TSkinData& d) { return d.StatusBarEdges.get(); }, false},
      {"Tab.Pane", "Image", nullptr, [](const TSkinData& d) { return d.TabPane.get(); }, false},
      {"ToolBars", "Image", nullptr, [](const TSkinData& d) { return d.ToolBars.get(); }, false},
      {"ComboButton", "Image", nullptr, [](const TSkinData& d) { return d.ComboButton.get(); }, true},
      {"SunkEdge", "Image", nullptr, [](const TSkinData& d) { return d.SunkEdge.get(); }, true},
      {"ExtraImages", "Image", nullptr, [](const TSkinData& d) { return d.ExtraImages.get(); }, false},
      {"Headerbar", "Image", nullptr, [](const TSkinData& d) { return d.Headerbar.get(); }, false},
      {"MenuItem", "Image", nullptr, [](const TSkinData& d) { return d.MenuItem.get(); }, false},
      {"MenuBackground", "Image", nullptr, [](const TSkinData& d) { return d.MenuBackground.get(); }, false},
      {"Scrollbar", "Image", nullptr, [](const TSkinData& d) { return d.Scrollbar.get(); }, false},
      {"HorzScroll", "Image", nullptr, [](const TSkinData& d) { return d.HorzScroll.get(); }, false},
      {"VertScroll", "Image", nullptr, [](const TSkinData& d) { return d.VertScroll.get(); }, false},
      {"HorzScrollThumb", "Image", nullptr, [](const TSkinData& d) { return d.HorzScrollThumb.get(); }, false},
      {"VertScrollThumb", "Image", nullptr, [](const TSkinData& d) { return d.VertScrollThumb.get(); }, false},
      {"Trackbar.ThumbHorz", "Image", nullptr, [](const TSkinData& d) { return d.TrackbarThumbHorz.get(); }, false},
      {"Trackbar.ThumbVert", "Image", nullptr, [](const TSkinData& d) { return d.TrackbarThumbVert.get(); }, false},
      {"Trackbar.ThumbLeft", "Image", nullptr, [](const TSkinData& d) { return d.TrackbarThumbLeft.get(); }, false},
      {"Trackbar.ThumbRight", "Image", nullptr, [](const TSkinData& d) { return d.TrackbarThumbRight.get(); }, false},
      {"Trackbar.ThumbUp", "Image", nullptr, [](const TSkinData& d) { return d.TrackbarThumbUp.get(); }, false},
      {"Trackbar.ThumbDown", "Image", nullptr, [](const TSkinData& d) { return d.TrackbarThumbDown.get(); }, false},
      {"UpDown.Horz", "Image", "GlyphImage", [](const TSkinData& d) { return d.UpDownHorz.get(); }, false},
      {"UpDown.Vert", "Image", "GlyphImage", [](const TSkinData& d) { return d.UpDownVert.get(); }, false},
      {"Track", "Image", nullptr, [](const TSkinData& d) { return d.Track.get(); }, false},
      {"TRACKVERT", "Image", nullptr, [](const TSkinData& d) { return d.TrackVert.get(); }, false},
  };
  int provided = 0;
  for (const auto& e : elements) {
    const std::string image = ini_.Value(e.section, e.imageKey);
    if (image.empty()) continue;
    ++provided;
    const TDataSkinObject* record = e.slot(*data_);
    ASSERT_NE(record, nullptr) << e.section;
    EXPECT_FALSE(record->Bitmap.Empty()) << e.section;
    if (e.rebuilt) continue;
    ExpectImageOf(record->Bitmap, image, e.section);
    const int left = ini_.Int(e.section, "LeftWidth", 0);
    EXPECT_EQ(record->LeftWidth, std::string(e.section) == "Tab.Pane" ? std::min(left, 4) : left) << e.section;
    EXPECT_EQ(record->TopHeight, ini_.Int(e.section, "TopHeight", 0)) << e.section;
    if (e.secondKey && !ini_.Value(e.section, e.secondKey).empty()) {
      auto* border = dynamic_cast<const TDataSkinBorder*>(record);
      ASSERT_NE(border, nullptr) << e.section;
      ExpectImageOf(border->Bitmap2, ini_.Value(e.section, e.secondKey), std::string(e.section) + " second image");
    }
  }
  EXPECT_GT(provided, 20) << "the default skin describes nearly every element";
  ASSERT_TRUE(data_->MenuBar);
  ExpectImageOf(data_->MenuBar->Bitmap, ini_.Value("Personality", "menuBar"), "menu bar");
}

TEST_F(MainWindowSkin, BordersTitleAndButtonsFollowTheSkinDescription) {
  const std::pair<const char*, const TDataSkinBorder*> borders[] = {
      {"Left", &data_->LeftBorder}, {"Right", &data_->RightBorder},
      {"Top", &data_->TopBorder}, {"Bottom", &data_->BottomBorder}};
  for (const auto& [name, border] : borders) {
    const std::string n = name;
    ExpectImageOf(border->Bitmap, ini_.Value("Personality", n), n + " border");
    const bool vertical = n == "Left" || n == "Right";
    EXPECT_EQ(vertical ? border->TopHeight : border->LeftWidth, ini_.Int("Personality", n + "TopHeight", 0)) << n;
    EXPECT_EQ(vertical ? border->BottomHeight : border->RightWidth, ini_.Int("Personality", n + "BotHeight", 0)) << n;
    EXPECT_EQ(border->Frame, ini_.Int("Personality", n + "Frame", 1)) << n;
    EXPECT_EQ(border->Trans, ini_.Int("Personality", n + "Trans", 1)) << n;
  }
  ExpectImageOf(data_->TitleText.Bitmap, ini_.Value("Personality", "TextBack"), "title back");
  EXPECT_EQ(data_->TitleText.LeftWidth, ini_.Int("Personality", "TextShift", 0));
  EXPECT_EQ(data_->TitleText.FontHeight, ini_.Int("Fonts", "FontHeight", 14));
  EXPECT_EQ(data_->TitleText.ActiveTextColour,
            RgbColour(ini_.Int("Personality", "ActiveTextR", 0), ini_.Int("Personality", "ActiveTextG", 0),
                      ini_.Int("Personality", "ActiveTextB", 0)));
  ExpectImageOf(data_->Buttons.Bitmap, ini_.Value("Buttons", "Bitmap"), "push button");
  ExpectImageOf(data_->Buttons.CheckBitmap, ini_.Value("Buttons", "CheckButton"), "check box");
  ExpectImageOf(data_->Buttons.RadioBitmap, ini_.Value("Buttons", "RadioButton"), "radio button");
  EXPECT_EQ(data_->Buttons.CheckFrame, ini_.Int("Buttons", "CheckButtonFrame", 0));
  EXPECT_EQ(data_->Buttons.LeftWidth, ini_.Int("Buttons", "LeftWidth", 0));
}

TEST_F(MainWindowSkin, CaptionButtonsFollowTheSkinDescription) {
  std::vector<std::string> sections;
  for (const std::string& s : ini_.Sections())
    if (Upper(s).rfind("BUTTON", 0) == 0 && Upper(s) != "BUTTONS") sections.push_back(s);
  ASSERT_EQ(data_->CaptionButtons.size(), sections.size() + 3);
  ASSERT_EQ(data_->MdiButtonBase, static_cast<int>(sections.size()));
  for (size_t i = 0; i < sections.size(); ++i) {
    const std::string& s = sections[i];
    const TDataSkinSysButton& b = data_->CaptionButtons[i];
    EXPECT_EQ(b.Name, Upper(s));
    EXPECT_EQ(b.Action, ini_.Int(s, "Action", 0)) << s;
    EXPECT_EQ(b.Align, ini_.Int(s, "Align", 0)) << s;
    if (b.Action != 4) {
      EXPECT_EQ(b.Xcoord, ini_.Int(s, "Xcoord", 0)) << s;
      EXPECT_EQ(b.Ycoord, ini_.Int(s, "Ycoord", 0)) << s;
    }
    if (b.Action != 3 && b.Action != 11 && !ini_.Value(s, "ButtonImage").empty())
      ExpectImageOf(b.Bitmap, ini_.Value(s, "ButtonImage"), s);
  }
  const auto [mdiWidth, mdiHeight] = test::BmpFileSize(SkinPath(ini_.Value("MDICONTROLS", "Image")));
  for (int i = 0; i < 3; ++i) {
    const TDataSkinSysButton& b = data_->CaptionButtons[sections.size() + i];
    EXPECT_EQ(b.Action, 7 + i);
    EXPECT_EQ(b.Bitmap.Width(), 4 * (mdiWidth / 12));
    EXPECT_EQ(b.Bitmap.Height(), mdiHeight);
  }
}

TEST_F(MainWindowSkin, ColoursFollowTheSkinDescription) {
  const std::pair<const char*, Colour TSkinColours::*> keys[] = {
      {"WindowText", &TSkinColours::ColourWindowText},       {"ButtonFace", &TSkinColours::ColourButtonFace},
      {"Scrollbar", &TSkinColours::ColourScrollbar},         {"HilightText", &TSkinColours::ColourHilightText},
      {"Hilight", &TSkinColours::ColourHilight},             {"Menubar", &TSkinColours::ColourMenubar},
      {"Menu", &TSkinColours::ColourMenu},                   {"MenuText", &TSkinColours::ColourMenuText},
      {"ButtonText", &TSkinColours::ColourButtonText},       {"ButtonHilight", &TSkinColours::ColourButtonHilight},
      {"Buttonlight", &TSkinColours::ColourButtonlight},     {"ButtonShadow", &TSkinColours::ColourButtonShadow},
      {"ButtonDkShadow", &TSkinColours::ColourButtonDkShadow}, {"MenuBarText", &TSkinColours::ColourMenuBarText},
      {"TitleTextActive", &TSkinColours::ColourTitleTextActive},
      {"TitleTextNoActive", &TSkinColours::ColourTitleTextNoActive},
  };
  for (const auto& [key, field] : keys) {
    const std::string text = ini_.Value("Colours", key);
    if (!text.empty()) {
      EXPECT_EQ(data_->*field, IniColour(text)) << key;
    }
  }
  std::vector<Colour> named;
  for (const std::string& s : ini_.Sections())
    if (Upper(s).rfind("COLOUR", 0) == 0 && Upper(s) != "COLOURS") named.push_back(IniColour(ini_.Value(s, "color")));
  EXPECT_EQ(data_->ColourList, named);
  for (int i = 0; i < 10; ++i) {
    const std::string text = ini_.Value("Customcolors", "Color" + std::to_string(i));
    if (!text.empty()) {
      EXPECT_EQ(data_->CustomColours[i], IniColour(text)) << i;
    }
  }
  LOGBRUSH brush{};
  ASSERT_TRUE(GetObjectA(data_->FaceBrush, sizeof brush, &brush));
  EXPECT_EQ(brush.lbColor, static_cast<COLORREF>(IniColour(ini_.Value("Colours", "ButtonFace"))));
}

// The program's resources reach the component: the four menu glyphs and the application icon
// on its magenta ground.
TEST_F(MainWindowSkin, ProgramResourcesReachTheComponent) {
  ASSERT_NE(data_->MenuGlyphs, nullptr);
  EXPECT_EQ(ImageList_GetImageCount(data_->MenuGlyphs), 4);
  int cx = 0, cy = 0;
  ImageList_GetIconSize(data_->MenuGlyphs, &cx, &cy);
  EXPECT_EQ(cx, 16);
  EXPECT_EQ(cy, 16);
  const Bitmap& icon = data_->AppIconBitmap;
  ASSERT_EQ(icon.Width(), GetSystemMetrics(SM_CXSMICON));
  ASSERT_EQ(icon.Height(), GetSystemMetrics(SM_CYSMICON));
  int drawn = 0;
  for (int y = 0; y < icon.Height(); ++y)
    for (int x = 0; x < icon.Width(); ++x) drawn += icon.At(x, y) != MakePixel(255, 0, 255);
  EXPECT_GT(drawn, icon.Width() * icon.Height() / 4) << "the icon is drawn onto the magenta ground";
  EXPECT_NE(data_->CaptionFont, nullptr);
}

// Read from its layout, the window's skin data switches the manager on; showing the window
// activates it, the hook starts the manager and the window passes every check.
TEST_F(MainWindowSkin, ShownWindowReachesTheManager) {
  TSkinManage* manager = TSkinManage::Instance();
  ASSERT_NE(manager, nullptr);
  EXPECT_EQ(manager->PrimarySkinData(), data_);
  EXPECT_TRUE(manager->HookInstalled());
  EXPECT_TRUE(manager->Active());
  EXPECT_EQ(manager->ReadyState(), rsNotStarted);
  form_->Show();
  test::PumpFor(100);
  EXPECT_EQ(manager->ReadyState(), rsStarted);
  ASSERT_EQ(manager->AcceptedWindows().size(), 1u);
  EXPECT_EQ(manager->AcceptedWindows()[0].window, form_->Handle());
  EXPECT_EQ(manager->AcceptedWindows()[0].skinData, data_);
}

} // namespace
} // namespace vcu
