#include "framework/Controls.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <map>

#include <windowsx.h>

#include "core/Errors.h"

namespace vcu {

// ---- window classes and the control property

ATOM ControlAtom() {
  static const ATOM atom = [] {
    char name[64];
    std::snprintf(name, sizeof name, "ControlOfs%.8X%.8X",
                  static_cast<unsigned>(reinterpret_cast<std::uintptr_t>(GetModuleHandleA(nullptr))),
                  static_cast<unsigned>(GetCurrentThreadId()));
    return GlobalAddAtomA(name);
  }();
  return atom;
}

namespace {
LPCSTR AtomName(ATOM atom) { return reinterpret_cast<LPCSTR>(static_cast<ULONG_PTR>(atom)); }
} // namespace

TWinControl* FindControl(HWND window) {
  if (!window) return nullptr;
  return static_cast<TWinControl*>(GetPropA(window, AtomName(ControlAtom())));
}

namespace {

// The control whose CreateWindowEx call is under way: its window's first messages arrive
// before CreateWindowEx returns the handle.
thread_local TWinControl* creatingControl = nullptr;

// Window procedure of the native class behind each framework class.
std::map<std::string, WNDPROC>& DefaultProcs() {
  static std::map<std::string, WNDPROC> procs;
  return procs;
}

} // namespace

LRESULT CALLBACK FrameworkWndProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  TWinControl* control = FindControl(window);
  if (!control) {
    control = creatingControl;
    if (!control) return DefWindowProcA(window, msg, wParam, lParam);
    control->AttachHandle(window);
  }
  TMessage message{msg, wParam, lParam, 0};
  // No exception may unwind through the system's window-message dispatch.
  try {
    control->WindowProc(message);
  } catch (...) {
    HandleWindowException(control);
  }
  return message.Result;
}

namespace {

WNDPROC RegisterFrameworkClass(const std::string& name, const std::string& base) {
  auto known = DefaultProcs().find(name);
  if (known != DefaultProcs().end()) return known->second;
  HINSTANCE instance = GetModuleHandleA(nullptr);
  WNDCLASSEXA wc{};
  wc.cbSize = sizeof wc;
  WNDPROC defProc = DefWindowProcA;
  if (!base.empty()) {
    if (!GetClassInfoExA(nullptr, base.c_str(), &wc))
      throw Exception("Cannot find the window class " + base);
    defProc = wc.lpfnWndProc;
    wc.style &= ~CS_GLOBALCLASS;
  } else {
    wc.style = CS_DBLCLKS;
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.hIcon = LoadIcon(nullptr, IDI_APPLICATION);
  }
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = FrameworkWndProc;
  wc.hInstance = instance;
  wc.lpszClassName = name.c_str();
  if (!RegisterClassExA(&wc)) throw Exception("Cannot register the window class " + name);
  DefaultProcs()[name] = defProc;
  return defProc;
}

} // namespace

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
       EventProperty("OnClick", &TControl::SetOnClick)});
  return info;
}

