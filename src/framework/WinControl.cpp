#include "framework/Controls.h"

#include <algorithm>

#include <windowsx.h>

#include "core/Errors.h"
#include "framework/Forms.h"
#include "framework/Menus.h"
#include "framework/OptionalApis.h"
#include "framework/WindowClasses.h"

namespace vcu {
namespace {

// The framework window of this thread that last heard the pointer enter and not yet leave.
thread_local TWinControl* pointerWindow = nullptr;

} // namespace

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
  if (pointerWindow == this) pointerWindow = nullptr;
  if (brush_) DeleteObject(brush_);
}

HWND TWinControl::Handle() {
  if (!handle_) CreateHandle();
  return handle_;
}

void TWinControl::CreateParams(TCreateParams& params) {
  params.winClassName = ClassName();
  params.style = WS_CLIPSIBLINGS;
  if (Parent() || parentWindow_) params.style |= WS_CHILD;
  if (Visible()) params.style |= WS_VISIBLE;
  if (!Enabled()) params.style |= WS_DISABLED;
  if (tabStop_) params.style |= WS_TABSTOP;
  params.x = Left();
  params.y = Top();
  params.width = Width();
  params.height = Height();
  params.wndParent = Parent() ? Parent()->Handle() : parentWindow_;
}

void TWinControl::CreateHandle() {
  TCreateParams params;
  CreateParams(params);
  RegisterFrameworkClass(params.winClassName, params.baseClassName);
  HWND window;
  {
    CreatingControlScope creating(this);
    window = CreateWindowExA(params.exStyle, params.winClassName.c_str(), text_.c_str(), params.style, params.x,
                             params.y, params.width, params.height, params.wndParent, nullptr,
                             GetModuleHandleA(nullptr), nullptr);
  }
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
  NoteControlWindow(window, this);
  char className[100];
  GetClassNameA(window, className, sizeof className);
  defWndProc_ = DefaultWindowProcOf(className);
}

void TWinControl::InitializeWindow() {
  SendMessageA(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(Font()->Handle()), FALSE);
}

void TWinControl::DestroyHandle() {
  if (!handle_) return;
  destroyingHandle_ = true;
  DestroyWindow(handle_);
  destroyingHandle_ = false;
}

void TWinControl::SetParentWindow(HWND window) {
  if (Parent() || window == parentWindow_) return;
  if (handle_ && parentWindow_ && window) {
    parentWindow_ = window;
    ::SetParent(handle_, window);
    MoveWindow(handle_, Left(), Top(), Width(), Height(), TRUE); // the bounds hold in the new host
    return;
  }
  // A top-level window does not become a child in place (nor the reverse): it is made again,
  // with the right styles, when next needed.
  DestroyHandle();
  parentWindow_ = window;
}

void TWinControl::InsertControl(TControl* control) {
  controls_.push_back(control);
  if (!control->IsWindowed()) return;
  auto* child = static_cast<TWinControl*>(control);
  child->parentWindow_ = nullptr; // the framework parent hosts it from now on
  if (child->handle_) ::SetParent(child->handle_, Handle());
  else if (handle_) child->HandleNeeded();
}

void TWinControl::RemoveControl(TControl* control) {
  auto it = std::find(controls_.begin(), controls_.end(), control);
  if (it != controls_.end()) controls_.erase(it);
  if (mouseControl_ == control) mouseControl_ = nullptr;
  if (hoverControl_ == control) hoverControl_ = nullptr;
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
  case WM_NOTIFY: WMNotify(message); return;
  case WM_CTLCOLOREDIT:
  case WM_CTLCOLORSTATIC:
  case WM_CTLCOLORBTN: WMCtlColor(message); return;
  case WM_HSCROLL:
  case WM_VSCROLL: ReflectToChild(message, reinterpret_cast<HWND>(message.LParam)); return;
  case WM_DRAWITEM: {
    const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(message.LParam);
    ReflectToChild(message, item && item->CtlType != ODT_MENU ? item->hwndItem : nullptr);
    return;
  }
  case CN_CTLCOLOREDIT:
  case CN_CTLCOLORSTATIC:
  case CN_CTLCOLORBTN: CNCtlColor(message); return;
  case WM_SETCURSOR: WMSetCursor(message); return;
  case WM_SIZE: WMSize(message); return;
  case WM_WINDOWPOSCHANGED: WMWindowPosChanged(message); return;
  case WM_NCDESTROY: WMNCDestroy(message); return;
  case WM_CONTEXTMENU: WMContextMenu(message); return;
  case WM_SYSCHAR: WMSysChar(message); return;
  case WM_CAPTURECHANGED: mouseControl_ = nullptr; break;
  case WM_MOUSELEAVE: WMMouseLeave(message); return;
  case WM_MOUSEMOVE:
    TrackMouse(POINT{GET_X_LPARAM(message.LParam), GET_Y_LPARAM(message.LParam)});
    if (RouteMouseToChild(message)) return;
    break;
  case WM_LBUTTONDOWN:
  case WM_LBUTTONDBLCLK:
  case WM_LBUTTONUP:
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

void TWinControl::WMNotify(TMessage& message) {
  const NMHDR* header = NotifyHeader(message);
  TWinControl* child = header ? FindControl(header->hwndFrom) : nullptr;
  if (child && child != this) message.Result = child->Perform(CN_NOTIFY, message.WParam, message.LParam);
  else DefaultHandler(message);
}

void TWinControl::WMCtlColor(TMessage& message) {
  TWinControl* child = FindControl(reinterpret_cast<HWND>(message.LParam));
  if (child && child != this) message.Result = child->Perform(CN_BASE + message.Msg, message.WParam, message.LParam);
  else DefaultHandler(message);
}

void TWinControl::ReflectToChild(TMessage& message, HWND window) {
  TWinControl* child = window ? FindControl(window) : nullptr;
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

// Moves and resizes made from outside (the user, another program, a skin resizing the frame)
// show in Left, Top, Width and Height before WM_SIZE reaches the handlers.
void TWinControl::WMWindowPosChanged(TMessage& message) {
  UpdateBoundsFromWindow();
  DefaultHandler(message);
}

void TWinControl::UpdateBoundsFromWindow() {
  if (!handle_ || IsIconic(handle_)) return; // a minimised window keeps its restored bounds
  RECT r;
  GetWindowRect(handle_, &r);
  HWND parent = GetParent(handle_);
  if (parent && (GetWindowLongPtrA(handle_, GWL_STYLE) & WS_CHILD))
    MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&r), 2);
  TControl::SetBounds(r.left, r.top, r.right - r.left, r.bottom - r.top);
}

