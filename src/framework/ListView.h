#pragma once
// Column headers: THeaderControl (the native "SysHeader32" with its sections) and TListView
// (the native "SysListView32" in report style with its columns and rows; its header window is
// the list view's own). Sections and columns are components that sit inside their control in
// a stored layout, each with a text, a width and an alignment.
#include <functional>
#include <string>
#include <vector>

#include "framework/Controls.h"
#include "framework/StatusBar.h" // TAlignment

namespace vcu {

class TColumnHolder;

// A header section or a list column.
class TColumnItem : public TComponent {
public:
  explicit TColumnItem(TComponent* owner);
  ~TColumnItem() override;
  static const TClassInfo& ClassInfo();
  const TClassInfo& ClassType() const override { return ClassInfo(); }

  std::string Text() const { return text_; }
  void SetText(const std::string& text);
  int Width() const { return width_; }
  void SetWidth(int width);
  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment value);
  int Index() const;

  bool HasParent() const override { return true; }
  void SetParentComponent(TComponent* parent) override;
  TComponent* GetParentComponent() const override;

private:
  friend class TColumnHolder;
  std::string text_;
  int width_ = 80;
  TAlignment alignment_ = taLeftJustify;
  TColumnHolder* holder_ = nullptr;
};

class THeaderSection : public TColumnItem {
public:
  using TColumnItem::TColumnItem;
  static const TClassInfo& ClassInfo();
  const TClassInfo& ClassType() const override { return ClassInfo(); }
};

class TListColumn : public TColumnItem {
public:
  using TColumnItem::TColumnItem;
  static const TClassInfo& ClassInfo();
  const TClassInfo& ClassType() const override { return ClassInfo(); }
  std::string Caption() const { return Text(); }
  void SetCaption(const std::string& text) { SetText(text); }
};

// The ordered columns of a control, kept in step with its native items.
class TColumnHolder {
public:
  virtual ~TColumnHolder();
  int ColumnCount() const { return static_cast<int>(columns_.size()); }
  TColumnItem* Column(int index) const { return columns_.at(static_cast<size_t>(index)); }
  int IndexOf(const TColumnItem* column) const;
  void InsertColumn(TColumnItem* column);
  void RemoveColumn(TColumnItem* column);
  virtual TComponent* AsComponent() = 0;

protected:
  friend class TColumnItem;
  // The native side: one item inserted at index, changed, or removed.
  virtual void NativeInsert(int index) = 0;
  virtual void NativeUpdate(int index) = 0;
  virtual void NativeDelete(int index) = 0;
  // Every column again, as when the window is (re)created.
  void NativeInsertAll();
  void ForgetColumns();
  // The native format bits of an alignment.
  static int FormatOf(TAlignment alignment);

private:
  std::vector<TColumnItem*> columns_;
};

class THeaderControl;
using TSectionNotifyEvent = std::function<void(THeaderControl*, THeaderSection*)>;

class THeaderControl : public TWinControl, public TColumnHolder {
public:
  explicit THeaderControl(TComponent* owner);
  ~THeaderControl() override;
  static const TClassInfo& ClassInfo();
  const TClassInfo& ClassType() const override { return ClassInfo(); }
  TComponent* AsComponent() override { return this; }

  THeaderSection* AddSection(const std::string& text, int width, TAlignment alignment = taLeftJustify);
  THeaderSection* Sections(int index) const { return static_cast<THeaderSection*>(Column(index)); }
  int SectionCount() const { return ColumnCount(); }
  void SetOnSectionClick(TSectionNotifyEvent handler) { onSectionClick_ = std::move(handler); }

protected:
  void CreateParams(TCreateParams& params) override;
  void InitializeWindow() override;
  void Dispatch(TMessage& message) override;
  void NativeInsert(int index) override;
  void NativeUpdate(int index) override;
  void NativeDelete(int index) override;

private:
  void SendSection(UINT message, int index);
  TSectionNotifyEvent onSectionClick_;
};

struct TListItem {
  std::string caption;
  std::vector<std::string> subItems;
};

class TCustomListView;
using TListColumnClickEvent = std::function<void(TCustomListView*, TListColumn*)>;

class TCustomListView : public TWinControl, public TColumnHolder {
public:
  explicit TCustomListView(TComponent* owner);
  ~TCustomListView() override;
  static const TClassInfo& ClassInfo();
  const TClassInfo& ClassType() const override { return ClassInfo(); }
  TComponent* AsComponent() override { return this; }

  TListColumn* AddColumn(const std::string& caption, int width, TAlignment alignment = taLeftJustify);
  TListColumn* Columns(int index) const { return static_cast<TListColumn*>(Column(index)); }
  int ItemCount() const { return static_cast<int>(items_.size()); }
  const TListItem& Items(int index) const { return items_.at(static_cast<size_t>(index)); }
  void AddItem(const std::string& caption, const std::vector<std::string>& subItems = {});
  void ClearItems();
  // Rows given as lines, fields separated by '|': caption first, then the sub-items.
  void SetRows(const std::vector<std::string>& rows);
  // The native header window of the list view (report style), null when it has none.
  HWND HeaderHandle();
  void SetOnColumnClick(TListColumnClickEvent handler) { onColumnClick_ = std::move(handler); }

protected:
  void CreateParams(TCreateParams& params) override;
  void InitializeWindow() override;
  void Dispatch(TMessage& message) override;
  void NativeInsert(int index) override;
  void NativeUpdate(int index) override;
  void NativeDelete(int index) override;

private:
  void SendColumn(UINT message, int index);
  void NativeInsertItem(int index);
  std::vector<TListItem> items_;
  TListColumnClickEvent onColumnClick_;
};

class TListView : public TCustomListView {
public:
  using TCustomListView::TCustomListView;
  static const TClassInfo& ClassInfo();
  const TClassInfo& ClassType() const override { return ClassInfo(); }
};

} // namespace vcu
