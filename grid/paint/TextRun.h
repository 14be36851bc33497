#pragma once
// The drawing steps that cell text and edit text share: a run of text with its underlined
// accelerator and its selection, one aligned line, and wrapped lines.

#include "grid/paint/CellText.h"
#include "platform/Color.h"

#include <QString>
#include <string>
#include <string_view>

namespace grid {

// What a run marks: 0-based byte indexes within the run (outside it: nothing).
struct TtsRunMarks {
  int Accelerator = -1;
  int SelStart = 0;
  int SelLength = 0;
  platform::TColor SelTextColor = platform::clHighlightText;
  platform::TColor SelBackColor = platform::clHighlight;

  // The marks of the part of the run that starts `by` bytes later.
  TtsRunMarks Shifted(int by) const
  {
    TtsRunMarks shifted = *this;
    shifted.Accelerator -= by;
    shifted.SelStart -= by;
    return shifted;
  }
};

QString Latin1(std::string_view text);

// Text drawn transparently for a scope, with the canvas state restored at its end.
class TtsTextDrawing {
 public:
  explicit TtsTextDrawing(platform::TCanvas& canvas);
  TtsTextDrawing(const TtsTextDrawing&) = delete;
  TtsTextDrawing& operator=(const TtsTextDrawing&) = delete;
  ~TtsTextDrawing();
  const TtsTextMetrics Metrics;

 private:
  platform::TCanvas& canvas_;
};

// Draws text at (x, y) clipped to clip: before the selection, the selection in its colours over
// its background (line top to top + height + extra spacing), after it.
void DrawRun(platform::TCanvas& canvas, const TtsTextMetrics& metrics, int x, int y, const platform::TRect& clip,
             std::string_view text, const TtsRunMarks& marks);

// One display line over rect filled with the brush: bottom, centre or top; right alignment shows
// the characters from the end that fill the space.
void DrawSingleLine(platform::TCanvas& canvas, const TtsTextMetrics& metrics, std::string_view text,
                    TtsRunMarks marks, TtsVertAlignment vertAlignment, TtsHorzAlignment horzAlignment, int y, int x,
                    const platform::TRect& rect);

// Wrapped lines over rect filled with the brush; with `given` the display lines are those, drawn
// from `firstLine` on.
void DrawLines(platform::TCanvas& canvas, const TtsTextMetrics& metrics, std::string_view text, int rowHeight,
               TtsRunMarks marks, TtsVertAlignment vertAlignment, TtsHorzAlignment horzAlignment, int y, int x,
               platform::TRect rect, const TtsLineStarts* given = nullptr, int firstLine = 0);

}  // namespace grid
