#pragma once
// TScrollBar: a stand-alone native "SCROLLBAR" control. The native bar only reports what the
// user did (WM_HSCROLL/WM_VSCROLL to its parent, reflected back here); the control turns each
// scroll code into a new Position, within Min..Max less the page, and tells OnScroll and
// OnChange.
#include <functional>

#include "framework/Controls.h"

namespace vcu {

enum TScrollBarKind { sbHorizontal, sbVertical };

// Sender, scroll code (SB_*), the position about to be taken (the handler may change it).
using TScrollEvent = std::function<void(TObject*, int, int&)>;

class TScrollBar : public TWinControl {
public:
  explicit TScrollBar(TComponent* owner);
  static const TClassInfo& ClassInfo();
  const TClassInfo& ClassType() const override { return ClassInfo(); }

  TScrollBarKind Kind() const { return kind_; }
  void SetKind(TScrollBarKind value);
  int Min() const { return min_; }
  void SetMin(int value) { SetParams(position_, value, max_); }
  int Max() const { return max_; }
  void SetMax(int value) { SetParams(position_, min_, value); }
  int Position() const { return position_; }
  void SetPosition(int value) { SetParams(value, min_, max_); }
  int PageSize() const { return pageSize_; }
  void SetPageSize(int value);
  int SmallChange() const { return smallChange_; }
  void SetSmallChange(int value) { smallChange_ = value; }
  int LargeChange() const { return largeChange_; }
  void SetLargeChange(int value) { largeChange_ = value; }
  // Position kept within min..max less the page; OnChange when it moved.
  void SetParams(int position, int min, int max);

  void SetOnChange(TNotifyEvent handler) { onChange_ = std::move(handler); }
  void SetOnScroll(TScrollEvent handler) { onScroll_ = std::move(handler); }

protected:
  void CreateParams(TCreateParams& params) override;
  void InitializeWindow() override;
  void Dispatch(TMessage& message) override;

private:
  void Scrolled(int code);
  int Highest() const;
  void SendToWindow();

  TScrollBarKind kind_ = sbHorizontal;
  int min_ = 0, max_ = 100, position_ = 0;
  int pageSize_ = 0;
  int smallChange_ = 1, largeChange_ = 1;
  TNotifyEvent onChange_;
  TScrollEvent onScroll_;
};

} // namespace vcu
