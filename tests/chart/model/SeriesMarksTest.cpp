#include "ChartDouble.h"

#include "chart/model/SeriesMarks.h"

#include <gtest/gtest.h>

#include <limits>

namespace chart {
namespace {

using platform::TCanvasOp;
using platform::TCanvasRecord;
using testing::TTestChart;

std::vector<const TCanvasRecord*> Drawn(const platform::TRecordingCanvas& canvas, TCanvasOp op)
{
  std::vector<const TCanvasRecord*> found;
  for (const auto& r : canvas.Records())
    if (r.Op == op) found.push_back(&r);
  return found;
}

struct TMarkCase {
  TSeriesMarksStyle Style;
  const char* First;   // point 0: 30, labelled "a"
  const char* Second;  // point 1: -10, no label
};

TEST(SeriesMarks, TextsByStyle)
{
  using enum TSeriesMarksStyle;
  TTestChart chart;
  TChartSeries s;
  s.SetParentChart(&chart);
  s.AddXY(1, 30, "a");
  s.AddXY(2, -10);
  s.AddXY(3, 60, "c");
  const TMarkCase cases[] = {
      {smsValue, "30", "-10"},
      {smsPercent, "30 %", "10 %"},  // of the absolute total, unsigned
      {smsLabel, "a", "-10"},
      {smsLabelPercent, "a 30 %", "-10 10 %"},
      {smsLabelValue, "a 30", "-10 -10"},
      {smsLegend, "30 a", "-10 "},
      {smsPercentTotal, "30 % of 100", "10 % of 100"},
      {smsLabelPercentTotal, "a 30 % of 100", "-10 10 % of 100"},
  };
  for (const auto& c : cases) {
    s.Marks().SetStyle(c.Style);
    EXPECT_EQ(s.GetMarkText(0), c.First);
    EXPECT_EQ(s.GetMarkText(1), c.Second);
  }

  TChartSeries alone;  // no axis: X by the value format
  alone.AddXY(1234.5, 1);
  alone.Marks().SetStyle(smsXValue);
  EXPECT_EQ(alone.GetMarkText(0), "1,234.5");

  s.OnGetMarkText = [](const TChartSeries&, int index, QString& text) { text += QString::number(index); };
  s.Marks().SetStyle(smsLabel);
  EXPECT_EQ(s.GetMarkText(2), "c2");
}

TEST(SeriesMarks, PercentOfAZeroTotalIsAHundred)
{
  TChartSeries s;
  s.AddXY(0, 0);
  s.AddXY(1, 0);
  EXPECT_EQ(s.PercentText(1, false), "100 %");
  EXPECT_EQ(s.PercentText(1, true), "100 % of 0");
  s.SetPercentFormat("0.0%");
  s.AddXY(2, 3);
  s.AddXY(3, 1);
  EXPECT_EQ(s.PercentText(3, false), "25.0%");
}

class SeriesMarksDrawing : public ::testing::Test {
protected:
  void SetUp() override
  {
    series.SetParentChart(&chart);
    chart.SetAxisRange(chart.Bottom, 0, 10);
    chart.SetAxisRange(chart.Left, 0, 100);
    series.Marks().SetVisible(true);
  }
  void Draw()
  {
    chart.Target.Clear();
    series.CalcVisibleRange();
    series.DrawMarks();
  }

