// Painting a grid: the paint entry with the shared off-screen canvas, the grid lines drawn first
// as runs of one colour, the walk over the fixed and the visible rows and columns, and the grid
// colour beyond the last cell.

#include "grid/window/GridPainter.h"

#include "grid/window/GridAxis.h"
#include "grid/window/MemoryCanvas.h"

#include "platform/CanvasEdge.h"

#include <algorithm>
#include <array>

namespace grid {

using namespace platform;

namespace {

struct PaintingScope {
  explicit PaintingScope(bool& flag) : flag_(flag) { flag_ = true; }
  ~PaintingScope() { flag_ = false; }
  bool& flag_;
};

}  // namespace

const TBitmap& GlyphBitmap(TtsGlyph glyph)
{
  static const std::array<TBitmap, kGlyphCount> glyphs = [] {
    std::array<TBitmap, kGlyphCount> made;
    for (int i = 0; i < kGlyphCount; ++i)
      made[i] = MakeGlyph(TtsGlyph(i));
    return made;
  }();
  return glyphs[int(glyph)];
}

// Paint entry ------------------------------------------------------------------------------------------

void TtsBaseGrid::Paint(TCanvas& canvas)
{
  ForgetLoadedRow();
  {
    PaintingScope painting(isPainting_);
    if (!firstPaintDone_) {
      canvas.SaveState();
      canvas.IntersectClipRect(PaintArea());
      TtsGridPainter(*this, canvas).PaintGridArea();
      canvas.RestoreState();
      Fire(OnPaint);
      firstPaintDone_ = true;
    } else {
      PaintBuffered(canvas);
    }
  }
  PaintMouseFeedback(canvas);
  if (scrollBarsPending_)
    UpdateScrollBars();
  if (scrollPosPending_)
    UpdateScrollPos();
}

// The part of the client area the paint event asked for; all of it outside a paint event.
TRect TtsBaseGrid::PaintArea() const
{
  const TRect client{0, 0, ClientWidth(), ClientHeight()};
  if (paintRect_.isEmpty())
    return client;
  return {std::max(client.Left, paintRect_.left()), std::max(client.Top, paintRect_.top()),
          std::min(client.Right, paintRect_.right() + 1), std::min(client.Bottom, paintRect_.bottom() + 1)};
}

void TtsBaseGrid::PaintBuffered(TCanvas& canvas)
{
  TtsMemoryCanvas& memory = GridPaintCanvas();
  const TtsCanvasLock lock(memory, this);
  const int width = ClientWidth();
  const int height = ClientHeight();
  if (canvasAttached_) {
    memory.Grow(width, height);
  } else {
    memory.Attach(width, height);
    canvasAttached_ = true;
  }
  const TRect area = PaintArea();
  memory.SetClipRect(area);
  TCanvas& buffer = *memory.Canvas();
  TtsGridPainter(*this, buffer).PaintGridArea();
  Fire(OnPaint);
  canvas.CopyRect(area, buffer, area);
}

// Grid area ------------------------------------------------------------------------------------------

TtsGridPainter::TtsGridPainter(TtsBaseGrid& grid, TCanvas& canvas)
    : grid_(grid), model_(grid.model_), canvas_(canvas), clientWidth_(grid.ClientWidth()),
      clientHeight_(grid.ClientHeight())
{
}

void TtsGridPainter::SetBrush(TColor color)
{
  if (canvas_.Brush().Color() != color || canvas_.Brush().Style() != TBrushStyle::bsSolid) {
    canvas_.Brush().SetStyle(TBrushStyle::bsSolid);
    canvas_.Brush().SetColor(color);
  }
}

void TtsGridPainter::PaintGridArea()
{
  clip_ = canvas_.ClipBox();
  clip_.Left = std::max(clip_.Left, 0);
  clip_.Top = std::max(clip_.Top, 0);
  clip_.Right = std::min(clip_.Right, clientWidth_);
  clip_.Bottom = std::min(clip_.Bottom, clientHeight_);
  canvas_.Pen().SetStyle(TPenStyle::psSolid);
  canvas_.Pen().SetWidth(1);
  canvas_.Pen().SetMode(TPenMode::pmCopy);
  PaintGridLines(clip_, false);
  PaintGridLines(clip_, true);
  int rightEnd = clientWidth_ + 1;
  int bottomEnd = clientHeight_ + 1;
  PaintRows(rightEnd, bottomEnd);
  FillOutsideCells(rightEnd, bottomEnd);
}

namespace {

// The fixed indexes 1..Fixed-1 with an extent, then the visible list from the first scrolled one,
// while visit answers true.
template <class Visit>
void WalkLineAxis(const TtsGridAxis& axis, Visit visit)
{
  for (int i = 1; i < axis.Fixed(); ++i) {
    if (axis.Extent(i) > 0 && !visit(i))
      return;
  }
  for (int p = axis.PositionOf(axis.First()); p <= axis.ListCount(); ++p) {
    if (!visit(axis.ItemAt(p)))
      return;
  }
}

}  // namespace

// Lines between rows (vertical false) or between columns (vertical true).
void TtsGridPainter::PaintGridLines(TRect clip, bool vertical)
{
  const TtsGridAxis lines{grid_, !vertical};  // the axis whose cells end at each line
  const int startOffset = vertical ? grid_.ColWidth(0) : grid_.RowHeight(0);
  const int segmentStart = vertical ? grid_.RowHeight(0) : grid_.ColWidth(0);
  if (vertical) {
    clip.Left = std::max(clip.Left, startOffset);
    clip.Top = std::max(clip.Top, segmentStart);
  } else {
    clip.Top = std::max(clip.Top, startOffset);
    clip.Left = std::max(clip.Left, segmentStart);
  }
  const int clipStart = vertical ? clip.Left : clip.Top;
  const int clipEnd = vertical ? clip.Right : clip.Bottom;
  const bool wanted = vertical ? grid_.VertLineWidth() > 0 : grid_.HorzLineWidth() > 0;
  // The line under the last frozen row (right of the last frozen column).
  int fixedLineIndex = -1;
  if (lines.Fixed() >= 2 && grid_.FixedLineColor != clNone && wanted) {
    for (int i = lines.Fixed() - 1; i >= 1; --i) {
      if (lines.Extent(i) > 0) {
        fixedLineIndex = i;
        break;
      }
    }
  }
  int at = startOffset;
  WalkLineAxis(lines, [&](int index) {
    if (index >= lines.Fixed() && at >= clipEnd)
      return false;
    at += lines.Extent(index);
    if (at >= clipStart && lines.Extent(index) > 0)
      PaintLineSegments(vertical, index, at - 1, index == fixedLineIndex, clip);
    return true;
  });
}

void TtsGridPainter::PaintLineSegments(bool vertical, int lineIndex, int at, bool fixedLine, const TRect& clip)
{
  const TtsGridAxis along{grid_, vertical};
  const bool wanted = vertical ? grid_.VertLineWidth() > 0 : grid_.HorzLineWidth() > 0;
  const int end = vertical ? clip.Bottom : clip.Right;
  int pos = vertical ? grid_.RowHeight(0) : grid_.ColWidth(0);
  int runStart = pos;
  TColor runColor = clNone;
  bool run3D = false;
  auto flush = [&](int runEnd) {
    if (runEnd <= runStart || runColor == clNone || !(run3D || wanted))
      return;
    canvas_.Pen().SetColor(runColor);
    if (vertical) {
      canvas_.MoveTo(at, runStart);
      canvas_.LineTo(at, std::min(runEnd, end));
    } else {
      canvas_.MoveTo(runStart, at);
      canvas_.LineTo(std::min(runEnd, end), at);
    }
  };
  WalkLineAxis(along, [&](int index) {
    if (pos >= end)
      return false;
    const int extent = along.Extent(index);
    if (extent <= 0)
      return true;
    const int dataCol = model_.DataColOf(vertical ? lineIndex : index);
    const int dataRow = model_.DataRowOf(vertical ? index : lineIndex);
    const bool is3D = model_.ResolveIs3D(dataCol, dataRow);
    const TColor color = fixedLine ? grid_.FixedLineColor : is3D ? clGray : grid_.LineColor;
    if (color != runColor || is3D != run3D) {
      flush(pos);
      runStart = pos;
      runColor = color;
      run3D = is3D;
    }
    pos += extent;
    return true;
  });
  flush(pos);
}

void TtsGridPainter::PaintRows(int& rightEnd, int& bottomEnd)
{
  const TtsGridAxis rows{grid_, true};
  int y = 0;
  for (int r = 0; r < rows.Fixed() && y < clip_.Bottom; ++r) {
    const int h = rows.Extent(r);
    if (h > 0 && y + h > clip_.Top)
      PaintRow(r, y, rightEnd);
    y += h;
  }
  int p = rows.PositionOf(rows.First());
  for (; p <= rows.ListCount() && y < clip_.Bottom; ++p) {
    const int r = rows.ItemAt(p);
    const int h = rows.Extent(r);
    if (y + h > clip_.Top)
      PaintRow(r, y, rightEnd);
    y += h;
  }
  if (p > rows.ListCount() && y < bottomEnd)
    bottomEnd = y;
}

void TtsGridPainter::PaintRow(int displayRow, int top, int& rightEnd)
{
  const TtsGridAxis cols{grid_, false};
  const int height = grid_.RowHeight(displayRow);
  int x = 0;
  for (int c = 0; c < cols.Fixed() && x < clip_.Right; ++c) {
    const int w = cols.Extent(c);
    if (w > 0 && x + w > clip_.Left)
      PaintCell(c, displayRow, {x, top, x + w, top + height});
    x += w;
  }
  int p = cols.PositionOf(cols.First());
  for (; p <= cols.ListCount() && x < clip_.Right; ++p) {
    const int c = cols.ItemAt(p);
    const int w = cols.Extent(c);
    if (x + w > clip_.Left)
      PaintCell(c, displayRow, {x, top, x + w, top + height});
    x += w;
  }
  if (p > cols.ListCount())
    rightEnd = std::min(rightEnd, x);
}

void TtsGridPainter::FillOutsideCells(int rightEnd, int bottomEnd)
{
  SetBrush(grid_.GridColor());
  if (rightEnd < clientWidth_ && bottomEnd > 0)
    canvas_.FillRect({rightEnd, 0, clientWidth_, std::min(bottomEnd, clientHeight_)});
  if (bottomEnd < clientHeight_)
    canvas_.FillRect({0, bottomEnd, clientWidth_, clientHeight_});
}

void TtsGridPainter::PaintCell(int displayCol, int displayRow, const TRect& rect)
{
  PaintCellSelected(displayCol, displayRow, rect, grid_.PaintsSelected(displayCol, displayRow));
}

void TtsGridPainter::PaintCellSelected(int displayCol, int displayRow, const TRect& rect, bool selected)
{
  if (grid_.ColWidth(displayCol) <= 0 || grid_.RowHeight(displayRow) <= 0)
    return;
  const int currentCol = model_.CurrentDisplayCol();
  const int currentRow = model_.CurrentDisplayRow();
  const int fixedHeight = grid_.FixedHeight();
  const int fixedWidth = grid_.FixedWidth();
  if (displayCol == currentCol && rect.Top <= fixedHeight && fixedHeight < rect.Bottom)
    grid_.focusFrameOnFixedRow_ = false;
  if (displayRow == currentRow && rect.Left <= fixedWidth && fixedWidth < rect.Right)
    grid_.focusFrameOnFixedCol_ = false;
  const bool fixedCell = displayCol == 0 || displayRow == 0;
  if (fixedCell) {
    const bool pressed = displayRow == 0 && displayCol > 0 && grid_.HeadingShownDown && !grid_.PressedHeadingIsButton &&
                         model_.DataColOf(displayCol) == grid_.PressedHeadingCol;
    const TColor color = model_.ResolveColor(model_.DataColOf(displayCol), displayRow == 0 ? 0 : model_.DataRowOf(displayRow), false);
    PaintFixedBackground(rect, displayRow == 0 && displayCol > 0 ? color : grid_.HeadingColor(), pressed,
                         grid_.Heading3D());
    PaintFixedFrameLine(rect, grid_.Heading3D() ? clGray : clBlack);
  }
  TtsCellPaintInfo info = grid_.FillCellPaintInfo(displayCol, displayRow, rect, false);
  if (!grid_.PaintCellHook(info, selected)) {
    if (displayCol == 0) {
      const bool insertMode = grid_.GridMode() == gmEditInsert;
      const bool lastRow = displayRow == grid_.GridRows() - 1;
      if (displayRow == currentRow && displayRow > 0 && !(insertMode && grid_.GridRows() <= 2))
        PaintRowIndicator(displayRow);
      else if (insertMode && lastRow && displayRow > 0)
        PaintRowBarGlyph(displayRow, TtsGlyph::InsertRow, false, cmMergeCopy);
    } else if (displayRow == 0) {
      PaintHeading(displayCol, rect);
    } else {
      TtsCellPaintInfo full = grid_.FillCellPaintInfo(displayCol, displayRow, rect, true);
      const bool emptyInsertRow = grid_.InsertRowPresent() == 1 && displayRow == grid_.GridRows() - 1;
      if (full.ControlType == ctNone || emptyInsertRow)
        PaintEmptyCell(full, selected);
      else
        PaintDataCell(full, selected);
    }
  }
  if (selected && (fixedCell || !grid_.IsSelectionColored())) {
    TRect inverted = rect;
    inverted.Right -= fixedCell ? 1 : grid_.VertLineWidth();
    inverted.Bottom -= fixedCell ? 1 : grid_.HorzLineWidth();
    if (!inverted.IsEmpty())
      canvas_.PatBlt(inverted, cmDstInvert);
  }
}

}  // namespace grid
