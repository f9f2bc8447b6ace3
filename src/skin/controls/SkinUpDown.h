#pragma once
// TSkinUpDown: paints both arrow buttons of an up-down control from the skin's eight-frame
// strips (a plain button with a line arrow without them) in place of the native paint. The
// native control keeps its behaviour: a press still starts it spinning. Inside an edit the
// edit's white is extended under the buttons, which keep clear of the edit's border.
#include "skin/controls/FrameCache.h"
#include "skin/controls/PaintBuffer.h"
#include "skin/controls/SkinControl.h"

namespace vcu {

class TSkinUpDown : public TSkinControl {
public:
  explicit TSkinUpDown(TComponent* owner);
  static const TClassInfo& ClassInfo();
  const TClassInfo& ClassType() const override { return ClassInfo(); }

  // Set by the creator right after attaching.
  bool InEdit() const { return inEdit_; }
  void SetInEdit(bool value) { inEdit_ = value; }
  bool Horizontal() const { return horizontal_; }
  void SetHorizontal(bool value) { horizontal_ = value; }
  void SkinChanged() override;

protected:
  bool BeforeMessage(TMessage& message) override;
  void AfterMessage(TMessage& message) override;
  void DrawControl(HDC dc, const RECT& rect) override;

private:
  // Which half the pointer is over: 0 none, 1 first, 2 second.
  int HalfUnderPointer(const RECT& rect) const;

  bool inEdit_ = false;
  bool horizontal_ = false;
  int hotHalf_ = 0;
  TPaintBuffer buffer_;
  TFrameCache frames_;
};

} // namespace vcu
