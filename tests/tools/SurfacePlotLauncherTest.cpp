// The surface launcher: the grid evaluated apart from the window, the window refilled only after
// the loop ran through, and the bounds of the grid it takes.
#include "tools/SurfacePlotLauncher.h"

#include "tools/SurfacePlotWindow.h"

#include "chart/panel/CustomChart.h"
#include "chart/series/SurfaceSeries.h"
#include "engine/Engine.h"
#include "engine/Host.h"
#include "engine/Variables.h"

#include <QApplication>
#include <QProgressBar>
#include <cmath>
#include <gtest/gtest.h>

namespace tools {
namespace {

// Answers the loop's stop question; the Stop button is "pressed" at the point given.
class StoppingHost : public engine::EngineHost {
public:
  explicit StoppingHost(int stopAtPump) : stopAtPump_(stopAtPump) {}
  void PumpMessages() override
  {
    if (++pumps_ == stopAtPump_)
      engine::StopFlag = 1;
  }
  bool ConfirmStop() override { return true; }

private:
  int stopAtPump_;
  int pumps_ = 0;
};

class SurfaceLauncherTest : public ::testing::Test {
protected:
  void SetUp() override { form = std::make_unique<TfmSurfaceTee>([] { return true; }); }

  TSurfacePlotRequest Request(const char* expression, double from, double to, int steps) const
  {
    return {.Expression = QString::fromLatin1(expression),
            .Title = QStringLiteral("A surface"),
            .XName = QStringLiteral("X"),
            .X0 = from,
            .X1 = to,
            .Y0 = from,
            .Y1 = to,
            .StepsX = steps,
            .StepsY = steps,
            .Complex = false};
  }
  chart::TSurfaceSeries& Series() { return *form->SurfaceSeries1; }

