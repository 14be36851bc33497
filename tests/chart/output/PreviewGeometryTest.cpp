#include "chart/output/PreviewGeometry.h"

#include "chart/support/LibraryItems.h"

#include <gtest/gtest.h>

namespace chart {
namespace {

using enum TPreviewDragMode;

// Rectangles computed apart in python3 (MulDiv rounds half away from zero, Round half to even).
TEST(PreviewGeometry, ThePaperKeepsThePagesProportionsOnTheClient)
{
  struct Case {
    int pageWidth, pageHeight, clientWidth, clientHeight;
    TRect paper;
  };
  const Case cases[] = {
      {4961, 7016, 500, 400, {122, 20, 377, 380}},  // portrait: 90 % of the height
      {4961, 7016, 500, 410, {119, 20, 380, 389}},  // 5 % of 410 rounds to even
      {7016, 4961, 500, 400, {25, 41, 475, 359}},   // landscape: 90 % of the width
      {7016, 4961, 510, 400, {26, 37, 485, 362}},
      {0, 0, 500, 400, {25, 0, 475, 400}},  // no page: the client's height
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.pageWidth << " x " << c.pageHeight << " on " << c.clientWidth);
    EXPECT_EQ(PreviewPaperRect(c.pageWidth, c.pageHeight, c.clientWidth, c.clientHeight), c.paper);
  }
}

TEST(PreviewGeometry, MarginsAndTheChartRectangleGoBothWays)
{
  const TRect paper{25, 41, 475, 359};
  EXPECT_EQ(PreviewChartRect(paper, {15, 23, 15, 23}), (TRect{93, 114, 407, 286}));
  struct Case {
    TRect chart;
    TRect margins;
  };
  const Case cases[] = {
      {{93, 114, 407, 286}, {15, 23, 15, 23}},
      {{25, 114, 339, 286}, {0, 23, 30, 23}},
      {{60, 114, 407, 286}, {8, 23, 15, 23}},
  };
  for (const Case& c : cases)
    EXPECT_EQ(PreviewMargins(paper, c.chart), c.margins);
}

// Chart (93, 114, 407, 286): "near" is 4 pixels in one coordinate, whatever the other.
TEST(PreviewGeometry, APointGrabsTheNearestEdgeCornerOrTheWholeChart)
{
  const TRect chart{93, 114, 407, 286};
  struct Case {
    TPoint p;
    bool allowMove, allowResize;
    TPreviewDragMode mode;
    platform::TCursor cursor;
  };
  const Case cases[] = {
      {{93, 114}, true, true, TopLeft, platform::crSizeNWSE},
      {{95, 290}, true, true, BottomLeft, platform::crSizeNESW},
      {{411, 110}, true, true, TopRight, platform::crSizeNESW},
      {{405, 286}, true, true, BottomRight, platform::crSizeNWSE},
      {{97, 200}, true, true, LeftEdge, platform::crHSplit},
      {{93, 20}, true, true, LeftEdge, platform::crHSplit},  // along the line, off the chart
      {{403, 200}, true, true, RightEdge, platform::crHSplit},
      {{300, 118}, true, true, TopEdge, platform::crVSplit},
      {{300, 282}, true, true, BottomEdge, platform::crVSplit},
      {{98, 200}, true, true, Move, crTeeHand},
      {{50, 200}, true, true, None, platform::crDefault},
      {{200, 200}, false, true, None, platform::crDefault},  // no moving: only the edges
      {{93, 200}, false, true, LeftEdge, platform::crHSplit},
      {{200, 200}, true, false, Move, crTeeHand},  // no resizing: only the move
      {{93, 200}, true, false, None, platform::crDefault},
      {{93, 114}, true, false, None, platform::crDefault},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.p.X << ", " << c.p.Y << " move " << c.allowMove << " resize "
                                    << c.allowResize);
    const TPreviewDragMode mode = PreviewHitTest(chart, c.p, c.allowMove, c.allowResize);
    EXPECT_EQ(mode, c.mode);
    EXPECT_EQ(PreviewCursor(mode), c.cursor);
  }
}

// A move keeps the chart's size: pushed against the paper's side it stops there instead of shrinking.
TEST(PreviewGeometry, ADragKeepsTheChartOnThePaperAndItsEdgesInOrder)
{
  const TRect paper{25, 41, 475, 359};
  const TRect chart{93, 114, 407, 286};
  struct Case {
    TPreviewDragMode mode;
    TPoint to;
    TRect result;
  };
  const Case cases[] = {
      {LeftEdge, {60, 200}, {60, 114, 407, 286}},
      {LeftEdge, {25, 10}, {25, 114, 407, 286}},
      {LeftEdge, {20, 200}, chart},   // off the paper
      {LeftEdge, {407, 200}, chart},  // onto the right edge
      {LeftEdge, {406, 200}, {406, 114, 407, 286}},
      {RightEdge, {475, 200}, {93, 114, 475, 286}},
      {RightEdge, {476, 200}, chart},
      {RightEdge, {93, 200}, chart},
      {TopEdge, {200, 41}, {93, 41, 407, 286}},
      {BottomEdge, {200, 114}, chart},
      {BottomEdge, {200, 359}, {93, 114, 407, 359}},
      {TopLeft, {50, 60}, {50, 60, 407, 286}},
      {TopLeft, {50, 300}, chart},  // both edges or neither
      {BottomRight, {470, 350}, {93, 114, 470, 350}},
      {TopRight, {420, 100}, {93, 100, 420, 286}},
      {BottomLeft, {30, 300}, {30, 114, 407, 300}},
      {Move, {210, 190}, {103, 104, 417, 276}},
      {Move, {0, 200}, {25, 114, 339, 286}},
      {Move, {900, 900}, {161, 187, 475, 359}},
      {None, {60, 200}, chart},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << int(c.mode) << " to " << c.to.X << ", " << c.to.Y);
    const TPreviewDrag drag{c.mode, {200, 200}, chart};
    EXPECT_EQ(PreviewDragTo(drag, paper, chart, c.to), c.result);
  }
}

}  // namespace
}  // namespace chart
