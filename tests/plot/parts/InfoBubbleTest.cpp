#include "../graph/GraphDoubles.h"

#include "plot/parts/InfoBubble.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <stdexcept>

namespace plot::test {
namespace {

using platform::TCanvasOp;
using platform::TPoint;
using platform::TRect;

// A series that answers what the bubbles ask: hits within 3 pixels of a point, linear
// interpolation, point names "P<index>".
class TInfoSeries : public TTestSeries {
public:
  using TTestSeries::TTestSeries;

  void MouseMoveActive(platform::TShiftState, int x, int y) override
  {
    HitIndex = -1;
    OnMarker = false;
    for (int i = 0; i < int(Points.size()); ++i)
      if (std::abs(Graph->XToScreen(Points[i].X) - x) <= 3 && std::abs(Graph->YToScreen(Points[i].Y) - y) <= 3) {
        HitIndex = i;
        OnMarker = true;
        return;
      }
  }
  double InterpolateY(double x, double) override
  {
    for (std::size_t i = 1; i < Points.size(); ++i) {
      const TFloatPoint a = Points[i - 1], b = Points[i];
      if (std::min(a.X, b.X) <= x && x <= std::max(a.X, b.X))
        return a.X == b.X ? a.Y : a.Y + (b.Y - a.Y) * (x - a.X) / (b.X - a.X);
    }
    return MissingValue;
  }
  double NearestX(double x, double y) override
  {
    if (Points.empty())
      return MissingValue;
    if (!OnMarker)
      return x;
    const auto nearest = std::min_element(Points.begin(), Points.end(), [&](TFloatPoint a, TFloatPoint b) {
      return std::fabs(a.X - x) + std::fabs(a.Y - y) < std::fabs(b.X - x) + std::fabs(b.Y - y);
    });
    return nearest->X;
  }
  QString GetPointName(int index) override
  {
    if (NamesFail)
      throw std::runtime_error("names gone");
    return QStringLiteral("P%1").arg(index);
  }
  TFloatRect GetBarRect(int index) override
  {
    const TFloatPoint p = GetPoint(index);
    return {p.X - 0.5, 0, p.X + 0.5, p.Y};
  }
  bool IsPlainSeries() const override { return Plain; }

