#include "../graph/GraphDoubles.h"

#include "plot/graph/GraphFile.h"
#include "plot/parts/Marker.h"
#include "plot/support/GraphLibrary.h"

#include "platform/ModalRun.h"

#include <gtest/gtest.h>

namespace plot::test {
namespace {

using platform::TCanvasOp;
using platform::TColor;

// The drawing calls of one symbol at (100, 100), s = 20.
std::vector<std::string> SymbolCalls(TGraphFixture& f, const TMarker& marker, int style, TColor color = 0x00FF00)
{
  f.image.Recording().Clear();
  f.graph.Canvas = &f.image.Canvas();
  marker.DrawSymbol(100, 100, style, 20, color);
  return f.image.Recording().Calls();
}

TEST(Marker, StylesMapToTheirShapes)
{
  const std::vector<std::pair<int, int>> cases = {{0, 0},   {1, 1},   {27, 27}, {28, 1},  {40, 13},
                                                  {51, 24}, {52, 25}, {54, 27}, {55, 0},  {255, 0}};
  for (const auto& [style, shape] : cases)
    EXPECT_EQ(MarkerShape(style), shape) << style;
}

TEST(Marker, Styles28To51DrawExactlyAs1To24)
{
  TGraphFixture f;
  TMarker marker(f.graph, nullptr, 1, 10, platform::clRed);
  for (int style = 1; style <= 24; ++style) {
    const auto calls = SymbolCalls(f, marker, style);
    EXPECT_FALSE(calls.empty()) << style;
    EXPECT_EQ(SymbolCalls(f, marker, style + 27), calls) << style;
  }
  for (const int style : {25, 26, 27})
    EXPECT_FALSE(SymbolCalls(f, marker, style).empty()) << style;
}

TEST(Marker, NothingForStyleZeroHighStylesOrAnInvisibleMarker)
{
  TGraphFixture f;
  TMarker marker(f.graph, nullptr, 1, 10, platform::clRed);
  for (const int style : {0, 55, 100, 255})
    EXPECT_TRUE(SymbolCalls(f, marker, style).empty()) << style;
  marker.Visible = false;
  for (int style = 0; style < 52; ++style)
    EXPECT_TRUE(SymbolCalls(f, marker, style).empty()) << style;
}

TEST(Marker, ShapesKeepTheirGeometry)
{
  TGraphFixture f;
  TMarker marker(f.graph, nullptr, 1, 10, platform::clRed);
  marker.Color2 = platform::clBlue;
  // The square: corners on the diagonals at Round(sqrt 2 * 20 / 2 * cos 45) = 10.
  auto calls = SymbolCalls(f, marker, 1);
  ASSERT_EQ(calls.size(), 1u);
  EXPECT_EQ(calls[0], "Polygon(110,90,110,110,90,110,90,90,110,90)");
  const auto& square = f.image.Recording().Records().back();
  EXPECT_EQ(square.State.Brush.Color, platform::clRed);
  EXPECT_EQ(square.State.Pen.Color, platform::clBlue);
  EXPECT_EQ(SymbolCalls(f, marker, 2), std::vector<std::string>{"Ellipse(90,90,110,110)"});
  EXPECT_EQ(SymbolCalls(f, marker, 3), std::vector<std::string>{"Polygon(100,90,90,110,110,110)"});
  EXPECT_EQ(SymbolCalls(f, marker, 4), std::vector<std::string>{"Polygon(100,110,110,90,90,90)"});
  EXPECT_EQ(SymbolCalls(f, marker, 5), (std::vector<std::string>{"LineTo(90,100,110,100)", "LineTo(100,110,100,89)"}));
  EXPECT_EQ(SymbolCalls(f, marker, 8), std::vector<std::string>{"Polygon(110,100,100,110,90,100,100,90,110,100)"});
  // Two-part shapes: a white circle, then the inner part in the colour given.
  SymbolCalls(f, marker, 11, platform::clYellow);
  const auto& records = f.image.Recording().Records();
  ASSERT_EQ(records.size(), 2u);
  EXPECT_EQ(records[0].State.Brush.Color, platform::clWhite);
  EXPECT_EQ(records[0].Points.size(), 81u);
  EXPECT_EQ(records[1].State.Brush.Color, platform::clYellow);
  // The arrow head has its tip on the point.
  f.graph.UnitHeight = 2;
  EXPECT_EQ(SymbolCalls(f, marker, 26), std::vector<std::string>{"Polygon(100,100,80,90,94,100,80,110,100,100)"});
}

TEST(Marker, TheBlackMarkColourFillsBlack)
{
  TGraphFixture f;
  TMarker marker(f.graph, nullptr, 1, 10, platform::clRed);
  SymbolCalls(f, marker, 1, kBlackFillColor);
  EXPECT_EQ(f.image.Recording().Records().back().State.Brush.Color, platform::clBlack);
}

class TOneColourSeries : public TTestSeries {
public:
  using TTestSeries::TTestSeries;
  bool GetPointColors() const override { return false; }
  platform::TColor GetMarkerColor() const override { return platform::clTeal; }
};

TEST(Marker, DrawColourByHighlightAndSeries)
{
  TGraphFixture f;
  TMarker marker(f.graph, nullptr, 1, 10, platform::RGB(200, 100, 20));
  EXPECT_EQ(marker.GetDrawColor(), platform::RGB(200, 100, 20));
  marker.Highlighted = true;
  EXPECT_EQ(marker.GetDrawColor(), platform::RGB(255, 228, 148));
  marker.HighlightMode = 1;
  EXPECT_EQ(marker.GetDrawColor(), platform::RGB(72, 0, 0));
  marker.HighlightMode = 2;  // no change: the other rules apply
  EXPECT_EQ(marker.GetDrawColor(), platform::RGB(200, 100, 20));

  TOneColourSeries series(f.graph, "s", PointsXY({{0, 0}}));
  marker.Series = &series;
  EXPECT_EQ(marker.GetDrawColor(), platform::clTeal);
  marker.HighlightMode = 0;
  EXPECT_EQ(marker.GetDrawColor(), platform::RGB(255, 228, 148));
  TTestSeries ownColours(f.graph, "t", PointsXY({{0, 0}}));
  marker.Series = &ownColours;
  marker.Highlighted = false;
  EXPECT_EQ(marker.GetDrawColor(), platform::RGB(200, 100, 20));
}

TEST(Marker, DrawsAtTheWorldPointShiftedByItsDepth)
{
  TGraphFixture f;
  auto& first = f.AddSeries("a", PointsXY({{0, 0}, {10, 10}}));
  auto& second = f.AddSeries("b", PointsXY({{0, 0}, {10, 10}}));
  f.graph.SetClipMarkers(true);
  f.graph.UpdateTransform();
  f.graph.CalculatePlotRect();
  const int px = f.graph.XToScreen(5);
  const int py = f.graph.YToScreen(5);
  TMarker flat(f.graph, &second, 2, 10, platform::clRed);
  f.image.Recording().Clear();
  flat.Draw(5, 5);
  const auto& ellipse = f.image.Recording().Records().back();
  EXPECT_EQ((ellipse.Points[0].X + ellipse.Points[1].X) / 2, px);
  EXPECT_EQ((ellipse.Points[0].Y + ellipse.Points[1].Y) / 2, py);

  f.graph.View3D = 0.1;
  f.graph.CalculatePlotRect();
  // The first series lies deeper than the last.
  const int depthShift = f.graph.GetDepthShift(f.graph.GetDepthIndex(&first), f.graph.GetDepthCount());
  ASSERT_NE(depthShift, 0);
  EXPECT_EQ(f.graph.GetDepthIndex(&second), 0);
  TMarker deep(f.graph, &first, 2, 10, platform::clRed);
  const int qx = f.graph.XToScreen(5);
  const int qy = f.graph.YToScreen(5);
  f.image.Recording().Clear();
  deep.Draw(5, 5);
  const auto& shifted = f.image.Recording().Records().back();
  EXPECT_EQ((shifted.Points[0].X + shifted.Points[1].X) / 2, qx + depthShift);
  EXPECT_EQ((shifted.Points[0].Y + shifted.Points[1].Y) / 2, qy - depthShift);
}

TEST(Marker, FileBlockReadsBackEqual)
{
  TGraphFixture f;
  TMarker marker(f.graph, nullptr, 47, 9, 0x123456);
  marker.Color2 = platform::clDefault;
  marker.Highlighted = true;
  marker.HighlightMode = 1;
  TGraphFileWriter writer;
  marker.SaveToFile(writer);
  const std::vector<std::string> expected = {"TMarker", "47 9 1193046 -2147483648 1 1 1", "TMarker"};
  EXPECT_EQ(writer.Lines(), expected);

  TGraphFileReader reader({writer.Lines().begin() + 1, writer.Lines().end()});
  TTestSeries series(f.graph, "s", {});
  const auto read = TMarker::CreateFromFile(f.graph, &series, reader);
  EXPECT_EQ(read->Graph, &f.graph);
  EXPECT_EQ(read->Series, &series);
  EXPECT_EQ(read->Style, 47);
  EXPECT_EQ(read->Size, 9);
  EXPECT_EQ(read->Color, 0x123456u);
  EXPECT_EQ(read->Color2, platform::clDefault);
  EXPECT_TRUE(read->Visible);
  EXPECT_TRUE(read->Highlighted);
  EXPECT_EQ(read->HighlightMode, 1);
}

TEST(Marker, BadBlockIsReportedOnceAndKeepsWhatWasRead)
{
  TGraphFixture f;
  f.graph.LoadErrorFormat = "Object %s can not load self from line: %d";
  f.graph.LoadLineNo = 10;
  {
    // Style 300 keeps its low byte; flags other than 1 are off; the closing line is wrong.
    TGraphFileReader reader({"300 7 255 0 2 0 0", "TSeries"});
    platform::ModalScript script;
    script.ExpectMessage("Object TMarker can not load self from line: 12", platform::mrOk);
    const auto marker = TMarker::CreateFromFile(f.graph, nullptr, reader);
    EXPECT_EQ(marker->Style, 44);
    EXPECT_EQ(marker->Size, 7);
    EXPECT_FALSE(marker->Visible);
  }
  {
    TGraphFileReader reader({"5 8 x"});
    platform::ModalScript script;
    script.ExpectMessage("Object TMarker can not load self from line: 13", platform::mrOk);
    const auto marker = TMarker::CreateFromFile(f.graph, nullptr, reader);
    EXPECT_EQ(marker->Style, 5);
    EXPECT_EQ(marker->Size, 8);
  }
}

TEST(Marker, BlackAndWhitePreviewFillsBlack)
{
  TGraphFixture f;
  TGraphLibrary& library = GraphLibrary();
  library.PrintPreviewing = true;
  library.PrintColorMode = kPrintBlackAndWhite;
  TMarker marker(f.graph, nullptr, 1, 10, platform::clRed);
  marker.Color2 = platform::clBlue;
  SymbolCalls(f, marker, 23, platform::clRed);
  const auto records = f.image.Recording().Records();
  library.PrintPreviewing = false;
  library.PrintColorMode = kPrintColorFull;
  ASSERT_EQ(records.size(), 2u);
  EXPECT_EQ(records[0].State.Pen.Color, platform::clBlack);
  EXPECT_EQ(records[0].State.Brush.Color, platform::clWhite);
  EXPECT_EQ(records[1].State.Brush.Color, platform::clRed);  // the star of 23 keeps its colour
}

}  // namespace
}  // namespace plot::test
