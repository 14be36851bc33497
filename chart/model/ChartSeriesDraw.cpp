// A series' marks and legend symbol on the chart's canvas.
#include "chart/canvas/TeeCanvas3D.h"
#include "chart/canvas/View3DOptions.h"
#include "chart/model/ChartSeries.h"
#include "chart/model/SeriesChart.h"
#include "chart/model/SeriesMarks.h"
#include "chart/support/TextLines.h"

#include <algorithm>
#include <cmath>

namespace chart {
namespace {

int WidestLine(const TTeeCanvas& canvas, const QString& text)
{
  int widest = 0;
  for (const QString& line : text.split(QChar(kLineSeparator))) widest = std::max(widest, canvas.TextWidthOf(line));
  return widest;
}

}  // namespace

void TChartSeries::ApplyMarksFont(TTeeCanvas3D& canvas) const
{
  canvas.AssignFont(marks_->Font());
  if (parent_->View3D() && parent_->View3DOptions().ZoomText()) {
    const double zoomed = std::round(canvas.ScreenFontSize() * parent_->View3DOptions().Zoom() * 0.01);
    canvas.SetScreenFontSize(std::max(1, int(zoomed)));
  }
}

int TChartSeries::MaxMarkWidth() const
{
  if (parent_ == nullptr) return 0;
  TTeeCanvas3D& canvas = parent_->Canvas();
  canvas.AssignFont(marks_->Font());
  int widest = 0;
  for (int i = 0; i < Count(); ++i) widest = std::max(widest, WidestLine(canvas, GetMarkText(i)));
  return widest;
}

void TChartSeries::DrawMarks()
{
  if (parent_ == nullptr || firstVisible_ < 0) return;
  TTeeCanvas3D& canvas = parent_->Canvas();
  for (int i = firstVisible_; i <= lastVisible_ && i < Count(); ++i) {
    if (ValueColor(i) == platform::clNone) continue;
    const QString text = GetMarkText(i);
    if (text.isEmpty()) continue;
    ApplyMarksFont(canvas);
    int width = WidestLine(canvas, text) + canvas.TextWidthOf(QStringLiteral("W"));
    int height = int(text.count(QChar(kLineSeparator)) + 1) * canvas.FontHeight();
    canvas.ApplyChartPen(marks_->Frame());
    if (marks_->Frame().Visible()) {
      width += 2 * marks_->Frame().Width();
      height += 2 * marks_->Frame().Width();
    }
    TSeriesMarkPosition position;
    position.ArrowEnd = {CalcXPos(i), CalcYPos(i)};
    position.ArrowStart = position.ArrowEnd;
    position.TopLeft = {position.ArrowEnd.X - width / 2, position.ArrowEnd.Y - height + 1};
    position.Width = width;
    position.Height = height;
    DrawMark(i, text, position);
  }
}

void TChartSeries::DrawMark(int valueIndex, const QString& text, TSeriesMarkPosition& position)
{
  marks_->Draw(valueIndex, ValueColor(valueIndex), text, position);
}

void TChartSeries::DrawLegend(int legendIndex, const platform::TRect& rect)
{
  if (parent_ == nullptr || (legendIndex == -1 && colorEachPoint_)) return;
  const TColor color = legendIndex == -1 ? seriesColor_ : LegendItemColor(legendIndex);
  if (color == platform::clNone) return;
  TColor backColor = parent_->LegendColor();
  platform::TBrushStyle style = platform::TBrushStyle::bsSolid;
  PrepareLegendCanvas(legendIndex, backColor, style);
  if (backColor == platform::clDefault) backColor = parent_->LegendColor();
  if (backColor == platform::clDefault) backColor = parent_->Color();
  TTeeCanvas3D& canvas = parent_->Canvas();
  canvas.Brush().SetColor(color);
  canvas.Brush().SetStyle(style);
  canvas.SetBackgroundColor(backColor);
  DrawLegendShape(legendIndex, rect);
}

void TChartSeries::DrawLegendShape(int /*legendIndex*/, const platform::TRect& rect)
{
  TTeeCanvas3D& canvas = parent_->Canvas();
  canvas.DrawRectangle(rect.Left, rect.Top, rect.Right, rect.Bottom);
  const TColor color = canvas.Brush().Color();
  if (color != parent_->LegendColor()) return;
  // A symbol in the legend's own colour gets a frame, so it shows.
  canvas.Brush().SetStyle(platform::TBrushStyle::bsClear);
  if (color == platform::clBlack) canvas.Pen().SetColor(platform::clWhite);
  canvas.DrawRectangle(rect.Left, rect.Top, rect.Right, rect.Bottom);
  canvas.Pen().SetColor(platform::clBlack);
}

}  // namespace chart
