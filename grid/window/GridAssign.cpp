// Copying a grid from another, whole or by parts: settings, counts, columns, rows, cell attributes,
// selections and data.

#include "grid/window/Grid.h"
#include "grid/window/GridCell.h"

#include <stdexcept>
#include <vector>

namespace grid {
namespace {

// Puts items 1..count at the display positions they have in the source. Placing each position in
// turn leaves the positions before it in place; an item already at its position is not moved, so a
// copy in the same order takes one pass.
template <class SourcePosition, class TargetPosition, class Place>
void FollowDisplayOrder(int count, SourcePosition sourcePosition, TargetPosition targetPosition, Place place)
{
  std::vector<int> itemAt(static_cast<std::size_t>(count) + 1, 0);
  for (int item = 1; item <= count; ++item) {
    const int position = sourcePosition(item);
    if (position >= 1 && position <= count)
      itemAt[static_cast<std::size_t>(position)] = item;
  }
  for (int position = 1; position <= count; ++position) {
    const int item = itemAt[static_cast<std::size_t>(position)];
    if (item != 0 && targetPosition(item) != position)
      place(item, position);
  }
}

// Marks a copy under way inside an update block, both undone whatever happens.
class CopyScope {
 public:
  CopyScope(TtsBaseGrid& grid, bool& copying) : grid_(grid), copying_(copying), was_(copying)
  {
    copying_ = true;
    grid_.BeginUpdate();
  }
  CopyScope(const CopyScope&) = delete;
  CopyScope& operator=(const CopyScope&) = delete;
  ~CopyScope()
  {
    grid_.EndUpdate();
    copying_ = was_;
  }

