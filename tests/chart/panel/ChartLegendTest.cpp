#include "TestLegendPanel.h"

#include "chart/support/ChartExceptions.h"

#include <gtest/gtest.h>
#include <map>
#include <memory>
#include <vector>

namespace chart {
namespace {

using platform::TColor;
using testing::PixelAt;
using testing::TLegendPanel;
using testing::TLegendWindow;

constexpr TColor kColors[] = {0x0000FF, 0x00C000, 0xFF0000, 0x00FFFF, 0xFF00FF, 0xFFFF00,
                              0x000080, 0x008080, 0x800080, 0x808000, 0x0080FF, 0xFF8000};

// Series that draw nothing but their legend symbols.
class TSeriesSet {
public:
  TChartSeries& Add(TLegendPanel& panel, const QString& name, TColor color, int points = 0)
  {
    auto s = std::make_unique<TChartSeries>();
    s->SetName(name);
    s->SetSeriesColor(color);
    for (int i = 0; i < points; ++i)
      s->AddXY(i, 10 * (i + 1), QStringLiteral("p%1").arg(i), kColors[i % 12]);
    panel.AddSeries(*s);
    all_.push_back(std::move(s));
    return *all_.back();
  }

private:
  std::vector<std::unique_ptr<TChartSeries>> all_;
};

// The middle of the symbol drawn left of the item's text.
TColor SymbolAt(const QImage& shown, const TLegendPanel& panel, int index)
{
  const testing::TItemPos at = panel.Drawn.at(index);
  return PixelAt(shown, at.X - 4 - panel.Legend.ColorWidthPixels() / 2, at.Y + 5);
}

TEST(ChartLegend, OneSeriesListsItsPointsTwoSeriesListTheSeries)
{
  TLegendWindow window;
  TLegendPanel& panel = window.Panel;
  panel.Legend.SetColorWidth(60);
  TSeriesSet series;
  TChartSeries& first = series.Add(panel, "first", 0x00FF00, 3);
  QImage shown = window.Shown();
  EXPECT_EQ(panel.Legend.InternalLegendStyle(), TLegendStyle::lsValues);
  ASSERT_EQ(panel.Drawn.size(), 3u);
  for (int i = 0; i < 3; ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(SymbolAt(shown, panel, i), kColors[i]);
    EXPECT_EQ(panel.Drawn.at(i).Y - panel.Drawn.at(0).Y, i * (panel.Drawn.at(1).Y - panel.Drawn.at(0).Y));
  }
  EXPECT_GT(panel.Drawn.at(1).Y, panel.Drawn.at(0).Y);
  // Each text by the text style; a line separator becomes a blank.
  const struct {
    TLegendTextStyle style;
    const char* text;
  } styles[] = {{TLegendTextStyle::ltsLeftValue, "20 p1"},
                {TLegendTextStyle::ltsRightValue, "p1 20"},
                {TLegendTextStyle::ltsXValue, "1"},
                {TLegendTextStyle::ltsPlain, "p1"}};
  for (const auto& c : styles) {
    panel.Legend.SetTextStyle(c.style);
    EXPECT_EQ(panel.Legend.LegendText(1), QString::fromLatin1(c.text));
  }
  first.AddXY(3, 40, QStringLiteral("two\rlines"));
  EXPECT_EQ(panel.Legend.LegendText(3), QStringLiteral("two lines"));

  series.Add(panel, "second", 0xFF0000, 3);
  shown = window.Shown();
  EXPECT_EQ(panel.Legend.InternalLegendStyle(), TLegendStyle::lsSeries);
  ASSERT_EQ(panel.Drawn.size(), 2u);
  EXPECT_EQ(SymbolAt(shown, panel, 0), TColor(0x00FF00));
  EXPECT_EQ(SymbolAt(shown, panel, 1), TColor(0xFF0000));
  EXPECT_EQ(panel.Legend.LegendText(1), QStringLiteral("second"));
}

TEST(ChartLegend, FirstValueAndInvertedChooseAndOrderTheItems)
{
  struct Case {
    int firstValue;
    bool inverted;
    std::vector<int> topDown;  // point indexes from the top row down
  };
  const Case cases[] = {{0, false, {0, 1, 2, 3, 4}}, {2, false, {2, 3, 4}}, {0, true, {4, 3, 2, 1, 0}},
                        {2, true, {4, 3, 2}},         {5, false, {}}};
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.firstValue << " " << c.inverted);
    TLegendWindow window;
    TLegendPanel& panel = window.Panel;
    panel.Legend.SetColorWidth(60);
    panel.Legend.SetFirstValue(c.firstValue);
    panel.Legend.SetInverted(c.inverted);
    TSeriesSet series;
    series.Add(panel, "s", 0x00FF00, 5);
    const QImage shown = window.Shown();
    ASSERT_EQ(panel.Drawn.size(), c.topDown.size());
    int lastY = -1;
    for (std::size_t row = 0; row < c.topDown.size(); ++row) {
      const int index = c.topDown[row];
      EXPECT_GT(panel.Drawn.at(index).Y, lastY);
      lastY = panel.Drawn.at(index).Y;
      EXPECT_EQ(SymbolAt(shown, panel, index), kColors[index]);
    }
    if (c.topDown.empty()) {
      EXPECT_EQ(panel.RectAfterLegend, panel.RectBeforeLegend);  // nothing to list: no room taken
    }
  }
}

