#include "grid/window/Grid.h"

#include "grid/window/GridCell.h"
#include "grid/window/GridEditorParts.h"
#include "grid/window/MemoryCanvas.h"

#include "platform/ExceptionBoundary.h"

#include <QApplication>
#include <algorithm>

namespace grid {

TtsBaseGrid::TtsBaseGrid(QWidget* parent) : TCustomGrid_ts(parent), model_(*this, 4, 4)
{
  CreateEditors();
  // The base draws nothing itself: no options, no lines, no scroll bars of its own.
  SetOptions(0);
  SetGridLineWidth(0);
  SetBaseScrollBars(gsbNone);
  model_.SetDefaultRowHeight(kPublishedRowHeight);
  TCustomGrid_ts::SetDefaultRowHeight(kPublishedRowHeight);
  model_.Level.ReadOnlyButton = true;
  model_.Col(0).SetWidth(14);
  model_.ChangeRow(0, [](TtsRow& heading) { heading.SetHeight(15); });
  model_.SetCurrentCell(1, 1);
  resize(GridCols() * model_.DefaultColWidth(), GridRows() * model_.DefaultRowHeight());
  // The heading font follows the grid's font until it is changed by itself.
  model_.HeadingFont.Assign(model_.Font);
  model_.Font.OnChange = [this] {
    if (HeadingParentFont)
      CopyHeadingFont();
    model_.RenewFontCopies();
    DropDownFontChanged();
    Invalidate();
  };
  model_.HeadingFont.OnChange = [this] {
    if (!copyingHeadingFont_)
      HeadingParentFont = false;
    if (HeadingOn())
      InvalidateRow(0);
  };
  constructed_ = true;
}

TtsBaseGrid::~TtsBaseGrid()
{
  // The grid's use of the shared paint canvas goes with it.
  if (!canvasAttached_)
    return;
  TtsMemoryCanvas& canvas = GridPaintCanvas();
  const TtsCanvasLock lock(canvas, this);
  canvas.Detach();
  canvasAttached_ = false;
}

void TtsBaseGrid::CopyHeadingFont()
{
  copyingHeadingFont_ = true;
  model_.HeadingFont.Assign(model_.Font);
  copyingHeadingFont_ = false;
}

void TtsBaseGrid::SetHeadingParentFont(bool on)
{
  HeadingParentFont = on;
  if (on)
    CopyHeadingFont();
}

void TtsBaseGrid::SetName(const std::string& name)
{
  if (!model_.ReadingStream)
    model_.Name = name;
}

bool TtsBaseGrid::FireGuarded(const std::function<void()>& call) { return platform::Guard(call); }

void TtsBaseGrid::CheckCol(int dataCol) const
{
  if (dataCol < 1 || dataCol > Cols())
    GridError("Column index " + std::to_string(dataCol) + " out of range");
}

void TtsBaseGrid::CheckRow(int dataRow) const
{
  if (dataRow < 1 || dataRow > GridRows() - 1)
    GridError("Row index " + std::to_string(dataRow) + " out of range");
}

TtsCol* TtsBaseGrid::GetColumn(const TtsCellValue& key)
{
  if (key.IsOrdinal() && key.Type() != TVarType::varBoolean) {
    const std::int64_t index = key.AsInt64();
    if (index < 1 || index > Cols())
      GridError("Column index " + std::to_string(index) + " out of range");
    return model_.ColAt(int(index));
  }
  if (!key.IsString())
    return nullptr;
  TtsCol* col = model_.GridCols().FindByFieldName(key.Text());
  if (!col)
    GridError("Unknown field name '" + key.Text() + "'");
  return col;
}

TtsCell TtsBaseGrid::CellAt(int dataCol, int dataRow) { return TtsCell(*this, dataCol, dataRow); }

namespace {

// The nearest position in 1..last at or around `position` that `usable` accepts, the right (lower)
// one first; `position` clamped when none is.
template <class Usable>
int NearestUsable(int position, int last, Usable usable)
{
  if (last < 1)
    return 0;
  const int start = std::clamp(position, 1, last);
  for (int distance = 0; distance < last; ++distance) {
    for (int p : {start + distance, start - distance}) {
      if (p >= 1 && p <= last && usable(p))
        return p;
    }
  }
  return start;
}

}  // namespace

// The nearest shown data column (row) at or around a display position; 0 when there is none. With
// skipReadOnly a writable one is preferred.
int TtsBaseGrid::NearestCol(int displayCol, bool skipReadOnly) const
{
  const auto shown = [this](int c) { return model_.ColWidth(c) > 0; };
  if (skipReadOnly) {
    const auto writable = [&](int c) { return shown(c) && !model_.Col(model_.DataColOf(c)).ReadOnly(); };
    const int col = NearestUsable(displayCol, Cols(), writable);
    if (col >= 1 && writable(col))
      return col;
  }
  return NearestUsable(displayCol, Cols(), shown);
}

int TtsBaseGrid::NearestRow(int displayRow, bool skipReadOnly) const
{
  const int last = Rows() + InsertRowPresent();
  const auto shown = [this](int r) { return model_.RowHeight(r) > 0; };
  const auto writable = [&](int r) { return shown(r) && !model_.RowLevel(model_.DataRowOf(r)).ReadOnly; };
  if (skipReadOnly) {
    const int row = NearestUsable(displayRow, last, writable);
    if (row >= 1 && writable(row))
      return row;
  }
  return NearestUsable(displayRow, last, shown);
}

bool TtsBaseGrid::SkipsReadOnly() const { return !Designing() && SkipReadOnly && GridMode() != gmListBox; }

// Services for the model ----------------------------------------------------------------------------

void TtsBaseGrid::InvalidateGrid() { Invalidate(); }

void TtsBaseGrid::ColMoved(int toDisplayCol, int count, bool byUser) { FireChange(OnColMoved, toDisplayCol, count, byUser); }

void TtsBaseGrid::RowMoved(int toDisplayRow, int count, bool byUser) { FireChange(OnRowMoved, toDisplayRow, count, byUser); }

// After every top-left move: back within the limits, the editor placed again, and reported once by
// the outermost handling.
void TtsBaseGrid::NotifyTopLeft()
{
  ++topLeftDepth_;
  struct Depth {
    int& depth;
    ~Depth() { --depth; }
  } depth{topLeftDepth_};
  const TGridCoord limits = GetTopLeftLimits();
  const int col = std::min(LeftCol(), limits.X);
  const int row = std::min(TopRow(), limits.Y);
  if (col != LeftCol() || row != TopRow()) {
    LockLayout(false);
    struct Unlock {
      TtsBaseGrid& grid;
      ~Unlock() { grid.LockLayout(true); }
    } unlock{*this};
    SetTopLeftLimited(col, row);
  }
  scrolledSinceEditorPlaced_ = true;
  if (editorPlaced_)
    ShowEditor();
  if (topLeftDepth_ == 1)
    ReportTopLeft(true);
}

void TtsBaseGrid::ReportTopLeft(bool byUser)
{
  UpdateScrollPos();
  const TGridCoord now = TopLeftCell();
  if (now == reportedTopLeft_)
    return;
  const TGridCoord old = reportedTopLeft_;
  reportedTopLeft_ = now;
  FireChange(OnTopLeftChanged, old.X, old.Y, now.X, now.Y, byUser);
}

void TtsBaseGrid::Resized()
{
  UpdateScrollBars();
  FireChange(OnResize);
}

bool TtsBaseGrid::DoMouseWheel(platform::TShiftState shift, int delta, int x, int y)
{
  bool handled = false;
  Fire(delta < 0 ? OnMouseWheelDown : OnMouseWheelUp, shift, x, y, handled);
  if (handled)
    return true;
  if (shift != 0)
    return false;
  // Whole rows shown in the scrollable part from the top row on.
  const TGridLayout layout = ComputeLayout();
  const bool anyShown = layout.Vert.FullVisBoundary > layout.Vert.FixedBoundary;
  const int shown = anyShown ? std::max(0, layout.Vert.LastFullVisibleCell - TopRow() + 1) : 0;
  const int lines = std::min(std::max(QApplication::wheelScrollLines(), 1), shown);
  const int last = LastTopLeft({0, GridRows() - 1}).Y;
  const int row = std::clamp(TopRow() + (delta < 0 ? lines : -lines), FixedRows(), std::max(FixedRows(), last));
  SetTopRow(row);
  return true;
}

void TtsBaseGrid::ReportGridStatus()
{
  KeepSelectionKind();
  const auto status = TtsGridStatus(selectionKind_);
  if (status == reportedStatus_)
    return;
  if (status != gsNoSelection) {
    // A selection begins: the value held for the editor goes, and the editor comes back as set.
    if (currentCell_)
      currentCell_->ClearValue();
    editMode_ = AlwaysShowEditor;
    editorCaretMode_ = 0;
  }
  const TtsGridStatus old = reportedStatus_;
  reportedStatus_ = status;
  Fire(OnGridStatusChanged, old, status);
}

}  // namespace grid
