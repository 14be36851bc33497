// Line fitting and layout of cell text; the drawing is in CellTextDraw.cpp.
#include "grid/paint/CellText.h"

#include "grid/model/TextRoutines.h"
#include "grid/paint/TextWords.h"
#include "platform/Canvas.h"

#include <QString>
#include <algorithm>

namespace grid {
namespace {

char At(std::string_view text, int i) { return i >= 0 && i < int(text.size()) ? text[std::size_t(i)] : '\0'; }

int FirstLineBreak(std::string_view text, int length)
{
  for (int i = 0; i < length; ++i)
    if (IsLineBreakAt(text, i))
      return i;
  return -1;
}

// The measured width as the line fitting sees it: the overhang is added to any visible width.
int FittedWidth(const platform::TCanvas& canvas, const TtsTextMetrics& metrics, std::string_view text)
{
  const int width = TextWidth(canvas, metrics, text);
  return width > 0 ? width + metrics.Overhang : width;
}

bool EndsWithLineBreak(std::string_view text) { return !text.empty() && IsLineBreakAt(text, int(text.size()) - 1); }

}  // namespace

TtsTextMetrics ReadTextMetrics(const platform::TCanvas& canvas)
{
  const platform::TTextMetric tm = canvas.TextMetrics();
  TtsTextMetrics metrics;
  metrics.Height = tm.Height;
  metrics.AveCharWidth = tm.AveCharWidth;
  metrics.ExternalLeading = tm.ExternalLeading;
  metrics.ExtraLineSpacing = MultiByteText && tm.ExternalLeading > 0 ? 1 : 0;
  return metrics;
}

int TextWidth(const platform::TCanvas& canvas, const TtsTextMetrics& metrics, std::string_view text)
{
  if (text.empty())
    return 0;
  const int width = canvas.TextWidth(QString::fromLatin1(text.data(), qsizetype(text.size())));
  return width > 0 ? std::max(0, width - metrics.Overhang) : width;
}

int MeasureText(const platform::TCanvas& canvas, const TtsTextMetrics& metrics, std::string_view text,
                bool addOverhang, bool multiLine)
{
  std::string shown;
  shown.reserve(text.size());
  for (int i = 0; i < int(text.size());) {
    if (SkipLineBreak(text, i)) {
      if (!multiLine)
        shown += ' ';
    } else {
      shown += text[std::size_t(i++)];
    }
  }
  const int width = TextWidth(canvas, metrics, shown);
  return addOverhang && width > 0 ? width + metrics.Overhang : width;
}

bool FitLine(const platform::TCanvas& canvas, const TtsTextMetrics& metrics, std::string_view text,
             TtsHorzAlignment alignment, int maxWidth, int& length)
{
  length = 0;
  const int size = int(text.size());
  if (size == 0)
    return false;
  int start = 0;
  if (alignment == htaRight)
    start = SkipBlanks(text, 0);
  const std::string_view rest = text.substr(std::size_t(start));
  const int restSize = size - start;

  // Estimate from the average character width, then move one character at a time.
  int n = std::min(restSize, maxWidth / std::max(1, metrics.AveCharWidth));
  if (const int lineBreak = FirstLineBreak(rest, n); lineBreak >= 0)
    n = lineBreak;
  int width = FittedWidth(canvas, metrics, rest.substr(0, std::size_t(n)));
  while (width < maxWidth && n < restSize && !IsLineBreakAt(rest, n)) {
    const int next = n + CharLenAt(rest, n);
    const int nextWidth = FittedWidth(canvas, metrics, rest.substr(0, std::size_t(next)));
    if (nextWidth > maxWidth)
      break;
    n = next;
    width = nextWidth;
  }
  while (width > maxWidth && n > 0) {
    n -= CharLenBefore(rest, n);
    width = FittedWidth(canvas, metrics, rest.substr(0, std::size_t(n)));
  }

  // A cut inside a word moves back to the last blank; a line without one breaks the word.
  if (n < restSize && !IsBlank(At(rest, n)) && !IsLineBreakAt(rest, n))
    if (const int blank = LastBlank(rest, n); blank >= 0)
      n = blank + 1;

  if (alignment == htaRight) {
    while (n > 0 && IsBlank(At(rest, n - 1)))
      --n;
  } else {
    while (n < restSize && IsBlank(At(rest, n)))
      ++n;
  }
  int end = n;
  const bool lineBreak = SkipLineBreak(rest, end);
  if (end == 0 && !lineBreak && restSize > 0)
    end = CharLenAt(rest, 0);
  length = start + end;
  return true;
}

bool IsMultiLineHeight(int height, int lineHeight) { return height - lineHeight >= lineHeight / 3; }

void LayoutLines(const platform::TCanvas& canvas, const TtsTextMetrics& metrics, std::string_view text, int height,
                 int maxLines, TtsLineStarts& lines, bool wrap, TtsHorzAlignment alignment, int width)
{
  lines.clear();
  if (wrap && IsMultiLineHeight(height - metrics.ExtraLineSpacing, metrics.LineHeight())) {
    int position = 0;
    int length = 0;
    bool stoppedEarly = false;
    while (FitLine(canvas, metrics, text.substr(std::size_t(position)), alignment, width - 1, length)) {
      lines.push_back(position);
      position += length;
      if (maxLines > 0 && int(lines.size()) >= maxLines) {
        stoppedEarly = true;
        break;
      }
    }
    if (!lines.empty() && !stoppedEarly && EndsWithLineBreak(text))
      lines.push_back(int(text.size()));
  }
  if (lines.empty())
    lines.push_back(0);
}

TtsTextHeight MeasureTextHeight(const platform::TCanvas& canvas, const TtsTextMetrics& metrics, std::string_view text,
                                int width, bool wrap, TtsHorzAlignment alignment)
{
  int count = 1;
  if (wrap) {
    count = 0;
    int position = 0;
    int length = 0;
    while (FitLine(canvas, metrics, text.substr(std::size_t(position)), alignment, width - 1, length)) {
      ++count;
      position += length;
    }
    count = std::max(count, 1);
    if (EndsWithLineBreak(text))
      ++count;
  }
  return {count, count * metrics.LineHeight()};
}

int FirstLineTop(int top, const platform::TRect& rect, const TtsLineStarts* lines, const TtsTextMetrics& metrics,
                 TtsVertAlignment alignment)
{
  if (!lines || lines->empty() || alignment == vtaTop || alignment == vtaDefault)
    return top;
  const int count = int(lines->size());
  const int h = std::max(1, metrics.LineHeight());
  if (alignment == vtaBottom) {
    const int lastTop = rect.Bottom - metrics.Height;
    if (lastTop < top)
      return top;
    const int linesAbove = std::min(count - 1, (lastTop - top) / h);
    return lastTop - linesAbove * h;
  }
  const int space = rect.Bottom - top;
  if (count * h + 1 >= space)
    return top;
  return top + (space - count * h) / 2;
}

}  // namespace grid