TEST(ChartLegend, ATopLegendFillsTheColumnsThatFitThenRows)
{
  TLegendWindow window(600, 300);
  TLegendPanel& panel = window.Panel;
  panel.Legend.SetAlignment(TLegendAlignment::laTop);
  panel.Legend.SetColorWidth(60);
  TSeriesSet series;
  series.Add(panel, "s", 0x00FF00, 12);
  window.Shown();
  // Narrow the window to room for exactly five columns: 8, twice the frame, five columns and some slack.
  const int width = 8 + 2 + 5 * (panel.Drawn.at(1).X - panel.Drawn.at(0).X + 4) + 3;
  window.Resize(width, 300);
  QImage shown = window.Shown();
  ASSERT_EQ(panel.Legend.NumCols(), 5);
  EXPECT_EQ(panel.Legend.NumRows(), 3);
  ASSERT_EQ(panel.Drawn.size(), 12u);
  const int step = panel.Drawn.at(1).X - panel.Drawn.at(0).X;
  const int rowHeight = panel.Drawn.at(5).Y - panel.Drawn.at(0).Y;
  ASSERT_GT(rowHeight, 0);
  for (int i = 0; i < 12; ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(panel.Drawn.at(i).X, panel.Drawn.at(0).X + (i % 5) * step);
    EXPECT_EQ(panel.Drawn.at(i).Y, panel.Drawn.at(0).Y + (i / 5) * rowHeight);
    EXPECT_EQ(SymbolAt(shown, panel, i), kColors[i]);
  }
  // The chart's top comes down to the legend's bottom, the shadow and a margin of 4 % of the height.
  EXPECT_EQ(panel.RectAfterLegend.Top, panel.Legend.RectLegend().Bottom + 3 + 12);

  // MaxNumRows cuts a top legend short; a side legend ignores it.
  panel.Legend.SetMaxNumRows(2);
  window.Shown();
  EXPECT_EQ(panel.Drawn.size(), 10u);
  panel.Legend.SetAlignment(TLegendAlignment::laRight);
  window.Shown();
  EXPECT_EQ(panel.Drawn.size(), 12u);
}

