// The 27 shapes of the point symbol, each centred on a pixel point.
#include "plot/parts/Marker.h"

#include "plot/graph/Graph.h"
#include "plot/support/GraphLibrary.h"

#include "platform/CanvasRounding.h"

#include <array>
#include <cmath>
#include <initializer_list>
#include <numbers>
#include <span>

namespace plot {

using platform::SafeRound;
using platform::TColor;
using platform::TPoint;

int MarkerShape(int style)
{
  if (style > 27)
    style -= 27;
  return style > 27 ? 0 : style;
}

namespace {

constexpr double kPi = std::numbers::pi;
constexpr TColor kAlmostWhite = 0xFFFFFE;

// Draws one symbol on the graph's canvas with the pen and brush set up by the marker.
class TSymbolPainter {
public:
  TSymbolPainter(const TGraph& graph, int x, int y, int s, TColor inner)
      : canvas_(*graph.Canvas), unit_(graph.UnitHeight), x_(x), y_(y), s_(s), inner_(inner)
  {
  }

  void Shape(int shape)
  {
    const int half = SafeRound(s_ / 2.0);
    switch (shape) {
    case 1:
      Square();
      break;
    case 2:
      canvas_.Ellipse(x_ - s_ / 2, y_ - s_ / 2, x_ + s_ / 2, y_ + s_ / 2);
      break;
    case 3:
      PolygonOf({{x_, y_ - half}, {x_ - half, y_ + half}, {x_ + half, y_ + half}});
      break;
    case 4:
      PolygonOf({{x_, y_ + half}, {x_ + half, y_ - half}, {x_ - half, y_ - half}});
      break;
    case 5:
      Plus(half, 0);
      break;
    case 6:
      Cross(half);
      break;
    case 7:
      Plus(half, 0);
      Cross(half);
      break;
    case 8:
      Poly(s_, 5, false, 0);
      break;
    case 9:
      Square();
      Fill(platform::clWhite);
      PolygonOf({points_[2], points_[3], points_[0]});
      break;
    case 10:
      Poly(SafeRound(std::sqrt(2.0) * s_), 9, true, kPi / 4);
      break;
    case 11:
      WhiteCircle(81);
      Fill(inner_);
      Poly(std::max(1, s_ / 2), 81, false, 0);
      break;
    case 12:
      WhiteCircle(81);
      Fill(inner_);
      Poly(std::max(1, SafeRound(s_ / 1.5)), 5, false, 0);
      break;
    case 13:
      WhiteCircle(81);
      Fill(inner_);
      Polygon(std::span<const TPoint>(points_.begin() + 20, points_.begin() + 61));
      break;
    case 14:
      FilledCircle();
      ThickPlus(half, kAlmostWhite);
      break;
    case 15:
      WhiteCircle(81);
      ThickPlus(half, outline_);
      break;
    case 16:
    case 17:
    case 18:
      Star(shape);
      break;
    case 19:
    case 20:
    case 21:
      Fill(inner_);
      Poly(s_, 41, false, 0);
      Fill(platform::clWhite);
      if (shape == 20)
        canvas_.Pen().SetColor(kAlmostWhite);
      Star(shape - 3);
      break;
    case 22:
    case 23:
    case 24:
      WhiteCircle(41);
      Fill(shape == 23 ? starInner_ : inner_);
      Star(shape - 6);
      break;
    case 25:
      Quarters();
      break;
    case 26:
      PolygonOf({{x_, y_}, {x_ - s_, y_ - s_ / 2}, {x_ - 3 * unit_, y_}, {x_ - s_, y_ + s_ / 2}, {x_, y_}});
      break;
    case 27:
      FilledCircle();
      VerticalBar();
      break;
    default:
      break;
    }
  }

  TColor outline_ = platform::clBlack;
  TColor starInner_ = platform::clBlack;  // the star of shape 23 keeps its colour in black-and-white output
  bool printing_ = false;

private:
  // Vertices 1..n-1 on a circle of diameter d from startAngle clockwise (on screen), every
  // second one at d / 2 for a star; vertex n repeats vertex 1.
  void MakePolygon(int d, int n, bool star, double startAngle)
  {
    count_ = 0;
    for (int k = 1; k <= n - 1 && k < kMaxVertices; ++k) {
      const double angle = startAngle + (k - 1) * 2 * kPi / (n - 1);
      const double diameter = star && k % 2 == 0 ? d / 2.0 : d;
      points_[count_++] = {x_ + SafeRound(std::cos(angle) * diameter / 2), y_ + SafeRound(std::sin(angle) * diameter / 2)};
    }
    points_[count_++] = points_[0];
  }
  void Poly(int d, int n, bool star, double startAngle)
  {
    MakePolygon(d, n, star, startAngle);
    canvas_.Polygon(points_.data(), count_);
  }
  void Polygon(std::span<const TPoint> points) { canvas_.Polygon(points); }
  void PolygonOf(std::initializer_list<TPoint> points) { Polygon({points.begin(), points.size()}); }
  void Fill(TColor color) { canvas_.Brush().SetColor(color); }

