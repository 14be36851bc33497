#include "GraphDoubles.h"

#include "plot/graph/MetafileExport.h"
#include "plot/support/GraphLibrary.h"

#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <stdexcept>

namespace plot::test {
namespace {

using platform::TCanvasOp;

class TMarkLayer : public TLayer {
public:
  TMarkLayer(TGraph& graph, const QString& name) : TLayer(graph) { Name = name; }
  void Draw() override { Mark(*Graph, Name); }
};

TEST(GraphPaint, FixedOrderOnARecordingCanvas)
{
  TGraphFixture f;
  f.graph.BackColor = platform::clYellow;
  f.graph.OnBeforeStartDraw = [](TGraph& g) { EXPECT_TRUE(g.Painting); };
  f.graph.OnBeforePictureDraw = [](TGraph& g) { Mark(g, "before picture"); };
  f.graph.OnBeforeDraw = [](TGraph& g) { Mark(g, "before draw"); };
  f.graph.OnAfterDraw = [](TGraph& g) { Mark(g, "after draw"); };
  f.graph.SetAnnotations(std::make_unique<TMarkLayer>(f.graph, "annotations"));
  f.AddSeries("first", PointsXY({{0, 0}, {1, 1}}));
  f.AddSeries("hidden", PointsXY({{0, 0}})).Visible = false;
  f.AddSeries("second", PointsXY({{0, 1}, {1, 0}}));
  f.graph.Paint();

  const std::vector<QString> expected = {"before picture", "before draw", "first", "second", "annotations",
                                         "after draw"};
  EXPECT_EQ(f.Marks(), expected);
  // The background comes first, over the whole image in the back colour.
  const auto& records = f.image.Recording().Records();
  auto background = std::find_if(records.begin(), records.end(), [](const auto& r) { return r.IsDrawing(); });
  ASSERT_NE(background, records.end());
  EXPECT_EQ(background->Op, TCanvasOp::Rectangle);
  EXPECT_EQ(background->RectAt(0), (platform::TRect{0, 0, 400, 300}));
  EXPECT_EQ(background->State.Brush.Color, platform::clYellow);
  EXPECT_EQ(background->State.Pen.Style, platform::TPenStyle::psClear);
  // Layers draw clipped to the plot area, and the clip is gone afterwards.
  for (const auto& r : records) {
    if (r.Op == TCanvasOp::TextOut && (r.Text == "first" || r.Text == "second")) {
      EXPECT_TRUE(r.State.Clipped);
    }
  }
  EXPECT_FALSE(GraphLibrary().Clipped);
  EXPECT_FALSE(f.image.Recording().IsClipped());
  EXPECT_FALSE(f.graph.Painting);
  // Progress in panel 2, emptied at the end.
  EXPECT_EQ(f.statusBar.History.front(), "Drawing first...");
  EXPECT_TRUE(f.statusBar.Panels[2].isEmpty());
}

// An X axis that writes its place in the order.
class TMarkXAxis : public TXAxis {
public:
  explicit TMarkXAxis(TGraph& graph) : TXAxis(graph, 0, 1, graph.Charset) {}
  void Draw() override { Mark(*Graph, "x axis"); }
};

class TMarkLegend : public TWLegend {
public:
  explicit TMarkLegend(TGraph& graph) : TWLegend(graph, graph.Charset) {}
  void Draw() override { Mark(*Graph, "legend"); }
};

TEST(GraphPaint, InsideAxisAndLegendAreDrawnOverTheLayers)
{
  TGraphFixture f;
  f.graph.XAxis = std::make_unique<TMarkXAxis>(f.graph);
  f.graph.Legend = std::make_unique<TMarkLegend>(f.graph);
  f.AddSeries("s", PointsXY({{0, 0}, {1, 1}}));
  f.graph.Paint();
  EXPECT_EQ(f.Marks(), (std::vector<QString>{"x axis", "legend", "s"}));

  f.image.Recording().Clear();
  f.graph.XAxis->Location = alInside;
  f.graph.Legend->Style = lsInside;
  f.graph.Paint();
  EXPECT_EQ(f.Marks(), (std::vector<QString>{"s", "x axis", "legend"}));
}

TEST(GraphPaint, PrintPreviewPaintsAWhiteBackground)
{
  TGraphFixture f;
  GraphLibrary().PrintPreviewing = true;
  f.graph.ImageRect = {10, 10, 110, 90};
  int yields = 0;
  f.betweenLayers = [&] { ++yields; };
  f.AddSeries("s", PointsXY({{0, 0}, {1, 1}}));
  f.graph.Paint();
  GraphLibrary().PrintPreviewing = false;
  const auto& records = f.image.Recording().Records();
  auto background = std::find_if(records.begin(), records.end(), [](const auto& r) { return r.IsDrawing(); });
  ASSERT_NE(background, records.end());
  EXPECT_EQ(background->RectAt(0), (platform::TRect{10, 10, 110, 90}));
  EXPECT_EQ(background->State.Brush.Color, platform::clWhite);
  EXPECT_EQ(yields, 0);  // no events are processed while previewing
}

TEST(GraphPaint, NestedPaintDoesNothing)
{
  TGraphFixture f;
  TTestSeries& s = f.AddSeries("s", PointsXY({{0, 0}, {1, 1}}));
  s.OnDraw = [&] { f.graph.Paint(); };
  f.betweenLayers = [&] { f.graph.Paint(); };
  f.graph.Paint();
  EXPECT_EQ(f.Marks(), std::vector<QString>{"s"});
}

TEST(GraphPaint, ClearingTheGraphBetweenLayersStopsThePaint)
{
  TGraphFixture f;
  f.graph.OnAfterDraw = [](TGraph& g) { Mark(g, "after draw"); };
  f.AddSeries("first", PointsXY({{0, 0}}));
  f.AddSeries("second", PointsXY({{1, 1}}));
  int yields = 0;
  f.betweenLayers = [&] {
    if (++yields == 2)
      f.graph.Clear();
  };
  f.graph.Paint();
  EXPECT_EQ(f.Marks(), std::vector<QString>{"first"});
  EXPECT_EQ(f.graph.GetLayerCount(), 0);
  EXPECT_FALSE(f.graph.Painting);
  EXPECT_FALSE(GraphLibrary().Clipped);
  EXPECT_TRUE(f.statusBar.Panels[2].isEmpty());
}

TEST(GraphPaint, ALayerRemovedBetweenLayersIsNotMissed)
{
  TGraphFixture f;
  f.AddSeries("first", PointsXY({{0, 0}}));
  f.AddSeries("second", PointsXY({{1, 1}}));
  f.AddSeries("third", PointsXY({{2, 2}}));
  std::unique_ptr<TLayer> removed;
  int yields = 0;
  f.betweenLayers = [&] {
    if (++yields == 2)  // before "second" is drawn, "first" goes
      removed = f.graph.DeleteLayer(0);
  };
  f.graph.Paint();
  EXPECT_EQ(f.Marks(), (std::vector<QString>{"first", "second", "third"}));
  ASSERT_TRUE(removed);
  EXPECT_EQ(removed->Name, "first");
}

TEST(GraphPaint, AnErrorWhileDrawingEndsThePaintAndReachesTheCaller)
{
  TGraphFixture f;
  TTestSeries& s = f.AddSeries("s", PointsXY({{0, 0}}));
  s.OnDraw = [] { throw std::runtime_error("draw failed"); };
  EXPECT_THROW(f.graph.Paint(), std::runtime_error);
  EXPECT_FALSE(f.graph.Painting);
  EXPECT_FALSE(GraphLibrary().Clipped);
  EXPECT_TRUE(f.statusBar.Panels[2].isEmpty());
  s.OnDraw = nullptr;
  f.image.Recording().Clear();
  f.graph.Paint();  // the next paint runs normally
  EXPECT_EQ(f.Marks(), std::vector<QString>{"s"});
}

TEST(GraphPaint, BarSeriesAreDrawnAsOneGroup)
{
  TGraphFixture f;
  f.AddSeries("a", PointsXY({{1, 3}, {2, 4}}), kStyleBar);
  f.AddSeries("line", PointsXY({{1, 1}}));
  f.AddSeries("b", PointsXY({{1, 5}, {2, 1}}), kStyleBar);
  f.graph.Paint();
  const std::vector<QString> clustered = {"line", "a bar 0 slot 0", "b bar 0 slot 1", "a bar 1 slot 0",
                                          "b bar 1 slot 1"};
  EXPECT_EQ(f.Marks(), clustered);

  f.image.Recording().Clear();
  f.graph.BarStyle = bsStacked;
  f.graph.XAxis->Inverted = true;  // points run from the last
  f.graph.Paint();
  const std::vector<QString> stacked = {"line", "a stacked 1 on 0", "b stacked 1 on 4", "a stacked 0 on 0",
                                        "b stacked 0 on 3"};
  EXPECT_EQ(f.Marks(), stacked);
}

TEST(GraphPaint, MetafileTargetIsResetEvenWhenDrawingFails)
{
  QTemporaryDir dir;
  TGraphFixture f;
  TTestSeries& s = f.AddSeries("s", PointsXY({{0, 0}, {1, 1}}));
  const QString good = dir.filePath("graph.emf");
  SaveGraphMetafile(f.graph, good);
  EXPECT_TRUE(QFileInfo(good).size() > 0);
  EXPECT_FALSE(GraphLibrary().MetafileDrawing);
  EXPECT_EQ(GraphLibrary().MetafileCanvas, nullptr);
  EXPECT_EQ(&f.graph.TargetCanvas(), &f.image.Canvas());
  EXPECT_TRUE(f.Marks().empty());  // drawn into the metafile, not on the screen

  s.OnDraw = [] { throw std::runtime_error("draw failed"); };
  const QString bad = dir.filePath("bad.emf");
  EXPECT_THROW(SaveGraphMetafile(f.graph, bad), std::runtime_error);
  EXPECT_FALSE(QFileInfo::exists(bad));
  EXPECT_FALSE(GraphLibrary().MetafileDrawing);
  EXPECT_EQ(GraphLibrary().MetafileCanvas, nullptr);
  EXPECT_EQ(f.graph.Canvas, &f.image.Canvas());
  s.OnDraw = nullptr;
  f.graph.Paint();
  EXPECT_EQ(f.Marks(), std::vector<QString>{"s"});
}

}  // namespace
}  // namespace plot::test
