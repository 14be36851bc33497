#include "plot/contour/Contour.h"

#include "plot/contour/ChainMerge.h"

#include "plot/graph/Graph.h"
#include "plot/support/FloatUtils.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace plot {

namespace {

bool IsMissing(double z) { return std::fabs(z) == MissingValue; }

constexpr double kTouch = 1e-5;

// Both coordinates closer than the join tolerance.
bool Touches(const TFloatPoint& a, const TFloatPoint& b)
{
  return std::fabs(a.X - b.X) < kTouch && std::fabs(a.Y - b.Y) < kTouch;
}

// The level as 12 significant digits give it.
double RoundedLevel(double level)
{
  char text[64];
  std::snprintf(text, sizeof text, "%.12g", level);
  return std::strtod(text, nullptr);
}

}  // namespace

TContour::TContour(TGraph& graph, TVector x, TVector y, TMatrix z, int levelCount, bool colorMap, bool skipZeroLevel,
                   TContourProgress progress)
    : TLayer(graph), LevelCount(levelCount), XValues(std::move(x)), YValues(std::move(y)), ZValues(std::move(z)),
      Progress(std::move(progress))
{
  SkipZero = skipZeroLevel;
  LabelFont.SetName(QStringLiteral("Arial"));
  LabelFont.SetSize(8);
  LabelFont.SetCharset(graph.Charset);
  Multicolor = true;
  HitIndex = -1;
  SetColorMap(colorMap);
  ZMin = 1e30;
  ZMax = -1e30;
  if (GetColorMap()) {
    ScaleMax = ZMax = GetZMax();
    ScaleMin = ZMin = GetZMin();
    UpperFixed = false;
    LowerFixed = false;
  } else {
    Calculate();
    CreateLabels();
  }
  LabelsVisible = true;
}

TContour::~TContour() = default;

// A label never outlives its chain.
void TContour::ClearChains()
{
  ClearLabels();
  Chains.clear();
}

double TContour::GetZMin() const
{
  double least = 1e38;
  for (int r = 1; r <= ZValues.Rows; ++r)
    for (int c = 1; c <= ZValues.Cols; ++c) {
      const double z = ZValues.GetValue(r, c);
      if (!IsMissing(z))
        least = std::min(least, z);
    }
  return least;
}

double TContour::GetZMax() const
{
  double most = -1e38;
  for (int r = 1; r <= ZValues.Rows; ++r)
    for (int c = 1; c <= ZValues.Cols; ++c) {
      const double z = ZValues.GetValue(r, c);
      if (!IsMissing(z))
        most = std::max(most, z);
    }
  return most;
}

void TContour::GetExtents(double& xMin, double& xMax, double& yMin, double& yMax) const
{
  xMin = XValues.MinValue;
  xMax = XValues.MaxValue;
  yMin = YValues.MinValue;
  yMax = YValues.MaxValue;
}

bool TContour::Calculate()
{
  ZMin = GetZMin();
  ZMax = GetZMax();
  ClearChains();
  TraceEnd = TTraceEnd::Done;
  cellsSinceProgress_ = 0;
  segments_ = 0;
  if (ScaleMin == 0 && ScaleMax == 0) {
    ScaleMin = ZMin;
    ScaleMax = ZMax;
  }
  const double lower = LowerFixed ? ScaleMin : ZMin;
  const double upper = UpperFixed ? ScaleMax : ZMax;
  if (AutoLevels) {
    if (std::fabs(ZMin - ZMax) < 1e-50)
      return true;
    const double step = UseLevelStep ? LevelStep : (upper - lower) / std::max(LevelCount, 1);
    for (int k = 0; k < LevelCount && TraceEnd == TTraceEnd::Done; ++k) {
      const double level = lower + k * step;
      if (!(level == 0 && SkipZero))
        AddLevel(Chains, level);
    }
  }
  if (UserLevelsVisible)
    for (const QString& line : UserLevels) {
      if (TraceEnd != TTraceEnd::Done)
        break;
      bool ok = false;
      const double level = line.trimmed().toDouble(&ok);
      if (!ok)
        return false;
      AddLevel(Chains, level);
    }
  if (TraceEnd != TTraceEnd::Done)
    ClearChains();
  return true;
}

