#pragma once
// The standard message dialog: a framework form of class "TMessageForm" with an icon, the
// text and its buttons, so that it is skinned like any other form.
#include <initializer_list>
#include <string>

#include "framework/Forms.h"

namespace vcu {

enum TMsgDlgType { mtWarning, mtError, mtInformation, mtConfirmation, mtCustom };
enum TMsgDlgBtn { mbYes, mbNo, mbOK, mbCancel };

class TMessageForm : public TForm {
public:
  TMessageForm(TComponent* owner, const std::string& text, TMsgDlgType type, std::initializer_list<TMsgDlgBtn> buttons);
  static const TClassInfo& ClassInfo();
  const TClassInfo& ClassType() const override { return ClassInfo(); }

  // The label holding the text, named "Message".
  TLabel* MessageLabel() const { return message_; }

protected:
  void PaintWindow(HDC dc) override;

private:
  SIZE MeasureText(const std::string& text);

  TMsgDlgType type_;
  TLabel* message_ = nullptr;
};

// Shows the dialog modally and answers the modal result of the button that closed it.
int MessageDlg(const std::string& text, TMsgDlgType type, std::initializer_list<TMsgDlgBtn> buttons, int helpContext = 0);

} // namespace vcu
