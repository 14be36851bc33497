#include "GridChartDouble.h"

#include "chart/series/ContourSeries.h"
#include "chart/series/SurfaceSeries.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace chart {
namespace {

using testing::TRecordedGridChart;
using testing::TTestChart;

TEST(Custom3DSeries, AddXYZKeepsTheOrderAndRefusedPointsAddNoZ)
{
  TSurfaceSeries series;
  EXPECT_EQ(series.ValueListCount(), 3);
  EXPECT_EQ(&series.ValueList(2), &series.ZValues());
  EXPECT_TRUE(series.HasZValues());
  EXPECT_FALSE(series.RestrictToAxisRange());
  EXPECT_FALSE(series.IsZValuesStored());

  EXPECT_EQ(series.AddXYZ(3, 1.5, 7), 0);
  EXPECT_EQ(series.AddXYZ(1, -2, 9, "b", platform::clBlack), 1);  // not sorted by X
  series.OnBeforeAdd = [](TChartSeries&) { return false; };
  EXPECT_EQ(series.AddXYZ(2, 0, 4), -1);
  ASSERT_EQ(series.ZValues().Count(), 2);
  EXPECT_EQ(series.XValues().GetValue(1), 1);
  EXPECT_EQ(series.YValues().GetValue(1), -2);
  EXPECT_EQ(series.ZValues().GetValue(0), 7);
  EXPECT_EQ(series.ZValues().GetValue(1), 9);
  EXPECT_EQ(series.MinZValue(), 7);
  EXPECT_EQ(series.MaxZValue(), 9);

  series.ZValues().SetMultiplier(2);
  EXPECT_TRUE(series.IsZValuesStored());
}

TEST(Custom3DSeries, CopiesOnlyFrom3DSeriesAndReservesItsDepth)
{
  TSurfaceSeries surface;
  TContourSeries contour;
  TChartSeries plain;
  EXPECT_TRUE(surface.CanCopyFrom(contour));
  EXPECT_FALSE(surface.CanCopyFrom(surface));
  EXPECT_FALSE(surface.CanCopyFrom(plain));

  plain.AddXY(1, 2);
  surface.AddValues(plain);
  EXPECT_EQ(surface.Count(), 0);

  // A copy from a grid series takes its grid size and its positions.
  contour.SetNumXValues(3);
  contour.SetNumZValues(2);
  for (int x = 1; x <= 3; ++x)
    for (int z = 1; z <= 2; ++z) contour.AddXYZ(x, x * 10 + z, z);
  surface.AddValues(contour);
  EXPECT_EQ(surface.Count(), 6);
  EXPECT_EQ(surface.NumXValues(), 3);
  EXPECT_EQ(surface.NumZValues(), 2);
  EXPECT_EQ(surface.GetGridIndex(3, 2), 5);
  EXPECT_EQ(surface.YValues().GetValue(surface.GetGridIndex(2, 1)), 21);

  TTestChart chart;
  chart.Is3D = true;
  chart.InsertSeries(surface);
  surface.SetTimesZOrder(5);
  chart.ZCounter = -1;
  surface.CalcZOrder();
  EXPECT_EQ(surface.ZOrder(), 0);
  EXPECT_EQ(chart.ZCounter, 5);
}

// Points are placed on the grid counted from the smallest X and Z, rounded half to even.
TEST(GridSeries, GridIndexPlacesPointsFromTheSmallestValues)
{
  TSurfaceSeries series;
  series.AddXYZ(5, 1, 10);   // (1, 1)
  series.AddXYZ(7, 2, 12);   // (3, 3)
  series.AddXYZ(6, 3, 10);   // (2, 1)
  series.AddXYZ(5, 4, 10);   // (1, 1) again: replaces the first
  series.DoBeforeDrawChart();
  EXPECT_EQ(series.GetGridIndex(1, 1), 3);
  EXPECT_EQ(series.GetGridIndex(3, 3), 1);
  EXPECT_EQ(series.GetGridIndex(2, 1), 2);
  EXPECT_EQ(series.GetGridIndex(2, 2), -1);
  EXPECT_EQ(series.GetGridIndex(0, 1), -1);
  EXPECT_EQ(series.NumXValues(), 10);  // raised only, never lowered
  EXPECT_FALSE(series.Palette().empty());

  series.Clear();
  EXPECT_EQ(series.GetGridIndex(1, 1), -1);
  EXPECT_EQ(series.XValues().Order(), TChartListOrder::loNone);
  EXPECT_FALSE(series.Palette().empty());  // Clear leaves the palette
}

// The index holds 500 positions a side: points beyond them have no cell and do not stretch the grid.
TEST(GridSeries, PositionsBeyondTheIndexAreIgnored)
{
  TRecordedGridChart picture;
  TSurfaceSeries series;
  picture.Chart.InsertSeries(series);
  series.SetNumXValues(2);
  series.SetNumZValues(2);
  for (int x : {1, 2, 501, 16001})
    for (int z : {1, 2, 700}) series.AddXYZ(x, x + z, z);
  picture.Chart.Begin(1, 16001, 0, 20000, 1, 700);
  testing::TGridChart::Paint(series);
  EXPECT_EQ(series.NumXValues(), 2);
  EXPECT_EQ(series.NumZValues(), 2);
  EXPECT_EQ(series.GetGridIndex(501, 1), -1);
  EXPECT_EQ(series.GetGridIndex(2, 2), 4);
  EXPECT_EQ(picture.Drawn(platform::TCanvasOp::Polygon).size(), 1u);
  EXPECT_EQ(series.Clicked(-5, -5), -1);
}

TEST(GridSeries, GridSizeRefillsOnlyWhenValuesCanBeComputed)
{
  TSurfaceSeries series;
  series.AddXYZ(1, 5, 1);
  series.SetNumXValues(4);  // no event: the size is stored, the point stays
  EXPECT_EQ(series.NumXValues(), 4);
  EXPECT_EQ(series.Count(), 1);
  EXPECT_FALSE(series.CanComputeValues());

  series.SetPaletteSteps(3);
  series.OnGetYValue = [](TChartSeries&, int x, int z) { return 100.0 * x + z; };
  series.SetNumZValues(3);
  ASSERT_EQ(series.Count(), 12);
  // x outer, z inner; colours left to the series.
  EXPECT_EQ(series.XValues().GetValue(5), 2);
  EXPECT_EQ(series.ZValues().GetValue(5), 3);
  EXPECT_EQ(series.YValues().GetValue(5), 203);
  EXPECT_EQ(series.PointColors()[5], platform::clDefault);
  // The palette is built again over the new values.
  ASSERT_EQ(series.Palette().size(), 3u);
  EXPECT_DOUBLE_EQ(series.Palette().back().UpToValue, 403);
  EXPECT_DOUBLE_EQ(series.Palette().front().UpToValue, 101 + 302.0 / 3);
}

TEST(GridSeries, SampleSurface)
{
  TSurfaceSeries series;
  EXPECT_EQ(series.NumSampleValues(), 15);
  series.FillSampleValues(1000);
  ASSERT_EQ(series.Count(), 250000);
  EXPECT_EQ(series.NumXValues(), 500);
  EXPECT_EQ(series.NumZValues(), 500);
  EXPECT_FALSE(series.CanComputeValues());  // the sample mode ends with the fill
  struct TCase {
    int X, Z;
    double Y;
  };
  for (const TCase& c : {TCase{1, 1, 0.49985800498926667285}, TCase{250, 100, -0.30821886591064972624},
                         TCase{500, 500, 0.53684318973980282131}})
    EXPECT_NEAR(series.YValues().GetValue((c.X - 1) * 500 + c.Z - 1), c.Y, 1e-12) << c.X << "," << c.Z;

  series.SetNumXValues(10);  // stored only: no event
  series.SetNumZValues(10);
  series.FillSampleValues(0);
  ASSERT_EQ(series.Count(), 100);
  EXPECT_NEAR(series.YValues().GetValue(2 * 10 + 6), 0.70948586012130014966, 1e-12);
}

TEST(GridSeries, FailedFillRestoresSampleModeAndCapacity)
{
  TContourSeries series;
  series.SetDefaultCapacity(7);
  int calls = 0;
  series.OnGetYValue = [&](TChartSeries&, int, int) -> double {
    if (++calls == 5) throw std::runtime_error("no value");
    return 1;
  };
  EXPECT_THROW(series.FillSampleValues(3), std::runtime_error);
  EXPECT_EQ(series.DefaultCapacity(), 7);
  series.OnGetYValue = nullptr;
  EXPECT_FALSE(series.CanComputeValues());
}

}  // namespace
}  // namespace chart

