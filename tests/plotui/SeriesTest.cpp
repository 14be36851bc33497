// Series model: points, extents, interpolation, symbol widths, the popup menu and the file block.
#include "PlotFixture.h"

#include "plot/graph/GraphFile.h"
#include "plot/parts/InfoBubble.h"

#include "platform/ModalRun.h"

#include <gtest/gtest.h>
#include <algorithm>
#include <vector>
#include "platform/Menus.h"

namespace plotui::test {
namespace {

using plot::TFloatPoint;

TEST(Series, PointsAreSegmentsAndGetPointClampsItsIndex)
{
  TPlotFixture f;
  TSeries& s = f.AddSeries("s", plot::kStyleLine, platform::clRed);
  EXPECT_EQ(s.GetPoint(3), TFloatPoint({0, 0}));  // empty
  const TGraphData& first = s.AddPoint(1, 2, platform::clRed, {});
  EXPECT_EQ(first.X1, 1);
  EXPECT_EQ(first.Y1, 2);
  const TGraphData& second = s.AddPoint(3, 4, platform::clRed, {});
  EXPECT_EQ(second.X1, 1);
  EXPECT_EQ(second.Y1, 2);
  const struct {
    int index;
    TFloatPoint point;
  } cases[] = {{0, {1, 2}}, {1, {3, 4}}, {5, {3, 4}}, {-4, {1, 2}}};
  for (const auto& c : cases)
    EXPECT_EQ(s.GetPoint(c.index), c.point) << c.index;
  EXPECT_EQ(&s.GetData(99), &second);
  EXPECT_EQ(&s.GetData(-1), &first);
  EXPECT_EQ(s.GetPointColor(7), 0u);
}

// Points added later leave the earlier ones where they are, across the blocks they are kept in;
// every point keeps its values, forwards and backwards, and its marker.
TEST(Series, PointsStayInPlaceWhileMoreAreAdded)
{
  TPlotFixture f;
  TSeries& s = f.AddSeries("s", plot::kStyleLineAndPoint, platform::clRed);
  constexpr int kPoints = 13000;
  const int watched[] = {0, 1, 15, 16, 17, 47, 48, 111, 112, 4000, 8175, 8176, 12271, 12272, 12999};
  std::vector<const TGraphData*> addresses;
  for (int i = 0; i < kPoints; ++i) {
    const TGraphData& added = s.AddPoint(i, -i, platform::TColor(i), {});
    if (std::find(std::begin(watched), std::end(watched), i) != std::end(watched))
      addresses.push_back(&added);
  }
  ASSERT_EQ(s.GetCount(), kPoints);
  for (std::size_t k = 0; k < addresses.size(); ++k) {
    const int i = watched[k];
    EXPECT_EQ(&s.GetData(i), addresses[k]) << i;
    EXPECT_EQ(addresses[k]->X2, i) << i;
    EXPECT_EQ(addresses[k]->X1, std::max(i - 1, 0)) << i;
    EXPECT_EQ(s.GetPointColor(i), platform::TColor(i)) << i;
    ASSERT_TRUE(addresses[k]->Marker.has_value()) << i;
    EXPECT_EQ(addresses[k]->Marker->Series, &s) << i;
  }
  int forwards = 0;
  for (const TGraphData& d : s.Points)
    EXPECT_EQ(d.Y2, -forwards++);
  int backwards = kPoints;
  for (auto it = s.Points.rbegin(); it != s.Points.rend(); ++it)
    EXPECT_EQ(it->X2, --backwards);
  EXPECT_EQ(forwards, kPoints);
  EXPECT_EQ(backwards, 0);
  EXPECT_DOUBLE_EQ(s.InterpolateY(2500.5, 0), -2500.5);
  EXPECT_EQ(s.NearestPointIndex(9321, -9321), 9321);
  s.SetMarkerSize(9);
  EXPECT_EQ(addresses.back()->Marker->Size, 9);
  s.Clear();
  EXPECT_EQ(s.GetCount(), 0);
  EXPECT_EQ(s.AddPoint(7, 8, platform::clRed, {}).X1, 7);
}

TEST(Series, ExtentsOfASinglePointAndOfBars)
{
  const struct {
    double x, y;
    plot::TSeriesStyle style;
    double xMin, xMax, yMin, yMax;
  } cases[] = {{0, 0, plot::kStyleLine, -0.1, 0.1, -0.1, 1.0},
               {2, 3, plot::kStyleLine, 1.8, 2.2, 2.7, 3.3},
               {-2, -3, plot::kStylePoints, -2.2, -1.8, -3.3, -2.7}};
  for (const auto& c : cases) {
    TPlotFixture f;
    TSeries& s = f.AddSeries("s", c.style, platform::clRed, {{c.x, c.y}});
    double xMin, xMax, yMin, yMax;
    s.GetExtents(xMin, xMax, yMin, yMax);
    EXPECT_DOUBLE_EQ(xMin, c.xMin);
    EXPECT_DOUBLE_EQ(xMax, c.xMax);
    EXPECT_DOUBLE_EQ(yMin, c.yMin);
    EXPECT_DOUBLE_EQ(yMax, c.yMax);
  }
  TPlotFixture f;
  TSeries& bars = f.AddSeries("b", plot::kStyleBar, platform::clRed, {{1, 2}, {2, 5}, {3, 4}});
  double xMin, xMax, yMin, yMax;
  bars.GetExtents(xMin, xMax, yMin, yMax);
  EXPECT_EQ(yMin, 0);
  EXPECT_EQ(yMax, 5);
}

TEST(Series, InterpolateYOnSegmentsAndNearTheEnds)
{
  TPlotFixture f;
  TSeries& s = f.AddSeries("s", plot::kStyleLine, platform::clRed, {{0, 0}, {10, 10}, {20, 0}});
  f.chart->Redraw();
  const plot::TFloatRect range = f.chart->Graph->GetWorldRange();
  const double width = range.Right - range.Left;
  EXPECT_DOUBLE_EQ(s.InterpolateY(5, 0), 5);
  EXPECT_DOUBLE_EQ(s.InterpolateY(15, 0), 5);
  EXPECT_DOUBLE_EQ(s.InterpolateY(10, 9), 10);
  // Beyond the data but within 5 % of the range's end: the last Y; further out the missing mark.
  EXPECT_DOUBLE_EQ(s.InterpolateY(range.Right + width * 0.03, 7), 0);
  EXPECT_DOUBLE_EQ(s.InterpolateY(range.Left - width * 0.03, 7), 0);
  EXPECT_DOUBLE_EQ(s.InterpolateY(range.Right + width, 0), plot::MissingValue);
  EXPECT_EQ(s.NearestPointIndex(9, 9), 1);
  TSeries& empty = f.AddSeries("e", plot::kStyleLine, platform::clRed);
  EXPECT_EQ(empty.NearestPointIndex(0, 0), -1);
}

TEST(Series, SymbolWidthsNeverDivideByZero)
{
  TPlotFixture f;
  TSeries& bar = f.AddSeries("b", plot::kStyleBar, platform::clRed, {{1, 1}});
  TSeries& depth = f.AddSeries("z", plot::kStyleDepthBar, platform::clBlue, {{1, 1}});
  f.chart->Redraw();
  const int cases[][2] = {{0, 0}, {1, 0}, {1, 1}, {0, 1}, {2, 1}, {5, 5}};
  for (const auto& c : cases) {
    const int w8 = bar.GetSymbolWidth(c[0], c[1]);
    const int w10 = depth.GetSymbolWidth(c[0], c[1]);
    EXPECT_GE(w8, 0) << c[0] << " " << c[1];
    EXPECT_LT(w8, 100000) << c[0] << " " << c[1];
    EXPECT_GE(w10, 0) << c[0] << " " << c[1];
    EXPECT_LT(w10, 100000) << c[0] << " " << c[1];
  }
  TSeries& line = f.AddSeries("l", plot::kStyleLine, platform::clRed, {{1, 1}});
  line.SetMarkerSize(7);
  EXPECT_EQ(line.GetSymbolWidth(3, 3), 7);
}

TEST(Series, PopupShowsInfoAndEditOnlyForSteps)
{
  TPlotFixture f;
  TSeries& s = f.AddSeries("s", plot::kStyleLine, platform::clRed);
  const auto visible = [](TSeries& series, const char* name) {
    return series.PopupMenu->Items().Find(QString::fromLatin1(name))->Visible();
  };
  EXPECT_TRUE(visible(s, "miInfo"));
  EXPECT_FALSE(visible(s, "miSelectOnOff"));
  EXPECT_FALSE(visible(s, "miEdit"));
  EXPECT_FALSE(visible(s, "miErase"));
  EXPECT_FALSE(visible(s, "miUnvisible"));
  TSeries& steps = f.AddSeries("t", plot::kStylePiecewiseConstant, platform::clRed);
  EXPECT_TRUE(visible(steps, "miEdit"));
  s.SetInfoEnabled(false);
  EXPECT_FALSE(visible(s, "miInfo"));
}

TEST(Series, SetColorFollowsOnEveryMarkersSecondColourAndTheLegend)
{
  TPlotFixture f;
  TSeries& s = f.AddSeries("s", plot::kStyleLineAndPoint, platform::clRed, {{0, 0}, {1, 1}}, true);
  s.SetColor(platform::clBlue);
  for (const auto& p : s.Points)
    EXPECT_EQ(p.Marker->Color2, platform::clBlue);
  ASSERT_NE(s.Legend, nullptr);
  EXPECT_EQ(s.Legend->Color, platform::clBlue);
  EXPECT_EQ(f.chart->Legend->Count(), 1);
}

TEST(Series, ARightClickOnTheLineOpensItsPopupAndInfoPinsABubble)
{
  TPlotFixture f;
  TSeries& s = f.AddSeries("s", plot::kStyleLine, platform::clRed, {{0, 0}, {10, 10}});
  f.chart->Redraw();
  plot::TGraph& graph = *f.chart->Graph;
  const int x = graph.XToScreen(5), y = graph.YToScreen(5);
  graph.MouseMove(0, x, y);
  EXPECT_EQ(s.HitIndex, 1);
  platform::ModalScript script;
  script.ChooseItem("miInfo");
  graph.MouseDown(platform::mbRight, platform::ssRight, x, y);
  EXPECT_EQ(script.StepsLeft(), 0);
  EXPECT_EQ(graph.Info->GetCount(), 1);
  graph.MouseMove(0, graph.XToScreen(9), graph.YToScreen(1));
  EXPECT_EQ(s.HitIndex, -1);
}

plot::TGraphFileWriter Saved(const TSeries& s)
{
  plot::TGraphFileWriter file;
  file.WriteLine("1");
  s.SaveToFile(file);
  return file;
}

TEST(Series, ABlockRoundTripKeepsNamesWithBlanksAndEverySetting)
{
  TPlotFixture f;
  TSeries& s = f.AddSeries("my series", plot::kStyleLineAndPoint, platform::clRed, {}, true);
  s.YName = "y values";
  s.MarkerInterval = 5;
  s.BarWidth = 0.5;
  s.AllowSelect = true;
  s.SetMarkerStyle(7);
  s.AddPoint(1.5, -2.25, 0x123456, "first point");
  s.AddPoint(3, 4, 0x654321, {});
  s.Points[1].Marker.reset();
  const plot::TGraphFileWriter file = Saved(s);
  EXPECT_EQ(file.Lines()[1], "TSeries");
  EXPECT_EQ(file.Lines()[5], "0 1 4 ");

  TPlotFixture g;
  plot::TGraphFileReader reader(file.Lines());
  ASSERT_TRUE(g.chart->Graph->LoadFromFile(reader));
  ASSERT_EQ(g.chart->Graph->GetLayerCount(), 1);
  auto* read = dynamic_cast<TSeries*>(g.chart->Graph->GetLayer(0));
  ASSERT_NE(read, nullptr);
  EXPECT_EQ(read->Name, "my series");
  EXPECT_EQ(read->YName, "y values");
  EXPECT_EQ(read->MarkerInterval, 5);
  EXPECT_DOUBLE_EQ(read->BarWidth, 0.5);
  EXPECT_TRUE(read->AllowSelect);
  EXPECT_EQ(read->GetMarkerStyle(), 7);
  EXPECT_EQ(read->Style, plot::kStyleLineAndPoint);
  ASSERT_EQ(read->GetCount(), 2);
  EXPECT_EQ(read->Points[0].Name, "first point");
  EXPECT_DOUBLE_EQ(read->Points[0].Y2, -2.25);
  EXPECT_EQ(read->Points[0].Color, 0x123456u);
  EXPECT_TRUE(read->Points[0].Marker.has_value());
  EXPECT_FALSE(read->Points[1].Marker.has_value());
  EXPECT_EQ(g.chart->Legend->Count(), 1);
  EXPECT_EQ(read->Legend->Caption, "my series");
  EXPECT_EQ(Saved(*read).Lines(), file.Lines());
}

TEST(Series, AReaderStopsAtTheEndOrACountMismatchAndStillBuildsThePopup)
{
  TPlotFixture f;
  TSeries& s = f.AddSeries("s", plot::kStyleLine, platform::clRed, {{0, 0}, {1, 1}, {2, 4}});
  const std::vector<std::string> lines = Saved(s).Lines();
  // The point count says 3; the file ends inside the second point, which keeps what was read.
  std::size_t cut = 0;
  int blocks = 0;
  for (std::size_t i = 0; i < lines.size(); ++i)
    if (lines[i] == "TGraphData" && ++blocks == 3)
      cut = i + 2;
  ASSERT_GT(cut, 0u);
  const struct {
    const char* what;
    std::vector<std::string> lines;
    int points;
  } cases[] = {{"end of file", {lines.begin(), lines.begin() + static_cast<long>(cut)}, 2},
               {"a second series block instead of a point",
                [&] {
                  std::vector<std::string> mixed(lines.begin(), lines.begin() + static_cast<long>(cut - 2));
                  mixed.push_back("TSeries");
                  return mixed;
                }(),
                1}};
  for (const auto& c : cases) {
    TPlotFixture g;
    platform::ModalScript script;
    script.Press(platform::mrOk);
    plot::TGraphFileReader reader(c.lines);
    g.chart->Graph->LoadFromFile(reader);
    ASSERT_GE(g.chart->Graph->GetLayerCount(), 1) << c.what;
    auto* read = dynamic_cast<TSeries*>(g.chart->Graph->GetLayer(0));
    ASSERT_NE(read, nullptr);
    EXPECT_EQ(read->GetCount(), c.points) << c.what;
    ASSERT_NE(read->PopupMenu, nullptr);
    EXPECT_NE(read->PopupMenu->Items().Find("miInfo"), nullptr) << c.what;
    EXPECT_EQ(script.StepsLeft(), 0) << c.what;
  }
}

// Point blocks without their closing lines: one message for the whole file, the load fails, and the
// graph keeps its layer from before and the points read up to the first block that does not close.
TEST(Series, PointBlocksWithoutClosingLinesShowOneMessageAndFailTheLoad)
{
  TPlotFixture f;
  TSeries& s = f.AddSeries("s", plot::kStyleLine, platform::clRed);
  for (int i = 0; i < 2000; ++i)
    s.AddPoint(i, i * i, platform::clRed, {});
  for (const bool markers : {true, false}) {
    for (auto& point : s.Points)
      if (!markers)
        point.Marker.reset();
    const plot::TGraphFileWriter saved = Saved(s);
    std::vector<std::string> lines;
    bool inBlock = false;
    for (const std::string& line : saved.Lines()) {
      if (line == "TGraphData" && (inBlock = !inBlock) == false)
        continue;
      lines.push_back(line);
    }
    TPlotFixture g;
    TSeries& before = g.AddSeries("before", plot::kStyleLine, platform::clBlue, {{0, 0}, {1, 1}});
    platform::ModalScript script;
    script.Press(platform::mrOk);
    plot::TGraphFileReader reader(lines);
    EXPECT_FALSE(g.chart->Graph->LoadFromFile(reader)) << markers;
    EXPECT_EQ(script.Answered().size(), 1u) << markers;
    EXPECT_EQ(script.StepsLeft(), 0) << markers;
    ASSERT_EQ(g.chart->Graph->GetLayerCount(), 2) << markers;
    EXPECT_EQ(g.chart->Graph->GetLayer(0), &before);
    EXPECT_EQ(before.GetCount(), 2);
    auto* read = dynamic_cast<TSeries*>(g.chart->Graph->GetLayer(1));
    ASSERT_NE(read, nullptr);
    EXPECT_LE(read->GetCount(), 2) << markers;
  }
}

}  // namespace
}  // namespace plotui::test
