#include "TestAxisPanel.h"

#include "chart/support/Palette.h"
#include "platform/Bitmap.h"

#include <gtest/gtest.h>
#include <memory>

namespace chart {
namespace {

using testing::TLoggedAxisPanel;
using testing::TLoggedSeries;
using testing::TStepLog;

void DrawOnImage(TCustomAxisPanel& panel) { panel.CreateBitmap(platform::clWhite, panel.GetRectangle()); }

TEST(AxisPanelSeries, SeriesJoinAndLeaveTheChartOnce)
{
  TStepLog log;
  TLoggedSeries kept(log, "kept");
  {
    TLoggedAxisPanel panel;
    panel.AddSeries(kept);
    panel.AddSeries(kept);
    panel.InsertSeries(kept);
    EXPECT_EQ(panel.SeriesCount(), 1);
    EXPECT_EQ(kept.ParentChart(), &panel);
    EXPECT_EQ(kept.ResolvedHorizAxis(), &panel.BottomAxis());
    {
      TLoggedSeries brief(log, "brief");
      panel.AddSeries(brief);
      EXPECT_EQ(&panel.SeriesAt(1), &brief);
    }
    EXPECT_EQ(panel.SeriesCount(), 1);  // a destroyed series left the chart

    TLoggedAxisPanel other;
    other.AddSeries(kept);  // moves
    EXPECT_EQ(panel.SeriesCount(), 0);
    EXPECT_EQ(other.SeriesCount(), 1);
    kept.SetCursor(7);
    other.SetCursorNumber(7);  // the series' cursor, shown while the mouse was over it
    other.RemoveSeries(kept);
    EXPECT_EQ(other.CursorNumber(), other.OriginalCursor());
    EXPECT_EQ(kept.ParentChart(), nullptr);
    EXPECT_EQ(other.SeriesCount(), 0);
    panel.AddSeries(kept);
  }
  // The chart went first: the series is on no chart and has no axes.
  EXPECT_EQ(kept.ParentChart(), nullptr);
  EXPECT_EQ(kept.ResolvedHorizAxis(), nullptr);
}

TEST(AxisPanelSeries, ASeriesWithoutColourGetsTheFirstFreePaletteColour)
{
  TStepLog log;
  TLoggedAxisPanel panel;
  panel.SetColor(PaletteColor(2));
  TLoggedSeries given(log, "given"), first(log, "first"), second(log, "second"), third(log, "third");
  given.SetSeriesColor(PaletteColor(0));
  panel.AddSeries(given);
  panel.AddSeries(first);
  panel.AddSeries(second);
  panel.AddSeries(third);
  EXPECT_EQ(given.SeriesColor(), PaletteColor(0));
  EXPECT_EQ(first.SeriesColor(), PaletteColor(1));
  EXPECT_EQ(second.SeriesColor(), PaletteColor(3));  // the chart's colour is skipped
  EXPECT_EQ(third.SeriesColor(), PaletteColor(4));
  EXPECT_EQ(panel.GetFreeSeriesColor(false), PaletteColor(2));
}

TEST(AxisPanelSeries, LegendTitlesCountTheActiveSeriesShownInTheLegend)
{
  TStepLog log;
  TLoggedAxisPanel panel;
  TLoggedSeries titled(log, "titled"), hidden(log, "hidden"), off(log, "off"), named(log, "named"), bare(log, "");
  titled.SetTitle("Sales");
  hidden.SetShowInLegend(false);
  off.SetActive(false);
  for (TLoggedSeries* s : {&titled, &hidden, &off, &named, &bare}) panel.AddSeries(*s);
  const struct {
    int n;
    const char* title;
  } cases[] = {{0, "Sales"}, {1, "named"}, {2, "Series 2"}, {3, ""}, {-1, ""}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.n);
    EXPECT_EQ(panel.SeriesLegendTitle(c.n), QString::fromLatin1(c.title));
  }
  EXPECT_EQ(panel.ActiveLegendSeries(2), &bare);
}

TEST(AxisPanelSeries, AxesShowWhenTheirSeriesOrNoSeriesUseThem)
{
  TStepLog log;
  TLoggedAxisPanel panel;
  TLoggedSeries onBottomLeft(log, "a");
  struct Case {
    const char* what;
    bool series, view3D, axisVisible;
    bool bottom, top, left, right, depth;
  };
  const Case cases[] = {
      {"no series, 2-D", false, false, true, true, true, true, true, false},
      {"no series, 3-D", false, true, true, true, true, true, true, false},
      {"series, 3-D", true, true, true, true, false, true, false, false},
      {"axes off", true, true, false, false, false, false, false, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    if (c.series)
      panel.AddSeries(onBottomLeft);
    else
      panel.RemoveSeries(onBottomLeft);
    panel.SetView3D(c.view3D);
    panel.SetAxisVisible(c.axisVisible);
    EXPECT_EQ(panel.IsAxisVisible(panel.BottomAxis()), c.bottom);
    EXPECT_EQ(panel.IsAxisVisible(panel.TopAxis()), c.top);
    EXPECT_EQ(panel.IsAxisVisible(panel.LeftAxis()), c.left);
    EXPECT_EQ(panel.IsAxisVisible(panel.RightAxis()), c.right);
    EXPECT_EQ(panel.IsAxisVisible(panel.DepthAxis()), c.depth);
  }
  panel.SetAxisVisible(true);
  panel.DepthAxis().SetVisible(true);
  EXPECT_TRUE(panel.IsAxisVisible(panel.DepthAxis()));
  panel.SetView3D(false);
  EXPECT_FALSE(panel.IsAxisVisible(panel.DepthAxis()));
  panel.BottomAxis().SetVisible(false);
  EXPECT_FALSE(panel.IsAxisVisible(panel.BottomAxis()));
  // An inactive series rules nothing out.
  onBottomLeft.SetActive(false);
  EXPECT_TRUE(panel.IsAxisVisible(panel.TopAxis()));
}

TEST(AxisPanelSeries, AutomaticRangesCoverTheActiveSeriesWithPointsOnEachAxis)
{
  TStepLog log;
  TLoggedAxisPanel panel;
  TLoggedSeries low(log, "low"), high(log, "high"), both(log, "both"), off(log, "off"), empty(log, "empty");
  low.AddXY(-2, 5);
  low.AddXY(3, 7);
  high.SetHorizAxis(THorizAxis::aTopAxis);
  high.SetVertAxis(TVertAxis::aRightAxis);
  high.AddXY(100, -40);
  high.AddXY(200, 40);
  both.SetVertAxis(TVertAxis::aBothVertAxis);
  both.AddXY(1, 1000);
  off.AddXY(-500, -500);
  off.SetActive(false);
  empty.SetHorizAxis(THorizAxis::aTopAxis);
  for (TLoggedSeries* s : {&low, &high, &both, &off, &empty}) panel.AddSeries(*s);
  struct Case {
    const TCustomChartAxis& axis;
    bool isX;
    double min, max;
  };
  const Case cases[] = {
      {panel.BottomAxis(), true, -2, 3},
      {panel.TopAxis(), true, 100, 200},
      {panel.LeftAxis(), false, 5, 1000},
      {panel.RightAxis(), false, -40, 1000},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(panel.AxisMinMax(c.axis, true, c.isX), c.min);
    EXPECT_EQ(panel.AxisMinMax(c.axis, false, c.isX), c.max);
  }
  // The depth axis, labelled with the series titles, has one slot per z order.
  EXPECT_EQ(panel.MinXOfAxis(panel.DepthAxis()), -0.5);
  EXPECT_EQ(panel.MaxXOfAxis(panel.DepthAxis()), 0.5);
  high.SetActive(false);
  both.SetActive(false);
  EXPECT_EQ(panel.MaxXOfAxis(panel.TopAxis()), 0);
  EXPECT_EQ(panel.MinYOfAxis(panel.RightAxis()), 0);
}

TEST(AxisPanelSeries, LabelFactsComeFromTheSeries)
{
  TStepLog log;
  TLoggedAxisPanel panel;
  TLoggedSeries plain(log, "plain"), labelled(log, "labelled");
  plain.AddXY(1, 1);
  labelled.AddXY(1, 1, "a");
  labelled.AddXY(2, 2, QStringLiteral("wide label\rW"));
  panel.AddSeries(plain);
  panel.AddSeries(labelled);
  EXPECT_TRUE(panel.HasPointLabelsOnAxis(panel.BottomAxis()));
  EXPECT_FALSE(panel.HasPointLabelsOnAxis(panel.LeftAxis()));  // labels run along X
  EXPECT_EQ(panel.BottomAxis().CalcLabelStyle(), TAxisLabelStyle::talText);
  EXPECT_EQ(panel.TopAxis().CalcLabelStyle(), TAxisLabelStyle::talNone);
  EXPECT_EQ(panel.MaxTextWidth(), panel.Canvas().TextWidthOf(QStringLiteral("wide label")));
  labelled.SetActive(false);  // still measured, no longer labels the axis
  EXPECT_EQ(panel.MaxTextWidth(), panel.Canvas().TextWidthOf(QStringLiteral("wide label")));
  EXPECT_FALSE(panel.HasPointLabelsOnAxis(panel.BottomAxis()));

  labelled.XValues().SetDateTime(true);
  EXPECT_FALSE(panel.IsAxisDateTime(panel.BottomAxis()));  // the first active series decides
  plain.XValues().SetDateTime(true);
  EXPECT_TRUE(panel.IsAxisDateTime(panel.BottomAxis()));
  EXPECT_FALSE(panel.IsAxisDateTime(panel.LeftAxis()));

  QString text = "12";
  panel.OnGetAxisLabel = [](const TCustomChartAxis&, const TChartSeries* series, int index, QString& label) {
    label = QStringLiteral("%1 %2 %3").arg(label).arg(series == nullptr).arg(index);
  };
  panel.GetAxisLabel(panel.LeftAxis(), text);
  EXPECT_EQ(text, QStringLiteral("12 1 -1"));
}

TEST(AxisPanelSeries, AssignCopiesTheAxisPanelsSettings)
{
  TLoggedAxisPanel source, copy;
  source.SetAxisVisible(false);
  source.SetClipPoints(false);
  source.SetView3DWalls(false);
  source.SetScaleLastPage(false);
  source.SetMaxPointsPerPage(7);
  source.LeftAxis().SetInverted(true);
  source.DepthAxis().SetVisible(true);
  source.SetMarginLeft(20);
  copy.Assign(source);
  EXPECT_FALSE(copy.AxisVisible());
  EXPECT_FALSE(copy.ClipPoints());
  EXPECT_FALSE(copy.View3DWalls());
  EXPECT_FALSE(copy.ScaleLastPage());
  EXPECT_EQ(copy.MaxPointsPerPage(), 7);
  EXPECT_TRUE(copy.LeftAxis().Inverted());
  EXPECT_FALSE(copy.BottomAxis().Inverted());
  EXPECT_TRUE(copy.DepthAxis().Visible());
  EXPECT_EQ(copy.MarginLeft(), 20);
}

// Text labels along an axis come from its labelled series, the first reaching an index giving it.
TEST(AxisPanelSeries, TextLabelsAlongAnAxisComeFromItsLabelledSeries)
{
  TStepLog log;
  TLoggedAxisPanel panel;
  TLoggedSeries few(log, "few"), many(log, "many"), plain(log, "plain"), top(log, "top");
  const char* const fewLabels[] = {"a", "b", "c"};
  for (int i = 0; i < 3; ++i) few.AddXY(i, 1, fewLabels[i]);
  const char* const manyLabels[] = {"v", "w", "x", "y", "z"};
  for (int i = 0; i < 5; ++i) many.AddXY(10 + i, 2, manyLabels[i]);
  plain.AddPoints(8);
  top.SetHorizAxis(THorizAxis::aTopAxis);
  top.AddXY(0, 0, "top");
  for (TLoggedSeries* s : {&few, &many, &plain, &top}) {
    s->OnGetMarkText = [](const TChartSeries&, int index, QString& text) { text = QStringLiteral("m%1").arg(index); };
    panel.AddSeries(*s);
  }
  panel.SetView3D(false);
  DrawOnImage(panel);
  panel.OnGetAxisLabel = [](const TCustomChartAxis&, const TChartSeries* series, int index, QString& text) {
    text += QStringLiteral(" %1 %2").arg(series->Name()).arg(index);
  };
  const struct {
    bool marks;
    std::vector<QString> texts;
  } cases[] = {
      {false, {"a few 0", "b few 1", "c few 2", "y many 3", "z many 4"}},
      {true, {"m0 few 0", "m1 few 1", "m2 few 2", "m3 many 3", "m4 many 4"}},
  };
  const double values[] = {0, 1, 2, 13, 14};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.marks);
    const std::vector<TAxisTextLabel> labels = panel.AxisTextLabels(panel.BottomAxis(), c.marks);
    ASSERT_EQ(labels.size(), c.texts.size());
    for (std::size_t i = 0; i < labels.size(); ++i) {
      EXPECT_EQ(labels[i].Text, c.texts[i]);
      EXPECT_EQ(labels[i].Value, values[i]);
    }
  }
  // A vertical axis places the same texts at the Y values.
  const std::vector<TAxisTextLabel> vertical = panel.AxisTextLabels(panel.LeftAxis(), false);
  ASSERT_EQ(vertical.size(), 5u);
  EXPECT_EQ(vertical[0].Value, 1);
  EXPECT_EQ(vertical[4].Value, 2);
  EXPECT_TRUE(panel.AxisTextLabels(panel.DepthAxis(), false).empty());
}

