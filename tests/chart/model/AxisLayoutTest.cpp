#include "chart/model/ChartAxis.h"

#include "platform/CanvasImage.h"
#include "tests/chart/model/AxisDrawing.h"

#include <QImage>
#include <gtest/gtest.h>

namespace chart {
namespace {

using testing::TAxisRecording;
using testing::TAxisTestChart;

void PlaceOn(TCustomChartAxis& axis, TAxisSide side)
{
  axis.SetHorizontal(side == TAxisSide::Bottom || side == TAxisSide::Top);
  axis.SetOtherSide(side == TAxisSide::Top || side == TAxisSide::Right);
}

TEST(AxisLayout, RoomForTitleLabelsTicksAndWall)
{
  struct TCase {
    TAxisSide Side;
    double PositionPercent;
    platform::TRect Rect;  // after reserving
    int Title, Labels;
  };
  // Plot (50,40)-(350,260); title 12, labels 15, line and ticks 6, walls 5 beside left and bottom.
  const TCase cases[] = {
      {TAxisSide::Bottom, 0, {50, 40, 350, 222}, 248, 233},
      {TAxisSide::Top, 0, {50, 73, 350, 260}, 52, 67},
      {TAxisSide::Left, 0, {88, 40, 350, 260}, 62, 77},
      {TAxisSide::Right, 0, {50, 40, 317, 260}, 338, 323},
      {TAxisSide::Bottom, 10, {50, 40, 350, 222}, 226, 211},  // 10 % of 220 into the plot
      {TAxisSide::Left, 10, {88, 40, 350, 260}, 92, 107},     // 10 % of 300
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.Side));
    TAxisTestChart chart;
    chart.Plot = {50, 40, 350, 260};
    chart.LeftWall = 5;
    chart.BottomWall = 5;
    TChartAxis axis(&chart);
    PlaceOn(axis, c.Side);
    axis.Title().SetCaption("Title");
    axis.SetTitleSize(12);
    axis.SetLabelsSize(15);
    axis.SetPositionPercent(c.PositionPercent);
    platform::TRect rect = chart.Plot;
    axis.CalcRect(rect, true);
    EXPECT_EQ(rect, c.Rect);
    EXPECT_EQ(axis.TitlePixel(), c.Title);
    EXPECT_EQ(axis.LabelsPixel(), c.Labels);
  }

  // No caption, no labels: the ticks' room only. The depth axis only places its title.
  TAxisTestChart chart;
  TChartAxis bare(&chart);
  PlaceOn(bare, TAxisSide::Bottom);
  bare.SetLabels(false);
  platform::TRect rect{0, 0, 400, 300};
  bare.CalcRect(rect, true);
  EXPECT_EQ(rect, (platform::TRect{0, 0, 400, 294}));
  TChartDepthAxis depth(&chart);
  depth.Title().SetCaption("Depth");
  rect = {0, 0, 400, 300};
  depth.CalcRect(rect, true);
  EXPECT_EQ(rect, (platform::TRect{0, 0, 400, 300}));
  EXPECT_EQ(depth.TitlePixel(), 400);
}

TEST(AxisLayout, PlacesLineLabelsAndTitleOutwardFromTheEdge)
{
  struct TCase {
    TAxisSide Side;
    double PositionPercent;
    int Axis, Labels, Title;
  };
  // Rect (50,40)-(350,260); line and ticks 6, labels 15.
  const TCase cases[] = {
      {TAxisSide::Bottom, 0, 260, 266, 281}, {TAxisSide::Top, 0, 40, 34, 19},
      {TAxisSide::Left, 0, 50, 44, 29},      {TAxisSide::Right, 0, 350, 356, 371},
      {TAxisSide::Left, 10, 80, 74, 59},     {TAxisSide::Right, 50, 200, 206, 221},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.Side));
    TAxisTestChart chart;
    chart.Plot = {50, 40, 350, 260};
    TChartAxis axis(&chart);
    PlaceOn(axis, c.Side);
    axis.SetLabelsSize(15);
    axis.SetPositionPercent(c.PositionPercent);
    platform::TRect rect = chart.Plot;
    axis.CalcRect(rect, false);
    EXPECT_EQ(rect, chart.Plot);
    EXPECT_EQ(axis.AxisPixel(), c.Axis);
    EXPECT_EQ(axis.LabelsPixel(), c.Labels);
    EXPECT_EQ(axis.TitlePixel(), c.Title);
  }
}

