// Runs of text with an accelerator and a selection, one aligned line, and wrapped lines: the
// drawing that cell text and edit text share.
#include "grid/paint/TextRun.h"

#include "grid/model/TextRoutines.h"
#include "grid/paint/TextWords.h"
#include "platform/Canvas.h"

#include <algorithm>

namespace grid {

using platform::TCanvas;
using platform::TRect;

TtsTextDrawing::TtsTextDrawing(TCanvas& canvas) : Metrics(ReadTextMetrics(canvas)), canvas_(canvas)
{
  canvas_.SaveState();
  canvas_.SetBkMode(platform::TBkMode::bmTransparent);
}

TtsTextDrawing::~TtsTextDrawing() { canvas_.RestoreState(); }

QString Latin1(std::string_view text) { return QString::fromLatin1(text.data(), qsizetype(text.size())); }

namespace {

// Draws text at (x, y) clipped to clip; the character at the 0-based accelerator index (when inside
// the text) is underlined.
void DrawPlain(TCanvas& canvas, const TtsTextMetrics& metrics, int x, int y, const TRect& clip, std::string_view text,
               int accelerator)
{
  if (accelerator < 0 || accelerator >= int(text.size())) {
    canvas.ExtTextOut(x, y, platform::ETO_CLIPPED, clip, Latin1(text));
    return;
  }
  const std::string_view before = text.substr(0, std::size_t(accelerator));
  const std::string_view marked = text.substr(std::size_t(accelerator), 1);
  const std::string_view after = text.substr(std::size_t(accelerator) + 1);
  canvas.ExtTextOut(x, y, platform::ETO_CLIPPED, clip, Latin1(before));
  const int markedX = x + TextWidth(canvas, metrics, before);
  const platform::TFontStyles style = canvas.Font().Style();
  canvas.Font().SetStyle(style | platform::fsUnderline);
  canvas.ExtTextOut(markedX, y, platform::ETO_CLIPPED, clip, Latin1(marked));
  canvas.Font().SetStyle(style);
  canvas.ExtTextOut(markedX + TextWidth(canvas, metrics, marked), y, platform::ETO_CLIPPED, clip, Latin1(after));
}

}  // namespace

void DrawRun(TCanvas& canvas, const TtsTextMetrics& metrics, int x, int y, const TRect& clip, std::string_view text,
             const TtsRunMarks& marks)
{
  const int size = int(text.size());
  const int from = std::clamp(marks.SelStart, 0, size);
  const int to = std::clamp(marks.SelStart + std::max(marks.SelLength, 0), 0, size);
  if (from >= to) {
    DrawPlain(canvas, metrics, x, y, clip, text, marks.Accelerator);
    return;
  }
  const std::string_view before = text.substr(0, std::size_t(from));
  const std::string_view selected = text.substr(std::size_t(from), std::size_t(to - from));
  const std::string_view after = text.substr(std::size_t(to));
  DrawPlain(canvas, metrics, x, y, clip, before, marks.Accelerator);
  const int selectedX = x + TextWidth(canvas, metrics, before);
  const int afterX = selectedX + TextWidth(canvas, metrics, selected);
  const TRect back{std::max(selectedX, clip.Left), std::max(y, clip.Top), std::min(afterX, clip.Right),
                   std::min(y + metrics.Height + metrics.ExtraLineSpacing, clip.Bottom)};
  const platform::TBrushData brush = canvas.Brush().Data();
  const platform::TColor textColor = canvas.Font().Color();
  if (!back.IsEmpty()) {
    canvas.Brush().SetColor(marks.SelBackColor);
    canvas.FillRect(back);
  }
  canvas.Font().SetColor(marks.SelTextColor);
  DrawPlain(canvas, metrics, selectedX, y, clip, selected, marks.Accelerator - from);
  canvas.Font().SetColor(textColor);
  canvas.Brush().SetData(brush);
  DrawPlain(canvas, metrics, afterX, y, clip, after, marks.Accelerator - to);
}

namespace {

// The line without its line break.
std::string_view WithoutLineBreak(std::string_view line)
{
  while (!line.empty() && IsLineBreakAt(line, int(line.size()) - 1))
    line.remove_suffix(1);
  return line;
}

// One display line: each line break (a pair counting as one) shown as a space; the marks follow.
std::string OneLine(std::string_view text, TtsRunMarks& marks)
{
  std::string shown;
  shown.reserve(text.size());
  const int mark = marks.Accelerator;
  const int selStart = marks.SelStart;
  const int selEnd = marks.SelStart + marks.SelLength;
  for (int i = 0; i < int(text.size());) {
    const int from = i;
    if (SkipLineBreak(text, i)) {
      const int saved = i - from - 1;
      if (mark >= i)
        marks.Accelerator -= saved;
      if (selStart >= i)
        marks.SelStart -= saved;
      if (selEnd >= i)
        marks.SelLength -= selStart >= i ? 0 : saved;
      shown += ' ';
    } else {
      shown += text[std::size_t(i++)];
    }
  }
  return shown;
}

}  // namespace

void DrawSingleLine(TCanvas& canvas, const TtsTextMetrics& metrics, std::string_view text, TtsRunMarks marks,
                    TtsVertAlignment vertAlignment, TtsHorzAlignment horzAlignment, int y, int x, const TRect& rect)
{
  canvas.FillRect(rect);
  int top = y;
  if (vertAlignment == vtaBottom)
    top = rect.Bottom - metrics.Height;
  else if (vertAlignment == vtaCenter && rect.Bottom - y > metrics.Height + 1)
    top = y + (rect.Bottom - y - metrics.Height) / 2;

  const std::string shown = OneLine(text, marks);
  const std::string_view line = shown;
  TRect clip = rect;
  if (horzAlignment == htaRight) {
    // The characters from the end that fill the space, ending at Right - 1.
    const int space = rect.Right - x;
    int from = int(line.size());
    while (from > 0 && TextWidth(canvas, metrics, line.substr(std::size_t(from))) < space)
      from -= CharLenBefore(line, from);
    const std::string_view part = line.substr(std::size_t(from));
    const int width = TextWidth(canvas, metrics, part);
    if (width > space)
      clip.Left = x;
    DrawRun(canvas, metrics, rect.Right - 1 - width, top, clip, part, marks.Shifted(from));
    return;
  }
  if (horzAlignment == htaCenter) {
    const int width = TextWidth(canvas, metrics, line);
    const int centred = rect.Left + (rect.Width() - width) / 2;
    DrawRun(canvas, metrics, centred >= x ? centred : x, top, clip, line, marks);
    return;
  }
  // Left: as many characters as fill the space; the last may be cut by the clip.
  const int space = rect.Right - x;
  int count = 0;
  while (count < int(line.size()) && TextWidth(canvas, metrics, line.substr(0, std::size_t(count))) < space)
    count += CharLenAt(line, count);
  DrawRun(canvas, metrics, x, top, clip, line.substr(0, std::size_t(count)), marks);
}

void DrawLines(TCanvas& canvas, const TtsTextMetrics& metrics, std::string_view text, int rowHeight, TtsRunMarks marks,
               TtsVertAlignment vertAlignment, TtsHorzAlignment horzAlignment, int y, int x, TRect rect,
               const TtsLineStarts* given, int firstLine)
{
  const int available = rect.Right - x - (horzAlignment == htaRight ? 1 : 0);
  canvas.FillRect(rect);
  if (horzAlignment == htaRight)
    rect.Left = x;
  const int h = metrics.LineHeight();
  const bool laidOut = given || ((vertAlignment == vtaBottom || vertAlignment == vtaCenter) && !text.empty());
  TtsLineStarts own;
  if (laidOut && !given)
    LayoutLines(canvas, metrics, text, rowHeight, rect.Height() / std::max(1, h) + 1, own, true, horzAlignment,
                available + 1);
  const TtsLineStarts& lines = given ? *given : own;
  int lineTop = FirstLineTop(y, rect, laidOut ? &lines : nullptr, metrics, vertAlignment);
  int position = 0;
  if (given && firstLine > 0 && std::size_t(firstLine) < lines.size())
    marks = marks.Shifted(lines[std::size_t(firstLine)]);
  for (std::size_t index = given ? std::size_t(std::max(firstLine, 0)) : 0;; ++index) {
    int length = 0;
    if (laidOut) {
      if (index >= lines.size())
        break;
      position = lines[index];
      length = (index + 1 < lines.size() ? lines[index + 1] : int(text.size())) - position;
      if (length == 0)
        break;
    } else if (!FitLine(canvas, metrics, text.substr(std::size_t(position)), horzAlignment, available, length)) {
      break;
    }
    std::string_view line = WithoutLineBreak(text.substr(std::size_t(position), std::size_t(length)));
    const int skipped = horzAlignment == htaRight ? SkipBlanks(line, 0) : 0;
    line.remove_prefix(std::size_t(skipped));
    const int width = TextWidth(canvas, metrics, line);
    int lineX = x;
    if (horzAlignment == htaRight)
      lineX = rect.Right - width - 1 - (width > 0 ? metrics.Overhang : 0);
    else if (horzAlignment == htaCenter)
      lineX = std::max(x, rect.Left + (rect.Width() - (width > 0 ? width + metrics.Overhang : 0)) / 2);
    const TRect clip{rect.Left, std::max(rect.Top, lineTop), rect.Right, rect.Bottom};
    DrawRun(canvas, metrics, lineX, lineTop, clip, line, marks.Shifted(skipped));
    marks = marks.Shifted(length);
    if (!laidOut)
      position += length;
    lineTop += h;
    if (lineTop >= rect.Bottom)
      break;
  }
}

}  // namespace grid
