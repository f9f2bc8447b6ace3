// The stored layout's text format: what each kind of value decodes to, and the tree's shape.
#include "core/layout/LayoutParser.h"

#include <gtest/gtest.h>

namespace vcu {
namespace {

TLayoutValue ValueOf(const std::string& written) {
  TLayoutObject obj = ParseLayout("object A: TB\n  P = " + written + "\nend\n");
  EXPECT_EQ(obj.properties.size(), 1u);
  return obj.properties.at(0).value;
}

using Kind = TLayoutValue::Kind;

TEST(LayoutParser, ScalarValues) {
  struct Case {
    const char* written;
    Kind kind;
    std::int64_t integer;
    const char* text;
  };
  const Case cases[] = {
      {"0", Kind::Integer, 0, ""},
      {"-11", Kind::Integer, -11, ""},
      {"$FF00000F", Kind::Integer, 0xFF00000F, ""},
      {"-$10", Kind::Integer, -16, ""},
      {"999999999999999999", Kind::Integer, 999999999999999999, ""},
      {"clBtnFace", Kind::Ident, 0, "clBtnFace"},
      {"''", Kind::String, 0, ""},
      {"'IP cannot be blank! '", Kind::String, 0, "IP cannot be blank! "},
      {"'It''s'", Kind::String, 0, "It's"},
      {"'a'#13#10'b'", Kind::String, 0, "a\r\nb"},
      {"#233", Kind::String, 0, "\xE9"},
      {"'a' +\n    'b'", Kind::String, 0, "ab"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.written);
    TLayoutValue v = ValueOf(c.written);
    EXPECT_EQ(v.kind, c.kind);
    EXPECT_EQ(v.integer, c.integer);
    EXPECT_EQ(v.text, c.text);
  }
}

TEST(LayoutParser, SetsListsAndBinary) {
  EXPECT_EQ(ValueOf("[]").items, std::vector<std::string>{});
  EXPECT_EQ(ValueOf("[fsBold]").items, std::vector<std::string>{"fsBold"});
  EXPECT_EQ(ValueOf("[ a , b ]").items, (std::vector<std::string>{"a", "b"}));
  EXPECT_EQ(ValueOf("()").kind, Kind::List);
  EXPECT_EQ(ValueOf("(\n 'x'\n '' 'y' + 'z')").items, (std::vector<std::string>{"x", "", "yz"}));
  TLayoutValue binary = ValueOf("{\n 00ff\n 10 Ab }");
  EXPECT_EQ(binary.kind, Kind::Binary);
  EXPECT_EQ(binary.bytes, (std::vector<std::uint8_t>{0x00, 0xFF, 0x10, 0xAB}));
  EXPECT_TRUE(ValueOf("{}").bytes.empty());
}

TEST(LayoutParser, TreeWithLinesAndPaths) {
  TLayoutObject root = ParseLayout(
      "// header\n"
      "object frmMain: TfrmMain\n"
      "  Font.Style = [fsBold]\n"
      "  object GroupBox1: TGroupBox\n"
      "    object edtCfg: TEdit\n"
      "    end\n"
      "  end\n"
      "  object Memo1: TMemo Tag = 2 end\n"
      "end\n");
  EXPECT_EQ(root.name, "frmMain");
  EXPECT_EQ(root.className, "TfrmMain");
  EXPECT_EQ(root.line, 2);
  ASSERT_EQ(root.properties.size(), 1u);
  EXPECT_EQ(root.properties[0].name, "Font.Style");
  EXPECT_EQ(root.properties[0].line, 3);
  ASSERT_EQ(root.children.size(), 2u);
  EXPECT_EQ(root.children[0].children.at(0).name, "edtCfg");
  EXPECT_EQ(root.children[0].children.at(0).line, 5);
  EXPECT_EQ(root.children[1].properties.at(0).value.integer, 2);
}

TEST(LayoutParser, ErrorsNameTheirLine) {
  struct Case {
    const char* text;
    int line;
  };
  const Case cases[] = {
      {"object A: TB\n  P = 'x\nend", 2},
      {"object A: TB\n\n\n  P = }\nend", 4},
      {"object A: TB\n  P = {\n 0", 3},
      {"object A: TB\n  object C: TD\n  P = 1\n", 4},
      {"object A: TB\nend\nobject", 3},
      {"\n\nobject : TB\nend", 3},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    try {
      ParseLayout(c.text);
      ADD_FAILURE() << "parsed";
    } catch (const ELayoutError& e) {
      EXPECT_EQ(e.Line(), c.line) << e.Message();
    }
  }
}

} // namespace
} // namespace vcu
