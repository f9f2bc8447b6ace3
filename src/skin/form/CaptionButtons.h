#pragma once
// The caption buttons of a skinned title bar: one object per caption-button definition of the
// skin, shown, laid out and drawn by the rules of the core, with their hover and press states
// and what a click on each does. The non-client mouse messages and the system commands of the
// form skinner come here.
#include <memory>
#include <vector>

#include <windows.h>

#include "core/elements/SkinElements.h"
#include "core/form/CaptionButtonRules.h"
#include "core/image/Bitmap.h"

namespace vcu {

class TWinSkinForm;
class TMenuBtn;

enum TNCState : int { ncNormal = 1, ncPressed = 2, ncHot = 3 };

// Something clickable in the non-client area: a caption button or a menu-bar item.
class TNCObject {
public:
  virtual ~TNCObject() = default;
  virtual void Repaint() = 0;

  Rect Bounds;
  bool Visible = false;
  int State = ncNormal;
};

// A caption button. It reads its definition from the skin data by index each time, so a skin
// read anew never leaves it holding a stale record.
class TWinSysButton : public TNCObject {
public:
  TWinSysButton(TWinSkinForm& form, size_t index) : form_(form), index_(index) {}
  void Repaint() override;

  // Null once the skin no longer has the definition.
  const TDataSkinSysButton* Definition() const;
  // The button's image: the window's icon for a system-menu button without an image.
  const Bitmap* Image() const;
  int Frames() const;
  bool IsIcon() const;
  // One of the MDI child's buttons, shown in the menu bar.
  bool IsMdiButton() const;
  bool Enabled = true;

private:
  TWinSkinForm& form_;
  size_t index_;
};

class TCaptionButtons {
public:
  explicit TCaptionButtons(TWinSkinForm& form);
  ~TCaptionButtons();

  // New objects from the skin's definitions (after a skin change), or none.
  void Rebuild();
  void Clear();
  // Visibility and enabled state for the window as it stands.
  void Judge();
  // The largest Xcoord of the visible right-aligned buttons: room the caption text leaves.
  int RightSpace() const;
  void Layout(int windowWidth, const Rect& textRect);
  // Draws the visible buttons into the composed title (window coordinates): at rest (normal,
  // or greyed when disabled or the window is inactive), or, for the repaint a mouse state
  // change makes, each in the frame of its state.
  void Draw(Bitmap& canvas, bool states) const;
  // The visible button with an action under the point (window coordinates), or null.
  TWinSysButton* ButtonAt(POINT point) const;

  // Non-client mouse messages and commands; true when consumed, with the answer in result.
  bool HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result);
  void OnHoverTimer();
  void DoButtonAction(TWinSysButton& button);

  TNCObject* Hot() const { return hot_; }
  void ClearHot();
  // State changes of any non-client object of the form (at most one is hot).
  void MouseDown(TNCObject& object);
  void MouseLeave(TNCObject& object);
  int Count() const { return static_cast<int>(buttons_.size()); }
  TWinSysButton& Button(int index) const { return *buttons_.at(static_cast<size_t>(index)); }

private:
  CaptionWindowState WindowState() const;
  POINT ToWindow(LPARAM screenPoint) const;
  void MouseMove(TNCObject& object);
  void MouseUp(TNCObject& object);
  // A menu-bar item under the point (window coordinates), or null.
  TMenuBtn* MenuButtonAt(POINT point) const;
  bool OnMenuKey(wchar_t key, LRESULT& result);
  bool OnDoubleClick(WPARAM hit, POINT point, LRESULT& result);
  bool OnSysCommand(WPARAM wParam, LPARAM lParam, LRESULT& result);
  void MaximizeToggle();
  void MinimizeToggle();
  void Restore();
  void SendToActiveMdiChild(WPARAM command);

  TWinSkinForm& form_;
  std::vector<std::unique_ptr<TWinSysButton>> buttons_;
  TNCObject* hot_ = nullptr;
  TNCObject* pressed_ = nullptr;
};

} // namespace vcu
