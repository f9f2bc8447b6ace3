#pragma once
// The scroll-bar skins of a combo box's list: TComboxScrollBar for the list that drops down
// (a window of its own over everything, shown and hidden on each drop-down) and
// TSkinScrollbarH for the list that a simple combo box always shows inside itself. Each
// subclasses the list window and keeps one TWScrollbar overlay over the list's native
// vertical bar, made when the list first shows and then shown or hidden with it, so nothing is
// made per drop-down.
#include <windows.h>

#include "skin/controls/SkinControl.h"

namespace vcu {

class TWScrollbar;

class TListBarSkin : public TSkinControl {
public:
  explicit TListBarSkin(TComponent* owner);
  ~TListBarSkin() override;
  static const TClassInfo& ClassInfo();
  const TClassInfo& ClassType() const override { return ClassInfo(); }

  // Subclasses the list window and lays the overlay over its bar. The list skin stays out
  // of the form's list: its combo box skinner owns it.
  void AttachWindow(HWND list, TSkinData* skin, TWinSkinForm* form) override;
  void RestoreControl() override;
  void SkinChanged() override;

  // The overlay; null until the list has shown.
  TWScrollbar* Bar() const { return bar_; }

protected:
  void AfterMessage(TMessage& message) override;
  void DrawControl(HDC dc, const RECT& rect) override;
  // Puts the overlay over the list's bar (or hides it with the list).
  void Follow();
  // A list that drops down is topmost; its overlay must be too.
  virtual bool Topmost() const = 0;

private:
  void FreeBar();

  TWScrollbar* bar_ = nullptr;
};

// The drop-down list's bar.
class TComboxScrollBar : public TListBarSkin {
public:
  using TListBarSkin::TListBarSkin;
  static const TClassInfo& ClassInfo();
  const TClassInfo& ClassType() const override { return ClassInfo(); }

protected:
  bool Topmost() const override { return true; }
};

// The always-visible list of a simple combo box.
class TSkinScrollbarH : public TListBarSkin {
public:
  using TListBarSkin::TListBarSkin;
  static const TClassInfo& ClassInfo();
  const TClassInfo& ClassType() const override { return ClassInfo(); }

protected:
  bool Topmost() const override { return false; }
};

} // namespace vcu
