#include "ChartDouble.h"

#include "chart/model/ChartBrush.h"
#include "chart/model/ListIndexError.h"
#include "chart/model/SeriesMarks.h"
#include "chart/support/ChartExceptions.h"

#include <gtest/gtest.h>

#include <limits>
#include <stdexcept>

namespace chart {
namespace {

using testing::TTestChart;
constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

std::vector<double> Values(const TChartValueList& list)
{
  std::vector<double> out;
  for (int i = 0; i < list.Count(); ++i) out.push_back(list.GetValue(i));
  return out;
}

// A kind with one extra list, as the 3-D and bubble kinds have.
class TExtraListSeries : public TChartSeries {
public:
  TExtraListSeries() : z_(CreateValueList("Z")) {}
  TChartValueList& ZValues() { return z_; }

private:
  TChartValueList& z_;
};

// A horizontal kind: X is the mandatory list.
class THorizontalSeries : public TChartSeries {
public:
  const TChartValueList& MandatoryValueList() const override { return XValues(); }
};

class TLineSeries : public TChartSeries {
public:
  TLineSeries() { includeNextPoint_ = true; }
};

TEST(SeriesBase, AddFormsAndEvents)
{
  TChartSeries series;
  std::vector<int> added;
  series.OnAfterAdd = [&](TChartSeries&, int index) { added.push_back(index); };
  EXPECT_EQ(series.AddXY(5, 50, "five", platform::clRed), 0);
  EXPECT_EQ(series.Add(7, "seven"), 0);  // X is the point count, 1, placed before 5
  EXPECT_EQ(series.AddNull("gap"), 1);   // X 2
  EXPECT_EQ(series.AddNullXY(3, 30), 2);
  EXPECT_EQ(Values(series.XValues()), (std::vector<double>{1, 2, 3, 5}));
  EXPECT_EQ(Values(series.YValues()), (std::vector<double>{7, 0, 30, 50}));
  EXPECT_EQ(series.PointColors(), (std::vector<platform::TColor>{platform::clDefault, platform::clNone, platform::clNone, platform::clRed}));
  EXPECT_EQ(series.PointLabels(), (std::vector<QString>{"seven", "gap", "", "five"}));
  EXPECT_EQ(series.ValueLabel(9), "");
  EXPECT_EQ(added, (std::vector<int>{0, 0, 1, 2}));

  series.OnBeforeAdd = [](TChartSeries&) { return false; };
  EXPECT_EQ(series.AddXY(1, 1, "refused"), -1);
  EXPECT_EQ(series.Count(), 4);
  EXPECT_EQ(series.PointColors().size(), 4u);
  EXPECT_EQ(added.size(), 4u);

  THorizontalSeries horizontal;
  horizontal.Add(9);
  horizontal.Add(4);
  EXPECT_EQ(Values(horizontal.XValues()), (std::vector<double>{4, 9}));
  EXPECT_EQ(Values(horizontal.YValues()), (std::vector<double>{1, 0}));
}

struct TColorCase {
  bool ColorEachPoint;
  platform::TColor Stored;
  double Y;
  platform::TColor Expected;
};

TEST(SeriesBase, ValueColorOfPoints)
{
  constexpr platform::TColor series = 0x123456;
  const TColorCase cases[] = {
      {true, platform::clDefault, 1, kDefaultPalette[1]},  // index 17 mod 16
      {false, platform::clDefault, 1, series},
      {true, platform::clRed, 1, platform::clRed},
      {false, platform::clRed, 1, series},  // switched off: explicit colours go too
      {true, platform::clNone, 1, platform::clNone},
      {false, platform::clDefault, kInf, platform::clNone},  // not finite: drawn as a null
      {true, platform::clRed, kNaN, platform::clNone},
  };
  for (const auto& c : cases) {
    TChartSeries s;
    s.SetSeriesColor(series);
    for (int i = 0; i < 17; ++i) s.AddXY(i, 0);
    s.AddXY(17, c.Y, {}, c.Stored);
    s.SetColorEachPoint(c.ColorEachPoint);
    EXPECT_EQ(s.ValueColor(17), c.Expected) << c.ColorEachPoint << " " << c.Stored;
    EXPECT_EQ(s.ValueColor(18), series);  // beyond the list
    EXPECT_EQ(s.ValueColor(-1), series);
  }
}

TEST(SeriesBase, ColorEachPointOffResetsColoursButKeepsNulls)
{
  TTestChart chart;
  TChartSeries s;
  s.SetParentChart(&chart);
  s.SetColorEachPoint(true);
  s.AddXY(0, 1, {}, platform::clRed);
  s.AddNull();
  s.AddXY(2, 3);
  s.SetColorEachPoint(false);
  EXPECT_EQ(s.PointColors(), (std::vector<platform::TColor>{platform::clDefault, platform::clNone, platform::clDefault}));
  EXPECT_EQ(s.ValueColor(1), platform::clNone);
  s.SetValueColor(0, platform::clBlue);
  s.SetColorEachPoint(false);  // also when the setting did not change
  EXPECT_EQ(s.PointColors()[0], platform::clDefault);
  EXPECT_THROW(s.SetValueColor(3, platform::clRed), EListIndexError);
}

TEST(SeriesBase, CopyFromASeriesWithFewerListsGivesZero)
{
  TChartSeries plain;
  plain.AddXY(1, 10, "one", platform::clRed);
  plain.AddXY(2, 20);
  TExtraListSeries target;
  EXPECT_EQ(target.CopyXYFrom(plain, 1), 0);
  target.AddValueFrom(plain, 0);
  EXPECT_EQ(Values(target.XValues()), (std::vector<double>{1, 2}));
  EXPECT_EQ(Values(target.ZValues()), (std::vector<double>{0, 0}));
  EXPECT_EQ(target.ValueLabel(0), "one");
  EXPECT_EQ(target.PointColors(), (std::vector<platform::TColor>{platform::clRed, platform::clDefault}));

  // A bad source index changes nothing.
  EXPECT_THROW(target.CopyXYFrom(plain, 5), EListIndexError);
  EXPECT_EQ(target.Count(), 2);
  EXPECT_EQ(target.ZValues().Count(), 2);

  // Between a vertical and a horizontal kind the values cross.
  THorizontalSeries horizontal;
  horizontal.CopyXYFrom(plain, 0);
  EXPECT_EQ(horizontal.XValues().GetValue(0), 10);
  EXPECT_EQ(horizontal.YValues().GetValue(0), 1);

  // Extra values come along between kinds that have them.
  TExtraListSeries other;
  other.ZValues().SetStagedValue(7);
  other.AddExtraValues(other.AddXY(4, 40));
  target.AddValueFrom(other, 0);
  EXPECT_EQ(Values(target.ZValues()), (std::vector<double>{0, 0, 7}));
  EXPECT_EQ(&target.ValueListByName("z"), &target.ZValues());
  EXPECT_EQ(&target.ValueListByName("X"), &target.YValues());  // only the extra lists are searched
}

TEST(SeriesBase, DeleteAndClear)
{
  TTestChart chart;
  TChartSeries s;
  s.SetParentChart(&chart);
  for (int i = 0; i < 4; ++i) s.AddXY(i, i * 10, QString::number(i), platform::TColor(i));
  s.Marks().MarkPositions().resize(4);
  s.Marks().MarkPositions()[2].emplace().Width = 22;
  s.Delete(1);
  EXPECT_EQ(Values(s.XValues()), (std::vector<double>{0, 2, 3}));
  EXPECT_EQ(s.ValueLabel(1), "2");
  EXPECT_EQ(s.PointColors()[1], platform::TColor(2));
  EXPECT_EQ(s.Marks().MarkPositions()[1]->Width, 22);
  EXPECT_THROW(s.Delete(3), EListIndexError);
  EXPECT_EQ(s.Count(), 3);

  int cleared = 0;
  s.OnClearValues = [&](TChartSeries&) { ++cleared; };
  const int repaints = chart.Repaints;
  s.Clear();
  EXPECT_EQ(cleared, 1);
  EXPECT_GT(chart.Repaints, repaints);
  EXPECT_EQ(s.Count(), 0);
  EXPECT_TRUE(s.PointColors().empty());
  EXPECT_TRUE(s.PointLabels().empty());
  EXPECT_TRUE(s.Marks().MarkPositions().empty());
}

TEST(SeriesBase, SampleValues)
{
  TTestChart chart;
  TChartSeries s;
  s.SetParentChart(&chart);
  s.SetRandomSource([](int) { return 0; });
  s.FillSampleValues(1);
  EXPECT_EQ(Values(s.XValues()), (std::vector<double>{0}));

  // Alone on the chart: X from 0, Y a walk over 0..1000 in steps of a quarter.
  s.FillSampleValues(4);
  EXPECT_EQ(Values(s.XValues()), (std::vector<double>{0, 1, 2, 3}));
  EXPECT_EQ(Values(s.YValues()), (std::vector<double>{125, 0, 125, 0}));
  EXPECT_TRUE(chart.IsReady());

  EXPECT_THROW(
      {
        try {
          s.FillSampleValues(0);
        } catch (const ChartException& e) {
          EXPECT_EQ(e.Message(), "FillSampleValues NumValues must be > 0");
          throw;
        }
      },
      ChartException);
  EXPECT_EQ(s.Count(), 4);  // left as it was
}

TEST(SeriesBase, SampleValuesRestoreReadyAndStayFinite)
{
  TTestChart chart;
  TChartSeries other, s;
  other.SetParentChart(&chart);
  s.SetParentChart(&chart);
  other.AddXY(0, -1e308);
  other.AddXY(1, 1e308);
  s.FillSampleValues(5);  // the range of the chart is not finite
  ASSERT_EQ(s.Count(), 5);
  for (int i = 0; i < s.Count(); ++i) EXPECT_TRUE(std::isfinite(s.YValues().GetValue(i)));
  EXPECT_EQ(Values(s.XValues()), (std::vector<double>{0, 0.25, 0.5, 0.75, 1}));

  // One other point at X 0, Y -5: Y's range would be -5..-10, not positive, so it is 1.
  other.Clear();
  other.AddXY(0, -5);
  s.SetRandomSource([](int) { return 0; });
  s.FillSampleValues(3);
  EXPECT_EQ(Values(s.XValues()), (std::vector<double>{0, 1.5, 3}));
  EXPECT_EQ(Values(s.YValues()), (std::vector<double>{5, 5, 5}));

  s.OnBeforeAdd = [](TChartSeries&) -> bool { throw std::runtime_error("refused"); };
  EXPECT_THROW(s.FillSampleValues(3), std::runtime_error);
  EXPECT_TRUE(chart.IsReady());
}

TEST(SeriesBase, ParentChartAndAxes)
{
  TTestChart chart;
  {
    TChartSeries s;
    EXPECT_EQ(s.ResolvedHorizAxis(), nullptr);
    s.SetParentChart(&chart);
    EXPECT_EQ(chart.SeriesList().Count(), 1);
    EXPECT_EQ(s.SeriesColor(), kDefaultPalette[0]);
    EXPECT_EQ(s.ResolvedHorizAxis(), &chart.Bottom);
    EXPECT_EQ(s.ResolvedVertAxis(), &chart.Left);
    s.SetHorizAxis(THorizAxis::aTopAxis);
    s.SetVertAxis(TVertAxis::aRightAxis);
    EXPECT_EQ(s.ResolvedHorizAxis(), &chart.Top);
    EXPECT_EQ(s.ResolvedVertAxis(), &chart.Right);
    EXPECT_TRUE(s.AssociatedToAxis(chart.Top));
    EXPECT_FALSE(s.AssociatedToAxis(chart.Bottom));
    s.SetHorizAxis(THorizAxis::aBothHorizAxis);
    s.SetVertAxis(TVertAxis::aCustomVertAxis);  // none set: the left axis
    EXPECT_EQ(s.ResolvedHorizAxis(), &chart.Bottom);
    EXPECT_EQ(s.ResolvedVertAxis(), &chart.Left);
    EXPECT_TRUE(s.AssociatedToAxis(chart.Top));
    TChartAxis custom(&chart);
    s.SetCustomVertAxis(&custom);
    EXPECT_EQ(s.ResolvedVertAxis(), &custom);
    s.SetCustomVertAxis(nullptr);
  }
  EXPECT_EQ(chart.SeriesList().Count(), 0);  // a destroyed series leaves its chart
}

struct TVisibleCase {
  double AxisMin, AxisMax;
  bool Inverted;
  int First, Last, LineLast;
};

TEST(SeriesBase, VisibleRangeOnTheAxis)
{
  const TVisibleCase cases[] = {
      {2, 5.5, false, 2, 5, 6},
      {2, 5.5, true, 2, 5, 6},
      {-3, 20, false, 0, 9, 9},
      {3.2, 3.8, false, 4, 3, 4},  // nothing between two points
      {12, 15, false, -1, -1, -1},
  };
  for (const auto& c : cases) {
    TTestChart chart;
    TChartSeries s;
    TLineSeries line;
    s.SetParentChart(&chart);
    line.SetParentChart(&chart);
    for (int i = 0; i < 10; ++i) {
      s.AddXY(i, i);
      line.AddXY(i, i);
    }
    chart.Bottom.SetInverted(c.Inverted);
    chart.SetAxisRange(chart.Bottom, c.AxisMin, c.AxisMax);
    s.CalcVisibleRange();
    line.CalcVisibleRange();
    EXPECT_EQ(s.FirstVisibleIndex(), c.First) << c.AxisMin;
    EXPECT_EQ(s.LastVisibleIndex(), c.Last) << c.AxisMin;
    EXPECT_EQ(line.FirstVisibleIndex(), c.First) << c.AxisMin;
    EXPECT_EQ(line.LastVisibleIndex(), c.LineLast) << c.AxisMin;
  }
}

TEST(SeriesBase, VisibleRangeWithoutRestriction)
{
  TTestChart chart;
  TChartSeries s;
  s.SetParentChart(&chart);
  s.CalcVisibleRange();
  EXPECT_EQ(s.FirstVisibleIndex(), -1);
  for (int i = 0; i < 10; ++i) s.AddXY(i, i);
  chart.SetAxisRange(chart.Bottom, 2, 5.5);
  s.XValues().SetOrder(TChartListOrder::loNone);
  s.CalcVisibleRange();
  EXPECT_EQ(s.FirstVisibleIndex(), 0);
  EXPECT_EQ(s.LastVisibleIndex(), 9);
  std::vector<int> drawn;
  struct TRecorder : TChartSeries {
    std::vector<int>* Drawn = nullptr;
    bool Forward = true;
    void DrawValue(int i) override { Drawn->push_back(i); }
    bool DrawValuesForward() const override { return Forward; }
  } recorder;
  recorder.Drawn = &drawn;
  recorder.SetParentChart(&chart);
  for (int i = 0; i < 10; ++i) recorder.AddXY(i, i);
  recorder.CalcVisibleRange();
  recorder.Forward = false;
  recorder.DrawAllValues();
  EXPECT_EQ(drawn, (std::vector<int>{5, 4, 3, 2}));
}

TEST(SeriesBase, PixelsOfValues)
{
  TTestChart chart;
  TChartSeries s;
  s.SetParentChart(&chart);
  chart.SetAxisRange(chart.Bottom, 0, 10);
  chart.SetAxisRange(chart.Left, 0, 100);
  s.AddXY(5, 25);
  EXPECT_EQ(s.CalcXPos(0), chart.Bottom.PosOfValue(5));
  EXPECT_EQ(s.CalcYPos(0), chart.Left.PosOfValue(25));
  EXPECT_EQ(s.MandatoryValueToPixel(25), chart.Left.PosOfValue(25));
  EXPECT_EQ(s.XSizeToPixels(2), chart.Bottom.SizeOfValue(2));
  EXPECT_DOUBLE_EQ(s.XPixelToValue(s.XValueToPixel(5)), 5);
  s.AddXY(1e12, 1e12);  // far beyond the range: past the far side, not mid-plot
  EXPECT_GT(s.CalcXPos(1), chart.Plot.Right);
  EXPECT_LT(s.CalcYPos(1), chart.Plot.Top);
}

TEST(SeriesBase, ZOrderOriginAndClicks)
{
  TTestChart chart;
  TChartSeries a, b, c;
  for (TChartSeries* s : {&a, &b, &c}) {
    s->SetParentChart(&chart);
    s->AddXY(0, 2);
    s->AddXY(1, 3);
  }
  c.Delete(1);
  EXPECT_EQ(a.PointOrigin(1, false), 0);
  EXPECT_EQ(b.PointOrigin(1, false), 3);
  EXPECT_EQ(b.PointOrigin(1, true), 6);
  EXPECT_EQ(c.PointOrigin(1, true), 6);  // c has no point 1
  b.SetActive(false);
  EXPECT_EQ(c.PointOrigin(0, true), 4);

  chart.Is3D = true;
  for (TChartSeries* s : {&a, &b, &c}) s->CalcZOrder();
  EXPECT_EQ(a.ZOrder(), 0);
  EXPECT_EQ(c.ZOrder(), 2);
  chart.Is3D = false;
  for (TChartSeries* s : {&a, &b, &c}) s->CalcZOrder();
  EXPECT_EQ(c.ZOrder(), 0);
  EXPECT_TRUE(a.FirstInZOrder());
  EXPECT_FALSE(c.FirstInZOrder());
  EXPECT_TRUE(a.MoreSameSeries());

  std::vector<std::string> clicks;
  EXPECT_FALSE(a.ClickedEvent(a, 1, platform::mbLeft, 0, 5, 6));
  EXPECT_FALSE(chart.ClickHandled);
  a.OnClick = [&](TChartSeries&, int i, platform::TMouseButton, platform::TShiftState, int, int) {
    clicks.push_back("click " + std::to_string(i));
  };
  EXPECT_TRUE(a.ClickedEvent(a, 1, platform::mbLeft, platform::ssDouble, 5, 6));  // no double-click handler
  a.OnDblClick = [&](TChartSeries&, int i, platform::TMouseButton, platform::TShiftState, int, int) {
    clicks.push_back("double " + std::to_string(i));
  };
  EXPECT_TRUE(a.ClickedEvent(a, 0, platform::mbLeft, platform::ssDouble, 5, 6));
  EXPECT_TRUE(chart.ClickHandled);
  EXPECT_EQ(clicks, (std::vector<std::string>{"click 1", "double 0"}));

  a.GalleryChanged3D(true);
  EXPECT_TRUE(chart.Is3D);
  EXPECT_FALSE(chart.ClipPoints);
}

struct TLegendCase {
  TLegendTextStyle Style;
  const char* Text;
};

TEST(SeriesBase, LegendStrings)
{
  TTestChart chart;
  TChartSeries s;
  s.SetParentChart(&chart);
  s.AddXY(1, 1234.5678, "alpha");
  s.AddXY(2, -400);
  const TLegendCase cases[] = {
      {TLegendTextStyle::ltsPlain, "alpha"},
      {TLegendTextStyle::ltsLeftValue, "1,234.568 alpha"},
      {TLegendTextStyle::ltsRightValue, "alpha 1,234.568"},
      {TLegendTextStyle::ltsLeftPercent, "75.53 % alpha"},  // 1234.5678 / 1634.5678
      {TLegendTextStyle::ltsRightPercent, "alpha 75.53 %"},
      {TLegendTextStyle::ltsXValue, "1"},  // by the bottom axis, label dropped
  };
  for (const auto& c : cases) EXPECT_EQ(s.LegendString(0, c.Style), QString::fromUtf8(c.Text));
  EXPECT_EQ(s.LegendString(1, TLegendTextStyle::ltsLeftPercent), "-24.47 % ");  // signed
}

}  // namespace
}  // namespace chart

