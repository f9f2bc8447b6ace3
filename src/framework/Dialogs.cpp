#include "framework/Dialogs.h"

#include <algorithm>

namespace vcu {
namespace {

// Pixel metrics of the dialog's arrangement.
constexpr int kMargin = 12;
constexpr int kIconSize = 32;
constexpr int kIconGap = 15;
constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 25;
constexpr int kButtonGap = 8;
constexpr int kButtonsTopGap = 16;

struct ButtonKind {
  const char* name;
  const char* caption;
  int modalResult;
};

ButtonKind KindOf(TMsgDlgBtn button) {
  switch (button) {
  case mbYes: return {"Yes", "&Yes", 6};
  case mbNo: return {"No", "&No", 7};
  case mbCancel: return {"Cancel", "Cancel", mrCancel};
  default: return {"OK", "OK", mrOk};
  }
}

const char* CaptionOf(TMsgDlgType type) {
  switch (type) {
  case mtWarning: return "Warning";
  case mtError: return "Error";
  case mtInformation: return "Information";
  case mtConfirmation: return "Confirm";
  default: return nullptr;
  }
}

LPCSTR IconOf(TMsgDlgType type) {
  switch (type) {
  case mtWarning: return IDI_EXCLAMATION;
  case mtError: return IDI_HAND;
  case mtInformation: return IDI_ASTERISK;
  case mtConfirmation: return IDI_QUESTION;
  default: return nullptr;
  }
}

// Escape answers like the Cancel button, else No, else OK.
TMsgDlgBtn CancelButtonOf(std::initializer_list<TMsgDlgBtn> buttons) {
  for (TMsgDlgBtn wanted : {mbCancel, mbNo, mbOK})
    if (std::find(buttons.begin(), buttons.end(), wanted) != buttons.end()) return wanted;
  return mbOK;
}

} // namespace

const TClassInfo& TMessageForm::ClassInfo() {
  static const TClassInfo info("TMessageForm", &TForm::ClassInfo(), {});
  return info;
}

TMessageForm::TMessageForm(TComponent* owner, const std::string& text, TMsgDlgType type,
                           std::initializer_list<TMsgDlgBtn> buttons)
    : TForm(owner), type_(type) {
  SetBorderStyle(bsDialog);
  SetPosition(poScreenCenter);
  const char* caption = CaptionOf(type);
  SetCaption(caption ? caption : Application->Title());

  const int textLeft = kMargin + (IconOf(type) ? kIconSize + kIconGap : 0);
  SIZE textSize = MeasureText(text);
  message_ = new TLabel(this);
  message_->SetName("Message");
  message_->SetParent(this);
  message_->SetWordWrap(true);
  message_->SetCaption(text);
  message_->SetBounds(textLeft, kMargin, textSize.cx, textSize.cy);

  const int count = static_cast<int>(buttons.size());
  const int buttonsWidth = count * kButtonWidth + std::max(count - 1, 0) * kButtonGap;
  const int clientWidth = std::max<int>(textLeft + textSize.cx + kMargin, buttonsWidth + 2 * kMargin);
  const int buttonsTop = kMargin + std::max<int>(IconOf(type) ? kIconSize : 0, textSize.cy) + kButtonsTopGap;
  SetClientWidth(clientWidth);
  SetClientHeight(buttonsTop + kButtonHeight + kMargin);

  const TMsgDlgBtn cancelButton = CancelButtonOf(buttons);
  int left = (clientWidth - buttonsWidth) / 2;
  int tabOrder = 0;
  for (TMsgDlgBtn b : buttons) {
    ButtonKind kind = KindOf(b);
    auto* button = new TButton(this);
    button->SetName(kind.name);
    button->SetParent(this);
    button->SetCaption(kind.caption);
    button->SetModalResult(kind.modalResult);
    button->SetDefault(tabOrder == 0);
    button->SetCancel(b == cancelButton);
    button->SetTabOrder(tabOrder++);
    button->SetBounds(left, buttonsTop, kButtonWidth, kButtonHeight);
    left += kButtonWidth + kButtonGap;
  }
}

SIZE TMessageForm::MeasureText(const std::string& text) {
  HDC dc = GetDC(nullptr);
  HGDIOBJ oldFont = SelectObject(dc, Font()->Handle());
  RECT r{0, 0, Screen->Width() / 2, 0};
  DrawTextA(dc, text.c_str(), -1, &r, DT_CALCRECT | DT_WORDBREAK | DT_EXPANDTABS);
  SelectObject(dc, oldFont);
  ReleaseDC(nullptr, dc);
  return SIZE{r.right - r.left, r.bottom - r.top};
}

void TMessageForm::PaintWindow(HDC dc) {
  if (LPCSTR icon = IconOf(type_)) DrawIcon(dc, kMargin, kMargin, LoadIconA(nullptr, icon));
}

int MessageDlg(const std::string& text, TMsgDlgType type, std::initializer_list<TMsgDlgBtn> buttons, int) {
  TMessageForm form(nullptr, text, type, buttons);
  return form.ShowModal();
}

} // namespace vcu
