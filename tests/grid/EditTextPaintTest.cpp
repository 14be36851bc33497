// The in-cell editor's text: the selection in its colours, the scroll offset and the top line.
#include "grid/paint/CellText.h"

#include "platform/Bitmap.h"
#include "platform/Canvas.h"
#include "platform/Color.h"

#include <gtest/gtest.h>

#include <string>

namespace grid {
namespace {

using platform::TRect;

constexpr platform::TColor kBack = 0xFF0000;  // blue
constexpr platform::TColor kText = 0x00FFFF;  // yellow

class EditTextPaint : public ::testing::Test {
 protected:
  EditTextPaint() : bitmap(200, 60)
  {
    canvas().Font().SetName("Courier New");
    canvas().Font().SetSize(10);
    ch = canvas().TextWidth("x");
    canvas().Brush().SetColor(platform::clWhite);
  }
  platform::TCanvas& canvas() { return bitmap.Canvas(); }
  QRgb At(int x, int y) const { return bitmap.Image().pixel(x, y) & 0xFFFFFF; }
  // The leftmost and rightmost x of pixels in a colour on row band [top, bottom); -1 when none.
  std::pair<int, int> Span(QRgb color, int top, int bottom) const
  {
    int left = -1;
    int right = -1;
    for (int x = 0; x < bitmap.Width(); ++x)
      for (int y = top; y < bottom; ++y)
        if (At(x, y) == color) {
          if (left < 0)
            left = x;
          right = x;
        }
    return {left, right};
  }
  void Draw(std::string_view text, int selStart, int selLength, const TtsLineStarts* lines, int topLine = 0,
            int offset = 0, int height = 16, bool wrap = false)
  {
    canvas().FillRect({0, 0, 200, 60});
    DrawEditText(canvas(), text, height, wrap, vtaTop, htaLeft, kText, kBack, selLength, selStart, lines, topLine,
                 offset, 0, 3, {0, 0, 200, height});
  }
  platform::TBitmap bitmap;
  int ch = 0;
  const TtsLineStarts oneLine{0};
  const QRgb blue = platform::ColorToQColor(kBack).rgb() & 0xFFFFFF;
};

TEST_F(EditTextPaint, TheSelectionHasItsBackgroundUnderExactlyTheSelectedCharacters)
{
  Draw("hello world", 6, 5, &oneLine);
  const auto [left, right] = Span(blue, 0, 16);
  EXPECT_EQ(left, 3 + 6 * ch);
  EXPECT_EQ(right, 3 + 11 * ch - 1);
  Draw("hello world", 0, 0, &oneLine);
  EXPECT_EQ(Span(blue, 0, 16).first, -1);
}

TEST_F(EditTextPaint, WithoutLinesOnlyTheRectangleIsFilled)
{
  Draw("hello", 0, 5, nullptr);
  EXPECT_EQ(Span(blue, 0, 16).first, -1);
  EXPECT_EQ(At(10, 5), 0xFFFFFFu);
}

TEST_F(EditTextPaint, TheScrollOffsetShiftsTextAndSelection)
{
  Draw("hello world", 8, 2, &oneLine, 0, 6);  // "world" shown from x, "rl" selected
  EXPECT_EQ(Span(blue, 0, 16).first, 3 + 2 * ch);
}

TEST_F(EditTextPaint, WrappedTextStartsAtTheTopLine)
{
  // "aaaa " / "bbbb": the second line on top, its selection counted from the text's start.
  const TtsLineStarts lines{0, 5};
  Draw("aaaa bbbb", 6, 2, &lines, 1, 0, 50, true);
  const auto [left, right] = Span(blue, 0, 50);
  EXPECT_EQ(left, 3 + 1 * ch);
  EXPECT_EQ(right, 3 + 3 * ch - 1);
  EXPECT_LT(Span(blue, 0, 16).first, 0 + 100);  // on the first drawn line
}

}  // namespace
}  // namespace grid
