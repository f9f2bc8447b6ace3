#include "core/storage/QuickIni.h"

#include "core/Errors.h"

#include "Bytes.h"
#include "IniFixtures.h"
#include "ReferenceIni.h"

#include <gtest/gtest.h>

#include <limits>
#include <random>
#include <string>

namespace vcu {
namespace {

using test::MakeIni;

const char* const kSkinIni =
    "; a skin description\r\n"
    "[Buttons]\r\n"
    "SkinName=Buttons.bmp\r\n"
    "  Rightwidth = 4  \r\n"
    "Note=1 ; not a comment\r\n"
    "Twice=\r\n"
    "Twice=second\r\n"
    "  ; indented comment\r\n"
    "no equals sign\r\n"
    "[Unclosed\r\n"
    "After=still buttons\r\n"
    "[BUTTONS]\r\n"
    "Later=never read\r\n"
    "[ Spaced ]\r\n"
    "Key=spaced\r\n"
    "[]\r\n"
    "Key=empty name\r\n"
    "[Title]\n"
    "Colour=0x1F\r"
    "Last=no line break";

TEST(QuickIni, LooksUpSectionsAndKeysWithoutRegardToCase) {
  const TQuickIni ini = MakeIni(kSkinIni);
  const struct {
    const char* section;
    const char* key;
    const char* expected;
  } cases[] = {
      {"Buttons", "SkinName", "Buttons.bmp"},
      {"buttons", "SKINNAME", "Buttons.bmp"}, // values keep their case
      {"Buttons", "RightWidth", "4"},         // blanks around "=" trimmed
      {"Buttons", "Note", "1 ; not a comment"},
      {"Buttons", "Twice", "default"},        // the first, empty value wins
      {"Buttons", "After", "still buttons"},  // an unclosed header ends nothing
      {"Buttons", "Later", "default"},        // only the first [Buttons] is searched
      {"Buttons", "no equals sign", "default"},
      {"Buttons", "", "default"},
      {"Spaced", "Key", "default"},           // blanks inside brackets are part of the name
      {" Spaced ", "Key", "spaced"},
      {"", "Key", "empty name"},
      {"Title", "Colour", "0x1F"},            // LF and lone CR end lines
      {"Title", "Last", "no line break"},
      {"Missing", "Key", "default"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(ini.ReadString(c.section, c.key, "default"), c.expected)
        << "[" << c.section << "] " << c.key;
}

TEST(QuickIni, LineBreaksAndTheEndOfText) {
  // LF CR ends two lines; a NUL ends the text.
  const std::string text = std::string("[S]\n\rA=1\n\r[T]\rB=2\0[U]\r\nC=3", 25);
  const TQuickIni ini = MakeIni(text);
  EXPECT_EQ(ini.ReadString("S", "A", "-"), "1");
  EXPECT_EQ(ini.ReadString("T", "B", "-"), "2");
  EXPECT_EQ(ini.ReadString("U", "C", "-"), "-");
  std::vector<std::string> sections;
  ini.ReadSections(&sections);
  EXPECT_EQ(sections, (std::vector<std::string>{"S", "T"}));
}

TEST(QuickIni, ReadIntegerTakesDecimalAndHexadecimal) {
  const std::string values[][2] = {
      {"0x1F", "31"},   {"0X1f", "31"},  {"$1F", "31"},      {"-5", "-5"},
      {"+7", "7"},      {"007", "7"},    {"12abc", "def"},   {"", "def"},
      {"0x", "def"},    {"$", "def"},    {"-", "def"},       {"-0x5", "def"},
      {"1 2", "def"},   {"0x1G", "def"}, {"2147483647", "2147483647"},
      {"2147483648", "def"},             {"-2147483648", "-2147483648"},
      {"-2147483649", "def"},            {"0x7FFFFFFF", "2147483647"},
      // Colours are 32-bit patterns: a system colour reads back as its bits.
      {"0xFF00000F", "-16777201"},       {"$FFFFFFFF", "-1"},
      {"0x100000000", "def"},            {"99999999999999999999", "def"},
  };
  std::string text = "[V]\r\n";
  for (std::size_t i = 0; i < sizeof values / sizeof values[0]; ++i)
    text += "k" + std::to_string(i) + "=" + values[i][0] + "\r\n";
  const TQuickIni ini = MakeIni(text);
  const std::int32_t def = -12345;
  for (std::size_t i = 0; i < sizeof values / sizeof values[0]; ++i) {
    const std::string expected = values[i][1];
    const std::int32_t want = expected == "def" ? def : std::stoi(expected);
    EXPECT_EQ(ini.ReadInteger("V", "k" + std::to_string(i), def), want) << values[i][0];
  }
  EXPECT_EQ(ini.ReadInteger("V", "absent", 77), 77);
  EXPECT_EQ(static_cast<std::uint32_t>(ini.ReadInteger("V", "k19", 0)), 0xFF00000Fu);
}

TEST(QuickIni, ReadSectionsGivesNamesWithoutBrackets) {
  const TQuickIni ini = MakeIni(kSkinIni);
  std::vector<std::string> sections{"stale"};
  ini.ReadSections(&sections);
  EXPECT_EQ(sections,
            (std::vector<std::string>{"Buttons", "BUTTONS", "Spaced", "", "Title"}));
}

TEST(QuickIni, ReadSectionsWithoutAListIsAnAssertionError) {
  const TQuickIni ini = MakeIni(kSkinIni);
  try {
    ini.ReadSections(nullptr);
    FAIL() << "no assertion error";
  } catch (const EAssertionFailed& e) {
    EXPECT_EQ(e.Text(), "The parameter Strings is unassigned!");
    EXPECT_EQ(e.Unit(), "Winskinini");
    EXPECT_EQ(e.Line(), 318);
  }
}

TEST(QuickIni, LoadingReplacesAndNoStreamChangesNothing) {
  TQuickIni ini = MakeIni("[A]\r\nk=1\r\n");
  ini.LoadFromStream(nullptr);
  EXPECT_EQ(ini.ReadString("A", "k", "-"), "1");
  const std::vector<std::uint8_t> other = test::TextBytes("[B]\nk=2");
  ini.LoadFromStream(&other);
  EXPECT_EQ(ini.ReadString("A", "k", "-"), "-");
  EXPECT_EQ(ini.ReadString("B", "k", "-"), "2");
  ini.LoadFromStream(std::vector<std::uint8_t>{});
  EXPECT_EQ(ini.ReadString("B", "k", "-"), "-");
}

// Random texts of headers, entries, comments and stray lines, with every kind of line break,
// read by the parser and by the tests' own reading of the same rules: every lookup agrees.
TEST(QuickIni, AgreesWithARuleByRuleReadingOnRandomTexts) {
  const std::vector<std::string> names = {"Buttons", "buttons", " Spaced ", "", "Other"};
  const std::vector<std::string> keys = {"Key", "KEY", "key2", "Other", "", " Key "};
  const std::vector<std::string> equals = {"=", " = ", "= ", ""};
  const std::vector<std::string> values = {
      "", "value", " V a l ", "1 ; note", "0x1F", "0X1f", "$1F", "-5", "+7", "007", "12abc", "0x", "$",
      "-", "-0x5", "2147483647", "2147483648", "-2147483648", "-2147483649", "0xFFFFFFFF", "0x100000000"};
  const std::vector<std::string> breaks = {"\r\n", "\n", "\r", "\n\r", "\r\n", "\n"};
  std::mt19937 random(8);
  auto pick = [&random](const std::vector<std::string>& from) { return from[random() % from.size()]; };
  for (int round = 0; round < 500; ++round) {
    std::string text;
    for (int i = 0, n = 1 + static_cast<int>(random() % 25); i < n; ++i) {
      switch (random() % 8) {
      case 0: text += "[" + pick(names) + "]"; break;
      case 1: text += "[" + pick(names); break; // unclosed: an ordinary line
      case 2: text += "  ; " + pick(keys) + "=" + pick(values); break;
      case 3: text += random() % 20 ? " \t" : std::string(1, '\0'); break;
      default: text += pick(keys) + pick(equals) + pick(values); break;
      }
      text += pick(breaks);
    }
    const TQuickIni ini = MakeIni(text);
    const test::ReferenceIni reference(text);
    std::vector<std::string> sections;
    ini.ReadSections(&sections);
    ASSERT_EQ(sections, reference.Sections()) << text;
    for (const std::string& section : names)
      for (const std::string& key : keys) {
        ASSERT_EQ(ini.ReadString(section, key, "-"), reference.ReadString(section, key, "-"))
            << "[" << section << "] " << key << " in:\n" << text;
        ASSERT_EQ(ini.ReadInteger(section, key, -99), reference.ReadInteger(section, key, -99))
            << "[" << section << "] " << key << " in:\n" << text;
      }
  }
}

} // namespace
} // namespace vcu