  bool NamesFail = false;
  bool Plain = true;
};

struct TInfoFixture : TGraphFixture {
  TInfoFixture(TSeriesStyle style = kStyleLine, std::vector<TFloatPoint> points = PointsXY({{0, 0}, {10, 10}}))
  {
    auto owned = std::make_unique<TInfoSeries>(graph, QStringLiteral("Pressure"), std::move(points), style);
    series = owned.get();
    graph.AddLayer(std::move(owned));
    graph.Paint();
    info().Font.SetSize(10);
  }
  TGraphInfo& info() { return *graph.Info; }
  TPoint Pixel(double x, double y) const { return {graph.XToScreen(x), graph.YToScreen(y)}; }
  // Pins the place of world (x, y) and sets it there exactly.
  int Pin(double x, double y)
  {
    const TPoint p = Pixel(x, y);
    const int index = info().AddLocation(QString(), *series, p.X, p.Y, false);
    if (index >= 0) {
      info().Locations[index].Location->X = x;
      info().Locations[index].Location->Y = y;
    }
    return index;
  }
  // The lines the bubbles wrote, in order.
  std::vector<QString> Drawn()
  {
    image.Recording().Clear();
    info().Draw();
    std::vector<QString> texts;
    for (const auto& r : image.Recording().Records())
      if (r.Op == TCanvasOp::TextOut)
        texts.push_back(r.Text);
    return texts;
  }
  std::vector<platform::TCanvasRecord> Records(TCanvasOp op)
  {
    std::vector<platform::TCanvasRecord> found;
    for (const auto& r : image.Recording().Records())
      if (r.Op == op)
        found.push_back(r);
    return found;
  }
  TInfoSeries* series = nullptr;
};

TEST(InfoBubble, LineSeriesShowsItsValuesWithLabels)
{
  TInfoFixture f;
  TGraphInfo& info = f.info();
  f.Pin(2.5, 7);
  EXPECT_EQ(f.Drawn(), (std::vector<QString>{QStringLiteral("X = 2.5"), QStringLiteral("Y = 2.5")}));

  struct TCase {
    const char* what;
    std::function<void(TGraphInfo&)> set;
    std::vector<QString> lines;
  };
  const TCase cases[] = {
      {"names", [](TGraphInfo& i) { i.PointName = true, i.SeriesName = true; }, {"P-1 = 2.5", "Pressure = 2.5"}},
      {"value label", [](TGraphInfo& i) { i.SeriesLabelText = true; }, {"X = 2.5", "kPa = 2.5"}},
      {"no labels: values only", [](TGraphInfo& i) { i.PointVisible = false, i.SeriesVisible = false; }, {"2.5", "2.5"}},
      {"labels only", [](TGraphInfo& i) { i.PointValue = false, i.SeriesValue = false; }, {"X", "Y"}},
      {"nothing", [](TGraphInfo& i) { i.PointValue = i.SeriesValue = i.PointVisible = i.SeriesVisible = false; }, {}},
      {"templates", [](TGraphInfo& i) { i.FormatX = " at %.2f s", i.FormatY = "%8.3e"; }, {"X at 2.50 s", "Y = 2.50E+000"}},
      {"bad template: general", [](TGraphInfo& i) { i.FormatY = "%d"; }, {"X = 2.5", "Y = 2.5"}},
      {"digits", [](TGraphInfo& i) { i.NumberOfGeneralDigits = 2; }, {"X = 2.5", "Y = 2.5"}},
  };
  f.series->ValueLabel = QStringLiteral("kPa");
  for (const TCase& c : cases) {
    TGraphInfo fresh(f.graph);
    c.set(fresh);
    info.PointName = fresh.PointName, info.SeriesName = fresh.SeriesName, info.SeriesLabelText = fresh.SeriesLabelText;
    info.PointVisible = fresh.PointVisible, info.SeriesVisible = fresh.SeriesVisible;
    info.PointValue = fresh.PointValue, info.SeriesValue = fresh.SeriesValue;
    info.FormatX = fresh.FormatX, info.FormatY = fresh.FormatY, info.NumberOfGeneralDigits = fresh.NumberOfGeneralDigits;
    EXPECT_EQ(f.Drawn(), c.lines) << c.what;
  }
}

TEST(InfoBubble, MissingValuesShowNotAvailable)
{
  TInfoFixture f;
  f.Pin(12, 5);  // beyond the line's last point: no segment spans it
  EXPECT_EQ(f.Drawn(), (std::vector<QString>{QStringLiteral("X = 12"), QStringLiteral("Y = n/a")}));
  const auto bodies = f.Records(TCanvasOp::RoundRect);
  ASSERT_EQ(bodies.size(), 1u);
  // The bubble points at the clicked place, not at the far-away missing mark.
  const auto pointer = f.Records(TCanvasOp::Polygon);
  ASSERT_EQ(pointer.size(), 1u);
  EXPECT_EQ(pointer[0].Points[0], f.Pixel(12, 5));

  TInfoFixture empty(kStylePoints, {});
  empty.info().AddLocation(QString(), *empty.series, 100, 100, false);
  EXPECT_EQ(empty.Drawn(), (std::vector<QString>{QStringLiteral("X = n/a"), QStringLiteral("Y = n/a")}));
}

TEST(InfoBubble, PointSeriesTogglesItsBubbleAndPointsAtThePoint)
{
  TInfoFixture f(kStylePoints, PointsXY({{2, 4}, {6, 3}}));
  TGraphInfo& info = f.info();
  const TPoint p = f.Pixel(6, 3);
  EXPECT_EQ(info.AddLocation(QString(), *f.series, p.X + 2, p.Y - 1, false), 0);
  EXPECT_EQ(info.Locations[0].Location->PointIndex, 1);
  EXPECT_TRUE(info.Locations[0].Location->OnPoint);
  EXPECT_EQ(f.Drawn(), (std::vector<QString>{QStringLiteral("X = 6"), QStringLiteral("Y = 3")}));
  EXPECT_EQ(f.Records(TCanvasOp::Polygon).at(0).Points[0], p);  // the anchor is the point itself

  // The series' hit index still names the point: a second click removes the bubble.
  EXPECT_EQ(info.AddLocation(QString(), *f.series, p.X, p.Y, true), -1);
  EXPECT_EQ(info.GetCount(), 1);
  EXPECT_EQ(info.AddLocation(QString(), *f.series, p.X, p.Y, false), -1);
  EXPECT_EQ(info.GetCount(), 0);
}

TEST(InfoBubble, BodyTextAndPointerPlacement)
{
  TInfoFixture f;
  f.Pin(5, 5);
  f.info().Locations[0].Caption = QStringLiteral("first#second");
  const auto lines = f.Drawn();
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_EQ(lines[0], QStringLiteral("first"));
  const auto body = f.Records(TCanvasOp::RoundRect);
  ASSERT_EQ(body.size(), 1u);
  const TRect r = body[0].RectAt(0);
  const int lh = (r.Bottom - r.Top) / 5;
  EXPECT_EQ(body[0].Points[2], (TPoint{lh / 2, lh / 2}));
  const TPoint anchor = f.Pixel(5, 5);
  EXPECT_EQ(r.Left, anchor.X);  // right and above, where it fits
  EXPECT_EQ(r.Bottom, anchor.Y - lh);
  EXPECT_EQ(*f.info().Locations[0].Location->BubbleRect, r);
  const auto texts = f.Records(TCanvasOp::TextOut);
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(texts[i].Points[0], (TPoint{(r.Left + r.Right) / 2, r.Top + lh + lh / 2 + i * lh})) << i;
    EXPECT_EQ(texts[i].State.TextAlign, platform::TA_CENTER | platform::TA_BOTTOM);
  }
  // The pointer's edge painted over in the fill on two rows.
  const auto fills = f.Records(TCanvasOp::FillRect);
  ASSERT_EQ(fills.size(), 1u);
  EXPECT_EQ(fills[0].RectAt(0).Top, r.Bottom - 2);
  EXPECT_EQ(fills[0].RectAt(0).Bottom, r.Bottom);
  EXPECT_EQ(fills[0].State.Brush.Color, platform::clInfoBk);
}

TEST(InfoBubble, ClickOnABubbleRemovesIt)
{
  for (const TInfoStyle style : {isRoundRect, isRectangle, isNoBubble}) {
    TInfoFixture f;
    f.info().Style = style;
    f.Pin(2, 2);
    f.Pin(8, 8);
    f.Drawn();
    const TRect r = *f.info().Locations[1].Location->BubbleRect;
    if (style == isNoBubble) {
      EXPECT_TRUE(f.Records(TCanvasOp::RoundRect).empty());
      EXPECT_TRUE(f.Records(TCanvasOp::Polygon).empty());
      EXPECT_EQ(f.Records(TCanvasOp::TextOut).at(0).State.Brush.Style, platform::TBrushStyle::bsClear);
    }
    f.info().MouseDown(platform::mbRight, 0, r.Left, r.Top);
    EXPECT_FALSE(f.graph.InfoClicked);
    f.info().MouseDown(platform::mbLeft, 0, r.Right + 1, r.Top);
    EXPECT_FALSE(f.graph.InfoClicked);
    EXPECT_EQ(f.info().GetCount(), 2);
    f.info().MouseDown(platform::mbLeft, 0, r.Right, r.Bottom);  // borders included
    EXPECT_TRUE(f.graph.InfoClicked) << style;
    ASSERT_EQ(f.info().GetCount(), 1);
    EXPECT_EQ(f.info().Locations[0].Location->X, 2);
  }
}

TEST(InfoBubble, DeletedSeriesAndUnreadableNamesAreNotDrawn)
{
  TInfoFixture f;
  f.Pin(5, 5);
  f.series->NamesFail = true;
  f.info().PointName = true;
  EXPECT_TRUE(f.Drawn().empty());
  EXPECT_EQ(f.info().Locations[0].Caption, QString::fromLatin1(kDeletedCaption));
  EXPECT_EQ(f.info().Locations[0].Location->Series, nullptr);

  TInfoFixture g;
  g.Pin(5, 5);
  g.info().Locations[0].Location->BubbleRect = TRect{0, 0, 10, 10};
  g.graph.DeleteLayer(0);
  EXPECT_TRUE(g.Drawn().empty());
  EXPECT_EQ(g.info().Locations[0].Caption, QString::fromLatin1(kDeletedCaption));
  g.info().MouseDown(platform::mbLeft, 0, 5, 5);  // an undrawn bubble takes no clicks
  EXPECT_FALSE(g.graph.InfoClicked);
  g.info().DeleteLocation(5);
  g.info().DeleteLocation(-1);
  EXPECT_EQ(g.info().GetCount(), 1);
  g.info().Clear();
  EXPECT_EQ(g.info().GetCount(), 0);
}

TEST(InfoBubble, NewLayerDefaults)
{
  TInfoFixture f;
  const TGraphInfo& info = f.info();
  EXPECT_EQ(info.NumberOfGeneralDigits, 7);
  EXPECT_EQ(info.Style, isRoundRect);
  EXPECT_EQ(info.Position, ipRightTop);
  EXPECT_EQ(info.Color, platform::clInfoBk);
  EXPECT_EQ(info.Font.Name(), QStringLiteral("Arial"));
  EXPECT_FALSE(info.PointName || info.SeriesName || info.SeriesLabelText);
  EXPECT_TRUE(info.PointValue && info.SeriesValue && info.PointVisible && info.SeriesVisible);
}

// Each style on a line with a bubble in the middle and one at the top, where it turns below.
TEST(InfoBubble, PictureOfTheStyles)
{
  QImage sheet(3 * 320, 240, QImage::Format_RGB32);
  sheet.fill(Qt::white);
  QPainter painter(&sheet);
  const TInfoStyle styles[] = {isRoundRect, isRectangle, isNoBubble};
  for (int k = 0; k < 3; ++k) {
    TBitmapGraphImage image(320, 240);
    TGraph graph(nullptr, image, nullptr);
    graph.ProcessMessages = [] {};
    auto owned = std::make_unique<TInfoSeries>(graph, QStringLiteral("Pressure"), PointsXY({{0, 0}, {10, 10}}));
    TInfoSeries& series = *owned;
    series.OnDraw = [&] {
      graph.SetPenColor(platform::clBlue);
      graph.DrawLine(0, 0, 10, 10);
    };
    graph.AddLayer(std::move(owned));
    graph.Info->Style = styles[k];
    graph.Paint();
    for (const auto& [x, y] : {std::pair{4.0, 4.0}, {9.8, 9.8}}) {
      graph.Info->AddLocation(QString(), series, graph.XToScreen(x), graph.YToScreen(y), false);
      graph.Info->Locations.back().Location->X = x;
    }
    graph.Paint();
    painter.drawImage(k * 320, 0, image.Image());
  }
  painter.end();
  EXPECT_TRUE(sheet.save(QStringLiteral(VEXAL_TEST_OUTPUT_DIR "info-bubbles.png")));
}

}  // namespace
}  // namespace plot::test
