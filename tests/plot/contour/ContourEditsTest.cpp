#include "ContourFixtures.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>

namespace plot::test {
namespace {

// The picture control's cursor, as the layer sets it.
class TCursorImage : public TRecordingGraphImage {
public:
  void SetCursor(platform::TCursor cursor) override { Cursor = cursor; }
  platform::TCursor Cursor = platform::crNone;
};

TEST(ContourEdits, CursorsOfTheEditModes)
{
  TCursorImage image;
  TGraph graph(nullptr, image, nullptr);
  graph.ProcessMessages = [] {};
  const TPlaneGrid grid(3, 3);
  auto layer = std::make_unique<TContour>(graph, grid.x, grid.y, grid.z, 4, false, false);
  TContour& contour = *layer;
  graph.AddLayer(std::move(layer));
  graph.Paint();
  const std::pair<int, platform::TCursor> cases[] = {
      {emNone, platform::crDefault}, {emAddContour, 102},   {emDeleteContour, 103},
      {emMoveLabel, 101},            {emAddMoveLabel, 102}, {emDeleteLabel, 103},
  };
  for (const auto& [mode, cursor] : cases) {
    contour.EditMode = mode;
    contour.MouseMoveActive({}, 100, 100);
    EXPECT_EQ(image.Cursor, cursor) << mode;
    EXPECT_EQ(contour.HitIndex, -1);
  }
  // A click without chains changes nothing and repaints.
  contour.ClearChains();
  contour.EditMode = emDeleteContour;
  image.Recording().Clear();
  contour.MouseDown(platform::TMouseButton::mbLeft, {}, 100, 100);
  EXPECT_TRUE(contour.Chains.empty());
  EXPECT_FALSE(image.Recording().Records().empty());
  EXPECT_EQ(contour.HitIndex, -1);
}

TEST(ContourEdits, DeletingAContourRemovesItsWholeLevel)
{
  TGraphFixture f;
  const TSineGrid grid(21);
  auto layer = std::make_unique<TContour>(f.graph, grid.x, grid.y, grid.z, 10, false, false);
  TContour& contour = *layer;
  f.graph.AddLayer(std::move(layer));
  f.graph.Paint();
  // A level with several chains: all of them go, with their labels.
  std::map<double, int> chainsOfLevel;
  for (const TContourChain& chain : contour.Chains)
    ++chainsOfLevel[chain.Level];
  const auto several = std::find_if(chainsOfLevel.begin(), chainsOfLevel.end(),
                                    [](const auto& entry) { return entry.second > 1; });
  ASSERT_NE(several, chainsOfLevel.end());
  const double level = several->first;
  const auto chain = std::find_if(contour.Chains.begin(), contour.Chains.end(),
                                  [&](const TContourChain& c) { return c.Level == level; });
  const TFloatPoint on = chain->Points[chain->Points.size() / 2];
  const std::size_t chains = contour.Chains.size();
  const std::size_t labels = contour.Labels.size();
  contour.EditMode = emDeleteContour;
  contour.MouseDown(platform::TMouseButton::mbRight, {}, f.graph.XToScreen(on.X), f.graph.YToScreen(on.Y));
  EXPECT_EQ(contour.Chains.size(), chains - several->second);
  EXPECT_EQ(contour.Labels.size(), labels - several->second);
  for (const TContourChain& c : contour.Chains)
    EXPECT_NE(c.Level, level);
  for (const auto& label : contour.Labels)
    EXPECT_NE(label->Chain->Level, level);

  // Level 0 carries no label and is deleted all the same; the last remaining chain too.
  TPlaneContour plane(2);
  ASSERT_EQ(plane.contour->Chains.size(), 2u);
  plane.contour->DeleteContourAt(0.01, 0.5);
  ASSERT_EQ(plane.contour->Chains.size(), 1u);
  EXPECT_EQ(plane.contour->Chains.front().Level, 0.5);
  plane.contour->DeleteContourAt(0.9, 0.5);
  EXPECT_TRUE(plane.contour->Chains.empty());
  EXPECT_TRUE(plane.contour->Labels.empty());
  plane.Paint();
}

TEST(ContourEdits, LabelsSwitchedOffAndOnAndMoved)
{
  TPlaneContour plane;
  plane.Paint();
  TContour& contour = *plane.contour;
  TContourLabel& half = plane.LabelOf(0.5);
  const TPoly box = half.Box;
  ASSERT_FALSE(half.Hidden);
  EXPECT_EQ(plane.LinePixelsInside(box), 0);

  // "Delete label(s)": the line is drawn through the label's place.
  contour.EditMode = emDeleteLabel;
  plane.f.image.Recording().Clear();
  contour.MouseDown(platform::TMouseButton::mbLeft, {}, plane.f.graph.XToScreen(0.51), plane.f.graph.YToScreen(0.5));
  EXPECT_FALSE(half.Visible);
  EXPECT_FALSE(half.Hidden);
  EXPECT_GT(plane.LinePixelsInside(box), 0);
  EXPECT_EQ(plane.Texts().size(), 8u);

  // "Add/Move label(s)" near the same line shows it again at the clicked piece, also when drawing
  // had moved it away from its chain's label segment.
  half.P1 = {0.5, 0};
  half.P2 = {0.5, 0.1};
  contour.EditMode = emAddMoveLabel;
  plane.f.image.Recording().Clear();
  contour.MouseDown(platform::TMouseButton::mbLeft, {}, plane.f.graph.XToScreen(0.49), plane.f.graph.YToScreen(0.75));
  EXPECT_TRUE(half.Visible);
  EXPECT_FALSE(half.Hidden);
  EXPECT_EQ(half.P1, (TFloatPoint{0.5, 0.7}));
  EXPECT_EQ(half.P2, (TFloatPoint{0.5, 0.8}));
  EXPECT_EQ(half.Chain->LabelP1, half.P1);
  EXPECT_EQ(plane.Texts().size(), 9u);
  EXPECT_EQ(plane.LinePixelsInside(half.Box), 0);

  // Moving alone keeps it switched off.
  contour.LabelOffAt(0.5, 0.5);
  contour.MoveLabelAt(0.5, 0.25);
  EXPECT_FALSE(half.Visible);
  EXPECT_EQ(half.P1, (TFloatPoint{0.5, 0.2}));
}

TEST(ContourEdits, AddingTheContourThroughAPoint)
{
  TPlaneContour plane;
  TContour& contour = *plane.contour;
  plane.Paint();
  contour.EditMode = emAddContour;
  contour.MouseDown(platform::TMouseButton::mbLeft, {}, plane.f.graph.XToScreen(0.55), plane.f.graph.YToScreen(0.3));
  const TContourChain& added = contour.Chains.front();
  EXPECT_NEAR(added.Level, 0.55, 0.01);
  ASSERT_NE(added.Label, nullptr);
  EXPECT_EQ(added.Label->Chain, &added);
  EXPECT_EQ(contour.Labels.back().get(), added.Label);
  EXPECT_EQ(contour.Chains.size(), 11u);
  EXPECT_FALSE(added.Label->Hidden);  // drawn by the repaint

  // Where the value is not above 0 a layer that skips the zero level adds nothing; nor where a
  // node is missing.
  TGraphFixture f;
  TContour skipping(f.graph, Nodes({0, 0.5, 1}), Nodes({0, 1}), Values({{-1, -1}, {1, 1}, {MissingValue, 1}}), 4,
                    false, true);
  const std::size_t before = skipping.Chains.size();
  skipping.AddContourAt(0.25, 0.5);
  EXPECT_EQ(skipping.Chains.size(), before);
  skipping.AddContourAt(0.75, 0.5);
  EXPECT_EQ(skipping.Chains.size(), before);
  skipping.AddContourAt(0.375, 0.5);
  EXPECT_EQ(skipping.Chains.size(), before + 1);
  EXPECT_NEAR(skipping.Chains.front().Level, 0.5, 1e-12);
}

TEST(ContourEdits, NearestSegmentAndLabel)
{
  TGraphFixture f;
  TContour contour(f.graph, Nodes({0, 1}), Nodes({0, 1}), Values({{0, 0}, {1, 1}}), 1, true, false);
  EXPECT_FALSE(contour.NearestSegment(0.5, 0.5).has_value());
  TContourChain a;
  a.Level = 1;
  a.Points = {{0, 0}, {0, 0}, {1, 0}};  // the repeated point is no piece
  TContourChain b;
  b.Level = 2;
  b.Points = {{0, 0}, {1, 0}, {2, 0}};  // the same piece again: the first found stays
  contour.Chains = {a, b};
  const auto nearest = contour.NearestSegment(0.4, 0.1);
  ASSERT_TRUE(nearest.has_value());
  EXPECT_EQ(nearest->Chain, &contour.Chains.front());
  EXPECT_EQ(nearest->P, (TFloatPoint{0, 0}));
  EXPECT_EQ(nearest->Q, (TFloatPoint{1, 0}));
  EXPECT_EQ(contour.NearestSegment(1.6, 0)->Chain, &contour.Chains.back());
  EXPECT_EQ(contour.NearestLabel(contour.Chains.front(), 0, 0), nullptr);
}

}  // namespace
}  // namespace plot::test
