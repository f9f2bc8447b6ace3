#include "framework/Controls.h"

#include <windowsx.h>

#include "framework/Menus.h"

namespace vcu {

// ---- TControl

const TClassInfo& TControl::ClassInfo() {
  static const TClassInfo info(
      "TControl", &TComponent::ClassInfo(),
      {IntegerProperty("Left", &TControl::Left, &TControl::SetLeft),
       IntegerProperty("Top", &TControl::Top, &TControl::SetTop),
       IntegerProperty("Width", &TControl::Width, &TControl::SetWidth),
       IntegerProperty("Height", &TControl::Height, &TControl::SetHeight),
       StringProperty("Caption", &TControl::Caption, &TControl::SetCaption),
       StringProperty("Text", &TControl::Text, &TControl::SetTextProp),
       ObjectProperty("Font", &TControl::Font),
       BoolProperty("ParentFont", &TControl::ParentFont, &TControl::SetParentFont),
       IntegerProperty("Color", &TControl::Color, &TControl::SetColor, &ColorIdents()),
       BoolProperty("ParentColor", &TControl::ParentColor, &TControl::SetParentColor),
       BoolProperty("Visible", &TControl::Visible, &TControl::SetVisible),
       BoolProperty("Enabled", &TControl::Enabled, &TControl::SetEnabled),
       IntegerProperty("Cursor", &TControl::Cursor, &TControl::SetCursor, &CursorIdents()),
       EnumProperty("Align", {"alNone", "alTop", "alBottom", "alLeft", "alRight", "alClient"}, &TControl::Align,
                    &TControl::SetAlign),
       ComponentProperty("PopupMenu", &TControl::PopupMenu, &TControl::SetPopupMenu),
       EventProperty("OnClick", &TControl::SetOnClick)});
  return info;
}

TControl::TControl(TComponent* owner)
    : TComponent(owner), WindowProc([this](TMessage& m) { WndProc(m); }), font_(std::make_unique<TFont>()) {
  font_->OnChange = [this] {
    if (!applyingParentFont_) parentFont_ = false;
    FontChanged();
  };
}

TControl::~TControl() {
  Destroying();
  // Owned components (a skin hooked into WindowProc, for one) go while this control is whole.
  DestroyComponents();
  SetParent(nullptr);
}

void TControl::SetPopupMenu(TPopupMenu* menu) {
  if (menu == popupMenu_) return;
  if (popupMenu_) popupMenu_->RemoveFreeNotification(this);
  popupMenu_ = menu;
  if (menu) menu->FreeNotification(this);
}

void TControl::Notification(TComponent* component, TOperation operation) {
  if (operation == opRemove && component == popupMenu_) popupMenu_ = nullptr;
}

void TControl::SetParent(TWinControl* parent) {
  if (parent == parent_) return;
  if (parent_) parent_->RemoveControl(this);
  parent_ = parent;
  if (!parent) return;
  parent->InsertControl(this);
  Perform(CM_PARENTFONTCHANGED);
  Perform(CM_PARENTCOLORCHANGED);
  Invalidate();
  RequestAlign(); // an aligned control placed on a parent at run time takes its place at once
}

void TControl::SetBounds(int left, int top, int width, int height) {
  if (left == left_ && top == top_ && width == width_ && height == height_) return;
  if (parent_ && !IsWindowed()) Invalidate();
  left_ = left;
  top_ = top;
  width_ = width;
  height_ = height;
  if (parent_ && !IsWindowed()) Invalidate();
  RequestAlign();
}

void TControl::SetText(const std::string& text) {
  if (text == text_) return;
  text_ = text;
  Invalidate();
  Perform(CM_TEXTCHANGED);
}

void TControl::SetParentFont(bool value) {
  parentFont_ = value;
  if (value && parent_) Perform(CM_PARENTFONTCHANGED);
}

void TControl::SetColor(TColor color) {
  if (color == color_) return;
  color_ = color;
  parentColor_ = false;
  ColorChanged();
}

void TControl::SetParentColor(bool value) {
  parentColor_ = value;
  if (value && parent_) Perform(CM_PARENTCOLORCHANGED);
}

void TControl::SetVisible(bool visible) {
  if (visible == visible_) return;
  visible_ = visible;
  if (parent_) parent_->Invalidate();
  Perform(CM_VISIBLECHANGED, visible);
  RequestAlign();
}

void TControl::SetEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  Invalidate();
  Perform(CM_ENABLEDCHANGED);
}

