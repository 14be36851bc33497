// The pointer's symbols, flat and as solids at the owner's depth.
#include "chart/series/SeriesPointer.h"

#include "chart/canvas/TeeCanvas3D.h"
#include "chart/model/ChartSeries.h"
#include "chart/model/SeriesChart.h"
#include "platform/CanvasRounding.h"

#include <algorithm>
#include <array>

namespace chart {
namespace {

// A coordinate offset from the centre, kept within what the canvas passes on, so that a huge size
// never wraps round the integer range.
int Offset(int centre, long long delta)
{
  const long long value = centre + delta;
  return int(std::clamp<long long>(value, -platform::kMaxCoord, platform::kMaxCoord));
}

// The symbol's box and the depths it lies between.
struct TSymbolBox {
  int X, Y, Left, Top, Right, Bottom, Front, Back;
  int RightEdge() const { return Offset(Right, 1); }    // the last column drawn
  int BottomEdge() const { return Offset(Bottom, 1); }  // the last row drawn
};

void DrawFlatCross(TTeeCanvas3D& canvas, const TSymbolBox& b)
{
  canvas.VerticalLine(b.X, b.Top, b.BottomEdge());
  canvas.HorizontalLine(b.Left, b.RightEdge(), b.Y);
}

void DrawFlatDiagCross(TTeeCanvas3D& canvas, const TSymbolBox& b)
{
  canvas.DrawLine(b.Left, b.Top, b.RightEdge(), b.BottomEdge());
  canvas.DrawLine(b.Right, b.Top, Offset(b.Left, -1), b.BottomEdge());
}

void DrawSolidCross(TTeeCanvas3D& canvas, const TSymbolBox& b)
{
  canvas.VerticalLine3D(b.X, b.Top, b.BottomEdge(), b.Front);
  canvas.HorizontalLine3D(b.Left, b.RightEdge(), b.Y, b.Front);
}

void DrawSolidDiagCross(TTeeCanvas3D& canvas, const TSymbolBox& b)
{
  canvas.Line3D(b.Left, b.Top, b.RightEdge(), b.BottomEdge(), b.Front);
  canvas.Line3D(b.Right, b.Top, Offset(b.Left, -1), b.BottomEdge(), b.Front);
}

// A triangle with its apex at apexY and its base at baseY.
void DrawFlatTriangle(TTeeCanvas3D& canvas, const TSymbolBox& b, int apexY, int baseY)
{
  const std::array<TPoint, 3> points{TPoint{b.Left, baseY}, TPoint{b.Right, baseY}, TPoint{b.X, apexY}};
  canvas.DrawPolygon(points);
}

void DrawSolidTriangle(TTeeCanvas3D& canvas, const TSymbolBox& b, int apexY, int baseY, bool draw3D, bool dark3D)
{
  if (draw3D) {
    canvas.Pyramid3D(true, b.Left, apexY, b.Right, baseY, b.Front, b.Back, dark3D);
    return;
  }
  canvas.Triangle3D({b.Right, baseY}, {b.Left, baseY}, {b.X, apexY}, b.Front);
}

}  // namespace

void TSeriesPointer::DrawSymbol(bool is3D, int x, int y, int halfWidth, int halfHeight, TColor color,
                                TSeriesPointerStyle style) const
{
  TSeriesChart* chart = owner_.ParentChart();
  if (chart == nullptr) return;
  TTeeCanvas3D& canvas = chart->Canvas();
  const TSymbolBox b{x,
                     y,
                     Offset(x, -static_cast<long long>(halfWidth)),
                     Offset(y, -static_cast<long long>(halfHeight)),
                     Offset(x, halfWidth),
                     Offset(y, halfHeight),
                     owner_.DepthStart,
                     owner_.DepthEnd};
  using enum TSeriesPointerStyle;
  // The line symbols are drawn in the point's colour whatever the pen's.
  if (style == psCross || style == psDiagCross || style == psStar) canvas.Pen().SetColor(color);
  if (!is3D) {
    switch (style) {
    case psRectangle: canvas.DrawRectangle(b.Left, b.Top, b.RightEdge(), b.BottomEdge()); break;
    case psCircle: canvas.DrawEllipse(b.Left, b.Top, b.Right, b.Bottom); break;
    case psTriangle: DrawFlatTriangle(canvas, b, b.Top, b.Bottom); break;
    case psDownTriangle: DrawFlatTriangle(canvas, b, b.Bottom, b.Top); break;
    case psCross: DrawFlatCross(canvas, b); break;
    case psDiagCross: DrawFlatDiagCross(canvas, b); break;
    case psStar:
      DrawFlatCross(canvas, b);
      DrawFlatDiagCross(canvas, b);
      break;
    case psDiamond: {
      const std::array<TPoint, 4> points{TPoint{b.Left, y}, TPoint{x, b.Top}, TPoint{b.Right, y}, TPoint{x, b.Bottom}};
      canvas.DrawPolygon(points);
      break;
    }
    case psSmallDot: canvas.PutPixel(x, y, color); break;
    }
    return;
  }
  switch (style) {
  case psRectangle:
    if (draw3D_)
      canvas.Box3D(b.Left, b.Right, b.Top, b.Bottom, b.Front, b.Back, dark3D_);
    else
      canvas.Rectangle3D({b.Left, b.Top, b.RightEdge(), b.BottomEdge()}, b.Front);
    break;
  case psCircle: canvas.Ellipse3D(b.Left, b.Top, b.Right, b.Bottom, b.Front); break;
  case psTriangle: DrawSolidTriangle(canvas, b, b.Top, b.Bottom, draw3D_, dark3D_); break;
  case psDownTriangle: DrawSolidTriangle(canvas, b, b.Bottom, b.Top, draw3D_, dark3D_); break;
  case psCross: DrawSolidCross(canvas, b); break;
  case psDiagCross: DrawSolidDiagCross(canvas, b); break;
  case psStar:
    DrawSolidCross(canvas, b);
    DrawSolidDiagCross(canvas, b);
    break;
  case psDiamond: canvas.Quad3D({b.Left, y}, {x, b.Top}, {b.Right, y}, {x, b.Bottom}, b.Front); break;
  case psSmallDot: canvas.Pixel3D(x, y, b.Front, color); break;
  }
}

}  // namespace chart
