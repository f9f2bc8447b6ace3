#include "skin/controls/SkinTrackBar.h"

#include <commctrl.h>

#include "core/controls/TrackBarGeometry.h"
#include "core/image/Blit.h"
#include "skin/data/WinRect.h"
#include "skin/data/WinSkinData.h"

namespace vcu {

const TClassInfo& TSkinTrackBar::ClassInfo() {
  static const TClassInfo info("TSkinTrackBar", &TSkinControl::ClassInfo(), {});
  return info;
}

TSkinTrackBar::TSkinTrackBar(TComponent* owner) : TSkinControl(owner) {}

void TSkinTrackBar::SkinChanged() {
  frames_.Clear();
  TSkinControl::SkinChanged();
  if (!handle_ || !IsWindow(handle_)) return;
  HWND had = GetFocus();
  SetFocus(handle_);
  if (had && had != handle_) SetFocus(had);
}

bool TSkinTrackBar::BeforeMessage(TMessage& message) {
  if (message.Msg == WM_NOTIFY || message.Msg == CN_NOTIFY) {
    // The skin's own mark shares CN_NOTIFY's number and carries no header.
    const NMHDR* header = NotifyHeader(message);
    if (header && header->code == static_cast<UINT>(NM_CUSTOMDRAW)) {
      message.Result = CustomDraw(*reinterpret_cast<const NMCUSTOMDRAW*>(header));
      return false;
    }
  }
  return TSkinControl::BeforeMessage(message);
}

LRESULT TSkinTrackBar::CustomDraw(const NMCUSTOMDRAW& draw) {
  if (draw.dwDrawStage == CDDS_PREPAINT) return CDRF_NOTIFYITEMDRAW;
  if (draw.dwDrawStage != CDDS_ITEMPREPAINT) return CDRF_DODEFAULT;
  switch (draw.dwItemSpec) {
  case TBCD_THUMB:
    DrawThumb(draw.hdc);
    return CDRF_SKIPDEFAULT;
  case TBCD_CHANNEL:
    DrawChannel(draw.hdc);
    return CDRF_SKIPDEFAULT;
  default: return CDRF_DODEFAULT; // the ticks stay native
  }
}

// The channel image composed at its own thickness over the channel's length, then one blit.
void TSkinTrackBar::DrawChannel(HDC dc) {
  if (!skin_ || !dc) return;
  const bool vertical = (GetWindowLongPtrW(handle_, GWL_STYLE) & TBS_VERT) != 0;
  const TDataSkinObject* element = vertical ? skin_->TrackVert.get() : skin_->Track.get();
  if (!element || element->Bitmap.Empty()) return;
  RECT channel{};
  SendMessageW(handle_, TBM_GETCHANNELRECT, 0, reinterpret_cast<LPARAM>(&channel));
  // Some versions of the native control answer for an upright bar as if it lay down.
  if (vertical && channel.right - channel.left > channel.bottom - channel.top)
    channel = RECT{channel.top, channel.left, channel.bottom, channel.right};
  const Bitmap& image = element->Bitmap;
  const int startCap = vertical ? element->TopHeight : element->LeftWidth;
  const int endCap = vertical ? element->BottomHeight : element->RightWidth;
  const ChannelLayout layout = LayOutChannel(ToRect(channel), image.Width(), image.Height(), startCap, endCap, vertical);
  const Rect& at = layout.bounds;
  if (at.Empty() || !buffer_.Prepare(at.Width(), at.Height())) return;
  ChannelLayout local = layout;
  for (BlitPiece& piece : local.pieces) {
    piece.to.left -= at.left;
    piece.to.right -= at.left;
    piece.to.top -= at.top;
    piece.to.bottom -= at.top;
  }
  ComposeChannel(buffer_.Pixels(), local, image);
  buffer_.CopyTo(dc, at.left, at.top);
}

// Frame 2 of the thumb strip scaled to the thumb, keyed over what the DC holds there.
void TSkinTrackBar::DrawThumb(HDC dc) {
  if (!skin_ || !dc || !IsWindow(handle_)) return;
  RECT thumb{};
  SendMessageW(handle_, TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&thumb));
  const bool vertical = (GetWindowLongPtrW(handle_, GWL_STYLE) & TBS_VERT) != 0;
  const TDataSkinObject* element = vertical && skin_->TrackbarThumbVert ? skin_->TrackbarThumbVert.get()
                                                                       : skin_->TrackbarThumbHorz.get();
  if (!element || element->Bitmap.Empty()) {
    HGDIOBJ oldPen = SelectObject(dc, GetStockObject(DC_PEN));
    const COLORREF oldColour = SetDCPenColor(dc, ResolveColour(skin_->ColourButtonShadow));
    Rectangle(dc, thumb.left, thumb.top, thumb.right, thumb.bottom);
    SetDCPenColor(dc, oldColour);
    SelectObject(dc, oldPen);
    return;
  }
  const int width = thumb.right - thumb.left, height = thumb.bottom - thumb.top;
  HDC canvas = buffer_.Prepare(width, height);
  if (!canvas) return;
  BitBlt(canvas, 0, 0, width, height, dc, thumb.left, thumb.top, SRCCOPY);
  buffer_.Compose(frames_.Stretched(element->Bitmap, width, height, kThumbFrame, kThumbFrames), 0, 0, true);
  buffer_.CopyTo(dc, thumb.left, thumb.top);
}

} // namespace vcu
