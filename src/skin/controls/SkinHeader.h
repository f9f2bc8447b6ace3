#pragma once
// TSkinHeader: paints a header control (a stand-alone one, or a list view's column headers)
// from the skin's Headerbar frames, the item under the mouse in the hot frame, the bar right
// of the last item in the normal frame. Composed off-screen and put on the window in one blit.
#include <vector>

#include <windows.h>
#include <commctrl.h>

#include "core/image/Rect.h"
#include "skin/controls/FrameCache.h"
#include "skin/controls/PaintBuffer.h"
#include "skin/controls/SkinControl.h"

namespace vcu {

class TSkinHeader : public TSkinControl {
public:
  explicit TSkinHeader(TComponent* owner);
  static const TClassInfo& ClassInfo();
  const TClassInfo& ClassType() const override { return ClassInfo(); }

  void AttachControl(TWinSkinForm* form, TSkinData* skin, bool takeColor) override;
  void AttachWindow(HWND handle, TSkinData* skin, TWinSkinForm* form) override;
  void SkinChanged() override;

  int HotItem() const { return hotItem_; }

protected:
  bool BeforeMessage(TMessage& message) override;
  void AfterMessage(TMessage& message) override;
  void DrawControl(HDC dc, const RECT& rect) override;

private:
  bool HasHeaderbar() const;
  int FrameCount() const;
  // One item at p in the buffer: its frame, then its image and text.
  void DrawItem(HDC canvas, int index, const RECT& p, HIMAGELIST images);

  int hotItem_ = -1;
  // The window had a part waiting to be painted before the mouse move reached the native
  // control.
  bool updatePending_ = false;
  std::vector<Rect> itemRects_;
  TPaintBuffer buffer_;
  TFrameCache frames_;
};

} // namespace vcu
