#include "GridChartDouble.h"

#include "chart/series/ContourSeries.h"
#include "chart/series/SurfaceSeries.h"

#include <gtest/gtest.h>

namespace chart {
namespace {

using testing::TTestChart;

// Y from 0 to 10 at x = 1..11 on one row.
void FillZeroToTen(TCustom3DGridSeries& series)
{
  for (int x = 1; x <= 11; ++x) series.AddXYZ(x, x - 1, 1);
}

constexpr platform::TColor kLevelColors[10] = {0xf7a692, 0xe5c9a6, 0xc9e5b8, 0xa6f7c9, 0x7ffed8,
                                               0x57f7e5, 0x34e5f0, 0x18c9f7, 0x06a6fc, 0x007ffe};

TEST(GridColors, PaletteLevelsOverTheValues)
{
  TSurfaceSeries series;
  FillZeroToTen(series);
  series.SetPaletteSteps(10);
  ASSERT_EQ(series.Palette().size(), 10u);
  for (int i = 0; i < 10; ++i) {
    EXPECT_DOUBLE_EQ(series.Palette()[std::size_t(i)].UpToValue, i + 1);
    EXPECT_EQ(series.Palette()[std::size_t(i)].Color, kLevelColors[i]) << i;
  }
  EXPECT_TRUE(BuildPaletteLevels(0, 0, 10).empty());
}

struct TValueColorCase {
  bool UseColorRange, UsePalette;
  double Value;
  platform::TColor Expected;
};

TEST(GridColors, ColorOfValueByRangePaletteOrSeriesColor)
{
  const TValueColorCase cases[] = {
      // From EndColor (white) at the smallest value to StartColor (navy) at the largest, half to even.
      {true, true, 0, 0xFFFFFF},
      {true, false, 2.5, 0xDFBFBF},
      {true, false, 5, 0xBF7F7F},
      {true, false, 7, 0xA64D4D},
      {true, false, 10, 0x800000},
      // The first level above the value; the top level for the largest.
      {false, true, 0, kLevelColors[0]},
      {false, true, 1, kLevelColors[1]},
      {false, true, 9.5, kLevelColors[9]},
      {false, true, 10, kLevelColors[9]},
      {false, true, 50, kLevelColors[9]},
      {false, false, 4, platform::clPurple},
  };
  for (const auto& c : cases) {
    TSurfaceSeries series;
    FillZeroToTen(series);
    series.SetPaletteSteps(10);
    series.SetSeriesColor(platform::clPurple);
    series.SetUseColorRange(c.UseColorRange);
    series.SetUsePalette(c.UsePalette);
    EXPECT_EQ(series.ColorOfValue(c.Value), c.Expected) << c.UseColorRange << c.UsePalette << " " << c.Value;
  }

  TSurfaceSeries flat;
  for (int x = 1; x <= 3; ++x) flat.AddXYZ(x, 4, 1);
  EXPECT_EQ(flat.ColorOfValue(4), platform::clWhite);
  EXPECT_EQ(ColorRangeColor(3, 0, 8, platform::clRed, platform::clLime), 0x009F60u);
}

// The stored colour of a point plays no part, a null point stays null, and OnGetColor has the last word.
TEST(GridColors, ValueColorOfPoints)
{
  TSurfaceSeries series;
  series.AddXYZ(1, 0, 1, {}, platform::clBlack);
  series.AddXYZ(2, 10, 1, {}, platform::clNone);
  series.AddXYZ(3, 10, 1, {}, platform::clDefault);
  EXPECT_EQ(series.ValueColor(0), platform::clWhite);
  EXPECT_EQ(series.ValueColor(1), platform::clNone);
  EXPECT_EQ(series.ValueColor(2), platform::clNavy);
  series.OnGetColor = [](const TChartSeries&, int index, platform::TColor& color) {
    if (index == 1) color = platform::clRed;
  };
  EXPECT_EQ(series.ValueColor(1), platform::clRed);
}

TEST(GridColors, UsePaletteBuildsAnEmptyPaletteOnly)
{
  TSurfaceSeries series;
  FillZeroToTen(series);
  series.SetPaletteSteps(4);
  series.SetUsePalette(true);
  EXPECT_EQ(series.Palette().size(), 4u);
  series.SetUsePalette(false);
  series.ClearPalette();
  series.SetUsePalette(true);
  EXPECT_EQ(series.Palette().size(), 4u);
}

// The legend lists the levels from the highest down, each in the colour of the values up to it.
TEST(GridColors, LegendPerPaletteLevel)
{
  TTestChart chart;
  TSurfaceSeries series;
  chart.InsertSeries(series);
  FillZeroToTen(series);
  series.SetPaletteSteps(10);
  series.SetUseColorRange(false);
  series.SetUsePalette(true);
  ASSERT_EQ(series.CountLegendItems(), 10);
  for (int k = 0; k < 10; ++k) {
    EXPECT_EQ(series.LegendString(k, TLegendTextStyle::ltsLeftValue), QString::number(10 - k));
    EXPECT_EQ(series.LegendItemColor(k), kLevelColors[9 - k]) << k;
  }
  EXPECT_EQ(series.LegendString(10, TLegendTextStyle::ltsLeftValue), "");
  EXPECT_EQ(chart.LegendText(series, 0), "10");

  series.SetUseColorRange(true);
  EXPECT_EQ(series.LegendItemColor(0), platform::clNavy);
  EXPECT_EQ(series.LegendItemColor(9), 0xF2E5E5u);  // the value 1, half to even
}

TEST(GridColors, ContourLevelsAndLegend)
{
  TContourSeries series;
  EXPECT_TRUE(series.ColorEachPoint());
  FillZeroToTen(series);
  series.SetNumLevels(4);
  series.DoBeforeDrawChart();
  ASSERT_EQ(series.Levels().size(), 4u);
  const double values[] = {0, 2.5, 5, 7.5};  // none at the largest value
  for (int i = 0; i < 4; ++i) {
    EXPECT_DOUBLE_EQ(series.Levels()[std::size_t(i)].Value, values[i]);
    EXPECT_EQ(series.Levels()[std::size_t(i)].Color, kDefaultPalette[std::size_t(i)]);
  }
  ASSERT_EQ(series.CountLegendItems(), 4);
  EXPECT_EQ(series.LegendString(0, TLegendTextStyle::ltsLeftValue), "7.5");
  EXPECT_EQ(series.LegendString(3, TLegendTextStyle::ltsLeftValue), "0");
  EXPECT_EQ(series.LegendItemColor(0), kDefaultPalette[3]);

  series.SetColorEachPoint(false);
  series.SetUseColorRange(true);
  EXPECT_EQ(series.Level(2).Color, 0xBF7F7Fu);
  series.SetUseColorRange(false);
  series.SetSeriesColor(platform::clTeal);
  EXPECT_EQ(series.Level(1).Color, platform::clTeal);
  series.OnGetLevel = [](const TContourSeries&, int index, double& value, platform::TColor& color) {
    if (index != 1) return;
    value = 3;
    color = platform::clRed;
  };
  EXPECT_EQ(series.LegendString(2, TLegendTextStyle::ltsLeftValue), "3");
  EXPECT_EQ(series.LegendItemColor(2), platform::clRed);
}

}  // namespace
}  // namespace chart