TEST(AxisLayout, MeasuredRoomOfTicksLabelsAndTitle)
{
  TAxisTestChart chart;
  TChartAxis axis(&chart);
  EXPECT_EQ(axis.SizeTickAxis(), 6);  // 2-pixel line, 4-pixel ticks
  axis.SetMinorTickLength(9);
  EXPECT_EQ(axis.SizeTickAxis(), 9);
  axis.Axis().SetVisible(false);
  axis.Ticks().SetVisible(false);
  axis.MinorTicks().SetVisible(false);
  EXPECT_EQ(axis.SizeTickAxis(), 0);

  testing::PlaceAxis(axis, 0, 1000);
  TTeeCanvas& canvas = chart.Canvas();
  axis.LabelsFont().SetSize(14);
  axis.Title().Font().SetSize(20);
  axis.Title().SetCaption("Seconds");
  canvas.Font().Assign(axis.LabelsFont());
  const int labelsHeight = canvas.FontHeight();
  canvas.Font().Assign(axis.Title().Font());
  const int titleHeight = canvas.FontHeight();
  const int captionWidth = canvas.TextWidthOf("Seconds");
  ASSERT_NE(labelsHeight, titleHeight);

  axis.SetHorizontal(true);  // text along the axis: one line's height, even for two lines
  axis.SetLabelsMultiLine(true);
  EXPECT_EQ(axis.SizeLabels(), labelsHeight);
  EXPECT_EQ(axis.SizeTitle(), titleHeight);
  axis.SetHorizontal(false);  // across: the widest label, the caption's width
  EXPECT_EQ(axis.SizeLabels(), axis.MaxLabelsWidth());
  EXPECT_EQ(axis.SizeTitle(), captionWidth);
  axis.Title().SetAngle(90);
  axis.SetLabelsAngle(270);
  EXPECT_EQ(axis.SizeLabels(), labelsHeight);
  EXPECT_EQ(axis.SizeTitle(), titleHeight);
  axis.SetLabelsSize(33);
  axis.SetTitleSize(44);
  EXPECT_EQ(axis.SizeLabels(), 33);
  EXPECT_EQ(axis.SizeTitle(), 44);
}

TEST(AxisLayout, PointsOnTheAxisBetweenLabelsAndLine)
{
  struct TCase {
    bool Horizontal;
    int X, Y;
    bool On;
  };
  // Bottom axis: 100..300 along, line at 200, labels from 210. Left axis: 50..250 along, line at
  // 80, labels from 60.
  const TCase cases[] = {
      {true, 100, 197, true},  {true, 299, 209, true},  {true, 300, 205, false}, {true, 99, 205, false},
      {true, 150, 196, false}, {true, 150, 210, false}, {false, 60, 50, true},   {false, 82, 249, true},
      {false, 83, 100, false}, {false, 59, 100, false}, {false, 70, 250, false}, {false, 70, 49, false},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.X);
    SCOPED_TRACE(c.Y);
    TAxisTestChart chart;
    TChartAxis axis(&chart);
    axis.SetHorizontal(c.Horizontal);
    if (c.Horizontal) {
      axis.SetPixelRange(300, 100);  // either order
      axis.SetAxisPixel(200);
      axis.SetLabelsPixel(210);
    } else {
      axis.SetPixelRange(50, 250);
      axis.SetAxisPixel(80);
      axis.SetLabelsPixel(60);
    }
    EXPECT_EQ(axis.IsPointOnAxis(c.X, c.Y), c.On);
    axis.SetVisible(false);  // a hidden axis is never hit
    EXPECT_FALSE(axis.IsPointOnAxis(c.X, c.Y));
    axis.SetVisible(true);
    chart.AxisShown = false;  // nor one the chart does not draw
    EXPECT_FALSE(axis.IsPointOnAxis(c.X, c.Y));
  }
}

TEST(AxisLayout, LabelAlignmentByAngleAndSide)
{
  struct TCase {
    TAxisSide Side;
    int Angle;
    unsigned Align;
    int Dx, Dy;  // in half font heights
  };
  using platform::TA_BOTTOM;
  using platform::TA_CENTER;
  using platform::TA_LEFT;
  using platform::TA_RIGHT;
  using platform::TA_TOP;
  const TCase cases[] = {
      {TAxisSide::Bottom, 0, TA_CENTER | TA_TOP, 0, 0},     {TAxisSide::Bottom, 90, TA_RIGHT, -1, 0},
      {TAxisSide::Bottom, 180, TA_CENTER | TA_BOTTOM, 0, 0}, {TAxisSide::Bottom, 270, TA_LEFT, 1, 0},
      {TAxisSide::Top, 0, TA_CENTER | TA_BOTTOM, 0, 0},     {TAxisSide::Top, 90, TA_LEFT, -1, 0},
      {TAxisSide::Top, 180, TA_CENTER | TA_TOP, 0, 0},      {TAxisSide::Top, 270, TA_RIGHT, 1, 0},
      {TAxisSide::Left, 0, TA_RIGHT, 0, -1},                {TAxisSide::Left, 90, TA_CENTER | TA_BOTTOM, 0, 0},
      {TAxisSide::Left, 180, TA_LEFT, 0, 1},                {TAxisSide::Left, 270, TA_CENTER | TA_TOP, 0, 0},
      {TAxisSide::Right, 0, TA_LEFT, 0, -1},                {TAxisSide::Right, 90, TA_CENTER | TA_TOP, 0, 0},
      {TAxisSide::Right, 180, TA_RIGHT, 0, 1},              {TAxisSide::Right, 270, TA_CENTER | TA_BOTTOM, 0, 0},
      {TAxisSide::Bottom, 45, TA_LEFT | TA_TOP, 0, 0},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.Side));
    SCOPED_TRACE(c.Angle);
    TAxisRecording rec;
    TChartAxis axis(&rec.Chart);
    PlaceOn(axis, c.Side);
    TTeeCanvas3D& canvas = rec.Chart.Canvas();
    canvas.Font().Assign(axis.LabelsFont());
    const int half = canvas.FontHeight() / 2;
    axis.DrawAxisLabel(100, 200, c.Angle, "12");
    const auto texts = rec.Texts();
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].Align, c.Align);
    EXPECT_EQ(texts[0].At, (platform::TPoint{100 + c.Dx * half, 200 + c.Dy * half}));
    EXPECT_EQ(canvas.GetTextAlignment(), TA_LEFT | TA_TOP);
  }
}

