#pragma once
// TSkinEdit: the skinner of single-line edits. The edit paints its text as always; the skin
// then redraws the sunken border around it in the skin's colours. A spin (up-down) child of
// the edit is found once and given an up-down skinner in its inside-an-edit mode.
#include <windows.h>

#include "skin/controls/SkinControl.h"

namespace vcu {

class TSkinEdit : public TSkinControl {
public:
  explicit TSkinEdit(TComponent* owner);
  static const TClassInfo& ClassInfo();
  const TClassInfo& ClassType() const override { return ClassInfo(); }

  // The edit's spin child once found, else null.
  HWND UpDown() const { return upDown_; }

protected:
  bool BeforeMessage(TMessage& message) override;
  void AfterMessage(TMessage& message) override;
  void DrawControl(HDC dc, const RECT& rect) override;

private:
  void FindUpDown();
  // WM_PRINTCLIENT: the border into a given DC.
  void PrintBorder(HDC dc);

  HWND upDown_ = nullptr;
};

} // namespace vcu
