#include "LegendDoubles.h"

#include "plot/support/NumberText.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>

namespace plot::test {
namespace {

using platform::TCanvasOp;
using platform::TRect;

bool DrawsText(const platform::TRecordingCanvas& canvas, const QString& text)
{
  for (const auto& r : canvas.Records())
    if (r.Op == TCanvasOp::TextOut && r.Text == text)
      return true;
  return false;
}

bool FillsWith(const platform::TRecordingCanvas& canvas, platform::TColor color)
{
  for (const auto& r : canvas.Records())
    if (r.IsDrawing() && r.Op != TCanvasOp::TextOut && r.State.Brush.Style == platform::TBrushStyle::bsSolid &&
        r.State.Brush.Color == color)
      return true;
  return false;
}

TEST(SeriesLegendPaint, BoxShadowAndEntriesInOrder)
{
  TLegendFixture f;
  f.AddSeries("s", PointsXY({{0, 0}, {1, 1}}));
  TWLegend& legend = *f.graph.Legend;
  legend.SetColor(platform::clAqua);
  legend.ShadowColor = platform::clFuchsia;
  AddEntry(f.graph, "first", nullptr, 2);
  AddEntry(f.graph, "second", nullptr, 3);
  f.graph.Paint();

  const auto& records = f.Recording().Records();
  const auto box = std::find_if(records.begin(), records.end(), [](const auto& r) {
    return r.Op == TCanvasOp::Rectangle && r.State.Brush.Color == platform::clAqua;
  });
  ASSERT_NE(box, records.end());
  // On the right the box moves left by the shadow; its frame is one unit wide.
  const int u = f.graph.UnitHeight;
  const TRect b = legend.BoxRect;
  EXPECT_EQ(box->RectAt(0), (TRect{b.Left - 3 * u, b.Top + u, b.Right - 3 * u + 2 * u, b.Bottom}));
  EXPECT_TRUE(box->State.Clipped);  // cut at the plot's bottom edge
  // The shadow comes before the box; the captions after it, in list order.
  const auto shadow = std::find_if(records.begin(), records.end(), [](const auto& r) {
    return r.Op == TCanvasOp::Polyline && r.State.Pen.Color == platform::clFuchsia;
  });
  ASSERT_NE(shadow, records.end());
  EXPECT_LT(shadow - records.begin(), box - records.begin());
  const auto first = std::find_if(box, records.end(), [](const auto& r) { return r.Text == "first"; });
  const auto second = std::find_if(box, records.end(), [](const auto& r) { return r.Text == "second"; });
  ASSERT_NE(first, records.end());
  ASSERT_NE(second, records.end());
  EXPECT_LT(first - records.begin(), second - records.begin());
  EXPECT_EQ(first->State.TextAlign, platform::TA_LEFT | platform::TA_TOP);
  EXPECT_EQ(first->State.Brush.Style, platform::TBrushStyle::bsClear);
  EXPECT_EQ(first->State.Font.Name, legend.Font.Name());
  // The caption follows the symbol area, less the shadow on the right.
  const TLegend& entry = *legend.Entries[0];
  f.Recording().Font().Assign(legend.Font);
  EXPECT_EQ(first->Points[0].X, entry.X + f.Recording().TextWidth(kLegendSymbolText) - 3 * u);
  // The symbols are drawn too: the circle of the first, the triangle of the second.
  EXPECT_TRUE(std::any_of(box, first, [](const auto& r) { return r.Op == TCanvasOp::Ellipse; }));
  EXPECT_TRUE(std::any_of(first, second, [](const auto& r) { return r.Op == TCanvasOp::Polygon; }));
}

TEST(SeriesLegendPaint, AllHiddenLegendDrawsNothing)
{
  struct TCase {
    const char* name;
    bool hideSeries;
    bool hideEntries;
  };
  for (const TCase c : {TCase{"series hidden", true, false}, TCase{"entries hidden", false, true},
                        TCase{"both", true, true}}) {
    TLegendFixture f;
    TTestSeries& a = f.AddSeries("a", PointsXY({{0, 0}, {1, 1}}));
    TTestSeries& b = f.AddSeries("b", PointsXY({{0, 1}, {1, 0}}));
    TWLegend& legend = *f.graph.Legend;
    legend.SetColor(platform::clAqua);
    legend.ShadowColor = platform::clFuchsia;
    legend.FrameColor = platform::clLime;
    for (TTestSeries* s : {&a, &b}) {
      TSymbolEntry& entry = AddEntry(f.graph, s->Name + QStringLiteral(" entry"), s, 2);
      entry.Visible = !c.hideEntries;
      s->Visible = !c.hideSeries;
    }
    f.graph.Paint();
    EXPECT_FALSE(DrawsText(f.Recording(), "a entry")) << c.name;
    EXPECT_FALSE(DrawsText(f.Recording(), "b entry")) << c.name;
    EXPECT_FALSE(FillsWith(f.Recording(), platform::clAqua)) << c.name;
    for (const auto& r : f.Recording().Records()) {
      if (!r.IsDrawing())
        continue;
      EXPECT_NE(r.State.Pen.Color, platform::clFuchsia) << c.name;
      EXPECT_NE(r.State.Pen.Color, platform::clLime) << c.name;
    }
  }
}

TEST(SeriesLegendPaint, HiddenBoxOrEmptyLegendDrawsNothing)
{
  for (const bool empty : {true, false}) {
    TLegendFixture f;
    f.AddSeries("s", PointsXY({{0, 0}, {1, 1}}));
    f.graph.Legend->SetColor(platform::clAqua);
    if (!empty) {
      AddEntry(f.graph, "shown");
      f.graph.Legend->SetVisible(false);
    }
    f.graph.Paint();
    EXPECT_FALSE(FillsWith(f.Recording(), platform::clAqua));
    EXPECT_FALSE(DrawsText(f.Recording(), "shown"));
  }
}

// A legend box's visibility repaints the graph at once while the host updates live, and only
// when it changes.
TEST(SeriesLegendPaint, VisibilityRepaintsWhileTheHostUpdatesLive)
{
  struct THost : TPlotHost {
    bool LiveUpdate() const override { return live; }
    QString LoadErrorPrefix() const override { return {}; }
    QWidget* OwnerWindow() const override { return nullptr; }
    void SavePictureAs() override {}
    void ShowProperties() override {}
    bool live = true;
  } host;
  TRecordingGraphImage image;
  TGraph graph(&host, image, nullptr);
  graph.ProcessMessages = [] {};
  int paints = 0;
  graph.OnAfterDraw = [&](TGraph&) { ++paints; };
  for (TAbstractLegend* legend : {static_cast<TAbstractLegend*>(graph.Legend.get()),
                                  static_cast<TAbstractLegend*>(graph.ColorLegends[9].get())}) {
    paints = 0;
    legend->SetVisible(true);
    EXPECT_EQ(paints, 0);
    legend->SetVisible(false);
    EXPECT_EQ(paints, 1);
    host.live = false;
    legend->SetVisible(true);
    EXPECT_EQ(paints, 1);
    EXPECT_TRUE(legend->GetVisible());
    host.live = true;
  }
}

// A layer with a colour scale over 0..70.
class TScaleLayer : public TLayer {
public:
  explicit TScaleLayer(TGraph& graph) : TLayer(graph)
  {
    Name = "height";
    ColorMap = true;
  }
  double GetZMin() const override { return 0; }
  double GetZMax() const override { return 70; }
};

TEST(ColorLegend, NeverInsideThePlot)
{
  for (const TLegendStyle style : {lsRight, lsLeft, lsTop, lsBottom, lsInside}) {
    TLegendFixture f(500, 400);
    f.AddSeries("s", PointsXY({{0, 0}, {1, 1}}));
    TScaleLayer layer(f.graph);
    TColorLegend& legend = *f.graph.ColorLegends[0];
    legend.Layer = &layer;
    legend.Style = style;
    f.graph.Paint();
    const TRect box = legend.BoxRect;
    const TRect plot = f.graph.PlotRect;
    const bool apart = box.Right < plot.Left || box.Left > plot.Right || box.Bottom < plot.Top || box.Top > plot.Bottom;
    EXPECT_TRUE(apart) << style;
    EXPECT_FALSE(box.IsEmpty()) << style;
  }
}

// Where a text drawn by the colour legend lies: centred or left-aligned at the top, read across or upward.
TRect TextBox(platform::TCanvas& measure, const platform::TCanvasRecord& r)
{
  platform::TFontData font = r.State.Font;
  const bool upward = font.Escapement == 900;
  font.Escapement = 0;
  measure.Font().SetData(font);
  const platform::TSize size = measure.TextExtent(r.Text);
  const platform::TPoint at = r.Points[0];
  const bool centred = (r.State.TextAlign & platform::TA_CENTER) == platform::TA_CENTER;
  if (upward)
    return centred ? TRect{at.X, at.Y - size.cx / 2, at.X + size.cy, at.Y + size.cx / 2}
                   : TRect{at.X, at.Y - size.cx, at.X + size.cy, at.Y};
  return centred ? TRect{at.X - size.cx / 2, at.Y, at.X + size.cx / 2, at.Y + size.cy}
                 : TRect{at.X, at.Y, at.X + size.cx, at.Y + size.cy};
}

// The name and every value label lie inside the box, the box inside the picture, and the name
// stands clear of the bar, on every side and at every size.
TEST(ColorLegend, NameAndLabelsFitInTheBoxClearOfTheBar)
{
  for (const TLegendStyle style : {lsBottom, lsTop, lsRight, lsLeft}) {
    for (const auto& [width, height] : {std::pair{300, 220}, std::pair{500, 400}, std::pair{900, 700}}) {
      TLegendFixture f(width, height);
      f.AddSeries("s", PointsXY({{0, 0}, {1, 1}}));
      TScaleLayer layer(f.graph);
      layer.Name = "sin(x)*cos(y)";
      TColorLegend& legend = *f.graph.ColorLegends[0];
      legend.Layer = &layer;
      legend.Style = style;
      f.graph.Paint();
      const std::string where = std::to_string(style) + " at " + std::to_string(width) + "x" + std::to_string(height);
      const TRect b = legend.BoxRect;
      const int u = f.graph.UnitHeight;
      const int frame = u * legend.FrameThickness;
      const int outer = frame + u * legend.ShadowThickness;  // the shadow falls right and below
      EXPECT_GE(b.Left - frame, 0) << where;
      EXPECT_GE(b.Top - frame, 0) << where;
      EXPECT_LE(b.Right + outer, width) << where;
      EXPECT_LE(b.Bottom + outer, height) << where;
      platform::TRecordingCanvas measure;
      std::optional<TRect> name;
      std::vector<TRect> labelBoxes;
      const auto& records = f.Recording().Records();
      for (std::size_t i = 0; i < records.size(); ++i) {
        const auto& r = records[i];
        if (r.Op != TCanvasOp::TextOut)
          continue;
        const bool isName = r.Text == layer.Name;
        bool isLabel = false;
        for (const double level : {70, 60, 50, 40, 30, 20, 10, 0})
          isLabel = isLabel || r.Text == QString::fromStdString(FloatToSignificantText(3, level));
        if (!isName && !isLabel)
          continue;
        const TRect t = TextBox(measure, r);
        EXPECT_TRUE(t.Left >= b.Left && t.Right <= b.Right && t.Top >= b.Top && t.Bottom <= b.Bottom)
            << where << " \"" << r.Text.toStdString() << "\" at " << t.Left << "," << t.Top << "," << t.Right << ","
            << t.Bottom << " in " << b.Left << "," << b.Top << "," << b.Right << "," << b.Bottom;
        if (isName) {
          name = t;
          // The bar's outline follows the name.
          const auto bar = std::find_if(records.begin() + std::ptrdiff_t(i), records.end(),
                                        [](const auto& next) { return next.Op == TCanvasOp::Rectangle; });
          ASSERT_NE(bar, records.end()) << where;
          const TRect r2 = bar->RectAt(0);
          if (style == lsBottom || style == lsTop)
            EXPECT_GE(r2.Left - t.Right, 4) << where;
          else
            EXPECT_GE(t.Top - r2.Bottom, 4) << where;
        }
        if (isLabel)
          labelBoxes.push_back(t);
      }
      ASSERT_TRUE(name.has_value()) << where;
      EXPECT_EQ(labelBoxes.size(), 8u) << where;
      for (const TRect& t : labelBoxes)
        EXPECT_TRUE(t.Right <= name->Left || t.Left >= name->Right || t.Bottom <= name->Top || t.Top >= name->Bottom)
            << where << ": a label over the name";
    }
  }
}

TEST(ColorLegend, BarOfBandsAndEightLabels)
{
  TLegendFixture f(500, 400);
  f.AddSeries("s", PointsXY({{0, 0}, {1, 1}}));
  TScaleLayer layer(f.graph);
  TColorLegend& legend = *f.graph.ColorLegends[0];
  legend.Layer = &layer;
  f.graph.Paint();
  // The name reads upward, then the eight levels from the base value up.
  std::vector<QString> labels;
  int bands = 0;
  bool afterName = false;
  for (const auto& r : f.Recording().Records()) {
    afterName = afterName || (r.Op == TCanvasOp::TextOut && r.Text == "height");
    if (afterName && r.Op == TCanvasOp::TextOut && r.State.Font.Escapement == 900)
      labels.push_back(r.Text);
    if (r.Op == TCanvasOp::FillRect)
      ++bands;
  }
  std::vector<QString> expected = {"height"};
  for (const double level : {70, 60, 50, 40, 30, 20, 10, 0})
    expected.push_back(QString::fromStdString(FloatToSignificantText(3, level)));
  EXPECT_EQ(labels, expected);
  EXPECT_GT(bands, 10);

  // Equal top and base values: box and name, no bands and no labels.
  TLegendFixture flat(500, 400);
  flat.AddSeries("s", PointsXY({{0, 0}, {1, 1}}));
  struct TFlat : TScaleLayer {
    using TScaleLayer::TScaleLayer;
    double GetZMax() const override { return 0; }
  } level(flat.graph);
  flat.graph.ColorLegends[0]->Layer = &level;
  flat.graph.Paint();
  EXPECT_TRUE(DrawsText(flat.Recording(), "height"));
  EXPECT_FALSE(DrawsText(flat.Recording(), QString::fromStdString(FloatToSignificantText(3, 0))));
  for (const auto& r : flat.Recording().Records())
    EXPECT_NE(r.Op, TCanvasOp::FillRect);
}

// Near 1e17 a step of four pixels of a small range is lost in rounding: the bands still end at
// the end of the bar.
TEST(ColorLegend, BandsEndAtTheBarWhenTheStepIsLostInRounding)
{
  TLegendFixture f(500, 400);
  f.AddSeries("s", PointsXY({{0, 0}, {1, 1}}));
  struct TFar : TScaleLayer {
    using TScaleLayer::TScaleLayer;
    double GetZMin() const override { return 1e17; }
    double GetZMax() const override { return 1e17 + 256; }
  } layer(f.graph);
  TColorLegend& legend = *f.graph.ColorLegends[0];
  legend.Layer = &layer;
  f.graph.Paint();
  int bands = 0;
  int lastBottom = 0;
  for (const auto& r : f.Recording().Records())
    if (r.Op == TCanvasOp::FillRect) {
      ++bands;
      lastBottom = r.RectAt(0).Bottom;
    }
  EXPECT_GT(bands, 10);
  EXPECT_LE(lastBottom, legend.BoxRect.Bottom);
}

TEST(ColorLegend, CountFollowsTheLayer)
{
  TLegendFixture f;
  TColorLegend& legend = *f.graph.ColorLegends[3];
  EXPECT_EQ(legend.GetCount(), 0);
  TLayer layer(f.graph);
  legend.Layer = &layer;
  EXPECT_EQ(legend.GetCount(), 0);
  layer.ColorLegend = true;
  EXPECT_EQ(legend.GetCount(), 1);
  layer.ColorLegend = false;
  layer.ColorMap = true;
  EXPECT_EQ(legend.GetCount(), 1);
  f.graph.Clear();
  EXPECT_EQ(legend.GetCount(), 0);
}

}  // namespace
}  // namespace plot::test
