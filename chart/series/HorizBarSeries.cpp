// Horizontal bars: the vertical kind's shapes turned by a quarter, marks beside the bars, samples.
#include "chart/series/HorizBarSeries.h"

#include "chart/canvas/ChartPen.h"
#include "chart/canvas/TeeCanvas3D.h"
#include "chart/model/ChartAxis.h"
#include "chart/model/SeriesChart.h"
#include "chart/model/SeriesMarks.h"
#include "chart/support/ChartExceptions.h"
#include "chart/support/Messages.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <memory>
#include <random>

namespace chart {

using platform::TPoint;

THorizBarSeries::THorizBarSeries()
{
  XValues().SetName(QStringLiteral("Bar"));
  XValues().SetOrder(TChartListOrder::loNone);
}

int THorizBarSeries::CalcXPos(int valueIndex) const { return BarValuePixel(valueIndex); }

int THorizBarSeries::CalcYPos(int valueIndex) const { return BarStartPixel(valueIndex); }

void THorizBarSeries::FillSampleValues(int numValues)
{
  if (numValues <= 0) throw BarException(QString::fromLatin1(msg::SampleValuesCount));
  TRandomSource random = RandomSource();
  if (!random) {
    auto engine = std::make_shared<std::mt19937>(
        unsigned(std::chrono::steady_clock::now().time_since_epoch().count()));
    random = [engine](int n) { return n <= 0 ? 0 : std::uniform_int_distribution<int>(0, n - 1)(*engine); };
  }
  Clear();
  const TChartAxis* axis = ResolvedVertAxis();
  double position = axis != nullptr ? axis->Minimum() : 0;
  double value = random(1000) + 1000;
  for (int i = 0; i < numValues; ++i, position += 1) {
    value += random(500) - 250;
    AddXY(value, position);
  }
  NotifyLinked(TSeriesNotification::Refresh, -1);
}

void THorizBarSeries::DrawBar(int valueIndex, int startPos, int endPos)
{
  TSeriesChart* chart = ParentChart();
  TTeeCanvas3D& canvas = chart->Canvas();
  const TColor color = BarColor();
  PrepareBarCanvas(color);
  const int top = BarStartPixel(valueIndex);
  const int bottom = top + BarWidth();
  const int mid = int((static_cast<long long>(top) + bottom) / 2);
  const int width = bottom - top;
  const bool is3D = chart->View3D();
  const int front = DepthStart, back = DepthEnd;
  const TBarStyle style = PointBarStyle(valueIndex);
  switch (style) {
  case TBarStyle::bsRectangle:
  case TBarStyle::bsCilinder:
    if (!is3D)
      DrawBarRectangle(startPos, top, endPos, bottom);
    else if (style == TBarStyle::bsRectangle)
      canvas.Box3D(startPos, endPos, top, bottom, front, back, Dark3D());
    else
      canvas.Cylinder3D(false, startPos, top, endPos, bottom, front, back, Dark3D());
    break;
  case TBarStyle::bsPyramid:
    if (is3D) {
      canvas.Pyramid3D(false, startPos, top, endPos, bottom, front, back, Dark3D());
    } else {
      const std::array<TPoint, 3> p{TPoint{startPos, top}, TPoint{endPos, mid}, TPoint{startPos, bottom}};
      canvas.DrawPolygon(p);
    }
    break;
  case TBarStyle::bsInvPyramid:
    if (is3D) {
      canvas.Pyramid3D(false, endPos, top, startPos, bottom, front, back, Dark3D());
    } else {
      const std::array<TPoint, 3> p{TPoint{endPos, top}, TPoint{startPos, mid}, TPoint{endPos, bottom}};
      canvas.DrawPolygon(p);
    }
    break;
  case TBarStyle::bsEllipse:
    if (is3D)
      canvas.Ellipse3D(startPos, top, endPos, bottom, DepthMiddle);
    else
      canvas.DrawEllipse(startPos, top, endPos, bottom);
    break;
  case TBarStyle::bsArrow:
    canvas.Arrow3D(true, TPoint{startPos, mid}, TPoint{endPos, mid}, width, width / 2, DepthMiddle);
    break;
  case TBarStyle::bsRectGradient: {
    if (!is3D) {
      canvas.GradientFill({startPos, top, endPos, bottom}, platform::clWhite, color, TGradientDirection::gdLeftRight);
      if (BarPen().Visible()) {
        canvas.Brush().SetStyle(platform::TBrushStyle::bsClear);
        canvas.DrawRectangle(startPos, top, endPos, bottom);
      }
      break;
    }
    canvas.Box3D(startPos, endPos, top, bottom, front, back, Dark3D());
    if (!canvas.IsOrthogonal()) break;
    const TPoint a = canvas.ChartToScreen(startPos, top, front);
    const TPoint b = canvas.ChartToScreen(endPos, bottom, front);
    const int pen = BarPen().Visible() ? BarPen().Width() : 0;
    canvas.GradientFill({a.X + pen, a.Y + pen, b.X - pen, b.Y - pen}, platform::clWhite, color,
                        TGradientDirection::gdLeftRight);
    break;
  }
  }
}

void THorizBarSeries::DrawMark(int valueIndex, const QString& text, TSeriesMarkPosition& position)
{
  const int length = Marks().ArrowLength();
  // A bar growing to the left has its mark on its left.
  const bool growsLeft = BarValuePixel(valueIndex) < BarOriginPixel(valueIndex);
  const int across = growsLeft ? -(length + position.Width) : length;
  position.TopLeft.X += across + position.Width / 2;
  position.ArrowEnd.X += growsLeft ? -length : length;
  const int half = BarWidth() / 2;
  position.ArrowStart.Y += half;
  position.ArrowEnd.Y += half;
  position.TopLeft.Y += half + position.Height / 2;
  TChartSeries::DrawMark(valueIndex, text, position);
}

void THorizBarSeries::CalcVerticalMargins(int& top, int& bottom) const
{
  TCustomBarSeries::CalcVerticalMargins(top, bottom);
  int total = NumSideSeries() * BarWidth();
  if (!SideMargins()) total /= 2;
  top = std::max(top, total);
  bottom = std::max(bottom, total);
}

int THorizBarSeries::MarkSize() const
{
  const int widest = MaxMarkWidth();
  return widest > 0 ? widest + 1 : 0;
}

void THorizBarSeries::CalcHorizMargins(int& left, int& right) const
{
  TCustomBarSeries::CalcHorizMargins(left, right);
  if (!Marks().Visible()) return;
  const TChartAxis* axis = ResolvedHorizAxis();
  const bool inverted = axis != nullptr && axis->Inverted();
  const int size = MarkSize();
  if (AnyValueBelowOrigin()) left = std::max(left, size);
  if (!UseYOrigin() || AnyValueAboveOrigin()) (inverted ? left : right) = std::max(inverted ? left : right, size);
}

}  // namespace chart
