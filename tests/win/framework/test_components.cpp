// Components without windows: class chains, ownership, published properties by name.
#include <gtest/gtest.h>

#include "core/Errors.h"
#include "framework/ExtCtrls.h"
#include "framework/Forms.h"
#include "framework/StdCtrls.h"
#include "framework/TypInfo.h"

namespace vcu {
namespace {

TEST(ClassChain, NamesEveryAncestor) {
  TMemo memo(nullptr);
  EXPECT_EQ(memo.ClassName(), "TMemo");
  for (const char* ancestor : {"TMemo", "TCustomMemo", "TCustomEdit", "TWinControl", "TControl", "TComponent", "tobject"})
    EXPECT_TRUE(memo.InheritsFrom(ancestor)) << ancestor;
  EXPECT_FALSE(memo.InheritsFrom("TEdit"));
  TRadioButton radio(nullptr);
  EXPECT_TRUE(radio.InheritsFrom("TButtonControl"));
  EXPECT_FALSE(radio.InheritsFrom("TButton"));
  TGroupBox box(nullptr);
  EXPECT_TRUE(box.InheritsFrom("TCustomGroupBox"));
  TPanel panel(nullptr);
  EXPECT_TRUE(panel.InheritsFrom("TCustomPanel"));
}

// Notes its own destruction, and in its destructor does what a skin does: takes its hook out
// of its owner's message handler, which must still be whole at that point.
class Watcher : public TComponent {
public:
  Watcher(TControl* owner, std::vector<std::string>& log) : TComponent(owner), host_(owner), log_(log) {
    hook_ = host_->WindowProc.Add([](TMessage& m, const TWindowProcChain::Next& next) { next(m); });
  }
  ~Watcher() override {
    host_->WindowProc.Remove(hook_);
    log_.push_back(Name());
  }

private:
  TControl* host_;
  TWindowProcChain::HookId hook_ = 0;
  std::vector<std::string>& log_;
};

TEST(Ownership, OwnerFreesWhatItOwnsLastFirst) {
  std::vector<std::string> freed;
  auto* form = new TForm(nullptr);
  auto* button = new TButton(form);
  button->SetName("button");
  button->SetParent(form);
  auto* a = new Watcher(button, freed);
  a->SetName("a");
  auto* b = new Watcher(form, freed);
  b->SetName("b");
  EXPECT_EQ(form->ComponentCount(), 2);
  EXPECT_EQ(form->FindComponent("BUTTON"), button);
  EXPECT_EQ(a->Owner(), button);

  delete a; // freed early: leaves its owner's list
  EXPECT_EQ(button->ComponentCount(), 0);
  auto* c = new Watcher(button, freed);
  c->SetName("c");
  delete form;
  EXPECT_EQ(freed, (std::vector<std::string>{"a", "b", "c"}));
}

TEST(Ownership, NamesAreUniqueAmongSiblings) {
  TForm form(nullptr);
  auto* one = new TButton(&form);
  one->SetName("Same");
  auto* two = new TButton(&form);
  EXPECT_THROW(two->SetName("same"), Exception);
}

TEST(PublishedProperties, ReadByNameWithNeutralAnswersWhenMissing) {
  TForm form(nullptr);
  auto* radio = new TRadioButton(&form);
  radio->SetParent(&form);
  radio->SetTag(99);
  radio->SetCaption("Set");
  EXPECT_EQ(GetIntProp(radio, "Tag"), 99);
  EXPECT_EQ(GetIntProp(radio, "tag"), 99);
  EXPECT_EQ(GetIntProp(radio, "Caption"), -1) << "not an integer property";
  EXPECT_EQ(GetIntProp(radio, "Nothing"), -1);
  EXPECT_EQ(GetIntProp(nullptr, "Tag"), -1);
  EXPECT_EQ(GetIntProp(radio, "Color"), clBtnFace);
  EXPECT_EQ(GetEnumText(radio, "Checked"), "False");
  radio->SetChecked(true);
  EXPECT_EQ(GetEnumText(radio, "Checked"), "True");
  EXPECT_TRUE(GetBoolProp(radio, "Checked"));
  EXPECT_EQ(GetEnumText(radio, "Align"), "alNone");
  TCheckBox check(nullptr);
  EXPECT_EQ(GetEnumText(&check, "State"), "cbUnchecked");
  SetPropText(&check, "State", "cbChecked");
  EXPECT_TRUE(check.Checked());
  EXPECT_EQ(GetEnumText(radio, "Tag"), "");
  EXPECT_EQ(GetTextProp(radio, "Caption"), "Set");
  EXPECT_EQ(GetTextProp(radio, "Nothing"), "");
  EXPECT_EQ(GetObjectProp(radio, "Font"), radio->Font());
  EXPECT_EQ(GetObjectProp(radio, "Font", "TFont"), radio->Font());
  EXPECT_EQ(GetObjectProp(radio, "Font", "TStrings"), nullptr);
  EXPECT_EQ(GetObjectProp(radio, "Caption"), nullptr);
  EXPECT_EQ(GetObjectProp(nullptr, "Font"), nullptr);
}

TEST(PublishedProperties, SetPropTextByKind) {
  TForm form(nullptr);
  auto* box = new TGroupBox(&form);
  box->SetParent(&form);
  SetPropText(box, "Tag", "12");
  EXPECT_EQ(box->Tag(), 12);
  SetPropText(box, "Tag", "twelve"); // not a number: left alone
  EXPECT_EQ(box->Tag(), 12);
  EXPECT_TRUE(box->ParentBackground());
  SetPropText(box, "ParentBackground", "False");
  EXPECT_FALSE(box->ParentBackground());
  SetPropText(box, "ParentBackground", "true");
  EXPECT_TRUE(box->ParentBackground());
  SetPropText(box, "Align", "alClient");
  EXPECT_EQ(box->Align(), alClient);
  SetPropText(box, "Align", "alSideways");
  EXPECT_EQ(box->Align(), alClient);
  SetPropText(box, "Caption", "Options");
  EXPECT_EQ(box->Caption(), "Options");
  SetPropText(box, "Transparent", "True"); // a group box has none: nothing happens
  SetPropText(nullptr, "Tag", "1");
  EXPECT_EQ(GetEnumText(box, "Transparent"), "");
}

TEST(Strings, MemoLinesEndEachLineWithALineBreak) {
  TMemo memo(nullptr);
  TStrings* lines = memo.Lines();
  lines->Add("first");
  lines->Add("");
  lines->Add("third");
  EXPECT_EQ(memo.Text(), "first\r\n\r\nthird\r\n");
  EXPECT_EQ(lines->Count(), 3);
  EXPECT_EQ(lines->Get(2), "third");
  memo.SetCaption("typed without a break");
  lines->Add("next");
  EXPECT_EQ(memo.Text(), "typed without a break\r\nnext");
  lines->Clear();
  EXPECT_EQ(lines->Count(), 0);
  EXPECT_EQ(memo.Text(), "");
}

} // namespace
} // namespace vcu
