// Copying a grid from another: settings, counts, columns, rows, cell attributes, selections and data.

#include "grid/window/Grid.h"

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

}  // namespace

void TtsBaseGrid::Assign(const TtsBaseGrid& source)
{
  if (&source == this)
    return;
  BeginUpdate();
  try {
    AssignSettings(source);
    AssignCols(source);
    AssignRows(source);
    model_.CellProps().Assign(source.model_.CellProps());
    model_.ColSelection() = source.model_.ColSelection();
    model_.RowSelection() = source.model_.RowSelection();
    model_.SelectedRange = source.model_.SelectedRange;
    AssignData(source);
  } catch (...) {
    EndUpdate();
    throw;
  }
  EndUpdate();
  UpdateScrollBars();
  Invalidate();
  ReportGridStatus();
}

void TtsBaseGrid::Assign(const QObject& source)
{
  if (const auto* grid = dynamic_cast<const TtsBaseGrid*>(&source)) {
    Assign(*grid);
    return;
  }
  throw std::invalid_argument(std::string("Cannot assign ") + source.metaObject()->className() + " to TtsGrid");
}

void TtsBaseGrid::AssignSettings(const TtsBaseGrid& source)
{
  model_.Font.Assign(source.model_.Font);
  SetDefaultColWidth(source.DefaultColWidth());
  SetDefaultRowHeight(source.DefaultRowHeight());
  SetHeadingOn(source.HeadingOn());
  SetHeadingHeight(source.HeadingHeight());
  SetRowBarOn(source.RowBarOn());
  SetRowBarWidth(source.RowBarWidth());
  SetGridLines(source.GridLines());
  SetGridMode(source.GridMode());
  SetDrawOverlap(source.DrawOverlap());
  SetRowChangedIndicator(source.RowChangedIndicator());
  SetRowSelectMode(source.RowSelectMode());
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
  model_.SetDateTimeDef(source.model_.DateTimeDef());

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
  RowBarAlignment = source.RowBarAlignment;
  ComboRowHeight = source.ComboRowHeight;
  FastScrollDelay = source.FastScrollDelay;
  SlowScrollDelay = source.SlowScrollDelay;
}

void TtsBaseGrid::AssignCols(const TtsBaseGrid& source)
{
  SetCols(source.Cols());
  for (int c = 0; c <= Cols(); ++c)
    model_.Col(c).Assign(source.model_.Col(c));
  FollowDisplayOrder(
      Cols(), [&](int c) { return source.DisplayColOfData(c); }, [this](int c) { return DisplayColOfData(c); },
      [this](int c, int position) { SetDisplayColOfData(c, position); });
  SetFixedColCount(source.FixedColCount());
}

void TtsBaseGrid::AssignRows(const TtsBaseGrid& source)
{
  SetRows(source.Rows());
  for (int r = 1; r <= Rows(); ++r) {
    const TtsRow* from = source.model_.GridRows().At(r);
    model_.ChangeRow(r, [from](TtsRow& row) {
      if (from)
        row.Assign(*from);
      else
        row.Reset(kAllProperties);
    });
  }
  FollowDisplayOrder(
      Rows(), [&](int r) { return source.DisplayRowOfData(r); }, [this](int r) { return DisplayRowOfData(r); },
      [this](int r, int position) { MoveRowTo(r, position); });
  SetFixedRowCount(source.FixedRowCount());
}

void TtsBaseGrid::AssignData(const TtsBaseGrid& source)
{
  SetStoreData(source.StoreData());
  if (!store_)
    return;
  imageListIds_ = source.imageListIds_;
  store_->Assign(*source.store_);
}

}  // namespace grid
