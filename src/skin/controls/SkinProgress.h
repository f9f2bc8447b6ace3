#pragma once
// TSkinProgress: paints a progress bar entirely from the skin's Progress element (and its
// chunks), in place of the native paint. A vertical bar is composed lying down and turned.
#include "core/image/Bitmap.h"
#include "skin/controls/FrameCache.h"
#include "skin/controls/PaintBuffer.h"
#include "skin/controls/SkinControl.h"

namespace vcu {

class TSkinProgress : public TSkinControl {
public:
  explicit TSkinProgress(TComponent* owner);
  static const TClassInfo& ClassInfo();
  const TClassInfo& ClassType() const override { return ClassInfo(); }
  void SkinChanged() override;

protected:
  bool BeforeMessage(TMessage& message) override;
  void DrawControl(HDC dc, const RECT& rect) override;

private:
  bool HasElement() const;

  TPaintBuffer buffer_;
  TFrameCache frames_;
  Bitmap lying_; // a vertical bar's picture before it is turned, kept for its size
};

} // namespace vcu
