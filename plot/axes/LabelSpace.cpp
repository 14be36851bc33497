#include "plot/axes/Axis.h"

#include "plot/axes/AxisPaint.h"
#include "plot/graph/CanvasWrappers.h"
#include "plot/graph/Graph.h"

#include "platform/CanvasRounding.h"

#include <algorithm>

namespace plot {

using platform::SafeRound;

namespace {

// The room an axis needs outside the plot on its side: its caption, its labels (outside the plot
// only) and its ticks (outside and pointing out only).
struct TAxisRoom {
  int caption = 0;     // height of "(" in the caption font
  int labelLine = 0;   // height of "(" in the label font
  int labelWidth = 0;  // of "l" in the label font
  int ticks = 0;
  bool outside = false;
};

TAxisRoom MeasureRoom(TAxis& axis, TWText& text)
{
  TAxisRoom room;
  text.SetFontName(axis.NameFont.Name());
  text.SetStyle(axis.NameFont.Style());
  text.SetSize(PaintFontSize(axis.NameFont.Size()));
  room.caption = text.TextHeight(QStringLiteral("("));
  text.SetFontName(axis.Font.Name());
  text.SetStyle(axis.Font.Style());
  text.SetSize(1);
  const int unit = text.TextHeight(QStringLiteral("a"));
  text.SetSize(PaintFontSize(axis.Font.Size()));
  room.labelLine = text.TextHeight(QStringLiteral("("));
  room.labelWidth = text.TextWidth(QStringLiteral("l"));
  room.outside = axis.Location == alOutside;
  if (room.outside && axis.Ticks.Direction == tdOut)
    room.ticks = std::max(axis.Ticks.MajorLength, axis.Ticks.MinorLength) * unit;
  return room;
}

int LabelLineRoom(const TAxisRoom& room) { return SafeRound(1.1 * room.labelLine); }

}  // namespace

void TXAxis::LabelSpace(platform::TRect& r, TWText& text)
{
  if (!GetVisible())
    return;
  const TAxisRoom room = MeasureRoom(*this, text);
  if (!Name.isEmpty())
    r.Bottom -= SafeRound(1.2 * room.caption);
  if (room.outside)
    r.Bottom -= LabelsDirection == ldVertical ? MeasureLabels() + room.labelWidth : LabelLineRoom(room);
  r.Bottom -= room.ticks;
}

void TXAxis2::LabelSpace(platform::TRect& r, TWText& text)
{
  if (!GetVisible())
    return;
  const TAxisRoom room = MeasureRoom(*this, text);
  if (!Name.isEmpty())
    r.Top += SafeRound(1.2 * room.caption);
  if (room.outside)
    r.Top += LabelsDirection == ldVertical ? MeasureLabels() + room.labelWidth : LabelLineRoom(room);
  r.Top += room.ticks;
}

void TYAxis::LabelSpace(platform::TRect& r, TWText& text)
{
  if (!GetVisible())
    return;
  const TAxisRoom room = MeasureRoom(*this, text);
  if (!Name.isEmpty())
    r.Left += SafeRound(1.1 * room.caption);
  if (room.outside)
    r.Left += LabelsDirection == ldVertical ? LabelLineRoom(room) : MeasureLabels();
  r.Left += room.ticks;
}

void TYAxis2::LabelSpace(platform::TRect& r, TWText& text)
{
  if (!GetVisible())
    return;
  const TAxisRoom room = MeasureRoom(*this, text);
  if (!Name.isEmpty())
    r.Right -= 2 * room.caption;
  if (room.outside)
    r.Right -= LabelsDirection == ldVertical ? LabelLineRoom(room) : MeasureLabels() + room.labelWidth;
  r.Right -= room.ticks;
}

}  // namespace plot
