// The skin check on real skin folders: our skins report no error; a copy of the default skin
// broken in one place reports that fault, on one line of its own, with its section and key;
// a damaged or foreign skin file is reported, never read out of bounds.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <random>

#include "BmpWriting.h"
#include "core/elements/SkinEntries.h"
#include "core/skincheck/SkinCheck.h"
#include "core/storage/ArchiveMessages.h"
#include "core/storage/LzhEncoder.h"
#include "core/storage/SkinArchiveWriter.h"

namespace vcu {
namespace {

namespace fs = std::filesystem;

const fs::path kSkins = fs::path(VCU_SOURCE_DIR) / "skins";

std::string Lines(const std::vector<Finding>& findings) {
  std::string text;
  for (const Finding& f : findings) text += FindingLine(f) + "\n";
  return text;
}

std::string ReadText(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteBytes(const fs::path& file, const std::vector<std::uint8_t>& bytes) {
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

void WriteText(const fs::path& file, const std::string& text) {
  WriteBytes(file, std::vector<std::uint8_t>(text.begin(), text.end()));
}

// A skin folder's files packed as skinpack packs them: version 40000, the INI last.
std::vector<std::uint8_t> Packed(const fs::path& folder) {
  const MemoryEntries files = ReadFolderEntries(folder.string());
  std::vector<SkinArchiveEntry> entries;
  for (const std::string& name : files.Names()) {
    entries.push_back({name, {}});
    files.ExtractEntry(name, entries.back().data);
  }
  std::stable_partition(entries.begin(), entries.end(), [](const SkinArchiveEntry& e) {
    return e.name.find(".ini") == std::string::npos;
  });
  return LzhEncode(WriteSkinArchive(entries, 40000));
}

// A copy of skins/default in a folder of its own, removed afterwards.
class SkinCopy {
public:
  SkinCopy() {
    std::random_device seed;
    dir_ = fs::temp_directory_path() / ("skincheck-" + std::to_string(seed()));
    fs::create_directories(dir_);
    fs::copy(kSkins / "default", dir_, fs::copy_options::recursive);
  }
  ~SkinCopy() {
    std::error_code ignored;
    fs::remove_all(dir_, ignored);
  }
  SkinCopy(const SkinCopy&) = delete;
  SkinCopy& operator=(const SkinCopy&) = delete;

  const fs::path& Dir() const { return dir_; }
  fs::path File(const std::string& name) const { return dir_ / name; }

  // Sets the line of key in section (the first one, or a new one under the header) to
  // "key=value"; with key empty, adds value as a line of its own under the header.
  void SetKey(const std::string& section, const std::string& key, const std::string& value) {
    std::string text = ReadText(File("skin.ini"));
    const std::size_t header = text.find("[" + section + "]");
    ASSERT_NE(header, std::string::npos) << section;
    const std::size_t bodyStart = text.find('\n', header) + 1;
    const std::size_t bodyEnd = std::min(text.find("\n[", bodyStart), text.size());
    const std::size_t line = key.empty() ? std::string::npos : text.find("\n" + key + "=", bodyStart - 1);
    const std::string newLine = key.empty() ? value : key + "=" + value;
    if (line != std::string::npos && line < bodyEnd) {
      const std::size_t end = text.find('\n', line + 1);
      text.replace(line + 1, end - line - 1, newLine);
    } else {
      text.insert(bodyStart, newLine + "\n");
    }
    WriteText(File("skin.ini"), text);
  }

private:
  fs::path dir_;
};

// Every skin we ship has no error, read from its folder or packed.
class ShippedSkin : public testing::TestWithParam<const char*> {};

TEST_P(ShippedSkin, HasNoErrorInItsFolderOrItsPackedFile) {
  const fs::path folder = kSkins / GetParam();
  const std::vector<Finding> fromFolder = CheckSkinFolder(folder.string());
  EXPECT_FALSE(HasErrors(fromFolder)) << Lines(fromFolder);
  const std::vector<std::uint8_t> file = Packed(folder);
  const std::vector<Finding> fromFile = CheckSkinFile(file.data(), file.size());
  EXPECT_FALSE(HasErrors(fromFile)) << Lines(fromFile);
  EXPECT_EQ(Lines(fromFile), Lines(fromFolder));
}

INSTANTIATE_TEST_SUITE_P(Skins, ShippedSkin, testing::Values("default", "midnight"));

// The default skin has no warning either, so that the one finding of each broken copy below is
// the broken part's own.
TEST(SkinCheck, DefaultSkinHasNoWarningEither) {
  EXPECT_EQ(Lines(CheckSkinFolder((kSkins / "default").string())), "");
}

struct Break {
  const char* what;
  std::function<void(SkinCopy&)> apply;
  Severity severity;
  const char* section;
  const char* key;
  const char* text; // a part of the finding's text
};

std::ostream& operator<<(std::ostream& out, const Break& b) { return out << b.what; }

std::vector<std::uint8_t> Bmp(int width, int height) {
  return test::Bmp24(width, height, [](int x, int y) { return static_cast<std::uint32_t>(x * 7 + y); });
}

// A run-length file that declares width x height pixels in a few bytes (all of palette colour
// 0: the data ends the image at once).
std::vector<std::uint8_t> LargeRleBmp(int width, int height) {
  test::BmpFields f;
  f.width = width;
  f.height = height;
  f.bits = 8;
  f.compression = 1; // RLE8
  f.palette = {0x808080};
  f.pixels = {0, 1}; // end of bitmap
  return test::MakeBmp(f);
}

const Break kBreaks[] = {
    {"a bitmap deleted", [](SkinCopy& s) { fs::remove(s.File("tabs.bmp")); },
     Severity::Error, "Tabs", "Image", "\"tabs.bmp\", which the skin does not hold"},
    {"a bitmap truncated", [](SkinCopy& s) { fs::resize_file(s.File("button.bmp"), 40); },
     Severity::Error, "Buttons", "Bitmap", "\"button.bmp\" is not a valid BMP"},
    {"a garbage bitmap", [](SkinCopy& s) { WriteText(s.File("menu_item.bmp"), std::string(300, 'x')); },
     Severity::Error, "MenuItem", "Image", "no BM signature"},
    {"bitmaps past the skin's pixel limit", [](SkinCopy& s) {
       WriteBytes(s.File("toolbars.bmp"), LargeRleBmp(2100, 4096));
       WriteBytes(s.File("menu_item.bmp"), LargeRleBmp(2100, 4096)); },
     Severity::Error, "MenuItem", "Image", "\"menu_item.bmp\" takes the skin's bitmaps past the 16777216 pixels"},
    {"a width not divisible by a fixed frame count", [](SkinCopy& s) { WriteBytes(s.File("toolbars.bmp"), Bmp(81, 16)); },
     Severity::Error, "ToolBars", "Image", "width 81 does not divide into 5 frames (the engine always takes 5)"},
    {"a width not divisible by the INI's frame count", [](SkinCopy& s) { s.SetKey("ButtonClose", "frame", "3"); },
     Severity::Error, "ButtonClose", "ButtonImage", "width 80 does not divide into 3 frames (frame)"},
    {"a stacked strip not divisible", [](SkinCopy& s) { s.SetKey("Personality", "TopFrame", "7"); },
     Severity::Error, "Personality", "Top", "height 60 does not divide into 7 frames (stacked) (TopFrame)"},
    {"an MDI strip not in twelve", [](SkinCopy& s) { WriteBytes(s.File("mdi_controls.bmp"), Bmp(170, 14)); },
     Severity::Error, "MDICONTROLS", "Image", "width 170 does not divide into the 12 frames"},
    {"side margins wider than a frame", [](SkinCopy& s) { s.SetKey("Buttons", "LeftWidth", "9"); },
     Severity::Error, "Buttons", "LeftWidth", "9 + 4 are wider than a frame (12 pixels)"},
    {"top and bottom margins taller than a frame", [](SkinCopy& s) { s.SetKey("HorzScrollThumb", "TopHeight", "9"); s.SetKey("HorzScrollThumb", "BottomHeight", "9"); },
     Severity::Error, "HorzScrollThumb", "TopHeight", "9 + 9 are taller than a frame (17 pixels)"},
    {"a border's ends longer than the border", [](SkinCopy& s) { s.SetKey("Personality", "LeftTopHeight", "33"); },
     Severity::Error, "Personality", "LeftTopHeight", "33 + 4 are taller than a frame (36 pixels)"},
    {"a colour that does not parse", [](SkinCopy& s) { s.SetKey("Colours", "ButtonFace", "12x4"); },
     Severity::Error, "Colours", "ButtonFace", "colour \"12x4\" does not parse"},
    {"a colour component above 255", [](SkinCopy& s) { s.SetKey("Customcolors", "Color3", "226,238,256"); },
     Severity::Error, "Customcolors", "Color3", "colour \"226,238,256\" does not parse"},
    {"a state colour that is no number", [](SkinCopy& s) { s.SetKey("Tabs", "NormalColour", "red"); },
     Severity::Error, "Tabs", "NormalColour", "colour \"red\" does not parse"},
    {"an unknown key", [](SkinCopy& s) { s.SetKey("Tabs", "TopHieght", "4"); },
     Severity::Warning, "Tabs", "TopHieght", "unknown key; nothing reads it (did you mean TopHeight?)"},
    {"an unknown section", [](SkinCopy& s) { WriteText(s.File("skin.ini"), ReadText(s.File("skin.ini")) + "[Trackbar.Thumb]\nImage=slider_up.bmp\n"); },
     Severity::Warning, "Trackbar.Thumb", "", "unknown section"},
    {"an unknown Action", [](SkinCopy& s) { s.SetKey("ButtonMinimize", "Action", "5"); },
     Severity::Error, "ButtonMinimize", "Action", "Action 5 is none the engine knows"},
    {"an MDI child's Action on the title bar", [](SkinCopy& s) { s.SetKey("ButtonMinimize", "Action", "9"); },
     Severity::Warning, "ButtonMinimize", "Action", "Action 9 acts on a maximised MDI child"},
    {"an unknown Align", [](SkinCopy& s) { s.SetKey("ButtonClose", "Align", "7"); },
     Severity::Error, "ButtonClose", "Align", "Align 7 is none the engine knows"},
    {"an image name in capitals", [](SkinCopy& s) { s.SetKey("Headerbar", "Image", "header_bar.BMP"); },
     Severity::Warning, "Headerbar", "Image", "is not a .bmp name"},
    {"an element without its image key", [](SkinCopy& s) { s.SetKey("Tab.Pane", "Image", ""); },
     Severity::Warning, "Tab.Pane", "Image", "missing: without it the element is not drawn"},
    {"a fixed frame count written otherwise", [](SkinCopy& s) { s.SetKey("ToolBars", "Frame", "4"); },
     Severity::Warning, "ToolBars", "Frame", "the engine takes 5 frames for this element, not 4"},
    {"a file no key names", [](SkinCopy& s) { WriteBytes(s.File("spare.bmp"), Bmp(4, 4)); },
     Severity::Warning, "", "spare.bmp", "no key of the INI names this file"},
    {"the INI replaced by garbage", [](SkinCopy& s) { WriteText(s.File("skin.ini"), std::string("\x01\x02garbage\xff", 11)); },
     Severity::Error, "", "skin.ini", "has no [section]"},
    {"no INI at all", [](SkinCopy& s) { fs::remove(s.File("skin.ini")); },
     Severity::Error, "", "", "holds no INI description"},
};

class BrokenSkin : public testing::TestWithParam<Break> {};

// The copy reports the break and nothing else: one finding, its own severity, section and key.
TEST_P(BrokenSkin, ReportsItsFaultOnALineOfItsOwn) {
  const Break& b = GetParam();
  SkinCopy skin;
  b.apply(skin);
  const std::vector<Finding> findings = CheckSkinFolder(skin.Dir().string());
  ASSERT_EQ(findings.size(), 1u) << Lines(findings);
  const Finding& f = findings[0];
  EXPECT_EQ(f.severity, b.severity) << FindingLine(f);
  EXPECT_EQ(f.section, b.section) << FindingLine(f);
  EXPECT_EQ(f.key, b.key) << FindingLine(f);
  EXPECT_NE(f.text.find(b.text), std::string::npos) << FindingLine(f);
  EXPECT_EQ(HasErrors(findings), b.severity == Severity::Error);
}

INSTANTIATE_TEST_SUITE_P(Breaks, BrokenSkin, testing::ValuesIn(kBreaks));

// Several faults at once: each is found, and a bitmap the engine could not load does not hide
// the faults of the other elements.
TEST(SkinCheck, FindsEveryFaultOfASkinBrokenInManyPlaces) {
  SkinCopy skin;
  fs::resize_file(skin.File("button.bmp"), 40);
  skin.SetKey("ToolBars", "LeftWidth", "40");
  skin.SetKey("Colours", "Menu", "1,2");
  skin.SetKey("ButtonClose", "Align", "-3");
  const std::string lines = Lines(CheckSkinFolder(skin.Dir().string()));
  EXPECT_NE(lines.find("error: [Buttons] Bitmap: \"button.bmp\" is not a valid BMP"), std::string::npos) << lines;
  EXPECT_NE(lines.find("error: [ToolBars] LeftWidth: left and right margins 40 + 4"), std::string::npos) << lines;
  EXPECT_NE(lines.find("error: [Colours] Menu: colour \"1,2\" does not parse"), std::string::npos) << lines;
  EXPECT_NE(lines.find("error: [ButtonClose] Align: Align -3"), std::string::npos) << lines;
}

// A skin file that is no skin, or a damaged one, is one error; the checker reads nothing out of
// bounds on the way (the sanitizers watch).
int readerMessages = 0;
void CountReaderMessage(const std::string&) { ++readerMessages; }

// Found and reported by the check alone: the reader's own message to the user stays unshown
// (a program trying a file before it uses it shows one message, its own).
TEST(SkinCheck, ReportsADamagedOrForeignSkinFile) {
  const std::vector<std::uint8_t> good = Packed(kSkins / "default");
  std::vector<std::uint8_t> garbage(5000);
  std::mt19937 random(7);
  for (std::uint8_t& byte : garbage) byte = static_cast<std::uint8_t>(random());
  const std::vector<std::uint8_t> cut(good.begin(), good.begin() + static_cast<std::ptrdiff_t>(good.size() / 3));
  std::vector<std::uint8_t> flipped = good;
  for (std::size_t i = 8; i < 40; ++i) flipped[i] ^= 0x5A;
  const ArchiveMessageHook before = SetArchiveMessageHook(CountReaderMessage);
  readerMessages = 0;
  for (const std::vector<std::uint8_t>* file : std::initializer_list<const std::vector<std::uint8_t>*>{&garbage, &cut, &flipped}) {
    const std::vector<Finding> findings = CheckSkinFile(file->data(), file->size());
    ASSERT_FALSE(findings.empty());
    EXPECT_TRUE(HasErrors(findings)) << Lines(findings);
  }
  EXPECT_EQ(readerMessages, 0);
  EXPECT_EQ(SetArchiveMessageHook(before), &CountReaderMessage) << "the program's hook is back";
  const std::vector<Finding> none = CheckSkinFile(nullptr, 0);
  ASSERT_EQ(none.size(), 1u);
  EXPECT_EQ(FindingLine(none[0]), "error: not a skin file, or a damaged one: its archive cannot be read");
}

TEST(SkinCheck, LinesAndSummary) {
  const std::vector<Finding> findings = {
      {Severity::Error, "Tabs", "Image", "bad"},
      {Severity::Warning, "", "spare.bmp", "unused"},
      {Severity::Warning, "Odd\nName", "", "unknown section"},
  };
  EXPECT_EQ(Lines(findings),
            "error: [Tabs] Image: bad\n"
            "warning: spare.bmp: unused\n"
            "warning: [Odd\\nName] unknown section\n");
  EXPECT_EQ(FindingsSummary(findings), "1 error, 2 warnings");
  EXPECT_EQ(FindingsSummary({}), "0 errors, 0 warnings");
}

} // namespace
} // namespace vcu
