#pragma once
// TWScrollbar: a small window laid exactly over one native scroll bar of a scrolled control
// (a memo, a list), a step above that control among its siblings, that paints the bar from
// the skin. It scrolls nothing itself: a press is handed to the native bar underneath, whose
// own tracking loop repeats and drags the thumb, and the overlay re-reads the native bar
// whenever it paints. It never takes the focus and is not in the tab order.
#include <cstdint>
#include <memory>

#include <windows.h>

#include "framework/ExtCtrls.h"
#include "skin/controls/FrameCache.h"
#include "skin/controls/PaintBuffer.h"

namespace vcu {

class TSkinControl;

// Which native bar is covered: one of a scrolled window's, or a stand-alone scroll-bar
// control (its direction from the control's Kind).
enum TOverlayKind : std::uint8_t { sbkHorizontal = 0, sbkVertical = 1, sbkControl = 2 };

class TWScrollbar : public TCustomPanel {
public:
  explicit TWScrollbar(TComponent* owner);
  ~TWScrollbar() override;
  static const TClassInfo& ClassInfo();
  const TClassInfo& ClassType() const override { return ClassInfo(); }

  // Lays the overlay over the kind's native bar of the scrolled control (for sbkControl, over
  // the scroll-bar control itself); owner supplies the skin. The overlay lives in the
  // scrolled control's parent window.
  void Bind(TSkinControl* owner, TWinControl* scrolled, TOverlayKind kind);
  // The same over a bare native window (a combo box's list), in the skin's face colour.
  void BindWindow(TSkinControl* owner, HWND scrolled, TOverlayKind kind);
  // Re-reads window's native bar and shows, moves or hides the overlay to match.
  void Reposition(HWND window);
  void HideBar();
  // The part being scrolled, as a scroll code, shown pressed or hot; the overlay repaints.
  void SetHotPart(int part);
  void InvalidateBar();
  // Sliced frames of the old skin are dropped.
  void SkinChanged();
  // Its skinner is going while a press is still being handed on: hidden, and cut off from
  // the skinner, until it is freed.
  void Orphan();

  bool Shown() const { return shown_; }
  bool Pressed() const { return pressed_; }
  int HotPart() const { return hotPart_; }
  int ArrowSize() const { return arrowSize_; }
  TOverlayKind Kind() const { return kind_; }
  // The native bar in the scrolled control's client coordinates, as last placed.
  const RECT& BarRect() const { return barRect_; }

protected:
  void CreateParams(TCreateParams& params) override;
  void Dispatch(TMessage& message) override;

private:
  bool ReadBar(SCROLLBARINFO& info) const;
  bool Vertical() const { return vertical_; }
  // A stand-alone control's bar worked out from its scroll information; minimumThumb as at
  // paint time, without it as at press time.
  bool ReadControlBar(SCROLLBARINFO& info, bool minimumThumb) const;
  // The coordinate along the bar's axis of a point.
  int Along(POINT p) const { return Vertical() ? p.y : p.x; }
  void ShowAt(const RECT& screenBar);

  void OnPaint(TMessage& message);
  void OnMouseMove(TMessage& message);
  void OnMouseLeave(TMessage& message);
  void OnLButtonDown(TMessage& message);
  void OnLButtonUp(TMessage& message);
  void Paint(HDC dc);

  int barLength_ = 0;
  int thumbStart_ = 0, thumbEnd_ = 0;
  POINT barScreenPos_{0, 0};
  POINT pressCursor_{0, 0};
  int pressThumbStart_ = 0;
  int hotPart_ = -1;
  int arrowSize_ = 0;
  HWND scrolled_ = nullptr;
  TWinControl* scrolledControl_ = nullptr;
  TSkinControl* owner_ = nullptr;
  TOverlayKind kind_ = sbkVertical;
  bool vertical_ = true;
  RECT barRect_{0, 0, 0, 0};
  bool shown_ = false;
  bool pressed_ = false;

  TPaintBuffer buffer_;
  TFrameCache frames_;
  // Cleared when the overlay goes: a press handed to the native loop may outlive it.
  std::shared_ptr<bool> alive_;
};

} // namespace vcu