// Items past the last row a top or bottom legend may show are not measured: a long hidden text
// leaves the columns as they are without it, and they show as many items.
TEST(ChartLegend, HiddenItemsDoNotWidenAHorizontalLegendsColumns)
{
  for (const TLegendAlignment alignment : {TLegendAlignment::laTop, TLegendAlignment::laBottom}) {
    SCOPED_TRACE(static_cast<int>(alignment));
    TLegendWindow window(1000, 300);
    TLegendPanel& panel = window.Panel;
    panel.Legend.SetAlignment(alignment);
    panel.Legend.SetColorWidth(60);
    panel.Legend.SetMaxNumRows(1);
    TSeriesSet series;
    TChartSeries& points = series.Add(panel, "s", 0x00FF00, 10);
    window.Shown();
    ASSERT_EQ(panel.Legend.NumCols(), 10);
    const std::map<int, testing::TItemPos> alone = panel.Drawn;
    const int symbolWidth = panel.Legend.ColorWidthPixels();
    const int legendWidth = panel.Legend.RectLegend().Width();

    points.AddXY(10, 110, QString(80, QChar('W')), kColors[10]);
    points.AddXY(11, 120, QString(80, QChar('W')), kColors[11]);
    QImage shown = window.Shown();
    EXPECT_EQ(panel.Legend.NumCols(), 10);
    EXPECT_EQ(panel.Legend.NumRows(), 1);
    EXPECT_EQ(panel.Legend.ColorWidthPixels(), symbolWidth);
    EXPECT_EQ(panel.Legend.RectLegend().Width(), legendWidth);
    ASSERT_EQ(panel.Drawn.size(), 10u);
    for (int i = 0; i < 10; ++i) {
      SCOPED_TRACE(i);
      EXPECT_EQ(panel.Drawn.at(i).X, alone.at(i).X);
      EXPECT_EQ(SymbolAt(shown, panel, i), kColors[i]);
    }

    // Two rows of ten would show the long texts, which leave no room for ten columns: five columns of
    // short texts fill the two rows instead.
    panel.Legend.SetMaxNumRows(2);
    shown = window.Shown();
    EXPECT_EQ(panel.Legend.NumCols(), 5);
    EXPECT_EQ(panel.Legend.NumRows(), 2);
    ASSERT_EQ(panel.Drawn.size(), 10u);
    EXPECT_EQ(panel.Drawn.at(1).X - panel.Drawn.at(0).X, alone.at(1).X - alone.at(0).X);
    EXPECT_EQ(SymbolAt(shown, panel, 9), kColors[9]);
  }
}

// Clicks on a 5-column top legend of 12 items: three rows, the last one short.
TEST(ChartLegend, ClickedItemFindsTheItemUnderThePoint)
{
  TLegendWindow window(400, 300);
  TLegendPanel& panel = window.Panel;
  panel.Legend.SetColorWidth(60);
  TSeriesSet series;
  series.Add(panel, "s", 0x00FF00, 4);
  window.Shown();
  const TRect r = panel.Legend.RectLegend();
  const int row = r.Height() / 4;
  struct Case {
    int x, y, item;
  };
  const Case vertical[] = {{r.Left + 2, r.Top + 1, 0},           {r.Right - 1, r.Top + row, 0},
                           {r.Left + 2, r.Top + row + 2, 1},     {r.Left + 2, r.Top + 3 * row + 2, 3},
                           {r.Left - 1, r.Top + 2, -1},          {r.Right, r.Top + 2, -1},
                           {r.Left + 2, r.Top - 1, -1},          {r.Left + 2, r.Bottom, -1}};
  for (const Case& c : vertical) {
    SCOPED_TRACE(::testing::Message() << c.x << "," << c.y);
    EXPECT_EQ(panel.Legend.ClickedItem(c.x, c.y), c.item);
  }

  // A horizontal legend: columns across, rows of the font's height; the short last row's empty
  // places hold nothing.
  panel.FreeAllSeries();
  TSeriesSet more;
  more.Add(panel, "s", 0x00FF00, 12);
  panel.Legend.SetAlignment(TLegendAlignment::laTop);
  window.Shown();
  const int step = panel.Drawn.at(1).X - panel.Drawn.at(0).X;
  const int width = 8 + 2 + 5 * (step + 4) + 3;
  window.Resize(width, 300);
  window.Shown();
  ASSERT_EQ(panel.Legend.NumCols(), 5);
  ASSERT_EQ(panel.Legend.NumRows(), 3);
  const TRect h = panel.Legend.RectLegend();
  const int colWidth = h.Width() / 5;
  const int rowHeight = panel.Drawn.at(5).Y - panel.Drawn.at(0).Y;
  const auto at = [&](int column, int rowIndex) {
    return panel.Legend.ClickedItem(h.Left + column * colWidth + colWidth / 2, h.Top + rowIndex * rowHeight + 3);
  };
  const struct {
    int column, row, item;
  } grid[] = {{0, 0, 0}, {4, 0, 4}, {0, 1, 5}, {3, 1, 8}, {1, 2, 11}, {2, 2, -1}, {4, 2, -1}};
  for (const auto& c : grid) {
    SCOPED_TRACE(::testing::Message() << c.column << "," << c.row);
    EXPECT_EQ(at(c.column, c.row), c.item);
  }
}