namespace chart {
namespace {

struct TLegendSymbolCase {
  int LegendIndex;
  bool ColorEachPoint;
  platform::TColor PointColor;
  platform::TColor LegendBack;
  int Rectangles;
  platform::TColor FramePen;  // of the second rectangle
};

TEST(SeriesBase, LegendSymbols)
{
  using platform::clBlack, platform::clWhite, platform::clRed, platform::clNone, platform::clDefault;
  const TLegendSymbolCase cases[] = {
      {0, false, clRed, clWhite, 1, 0},
      {-1, false, clRed, clWhite, 1, 0},     // the series colour
      {-1, true, clRed, clWhite, 0, 0},      // each point has its own entry
      {0, false, clNone, clWhite, 0, 0},     // a null point
      {0, false, clWhite, clWhite, 2, clBlack},  // framed, so it shows
      {0, false, clBlack, clBlack, 2, clWhite},
  };
  for (const auto& c : cases) {
    TTestChart chart;
    chart.LegendBackColor = c.LegendBack;
    TChartSeries s;
    s.SetParentChart(&chart);
    s.SetSeriesColor(c.PointColor == clNone ? clRed : c.PointColor);
    s.AddXY(0, 1, {}, c.PointColor == clNone ? clNone : clDefault);
    s.SetColorEachPoint(c.ColorEachPoint);
    chart.Target.Clear();
    s.DrawLegend(c.LegendIndex, {10, 20, 30, 28});
    std::vector<platform::TCanvasRecord> rects;
    for (const auto& r : chart.Target.Records())
      if (r.Op == platform::TCanvasOp::Rectangle) rects.push_back(r);
    ASSERT_EQ(int(rects.size()), c.Rectangles) << c.LegendIndex << " " << c.PointColor;
    if (rects.empty()) continue;
    EXPECT_EQ(rects[0].RectAt(0), (platform::TRect{10, 20, 30, 28}));
    EXPECT_EQ(rects[0].State.Brush.Color, platform::ColorToRGB(s.SeriesColor()));
    EXPECT_EQ(rects[0].State.Brush.Style, platform::TBrushStyle::bsSolid);
    if (rects.size() < 2) continue;
    EXPECT_EQ(rects[1].State.Brush.Style, platform::TBrushStyle::bsClear);
    EXPECT_EQ(rects[1].State.Pen.Color, c.FramePen);
    EXPECT_EQ(chart.Canvas().Pen().Color(), clBlack);
  }
}

}  // namespace
}  // namespace chart

