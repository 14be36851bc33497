// Breaking, placing and drawing of cell text.
#include "grid/paint/CellText.h"

#include "platform/Bitmap.h"
#include "platform/CanvasRecording.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace grid {
namespace {

using platform::TRect;

// A fixed-pitch font, so that widths are counts of characters.
class CellTextTest : public ::testing::Test {
 protected:
  void SetUp() override
  {
    canvas.Font().SetName("Courier New");
    canvas.Font().SetSize(10);
    metrics = ReadTextMetrics(canvas);
    ch = canvas.TextWidth("x");
    line = metrics.LineHeight();
  }

  int Fit(std::string_view text, TtsHorzAlignment alignment, int width)
  {
    int length = -1;
    EXPECT_TRUE(FitLine(canvas, metrics, text, alignment, width, length)) << text;
    return length;
  }

  struct Drawn {
    std::string Text;
    int X;
    int Y;
    TRect Clip;
    bool Underlined;
  };
  std::vector<Drawn> DrawnTexts() const
  {
    std::vector<Drawn> drawn;
    for (const platform::TCanvasRecord& r : canvas.Records())
      if (r.Op == platform::TCanvasOp::TextOut && !r.Text.isEmpty())
        drawn.push_back({r.Text.toStdString(), r.Points[0].X, r.Points[0].Y, r.RectAt(1),
                         (r.State.Font.Style & platform::fsUnderline) != 0});
    return drawn;
  }