TEST(ChartLegend, BadSettingsRaiseAndKeepTheOldValue)
{
  TLegendWindow window;
  TChartLegend& legend = window.Panel.Legend;
  struct Case {
    const char* name;
    std::function<void()> set;
    std::function<int()> get;
    int kept;
    const char* message;
  };
  const Case cases[] = {
      {"ColorWidth 101", [&] { legend.SetColorWidth(101); }, [&] { return legend.ColorWidth(); }, 12,
       "Legend Color Width must be between 0 and 100 %"},
      {"ColorWidth -1", [&] { legend.SetColorWidth(-1); }, [&] { return legend.ColorWidth(); }, 12,
       "Legend Color Width must be between 0 and 100 %"},
      {"TopPos -1", [&] { legend.SetTopPos(-1); }, [&] { return legend.TopPos(); }, 10,
       "Top Legend Position must be between 0 and 100 %"},
      {"TopPos 101", [&] { legend.SetTopPos(101); }, [&] { return legend.TopPos(); }, 10,
       "Top Legend Position must be between 0 and 100 %"},
      {"FirstValue -1", [&] { legend.SetFirstValue(-1); }, [&] { return legend.FirstValue(); }, 0,
       "First Legend Value must be > 0"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    try {
      c.set();
      ADD_FAILURE() << "no exception";
    } catch (const LegendException& e) {
      EXPECT_EQ(e.Message(), QString::fromLatin1(c.message));
    }
    EXPECT_EQ(c.get(), c.kept);
  }
  // The ends of the ranges are taken.
  legend.SetColorWidth(0);
  legend.SetColorWidth(100);
  legend.SetTopPos(0);
  legend.SetTopPos(100);
  legend.SetFirstValue(0);
  EXPECT_EQ(legend.ColorWidth(), 100);
  EXPECT_EQ(legend.TopPos(), 100);
}

// Each side: the legend sits against it with its shadow, and the chart rectangle gives up that side
// and a margin (3 % of the width, 4 % of the height when automatic).
TEST(ChartLegend, ResizeChartTakesTheLegendsSideFromTheChart)
{
  struct Case {
    TLegendAlignment alignment;
    int margin;  // HorizMargin or VertMargin
  };
  const Case cases[] = {{TLegendAlignment::laLeft, 0},  {TLegendAlignment::laRight, 0},
                        {TLegendAlignment::laTop, 0},   {TLegendAlignment::laBottom, 0},
                        {TLegendAlignment::laRight, 20}, {TLegendAlignment::laBottom, 20}};
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << int(c.alignment) << " " << c.margin);
    TLegendWindow window(400, 300);
    TLegendPanel& panel = window.Panel;
    panel.Legend.SetAlignment(c.alignment);
    panel.Legend.SetHorizMargin(c.margin);
    panel.Legend.SetVertMargin(c.margin);
    panel.Legend.SetShadowColor(0x0000FF);
    TSeriesSet series;
    series.Add(panel, "first", 0x00FF00, 3);
    series.Add(panel, "second", 0xFF0000, 3);
    const QImage shown = window.Shown();
    const TRect r = panel.Legend.RectLegend();
    TRect expected = {0, 0, 400, 300};
    EXPECT_EQ(panel.RectBeforeLegend, expected);
    const int horiz = c.margin != 0 ? c.margin : 12;  // 3 % of 400
    const int vert = c.margin != 0 ? c.margin : 12;   // 4 % of 300
    switch (c.alignment) {
    case TLegendAlignment::laLeft:
      EXPECT_EQ(r.Left, 2);  // the frame's width and a pixel
      expected.Left = r.Right + horiz;
      break;
    case TLegendAlignment::laRight:
      EXPECT_EQ(r.Right, 400 - 2 - 3);  // and the shadow
      EXPECT_EQ(r.Top, 30);             // TopPos 10 % of the height
      expected.Right = r.Left - horiz;
      break;
    case TLegendAlignment::laTop:
      EXPECT_EQ(r.Top, 2);
      expected.Top = r.Bottom + 3 + vert;
      break;
    case TLegendAlignment::laBottom:
      EXPECT_EQ(r.Bottom, 300 - 3 - 2);
      expected.Bottom = r.Top - vert;
      break;
    }
    EXPECT_EQ(panel.RectAfterLegend, expected);
    // On the screen: the white fill inside, the black frame on the edge, the shadow beyond it.
    EXPECT_EQ(PixelAt(shown, r.Right - 2, r.Top + 1), platform::clWhite);
    EXPECT_EQ(PixelAt(shown, r.Left - 1, r.Top + 1), platform::clBlack);
    EXPECT_EQ(PixelAt(shown, r.Right + 2, r.Bottom + 2), TColor(0x0000FF));
    EXPECT_EQ(PixelAt(shown, r.Left + 1, r.Bottom + 2), PixelAt(shown, 200, 150));  // the shadow starts 3 in

    panel.Legend.SetResizeChart(false);
    window.Shown();
    EXPECT_EQ(panel.RectAfterLegend, panel.RectBeforeLegend);
  }
}

