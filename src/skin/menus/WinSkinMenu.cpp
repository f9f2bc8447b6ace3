#include "skin/menus/WinSkinMenu.h"

#include <algorithm>

#include "core/image/Blit.h"
#include "core/form/CaptionButtonRules.h"
#include "core/image/PixelOps.h"
#include "core/image/Slicing.h"
#include "core/menus/MenuBarLayout.h"
#include "core/menus/MenuComposer.h"
#include "framework/TypInfo.h"
#include "framework/Forms.h"
#include "skin/data/WinSkinData.h"
#include "skin/form/SkinManage.h"
#include "skin/form/WinSkinForm.h"
#include "skin/menus/MenuFonts.h"
#include "skin/menus/WinSkinPopMenu.h"

namespace vcu {
namespace {

constexpr int kMaxCaption = 80;
constexpr UINT kCaptionFormat = DT_SINGLELINE | DT_CENTER | DT_VCENTER;

// The one menu-tracking hook of the process and what it knows of the open drop-down; only
// the window thread touches it.
struct Tracking {
  HHOOK hook = nullptr;
  TWinSkinMenu* owner = nullptr;
  int index = -1;
  bool first = false;
  bool switched = false;
  POINT last{0, 0};
  // The item last selected: the menu it is in, and its own submenu (null for a command).
  bool hasItem = false;
  HMENU itemMenu = nullptr;
  HMENU itemSub = nullptr;
  HMENU dropDown = nullptr;
};
Tracking tracking;

std::wstring Wide(const std::string& text) {
  if (text.empty()) return std::wstring();
  std::wstring wide(text.size(), L'\0');
  wide.resize(static_cast<size_t>(MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), &wide[0],
                                                      static_cast<int>(wide.size()))));
  return wide;
}

wchar_t Lower(wchar_t c) { return static_cast<wchar_t>(reinterpret_cast<UINT_PTR>(CharLowerW(reinterpret_cast<LPWSTR>(static_cast<UINT_PTR>(c))))); }

// The accelerator of a caption: the character after a single '&', or 0.
wchar_t AcceleratorOf(const std::wstring& caption) {
  for (size_t i = 0; i + 1 < caption.size(); ++i) {
    if (caption[i] != L'&') continue;
    if (caption[i + 1] != L'&') return Lower(caption[i + 1]);
    ++i;
  }
  return 0;
}

} // namespace

void TMenuBtn::Repaint() { menu_.RepaintButton(*this); }

TWinSkinMenu::TWinSkinMenu(TWinSkinForm& form) : form_(form) {}

TWinSkinMenu::~TWinSkinMenu() {
  if (tracking.owner == this) EndMenuTracking();
}

void TWinSkinMenu::BuildMenuButtons() { Build(false); }

void TWinSkinMenu::Build(bool rebuild) {
  captionWidths_.clear();
  HWND window = form_.Window();
  if (HMENU current = GetMenu(window)) menu_ = current;
  if (!menu_) return;
  // A framework form's items are looked up by command for their captions and states.
  TMainMenu* framework = form_.Form() ? form_.Form()->Menu() : nullptr;
  if (form_.Form() && !framework) return;
  form_.CaptionButtons().ClearHot();
  buttons_.clear();
  rightToLeft_ = form_.RightToLeft();
  if (framework && BarFromFrameworkMenu(GetVersion())) BuildFromItems(*framework);
  else BuildFromWindowMenu(framework, rebuild);
  rects_.assign(buttons_.size(), Rect{});
  ++version_;
  SetMenu(window, nullptr);
}

// One button per top-level item of the framework's menu.
void TWinSkinMenu::BuildFromItems(TMainMenu& framework) {
  TMenuItem* root = framework.Items();
  for (int i = 0; root && i < root->Count(); ++i) {
    TMenuItem* item = root->Items(i);
    auto button = std::make_unique<TMenuBtn>(*this, static_cast<int>(buttons_.size()));
    button->Visible = item->Visible();
    button->Enabled = item->Enabled();
    button->Command = static_cast<int>(item->Command());
    button->Caption = Wide(GetTextProp(item, "Caption"));
    button->Item = item;
    button->SubMenu = item->Count() > 0 ? item->Handle() : nullptr;
    buttons_.push_back(std::move(button));
  }
}

