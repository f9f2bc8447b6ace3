#pragma once
// TComboBox: the native "COMBOBOX" under a window class of its own. Its items live in the
// control as well as in the window, so they survive the window being made anew.
#include <memory>
#include <string>
#include <vector>

#include "framework/Controls.h"
#include "framework/Menus.h"

namespace vcu {

enum TComboBoxStyle { csDropDown, csSimple, csDropDownList };

class TCustomComboBox : public TWinControl {
public:
  explicit TCustomComboBox(TComponent* owner);
  ~TCustomComboBox() override;
  static const TClassInfo& ClassInfo();
  const TClassInfo& ClassType() const override { return ClassInfo(); }

  TComboBoxStyle Style() const { return style_; }
  void SetStyle(TComboBoxStyle value);
  TStrings* Items() const { return items_.get(); }
  // -1: nothing chosen.
  int ItemIndex() const;
  void SetItemIndex(int value);
  // Right to left: the text reads from the right and the button sits at the left.
  TBiDiMode BiDiMode() const { return biDiMode_; }
  void SetBiDiMode(TBiDiMode value);
  int DropDownCount() const { return dropDownCount_; }
  void SetDropDownCount(int value);
  bool DroppedDown() const;
  void SetDroppedDown(bool value);
  // A new choice of the user (from the list or typed), not one set by the program.
  const TNotifyEvent& OnChange() const { return onChange_; }
  void SetOnChange(TNotifyEvent handler) { onChange_ = std::move(handler); }

  // The items as the window holds them (kept in step by Items).
  const std::vector<std::string>& ItemList() const { return itemList_; }

protected:
  void CreateParams(TCreateParams& params) override;
  void InitializeWindow() override;
  void Dispatch(TMessage& message) override;
  virtual void Change();

private:
  friend class TComboItems;
  // The height the window is created with: the edit part and the dropped list below it.
  int CreationHeight() const;

  TComboBoxStyle style_ = csDropDown;
  int dropDownCount_ = 8;
  TBiDiMode biDiMode_ = bdLeftToRight;
  int itemIndex_ = -1;
  std::vector<std::string> itemList_;
  std::unique_ptr<TStrings> items_;
  TNotifyEvent onChange_;
};

class TComboBox : public TCustomComboBox {
public:
  using TCustomComboBox::TCustomComboBox;
  static const TClassInfo& ClassInfo();
  const TClassInfo& ClassType() const override { return ClassInfo(); }
};

} // namespace vcu
