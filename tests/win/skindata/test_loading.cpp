// Reading the stored skin: the SkinStream framing, LoadSkin on good and broken archives, and
// a skin file named at run time.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "SkinDataTesting.h"
#include "SkinLayoutText.h"
#include "core/storage/ArchiveMessages.h"
#include "core/storage/LzhEncoder.h"
#include "framework/Forms.h"
#include "framework/LayoutReader.h"
#include "skin/data/WinSkinData.h"
#include "skin/form/SkinManage.h"

namespace vcu {
namespace {

using test::Bytes;
using test::BmpFile;
using test::PackSkin;
using test::StreamOf;
using test::TextBytes;

// A small complete skin: a top border of 30 x 8 and a tiled-centre group box edge.
Bytes SmallSkin(const std::string& extraIni = "", std::vector<std::pair<std::string, Bytes>> extraEntries = {}) {
  std::vector<std::pair<std::string, Bytes>> entries = {
      {"top.bmp", BmpFile(30, 8)},
      {"edge.bmp", BmpFile(12, 6)},
  };
  entries.insert(entries.end(), extraEntries.begin(), extraEntries.end());
  entries.push_back({"skin.ini", TextBytes("[TitlebarSkin]\nSkinName=Small\n[Personality]\nTop=top.bmp\n"
                                           "[GroupBoxEdge]\nImage=edge.bmp\nLeftWidth=2\n" + extraIni)});
  return PackSkin(entries);
}

class SkinLoading : public ::testing::Test {
protected:
  void SetUp() override { test::TakeArchiveMessages(); }
  test::ManagerScope scope_;
};

TEST_F(SkinLoading, StreamWrittenBackIsByteIdentical) {
  for (const Bytes& archive : {SmallSkin(), test::ReadFileBytes(VCU_STORED_SKIN_FILE)}) {
    TSkinData data(nullptr);
    const Bytes stream = StreamOf(archive);
    data.ReadSkinStream(stream);
    EXPECT_FALSE(data.SkinEmpty);
    Bytes written;
    data.WriteSkinStream(written);
    EXPECT_EQ(written, stream);
  }
  TSkinData empty(nullptr);
  Bytes written;
  empty.WriteSkinStream(written);
  EXPECT_EQ(written, Bytes(4, 0)); // the length alone
}

TEST_F(SkinLoading, GoodSkinFillsItsSlots) {
  TSkinData data(nullptr);
  data.ReadSkinStream(StreamOf(SmallSkin()));
  ASSERT_FALSE(data.SkinEmpty);
  EXPECT_EQ(data.SkinName, "Small");
  EXPECT_EQ(data.TopBorder.Bitmap.Width(), 30);
  ASSERT_TRUE(data.GroupBoxEdge);
  EXPECT_EQ(data.GroupBoxEdge->Bitmap.Width(), 12);
  EXPECT_EQ(data.GroupBoxEdge->LeftWidth, 2);
  EXPECT_FALSE(data.Progress);
  ASSERT_NE(data.FaceBrush, nullptr);
}

// A length of 0 or less reads nothing more, and a length beyond the data is refused rather
// than read past its end: in each case the archive held before stays, and nothing is decoded.
TEST_F(SkinLoading, StreamFramesThatHoldNoSkin) {
  const Bytes held = {1, 2, 3};
  const struct {
    const char* name;
    Bytes stream;
  } cases[] = {
      {"length 0", {0, 0, 0, 0}},
      {"negative length", {0xFF, 0xFF, 0xFF, 0xFF, 9, 9}},
      {"length beyond the data", {100, 0, 0, 0, 1, 2, 3}},
      {"shorter than the length word", {5, 0}},
  };
  for (const auto& c : cases) {
    TSkinData data(nullptr);
    data.SkinArchive = held;
    data.ReadSkinStream(c.stream);
    EXPECT_EQ(data.SkinArchive, held) << c.name;
    EXPECT_TRUE(data.SkinEmpty) << c.name;
  }
}

// The slots keep what they held when the archive cannot be opened at all; an archive of an
// unknown kind has the reader tell the user it is an older skin file.
TEST_F(SkinLoading, UnreadableArchiveKeepsTheSkinUnread) {
  const struct {
    const char* name;
    Bytes archive;
    std::vector<std::string> messages;
  } cases[] = {
      {"empty", {}, {}},
      {"not compressed data", TextBytes("plainly not a skin archive at all"), {}},
      {"compressed, of no known kind", LzhEncode(Bytes(400, 0x5A)), {kOlderSkinFileMessage}},
  };
  for (const auto& c : cases) {
    TSkinData data(nullptr);
    data.ReadSkinStream(StreamOf(SmallSkin()));
    ASSERT_EQ(data.TopBorder.Bitmap.Width(), 30);
    data.SkinArchive = c.archive;
    EXPECT_FALSE(data.LoadSkin()) << c.name;
    EXPECT_TRUE(data.SkinEmpty) << c.name;
    EXPECT_EQ(data.TopBorder.Bitmap.Width(), 30) << c.name;
    EXPECT_EQ(test::TakeArchiveMessages(), c.messages) << c.name;
  }
}

// What the skin lacks or names wrongly leaves a slot empty, or an element without its image;
// the load still completes.
TEST_F(SkinLoading, MissingPartsGiveEmptySlotsOrImages) {
  TSkinData data(nullptr);
  data.ReadSkinStream(StreamOf(SmallSkin("[Progress.Chunk]\nLeftWidth=3\n"
                                         "[MenuItem]\nImage=missing.bmp\nLeftWidth=4\n"
                                         "[SunkEdge]\nImage=upper.BMP\n"
                                         "[ToolBars]\nImage=lower.bmp\n",
                                         {{"upper.BMP", BmpFile(8, 8)}, {"lower.bmp", BmpFile(8, 8)}})));
  ASSERT_FALSE(data.SkinEmpty);
  EXPECT_FALSE(data.ProgressChunk) << "a section without its image key";
  ASSERT_TRUE(data.MenuItem);
  EXPECT_TRUE(data.MenuItem->Bitmap.Empty()) << "an image naming no entry";
  EXPECT_EQ(data.MenuItem->LeftWidth, 4);
  ASSERT_TRUE(data.SunkEdge);
  EXPECT_TRUE(data.SunkEdge->Bitmap.Empty()) << "an image named .BMP";
  ASSERT_TRUE(data.ToolBars);
  EXPECT_EQ(data.ToolBars->Bitmap.Width(), 8) << "the same image named .bmp loads";
}

TEST_F(SkinLoading, ArchiveWithoutIniCompletesWithDefaults) {
  TSkinData data(nullptr);
  data.SkinArchive = PackSkin({{"top.bmp", BmpFile(30, 8)}});
  EXPECT_TRUE(data.LoadSkin());
  EXPECT_FALSE(data.SkinEmpty);
  EXPECT_TRUE(data.TopBorder.Bitmap.Empty());
  EXPECT_FALSE(data.GroupBoxEdge);
  // The track images then come from the program's resources.
  ASSERT_TRUE(data.Track);
  EXPECT_EQ(data.Track->Bitmap.Width(), 16);
  EXPECT_EQ(data.Track->Bitmap.Height(), 4);
  EXPECT_EQ(data.Track->LeftWidth, 3);
  ASSERT_TRUE(data.TrackVert);
  EXPECT_EQ(data.TrackVert->Bitmap.Width(), 4);
  EXPECT_EQ(data.TrackVert->Bitmap.Height(), 16);
}

// An entry that is not a bitmap abandons the load: called directly, the error reaches the
// caller; read from a layout, the window keeps its plain look.
TEST_F(SkinLoading, EntryThatIsNotABitmapAbandonsTheLoad) {
  const Bytes broken = SmallSkin("[MenuItem]\nImage=bad.bmp\n", {{"bad.bmp", TextBytes("BM but nothing else")}});
  TSkinData data(nullptr);
  data.SkinArchive = broken;
  EXPECT_THROW(data.LoadSkin(), Exception);
  EXPECT_TRUE(data.SkinEmpty);

  TForm form(nullptr);
  ReadComponentLayout(form, test::FormLayout({{"SkinData1", {"Active = True"}, StreamOf(broken)}}));
  auto* stored = dynamic_cast<TSkinData*>(form.FindComponent("SkinData1"));
  ASSERT_NE(stored, nullptr);
  EXPECT_TRUE(stored->SkinEmpty);
  EXPECT_FALSE(stored->Active());
  EXPECT_FALSE(TSkinManage::Instance()->Active());
}

TEST_F(SkinLoading, SkinFileReadAtRunTime) {
  TSkinData data(nullptr);
  data.SetSkinFile(VCU_STORED_SKIN_FILE);
  EXPECT_FALSE(data.SkinEmpty);
  EXPECT_EQ(data.SkinArchive, test::ReadFileBytes(VCU_STORED_SKIN_FILE));
  EXPECT_FALSE(data.TopBorder.Bitmap.Empty());
  ASSERT_NE(TSkinManage::Instance(), nullptr) << "applying the new skin needs the manager";
  EXPECT_EQ(TSkinManage::Instance()->RequestingSkinData(), &data);
}

// A missing file leaves the elements read before but marks the skin unread, so a later
// activation is refused.
TEST_F(SkinLoading, SkinFileNamingAMissingFile) {
  TSkinData data(nullptr);
  data.SetSkinFile(VCU_STORED_SKIN_FILE);
  ASSERT_FALSE(data.SkinEmpty);
  const Bytes archive = data.SkinArchive;
  data.SetSkinFile(std::string(VCU_STORED_SKIN_FILE) + ".missing");
  EXPECT_EQ(data.SkinFile(), std::string(VCU_STORED_SKIN_FILE) + ".missing");
  EXPECT_TRUE(data.SkinEmpty);
  EXPECT_EQ(data.SkinArchive, archive);
  EXPECT_FALSE(data.TopBorder.Bitmap.Empty());
  TSkinManage::Instance()->SetRequestingSkinData(nullptr);
  data.SetActive(true);
  EXPECT_FALSE(TSkinManage::Instance()->TimerEnabled());
  EXPECT_EQ(TSkinManage::Instance()->RequestingSkinData(), nullptr);
}

} // namespace
} // namespace vcu
