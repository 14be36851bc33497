#include "platform/CanvasPolygonFill.h"

#include <array>
#include <cstdint>

namespace platform {

namespace {
struct TEdge {
  std::int64_t X;  // 16.16 at the centre of row Top
  std::int32_t Slope;  // 16.16 per row
  int Top;
  int Bottom;  // last row, inclusive
};
}  // namespace

bool FillPolygonSpans(uchar* bits, qsizetype stride, std::span<const TPoint> points, QRgb color, const TRect& area)
{
  const std::size_t n = points.size();
  if (n < 3 || n > kMaxSpanFillPoints)
    return false;
  int top = points[0].Y, bottom = points[0].Y;
  for (const TPoint& p : points) {
    if (p.X < area.Left || p.X > area.Right || p.Y < area.Top || p.Y > area.Bottom)
      return false;
    top = std::min(top, p.Y);
    bottom = std::max(bottom, p.Y);
  }
  std::array<TEdge, kMaxSpanFillPoints> edges;
  std::size_t count = 0;
  for (std::size_t k = 0; k < n; ++k) {
    TPoint a = points[k];
    TPoint b = points[k + 1 < n ? k + 1 : 0];
    if (a.Y > b.Y)
      std::swap(a, b);
    if (a.Y == b.Y)
      continue;  // rows a.Y .. b.Y - 1 are empty
    // In 26.6 the rows from (ay + 32) >> 6 to (by - 32) >> 6 are a.Y .. b.Y - 1.
    const std::int64_t ax = std::int64_t(a.X) * 64, ay = std::int64_t(a.Y) * 64;
    const std::int64_t bx = std::int64_t(b.X) * 64, by = std::int64_t(b.Y) * 64;
    const std::int64_t aFP = 32768 + (ax << 10);
    if (ax == bx) {
      edges[count++] = {aFP, 0, a.Y, b.Y - 1};
      continue;
    }
    const double slope = double(bx - ax) / double(by - ay);
    const auto slopeFP = static_cast<std::int32_t>(slope * 65536.);
    const std::int64_t x = aFP + ((std::int64_t(slopeFP) * ((std::int64_t(a.Y) << 16) + 32768 - (ay << 10))) >> 16);
    edges[count++] = {x, slopeFP, a.Y, b.Y - 1};
  }
  std::array<std::int64_t, kMaxSpanFillPoints> xs;
  for (int y = top; y < bottom; ++y) {
    std::size_t m = 0;
    for (std::size_t e = 0; e < count; ++e) {
      const TEdge& edge = edges[e];
      if (y < edge.Top || y > edge.Bottom)
        continue;
      const std::int64_t x = edge.X + std::int64_t(y - edge.Top) * edge.Slope;
      std::size_t at = m++;
      for (; at > 0 && xs[at - 1] > x; --at)
        xs[at] = xs[at - 1];
      xs[at] = x;
    }
    auto* line = reinterpret_cast<QRgb*>(bits + y * stride);
    for (std::size_t k = 0; k + 1 < m; k += 2) {
      const int from = std::max(int(xs[k] >> 16), area.Left);
      const int to = std::min(int(xs[k + 1] >> 16), area.Right);
      if (from < to)
        std::fill(line + from, line + to, color);
    }
  }
  return true;
}

}  // namespace platform
