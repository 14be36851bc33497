// Painting of the string grid: fixed cells in the fixed colour with a raised edge, the selection in
// the highlight colours, the focused current cell with a focus rectangle, then the grid lines.

#include "platform/CanvasEdge.h"
#include "platform/StringGrid.h"
#include "platform/StringGridEditor.h"

namespace platform {

namespace {

constexpr TColor kFixedLineColor = clBlack;
constexpr TColor kLineColor = clSilver;
constexpr int kTextIndent = 2;

}  // namespace

void TStringGrid::Paint(TCanvas& canvas)
{
  const TGridAxis columns = Columns();
  const TGridAxis rows = Rows();
  const std::vector<int> colsInView = columns.InView();
  for (int row : rows.InView())
    for (int col : colsInView) {
      const int x = columns.Start(col);
      const int y = rows.Start(row);
      PaintCell(canvas, col, row, {x, y, x + columns.Extent(col), y + rows.Extent(row)});
    }
  PaintLines(canvas);
}

void TStringGrid::PaintCell(TCanvas& canvas, int col, int row, const TRect& rect)
{
  const bool fixed = col < fixedCols_ || row < fixedRows_;
  const bool current = TGridCoord{col, row} == current_;
  TGridDrawState state = 0;
  if (fixed)
    state |= gdFixed;
  else if (Selection().Contains(col, row))
    state |= gdSelected;
  if (current && focusWithin_)
    state |= gdFocused;
  if (DefaultDrawing) {
    canvas.Font().Assign(font_);
    canvas.Brush().SetStyle(TBrushStyle::bsSolid);
    const bool highlighted = (state & gdSelected) != 0 &&
                             (!current || HasOption(goDrawFocusSelected) || HasOption(goRowSelect));
    if (fixed) {
      canvas.Brush().SetColor(fixedColor_);
    } else if (highlighted) {
      canvas.Brush().SetColor(clHighlight);
      canvas.Font().SetColor(clHighlightText);
    } else {
      canvas.Brush().SetColor(clWindow);
    }
    canvas.TextRect(rect, rect.Left + kTextIndent, rect.Top + kTextIndent, Cells(col, row));
    if (fixed) {
      TRect edge = rect;
      DrawEdge(canvas, edge, BDR_RAISEDINNER, BF_RECT);
    } else if ((state & gdFocused) != 0 && !HasOption(goRowSelect) && !(editor_ && !editor_->isHidden())) {
      canvas.DrawFocusRect(rect);
    }
  }
  if (OnDrawCell)
    OnDrawCell(canvas, col, row, rect, state);
}

// Each cell's line lies right of it and below it, across the line width.
void TStringGrid::PaintLines(TCanvas& canvas)
{
  if (lineWidth_ <= 0)
    return;
  const TGridAxis columns = Columns();
  const TGridAxis rows = Rows();
  const std::vector<int> colsInView = columns.InView();
  const std::vector<int> rowsInView = rows.InView();
  if (colsInView.empty() || rowsInView.empty())
    return;
  canvas.Brush().SetStyle(TBrushStyle::bsSolid);
  for (int row : rowsInView)
    for (int col : colsInView) {
      const bool fixed = col < fixedCols_ || row < fixedRows_;
      const int x = columns.Start(col) + columns.Extent(col);
      const int y = rows.Start(row) + rows.Extent(row);
      canvas.Brush().SetColor(fixed ? kFixedLineColor : kLineColor);
      if (HasOption(fixed ? goFixedVertLine : goVertLine))
        canvas.FillRect({x, rows.Start(row), x + columns.Line, y + rows.Line});
      if (HasOption(fixed ? goFixedHorzLine : goHorzLine))
        canvas.FillRect({columns.Start(col), y, x + columns.Line, y + rows.Line});
    }
}

}  // namespace platform
