#include "platform/Bitmap.h"
#include "platform/FontCache.h"

#include <gtest/gtest.h>

#include <thread>
#include <vector>

namespace platform {
namespace {

struct Measure {
  int Width;
  TTextMetric Metric;
  friend bool operator==(const Measure& a, const Measure& b)
  {
    return a.Width == b.Width && a.Metric.Height == b.Metric.Height && a.Metric.Ascent == b.Metric.Ascent
           && a.Metric.InternalLeading == b.Metric.InternalLeading && a.Metric.AveCharWidth == b.Metric.AveCharWidth
           && a.Metric.MaxCharWidth == b.Metric.MaxCharWidth;
  }
};

struct FontCase {
  const char* Name;
  int Height;
  TFontStyles Style;
};

const FontCase kFonts[] = {{"Arial", -11, 0},      {"Arial", -22, 0},          {"Arial", -11, fsBold},
                           {"Courier New", -11, 0}, {"Times New Roman", 16, 0}, {"Arial", -11, 0}};

Measure MeasureOn(TCanvas& c, const FontCase& f)
{
  c.Font().SetName(f.Name);
  c.Font().SetHeight(f.Height);
  c.Font().SetStyle(f.Style);
  return {c.TextWidth("Wide text 123"), c.TextMetrics()};
}

// What a canvas that never measured before tells of the font.
Measure FreshMeasure(const FontCase& f)
{
  TBitmap b(4, 4);
  return MeasureOn(b.Canvas(), f);
}

TEST(CanvasFontReuse, MeasuresFollowEveryChangeOfTheFont)
{
  TBitmap b(4, 4);
  for (const FontCase& f : kFonts)
    EXPECT_EQ(MeasureOn(b.Canvas(), f), FreshMeasure(f)) << f.Name << ' ' << f.Height;
  // A colour or escapement change keeps the measures.
  const Measure before = MeasureOn(b.Canvas(), kFonts[0]);
  b.Canvas().Font().SetColor(clRed);
  b.Canvas().Font().SetEscapement(900);
  EXPECT_EQ((Measure{b.Canvas().TextWidth("Wide text 123"), b.Canvas().TextMetrics()}), before);
  EXPECT_NE(MeasureOn(b.Canvas(), kFonts[1]).Width, before.Width);
}

TEST(CanvasFontReuse, SameQtFontComparesWhatMakesTheQtFont)
{
  TFontData a;
  TFontData b = a;
  b.Color = clRed;
  b.Escapement = 450;
  b.Charset = SYMBOL_CHARSET;
  EXPECT_TRUE(SameQtFont(a, b));
  for (const auto change : {+[](TFontData& d) { d.Name = "Courier New"; }, +[](TFontData& d) { d.Height = 20; },
                            +[](TFontData& d) { d.Style = fsItalic; },
                            +[](TFontData& d) { d.Pitch = TFontPitch::fpFixed; }}) {
    TFontData c = a;
    change(c);
    EXPECT_FALSE(SameQtFont(a, c));
  }
}

TEST(CanvasFontReuse, TextAfterAFontChangeIsDrawnInTheNewFont)
{
  // One canvas draws in several fonts one after the other; each text must equal the text a fresh
  // canvas draws in that font alone.
  TBitmap shared(200, 40);
  for (const FontCase& f : kFonts) {
    TBitmap fresh(200, 40);
    for (TBitmap* b : {&shared, &fresh}) {
      TCanvas& c = b->Canvas();
      c.Brush().SetColor(clWhite);
      c.FillRect({0, 0, 200, 40});
      c.Font().SetName(f.Name);
      c.Font().SetHeight(f.Height);
      c.Font().SetStyle(f.Style);
      c.TextOut(3, 2, "Wide text 123");
    }
    EXPECT_EQ(shared.Image(), fresh.Image()) << f.Name << ' ' << f.Height;
  }
}

TEST(CanvasFontReuse, CanvasesOnTwoThreadsMeasureAlike)
{
  std::vector<Measure> expected;
  for (const FontCase& f : kFonts)
    expected.push_back(FreshMeasure(f));
  std::vector<Measure> got[2];
  std::vector<std::thread> threads;
  for (auto& out : got)
    threads.emplace_back([&out] {
      TBitmap b(4, 4);
      for (int round = 0; round < 20; ++round)
        for (const FontCase& f : kFonts)
          out.push_back(MeasureOn(b.Canvas(), f));
    });
  for (std::thread& t : threads)
    t.join();
  for (const auto& out : got) {
    ASSERT_EQ(out.size(), 20 * std::size(kFonts));
    for (std::size_t i = 0; i < out.size(); ++i)
      EXPECT_EQ(out[i], expected[i % std::size(kFonts)]) << i;
  }
}

}  // namespace
}  // namespace platform
