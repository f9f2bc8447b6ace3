#include "Bytes.h"
#include "core/ByteOrder.h"
#include "core/Errors.h"
#include "core/storage/ArchiveMessages.h"
#include "core/storage/LzhEncoder.h"
#include "core/storage/SkinArchiveWriter.h"
#include "core/storage/SkinReader.h"

#include <gtest/gtest.h>

#include <string>

namespace vcu {
namespace {

using Bytes = std::vector<std::uint8_t>;


std::vector<SkinArchiveEntry> SampleEntries() {
  return {
      {"Buttons.bmp", test::TextBytes("BM-buttons")},
      {"Title.BMP", test::TextBytes("BM-title-bar")},
      {"Empty.bmp", {}},
      {"Skin.ini", test::TextBytes("[Buttons]\r\nSkinName=Buttons.bmp\r\n")},
  };
}

// Records what the archive reader would show the user.
std::vector<std::string> shownMessages;
void RecordMessage(const std::string& text) { shownMessages.push_back(text); }

class SkinReaderTest : public ::testing::Test {
protected:
  void SetUp() override {
    shownMessages.clear();
    previousHook_ = SetArchiveMessageHook(RecordMessage);
  }
  void TearDown() override { SetArchiveMessageHook(previousHook_); }

  // A reader holding SampleEntries, so refusals can be seen to keep what it had.
  TSkinReader LoadedReader() {
    TSkinReader reader;
    EXPECT_TRUE(reader.LoadArchive(LzhEncode(WriteSkinArchive(SampleEntries(), 40000))));
    return reader;
  }

private:
  ArchiveMessageHook previousHook_ = nullptr;
};


TEST_F(SkinReaderTest, ReadsEveryVersionAndFindsEntriesWhateverTheirCase) {
  for (std::uint32_t version : {20000u, 30000u, 40000u, 50000u}) {
    TSkinReader reader;
    ASSERT_TRUE(reader.LoadArchive(LzhEncode(WriteSkinArchive(SampleEntries(), version))))
        << version;
    EXPECT_EQ(reader.Version(), version);
    EXPECT_EQ(reader.Names(),
              (std::vector<std::string>{"buttons.bmp", "title.bmp", "empty.bmp", "skin.ini"}));
    EXPECT_EQ(reader.Sizes(), (std::vector<std::int32_t>{10, 12, 0, 33}));

    Bytes out;
    for (const char* name : {"Buttons.bmp", "BUTTONS.BMP", "buttons.bmp"}) {
      EXPECT_TRUE(reader.ExtractEntry(name, out)) << name;
      EXPECT_EQ(test::BytesText(out), "BM-buttons") << name;
    }
    EXPECT_TRUE(reader.ExtractEntry("title.bmp", out));
    EXPECT_EQ(test::BytesText(out), "BM-title-bar");
    out = test::TextBytes("stale");
    EXPECT_TRUE(reader.ExtractEntry("empty.bmp", out));
    EXPECT_TRUE(out.empty());
  }
}

// Archives laid out byte by byte, apart from our writer: each version's extra block sits
// between the 16-byte header and the names, filled with 0xEE so a wrong skip shows.
TEST_F(SkinReaderTest, ReadsHandBuiltArchivesOfEveryVersion) {
  const struct {
    std::uint8_t magic[4]; // little-endian
    int extraBlock;
  } versions[] = {
      {{0x20, 0x4E, 0x00, 0x00}, 0},   // 20000
      {{0x30, 0x75, 0x00, 0x00}, 256}, // 30000
      {{0x40, 0x9C, 0x00, 0x00}, 80},  // 40000
      {{0x50, 0xC3, 0x00, 0x00}, 48},  // 50000
  };
  const std::string names = "Face.BMP\r\nskin.ini\r\n"; // 20 bytes
  for (const auto& v : versions) {
    Bytes archive(v.magic, v.magic + 4);
    archive.insert(archive.end(), {20, 0, 0, 0});                  // names length
    archive.insert(archive.end(), {1, 2, 3, 4, 5, 6, 7, 8});       // not read
    archive.insert(archive.end(), static_cast<std::size_t>(v.extraBlock), 0xEE);
    archive.insert(archive.end(), names.begin(), names.end());
    archive.insert(archive.end(), {3, 0, 0, 0, 5, 0, 0, 0});       // sizes 3 and 5
    archive.insert(archive.end(), {'B', 'M', '!', '[', 'a', ']', '\r', '\n'});

    TSkinReader reader;
    const std::uint32_t version = ReadU32Le(v.magic);
    ASSERT_TRUE(reader.LoadDecodedArchive(archive.data(), archive.size())) << version;
    EXPECT_EQ(reader.Version(), version);
    EXPECT_EQ(reader.Names(), (std::vector<std::string>{"face.bmp", "skin.ini"})) << version;
    Bytes out;
    EXPECT_TRUE(reader.ExtractEntry("face.bmp", out));
    EXPECT_EQ(test::BytesText(out), "BM!") << version;
    ByteView view;
    EXPECT_TRUE(reader.FindEntry("SKIN.INI", view));
    EXPECT_EQ(std::string(view.begin(), view.end()), "[a]\r\n") << version;
    // One byte short of the data, and the directory no longer fits.
    archive.pop_back();
    EXPECT_FALSE(reader.LoadDecodedArchive(archive.data(), archive.size())) << version;
  }
  EXPECT_TRUE(shownMessages.empty());
}

TEST_F(SkinReaderTest, MissingEntriesLeaveTheOutputEmpty) {
  TSkinReader reader = LoadedReader();
  Bytes out = test::TextBytes("stale");
  EXPECT_FALSE(reader.ExtractEntry("nothere.bmp", out));
  EXPECT_TRUE(out.empty());
  out = test::TextBytes("stale");
  EXPECT_FALSE(reader.ExtractEntry("buttons", out)); // names match whole
  EXPECT_TRUE(out.empty());
}

TEST_F(SkinReaderTest, FirstMatchSearchesLowerCasedNamesForTheFragmentAsGiven) {
  TSkinReader reader = LoadedReader();
  Bytes out;
  std::string name = "untouched";
  ASSERT_TRUE(reader.ExtractFirstMatch(".ini", out, name));
  EXPECT_EQ(name, "skin.ini");
  EXPECT_EQ(test::BytesText(out), "[Buttons]\r\nSkinName=Buttons.bmp\r\n");

  ASSERT_TRUE(reader.ExtractFirstMatch(".bmp", out, name)); // the first of several
  EXPECT_EQ(name, "buttons.bmp");

  name = "untouched";
  out = test::TextBytes("stale");
  EXPECT_FALSE(reader.ExtractFirstMatch(".INI", out, name));
  EXPECT_TRUE(out.empty());
  EXPECT_EQ(name, "untouched");
}

TEST_F(SkinReaderTest, DuplicateNamesGiveTheFirstEntry) {
  TSkinReader reader;
  ASSERT_TRUE(reader.LoadArchive(LzhEncode(WriteSkinArchive(
      {{"a.bmp", test::TextBytes("first")}, {"A.BMP", test::TextBytes("second")}}, 20000))));
  Bytes out;
  std::string name;
  EXPECT_TRUE(reader.ExtractEntry("a.bmp", out));
  EXPECT_EQ(test::BytesText(out), "first");
  EXPECT_TRUE(reader.ExtractFirstMatch("a.", out, name));
  EXPECT_EQ(test::BytesText(out), "first");
}

// An archive built by hand, so the names text can hold what the writer would never write.
Bytes HandArchive(std::uint32_t version, const std::string& names,
                  const std::vector<std::int32_t>& sizes, const std::string& data,
                  int extra) {
  Bytes out;
  auto put = [&out](std::uint32_t v) {
    for (int i = 0; i < 4; ++i)
      out.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
  };
  put(version);
  put(static_cast<std::uint32_t>(names.size()));
  out.insert(out.end(), 8 + extra, 0xEE); // unused header bytes and the extra block
  out.insert(out.end(), names.begin(), names.end());
  for (std::int32_t s : sizes)
    put(static_cast<std::uint32_t>(s));
  out.insert(out.end(), data.begin(), data.end());
  return out;
}

TEST_F(SkinReaderTest, NamesTextSplitsAtEveryKindOfLineBreak) {
  // An empty first line is an entry with an empty name; LF CR ends two lines; NUL ends the
  // text; a final line break adds nothing.
  static const char text[] = "\r\nB.bmp\nc.bmp\rd.bmp\n\re.ini\r\n\0ignored";
  const std::string names(text, sizeof text - 1);
  const Bytes archive =
      HandArchive(30000, names, {1, 2, 3, 4, 5, 6}, "abbcccddddeeeeeffffff", 256);
  TSkinReader reader;
  ASSERT_TRUE(reader.LoadDecodedArchive(archive.data(), archive.size()));
  EXPECT_EQ(reader.Names(),
            (std::vector<std::string>{"", "b.bmp", "c.bmp", "d.bmp", "", "e.ini"}));
  Bytes out;
  EXPECT_TRUE(reader.ExtractEntry("", out));
  EXPECT_EQ(test::BytesText(out), "a");
  EXPECT_TRUE(reader.ExtractEntry("D.BMP", out));
  EXPECT_EQ(test::BytesText(out), "dddd");
  EXPECT_TRUE(reader.ExtractEntry("e.ini", out));
  EXPECT_EQ(test::BytesText(out), "ffffff");
}

TEST_F(SkinReaderTest, UnknownVersionTellsTheUserAndKeepsTheEarlierArchive) {
  TSkinReader reader = LoadedReader();
  for (std::uint32_t version : {0u, 10000u, 40001u, 60000u}) {
    shownMessages.clear();
    const Bytes archive = HandArchive(version, "x.bmp\r\n", {1}, "x", 0);
    EXPECT_FALSE(reader.LoadArchive(LzhEncode(archive))) << version;
    EXPECT_EQ(shownMessages,
              std::vector<std::string>{"This is Older Skin File\rPlease update to new version !"});
  }
  EXPECT_EQ(reader.Version(), 40000u);
  EXPECT_EQ(reader.Count(), 4);
  Bytes out;
  EXPECT_TRUE(reader.ExtractEntry("buttons.bmp", out));
  EXPECT_EQ(test::BytesText(out), "BM-buttons");
}

TEST_F(SkinReaderTest, RefusesDirectoriesThatRunPastTheData) {
  std::string manyNames;
  for (int i = 0; i < 1002; ++i)
    manyNames += "n\r\n";
  Bytes namesTooLong = HandArchive(20000, "a\r\n", {1}, "x", 0);
  namesTooLong[4] = 200;
  Bytes namesNegative = HandArchive(20000, "a\r\n", {1}, "x", 0);
  namesNegative[7] = 0x80;
  Bytes sizeTableCut = HandArchive(20000, "a\r\nb\r\n", {1}, "", 0);
  const struct {
    const char* name;
    Bytes archive;
  } cases[] = {
      {"shorter than the header", Bytes(15, 0)},
      {"names text past the end", namesTooLong},
      {"negative names length", namesNegative},
      {"size table cut short", sizeTableCut},
      {"more than 1001 names", HandArchive(20000, manyNames, std::vector<std::int32_t>(1002, 0),
                                           "", 0)},
      {"negative size", HandArchive(20000, "a\r\nb\r\n", {-1, 2}, "xx", 0)},
      {"sizes past the data", HandArchive(20000, "a\r\nb\r\n", {1, 2}, "xx", 0)},
      {"one size past the data", HandArchive(40000, "a\r\n", {0x7FFFFFFF}, "xx", 80)},
  };
  for (const auto& c : cases) {
    TSkinReader reader = LoadedReader();
    shownMessages.clear();
    EXPECT_FALSE(reader.LoadDecodedArchive(c.archive.data(), c.archive.size())) << c.name;
    EXPECT_FALSE(reader.LoadArchive(LzhEncode(c.archive))) << c.name;
    EXPECT_TRUE(shownMessages.empty()) << c.name;
    EXPECT_EQ(reader.Count(), 4) << c.name;
  }
}

TEST_F(SkinReaderTest, TakesUpTo1001Entries) {
  std::vector<SkinArchiveEntry> entries;
  for (int i = 0; i < TSkinReader::MaxEntries; ++i)
    entries.push_back({"e" + std::to_string(i) + ".bmp", test::TextBytes(std::to_string(i))});
  TSkinReader reader;
  ASSERT_TRUE(reader.LoadArchive(LzhEncode(WriteSkinArchive(entries, 50000))));
  EXPECT_EQ(reader.Count(), 1001);
  Bytes out;
  EXPECT_TRUE(reader.ExtractEntry("E1000.BMP", out));
  EXPECT_EQ(test::BytesText(out), "1000");

  entries.push_back({"one-more.bmp", {}});
  EXPECT_THROW(WriteSkinArchive(entries, 50000), Exception);
}

TEST_F(SkinReaderTest, WriterRefusesWhatCannotBeReadBack) {
  EXPECT_THROW(WriteSkinArchive(SampleEntries(), 45000), Exception);
  EXPECT_THROW(WriteSkinArchive({{"a\r\nb.bmp", {}}}, 40000), Exception);
  EXPECT_THROW(WriteSkinArchive({{std::string("a\0b", 3), {}}}, 40000), Exception);
}

TEST_F(SkinReaderTest, CorruptCompressedStreamsAreNotRead) {
  const Bytes good = LzhEncode(WriteSkinArchive(SampleEntries(), 40000));
  TSkinReader reader;
  EXPECT_FALSE(reader.LoadArchive(Bytes{}));
  EXPECT_FALSE(reader.LoadArchive(Bytes{0xFF, 0xFF, 0xFF, 0x7F, 1, 2, 3}));
  // Cut after its header: what follows is made of zero bits, which name no real directory.
  Bytes cut(good.begin(), good.begin() + 12);
  EXPECT_FALSE(reader.LoadArchive(cut));
  EXPECT_EQ(reader.Count(), 0);
}

} // namespace
} // namespace vcu
