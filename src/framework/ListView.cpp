#include "framework/ListView.h"

#include <algorithm>
#include <stdexcept>

#include <commctrl.h>

namespace vcu {

// ---- columns

const TClassInfo& TColumnItem::ClassInfo() {
  static const TClassInfo info(
      "TColumnItem", &TComponent::ClassInfo(),
      {StringProperty("Text", &TColumnItem::Text, &TColumnItem::SetText),
       IntegerProperty("Width", &TColumnItem::Width, &TColumnItem::SetWidth),
       EnumProperty("Alignment", AlignmentNames(), &TColumnItem::Alignment, &TColumnItem::SetAlignment)});
  return info;
}

const TClassInfo& THeaderSection::ClassInfo() {
  static const TClassInfo info("THeaderSection", &TColumnItem::ClassInfo(), {});
  return info;
}

const TClassInfo& TListColumn::ClassInfo() {
  static const TClassInfo info("TListColumn", &TColumnItem::ClassInfo(),
                               {StringProperty("Caption", &TListColumn::Caption, &TListColumn::SetCaption)});
  return info;
}

TColumnItem::TColumnItem(TComponent* owner) : TComponent(owner) {}

TColumnItem::~TColumnItem() {
  if (holder_) holder_->RemoveColumn(this);
}

int TColumnItem::Index() const { return holder_ ? holder_->IndexOf(this) : -1; }

void TColumnItem::SetText(const std::string& text) {
  text_ = text;
  if (holder_) holder_->NativeUpdate(Index());
}

void TColumnItem::SetWidth(int width) {
  width_ = std::max(0, width);
  if (holder_) holder_->NativeUpdate(Index());
}

void TColumnItem::SetAlignment(TAlignment value) {
  alignment_ = value;
  if (holder_) holder_->NativeUpdate(Index());
}

void TColumnItem::SetParentComponent(TComponent* parent) {
  auto* holder = dynamic_cast<TColumnHolder*>(parent);
  if (!holder) throw std::invalid_argument("a column must sit in a header or a list view");
  holder->InsertColumn(this);
}

TComponent* TColumnItem::GetParentComponent() const { return holder_ ? holder_->AsComponent() : nullptr; }

TColumnHolder::~TColumnHolder() = default;

void TColumnHolder::ForgetColumns() {
  for (TColumnItem* column : columns_) column->holder_ = nullptr;
  columns_.clear();
}

int TColumnHolder::IndexOf(const TColumnItem* column) const {
  auto it = std::find(columns_.begin(), columns_.end(), column);
  return it == columns_.end() ? -1 : static_cast<int>(it - columns_.begin());
}

void TColumnHolder::InsertColumn(TColumnItem* column) {
  if (!column || column->holder_ == this) return;
  if (column->holder_) column->holder_->RemoveColumn(column);
  column->holder_ = this;
  columns_.push_back(column);
  NativeInsert(ColumnCount() - 1);
}

void TColumnHolder::RemoveColumn(TColumnItem* column) {
  const int index = IndexOf(column);
  if (index < 0) return;
  columns_.erase(columns_.begin() + index);
  column->holder_ = nullptr;
  NativeDelete(index);
}

void TColumnHolder::NativeInsertAll() {
  for (int i = 0; i < ColumnCount(); ++i) NativeInsert(i);
}

int TColumnHolder::FormatOf(TAlignment alignment) {
  switch (alignment) {
  case taRightJustify: return HDF_RIGHT;
  case taCenter: return HDF_CENTER;
  default: return HDF_LEFT;
  }
}

// ---- header control

const TClassInfo& THeaderControl::ClassInfo() {
  static const TClassInfo info("THeaderControl", &TWinControl::ClassInfo(), {});
  return info;
}

THeaderControl::THeaderControl(TComponent* owner) : TWinControl(owner) { SetBounds(0, 0, 250, 22); }

THeaderControl::~THeaderControl() { ForgetColumns(); }

THeaderSection* THeaderControl::AddSection(const std::string& text, int width, TAlignment alignment) {
  auto* section = new THeaderSection(this);
  section->SetText(text);
  section->SetWidth(width);
  section->SetAlignment(alignment);
  InsertColumn(section);
  return section;
}

void THeaderControl::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.baseClassName = WC_HEADERA;
  params.style |= HDS_HORZ | HDS_BUTTONS | HDS_FULLDRAG;
}

void THeaderControl::InitializeWindow() {
  TWinControl::InitializeWindow();
  NativeInsertAll();
}

void THeaderControl::NativeInsert(int index) { SendSection(HDM_INSERTITEMA, index); }

void THeaderControl::NativeUpdate(int index) { SendSection(HDM_SETITEMA, index); }

