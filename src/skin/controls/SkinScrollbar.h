#pragma once
// TSkinScrollbar: the skinner of controls with native scroll bars (memos, list boxes). It
// draws the control's border in the skin's colours and keeps two overlays (TWScrollbar) over
// the native horizontal and vertical bars in step with the control's size, visibility,
// enabled state and scroll position.
#include <windows.h>

#include "skin/controls/SkinControl.h"

namespace vcu {

class TWScrollbar;

class TSkinScrollbar : public TSkinControl {
public:
  explicit TSkinScrollbar(TComponent* owner);
  ~TSkinScrollbar() override;
  static const TClassInfo& ClassInfo();
  const TClassInfo& ClassType() const override { return ClassInfo(); }

  // The attach of scrolled controls, in place of AttachControl.
  virtual void AttachScrolled(TWinControl* host, TSkinData* skin, TWinSkinForm* form);
  void RestoreControl() override;
  void SkinChanged() override;
  // Each bar re-reads the native bar it covers.
  void UpdateBars();

  TWScrollbar* HorzBar() const { return horzBar_; }
  TWScrollbar* VertBar() const { return vertBar_; }
  bool DrawBorder() const { return drawBorder_; }

protected:
  bool BeforeMessage(TMessage& message) override;
  void AfterMessage(TMessage& message) override;
  void DrawControl(HDC dc, const RECT& rect) override;

private:
  void TakeFixedColor();
  void SetBarsEnabled(bool enabled);
  void HideBars();
  void FreeBar(TWScrollbar*& bar);
  void FreeBars();
  // The one-pixel shadow outline and face ring in place of the native border.
  void DrawScrolledBorder(HDC dc);
  void FillSizeBox(HDC dc);

  bool sized_ = false;
  TWScrollbar* horzBar_ = nullptr;
  TWScrollbar* vertBar_ = nullptr;
  bool newSystem_ = false;
  bool drawBorder_ = false;
};

} // namespace vcu
