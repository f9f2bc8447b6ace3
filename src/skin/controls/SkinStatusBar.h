#pragma once
// TSkinStatusBar: paints a framework status bar wholly in place of the native drawing: the
// face, each panel's frame and text (or the one simple text) and the size grip, composed in
// one off-screen image shared by every status bar and put on the window in one blit. Controls
// on the bar and the bar's OnDrawPanel handler paint after it.
#include <windows.h>

#include "framework/Graphics.h"
#include "skin/controls/FrameCache.h"
#include "skin/controls/SkinControl.h"

namespace vcu {

class TStatusBar;

class TSkinStatusBar : public TSkinControl {
public:
  explicit TSkinStatusBar(TComponent* owner);
  static const TClassInfo& ClassInfo();
  const TClassInfo& ClassType() const override { return ClassInfo(); }
  void SkinChanged() override;

protected:
  bool BeforeMessage(TMessage& message) override;
  void DrawControl(HDC dc, const RECT& rect) override;

private:
  // One panel's frame (index of the three StatusBarEdges frames) composed at p.
  void DrawPanelFrame(const RECT& p, int frame);
  // Text placed in p by the alignment flag, in the buffer's DC.
  void DrawPanelText(HDC canvas, const RECT& p, unsigned flag, const std::wstring& text);
  // The bar's font with its style cleared.
  HFONT PlainFont();

  TFrameCache frames_;
  TFont plainFont_;
};

} // namespace vcu
