#include "GraphDoubles.h"

#include <gtest/gtest.h>

namespace plot::test {
namespace {

TEST(GraphLayers, FindDeleteAndClear)
{
  TGraphFixture f;
  TTestSeries& a = f.AddSeries("Sine", PointsXY({{0, 0}}));
  TTestSeries& b = f.AddSeries("SINE", PointsXY({{0, 0}}));
  f.AddSeries("empty", {});
  EXPECT_EQ(f.graph.FindLayer("sine"), &a);
  EXPECT_EQ(f.graph.FindLayer("cosine"), nullptr);
  EXPECT_EQ(f.graph.IndexOfLayer(&b), 1);

  int countWhenFired = -1;
  f.graph.OnDeleteSeries = [&](TGraph& g, TLayer& layer) {
    countWhenFired = g.GetLayerCount();
    EXPECT_EQ(&layer, &a);
  };
  std::unique_ptr<TLayer> removed = f.graph.DeleteLayer(0);
  EXPECT_EQ(countWhenFired, 3);  // fired before the entry goes
  EXPECT_EQ(removed.get(), &a);
  EXPECT_EQ(removed->Name, "Sine");  // still usable by the caller
  EXPECT_EQ(f.graph.GetLayerCount(), 2);
  EXPECT_EQ(f.graph.DeleteLayer(5), nullptr);

  EXPECT_FALSE(f.graph.IsEmpty());
  b.Selected = true;
  f.graph.UnselectAll();
  EXPECT_FALSE(b.Selected);

  f.graph.XAxis->AutoMin = false;
  f.graph.XAxis->Minimum = 3;
  f.graph.YAxis->AddLabel("top", 1);
  f.graph.ActiveLayer = &b;
  f.graph.Clear();
  EXPECT_EQ(f.graph.GetLayerCount(), 0);
  EXPECT_TRUE(f.graph.IsEmpty());
  EXPECT_EQ(f.graph.ActiveLayer, nullptr);
  EXPECT_TRUE(f.graph.XAxis->AutoMin);
  EXPECT_EQ(f.graph.XAxis->Minimum, MissingValue);
  EXPECT_TRUE(f.graph.YAxis->Labels.empty());
}

TEST(GraphLayers, AxisFlagsFollowTheActiveLayer)
{
  TGraphFixture f;
  TTestSeries& right = f.AddSeries("right", PointsXY({{0, 0}}));
  right.OnY2 = true;
  f.graph.YAxis2->Log = true;
  f.graph.XAxis->Inverted = true;
  EXPECT_FALSE(f.graph.IsYLog());
  f.graph.ActiveLayer = &right;
  EXPECT_TRUE(f.graph.IsYLog());
  EXPECT_TRUE(f.graph.IsXInverted());
  EXPECT_FALSE(f.graph.IsYInverted());
}

TEST(GraphLayers, CreatedParts)
{
  TGraphFixture f;
  const TGraph& g = f.graph;
  EXPECT_EQ(g.Range, SetFloatRect(0, 0, 1, 1));
  EXPECT_EQ(g.Range2, SetFloatRect(0, 0, 1, 1));
  EXPECT_EQ(g.ImageRect, (platform::TRect{0, 0, 400, 300}));
  EXPECT_EQ(g.BackColor, platform::clBtnFace);
  EXPECT_EQ(g.Color, platform::clWhite);
  EXPECT_EQ(g.Legend->GetColor(), platform::clWhite);
  EXPECT_EQ(g.Legend->Name, "Legend");
  EXPECT_EQ(g.Gradient->Style, gsNone);
  EXPECT_EQ(g.Gradient->EndColor, platform::clSilver);
  EXPECT_EQ(g.MinimumLogValue, 1e-10);
  EXPECT_TRUE(g.PopupMenuItems.Contains(piProperties));
  EXPECT_FALSE(g.PopupMenuItems.Contains(piPrint));
  EXPECT_EQ(g.XAxis2->LineWidth, 0);
  EXPECT_EQ(g.YAxis->LabelsDirection, ldVertical);
  EXPECT_FALSE(g.Picture->GetVisible());
  EXPECT_DOUBLE_EQ(g.NiceNumbers.Step, 0.1);
}

}  // namespace
}  // namespace plot::test
