#pragma once
// Value controls over the common-control classes: the up-down (spin) buttons, the track bar
// and the progress bar. Each keeps its values while it has no window and hands them to the
// window when it is made; a value set later goes straight to the window.
#include "framework/Controls.h"

namespace vcu {

enum TUDOrientation { udHorizontal, udVertical };

// Two arrow buttons that step a position; with an associated edit the position shows in it.
class TCustomUpDown : public TWinControl {
public:
  explicit TCustomUpDown(TComponent* owner);
  static const TClassInfo& ClassInfo();
  const TClassInfo& ClassType() const override { return ClassInfo(); }

  TWinControl* Associate() const { return associate_; }
  void SetAssociate(TWinControl* value);
  int Min() const { return min_; }
  void SetMin(int value);
  int Max() const { return max_; }
  void SetMax(int value);
  int Position() const;
  void SetPosition(int value);
  // Taken when the window is made (the native control reads it only then).
  TUDOrientation Orientation() const { return orientation_; }
  void SetOrientation(TUDOrientation value) { orientation_ = value; }
  // OnClick runs whenever the position has changed, by the buttons, the keys or SetPosition.

protected:
  void CreateParams(TCreateParams& params) override;
  void InitializeWindow() override;
  void Dispatch(TMessage& message) override;
  void Notification(TComponent* component, TOperation operation) override;

private:
  void ApplyRange();
  TWinControl* associate_ = nullptr;
  int min_ = 0, max_ = 100, position_ = 0;
  TUDOrientation orientation_ = udVertical;
  bool inDispatch_ = false;
  bool tracking_ = false; // the window has its initial values; changes are reported
};

class TUpDown : public TCustomUpDown {
public:
  using TCustomUpDown::TCustomUpDown;
  static const TClassInfo& ClassInfo();
  const TClassInfo& ClassType() const override { return ClassInfo(); }
};

enum TTrackBarOrientation { trHorizontal, trVertical };
enum TTickStyle { tsNone, tsAuto, tsManual };

class TTrackBar : public TWinControl {
public:
  explicit TTrackBar(TComponent* owner);
  static const TClassInfo& ClassInfo();
  const TClassInfo& ClassType() const override { return ClassInfo(); }

  int Min() const { return min_; }
  void SetMin(int value);
  int Max() const { return max_; }
  void SetMax(int value);
  int Position() const;
  void SetPosition(int value);
  int Frequency() const { return frequency_; }
  void SetFrequency(int value);
  // Orientation and tick style are taken when the window is made.
  TTrackBarOrientation Orientation() const { return orientation_; }
  void SetOrientation(TTrackBarOrientation value) { orientation_ = value; }
  TTickStyle TickStyle() const { return tickStyle_; }
  void SetTickStyle(TTickStyle value) { tickStyle_ = value; }
  // Runs whenever the position has changed, by the mouse, the keys or SetPosition.
  void SetOnChange(TNotifyEvent handler) { onChange_ = std::move(handler); }

protected:
  void CreateParams(TCreateParams& params) override;
  void InitializeWindow() override;
  void Dispatch(TMessage& message) override;

private:
  int min_ = 0, max_ = 10, position_ = 0, frequency_ = 1;
  TTrackBarOrientation orientation_ = trHorizontal;
  TTickStyle tickStyle_ = tsAuto;
  TNotifyEvent onChange_;
  bool inDispatch_ = false;
  bool tracking_ = false; // the window has its initial values; changes are reported
};

enum TProgressBarOrientation { pbHorizontal, pbVertical };

class TProgressBar : public TWinControl {
public:
  explicit TProgressBar(TComponent* owner);
  static const TClassInfo& ClassInfo();
  const TClassInfo& ClassType() const override { return ClassInfo(); }

  int Min() const { return min_; }
  void SetMin(int value);
  int Max() const { return max_; }
  void SetMax(int value);
  int Position() const;
  void SetPosition(int value);
  int Step() const { return step_; }
  void SetStep(int value);
  // Advances the position by Step (the native bar wraps past Max back to Min).
  void StepIt();
  // Taken when the window is made.
  TProgressBarOrientation Orientation() const { return orientation_; }
  void SetOrientation(TProgressBarOrientation value) { orientation_ = value; }

protected:
  void CreateParams(TCreateParams& params) override;
  void InitializeWindow() override;

private:
  int min_ = 0, max_ = 100, position_ = 0, step_ = 10;
  TProgressBarOrientation orientation_ = pbHorizontal;
};

} // namespace vcu
