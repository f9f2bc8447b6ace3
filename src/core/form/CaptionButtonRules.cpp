#include "core/form/CaptionButtonRules.h"

#include <algorithm>
#include <cstdint>

namespace vcu {
namespace {

using I64 = std::int64_t;

bool Has(const CaptionWindowState& w, int bit) { return (w.nativeButtons & bit) != 0; }

} // namespace

bool VisibilityHolds(int value, const CaptionWindowState& w, bool first,
                     const std::function<bool()>& askWindow) {
  const bool sizeBox = Has(w, kNbMinimizeBox) || Has(w, kNbMaximizeBox);
  switch (value) {
  case 0: return true;
  case 1: return w.maximized;
  case 2: return !w.maximized;
  case 3: return w.active;
  case 4: return !w.active;
  case 5: return false;
  case 6:
  case 8: return sizeBox && (!first || Has(w, kNbSystemMenu));
  case 7: return !Has(w, kNbMaximizeBox);
  case 9: return !Has(w, kNbMinimizeBox);
  case 10:
    if (!first) return Has(w, kNbContextHelp);
    return Has(w, kNbContextHelp) && !Has(w, kNbMinimizeBox) && !Has(w, kNbMaximizeBox);
  case 100: return w.mdiFrameWithMaximizedChildAndMenuBar;
  case 200: return first && w.frameKind == fkDialog && !w.dialogClass;
  default: break;
  }
  // Designers' own conditions: a plain switch in 201..999, the window's answer in 1000..2000;
  // the second column never holds for them. -1 ("never shown") and every other value never
  // hold.
  if (value >= 201 && value <= 999) return first;
  if (value >= 1000 && value <= 2000) return first && askWindow && askWindow();
  return false;
}

CaptionButtonVerdict JudgeCaptionButton(const TDataSkinSysButton& def, const CaptionWindowState& w,
                                        const std::function<bool()>& askWindow) {
  CaptionButtonVerdict v;
  // The second column first: it never asks the window, so a button it hides costs no message.
  v.visible = VisibilityHolds(def.Visibility1, w, false, askWindow) &&
              VisibilityHolds(def.Visibility, w, true, askWindow);
  const bool systemMenu = Has(w, kNbSystemMenu);
  switch (def.Action) {
  case 0:
    if (!systemMenu) v.visible = false;
    break;
  case 1: v.enabled = Has(w, kNbMaximizeBox) && systemMenu; break;
  case 2: v.enabled = Has(w, kNbMinimizeBox) && systemMenu; break;
  case 3:
  case 11:
  case 12:
    if (w.frameKind == fkDialog) v.visible = false;
    break;
  default: break;
  }
  return v;
}

Size2 CaptionButtonFrameSize(const TDataSkinSysButton& def) {
  return {def.Bitmap.Width() / std::max(def.Frame, 1), def.Bitmap.Height()};
}

bool IsKnownCaptionAlign(int align) {
  // Keep with the cases of PlaceCaptionButton below.
  for (const int known : {0, 1, 2, 3, 8, 9, 100})
    if (align == known) return true;
  return false;
}

Rect PlaceCaptionButton(const TDataSkinSysButton& def, int frameWidth, int frameHeight,
                        int windowWidth, const Rect& textRect, const BorderSizes& b,
                        int menuBarLeftWidth, int menuHeight) {
  I64 x = 0, y = def.Ycoord;
  switch (def.Align) {
  case 0: x = def.Xcoord; break;
  case 1: x = I64{windowWidth} - def.Xcoord; break;
  case 2:
  case 8: x = I64{textRect.left} - frameWidth - def.Xcoord; break;
  case 3:
  case 9: x = I64{textRect.right} + def.Xcoord; break;
  case 100: // the MDI child's buttons, at the right end of the menu bar
    x = I64{windowWidth} - def.Xcoord - b.right - menuBarLeftWidth;
    y = b.top + (I64{menuHeight} - frameHeight) / 2;
    break;
  default: y = 0; break;
  }
  return RectOfSize(SaturateToInt(x), SaturateToInt(y), frameWidth, frameHeight);
}

int RightButtonSpace(const std::vector<TDataSkinSysButton>& defs,
                     const std::vector<CaptionButtonVerdict>& verdicts) {
  int space = 0;
  const std::size_t n = std::min(defs.size(), verdicts.size());
  for (std::size_t i = 0; i < n; ++i)
    if (verdicts[i].visible && defs[i].Align == 1 && !defs[i].Bitmap.Empty())
      space = std::max(space, int{defs[i].Xcoord});
  return space;
}

int CaptionButtonPaintFrame(int frameCount, bool windowActive, bool enabled) {
  return frameCount < 4 || (windowActive && enabled) ? 1 : 4;
}

int CaptionButtonStateFrame(int state, int frameCount, bool enabled, bool mdiButton) {
  if (!enabled) return frameCount > 3 ? 4 : 1;
  if (mdiButton && state == 3) return 4;
  return state;
}

CaptionAction ActionOf(int action) {
  switch (action) {
  case 0: return CaptionAction::Close;
  case 1:
  case 22: return CaptionAction::MaximizeToggle;
  case 2:
  case 23: return CaptionAction::MinimizeToggle;
  case 3:
  case 11:
  case 12: return CaptionAction::SystemMenu;
  case 4: return CaptionAction::Help;
  case 7:
  case 60: return CaptionAction::MdiMinimize;
  case 8:
  case 61: return CaptionAction::MdiRestore;
  case 9:
  case 62: return CaptionAction::MdiClose;
  default: return CaptionAction::Unknown;
  }
}

bool IsIconAction(int action) { return action == 3 || action == 11; }

} // namespace vcu
