#include "ContourFixtures.h"

#include "plot/contour/ChainMerge.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <random>

namespace plot::test {
namespace {

// The merge as a walk over the list from its head for every candidate: the order the index must
// give.
namespace walk {

bool Touches(const TFloatPoint& a, const TFloatPoint& b)
{
  return std::fabs(a.X - b.X) < 1e-5 && std::fabs(a.Y - b.Y) < 1e-5;
}

bool Within(double v, double a, double b) { return std::min(a, b) <= v && v <= std::max(a, b); }

bool Duplicate(const TContourChain& chain, const TContourChain& c)
{
  if (chain.EndA.X == chain.EndB.X && chain.EndA.X == c.EndA.X && chain.EndA.X == c.EndB.X)
    return Within(c.EndA.Y, chain.EndA.Y, chain.EndB.Y) && Within(c.EndB.Y, chain.EndA.Y, chain.EndB.Y);
  if (chain.EndA.Y == chain.EndB.Y && chain.EndA.Y == c.EndA.Y && chain.EndA.Y == c.EndB.Y)
    return Within(c.EndA.X, chain.EndA.X, chain.EndB.X) && Within(c.EndB.X, chain.EndA.X, chain.EndB.X);
  return false;
}

bool Join(TContourChain& chain, TContourChain& c, bool fresh)
{
  int touch = 0;
  if (Touches(chain.EndB, c.EndA))
    touch = 1;
  else if (Touches(chain.EndB, c.EndB))
    touch = 2;
  else if (Touches(chain.EndA, c.EndA))
    touch = 3;
  else if (Touches(chain.EndA, c.EndB))
    touch = 4;
  if (touch == 0)
    return false;
  if (c.LabelSlope < chain.LabelSlope) {
    chain.LabelP1 = c.LabelP1;
    chain.LabelP2 = c.LabelP2;
    chain.LabelSlope = c.LabelSlope;
  }
  auto& points = chain.Points;
  std::deque<TFloatPoint> far = fresh ? std::deque<TFloatPoint>{touch == 1 || touch == 3 ? c.EndB : c.EndA}
                                      : c.Points;
  if (touch == 2 || touch == 3)
    std::reverse(far.begin(), far.end());
  if (touch <= 2) {
    chain.EndB = touch == 1 ? c.EndB : c.EndA;
    points.insert(points.end(), far.begin(), far.end());
  } else {
    chain.EndA = touch == 3 ? c.EndB : c.EndA;
    points.insert(points.begin(), far.begin(), far.end());
  }
  return true;
}

void Add(TContourChains& list, double level, const TFloatPoint& p, const TFloatPoint& q, double slope)
{
  if (Touches(p, q))
    return;
  TContourChain candidate;
  candidate.Level = level;
  candidate.EndA = candidate.LabelP1 = p;
  candidate.EndB = candidate.LabelP2 = q;
  candidate.LabelSlope = slope;
  bool fresh = true;
  for (auto chain = list.begin(); chain != list.end();) {
    if (chain->Level != candidate.Level) {
      ++chain;
      continue;
    }
    if (Duplicate(*chain, candidate))
      return;
    if (!Join(*chain, candidate, fresh)) {
      ++chain;
      continue;
    }
    const bool first = chain == list.begin();
    if (first && std::next(chain) == list.end())
      return;
    const auto taken = first ? std::next(chain) : chain;
    candidate = std::move(*taken);
    list.erase(taken);
    fresh = false;
    chain = list.begin();
  }
  if (fresh)
    candidate.Points = {candidate.EndA, candidate.EndB};
  list.push_back(std::move(candidate));
}

}  // namespace walk

void ExpectSameChains(const TContourChains& a, const TContourChains& b, int step)
{
  ASSERT_EQ(a.size(), b.size()) << "after segment " << step;
  for (auto i = a.begin(), j = b.begin(); i != a.end(); ++i, ++j) {
    ASSERT_EQ(i->Level, j->Level) << step;
    ASSERT_EQ(i->EndA, j->EndA) << step;
    ASSERT_EQ(i->EndB, j->EndB) << step;
    ASSERT_EQ(i->Points, j->Points) << step;
    ASSERT_EQ(i->LabelP1, j->LabelP1) << step;
    ASSERT_EQ(i->LabelSlope, j->LabelSlope) << step;
  }
}

// Random segments between the points of a small lattice, a little jittered within the join
// tolerance, some along the lattice lines, in runs of one level as tracing makes them (a level may
// come again later): the index joins, drops and reorders chains exactly as the walk over the list
// does.
TEST(ChainMerge, IndexGivesTheChainsOfAWalkOverTheList)
{
  for (const double cellSize : {1e-3, 0.05, 0.3, 10.0}) {
    std::mt19937 random(7);
    std::uniform_int_distribution<int> lattice(0, 6);
    std::uniform_real_distribution<double> jitter(-3e-6, 3e-6);
    std::uniform_int_distribution<int> kind(0, 9);
    std::uniform_int_distribution<int> runLength(1, 400);
    TContourChains indexed, walked;
    int step = 0;
    while (step < 3000) {
      const double level = 1 + kind(random) % 3;
      TChainMerger merger(indexed, level, cellSize);
      for (int n = runLength(random); n > 0; --n, ++step) {
        TFloatPoint p{lattice(random) * 0.25, lattice(random) * 0.25};
        TFloatPoint q{lattice(random) * 0.25, lattice(random) * 0.25};
        if (kind(random) < 3)
          q.X = p.X;  // along a lattice line, exactly
        else if (kind(random) < 3)
          q.Y = p.Y;
        else {
          p.X += jitter(random);
          q.Y += jitter(random);
        }
        const double slope = kind(random);
        const TContourCell cell{{0, 1, 1, 0}, {0, 0, 1, 1}, {0, slope, slope, 0}};
        merger.Add(level, p, q, cell);
        walk::Add(walked, level, p, q, slope * slope);
        ExpectSameChains(indexed, walked, step);
        if (HasFatalFailure())
          return;
      }
    }
  }
}

// Segments of two levels in turn, each joined through a merger of its own.
TEST(ChainMerge, LevelsInTurn)
{
  std::mt19937 random(11);
  std::uniform_int_distribution<int> lattice(0, 4);
  TContourChains indexed, walked;
  const TContourCell cell{{0, 1, 1, 0}, {0, 0, 1, 1}, {0, 1, 1, 0}};
  for (int step = 0; step < 1500; ++step) {
    const double level = 1 + step % 2;
    const TFloatPoint p{lattice(random) * 0.5, lattice(random) * 0.5};
    const TFloatPoint q{lattice(random) * 0.5, lattice(random) * 0.5};
    AddContourSegment(indexed, level, p, q, cell);
    walk::Add(walked, level, p, q, 1);
    ExpectSameChains(indexed, walked, step);
    if (HasFatalFailure())
      return;
  }
}

}  // namespace
}  // namespace plot::test