// The shadow reaches past the legend's right and bottom by its size, the frame's width and half
// that width again; without a frame one pixel short of its size.
TEST(ChartLegend, TheShadowReachesPastTheFrame)
{
  struct Case {
    bool frame;
    int frameWidth;
    int shadowSize;
    int reach;
  };
  const Case cases[] = {{true, 1, 3, 4}, {true, 3, 3, 7}, {true, 4, 2, 7}, {false, 1, 3, 2}, {true, 1, 0, 0}};
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.frame << " " << c.frameWidth << " " << c.shadowSize);
    TLegendWindow window;
    TLegendPanel& panel = window.Panel;
    panel.Legend.Frame().SetVisible(c.frame);
    panel.Legend.Frame().SetWidth(c.frameWidth);
    panel.Legend.SetShadowSize(c.shadowSize);
    panel.Legend.SetShadowColor(0x0000FF);
    panel.Legend.SetResizeChart(false);
    panel.Legend.SetAlignment(TLegendAlignment::laLeft);  // room beyond the shadow on both sides
    TSeriesSet series;
    series.Add(panel, "first", 0x00FF00, 3);
    series.Add(panel, "second", 0xFF0000, 3);
    const QImage shown = window.Shown();
    const TRect r = panel.Legend.RectLegend();
    const TColor back = PixelAt(shown, 300, 250);
    const int midX = (r.Left + r.Right) / 2;
    const int midY = (r.Top + r.Bottom) / 2;
    if (c.shadowSize > 0) {
      EXPECT_EQ(PixelAt(shown, r.Right + c.reach - 1, midY), TColor(0x0000FF));
      EXPECT_EQ(PixelAt(shown, midX, r.Bottom + c.reach - 1), TColor(0x0000FF));
    }
    // Past the shadow, or past a one-pixel frame without one.
    const int past = c.shadowSize > 0 ? c.reach : 1;
    EXPECT_EQ(PixelAt(shown, r.Right + past, midY), back);
    EXPECT_EQ(PixelAt(shown, midX, r.Bottom + past), back);
  }
}

// TopPos moves a top or bottom legend right from the centre by its percent of the room left over,
// never past the chart's right side.
TEST(ChartLegend, TopPosShiftsAHorizontalLegendWithinTheChart)
{
  const struct {
    int topPos;
    bool againstTheRight;
  } cases[] = {{0, false}, {10, false}, {40, false}, {80, true}, {100, true}};
  int centred = 0;  // the left of the legend at TopPos 0
  for (const auto& c : cases) {
    SCOPED_TRACE(c.topPos);
    TLegendWindow window;
    TLegendPanel& panel = window.Panel;
    panel.Legend.SetAlignment(TLegendAlignment::laBottom);
    panel.Legend.SetTopPos(c.topPos);
    TSeriesSet series;
    series.Add(panel, "first", 0x00FF00, 3);
    series.Add(panel, "second", 0xFF0000, 3);
    const QImage shown = window.Shown();
    const TRect r = panel.Legend.RectLegend();
    if (c.topPos == 0) {
      centred = r.Left;
      EXPECT_NEAR(r.Left + r.Width() / 2.0, 200, 1);
    }
    if (c.againstTheRight) {
      EXPECT_EQ(r.Right, 400);
    } else {
      EXPECT_NEAR(r.Left - centred, (400 - r.Width()) * c.topPos / 100.0, 1);
    }
    EXPECT_EQ(PixelAt(shown, r.Right - 2, r.Top + 1), platform::clWhite);
  }
}

