// The joined kinds' drawing, point by point: each point joins the one before it by a segment, a
// stair, a 3-D ribbon or an area piece, and the pointers come after the segments that meet them.
#include "chart/series/CustomSeries.h"

#include "chart/canvas/ChartColors.h"
#include "chart/canvas/ChartPen.h"
#include "chart/canvas/TeeCanvas3D.h"
#include "chart/model/ChartAxis.h"
#include "chart/model/SeriesChart.h"
#include "platform/CanvasRounding.h"

#include <algorithm>
#include <array>

namespace chart {
namespace {

using platform::TPoint;

constexpr int kDarkening = kTopShade;

// A pixel moved by some pixels, kept within what the canvas passes on.
int Shifted(int y, int by)
{
  return int(std::clamp<long long>(static_cast<long long>(y) + by, -platform::kMaxCoord, platform::kMaxCoord));
}

// A patterned brush whose colour is the background's would not show: it takes black, or white on black.
void SetBrushOver(TTeeCanvas3D& canvas, TColor color, platform::TBrushStyle style, TColor backColor)
{
  const bool solid = style == platform::TBrushStyle::bsSolid;
  if (!solid && color == backColor) color = backColor == platform::clBlack ? platform::clWhite : platform::clBlack;
  canvas.Brush().SetColor(color);
  canvas.Brush().SetStyle(style);
  if (solid) {
    canvas.SetBackgroundMode(platform::TBkMode::bmTransparent);
    return;
  }
  canvas.SetBackgroundMode(platform::TBkMode::bmOpaque);
  canvas.SetBackgroundColor(platform::ColorToRGB(backColor));
}

}  // namespace

int TCustomSeries::InterpolateEdgeY(int valueIndex, int edgeX) const
{
  const double x0 = XValueAt(valueIndex - 1);
  const double y0 = YValueAt(valueIndex - 1);
  const double x1 = XValueAt(valueIndex);
  if (x1 == x0) return CalcYPos(valueIndex - 1);
  const double y1 = YValueAt(valueIndex);
  const double x = XPixelToValue(edgeX);
  return YValueToPixel(y0 + (y1 - y0) * (x - x0) / (x1 - x0));
}

void TCustomSeries::DrawValue(int valueIndex)
{
  TSeriesChart* chart = ParentChart();
  if (chart == nullptr) return;
  TTeeCanvas3D& canvas = chart->Canvas();
  // A point far beyond the canvas keeps its segments: the canvas cuts them at its limits.
  const TPoint p{CalcXPos(valueIndex), CalcYPos(valueIndex)};
  const TColor color = ValueColor(valueIndex);
  const int first = FirstVisibleIndex();
  const int last = LastVisibleIndex();

  if (valueIndex == first) previousColor_ = platform::clNone;
  canvas.Pen().SetColor(platform::clBlack);
  canvas.Brush().SetColor(color);
  if (previousColor_ == platform::clNone) previous_ = p;
  origin_ = GetOriginPos(valueIndex);

  if (valueIndex == first) {
    if (dark3D_) {
      const int width = chart->SeriesWidth3D();
      slopeThreshold_ = width == 0 ? 1.0 : double(chart->SeriesHeight3D()) / width;
    }
    if (valueIndex > 0) {
      const int before = valueIndex - 1;
      if (StartsAtPreviousPoint()) {
        previous_ = {CalcXPos(before), CalcYPos(before)};
        previousOrigin_ = GetOriginPos(before);
      } else {
        const TChartAxis* horiz = ResolvedHorizAxis();
        const platform::TRect plot = chart->ChartRect();
        previous_.X = horiz != nullptr && horiz->Inverted() ? plot.Right : plot.Left;
        previous_.Y = stairs_ ? CalcYPos(before) : InterpolateEdgeY(valueIndex, previous_.X);
        previousOrigin_ = origin_;
      }
      if (!IsNull(before)) {
        previousColor_ = ValueColor(before);
        DrawSegment(p, color, valueIndex, false);
      }
    }
    if (valueIndex == last && pointer_->Visible() && color != platform::clNone) DrawPointer(p.X, p.Y, color, valueIndex);
  } else {
    DrawSegment(p, color, valueIndex, true);
  }
  previous_ = p;
  previousOrigin_ = origin_;
  previousColor_ = color;
}

void TCustomSeries::DrawSegment(TPoint p, TColor color, int valueIndex, bool withPointers)
{
  TSeriesChart* chart = ParentChart();
  TTeeCanvas3D& canvas = chart->Canvas();
  const bool last = valueIndex == LastVisibleIndex();
  const TPoint q = previous_;
  if (p != q && color != platform::clNone) {
    const bool is3D = chart->View3D();
    if (is3D && (drawArea_ || (drawLine_ && lineBrush_ != platform::TBrushStyle::bsClear)))
      Draw3DSegment(p, color, last);
    if (drawArea_) {
      DrawAreaPiece(p, color, last);
    } else if (!is3D && drawLine_) {
      PrepareLinePen(color);
      canvas.MoveToPoint(q.X, q.Y);
      if (stairs_) {
        if (invertedStairs_)
          canvas.LineToPoint(q.X, p.Y);
        else
          canvas.LineToPoint(p.X, q.Y);
      }
      canvas.LineToPoint(p.X, p.Y);
    }
  }
  if (!withPointers || !pointer_->Visible()) return;
  if (previousColor_ != platform::clNone) DrawPointer(q.X, q.Y, previousColor_, valueIndex - 1);
  if (last && color != platform::clNone) DrawPointer(p.X, p.Y, color, valueIndex);
}

void TCustomSeries::Draw3DSegment(TPoint p, TColor color, bool last)
{
  TSeriesChart* chart = ParentChart();
  TTeeCanvas3D& canvas = chart->Canvas();
  const TPoint q = previous_;
  const int front = DepthStart;
  const int back = DepthEnd;
  const TColor brushColor = AreaColorFor(color);
  canvas.Brush().SetColor(brushColor);
  canvas.Brush().SetStyle(lineBrush_);
  canvas.ApplyChartPen(*linePen_);
  if (linePen_->Visible()) chart->CheckPenWidth(canvas.Pen());
  auto darkened = [&](bool on) { canvas.Brush().SetColor(on ? DarkenChartColor(brushColor, kDarkening) : brushColor); };

  if (stairs_) {
    if (invertedStairs_) {
      darkened(dark3D_);
      canvas.DepthRectangleX(q.X, q.Y, p.Y, front, back);
      darkened(false);
      canvas.DepthRectangleY(p.X, p.Y, q.X, front, back);
    } else {
      canvas.DepthRectangleY(q.X, q.Y, p.X, front, back);
      darkened(dark3D_);
      canvas.DepthRectangleX(p.X, p.Y, q.Y, front, back);
      darkened(false);
    }
    return;
  }
  const bool band = lineHeight_ > 0 && !drawArea_;
  if (band) {
    const std::array<TPoint, 4> face{p, q, TPoint{q.X, Shifted(q.Y, lineHeight_)}, TPoint{p.X, Shifted(p.Y, lineHeight_)}};
    canvas.QuadBetweenDepths3D(face, front, front);
    if (last) canvas.DepthRectangleX(p.X, p.Y, Shifted(p.Y, lineHeight_), front, back);
  }
  TPoint from = p;
  TPoint to = q;
  bool dark = false;
  if (dark3D_ && p.X != q.X && slopeThreshold_ != 0) {
    const double slope = (double(q.Y) - p.Y) / (double(p.X) - q.X);
    if (slope > slopeThreshold_) {
      dark = true;
      darkened(true);
      if (band) {
        from.Y = Shifted(from.Y, lineHeight_);
        to.Y = Shifted(to.Y, lineHeight_);
      }
    }
  }
  canvas.Ribbon3D(from, to, front, back);
  if (dark) darkened(false);
}

void TCustomSeries::DrawAreaPiece(TPoint p, TColor color, bool last)
{
  TSeriesChart* chart = ParentChart();
  TTeeCanvas3D& canvas = chart->Canvas();
  const TPoint q = previous_;
  const TColor fill = AreaColorFor(color);
  canvas.ApplyChartPen(*areaLinesPen_);
  if (areaLinesPen_->Color() == platform::clDefault || !areaLinesPen_->Visible()) canvas.Pen().SetColor(color);
  SetBrushOver(canvas, fill, areaBrush_, SeriesColor());
  const int front = DepthStart;
  if (chart->View3D() && last) canvas.DepthRectangleX(p.X, p.Y, origin_, front, DepthEnd);
  if (stairs_) {
    canvas.Rectangle3D({q.X, origin_, Shifted(p.X, 1), invertedStairs_ ? p.Y : q.Y}, front);
    return;
  }
  canvas.Quad3D({q.X, previousOrigin_}, q, p, {p.X, origin_}, front);
}

}  // namespace chart
