// The plain look of owner-drawn menu items: what an item measures and paints when no handler
// and no skin does it instead.
#include <algorithm>

#include "framework/Menus.h"

namespace vcu {
namespace {

constexpr int kGlyphSize = 16;   // check mark or image box, without an image list
constexpr int kGlyphMargin = 2;  // around the glyph box
constexpr int kTextGap = 6;      // glyph box to caption, caption to shortcut
constexpr int kRightMargin = 10; // after the shortcut, room for a sub-menu arrow
constexpr int kLineHeight = 8;   // a separator item

// The system's menu font, made once for the process.
HFONT MenuFont(bool bold) {
  static HFONT fonts[2] = {};
  HFONT& font = fonts[bold ? 1 : 0];
  if (!font) {
    NONCLIENTMETRICSA metrics{};
    metrics.cbSize = sizeof metrics;
    SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
    if (bold) metrics.lfMenuFont.lfWeight = FW_BOLD;
    font = CreateFontIndirectA(&metrics.lfMenuFont);
  }
  return font;
}

// Restores whatever the painters change in the DC, on every path.
class DcState {
public:
  explicit DcState(HDC dc) : dc_(dc), saved_(SaveDC(dc)) {}
  ~DcState() { RestoreDC(dc_, saved_); }
  DcState(const DcState&) = delete;
  DcState& operator=(const DcState&) = delete;

private:
  HDC dc_;
  int saved_;
};

SIZE TextSize(HDC dc, const std::string& text) {
  RECT r{0, 0, 0, 0};
  // An empty caption still takes the height of a line.
  std::string measured = text.empty() ? " " : text;
  DrawTextA(dc, measured.c_str(), -1, &r, DT_CALCRECT | DT_SINGLELINE | DT_EXPANDTABS);
  return SIZE{r.right - r.left, r.bottom - r.top};
}

int GlyphWidth(const TMenu* menu) {
  int width = kGlyphSize, height = kGlyphSize;
  if (menu && menu->Images()) ImageList_GetIconSize(menu->Images(), &width, &height);
  return std::max(width, kGlyphSize);
}

// A tick (or a bullet for a radio item) in the text colour, centred in the box.
void DrawCheck(HDC dc, const RECT& box, bool radio, COLORREF colour) {
  int cx = (box.left + box.right) / 2, cy = (box.top + box.bottom) / 2;
  if (radio) {
    HBRUSH brush = CreateSolidBrush(colour);
    HGDIOBJ oldBrush = SelectObject(dc, brush);
    HGDIOBJ oldPen = SelectObject(dc, GetStockObject(NULL_PEN));
    Ellipse(dc, cx - 3, cy - 3, cx + 4, cy + 4);
    SelectObject(dc, oldPen);
    SelectObject(dc, oldBrush);
    DeleteObject(brush);
    return;
  }
  HPEN pen = CreatePen(PS_SOLID, 2, colour);
  HGDIOBJ oldPen = SelectObject(dc, pen);
  POINT tick[] = {{cx - 4, cy}, {cx - 1, cy + 3}, {cx + 4, cy - 3}};
  Polyline(dc, tick, 3);
  SelectObject(dc, oldPen);
  DeleteObject(pen);
}

} // namespace

void TMenuItem::MeasureItem(HDC dc, int& width, int& height) {
  {
    DcState state(dc);
    if (IsLine()) {
      width = 0;
      height = kLineHeight;
    } else {
      SelectObject(dc, MenuFont(default_));
      SIZE caption = TextSize(dc, StripHotkey(caption_));
      int shortcut = shortCut_ != scNone ? TextSize(dc, ShortCutToText(shortCut_)).cx + kTextGap : 0;
      width = 2 * kGlyphMargin + GlyphWidth(GetParentMenu()) + kTextGap + caption.cx + shortcut + kRightMargin;
      height = std::max<int>(caption.cy + 4, kGlyphSize + 2 * kGlyphMargin);
    }
  }
  if (onMeasureItem_) onMeasureItem_(this, dc, width, height);
}

void TMenuItem::DrawItem(HDC dc, const RECT& rect, UINT state) {
  if (onDrawItem_) onDrawItem_(this, dc, rect, state);
  else DrawPlain(dc, rect, state);
}

void TMenuItem::DrawPlain(HDC dc, const RECT& rect, UINT state) {
  DcState saved(dc);
  const TMenu* menu = GetParentMenu();
  bool rtl = menu && menu->IsRightToLeft();
  bool selected = (state & ODS_SELECTED) && !IsLine();
  FillRect(dc, &rect, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_MENU));
  if (IsLine()) {
    RECT line = rect;
    line.top = (rect.top + rect.bottom) / 2 - 1;
    DrawEdge(dc, &line, EDGE_ETCHED, BF_TOP);
    return;
  }
  COLORREF text = GetSysColor(!enabled_ ? COLOR_GRAYTEXT : selected ? COLOR_HIGHLIGHTTEXT : COLOR_MENUTEXT);
  int glyph = GlyphWidth(menu);
  RECT box = rect;
  if (rtl) box.left = (box.right -= kGlyphMargin) - glyph;
  else box.right = (box.left += kGlyphMargin) + glyph;
  HIMAGELIST images = menu ? menu->Images() : nullptr;
  if (images && imageIndex_ >= 0 && imageIndex_ < ImageList_GetImageCount(images)) {
    int w = 0, h = 0;
    ImageList_GetIconSize(images, &w, &h);
    UINT style = ILD_TRANSPARENT | (enabled_ ? 0 : ILD_BLEND50);
    if (checked_) DrawEdge(dc, &box, BDR_SUNKENOUTER, BF_RECT);
    ImageList_DrawEx(images, imageIndex_, dc, box.left, (rect.top + rect.bottom - h) / 2, w, h, CLR_NONE,
                     CLR_DEFAULT, style);
  } else if (checked_) {
    DrawCheck(dc, box, radioItem_, text);
  }
  SelectObject(dc, MenuFont(default_));
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, text);
  RECT area = rect;
  if (rtl) {
    area.right = box.left - kTextGap;
    area.left += kRightMargin;
  } else {
    area.left = box.right + kTextGap;
    area.right -= kRightMargin;
  }
  UINT align = DT_SINGLELINE | DT_VCENTER | (rtl ? DT_RIGHT | DT_RTLREADING : DT_LEFT);
  if (state & ODS_NOACCEL) align |= DT_HIDEPREFIX;
  DrawTextA(dc, caption_.c_str(), -1, &area, align);
  if (shortCut_ != scNone) {
    std::string keys = ShortCutToText(shortCut_);
    UINT keysAlign = DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | (rtl ? DT_LEFT : DT_RIGHT);
    DrawTextA(dc, keys.c_str(), -1, &area, keysAlign);
  }
}

} // namespace vcu
