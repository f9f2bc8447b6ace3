#pragma once
// TSkinControl: the common base of every control skinner. One object is attached to one child
// window: a framework control (through a hook in the control's message handler chain) or a
// bare native window such as a message box's button (through a subclass of its window
// procedure). It lets the window do its normal work and paints the skin's look over it, or in
// place of it, from the active skin's elements and colours.
#include <memory>
#include <string>

#include <windows.h>

#include "core/image/Colour.h"
#include "framework/Classes.h"
#include "framework/Messages.h"
#include "framework/WindowProcChain.h"
#include "skin/data/WindowSubclass.h"

namespace vcu {

class Bitmap;
class TControl;
class TDataSkinObject;
class TSkinData;
class TWinControl;
class TWinSkinForm;

// Private messages of the control skinners.
constexpr UINT SKINMSG_ACTIVE = 0x3506;
constexpr UINT SKINMSG_PRINT = 0xBC4A;
// The lParam that marks SKINMSG_PRINT and SKINMSG_PRINTFRAME as the skin's own print requests,
// and the answer of a skinner that served one.
constexpr LPARAM kPrintAnswer = 0x41A2;

// MouseState bits.
constexpr unsigned kMouseHot = 1;
constexpr unsigned kMousePressed = 2;

// Phase of a control skinner's life.
enum TSkinPhase : int { phCreated = 0, phAttached = 1, phColourOnly = 2, phKeepColour = 4, phWindowGone = 6 };

class TSkinControl : public TComponent {
public:
  explicit TSkinControl(TComponent* owner);
  ~TSkinControl() override;
  static const TClassInfo& ClassInfo();
  const TClassInfo& ClassType() const override { return ClassInfo(); }

  // A framework control: the owner of this object is the control that is skinned.
  virtual void AttachControl(TWinSkinForm* form, TSkinData* skin, bool takeColor);
  // A bare native window, owned by the form skinner.
  virtual void AttachWindow(HWND handle, TSkinData* skin, TWinSkinForm* form);
  // Gives back what the attach took over (the host's colour).
  virtual void RestoreControl();
  // A new skin was read: re-take the colours and repaint.
  virtual void SkinChanged();
  // Paints the whole window, non-client area included, into dc (the window's DC when null).
  virtual void PaintWindow(HDC dc);
  // Invalidates the window (or the window-less host) and, for a window, paints it at once.
  void Repaint();

  HWND Handle() const { return handle_; }
  TWinControl* Host() const { return host_; }
  TWinSkinForm* Form() const { return form_; }
  TSkinData* Skin() const { return skin_; }
  int Phase() const { return phase_; }
  bool Attached() const { return attached_; }
  bool Active() const { return active_; }
  bool Unicode() const { return unicode_; }
  bool OwnsColor() const { return ownsColor_; }
  int Mode() const { return mode_; }
  unsigned MouseState() const { return mouseState_; }
  bool Hot() const { return (mouseState_ & kMouseHot) != 0; }
  bool Pressed() const { return (mouseState_ & kMousePressed) != 0; }
  const RECT& WindowRect() const { return windowRect_; }

protected:
  // Called before the previous handler; false: consumed (the subclass set the result).
  virtual bool BeforeMessage(TMessage& message);
  // Called after the previous handler.
  virtual void AfterMessage(TMessage& message);
  // Draws the skinned look into dc over rect (the window at the origin). Empty here.
  virtual void DrawControl(HDC dc, const RECT& rect);

  // The previous handler of the message now being handled: the control's chain behind this
  // hook, or the native window's own procedure. Stores its result in message.Result.
  void CallPrevious(TMessage& message);
  // Consumes WM_PAINT (or WM_PRINTCLIENT): paints with the DC in wParam, or between
  // BeginPaint and EndPaint, through DrawControl.
  void PaintInPlace(TMessage& message);
  // WM_ERASEBKGND of see-through controls: the parent's background, or its colour.
  void EraseTransparent(TMessage& message);
  // The ParentBackground switch of the host: taken (false) or given back.
  void TakeParentBackground();
  void GiveParentBackground();

  // Fills with the skin's ButtonFace, the host's parent Color (else ButtonFace), or a colour.
  void FillFace(HDC dc, const RECT& rect) const;
  void FillParentColor(HDC dc, const RECT& rect) const;
  static void FillColor(HDC dc, const RECT& rect, Colour colour);
  Colour FaceColour() const;
  Colour ParentColour() const;
  // Paints the control's parent, shifted, under the control's bounds into dc.
  static void PaintParentBackground(TControl* control, HDC dc);
  // Frame index (from 1) of count frames of the element, sliced to rect; magenta see-through
  // when the element's Trans is 1.
  static void DrawSkinFrame(HDC dc, const RECT& rect, int count, int index, const TDataSkinObject& element);
  // Frame index of count equal frames of the bitmap, scaled to rect, magenta see-through.
  static void DrawFrameTransparent(HDC dc, const RECT& rect, int count, int index, const Bitmap& bitmap);

  // The control's caption: the host's (or window-less host's) Caption property, or the
  // window's text.
  std::wstring ReadCaption() const;
  // The window's own text.
  std::wstring ReadWindowText() const;
  // The font the control draws its text in: the host's (or window-less host's) Font, or the
  // window's (WM_GETFONT).
  HFONT ControlFont() const;
  // Every text output of the skinners goes through here.
  static int DrawTextOut(HDC dc, const std::wstring& text, RECT& rect, UINT format);
  // The host's BiDiMode is right-to-left.
  bool RightToLeft() const;

  // A press the control consumed itself still reaches the host's OnMouseDown.
  void ForwardMouseDown(const TMessage& message);
  // Asks once for WM_MOUSELEAVE (no-op where the system lacks TrackMouseEvent).
  void RequestMouseLeave();

  void SetMouseState(unsigned bits, bool on);
  // enabled_ from the window's style; focused_ is kept up to date by the focus messages.
  void ReadWindowState();

  unsigned mouseState_ = 0;
  bool enabled_ = true;
  bool focused_ = false;
  std::wstring caption_;
  bool active_ = true;
  bool unicode_ = false;
  TSkinData* skin_ = nullptr;
  HWND handle_ = nullptr;
  TWinControl* host_ = nullptr;
  RECT windowRect_{0, 0, 0, 0};
  TControl* graphicHost_ = nullptr;
  bool ownsColor_ = false;
  std::int32_t savedColor_ = 0;
  bool attached_ = false;
  int phase_ = phCreated;
  TWinSkinForm* form_ = nullptr;
  int mode_ = 0;
  bool parentBackgroundCleared_ = false;

  // Joins the form's list and installs the message interception for a framework control
  // (host_, else the window-less graphicHost_).
  void HookHost();
  void JoinForm(TWinSkinForm* form);

private:
  void HookProc(TMessage& message);
  void FollowFocus(UINT msg);
  LRESULT WindowHook(UINT msg, WPARAM wParam, LPARAM lParam);
  void Unhook();

  TWindowProcChain::HookId hookId_ = 0;
  bool hooked_ = false;
  TControl* hookedControl_ = nullptr; // the host, or the window-less host
  TWindowSubclass subclass_;
  // The chain behind this hook while a message of the host runs through it.
  const TWindowProcChain::Next* next_ = nullptr;
  // False once this object is gone, for the handlers still on the stack.
  std::shared_ptr<bool> alive_;
};

} // namespace vcu