// A solid brush fills in the legend colour; a hatched one draws its colour over the legend colour.
TEST(ChartLegend, TheBrushFillsTheLegend)
{
  const struct {
    platform::TBrushStyle style;
    TColor brushColor;
    TColor legendColor;
    bool hatched;
  } cases[] = {{platform::TBrushStyle::bsSolid, 0x0000FF, 0xC0FFC0, false},
               {platform::TBrushStyle::bsCross, 0x0000FF, 0xC0FFC0, true},
               {platform::TBrushStyle::bsCross, platform::clDefault, 0xC0FFC0, true}};
  for (const auto& c : cases) {
    SCOPED_TRACE(int(c.style));
    TLegendWindow window;
    TLegendPanel& panel = window.Panel;
    panel.Legend.Brush().SetStyle(c.style);
    panel.Legend.Brush().SetColor(c.brushColor);
    panel.Legend.SetColor(c.legendColor);
    TSeriesSet series;
    series.Add(panel, "first", 0x00FF00, 0);
    series.Add(panel, "second", 0xFF0000, 0);
    const QImage shown = window.Shown();
    const TRect r = panel.Legend.RectLegend();
    const TColor lines = c.brushColor == platform::clDefault ? platform::clBlack : c.brushColor;
    int legendPixels = 0, linePixels = 0;
    for (int x = r.Right - 12; x < r.Right - 1; ++x)  // right of the texts
      for (int y = r.Top + 1; y < r.Bottom - 1; ++y) {
        legendPixels += PixelAt(shown, x, y) == c.legendColor ? 1 : 0;
        linePixels += PixelAt(shown, x, y) == lines ? 1 : 0;
      }
    EXPECT_GT(legendPixels, 0);
    EXPECT_EQ(linePixels > 0, c.hatched);
    EXPECT_EQ(panel.LegendColor(), c.legendColor);  // the series' symbols use it
  }
}

TEST(ChartLegend, ASideLegendShowsOnlyTheRowsThatFitAboveTheChartsBottom)
{
  TLegendWindow window(400, 120);
  TLegendPanel& panel = window.Panel;
  panel.Legend.SetColorWidth(60);
  panel.Legend.SetTopPos(50);
  TSeriesSet series;
  series.Add(panel, "s", 0x00FF00, 20);
  const QImage shown = window.Shown();
  const int rowHeight = panel.Drawn.at(1).Y - panel.Drawn.at(0).Y;
  ASSERT_GT(rowHeight, 0);
  // From 60 down to the bottom (120) less twice the frame's width.
  const int fits = (120 - 2 - 60) / rowHeight;
  EXPECT_EQ(panel.Legend.NumRows(), fits);
  EXPECT_EQ(int(panel.Drawn.size()), fits);
  EXPECT_EQ(SymbolAt(shown, panel, fits - 1), kColors[fits - 1]);
  EXPECT_LE(panel.Legend.RectLegend().Bottom, 120);

  // No room at all: nothing drawn, the chart keeps its rectangle, no item is hit.
  panel.Legend.SetTopPos(100);
  window.Shown();
  EXPECT_TRUE(panel.Drawn.empty());
  EXPECT_EQ(panel.RectAfterLegend, panel.RectBeforeLegend);
  EXPECT_EQ(panel.Legend.ClickedItem(panel.Legend.RectLegend().Left, panel.Legend.RectLegend().Top), -1);
}

TEST(ChartLegend, LastValuesSkipAHiddenSeriesForTextAndSymbolAlike)
{
  TLegendWindow window;
  TLegendPanel& panel = window.Panel;
  panel.Legend.SetColorWidth(60);
  panel.Legend.SetLegendStyle(TLegendStyle::lsLastValues);
  panel.Legend.SetTextStyle(TLegendTextStyle::ltsRightValue);
  TSeriesSet series;
  series.Add(panel, "a", 0x0000FF, 2);
  series.Add(panel, "hidden", 0x00FF00, 3).SetShowInLegend(false);
  series.Add(panel, "c", 0xFF0000, 4);
  series.Add(panel, "empty", 0xFF00FF, 0);
  const QImage shown = window.Shown();
  EXPECT_EQ(panel.Legend.TotalLegendItems(), 3);
  EXPECT_EQ(panel.Legend.LegendText(0), QStringLiteral("p1 20"));
  EXPECT_EQ(panel.Legend.LegendText(1), QStringLiteral("p3 40"));
  EXPECT_EQ(panel.Legend.LegendText(2), QString());  // a series without points has no last value
  EXPECT_EQ(panel.Legend.LegendText(3), QString());  // past the items
  ASSERT_EQ(panel.Drawn.size(), 3u);
  EXPECT_EQ(SymbolAt(shown, panel, 0), TColor(0x0000FF));
  EXPECT_EQ(SymbolAt(shown, panel, 1), TColor(0xFF0000));
}

