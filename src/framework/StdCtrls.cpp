#include "framework/StdCtrls.h"

#include <algorithm>

#include "framework/Forms.h"

namespace vcu {

// ---- labels

const TClassInfo& TGraphicControl::ClassInfo() {
  static const TClassInfo info("TGraphicControl", &TControl::ClassInfo(), {});
  return info;
}

const TClassInfo& TCustomLabel::ClassInfo() {
  static const TClassInfo info(
      "TCustomLabel", &TGraphicControl::ClassInfo(),
      {BoolProperty("Transparent", &TCustomLabel::Transparent, &TCustomLabel::SetTransparent),
       BoolProperty("WordWrap", &TCustomLabel::WordWrap, &TCustomLabel::SetWordWrap)});
  return info;
}

const TClassInfo& TLabel::ClassInfo() {
  static const TClassInfo info("TLabel", &TCustomLabel::ClassInfo(), {});
  return info;
}

TCustomLabel::TCustomLabel(TComponent* owner) : TGraphicControl(owner) {
  clickEvents_ = true;
  SetBounds(0, 0, 65, 17);
}

void TCustomLabel::Paint(HDC dc) {
  RECT r{0, 0, Width(), Height()};
  if (!transparent_) {
    HBRUSH brush = CreateSolidBrush(ColorToRGB(Color()));
    FillRect(dc, &r, brush);
    DeleteObject(brush);
  }
  DrawControlText(dc, *this, r, DT_LEFT | DT_EXPANDTABS | (wordWrap_ ? DT_WORDBREAK : 0));
}

// ---- button controls

const TClassInfo& TButtonControl::ClassInfo() {
  static const TClassInfo info("TButtonControl", &TWinControl::ClassInfo(), {});
  return info;
}

TButtonControl::TButtonControl(TComponent* owner) : TWinControl(owner) {}

void TButtonControl::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.baseClassName = "BUTTON";
}

void TButtonControl::InitializeWindow() {
  TWinControl::InitializeWindow();
  if (checked_) SendMessageA(Handle(), BM_SETCHECK, BST_CHECKED, 0);
}

void TButtonControl::SetChecked(bool value) {
  checked_ = value;
  if (HandleAllocated()) SendMessageA(Handle(), BM_SETCHECK, value ? BST_CHECKED : BST_UNCHECKED, 0);
}

void TButtonControl::Dispatch(TMessage& message) {
  if (message.Msg == CN_COMMAND && HIWORD(message.WParam) == BN_CLICKED) {
    Clicked();
    return;
  }
  TWinControl::Dispatch(message);
}

const TClassInfo& TButton::ClassInfo() {
  static const TClassInfo info("TButton", &TButtonControl::ClassInfo(),
                               {BoolProperty("Default", &TButton::Default, &TButton::SetDefault),
                                BoolProperty("Cancel", &TButton::Cancel, &TButton::SetCancel),
                                IntegerProperty("ModalResult", &TButton::ModalResult, &TButton::SetModalResult)});
  return info;
}

TButton::TButton(TComponent* owner) : TButtonControl(owner) {
  SetTabStop(true);
  SetBounds(0, 0, 75, 25);
}

void TButton::CreateParams(TCreateParams& params) {
  TButtonControl::CreateParams(params);
  params.style |= default_ ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
}

void TButton::SetDefault(bool value) {
  default_ = value;
  if (HandleAllocated()) SendMessageA(Handle(), BM_SETSTYLE, value ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON, TRUE);
}

void TButton::Click() {
  if (TForm* form = GetParentForm(this); form && modalResult_ != mrNone) form->SetModalResult(modalResult_);
  TButtonControl::Click();
}

const TClassInfo& TRadioButton::ClassInfo() {
  static const TClassInfo info("TRadioButton", &TButtonControl::ClassInfo(),
                               {BoolProperty<TRadioButton>("Checked", &TRadioButton::Checked, &TRadioButton::SetChecked)});
  return info;
}