// The rows holding ink left of column `right`.
std::pair<int, int> InkRows(const QImage& image, int right)
{
  int top = -1, bottom = -1;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < right; ++x)
      if (image.pixel(x, y) != qRgb(255, 255, 255)) {
        if (top < 0)
          top = y;
        bottom = y;
        break;
      }
  return {top, bottom};
}

TEST(AxisLayout, ALabelOfTwoLinesOnTheLeftAxisIsCentredOnItsTick)
{
  // One label, 50 at row 150, drawn as one line and as two; both centred on the tick alike.
  std::pair<int, int> rows[2];
  for (int lines = 1; lines <= 2; ++lines) {
    TAxisTestChart chart;
    chart.Plot = {100, 0, 400, 300};
    QImage image(400, 300, QImage::Format_RGB32);
    image.fill(Qt::white);
    platform::TImageCanvas target(image);
    chart.DrawOn(target);
    TChartAxis axis(&chart);
    axis.SetMinMax(0, 100);
    axis.AdjustMaxMin();
    axis.CalcPixelRange();
    axis.SetIncrement(50);
    axis.SetLabelsOnAxis(false);
    axis.Axis().SetVisible(false);
    axis.Grid().SetVisible(false);
    axis.SetAxisValuesFormat(lines == 1 ? "0" : "0 '00'");
    axis.SetLabelsMultiLine(true);
    platform::TRect rect = chart.Plot;
    axis.CalcRect(rect, false);
    axis.Draw(false);
    ASSERT_EQ(image.pixel(axis.AxisPixel() - 1, 150), qRgb(0x80, 0x80, 0x80));  // the tick
    rows[lines - 1] = InkRows(image, axis.LabelsPixel() + 1);
  }
  const auto [top1, bottom1] = rows[0];
  const auto [top2, bottom2] = rows[1];
  ASSERT_GE(top1, 0);
  ASSERT_GE(top2, 0);
  EXPECT_GT(bottom2 - top2, 2 * (bottom1 - top1));
  EXPECT_NEAR(top2 + bottom2, top1 + bottom1, 2);  // the same middle
  EXPECT_LT(top2, 150);
  EXPECT_GT(bottom2, 150);
}

TEST(AxisLayout, AnAxisDrawnOnAnImage)
{
  TAxisTestChart chart;
  chart.Plot = {20, 20, 380, 260};
  QImage image(400, 300, QImage::Format_RGB32);
  image.fill(Qt::white);
  platform::TImageCanvas target(image);
  chart.DrawOn(target);
  TChartAxis axis(&chart);
  axis.SetHorizontal(true);
  axis.SetMinMax(0, 100);
  axis.AdjustMaxMin();
  axis.CalcPixelRange();
  axis.SetIncrement(50);
  platform::TRect rect = chart.Plot;
  axis.CalcRect(rect, false);
  axis.Draw(false);

  const QRgb white = qRgb(255, 255, 255);
  const QRgb grey = qRgb(0x80, 0x80, 0x80);
  EXPECT_EQ(image.pixel(200, 260), qRgb(0, 0, 0));  // the line
  EXPECT_EQ(image.pixel(200, 263), grey);           // the tick below it
  EXPECT_EQ(image.pixel(199, 263), white);
  int dots = 0, gaps = 0;  // the dotted grid up the plot at 50
  for (int y = 30; y < 250; ++y) {
    (image.pixel(200, y) == grey ? dots : gaps) += 1;
    EXPECT_EQ(image.pixel(199, y), white);
  }
  EXPECT_GT(dots, 50);
  EXPECT_GT(gaps, 50);
  bool ink = false;  // the label under the tick
  for (int y = axis.LabelsPixel(); y < axis.LabelsPixel() + 20; ++y)
    for (int x = 190; x < 210; ++x)
      ink = ink || image.pixel(x, y) != white;
  EXPECT_TRUE(ink);
}

}  // namespace
}  // namespace chart
