// The stored-layout reader: components created by class name, properties set by name, binary
// values handed to the component, Loaded after the whole layout; malformed layouts refused with
// their line, never a crash.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "framework/Forms.h"
#include "framework/LayoutReader.h"
#include "framework/StdCtrls.h"

namespace vcu {
namespace {

std::vector<std::string> events;

class TTestForm : public TForm {
public:
  using TForm::TForm;
  static const TClassInfo& ClassInfo() {
    static const TClassInfo info("TTestForm", &TForm::ClassInfo(), {});
    return info;
  }
  const TClassInfo& ClassType() const override { return ClassInfo(); }
  TNotifyEvent MethodAddress(const std::string& name) override {
    if (name == "ButtonClick") return [](TObject* sender) { events.push_back("click " + static_cast<TComponent*>(sender)->Name()); };
    return TForm::MethodAddress(name);
  }
};

// A non-visual component with a binary property read by its own reader, registered by the
// test the way later code registers its classes.
class TBlobHolder : public TComponent {
public:
  using TComponent::TComponent;
  static const TClassInfo& ClassInfo() {
    TPropInfo data;
    data.name = "Data";
    data.kind = TPropKind::Binary;
    data.readBinary = [](TObject& o, const std::vector<std::uint8_t>& bytes) {
      if (bytes.size() < 2) throw Exception("Data too short");
      static_cast<TBlobHolder&>(o).bytes = bytes;
    };
    static const TClassInfo info("TBlobHolder", &TComponent::ClassInfo(), {data});
    return info;
  }
  const TClassInfo& ClassType() const override { return ClassInfo(); }
  void Loaded() override {
    TComponent::Loaded();
    // Loaded runs after the whole layout: a component declared later exists already.
    events.push_back(std::string("loaded, later button ") + (Owner()->FindComponent("Late") ? "present" : "missing"));
  }
  std::vector<std::uint8_t> bytes;
};

const char kLayout[] = R"(object Test: TTestForm
  Caption = 'It''s a ' + 'test'#33
  ClientWidth = 200
  ClientHeight = $64
  BorderIcons = [biSystemMenu, biMinimize]
  Font.Style = [fsBold, fsItalic]
  Font.Color = clBlue
  object Blob: TBlobHolder
    Data = {
      00 01 FF
      7f }
  end
  object Box: TGroupBox
    Left = 4
    Top = -3
    object Inner: TEdit
      Text = ''
      ReadOnly = True
    end
  end
  object Log: TMemo
    Lines.Strings = (
      'one'
      'two')
    ScrollBars = ssVertical
  end
  object Late: TButton // declared after the blob holder
    Tag = -7
    OnClick = ButtonClick
  end
end
)";

class LayoutReader : public ::testing::Test {
protected:
  static void SetUpTestSuite() { RegisterComponentClass<TBlobHolder>(); }
  void SetUp() override { events.clear(); }
};

TEST_F(LayoutReader, BuildsTheComponentsAndSetsTheirProperties) {
  TTestForm form(nullptr);
  ReadComponentLayout(form, kLayout);
  EXPECT_EQ(form.Name(), "Test");
  EXPECT_EQ(form.Caption(), "It's a test!");
  EXPECT_EQ(form.ClientWidthProp(), 200);
  EXPECT_EQ(form.ClientHeightProp(), 100);
  EXPECT_EQ(form.BorderIcons(), unsigned{biSystemMenu | biMinimize});
  EXPECT_EQ(form.Font()->Style(), unsigned{fsBold | fsItalic});

  auto* blob = dynamic_cast<TBlobHolder*>(form.FindComponent("Blob"));
  ASSERT_NE(blob, nullptr);
  EXPECT_EQ(blob->bytes, (std::vector<std::uint8_t>{0x00, 0x01, 0xFF, 0x7F}));
  auto* box = dynamic_cast<TGroupBox*>(form.FindComponent("Box"));
  auto* inner = dynamic_cast<TEdit*>(form.FindComponent("Inner"));
  ASSERT_NE(box, nullptr);
  ASSERT_NE(inner, nullptr);
  EXPECT_EQ(inner->Owner(), &form);
  EXPECT_EQ(inner->Parent(), box);
  EXPECT_EQ(box->Parent(), &form);
  EXPECT_EQ(box->Top(), -3);
  EXPECT_TRUE(inner->ReadOnly());
  EXPECT_EQ(inner->Font()->Color(), clBlue) << "the parent's font, through the group box";
  auto* log = dynamic_cast<TMemo*>(form.FindComponent("Log"));
  ASSERT_NE(log, nullptr);
  EXPECT_EQ(log->Text(), "one\r\ntwo\r\n");
  EXPECT_EQ(log->ScrollBars(), ssVertical);
  auto* late = dynamic_cast<TButton*>(form.FindComponent("Late"));
  ASSERT_NE(late, nullptr);
  EXPECT_EQ(late->Tag(), -7);
  for (int i = 0; i < form.ComponentCount(); ++i)
    EXPECT_EQ(form.Components(i)->ComponentState() & csLoading, 0u) << form.Components(i)->Name();

  EXPECT_EQ(events, std::vector<std::string>{"loaded, later button present"});
  late->Click();
  EXPECT_EQ(events.back(), "click Late");
}

struct Malformed {
  const char* text;
  int line;
  const char* says;
};

const Malformed kMalformed[] = {
    {"", 1, "'object' expected"},
    {"object Test TTestForm\nend", 1, "':' expected"},
    {"object Test: TTestForm\n", 2, "'end' expected"},
    {"object Test: TOther\nend", 1, "not a TTestForm"},
    {"object Test: TTestForm\nend\nend", 3, "text after"},
    {"object Test: TTestForm\n  Caption = 'open\nend", 2, "string not closed"},
    {"object Test: TTestForm\n  Caption = ]\nend", 2, "property value expected"},
    {"object Test: TTestForm\n  Colour = 3\nend", 2, "property Colour does not exist in TTestForm"},
    {"object Test: TTestForm\n  Caption = 3\nend", 2, "string expected for property Caption"},
    {"object Test: TTestForm\n  Tag = 'x'\nend", 2, "integer expected"},
    {"object Test: TTestForm\n  Tag = 99999999999\nend", 2, "out of range"},
    {"object Test: TTestForm\n  Tag = 1234567890123456789012\nend", 2, "number too long"},
    {"object Test: TTestForm\n  Tag = -\nend", 2, "number expected"},
    {"object Test: TTestForm\n  Tag = 12ab\nend", 2, "malformed number"},
    {"object Test: TTestForm\n  Color = clPlaid\nend", 2, "unknown identifier clPlaid"},
    {"object Test: TTestForm\n  Position = poNowhere\nend", 2, "poNowhere is not a member"},
    {"object Test: TTestForm\n  BorderIcons = [biSystemMenu,]\nend", 2, "set member expected"},
    {"object Test: TTestForm\n  BorderIcons = [biSystemMenu\nend", 3, "',' expected"},
    {"object Test: TTestForm\n  Font.Style = [fsWide]\nend", 2, "fsWide is not a member"},
    {"object Test: TTestForm\n  Font = 3\nend", 2, "an object cannot be given a value"},
    {"object Test: TTestForm\n  Caption.Size = 3\nend", 2, "Caption is not an object property"},
    {"object Test: TTestForm\n  Font. = 3\nend", 2, "ends with a dot"},
    {"object Test: TTestForm\n  OnCreate = NoSuchMethod\nend", 2, "no method NoSuchMethod"},
    {"object Test: TTestForm\n  object A: TWidget\n  end\nend", 2, "unknown class TWidget"},
    {"object Test: TTestForm\n  object A: TButton\n  end\n  object a: TEdit\n  end\nend", 4, "already exists"},
    {"object Test: TTestForm\n  object B: TBlobHolder\n    Data = { 0 }\n  end\nend", 3, "hexadecimal digit pair"},
    {"object Test: TTestForm\n  object B: TBlobHolder\n    Data = { 0G }\n  end\nend", 3, "hexadecimal digit pair"},
    {"object Test: TTestForm\n  object B: TBlobHolder\n    Data = { 00 \n", 4, "not closed with '}'"},
    {"object Test: TTestForm\n  object B: TBlobHolder\n    Data = { 00 }\n  end\nend", 3, "Data too short"},
    {"object Test: TTestForm\n  object B: TBlobHolder\n    Data = 'text'\n  end\nend", 3, "binary value expected"},
    {"object Test: TTestForm\n  object M: TMemo\n    Lines.Strings = ( 'a' b )\n  end\nend", 3, "string or ')' expected"},
    {"object Test: TTestForm\n  Caption = 'a' + 3\nend", 2, "string expected after '+'"},
    {"object Test: TTestForm\n  Caption = #300\nend", 2, "bad character code"},
    {"object Test: TTestForm\n  Caption = 'x' ~\nend", 2, "unexpected character '~'"},
    {"object Test: TTestForm\n  Caption = 'x'\x01\nend", 2, "unexpected character '#1'"},
};

TEST_F(LayoutReader, MalformedLayoutsAreRefusedWithTheirLine) {
  for (const Malformed& m : kMalformed) {
    SCOPED_TRACE(m.text);
    TTestForm form(nullptr);
    try {
      ReadComponentLayout(form, m.text);
      ADD_FAILURE() << "read without complaint";
    } catch (const ELayoutError& error) {
      EXPECT_EQ(error.Line(), m.line);
      EXPECT_NE(error.Message().find(m.says), std::string::npos) << error.Message();
      EXPECT_NE(error.Message().find("line " + std::to_string(m.line)), std::string::npos) << error.Message();
    }
  }
}

TEST_F(LayoutReader, DeepNestingIsRefusedNotRecursedInto) {
  std::string text = "object Test: TTestForm\n";
  for (int i = 0; i < 10000; ++i) text += "object P" + std::to_string(i) + ": TPanel\n";
  TTestForm form(nullptr);
  EXPECT_THROW(ReadComponentLayout(form, text), ELayoutError);
}

int LineCount(const std::string& text) { return 1 + static_cast<int>(std::count(text.begin(), text.end(), '\n')); }

// The reader's verdict on a text: 0 when read, else the line its refusal names. Any other
// exception escapes and fails the test.
int RefusedAtLine(const std::string& text) {
  TTestForm form(nullptr);
  try {
    ReadComponentLayout(form, text);
    return 0;
  } catch (const ELayoutError& error) {
    EXPECT_NE(error.Message().find("line " + std::to_string(error.Line())), std::string::npos) << error.Message();
    return error.Line();
  }
}

// A layout cut anywhere before its last "end" leaves the form unclosed: it is refused, and the
// line named is one the cut text has.
TEST_F(LayoutReader, CutLayoutsAreRefusedAtALineTheyHave) {
  const std::string good = kLayout;
  const std::size_t complete = good.rfind("end") + 3;
  for (std::size_t n = 0; n < complete; ++n) {
    const std::string cut = good.substr(0, n);
    const int line = RefusedAtLine(cut);
    EXPECT_GE(line, 1) << "read a layout cut at " << n << ": " << cut;
    EXPECT_LE(line, LineCount(cut)) << "cut at " << n;
  }
  EXPECT_EQ(RefusedAtLine(good.substr(0, complete)), 0);
}

// Each byte replaced by a character that matters to the format: the layout is read or refused
// at one of its own lines, never anything else; inside the comment the character changes
// nothing, and the layout reads as before.
TEST_F(LayoutReader, DamagedLayoutsAreReadOrRefusedAtOneOfTheirLines) {
  const std::string good = kLayout;
  const std::size_t commentStart = good.find("// declared"), commentEnd = good.find('\n', commentStart);
  for (std::size_t i = 0; i < good.size(); ++i)
    for (char c : {'\'', '{', '}', '(', '[', '.', '=', '\0', '\n', '#', '$', 'e'}) {
      std::string damaged = good;
      damaged[i] = c;
      const int line = RefusedAtLine(damaged);
      EXPECT_LE(line, LineCount(damaged)) << "byte " << i << " made " << int(c);
      if (i > commentStart + 1 && i < commentEnd && c != '\n' && c != '\0') {
        EXPECT_EQ(line, 0) << "byte " << i << " of the comment made " << int(c);
      }
    }
}

} // namespace
} // namespace vcu