void TWinControl::WMNCDestroy(TMessage& message) {
  // Destroyed from outside while hosted by a native window: the host is going (it takes its
  // children with it), so a later window must not be made under its dead handle.
  if (!destroyingHandle_) parentWindow_ = nullptr;
  DefaultHandler(message);
  RemovePropA(handle_, AtomName(ControlAtom()));
  mouseInWindow_ = false; // a new window starts with the pointer outside it
  hoverControl_ = nullptr;
  if (pointerWindow == this) pointerWindow = nullptr;
  NoteControlWindow(handle_, nullptr);
  handle_ = nullptr;
}

void TWinControl::WMContextMenu(TMessage& message) {
  POINT screen{GET_X_LPARAM(message.LParam), GET_Y_LPARAM(message.LParam)};
  bool fromKeyboard = screen.x == -1 && screen.y == -1;
  TControl* target = this;
  if (fromKeyboard) {
    // The menu key: the menu opens at the control's middle.
    POINT middle{ClientWidth() / 2, ClientHeight() / 2};
    ClientToScreen(handle_, &middle);
    screen = middle;
  } else {
    POINT client = screen;
    ScreenToClient(handle_, &client);
    RECT area = ClientRect();
    if (!PtInRect(&area, client)) {
      DefaultHandler(message); // the frame's own menu (the system menu on the caption)
      return;
    }
    if (TControl* child = ControlAtPos(client); child && child->PopupMenu()) target = child;
  }
  TPopupMenu* menu = target->PopupMenu();
  if (!menu || !menu->AutoPopup()) {
    DefaultHandler(message); // a child window's default asks its parent
    return;
  }
  menu->SetPopupComponent(target);
  menu->Popup(screen.x, screen.y);
  message.Result = 0;
}

void TWinControl::WMSysChar(TMessage& message) {
  TForm* form = GetParentForm(this);
  if (form && form->HandleAllocated() &&
      SendMessageA(form->Handle(), CM_DIALOGCHAR, message.WParam, message.LParam) != 0) {
    message.Result = 0;
    return;
  }
  DefaultHandler(message);
}

bool TWinControl::RouteMouseToChild(TMessage& message) {
  POINT p{GET_X_LPARAM(message.LParam), GET_Y_LPARAM(message.LParam)};
  TControl* target = mouseControl_;
  if (!target) {
    // Only a press starts routing (the second press of a double click too); the child then
    // gets every mouse message up to the release.
    if (message.Msg != WM_LBUTTONDOWN && message.Msg != WM_LBUTTONDBLCLK) return false;
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

void TWinControl::TrackMouse(POINT point) {
  if (!mouseInWindow_) {
    // A captured move from outside the window (a press dragged off it) is no entering.
    RECT client;
    GetClientRect(handle_, &client);
    if (!PtInRect(&client, point)) return;
    // The window the pointer came from hears its leave first, though the system posts that
    // leave only after this move; without the service no leave is pending.
    if (pointerWindow && pointerWindow != this && TrackMouseEventProc()) pointerWindow->MouseLeft();
    pointerWindow = this;
    mouseInWindow_ = true;
    Perform(CM_MOUSEENTER, 0, reinterpret_cast<LPARAM>(this));
  }
  // A handler of the enter may have destroyed the window.
  if (!handle_) return;
  // The request is one-shot and a native control's own hot tracking may cancel it, so it is
  // renewed on every move; without the service no leave ever comes.
  if (TrackMouseEventFunc track = TrackMouseEventProc()) {
    TRACKMOUSEEVENT request{sizeof(TRACKMOUSEEVENT), TME_LEAVE, handle_, 0};
    track(&request);
  }
  // Even while a press is routed to one child, the pointer's crossings are reported as they are.
  SetHoverControl(ControlAtPos(point));
}

void TWinControl::SetHoverControl(TControl* control) {
  if (control == hoverControl_) return;
  TControl* old = hoverControl_;
  hoverControl_ = control;
  if (old) old->Perform(CM_MOUSELEAVE, 0, reinterpret_cast<LPARAM>(old));
  // The leave's handler may have freed the new child; then it hears nothing.
  if (control && hoverControl_ == control) control->Perform(CM_MOUSEENTER, 0, reinterpret_cast<LPARAM>(control));
}

void TWinControl::WMMouseLeave(TMessage& message) {
  MouseLeft();
  DefaultHandler(message);
}

void TWinControl::MouseLeft() {
  if (pointerWindow == this) pointerWindow = nullptr;
  if (!mouseInWindow_) return; // already heard, or never entered
  mouseInWindow_ = false;
  SetHoverControl(nullptr);
  Perform(CM_MOUSELEAVE, 0, reinterpret_cast<LPARAM>(this));
}

} // namespace vcu