  void Square() { Poly(SafeRound(std::sqrt(2.0) * s_), 5, false, -kPi / 4); }
  void Star(int shape)
  {
    if (shape == 16)
      Poly(s_, 9, true, kPi / 2);
    else if (shape == 17)
      Poly(s_, 11, true, -kPi / 2);
    else
      Poly(s_, 13, true, kPi / 2);
  }
  void WhiteCircle(int n)
  {
    Fill(platform::clWhite);
    Poly(s_, n, false, 0);
  }
  void FilledCircle()
  {
    WhiteCircle(81);
    Fill(inner_);
    Poly(s_, 81, false, 0);
  }
  void Line(int x1, int y1, int x2, int y2)
  {
    canvas_.MoveTo(x1, y1);
    canvas_.LineTo(x2, y2);
  }
  void Plus(int half, int t)
  {
    Line(x_ - half + t, y_, x_ + half - t, y_);
    Line(x_, y_ + half - t, x_, y_ - half - 1 + t);
  }
  void Cross(int half)
  {
    const int c = SafeRound(half * std::sin(kPi / 4));
    Line(x_ - c, y_ - c, x_ + c, y_ + c);
    Line(x_ - c, y_ + c, x_ + c + 1, y_ - c - 1);
  }
  // A plus of width 3 inside the circle when printing, else of width 1.
  void ThickPlus(int half, TColor color)
  {
    canvas_.Pen().SetColor(color);
    const int t = Thicken();
    Plus(half, t);
    canvas_.Pen().SetWidth(1);
  }
  void VerticalBar()
  {
    canvas_.Pen().SetColor(outline_);
    const int t = Thicken();
    const int reach = SafeRound(s_ / 1.5);
    canvas_.MoveTo(x_, y_);
    canvas_.LineTo(x_, y_ + reach - t);
    canvas_.LineTo(x_, y_ - reach - 1 + t);
    canvas_.Pen().SetWidth(1);
  }
  int Thicken()
  {
    if (!printing_)
      return 1;
    canvas_.Pen().SetWidth(3);
    return 3;
  }
  // The lower-right and the upper-left quarter as pie pieces, then a cross past the circle.
  void Quarters()
  {
    WhiteCircle(81);
    Fill(inner_);
    const std::array<TPoint, kMaxVertices> circle = points_;
    for (const int first : {0, 40}) {
      std::array<TPoint, 22> piece;
      piece[0] = {x_, y_};
      for (int k = 0; k <= 20; ++k)
        piece[k + 1] = circle[first + k];
      Polygon(piece);
    }
    Line(x_ - s_, y_, x_ + s_, y_);
    Line(x_, y_ + s_, x_, y_ - s_);
  }

  static constexpr int kMaxVertices = 100;
  platform::TCanvas& canvas_;
  int unit_;
  int x_, y_, s_;
  TColor inner_;
  std::array<TPoint, kMaxVertices> points_{};
  int count_ = 0;
};

}  // namespace

void TMarker::DrawSymbol(int x, int y, int style, int s, TColor color) const
{
  if (!Visible)
    return;
  const bool blackAndWhite = BlackAndWhiteApplies();
  platform::TCanvas& canvas = *Graph->Canvas;
  const TColor outline = blackAndWhite ? platform::clBlack : Color2;
  canvas.Pen().SetColor(outline);
  canvas.Pen().SetWidth(1);
  canvas.Brush().SetStyle(platform::TBrushStyle::bsSolid);
  canvas.Brush().SetColor(blackAndWhite || color == kBlackFillColor ? platform::clBlack : GetDrawColor());
  TSymbolPainter painter(*Graph, x, y, s, blackAndWhite ? platform::clBlack : color);
  painter.outline_ = outline;
  painter.starInner_ = color;
  painter.printing_ = PrinterPrinting();
  painter.Shape(MarkerShape(style));
}

}  // namespace plot
