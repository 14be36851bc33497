#include "chart/canvas/ChartProjection.h"
#include "chart/canvas/View3DOptions.h"

#include <gtest/gtest.h>

namespace chart {
namespace {

struct TView {
  int rotation, elevation, tilt, perspective, zoom, horizOffset, vertOffset;
  bool orthogonal;
};

TChartProjection Projection(const TView& v, platform::TRect rect, int depth)
{
  TView3DOptions options;
  options.SetOrthogonal(v.orthogonal);
  options.SetRotation(v.rotation);
  options.SetElevation(v.elevation);
  options.SetTilt(v.tilt);
  options.SetPerspective(v.perspective);
  options.SetZoom(v.zoom);
  options.SetHorizOffset(v.horizOffset);
  options.SetVertOffset(v.vertOffset);
  TChartProjection projection;
  projection.Begin(&options, true);
  projection.SetProjection(&options, depth, rect);
  return projection;
}

TEST(ChartProjection, MapsChartPointsAsComputedApart)
{
  struct Case {
    TView view;
    platform::TRect rect;
    int depth;
    int x, y, z;
    platform::TPoint expected;
  };
  const TView defaults{345, 345, 0, 15, 100, 0, 0, true};
  const TView turned{324, 345, 0, 26, 60, 0, -20, false};
  const TView fromBehind{180, 315, 0, 0, 100, 0, 0, false};
  const TView tilted{340, 340, 30, 0, 100, 15, -20, false};
  const Case cases[] = {
      {defaults, {0, 0, 400, 300}, 100, 100, 100, 0, {100, 100}},
      {defaults, {0, 0, 400, 300}, 100, 100, 100, 10, {110, 90}},
      {turned, {50, 40, 450, 340}, 300, 50, 40, 0, {95, 81}},
      {turned, {50, 40, 450, 340}, 300, 450, 340, 300, {395, 254}},
      // cos R . cos T is -1 here: lifting it to +1e-5 put every point on x 250.
      {fromBehind, {50, 40, 450, 340}, 300, 300, 100, 0, {200, 20}},
      {tilted, {0, 0, 400, 300}, 100, 400, 300, 100, {467, 156}},
  };
  for (const auto& c : cases) {
    const auto p = Projection(c.view, c.rect, c.depth).Project(c.x, c.y, c.z);
    EXPECT_EQ(p, c.expected) << c.x << "," << c.y << "," << c.z;
  }
}

TEST(ChartProjection, ScaleCoefficientsNearZeroKeepTheirSign)
{
  // Elevation 270: cos E is a rounding error below zero and becomes -1e-5, not +1e-5, so the
  // picture stays flat but keeps its orientation; the default view is not touched.
  const auto down = Projection({0, 270, 0, 0, 100, 0, 0, false}, {0, 0, 400, 300}, 0);
  const auto up = Projection({0, 90, 0, 0, 100, 0, 0, false}, {0, 0, 400, 300}, 0);
  EXPECT_EQ(down.Project(200, 100050, 0).Y, 150 - 1);  // dy 99900 . -1e-5
  EXPECT_EQ(up.Project(200, 100050, 0).Y, 150 + 1);
  int x = 200, y = 151;
  down.ScreenToChart(x, y, 0);  // divides by the moved coefficient, not by zero
  EXPECT_EQ(y, 150 - 100000);
}

TEST(ChartProjection, ScreenToChartInvertsTheProjectionWithinAPixel)
{
  // The old inverse mixed screen and chart coordinates and missed by up to 78 px on this view.
  const auto projection = Projection({340, 340, 30, 0, 100, 15, -20, false}, {0, 0, 400, 300}, 100);
  for (int z : {0, 50, 100})
    for (int x = 0; x <= 400; x += 25)
      for (int y = 0; y <= 300; y += 25) {
        auto p = projection.Project(x, y, z);
        projection.ScreenToChart(p.X, p.Y, z);
        EXPECT_NEAR(p.X, x, 1) << x << "," << y << "," << z;
        EXPECT_NEAR(p.Y, y, 1) << x << "," << y << "," << z;
      }
  const auto oblique = Projection({345, 345, 0, 15, 80, 10, 5, true}, {0, 0, 400, 300}, 100);
  auto p = oblique.Project(120, 80, 40);
  oblique.ScreenToChart(p.X, p.Y, 40);
  EXPECT_EQ(p, (platform::TPoint{120, 80}));
}

TEST(ChartProjection, FlatAndPerspectiveFactors)
{
  TChartProjection flat;
  flat.Begin(nullptr, false);
  EXPECT_EQ(flat.Project(17, 23, 99), (platform::TPoint{17, 23}));
  EXPECT_EQ(Projection({0, 0, 0, 35, 100, 0, 0, false}, {}, 0).PerspectiveFactor(), 0.001);
  EXPECT_EQ(Projection({0, 0, 0, 0, 100, 0, 0, false}, {}, 0).PerspectiveFactor(), 0);
}

}  // namespace
}  // namespace chart
