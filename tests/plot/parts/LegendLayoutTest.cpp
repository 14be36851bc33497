#include "LegendDoubles.h"

#include "plot/support/GraphLibrary.h"

#include "platform/ScrollStrip.h"

#include "tests/support/KeyInput.h"
#include "tests/support/MouseInput.h"

#include <QScrollBar>
#include <gtest/gtest.h>

#include <map>

namespace plot::test {
namespace {

using platform::TRect;

// Rows of a top or bottom legend hold max(1, width div W) entries; a hidden entry takes no place.
TEST(SeriesLegend, RowsWrapAtTheRightEdge)
{
  for (const int width : {600, 400, 250, 120, 40}) {
    for (const TLegendStyle style : {lsBottom, lsTop}) {
      TLegendFixture f(width, 300);
      TTestSeries& hidden = f.AddSeries("hidden", PointsXY({{0, 0}, {1, 1}}));
      hidden.Visible = false;
      f.graph.Legend->Style = style;
      const QStringList captions = {"one", "two", "three", "four", "five", "six", "seven"};
      for (int i = 0; i < captions.size(); ++i)
        AddEntry(f.graph, captions[i], i == 2 ? &hidden : nullptr);
      f.graph.Paint();

      const TWLegend& legend = *f.graph.Legend;
      const int w = legend.GetMaxEntryWidth();
      const TRect box = legend.BoxRect;
      const int perRow = std::max(1, (box.Right - box.Left) / w);
      std::map<int, std::vector<int>> rows;  // y -> x of the shown entries
      for (const auto& entry : legend.Entries)
        if (entry->GetVisible())
          rows[entry->Y].push_back(entry->X);
      int shown = 0;
      int row = 0;
      for (const auto& [y, xs] : rows) {
        const bool last = ++row == static_cast<int>(rows.size());
        EXPECT_EQ(static_cast<int>(xs.size()), last ? 6 - shown : perRow) << width << " row at " << y;
        for (std::size_t k = 0; k < xs.size(); ++k)
          EXPECT_EQ(xs[k], box.Left + static_cast<int>(k) * w) << width;
        shown += static_cast<int>(xs.size());
        EXPECT_GE(y, box.Top);
        EXPECT_LT(y, box.Bottom);
      }
      EXPECT_EQ(shown, 6);
      EXPECT_EQ(static_cast<int>(rows.size()), (6 + perRow - 1) / perRow) << width;
      // The legend's rows lie outside the plot.
      if (style == lsBottom)
        EXPECT_GT(box.Top, f.graph.PlotRect.Bottom) << width;
      else
        EXPECT_LT(box.Bottom, f.graph.PlotRect.Top) << width;
    }
  }
}

TEST(SeriesLegend, SideColumnStandsBesideThePlot)
{
  for (const TLegendStyle style : {lsRight, lsLeft}) {
    TLegendFixture f;
    f.AddSeries("s", PointsXY({{0, 0}, {1, 1}}));
    f.graph.Legend->Style = style;
    AddEntry(f.graph, "alpha");
    AddEntry(f.graph, "beta");
    f.graph.Paint();
    const TWLegend& legend = *f.graph.Legend;
    const TRect box = legend.BoxRect;
    const TRect plot = f.graph.PlotRect;
    if (style == lsRight)
      EXPECT_GT(box.Left, plot.Right);
    else
      EXPECT_LT(box.Right, plot.Left);
    const int lineHeight = legend.GetLineHeight();
    EXPECT_EQ(legend.Entries[1]->Y - legend.Entries[0]->Y, lineHeight);
    EXPECT_EQ(box.Bottom - box.Top, 2 * lineHeight + lineHeight / 4 + (lineHeight % 4 >= 2 ? 1 : 0));
  }
}

TEST(SeriesLegend, InsideLegendSitsAtItsWorldAnchorWithinThePlot)
{
  TLegendFixture f;
  f.AddSeries("s", PointsXY({{0, 0}, {10, 10}}));
  f.graph.SetClipMarkers(true);
  AddEntry(f.graph, "alpha");
  TWLegend& legend = *f.graph.Legend;
  legend.Style = lsInside;
  legend.InsideX = 2;
  legend.InsideY = 8;
  f.graph.Paint();
  EXPECT_EQ(legend.BoxRect.Left, f.graph.XToScreen(2));
  EXPECT_EQ(legend.BoxRect.Top, f.graph.YToScreen(8));
  EXPECT_EQ(legend.Entries[0]->X, legend.BoxRect.Left);

  // An anchor that can't be converted keeps the last place; one outside goes to the corner.
  const TRect before = legend.BoxRect;
  legend.InsideX = std::numeric_limits<double>::quiet_NaN();
  f.graph.Paint();
  EXPECT_EQ(legend.BoxRect.Left, before.Left);
  EXPECT_EQ(legend.BoxRect.Top, before.Top);
  legend.InsideX = 50;
  legend.InsideY = -40;
  f.graph.Paint();
  EXPECT_EQ(legend.BoxRect.Left, f.graph.PlotRect.Left);
  EXPECT_EQ(legend.BoxRect.Top, f.graph.PlotRect.Top);
}

// A host window with the legend's scroll strip beside the picture.
struct TStripHost {
  QWidget window;
  platform::TScrollStrip* strip = new platform::TScrollStrip(&window);
  TStripHost()
  {
    window.resize(420, 300);
    strip->setGeometry(402, 0, strip->width(), 300);
    window.show();
  }
};

TEST(SeriesLegend, OverflowingColumnShowsTheScrollStrip)
{
  TStripHost host;
  TLegendFixture f;
  TLegendFixture plain;
  for (TLegendFixture* g : {&f, &plain}) {
    g->AddSeries("s", PointsXY({{0, 0}, {1, 1}}));
    for (int i = 0; i < 40; ++i)
      AddEntry(g->graph, QStringLiteral("entry %1").arg(i));
  }
  TWLegend& legend = *f.graph.Legend;
  legend.ScrollStrip = host.strip;
  f.image.Strip = host.strip;
  plain.graph.Paint();
  f.graph.Paint();
  platform::TScrollStrip& strip = *host.strip;
  ASSERT_TRUE(strip.StripVisible());
  // The plot gave the strip its width at once; the next paint, on the narrower picture, keeps it.
  EXPECT_EQ(plain.graph.PlotRect.Right - f.graph.PlotRect.Right, strip.StripWidth());
  const TRect laidOut = f.graph.PlotRect;
  f.graph.Paint();
  EXPECT_EQ(f.graph.PlotRect, laidOut);

  const int lineHeight = legend.GetLineHeight();
  int fit = 0;
  while (legend.BoxRect.Top + fit * lineHeight <= f.graph.PlotRect.Bottom)
    ++fit;
  EXPECT_EQ(legend.VisibleLines, fit);
  ASSERT_GT(legend.VisibleLines, 0);
  ASSERT_LT(legend.VisibleLines, 40);
  EXPECT_TRUE(strip.isVisible());
  EXPECT_EQ(strip.Max(), 39);
  EXPECT_EQ(strip.LargeChange(), legend.VisibleLines);
  EXPECT_EQ(strip.Bar().height(), strip.StripHeight() - 2);

  // A click in the page area below the thumb, and Page Down, move by the visible lines.
  int changes = 0;
  strip.OnChange = [&] { ++changes; };
  QScrollBar& bar = strip.Bar();
  testing_support::ClickAt(bar, QPoint(bar.width() / 2, bar.height() - 20));
  EXPECT_EQ(strip.Position(), legend.VisibleLines);
  testing_support::PressKey(bar, Qt::Key_PageDown);
  EXPECT_EQ(strip.Position(), 2 * legend.VisibleLines);
  testing_support::PressKey(bar, Qt::Key_Up);
  EXPECT_EQ(strip.Position(), 2 * legend.VisibleLines - 1);
  EXPECT_EQ(changes, 3);

  // When all lines fit again the strip goes and the plot takes its width back.
  while (legend.GetCount() > 3)
    legend.Delete(legend.GetCount() - 1);
  f.graph.Paint();
  EXPECT_FALSE(strip.StripVisible());
  EXPECT_EQ(strip.Max(), 2);
  TLegendFixture three;
  three.AddSeries("s", PointsXY({{0, 0}, {1, 1}}));
  for (int i = 0; i < 3; ++i)
    AddEntry(three.graph, QStringLiteral("entry %1").arg(i));
  three.graph.Paint();
  EXPECT_EQ(f.graph.PlotRect, three.graph.PlotRect);
  f.graph.Paint();
  EXPECT_EQ(f.graph.PlotRect, three.graph.PlotRect);
}

TEST(SeriesLegend, EntryListOperations)
{
  TLegendFixture f;
  TTestSeries& series = f.AddSeries("s", PointsXY({{0, 0}}));
  TWLegend& legend = *f.graph.Legend;
  EXPECT_EQ(legend.GetMaxEntryWidth(), 0);
  TSymbolEntry& a = AddEntry(f.graph, "a");
  TSymbolEntry& b = AddEntry(f.graph, "b", &series);
  AddEntry(f.graph, "a");
  EXPECT_EQ(legend.GetCount(), 3);
  EXPECT_EQ(legend.IndexOf(&b), 1);
  EXPECT_EQ(legend.IndexOfSeries(&series), 1);
  EXPECT_EQ(legend.IndexOfCaption("a"), 0);
  EXPECT_EQ(legend.IndexOfCaption("A"), -1);
  EXPECT_EQ(legend.GetMaxEntryWidth(), std::max(a.GetWidth(), b.GetWidth()) + 3);
  series.Visible = false;
  EXPECT_EQ(b.GetWidth(), 0);
  EXPECT_EQ(b.GetHeight(), 0);
  EXPECT_FALSE(b.GetVisible());
  legend.Delete(0);
  legend.Delete(7);
  EXPECT_EQ(legend.IndexOf(&b), 0);
  f.graph.Clear();
  EXPECT_EQ(legend.GetCount(), 0);
}

// The print preview draws at half the font size; the line height of the box keeps the full size.
TEST(SeriesLegend, PreviewMeasuresEntriesAtHalfSize)
{
  TLegendFixture f;
  TSymbolEntry& entry = AddEntry(f.graph, "a caption");
  f.graph.Legend->Font.SetSize(16);
  const int width = entry.GetWidth();
  const int height = entry.GetHeight();
  const int lineHeight = f.graph.Legend->GetLineHeight();
  GraphLibrary().PrintPreviewing = true;
  const int previewWidth = entry.GetWidth();
  const int previewHeight = entry.GetHeight();
  const int previewLine = f.graph.Legend->GetLineHeight();
  GraphLibrary().PrintPreviewing = false;
  EXPECT_LT(previewWidth, width * 2 / 3);
  EXPECT_LT(previewHeight, height * 2 / 3);
  EXPECT_EQ(previewLine, lineHeight);
}

TEST(ColorScale, IndexBetweenTheLevels)
{
  TLegendFixture f;
  TLayer layer(f.graph);
  layer.SetScaleRange(0, 70);  // levels 70, 60, ..., 0 at colours 254, 219, ..., 9
  struct TCase {
    double v;
    int index;
  };
  const TCase cases[] = {{70, 254}, {65, 236}, {60, 219}, {5, 26}, {0, 9}, {-5, 9}, {100, 254}};
  for (const TCase& c : cases)
    EXPECT_EQ(ColorScaleIndex(layer, c.v), c.index) << c.v;
  layer.UpperFixed = true;
  layer.LowerFixed = true;
  EXPECT_EQ(ColorScaleIndex(layer, 100), -1);
  EXPECT_EQ(ColorScaleIndex(layer, -5), -1);
  EXPECT_EQ(ColorScaleIndex(layer, 35), 132);
}

}  // namespace
}  // namespace plot::test
