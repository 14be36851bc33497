#include "chart/model/ChartAxis.h"

#include "chart/canvas/TeeCanvas3D.h"
#include "chart/support/TextLines.h"
#include "tests/chart/model/AxisTestChart.h"

#include <QDate>
#include <QLocale>
#include <gtest/gtest.h>

#include <cmath>

namespace chart {
namespace {

using testing::PlaceAxis;
using testing::TAxisTestChart;

TEST(AxisLabels, NumbersAndDatesByTheAxisFormats)
{
  TAxisTestChart chart;
  TChartAxis axis(&chart);
  PlaceAxis(axis, 0, 2000);
  EXPECT_EQ(axis.LabelValue(1234.5678), ToLocalNumberFormat("1,234.568"));
  EXPECT_EQ(axis.LabelValue(1e12), ToLocalNumberFormat("1,000,000,000,000"));
  axis.SetAxisValuesFormat("0.0");
  EXPECT_EQ(axis.LabelValue(-3.14), ToLocalNumberFormat("-3.1"));

  chart.DateTime = true;
  axis.UpdateIsDateTime();
  const double march5 = 45356.5;  // 5 March 2024, noon
  EXPECT_EQ(axis.LabelValue(-1), "");
  EXPECT_EQ(axis.LabelValue(march5), QLocale::system().toString(QDate(2024, 3, 5), QLocale::ShortFormat));
  PlaceAxis(axis, march5, march5 + 0.5);  // within a day: the time
  EXPECT_EQ(axis.LabelValue(march5), QLocale::system().toString(QTime(12, 0), QLocale::ShortFormat));
  axis.SetDateTimeFormat("dd/mm/yyyy hh:nn");
  EXPECT_EQ(axis.LabelValue(march5), "05/03/2024 12:00");
  EXPECT_EQ(axis.LabelValue(-0.5), "");

  // The chart's label event sees every value label.
  chart.OnLabel = [](QString& text) { text = "<" + text + ">"; };
  EXPECT_EQ(axis.LabelValue(march5), "<05/03/2024 12:00>");
}

TEST(AxisLabels, MultiLineLabelsBreakAtBlanksAndMeasureTheirLines)
{
  TAxisTestChart chart;
  TChartAxis axis(&chart);
  axis.SetAxisValuesFormat("0 'kg'");
  EXPECT_EQ(axis.LabelValue(5), "5 kg");
  axis.SetLabelsMultiLine(true);
  EXPECT_EQ(axis.LabelValue(5), "5\rkg");
  TTeeCanvas& canvas = chart.Canvas();
  canvas.Font().Assign(axis.LabelsFont());
  EXPECT_EQ(axis.VertLabelSize(5), 2 * canvas.FontHeight());
  EXPECT_EQ(axis.HorizLabelSize(5), std::max(canvas.TextWidthOf("5"), canvas.TextWidthOf("kg")));
  axis.SetLabelsAngle(90);  // turned: the lines stack along a horizontal axis
  EXPECT_EQ(axis.HorizLabelSize(5), 2 * canvas.FontHeight());
  EXPECT_EQ(axis.VertLabelSize(5), std::max(canvas.TextWidthOf("5"), canvas.TextWidthOf("kg")));
}

TEST(AxisLabels, AutomaticStyleFollowsTheSeries)
{
  using enum TAxisLabelStyle;
  struct TCase {
    bool Depth;
    bool Series;
    bool PointLabels;
    bool DepthValues;
    TAxisLabelStyle Style;
  };
  const TCase cases[] = {
      {false, false, false, false, talNone},  {false, true, false, false, talValue},
      {false, true, true, false, talText},    {true, false, false, true, talText},
      {true, true, false, false, talText},    {true, true, false, true, talValue},
  };
  TAxisTestChart chart;
  TChartAxis side(&chart);
  TChartDepthAxis depth(&chart);
  for (const auto& c : cases) {
    chart.SeriesOnAxis = c.Series;
    chart.PointLabels = c.PointLabels;
    chart.DepthValues = c.DepthValues;
    const TCustomChartAxis& axis = c.Depth ? static_cast<TCustomChartAxis&>(depth) : side;
    EXPECT_EQ(axis.CalcLabelStyle(), c.Style) << c.Depth << c.Series << c.PointLabels << c.DepthValues;
  }
  side.SetLabelStyle(talMark);  // a style set is kept
  EXPECT_EQ(side.CalcLabelStyle(), talMark);
}

TEST(AxisLabels, WidestLabelByStyle)
{
  TAxisTestChart chart;
  chart.MarksWidth = 41;
  chart.TextWidth = 57;
  TChartAxis axis(&chart);
  axis.SetHorizontal(true);
  PlaceAxis(axis, 0, 1234.5678);
  TTeeCanvas& canvas = chart.Canvas();
  canvas.Font().Assign(axis.LabelsFont());
  const int blank = canvas.TextWidthOf(" ");

  // Rounded to the step, the ends are whole steps; else the range ends themselves. The chart's
  // label event counts for the step but not for the measure.
  const auto tail = [](QString& text) { text += " with a long tail"; };
  chart.OnLabel = tail;
  const double step = axis.CalcIncrement();
  chart.OnLabel = nullptr;
  const int rounded = std::max(canvas.TextWidthOf(axis.LabelValue(0)),
                               canvas.TextWidthOf(axis.LabelValue(std::trunc(1234.5678 / step) * step)));
  chart.OnLabel = tail;
  EXPECT_EQ(axis.MaxLabelsWidth(), rounded + blank);
  axis.SetRoundFirstLabel(false);
  EXPECT_EQ(axis.MaxLabelsWidth(), canvas.TextWidthOf(ToLocalNumberFormat("1,234.568")) + blank);

  axis.SetLabelStyle(TAxisLabelStyle::talMark);
  EXPECT_EQ(axis.MaxLabelsWidth(), 41);
  axis.SetLabelStyle(TAxisLabelStyle::talText);
  EXPECT_EQ(axis.MaxLabelsWidth(), 57);
  axis.SetLabelStyle(TAxisLabelStyle::talNone);
  EXPECT_EQ(axis.MaxLabelsWidth(), 0);
}

TEST(AxisLabels, SeriesMarginsWidenTheRange)
{
  // 0..100 kept 40 pixels (horizontal) or 30 pixels (vertical) from each plot edge.
  TAxisTestChart chart;
  chart.Plot = {0, 0, 400, 300};
  TChartAxis axis(&chart);
  axis.SetHorizontal(true);
  axis.SetRange(0, 100);
  axis.AdjustRangeToRect({40, 0, 40, 0});
  EXPECT_DOUBLE_EQ(axis.RangeMin(), -12.5);
  EXPECT_DOUBLE_EQ(axis.RangeMax(), 112.5);
  EXPECT_DOUBLE_EQ(axis.RangeSpan(), 125);
  EXPECT_EQ(axis.PosOfValue(0), 40);

  axis.SetHorizontal(false);
  axis.SetRange(0, 100);
  axis.AdjustRangeToRect({0, 30, 0, 30});
  EXPECT_DOUBLE_EQ(axis.RangeMin(), -12.5);
  EXPECT_DOUBLE_EQ(axis.RangeMax(), 112.5);
  EXPECT_EQ(axis.PosOfValue(100), 30);

  axis.SetHorizontal(true);
  axis.SetStartPosition(10);
  axis.SetEndPosition(90);
  axis.CalcPixelRange();
  EXPECT_EQ(axis.StartPixel(), 40);
  EXPECT_EQ(axis.EndPixel(), 360);
  EXPECT_EQ(axis.CenterPixel(), 200);
}

}  // namespace
}  // namespace chart