TEST(ChartLegend, ColorWidthZeroLeavesTheSymbolEmpty)
{
  TLegendWindow window;
  TLegendPanel& panel = window.Panel;
  panel.Legend.SetColorWidth(0);
  TSeriesSet series;
  series.Add(panel, "a", 0x0000FF, 0);
  series.Add(panel, "b", 0x0000FF, 0);
  const QImage shown = window.Shown();
  ASSERT_EQ(panel.Drawn.size(), 2u);
  EXPECT_EQ(panel.Legend.ColorWidthPixels(), 0);
  const TRect r = panel.Legend.RectLegend();
  for (int y = r.Top; y < r.Bottom; ++y)
    for (int x = r.Left; x < panel.Drawn.at(0).X; ++x)
      ASSERT_NE(PixelAt(shown, x, y), TColor(0x0000FF)) << x << "," << y;
}

TEST(ChartLegend, DividingLinesSeparateTheItems)
{
  struct Case {
    TLegendAlignment alignment;
    bool vertical;
  };
  for (const Case& c : {Case{TLegendAlignment::laRight, true}, Case{TLegendAlignment::laBottom, false}}) {
    SCOPED_TRACE(c.vertical);
    TLegendWindow window;
    TLegendPanel& panel = window.Panel;
    panel.Legend.SetAlignment(c.alignment);
    panel.Legend.DividingLines().SetVisible(true);
    panel.Legend.DividingLines().SetColor(0x0000FF);
    TSeriesSet series;
    series.Add(panel, "first", 0x00FF00, 2);
    series.Add(panel, "second", 0x00FF00, 2);
    const QImage shown = window.Shown();
    const TRect r = panel.Legend.RectLegend();
    const testing::TItemPos second = panel.Drawn.at(1);
    if (c.vertical) {
      EXPECT_EQ(PixelAt(shown, (r.Left + r.Right) / 2, second.Y), TColor(0x0000FF));
      EXPECT_NE(PixelAt(shown, (r.Left + r.Right) / 2, panel.Drawn.at(0).Y), TColor(0x0000FF));
    } else {
      const int x = second.X - 4 - panel.Legend.ColorWidthPixels() - 4;
      EXPECT_EQ(PixelAt(shown, x, (r.Top + r.Bottom) / 2), TColor(0x0000FF));
    }
  }
}

TEST(ChartLegend, EventsChangeTextsAndTheRectangle)
{
  TLegendWindow window;
  TLegendPanel& panel = window.Panel;
  panel.Legend.SetColorWidth(60);
  TSeriesSet series;
  series.Add(panel, "a", 0x0000FF, 0);
  series.Add(panel, "b", 0xFF0000, 0);
  std::vector<TLegendStyle> styles;
  panel.Legend.OnGetLegendText = [&](TCustomAxisPanel& sender, TLegendStyle style, int index, QString& text) {
    EXPECT_EQ(&sender, &panel);
    styles.push_back(style);
    if (index == 1)
      text = QStringLiteral("a much longer text than the other");
  };
  window.Shown();
  const int wide = panel.Legend.RectLegend().Width();
  EXPECT_EQ(panel.Legend.LegendText(1), QStringLiteral("a much longer text than the other"));
  EXPECT_FALSE(styles.empty());
  for (TLegendStyle s : styles)
    EXPECT_EQ(s, TLegendStyle::lsSeries);  // the resolved style
  panel.Legend.OnGetLegendText = nullptr;
  panel.Invalidate();
  window.Shown();
  EXPECT_LT(panel.Legend.RectLegend().Width(), wide);

  panel.Legend.OnGetLegendRect = [](TCustomAxisPanel&, TRect& r) { r = {20, 200, 120, 250}; };
  panel.Invalidate();
  const QImage shown = window.Shown();
  EXPECT_EQ(panel.Legend.RectLegend(), (TRect{20, 200, 120, 250}));
  EXPECT_EQ(PixelAt(shown, 118, 201), platform::clWhite);
  EXPECT_EQ(panel.Drawn.at(0).Y, 201);
  EXPECT_EQ(SymbolAt(shown, panel, 0), TColor(0x0000FF));
  EXPECT_EQ(panel.RectAfterLegend.Right, 20 - 12);
}

