#include "tests/chart/model/ChartDouble.h"
#include "tests/chart/series/PointerSeries.h"

#include "chart/canvas/ChartPen.h"
#include "chart/support/ChartExceptions.h"
#include "platform/CanvasImage.h"

#include <gtest/gtest.h>

#include <QImage>
#include <climits>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

namespace chart {
namespace {

using platform::TBrushStyle;
using testing::TPointerSeries;
using testing::TTestChart;
using enum TSeriesPointerStyle;
using Calls = std::vector<std::string>;

// The series is declared first: the chart lets it go before either ends.
struct PointerTest : ::testing::Test {
  TPointerSeries Series;
  TTestChart Chart;
  TSeriesPointer& Pointer = Series.Pointer;

  PointerTest()
  {
    Chart.InsertSeries(Series);
    Chart.Repaints = 0;
  }
  // The drawing calls made by draw (their records stay until the next).
  Calls Drawn(const std::function<void()>& draw)
  {
    Chart.Target.Clear();
    draw();
    return Chart.Target.Calls();
  }
  // The canvas state of the last drawing call.
  const platform::TCanvasState& LastState() const
  {
    const auto& records = Chart.Target.Records();
    for (auto it = records.rbegin(); it != records.rend(); ++it)
      if (it->IsDrawing()) return it->State;
    throw std::logic_error("nothing drawn");
  }
  void Begin3D()
  {
    Chart.Is3D = true;
    Chart.Canvas().BeginDrawing(Chart.Target, &Chart.View, platform::clWhite, true, Chart.Plot);
    Chart.Canvas().SetProjection(100, Chart.Plot, Chart.Plot);
    Series.DepthStart = 20;
    Series.DepthEnd = 40;
  }
};

TEST_F(PointerTest, SettingsRepaintOnlyWhenChanged)
{
  EXPECT_TRUE(Pointer.Visible());
  EXPECT_EQ(Pointer.Style(), psRectangle);
  EXPECT_EQ(Pointer.HorizSize(), 4);
  EXPECT_EQ(Pointer.VertSize(), 4);
  EXPECT_TRUE(Pointer.InflateMargins());
  EXPECT_TRUE(Pointer.Dark3D());
  EXPECT_TRUE(Pointer.Draw3D());
  EXPECT_TRUE(Pointer.SizeEditable());
  EXPECT_EQ(Pointer.Brush().Color(), platform::clDefault);
  EXPECT_TRUE(Pointer.Pen().Visible());
  EXPECT_EQ(&Pointer.Owner(), &Series);
  EXPECT_FALSE(Pointer.IsHorizSizeStored() || Pointer.IsVertSizeStored() || Pointer.IsDark3DStored() ||
               Pointer.IsDraw3DStored());

  const std::vector<std::function<void()>> sameValue{
      [&] { Pointer.SetVisible(true); },      [&] { Pointer.SetStyle(psRectangle); },
      [&] { Pointer.SetHorizSize(4); },       [&] { Pointer.SetVertSize(4); },
      [&] { Pointer.SetInflateMargins(true); }, [&] { Pointer.SetDark3D(true); },
      [&] { Pointer.SetDraw3D(true); }};
  for (const auto& set : sameValue) set();
  EXPECT_EQ(Chart.Repaints, 0);

  const std::vector<std::function<void()>> newValue{
      [&] { Pointer.SetVisible(false); },      [&] { Pointer.SetStyle(psStar); },
      [&] { Pointer.SetHorizSize(7); },        [&] { Pointer.SetVertSize(1); },
      [&] { Pointer.SetInflateMargins(false); }, [&] { Pointer.SetDark3D(false); },
      [&] { Pointer.SetDraw3D(false); },       [&] { Pointer.Brush().SetColor(platform::clRed); },
      [&] { Pointer.Pen().SetWidth(2); }};
  for (std::size_t i = 0; i < newValue.size(); ++i) {
    newValue[i]();
    EXPECT_EQ(Chart.Repaints, int(i) + 1) << "setting " << i;
  }
  EXPECT_TRUE(Pointer.IsHorizSizeStored() && Pointer.IsVertSizeStored() && Pointer.IsDark3DStored() &&
              Pointer.IsDraw3DStored());
}

TEST_F(PointerTest, SizesBelowOneAreRefusedButStoredSizesAreNot)
{
  for (int bad : {0, -1, INT_MIN}) {
    try {
      Pointer.SetHorizSize(bad);
      ADD_FAILURE() << "horizontal " << bad << " taken";
    } catch (const ChartException& e) {
      EXPECT_EQ(e.Message(), "Pointer size must be greater than zero");
    }
    EXPECT_THROW(Pointer.SetVertSize(bad), ChartException);
  }
  EXPECT_EQ(Pointer.HorizSize(), 4);
  EXPECT_EQ(Pointer.VertSize(), 4);
  EXPECT_EQ(Chart.Repaints, 0);

  Pointer.StoreHorizSize(0);
  Pointer.StoreVertSize(11);
  EXPECT_EQ(Pointer.HorizSize(), 0);
  EXPECT_EQ(Pointer.VertSize(), 11);
  EXPECT_EQ(Chart.Repaints, 0);
}

TEST_F(PointerTest, AssignCopiesEverySettingButSizeEditable)
{
  TPointerSeries other;
  TSeriesPointer& source = other.Pointer;
  source.SetVisible(false);
  source.SetStyle(psDiamond);
  source.SetHorizSize(9);
  source.SetVertSize(2);
  source.SetInflateMargins(false);
  source.SetDark3D(false);
  source.SetDraw3D(false);
  source.Pen().SetColor(platform::clRed);
  source.Pen().SetVisible(false);
  source.Brush().SetColor(platform::clBlue);
  source.SetSizeEditable(false);

  Pointer.Assign(source);
  EXPECT_FALSE(Pointer.Visible());
  EXPECT_EQ(Pointer.Style(), psDiamond);
  EXPECT_EQ(Pointer.HorizSize(), 9);
  EXPECT_EQ(Pointer.VertSize(), 2);
  EXPECT_FALSE(Pointer.InflateMargins());
  EXPECT_FALSE(Pointer.Dark3D());
  EXPECT_FALSE(Pointer.Draw3D());
  EXPECT_EQ(Pointer.Pen().Color(), platform::clRed);
  EXPECT_FALSE(Pointer.Pen().Visible());
  EXPECT_EQ(Pointer.Brush().Color(), platform::clBlue);
  EXPECT_TRUE(Pointer.SizeEditable());
  EXPECT_GT(Chart.Repaints, 0);
}

struct TPrepareCase {
  const char* Name;
  platform::TColor PenColor;
  bool PenVisible;
  platform::TColor BrushColor;
  TBrushStyle BrushStyle;
  platform::TColor WantPen;
  platform::TPenStyle WantPenStyle;
  platform::TColor WantBrush;
  TBrushStyle WantBrushStyle;
};

TEST_F(PointerTest, PrepareCanvasGivesDefaultColoursThePointColour)
{
  using platform::clBlue;
  using platform::clDefault;
  using platform::clGreen;
  using platform::clRed;
  using platform::TPenStyle;
  const TPrepareCase cases[] = {
      {"defaults", clDefault, true, clDefault, TBrushStyle::bsSolid, clBlue, TPenStyle::psSolid, clBlue, TBrushStyle::bsSolid},
      {"own colours", clRed, true, clGreen, TBrushStyle::bsSolid, clRed, TPenStyle::psSolid, clGreen, TBrushStyle::bsSolid},
      {"hidden pen", clDefault, false, clGreen, TBrushStyle::bsSolid, clDefault, TPenStyle::psClear, clGreen, TBrushStyle::bsSolid},
      {"hatched", clRed, true, clDefault, TBrushStyle::bsCross, clRed, TPenStyle::psSolid, clBlue, TBrushStyle::bsCross},
      // A pointer without fill stays hollow when it takes the point's colour.
      {"no fill", clRed, true, clDefault, TBrushStyle::bsClear, clRed, TPenStyle::psSolid, clBlue, TBrushStyle::bsClear},
  };
  for (const auto& c : cases) {
    Pointer.Pen().SetColor(c.PenColor);
    Pointer.Pen().SetVisible(c.PenVisible);
    Pointer.Brush().SetColor(c.BrushColor);
    Pointer.Brush().SetStyle(c.BrushStyle);
    Drawn([&] {
      Pointer.PrepareCanvas(clBlue);
      Pointer.DrawSymbol(false, 50, 40, 3, 2, clBlue, psRectangle);
    });
    const platform::TCanvasState& state = LastState();
    EXPECT_EQ(state.Pen.Style, c.WantPenStyle) << c.Name;
    if (c.PenVisible) {
      EXPECT_EQ(state.Pen.Color, c.WantPen) << c.Name;
    }
    EXPECT_EQ(state.Brush.Color, c.WantBrush) << c.Name;
    EXPECT_EQ(state.Brush.Style, c.WantBrushStyle) << c.Name;
  }
}


// Symbols at (50, 40) with half width 3 and half height 2.
TEST_F(PointerTest, FlatSymbols)
{
  const std::vector<std::pair<TSeriesPointerStyle, Calls>> cases{
      {psRectangle, {"Rectangle(47,38,54,43)"}},
      {psCircle, {"Ellipse(47,38,53,42)"}},
      {psTriangle, {"Polygon(47,42,53,42,50,38)"}},
      {psDownTriangle, {"Polygon(47,38,53,38,50,42)"}},
      {psCross, {"LineTo(50,38,50,43)", "LineTo(47,40,54,40)"}},
      {psDiagCross, {"LineTo(47,38,54,43)", "LineTo(53,38,46,43)"}},
      {psStar, {"LineTo(50,38,50,43)", "LineTo(47,40,54,40)", "LineTo(47,38,54,43)", "LineTo(53,38,46,43)"}},
      {psDiamond, {"Polygon(47,40,50,38,53,40,50,42)"}},
      {psSmallDot, {"SetPixel(50,40)"}},
      {TSeriesPointerStyle(9), {}},
      {TSeriesPointerStyle(-1), {}},
  };
  for (const auto& [style, want] : cases)
    EXPECT_EQ(Drawn([&] { Pointer.DrawSymbol(false, 50, 40, 3, 2, platform::clBlue, style); }), want)
        << "style " << int(style);
}

// A red pen outlines the filled symbols; the line symbols take the point's colour.
TEST_F(PointerTest, LineSymbolsAreDrawnInThePointColour)
{
  Pointer.Pen().SetColor(platform::clRed);
  for (TSeriesPointerStyle style : {psRectangle, psCircle, psTriangle, psDiamond, psCross, psDiagCross, psStar}) {
    const bool lines = style == psCross || style == psDiagCross || style == psStar;
    Drawn([&] {
      Pointer.PrepareCanvas(platform::clBlue);
      Pointer.DrawSymbol(false, 50, 40, 3, 2, platform::clBlue, style);
    });
    for (const auto& record : Chart.Target.Records()) {
      if (!record.IsDrawing()) continue;
      EXPECT_EQ(record.State.Pen.Color, lines ? platform::clBlue : platform::clRed) << "style " << int(style);
    }
  }
  Drawn([&] { Pointer.DrawSymbol(false, 50, 40, 3, 2, platform::clGreen, psSmallDot); });
  EXPECT_EQ(Chart.Target.Records().back().Value, platform::clGreen);
}

// In 3-D the symbols are the canvas' solids at the series' depths (20 to 40).
TEST_F(PointerTest, SolidSymbols)
{
  Begin3D();
  TTeeCanvas3D& c = Chart.Canvas();
  struct TCase {
    TSeriesPointerStyle Style;
    bool Draw3D;
    std::function<void()> Want;
  };
  const std::vector<TCase> cases{
      {psRectangle, true, [&] { c.Box3D(47, 53, 38, 42, 20, 40, true); }},
      {psRectangle, false, [&] { c.Rectangle3D({47, 38, 54, 43}, 20); }},
      {psCircle, true, [&] { c.Ellipse3D(47, 38, 53, 42, 20); }},
      {psTriangle, true, [&] { c.Pyramid3D(true, 47, 38, 53, 42, 20, 40, true); }},
      {psTriangle, false, [&] { c.Triangle3D({53, 42}, {47, 42}, {50, 38}, 20); }},
      {psDownTriangle, true, [&] { c.Pyramid3D(true, 47, 42, 53, 38, 20, 40, true); }},
      {psDownTriangle, false, [&] { c.Triangle3D({53, 38}, {47, 38}, {50, 42}, 20); }},
      {psCross, true, [&] { c.VerticalLine3D(50, 38, 43, 20); c.HorizontalLine3D(47, 54, 40, 20); }},
      {psDiagCross, true, [&] { c.Line3D(47, 38, 54, 43, 20); c.Line3D(53, 38, 46, 43, 20); }},
      {psStar, false, [&] {
         c.VerticalLine3D(50, 38, 43, 20);
         c.HorizontalLine3D(47, 54, 40, 20);
         c.Line3D(47, 38, 54, 43, 20);
         c.Line3D(53, 38, 46, 43, 20);
       }},
      {psDiamond, true, [&] { c.Quad3D({47, 40}, {50, 38}, {53, 40}, {50, 42}, 20); }},
      {psSmallDot, true, [&] { c.Pixel3D(50, 40, 20, platform::clBlue); }},
  };
  for (const auto& [style, draw3D, want] : cases) {
    Pointer.SetDraw3D(draw3D);
    const Calls wanted = Drawn(want);
    EXPECT_FALSE(wanted.empty());
    EXPECT_EQ(Drawn([&] { Pointer.DrawSymbol(true, 50, 40, 3, 2, platform::clBlue, style); }), wanted)
        << "style " << int(style) << " draw3D " << draw3D;
  }
  Pointer.SetDraw3D(true);
  Pointer.SetDark3D(false);
  EXPECT_EQ(Drawn([&] { Pointer.DrawSymbol(true, 50, 40, 3, 2, platform::clBlue, psRectangle); }),
            Drawn([&] { c.Box3D(47, 53, 38, 42, 20, 40, false); }));
}

TEST_F(PointerTest, DrawUsesItsSizesAndTheChartsView)
{
  Pointer.SetHorizSize(3);
  Pointer.SetVertSize(2);
  EXPECT_EQ(Drawn([&] { Pointer.Draw(50, 40, platform::clBlue, psRectangle); }), Calls{"Rectangle(47,38,54,43)"});
  Begin3D();
  EXPECT_EQ(Drawn([&] { Pointer.Draw(50, 40, platform::clBlue, psRectangle); }),
            Drawn([&] { Chart.Canvas().Box3D(47, 53, 38, 42, 20, 40, true); }));

  // A series outside any chart draws nothing and does not fail.
  TPointerSeries loose;
  loose.Pointer.PrepareCanvas(platform::clBlue);
  loose.Pointer.Draw(50, 40, platform::clBlue, psCircle);
  loose.Pointer.DrawLegendSymbol(platform::clBlue, {0, 0, 12, 12}, true);
  EXPECT_TRUE(Drawn([] {}).empty());
}

TEST_F(PointerTest, LegendSymbolIsCentredAndFitsTheItem)
{
  struct TCase {
    platform::TRect Rect;
    bool WithLine;
    int HorizSize, VertSize;
    const char* Want;
  };
  const TCase cases[] = {
      {{10, 20, 22, 30}, true, 4, 4, "Rectangle(12,22,21,29)"},   // min(4, 12 div 3), min(4, 10 div 3)
      {{10, 20, 22, 30}, false, 4, 4, "Rectangle(12,21,21,30)"},  // min(4, 7), min(4, 6)
      {{0, 0, 30, 9}, true, 4, 4, "Rectangle(11,1,20,8)"},
      {{0, 0, 30, 9}, false, 2, 6, "Rectangle(13,-1,18,10)"},
      {{5, 5, 6, 6}, true, 4, 4, "Rectangle(5,5,6,6)"},
  };
  for (const auto& c : cases) {
    Pointer.SetHorizSize(c.HorizSize);
    Pointer.SetVertSize(c.VertSize);
    EXPECT_EQ(Drawn([&] { Pointer.DrawLegendSymbol(platform::clBlue, c.Rect, c.WithLine); }), Calls{c.Want});
    EXPECT_EQ(LastState().Brush.Color, platform::clBlue);
  }
  // Always flat, in the pointer's own style.
  Begin3D();
  Pointer.SetStyle(psDiamond);
  EXPECT_EQ(Drawn([&] { Pointer.DrawLegendSymbol(platform::clBlue, {10, 20, 22, 30}, true); }),
            Calls{"Polygon(12,25,16,22,20,25,16,28)"});
}

TEST_F(PointerTest, MarginsHoldHalfASymbolWhenVisibleAndInflating)
{
  struct TCase {
    bool Visible, Inflate;
    int HorizSize, VertSize;
    int Start;  // the margins before
    int WantHoriz, WantVert;
  };
  const TCase cases[] = {
      {true, true, 4, 4, 0, 5, 5},
      {true, true, 6, 2, 0, 7, 3},
      {true, true, 6, 2, 5, 7, 5},  // a wider margin stays
      {true, false, 6, 2, 0, 0, 0},
      {false, true, 6, 2, 0, 0, 0},
      {true, true, INT_MAX, INT_MAX, 0, INT_MAX, INT_MAX},  // not wrapped round to a negative margin
  };
  for (const auto& c : cases) {
    Pointer.SetVisible(c.Visible);
    Pointer.SetInflateMargins(c.Inflate);
    Pointer.SetHorizSize(c.HorizSize);
    Pointer.SetVertSize(c.VertSize);
    int left = c.Start, right = c.Start, top = c.Start, bottom = c.Start;
    Pointer.CalcHorizMargins(left, right);
    Pointer.CalcVerticalMargins(top, bottom);
    EXPECT_EQ(left, c.WantHoriz);
    EXPECT_EQ(right, c.WantHoriz);
    EXPECT_EQ(top, c.WantVert);
    EXPECT_EQ(bottom, c.WantVert);
  }
}

// The chart's canvas drawing on a white image.
struct PointerImageTest : PointerTest {
  QImage Image{100, 80, QImage::Format_RGB32};
  platform::TImageCanvas Target{Image};

