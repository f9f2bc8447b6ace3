#pragma once
// Controls: TControl (window-less base, painted by its parent) and TWinControl (a control with
// its own window, created on demand). Every window the framework creates belongs to a window
// class named after the framework class and carries the "ControlOfs" window property that
// leads back to its control object.
#include <memory>
#include <string>
#include <vector>

#include <windows.h>

#include "framework/Classes.h"
#include "framework/Graphics.h"
#include "framework/Messages.h"
#include "framework/WindowProcChain.h"

namespace vcu {

class TWinControl;
class TPopupMenu;

enum TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient };
enum TMouseButton { mbLeft, mbRight, mbMiddle };
enum TShiftFlag : unsigned { ssShift = 1, ssAlt = 2, ssCtrl = 4, ssLeft = 8, ssRight = 16, ssMiddle = 32, ssDouble = 64 };
// Sender, button, shift state (TShiftFlag bits), position in the control's client area.
using TMouseEvent = std::function<void(TObject*, TMouseButton, unsigned, int, int)>;

// The shift state of a mouse message's wParam (MK_* flags) and the keyboard.
unsigned ShiftStateOf(WPARAM mouseKeys);

// The atom of the window property that holds a framework window's control object; its name is
// "ControlOfs" followed by the module instance and the thread id in 8 upper-case hex digits each.
ATOM ControlAtom();
// The framework control behind a window, or null for a window the framework did not create.
TWinControl* FindControl(HWND window);

class TControl : public TComponent {
public:
  explicit TControl(TComponent* owner);
  ~TControl() override;

  static const TClassInfo& ClassInfo();
  const TClassInfo& ClassType() const override { return ClassInfo(); }

  TWinControl* Parent() const { return parent_; }
  virtual void SetParent(TWinControl* parent);

  int Left() const { return left_; }
  int Top() const { return top_; }
  int Width() const { return width_; }
  int Height() const { return height_; }
  void SetLeft(int v) { SetBounds(v, top_, width_, height_); }
  void SetTop(int v) { SetBounds(left_, v, width_, height_); }
  void SetWidth(int v) { SetBounds(left_, top_, v, height_); }
  void SetHeight(int v) { SetBounds(left_, top_, width_, v); }
  virtual void SetBounds(int left, int top, int width, int height);
  RECT BoundsRect() const { return RECT{left_, top_, left_ + width_, top_ + height_}; }

  std::string Caption() const { return GetText(); }
  void SetCaption(const std::string& text) { SetText(text); }
  std::string Text() const { return GetText(); }
  void SetTextProp(const std::string& text) { SetText(text); }

  TFont* Font() const { return font_.get(); }
  bool ParentFont() const { return parentFont_; }
  void SetParentFont(bool value);
  TColor Color() const { return color_; }
  void SetColor(TColor color);
  bool ParentColor() const { return parentColor_; }
  void SetParentColor(bool value);
  bool Visible() const { return visible_; }
  virtual void SetVisible(bool visible);
  bool Enabled() const { return enabled_; }
  virtual void SetEnabled(bool enabled);
  TCursor Cursor() const { return cursor_; }
  void SetCursor(TCursor cursor) { cursor_ = cursor; }
  TAlign Align() const { return align_; }
  void SetAlign(TAlign align);

  const TNotifyEvent& OnClick() const { return onClick_; }
  void SetOnClick(TNotifyEvent handler) { onClick_ = std::move(handler); }
  virtual void Click();
  void SetOnMouseDown(TMouseEvent handler) { onMouseDown_ = std::move(handler); }
  // The context menu a right click (or the menu key) on the control opens.
  TPopupMenu* PopupMenu() const { return popupMenu_; }
  void SetPopupMenu(TPopupMenu* menu);
  void Notification(TComponent* component, TOperation operation) override;
  // Reports a press to OnMouseDown; a control that consumes the press itself still calls it.
  void MouseDown(TMouseButton button, unsigned shift, int x, int y);

  // The control's message handler: hooks (skinners, filters) in front of the control's own
  // handler, each added and removed by its identifier.
  TWindowProcChain WindowProc;
  LRESULT Perform(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0);

  virtual bool IsWindowed() const { return false; }
  virtual void Invalidate();
  // Paints a window-less control into dc, whose origin is the control's top-left corner.
  virtual void Paint(HDC dc);
  void Loaded() override;

protected:
  // Handles mouse clicks on the control itself (window-less controls, panels).
  bool clickEvents_ = false;

  virtual std::string GetText() const { return text_; }
  virtual void SetText(const std::string& text);
  // The control's own message handler, at the end of WindowProc's chain.
  virtual void WndProc(TMessage& message);
  // One handler per message; what no class handles goes to DefaultHandler.
  virtual void Dispatch(TMessage& message);
  virtual void DefaultHandler(TMessage& message);
  virtual void FontChanged();
  virtual void ColorChanged();
  void RequestAlign();

  std::string text_;

private:
  void WMLButtonDown(TMessage& message);
  void WMLButtonUp(TMessage& message);
  void CMParentFontChanged(TMessage& message);
  void CMParentColorChanged(TMessage& message);

  TWinControl* parent_ = nullptr;
  TPopupMenu* popupMenu_ = nullptr;
  int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
  std::unique_ptr<TFont> font_;
  bool parentFont_ = true;
  bool applyingParentFont_ = false;
  TColor color_ = clBtnFace;
  bool parentColor_ = true;
  bool visible_ = true;
  bool enabled_ = true;
  TCursor cursor_ = crDefault;
  TAlign align_ = alNone;
  bool clicked_ = false;
  TNotifyEvent onClick_;
  TMouseEvent onMouseDown_;
};

class TWinControl : public TControl {
public:
  explicit TWinControl(TComponent* owner);
  ~TWinControl() override;