namespace chart {
namespace {

TEST(GridSeries, AssignCopiesTheSettingsNotThePoints)
{
  TSurfaceSeries source;
  source.SetTimesZOrder(7);
  source.ZValues().SetMultiplier(3);
  source.SetNumXValues(20);
  source.SetUseColorRange(false);
  source.SetStartColor(platform::clRed);
  source.SetWireFrame(true);
  source.Pen().SetColor(platform::clBlue);
  source.AddXYZ(1, 1, 1);

  TSurfaceSeries copy;
  copy.Assign(source);
  EXPECT_EQ(copy.Count(), 0);
  EXPECT_EQ(copy.TimesZOrder(), 7);
  EXPECT_EQ(copy.ZValues().Multiplier(), 3);
  EXPECT_EQ(copy.NumXValues(), 20);
  EXPECT_FALSE(copy.UseColorRange());
  EXPECT_EQ(copy.StartColor(), platform::clRed);
  EXPECT_TRUE(copy.WireFrame());
  EXPECT_EQ(copy.Pen().Color(), platform::clBlue);

  TContourSeries contour;
  contour.SetNumLevels(30);
  contour.SetYPosition(2);
  TContourSeries contourCopy;
  contourCopy.Assign(contour);
  EXPECT_EQ(contourCopy.NumLevels(), 30);
  EXPECT_EQ(contourCopy.YPosition(), 2);
}

TEST(GridSeries, GalleryPreparation)
{
  for (bool enabled : {true, false}) {
    TSurfaceSeries surface;
    surface.PrepareForGallery(enabled);
    EXPECT_EQ(surface.Count(), 100) << enabled;
    EXPECT_FALSE(surface.UseColorRange());
    EXPECT_EQ(surface.UsePalette(), enabled);
    EXPECT_EQ(surface.Pen().Color(), enabled ? platform::clBlack : platform::clGray);
    EXPECT_EQ(surface.GetEditorClassName(), "TSurfaceSeriesEditor");

    TContourSeries contour;
    contour.SetSeriesColor(platform::clRed);
    contour.PrepareForGallery(enabled);
    EXPECT_FALSE(contour.UseColorRange());
    EXPECT_EQ(contour.UsePalette(), enabled);
    EXPECT_EQ(contour.SeriesColor(), enabled ? platform::clRed : platform::clGray);
  }
}

}  // namespace
}  // namespace chart