 private:
  TtsBaseGrid& grid_;
  bool& copying_;
  bool was_;
};

}  // namespace

void TtsBaseGrid::Assign(const TtsBaseGrid& source)
{
  if (&source == this)
    return;
  if (!Designing())
    model_.Designing = source.Designing();
  AssignGridParts(source, kAllPropKinds, true);
}

void TtsBaseGrid::AssignGridParts(const TtsBaseGrid& source, TtsPropKinds kinds, bool withData)
{
  if (&source == this)
    return;
  {
    const CopyScope scope(*this, copying_);
    if (HasPropKind(kinds, pkGrid))
      AssignSettings(source, kinds);
    if (HasPropKind(kinds, pkCols))
      AssignCols(source);
    if (HasPropKind(kinds, pkRows))
      AssignRows(source);
    if (HasPropKind(kinds, pkCells))
      AssignCellProps(source);
    if (!Designing() && !model_.IsComboGrid) {
      if (HasPropKind(kinds, pkCols))
        model_.ColSelection() = source.model_.ColSelection();
      if (HasPropKind(kinds, pkRows))
        model_.RowSelection() = source.model_.RowSelection();
      if (HasPropKind(kinds, pkCells))
        model_.SelectedRange = source.model_.SelectedRange;
    }
    if (withData)
      AssignData(source);
    else
      RecheckStoredValues(-1, -1);
  }
  UpdateScrollBars();
  Invalidate();
  NotifyCellMoved();
  ReportGridStatus();
}

void TtsBaseGrid::CopyGrid(const TtsBaseGrid& source)
{
  if (&source == this)
    return;
  AssignData(source);
  Invalidate();
  if (!store_)
    return;
  if (source.Rows() > Rows() && store_->LastRow() > Rows())
    store_->DeleteRows(Rows() + 1, store_->LastRow());
  if (source.Cols() > Cols())
    store_->DeleteCols(Cols() + 1, source.Cols());
}

void TtsBaseGrid::Assign(const QObject& source)
{
  if (const auto* grid = dynamic_cast<const TtsBaseGrid*>(&source)) {
    Assign(*grid);
    return;
  }
  throw std::invalid_argument(std::string("Cannot assign ") + source.metaObject()->className() + " to TtsGrid");
}

// The grid's own settings; the counts and default sizes only with the columns (rows) they size.
void TtsBaseGrid::AssignSettings(const TtsBaseGrid& source, TtsPropKinds kinds)
{
  if (HasPropKind(kinds, pkCols)) {
    SetCols(source.Cols());
    SetDefaultColWidth(source.DefaultColWidth());
  }
  if (HasPropKind(kinds, pkRows)) {
    SetRows(source.Rows());
    SetDefaultRowHeight(source.DefaultRowHeight());
  }
  model_.Font.Assign(source.model_.Font);
  SetFixedColCount(source.FixedColCount());
  SetFixedRowCount(source.FixedRowCount());
  SetHeadingOn(source.HeadingOn());
  SetHeadingHeight(source.HeadingHeight());
  SetRowBarOn(source.RowBarOn());
  SetRowBarWidth(source.RowBarWidth());
  SetGridLines(source.GridLines());
  if (!model_.IsComboGrid) {
    SetGridMode(source.GridMode());
    SetRowSelectMode(source.RowSelectMode());
  }
  SetDrawOverlap(source.DrawOverlap());
  SetRowChangedIndicator(source.RowChangedIndicator());
  SetCheckBoxValues(source.CheckBoxValues());
  SetAutoScale(source.AutoScale());
  SetGridColor(source.GridColor());
  SetHeadingColor(source.HeadingColor());
  SetIs3D(source.Is3D());
  SetHeading3D(source.Heading3D());
  SetHeadingParentFont(source.HeadingParentFont);
  if (!source.HeadingParentFont)
    model_.HeadingFont.Assign(source.model_.HeadingFont);
  SetScrollBars(source.ScrollBars());
  SetAlwaysShowScrollBar(source.AlwaysShowScrollBar());
  SetBorderStyle(source.BorderStyle());
  model_.SetDateTimeDef(source.model_.DateTimeDef());

  // The plain grid-level attributes; those with effects went through their setters above.
  const TtsGridMode mode = model_.Level.GridMode;
  model_.Level = source.model_.Level;
  model_.Level.GridMode = mode;

  LineColor = source.LineColor;
  FixedLineColor = source.FixedLineColor;
  EditColor = source.EditColor;
  EditFontColor = source.EditFontColor;
  TransparentColor = source.TransparentColor;
  ColSelectMode = source.ColSelectMode;
  CellSelectMode = source.CellSelectMode;
  ResizeCols = source.ResizeCols;
  ResizeRows = source.ResizeRows;
  ScrollSpeed = source.ScrollSpeed;
  FocusBorder = source.FocusBorder;
  SelectionType = source.SelectionType;
  CheckBoxStyle = source.CheckBoxStyle;
  SelectFixed = source.SelectFixed;
  AlwaysShowEditor = source.AlwaysShowEditor;
  AlwaysShowFocus = source.AlwaysShowFocus;
  SkipReadOnly = source.SkipReadOnly;
  WantTabs = source.WantTabs;
  TabRowWrap = source.TabRowWrap;
  RowBarIndicator = source.RowBarIndicator;
  ColMoving = source.ColMoving;
  RowMoving = source.RowMoving;
  ResizeColsInGrid = source.ResizeColsInGrid;
  ResizeRowsInGrid = source.ResizeRowsInGrid;
  ThumbTracking = source.ThumbTracking;
  SelectionColor = source.SelectionColor;
  SelectionFontColor = source.SelectionFontColor;
  FocusColor = source.FocusColor;
  FocusFontColor = source.FocusFontColor;
  InactiveButtonState = source.InactiveButtonState;
  FlatButtons = source.FlatButtons;
  ButtonEdgeWidth = source.ButtonEdgeWidth;
  DefaultButtonWidth = source.DefaultButtonWidth;
  DefaultButtonHeight = source.DefaultButtonHeight;
  SpinButtonWidth = source.SpinButtonWidth;
  SpinButtonHeight = source.SpinButtonHeight;
  SetSpinStartDelay(source.SpinStartDelay());
  SetSpinRepeatDelay(source.SpinRepeatDelay());
  RowBarAlignment = source.RowBarAlignment;
  ComboRowHeight = source.ComboRowHeight;
  FastScrollDelay = source.FastScrollDelay;
  SlowScrollDelay = source.SlowScrollDelay;
}

// A design-mode copy takes the source's items in display order as its data order.
void TtsBaseGrid::AssignCols(const TtsBaseGrid& source)
{
  SetCols(source.Cols());
  if (DefaultColWidth() != source.DefaultColWidth())
    SetDefaultColWidth(source.DefaultColWidth());
  const bool byDisplay = Designing();
  model_.Col(0).Assign(source.model_.Col(0));
  for (int c = 1; c <= Cols(); ++c)
    model_.Col(c).Assign(source.model_.Col(byDisplay ? source.model_.DataColOf(c) : c));
  if (byDisplay)
    return;
  FollowDisplayOrder(
      Cols(), [&](int c) { return source.DisplayColOfData(c); }, [this](int c) { return DisplayColOfData(c); },
      [this](int c, int position) { SetDisplayColOfData(c, position); });
}

void TtsBaseGrid::AssignRows(const TtsBaseGrid& source)
{
  SetRows(source.Rows());
  if (DefaultRowHeight() != source.DefaultRowHeight())
    SetDefaultRowHeight(source.DefaultRowHeight());
  const bool byDisplay = Designing();
  for (int r = 1; r <= Rows(); ++r) {
    const TtsRow* from = source.model_.GridRows().At(byDisplay ? source.model_.DataRowOf(r) : r);
    model_.ChangeRow(r, [from, byDisplay, r](TtsRow& row) {
      if (from)
        row.Assign(*from);
      else
        row.Reset(kAllProperties & ~PropBit(piRowChanged));
      if (byDisplay)
        row.SetDisplayRow(r);
    });
  }
  if (byDisplay)
    return;
  FollowDisplayOrder(
      Rows(), [&](int r) { return source.DisplayRowOfData(r); }, [this](int r) { return DisplayRowOfData(r); },
      [this](int r, int position) { MoveRowTo(r, position); });
  for (int r = 1; r <= Rows(); ++r) {
    if (RowChangedMark(r) != source.RowChangedMark(r))
      SetRowChangedMark(r, source.RowChangedMark(r));
  }
}

void TtsBaseGrid::AssignCellProps(const TtsBaseGrid& source)
{
  // The grid grows to hold the copied cells; a source without cell properties needs no room.
  const bool anyCells = source.model_.CellProps().ToList().Count() > 0;
  if (anyCells && Cols() < source.Cols())
    SetCols(source.Cols());
  if (anyCells && Rows() < source.Rows())
    SetRows(source.Rows());
  if (!Designing()) {
    model_.CellProps().Assign(source.model_.CellProps());
    return;
  }
  model_.CellProps().Clear();
  for (int c = 1; c <= source.Cols(); ++c) {
    for (int r = 1; r <= source.Rows(); ++r) {
      if (!source.model_.CellProps().Find(c, r))
        continue;
      const int displayCol = source.DisplayColOfData(c);
      const int displayRow = source.DisplayRowOfData(r);
      if (displayCol < 1 || displayRow < 1)
        continue;
      TtsCell to = CellAt(displayCol, displayRow);
      CopyPropertiesExcept(to, const_cast<TtsBaseGrid&>(source).CellAt(c, r), "");
    }
  }
}

void TtsBaseGrid::AssignData(const TtsBaseGrid& source)
{
  SetStoreData(source.StoreData());
  if (!store_)
    return;
  imageListIds_ = source.imageListIds_;
  if (!Designing()) {
    store_->Assign(*source.store_);
    return;
  }
  // Each value moves to the data cell of its display position in the source.
  const Tts2DStorage& from = *source.store_;
  store_->ClearAll();
  for (int r = 1; r <= from.LastRow(); ++r) {
    for (int c = 1; c <= from.ColCount(r); ++c) {
      const std::uint8_t kind = from.GetKind(c, r);
      const int displayCol = source.DisplayColOfData(c);
      const int displayRow = source.DisplayRowOfData(r);
      if (kind != 0 && displayCol >= 1 && displayRow >= 1)
        store_->SetValue(displayCol, displayRow, kind, from.GetValue(c, r));
    }
  }
}

}  // namespace grid
