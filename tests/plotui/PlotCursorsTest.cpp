// The plot's own cursors: a picture with a hot spot for every number the plot selects, registered
// as a bitmap cursor, and a sheet of them saved as a PNG to be looked at.
#include "plotui/Plot.h"

#include <QPainter>
#include <gtest/gtest.h>

namespace plotui::test {
namespace {

TEST(PlotCursors, EveryNumberHasAPictureWithItsHotSpotOnIt)
{
  RegisterPlotCursors();
  const std::vector<platform::TCursor> expected{100, 101, 102, 103, 104, 105, 106, 107, 108,
                                                109, 113, 114, 115, 116, 117, 118, 119};
  EXPECT_EQ(PlotCursorNumbers(), expected);
  constexpr int kScale = 6, kColumns = 6;
  const int cell = kCursorSize * kScale + 8;
  QImage sheet(cell * kColumns, cell * 3, QImage::Format_RGB32);
  sheet.fill(qRgb(0x80, 0xA0, 0xC0));
  QPainter painter(&sheet);
  for (std::size_t i = 0; i < expected.size(); ++i) {
    const platform::TCursor number = expected[i];
    QPoint hot(-1, -1);
    const QImage picture = PlotCursorImage(number, &hot);
    ASSERT_EQ(picture.size(), QSize(kCursorSize, kCursorSize)) << number;
    EXPECT_TRUE(QRect(0, 0, kCursorSize, kCursorSize).contains(hot)) << number;
    int black = 0, white = 0;
    for (int y = 0; y < kCursorSize; ++y)
      for (int x = 0; x < kCursorSize; ++x) {
        const QRgb p = picture.pixel(x, y);
        if (qAlpha(p) == 0)
          continue;
        ++(qRed(p) == 0 ? black : white);
        EXPECT_TRUE(p == qRgb(0, 0, 0) || p == qRgb(255, 255, 255)) << number;
      }
    EXPECT_GT(black, 8) << number;
    EXPECT_GT(white, 8) << number;
    // Each picture differs from every other.
    for (std::size_t j = 0; j < i; ++j)
      EXPECT_NE(picture, PlotCursorImage(expected[j])) << number << " " << expected[j];
    const QCursor cursor = platform::CursorFor(number);
    EXPECT_EQ(cursor.shape(), Qt::BitmapCursor) << number;
    EXPECT_EQ(cursor.hotSpot(), hot) << number;
    const QRect at(int(i) % kColumns * cell, int(i) / kColumns * cell, kCursorSize * kScale, kCursorSize * kScale);
    painter.drawImage(at, picture);
    painter.fillRect(at.left() + hot.x() * kScale + 2, at.top() + hot.y() * kScale + 2, 2, 2, Qt::red);
  }
  painter.end();
  EXPECT_TRUE(sheet.save(QStringLiteral(VEXAL_TEST_OUTPUT_DIR) + "plotui-cursors.png"));
  EXPECT_TRUE(PlotCursorImage(110).isNull());
}

}  // namespace
}  // namespace plotui::test
