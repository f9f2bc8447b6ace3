#include "skin/controls/SkinHeader.h"

#include <algorithm>

#include <commctrl.h>

#include "core/controls/HeaderRules.h"
#include "framework/Graphics.h"
#include "skin/data/WinSkinData.h"

namespace vcu {
namespace {

constexpr int kDefaultFrames = 5;
constexpr int kTextLimit = 201;

static_assert(kHeaderFormatRight == HDF_RIGHT && kHeaderFormatCentre == HDF_CENTER,
              "the core's format bits are the platform's");

} // namespace

const TClassInfo& TSkinHeader::ClassInfo() {
  static const TClassInfo info("TSkinHeader", &TSkinControl::ClassInfo(), {});
  return info;
}

TSkinHeader::TSkinHeader(TComponent* owner) : TSkinControl(owner) {}

void TSkinHeader::AttachControl(TWinSkinForm* form, TSkinData* skin, bool takeColor) {
  TSkinControl::AttachControl(form, skin, takeColor);
  hotItem_ = -1;
}

void TSkinHeader::AttachWindow(HWND handle, TSkinData* skin, TWinSkinForm* form) {
  TSkinControl::AttachWindow(handle, skin, form);
  hotItem_ = -1;
}

void TSkinHeader::SkinChanged() {
  frames_.Clear();
  TSkinControl::SkinChanged();
}

bool TSkinHeader::HasHeaderbar() const { return skin_ && skin_->Headerbar && !skin_->Headerbar->Bitmap.Empty(); }

int TSkinHeader::FrameCount() const { return skin_->Headerbar->Frame > 0 ? skin_->Headerbar->Frame : kDefaultFrames; }

bool TSkinHeader::BeforeMessage(TMessage& message) {
  switch (message.Msg) {
  case WM_PAINT:
  case WM_PRINTCLIENT:
    PaintInPlace(message);
    return false;
  case WM_ERASEBKGND:
    if (!HasHeaderbar()) return true; // nothing of the skin's covers the native background
    message.Result = 1;
    return false;
  case WM_MOUSEMOVE:
    updatePending_ = GetUpdateRect(handle_, nullptr, FALSE) != FALSE;
    return true;
  default:
    return TSkinControl::BeforeMessage(message);
  }
}

void TSkinHeader::AfterMessage(TMessage& message) {
  switch (message.Msg) {
  case WM_MOUSEMOVE: {
    const int x = static_cast<short>(LOWORD(message.LParam)), y = static_cast<short>(HIWORD(message.LParam));
    const int hot = NewHotItem(itemRects_, hotItem_, x, y);
    // A themed native header invalidates itself for its own hot tracking, which the skin's
    // look does not show; with no button held nothing else of it changes on a move.
    if (!updatePending_ && !(message.WParam & (MK_LBUTTON | MK_RBUTTON | MK_MBUTTON))) ValidateRect(handle_, nullptr);
    if (hot >= 0) {
      hotItem_ = hot;
      Repaint();
    }
    RequestMouseLeave();
    break;
  }
  case WM_MOUSELEAVE:
    hotItem_ = -1;
    Repaint();
    break;
  default:
    TSkinControl::AfterMessage(message);
    break;
  }
}

void TSkinHeader::DrawControl(HDC dc, const RECT& rect) {
  if (!HasHeaderbar()) return;
  enabled_ = true; // item texts are never greyed
  const int width = rect.right - rect.left, height = rect.bottom - rect.top;
  HDC canvas = buffer_.Prepare(width, height);
  if (!canvas) return;
  HFONT font = reinterpret_cast<HFONT>(SendMessageW(handle_, WM_GETFONT, 0, 0));
  HGDIOBJ oldFont = font ? SelectObject(canvas, font) : nullptr;
  SetBkMode(canvas, TRANSPARENT);
  SetTextColor(canvas, ColorToRGB(static_cast<TColor>(skin_->ColourButtonText)));
  auto images = reinterpret_cast<HIMAGELIST>(SendMessageW(handle_, HDM_GETIMAGELIST, 0, 0));
  const int count = std::max(0, static_cast<int>(SendMessageW(handle_, HDM_GETITEMCOUNT, 0, 0)));

  itemRects_.assign(static_cast<size_t>(count), Rect{});
  int rightmost = 0;
  for (int i = 0; i < count; ++i) {
    RECT p;
    if (!SendMessageW(handle_, HDM_GETITEMRECT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&p))) continue;
    DrawItem(canvas, i, p, images);
    itemRects_[static_cast<size_t>(i)] = HotTrackArea(Rect{p.left, p.top, p.right, p.bottom});
    rightmost = std::max<int>(rightmost, p.right);
  }
  if (rightmost < width)
    buffer_.Compose(frames_.Sliced(*skin_->Headerbar, width - rightmost, height, HeaderItemFrame(false), FrameCount()),
                    rightmost, 0, false);
  if (oldFont) SelectObject(canvas, oldFont);
  buffer_.CopyTo(dc, rect.left, rect.top);
}

void TSkinHeader::DrawItem(HDC canvas, int index, const RECT& p, HIMAGELIST images) {
  const int w = p.right - p.left, h = p.bottom - p.top;
  if (w <= 0 || h <= 0) return;
  wchar_t text[kTextLimit + 1] = {};
  HDITEMW item{};
  item.mask = HDI_TEXT | HDI_FORMAT | HDI_IMAGE;
  item.pszText = text;
  item.cchTextMax = kTextLimit;
  if (!SendMessageW(handle_, HDM_GETITEMW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item))) item = HDITEMW{};
  text[kTextLimit] = L'\0';
  const std::wstring caption = item.pszText == text ? std::wstring(text) : std::wstring();

  buffer_.Compose(frames_.Sliced(*skin_->Headerbar, w, h, HeaderItemFrame(index == hotItem_), FrameCount()), p.left,
                  p.top, false);
  if (caption.empty()) return;

  const int alignment = HeaderAlignment(item.fmt);
  const int imageIndex = (item.fmt & (HDF_IMAGE | HDF_OWNERDRAW)) ? item.iImage : -1;
  int cx = 0, cy = 0;
  if (images) ImageList_GetIconSize(images, &cx, &cy);
  const bool useImage = HeaderImageUsed(imageIndex, images != nullptr, cx, w);
  if (!useImage) cx = cy = 0;

  const UINT rtl = (GetWindowLongPtrW(handle_, GWL_EXSTYLE) & WS_EX_RTLREADING) || RightToLeft() ? DT_RTLREADING : 0;
  const UINT format = DT_END_ELLIPSIS | DT_EXPANDTABS | DT_WORDBREAK | rtl;
  RECT measured{0, 0, w + (useImage ? cx + 2 : 0), h};
  DrawTextOut(canvas, caption, measured, format | DT_CALCRECT | DT_NOCLIP);
  const HeaderCellLayout layout =
      LayoutHeaderCell(w, h, alignment, cx, cy, measured.right - measured.left, measured.bottom - measured.top);
  if (useImage) ImageList_Draw(images, imageIndex, canvas, p.left + layout.imageX, p.top + layout.imageY, ILD_TRANSPARENT);
  RECT box{p.left + layout.text.left, p.top + layout.text.top, p.left + layout.text.right, p.top + layout.text.bottom};
  DrawTextOut(canvas, caption, box, format);
}

} // namespace vcu
