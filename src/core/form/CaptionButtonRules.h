#pragma once
// The rules of the skin's caption buttons that need no window: when a button shows and is
// enabled, where it goes, which frame of its image is drawn, and what a click on it means.
#include <functional>
#include <vector>

#include "core/elements/SkinElements.h"
#include "core/form/FrameGeometry.h"
#include "core/image/Rect.h"

namespace vcu {

struct CaptionWindowState {
  bool maximized = false, active = true;
  int nativeButtons = 0; // kNb... bits
  FrameKind frameKind = fkSizeable;
  bool dialogClass = false;
  // An MDI frame whose active child is maximized, with a skinned menu bar (the MDI buttons).
  bool mdiFrameWithMaximizedChildAndMenuBar = false;
};

// Whether one visibility value holds: first picks the Visibility column, else Visibility1.
// askWindow is called only for the values 1000..2000 of the first column (the window decides;
// an empty function counts as "no").
bool VisibilityHolds(int value, const CaptionWindowState& w, bool first,
                     const std::function<bool()>& askWindow);

struct CaptionButtonVerdict {
  bool visible = false;
  bool enabled = true;
};

// Both visibility columns, then what the button's action changes: close hides without a
// system menu, maximize and minimize are enabled only with their box and a system menu, the
// system-menu icon hides on a dialog frame.
CaptionButtonVerdict JudgeCaptionButton(const TDataSkinSysButton& def, const CaptionWindowState& w,
                                        const std::function<bool()>& askWindow);

// The size of one frame of a button's image (width over the frame count, below 1 counting as
// 1; the full height).
Size2 CaptionButtonFrameSize(const TDataSkinSysButton& def);

// The Align values PlaceCaptionButton places by: 0, 1, 2, 3, 8, 9, and 100 for the MDI
// child's buttons.
bool IsKnownCaptionAlign(int align);

// A button's rectangle by its Align value (window coordinates; frameWidth x frameHeight);
// textRect is where the caption text went, menuBarLeftWidth the LeftWidth of the skin's menu
// bar element (0 without one). Unknown Align values put the button at (0, 0).
Rect PlaceCaptionButton(const TDataSkinSysButton& def, int frameWidth, int frameHeight,
                        int windowWidth, const Rect& textRect, const BorderSizes& b,
                        int menuBarLeftWidth, int menuHeight);

// The space the caption text leaves free on the right: the largest Xcoord of the visible
// right-aligned (Align 1) buttons with an image, 0 without any. verdicts[i] belongs to
// defs[i]; a definition without a verdict counts as hidden.
int RightButtonSpace(const std::vector<TDataSkinSysButton>& defs,
                     const std::vector<CaptionButtonVerdict>& verdicts);

// The frame drawn while the title bar is composed: 1 when the image has fewer than 4 frames
// or the window is active and the button enabled, else the disabled frame 4.
int CaptionButtonPaintFrame(int frameCount, bool windowActive, bool enabled);

// The frame of a direct repaint in a mouse state (1 normal, 2 pressed, 3 hot): the state
// itself; disabled buttons 4 when the image has more than 3 frames, else 1; a hot MDI button
// (Visibility 100) uses 4.
int CaptionButtonStateFrame(int state, int frameCount, bool enabled, bool mdiButton);

enum class CaptionAction {
  Close,
  MaximizeToggle,
  MinimizeToggle,
  SystemMenu,
  Help,
  MdiMinimize,
  MdiRestore,
  MdiClose,
  Unknown, // handed to the window as a custom command
};
CaptionAction ActionOf(int action);

// Actions 3 and 11 show the window's small icon instead of an image frame.
bool IsIconAction(int action);

} // namespace vcu
