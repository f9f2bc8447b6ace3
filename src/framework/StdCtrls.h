#pragma once
// The standard controls. Windowed ones superclass the native "BUTTON" and "EDIT" classes
// under window classes named after the framework class ("TButton", "TEdit", ...).
#include <memory>
#include <string>

#include "framework/Controls.h"

namespace vcu {

// Modal results, as carried by buttons and forms.
enum TModalResult { mrNone = 0, mrOk = 1, mrCancel = 2 };

class TGraphicControl : public TControl {
public:
  using TControl::TControl;
  static const TClassInfo& ClassInfo();
  const TClassInfo& ClassType() const override { return ClassInfo(); }
};

// A text painted by its parent; clicks and the cursor over it are routed to it by the parent.
class TCustomLabel : public TGraphicControl {
public:
  explicit TCustomLabel(TComponent* owner);
  static const TClassInfo& ClassInfo();
  const TClassInfo& ClassType() const override { return ClassInfo(); }

  bool Transparent() const { return transparent_; }
  void SetTransparent(bool value) { transparent_ = value; Invalidate(); }
  bool WordWrap() const { return wordWrap_; }
  void SetWordWrap(bool value) { wordWrap_ = value; Invalidate(); }
  void Paint(HDC dc) override;

private:
  bool transparent_ = false;
  bool wordWrap_ = false;
};

class TLabel : public TCustomLabel {
public:
  using TCustomLabel::TCustomLabel;
  static const TClassInfo& ClassInfo();
  const TClassInfo& ClassType() const override { return ClassInfo(); }
};

// Push buttons, radio buttons and check boxes: native "BUTTON" windows.
class TButtonControl : public TWinControl {
public:
  explicit TButtonControl(TComponent* owner);
  static const TClassInfo& ClassInfo();
  const TClassInfo& ClassType() const override { return ClassInfo(); }

  bool Checked() const { return checked_; }
  virtual void SetChecked(bool value);

protected:
  void CreateParams(TCreateParams& params) override;
  void InitializeWindow() override;
  void Dispatch(TMessage& message) override;
  // A BN_CLICKED notification for this button.
  virtual void Clicked() { Click(); }

  bool checked_ = false;
};

class TButton : public TButtonControl {
public:
  explicit TButton(TComponent* owner);
  static const TClassInfo& ClassInfo();
  const TClassInfo& ClassType() const override { return ClassInfo(); }

  bool Default() const { return default_; }
  void SetDefault(bool value);
  bool Cancel() const { return cancel_; }
  void SetCancel(bool value) { cancel_ = value; }
  int ModalResult() const { return modalResult_; }
  void SetModalResult(int value) { modalResult_ = value; }
  // Hands the button's modal result to its form, then runs OnClick.
  void Click() override;

protected:
  void CreateParams(TCreateParams& params) override;

private:
  bool default_ = false;
  bool cancel_ = false;
  int modalResult_ = mrNone;
};

// One radio group per parent: checking one button clears its siblings. Only a checked radio
// button is a tab stop, and OnClick runs when a button becomes checked.
class TRadioButton : public TButtonControl {
public:
  explicit TRadioButton(TComponent* owner);
  static const TClassInfo& ClassInfo();
  const TClassInfo& ClassType() const override { return ClassInfo(); }
  void SetChecked(bool value) override;

protected:
  void CreateParams(TCreateParams& params) override;
  void Clicked() override { SetChecked(true); }
};

enum TCheckBoxState { cbUnchecked, cbChecked, cbGrayed };

class TCustomCheckBox : public TButtonControl {
public:
  explicit TCustomCheckBox(TComponent* owner);
  static const TClassInfo& ClassInfo();
  const TClassInfo& ClassType() const override { return ClassInfo(); }
  void SetChecked(bool value) override;
  TCheckBoxState State() const { return Checked() ? cbChecked : cbUnchecked; }
  void SetState(TCheckBoxState state) { SetChecked(state == cbChecked); }

protected:
  void CreateParams(TCreateParams& params) override;
  void Clicked() override { SetChecked(!Checked()); }
};

class TCheckBox : public TCustomCheckBox {
public:
  using TCustomCheckBox::TCustomCheckBox;
  static const TClassInfo& ClassInfo();
  const TClassInfo& ClassType() const override { return ClassInfo(); }
};

class TCustomEdit : public TWinControl {
public:
  explicit TCustomEdit(TComponent* owner);
  static const TClassInfo& ClassInfo();
  const TClassInfo& ClassType() const override { return ClassInfo(); }

  bool ReadOnly() const { return readOnly_; }
  void SetReadOnly(bool value);

protected:
  void CreateParams(TCreateParams& params) override;
  void InitializeWindow() override;

private:
  bool readOnly_ = false;
};

class TEdit : public TCustomEdit {
public:
  using TCustomEdit::TCustomEdit;
  static const TClassInfo& ClassInfo();
  const TClassInfo& ClassType() const override { return ClassInfo(); }
};

enum TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };

class TCustomMemo : public TCustomEdit {
public:
  explicit TCustomMemo(TComponent* owner);
  ~TCustomMemo() override;
  static const TClassInfo& ClassInfo();
  const TClassInfo& ClassType() const override { return ClassInfo(); }

  TStrings* Lines() const { return lines_.get(); }
  TScrollStyle ScrollBars() const { return scrollBars_; }
  void SetScrollBars(TScrollStyle value) { scrollBars_ = value; }
  bool WordWrap() const { return wordWrap_; }
  void SetWordWrap(bool value) { wordWrap_ = value; }

protected:
  void CreateParams(TCreateParams& params) override;

private:
  std::unique_ptr<TStrings> lines_;
  TScrollStyle scrollBars_ = ssNone;
  bool wordWrap_ = true;
};

class TMemo : public TCustomMemo {
public:
  using TCustomMemo::TCustomMemo;
  static const TClassInfo& ClassInfo();
  const TClassInfo& ClassType() const override { return ClassInfo(); }
};

class TCustomGroupBox : public TWinControl {
public:
  explicit TCustomGroupBox(TComponent* owner);
  static const TClassInfo& ClassInfo();
  const TClassInfo& ClassType() const override { return ClassInfo(); }

protected:
  void CreateParams(TCreateParams& params) override;
  void Dispatch(TMessage& message) override;
};

class TGroupBox : public TCustomGroupBox {
public:
  using TCustomGroupBox::TCustomGroupBox;
  static const TClassInfo& ClassInfo();
  const TClassInfo& ClassType() const override { return ClassInfo(); }
};

} // namespace vcu