bool TContour::KeepTracing(const TContourChains& list)
{
  if (TraceEnd != TTraceEnd::Done)
    return false;
  if (list.size() > MaxChains || segments_ > MaxSegments) {
    TraceEnd = TTraceEnd::TooLarge;
    return false;
  }
  if (cellsSinceProgress_ < kProgressCells)
    return true;
  cellsSinceProgress_ = 0;
  if (Progress && !Progress()) {
    TraceEnd = TTraceEnd::Stopped;
    return false;
  }
  return true;
}

namespace {

// Fills the missing corners a cell can do without; false when it still has one.
bool FillMissingCorners(double (&z)[4])
{
  const bool m1 = IsMissing(z[0]), m2 = IsMissing(z[1]), m3 = IsMissing(z[2]), m4 = IsMissing(z[3]);
  const auto only = [&](bool a, bool b, bool c, bool d) { return m1 == a && m2 == b && m3 == c && m4 == d; };
  if (only(true, false, false, false))
    z[0] = (z[1] + z[3]) / 2;
  else if (only(false, false, true, false))
    z[2] = (z[1] + z[3]) / 2;
  else if (only(false, true, false, false))
    z[1] = (z[0] + z[2]) / 2;
  else if (only(false, false, false, true))
    z[3] = (z[0] + z[2]) / 2;
  else if (only(true, true, true, false))
    z[0] = z[1] = z[2] = z[3];
  else if (only(true, true, false, true))
    z[0] = z[1] = z[3] = z[2];
  else if (only(true, false, true, true))
    z[0] = z[2] = z[3] = z[1];
  else if (only(false, true, true, true))
    z[1] = z[2] = z[3] = z[0];
  else if (only(false, false, true, true)) {
    z[3] = z[0];
    z[2] = z[1];
  } else if (only(false, true, true, false)) {
    z[1] = z[0];
    z[2] = z[3];
  }
  return !std::any_of(std::begin(z), std::end(z), IsMissing);
}

// The smallest distance between neighbouring nodes; infinity when there is none.
double SmallestStep(const std::vector<double>& nodes, int count)
{
  double least = std::numeric_limits<double>::infinity();
  for (int i = 1; i < count; ++i) {
    const double step = std::fabs(nodes[static_cast<std::size_t>(i)] - nodes[static_cast<std::size_t>(i - 1)]);
    if (step > 0)
      least = std::min(least, step);
  }
  return least;
}

}  // namespace

void TContour::AddLevel(TContourChains& list, double level)
{
  level = RoundedLevel(level);
  if (level < ZMin || level > ZMax)
    return;
  const int nR = XValues.Count;
  const int nC = YValues.Count;
  const std::vector<double>& xs = XValues.Values();
  const std::vector<double>& ys = YValues.Values();
  if (ZValues.Rows < nR || ZValues.Cols < nC || static_cast<int>(xs.size()) < nR || static_cast<int>(ys.size()) < nC)
    return;  // nodes and values that do not agree
  // Index cells of half a grid cell hold few chain ends each.
  TChainMerger merger(list, level, std::min(SmallestStep(xs, nR), SmallestStep(ys, nC)) / 2);
  const double* z = ZValues.Data().data();
  const std::size_t cols = static_cast<std::size_t>(ZValues.Cols);
  for (int c = 1; c < nC; ++c)
    for (int r = 1; r < nR; ++r) {
      if (++cellsSinceProgress_ >= kProgressCells && !KeepTracing(list))
        return;
      const double* lower = z + static_cast<std::size_t>(r - 1) * cols + static_cast<std::size_t>(c - 1);
      const double* upper = lower + cols;
      const double z1 = lower[0], z2 = upper[0], z3 = upper[1], z4 = lower[1];
      // A cell wholly above or below the level has no piece of it (its centre is their mean). A
      // missing corner does not change that: it is filled from the others, or the cell skipped.
      if ((z1 > level && z2 > level && z3 > level && z4 > level) ||
          (z1 < level && z2 < level && z3 < level && z4 < level))
        continue;
      TContourCell cell{{xs[r - 1], xs[r], xs[r], xs[r - 1]}, {ys[c - 1], ys[c - 1], ys[c], ys[c]}, {z1, z2, z3, z4}};
      if (FillMissingCorners(cell.z))
        TraceCell(merger, level, cell);
    }
}

