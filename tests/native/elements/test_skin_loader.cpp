#include <gtest/gtest.h>

#include <algorithm>
#include <climits>

#include "BmpWriting.h"
#include "Bytes.h"
#include "IniFixtures.h"
#include "Pictures.h"
#include "core/elements/ElementReaders.h"
#include "core/elements/SkinEntries.h"
#include "core/platform/Platform.h"
#include "core/elements/SkinElementsLoader.h"
#include "core/image/Bmp.h"
#include "core/storage/LzhEncoder.h"
#include "core/storage/SkinArchiveWriter.h"

namespace vcu {
namespace {

using test::CoordinateBmp;

BuiltinImages TestBuiltins() {
  return BuiltinImages{test::CoordinateBitmap(16, 4, 7), test::CoordinateBitmap(4, 16, 8)};
}

std::vector<std::uint8_t> PackSkin(const std::vector<SkinArchiveEntry>& entries,
                                   std::uint32_t version = 40000) {
  return LzhEncode(WriteSkinArchive(entries, version));
}


TEST(LoadSkinArchive, ReadsAPackedSkin) {
  const std::string ini =
      "[TitlebarSkin]\nSkinName=Tiny\n[Personality]\nTop=top.bmp\nTopFrame=2\n"
      "[Colours]\nButtonText=1 2 3\n"
      "[ToolBars]\nImage=tool.bmp\nLeftWidth=2\n"
      "[Track]\nImage=tool.bmp\nFrame=3\n";
  const auto packed = PackSkin({{"Top.bmp", CoordinateBmp(30, 16)}, {"tool.bmp", CoordinateBmp(10, 4)},
                                {"skin.ini", test::TextBytes(ini)}});
  TSkinElements e;
  ASSERT_TRUE(LoadSkinArchive(packed.data(), packed.size(), TestBuiltins(), e));
  EXPECT_EQ(e.SkinName, "Tiny");
  EXPECT_EQ(e.TopBorder.Bitmap.Width(), 30);
  ASSERT_TRUE(e.ToolBars);
  EXPECT_EQ(e.ToolBars->Bitmap.Width(), 10);
  EXPECT_EQ(e.ToolBars->Frame, 5);
  // Colours are read before the elements, so second colours default to the skin's text.
  EXPECT_EQ(e.ToolBars->NormalColour2, 0x00030201);
  EXPECT_EQ(e.Track->Frame, 3);
  EXPECT_EQ(e.Track->Name, "Track");
  EXPECT_EQ(e.FrameColour, RgbColour(10, 2, 0)); // top border pixel (30/3, 16/2/3)
  EXPECT_FALSE(e.Progress);
  ASSERT_TRUE(e.ToolbarGradient);
  ASSERT_TRUE(e.ComboArrow);
  EXPECT_TRUE(e.ComboArrow->Bitmap.Empty());
}

TEST(LoadSkinArchive, UnreadableArchivesLeaveTheSlotsAlone) {
  const auto noMagic = LzhEncode(std::vector<std::uint8_t>(64, 0));
  // Archives cut short before packing: the sizes then run past the data, or the table past
  // the archive, and the reader refuses them rather than read beyond the end.
  const auto archive = WriteSkinArchive({{"skin.ini", test::TextBytes("[TitlebarSkin]\nSkinName=X\n")}}, 40000);
  std::vector<std::vector<std::uint8_t>> cases = {{}, {1, 2, 3}, noMagic};
  for (std::size_t size : {archive.size() - 1, archive.size() / 2, std::size_t{20}})
    cases.push_back(LzhEncode(std::vector<std::uint8_t>(archive.begin(), archive.begin() + size)));
  for (const auto& bytes : cases) {
    TSkinElements e;
    e.SkinName = "kept";
    e.TopBorder.Bitmap = test::CoordinateBitmap(3, 3);
    EXPECT_FALSE(LoadSkinArchive(bytes.data(), bytes.size(), TestBuiltins(), e)) << bytes.size();
    EXPECT_EQ(e.SkinName, "kept");
    EXPECT_EQ(e.TopBorder.Bitmap.Width(), 3);
    EXPECT_FALSE(e.ToolbarGradient);
  }
}

// A compressed stream cut anywhere decodes to its full length all the same (the missing input
// reads as zeros), so the load either refuses the archive and keeps the slots, or completes.
TEST(LoadSkinArchive, CompressedStreamCutAnywhereRefusesOrCompletes) {
  const auto good = PackSkin({{"skin.ini", test::TextBytes("[TitlebarSkin]\nSkinName=X\n[Scrollbar]\nImage=s.bmp\n")}});
  for (std::size_t size = 0; size < good.size(); ++size) {
    SCOPED_TRACE(size);
    TSkinElements e;
    e.SkinName = "kept";
    if (LoadSkinArchive(good.data(), size, TestBuiltins(), e)) {
      EXPECT_TRUE(e.ToolbarGradient && e.ComboArrow) << "a completed load builds the derived elements";
      EXPECT_EQ(e.CaptionButtons.size(), 3u + static_cast<std::size_t>(e.MdiButtonBase));
    } else {
      EXPECT_EQ(e.SkinName, "kept");
      EXPECT_FALSE(e.ToolbarGradient);
    }
  }
}

TEST(LoadSkinArchive, ArchiveWithoutIniGivesDefaultsAndBuiltInTracks) {
  const auto packed = PackSkin({{"top.bmp", CoordinateBmp(30, 16)}});
  TSkinElements e;
  e.Progress = std::make_unique<TDataSkinBorder>("Progress");
  ASSERT_TRUE(LoadSkinArchive(packed.data(), packed.size(), TestBuiltins(), e));
  EXPECT_FALSE(e.Progress); // released: the new skin lacks it
  EXPECT_TRUE(e.TopBorder.Bitmap.Empty());
  EXPECT_EQ(e.TopBorder.Frame, 1);
  EXPECT_EQ(e.Buttons.Frame, 5);
  EXPECT_EQ(e.CaptionButtons.size(), 3u); // the MDI buttons only
  EXPECT_EQ(e.MdiButtonBase, 0);
  EXPECT_EQ(e.ColourButtonFace, SystemColourValue(15));
  // A skin without "Track" and "TRACKVERT" uses the program's own images.
  struct Case {
    const TDataSkinObject* track;
    const char* name;
    int width, height;
    unsigned tag;
  } cases[] = {{e.Track.get(), "TRACK", 16, 4, 7}, {e.TrackVert.get(), "TRACKVERT", 4, 16, 8}};
  for (const Case& c : cases) {
    ASSERT_TRUE(c.track) << c.name;
    EXPECT_EQ(c.track->Name, c.name);
    EXPECT_EQ(c.track->Bitmap.Width(), c.width);
    EXPECT_EQ(c.track->Bitmap.Height(), c.height);
    EXPECT_EQ(c.track->Bitmap.At(c.width - 1, c.height - 1), MakePixel(c.width - 1, c.height - 1, c.tag));
    EXPECT_EQ(test::MarginList(*c.track), (std::vector<int>{3, 3, 3, 3}));
    EXPECT_EQ(c.track->Tile, 0);
    EXPECT_EQ(c.track->Frame, 1);
  }
}

TEST(LoadSkinArchive, BadImageEntries) {
  // Names that are refused or missing give an empty image on a record that still exists; an
  // entry that is not a bitmap abandons the load with the decoder's error.
  const std::string ini =
      "[ToolBars]\nImage=TOOL.BMP\nLeftWidth=2\n[MenuItem]\nImage=gone.bmp\n"
      "[HorzScroll]\nImage=tool.bmp\n";
  const auto packed = PackSkin({{"TOOL.BMP", CoordinateBmp(10, 4)}, {"tool.bmp", CoordinateBmp(10, 4)},
                                {"skin.ini", test::TextBytes(ini)}});
  TSkinElements e;
  ASSERT_TRUE(LoadSkinArchive(packed.data(), packed.size(), TestBuiltins(), e));
  ASSERT_TRUE(e.ToolBars && e.MenuItem);
  EXPECT_TRUE(e.ToolBars->Bitmap.Empty());
  EXPECT_EQ(e.ToolBars->LeftWidth, 2);
  EXPECT_TRUE(e.MenuItem->Bitmap.Empty());
  EXPECT_EQ(e.HorzScroll->Bitmap.Width(), 10);

  const auto broken = PackSkin({{"tool.bmp", test::TextBytes("BM but nothing else")}, {"skin.ini", test::TextBytes(ini)}});
  try {
    LoadSkinArchive(broken.data(), broken.size(), TestBuiltins(), e);
    ADD_FAILURE() << "a broken bitmap entry loaded";
  } catch (const EInvalidBitmap& error) {
    EXPECT_EQ(error.Entry(), "tool.bmp");
    EXPECT_NE(std::string(error.what()).find("\"tool.bmp\""), std::string::npos) << error.what();
  }
}

TEST(ReadSkinElements, TabPaneMarginsLimitedToFour) {
  struct Case {
    int in, out;
  } cases[] = {{9, 4}, {5, 4}, {4, 4}, {3, 3}, {0, 0}, {-2, -2}};
  for (const Case& c : cases) {
    const std::string v = std::to_string(c.in);
    const std::string ini = "[Tab.Pane]\nImage=p.bmp\nLeftWidth=" + v + "\nTopHeight=" + v +
                            "\nRightWidth=" + v + "\nBottomHeight=" + v + "\n";
    MemoryEntries entries;
    entries.Add("p.bmp", CoordinateBmp(12, 12)).AddText("skin.ini", ini);
    TSkinElements e;
    LoadSkinElements(entries, TestBuiltins(), e);
    ASSERT_TRUE(e.TabPane);
    EXPECT_EQ(test::MarginList(*e.TabPane), (std::vector<int>{c.out, c.out, c.out, c.out})) << c.in;
  }
}

TEST(ReadSkinElements, ReloadReplacesEverySlot) {
  MemoryEntries full, bare;
  full.Add("a.bmp", CoordinateBmp(8, 8))
      .AddText("skin.ini", "[ComboButton]\nImage=a.bmp\n[Scrollbar]\nImage=a.bmp\n"
                           "[ButtonClose]\nAction=0\n[ColourX]\ncolor=1 1 1\n");
  bare.AddText("other.ini", "[TitlebarSkin]\nSkinName=Bare\n");
  TSkinElements e;
  LoadSkinElements(full, TestBuiltins(), e);
  ASSERT_TRUE(e.Scrollbar && e.ComboButton);
  EXPECT_EQ(e.ComboArrow->Bitmap.Width(), 8);
  EXPECT_EQ(e.CaptionButtons.size(), 4u);
  EXPECT_EQ(e.ColourList.size(), 1u);
  TDataSkinObject* gradient = e.ToolbarGradient.get();
  LoadSkinElements(bare, TestBuiltins(), e);
  EXPECT_EQ(e.SkinName, "Bare");
  EXPECT_FALSE(e.Scrollbar);
  EXPECT_FALSE(e.ComboButton);
  EXPECT_TRUE(e.ComboArrow->Bitmap.Empty());
  EXPECT_EQ(e.CaptionButtons.size(), 3u);
  EXPECT_TRUE(e.ColourList.empty());
  EXPECT_EQ(e.ToolbarGradient.get(), gradient); // made once, refilled
}

// An 8-bit RLE bitmap of width x height pixels whose whole pixel data is "end of bitmap": a
// few dozen bytes that declare millions of pixels.
std::vector<std::uint8_t> RleBomb(int width, int height) {
  std::vector<std::uint8_t> bmp(14 + 40 + 8 + 2, 0);
  auto put32 = [&](std::size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) bmp[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
  };
  bmp[0] = 'B', bmp[1] = 'M';
  put32(2, static_cast<std::uint32_t>(bmp.size()));
  put32(10, 14 + 40 + 8);
  put32(14, 40);
  put32(18, static_cast<std::uint32_t>(width));
  put32(22, static_cast<std::uint32_t>(height));
  bmp[26] = 1;             // planes
  bmp[28] = 8;             // bits per pixel
  bmp[30] = 1;             // RLE8
  put32(46, 2);            // colours used
  bmp[bmp.size() - 1] = 1; // 0, 1: end of bitmap
  return bmp;
}

TEST(ReadSkinElements, TheSkinsPixelsAreCappedBeforeTheyAreAllocated) {
  // Half the cap, then small images, then a bitmap that is allowed on its own but takes the
  // skin past the cap: the load stops at that entry, named in one line.
  const std::string ini = "[ToolBars]\nImage=a.bmp\n[ComboButton]\nImage=b.bmp\n"
                          "[SunkEdge]\nImage=c.bmp\n[MenuItem]\nImage=d.bmp\n";
  const auto half = RleBomb(4096, 2048), whole = RleBomb(4096, 4096);
  MemoryEntries entries;
  entries.Add("a.bmp", half).Add("b.bmp", RleBomb(1, 1)).Add("c.bmp", CoordinateBmp(8, 8));
  entries.Add("d.bmp", whole).AddText("skin.ini", ini);
  TSkinElements e;
  try {
    LoadSkinElements(entries, TestBuiltins(), e);
    ADD_FAILURE() << "a skin past the pixel cap loaded";
  } catch (const ESkinTooLarge& error) {
    EXPECT_EQ(error.Entry(), "d.bmp");
    const std::string message = error.what();
    EXPECT_NE(message.find("\"d.bmp\" (4096 x 4096)"), std::string::npos) << message;
    EXPECT_EQ(message.find('\n'), std::string::npos) << message;
  }
  // The cap is per load: the skin without its last entry loads, and loads again.
  MemoryEntries fits;
  fits.Add("a.bmp", half).Add("b.bmp", RleBomb(1, 1)).Add("c.bmp", CoordinateBmp(8, 8));
  fits.AddText("skin.ini", ini);
  for (int load = 0; load < 2; ++load) {
    LoadSkinElements(fits, TestBuiltins(), e);
    ASSERT_TRUE(e.ToolBars);
    EXPECT_EQ(e.ToolBars->Bitmap.Height(), 2048);
  }
}

TEST(ReadSkinElements, ExtremeMarginsAndFrameCountsLoad) {
  // INI numbers at the ends of int: the composition of the combo faces sums margins and
  // divides by frame counts, and must neither overflow nor read outside the images.
  const char* const values[] = {"2147483647", "-2147483648", "4294967295", "0x7FFFFFFF", "-1"};
  for (const char* v : values) {
    const std::string value = v;
    const std::string ini = "[ComboButton]\nImage=c.bmp\nLeftWidth=" + value + "\nRightWidth=" +
                            value + "\nTopHeight=" + value + "\nBottomHeight=" + value +
                            "\n[SunkEdge]\nImage=s.bmp\nLeftWidth=" + value + "\nTopHeight=" +
                            value + "\n[ExtraImages]\nImage=c.bmp\n"
                            "[HorzScrollThumb]\nImage=s.bmp\nFrameCount=" + value + "\n";
    MemoryEntries entries;
    entries.Add("c.bmp", CoordinateBmp(68, 21)).Add("s.bmp", CoordinateBmp(32, 8)).AddText("skin.ini", ini);
    TSkinElements e;
    LoadSkinElements(entries, TestBuiltins(), e);
    ASSERT_TRUE(e.ComboButton && e.ComboArrow) << v;
    EXPECT_EQ(e.ComboButton->Bitmap.Width(), 200) << v; // four 50-pixel faces
    EXPECT_EQ(e.ComboArrow->Bitmap.Width(), 4 * 17) << v;
  }
}

// The system's scroll-arrow width, as an accessibility setting makes it.
class ScrollBarPlatform final : public PlatformInfo {
public:
  explicit ScrollBarPlatform(int arrow) : arrow_(arrow) {}
  Rgb SystemColour(int index) const override { return classic_.SystemColour(index); }
  int SystemMetric(int index) const override {
    return index == 21 || index == 3 ? arrow_ : classic_.SystemMetric(index); // SM_CX/CYHSCROLL
  }

private:
  ClassicPlatform classic_;
  int arrow_;
};

TEST(ReadSkinElements, ComboFacesWithLargeSystemScrollBars) {
  // The edit area of a combo face lies left of the button, which is the arrow width plus 2
  // wide. From 45 pixels on there is no edit area left to cut out of the 50-pixel face.
  const std::string ini = "[ComboButton]\nImage=c.bmp\n[SunkEdge]\nImage=s.bmp\n"
                          "[ExtraImages]\nImage=c.bmp\n";
  MemoryEntries entries;
  entries.Add("c.bmp", CoordinateBmp(68, 21)).Add("s.bmp", CoordinateBmp(32, 8)).AddText("skin.ini", ini);
  const Pixel magenta = MakePixel(255, 0, 255);
  struct Case {
    int arrow;
    bool editAreaCutOut;
  } cases[] = {{16, true}, {44, true}, {45, false}, {46, false}, {60, false}, {500, false},
               {1 << 20, false}, {INT_MAX, false}, {-40, true}};
  for (const Case& c : cases) {
    ScrollBarPlatform platform(c.arrow);
    SetPlatform(&platform);
    TSkinElements e;
    LoadSkinElements(entries, TestBuiltins(), e);
    SetPlatform(nullptr);
    ASSERT_TRUE(e.ComboButton) << c.arrow;
    const Bitmap& faces = e.ComboButton->Bitmap;
    ASSERT_EQ(faces.Width(), 200) << c.arrow;
    EXPECT_EQ(faces.At(2, 10) == magenta, c.editAreaCutOut) << c.arrow;
    EXPECT_EQ(e.ComboButton->RightWidth, std::clamp(c.arrow, 0, kMaxBitmapSide - 2) + 4) << c.arrow;
  }
}

} // namespace
} // namespace vcu