// One button per position of the window's menu, with the framework's item of the same
// command, where there is one, for its caption and state.
void TWinSkinMenu::BuildFromWindowMenu(TMainMenu* framework, bool rebuild) {
  const int count = GetMenuItemCount(menu_);
  for (int i = 0; i < count; ++i) {
    wchar_t text[kMaxCaption] = {};
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_STATE | MIIM_ID | MIIM_SUBMENU | MIIM_FTYPE | MIIM_STRING;
    info.dwTypeData = text;
    info.cch = kMaxCaption - 1;
    if (!GetMenuItemInfoW(menu_, static_cast<UINT>(i), TRUE, &info)) continue;
    auto button = std::make_unique<TMenuBtn>(*this, static_cast<int>(buttons_.size()));
    button->Visible = true;
    button->Enabled = !(info.fState & (MFS_GRAYED | MFS_DISABLED));
    button->SubMenu = info.hSubMenu;
    button->Command = static_cast<int>(info.wID);
    button->Caption = text;
    if (info.fType & MFT_RIGHTORDER) rightToLeft_ = true;
    // A rebuild takes an item with text as it is (an MDI frame's menu holds items of its own).
    const bool lookUp = framework && !(rebuild && text[0]);
    if (TMenuItem* item = lookUp ? framework->FindItem(info.wID, fkCommand) : nullptr) {
      button->Caption = Wide(item->Caption());
      if (rebuild) button->Command = static_cast<int>(item->Command());
      button->Enabled = item->Enabled();
      button->Item = item;
      button->SubMenu = item->Count() > 0 ? item->Handle() : nullptr;
    }
    buttons_.push_back(std::move(button));
  }
}

void TWinSkinMenu::RebuildMenuButtons() {
  Build(true);
  LayoutMenuButtons();
}

std::vector<int> TWinSkinMenu::MeasureCaptions(HDC dc) const {
  std::vector<int> widths;
  widths.reserve(buttons_.size());
  HGDIOBJ old = SelectObject(dc, MenuFont());
  for (const auto& button : buttons_) {
    RECT r{0, 0, 0, 0};
    if (!button->Caption.empty())
      DrawTextW(dc, button->Caption.c_str(), static_cast<int>(button->Caption.size()), &r, DT_CALCRECT | DT_SINGLELINE);
    widths.push_back(r.right - r.left);
  }
  SelectObject(dc, old);
  return widths;
}

// Captions change only with a build; the font only with the system's settings.
const std::vector<int>& TWinSkinMenu::CaptionWidths() {
  if (captionWidths_.size() != buttons_.size() || widthsFont_ != MenuFont()) {
    HDC dc = GetDC(nullptr);
    captionWidths_ = MeasureCaptions(dc);
    ReleaseDC(nullptr, dc);
    widthsFont_ = MenuFont();
  }
  return captionWidths_;
}

void TWinSkinMenu::LayoutMenuButtons() {
  if (bar_.Empty()) return;
  const std::vector<int>& widths = CaptionWidths();
  std::vector<MenuBarButtonInput> inputs;
  inputs.reserve(buttons_.size());
  for (size_t i = 0; i < buttons_.size(); ++i) inputs.push_back({widths[i], buttons_[i]->Visible});
  const TSkinData& skin = *form_.SkinData();
  LayoutMenuBar(bar_, MenuBarStartOffset(bar_.Width(), skin.MenuBar.get(), rightToLeft_), rightToLeft_, inputs, rects_);
  for (size_t i = 0; i < buttons_.size(); ++i) buttons_[i]->Bounds = rects_[i];
}

