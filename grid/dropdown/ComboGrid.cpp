#include "grid/dropdown/ComboGrid.h"

#include "grid/dropdown/Finally.h"
#include "grid/dropdown/GridDropDowns.h"

#include <QApplication>
#include <QStyle>

#include <algorithm>

namespace grid {

namespace {

constexpr int kBorderWidth = 1;  // a single border's width and height

int ScrollBarExtent() { return QApplication::style()->pixelMetric(QStyle::PM_ScrollBarExtent); }

bool ShowsBar(TScrollStyle style, bool vertical)
{
  return style == TScrollStyle::ssBoth || style == (vertical ? TScrollStyle::ssVertical : TScrollStyle::ssHorizontal);
}

}  // namespace

TtsComboGrid::TtsComboGrid(TtsDropDownForm& form)
    : TtsBaseGrid(&form), owner_(dynamic_cast<TtsBaseGrid*>(form.OwnerGrid()))
{
  Model().IsComboGrid = true;
  if (owner_)
    SetName(owner_->Name() + ".Combo");
  hide();
}

void TtsComboGrid::SetDropDownRows(int rows)
{
  if (rows == dropDownRows_)
    return;
  dropDownRows_ = rows;
  if (owner_)
    owner_->DropDowns().ListSizeChanged(*this);
}

void TtsComboGrid::SetDropDownCols(int cols)
{
  if (cols == dropDownCols_)
    return;
  dropDownCols_ = cols;
  if (owner_)
    owner_->DropDowns().ListSizeChanged(*this);
}

void TtsComboGrid::SetAutoFill(bool on)
{
  autoFill_ = on;
  if (on && !Loading() && AutoSearch == asNone)
    AutoSearch = asTop;
}

void TtsComboGrid::SetDropDownStyle(TtsDropDownStyle style)
{
  if (style == dropDownStyle_)
    return;
  dropDownStyle_ = style;
  if (owner_)
    owner_->Model().RefreshEditor();
}

int TtsComboGrid::DropDownWidth(int cols) const
{
  if (cols <= 0)
    return width();
  int total = 0;
  int counted = 0;
  for (int displayCol = 1; displayCol <= Cols() && counted < dropDownCols_; ++displayCol) {
    const TtsCol* col = Model().ColAt(Model().DataColOf(displayCol));
    if (col && !col->Visible())
      continue;
    total += Model().ColWidth(displayCol);
    ++counted;
  }
  if (BorderStyle() == gbsSingle)
    total += 2 * kBorderWidth;
  if (RowBarOn())
    total += RowBarWidth();
  return total;
}

int TtsComboGrid::VisibleDataRows() const
{
  int count = 0;
  for (int dataRow = 1; dataRow <= Rows(); ++dataRow) {
    if (RowVisible(dataRow))
      ++count;
  }
  return count;
}

int TtsComboGrid::DropDownHeight(int rows) const
{
  if (rows <= 0)
    return height();
  int total = BorderStyle() == gbsSingle ? 2 * kBorderWidth : 0;
  if (HeadingOn())
    total += HeadingHeight();
  return total + DefaultRowHeight() * std::max(1, std::min(rows, VisibleDataRows()));
}

QSize TtsComboGrid::DropDownExtent(int cols, int rows) const
{
  int w = DropDownWidth(cols);
  int h = DropDownHeight(rows);
  const int allCols = DropDownWidth(Cols() > 0 ? Cols() : 0);
  if (rows > 0 && ShowsBar(ScrollBars(), false) &&
      (ShowsBar(AlwaysShowScrollBar(), false) || (cols > 0 && dropDownCols_ < Cols() && allCols > w)))
    h += ScrollBarExtent();
  if (cols > 0 && ShowsBar(ScrollBars(), true) &&
      (ShowsBar(AlwaysShowScrollBar(), true) || VisibleDataRows() > std::max(rows, 1)))
    w += ScrollBarExtent();
  return {w, h};
}

void TtsComboGrid::SizeDropDown(int cols, int rows)
{
  const QSize extent = DropDownExtent(cols, rows);
  if (extent != size())
    resize(extent);
  UpdateScrollBars();
}

void TtsComboGrid::AssignList(const TtsComboGrid& source)
{
  Assign(static_cast<const TtsBaseGrid&>(source));
  dropDownRows_ = source.dropDownRows_;
  dropDownCols_ = source.dropDownCols_;
  ValueCol = source.ValueCol;
  ValueColSorted = source.ValueColSorted;
  CompareType = source.CompareType;
  AutoSearch = source.AutoSearch;
  autoFill_ = source.autoFill_;
  AutoFillConvertCase = source.AutoFillConvertCase;
  dropDownStyle_ = source.dropDownStyle_;
}

void TtsComboGrid::CellValueLoaded(int dataCol, int dataRow, TtsCellValue& value)
{
  if (owner_ && owner_->HasDropDowns())
    owner_->Fire(owner_->DropDowns().OnComboCellLoaded, *this, dataCol, dataRow, value);
}

TtsComboBox::TtsComboBox(TtsBaseGrid& grid) : grid_(grid)
{
  TtsGridDropDowns& dropDowns = grid.DropDowns();
  comboGrid_ = new TtsComboGrid(dropDowns.ComboDropDownForm());
  comboGrid_->SetCombo(this);
  comboGrid_->hide();
  if (grid.Loading())
    return;
  dropDowns.SetupComboGrid(*comboGrid_);
  dropDowns.InitCombo(*this);
}

TtsComboBox::~TtsComboBox() { delete comboGrid_.data(); }

void TtsComboBox::Assign(const TtsCombo& source)
{
  if (const TtsComboGrid* list = ComboGridOf(&source); list && list != comboGrid_)
    comboGrid_->AssignList(*list);
}

void TtsComboBox::Reset()
{
  TtsGridDropDowns& dropDowns = grid_.DropDowns();
  {
    comboGrid_->HoldResize(true);
    Finally release([this] { comboGrid_->HoldResize(false); });
    dropDowns.ComboChanged(*this, false);
    TtsComboBox fresh(grid_);
    comboGrid_->AssignList(*fresh.comboGrid_);
  }
  if (dropDowns.HasGridCombo() && &dropDowns.GridCombo() == this && dropDowns.IsComboDroppedDown())
    dropDowns.ResizeDropDown(comboGrid_->DropDownCols(), comboGrid_->DropDownRows(), false);
}

TtsComboGrid* ComboGridOf(const TtsCombo* combo)
{
  const auto* box = dynamic_cast<const TtsComboBox*>(combo);
  return box ? &box->ComboGrid() : nullptr;
}

}  // namespace grid
