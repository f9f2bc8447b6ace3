#pragma once
// The geometry of a skinned window frame: which kind of frame a window's styles ask for, the
// border sizes a skin gives it, the client rectangle and window sizes that follow, and the
// non-client hit test's caption rule. Pure functions, so the painter, the hit test and the
// tests all read the same rectangles.
#include <cstdint>

#include "core/elements/ElementSlots.h"
#include "core/image/Rect.h"

namespace vcu {

enum FrameKind : int { fkSizeable = 0, fkSingle = 1, fkNoCaption = 2, fkDialog = 3 };

// The frame a window gets from its styles; dialogClass: the class is a standard dialog or the
// framework's message box, which always get the dialog frame.
FrameKind FrameKindOf(std::uint32_t style, std::uint32_t exStyle, bool dialogClass);

// Bits of the window's own caption decorations, read once before they are removed.
constexpr int kNbMaximizeBox = 1;
constexpr int kNbMinimizeBox = 2;
constexpr int kNbContextHelp = 4;
constexpr int kNbSystemMenu = 8;
constexpr int kNbKeepSystemMenu = 16; // decided by the Windows side from the system version

// kNbMaximizeBox..kNbSystemMenu from the styles; systemMenuKnown: a system menu handle was
// already read, which counts as a system menu without WS_SYSMENU.
int NativeButtonsOf(std::uint32_t style, std::uint32_t exStyle, bool systemMenuKnown);

enum ShowState : int { ssNormal = 0, ssMaximized = 1, ssMinimized = 2 };

// From a window placement's show command.
ShowState ShowStateOfShowCmd(int showCmd);

struct BorderSizes {
  int left = 0, top = 0, right = 0, bottom = 0;
};

// Left and right: the border image's width over its frame count (frames side by side); top
// and bottom: the image's height over its frame count (frames stacked). A frame count below 1
// counts as 1. All zero for a frame without caption.
BorderSizes BorderSizesOf(const TSkinElements& skin, FrameKind kind);

// The client rectangle inside a window rectangle (both in the same coordinates), below the
// title and the menu bar. Never inverted: a window smaller than its frame gets an empty client
// at the clamped edge.
Rect SkinnedClientRect(const Rect& window, const BorderSizes& b, int menuHeight);

// Non-client hit-test codes the caption rule uses.
constexpr int kHtNowhere = 0;
constexpr int kHtCaption = 2;
constexpr int kHtMenu = 5;

// The answer to a non-client hit test after the default one: the default stands unless it is
// nowhere or caption; then a point more than 3 pixels down is caption, and below the title
// with a menu bar is menu. frameY is window-relative.
int FrameHitTest(int defaultAnswer, int frameY, int topBorder, bool hasMenuBar);

struct Size2 {
  int width = 0, height = 0;
  bool operator==(const Size2& o) const { return width == o.width && height == o.height; }
  bool operator!=(const Size2& o) const { return !(*this == o); }
};

// The window size that keeps a client of the given size inside the skinned frame.
Size2 SkinnedWindowSize(Size2 client, const BorderSizes& b, int menuHeight);
// The window size that keeps the same client once the skinned frame is replaced by the native
// one, whose frame took unskinnedExtra (window size minus client size before skinning).
Size2 UnskinnedWindowSize(Size2 skinnedWindow, const BorderSizes& b, int menuHeight,
                          Size2 unskinnedExtra);
// (Both never give a negative side.)

// The frame of a border strip: 1 when active or with a single frame, else 2 (inactive).
int BorderFrameIndex(bool active, int frameCount);

} // namespace vcu
