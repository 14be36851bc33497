// Graphs with legends and markers painted on images, saved as PNGs in the build folder to be
// looked at: a series legend of symbol entries on each side, the colour legend, and every marker
// style.
#include "../contour/ContourFixtures.h"
#include "LegendDoubles.h"

#include <QImage>
#include <gtest/gtest.h>

namespace plot::test {
namespace {

// A series that draws its line and a marker at every point.
class TMarkedSeries : public TTestSeries {
public:
  TMarkedSeries(TGraph& graph, const QString& name, std::vector<TFloatPoint> points, int style, platform::TColor color)
      : TTestSeries(graph, name, std::move(points)), Marker(graph, this, style, 7, color)
  {
    Color = color;
  }
  void Draw() override
  {
    Graph->Canvas->Pen().SetColor(Color);
    for (std::size_t i = 1; i < Points.size(); ++i)
      Graph->DrawLine(Points[i - 1].X, Points[i - 1].Y, Points[i].X, Points[i].Y);
    for (const TFloatPoint& p : Points)
      Marker.Draw(p.X, p.Y);
  }
  TMarker Marker;
};

class TScaleLayer : public TLayer {
public:
  explicit TScaleLayer(TGraph& graph) : TLayer(graph)
  {
    Name = "Z";
    ColorMap = true;
  }
  double GetZMin() const override { return -1; }
  double GetZMax() const override { return 1; }
};

void Save(TBitmapGraphImage& image, const char* name)
{
  EXPECT_TRUE(image.Image().save(QStringLiteral(VEXAL_TEST_OUTPUT_DIR) + name));
}

TEST(LegendPicture, SeriesLegendOnEverySideWithMarkersAndAColourLegend)
{
  const struct {
    TLegendStyle style;
    const char* file;
  } cases[] = {{lsRight, "legend-right.png"},
               {lsLeft, "legend-left.png"},
               {lsTop, "legend-top.png"},
               {lsBottom, "legend-bottom.png"},
               {lsInside, "legend-inside.png"}};
  const platform::TColor colors[] = {platform::clRed, platform::clBlue, platform::clGreen, platform::clPurple,
                                     platform::clTeal, platform::clOlive};
  for (const auto& c : cases) {
    TBitmapGraphImage image(640, 420);
    TGraph graph(nullptr, image, nullptr);
    graph.ProcessMessages = [] {};
    graph.BackColor = platform::clWhite;
    for (int k = 0; k < 6; ++k) {
      std::vector<TFloatPoint> points;
      for (int i = 0; i <= 8; ++i)
        points.push_back({double(i), k + 0.5 * std::sin(i * 0.7 + k)});
      const int style = 1 + 4 * k;
      auto series = std::make_unique<TMarkedSeries>(graph, QStringLiteral("style %1").arg(style), points, style,
                                                    colors[k]);
      AddEntry(graph, series->Name, series.get(), style).Color = colors[k];
      graph.Legend->Entries.back()->Marker->Color = colors[k];
      graph.AddLayer(std::move(series));
    }
    graph.Legend->Style = c.style;
    graph.Legend->InsideX = 0.5;
    graph.Legend->InsideY = 5.3;
    TScaleLayer scale(graph);
    graph.ColorLegends[0]->Layer = &scale;
    graph.ColorLegends[0]->Style = c.style == lsLeft ? lsRight : lsLeft;
    graph.Paint();
    Save(image, c.file);
    if (c.style == lsRight) {
      // The colour legend and the series legend three times as large.
      EXPECT_TRUE(image.Image().copy(0, 0, 80, 210).scaled(240, 630).save(QStringLiteral(VEXAL_TEST_OUTPUT_DIR) +
                                                                          "legend-colour-part.png"));
      EXPECT_TRUE(image.Image().copy(530, 0, 110, 140).scaled(330, 420).save(QStringLiteral(VEXAL_TEST_OUTPUT_DIR) +
                                                                            "legend-series-part.png"));
    }
  }
}

TEST(LegendPicture, EveryMarkerStyle)
{
  TBitmapGraphImage image(720, 240);
  TGraph graph(nullptr, image, nullptr);
  graph.UpdateTransform();
  graph.Canvas = &image.Canvas();
  platform::TCanvas& canvas = image.Canvas();
  canvas.Font().SetName("Arial");
  canvas.SetTextAlign(platform::TA_CENTER | platform::TA_TOP);
  TMarker marker(graph, nullptr, 0, 14, platform::RGB(230, 120, 20));
  marker.Color2 = platform::clNavy;
  for (int style = 0; style < 54; ++style) {
    const int x = 30 + (style % 18) * 38;
    const int y = 35 + (style / 18) * 75;
    marker.Style = static_cast<std::uint8_t>(style);
    marker.DrawAtPixel(x, y, 14);
    canvas.Font().SetSize(8);
    canvas.Brush().SetStyle(platform::TBrushStyle::bsClear);
    canvas.TextOut(x, y + 22, QString::number(style));
  }
  Save(image, "markers.png");
  // Styles 28..51 give the same pixels as 1..24.
  const QImage& pixels = image.Image();
  for (int style = 1; style <= 24; ++style) {
    const QRect first(30 + (style % 18) * 38 - 16, 35 + (style / 18) * 75 - 16, 33, 33);
    const int twin = style + 27;
    const QRect second(30 + (twin % 18) * 38 - 16, 35 + (twin / 18) * 75 - 16, 33, 33);
    EXPECT_EQ(pixels.copy(first), pixels.copy(second)) << style;
  }
}

}  // namespace
}  // namespace plot::test
