// Vertical bars: the seven styles flat and in 3-D, marks above or below, margins for the bars and marks.
#include "chart/series/BarSeries.h"

#include "chart/canvas/ChartPen.h"
#include "chart/canvas/TeeCanvas3D.h"
#include "chart/model/ChartAxis.h"
#include "chart/model/SeriesChart.h"
#include "chart/model/SeriesMarks.h"

#include <algorithm>
#include <array>

namespace chart {

using platform::TPoint;

TBarSeries::TBarSeries()
{
  YValues().SetName(QStringLiteral("Bar"));
  YValues().SetOrder(TChartListOrder::loNone);
}

int TBarSeries::CalcXPos(int valueIndex) const { return BarStartPixel(valueIndex); }

int TBarSeries::CalcYPos(int valueIndex) const { return BarValuePixel(valueIndex); }

void TBarSeries::DrawBar(int valueIndex, int startPos, int endPos)
{
  TSeriesChart* chart = ParentChart();
  TTeeCanvas3D& canvas = chart->Canvas();
  const TColor color = BarColor();
  PrepareBarCanvas(color);
  const int left = BarStartPixel(valueIndex);
  const int right = left + BarWidth();
  const int mid = int((static_cast<long long>(left) + right) / 2);
  const int width = right - left;
  const bool is3D = chart->View3D();
  const int front = DepthStart, back = DepthEnd;
  switch (PointBarStyle(valueIndex)) {
  case TBarStyle::bsRectangle:
  case TBarStyle::bsCilinder:
    if (!is3D)
      DrawBarRectangle(left, startPos, right, endPos);
    else if (PointBarStyle(valueIndex) == TBarStyle::bsRectangle)
      canvas.Box3D(left, right, startPos, endPos, front, back, Dark3D());
    else
      canvas.Cylinder3D(true, left, startPos, right, endPos, front, back, Dark3D());
    break;
  case TBarStyle::bsPyramid:
    if (is3D) {
      canvas.Pyramid3D(true, left, startPos, right, endPos, front, back, Dark3D());
    } else {
      const std::array<TPoint, 3> p{TPoint{left, endPos}, TPoint{mid, startPos}, TPoint{right, endPos}};
      canvas.DrawPolygon(p);
    }
    break;
  case TBarStyle::bsInvPyramid:
    if (is3D) {
      canvas.Pyramid3D(true, left, endPos, right, startPos, front, back, Dark3D());
    } else {
      const std::array<TPoint, 3> p{TPoint{left, startPos}, TPoint{mid, endPos}, TPoint{right, startPos}};
      canvas.DrawPolygon(p);
    }
    break;
  case TBarStyle::bsEllipse:
    if (is3D)
      canvas.Ellipse3D(left, startPos, right, endPos, DepthMiddle);
    else
      canvas.DrawEllipse(left, startPos, right, endPos);
    break;
  case TBarStyle::bsArrow:
    canvas.Arrow3D(true, TPoint{mid, endPos}, TPoint{mid, startPos}, width, width / 2, DepthMiddle);
    break;
  case TBarStyle::bsRectGradient: {
    if (!is3D) {
      canvas.GradientFill({left, startPos, right, endPos}, platform::clWhite, color, TGradientDirection::gdBottomTop);
      if (BarPen().Visible()) {
        canvas.Brush().SetStyle(platform::TBrushStyle::bsClear);
        canvas.DrawRectangle(left, startPos, right, endPos);
      }
      break;
    }
    canvas.Box3D(left, right, startPos, endPos, front, back, Dark3D());
    if (!canvas.IsOrthogonal()) break;
    const TPoint a = canvas.ChartToScreen(left, startPos, front);
    const TPoint b = canvas.ChartToScreen(right, endPos, front);
    const int pen = BarPen().Visible() ? BarPen().Width() : 0;
    canvas.GradientFill({a.X + pen, a.Y + pen, b.X - pen, b.Y - pen}, platform::clWhite, color,
                        TGradientDirection::gdBottomTop);
    break;
  }
  }
}

void TBarSeries::DrawMark(int valueIndex, const QString& text, TSeriesMarkPosition& position)
{
  const int half = BarWidth() / 2;
  position.TopLeft.X += half;
  position.ArrowStart.X += half;
  position.ArrowEnd.X += half;
  const int length = Marks().ArrowLength();
  // A bar growing downwards has its mark below it.
  const int by = BarOriginPixel(valueIndex) < BarValuePixel(valueIndex) ? length + position.Height : -length;
  position.TopLeft.Y += by;
  position.ArrowEnd.Y += by;
  TChartSeries::DrawMark(valueIndex, text, position);
}

void TBarSeries::CalcHorizMargins(int& left, int& right) const
{
  TCustomBarSeries::CalcHorizMargins(left, right);
  int total = NumSideSeries() * BarWidth();
  if (!SideMargins()) total /= 2;
  left = std::max(left, total);
  right = std::max(right, total);
}

int TBarSeries::MarkSize() const
{
  TSeriesChart* chart = ParentChart();
  if (chart == nullptr) return 0;
  TTeeCanvas3D& canvas = chart->Canvas();
  const platform::TFontData saved = canvas.Font().Data();
  canvas.AssignFont(Marks().Font());
  int size = canvas.FontHeight() + Marks().ArrowLength() + 1;
  canvas.Font().SetData(saved);
  if (Marks().Frame().Visible()) size += 2 * Marks().Frame().Width();
  return size;
}

void TBarSeries::CalcVerticalMargins(int& top, int& bottom) const
{
  TCustomBarSeries::CalcVerticalMargins(top, bottom);
  if (!Marks().Visible()) return;
  const TChartAxis* axis = ResolvedVertAxis();
  const bool inverted = axis != nullptr && axis->Inverted();
  const int size = MarkSize();
  if (UseYOrigin() && AnyValueBelowOrigin()) (inverted ? top : bottom) = std::max(inverted ? top : bottom, size);
  if (!UseYOrigin() || AnyValueAboveOrigin()) (inverted ? bottom : top) = std::max(inverted ? bottom : top, size);
}

}  // namespace chart
