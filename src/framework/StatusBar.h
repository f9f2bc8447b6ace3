#pragma once
// TStatusBar: the native status bar ("msctls_statusbar32") with a collection of panels kept in
// step with the native parts (SB_SETPARTS) and their texts (SB_SETTEXT), or one simple text.
// Panels are components that sit inside the bar in a stored layout; owner-drawn panels and,
// when the bar is skinned, every panel are handed to OnDrawPanel.
#include <functional>
#include <string>
#include <vector>

#include "framework/Controls.h"
#include "framework/Menus.h" // TBiDiMode

namespace vcu {

enum TAlignment { taLeftJustify, taRightJustify, taCenter };
enum TStatusPanelBevel { pbNone, pbLowered, pbRaised };
enum TStatusPanelStyle { psText, psOwnerDraw };

const std::vector<std::string>& AlignmentNames();
const std::vector<std::string>& BiDiModeIdents();

class TStatusBar;

class TStatusPanel : public TComponent {
public:
  explicit TStatusPanel(TComponent* owner);
  ~TStatusPanel() override;
  static const TClassInfo& ClassInfo();
  const TClassInfo& ClassType() const override { return ClassInfo(); }

  std::string Text() const { return text_; }
  void SetText(const std::string& text);
  int Width() const { return width_; }
  void SetWidth(int width);
  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment value);
  TStatusPanelBevel Bevel() const { return bevel_; }
  void SetBevel(TStatusPanelBevel value);
  TBiDiMode BiDiMode() const { return biDiMode_; }
  void SetBiDiMode(TBiDiMode value);
  TStatusPanelStyle Style() const { return style_; }
  void SetStyle(TStatusPanelStyle value);
  // Position in the bar's collection; -1 outside one.
  int Index() const;
  TStatusBar* StatusBar() const { return bar_; }

  bool HasParent() const override { return true; }
  // A panel nested in a status bar's block of a stored layout joins its collection.
  void SetParentComponent(TComponent* parent) override;
  TComponent* GetParentComponent() const override;

private:
  friend class TStatusBar;
  void Changed(bool parts);

  std::string text_;
  int width_ = 50;
  TAlignment alignment_ = taLeftJustify;
  TStatusPanelBevel bevel_ = pbLowered;
  TBiDiMode biDiMode_ = bdLeftToRight;
  TStatusPanelStyle style_ = psText;
  TStatusBar* bar_ = nullptr;
};

// Sender, panel, device context and the panel's rectangle in it.
using TDrawPanelEvent = std::function<void(TStatusBar*, TStatusPanel*, HDC, const RECT&)>;

class TStatusBar : public TWinControl {
public:
  explicit TStatusBar(TComponent* owner);
  ~TStatusBar() override;
  static const TClassInfo& ClassInfo();
  const TClassInfo& ClassType() const override { return ClassInfo(); }

  int PanelCount() const { return static_cast<int>(panels_.size()); }
  TStatusPanel* Panels(int index) const { return panels_.at(static_cast<size_t>(index)); }
  // A new panel at the end, owned by the bar.
  TStatusPanel* AddPanel();
  // Takes a panel into the collection (at the end); a panel sits in one bar at a time.
  void InsertPanel(TStatusPanel* panel);
  void RemovePanel(TStatusPanel* panel);

  bool SimplePanel() const { return simplePanel_; }
  void SetSimplePanel(bool value);
  std::string SimpleText() const { return simpleText_; }
  void SetSimpleText(const std::string& text);
  bool SizeGrip() const { return sizeGrip_; }
  void SetSizeGrip(bool value);
  TBiDiMode BiDiMode() const { return biDiMode_; }
  void SetBiDiMode(TBiDiMode value);

  const TDrawPanelEvent& OnDrawPanel() const { return onDrawPanel_; }
  void SetOnDrawPanel(TDrawPanelEvent handler) { onDrawPanel_ = std::move(handler); }
  void DrawPanel(TStatusPanel* panel, HDC dc, const RECT& rect);

  // Sends the parts and every text to the native bar.
  void UpdateParts();
  void UpdatePanelText(int index);

protected:
  void CreateParams(TCreateParams& params) override;
  void InitializeWindow() override;
  void Dispatch(TMessage& message) override;

private:
  std::vector<TStatusPanel*> panels_;
  bool simplePanel_ = false;
  std::string simpleText_;
  bool sizeGrip_ = true;
  TBiDiMode biDiMode_ = bdLeftToRight;
  TDrawPanelEvent onDrawPanel_;
};

} // namespace vcu
