// The solids of the chart canvas: box, cylinder, pyramid, pie slice and arrow. Faces are chosen
// by their projected positions and drawn in a fixed order; shaded faces darken the colour the
// solid started with.
#include "chart/canvas/ChartColors.h"
#include "chart/canvas/TeeCanvas3D.h"

#include "platform/CanvasRounding.h"

#include <cmath>
#include <numbers>
#include <utility>

namespace chart {

namespace {
using platform::SafeRound;

// The face colour of a solid: the solid brush's colour, or the background between hatch lines.
class TShading {
public:
  explicit TShading(platform::TCanvas& canvas)
      : canvas_(canvas),
        solid_(canvas.Brush().Style() == platform::TBrushStyle::bsSolid),
        face_(solid_ ? canvas.Brush().Color() : canvas.BkColor())
  {
  }
  void Shade(int amount) { Set(DarkenChartColor(face_, amount)); }
  void Restore() { Set(face_); }

private:
  void Set(TColor color)
  {
    if (solid_)
      canvas_.Brush().SetColor(color);
    else
      canvas_.SetBkColor(color);
  }
  platform::TCanvas& canvas_;
  bool solid_;
  TColor face_;
};

void Order(int& a, int& b)
{
  if (a > b)
    std::swap(a, b);
}

int Half(int a, int b) { return int((static_cast<long long>(a) + b) / 2); }
int HalfSpan(int a, int b) { return int((static_cast<long long>(b) - a) / 2); }
}  // namespace

void TTeeCanvas3D::Box3D(int left, int right, int top, int bottom, int z0, int z1, bool darkSides)
{
  Order(left, right);
  Order(top, bottom);
  Order(z0, z1);
  TShading shading(*target_);
  const TPoint p0 = P(left, top, z0);
  const TPoint p1 = P(right, top, z0);
  const TPoint p2 = P(right, bottom, z0);
  const TPoint p3 = P(right, top, z1);
  const TPoint p4 = P(left, bottom, z0);
  Polygon4(p0, p1, p2, p4);
  const TPoint rightBottomBack = P(right, bottom, z1);
  if (darkSides)
    shading.Shade(kSideShade);
  if (rightBottomBack.X > p2.X)
    Polygon4(p1, p3, rightBottomBack, p2);
  else
    Polygon4(p0, P(left, top, z1), P(left, bottom, z1), p4);
  const TPoint leftTopBack = P(left, top, z1);
  if (p1.Y > leftTopBack.Y) {
    if (darkSides)
      shading.Shade(kTopShade);
    Polygon4(p0, p1, p3, leftTopBack);
  }
}

void TTeeCanvas3D::Cylinder3D(bool vertical, int left, int top, int right, int bottom, int z0, int z1, bool darkCover)
{
  Order(left, right);
  Order(top, bottom);
  Order(z0, z1);
  TShading shading(*target_);
  const double depthRadius = HalfSpan(z0, z1);
  const int depthCentre = Half(z0, z1);
  std::array<TPoint, 16> cap;
  std::array<TPoint, 16> base;
  for (int i = 1; i <= 16; ++i) {
    const double a = (vertical ? i - 4 : i + 5) * std::numbers::pi / 8;
    const int z = depthCentre - SafeRound(depthRadius * std::cos(a));
    std::size_t k = std::size_t(i - 1);
    if (vertical) {
      const int x = platform::ClampCoord(static_cast<long long>(Half(left, right)) + SafeRound(HalfSpan(left, right) * std::sin(a)));
      cap[k] = P(x, top, z);
      base[k] = P(x, bottom, z);
    } else {
      const int y = platform::ClampCoord(static_cast<long long>(Half(top, bottom)) + SafeRound(HalfSpan(top, bottom) * std::sin(a)));
      cap[k] = P(right, y, z);
      base[k] = P(left, y, z);
    }
  }
  const std::size_t last = vertical ? 16 : 14;
  int drawn = 0;
  for (std::size_t i = 1; i < last; ++i) {
    const bool facing = vertical ? cap[i].X > cap[i - 1].X : cap[i].Y > cap[i - 1].Y;
    if (!facing)
      continue;
    if (darkCover)
      shading.Shade((drawn % 16) * 16);
    ++drawn;
    Polygon4(cap[i - 1], base[i - 1], base[i], cap[i]);
  }
  if (darkCover)
    shading.Shade(kTopShade);
  target_->Polygon(cap);
}

void TTeeCanvas3D::Pyramid3D(bool vertical, int left, int top, int right, int bottom, int z0, int z1, bool darkSides)
{
  Order(z0, z1);
  TShading shading(*target_);
  const int depthCentre = Half(z0, z1);
  if (vertical) {
    if (bottom != top) {
      const TPoint p1 = P(left, bottom, z0);
      const TPoint p2 = P(right, bottom, z0);
      const TPoint apex = P(Half(left, right), top, depthCentre);
      const TPoint front[] = {p1, apex, p2};
      target_->Polygon(front);
      const TPoint p4 = P(left, bottom, z1);
      const bool backSeen = bottom > top && p4.Y < apex.Y;
      if (backSeen) {
        const TPoint leftSide[] = {p1, apex, p4};
        target_->Polygon(leftSide);
      }
      if (darkSides)
        shading.Shade(kSideShade);
      const TPoint p5 = P(right, bottom, z1);
      const TPoint rightSide[] = {p2, apex, p5};
      target_->Polygon(rightSide);
      if (backSeen) {
        const TPoint back[] = {apex, p4, p5};
        target_->Polygon(back);
      }
    }
    if (bottom <= top) {
      if (darkSides)
        shading.Shade(kTopShade);
      DepthRectangleY(left, bottom, right, z0, z1);
    }
    return;
  }
  if (left != right) {
    const TPoint p1 = P(left, top, z0);
    const TPoint p2 = P(left, bottom, z0);
    const TPoint apex = P(right, Half(top, bottom), depthCentre);
    const TPoint front[] = {p1, apex, p2};
    target_->Polygon(front);
    if (darkSides)
      shading.Shade(kTopShade);
    const TPoint topSide[] = {p1, apex, P(left, top, z1)};
    target_->Polygon(topSide);
  }
  if (left >= right) {
    if (darkSides)
      shading.Shade(kSideShade);
    DepthRectangleX(left, top, bottom, z0, z1);
  }
}

void TTeeCanvas3D::PieSlice3D(int xCenter, int yCenter, int xRadius, int yRadius, int z0, int z1, double startAngle,
                              double endAngle, bool darkSides, bool drawSides)
{
  constexpr int kPoints = 32;
  const double step = (endAngle - startAngle) / (kPoints - 1);
  std::array<TPoint, kPoints> face;
  std::array<TPoint, kPoints> rim;
  for (int i = 0; i < kPoints; ++i) {
    const double a = startAngle + i * step;
    const int x = platform::ClampCoord(static_cast<long long>(xCenter) + SafeRound(xRadius * std::cos(a)));
    const int y = platform::ClampCoord(static_cast<long long>(yCenter) - SafeRound(yRadius * std::sin(a)));
    face[std::size_t(i)] = P(x, y, z1);
    rim[std::size_t(i)] = P(x, y, z0);
  }
  const TPoint centreBack = P(xCenter, yCenter, z1);
  const TPoint centreFront = P(xCenter, yCenter, z0);
  TShading shading(*target_);
  if (drawSides) {
    if (darkSides)
      shading.Shade(kPieShade);
    if (face.back().X < centreBack.X)
      Polygon4(centreBack, face.back(), rim.back(), centreFront);
    if (face.front().X > centreBack.X)
      Polygon4(centreBack, face.front(), rim.front(), centreFront);
  }
  shading.Restore();
  std::array<TPoint, kPoints + 1> disc;
  disc[0] = centreBack;
  std::copy(face.begin(), face.end(), disc.begin() + 1);
  target_->Polygon(disc);

  // The rim shows where the face arc runs rightwards on screen.
  std::array<TPoint, 2 * kPoints> piece;
  auto drawPiece = [&](int from, int to) {
    std::size_t n = 0;
    for (int i = from; i <= to; ++i)
      piece[n++] = face[std::size_t(i)];
    for (int i = to; i >= from; --i)
      piece[n++] = rim[std::size_t(i)];
    if (darkSides)
      shading.Shade(kPieShade);
    target_->Polygon(std::span<const TPoint>(piece.data(), n));
  };
  // Points on one pixel column continue a run either way, so a rim over a whole half arc
  // starts at its first point even where the arc turns on the spot.
  auto x = [&face](int i) { return face[std::size_t(i)].X; };
  int start = 1;
  while (start < kPoints && x(start) <= x(start - 1))
    ++start;
  if (start == kPoints)
    return;
  int first = start - 1;
  while (first > 0 && x(first - 1) == x(first))
    --first;
  int end = start + 1;
  while (end < kPoints && x(end) >= x(end - 1))
    ++end;
  drawPiece(first, end - 1);
  if (end >= kPoints || x(kPoints - 1) <= x(kPoints - 2))
    return;
  int second = kPoints - 1;
  while (second > 1 && x(second) >= x(second - 1))
    --second;
  if (second > end - 1)
    drawPiece(second, kPoints - 1);
}

void TTeeCanvas3D::Arrow3D(bool filled, TPoint from, TPoint to, int headWidth, int headLength, int z)
{
  const double dx = double(to.X) - from.X;
  const double dy = double(from.Y) - to.Y;
  const double length = std::sqrt(dx * dx + dy * dy);
  if (length == 0)
    return;
  const double head = std::min<double>(SafeRound(length), headLength);
  const double c = dx / length;
  const double s = dy / length;
  auto at = [&](double u, double v) {
    return P(SafeRound(u * c + v * s), SafeRound(-u * s + v * c), z);
  };
  const double uTip = to.X * c - to.Y * s;
  const double vTip = to.X * s + to.Y * c;
  const double uBase = uTip - head;
  const double half = headWidth / 2.0;
  if (!filled) {
    const TPoint tip = P(to.X, to.Y, z);
    const TPoint shaft[] = {P(from.X, from.Y, z), tip};
    target_->Polyline(shaft);
    // The head points go through the projection like the tip, so the head stays on it in 3-D.
    const TPoint edges[] = {at(uBase, vTip + half), tip, at(uBase, vTip - half)};
    target_->Polyline(edges);
    return;
  }
  const double quarter = headWidth / 4.0;
  const double uTail = from.X * c - from.Y * s;
  const TPoint outline[] = {at(uTail, vTip + quarter), at(uTail, vTip - quarter), at(uBase, vTip - quarter),
                            at(uBase, vTip - half),    P(to.X, to.Y, z),        at(uBase, vTip + half),
                            at(uBase, vTip + quarter)};
  target_->Polygon(outline);
}

}  // namespace chart