TEST(AxisPanelSeries, DepthLabelsNameTheSeriesFromTheBack)
{
  TStepLog log;
  TLoggedAxisPanel panel;
  TLoggedSeries titled(log, "titled"), named(log, "named"), bare(log, ""), off(log, "off");
  titled.SetTitle("Sales");
  off.SetActive(false);
  for (TLoggedSeries* s : {&titled, &off, &named, &bare}) {
    s->AddPoints(2);
    panel.AddSeries(*s);
  }
  DrawOnImage(panel);
  ASSERT_EQ(panel.MaxZOrder(), 2);
  const char* const expected[] = {"Sales", "named", "Series 2"};
  for (int z = 0; z < 3; ++z) EXPECT_EQ(panel.DepthAxisLabel(panel.DepthAxis(), z), QString::fromLatin1(expected[z]));
  panel.OnGetAxisLabel = [](const TCustomChartAxis& axis, const TChartSeries* series, int index, QString& text) {
    text = QStringLiteral("%1 %2 %3").arg(text).arg(axis.IsDepth() && series == nullptr).arg(index);
  };
  EXPECT_EQ(panel.DepthAxisLabel(panel.DepthAxis(), 1), QStringLiteral("named 1 1"));

  EXPECT_FALSE(panel.HasNextAxisLabel());
  panel.OnGetNextAxisLabel = [](const TCustomChartAxis&, int index, double& value, bool& stop) {
    value = 5.0 * index;
    stop = index > 1;
  };
  EXPECT_TRUE(panel.HasNextAxisLabel());
  double value = 0;
  bool stop = true;
  panel.GetNextAxisLabel(panel.LeftAxis(), 1, value, stop);
  EXPECT_EQ(value, 5);
  EXPECT_FALSE(stop);
}

}  // namespace
}  // namespace chart
