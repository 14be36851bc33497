#include "ContourFixtures.h"

#include "plot/contour/ContourLegend.h"
#include "plot/support/GraphLibrary.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <deque>

namespace plot::test {
namespace {

using platform::TCanvasOp;

TEST(ContourLabels, BoxCornersTurnWithTheText)
{
  // A text 19 pixels wide whose "1" is 19 pixels high: half width and height 19 / 1.9 = 10.
  struct TCase {
    int angle;
    std::array<TFloatPoint, 4> corners;  // relative to the centre
  };
  const TCase cases[] = {
      {0, {{{-10, 10}, {10, 10}, {10, -10}, {-10, -10}}}},
      {90, {{{10, 10}, {10, -10}, {-10, -10}, {-10, 10}}}},
      {180, {{{10, -10}, {-10, -10}, {-10, 10}, {10, 10}}}},
  };
  for (const TCase& c : cases) {
    const TPoly box = ContourLabelBox(100, 50, 19 / 1.9, 19 / 1.9, c.angle);
    ASSERT_EQ(box.Count, 5);
    for (int k = 1; k <= 4; ++k) {
      EXPECT_NEAR(box.GetX(k), 100 + c.corners[k - 1].X, 1e-9) << c.angle << " corner " << k;
      EXPECT_NEAR(box.GetY(k), 50 + c.corners[k - 1].Y, 1e-9) << c.angle << " corner " << k;
    }
    EXPECT_EQ(box.GetX(5), box.GetX(1));
    EXPECT_EQ(box.GetY(5), box.GetY(1));
  }
  const TPoly a = ContourLabelBox(100, 50, 10, 10, 0);
  EXPECT_TRUE(BoxesOverlap(a, ContourLabelBox(115, 55, 10, 10, 30)));
  EXPECT_FALSE(BoxesOverlap(a, ContourLabelBox(125, 50, 10, 10, 0)));
  // One inside the other, the same box turned half round, and boxes touching or closer than two
  // pixels meet; two pixels apart they are clear.
  EXPECT_TRUE(BoxesOverlap(a, ContourLabelBox(100, 50, 3, 3, 0)));
  EXPECT_TRUE(BoxesOverlap(ContourLabelBox(100, 50, 3, 3, 0), a));
  EXPECT_TRUE(BoxesOverlap(a, ContourLabelBox(100, 50, 10, 10, 180)));
  EXPECT_TRUE(BoxesOverlap(a, ContourLabelBox(120, 50, 10, 10, 0)));
  EXPECT_TRUE(BoxesOverlap(a, ContourLabelBox(121, 50, 10, 10, 0)));
  EXPECT_FALSE(BoxesOverlap(a, ContourLabelBox(122, 50, 10, 10, 0)));
  EXPECT_FALSE(BoxesOverlap(a, ContourLabelBox(100, 40 - 2 - 10 * std::sqrt(2.0), 10, 10, 45)));
  EXPECT_TRUE(BoxInside(a, {89, 39, 111, 61}));
  EXPECT_FALSE(BoxInside(a, {90, 39, 111, 61}));  // a corner on the edge is not inside
  EXPECT_FALSE(BoxInside(TPoly(), {0, 0, 100, 100}));
}

TEST(ContourLabels, OneLabelPerChainOfALevelOtherThanZero)
{
  TPlaneContour plane;
  const TContour& contour = *plane.contour;
  ASSERT_EQ(contour.Chains.size(), 10u);
  ASSERT_EQ(contour.Labels.size(), 9u);
  for (const TContourChain& chain : contour.Chains) {
    if (chain.Level == 0) {
      EXPECT_EQ(chain.Label, nullptr);
      continue;
    }
    ASSERT_NE(chain.Label, nullptr);
    EXPECT_EQ(chain.Label->Chain, &chain);
    EXPECT_EQ(chain.Label->P1, chain.LabelP1);
    EXPECT_EQ(chain.Label->P2, chain.LabelP2);
    EXPECT_EQ(chain.Label->Text, QString::number(chain.Level, 'f', 2));
    EXPECT_TRUE(chain.Label->Visible);
    EXPECT_EQ(chain.Label->Box.Count, 5);
  }
  // A new calculation drops the labels with the chains they sat on.
  plane.contour->Calculate();
  EXPECT_TRUE(plane.contour->Labels.empty());
  plane.Paint();
  EXPECT_TRUE(plane.Texts().empty());
}

// Labels are written turned along their vertical lines, and the lines are cut open around them.
TEST(ContourLabels, LinesAreCutAtTheirLabels)
{
  TPlaneContour plane;
  plane.Paint();
  EXPECT_EQ(plane.Texts().size(), 9u);
  for (const auto& label : plane.contour->Labels) {
    EXPECT_FALSE(label->Hidden) << label->Text.toStdString();
    EXPECT_TRUE(BoxInside(label->Box, plane.f.graph.PlotRect));
    EXPECT_EQ(std::abs(label->TextAngle()), 90);
    EXPECT_EQ(plane.LinePixelsInside(label->Box), 0) << label->Text.toStdString();
  }
  // The line of 0.5 is drawn above and below its label.
  const TContourLabel& half = plane.LabelOf(0.5);
  const int x = plane.f.graph.XToScreen(0.5);
  int above = 0, below = 0;
  for (const auto& r : plane.f.image.Recording().Records())
    if (r.Op == TCanvasOp::LineTo && r.Points[0].X == x && r.Points[1].X == x) {
      above += std::max(r.Points[0].Y, r.Points[1].Y) <= half.Box.YMin + 1 ? 1 : 0;
      below += std::min(r.Points[0].Y, r.Points[1].Y) >= half.Box.YMax - 1 ? 1 : 0;
    }
  EXPECT_GT(above, 0);
  EXPECT_GT(below, 0);

  // Without labels, or with opaque labels drawn over them, the lines run through.
  plane.contour->LabelsVisible = false;
  plane.Paint();
  EXPECT_TRUE(plane.Texts().empty());
  EXPECT_GT(plane.LinePixelsInside(half.Box), 0);
  plane.contour->LabelsVisible = true;
  plane.contour->OpaqueLabels = true;
  plane.Paint();
  EXPECT_EQ(plane.Texts().size(), 9u);
  const auto& records = plane.f.image.Recording().Records();
  const auto firstText = std::find_if(records.begin(), records.end(), [](const platform::TCanvasRecord& r) {
    return r.Op == TCanvasOp::TextOut && r.Text == QStringLiteral("0.10");
  });
  ASSERT_NE(firstText, records.end());
  EXPECT_EQ(firstText->State.Brush.Style, platform::TBrushStyle::bsSolid);
  EXPECT_EQ(firstText->State.Brush.Color, plane.f.graph.Color);
  EXPECT_TRUE(std::any_of(records.begin(), firstText, [](const platform::TCanvasRecord& r) {
    return r.Op == TCanvasOp::LineTo;  // the lines came first
  }));
}

TEST(ContourLabels, EveryNthLabelIsDrawn)
{
  TPlaneContour plane;
  struct TCase {
    int interval;
    std::vector<QString> drawn;
  };
  const TCase cases[] = {
      {3, {"0.10", "0.40", "0.70"}},
      {4, {"0.10", "0.50", "0.90"}},
      {0, {"0.10", "0.20", "0.30", "0.40", "0.50", "0.60", "0.70", "0.80", "0.90"}},  // taken as 1
  };
  for (const TCase& c : cases) {
    plane.contour->LabelInterval = c.interval;
    plane.Paint();
    EXPECT_EQ(plane.Texts(), c.drawn) << c.interval;
  }
  // A label left out is hidden and its line drawn through its place.
  plane.contour->LabelInterval = 3;
  plane.Paint();
  const TContourLabel& skipped = plane.LabelOf(0.2);
  EXPECT_TRUE(skipped.Hidden);
  EXPECT_GT(plane.LinePixelsInside(skipped.Box), 0);
}

TEST(ContourLabels, ShortChainsStayUnlabelled)
{
  // Only the corner (2, 2) rises: the lines of the high levels are short arcs around it.
  TGraphFixture f;
  auto layer = std::make_unique<TContour>(f.graph, Nodes({0, 1}), Nodes({0, 1}), Values({{0, 0}, {0, 1}}), 10,
                                          false, false);
  TContour& contour = *layer;
  f.graph.AddLayer(std::move(layer));
  f.graph.Paint();
  const TContourLabel* shortest = nullptr;
  const TContourLabel* longest = nullptr;
  for (const auto& label : contour.Labels) {
    if (label->Chain->Level == 0.9)
      shortest = label.get();
    if (label->Chain->Level == 0.1)
      longest = label.get();
  }
  ASSERT_TRUE(shortest && longest);
  EXPECT_TRUE(shortest->Hidden);
  EXPECT_FALSE(longest->Hidden);
  // The short line is drawn whole: from one end of its chain to the other.
  const TContourChain& chain = *shortest->Chain;
  const platform::TPoint a{f.graph.XToScreen(chain.EndA.X), f.graph.YToScreen(chain.EndA.Y)};
  bool startDrawn = false;
  for (const auto& r : f.image.Recording().Records())
    startDrawn = startDrawn || (r.Op == TCanvasOp::LineTo && r.Points[0] == a);
  EXPECT_TRUE(startDrawn);
}

TEST(ContourLabels, LabelsMoveIntoThePlotAndAwayFromEachOther)
{
  TPlaneContour plane;
  plane.Paint();
  // Put the label of 0.5 below the plot.
  TContourLabel& half = plane.LabelOf(0.5);
  const TContourChain& chain = *half.Chain;
  half.P1 = {0.5, -5};
  half.P2 = {0.5, -4.9};
  plane.Paint();
  EXPECT_FALSE(half.Hidden);
  EXPECT_TRUE(BoxInside(half.Box, plane.f.graph.PlotRect));
  const auto p1 = std::find(chain.Points.begin(), chain.Points.end(), half.P1);
  ASSERT_NE(p1, chain.Points.end());
  ASSERT_NE(std::next(p1), chain.Points.end());
  EXPECT_EQ(*std::next(p1), half.P2);  // a piece of its own chain

  // Two levels half a pixel apart: the second label moves along its line, clear of the first.
  TPlaneContour close(1);
  close.contour->AutoLevels = false;
  close.contour->UserLevelsVisible = true;
  close.contour->UserLevels = {QStringLiteral("0.5"), QStringLiteral("0.501")};
  ASSERT_TRUE(close.contour->Calculate());
  close.contour->CreateLabels();
  ASSERT_EQ(close.contour->Labels.size(), 2u);
  close.Paint();
  const TContourLabel& first = *close.contour->Labels[0];
  const TContourLabel& second = *close.contour->Labels[1];
  EXPECT_FALSE(first.Hidden);
  EXPECT_FALSE(second.Hidden);
  EXPECT_FALSE(BoxesOverlap(first.Box, second.Box));
  EXPECT_NE(first.P1.Y, second.P1.Y);

  // A label that is not drawn is in no one's way.
  TContourLabel& moved = *close.contour->Labels[1];
  close.contour->Labels[0]->Visible = false;
  const TFloatPoint shared = close.contour->Labels[0]->P1;
  moved.P1 = {0.501, shared.Y};
  moved.P2 = {0.501, close.contour->Labels[0]->P2.Y};
  close.Paint();
  EXPECT_FALSE(moved.Hidden);
  EXPECT_EQ(moved.P1.Y, shared.Y);
}

// A level traced twice (a contour added through a line already there) draws one label per place:
// the second moves along its line clear of the first or stays away; no label is written on top
// of another or upside down, and neither line runs under a label of its level.
TEST(ContourLabels, ALevelTracedTwiceKeepsItsLabelsApartAndItsLinesOpen)
{
  TPlaneContour plane(10, 3, 41);
  plane.Paint();
  const std::size_t before = plane.contour->Labels.size();
  plane.contour->AddContourAt(0.5, 0.5);
  ASSERT_GT(plane.contour->Labels.size(), before);
  plane.Paint();
  std::vector<const TContourLabel*> drawn;
  for (const auto& label : plane.contour->Labels)
    if (!label->Hidden && label->Visible)
      drawn.push_back(label.get());
  for (std::size_t i = 0; i < drawn.size(); ++i) {
    for (std::size_t j = 0; j < i; ++j)
      EXPECT_FALSE(BoxesOverlap(drawn[i]->Box, drawn[j]->Box))
          << drawn[i]->Text.toStdString() << " over " << drawn[j]->Text.toStdString();
    EXPECT_EQ(plane.LinePixelsInside(drawn[i]->Box), 0) << drawn[i]->Text.toStdString();
  }
  int halves = 0;
  for (const auto& r : plane.f.image.Recording().Records())
    if (r.Op == TCanvasOp::TextOut && r.Text == QStringLiteral("0.50")) {
      ++halves;
      EXPECT_EQ(r.State.Font.Escapement, 900);  // read upward, as every vertical label
    }
  EXPECT_GE(halves, 1);
  EXPECT_EQ(std::size_t(halves), std::size_t(std::count_if(drawn.begin(), drawn.end(), [](const TContourLabel* l) {
              return l->Text == QStringLiteral("0.50");
            })));
}

// A line running down the screen is labelled reading upward, from the corner that keeps
// the text upright.
TEST(ContourLabels, AStraightDownLineIsLabelledReadingUpward)
{
  for (const bool down : {true, false}) {
    TGraphFixture f;
    auto layer = std::make_unique<TContour>(f.graph, Nodes({0, 1}), Nodes({0, 1}), Values({{0, 0}, {1, 1}}), 1,
                                            true, false);
    TContour& contour = *layer;
    f.graph.AddLayer(std::move(layer));
    f.graph.Paint();
    contour.SetColorMap(false);
    TContourChain chain;
    chain.Level = 0.5;
    // Off the vertical by a hair, so that the angle rounds to a whole -90 or 90 degrees.
    chain.Points = down ? std::deque<TFloatPoint>{{0.5, 0.9}, {0.5001, 0.1}}
                        : std::deque<TFloatPoint>{{0.5, 0.1}, {0.5001, 0.9}};
    contour.Chains.push_back(chain);
    TContourLabel& label = contour.AddLabel(std::make_unique<TContourLabel>(
        f.graph, chain.Points[0], chain.Points[1], "0.50", &contour.Chains.back(), contour));
    contour.Chains.back().Label = &label;
    EXPECT_EQ(label.TextAngle(), down ? -90 : 90);
    f.image.Recording().Clear();
    contour.DrawLabels();
    ASSERT_FALSE(label.Hidden);
    const auto& records = f.image.Recording().Records();
    const auto text = std::find_if(records.begin(), records.end(),
                                   [](const platform::TCanvasRecord& r) { return r.Op == TCanvasOp::TextOut; });
    ASSERT_NE(text, records.end());
    EXPECT_EQ(text->State.Font.Escapement, 900) << down;
    // Written from the corner at the lower left on the screen.
    EXPECT_EQ(text->Points[0], label.Corner(down ? 2 : 4)) << down;
    const platform::TPoint at = text->Points[0];
    for (int k = 1; k <= 4; ++k) {
      EXPECT_LE(at.X, label.Corner(k).X) << down;
      EXPECT_GE(at.Y, label.Corner(k).Y) << down;
    }
  }
}

TEST(ContourLabels, LabelsAreNeverUpsideDown)
{
  // A text pointing left on the screen is written from corner 2, turned by half a turn less.
  TGraphFixture f;
  auto layer = std::make_unique<TContour>(f.graph, Nodes({0, 1}), Nodes({0, 1}), Values({{0, 0}, {1, 1}}), 1, true,
                                          false);
  TContour& contour = *layer;
  f.graph.AddLayer(std::move(layer));
  f.graph.Paint();
  contour.SetColorMap(false);
  TContourChain chain;
  chain.Level = 0.5;
  chain.Points = {{0.9, 0.5}, {0.1, 0.5}};
  contour.Chains.push_back(chain);
  TContourLabel& label =
      contour.AddLabel(std::make_unique<TContourLabel>(f.graph, chain.Points[0], chain.Points[1], "0.50",
                                                       &contour.Chains.back(), contour));
  contour.Chains.back().Label = &label;
  EXPECT_EQ(label.TextAngle(), 180);
  f.image.Recording().Clear();
  contour.DrawLabels();
  ASSERT_FALSE(label.Hidden);
  const auto& records = f.image.Recording().Records();
  const auto text = std::find_if(records.begin(), records.end(),
                                 [](const platform::TCanvasRecord& r) { return r.Op == TCanvasOp::TextOut; });
  ASSERT_NE(text, records.end());
  EXPECT_EQ(text->Points[0], label.Corner(2));
  EXPECT_EQ(text->State.Font.Escapement, 0);
  EXPECT_LT(label.Corner(2).X, label.Corner(4).X);  // corner 2 is the upper left on the screen
  EXPECT_LT(label.Corner(2).Y, label.Corner(4).Y);

  // The print preview writes labels at half their size.
  GraphLibrary().PrintPreviewing = true;
  f.image.Recording().Clear();
  contour.DrawLabels();
  GraphLibrary().PrintPreviewing = false;
  int written = 0;
  for (const auto& r : f.image.Recording().Records())
    if (r.Op == TCanvasOp::TextOut) {
      platform::TFont font;
      font.SetData(r.State.Font);
      EXPECT_EQ(font.Size(), 4);
      ++written;
    }
  EXPECT_EQ(written, 1);
}

TEST(ContourLegend, ThreeNestedEllipses)
{
  platform::TRecordingCanvas canvas;
  // The symbol area 66 pixels wide, "()" 15 high: hh = 8 (7.5 to even), gx = 10 + 33.
  const int hh = ContourLegendHalfHeight(15);
  EXPECT_EQ(hh, 8);
  EXPECT_EQ(ContourLegendHalfHeight(13), 6);
  DrawContourLegendSymbol(canvas, 10, 100, 66, hh);
  std::vector<std::string> calls = canvas.Calls();
  EXPECT_EQ(calls, (std::vector<std::string>{"Ellipse(35,98,51,102)", "Ellipse(27,96,59,104)", "Ellipse(12,92,74,108)"}));
  std::vector<platform::TColor> colors;
  for (const auto& r : canvas.Records())
    if (r.Op == TCanvasOp::Ellipse) {
      colors.push_back(r.State.Pen.Color);
      EXPECT_EQ(r.State.Brush.Style, platform::TBrushStyle::bsClear);
    }
  EXPECT_EQ(colors, (std::vector<platform::TColor>{0x0000FF, 0x008000, 0xFF0000}));

  // The entry draws it in the series legend's font, eleven hyphens wide, on its first line.
  TGraphFixture f;
  f.graph.Paint();
  TContourLegend entry(f.graph, QStringLiteral("z"));
  entry.SetPosition(20, 40);
  f.image.Recording().Clear();
  entry.DrawSymbol();
  std::vector<platform::TRect> ellipses;
  for (const auto& r : f.image.Recording().Records())
    if (r.Op == TCanvasOp::Ellipse)
      ellipses.push_back(r.RectAt(0));
  ASSERT_EQ(ellipses.size(), 3u);
  platform::TCanvas& target = f.graph.TargetCanvas();
  target.Font().Assign(f.graph.Legend->Font);
  const int w = target.TextWidth(kLegendSymbolText);
  const int half = ContourLegendHalfHeight(target.TextHeight(QStringLiteral("()")));
  EXPECT_EQ(ellipses[2], (platform::TRect{22, 40, 20 + w - 2, 40 + 2 * half}));
  EXPECT_EQ(ellipses[0].Left + ellipses[0].Right, 2 * (20 + w / 2));
}

// sin(x) * cos(y) on 41 x 41 nodes with 10 levels, saved to be looked at.
TEST(ContourLabels, SineCosinePicture)
{
  TPictureGraph picture(560, 440);
  TGraph& graph = picture.graph;
  const TSineGrid grid(41);
  auto layer = std::make_unique<TContour>(graph, grid.x, grid.y, grid.z, 10, false, false);
  TContour& contour = *layer;
  graph.AddLayer(std::move(layer));
  graph.Paint();
  ASSERT_TRUE(picture.Save("contour-lines.png"));
  int drawn = 0;
  for (const auto& label : contour.Labels) {
    if (label->Hidden)
      continue;
    ++drawn;
    EXPECT_TRUE(BoxInside(label->Box, graph.PlotRect));
    for (const auto& other : contour.Labels) {
      const bool clear = other == label || other->Hidden || !BoxesOverlap(label->Box, other->Box);
      EXPECT_TRUE(clear) << label->Text.toStdString() << " meets " << other->Text.toStdString();
    }
  }
  EXPECT_GT(drawn, 10);
  // Closed curves around the extremes: some chain ends where it starts.
  EXPECT_TRUE(std::any_of(contour.Chains.begin(), contour.Chains.end(), [](const TContourChain& c) {
    return c.Points.size() > 10 && std::fabs(c.EndA.X - c.EndB.X) < 1e-5 && std::fabs(c.EndA.Y - c.EndB.Y) < 1e-5;
  }));
}

}  // namespace
}  // namespace plot::test
