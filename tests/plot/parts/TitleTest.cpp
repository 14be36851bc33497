#include "RecordedCalls.h"

#include "plot/support/GraphLibrary.h"

#include "platform/CanvasRounding.h"

#include <gtest/gtest.h>

#include <optional>

namespace plot::test {
namespace {

using platform::TCanvasOp;
using platform::TCanvasRecord;
using platform::TRect;

std::vector<TCanvasRecord> TextCalls(TRecordingGraphImage& image) { return Drawn(image, TCanvasOp::TextOut); }

// The smallest font size at which "()" is `height` pixels high on the canvas, 0 when none is.
int SizeForHeight(platform::TCanvas& canvas, const QString& face, int height)
{
  const platform::TFontData saved = canvas.Font().Data();
  int found = 0;
  canvas.Font().SetName(face);
  for (int size = 1; size < 60 && !found; ++size) {
    canvas.Font().SetSize(size);
    if (canvas.TextHeight(QStringLiteral("()")) == height)
      found = size;
  }
  canvas.Font().SetData(saved);
  return found;
}

struct TPreview {
  TPreview() { GraphLibrary().PrintPreviewing = true; }
  ~TPreview()
  {
    GraphLibrary().PrintPreviewing = false;
    GraphLibrary().PrintColorMode = kPrintColorFull;
  }
};

TEST(GraphTitle, ThreeLinesOfFourteenPixelsTakeTheirBlockAndStepByFourteen)
{
  TGraphFixture f;
  const int size = SizeForHeight(f.image.Canvas(), QStringLiteral("Arial"), 14);
  ASSERT_GT(size, 0);
  TGraphTitle& title = *f.graph.Title;
  title.Font.SetSize(size);
  for (const char* line : {"one", "two", "three"})
    title.AddLine(QString::fromLatin1(line));

  TRect r{0, 10, 400, 300};
  title.ReserveSpace(r);
  EXPECT_EQ(r.Top, 10 + 45);  // Round(14 * 3 * 1.07)
  EXPECT_EQ(title.TextRect, (TRect{0, 10, 400, 55}));

  TRect footRoom{0, 10, 400, 300};
  f.graph.Foot->Font.SetSize(size);
  f.graph.Foot->AddLine(QStringLiteral("foot"));
  f.graph.Foot->ReserveSpace(footRoom);
  EXPECT_EQ(footRoom.Bottom, 300 - 15);  // Round(14 * 1.07)
  EXPECT_EQ(f.graph.Foot->TextRect.Top, 285);

  title.SetHorizontalBounds({50, 0, 350, 0});
  f.image.Recording().Clear();
  title.Draw();
  const auto calls = TextCalls(f.image);
  ASSERT_EQ(calls.size(), 3u);
  for (std::size_t i = 0; i < calls.size(); ++i) {
    EXPECT_EQ(calls[i].Points[0], (platform::TPoint{50, 10 + 14 * int(i)}));
    EXPECT_EQ(calls[i].State.TextAlign, platform::TA_LEFT);
  }
  EXPECT_EQ(calls[2].Text, "three");
}

TEST(GraphTitle, WithoutLinesOrInvisibleItTakesNoRoomAndDrawsNothing)
{
  TGraphFixture f;
  TRect r{0, 0, 400, 300};
  f.graph.Title->ReserveSpace(r);
  f.graph.Title->Draw();
  EXPECT_EQ(r, (TRect{0, 0, 400, 300}));
  f.graph.Title->AddLine(QStringLiteral("hidden"));
  f.graph.Title->Visible = false;
  f.graph.Title->ReserveSpace(r);
  f.graph.Title->Draw();
  EXPECT_EQ(r, (TRect{0, 0, 400, 300}));
  EXPECT_TRUE(TextCalls(f.image).empty());
}

TEST(GraphTitle, AlignmentPlacesTheLinesOverThePlotArea)
{
  struct TCase {
    TAlignment alignment;
    unsigned flags;
    int x;
  };
  for (const TCase c : {TCase{taLeftJustify, platform::TA_LEFT, 60}, TCase{taCenter, platform::TA_CENTER, 205},
                        TCase{taRightJustify, platform::TA_RIGHT, 351}}) {
    TGraphFixture f;
    f.graph.Title->AddLine(QStringLiteral("Title"));
    f.graph.Title->Alignment = c.alignment;
    f.graph.Title->TextRect = {0, 0, 400, 20};
    f.graph.Title->SetHorizontalBounds({60, 0, 351, 0});
    f.graph.Title->Draw();
    const auto calls = TextCalls(f.image);
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].Points[0].X, c.x);
    EXPECT_EQ(calls[0].State.TextAlign, c.flags);
  }
}

