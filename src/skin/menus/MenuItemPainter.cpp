#include "skin/menus/MenuItemPainter.h"

#include <algorithm>

#include <commctrl.h>

#include "core/image/Blit.h"
#include "core/image/PixelOps.h"
#include "core/menus/MenuComposer.h"
#include "skin/data/WinSkinData.h"
#include "skin/menus/MenuFonts.h"

namespace vcu {
namespace {

constexpr int kGlyphSize = 16;
constexpr int kCheckMarkBitmap = 32760; // OBM_CHECK
constexpr UINT kTextFormat = DT_SINGLELINE | DT_VCENTER | DT_EXPANDTABS;

const TDataSkinObject* ItemElement(const TSkinData& skin) {
  return skin.MenuItem && !skin.MenuItem->Bitmap.Empty() ? skin.MenuItem.get() : nullptr;
}

// The system's check mark, a monochrome bitmap selected into a memory DC of its own, made
// once for the process.
struct CheckMark {
  HDC dc = nullptr;
  int width = 0, height = 0;
  CheckMark() {
    HBITMAP mark = LoadBitmapW(nullptr, MAKEINTRESOURCEW(kCheckMarkBitmap));
    BITMAP info{};
    if (!mark || !GetObjectW(mark, sizeof info, &info)) return;
    dc = CreateCompatibleDC(nullptr);
    if (!dc) return;
    SelectObject(dc, mark);
    width = info.bmWidth;
    height = info.bmHeight;
  }
};

const CheckMark& TheCheckMark() {
  static const CheckMark mark;
  return mark;
}

// The check mark in colour: where the mark's bits are 0 the DC's brush goes, elsewhere the
// destination stays (D = (S & D) | (~S & P)).
void DrawCheckMark(HDC dc, int x, int y, COLORREF colour) {
  const CheckMark& mark = TheCheckMark();
  if (!mark.dc) return;
  const COLORREF oldText = SetTextColor(dc, RGB(0, 0, 0));
  const COLORREF oldBack = SetBkColor(dc, RGB(255, 255, 255));
  HGDIOBJ oldBrush = SelectObject(dc, GetStockObject(DC_BRUSH));
  SetDCBrushColor(dc, colour);
  BitBlt(dc, x, y, mark.width, mark.height, mark.dc, 0, 0, 0x00B8074A);
  SelectObject(dc, oldBrush);
  SetBkColor(dc, oldBack);
  SetTextColor(dc, oldText);
}

// A checked item's image sits on a checkerboard of the face and highlight colours.
void Checkerboard(Bitmap& pixels, const Rect& box) {
  const Pixel face = PixelFromRgb(ResolveColour(SystemColourValue(15)));
  const Pixel light = PixelFromRgb(ResolveColour(SystemColourValue(20)));
  const Rect r = Intersect(box, pixels.Bounds());
  for (int y = r.top; y < r.bottom; ++y) {
    Pixel* row = pixels.Row(y);
    for (int x = r.left; x < r.right; ++x) row[x] = ((x + y) & 1) ? face : light;
  }
}

RECT Mirrored(const RECT& r, int width, bool mirror) {
  return mirror ? RECT{width - r.right, r.top, width - r.left, r.bottom} : r;
}

std::wstring Shown(const std::wstring& caption) {
  return caption.empty() || caption == L"&" ? std::wstring(L" ") : caption;
}

} // namespace

void SetItemText(MenuItemLook& look, const std::wstring& text) {
  const size_t tab = text.find(L'\t');
  look.caption = text.substr(0, tab);
  look.shortcut = tab == std::wstring::npos ? std::wstring() : text.substr(tab + 1);
  if (text.empty()) look.caption = L"-";
}

MenuItemSize TMenuItemPainter::Measure(const std::wstring& text, int requestedHeight, const TSkinData& skin) {
  int width = 0;
  if (!text.empty()) {
    // A system that asks with no height gets at least the text's.
    HDC dc = GetDC(nullptr);
    HGDIOBJ old = SelectObject(dc, MenuFont());
    RECT r{0, 0, 0, 0};
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &r, DT_CALCRECT | kTextFormat);
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    width = r.right - r.left;
    requestedHeight = std::max<int>(requestedHeight, r.bottom - r.top);
  }
  return PlainMenuItemSize(width, !text.empty(), requestedHeight, ItemElement(skin));
}