  TTestChart chart;
  TChartSeries series;
};

TEST_F(SeriesMarksDrawing, TwoLineLabelMakesABoxTwoLinesHigh)
{
  series.AddXY(5, 50, "first\rsecond");
  Draw();
  const auto texts = Drawn(chart.Target, TCanvasOp::TextOut);
  ASSERT_EQ(texts.size(), 2u);
  EXPECT_EQ(texts[0]->Text, "first");
  EXPECT_EQ(texts[1]->Text, "second");
  const int fontHeight = chart.Canvas().FontHeight();
  EXPECT_EQ(texts[1]->Points[0].Y - texts[0]->Points[0].Y, fontHeight);
  EXPECT_EQ(texts[0]->Points[0].X, series.CalcXPos(0));  // centred on the point

  const auto boxes = Drawn(chart.Target, TCanvasOp::Rectangle);
  ASSERT_EQ(boxes.size(), 1u);
  const int frame = series.Marks().Frame().Width();
  const auto box = boxes[0]->RectAt(0);
  EXPECT_EQ(box.Height(), 2 * fontHeight + 2 * frame);
  EXPECT_EQ(box.Bottom - 1, series.CalcYPos(0));  // the box sits on the point
  EXPECT_EQ(texts[0]->Points[0].Y, box.Top + frame);
  EXPECT_EQ(boxes[0]->State.Brush.Color, platform::ColorToRGB(kMarkBackColor));
  const auto& stored = series.Marks().MarkPositions().at(0);
  ASSERT_TRUE(stored.has_value());
  EXPECT_EQ(stored->Height, box.Height());
}

TEST_F(SeriesMarksDrawing, NullsAndEmptyTextsGetNoMark)
{
  series.AddXY(1, 10, "shown");
  series.AddNullXY(2, 20, "null");
  series.AddXY(3, std::numeric_limits<double>::infinity(), "infinite");
  series.AddXY(4, 40, "hidden");
  series.OnGetMarkText = [](const TChartSeries&, int index, QString& text) {
    if (index == 3) text.clear();
  };
  Draw();
  const auto texts = Drawn(chart.Target, TCanvasOp::TextOut);
  ASSERT_EQ(texts.size(), 1u);
  EXPECT_EQ(texts[0]->Text, "shown");
  EXPECT_EQ(series.Marks().MarkPositions().size(), 1u);  // only drawn marks have a position
}

TEST_F(SeriesMarksDrawing, UserPlacedMarkStaysWhereItWasPut)
{
  series.AddXY(2, 20, "kept");
  series.AddXY(8, 80, "follows");
  Draw();
  auto& positions = series.Marks().MarkPositions();
  ASSERT_EQ(positions.size(), 2u);
  positions[0]->UserPlaced = true;
  positions[0]->TopLeft = {7, 9};
  positions[0]->ArrowStart = {20, 25};
  const int oldFollowTop = positions[1]->TopLeft.Y;
  series.SetYValue(0, 90);
  series.SetYValue(1, 10);
  Draw();
  const auto boxes = Drawn(chart.Target, TCanvasOp::Rectangle);
  ASSERT_EQ(boxes.size(), 2u);
  EXPECT_EQ(boxes[0]->RectAt(0).Left, 7);
  EXPECT_EQ(boxes[0]->RectAt(0).Top, 9);
  EXPECT_EQ(positions[0]->TopLeft.X, 7);
  EXPECT_GT(positions[1]->TopLeft.Y, oldFollowTop);  // moved down with its point
  const auto lines = Drawn(chart.Target, TCanvasOp::LineTo);
  ASSERT_FALSE(lines.empty());
  EXPECT_EQ(lines[0]->Points[0].X, 20);
  EXPECT_EQ(lines[0]->Points[0].Y, 25);
}

TEST_F(SeriesMarksDrawing, ArrowShowsAgainstPointAndBackground)
{
  series.AddXY(5, 50, "m", platform::clWhite);  // the arrow pen is white too
  Draw();
  auto lines = Drawn(chart.Target, TCanvasOp::LineTo);
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0]->State.Pen.Color, platform::clBlack);
  chart.BackColor = platform::clBlack;
  series.SetValueColor(0, platform::clRed);
  series.Marks().Arrow().SetColor(platform::clBlack);
  Draw();
  lines = Drawn(chart.Target, TCanvasOp::LineTo);
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0]->State.Pen.Color, platform::clWhite);
  series.Marks().Arrow().SetVisible(false);
  series.Marks().Frame().SetVisible(false);
  series.Marks().SetTransparent(true);
  Draw();
  EXPECT_TRUE(Drawn(chart.Target, TCanvasOp::LineTo).empty());
  EXPECT_TRUE(Drawn(chart.Target, TCanvasOp::Rectangle).empty());
  EXPECT_EQ(Drawn(chart.Target, TCanvasOp::TextOut).size(), 1u);
}

TEST(SeriesMarks, SettingsRepaintAndAssign)
{
  TTestChart chart;
  TChartSeries a, b;
  a.SetParentChart(&chart);
  const auto& marks = a.Marks();
  EXPECT_FALSE(marks.Visible());
  EXPECT_EQ(marks.Style(), TSeriesMarksStyle::smsLabel);
  EXPECT_EQ(marks.BackColor(), 0x80FFFFu);
  EXPECT_EQ(marks.ArrowLength(), 8);
  EXPECT_EQ(marks.Arrow().Color(), platform::clWhite);
  EXPECT_FALSE(marks.IsFontStored());
  const int before = chart.Repaints;
  a.Marks().SetVisible(true);
  a.Marks().SetVisible(true);
  a.Marks().SetArrowLength(12);
  a.Marks().SetStyle(TSeriesMarksStyle::smsValue);
  a.Marks().Font().SetSize(14);
  EXPECT_EQ(chart.Repaints - before, 4);
  EXPECT_TRUE(marks.IsFontStored());

  b.Marks().Assign(a.Marks());
  EXPECT_TRUE(b.Marks().Visible());
  EXPECT_EQ(b.Marks().ArrowLength(), 12);
  EXPECT_EQ(b.Marks().Style(), TSeriesMarksStyle::smsValue);
  EXPECT_EQ(b.Marks().Font().Size(), 14);
}

TEST(SeriesMarks, WidestMarkText)
{
  TTestChart chart;
  TChartSeries s;
  s.SetParentChart(&chart);
  EXPECT_EQ(s.MaxMarkWidth(), 0);
  s.AddXY(1, 1, "ab");
  s.AddXY(2, 2, "x\rwidest line");
  chart.Canvas().Font().Assign(s.Marks().Font());
  EXPECT_EQ(s.MaxMarkWidth(), chart.Canvas().TextWidthOf("widest line"));
}

}  // namespace
}  // namespace chart