TEST(GraphTitle, ShadowsByStyleAndTarget)
{
  const auto draw = [](TTitleStyle style, platform::TColor color, bool preview, bool blackAndWhite) {
    TGraphFixture f;
    std::optional<TPreview> previewing;
    if (preview)
      previewing.emplace();
    if (blackAndWhite)
      GraphLibrary().PrintColorMode = kPrintBlackAndWhite;
    f.graph.Title->AddLine(QStringLiteral("T"));
    f.graph.Title->Style = style;
    f.graph.Title->Font.SetColor(color);
    f.graph.Title->TextRect = {100, 50, 300, 70};
    f.graph.Title->Draw();
    return TextCalls(f.image);
  };
  TGraphFixture probe;
  probe.image.Canvas().Font().SetName(QStringLiteral("Arial"));
  probe.image.Canvas().Font().SetSize(1);
  const int u = probe.image.Canvas().TextHeight(QStringLiteral("a"));
  ASSERT_GT(u, 0);

  auto calls = draw(tsLowered, platform::clRed, false, false);
  ASSERT_EQ(calls.size(), 2u);
  EXPECT_EQ(calls[0].Points[0], (platform::TPoint{100 + u, 50 + u}));
  EXPECT_EQ(calls[0].State.Font.Color, platform::clWhite);
  EXPECT_EQ(calls[1].Points[0], (platform::TPoint{100, 50}));
  EXPECT_EQ(calls[1].State.Font.Color, platform::clRed);
  EXPECT_EQ(calls[1].State.Brush.Style, platform::TBrushStyle::bsClear);

  calls = draw(tsRaised, platform::clWhite, true, false);
  ASSERT_EQ(calls.size(), 2u);
  EXPECT_EQ(calls[0].Points[0], (platform::TPoint{100 - u, 50 - u}));
  EXPECT_EQ(calls[0].State.Font.Color, platform::clSilver);
  EXPECT_EQ(calls[1].State.Font.Color, platform::clBlack);  // white text is previewed black

  calls = draw(tsLowered, platform::clRed, true, true);
  ASSERT_EQ(calls.size(), 1u);
  EXPECT_EQ(calls[0].State.Font.Color, platform::clBlack);

  EXPECT_EQ(draw(tsNormal, platform::clBlue, false, false).size(), 1u);
}

TEST(GraphTitle, PreviewHalvesTheFontForTheBlockAndTheStep)
{
  TGraphFixture f;
  TGraphTitle& title = *f.graph.Title;
  title.Font.SetSize(20);
  title.AddLine(QStringLiteral("a"));
  title.AddLine(QStringLiteral("b"));
  platform::TCanvas& canvas = f.image.Canvas();
  canvas.Font().Assign(title.Font);
  const int full = canvas.TextHeight(QStringLiteral("()"));
  canvas.Font().SetSize(10);
  const int half = canvas.TextHeight(QStringLiteral("()"));

  TPreview preview;
  TRect r{0, 0, 400, 300};
  title.ReserveSpace(r);
  EXPECT_EQ(r.Top, platform::SafeRound(half * 2 * 1.07));
  title.Draw();
  const auto calls = TextCalls(f.image);
  ASSERT_EQ(calls.size(), 2u);
  EXPECT_EQ(calls[0].Points[0].Y, platform::SafeRound(full * 0.01));
  EXPECT_EQ(calls[1].Points[0].Y - calls[0].Points[0].Y, platform::SafeRound(half * 1.01));
  EXPECT_EQ(calls[0].State.Font.Height, -10 * calls[0].State.Font.PixelsPerInch / 72);
}

TEST(GraphTitle, PaintLaysOutTitleAndFootAroundThePlot)
{
  TGraphFixture f;
  f.AddSeries("s", PointsXY({{0, 0}, {1, 1}}));
  f.graph.Title->AddLine(QStringLiteral("Heading"));
  f.graph.Foot->AddLine(QStringLiteral("Footing"));
  f.graph.Paint();
  const TRect plot = f.graph.PlotRect;
  EXPECT_GE(plot.Top, f.graph.Title->TextRect.Bottom);
  EXPECT_LE(plot.Bottom, f.graph.Foot->TextRect.Top);
  EXPECT_EQ(f.graph.Title->TextRect.Left, plot.Left);
  EXPECT_EQ(f.graph.Foot->TextRect.Right, plot.Right);
  int found = 0;
  for (const auto& call : TextCalls(f.image))
    found += call.Text == "Heading" || call.Text == "Footing";
  EXPECT_EQ(found, 2);
}

}  // namespace
}  // namespace plot::test
