#include "chart/support/ChartExceptions.h"
#include "chart/support/ChartFont.h"
#include "chart/support/HitTests.h"
#include "chart/support/LibraryItems.h"
#include "chart/support/Messages.h"
#include "chart/support/NiceStep.h"
#include "chart/support/Palette.h"
#include "chart/support/TextLines.h"

#include "platform/Bitmap.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <limits>

namespace chart {
namespace {

TEST(ChartPalette, WrapsEveryIndexOntoSixteenColours)
{
  EXPECT_EQ(PaletteColor(0), platform::clRed);
  EXPECT_EQ(PaletteColor(16), platform::clRed);
  EXPECT_EQ(PaletteColor(15), platform::clBlack);
  EXPECT_EQ(PaletteColor(13), platform::clSilver);
  EXPECT_EQ(PaletteColor(-1), PaletteColor(1));  // never an index outside the table
  EXPECT_EQ(PatternBrushStyle(6), platform::TBrushStyle::bsHorizontal);
  EXPECT_EQ(PatternBrushStyle(5), platform::TBrushStyle::bsDiagCross);
}

TEST(ChartAngle, AcceptsZeroTo359AndNamesTheAngleOtherwise)
{
  EXPECT_NO_THROW(CheckAngle(0, "Rotation"));
  EXPECT_NO_THROW(CheckAngle(359, "Rotation"));
  EXPECT_THROW(CheckAngle(-1, "Rotation"), ChartException);
  try {
    CheckAngle(360, "Axis Labels");
    FAIL();
  } catch (const ChartException& e) {
    EXPECT_EQ(e.Message(), "Axis Labels Angle must be between 0 and 359 degrees");
  }
  EXPECT_EQ(FormatMessage(msg::Chart3DPercent, {1, 100}), "3D effect percent must be between 1 and 100");
  EXPECT_EQ(FormatMessage(msg::LabelsSeparation), "Labels Separation % must be greater than 0");
}

TEST(NextNiceStep, RunsOneTwoFiveOverEveryDecade)
{
  const std::pair<double, double> cases[] = {{0.3, 0.5}, {7, 10},     {10, 20},    {1, 2},     {2, 5},
                                             {5, 10},    {0.03, 0.05}, {300, 500}, {1.5, 2},   {4.99, 5},
                                             {0.1, 0.2}, {1e-5, 2e-5}, {9e20, 1e21}};
  for (const auto& [step, next] : cases)
    EXPECT_DOUBLE_EQ(NextNiceStep(step), next) << step;
}

TEST(NextNiceStep, ReturnsStepsWithoutSuccessorUnchanged)
{
  // Before, these recursed without end (0, negatives, infinities, NaN) or overflowed.
  const double inf = std::numeric_limits<double>::infinity();
  for (double step : {0.0, -0.0, -5.0, -inf, inf, DBL_MAX})
    EXPECT_EQ(NextNiceStep(step), step) << step;
  EXPECT_TRUE(std::isnan(NextNiceStep(std::nan(""))));
  EXPECT_DOUBLE_EQ(NextNiceStep(3e-310), 5e-310);  // subnormal steps still step
}

TEST(ChartHitTests, LinesAndTheirEnds)
{
  struct Case {
    platform::TPoint p;
    int x0, y0, x1, y1, tolerance;
    bool near;
  };
  const Case cases[] = {
      {{5, 5}, 0, 0, 10, 10, 0, true},      {{5, 6}, 0, 0, 10, 10, 0, false},   // a pixel off
      {{12, 12}, 0, 0, 10, 10, 0, false},   {{12, 12}, 0, 0, 10, 10, 2, true},  // past an end
      {{-3, -3}, 0, 0, 10, 10, 2, false},   {{3, 3}, 3, 3, 3, 3, 0, false},     // a point segment
      // Products beyond 32 bits: the point lies 65536 px off the line, not on it.
      {{100, 65536}, 0, 0, 65536, 0, 0, false},
      {{50000, 50000}, 0, 0, 100000, 100000, 0, true},
      {{0, 0}, -2000000000, 0, 2000000000, 1, 0, true}, {{2000000000, 0}, -2000000000, 0, 2000000000, 1, 0, false},
  };
  for (const auto& c : cases)
    EXPECT_EQ(IsNearLine(c.p, c.x0, c.y0, c.x1, c.y1, c.tolerance), c.near) << c.p.X << "," << c.p.Y;
  EXPECT_TRUE(IsOnLine({5, 5}, 0, 0, 10, 10));
}

TEST(ChartHitTests, PolygonsTrianglesAndEllipses)
{
  const platform::TPoint square[] = {{0, 0}, {10, 0}, {10, 10}, {0, 10}};
  EXPECT_TRUE(IsInsidePolygon({5, 5}, square));
  EXPECT_TRUE(IsInsidePolygon({0, 0}, square));
  EXPECT_FALSE(IsInsidePolygon({10, 5}, square));
  EXPECT_FALSE(IsInsidePolygon({5, 10}, square));
  EXPECT_FALSE(IsInsidePolygon({5, 5}, {}));
  const platform::TPoint far[] = {{-2000000000, -2000000000}, {2000000000, -2000000000}, {0, 2000000000}};
  EXPECT_TRUE(IsInsidePolygon({0, 0}, far));
  EXPECT_FALSE(IsInsidePolygon({1999999999, 1999999999}, far));

  EXPECT_TRUE(IsInsideTriangle({10, 5}, 0, 20, 10, 0));  // apex (10, 0) above the base at y 10
  EXPECT_FALSE(IsInsideTriangle({1, 1}, 0, 20, 10, 0));
  EXPECT_TRUE(IsInsideSideTriangle({5, 10}, 0, 20, 0, 10));
  EXPECT_FALSE(IsInsideSideTriangle({9, 1}, 0, 20, 0, 10));

  EXPECT_FALSE(IsInsideEllipse({5, 5}, {5, 0, 5, 10}));  // no width
  EXPECT_TRUE(IsInsideEllipse({10, 5}, {0, 0, 20, 10}));
  EXPECT_TRUE(IsInsideEllipse({0, 5}, {0, 0, 20, 10}));
  EXPECT_FALSE(IsInsideEllipse({1, 1}, {0, 0, 20, 10}));
  EXPECT_TRUE(IsInsideEllipse({0, 0}, {-2000000000, -100000, 2000000000, 100000}));
}

TEST(ChartTexts, LinesAndNumberFormats)
{
  EXPECT_EQ(CountTextLines(""), 0);
  EXPECT_EQ(CountTextLines("a"), 1);
  EXPECT_EQ(CountTextLines("a\r"), 1);
  EXPECT_EQ(CountTextLines("a\rb"), 2);
  EXPECT_EQ(CountTextLines("\r\r"), 2);

  QString text = "one<br>two<br>three";
  MarkLineBreaks(text, "<br>");
  EXPECT_EQ(text, "one\rbr>two\rbr>three");
  // A separator that starts with the line separator used to loop for ever.
  QString marked = "a\rb";
  MarkLineBreaks(marked, "\r");
  EXPECT_EQ(marked, "a\rb");
  MarkLineBreaks(marked, "");
  EXPECT_EQ(marked, "a\rb");

  const TNumberSeparators german{u'.', u','};
  EXPECT_EQ(ToLocalNumberFormat("1,234.5", german), "1.234,5");
  EXPECT_EQ(ToStandardNumberFormat("1.234,5", german), "1,234.5");
  EXPECT_EQ(ToLocalNumberFormat("1,234.5", {}), "1,234.5");
}

TEST(ChartFonts, DefaultFontAndTheJapaneseRule)
{
  int size = 8;
  AdjustFontSizeForLocale(size, kJapaneseLanguage);
  EXPECT_EQ(size, 8);  // the class library's default font is 8 points at 96 dpi
  size = 10;
  AdjustFontSizeForLocale(size, kJapaneseLanguage);
  EXPECT_EQ(size, 10);
  EXPECT_EQ(DefaultFontSize(0), 8);
  EXPECT_EQ(DefaultFontName(0), "Arial");
  EXPECT_EQ(DefaultFontName(kJapaneseLanguage), platform::TFontData().Name);

  int changes = 0;
  auto font = NewChartFont([&changes] { ++changes; });
  EXPECT_TRUE(IsStandardFont(*font));
  EXPECT_EQ(changes, 0);
  font->SetSize(9);
  EXPECT_EQ(changes, 1);
  EXPECT_FALSE(IsStandardFont(*font));
}

TEST(ChartLibraryItems, ExtensionsCursorsPicturesAndNames)
{
  EXPECT_EQ(ExportExtension(0), "BMP");
  EXPECT_EQ(ExportExtension(3), "TEE");
  EXPECT_EQ(ExportExtension(4), "");
  EXPECT_EQ(ExportExtension(-1), "");

  platform::TCursor cursor = 0;
  ASSERT_TRUE(CursorFromName("crTeeHand", cursor));
  EXPECT_EQ(cursor, 2020);
  EXPECT_TRUE(CursorFromName("crHandPoint", cursor));
  EXPECT_EQ(cursor, platform::crHandPoint);
  EXPECT_FALSE(CursorFromName("crNothing", cursor));
  QString name;
  ASSERT_TRUE(CursorName(2020, name));
  EXPECT_EQ(name, "crTeeHand");
  RegisterTeeHandCursor();
  EXPECT_TRUE(platform::IsCursorRegistered(crTeeHand));

  TClassImages images;
  QImage parent(24, 24, QImage::Format_RGB32);
  parent.fill(Qt::red);
  images.Add("TCustomSeries", parent);
  platform::TBitmap bitmap(3, 3);
  const QString chain[] = {"TLineSeries", "TCustomSeries"};
  EXPECT_TRUE(images.LoadClassImage(chain, bitmap));
  EXPECT_EQ(bitmap.Width(), 24);
  platform::TBitmap untouched(3, 3);
  const QString unknown[] = {"TPieSeries"};
  EXPECT_FALSE(images.LoadClassImage(unknown, untouched));
  EXPECT_EQ(untouched.Width(), 3);

  QObject owner;
  for (const char* child : {"Series1", "Series2", "Series4"}) {
    auto* object = new QObject(&owner);  // owned by owner
    object->setObjectName(child);
  }
  EXPECT_EQ(MakeUniqueName(owner, "Series"), "Series3");
  EXPECT_EQ(MakeUniqueName(owner, "Chart"), "Chart1");
}

}  // namespace
}  // namespace chart
