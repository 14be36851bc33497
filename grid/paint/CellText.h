#pragma once
// Measuring, breaking and drawing of cell text. The cell painter, the automatic row height and the
// in-cell editor all break lines through these routines, so text never shifts when an edit starts
// or ends. Texts are 8-bit (Latin-1); CR, LF, CR LF and LF CR are line breaks.

#include "grid/model/Alignments.h"
#include "platform/CanvasTypes.h"
#include "platform/Color.h"

#include <string_view>
#include <vector>

namespace platform {
class TCanvas;
}

namespace grid {

// The font metrics the text routines work with. Overhang stays 0 here: our fonts report the true
// extent of italic text.
struct TtsTextMetrics {
  int Height = 0;
  int AveCharWidth = 0;
  int Overhang = 0;
  int ExternalLeading = 0;
  int ExtraLineSpacing = 0;  // 1 on double-byte systems when the font has external leading

  int LineHeight() const { return Height + ExtraLineSpacing; }
};

TtsTextMetrics ReadTextMetrics(const platform::TCanvas& canvas);

// Byte offsets where display lines start; the first entry is 0.
using TtsLineStarts = std::vector<int>;

int TextWidth(const platform::TCanvas& canvas, const TtsTextMetrics& metrics, std::string_view text);
// Each line break counts as a space, or as nothing when multiLine is set.
int MeasureText(const platform::TCanvas& canvas, const TtsTextMetrics& metrics, std::string_view text,
                bool addOverhang, bool multiLine);

// The next display line of text within maxWidth: false at the end of the text, else its byte
// length with its line break, its trailing blanks (left and centred text) or the leading blanks it
// skipped (right alignment). A line always takes at least one character.
bool FitLine(const platform::TCanvas& canvas, const TtsTextMetrics& metrics, std::string_view text,
             TtsHorzAlignment alignment, int maxWidth, int& length);

// At least a line and a third: only then does text wrap.
bool IsMultiLineHeight(int height, int lineHeight);

// maxLines 0: no limit.
void LayoutLines(const platform::TCanvas& canvas, const TtsTextMetrics& metrics, std::string_view text, int height,
                 int maxLines, TtsLineStarts& lines, bool wrap, TtsHorzAlignment alignment, int width);

struct TtsTextHeight {
  int Lines = 0;
  int Height = 0;
};
TtsTextHeight MeasureTextHeight(const platform::TCanvas& canvas, const TtsTextMetrics& metrics, std::string_view text,
                                int width, bool wrap, TtsHorzAlignment alignment);

// y of the first display line; lines may be null (one line at top).
int FirstLineTop(int top, const platform::TRect& rect, const TtsLineStarts* lines, const TtsTextMetrics& metrics,
                 TtsVertAlignment alignment);

// Draws a cell's text transparently, clipped to rect, over rect filled with the canvas brush.
// accelerator: 1-based position of the underlined character, 0 for none.
void DrawCellText(platform::TCanvas& canvas, std::string_view text, int rowHeight, int accelerator, bool wrap,
                  TtsVertAlignment vertAlignment, TtsHorzAlignment horzAlignment, int y, int x,
                  const platform::TRect& rect);

// Draws the in-cell editor's text: the display lines of `lines` from topLine on when wrapped over a
// multi-line height, else one line from the scroll offset (right alignment: the bytes before it);
// selStart and selLength (0-based bytes) are drawn in the selection colours. Without a line list
// the rectangle is only filled.
void DrawEditText(platform::TCanvas& canvas, std::string_view text, int height, bool wrap,
                  TtsVertAlignment vertAlignment, TtsHorzAlignment horzAlignment, platform::TColor selTextColor,
                  platform::TColor selBackColor, int selLength, int selStart, const TtsLineStarts* lines, int topLine,
                  int scrollOffset, int y, int x, const platform::TRect& rect);

}  // namespace grid
