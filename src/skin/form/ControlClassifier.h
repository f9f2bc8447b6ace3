#pragma once
// Decides, for every child control of a skinned window, whether it is skinned and by which
// control skinner, and attaches that skinner. Framework controls are judged by tag, the skin
// data's OnSkinControl event, its third-party class table and their class; the native child
// windows of a plain dialog by window class name and style. A control is never given two
// skinners.
#include <string>

#include <windows.h>

#include "core/controls/ControlKinds.h"

namespace vcu {

class TControl;
class TForm;
class TSkinControl;
class TSkinData;
class TWinControl;
class TWinSkinForm;

class TControlClassifier {
public:
  explicit TControlClassifier(TWinSkinForm& form);

  // A framework form: its owned controls in component order, then its tab order.
  void SkinFormControls(TWinControl* form);
  // A plain window: its direct child windows, top to bottom.
  void SkinWindowChildren(HWND window);
  void SkinChildren(TWinControl* container);
  void SkinControl(TControl* control, TControl* parent);
  // The third-party class table; true when it had a row for the class.
  bool SkinByName(const std::string& className, TControl* control);
  void SkinNativeChild(HWND window);
  // A disabled radio or check group keeps its buttons native too.
  void TagGroupChildren(TControl* control);
  // Replaces the scroll-bar skinner of the window with a new one.
  void RebuildScrollbar(HWND window);

private:
  bool IsSkinned(TControl* control) const;
  // Creates and attaches the kind's skinner; null when the kind has none in this build.
  TSkinControl* Make(SkinnerKind kind, TControl* control, bool takeColor = false);
  TSkinControl* MakeForWindow(SkinnerKind kind, HWND window);
  bool Gate(ControlGate gate) const;
  bool HasTabsElement() const;
  void ClassChain(TControl* control);
  void SkinNamedKind(NamedKind kind, const std::string& className, TControl* control);
  void SkinGroupChildren(TWinControl* group, SkinnerKind childKind, int objImageKind);
  void SkinEmbedded(TWinControl* container);

  TWinSkinForm& form_;
  TSkinData& skin_;
};

} // namespace vcu
