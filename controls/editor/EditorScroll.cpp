#include "controls/editor/EditorScroll.h"

#include <algorithm>

namespace controls {

namespace {

// Top lines that leave a full last page: 1 .. line count - rows + 1.
int TopLines(int lineCount, int rows) { return std::max(lineCount - rows + 1, 0); }

}  // namespace

int VerticalDivisor(int lineCount, int rows)
{
  const int n = TopLines(lineCount, rows);
  return n > 32767 ? (n >> 15) * 2 : 1;
}

int VerticalMaximum(int lineCount, int rows, bool scrollBarsAlways)
{
  const int v = TopLines(lineCount, rows) / VerticalDivisor(lineCount, rows);
  return v <= 1 && scrollBarsAlways ? 2 : v;
}

int VerticalPage(int lineCount, int rows)
{
  // In units of the divisor: a page of rows lines would keep the thumb short of the last page.
  return std::max(rows / VerticalDivisor(lineCount, rows), 1);
}

int ThumbToTopLine(int thumb, int lineCount, int rows, bool scrollBarsAlways)
{
  const int d = VerticalDivisor(lineCount, rows);
  int line = 0;
  if (thumb == 1)
    line = 1;
  else if (thumb == VerticalMaximum(lineCount, rows, scrollBarsAlways))
    line = lineCount - 1 > rows ? thumb * d : 1;
  else
    line = thumb * d;
  return std::clamp(line, 1, std::max(lineCount - 1, 1));
}

int HorizontalMaximum(bool wordWrap, int wrapColumn, int paraLengthLimit, bool scrollBarsAlways)
{
  const int h = std::min(wordWrap ? wrapColumn : paraLengthLimit, 512);
  return h <= 0 && scrollBarsAlways ? 1 : h;
}

int DragStepWait(int distance, int scrollBarHeight)
{
  const int base = 3 * scrollBarHeight;
  return distance <= 0 ? 0 : base - distance;
}

}  // namespace controls