// With nothing to list the legend neither draws, divides by zero nor reads past its items.
TEST(ChartLegend, NothingToListIsHandled)
{
  TLegendWindow window;
  TChartLegend& legend = window.Panel.Legend;
  EXPECT_EQ(legend.TotalLegendItems(), 0);
  EXPECT_EQ(legend.MaxLegendTextWidth(-1), 0);
  EXPECT_EQ(legend.LegendText(0), QString());
  EXPECT_EQ(legend.LegendText(-1), QString());
  EXPECT_EQ(legend.CalcMaxRows(10, 0), 0);
  EXPECT_EQ(legend.ClickedItem(300, 100), -1);
  window.Shown();
  legend.Draw();  // called directly, without series
  EXPECT_EQ(legend.NumRows(), 0);
  EXPECT_EQ(legend.ClickedItem(legend.RectLegend().Left + 1, legend.RectLegend().Top + 1), -1);

  // A top legend with no items has no columns and no rows.
  legend.SetAlignment(TLegendAlignment::laTop);
  legend.Draw();
  EXPECT_EQ(legend.NumCols(), 0);
  EXPECT_EQ(legend.ClickedItem(legend.RectLegend().Left + 1, legend.RectLegend().Top + 1), -1);

  // Points of a series that is not shown in the legend.
  TSeriesSet series;
  series.Add(window.Panel, "s", 0x0000FF, 3).SetShowInLegend(false);
  EXPECT_EQ(legend.TotalLegendItems(), 0);
  EXPECT_EQ(legend.LegendText(7), QString());
}

TEST(ChartLegend, AssignCopiesEverySetting)
{
  TLegendWindow a, b;
  TChartLegend& source = a.Panel.Legend;
  source.SetAlignment(TLegendAlignment::laBottom);
  source.SetColor(0x123456);
  source.SetColorWidth(40);
  source.SetFirstValue(2);
  source.SetHorizMargin(7);
  source.SetVertMargin(8);
  source.SetInverted(true);
  source.SetLegendStyle(TLegendStyle::lsLastValues);
  source.SetMaxNumRows(4);
  source.SetResizeChart(false);
  source.SetShadowColor(0x00FF00);
  source.SetShadowSize(5);
  source.SetTextStyle(TLegendTextStyle::ltsPlain);
  source.SetTopPos(30);
  source.SetVisible(false);
  source.DividingLines().SetVisible(true);
  source.Frame().SetWidth(2);
  source.Brush().SetStyle(platform::TBrushStyle::bsCross);
  source.Font().SetSize(14);
  TChartLegend& copy = b.Panel.Legend;
  copy.Assign(source);
  EXPECT_EQ(copy.Alignment(), TLegendAlignment::laBottom);
  EXPECT_EQ(copy.Color(), TColor(0x123456));
  EXPECT_EQ(copy.ColorWidth(), 40);
  EXPECT_EQ(copy.FirstValue(), 2);
  EXPECT_EQ(copy.HorizMargin(), 7);
  EXPECT_EQ(copy.VertMargin(), 8);
  EXPECT_TRUE(copy.Inverted());
  EXPECT_EQ(copy.LegendStyle(), TLegendStyle::lsLastValues);
  EXPECT_EQ(copy.InternalLegendStyle(), TLegendStyle::lsLastValues);
  EXPECT_EQ(copy.MaxNumRows(), 4);
  EXPECT_FALSE(copy.ResizeChart());
  EXPECT_EQ(copy.ShadowColor(), TColor(0x00FF00));
  EXPECT_EQ(copy.ShadowSize(), 5);
  EXPECT_EQ(copy.TextStyle(), TLegendTextStyle::ltsPlain);
  EXPECT_EQ(copy.TopPos(), 30);
  EXPECT_FALSE(copy.Visible());
  EXPECT_TRUE(copy.DividingLines().Visible());
  EXPECT_EQ(copy.Frame().Width(), 2);
  EXPECT_EQ(copy.Brush().Style(), platform::TBrushStyle::bsCross);
  EXPECT_EQ(copy.Font().Size(), 14);
}

}  // namespace
}  // namespace chart
