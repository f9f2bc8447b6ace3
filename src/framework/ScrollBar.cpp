#include "framework/ScrollBar.h"

#include <algorithm>

namespace vcu {

const TClassInfo& TScrollBar::ClassInfo() {
  static const TClassInfo info(
      "TScrollBar", &TWinControl::ClassInfo(),
      {EnumProperty("Kind", {"sbHorizontal", "sbVertical"}, &TScrollBar::Kind, &TScrollBar::SetKind),
       IntegerProperty("Min", &TScrollBar::Min, &TScrollBar::SetMin),
       IntegerProperty("Max", &TScrollBar::Max, &TScrollBar::SetMax),
       IntegerProperty("Position", &TScrollBar::Position, &TScrollBar::SetPosition),
       IntegerProperty("PageSize", &TScrollBar::PageSize, &TScrollBar::SetPageSize),
       IntegerProperty("SmallChange", &TScrollBar::SmallChange, &TScrollBar::SetSmallChange),
       IntegerProperty("LargeChange", &TScrollBar::LargeChange, &TScrollBar::SetLargeChange),
       EventProperty("OnChange", &TScrollBar::SetOnChange)});
  return info;
}

TScrollBar::TScrollBar(TComponent* owner) : TWinControl(owner) {
  SetTabStop(true);
  SetBounds(0, 0, 121, GetSystemMetrics(SM_CYHSCROLL));
}

void TScrollBar::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.baseClassName = "SCROLLBAR";
  params.style |= kind_ == sbVertical ? SBS_VERT : SBS_HORZ;
}

void TScrollBar::InitializeWindow() {
  TWinControl::InitializeWindow();
  SendToWindow();
}

void TScrollBar::SetKind(TScrollBarKind value) {
  if (value == kind_) return;
  kind_ = value;
  // The native bar takes its direction when made: a live one is made anew.
  if (HandleAllocated()) {
    DestroyHandle();
    HandleNeeded();
  }
}

void TScrollBar::SetPageSize(int value) {
  pageSize_ = std::max(0, value);
  SetParams(position_, min_, max_);
}

int TScrollBar::Highest() const { return pageSize_ > 0 ? std::max(min_, max_ - pageSize_ + 1) : max_; }

void TScrollBar::SetParams(int position, int min, int max) {
  if (max < min) max = min;
  min_ = min;
  max_ = max;
  const int clamped = std::clamp(position, min_, Highest());
  const bool moved = clamped != position_;
  position_ = clamped;
  SendToWindow();
  if (moved && onChange_) onChange_(this);
}

void TScrollBar::SendToWindow() {
  if (!HandleAllocated()) return;
  SCROLLINFO info{sizeof info, SIF_RANGE | SIF_PAGE | SIF_POS, min_, max_, static_cast<UINT>(pageSize_), position_, 0};
  SetScrollInfo(Handle(), SB_CTL, &info, TRUE);
}

void TScrollBar::Dispatch(TMessage& message) {
  if (message.Msg == CN_HSCROLL || message.Msg == CN_VSCROLL) {
    Scrolled(LOWORD(message.WParam));
    message.Result = 0;
    return;
  }
  TWinControl::Dispatch(message);
}

void TScrollBar::Scrolled(int code) {
  int next = position_;
  switch (code) {
  case SB_LINEUP: next -= smallChange_; break;
  case SB_LINEDOWN: next += smallChange_; break;
  case SB_PAGEUP: next -= largeChange_; break;
  case SB_PAGEDOWN: next += largeChange_; break;
  case SB_THUMBTRACK:
  case SB_THUMBPOSITION: {
    // The 32-bit track position; the message's word would cut ranges past 65535.
    SCROLLINFO info{sizeof info, SIF_TRACKPOS, 0, 0, 0, 0, 0};
    if (GetScrollInfo(Handle(), SB_CTL, &info)) next = info.nTrackPos;
    break;
  }
  case SB_TOP: next = min_; break;
  case SB_BOTTOM: next = max_; break;
  default: break; // SB_ENDSCROLL
  }
  next = std::clamp(next, min_, Highest());
  if (onScroll_) onScroll_(this, code, next);
  SetPosition(next);
}

} // namespace vcu
