#pragma once
// TSkinScControl: a stand-alone scroll-bar control covered by one skinned overlay
// (TWScrollbar of kind sbkControl). The native bar stays underneath and does the scrolling;
// the overlay follows its size, visibility, enabled state and position.
#include "skin/controls/SkinControl.h"

namespace vcu {

class TWScrollbar;

class TSkinScControl : public TSkinControl {
public:
  explicit TSkinScControl(TComponent* owner);
  ~TSkinScControl() override;
  static const TClassInfo& ClassInfo();
  const TClassInfo& ClassType() const override { return ClassInfo(); }

  void AttachControl(TWinSkinForm* form, TSkinData* skin, bool takeColor) override;
  void RestoreControl() override;
  void SkinChanged() override;
  TWScrollbar* Bar() const { return bar_; }

protected:
  bool BeforeMessage(TMessage& message) override;
  void AfterMessage(TMessage& message) override;

private:
  void FreeBar();
  void UpdateBar();

  TWScrollbar* bar_ = nullptr;
};

} // namespace vcu
