#include "framework/ComCtrls.h"

#include <functional>

#include <commctrl.h>

namespace vcu {
namespace {

// The window of a control that has one, without making it.
HWND ExistingHandle(const TWinControl& control) {
  return control.HandleAllocated() ? const_cast<TWinControl&>(control).Handle() : nullptr;
}

// The native control changes its position on timers, keys, the mouse and messages alike:
// dispatching the message, then asking the window (query) for its position, catches every
// change in one place, once. True when the position moved.
bool DispatchNoticingMove(TWinControl& control, TMessage& message, bool& inDispatch, int& position, UINT query,
                          const std::function<void()>& dispatch) {
  inDispatch = true; // also over the query, which comes through the control's dispatch too
  const int before = position;
  dispatch();
  const bool alive = control.HandleAllocated() && message.Msg != WM_NCDESTROY && message.Msg != WM_DESTROY;
  if (alive) position = static_cast<int>(SendMessageA(control.Handle(), query, 0, 0));
  inDispatch = false;
  return alive && position != before;
}

} // namespace

// ---- up-down

const TClassInfo& TCustomUpDown::ClassInfo() {
  static const TClassInfo info(
      "TCustomUpDown", &TWinControl::ClassInfo(),
      {ComponentProperty("Associate", &TCustomUpDown::Associate, &TCustomUpDown::SetAssociate),
       IntegerProperty("Min", &TCustomUpDown::Min, &TCustomUpDown::SetMin),
       IntegerProperty("Max", &TCustomUpDown::Max, &TCustomUpDown::SetMax),
       IntegerProperty("Position", &TCustomUpDown::Position, &TCustomUpDown::SetPosition),
       EnumProperty("Orientation", {"udHorizontal", "udVertical"}, &TCustomUpDown::Orientation,
                    &TCustomUpDown::SetOrientation)});
  return info;
}

const TClassInfo& TUpDown::ClassInfo() {
  static const TClassInfo info("TUpDown", &TCustomUpDown::ClassInfo(), {});
  return info;
}

TCustomUpDown::TCustomUpDown(TComponent* owner) : TWinControl(owner) { SetBounds(0, 0, 17, 25); }

void TCustomUpDown::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  tracking_ = false; // a new window: its position is not ours until it has been given it
  params.baseClassName = UPDOWN_CLASSA;
  params.style |= UDS_ARROWKEYS | UDS_SETBUDDYINT | UDS_NOTHOUSANDS;
  if (associate_) params.style |= UDS_ALIGNRIGHT;
  if (orientation_ == udHorizontal) params.style |= UDS_HORZ;
}

void TCustomUpDown::InitializeWindow() {
  TWinControl::InitializeWindow();
  ApplyRange();
  // The buddy first: setting the position writes it into the buddy's text.
  if (associate_) SendMessageA(Handle(), UDM_SETBUDDY, reinterpret_cast<WPARAM>(associate_->Handle()), 0);
  SendMessageA(Handle(), UDM_SETPOS32, 0, position_);
  tracking_ = true;
}

void TCustomUpDown::ApplyRange() {
  if (HWND h = ExistingHandle(*this)) SendMessageA(h, UDM_SETRANGE32, min_, max_);
}

void TCustomUpDown::SetAssociate(TWinControl* value) {
  if (associate_ == value) return;
  if (associate_) associate_->RemoveFreeNotification(this);
  associate_ = value;
  if (associate_) associate_->FreeNotification(this);
  HWND h = ExistingHandle(*this);
  if (h && associate_) {
    SetWindowLongPtrA(h, GWL_STYLE, GetWindowLongPtrA(h, GWL_STYLE) | UDS_ALIGNRIGHT);
    SendMessageA(h, UDM_SETBUDDY, reinterpret_cast<WPARAM>(associate_->Handle()), 0);
  } else if (h) {
    SendMessageA(h, UDM_SETBUDDY, 0, 0);
  }
}

void TCustomUpDown::Notification(TComponent* component, TOperation operation) {
  TWinControl::Notification(component, operation);
  if (operation == opRemove && component == associate_) {
    associate_ = nullptr;
    if (HWND h = ExistingHandle(*this)) SendMessageA(h, UDM_SETBUDDY, 0, 0);
  }
}

void TCustomUpDown::SetMin(int value) {
  min_ = value;
  ApplyRange();
}

void TCustomUpDown::SetMax(int value) {
  max_ = value;
  ApplyRange();
}

int TCustomUpDown::Position() const {
  HWND h = ExistingHandle(*this);
  return h ? static_cast<int>(SendMessageA(h, UDM_GETPOS32, 0, 0)) : position_;
}

void TCustomUpDown::SetPosition(int value) {
  if (HWND h = ExistingHandle(*this)) {
    SendMessageA(h, UDM_SETPOS32, 0, value);
    return; // the message's own dispatch reports the change
  }
  position_ = value;
}

void TCustomUpDown::Dispatch(TMessage& message) {
  if (inDispatch_ || !tracking_ || !HandleAllocated()) {
    TWinControl::Dispatch(message);
    return;
  }
  if (DispatchNoticingMove(*this, message, inDispatch_, position_, UDM_GETPOS32, [&] { TWinControl::Dispatch(message); }))
    Click();
}

// ---- track bar