void TMenuItemPainter::Draw(const DRAWITEMSTRUCT& draw, const MenuItemLook& look, const TSkinData& skin,
                            const Bitmap* popupBackground) {
  const RECT& item = draw.rcItem;
  const int width = item.right - item.left, height = item.bottom - item.top;
  HDC dc = buffer_.Prepare(width, height);
  if (!dc) return;
  const TDataSkinObject* element = ItemElement(skin);
  const bool separator = look.caption == L"-";
  const bool selected = look.selected && !separator;
  Bitmap& pixels = buffer_.Pixels();
  if (element) {
    // The item's rectangle is in the menu window's client area; the background covers the
    // whole window.
    POINT origin{0, 0};
    RECT frame{};
    HWND popup = WindowFromDC(draw.hDC);
    if (popup && ClientToScreen(popup, &origin) && GetWindowRect(popup, &frame)) {
      origin.x -= frame.left;
      origin.y -= frame.top;
    } else {
      origin = POINT{3, 3};
    }
    ComposeMenuItemGround(pixels, popupBackground,
                          RectOfSize(item.left + origin.x, item.top + origin.y, width, height), skin.ColourMenu);
    if (separator) ComposeMenuSeparator(pixels, *element);
    else ComposeMenuItemFrame(pixels, *element, selected);
  } else {
    pixels.Fill(PixelFromRgb(ResolveColour(selected ? skin.ColourHilight : skin.ColourMenu)));
  }
  if (!(element && separator)) DrawContent(dc, RECT{0, 0, width, height}, look, skin, element != nullptr);
  buffer_.CopyTo(draw.hDC, item.left, item.top);
}

void TMenuItemPainter::DrawContent(HDC dc, const RECT& item, const MenuItemLook& look, const TSkinData& skin,
                                   bool withElement) {
  const bool separator = look.caption == L"-";
  const bool mirror = look.rightToLeft;
  const int width = item.right - item.left, height = item.bottom - item.top;
  int imageWidth = kGlyphSize, imageHeight = kGlyphSize;
  if (look.images) ImageList_GetIconSize(look.images, &imageWidth, &imageHeight);
  const int glyph = look.checked ? std::max(imageWidth, kGlyphSize) : imageWidth;
  const int boxLeft = item.left + 1 + (withElement ? skin.MenuItem->LeftWidth : 0);
  const RECT box{boxLeft, item.top + 1, boxLeft + glyph, item.top + 1 + glyph};
  if (!separator) {
    const RECT shownBox = Mirrored(box, width, mirror);
    const bool hasImage = look.images && look.image >= 0 && look.image < ImageList_GetImageCount(look.images);
    if (hasImage) {
      if (look.checked) {
        GdiFlush();
        Checkerboard(buffer_.Pixels(), Rect{shownBox.left, shownBox.top, shownBox.right, shownBox.bottom});
        RECT edge = shownBox;
        DrawEdge(dc, &edge, BDR_SUNKENOUTER, BF_RECT);
      }
      const int y = item.top + (height - (look.checked ? kGlyphSize : imageHeight)) / 2;
      const int x = mirror ? shownBox.right - imageWidth : shownBox.left;
      ImageList_DrawEx(look.images, look.image, dc, x, y, 0, 0, CLR_NONE, CLR_DEFAULT,
                       ILD_TRANSPARENT | (look.enabled ? 0 : ILD_BLEND50));
    } else if (look.checked) {
      const CheckMark& mark = TheCheckMark();
      const int x = (shownBox.left + shownBox.right - mark.width) / 2 + 1;
      const int y = (item.top + item.bottom - mark.height) / 2 + 1;
      DrawCheckMark(dc, x, y, GetSysColor(COLOR_BTNTEXT));
    }
  }
  COLORREF colour;
  if (!look.enabled)
    colour = skin.ColourButtonShadow == skin.ColourMenuText ? GetSysColor(COLOR_BTNSHADOW) : ResolveColour(skin.ColourButtonShadow);
  else
    colour = ResolveColour(look.selected ? skin.ColourHilightText : skin.ColourMenuText);
  SetTextColor(dc, colour);
  SetBkMode(dc, TRANSPARENT);
  HGDIOBJ oldFont = SelectObject(dc, look.isDefault ? BoldMenuFont() : MenuFont());
  RECT caption{separator ? item.left : box.right + 3, item.top, item.right - 1, item.bottom};
  if (separator) {
    RECT line{caption.left, caption.top + 4, caption.right, caption.top + 6};
    line = Mirrored(line, width, mirror);
    DrawEdge(dc, &line, EDGE_ETCHED, BF_TOP);
  } else {
    const std::wstring text = Shown(look.caption);
    RECT measured{0, 0, 0, 0};
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &measured, DT_CALCRECT | kTextFormat);
    const UINT align = mirror ? DT_RIGHT | DT_RTLREADING : DT_LEFT;
    RECT shown = Mirrored(caption, width, mirror);
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &shown, kTextFormat | align);
    if (!look.shortcut.empty()) {
      RECT keys{std::min<LONG>(caption.left + measured.right, caption.right), item.top, item.right - 1 - 10, item.bottom};
      keys = Mirrored(keys, width, mirror);
      DrawTextW(dc, look.shortcut.c_str(), static_cast<int>(look.shortcut.size()), &keys,
                kTextFormat | (mirror ? DT_LEFT | DT_RTLREADING : DT_RIGHT));
    }
  }
  SelectObject(dc, oldFont);
}

} // namespace vcu
