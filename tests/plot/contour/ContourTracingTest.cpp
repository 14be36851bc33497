#include "ContourFixtures.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <set>

namespace plot::test {
namespace {

TEST(ContourTracing, WorkedExampleGivesOneChain)
{
  TGraphFixture f;
  TContour contour(f.graph, Nodes({0, 1}), Nodes({0, 1}), Values({{0, 0}, {1, 1}}), 1, true, false);
  TContourChains chains;
  contour.AddLevel(chains, 0.25);
  ASSERT_EQ(chains.size(), 1u);
  const TContourChain& chain = chains.front();
  const std::deque<TFloatPoint> points = {{0.25, 1}, {0.25, 0.75}, {0.25, 0.75}, {0.25, 0.25}, {0.25, 0}};
  EXPECT_EQ(chain.Points, points);
  EXPECT_EQ(chain.EndA, (TFloatPoint{0.25, 1}));
  EXPECT_EQ(chain.EndB, (TFloatPoint{0.25, 0}));
  EXPECT_EQ(chain.LabelP1, (TFloatPoint{0.25, 0.25}));
  EXPECT_EQ(chain.LabelP2, (TFloatPoint{0.25, 0}));
  EXPECT_EQ(chain.LabelSlope, 1);
}

TEST(ContourTracing, LevelsAndFlatGrids)
{
  TGraphFixture f;
  // A plane rising from 0 to 1 along X: ten levels 0, 0.1 .. 0.9.
  TContour plane(f.graph, Nodes({0, 0.5, 1}), Nodes({0, 1}), Values({{0, 0}, {0.5, 0.5}, {1, 1}}), 10, false, false);
  std::set<double> levels;
  for (const TContourChain& chain : plane.Chains)
    levels.insert(chain.Level);
  ASSERT_EQ(levels.size(), 10u);
  EXPECT_EQ(*levels.begin(), 0);
  EXPECT_NEAR(*levels.rbegin(), 0.9, 1e-12);

  TContour flat(f.graph, Nodes({0, 1}), Nodes({0, 1}), Values({{2, 2}, {2, 2}}), 10, false, false);
  EXPECT_TRUE(flat.Chains.empty());

  // One level of a count of one is the lowest value; a level beyond the values adds nothing.
  TContour single(f.graph, Nodes({0, 1}), Nodes({0, 1}), Values({{0, 0}, {1, 1}}), 1, false, false);
  ASSERT_FALSE(single.Chains.empty());
  EXPECT_EQ(single.Chains.front().Level, 0);
  TContourChains none;
  single.AddLevel(none, 1.5);
  EXPECT_TRUE(none.empty());
}

TEST(ContourTracing, MissingCornersAreSkippedOrFilled)
{
  TGraphFixture f;
  const double m = MissingValue;
  // Corners 1 and 2 (column 1) missing: the cell is skipped.
  TContour skipped(f.graph, Nodes({0, 1}), Nodes({0, 1}), Values({{m, 0}, {-m, 1}}), 1, true, false);
  TContourChains chains;
  skipped.AddLevel(chains, 0.5);
  EXPECT_TRUE(chains.empty());
  // Corners 3 and 4 (column 2) missing: filled from 1 and 2.
  TContour filled(f.graph, Nodes({0, 1}), Nodes({0, 1}), Values({{0, m}, {1, m}}), 1, true, false);
  filled.AddLevel(chains, 0.5);
  ASSERT_EQ(chains.size(), 1u);
  for (const TFloatPoint& p : chains.front().Points)
    EXPECT_EQ(p.X, 0.5);  // the level halfway between the filled columns, through the cell's centre
  EXPECT_EQ(chains.front().EndA.Y + chains.front().EndB.Y, 1);
}

// Two levels through the same points stay apart: a chain never takes a piece of another level.
TEST(ContourTracing, ChainsJoinOnlyWithinTheirLevel)
{
  TContourChains list;
  const TContourCell cell{{0, 1, 1, 0}, {0, 0, 1, 1}, {0, 1, 1, 0}};
  AddContourSegment(list, 1, {0, 0}, {1, 0.5}, cell);
  AddContourSegment(list, 2, {1, 0.5}, {2, 0}, cell);
  AddContourSegment(list, 1, {1, 0.5}, {2, 1}, cell);
  ASSERT_EQ(list.size(), 2u);
  EXPECT_EQ(list.front().Level, 1);
  EXPECT_EQ(list.front().Points, (std::deque<TFloatPoint>{{0, 0}, {1, 0.5}, {2, 1}}));
  EXPECT_EQ(list.back().Level, 2);
  // A piece repeated along a grid line is dropped; too short a segment too.
  AddContourSegment(list, 1, {0, 0}, {0.5, 0.25}, cell);
  AddContourSegment(list, 3, {0, 0}, {0, 1}, cell);
  AddContourSegment(list, 3, {0, 0.2}, {0, 0.8}, cell);
  AddContourSegment(list, 3, {5, 5}, {5, 5.000001}, cell);
  ASSERT_EQ(list.size(), 3u);
  EXPECT_EQ(list.front().Points.size(), 4u);  // the first chain took the piece at its start
}

TEST(ContourTracing, InterpolationWithinTheNodes)
{
  const TVector x = Nodes({0, 1});
  const TVector y = Nodes({0, 1});
  const TMatrix z = Values({{0, 2}, {1, 1}});
  struct TCase {
    double px, py, value;
  };
  const TCase cases[] = {
      {0.5, 0.5, 1},   {0, 0.5, 1},      // on the first X node: along Y between 0 and 2
      {0.5, 0, 0.5},   {0, 0, 0},    {1, 1, 1}, {0, 1, 2},
      {2, -1, 1},                         // beyond the last X and below the first Y: node (nR, 1)
      {-1, 0.25, 0.5},                    // left of the grid: the border's value there
  };
  for (const TCase& c : cases)
    EXPECT_DOUBLE_EQ(InterpolateGrid(x, y, z, c.px, c.py), c.value) << c.px << "," << c.py;
  const TMatrix holed = Values({{0, MissingValue}, {1, 1}});
  EXPECT_EQ(InterpolateGrid(x, y, holed, 0.2, 0.2), MissingValue);
}

// sin(x) * cos(y) on 41 x 41 nodes: every chain is a line of its own level, and each of its points
// lies on that level.
TEST(ContourTracing, SineCosineChainsLieOnTheirLevels)
{
  TGraphFixture f;
  const TSineGrid grid(41);
  const TVector& x = grid.x;
  const TVector& y = grid.y;
  const TMatrix& z = grid.z;
  TContour contour(f.graph, x, y, z, 10, false, false);
  ASSERT_FALSE(contour.Chains.empty());
  for (const TContourChain& chain : contour.Chains) {
    EXPECT_GE(chain.Points.size(), 2u);
    EXPECT_EQ(chain.Points.front(), chain.EndA);
    EXPECT_EQ(chain.Points.back(), chain.EndB);
    for (const TFloatPoint& p : chain.Points)
      EXPECT_NEAR(InterpolateGrid(x, y, z, p.X, p.Y), chain.Level, 0.02);
  }
}

// Uniform noise on n x n nodes: short chains in every cell.
struct TNoiseGrid {
  TVector x;
  TVector y;
  TMatrix z;
  explicit TNoiseGrid(int n) : x(Spaced(n, 0, 1)), y(Spaced(n, 0, 1)), z(n, n)
  {
    std::mt19937 random(7);
    std::uniform_real_distribution<double> value(0, 1);
    for (int r = 1; r <= n; ++r)
      for (int c = 1; c <= n; ++c)
        z.SetValue(r, c, value(random));
  }
};

// Tracing asks its host after every stretch of cells, over all levels, and a stop ends it at once
// with no chains; a Calculate after that traces everything again.
TEST(ContourTracing, ProgressIsAskedThroughoutAndAStopEndsTheTracing)
{
  TGraphFixture f;
  const TNoiseGrid grid(200);
  TContour contour(f.graph, grid.x, grid.y, grid.z, 20, true, false);
  contour.SetColorMap(false);
  int asked = 0;
  int stopAt = 0;
  contour.Progress = [&] { return ++asked != stopAt; };
  const long long cells = 20LL * 199 * 199;
  contour.Calculate();
  EXPECT_EQ(contour.TraceEnd, TTraceEnd::Done);
  EXPECT_EQ(asked, cells / TContour::kProgressCells);
  EXPECT_FALSE(contour.Chains.empty());

  asked = 0;
  stopAt = 3;
  contour.Calculate();
  EXPECT_EQ(contour.TraceEnd, TTraceEnd::Stopped);
  EXPECT_EQ(asked, 3);
  EXPECT_TRUE(contour.Chains.empty());

  asked = 0;
  stopAt = 0;
  contour.Calculate();
  EXPECT_EQ(contour.TraceEnd, TTraceEnd::Done);
  EXPECT_FALSE(contour.Chains.empty());
}

// More chains or segments than the limits allow end the tracing with none kept, instead of memory
// growing with every level.
TEST(ContourTracing, ChainsBeyondTheLimitsEndTheTracingWithNoneKept)
{
  TGraphFixture f;
  const TNoiseGrid grid(200);
  TContour contour(f.graph, grid.x, grid.y, grid.z, 20, true, false);
  contour.SetColorMap(false);
  contour.Calculate();
  ASSERT_EQ(contour.TraceEnd, TTraceEnd::Done);
  const std::size_t chains = contour.Chains.size();
  ASSERT_GT(chains, 1000u);

  contour.MaxChains = chains / 2;
  contour.Calculate();
  EXPECT_EQ(contour.TraceEnd, TTraceEnd::TooLarge);
  EXPECT_TRUE(contour.Chains.empty());

  contour.MaxChains = chains * 2;
  contour.MaxSegments = 1000;
  contour.Calculate();
  EXPECT_EQ(contour.TraceEnd, TTraceEnd::TooLarge);
  EXPECT_TRUE(contour.Chains.empty());

  contour.MaxSegments = 1LL << 40;
  contour.Calculate();
  EXPECT_EQ(contour.TraceEnd, TTraceEnd::Done);
  EXPECT_EQ(contour.Chains.size(), chains);
}

}  // namespace
}  // namespace plot::test