  platform::TRecordingCanvas canvas;
  TtsTextMetrics metrics;
  int ch = 0;
  int line = 0;
};

TEST_F(CellTextTest, FitLineBreaksAtBlanksKeepsBreaksAndNeverReturnsAnEmptyLine)
{
  ASSERT_GT(ch, 0);
  struct Case {
    const char* text;
    TtsHorzAlignment alignment;
    int widthInChars;
    int length;
  };
  const Case cases[] = {
      {"hello world", htaLeft, 8, 6},          // the blank stays with the line it follows
      {"hello   world", htaCenter, 7, 8},      // all following blanks join the line
      {"hello   world", htaRight, 7, 5},       // trailing blanks start the next line
      {"   world", htaRight, 10, 8},           // which skips them
      {"abcdefghij", htaLeft, 4, 4},           // a word wider than the cell is broken
      {"abcdefghij", htaLeft, 0, 1},           // a line always advances
      {"ab\r\ncd", htaLeft, 10, 4},            // CR LF counts as one break
      {"ab\n\rcd", htaLeft, 10, 4},            // so does LF CR
      {"ab\n\ncd", htaLeft, 10, 3},            // an equal pair is two breaks
      {"\r\nx", htaLeft, 10, 2},               // an empty line takes its break
      {"one two three", htaLeft, 100, 13},     // everything fits
      {"one two three", htaLeft, 9, 8},        // "one two " up to the word that passes
  };
  for (const Case& c : cases)
    EXPECT_EQ(Fit(c.text, c.alignment, c.widthInChars * ch), c.length) << '"' << c.text << "\" in " << c.widthInChars;
  int length = -1;
  EXPECT_FALSE(FitLine(canvas, metrics, "", htaLeft, 100, length));
}

TEST_F(CellTextTest, LayoutWrapsOnlyFromALineAndAThirdAndCountsAFinalBreak)
{
  TtsLineStarts lines;
  const int width = 6 * ch + 1;  // six characters after the one pixel the layout keeps free
  LayoutLines(canvas, metrics, "aaa bbb ccc", line + line / 3 - 1, 0, lines, true, htaLeft, width);
  EXPECT_EQ(lines, TtsLineStarts{0});  // too low to wrap
  LayoutLines(canvas, metrics, "aaa bbb ccc", line + line / 3, 0, lines, true, htaLeft, width);
  EXPECT_EQ(lines, (TtsLineStarts{0, 4, 8}));
  LayoutLines(canvas, metrics, "aaa bbb ccc", 3 * line, 2, lines, true, htaLeft, width);
  EXPECT_EQ(lines, (TtsLineStarts{0, 4}));  // the maximum number of lines
  LayoutLines(canvas, metrics, "aaa bbb ccc", 3 * line, 0, lines, false, htaLeft, width);
  EXPECT_EQ(lines, TtsLineStarts{0});
  LayoutLines(canvas, metrics, "ab\r\n", 3 * line, 0, lines, true, htaLeft, width);
  EXPECT_EQ(lines, (TtsLineStarts{0, 4}));  // one extra empty line
  LayoutLines(canvas, metrics, "", 3 * line, 0, lines, true, htaLeft, width);
  EXPECT_EQ(lines, TtsLineStarts{0});

  EXPECT_EQ(MeasureTextHeight(canvas, metrics, "ab\r\n", width, true, htaLeft).Lines, 2);
  EXPECT_EQ(MeasureTextHeight(canvas, metrics, "aaa bbb ccc", width, true, htaLeft).Height, 3 * line);
  EXPECT_EQ(MeasureTextHeight(canvas, metrics, "aaa bbb ccc", width, false, htaLeft).Lines, 1);
  EXPECT_EQ(MeasureTextHeight(canvas, metrics, "", width, true, htaLeft).Lines, 1);
}

TEST_F(CellTextTest, FirstLineTopPlacesBottomAndCentredText)
{
  const TtsLineStarts two{0, 3};
  const TtsLineStarts five{0, 1, 2, 3, 4};
  const TRect cell{0, 10, 50, 10 + 3 * line + 2};
  EXPECT_EQ(FirstLineTop(10, cell, &two, metrics, vtaTop), 10);
  EXPECT_EQ(FirstLineTop(10, cell, nullptr, metrics, vtaBottom), 10);
  EXPECT_EQ(FirstLineTop(10, cell, &two, metrics, vtaBottom), cell.Bottom - metrics.Height - line);
  // More lines than fit: the highest whole-line position still inside the cell, counted up from the bottom.
  EXPECT_EQ(FirstLineTop(10, cell, &five, metrics, vtaBottom), cell.Bottom - metrics.Height - 2 * line);
  EXPECT_EQ(FirstLineTop(10, cell, &two, metrics, vtaCenter), 10 + (3 * line + 2 - 2 * line) / 2);
  EXPECT_EQ(FirstLineTop(10, cell, &five, metrics, vtaCenter), 10);  // does not fit: from the top
}

TEST_F(CellTextTest, WrappedTextIsAlignedPerLineWithoutTrailingBlanksOnTheRight)
{
  const TRect cell{10, 0, 10 + 8 * ch + 2, 4 * line};
  DrawCellText(canvas, "hello   world foo", cell.Height(), 0, true, vtaTop, htaRight, 0, cell.Left + 1, cell);
  std::vector<Drawn> drawn = DrawnTexts();
  ASSERT_EQ(drawn.size(), 3u);
  EXPECT_EQ(drawn[0].Text, "hello");
  EXPECT_EQ(drawn[1].Text, "world");
  EXPECT_EQ(drawn[2].Text, "foo");
  for (const Drawn& d : drawn)
    EXPECT_EQ(d.X + int(d.Text.size()) * ch, cell.Right - 1) << d.Text;
  EXPECT_EQ(drawn[1].Y, line);
  EXPECT_EQ(drawn[1].Clip.Top, line);  // the clip follows the lines down
  EXPECT_EQ(drawn[1].Clip.Left, cell.Left + 1);

  canvas.Clear();
  DrawCellText(canvas, "ab cd", cell.Height(), 0, true, vtaTop, htaCenter, 0, cell.Left + 1, cell);
  drawn = DrawnTexts();
  ASSERT_EQ(drawn.size(), 1u);
  EXPECT_EQ(drawn[0].X, cell.Left + (cell.Width() - 5 * ch) / 2);
}

TEST_F(CellTextTest, BottomAlignedTextCutsTheLinesThatDoNotFitAtTheBottom)
{
  const TRect cell{0, 0, 4 * ch + 2, 2 * line + 3};
  DrawCellText(canvas, "aaa bbb ccc ddd", cell.Height(), 0, true, vtaBottom, htaLeft, 0, 1, cell);
  const std::vector<Drawn> drawn = DrawnTexts();
  ASSERT_EQ(drawn.size(), 2u);
  EXPECT_EQ(drawn[0].Text, "aaa ");
  EXPECT_EQ(drawn[0].Y, cell.Bottom - metrics.Height - line);
  EXPECT_EQ(drawn[1].Text, "bbb ");
}

TEST_F(CellTextTest, ASingleLineCellShowsBreaksAsSpacesAndNeverWraps)
{
  const TRect cell{0, 0, 40 * ch, line + line / 3 - 1};
  DrawCellText(canvas, "ab\r\ncd\nef", cell.Height(), 0, true, vtaTop, htaLeft, 0, 1, cell);
  std::vector<Drawn> drawn = DrawnTexts();
  ASSERT_EQ(drawn.size(), 1u);
  EXPECT_EQ(drawn[0].Text, "ab cd ef");

  canvas.Clear();
  DrawCellText(canvas, "abc", cell.Height(), 0, false, vtaTop, htaRight, 0, 1, cell);
  drawn = DrawnTexts();
  ASSERT_EQ(drawn.size(), 1u);
  EXPECT_EQ(drawn[0].X, cell.Right - 1 - 3 * ch);

  // Right-aligned text wider than the cell shows its end, clipped at x.
  canvas.Clear();
  const TRect narrow{0, 0, 3 * ch, line};
  DrawCellText(canvas, "abcdef", narrow.Height(), 0, false, vtaTop, htaRight, 0, 2, narrow);
  drawn = DrawnTexts();
  ASSERT_EQ(drawn.size(), 1u);
  EXPECT_EQ(drawn[0].Text.back(), 'f');
  EXPECT_EQ(drawn[0].X + int(drawn[0].Text.size()) * ch, narrow.Right - 1);
  EXPECT_EQ(drawn[0].Clip.Left, 2);

  canvas.Clear();
  DrawCellText(canvas, "", narrow.Height(), 0, false, vtaTop, htaLeft, 0, 2, TRect{5, 5, 5, 20});
  EXPECT_TRUE(canvas.Records().empty());  // an empty rectangle draws nothing
}

TEST_F(CellTextTest, TheAcceleratorIsUnderlinedOnItsOwnLine)
{
  const TRect wide{0, 0, 40 * ch, line};
  DrawCellText(canvas, "Save", wide.Height(), 3, false, vtaTop, htaLeft, 0, 1, wide);
  std::vector<Drawn> drawn = DrawnTexts();
  ASSERT_EQ(drawn.size(), 3u);
  EXPECT_EQ(drawn[1].Text, "v");
  EXPECT_TRUE(drawn[1].Underlined);
  EXPECT_FALSE(drawn[2].Underlined);
  EXPECT_EQ(drawn[1].X, 1 + 2 * ch);

  canvas.Clear();
  const TRect tall{0, 0, 5 * ch + 1, 3 * line};
  DrawCellText(canvas, "abc defg", tall.Height(), 6, true, vtaTop, htaLeft, 0, 0, tall);
  drawn = DrawnTexts();
  ASSERT_EQ(drawn.size(), 4u);  // "abc ", then "d", "e" underlined, "fg"
  EXPECT_EQ(drawn[2].Text, "e");
  EXPECT_TRUE(drawn[2].Underlined);
  EXPECT_EQ(drawn[2].Y, line);
}

}  // namespace
}  // namespace grid