TControl::TControl(TComponent* owner) : TComponent(owner), font_(std::make_unique<TFont>()) {
  WindowProc = [this](TMessage& m) { WndProc(m); };
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

void TControl::SetParent(TWinControl* parent) {
  if (parent == parent_) return;
  if (parent_) parent_->RemoveControl(this);
  parent_ = parent;
  if (!parent) return;
  parent->InsertControl(this);
  Perform(CM_PARENTFONTCHANGED);
  Perform(CM_PARENTCOLORCHANGED);
  Invalidate();
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

// ---- TWinControl

const TClassInfo& TWinControl::ClassInfo() {
  static const TClassInfo info("TWinControl", &TControl::ClassInfo(),
                               {IntegerProperty("TabOrder", &TWinControl::TabOrder, &TWinControl::SetTabOrder),
                                BoolProperty("TabStop", &TWinControl::TabStop, &TWinControl::SetTabStop)});
  return info;
}

TWinControl::TWinControl(TComponent* owner) : TControl(owner) {}

TWinControl::~TWinControl() {
  Destroying();
  DestroyComponents();
  while (!controls_.empty()) delete controls_.back();
  DestroyHandle();
  if (brush_) DeleteObject(brush_);
}

HWND TWinControl::Handle() {
  if (!handle_) CreateHandle();
  return handle_;
}

void TWinControl::CreateParams(TCreateParams& params) {
  params.winClassName = ClassName();
  params.style = WS_CLIPSIBLINGS;
  if (Parent()) params.style |= WS_CHILD;
  if (Visible()) params.style |= WS_VISIBLE;
  if (!Enabled()) params.style |= WS_DISABLED;
  if (tabStop_) params.style |= WS_TABSTOP;
  params.x = Left();
  params.y = Top();
  params.width = Width();
  params.height = Height();
  if (Parent()) params.wndParent = Parent()->Handle();
}

void TWinControl::CreateHandle() {
  TCreateParams params;
  CreateParams(params);
  RegisterFrameworkClass(params.winClassName, params.baseClassName);
  TWinControl* outer = creatingControl;
  creatingControl = this;
  HWND window = CreateWindowExA(params.exStyle, params.winClassName.c_str(), text_.c_str(), params.style, params.x,
                                params.y, params.width, params.height, params.wndParent, nullptr,
                                GetModuleHandleA(nullptr), nullptr);
  creatingControl = outer;
  if (!window) throw Exception("Error creating window of class " + params.winClassName);
  if (!handle_) AttachHandle(window);
  InitializeWindow();
  std::vector<TWinControl*> children;
  for (TControl* c : controls_)
    if (c->IsWindowed()) children.push_back(static_cast<TWinControl*>(c));
  std::stable_sort(children.begin(), children.end(),
                   [](TWinControl* a, TWinControl* b) { return a->tabOrder_ < b->tabOrder_; });
  for (TWinControl* child : children) child->HandleNeeded();
  AlignControls();
}

void TWinControl::AttachHandle(HWND window) {
  handle_ = window;
  SetPropA(window, AtomName(ControlAtom()), this);
  char className[100];
  GetClassNameA(window, className, sizeof className);
  defWndProc_ = DefaultProcs()[className];
}

void TWinControl::InitializeWindow() {
  SendMessageA(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(Font()->Handle()), FALSE);
}

void TWinControl::DestroyHandle() {
  if (handle_) DestroyWindow(handle_);
}

void TWinControl::InsertControl(TControl* control) {
  controls_.push_back(control);
  if (!control->IsWindowed()) return;
  auto* child = static_cast<TWinControl*>(control);
  if (child->handle_) ::SetParent(child->handle_, Handle());
  else if (handle_) child->HandleNeeded();
}

void TWinControl::RemoveControl(TControl* control) {
  auto it = std::find(controls_.begin(), controls_.end(), control);
  if (it != controls_.end()) controls_.erase(it);
  if (mouseControl_ == control) mouseControl_ = nullptr;
}

bool TWinControl::HasWindowlessChildren() const {
  return std::any_of(controls_.begin(), controls_.end(), [](TControl* c) { return !c->IsWindowed(); });
}

TControl* TWinControl::ControlAtPos(POINT point) const {
  for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) {
    TControl* c = *it;
    RECT bounds = c->BoundsRect();
    if (!c->IsWindowed() && c->Visible() && PtInRect(&bounds, point)) return c;
  }
  return nullptr;
}

void TWinControl::PaintControls(HDC dc) {
  for (TControl* c : controls_) {
    if (c->IsWindowed() || !c->Visible()) continue;
    RECT bounds = c->BoundsRect();
    if (!RectVisible(dc, &bounds)) continue;
    int saved = SaveDC(dc);
    POINT origin;
    GetViewportOrgEx(dc, &origin);
    SetViewportOrgEx(dc, origin.x + c->Left(), origin.y + c->Top(), nullptr);
    IntersectClipRect(dc, 0, 0, c->Width(), c->Height());
    c->Paint(dc);
    RestoreDC(dc, saved);
  }
}

RECT TWinControl::ClientRect() const {
  RECT r{0, 0, Width(), Height()};
  if (handle_) GetClientRect(handle_, &r);
  return r;
}

void TWinControl::AlignControls() {
  if (aligning_ || (ComponentState() & csLoading)) return;
  aligning_ = true;
  RECT free = ClientRect();
  for (TAlign pass : {alTop, alBottom, alLeft, alRight, alClient}) {
    for (TControl* c : controls_) {
      if (c->Align() != pass || !c->Visible()) continue;
      int w = free.right - free.left, h = free.bottom - free.top;
      switch (pass) {
      case alTop: c->SetBounds(free.left, free.top, w, c->Height()); free.top += c->Height(); break;
      case alBottom: c->SetBounds(free.left, free.bottom - c->Height(), w, c->Height()); free.bottom -= c->Height(); break;
      case alLeft: c->SetBounds(free.left, free.top, c->Width(), h); free.left += c->Width(); break;
      case alRight: c->SetBounds(free.right - c->Width(), free.top, c->Width(), h); free.right -= c->Width(); break;
      default: c->SetBounds(free.left, free.top, w, h); break;
      }
    }
  }
  aligning_ = false;
}

void TWinControl::SetTabStop(bool value) {
  tabStop_ = value;
  UpdateStyle(WS_TABSTOP, value);
}

void TWinControl::SetParentBackground(bool value) {
  if (value == parentBackground_) return;
  parentBackground_ = value;
  Invalidate();
}

void TWinControl::SetFocus() {
  if (Handle()) ::SetFocus(handle_);
}

void TWinControl::GetTabOrderList(std::vector<TWinControl*>& list) {
  std::vector<TWinControl*> children;
  for (TControl* c : controls_)
    if (c->IsWindowed()) children.push_back(static_cast<TWinControl*>(c));
  std::stable_sort(children.begin(), children.end(),
                   [](TWinControl* a, TWinControl* b) { return a->tabOrder_ < b->tabOrder_; });
  for (TWinControl* child : children) {
    list.push_back(child);
    child->GetTabOrderList(list);
  }
}

void TWinControl::UpdateStyle(DWORD bits, bool on) {
  if (!handle_) return;
  LONG_PTR style = GetWindowLongPtrA(handle_, GWL_STYLE);
  LONG_PTR updated = on ? (style | bits) : (style & ~static_cast<LONG_PTR>(bits));
  if (updated != style) SetWindowLongPtrA(handle_, GWL_STYLE, updated);
}

void TWinControl::Invalidate() {
  if (handle_) InvalidateRect(handle_, nullptr, TRUE);
}

void TWinControl::SetBounds(int left, int top, int width, int height) {
  bool changed = left != Left() || top != Top() || width != Width() || height != Height();
  TControl::SetBounds(left, top, width, height);
  if (changed && handle_) MoveWindow(handle_, left, top, width, height, TRUE);
}

void TWinControl::SetVisible(bool visible) {
  TControl::SetVisible(visible);
  if (handle_) ShowWindow(handle_, visible ? SW_SHOW : SW_HIDE);
}

void TWinControl::SetEnabled(bool enabled) {
  if (handle_) EnableWindow(handle_, enabled);
  TControl::SetEnabled(enabled);
}

void TWinControl::Loaded() {
  TControl::Loaded();
  AlignControls();
}

std::string TWinControl::GetText() const {
  if (!handle_) return text_;
  int length = GetWindowTextLengthA(handle_);
  std::string text(static_cast<size_t>(length) + 1, '\0');
  int copied = GetWindowTextA(handle_, &text[0], length + 1);
  text.resize(static_cast<size_t>(std::max(copied, 0)));
  return text;
}

void TWinControl::SetText(const std::string& text) {
  if (handle_) {
    if (GetText() == text) return;
    text_ = text;
    SetWindowTextA(handle_, text.c_str());
    Perform(CM_TEXTCHANGED);
    return;
  }
  TControl::SetText(text);
}

void TWinControl::FontChanged() {
  if (handle_) SendMessageA(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(Font()->Handle()), TRUE);
  TControl::FontChanged();
  for (TControl* c : controls_) c->Perform(CM_PARENTFONTCHANGED);
}

void TWinControl::ColorChanged() {
  if (brush_) {
    DeleteObject(brush_);
    brush_ = nullptr;
  }
  TControl::ColorChanged();
  for (TControl* c : controls_) c->Perform(CM_PARENTCOLORCHANGED);
}

HBRUSH TWinControl::Brush() {
  if (!brush_) brush_ = CreateSolidBrush(ColorToRGB(Color()));
  return brush_;
}

void TWinControl::PaintWindow(HDC dc) {
  TMessage paint{WM_PAINT, reinterpret_cast<WPARAM>(dc), 0, 0};
  DefaultHandler(paint);
}

// ---- TWinControl message handlers

void TWinControl::Dispatch(TMessage& message) {
  switch (message.Msg) {
  case WM_PAINT: WMPaint(message); return;
  case WM_ERASEBKGND: WMEraseBkgnd(message); return;
  case WM_COMMAND: WMCommand(message); return;
  case WM_CTLCOLOREDIT:
  case WM_CTLCOLORSTATIC:
  case WM_CTLCOLORBTN: WMCtlColor(message); return;
  case CN_CTLCOLOREDIT:
  case CN_CTLCOLORSTATIC:
  case CN_CTLCOLORBTN: CNCtlColor(message); return;
  case WM_SETCURSOR: WMSetCursor(message); return;
  case WM_SIZE: WMSize(message); return;
  case WM_NCDESTROY: WMNCDestroy(message); return;
  case WM_CAPTURECHANGED: mouseControl_ = nullptr; break;
  case WM_LBUTTONDOWN:
  case WM_LBUTTONUP:
  case WM_MOUSEMOVE:
    if (RouteMouseToChild(message)) return;
    break;
  }
  TControl::Dispatch(message);
}

void TWinControl::DefaultHandler(TMessage& message) {
  if (!handle_) return;
  WNDPROC proc = defWndProc_ ? defWndProc_ : DefWindowProcA;
  message.Result = CallWindowProcA(proc, handle_, message.Msg, message.WParam, message.LParam);
}

// A given DC (wParam) is painted into as is; otherwise the update region is painted between
// BeginPaint and EndPaint. Window-less children are painted over what the window painted.
void TWinControl::WMPaint(TMessage& message) {
  if (!HasWindowlessChildren() && defWndProc_ != DefWindowProcA) {
    DefaultHandler(message); // a native control with nothing to add paints as it always does
    return;
  }
  HDC given = reinterpret_cast<HDC>(message.WParam);
  if (given) {
    PaintWindow(given);
    PaintControls(given);
    return;
  }
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(handle_, &ps);
  PaintWindow(dc);
  PaintControls(dc);
  EndPaint(handle_, &ps);
}

void TWinControl::WMEraseBkgnd(TMessage& message) {
  RECT r;
  GetClientRect(handle_, &r);
  FillRect(reinterpret_cast<HDC>(message.WParam), &r, Brush());
  message.Result = 1;
}

// Notifications from a child window are handed back to the child's own control.
void TWinControl::WMCommand(TMessage& message) {
  TWinControl* child = FindControl(reinterpret_cast<HWND>(message.LParam));
  if (child && child != this) message.Result = child->Perform(CN_COMMAND, message.WParam, message.LParam);
  else DefaultHandler(message);
}

void TWinControl::WMCtlColor(TMessage& message) {
  TWinControl* child = FindControl(reinterpret_cast<HWND>(message.LParam));
  if (child && child != this) message.Result = child->Perform(CN_BASE + message.Msg, message.WParam, message.LParam);
  else DefaultHandler(message);
}

void TWinControl::CNCtlColor(TMessage& message) {
  HDC dc = reinterpret_cast<HDC>(message.WParam);
  SetTextColor(dc, ColorToRGB(Enabled() ? Font()->Color() : clGrayText));
  SetBkColor(dc, ColorToRGB(Color()));
  message.Result = reinterpret_cast<LRESULT>(Brush());
}

void TWinControl::WMSetCursor(TMessage& message) {
  if (reinterpret_cast<HWND>(message.WParam) == handle_ && LOWORD(message.LParam) == HTCLIENT) {
    POINT p;
    GetCursorPos(&p);
    ScreenToClient(handle_, &p);
    TControl* child = ControlAtPos(p);
    HCURSOR cursor = CursorHandle(child ? child->Cursor() : Cursor());
    if (cursor) {
      ::SetCursor(cursor);
      message.Result = TRUE;
      return;
    }
  }
  DefaultHandler(message);
}

void TWinControl::WMSize(TMessage& message) {
  DefaultHandler(message);
  AlignControls();
}

void TWinControl::WMNCDestroy(TMessage& message) {
  DefaultHandler(message);
  RemovePropA(handle_, AtomName(ControlAtom()));
  handle_ = nullptr;
}

bool TWinControl::RouteMouseToChild(TMessage& message) {
  POINT p{GET_X_LPARAM(message.LParam), GET_Y_LPARAM(message.LParam)};
  TControl* target = mouseControl_;
  if (!target) {
    // Only a press starts routing; the child then gets every mouse message up to the release.
    if (message.Msg != WM_LBUTTONDOWN) return false;
    TControl* hit = ControlAtPos(p);
    if (!hit || !hit->Enabled()) return false;
    target = mouseControl_ = hit;
    SetCapture(handle_);
  }
  message.Result = target->Perform(message.Msg, message.WParam, MAKELPARAM(p.x - target->Left(), p.y - target->Top()));
  if (message.Msg == WM_LBUTTONUP) {
    mouseControl_ = nullptr;
    if (GetCapture() == handle_) ReleaseCapture();
  }
  return true;
}

} // namespace vcu