// The four triangles of a cell around its centre, each giving at most one segment.
void TContour::TraceCell(TChainMerger& merger, double level, const TContourCell& cell)
{
  const TFloatPoint centre{(cell.x[0] + cell.x[1]) / 2, (cell.y[0] + cell.y[2]) / 2};
  const double zc = (cell.z[0] + cell.z[1] + cell.z[2] + cell.z[3]) / 4;
  for (int i = 0; i < 4; ++i) {
    const int j = (i + 1) % 4;
    const TFloatPoint v[3] = {{cell.x[i], cell.y[i]}, {cell.x[j], cell.y[j]}, centre};
    const double z[3] = {cell.z[i], cell.z[j], zc};
    if ((z[0] > level && z[1] > level && z[2] > level) || (z[0] < level && z[1] < level && z[2] < level) ||
        (z[0] == level && z[1] == level && z[2] == level))
      continue;
    if (z[0] == level && z[1] == level) {
      AddSegment(merger, level, v[0], v[1], cell);
      continue;
    }
    if (z[1] == level && z[2] == level) {
      AddSegment(merger, level, v[1], v[2], cell);
      continue;
    }
    if (z[0] == level && z[2] == level) {
      AddSegment(merger, level, v[0], v[2], cell);
      continue;
    }
    TFloatPoint crossings[3];
    int count = 0;
    for (int k = 0; k < 3; ++k) {
      const int a = k, b = (k + 1) % 3;
      if (!(std::fabs(z[b] - z[a]) > 0))
        continue;
      const double t = (level - z[a]) / (z[b] - z[a]);
      if (!(0 <= t && t <= 1))
        continue;
      const TFloatPoint crossing{v[a].X + (v[b].X - v[a].X) * t, v[a].Y + (v[b].Y - v[a].Y) * t};
      // A level through a vertex is crossed there twice; it counts once, so the line from the
      // other crossing to that vertex is kept.
      if (count == 0 || !Touches(crossing, crossings[count - 1]))
        crossings[count++] = crossing;
    }
    if (count >= 2)
      AddSegment(merger, level, crossings[count - 1], crossings[count - 2], cell);
  }
}

void TContour::AddSegment(TChainMerger& merger, double level, const TFloatPoint& p, const TFloatPoint& q,
                          const TContourCell& cell)
{
  ++segments_;
  merger.Add(level, p, q, cell);
}

void AddContourSegment(TContourChains& list, double level, const TFloatPoint& p, const TFloatPoint& q,
                       const TContourCell& cell)
{
  TChainMerger(list, level, 1e-3).Add(level, p, q, cell);
}

namespace {

// The index i (1-based, 2..n) of the node interval [v[i-1], v[i]] holding the clamped value, by
// binary search; 1 when there is one node only.
int NodeInterval(const std::vector<double>& v, double& p)
{
  const int n = static_cast<int>(v.size());
  if (n <= 1)
    return 1;
  p = std::clamp(p, v.front(), v.back());
  const auto it = std::lower_bound(v.begin() + 1, v.end() - 1, p);
  return static_cast<int>(it - v.begin()) + 1;
}

}  // namespace

double InterpolateGrid(const TVector& x, const TVector& y, const TMatrix& z, double px, double py)
{
  const std::vector<double>& xs = x.Values();
  const std::vector<double>& ys = y.Values();
  if (xs.empty() || ys.empty() || std::isnan(px) || std::isnan(py))
    return MissingValue;
  const int i = NodeInterval(xs, px);
  const int j = NodeInterval(ys, py);
  const int i0 = std::max(i - 1, 1), j0 = std::max(j - 1, 1);
  const double z00 = z.GetValue(i0, j0), z01 = z.GetValue(i0, j), z10 = z.GetValue(i, j0), z11 = z.GetValue(i, j);
  for (const double v : {z00, z01, z10, z11})
    if (IsMissing(v))
      return v;
  const double x0 = xs[i0 - 1], x1 = xs[i - 1], y0 = ys[j0 - 1], y1 = ys[j - 1];
  const Extended tx = x1 == x0 ? 0 : (static_cast<Extended>(px) - x0) / (x1 - x0);
  const Extended ty = y1 == y0 ? 0 : (static_cast<Extended>(py) - y0) / (y1 - y0);
  return static_cast<double>((1 - tx) * (1 - ty) * z00 + tx * (1 - ty) * z10 + (1 - tx) * ty * z01 + tx * ty * z11);
}

}  // namespace plot
