#pragma once
// One paint of a grid onto a canvas: the walk over the visible rows and columns, the grid lines,
// the fixed cells, headings and row bar, the data cells (text, check box, picture), their buttons,
// the selection and the focus border. A painter lives for one paint and keeps the canvas state it
// set, so colours are set only when they change.

#include "grid/paint/Glyphs.h"
#include "grid/window/Grid.h"

#include "platform/Canvas.h"
#include "platform/CanvasEdge.h"

namespace grid {

class TtsGridPainter {
 public:
  TtsGridPainter(TtsBaseGrid& grid, platform::TCanvas& canvas);

  void PaintGridArea();
  void PaintCellSelected(int displayCol, int displayRow, const platform::TRect& rect, bool selected);

 private:
  using TRect = platform::TRect;
  using TColor = platform::TColor;

  // Grid area (GridPaint.cpp).
  void PaintGridLines(TRect clip, bool vertical);
  void PaintLineSegments(bool vertical, int lineIndex, int at, bool fixedLine, const TRect& clip);
  void PaintRows(int& rightEnd, int& bottomEnd);
  void PaintRow(int displayRow, int top, int& rightEnd);
  void FillOutsideCells(int rightEnd, int bottomEnd);
  void PaintCell(int displayCol, int displayRow, const TRect& rect);

  // Data cells (CellPaint.cpp).
  void PaintDataCell(TtsCellPaintInfo& info, bool selected);
  void PaintEmptyCell(TtsCellPaintInfo& info, bool selected);
  void PaintCellValue(TtsCellPaintInfo& info, const TtsCellValue& value, bool selected);
  void PaintBackground(TtsCellPaintInfo& info, bool selected);
  void PaintTextCell(TtsCellPaintInfo& info, const std::string& text, bool selected);
  void PaintCheckCell(TtsCellPaintInfo& info, const TtsCellValue& value, bool selected);
  void PaintPictureCell(TtsCellPaintInfo& info, const TtsCellValue& value, bool selected);
  void PaintNarrowStrip(const TtsCellPaintInfo& info, bool selected);
  void FinishCell(TtsCellPaintInfo& info, bool selected);
  TColor FillColor(const TtsCellPaintInfo& info, bool selected) const;
  void FillCell(const TRect& rect, const TtsCellPaintInfo& info, bool selected);
  TColor HighlightColor(const TtsCellPaintInfo& info, bool selected) const;
  void Dither(const TRect& rect, TColor color);
  void PaintFocusBorder(int displayCol, int displayRow);
  void RaisedEdge(TRect rect, unsigned sides = platform::BF_TOPLEFT);

  // Fixed cells, headings and the row bar (FixedPaint.cpp).
  void PaintFixedBackground(const TRect& rect, TColor color, bool sunken, bool raised);
  void PaintFixedFrameLine(const TRect& rect, TColor color);
  void PaintInvertedFixed(const TRect& rect);
  void PaintHeading(int displayCol, const TRect& rect);
  void PaintHeadingButton(TtsCellPaintInfo& info);
  void PaintRowBarCell(int displayRow);
  void PaintRowIndicator(int displayRow);
  bool RowShowsChanged(int dataRow) const;
  void PaintRowBarGlyph(int displayRow, TtsGlyph glyph, bool repaintInsertBar, platform::TCopyMode copyMode);

  // Cell buttons (ButtonPaint.cpp).
  void PaintButtonArea(const TtsCellPaintInfo& info, bool selected);
  void PaintCellButton(const TtsCellPaintInfo& info, bool selected);
  void PaintButtonFace(const TtsCellPaintInfo& info, int state, TColor color, bool idleRaised);
  void PaintFace(const TRect& face, TColor color, bool pressed, bool raised, int fitWidth, int fitHeight, bool upperLine,
                 bool leftLine, const TtsCellPaintInfo& info);
  void PaintSpinButton(const TtsCellPaintInfo& info, int parts, int heldPart, TColor color);
  void PaintButtonGlyph(const TtsCellPaintInfo& info, int state, TColor brush);
  bool IdleRaised(const TtsCellPaintInfo& info) const;
  bool IsCurrentEditableCell(const TtsCellPaintInfo& info) const;

  void SetBrush(TColor color);
  void DrawGlyph(TtsGlyph glyph, const TRect& dest, const TRect& source, platform::TCopyMode mode);

  TtsBaseGrid& grid_;
  TtsGridModel& model_;
  platform::TCanvas& canvas_;
  int clientWidth_;
  int clientHeight_;
  TRect clip_{};
};

// The two halves of a spin button: part 1 the upper (right) one, part 2 the lower (left) one; Size
// is the height (width) of a half.
struct TtsSpinHalves {
  platform::TRect Part1{};
  platform::TRect Part2{};
  int Size = 0;
};
TtsSpinHalves SpinHalves(const TtsBaseGrid& grid, const TtsCellPaintInfo& info);

// The glyph bitmaps, made once for the process.
const platform::TBitmap& GlyphBitmap(TtsGlyph glyph);

}  // namespace grid
