// Drawing of cell text: wrapped lines or one line, aligned, clipped, with an underlined accelerator.
#include "grid/paint/CellText.h"
#include "grid/paint/TextRun.h"
#include "platform/Canvas.h"

namespace grid {

using platform::TCanvas;
using platform::TRect;

void DrawCellText(TCanvas& canvas, std::string_view text, int rowHeight, int accelerator, bool wrap,
                  TtsVertAlignment vertAlignment, TtsHorzAlignment horzAlignment, int y, int x, const TRect& rect)
{
  if (rect.IsEmpty())
    return;
  const TtsTextDrawing drawing(canvas);
  const TtsTextMetrics& metrics = drawing.Metrics;
  y += metrics.ExtraLineSpacing;
  TtsRunMarks marks;
  marks.Accelerator = accelerator - 1;
  if (wrap && IsMultiLineHeight(rowHeight - metrics.ExtraLineSpacing, metrics.LineHeight())) {
    DrawLines(canvas, metrics, text, rowHeight, marks, vertAlignment, horzAlignment, y, x, rect);
  } else if ((horzAlignment == htaLeft || horzAlignment == htaDefault) &&
             (vertAlignment == vtaTop || vertAlignment == vtaDefault) &&
             text.find_first_of("\r\n") == std::string_view::npos) {
    canvas.FillRect(rect);
    DrawRun(canvas, metrics, x, y, rect, text, marks);
  } else {
    DrawSingleLine(canvas, metrics, text, marks, vertAlignment, horzAlignment, y, x, rect);
  }
}

}  // namespace grid
