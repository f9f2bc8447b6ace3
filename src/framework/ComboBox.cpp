#include "framework/ComboBox.h"

#include <algorithm>

#include "framework/Graphics.h"
#include "framework/Messages.h"

namespace vcu {

// The combo box's items: the control's own list, mirrored into its window when there is one.
class TComboItems : public TStrings {
public:
  explicit TComboItems(TCustomComboBox& combo) : combo_(combo) {}

  int Count() const override { return static_cast<int>(combo_.itemList_.size()); }
  std::string Get(int index) const override { return combo_.itemList_.at(static_cast<size_t>(index)); }
  void Add(const std::string& line) override {
    combo_.itemList_.push_back(line);
    if (combo_.HandleAllocated())
      SendMessageA(combo_.Handle(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(line.c_str()));
  }
  void Clear() override {
    combo_.itemList_.clear();
    combo_.itemIndex_ = -1;
    if (combo_.HandleAllocated()) SendMessageA(combo_.Handle(), CB_RESETCONTENT, 0, 0);
  }

private:
  TCustomComboBox& combo_;
};

const TClassInfo& TCustomComboBox::ClassInfo() {
  static const TClassInfo info(
      "TCustomComboBox", &TWinControl::ClassInfo(),
      {EnumProperty("Style", {"csDropDown", "csSimple", "csDropDownList"}, &TCustomComboBox::Style,
                    &TCustomComboBox::SetStyle),
       ObjectProperty("Items", &TCustomComboBox::Items),
       IntegerProperty("ItemIndex", &TCustomComboBox::ItemIndex, &TCustomComboBox::SetItemIndex),
       EnumProperty("BiDiMode", {"bdLeftToRight", "bdRightToLeft", "bdRightToLeftNoAlign", "bdRightToLeftReadingOnly"},
                    &TCustomComboBox::BiDiMode, &TCustomComboBox::SetBiDiMode),
       IntegerProperty("DropDownCount", &TCustomComboBox::DropDownCount, &TCustomComboBox::SetDropDownCount),
       EventProperty("OnChange", &TCustomComboBox::SetOnChange)});
  return info;
}

const TClassInfo& TComboBox::ClassInfo() {
  static const TClassInfo info("TComboBox", &TCustomComboBox::ClassInfo(), {});
  return info;
}

TCustomComboBox::TCustomComboBox(TComponent* owner)
    : TWinControl(owner), items_(std::make_unique<TComboItems>(*this)) {
  SetTabStop(true);
  SetColor(clWindow);
  SetBounds(0, 0, 145, 21);
}

TCustomComboBox::~TCustomComboBox() = default;

int TCustomComboBox::CreationHeight() const {
  if (style_ == csSimple) return Height();
  const int itemHeight = std::max(Font()->Height() < 0 ? -Font()->Height() : Font()->Height(), 13) + 3;
  return Height() + std::max(dropDownCount_, 1) * itemHeight + 2;
}

void TCustomComboBox::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.baseClassName = "COMBOBOX";
  static const DWORD kStyles[] = {CBS_DROPDOWN, CBS_SIMPLE, CBS_DROPDOWNLIST};
  // The combo box's own erase and paint leave its edit and list children alone.
  params.style |= kStyles[style_] | CBS_AUTOHSCROLL | WS_VSCROLL | WS_CLIPCHILDREN;
  params.height = CreationHeight();
  if (biDiMode_ == bdRightToLeft) params.exStyle |= WS_EX_LEFTSCROLLBAR | WS_EX_RTLREADING | WS_EX_RIGHT;
}

void TCustomComboBox::InitializeWindow() {
  TWinControl::InitializeWindow();
  HWND window = Handle();
  for (const std::string& item : itemList_) SendMessageA(window, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
  if (itemIndex_ >= 0) SendMessageA(window, CB_SETCURSEL, static_cast<WPARAM>(itemIndex_), 0);
}

void TCustomComboBox::SetStyle(TComboBoxStyle value) {
  if (value < csDropDown || value > csDropDownList || value == style_) return;
  style_ = value;
  // The native combo box takes its kind only at creation.
  if (HandleAllocated()) {
    const int index = ItemIndex();
    DestroyHandle();
    itemIndex_ = index;
    HandleNeeded();
  }
}

int TCustomComboBox::ItemIndex() const {
  if (!HandleAllocated()) return itemIndex_;
  return static_cast<int>(SendMessageA(const_cast<TCustomComboBox*>(this)->Handle(), CB_GETCURSEL, 0, 0));
}

void TCustomComboBox::SetItemIndex(int value) {
  if (value < -1 || value >= static_cast<int>(itemList_.size())) value = -1;
  itemIndex_ = value;
  if (HandleAllocated()) SendMessageA(Handle(), CB_SETCURSEL, static_cast<WPARAM>(value), 0);
}

void TCustomComboBox::SetBiDiMode(TBiDiMode value) {
  if (value < bdLeftToRight || value > bdRightToLeftReadingOnly) return;
  biDiMode_ = value;
  if (!HandleAllocated()) return;
  const bool left = value == bdRightToLeft;
  const LONG_PTR bits = WS_EX_LEFTSCROLLBAR | WS_EX_RTLREADING | WS_EX_RIGHT;
  const LONG_PTR ex = GetWindowLongPtrW(Handle(), GWL_EXSTYLE);
  SetWindowLongPtrW(Handle(), GWL_EXSTYLE, left ? ex | bits : ex & ~bits);
  SetWindowPos(Handle(), nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_FRAMECHANGED);
}

void TCustomComboBox::SetDropDownCount(int value) { dropDownCount_ = std::clamp(value, 1, 100); }

bool TCustomComboBox::DroppedDown() const {
  return HandleAllocated() && SendMessageA(const_cast<TCustomComboBox*>(this)->Handle(), CB_GETDROPPEDSTATE, 0, 0) != 0;
}

void TCustomComboBox::SetDroppedDown(bool value) {
  if (HandleAllocated()) SendMessageA(Handle(), CB_SHOWDROPDOWN, value, 0);
}

void TCustomComboBox::Change() {
  if (onChange_) onChange_(this);
}

void TCustomComboBox::Dispatch(TMessage& message) {
  if (message.Msg == CN_COMMAND) {
    switch (HIWORD(message.WParam)) {
    case CBN_SELCHANGE:
      itemIndex_ = ItemIndex();
      Change();
      return;
    case CBN_EDITCHANGE: Change(); return;
    default: break;
    }
  }
  TWinControl::Dispatch(message);
}

} // namespace vcu
