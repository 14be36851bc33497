// Drawing of the in-cell editor's text: the same lines and placement as the cell's text, scrolled
// to the editor's top line or scroll offset, with the selection highlighted.
#include "grid/paint/CellText.h"
#include "grid/paint/TextRun.h"
#include "platform/Canvas.h"

#include <algorithm>

namespace grid {

using platform::TCanvas;
using platform::TRect;

void DrawEditText(TCanvas& canvas, std::string_view text, int height, bool wrap, TtsVertAlignment vertAlignment,
                  TtsHorzAlignment horzAlignment, platform::TColor selTextColor, platform::TColor selBackColor,
                  int selLength, int selStart, const TtsLineStarts* lines, int topLine, int scrollOffset, int y, int x,
                  const TRect& rect)
{
  if (rect.IsEmpty())
    return;
  const TtsTextDrawing drawing(canvas);
  const TtsTextMetrics& metrics = drawing.Metrics;
  y += metrics.ExtraLineSpacing;
  TtsRunMarks marks;
  marks.SelStart = selStart;
  marks.SelLength = selLength;
  marks.SelTextColor = selTextColor;
  marks.SelBackColor = selBackColor;
  if (!lines) {
    canvas.FillRect(rect);
  } else if (wrap && IsMultiLineHeight(height - metrics.ExtraLineSpacing, metrics.LineHeight())) {
    TRect area = rect;
    if (horzAlignment == htaRight && x > area.Left) {
      canvas.FillRect({area.Left, area.Top, x, area.Bottom});
      area.Left = x;
    }
    DrawLines(canvas, metrics, text, height, marks, vertAlignment, horzAlignment, y, x, area, lines, topLine);
  } else {
    const int offset = std::clamp(scrollOffset, 0, int(text.size()));
    if (horzAlignment == htaRight) {
      DrawSingleLine(canvas, metrics, text.substr(0, std::size_t(offset == 0 ? text.size() : offset)), marks,
                     vertAlignment, horzAlignment, y, x, rect);
    } else {
      DrawSingleLine(canvas, metrics, text.substr(std::size_t(offset)), marks.Shifted(offset), vertAlignment,
                     horzAlignment, y, x, rect);
    }
  }
}

}  // namespace grid