const TClassInfo& TTrackBar::ClassInfo() {
  static const TClassInfo info(
      "TTrackBar", &TWinControl::ClassInfo(),
      {IntegerProperty("Min", &TTrackBar::Min, &TTrackBar::SetMin),
       IntegerProperty("Max", &TTrackBar::Max, &TTrackBar::SetMax),
       IntegerProperty("Position", &TTrackBar::Position, &TTrackBar::SetPosition),
       IntegerProperty("Frequency", &TTrackBar::Frequency, &TTrackBar::SetFrequency),
       EnumProperty("Orientation", {"trHorizontal", "trVertical"}, &TTrackBar::Orientation, &TTrackBar::SetOrientation),
       EnumProperty("TickStyle", {"tsNone", "tsAuto", "tsManual"}, &TTrackBar::TickStyle, &TTrackBar::SetTickStyle),
       EventProperty("OnChange", &TTrackBar::SetOnChange)});
  return info;
}

TTrackBar::TTrackBar(TComponent* owner) : TWinControl(owner) {
  SetTabStop(true);
  SetBounds(0, 0, 150, 45);
}

void TTrackBar::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  tracking_ = false; // a new window: its position is not ours until it has been given it
  params.baseClassName = TRACKBAR_CLASSA;
  if (orientation_ == trVertical) params.style |= TBS_VERT;
  if (tickStyle_ == tsAuto) params.style |= TBS_AUTOTICKS;
  if (tickStyle_ == tsNone) params.style |= TBS_NOTICKS;
}

void TTrackBar::InitializeWindow() {
  TWinControl::InitializeWindow();
  SendMessageA(Handle(), TBM_SETRANGEMIN, FALSE, min_);
  SendMessageA(Handle(), TBM_SETRANGEMAX, FALSE, max_);
  SendMessageA(Handle(), TBM_SETTICFREQ, frequency_, 0);
  SendMessageA(Handle(), TBM_SETPOS, TRUE, position_);
  tracking_ = true;
}

void TTrackBar::SetMin(int value) {
  min_ = value;
  if (HWND h = ExistingHandle(*this)) SendMessageA(h, TBM_SETRANGEMIN, TRUE, value);
}

void TTrackBar::SetMax(int value) {
  max_ = value;
  if (HWND h = ExistingHandle(*this)) SendMessageA(h, TBM_SETRANGEMAX, TRUE, value);
}

void TTrackBar::SetFrequency(int value) {
  frequency_ = value;
  if (HWND h = ExistingHandle(*this)) SendMessageA(h, TBM_SETTICFREQ, value, 0);
}

int TTrackBar::Position() const {
  HWND h = ExistingHandle(*this);
  return h ? static_cast<int>(SendMessageA(h, TBM_GETPOS, 0, 0)) : position_;
}

void TTrackBar::SetPosition(int value) {
  if (HWND h = ExistingHandle(*this)) {
    SendMessageA(h, TBM_SETPOS, TRUE, value);
    return; // the message's own dispatch reports the change
  }
  position_ = value;
}

void TTrackBar::Dispatch(TMessage& message) {
  if (inDispatch_ || !tracking_ || !HandleAllocated()) {
    TWinControl::Dispatch(message);
    return;
  }
  if (DispatchNoticingMove(*this, message, inDispatch_, position_, TBM_GETPOS, [&] { TWinControl::Dispatch(message); }) &&
      onChange_)
    onChange_(this);
}

// ---- progress bar

const TClassInfo& TProgressBar::ClassInfo() {
  static const TClassInfo info(
      "TProgressBar", &TWinControl::ClassInfo(),
      {IntegerProperty("Min", &TProgressBar::Min, &TProgressBar::SetMin),
       IntegerProperty("Max", &TProgressBar::Max, &TProgressBar::SetMax),
       IntegerProperty("Position", &TProgressBar::Position, &TProgressBar::SetPosition),
       IntegerProperty("Step", &TProgressBar::Step, &TProgressBar::SetStep),
       EnumProperty("Orientation", {"pbHorizontal", "pbVertical"}, &TProgressBar::Orientation,
                    &TProgressBar::SetOrientation)});
  return info;
}

TProgressBar::TProgressBar(TComponent* owner) : TWinControl(owner) { SetBounds(0, 0, 150, 16); }

void TProgressBar::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.baseClassName = PROGRESS_CLASSA;
  if (orientation_ == pbVertical) params.style |= PBS_VERTICAL;
}

void TProgressBar::InitializeWindow() {
  TWinControl::InitializeWindow();
  SendMessageA(Handle(), PBM_SETRANGE32, min_, max_);
  SendMessageA(Handle(), PBM_SETSTEP, step_, 0);
  SendMessageA(Handle(), PBM_SETPOS, position_, 0);
}

void TProgressBar::SetMin(int value) {
  min_ = value;
  if (HWND h = ExistingHandle(*this)) SendMessageA(h, PBM_SETRANGE32, min_, max_);
}

void TProgressBar::SetMax(int value) {
  max_ = value;
  if (HWND h = ExistingHandle(*this)) SendMessageA(h, PBM_SETRANGE32, min_, max_);
}

int TProgressBar::Position() const {
  HWND h = ExistingHandle(*this);
  return h ? static_cast<int>(SendMessageA(h, PBM_GETPOS, 0, 0)) : position_;
}

void TProgressBar::SetPosition(int value) {
  position_ = value;
  if (HWND h = ExistingHandle(*this)) SendMessageA(h, PBM_SETPOS, value, 0);
}

void TProgressBar::SetStep(int value) {
  step_ = value;
  if (HWND h = ExistingHandle(*this)) SendMessageA(h, PBM_SETSTEP, value, 0);
}

void TProgressBar::StepIt() {
  if (HWND h = ExistingHandle(*this)) {
    SendMessageA(h, PBM_STEPIT, 0, 0);
    position_ = static_cast<int>(SendMessageA(h, PBM_GETPOS, 0, 0));
    return;
  }
  position_ += step_;
  if (position_ > max_) position_ = min_ + (position_ - max_);
}

} // namespace vcu
