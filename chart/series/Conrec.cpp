#include "chart/series/Conrec.h"

#include "platform/CanvasRounding.h"

namespace chart {
namespace {

using platform::TPoint;

// The case of a triangle (corner m, centre, corner m + 1) by the signs of its heights, each + 1.
constexpr int kCases[3][3][3] = {
    {{0, 0, 8}, {0, 2, 5}, {7, 6, 9}},
    {{0, 3, 4}, {1, 3, 1}, {4, 3, 0}},
    {{9, 6, 7}, {5, 2, 0}, {8, 0, 0}},
};

int Sign(double h) { return h > 0 ? 1 : (h < 0 ? -1 : 0); }

int Cross(double hp, double hq, int p, int q)
{
  return platform::ToPixel((hq * p - hp * q) / (hq - hp));
}

}  // namespace

int TraceContourCell(const TContourCell& cell, std::array<TContourSegment, 4>& segments)
{
  const auto& pt = cell.Points;
  const auto& h = cell.Heights;
  // Where the level crosses the side from point a to point b. Equal heights have no crossing:
  // the point a stands for it.
  const auto crossing = [&](int a, int b) {
    if (h[a] == h[b]) return pt[a];
    return TPoint{Cross(h[a], h[b], pt[a].X, pt[b].X), Cross(h[a], h[b], pt[a].Y, pt[b].Y)};
  };
  int count = 0;
  for (int m = 1; m <= 4; ++m) {
    const int v1 = m;
    const int v2 = 0;
    const int v3 = m == 4 ? 1 : m + 1;
    const int which = kCases[Sign(h[v1]) + 1][Sign(h[v2]) + 1][Sign(h[v3]) + 1];
    TContourSegment s;
    switch (which) {
    case 0: continue;
    case 1: s = {pt[v1], pt[v2]}; break;                          // vertices 1 and 2
    case 2: s = {pt[v2], pt[v3]}; break;                          // vertices 2 and 3
    case 3: s = {pt[v3], pt[v1]}; break;                          // vertices 3 and 1
    case 4: s = {pt[v1], crossing(v2, v3)}; break;                // vertex 1, side 2-3
    case 5: s = {pt[v2], crossing(v3, v1)}; break;                // vertex 2, side 3-1
    case 6: s = {pt[v3], crossing(v1, v2)}; break;                // vertex 3, side 1-2
    case 7: s = {crossing(v1, v2), crossing(v2, v3)}; break;      // sides 1-2 and 2-3
    case 8: s = {crossing(v2, v3), crossing(v3, v1)}; break;      // sides 2-3 and 3-1
    default: s = {crossing(v3, v1), crossing(v1, v2)}; break;     // sides 3-1 and 1-2
    }
    segments[std::size_t(count++)] = s;
  }
  return count;
}

}  // namespace chart
