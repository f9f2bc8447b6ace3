#include "skin/controls/SkinSpeedButton.h"

#include "core/controls/ButtonRules.h"
#include "core/controls/GlyphLayout.h"
#include "framework/Controls.h"
#include "framework/TypInfo.h"
#include "skin/data/WinSkinData.h"

namespace vcu {
namespace {

// Framework notifications the skin leaves alone: focus changed, enabled changed (the control
// repaints itself), and the control's window-less handler being taken back.
constexpr UINT kFocusChanged = CM_BASE + 7;
constexpr UINT kReleaseHandler = CM_BASE + 33;
constexpr std::int64_t kTransparentTag = 5555;

} // namespace

const TClassInfo& TSkinSpeedButton::ClassInfo() {
  static const TClassInfo info("TSkinSpeedButton", &TSkinBitButton::ClassInfo(), {});
  return info;
}

TSkinSpeedButton::TSkinSpeedButton(TComponent* owner) : TSkinBitButton(owner) {}

// The control shows its own look again once the skin has let go of it.
TSkinSpeedButton::~TSkinSpeedButton() {
  if (graphicHost_ && phase_ == phAttached) graphicHost_->Invalidate();
}

void TSkinSpeedButton::AttachControl(TWinSkinForm* form, TSkinData* skin, bool) {
  if (attached_) return;
  auto* control = dynamic_cast<TControl*>(Owner());
  if (!control) return;
  skin_ = skin;
  graphicHost_ = control;
  transparent_ = control->Tag() == kTransparentTag || (skin_ && InSet(skin_->Options(), xoTransparent));
  HookHost();
  JoinForm(form);
  attached_ = true;
  phase_ = phAttached;
  graphicHost_->Invalidate();
}

void TSkinSpeedButton::RestoreControl() {
  TSkinBitButton::RestoreControl();
  if (graphicHost_) graphicHost_->Invalidate();
}

void TSkinSpeedButton::RepaintNow() {
  if (!graphicHost_) return;
  graphicHost_->Invalidate();
  TWinControl* parent = graphicHost_->Parent();
  if (parent && parent->HandleAllocated()) UpdateWindow(parent->Handle());
}

// Painted only through the control's parent: there is no window to draw on directly.
void TSkinSpeedButton::PaintWindow(HDC dc) {
  if (!dc || !graphicHost_) {
    RepaintNow();
    return;
  }
  DrawControl(dc, RECT{0, 0, graphicHost_->Width(), graphicHost_->Height()});
}

bool TSkinSpeedButton::BeforeMessage(TMessage& message) {
  switch (message.Msg) {
  case WM_PAINT:
    if (message.WParam && graphicHost_) {
      DrawControl(reinterpret_cast<HDC>(message.WParam), RECT{0, 0, graphicHost_->Width(), graphicHost_->Height()});
      message.Result = 1;
    }
    return false;
  case WM_LBUTTONDOWN:
  case WM_LBUTTONDBLCLK:
    CallPrevious(message);
    SetMouseState(kMousePressed, true);
    RepaintNow();
    return false;
  default:
    // Not the push button's handling: there is no window, timer or erase of its own.
    return TSkinControl::BeforeMessage(message);
  }
}

void TSkinSpeedButton::AfterMessage(TMessage& message) {
  switch (message.Msg) {
  case WM_ENABLE:
  case kFocusChanged:
  case CM_ENABLEDCHANGED:
  case kReleaseHandler:
  case WM_NCDESTROY:
    break;
  case WM_KEYDOWN:
  case WM_KEYUP:
    if (message.WParam == VK_SPACE) {
      SetMouseState(kMousePressed, message.Msg == WM_KEYDOWN);
      RepaintNow();
    }
    break;
  case WM_LBUTTONUP:
    SetMouseState(kMousePressed, false);
    RepaintNow();
    break;
  case CM_MOUSEENTER:
    SetMouseState(kMouseHot, true);
    RepaintNow();
    break;
  case CM_MOUSELEAVE:
    SetMouseState(kMouseHot | kMousePressed, false);
    if (graphicHost_ && graphicHost_->Visible()) RepaintNow();
    break;
  default:
    TSkinControl::AfterMessage(message);
    break;
  }
}

int TSkinSpeedButton::Frame() const {
  const bool down = GetBoolProp(graphicHost_, "Down");
  const bool enabled = GetBoolProp(graphicHost_, "Enabled");
  return SpeedButtonFrame(down, enabled, Pressed(), Hot());
}

void TSkinSpeedButton::DrawControl(HDC dc, const RECT& rect) {
  if (painting_ || !skin_ || !graphicHost_ || skin_->Buttons.Bitmap.Empty()) return;
  painting_ = true;
  struct Clear {
    bool& flag;
    ~Clear() { flag = false; }
  } clear{painting_};
  const int width = rect.right - rect.left, height = rect.bottom - rect.top;
  if (width <= 0 || height <= 0) return;
  const int frame = Frame();
  const bool down = GetBoolProp(graphicHost_, "Down");
  HDC canvas = PrepareFace(width, height, frame, SpeedButtonDrawsFrame(GetBoolProp(graphicHost_, "Flat"), frame));
  if (!canvas) return;
  HFONT font = ControlFont();
  HGDIOBJ oldFont = font ? SelectObject(canvas, font) : nullptr;
  if (!DrawGlyphContent(canvas, width, height, frame, GlyphNumberOfFrame(frame, down), true)) {
    caption_ = ReadCaption();
    SetTextColor(canvas, TextColourOf(frame));
    DrawButtonText(canvas, RECT{0, 0, width, height}, DT_CENTER, caption_);
  }
  if (oldFont) SelectObject(canvas, oldFont);
  buffer_.CopyTo(dc, rect.left, rect.top);
}

} // namespace vcu
