#include "skin/controls/SkinComBox.h"

#include <windowsx.h>

#include "core/elements/SkinElements.h"
#include "core/image/Slicing.h"
#include "framework/Graphics.h"
#include "framework/OptionalApis.h"
#include "skin/controls/ListScrollbars.h"
#include "skin/data/WinSkinData.h"

namespace vcu {
namespace {

constexpr int kComboFrames = 4;
constexpr int kExtraFrames = 5;
constexpr Colour kWhite = 0xFFFFFF;
// The framework's command notification reflected to the control, and its codes.
constexpr WORD kDropDown = CBN_DROPDOWN, kCloseUp = CBN_CLOSEUP;

RECT ToRECT(const Rect& r) { return RECT{r.left, r.top, r.right, r.bottom}; }
Rect ToRect(const RECT& r) { return Rect{r.left, r.top, r.right, r.bottom}; }

void FrameColour(HDC dc, const RECT& rect, Colour colour) {
  const COLORREF old = SetDCBrushColor(dc, ColorToRGB(static_cast<TColor>(colour)));
  FrameRect(dc, &rect, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
  SetDCBrushColor(dc, old);
}

// A mirrored strip holds its frames in reverse order, each drawn right to left, so its
// margins swap sides too.
Margins Mirrored(const Margins& m) { return Margins{m.right, m.top, m.left, m.bottom}; }

} // namespace

const TClassInfo& TSkinComBox::ClassInfo() {
  static const TClassInfo info("TSkinComBox", &TSkinControl::ClassInfo(), {});
  return info;
}

TSkinComBox::TSkinComBox(TComponent* owner) : TSkinControl(owner) {}

TSkinComBox::~TSkinComBox() {
  UnhookEdit();
  FreeListSkins();
}

// ---- attaching

void TSkinComBox::AttachControl(TWinSkinForm* form, TSkinData* skin, bool takeColor) {
  if (attached_) return;
  TSkinControl::AttachControl(form, skin, takeColor);
  if (!attached_) return;
  AttachParts(true);
}

void TSkinComBox::AttachWindow(HWND handle, TSkinData* skin, TWinSkinForm* form) {
  if (attached_) return;
  TSkinControl::AttachWindow(handle, skin, form);
  if (!attached_) return;
  AttachParts(false);
}

void TSkinComBox::AttachParts(bool simpleList) {
  style_ = GetWindowLongPtrW(handle_, GWL_STYLE);
  const int kind = static_cast<int>(style_ & 3);
  if (kind != CBS_SIMPLE) {
    if (kind & 2 && ReadInfo() && info_.hwndList) {
      listBarSkin_ = std::make_unique<TComboxScrollBar>(nullptr);
      listBarSkin_->AttachWindow(info_.hwndList, skin_, nullptr);
    }
    if (!IsWindowUnicode(handle_)) HookEdit();
    return;
  }
  if (!simpleList || !ReadInfo() || !info_.hwndList) return;
  const LONG_PTR listStyle = GetWindowLongPtrW(info_.hwndList, GWL_STYLE);
  // A list that lives among the top-level windows is not this one's to overlay.
  if ((listStyle & WS_CHILD) && !(listStyle & WS_POPUP) && GetParent(info_.hwndList) != GetDesktopWindow()) {
    listSkin_ = std::make_unique<TSkinScrollbarH>(nullptr);
    listSkin_->AttachWindow(info_.hwndList, skin_, nullptr);
  }
}

bool TSkinComBox::ReadInfo() {
  GetComboBoxInfoFunc read = GetComboBoxInfoProc();
  if (!read || !handle_) return false;
  COMBOBOXINFO info{};
  info.cbSize = sizeof info;
  if (!read(handle_, &info)) return false;
  info_ = info;
  listHandle_ = info.hwndList;
  return true;
}

void TSkinComBox::HookEdit() {
  HWND edit = GetWindow(handle_, GW_CHILD);
  if (!edit) return;
  editHandle_ = edit;
  editHook_.Attach(edit, [this](UINT msg, WPARAM wParam, LPARAM lParam) { return EditHook(msg, wParam, lParam); });
}

void TSkinComBox::UnhookEdit() { editHook_.Detach(); }

void TSkinComBox::FreeListSkins() {
  listSkin_.reset();
  listBarSkin_.reset();
}

void TSkinComBox::RestoreControl() {
  TSkinControl::RestoreControl();
  UnhookEdit();
  if (listSkin_) listSkin_->RestoreControl();
  if (listBarSkin_) listBarSkin_->RestoreControl();
  FreeListSkins();
  // The native frame and button come back on screen.
  if (phase_ != phWindowGone && handle_ && IsWindow(handle_))
    RedrawWindow(handle_, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ERASE | RDW_ALLCHILDREN);
}

void TSkinComBox::SkinChanged() {
  frames_.Clear();
  if (listSkin_) listSkin_->SkinChanged();
  if (listBarSkin_) listBarSkin_->SkinChanged();
  TSkinControl::SkinChanged();
  RepaintAll();
}

// The combo box's erase paints over its edit and list children without invalidating them:
// they repaint with it.
void TSkinComBox::RepaintAll() {
  if (!handle_ || !IsWindow(handle_)) return;
  RedrawWindow(handle_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

// ---- messages

LRESULT TSkinComBox::EditHook(UINT msg, WPARAM wParam, LPARAM lParam) {
  const LRESULT result = editHook_.CallOld(msg, wParam, lParam);
  if (!active_) return result;
  switch (msg) {
  case WM_PAINT: PaintWindow(nullptr); break;
  case WM_LBUTTONDOWN:
  case WM_LBUTTONDBLCLK: SetPressed(true); break;
  case WM_LBUTTONUP: SetPressed(false); break;
  default: break;
  }
  return result;
}

void TSkinComBox::SetPressed(bool on) {
  SetMouseState(kMousePressed, on);
  RepaintAll();
}

void TSkinComBox::MouseMove(LPARAM position) {
  const int x = GET_X_LPARAM(position), y = GET_Y_LPARAM(position);
  const bool enabled = (GetWindowLongPtrW(handle_, GWL_STYLE) & WS_DISABLED) == 0;
  const bool over = PointInButton(ToRect(buttonRect_), x, y);
  if (Hot()) {
    if (!over || !enabled) {
      SetMouseState(kMouseHot, false);
      RepaintAll();
    }
  } else if (over && enabled) {
    SetMouseState(kMouseHot, true);
    RepaintAll();
  }
  // A bare window has no framework to report the pointer leaving.
  if (!host_) RequestMouseLeave();
}

void TSkinComBox::AfterMessage(TMessage& message) {
  switch (message.Msg) {
  case WM_SETFOCUS:
  case WM_KILLFOCUS: return;
  case WM_MOUSEMOVE: MouseMove(message.LParam); return;
  case WM_DRAWITEM:
  case WM_NCPAINT: RepaintAll(); return;
  case WM_LBUTTONDOWN:
  case WM_LBUTTONDBLCLK: SetPressed(true); return;
  case WM_LBUTTONUP: SetPressed(false); return;
  case CM_MOUSELEAVE:
  case WM_MOUSELEAVE:
    if (Hot()) {
      SetMouseState(kMouseHot, false);
      RepaintAll();
    }
    return;
  case CN_COMMAND:
    if (HIWORD(message.WParam) == kDropDown) droppedDown_ = true;
    else if (HIWORD(message.WParam) == kCloseUp) {
      droppedDown_ = false;
      // The button was pressed for the drop-down; the list took the release.
      if (Pressed()) SetPressed(false);
    }
    return;
  case WM_ENABLE:
  case WM_SETTEXT:
  case CM_ENABLEDCHANGED: RepaintAll(); return;
  default: break;
  }
  TSkinControl::AfterMessage(message);
}

// ---- painting

ComboState TSkinComBox::State() const {
  ComboState state;
  state.enabled = enabled_;
  state.pressed = Pressed();
  state.focused = focused_;
  state.hot = Hot();
  return state;
}

void TSkinComBox::DrawControl(HDC dc, const RECT& rect) {
  if (!skin_ || !skin_->ComboButton || skin_->ComboButton->Bitmap.Empty()) return;
  style_ = GetWindowLongPtrW(handle_, GWL_STYLE);
  exStyle_ = GetWindowLongPtrW(handle_, GWL_EXSTYLE);
  if (ReadInfo()) {
    buttonRect_ = info_.rcButton;
    if (info_.stateButton & STATE_SYSTEM_INVISIBLE) return;
  }
  const bool left = (exStyle_ & WS_EX_LEFTSCROLLBAR) != 0;
  HWND focus = GetFocus();
  focused_ = focus && (focus == handle_ || IsChild(handle_, focus));
  enabled_ = (style_ & WS_DISABLED) == 0;
  const TDataSkinBorder& combo = *skin_->ComboButton;
  if (combo.Style == 1) {
    DrawClassic(dc, rect, left);
    return;
  }
  const int index = ComboFrameIndex(State());
  if (plainFrame_) DrawPlain(dc, rect, index);
  else if (combo.Style == 2) DrawFullImage(dc, rect, index, left);
  else DrawSunken(dc, rect, index, left);
}

bool TSkinComBox::BeginCompose(HDC dc, const RECT& rect) {
  const int width = rect.right - rect.left, height = rect.bottom - rect.top;
  HDC buffer = buffer_.Prepare(width, height);
  if (!buffer) return false;
  // What the combo box painted is the ground that the faces' see-through parts keep.
  BitBlt(buffer, 0, 0, width, height, dc, rect.left, rect.top, SRCCOPY);
  return true;
}

void TSkinComBox::EndCompose(HDC dc, const Rect& text) {
  const int saved = SaveDC(dc);
  if (!text.Empty()) ExcludeClipRect(dc, text.left, text.top, text.right, text.bottom);
  buffer_.CopyTo(dc, 0, 0);
  RestoreDC(dc, saved);
}

void TSkinComBox::DrawFullImage(HDC dc, const RECT& rect, int index, bool buttonLeft) {
  const TDataSkinObject* face = skin_->ComboButton.get();
  // The right-to-left faces are the whole strip mirrored: its frames run from the other end.
  if (buttonLeft && skin_->SunkEdge && !skin_->SunkEdge->Bitmap.Empty()) {
    face = skin_->SunkEdge.get();
    index = kComboFrames + 1 - index;
  }
  if (!BeginCompose(dc, rect)) return;
  const int width = rect.right - rect.left, height = rect.bottom - rect.top;
  buffer_.Compose(frames_.Sliced(*face, width, height, index, kComboFrames), 0, 0, true);
  const ComboLayout layout = ComboBoxLayout(ToRect(rect), GetSystemMetrics(SM_CXHSCROLL), buttonLeft);
  // Some systems keep the native button at the right whatever the layout; the pointer lights
  // the button where it is drawn.
  if (buttonLeft && buttonRect_.left >= layout.button.right) buttonRect_ = ToRECT(layout.button);
  EndCompose(dc, layout.text);
}

void TSkinComBox::DrawSunken(HDC dc, const RECT& rect, int index, bool buttonLeft) {
  const ComboLayout layout = ComboBoxLayout(ToRect(rect), GetSystemMetrics(SM_CXHSCROLL), buttonLeft);
  if (!BeginCompose(dc, rect)) return;
  const int width = rect.right - rect.left, height = rect.bottom - rect.top;
  if (const TDataSkinObject* edge = skin_->SunkEdge.get(); edge && !edge->Bitmap.Empty())
    buffer_.Compose(frames_.Sliced(*edge, width, height, index, kComboFrames), 0, 0, edge->Trans == 1);
  const TDataSkinBorder& combo = *skin_->ComboButton;
  const Rect& box = layout.button;
  if (!box.Empty()) {
    if (buttonLeft && !combo.Bitmap2.Empty()) {
      // The mirrored strip runs right to left: its frame n is counted from the other end.
      const PlacedImage placed = SlicedFrameImage(Rect{0, 0, box.Width(), box.Height()}, combo.Bitmap2,
                                                  Mirrored(combo.Margins()), kComboFrames + 1 - index, kComboFrames,
                                                  combo.Tile != 0, false);
      buffer_.Compose(placed.image, box.left + placed.x, box.top + placed.y, true);
    } else {
      buffer_.Compose(frames_.Sliced(combo, box.Width(), box.Height(), index, kComboFrames), box.left, box.top, true);
    }
    if (const TDataSkinObject* extra = skin_->ExtraImages.get(); extra && !extra->Bitmap.Empty()) {
      const PlacedImage arrow = CentredFrameImage(box, extra->Bitmap, index, kExtraFrames);
      buffer_.Compose(arrow.image, arrow.x, arrow.y, true);
    }
  }
  buttonRect_ = ToRECT(box);
  EndCompose(dc, layout.text);
}

void TSkinComBox::DrawPlain(HDC dc, const RECT& rect, int index) {
  RECT r = rect;
  FrameColour(dc, r, skin_->ColourButtonShadow);
  InflateRect(&r, -1, -1);
  FrameColour(dc, r, kWhite);
  RECT box = buttonRect_;
  if (editHandle_ && IsWindow(editHandle_)) {
    GetWindowRect(editHandle_, &box);
    RECT window;
    GetWindowRect(handle_, &window);
    OffsetRect(&box, -window.left, -window.top);
  }
  FillFace(dc, box);
  const TDataSkinObject* arrow = skin_->ComboArrow.get();
  if (arrow && !arrow->Bitmap.Empty())
    DrawFrameTransparent(dc, box, arrow->Frame > 0 ? arrow->Frame : kComboFrames, index, arrow->Bitmap);
}

void TSkinComBox::DrawClassic(HDC dc, const RECT& rect, bool buttonLeft) {
  const TDataSkinBorder& combo = *skin_->ComboButton;
  const int index = ClassicComboFrameIndex(State());
  const int frameWidth = combo.Bitmap.Width() / kComboFrames;
  const ClassicComboLayout layout = ClassicComboBoxLayout(ToRect(rect), GetSystemMetrics(SM_CYVTHUMB),
                                                          GetSystemMetrics(SM_CYVTHUMB), frameWidth, buttonLeft);
  // The control's background, as the DC holds it.
  HBRUSH background = static_cast<HBRUSH>(GetCurrentObject(dc, OBJ_BRUSH));
  const RECT ring = ToRECT(layout.ring), strip = ToRECT(layout.strip);
  FrameRect(dc, &ring, background);
  if (!layout.strip.Empty()) FillRect(dc, &strip, background);
  FrameColour(dc, rect, skin_->ColourButtonShadow);
  buttonRect_ = ToRECT(layout.button);
  DrawFrameTransparent(dc, buttonRect_, kComboFrames, index, combo.Bitmap);
}

} // namespace vcu
