#pragma once
// TSkinComBox: the skinner of combo boxes. The combo box paints its text as always; the skin
// then paints the frame and the drop-down button over the rest, from the skin's combo faces,
// and hands the list (the one that drops down, or a simple combo box's own) to a list
// scroll-bar skin. The edit child of an editable combo box is subclassed so that presses on
// it and its paints reach the skinner too.
#include <memory>

#include <windows.h>

#include "core/controls/ComboRules.h"
#include "skin/controls/FrameCache.h"
#include "skin/controls/PaintBuffer.h"
#include "skin/controls/SkinControl.h"

namespace vcu {

class TListBarSkin;

class TSkinComBox : public TSkinControl {
public:
  explicit TSkinComBox(TComponent* owner);
  ~TSkinComBox() override;
  static const TClassInfo& ClassInfo();
  const TClassInfo& ClassType() const override { return ClassInfo(); }

  void AttachControl(TWinSkinForm* form, TSkinData* skin, bool takeColor) override;
  void AttachWindow(HWND handle, TSkinData* skin, TWinSkinForm* form) override;
  void RestoreControl() override;
  void SkinChanged() override;

  HWND ListHandle() const { return listHandle_; }
  HWND EditHandle() const { return editHandle_; }
  bool DroppedDown() const { return droppedDown_; }
  // The list skin of a simple combo box, or of the list that drops down; null when none.
  TListBarSkin* ListSkin() const { return listSkin_.get(); }
  TListBarSkin* ListBarSkin() const { return listBarSkin_.get(); }
  // Where the button was drawn last, in window coordinates.
  const RECT& ButtonRect() const { return buttonRect_; }
  bool PlainFrame() const { return plainFrame_; }
  void SetPlainFrame(bool value) { plainFrame_ = value; }

protected:
  void AfterMessage(TMessage& message) override;
  void DrawControl(HDC dc, const RECT& rect) override;

private:
  // Attach steps shared by both kinds of attach; simpleList: skin a simple combo box's list.
  void AttachParts(bool simpleList);
  bool ReadInfo();
  void HookEdit();
  void UnhookEdit();
  void FreeListSkins();
  LRESULT EditHook(UINT msg, WPARAM wParam, LPARAM lParam);
  void MouseMove(LPARAM position);
  void SetPressed(bool on);
  void RepaintAll();
  ComboState State() const;

  void DrawClassic(HDC dc, const RECT& rect, bool buttonLeft);
  void DrawPlain(HDC dc, const RECT& rect, int index);
  // Composes over what is on the window, keeps the text area out, and puts it back in one blit.
  void DrawFullImage(HDC dc, const RECT& rect, int index, bool buttonLeft);
  void DrawSunken(HDC dc, const RECT& rect, int index, bool buttonLeft);
  bool BeginCompose(HDC dc, const RECT& rect);
  void EndCompose(HDC dc, const Rect& text);

  LONG_PTR style_ = 0;
  LONG_PTR exStyle_ = 0;
  HWND listHandle_ = nullptr;
  HWND editHandle_ = nullptr;
  bool droppedDown_ = false;
  TWindowSubclass editHook_;
  std::unique_ptr<TListBarSkin> listSkin_;
  std::unique_ptr<TListBarSkin> listBarSkin_;
  COMBOBOXINFO info_{};
  RECT buttonRect_{0, 0, 0, 0};
  bool plainFrame_ = false;

  TPaintBuffer buffer_;
  TFrameCache frames_;
};

} // namespace vcu