void TWinSkinMenu::PaintMenuBar(Bitmap& canvas, HDC canvasDC, const Rect& bar, bool active) {
  bar_ = bar;
  if (bar.Empty()) return;
  const TSkinData& skin = *form_.SkinData();
  ComposeMenuBarBackground(canvas, bar, skin, active);
  if (background_.Prepare(bar.Width(), bar.Height())) CopyPixels(background_.Pixels(), 0, 0, canvas, bar);
  const std::vector<int>& widths = CaptionWidths();
  std::vector<MenuBarButtonInput> inputs;
  inputs.reserve(buttons_.size());
  for (size_t i = 0; i < buttons_.size(); ++i) inputs.push_back({widths[i], buttons_[i]->Visible});
  // The caption buttons were laid out with the title, just before the bar.
  const std::vector<TWinSysButton*> mdi = MdiButtons();
  int rightLimit = 0x7FFFFFFF;
  if (rightToLeft_ && !mdi.empty()) {
    std::vector<Rect> mdiRects;
    mdiRects.reserve(mdi.size());
    for (const TWinSysButton* button : mdi) mdiRects.push_back(button->Bounds);
    rightLimit = MdiButtonsRightLimit(mdiRects);
  }
  LayoutMenuBar(bar, MenuBarStartOffset(bar.Width(), skin.MenuBar.get(), rightToLeft_), rightToLeft_, inputs, rects_,
                rightLimit);
  for (size_t i = 0; i < buttons_.size(); ++i) {
    buttons_[i]->Bounds = rects_[i];
    if (rects_[i].Empty()) continue;
    DrawCaption(canvasDC, *buttons_[i], RECT{rects_[i].left, rects_[i].top, rects_[i].right, rects_[i].bottom});
  }
  if (mdi.empty()) return;
  GdiFlush(); // the captions are in the pixels before the core writes
  for (const TWinSysButton* button : mdi)
    DrawPlaced(canvas, StretchedFrameImage(button->Bounds, *button->Image(), 1, button->Frames()), true);
  if (TSkinManage* manager = TSkinManage::Instance()) manager->SetMdiMaximized(true);
}

std::vector<TWinSysButton*> TWinSkinMenu::MdiButtons() const {
  std::vector<TWinSysButton*> shown;
  if (!form_.ShowsMdiButtons()) return shown;
  const TCaptionButtons& all = form_.CaptionButtons();
  for (int i = 0; i < all.Count(); ++i) {
    TWinSysButton& button = all.Button(i);
    if (button.Visible && button.IsMdiButton() && !button.Image()->Empty()) shown.push_back(&button);
  }
  return shown;
}

void TWinSkinMenu::RepaintMdiButton(const TWinSysButton& button) {
  const Rect r = button.Bounds;
  const Bitmap* image = button.Image();
  if (!button.Visible || r.Empty() || !image || image->Empty() || background_.Width() == 0) return;
  HDC dc = button_.Prepare(r.Width(), r.Height());
  if (!dc) return;
  Bitmap& pixels = button_.Pixels();
  pixels.Fill(0);
  CopyPixels(pixels, 0, 0, background_.Pixels(), Rect{r.left - bar_.left, r.top - bar_.top, r.right - bar_.left, r.bottom - bar_.top});
  const int frames = button.Frames();
  DrawPlaced(pixels, StretchedFrameImage(Rect{0, 0, r.Width(), r.Height()}, *image,
                                         CaptionButtonStateFrame(button.State, frames, button.Enabled, true), frames),
             true);
  HWND window = form_.Window();
  if (HDC windowDC = GetWindowDC(window)) {
    button_.CopyTo(windowDC, r.left, r.top);
    ReleaseDC(window, windowDC);
  }
}

void TWinSkinMenu::DrawCaption(HDC dc, const TMenuBtn& button, const RECT& where) const {
  const TSkinData& skin = *form_.SkinData();
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, button.Enabled ? ResolveColour(skin.ColourMenuBarText) : GetSysColor(COLOR_BTNSHADOW));
  HGDIOBJ old = SelectObject(dc, MenuFont());
  RECT r = where;
  DrawTextW(dc, button.Caption.c_str(), static_cast<int>(button.Caption.size()), &r,
            kCaptionFormat | (rightToLeft_ ? DT_RTLREADING : 0));
  SelectObject(dc, old);
}

