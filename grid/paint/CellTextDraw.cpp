// Drawing of cell text: wrapped lines or one line, aligned, clipped, with an underlined accelerator.
#include "grid/model/TextRoutines.h"
#include "grid/paint/CellText.h"
#include "grid/paint/TextWords.h"
#include "platform/Canvas.h"

#include <QString>
#include <algorithm>
#include <string>

namespace grid {
namespace {

using platform::TCanvas;
using platform::TRect;

QString Latin1(std::string_view text) { return QString::fromLatin1(text.data(), qsizetype(text.size())); }

// Draws text at (x, y) clipped to clip; the character at the 0-based accelerator index (when inside
// the text) is underlined.
void DrawRun(TCanvas& canvas, const TtsTextMetrics& metrics, int x, int y, const TRect& clip, std::string_view text,
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

// The line without its line break.
std::string_view WithoutLineBreak(std::string_view line)
{
  while (!line.empty() && IsLineBreakAt(line, int(line.size()) - 1))
    line.remove_suffix(1);
  return line;
}

// One display line: each line break (a pair counting as one) shown as a space; the accelerator
// index follows.
std::string OneLine(std::string_view text, int& accelerator)
{
  std::string shown;
  shown.reserve(text.size());
  const int mark = accelerator;
  for (int i = 0; i < int(text.size());) {
    const int from = i;
    if (SkipLineBreak(text, i)) {
      if (mark >= i)
        accelerator -= i - from - 1;
      shown += ' ';
    } else {
      shown += text[std::size_t(i++)];
    }
  }
  return shown;
}

void DrawSingleLine(TCanvas& canvas, const TtsTextMetrics& metrics, std::string_view text, int accelerator,
                    TtsVertAlignment vertAlignment, TtsHorzAlignment horzAlignment, int y, int x, const TRect& rect)
{
  canvas.FillRect(rect);
  int top = y;
  if (vertAlignment == vtaBottom)
    top = rect.Bottom - metrics.Height;
  else if (vertAlignment == vtaCenter && rect.Bottom - y > metrics.Height + 1)
    top = y + (rect.Bottom - y - metrics.Height) / 2;

  const std::string shown = OneLine(text, accelerator);
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
    DrawRun(canvas, metrics, rect.Right - 1 - width, top, clip, part, accelerator - from);
    return;
  }
  if (horzAlignment == htaCenter) {
    const int width = TextWidth(canvas, metrics, line);
    const int centred = rect.Left + (rect.Width() - width) / 2;
    DrawRun(canvas, metrics, centred >= x ? centred : x, top, clip, line, accelerator);
    return;
  }
  // Left: as many characters as fill the space; the last may be cut by the clip.
  const int space = rect.Right - x;
  int count = 0;
  while (count < int(line.size()) && TextWidth(canvas, metrics, line.substr(0, std::size_t(count))) < space)
    count += CharLenAt(line, count);
  DrawRun(canvas, metrics, x, top, clip, line.substr(0, std::size_t(count)), accelerator);
}

void DrawLines(TCanvas& canvas, const TtsTextMetrics& metrics, std::string_view text, int rowHeight, int accelerator,
               TtsVertAlignment vertAlignment, TtsHorzAlignment horzAlignment, int y, int x, TRect rect)
{
  const int available = rect.Right - x - (horzAlignment == htaRight ? 1 : 0);
  canvas.FillRect(rect);
  if (horzAlignment == htaRight)
    rect.Left = x;
  const int h = metrics.LineHeight();
  const bool laidOut = (vertAlignment == vtaBottom || vertAlignment == vtaCenter) && !text.empty();
  TtsLineStarts lines;
  if (laidOut)
    LayoutLines(canvas, metrics, text, rowHeight, rect.Height() / std::max(1, h) + 1, lines, true, horzAlignment,
                available + 1);
  int lineTop = FirstLineTop(y, rect, laidOut ? &lines : nullptr, metrics, vertAlignment);
  int position = 0;
  for (std::size_t index = 0;; ++index) {
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
    DrawRun(canvas, metrics, lineX, lineTop, clip, line, accelerator - 1 - skipped);
    accelerator -= length;
    if (!laidOut)
      position += length;
    lineTop += h;
    if (lineTop >= rect.Bottom)
      break;
  }
}

}  // namespace

void DrawCellText(TCanvas& canvas, std::string_view text, int rowHeight, int accelerator, bool wrap,
                  TtsVertAlignment vertAlignment, TtsHorzAlignment horzAlignment, int y, int x, const TRect& rect)
{
  if (rect.IsEmpty())
    return;
  const TtsTextMetrics metrics = ReadTextMetrics(canvas);
  canvas.SaveState();
  canvas.SetBkMode(platform::TBkMode::bmTransparent);
  y += metrics.ExtraLineSpacing;
  if (wrap && IsMultiLineHeight(rowHeight - metrics.ExtraLineSpacing, metrics.LineHeight())) {
    DrawLines(canvas, metrics, text, rowHeight, accelerator, vertAlignment, horzAlignment, y, x, rect);
  } else if ((horzAlignment == htaLeft || horzAlignment == htaDefault) &&
             (vertAlignment == vtaTop || vertAlignment == vtaDefault) &&
             text.find_first_of("\r\n") == std::string_view::npos) {
    canvas.FillRect(rect);
    DrawRun(canvas, metrics, x, y, rect, text, accelerator - 1);
  } else {
    DrawSingleLine(canvas, metrics, text, accelerator - 1, vertAlignment, horzAlignment, y, x, rect);
  }
  canvas.RestoreState();
}

}  // namespace grid
