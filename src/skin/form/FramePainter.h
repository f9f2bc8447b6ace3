#pragma once
// Paints a form skinner's frame: the four borders, the title bar with its caption text, text
// plate, icon and caption buttons, composed into one window-sized image that is kept between
// paints, then put on the window in one blit that leaves the client area alone. It also builds
// the window's region from the borders' see-through pixels.
#include <string>
#include <vector>

#include <windows.h>

#include "core/form/FrameGeometry.h"
#include "core/image/Bitmap.h"
#include "core/image/Rect.h"

namespace vcu {

class TWinSkinForm;

class TFramePainter {
public:
  explicit TFramePainter(TWinSkinForm& form);
  ~TFramePainter();
  TFramePainter(const TFramePainter&) = delete;
  TFramePainter& operator=(const TFramePainter&) = delete;

  // Composes the frame as the window stands now and copies it onto dc (the window's own
  // device context when null). When nothing the frame shows has changed since the last
  // composition, the kept image is copied as it is. The caption buttons are drawn at rest (normal, or greyed): a
  // hot or pressed frame shows only in the repaint its mouse state caused, so a frame painted
  // after the state went stale never shows it.
  void Paint(HDC dc);
  // Only the title bar, after a caption button changed its state: the buttons in their states.
  void PaintTitle();
  // The next paint composes anew (the skin or the icon changed).
  void Invalidate() { composedValid_ = false; }
  // The window's small icon on magenta, as the system-menu button shows it.
  void RebuildIcon();
  const Bitmap& IconBitmap() const { return icon_; }
  // The region of a window of this size, or null when GDI refuses one. The caller owns it.
  HRGN BuildRegion(int width, int height);
  // The window width a dialog needs to show its whole caption.
  int CaptionWidthNeeded();
  // Where the caption text went in the last composition (window coordinates).
  const Rect& TextRect() const { return textRect_; }

private:
  // What a composed frame depends on, besides the skin and the icon.
  struct FrameState {
    int width = 0, height = 0;
    bool active = false, minimized = false;
    BorderSizes borders;
    std::wstring caption;
    std::vector<unsigned char> buttons; // visible and enabled, two bits each
    int menuHeight = 0;
    unsigned menuVersion = 0;
    bool operator==(const FrameState& o) const;
  };
  FrameState CurrentState(int width, int height) const;

  void EnsureDC();
  void EnsureCanvas(int width, int height);
  void SelectCaptionFont();
  void PaintWhole(HDC dc, bool buttonStates);
  void ComposeTitle(int width, int height, bool minimized, bool buttonStates, const std::wstring& caption);
  void DrawTopBorder(const Rect& where);
  // The strip under the title: the skinned menu bar, or the face colour.
  void ComposeMenuStrip(int width);
  void DrawCaptionText(const Rect& title, const std::wstring& caption);
  void Blit(HDC dc, int width, int height, int bottom, bool clipClient);

  TWinSkinForm& form_;
  Bitmap canvas_;
  HDC canvasDC_ = nullptr;
  HGDIOBJ canvasOld_ = nullptr;
  HGDIOBJ fontOld_ = nullptr;
  Bitmap icon_;
  Rect textRect_;
  FrameState composed_;
  bool composedValid_ = false;
};

} // namespace vcu
