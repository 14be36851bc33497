#include "../graph/GraphDoubles.h"

#include "plot/axes/AxisPaint.h"
#include "plot/support/GraphLibrary.h"

#include "platform/CanvasRounding.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace plot::test {
namespace {

using platform::TCanvasOp;
using platform::TPoint;

struct TText {
  QString text;
  TPoint at;
  unsigned align;
  platform::TColor color;
};

struct TSegment {
  TPoint from, to;
  platform::TColor color;
};

// A graph laid out over one series, its drawing records cleared: each test draws one axis.
struct TAxisFixture : TGraphFixture {
  explicit TAxisFixture(std::vector<TFloatPoint> points, bool clip = true)
  {
    AddSeries("s", std::move(points));
    graph.SetClipMarkers(clip);  // no margins: the range is the data's
    graph.UpdateTransform();
    image.Recording().Clear();
  }
  void Relayout()
  {
    graph.UpdateTransform();
    image.Recording().Clear();
  }
  std::vector<TText> Texts()
  {
    std::vector<TText> texts;
    for (const auto& r : image.Recording().Records())
      if (r.Op == TCanvasOp::TextOut)
        texts.push_back({r.Text, r.Points.at(0), r.State.TextAlign, r.State.Font.Color});
    return texts;
  }
  std::vector<QString> Labels()
  {
    std::vector<QString> labels;
    for (const TText& t : Texts())
      labels.push_back(t.text);
    return labels;
  }
  std::vector<TSegment> Lines()
  {
    std::vector<TSegment> lines;
    for (const auto& r : image.Recording().Records())
      if (r.Op == TCanvasOp::LineTo)
        lines.push_back({r.Points.at(0), r.Points.at(1), r.State.Pen.Color});
    return lines;
  }
  int CountLines(platform::TColor color)
  {
    const auto lines = Lines();
    return static_cast<int>(std::count_if(lines.begin(), lines.end(), [color](const TSegment& s) { return s.color == color; }));
  }
};

TEST(AxisDraw, XLabelsTicksAndTheLastLabelRightAligned)
{
  TAxisFixture f(PointsXY({{0, 0}, {0.003, 1}}));
  f.graph.XAxis->Draw();
  const auto texts = f.Texts();
  ASSERT_EQ(f.Labels(), (std::vector<QString>{"0", "0.001", "0.002", "0.003"}));
  const platform::TRect p = f.graph.PlotRect;
  EXPECT_EQ(texts[0].at.X, p.Left);
  EXPECT_EQ(texts[0].align, kAlignCentreTop);
  EXPECT_EQ(texts[3].at.X, f.graph.X1ToScreen(0.003));
  EXPECT_EQ(texts[3].align, kAlignRightTop);  // half its width would pass the plot's right edge
  // The axis line on the frame's bottom row, sixteen ticks below it: four long, twelve short.
  const auto lines = f.Lines();
  ASSERT_EQ(lines.size(), 17u);
  const int y0 = p.Bottom;  // frame width 1
  EXPECT_EQ(lines[0].from, (TPoint{p.Left - 1, y0}));
  int longTicks = 0;
  for (std::size_t i = 1; i < lines.size(); ++i) {
    EXPECT_EQ(lines[i].from.Y, y0);
    longTicks += lines[i].to.Y - y0 == 4 * f.graph.UnitHeight ? 1 : 0;
  }
  EXPECT_EQ(longTicks, 4);
}

TEST(AxisDraw, OverlappingXLabelsAreLeftOutExceptOnAnInvertedAxis)
{
  TRecordingGraphImage narrow(90, 100);
  TGraph graph(nullptr, narrow, nullptr);
  graph.ProcessMessages = [] {};
  graph.AddLayer(std::make_unique<TTestSeries>(graph, "s", PointsXY({{0, 0}, {0.003, 1}})));
  graph.SetClipMarkers(true);
  graph.YAxis->SetVisible(false);
  graph.YAxis2->SetVisible(false);
  graph.UpdateTransform();
  const auto drawnLabels = [&] {
    narrow.Recording().Clear();
    graph.XAxis->Draw();
    std::vector<platform::TCanvasRecord> texts;
    for (const auto& r : narrow.Recording().Records())
      if (r.Op == TCanvasOp::TextOut)
        texts.push_back(r);
    return texts;
  };
  const auto texts = drawnLabels();
  ASSERT_GE(texts.size(), 2u);
  EXPECT_LT(texts.size(), 4u);
  // What is drawn does not overlap.
  for (std::size_t i = 1; i < texts.size(); ++i) {
    const int previousRight = texts[i - 1].Points[0].X + narrow.Canvas().TextWidth(texts[i - 1].Text) / 2;
    const int left = texts[i].Points[0].X - narrow.Canvas().TextWidth(texts[i].Text) / 2;
    EXPECT_GT(left, previousRight - 1) << texts[i].Text.toStdString();
  }
  graph.XAxis->Inverted = true;
  std::swap(graph.Range.Left, graph.Range.Right);
  graph.UpdateTransform();
  EXPECT_EQ(drawnLabels().size(), 4u);
}

TEST(AxisDraw, LabelsFrequencyAndTicksPointingIn)
{
  TAxisFixture f(PointsXY({{0, 0}, {1, 1}}));
  f.graph.XAxis->LabelsFrequency = 2;
  f.graph.XAxis->Draw();
  EXPECT_EQ(f.Labels(), (std::vector<QString>{"0", "1"}));

  platform::TRect out = f.graph.ImageRect;
  TWText text(f.graph, "Arial");
  f.graph.XAxis->LabelSpace(out, text);
  f.graph.XAxis->Ticks.Direction = tdIN;
  platform::TRect in = f.graph.ImageRect;
  f.graph.XAxis->LabelSpace(in, text);
  EXPECT_EQ(in.Bottom - out.Bottom, 4 * f.graph.GetUnitHeight());  // no tick room

  f.image.Recording().Clear();
  f.graph.XAxis->LabelsFrequency = 1;
  f.graph.XAxis->Draw();
  const auto texts = f.Texts();
  ASSERT_FALSE(texts.empty());
  EXPECT_EQ(texts[0].at.Y, f.graph.PlotRect.Bottom);  // at the axis: no offset
  for (const TSegment& s : f.Lines())
    EXPECT_LE(s.to.Y, f.graph.PlotRect.Bottom);  // ticks point up into the plot
}

TEST(AxisDraw, InsideXAxisCrossesAtItsPosition)
{
  TAxisFixture f(PointsXY({{0, -1}, {1, 1}}));
  TAxis& x = *f.graph.XAxis;
  x.Location = alInside;
  x.Position = 0;
  x.Name = "x";
  platform::TRect r = f.graph.ImageRect;
  TWText text(f.graph, "Arial");
  x.LabelSpace(r, text);
  text.SetSize(8);
  EXPECT_EQ(f.graph.ImageRect.Bottom - r.Bottom, platform::SafeRound(1.2 * text.TextHeight("(")));  // the caption only

  f.image.Recording().Clear();
  x.Draw();
  const int row = f.graph.Y1ToScreen(0);
  EXPECT_EQ(f.Lines().front().from.Y, row);
  const auto texts = f.Texts();
  ASSERT_FALSE(texts.empty());
  EXPECT_EQ(texts.front().text, "x");
  EXPECT_EQ(texts.front().at.Y, f.graph.PlotRect.Bottom + 1 + 2);  // R.Bottom + 2
}

TEST(AxisDraw, YAxisShowsItsRangeEndsWhenNoTickIsLabelled)
{
  TAxisFixture f(PointsXY({{0, 0.2}, {1, 0.8}}));
  f.graph.YAxis->LabelsStyle = asInteger;  // ticks at 1, 2, 3: all above the plot
  f.Relayout();
  f.graph.YAxis->Draw();
  const auto texts = f.Texts();
  ASSERT_EQ(f.Labels(), (std::vector<QString>{"0.2", "0.8"}));
  EXPECT_EQ(texts[0].at.Y, f.graph.PlotRect.Bottom);
  EXPECT_EQ(texts[0].align, kAlignLeftTop);
  EXPECT_EQ(texts[1].at.Y, f.graph.PlotRect.Top);
  EXPECT_EQ(texts[1].align, kAlignRightTop);
}

TEST(AxisDraw, HiddenAxesStillDrawTheirGridLinesButNotASecondY)
{
  TAxisFixture f(PointsXY({{0, 0}, {1, 1}}));
  const platform::TColor grid = 0x00AA00;
  for (TAxis* axis : {static_cast<TAxis*>(f.graph.XAxis.get()), static_cast<TAxis*>(f.graph.YAxis.get()),
                      static_cast<TAxis*>(f.graph.XAxis2.get()), static_cast<TAxis*>(f.graph.YAxis2.get())}) {
    axis->Grid = true;
    axis->GridColor = grid;
    axis->SetVisible(false);
    f.image.Recording().Clear();
    axis->Draw();
    EXPECT_TRUE(f.Texts().empty());
    if (axis == f.graph.YAxis2.get())
      EXPECT_TRUE(f.image.Recording().Records().empty());
    else
      EXPECT_EQ(f.CountLines(grid), 11);
  }
}

TEST(AxisDraw, LogarithmicLabelsRaiseTheirExponent)
{
  TAxisFixture f(PointsXY({{1, 1}, {1000, 1000}}));
  f.graph.XAxis->SetLog(true);
  f.Relayout();
  f.graph.XAxis->Draw();
  const auto texts = f.Texts();
  ASSERT_EQ(f.Labels(), (std::vector<QString>{"10", "0", "10", "1", "10", "2", "10", "3"}));
  EXPECT_LT(texts[1].color, 0x1000000u);
  EXPECT_GT(texts[1].at.X, texts[0].at.X);                // after the "10"
  EXPECT_EQ(texts[1].at.Y, texts[0].at.Y);                // top-aligned in a smaller font: raised
  EXPECT_EQ(texts[6].align, kAlignRightTop);              // the upper end's "10" ends at its tick
  EXPECT_EQ(texts[7].at.X, f.graph.X1ToScreen(1000));     // and its exponent starts there
}

TEST(AxisDraw, CustomLabelsInsteadOfTheRegularOnes)
{
  TAxisFixture f(PointsXY({{1, 0}, {1000, 1}}));
  TAxis& x = *f.graph.XAxis;
  x.RegularLabelsVisible = false;
  x.Draw();
  EXPECT_TRUE(f.Texts().empty());  // nothing but the line
  EXPECT_EQ(f.Lines().size(), 1u);

  x.AddLabel("ten", 10);
  x.AddLabel("far", 5000);
  f.image.Recording().Clear();
  x.Draw();
  EXPECT_EQ(f.Labels(), std::vector<QString>{"ten"});
  // On a logarithmic axis the position's logarithm lies in the range.
  x.SetLog(true);
  f.Relayout();
  x.Draw();
  EXPECT_EQ(f.Labels(), std::vector<QString>{"ten"});

  // A Y axis leaves out captions beyond its rows.
  TAxis& y = *f.graph.YAxis;
  y.RegularLabelsVisible = false;
  y.AddLabel("half", 0.5);
  y.AddLabel("beyond", 7);
  f.image.Recording().Clear();
  y.Draw();
  EXPECT_EQ(f.Labels(), std::vector<QString>{"half"});
}

TEST(AxisDraw, PaperDrawsWhiteAndBlackAndWhiteAxesInBlack)
{
  TAxisFixture f(PointsXY({{0, 0}, {1, 1}}));
  TAxis& x = *f.graph.XAxis;
  GraphLibrary().PrintPreviewing = true;
  for (const auto& [color, mode, expected] : {std::tuple{platform::clWhite, kPrintColorFull, platform::clBlack},
                                              std::tuple{platform::clRed, kPrintBlackAndWhite, platform::clBlack},
                                              std::tuple{platform::clRed, kPrintColorFull, platform::clRed}}) {
    x.SetColor(color);
    GraphLibrary().PrintColorMode = mode;
    f.image.Recording().Clear();
    x.Draw();
    for (const TSegment& s : f.Lines())
      EXPECT_EQ(s.color, expected);
  }
  GraphLibrary().PrintPreviewing = false;
  GraphLibrary().PrintColorMode = kPrintColorFull;
  f.image.Recording().Clear();
  x.Draw();
  EXPECT_EQ(f.Lines().front().color, platform::clRed);
}

}  // namespace
}  // namespace plot::test