void TControl::SetAlign(TAlign align) {
  align_ = align;
  RequestAlign();
}

void TControl::RequestAlign() {
  if (parent_ && align_ != alNone && !(ComponentState() & csLoading)) parent_->AlignControls();
}

void TControl::Click() {
  if (onClick_) onClick_(this);
}

LRESULT TControl::Perform(UINT msg, WPARAM wParam, LPARAM lParam) {
  TMessage message{msg, wParam, lParam, 0};
  WindowProc(message);
  return message.Result;
}

void TControl::WndProc(TMessage& message) { Dispatch(message); }

void TControl::Dispatch(TMessage& message) {
  switch (message.Msg) {
  case WM_LBUTTONDOWN: WMLButtonDown(message); break;
  case WM_LBUTTONUP: WMLButtonUp(message); break;
  case CM_PARENTFONTCHANGED: CMParentFontChanged(message); break;
  case CM_PARENTCOLORCHANGED: CMParentColorChanged(message); break;
  default: DefaultHandler(message); break;
  }
}

void TControl::DefaultHandler(TMessage&) {}

void TControl::WMLButtonDown(TMessage& message) {
  DefaultHandler(message);
  if (clickEvents_) clicked_ = true;
  MouseDown(mbLeft, ShiftStateOf(message.WParam), GET_X_LPARAM(message.LParam), GET_Y_LPARAM(message.LParam));
}

void TControl::MouseDown(TMouseButton button, unsigned shift, int x, int y) {
  if (onMouseDown_) onMouseDown_(this, button, shift, x, y);
}

unsigned ShiftStateOf(WPARAM mouseKeys) {
  unsigned shift = 0;
  if (mouseKeys & MK_SHIFT) shift |= ssShift;
  if (mouseKeys & MK_CONTROL) shift |= ssCtrl;
  if (mouseKeys & MK_LBUTTON) shift |= ssLeft;
  if (mouseKeys & MK_RBUTTON) shift |= ssRight;
  if (mouseKeys & MK_MBUTTON) shift |= ssMiddle;
  if (GetKeyState(VK_MENU) < 0) shift |= ssAlt;
  return shift;
}

void TControl::WMLButtonUp(TMessage& message) {
  DefaultHandler(message);
  if (!clicked_) return;
  clicked_ = false;
  POINT p{GET_X_LPARAM(message.LParam), GET_Y_LPARAM(message.LParam)};
  RECT client{0, 0, width_, height_};
  if (PtInRect(&client, p)) Click();
}

void TControl::CMParentFontChanged(TMessage&) {
  if (!parentFont_ || !parent_) return;
  applyingParentFont_ = true;
  font_->Assign(*parent_->Font());
  applyingParentFont_ = false;
}

void TControl::CMParentColorChanged(TMessage&) {
  if (!parentColor_ || !parent_) return;
  color_ = parent_->Color();
  ColorChanged();
}

void TControl::FontChanged() {
  Invalidate();
  Perform(CM_FONTCHANGED);
}

void TControl::ColorChanged() {
  Invalidate();
  Perform(CM_COLORCHANGED);
}

void TControl::Invalidate() {
  if (!parent_ || !parent_->HandleAllocated() || !visible_) return;
  RECT r = BoundsRect();
  InvalidateRect(parent_->Handle(), &r, TRUE);
}

void TControl::Paint(HDC) {}

void TControl::Loaded() {
  TComponent::Loaded();
  RequestAlign();
}

void DrawControlText(HDC dc, TControl& control, RECT& rect, UINT format) {
  HGDIOBJ oldFont = SelectObject(dc, control.Font()->Handle());
  int oldMode = SetBkMode(dc, TRANSPARENT);
  COLORREF oldColour = SetTextColor(dc, ColorToRGB(control.Enabled() ? control.Font()->Color() : clGrayText));
  std::string caption = control.Caption();
  DrawTextA(dc, caption.c_str(), -1, &rect, format);
  SetTextColor(dc, oldColour);
  SetBkMode(dc, oldMode);
  SelectObject(dc, oldFont);
}

} // namespace vcu