namespace chart {
namespace {

TEST(SeriesBase, GalleryPreparationAndChangeHandlers)
{
  TTestChart chart;
  TChartSeries s;
  s.SetParentChart(&chart);
  s.SetColorEachPoint(true);
  s.Marks().SetVisible(true);
  s.PrepareForGallery(false);
  EXPECT_EQ(s.Count(), 4);
  EXPECT_FALSE(s.Marks().Visible());
  EXPECT_FALSE(s.ColorEachPoint());
  EXPECT_EQ(s.SeriesColor(), platform::clSilver);

  const int before = chart.Repaints;
  auto pen = s.CreateChartPen();
  pen->SetWidth(3);
  TChartBrush brush([&s] { s.CanvasChanged(); });
  EXPECT_EQ(brush.Color(), platform::clDefault);
  brush.SetColor(platform::clRed);
  EXPECT_EQ(chart.Repaints - before, 2);
}

TEST(SeriesBase, LabelsStayWithTheirPoints)
{
  TChartSeries s;
  for (double x : {0, 2, 4}) s.AddXY(x, x);
  EXPECT_TRUE(s.PointLabels().empty());  // no label yet: none stored
  s.AddXY(1, 1, "one");
  TChartSeries source;
  source.AddXY(3, 3);
  source.AddXY(5, 5, "five");
  s.CopyXYFrom(source, 0);
  s.AddValueFrom(source, 1);
  const std::vector<QString> expected = {"", "one", "", "", "", "five"};
  for (int i = 0; i < s.Count(); ++i) EXPECT_EQ(s.ValueLabel(i), expected[std::size_t(i)]) << i;
  EXPECT_EQ(s.PointLabels().size(), 6u);

  TChartSeries unlabelled;
  unlabelled.XValues().SetOrder(TChartListOrder::loDescending);
  unlabelled.AddValueFrom(source, 1);  // the first label of the series
  unlabelled.AddValueFrom(source, 0);
  EXPECT_EQ(unlabelled.ValueLabel(0), "five");
  EXPECT_EQ(unlabelled.ValueLabel(1), "");
  unlabelled.XValues().SetOrder(TChartListOrder::loAscending);
  unlabelled.XValues().Sort();
  EXPECT_EQ(unlabelled.ValueLabel(1), "five");
}

}  // namespace
}  // namespace chart