void TWinSkinMenu::RepaintButton(const TMenuBtn& button) {
  const size_t index = static_cast<size_t>(button.Index);
  if (index >= rects_.size() || rects_[index].Empty() || background_.Width() == 0) return;
  const Rect r = rects_[index];
  HDC dc = button_.Prepare(r.Width(), r.Height());
  if (!dc) return;
  Bitmap& pixels = button_.Pixels();
  pixels.Fill(0);
  CopyPixels(pixels, 0, 0, background_.Pixels(), Rect{r.left - bar_.left, r.top - bar_.top, r.right - bar_.left, r.bottom - bar_.top});
  if (button.State == ncPressed || button.State == ncHot) {
    const Pixel edge = PixelFromRgb(ResolveColour(form_.SkinData()->ColourButtonHilight));
    const int w = r.Width(), h = r.Height();
    FillRect(pixels, Rect{0, 0, w, 1}, edge);
    FillRect(pixels, Rect{0, h - 1, w, h}, edge);
    FillRect(pixels, Rect{0, 0, 1, h}, edge);
    FillRect(pixels, Rect{w - 1, 0, w, h}, edge);
  }
  DrawCaption(dc, button, RECT{0, 0, r.Width(), r.Height()});
  HWND window = form_.Window();
  if (HDC windowDC = GetWindowDC(window)) {
    button_.CopyTo(windowDC, r.left, r.top);
    ReleaseDC(window, windowDC);
  }
}

TMenuBtn* TWinSkinMenu::MenuButtonAt(POINT point) const {
  const int hit = vcu::MenuButtonAt(rects_, point.x, point.y);
  if (hit < 0 || static_cast<size_t>(hit) >= buttons_.size()) return nullptr;
  TMenuBtn* button = buttons_[static_cast<size_t>(hit)].get();
  return button->Visible && !button->Caption.empty() ? button : nullptr;
}

TMenuBtn* TWinSkinMenu::ButtonForKey(wchar_t c) const {
  if (buttons_.empty()) return nullptr;
  if (c == 0) return buttons_.front().get();
  const wchar_t wanted = Lower(c);
  for (const auto& button : buttons_)
    if (button->Visible && AcceleratorOf(button->Caption) == wanted) return button.get();
  return nullptr;
}

void TWinSkinMenu::GiveMenuBack() {
  HWND window = form_.Window();
  if (menu_ && window && IsWindow(window) && GetMenu(window) != menu_) SetMenu(window, menu_);
}

// ---- drop-downs

void TWinSkinMenu::Open(TMenuBtn& first) {
  HWND window = form_.Window();
  TSkinManage* manager = TSkinManage::Instance();
  TMenuBtn* button = &first;
  while (button) {
    pending_ = nullptr;
    if (!button->Enabled) break;
    if (!button->SubMenu) {
      PostMessageW(window, WM_COMMAND, static_cast<WPARAM>(button->Command & 0xFFFF), 0);
      break;
    }
    form_.SetMenuTracking(true);
    form_.CaptionButtons().MouseDown(*button);
    if (manager) {
      manager->SetMenuKind(mkMenuBar);
      manager->SetMenuBarTracking(true);
    }
    RECT frame{};
    GetWindowRect(window, &frame);
    const Rect& r = rects_[static_cast<size_t>(button->Index)];
    TPMPARAMS params{};
    params.cbSize = sizeof params;
    params.rcExclude = RECT{frame.left + r.left, frame.top + r.top, frame.left + r.right, frame.top + r.bottom + 1};
    const UINT flags = TPM_LEFTBUTTON | TPM_VERTICAL | TPM_TOPALIGN | (rightToLeft_ ? TPM_RIGHTALIGN : TPM_LEFTALIGN);
    StartMenuTracking(button->Index);
    TrackPopupMenuEx(button->SubMenu, flags, rightToLeft_ ? params.rcExclude.right : params.rcExclude.left,
                     params.rcExclude.bottom, window, &params);
    EndMenuTracking();
    form_.CaptionButtons().MouseLeave(*button);
    button = pending_;
  }
  pending_ = nullptr;
  form_.SetMenuTracking(false);
}

void TWinSkinMenu::SwitchToMenu(TMenuBtn& button) {
  pending_ = &button;
  tracking.index = button.Index;
  EndMenu();
}