  static const TClassInfo& ClassInfo();
  const TClassInfo& ClassType() const override { return ClassInfo(); }

  HWND Handle();
  bool HandleAllocated() const { return handle_ != nullptr; }
  void HandleNeeded() { Handle(); }
  void DestroyHandle();
  // A native window that hosts this control when it has no framework Parent (an overlay laid
  // over a native control): the control's window is created as a child of it, with its bounds
  // in the host's client coordinates, and is destroyed with the control or with the host (the
  // host is then forgotten). Changing one host for another moves the window; taking the host
  // away destroys the window, which comes back as a top-level one when next needed. A framework
  // Parent takes precedence: with one, this is ignored.
  HWND ParentWindow() const { return parentWindow_; }
  void SetParentWindow(HWND window);

  int ControlCount() const { return static_cast<int>(controls_.size()); }
  TControl* Controls(int index) const { return controls_.at(index); }
  void InsertControl(TControl* control);
  void RemoveControl(TControl* control);
  // The window-less child whose bounds hold the point (client coordinates), topmost first.
  TControl* ControlAtPos(POINT point) const;
  // Paints the visible window-less children onto dc (this control's client coordinates).
  void PaintControls(HDC dc);
  bool HasWindowlessChildren() const;
  void AlignControls();
  virtual RECT ClientRect() const;
  int ClientWidth() const { RECT r = ClientRect(); return r.right - r.left; }
  int ClientHeight() const { RECT r = ClientRect(); return r.bottom - r.top; }

  int TabOrder() const { return tabOrder_; }
  void SetTabOrder(int order) { tabOrder_ = order; }
  bool TabStop() const { return tabStop_; }
  void SetTabStop(bool value);
  bool ParentBackground() const { return parentBackground_; }
  void SetParentBackground(bool value);
  bool Focused() const { return handle_ && GetFocus() == handle_; }
  void SetFocus();
  // The windowed children in tab order, each followed by its own.
  void GetTabOrderList(std::vector<TWinControl*>& list);

  bool IsWindowed() const override { return true; }
  void Invalidate() override;
  void SetBounds(int left, int top, int width, int height) override;
  void SetVisible(bool visible) override;
  void SetEnabled(bool enabled) override;
  void Loaded() override;

protected:
  struct TCreateParams {
    std::string winClassName;
    std::string baseClassName; // the native class superclassed; empty: a class of our own
    DWORD style = 0;
    DWORD exStyle = 0;
    int x = 0, y = 0, width = 0, height = 0;
    HWND wndParent = nullptr;
  };
  virtual void CreateParams(TCreateParams& params);
  virtual void CreateHandle();
  // After the window exists: font, and whatever the subclass sends to its new window.
  virtual void InitializeWindow();
  virtual void PaintWindow(HDC dc);
  void Dispatch(TMessage& message) override;
  void DefaultHandler(TMessage& message) override;
  void SetText(const std::string& text) override;
  std::string GetText() const override;
  void FontChanged() override;
  void ColorChanged() override;
  HBRUSH Brush();
  void UpdateStyle(DWORD bits, bool on);

private:
  friend LRESULT CALLBACK FrameworkWndProc(HWND, UINT, WPARAM, LPARAM);
  void AttachHandle(HWND window);

  void WMPaint(TMessage& message);
  void WMEraseBkgnd(TMessage& message);
  void WMCommand(TMessage& message);
  void WMNotify(TMessage& message);
  void WMCtlColor(TMessage& message);
  // WM_HSCROLL/WM_VSCROLL of a scroll-bar child and WM_DRAWITEM of an owner-drawn child go
  // back to that child as CN_HSCROLL/CN_VSCROLL/CN_DRAWITEM.
  void ReflectToChild(TMessage& message, HWND child);
  void CNCtlColor(TMessage& message);
  void WMSetCursor(TMessage& message);
  void WMSize(TMessage& message);
  void WMWindowPosChanged(TMessage& message);
  void UpdateBoundsFromWindow();
  void WMNCDestroy(TMessage& message);
  // Opens the PopupMenu of the window-less child under the point, else this control's; leaves
  // the message to the default (which asks the parent) when there is none.
  void WMContextMenu(TMessage& message);
  // Alt + a character: CM_DIALOGCHAR to the form first, the system's menu handling otherwise.
  void WMSysChar(TMessage& message);
  // Mouse messages over a window-less child go to that child; false when none takes it.
  bool RouteMouseToChild(TMessage& message);
  // CM_MOUSEENTER on the first move over the window, and to window-less children as the
  // pointer crosses their bounds; asks to hear when the pointer leaves the window.
  void TrackMouse(POINT point);
  void SetHoverControl(TControl* control);
  void WMMouseLeave(TMessage& message);
  // The window-less child under the pointer, then this control, hear it leave (once).
  void MouseLeft();

  HWND handle_ = nullptr;
  HWND parentWindow_ = nullptr;
  bool destroyingHandle_ = false; // the window goes because the control asked for it
  WNDPROC defWndProc_ = nullptr;
  std::vector<TControl*> controls_;
  int tabOrder_ = -1;
  bool tabStop_ = false;
  bool parentBackground_ = false;
  HBRUSH brush_ = nullptr;
  TControl* mouseControl_ = nullptr;
  bool mouseInWindow_ = false;
  TControl* hoverControl_ = nullptr; // the window-less child under the pointer
  bool aligning_ = false;
};

// Draws a control's caption in its font and font colour (grey when disabled) on a transparent
// background, leaving the DC as it was.
void DrawControlText(HDC dc, TControl& control, RECT& rect, UINT format);

// Shows an exception that a message handler let through (implemented by the application).
void HandleWindowException(TObject* sender);

} // namespace vcu