  std::unique_ptr<TfmSurfaceTee> form;
  engine::EngineHost host;
  QProgressBar gauge;
};

TEST_F(SurfaceLauncherTest, EvaluatesEveryNodeAndFillsTheSeriesAndTheChart)
{
  engine::VarValues[1] = 7;
  TSurfacePlotLauncher launcher(*form, Request("sin(x)*cos(y)", -3, 3, 40));
  ASSERT_TRUE(launcher.Fits());
  const TPlotOutcome outcome = launcher.Evaluate(host, gauge);
  ASSERT_FALSE(outcome.Failed);
  ASSERT_FALSE(outcome.Stopped);
  ASSERT_EQ(launcher.Values().size(), 41u * 41u);
  EXPECT_EQ(Series().Count(), 15 * 15);  // the window waits for Show
  EXPECT_FALSE(form->isVisible());
  // Nodes (i, j), X varying slowest; values from an independent evaluation.
  struct TNode {
    int I, J;
    double Z;
  };
  const TNode nodes[] = {{1, 1, 0.139707749099462936405777723305947379814},
                         {11, 31, -0.07056000402993361105037240140405513992347},
                         {26, 6, -0.4281874892720936044204892841666885214299},
                         {41, 41, -0.139707749099462936405777723305947379814}};
  for (const TNode& node : nodes)
    EXPECT_NEAR(launcher.Values()[std::size_t((node.I - 1) * 41 + node.J - 1)], node.Z, 1e-15) << node.I << "," << node.J;

  launcher.Show();
  ASSERT_EQ(Series().Count(), 41 * 41);
  EXPECT_EQ(Series().NumXValues(), 41);
  EXPECT_EQ(Series().NumZValues(), 41);
  for (const TNode& node : nodes) {
    const int k = (node.I - 1) * 41 + node.J - 1;
    EXPECT_EQ(Series().XValues().GetValue(k), node.I);
    EXPECT_EQ(Series().ZValues().GetValue(k), node.J);
    EXPECT_NEAR(Series().YValues().GetValue(k), node.Z, 1e-15);
  }
  EXPECT_EQ(Series().Title(), QStringLiteral("f(x,y)=sin(x)*cos(y)"));
  EXPECT_EQ(Series().Palette().size(), 10u);
  EXPECT_FALSE(Series().Pen().Visible());
  chart::TChart& chart = *form->Chart;
  EXPECT_EQ(chart.Title().Text(), QStringList{QStringLiteral("A surface")});
  EXPECT_TRUE(chart.Title().Visible());
  EXPECT_EQ(chart.BottomAxis().Title().Caption(), QStringLiteral("X"));
  EXPECT_FALSE(chart.AllowZoom());
  EXPECT_DOUBLE_EQ(form->XMin, -3);
  EXPECT_DOUBLE_EQ(form->XMax, 3);
  EXPECT_DOUBLE_EQ(form->XStep, 0.15);
  EXPECT_DOUBLE_EQ(form->YStep, 0.15);
  EXPECT_TRUE(form->isVisible());
  EXPECT_EQ(double(engine::VarValues[1]), 3.0);  // the loop's last point
}

TEST_F(SurfaceLauncherTest, AnErrorOrAStopLeavesTheLastSurfaceAndTheWindowAsTheyWere)
{
  TSurfacePlotLauncher first(*form, Request("x*y", -1, 1, 4));
  ASSERT_FALSE(first.Evaluate(host, gauge).Failed);
  first.Show();
  ASSERT_EQ(Series().Count(), 25);
  const double last = Series().YValues().GetValue(24);

  TSurfacePlotLauncher failing(*form, Request("ln(x)", -1, 1, 4));
  const TPlotOutcome error = failing.Evaluate(host, gauge);
  EXPECT_TRUE(error.Failed);
  EXPECT_EQ(error.Error.Point, QStringLiteral("x = -1, y = -1"));
  EXPECT_TRUE(failing.Values().empty());

  StoppingHost stopping(2);
  TSurfacePlotLauncher stopped(*form, Request("x+y", -1, 1, 200));
  EXPECT_TRUE(stopped.Evaluate(stopping, gauge).Stopped);
  engine::StopFlag = 0;
  EXPECT_TRUE(stopped.Values().empty());

  EXPECT_TRUE(form->isVisible());
  EXPECT_EQ(Series().Count(), 25);
  EXPECT_EQ(Series().YValues().GetValue(24), last);
  EXPECT_EQ(Series().Title(), QStringLiteral("f(x,y)=x*y"));
}

TEST_F(SurfaceLauncherTest, InComplexModeEveryPointShowsTheModulus)
{
  TSurfacePlotRequest request = Request("comp(x,y)*comp(2,0)", -2, 2, 4);
  request.Complex = true;
  TSurfacePlotLauncher launcher(*form, request);
  const TPlotOutcome outcome = launcher.Evaluate(host, gauge);
  ASSERT_FALSE(outcome.Failed) << outcome.Error.Code << " at " << outcome.Error.Point.toStdString();
  ASSERT_EQ(launcher.Values().size(), 25u);
  for (int i = 0; i < 5; ++i)
    for (int j = 0; j < 5; ++j)
      EXPECT_NEAR(launcher.Values()[std::size_t(i * 5 + j)], 2 * std::hypot(-2.0 + i, -2.0 + j), 1e-15) << i << "," << j;
  launcher.Show();
  EXPECT_EQ(Series().Title(), QStringLiteral("f(x,y)=abs(comp(x,y)*comp(2,0))"));
  EXPECT_EQ(launcher.PrefixLength(), 4);
}

TEST_F(SurfaceLauncherTest, TheGridTakesAtMost499IntervalsASide)
{
  struct TCase {
    int StepsX, StepsY;
    bool Fits;
  };
  const TCase cases[] = {{499, 499, true}, {1, 1, true}, {500, 10, false}, {10, 500, false}, {16000, 2, false}, {0, 4, false}};
  for (const TCase& c : cases) {
    TSurfacePlotRequest request = Request("x", 0, 1, 1);
    request.StepsX = c.StepsX;
    request.StepsY = c.StepsY;
    EXPECT_EQ(TSurfacePlotLauncher(*form, request).Fits(), c.Fits) << c.StepsX << " x " << c.StepsY;
  }
}

}  // namespace
}  // namespace tools