void TWinSkinMenu::StartMenuTracking(int index) {
  if (!tracking.hook) tracking.hook = SetWindowsHookExW(WH_MSGFILTER, &TWinSkinMenu::MenuHook, nullptr, GetCurrentThreadId());
  tracking.owner = this;
  tracking.index = index;
  tracking.first = true;
  tracking.switched = false;
  tracking.hasItem = false;
  tracking.itemMenu = tracking.itemSub = nullptr;
  tracking.dropDown = buttons_[static_cast<size_t>(index)]->SubMenu;
  GetCursorPos(&tracking.last);
}

void TWinSkinMenu::EndMenuTracking() {
  if (tracking.hook) UnhookWindowsHookEx(tracking.hook);
  tracking.hook = nullptr;
  tracking.owner = nullptr;
  tracking.hasItem = false;
  tracking.index = -1;
  tracking.first = false;
}

void TWinSkinMenu::MenuSelect(WPARAM wParam, LPARAM lParam) {
  if (tracking.owner != this) return;
  const UINT flags = HIWORD(wParam);
  auto menu = reinterpret_cast<HMENU>(lParam);
  if (flags == 0xFFFF && !menu) {
    // The menus closed of their own accord (a choice, Escape, a click elsewhere): no switch.
    if (!tracking.switched) pending_ = nullptr;
    return;
  }
  tracking.switched = false;
  tracking.hasItem = true;
  tracking.itemMenu = menu;
  tracking.itemSub = (flags & MF_POPUP) ? GetSubMenu(menu, LOWORD(wParam)) : nullptr;
}

LRESULT CALLBACK TWinSkinMenu::MenuHook(int code, WPARAM wParam, LPARAM lParam) {
  auto* msg = reinterpret_cast<MSG*>(lParam);
  TWinSkinMenu* owner = tracking.owner;
  // Right-to-left menus: what the user sees as left is the system's right.
  if (code >= 0 && owner && msg && tracking.hasItem && owner->rightToLeft_ && msg->message == WM_KEYDOWN)
    msg->wParam = MenuArrowKey(static_cast<unsigned>(msg->wParam), true);
  const LRESULT next = CallNextHookEx(tracking.hook, code, wParam, lParam);
  if (next || code != MSGF_MENU || !owner || !msg) return next;
  return owner->FilterMessage(*msg);
}

LRESULT TWinSkinMenu::FilterMessage(MSG& msg) {
  if (tracking.first) {
    tracking.first = false;
    // The first item of the drop-down comes up selected.
    TSkinManage* manager = TSkinManage::Instance();
    HWND menuWindow = manager && !manager->PopupMenus().empty() ? manager->PopupMenus().back()->Window() : msg.hwnd;
    PostMessageW(menuWindow ? menuWindow : msg.hwnd, WM_KEYDOWN, VK_DOWN, 0);
  }
  const int count = Count();
  int target = -1;
  bool key = false;
  switch (msg.message) {
  case WM_KEYDOWN:
    if (msg.wParam == VK_RETURN || msg.wParam == VK_ESCAPE) tracking.switched = false;
    else if (msg.wParam == VK_LEFT) {
      const bool deeper = tracking.hasItem && tracking.itemSub != tracking.dropDown && tracking.itemMenu != tracking.dropDown;
      if (!deeper) target = PreviousMenuButton(tracking.index, count);
      key = true;
    } else if (msg.wParam == VK_RIGHT) {
      if (!(tracking.hasItem && tracking.itemSub)) target = NextMenuButton(tracking.index, count);
      key = true;
    }
    break;
  case WM_SYSKEYDOWN:
    if (msg.wParam == VK_MENU) {
      pending_ = nullptr;
      EndMenu();
      return 1;
    }
    break;
  case WM_MOUSEMOVE:
    if (msg.pt.x != tracking.last.x || msg.pt.y != tracking.last.y) {
      RECT frame{};
      GetWindowRect(form_.Window(), &frame);
      if (TMenuBtn* button = MenuButtonAt(POINT{msg.pt.x - frame.left, msg.pt.y - frame.top})) target = button->Index;
      tracking.last = msg.pt;
    }
    break;
  }
  if (target < 0 || target == tracking.index || target >= count) return 0;
  tracking.switched = true;
  SwitchToMenu(Button(target));
  return key ? 1 : 0;
}

} // namespace vcu
