#include "skin/controls/SkinScControl.h"

#include <utility>

#include "core/controls/ScrollBarGeometry.h"
#include "framework/Controls.h"
#include "skin/controls/DeferredFree.h"
#include "skin/controls/WScrollbar.h"

namespace vcu {

const TClassInfo& TSkinScControl::ClassInfo() {
  static const TClassInfo info("TSkinScControl", &TSkinControl::ClassInfo(), {});
  return info;
}

TSkinScControl::TSkinScControl(TComponent* owner) : TSkinControl(owner) {}

TSkinScControl::~TSkinScControl() { FreeBar(); }

void TSkinScControl::AttachControl(TWinSkinForm* form, TSkinData* skin, bool takeColor) {
  if (Attached()) return;
  TSkinControl::AttachControl(form, skin, takeColor);
  if (!host_) return;
  bar_ = new TWScrollbar(this);
  bar_->Bind(this, host_, sbkControl);
}

// A bar held down runs the native loop inside its own press handler; skinning may go off
// from inside that loop, so such a bar leaves now and is freed once the press is over.
void TSkinScControl::FreeBar() {
  TWScrollbar* going = std::exchange(bar_, nullptr);
  if (!going) return;
  if (!going->Pressed()) {
    delete going;
    return;
  }
  going->Orphan();
  FreeWhenDone(going, [going] { return !going->Pressed(); });
}

void TSkinScControl::RestoreControl() {
  TSkinControl::RestoreControl();
  if (phase_ == phWindowGone) return;
  FreeBar();
  // The native bar shows again.
  if (handle_ && IsWindow(handle_)) RedrawWindow(handle_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE);
}

void TSkinScControl::SkinChanged() {
  if (bar_) bar_->SkinChanged();
}

void TSkinScControl::UpdateBar() {
  if (bar_) bar_->Reposition(handle_);
}

bool TSkinScControl::BeforeMessage(TMessage& message) {
  // The overlay lives in the parent: it must not stay up over a window that is gone.
  if (message.Msg == WM_NCDESTROY && bar_) bar_->HideBar();
  return TSkinControl::BeforeMessage(message);
}

void TSkinScControl::AfterMessage(TMessage& message) {
  switch (message.Msg) {
  case WM_SIZE:
  case WM_WINDOWPOSCHANGED:
  case WM_SHOWWINDOW:
  case CM_VISIBLECHANGED:
    UpdateBar();
    break;
  case CN_HSCROLL:
  case CN_VSCROLL: {
    // The part being repeated or dragged shows pressed; every code moves the thumb.
    const int code = LOWORD(message.WParam);
    if (!bar_) break;
    if (code == spFirstArrow || code == spSecondArrow || code == spTrackBefore || code == spTrackAfter || code == spThumb)
      bar_->SetHotPart(code);
    else
      bar_->InvalidateBar();
    break;
  }
  case WM_ENABLE:
  case CM_ENABLEDCHANGED:
  case SBM_SETSCROLLINFO:
  case SBM_SETPOS:
  case SBM_SETRANGE:
  case SBM_SETRANGEREDRAW:
    if (bar_) bar_->InvalidateBar();
    break;
  case WM_PAINT:
    // The native bar painted itself underneath; the overlay stays as it was.
    break;
  default:
    TSkinControl::AfterMessage(message);
    break;
  }
}

} // namespace vcu