  PointerImageTest()
  {
    Image.fill(Qt::white);
    Chart.Canvas().SetTargetCanvas(Target);
    Chart.Canvas().BeginDrawing(Target, &Chart.View, platform::clWhite, false, {0, 0, 100, 80});
    Chart.Canvas().SetProjection(0, {0, 0, 100, 80}, {0, 0, 100, 80});
  }
  platform::TColor At(int x, int y) const { return platform::FromQColor(QColor(Image.pixel(x, y))); }
  void Paint(platform::TColor color, TSeriesPointerStyle style)
  {
    Pointer.PrepareCanvas(color);
    Pointer.Draw(50, 40, color, style);
  }
};

TEST_F(PointerImageTest, FilledAndLineSymbolsOnTheImage)
{
  using platform::clBlack;
  using platform::clBlue;
  using platform::clGreen;
  using platform::clWhite;
  Pointer.SetHorizSize(3);
  Pointer.SetVertSize(2);
  Pointer.Pen().SetColor(platform::clRed);
  Paint(clBlue, psStar);
  for (auto [x, y] : {std::pair{50, 38}, {50, 42}, {47, 40}, {53, 40}, {50, 40}, {47, 38}, {53, 38}})
    EXPECT_EQ(At(x, y), clBlue) << x << "," << y;
  EXPECT_EQ(At(50, 43), clWhite);
  EXPECT_EQ(At(54, 40), clWhite);

  Image.fill(Qt::white);
  Pointer.Pen().SetColor(clBlack);
  Paint(clGreen, psRectangle);
  EXPECT_EQ(At(47, 38), clBlack);
  EXPECT_EQ(At(53, 42), clBlack);
  EXPECT_EQ(At(50, 40), clGreen);
  EXPECT_EQ(At(54, 40), clWhite);
  EXPECT_EQ(At(50, 43), clWhite);

  // Without fill the symbol stays hollow.
  Image.fill(Qt::white);
  Pointer.Brush().SetStyle(TBrushStyle::bsClear);
  Paint(clGreen, psRectangle);
  EXPECT_EQ(At(47, 38), clBlack);
  EXPECT_EQ(At(50, 40), clWhite);
}

// A symbol far larger than the picture covers it instead of wrapping round the integer range.
TEST_F(PointerImageTest, HugeSymbolCoversThePicture)
{
  Pointer.SetHorizSize(INT_MAX);
  Pointer.SetVertSize(INT_MAX);
  for (TSeriesPointerStyle style : {psRectangle, psDiamond}) {
    Image.fill(Qt::white);
    Paint(platform::clGreen, style);
    for (auto [x, y] : {std::pair{0, 0}, {99, 79}, {50, 40}, {0, 79}})
      EXPECT_EQ(At(x, y), platform::clGreen) << "style " << int(style) << " at " << x << "," << y;
  }
}

}  // namespace
}  // namespace chart
