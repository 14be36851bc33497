#include "chart/model/ChartAxis.h"

#include "chart/support/ChartExceptions.h"
#include "tests/chart/model/AxisTestChart.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

namespace chart {
namespace {

using testing::TAxisTestChart;

template <class E>
QString RaisedMessage(const std::function<void()>& call)
{
  try {
    call();
  } catch (const E& e) {
    return e.Message();
  }
  return "(nothing raised)";
}

TEST(AxisSettings, RefusedValuesRaiseTheirMessageAndKeepTheOldValue)
{
  TAxisTestChart chart;
  TChartAxis axis(&chart);
  axis.SetMinMax(0, 10);
  chart.MinX = -1;  // a negative automatic range
  axis.SetHorizontal(true);
  struct TCase {
    std::function<void()> Call;
    const char* Message;
  };
  const TCase axisCases[] = {
      {[&] { axis.SetMinimum(11); }, "Axis Minimum Value must be <= Maximum"},
      {[&] { axis.SetMaximum(-1); }, "Axis Maximum Value must be >= Minimum"},
      {[&] { axis.SetIncrement(-0.5); }, "Axis increment must be >= 0"},
      {[&] { axis.SetIncrement(std::nan("")); }, "Axis increment must be >= 0"},
      {[&] { axis.SetMinimum(std::nan("")); }, "Axis Minimum Value must be <= Maximum"},
      {[&] { axis.SetMaximum(std::nan("")); }, "Axis Maximum Value must be >= Minimum"},
      {[&] { axis.SetLogarithmicBase(1); }, "Axis Logarithmic Base should be >= 2"},
      {[&] { axis.SetLabelsSeparation(-1); }, "Labels Separation % must be greater than 0"},
      {[&] { axis.SetMinMax(-5, 5), axis.SetLogarithmic(true); }, "Logarithmic Axis Min and Max values should be >= 0"},
      {[&] { chart.DateTime = true, axis.SetLogarithmic(true); }, "DateTime Axis cannot be Logarithmic"},
  };
  for (const auto& c : axisCases)
    EXPECT_EQ(RaisedMessage<AxisException>(c.Call), c.Message);
  EXPECT_EQ(axis.Minimum(), -5.0);
  EXPECT_EQ(axis.Maximum(), 5.0);
  EXPECT_EQ(axis.Increment(), 0.0);
  EXPECT_EQ(axis.LogarithmicBase(), 10);
  EXPECT_EQ(axis.LabelsSeparation(), 10);
  EXPECT_FALSE(axis.Logarithmic());

  EXPECT_EQ(RaisedMessage<ChartException>([&] { axis.SetLabelsAngle(360); }),
            "Axis Labels Angle must be between 0 and 359 degrees");
  EXPECT_EQ(RaisedMessage<ChartException>([&] { axis.Title().SetAngle(-90); }),
            "Axis Title Angle must be between 0 and 359 degrees");
  EXPECT_EQ(axis.LabelsAngle(), 0);
  EXPECT_EQ(axis.Title().Angle(), 0);

  // Accepted limits, and a stream being read takes the range ends as they come.
  EXPECT_NO_THROW(axis.SetLabelsSeparation(0));
  EXPECT_NO_THROW(axis.SetIncrement(0));
  EXPECT_NO_THROW(axis.SetLogarithmicBase(2));
  chart.Reading = true;
  EXPECT_NO_THROW(axis.SetMinimum(50));
  EXPECT_EQ(axis.Minimum(), 50.0);
}

TEST(AxisSettings, AutomaticFlagsFollowEachOther)
{
  TAxisTestChart chart;
  TChartAxis axis(&chart);
  axis.SetAutomaticMinimum(false);
  EXPECT_FALSE(axis.Automatic());
  EXPECT_TRUE(axis.AutomaticMaximum());
  axis.SetAutomaticMaximum(false);
  axis.SetAutomaticMinimum(true);  // the maximum still fixed
  EXPECT_FALSE(axis.Automatic());
  axis.SetAutomaticMaximum(true);
  EXPECT_TRUE(axis.Automatic());

  axis.SetAutomatic(false);
  EXPECT_FALSE(axis.AutomaticMinimum());
  EXPECT_FALSE(axis.AutomaticMaximum());
  chart.Reading = true;  // while reading, Automatic leaves the two others alone
  axis.SetAutomatic(true);
  EXPECT_FALSE(axis.AutomaticMinimum());
  EXPECT_FALSE(axis.AutomaticMaximum());
}

TEST(AxisSettings, SetMinMaxOrdersTheEndsAndKeepsASpan)
{
  TAxisTestChart chart;
  TChartAxis axis(&chart);
  axis.SetMinMax(5, 2);
  EXPECT_EQ(axis.Minimum(), 2.0);
  EXPECT_EQ(axis.Maximum(), 5.0);
  EXPECT_FALSE(axis.Automatic() || axis.AutomaticMinimum() || axis.AutomaticMaximum());
  axis.SetMinMax(3, 3);
  EXPECT_EQ(axis.Minimum(), 3.0);
  EXPECT_EQ(axis.Maximum(), 3 + 1e-10);
  EXPECT_TRUE(axis.IsMinimumStored() && axis.IsMaximumStored());

  // The automatic range is written into Minimum and Maximum; fixed ends stay.
  chart.MinY = -4;
  chart.MaxY = 8;
  axis.SetAutomaticMaximum(true);
  axis.AdjustMaxMin();
  EXPECT_EQ(axis.RangeMin(), 3.0);
  EXPECT_EQ(axis.RangeMax(), 8.0);
  EXPECT_EQ(axis.Maximum(), 8.0);
  EXPECT_EQ(axis.RangeSpan(), 5.0);
}

TEST(AxisSettings, RepaintSettersRepaintOnlyOnChange)
{
  TAxisTestChart chart;
  TChartAxis axis(&chart);
  const std::function<void()> setters[] = {
      [&] { axis.SetVisible(false); },        [&] { axis.SetLabelStyle(TAxisLabelStyle::talMark); },
      [&] { axis.SetInverted(true); },        [&] { axis.SetTickLength(7); },
      [&] { axis.Title().SetCaption("X"); }, [&] { axis.SetAxisValuesFormat("0.00"); },
      [&] { axis.Grid().SetVisible(false); }, [&] { axis.LabelsFont().SetSize(12); },
  };
  for (const auto& set : setters) {
    const int before = chart.Invalidations;
    set();
    EXPECT_GT(chart.Invalidations, before);
    const int after = chart.Invalidations;
    set();
    EXPECT_EQ(chart.Invalidations, after);
  }
  const int before = chart.Invalidations;
  axis.SetInvertedField(false);
  EXPECT_FALSE(axis.Inverted());
  EXPECT_EQ(chart.Invalidations, before);
}

TEST(AxisSettings, AssignCopiesTheSettingsButNotCentringNorMultiLine)
{
  TAxisTestChart chart;
  TChartAxis source(&chart);
  source.SetMinMax(1, 9);
  source.SetIncrement(2);
  source.SetLabelsAngle(90);
  source.SetLogarithmicBase(2);
  source.SetAxisValuesFormat("0.0");
  source.SetDateTimeFormat("dd/mm");
  source.Title().SetCaption("Time");
  source.Grid().SetVisible(false);
  source.SetGridCentered(true);
  source.SetLabelsMultiLine(true);
  source.SetEndPosition(80);
  source.SetTickOnLabelsOnly(false);
  TChartAxis target(&chart);
  target.Assign(source);
  EXPECT_EQ(target.Minimum(), 1.0);
  EXPECT_EQ(target.Maximum(), 9.0);
  EXPECT_FALSE(target.Automatic());
  EXPECT_EQ(target.Increment(), 2.0);
  EXPECT_EQ(target.LabelsAngle(), 90);
  EXPECT_EQ(target.LogarithmicBase(), 2);
  EXPECT_EQ(target.AxisValuesFormat(), "0.0");
  EXPECT_EQ(target.DateTimeFormat(), "dd/mm");
  EXPECT_EQ(target.Title().Caption(), "Time");
  EXPECT_FALSE(target.Grid().Visible());
  EXPECT_EQ(target.EndPosition(), 80.0);
  EXPECT_FALSE(target.TickOnLabelsOnly());
  EXPECT_FALSE(target.GridCentered());
  EXPECT_FALSE(target.LabelsMultiLine());
}

}  // namespace
}  // namespace chart