TRadioButton::TRadioButton(TComponent* owner) : TButtonControl(owner) { SetBounds(0, 0, 113, 17); }

void TRadioButton::CreateParams(TCreateParams& params) {
  TButtonControl::CreateParams(params);
  params.style |= BS_RADIOBUTTON;
}

void TRadioButton::SetChecked(bool value) {
  if (value == Checked()) return;
  TButtonControl::SetChecked(value);
  SetTabStop(value);
  if (!value) return;
  if (Parent())
    for (int i = 0; i < Parent()->ControlCount(); ++i)
      if (auto* sibling = dynamic_cast<TRadioButton*>(Parent()->Controls(i)); sibling && sibling != this)
        sibling->SetChecked(false);
  if (!(ComponentState() & csLoading)) Click();
}

const TClassInfo& TCustomCheckBox::ClassInfo() {
  static const TClassInfo info("TCustomCheckBox", &TButtonControl::ClassInfo(),
                               {BoolProperty<TCustomCheckBox>("Checked", &TCustomCheckBox::Checked, &TCustomCheckBox::SetChecked),
                                EnumProperty("State", {"cbUnchecked", "cbChecked", "cbGrayed"}, &TCustomCheckBox::State,
                                             &TCustomCheckBox::SetState)});
  return info;
}

const TClassInfo& TCheckBox::ClassInfo() {
  static const TClassInfo info("TCheckBox", &TCustomCheckBox::ClassInfo(), {});
  return info;
}

TCustomCheckBox::TCustomCheckBox(TComponent* owner) : TButtonControl(owner) {
  SetTabStop(true);
  SetBounds(0, 0, 97, 17);
}

void TCustomCheckBox::CreateParams(TCreateParams& params) {
  TButtonControl::CreateParams(params);
  params.style |= BS_CHECKBOX;
}

void TCustomCheckBox::SetChecked(bool value) {
  if (value == Checked()) return;
  TButtonControl::SetChecked(value);
  if (!(ComponentState() & csLoading)) Click();
}

// ---- edits

const TClassInfo& TCustomEdit::ClassInfo() {
  static const TClassInfo info("TCustomEdit", &TWinControl::ClassInfo(),
                               {BoolProperty("ReadOnly", &TCustomEdit::ReadOnly, &TCustomEdit::SetReadOnly)});
  return info;
}

const TClassInfo& TEdit::ClassInfo() {
  static const TClassInfo info("TEdit", &TCustomEdit::ClassInfo(), {});
  return info;
}

TCustomEdit::TCustomEdit(TComponent* owner) : TWinControl(owner) {
  SetTabStop(true);
  SetColor(clWindow);
  SetBounds(0, 0, 121, 21);
}

void TCustomEdit::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.baseClassName = "EDIT";
  params.style |= ES_AUTOHSCROLL | (readOnly_ ? ES_READONLY : 0);
  params.exStyle |= WS_EX_CLIENTEDGE;
}

// The native default limit (about 32 000 characters) would silently stop a growing log.
void TCustomEdit::InitializeWindow() {
  TWinControl::InitializeWindow();
  SendMessageA(Handle(), EM_LIMITTEXT, 0, 0);
}

void TCustomEdit::SetReadOnly(bool value) {
  readOnly_ = value;
  if (HandleAllocated()) SendMessageA(Handle(), EM_SETREADONLY, value, 0);
}

namespace {

// A memo's lines, read from and written to the memo's text. New lines go in at the end of the
// window's text, where the caret follows them and the memo scrolls to show them.
class TMemoStrings : public TStrings {
public:
  explicit TMemoStrings(TCustomMemo& memo) : memo_(memo) {}

  int Count() const override { return static_cast<int>(Split().size()); }
  std::string Get(int index) const override { return Split().at(static_cast<size_t>(index)); }
  void Clear() override { memo_.SetCaption(""); }
  std::string Text() const override { return memo_.Caption(); }
  void SetText(const std::string& text) override { memo_.SetCaption(text); }

