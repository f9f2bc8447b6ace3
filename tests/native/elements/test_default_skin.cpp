// Our default skin (skins/default), read from its folder and from its packed form, checked
// against what its skin.ini and bitmaps must give by the reading rules. The expectations come
// from SkinDescription, which reads the folder by those rules apart from the element readers,
// and compares images pixel by pixel with the bitmap files.
#include <gtest/gtest.h>

#include <map>
#include <memory>

#include "ElementChecks.h"
#include "SkinDescription.h"
#include "core/elements/SkinElementsLoader.h"
#include "core/elements/SkinEntries.h"
#include "core/platform/Platform.h"
#include "core/storage/LzhEncoder.h"
#include "core/storage/SkinArchiveWriter.h"

namespace vcu {
namespace {

const std::string kSkinFolder = std::string(VCU_SOURCE_DIR) + "/skins/default";
constexpr int kSmCxHScroll = 21;

enum class Source { Folder, Packed };

// Packed as the build packs it: version 40000, the INI last, LZH-compressed.
std::vector<std::uint8_t> PackedFolder() {
  std::vector<SkinArchiveEntry> entries;
  const MemoryEntries folder = ReadFolderEntries(kSkinFolder);
  for (const std::string& name : folder.Names())
    if (name != "skin.ini") {
      entries.push_back({name, {}});
      folder.ExtractEntry(name, entries.back().data);
    }
  entries.push_back({"skin.ini", {}});
  folder.ExtractEntry("skin.ini", entries.back().data);
  return LzhEncode(WriteSkinArchive(entries, 40000));
}

const TSkinElements& Loaded(Source source) {
  static std::map<Source, std::unique_ptr<TSkinElements>> loads;
  std::unique_ptr<TSkinElements>& e = loads[source];
  if (!e) {
    e = std::make_unique<TSkinElements>();
    if (source == Source::Folder) {
      LoadSkinElements(ReadFolderEntries(kSkinFolder), BuiltinImages{}, *e);
    } else {
      const auto packed = PackedFolder();
      EXPECT_TRUE(LoadSkinArchive(packed.data(), packed.size(), BuiltinImages{}, *e));
    }
  }
  return *e;
}

const test::SkinDescription& Description() {
  static const test::SkinDescription d = test::DescribeSkinFolder(kSkinFolder, Platform().SystemMetric(kSmCxHScroll));
  return d;
}

class DefaultSkin : public ::testing::TestWithParam<Source> {
protected:
  const TSkinElements& e_ = Loaded(GetParam());
  const test::SkinDescription& d_ = Description();

  void ExpectSlots(std::initializer_list<const char*> slots) {
    for (const char* slot : slots) {
      ASSERT_TRUE(d_.Slot(slot).has_value()) << "the default skin describes " << slot;
      test::ExpectSlot(e_, slot, d_.Slot(slot));
    }
  }
};

TEST_P(DefaultSkin, NameAndColourTable) {
  ASSERT_EQ(d_.skinName, "Vantorix Slate") << "no skin.ini in " << kSkinFolder;
  EXPECT_EQ(e_.SkinName, d_.skinName);
  for (const auto& [field, value] : d_.colours) EXPECT_EQ(test::ColourField(e_, field), value) << field;
  EXPECT_EQ(e_.ColourList, d_.colourList);
  EXPECT_EQ(std::vector<Colour>(e_.CustomColours.begin(), e_.CustomColours.end()), d_.customColours);
  EXPECT_EQ(e_.FrameColour, d_.frameColour);
}

TEST_P(DefaultSkin, WindowFrameTitleAndPushButtons) {
  ExpectSlots({"LeftBorder", "RightBorder", "TopBorder", "BottomBorder", "TitleText", "MenuBar", "Buttons"});
}

TEST_P(DefaultSkin, ControlElements) {
  ExpectSlots({"Progress", "ProgressChunk", "GroupBoxEdge", "GroupBox", "Tabs", "StatusBarEdges", "TabPane",
               "ToolBars", "ExtraImages", "Headerbar", "MenuItem", "MenuBackground", "Scrollbar", "HorzScroll",
               "VertScroll", "HorzScrollThumb", "VertScrollThumb", "TrackbarThumbHorz", "TrackbarThumbVert",
               "TrackbarThumbLeft", "TrackbarThumbRight", "TrackbarThumbUp", "TrackbarThumbDown", "UpDownHorz",
               "UpDownVert", "Track", "TrackVert"});
}

// The combo faces, the arrows cut from them and the tool-bar ramp are composed after reading:
// their sizes, frame counts and margins follow from the skin; their pixels are the composing
// steps' own tests.
TEST_P(DefaultSkin, ComposedElements) {
  ExpectSlots({"ComboButton", "SunkEdge", "ComboArrow", "ToolbarGradient"});
}

TEST_P(DefaultSkin, CaptionButtons) {
  ASSERT_EQ(e_.MdiButtonBase, d_.mdiButtonBase);
  ASSERT_EQ(e_.CaptionButtons.size(), d_.captionButtons.size());
  for (std::size_t i = 0; i < d_.captionButtons.size(); ++i)
    test::ExpectRecord(e_.CaptionButtons[i], d_.captionButtons[i], "caption button " + std::to_string(i));
}

INSTANTIATE_TEST_SUITE_P(FolderAndPacked, DefaultSkin, ::testing::Values(Source::Folder, Source::Packed),
                         [](const auto& info) { return info.param == Source::Folder ? "Folder" : "Packed"; });

} // namespace
} // namespace vcu