// The section as the native header holds it, inserted or set by message.
void THeaderControl::SendSection(UINT message, int index) {
  if (!HandleAllocated() || index < 0) return;
  TColumnItem* column = Column(index);
  std::string text = column->Text();
  HDITEMA item{};
  item.mask = HDI_TEXT | HDI_WIDTH | HDI_FORMAT;
  item.cxy = column->Width();
  item.pszText = &text[0];
  item.fmt = HDF_STRING | FormatOf(column->Alignment());
  SendMessageA(Handle(), message, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
}

void THeaderControl::NativeDelete(int index) {
  if (HandleAllocated()) SendMessageA(Handle(), HDM_DELETEITEM, static_cast<WPARAM>(index), 0);
}

void THeaderControl::Dispatch(TMessage& message) {
  if (message.Msg == CN_NOTIFY) {
    const NMHDR* header = NotifyHeader(message);
    if (header && (header->code == HDN_ITEMCLICKA || header->code == HDN_ITEMCLICKW)) {
      const int index = reinterpret_cast<const NMHEADERA*>(header)->iItem;
      if (index >= 0 && index < SectionCount() && onSectionClick_) onSectionClick_(this, Sections(index));
      return;
    }
    if (header && (header->code == HDN_ENDTRACKA || header->code == HDN_ENDTRACKW)) {
      const auto* change = reinterpret_cast<const NMHEADERA*>(header);
      if (change->pitem && (change->pitem->mask & HDI_WIDTH) && change->iItem >= 0 && change->iItem < SectionCount())
        Column(change->iItem)->SetWidth(change->pitem->cxy);
    }
  }
  TWinControl::Dispatch(message);
}

// ---- list view

const TClassInfo& TCustomListView::ClassInfo() {
  static TPropInfo rows = [] {
    TPropInfo p;
    p.name = "Rows";
    p.kind = TPropKind::StringList;
    p.setList = [](TObject& o, const std::vector<std::string>& lines) { static_cast<TCustomListView&>(o).SetRows(lines); };
    return p;
  }();
  static const TClassInfo info("TCustomListView", &TWinControl::ClassInfo(), {rows});
  return info;
}

const TClassInfo& TListView::ClassInfo() {
  static const TClassInfo info("TListView", &TCustomListView::ClassInfo(), {});
  return info;
}

TCustomListView::TCustomListView(TComponent* owner) : TWinControl(owner) {
  SetTabStop(true);
  SetColor(clWindow);
  SetBounds(0, 0, 250, 150);
}

TCustomListView::~TCustomListView() { ForgetColumns(); }

TListColumn* TCustomListView::AddColumn(const std::string& caption, int width, TAlignment alignment) {
  auto* column = new TListColumn(this);
  column->SetText(caption);
  column->SetWidth(width);
  column->SetAlignment(alignment);
  InsertColumn(column);
  return column;
}

void TCustomListView::AddItem(const std::string& caption, const std::vector<std::string>& subItems) {
  items_.push_back(TListItem{caption, subItems});
  NativeInsertItem(ItemCount() - 1);
}

void TCustomListView::ClearItems() {
  items_.clear();
  if (HandleAllocated()) SendMessageA(Handle(), LVM_DELETEALLITEMS, 0, 0);
}

void TCustomListView::SetRows(const std::vector<std::string>& rows) {
  ClearItems();
  for (const std::string& row : rows) {
    std::vector<std::string> fields;
    size_t start = 0;
    for (size_t bar; (bar = row.find('|', start)) != std::string::npos; start = bar + 1)
      fields.push_back(row.substr(start, bar - start));
    fields.push_back(row.substr(start));
    const std::string caption = fields.front();
    fields.erase(fields.begin());
    AddItem(caption, fields);
  }
}

HWND TCustomListView::HeaderHandle() {
  return reinterpret_cast<HWND>(SendMessageA(Handle(), LVM_GETHEADER, 0, 0));
}

void TCustomListView::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.baseClassName = WC_LISTVIEWA;
  params.style |= LVS_REPORT | LVS_SHOWSELALWAYS | LVS_SINGLESEL;
  params.exStyle |= WS_EX_CLIENTEDGE;
}

void TCustomListView::InitializeWindow() {
  TWinControl::InitializeWindow();
  SendMessageA(Handle(), LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
  NativeInsertAll();
  for (int i = 0; i < ItemCount(); ++i) NativeInsertItem(i);
}

void TCustomListView::NativeInsert(int index) { SendColumn(LVM_INSERTCOLUMNA, index); }

void TCustomListView::NativeUpdate(int index) { SendColumn(LVM_SETCOLUMNA, index); }

// The column as the native list view holds it, inserted or set by message.
void TCustomListView::SendColumn(UINT message, int index) {
  if (!HandleAllocated() || index < 0) return;
  TColumnItem* column = Column(index);
  std::string text = column->Text();
  LVCOLUMNA native{};
  native.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT | LVCF_SUBITEM;
  native.cx = column->Width();
  native.pszText = &text[0];
  native.iSubItem = index;
  native.fmt = column->Alignment() == taRightJustify ? LVCFMT_RIGHT : column->Alignment() == taCenter ? LVCFMT_CENTER : LVCFMT_LEFT;
  SendMessageA(Handle(), message, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&native));
}

void TCustomListView::NativeDelete(int index) {
  if (HandleAllocated()) SendMessageA(Handle(), LVM_DELETECOLUMN, static_cast<WPARAM>(index), 0);
}

void TCustomListView::NativeInsertItem(int index) {
  if (!HandleAllocated()) return;
  const TListItem& row = items_[static_cast<size_t>(index)];
  std::string caption = row.caption;
  LVITEMA native{};
  native.mask = LVIF_TEXT;
  native.iItem = index;
  native.pszText = &caption[0];
  const int at = static_cast<int>(SendMessageA(Handle(), LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&native)));
  for (size_t i = 0; i < row.subItems.size(); ++i) {
    std::string text = row.subItems[i];
    LVITEMA sub{};
    sub.iSubItem = static_cast<int>(i) + 1;
    sub.pszText = &text[0];
    SendMessageA(Handle(), LVM_SETITEMTEXTA, static_cast<WPARAM>(at), reinterpret_cast<LPARAM>(&sub));
  }
}

void TCustomListView::Dispatch(TMessage& message) {
  if (message.Msg == CN_NOTIFY) {
    const NMHDR* header = NotifyHeader(message);
    if (header && header->code == LVN_COLUMNCLICK) {
      const int index = reinterpret_cast<const NMLISTVIEW*>(header)->iSubItem;
      if (index >= 0 && index < ColumnCount() && onColumnClick_) onColumnClick_(this, Columns(index));
      return;
    }
  }
  TWinControl::Dispatch(message);
}

} // namespace vcu