  // Like typing the line at the end: a last line without a line break gets one first.
  void Add(const std::string& line) override {
    std::string text = memo_.Caption();
    bool open = !text.empty() && text.compare(text.size() - std::min<size_t>(2, text.size()), 2, "\r\n") != 0;
    std::string piece = open ? "\r\n" + line : line + "\r\n";
    if (!memo_.HandleAllocated()) {
      memo_.SetCaption(text + piece);
      return;
    }
    HWND window = memo_.Handle();
    int end = GetWindowTextLengthA(window);
    SendMessageA(window, EM_SETSEL, end, end);
    SendMessageA(window, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(piece.c_str()));
  }

private:
  std::vector<std::string> Split() const {
    std::vector<std::string> lines;
    std::string text = memo_.Caption();
    size_t start = 0;
    while (start < text.size()) {
      size_t end = text.find("\r\n", start);
      if (end == std::string::npos) end = text.size();
      lines.push_back(text.substr(start, end - start));
      start = end + 2;
    }
    return lines;
  }

  TCustomMemo& memo_;
};

} // namespace

const TClassInfo& TCustomMemo::ClassInfo() {
  static const TClassInfo info(
      "TCustomMemo", &TCustomEdit::ClassInfo(),
      {ObjectProperty("Lines", &TCustomMemo::Lines),
       EnumProperty("ScrollBars", {"ssNone", "ssHorizontal", "ssVertical", "ssBoth"}, &TCustomMemo::ScrollBars,
                    &TCustomMemo::SetScrollBars),
       BoolProperty("WordWrap", &TCustomMemo::WordWrap, &TCustomMemo::SetWordWrap)});
  return info;
}

const TClassInfo& TMemo::ClassInfo() {
  static const TClassInfo info("TMemo", &TCustomMemo::ClassInfo(), {});
  return info;
}

TCustomMemo::TCustomMemo(TComponent* owner) : TCustomEdit(owner), lines_(std::make_unique<TMemoStrings>(*this)) {
  SetBounds(0, 0, 185, 89);
}

TCustomMemo::~TCustomMemo() = default;

void TCustomMemo::CreateParams(TCreateParams& params) {
  TCustomEdit::CreateParams(params);
  params.style &= ~static_cast<DWORD>(ES_AUTOHSCROLL);
  params.style |= ES_MULTILINE | ES_WANTRETURN | ES_AUTOVSCROLL;
  if (!wordWrap_ || scrollBars_ == ssHorizontal || scrollBars_ == ssBoth) params.style |= ES_AUTOHSCROLL;
  if (scrollBars_ == ssVertical || scrollBars_ == ssBoth) params.style |= WS_VSCROLL;
  if (scrollBars_ == ssHorizontal || scrollBars_ == ssBoth) params.style |= WS_HSCROLL;
}

// ---- group box

const TClassInfo& TCustomGroupBox::ClassInfo() {
  static const TClassInfo info(
      "TCustomGroupBox", &TWinControl::ClassInfo(),
      {BoolProperty<TCustomGroupBox>("ParentBackground", &TCustomGroupBox::ParentBackground, &TCustomGroupBox::SetParentBackground)});
  return info;
}

const TClassInfo& TGroupBox::ClassInfo() {
  static const TClassInfo info("TGroupBox", &TCustomGroupBox::ClassInfo(), {});
  return info;
}

TCustomGroupBox::TCustomGroupBox(TComponent* owner) : TWinControl(owner) {
  SetParentBackground(true);
  SetBounds(0, 0, 185, 105);
}

void TCustomGroupBox::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.baseClassName = "BUTTON";
  params.style |= BS_GROUPBOX | WS_CLIPCHILDREN;
  params.exStyle |= WS_EX_CONTROLPARENT;
}

// The native group box is transparent to the mouse; ours holds labels that take clicks.
void TCustomGroupBox::Dispatch(TMessage& message) {
  if (message.Msg == WM_NCHITTEST) {
    message.Result = HTCLIENT;
    return;
  }
  TWinControl::Dispatch(message);
}

} // namespace vcu
