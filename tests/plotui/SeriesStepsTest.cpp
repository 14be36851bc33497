// The steps of a piecewise-constant series, drawn on a recording canvas.
#include "plotui/series/Series.h"

#include "plot/graph/Graph.h"

#include "tests/support/GraphImages.h"

#include <gtest/gtest.h>
#include <set>

namespace plotui::test {
namespace {

TEST(SeriesSteps, LevelsFromPointToPointAndRisersButNoneAtTheLast)
{
  testing_support::TRecordingGraphImage image;
  plot::TGraph graph(nullptr, image, nullptr);
  graph.ProcessMessages = [] {};
  auto owned = std::make_unique<TSeries>(graph, "steps", plot::kStylePiecewiseConstant, platform::clRed);
  TSeries& s = *owned;
  s.AddPoint(0, 1, platform::clRed, {});
  s.AddPoint(1, 3, platform::clRed, {});
  s.AddPoint(2, 2, platform::clRed, {});
  graph.AddLayer(std::move(owned));
  graph.Paint();
  image.Recording().Clear();
  graph.ActiveLayer = &s;
  s.Draw();
  // Each segment as its pixel ends, in either direction.
  std::set<std::pair<std::pair<int, int>, std::pair<int, int>>> drawn;
  platform::TPoint at{};
  for (const platform::TCanvasRecord& r : image.Recording().Records()) {
    if (r.Op == platform::TCanvasOp::MoveTo)
      at = r.Points.at(0);
    if (r.Op == platform::TCanvasOp::LineTo) {
      const platform::TPoint to = r.Points.back();
      drawn.insert({std::min(std::pair{at.X, at.Y}, std::pair{to.X, to.Y}),
                    std::max(std::pair{at.X, at.Y}, std::pair{to.X, to.Y})});
      at = to;
    }
  }
  const auto segment = [&](double x1, double y1, double x2, double y2) {
    const std::pair a{graph.XToScreen(x1), graph.YToScreen(y1)};
    const std::pair b{graph.XToScreen(x2), graph.YToScreen(y2)};
    return std::pair{std::min(a, b), std::max(a, b)};
  };
  EXPECT_TRUE(drawn.count(segment(0, 1, 1, 1)));  // level 1 from 0 to 1
  EXPECT_TRUE(drawn.count(segment(1, 1, 1, 3)));  // riser at 1
  EXPECT_TRUE(drawn.count(segment(1, 3, 2, 3)));  // level 3 from 1 to 2
  EXPECT_FALSE(drawn.count(segment(2, 3, 2, 2)));  // no riser at the last point
  EXPECT_EQ(drawn.size(), 3u);
}

}  // namespace
}  // namespace plotui::test
