// Painting a grid into its back buffer: fixed cells, lines, text, the colour beyond the last cell,
// selection, focus, cell buttons and the paint events, checked pixel by pixel.

#include "grid/window/Grid.h"
#include "grid/window/GridPainter.h"
#include "grid/window/MemoryCanvas.h"

#include "grid/model/CellProps.h"
#include "grid/model/CheckValues.h"
#include "grid/paint/CellText.h"
#include "platform/Canvas.h"
#include "platform/Color.h"

#include <gtest/gtest.h>

#include <QImage>
#include <string>

namespace grid {
namespace {

using platform::ColorToQColor;
using platform::TColor;

QRgb Rgb(TColor color) { return ColorToQColor(color).rgb() & 0xFFFFFF; }
QRgb At(const QImage& image, int x, int y) { return image.pixel(x, y) & 0xFFFFFF; }

// Columns of the default layout: row bar 14, data columns 64; heading 15, rows 14.
int ColLeft(int displayCol) { return displayCol == 0 ? 0 : 14 + (displayCol - 1) * 64; }
int RowTop(int displayRow) { return displayRow == 0 ? 0 : 15 + (displayRow - 1) * 14; }

// The x of the leftmost pixel darker than mid-grey in a rectangle; -1 when there is none.
int FirstInkX(const QImage& image, int left, int top, int right, int bottom)
{
  for (int x = left; x < right; ++x)
    for (int y = top; y < bottom; ++y)
      if (qGray(image.pixel(x, y)) < 100)
        return x;
  return -1;
}

// The number of pixel rows with ink in a rectangle.
int InkRows(const QImage& image, int left, int top, int right, int bottom)
{
  int rows = 0;
  for (int y = top; y < bottom; ++y) {
    for (int x = left; x < right; ++x) {
      if (qGray(image.pixel(x, y)) < 100) {
        ++rows;
        break;
      }
    }
  }
  return rows;
}

struct PaintedGrid {
  PaintedGrid()
  {
    grid.resize(400, 150);
    grid.SetStoreData(true);
    for (int r = 1; r <= grid.Rows(); ++r)
      for (int c = 1; c <= grid.Cols(); ++c)
        grid.SetCell(c, r, std::to_string(c) + "," + std::to_string(r));
  }
  QImage Paint() { return grid.PaintToImage(); }
  TtsGrid grid;
};

TEST(GridPaint, AFourByFourGridPaintsItsFixedCellsLinesTextAndTheColourBeyond)
{
  PaintedGrid g;
  const QImage image = g.Paint();
  image.save(VEXAL_TEST_OUTPUT_DIR "GridPaint4x4.png");
  // Headings and the row bar in the button face, with a grey frame line (3-D headings).
  EXPECT_EQ(At(image, ColLeft(2) + 30, 8), Rgb(platform::clBtnFace));
  EXPECT_EQ(At(image, 6, RowTop(3) + 10), Rgb(platform::clBtnFace));
  EXPECT_EQ(At(image, ColLeft(2) + 30, 14), Rgb(platform::clGray));
  EXPECT_EQ(At(image, 13, RowTop(2) + 5), Rgb(platform::clGray));
  // Silver lines between the data cells: under each row, right of each column.
  EXPECT_EQ(At(image, ColLeft(2) + 40, RowTop(2) - 1), Rgb(platform::clSilver));
  EXPECT_EQ(At(image, ColLeft(3) - 1, RowTop(2) + 5), Rgb(platform::clSilver));
  // Text starts 3 pixels inside the cell, or a pixel or so later by the glyph's own bearing.
  const int ink = FirstInkX(image, ColLeft(1), RowTop(1), ColLeft(2) - 1, RowTop(2) - 1);
  EXPECT_GE(ink, ColLeft(1) + 3);
  EXPECT_LE(ink, ColLeft(1) + 5);
  // The grid colour right of the last column and below the last row.
  const int gridRight = ColLeft(5);
  const int gridBottom = RowTop(5);
  EXPECT_EQ(At(image, gridRight + 20, 30), Rgb(platform::clWindow));
  EXPECT_EQ(At(image, 30, gridBottom + 20), Rgb(platform::clWindow));
  EXPECT_EQ(At(image, gridRight, RowTop(2) - 1), Rgb(platform::clWindow));  // no line runs on
}

TEST(GridPaint, TheFirstPaintIsDirectAndLaterOnesGoThroughTheSharedCanvas)
{
  PaintedGrid g;
  const QImage first = g.Paint();
  EXPECT_TRUE(g.grid.FirstPaintDone());
  EXPECT_FALSE(g.grid.CanvasAttached());
  const QImage second = g.Paint();
  EXPECT_TRUE(g.grid.CanvasAttached());
  EXPECT_EQ(first, second);
}

TEST(GridPaint, AGridGivesItsUseOfTheSharedCanvasBackWhenItGoes)
{
  const int before = GridPaintCanvas().UseCount();
  {
    PaintedGrid a;
    PaintedGrid b;
    a.Paint();
    a.Paint();
    b.Paint();
    b.Paint();
    EXPECT_EQ(GridPaintCanvas().UseCount(), before + 2);
  }
  EXPECT_EQ(GridPaintCanvas().UseCount(), before);
}

TEST(GridPaint, WithoutGridLinesOnlyTheFixedCellsKeepTheirFrame)
{
  PaintedGrid g;
  g.grid.SetGridLines(glNone);
  const QImage image = g.Paint();
  EXPECT_EQ(At(image, ColLeft(2) - 1, RowTop(2) + 5), Rgb(platform::clWindow));
  EXPECT_EQ(At(image, ColLeft(2) + 40, RowTop(2) - 1), Rgb(platform::clWindow));
  EXPECT_EQ(At(image, ColLeft(2) + 30, 14), Rgb(platform::clGray));
  g.grid.SetHeading3D(false);
  const QImage flat = g.Paint();
  EXPECT_EQ(At(flat, ColLeft(2) + 30, 14), Rgb(platform::clBlack));
}

TEST(GridPaint, ThreeDimensionalCellsKeepGreyLinesWithoutGridLines)
{
  PaintedGrid g;
  g.grid.SetGridLines(glNone);
  g.grid.SetIs3D(true);
  const QImage image = g.Paint();
  image.save(VEXAL_TEST_OUTPUT_DIR "GridPaint3D.png");
  EXPECT_EQ(At(image, ColLeft(3) - 1, RowTop(2) + 5), Rgb(platform::clGray));
  EXPECT_EQ(At(image, ColLeft(2) + 30, RowTop(3) - 1), Rgb(platform::clGray));
  // The text rectangle stays inside: its raised edge is white on the left, in the button face.
  EXPECT_EQ(At(image, ColLeft(2), RowTop(2) + 5), Rgb(platform::clWhite));
  EXPECT_EQ(At(image, ColLeft(2) + 50, RowTop(2) + 8), Rgb(platform::clBtnFace));
}

TEST(GridPaint, WordWrapStartsAtALineAndAThirdAndBreaksLongWords)
{
  PaintedGrid g;
  g.grid.Model().Level.WordWrap = wwOn;
  g.grid.SetCell(1, 1, "alpha beta gamma delta");
  g.grid.SetCell(2, 1, "Supercalifragilistic");
  // The smallest row height that counts as multi-line, for the grid's font.
  const QImage probe = g.Paint();
  platform::TImageCanvas canvas(const_cast<QImage&>(probe));
  canvas.Font().Assign(g.grid.Model().Font);
  const int lineHeight = ReadTextMetrics(canvas).LineHeight();
  int multi = lineHeight;
  while (!IsMultiLineHeight(multi, lineHeight))
    ++multi;
  auto inkRows = [&](int rowHeight, int col) {
    g.grid.SetRowHeightOf(1, rowHeight + 1);  // the row height holds its grid line
    const QImage image = g.Paint();
    return InkRows(image, ColLeft(col) + 1, RowTop(1) + lineHeight, ColLeft(col + 1) - 1, RowTop(1) + rowHeight);
  };
  EXPECT_EQ(inkRows(multi - 1, 1), 0) << "below a line and a third the text stays on one line";
  EXPECT_GT(inkRows(3 * lineHeight, 1), 0) << "a tall row wraps at the blanks";
  EXPECT_GT(inkRows(3 * lineHeight, 2), 0) << "a word longer than the cell breaks";
}

TEST(GridPaint, RightAlignedWrappedTextShowsNoTrailingBlanks)
{
  PaintedGrid g;
  g.grid.Model().Level.HorzAlignment = htaRight;
  g.grid.Model().Level.WordWrap = wwOn;
  g.grid.SetRowHeightOf(1, 40);
  g.grid.SetRowHeightOf(2, 40);
  g.grid.SetCell(1, 1, "ab cd");
  g.grid.SetCell(1, 2, "ab cd     ");
  const QImage image = g.Paint();
  const QImage plain = image.copy(ColLeft(1), RowTop(1), 63, 39);
  const QImage blanks = image.copy(ColLeft(1), RowTop(1) + 40, 63, 39);
  EXPECT_EQ(plain, blanks);
}

TEST(GridPaint, SelectedRowsAreInvertedOrColouredByTheSelectionType)
{
  PaintedGrid g;
  g.grid.Model().RowSelection().Set(2, true);
  const QImage inverted = g.Paint();
  EXPECT_EQ(At(inverted, ColLeft(2) + 50, RowTop(2) + 7), 0x000000u);  // white inverted
  g.grid.SelectionType = sltColor;
  g.grid.SelectionColor = platform::clYellow;
  const QImage coloured = g.Paint();
  EXPECT_EQ(At(coloured, ColLeft(2) + 50, RowTop(2) + 7), Rgb(platform::clYellow));
  EXPECT_EQ(At(coloured, ColLeft(2) + 50, RowTop(3) + 7), Rgb(platform::clWindow));
}

TEST(GridPaint, ADoubleFocusBorderLiesOnePixelOutsideWithASecondFrameInside)
{
  PaintedGrid g;
  g.grid.FocusBorder = fbDouble;
  g.grid.AlwaysShowFocus = true;
  g.grid.MoveCurrentCell(2, 2);
  const QImage image = g.Paint();
  const int left = ColLeft(2) - 1;
  const int top = RowTop(2) - 1;
  EXPECT_EQ(At(image, left, top + 6), 0u);
  EXPECT_EQ(At(image, left + 1, top + 6), 0u);
  EXPECT_EQ(At(image, left + 30, top), 0u);
  EXPECT_EQ(At(image, left + 30, top + 1), 0u);
  EXPECT_NE(At(image, left + 2, top + 6), 0u);
  EXPECT_NE(At(image, left - 1, top + 6), 0u);
}

TEST(GridPaint, DrawInfoAndPaintCellEvents)
{
  PaintedGrid g;
  g.grid.Model().Level.HorzAlignment = htaRight;
  g.grid.OnGetDrawInfo = [](TtsBaseGrid&, int dataCol, int, TtsDrawInfo& info) {
    if (dataCol == 1)
      info.HorzAlignment = htaDefault;
    if (dataCol == 3)
      info.Color = platform::clAqua;
  };
  std::vector<int> painted;
  g.grid.OnPaintCell = [&](TtsBaseGrid&, int dataCol, int dataRow, const platform::TRect&, TtsPaintCellState state,
                           bool& cancel) {
    if (dataRow == 2)
      cancel = true;
    if (dataCol == 1 && dataRow == 1)
      painted.push_back(state);
  };
  const QImage image = g.Paint();
  // htaDefault coming back aligns left; the other columns stay right-aligned.
  const int left = FirstInkX(image, ColLeft(1), RowTop(1), ColLeft(2) - 1, RowTop(2) - 1);
  EXPECT_LE(left, ColLeft(1) + 5);
  EXPECT_GT(FirstInkX(image, ColLeft(2), RowTop(1), ColLeft(3) - 1, RowTop(2) - 1), ColLeft(2) + 30);
  EXPECT_EQ(At(image, ColLeft(3) + 10, RowTop(1) + 2), Rgb(platform::clAqua));
  // A cancelled cell shows none of its text.
  EXPECT_EQ(FirstInkX(image, ColLeft(1), RowTop(2), ColLeft(2) - 1, RowTop(3) - 1), -1);
  ASSERT_FALSE(painted.empty());
  EXPECT_EQ(painted.front(), kPaintCurrent);
}

TEST(GridPaint, TheCurrentRowShowsItsIndicatorInTheRowBar)
{
  PaintedGrid g;
  g.grid.MoveCurrentCell(1, 3);
  const QImage image = g.Paint();
  EXPECT_GT(InkRows(image, 1, RowTop(3), 12, RowTop(4) - 1), 5);
  EXPECT_EQ(InkRows(image, 1, RowTop(2), 12, RowTop(3) - 1), 0);
}

struct ButtonGrid : PaintedGrid {
  ButtonGrid()
  {
    grid.Model().Col(2).SetButtonType(btCombo);
    grid.MoveCurrentCell(1, 1);
  }
  // Leftmost ink in the button strip of column 2, row 2.
  int GlyphLeft()
  {
    const QImage image = Paint();
    return FirstInkX(image, ColLeft(3) - 20, RowTop(2), ColLeft(3) - 1, RowTop(3) - 1);
  }
};

TEST(GridPaint, ACellButtonShowsItsGlyphAndMovesItWhenPressed)
{
  ButtonGrid g;
  const int idle = g.GlyphLeft();
  ASSERT_GT(idle, 0);
  g.grid.PressedButtonCell = {2, 2};
  g.grid.CellButtonPressed = true;
  EXPECT_EQ(g.GlyphLeft(), idle + 1);
  g.grid.CellButtonPressed = false;
  g.grid.InactiveButtonState = ibsNone;
  EXPECT_EQ(g.GlyphLeft(), -1);
  g.grid.InactiveButtonState = ibsPicture;
  EXPECT_EQ(g.GlyphLeft(), idle);
}

TEST(GridPaint, SpinHalvesSplitTheButtonAndAnswerHitTests)
{
  ButtonGrid g;
  g.grid.Model().Col(2).SetButtonType(btVertSpin);
  g.grid.SetRowHeightOf(2, 30);
  g.Paint();
  const int right = ColLeft(3) - 2;
  const int top = RowTop(2);
  EXPECT_EQ(g.grid.SpinPartAt(right - 2, top + 2, 2, 2), 1);
  EXPECT_EQ(g.grid.SpinPartAt(right - 2, top + 12, 2, 2), 2);
  EXPECT_EQ(g.grid.SpinPartAt(ColLeft(2) + 5, top + 2, 2, 2), 0);
  EXPECT_TRUE(g.grid.IsOnSpinPart(right - 2, top + 2, 2, 2, 1));
  EXPECT_FALSE(g.grid.IsOnSpinPart(right - 2, top + 2, 2, 2, 0));
}

TEST(GridPaint, HeadingsCheckBoxesButtonsAndThreeDimensionalColumnsTogether)
{
  PaintedGrid g;
  TtsGridModel& model = g.grid.Model();
  model.Level.HeadingHorzAlignment = htaCenter;
  const char* headings[] = {"Name", "On", "Unit", "Value"};
  for (int c = 1; c <= 4; ++c)
    model.Col(c).SetHeading(headings[c - 1]);
  model.Col(2).SetControlType(ctCheck);
  g.grid.SetCell(2, 1, std::int32_t(cbChecked));
  g.grid.SetCell(2, 2, std::int32_t(cbUnchecked));
  model.Col(3).SetButtonType(btCombo);
  model.Col(4).SetIs3D(true);
  model.Col(1).SetColor(platform::clBtnFace);
  model.Col(4).SetSortPicture(spUp);
  model.Col(4).SetHeadingButton(cbButton);
  const QImage image = g.Paint();
  image.save(VEXAL_TEST_OUTPUT_DIR "GridPaintKinds.png");
  // The centred heading text sits in the middle of its cell.
  const int ink = FirstInkX(image, ColLeft(1), 1, ColLeft(2) - 1, 13);
  EXPECT_GT(ink, ColLeft(1) + 15);
  // A checked box shows its mark, an unchecked one only its frame and white inside.
  EXPECT_GT(InkRows(image, ColLeft(2) + 25, RowTop(1) + 3, ColLeft(2) + 38, RowTop(2) - 3), 2);
  EXPECT_EQ(InkRows(image, ColLeft(2) + 27, RowTop(2) + 4, ColLeft(2) + 36, RowTop(3) - 4), 0);
  // The first column's own colour.
  EXPECT_EQ(At(image, ColLeft(1) + 50, RowTop(3) + 2), Rgb(platform::clBtnFace));
}

TEST(GridPaint, TheHeadingFontFollowsTheGridFontUntilChangedByItself)
{
  TtsGrid grid;
  grid.Model().Font.SetSize(14);
  EXPECT_EQ(grid.HeadingFont().Size(), 14);
  EXPECT_TRUE(grid.HeadingParentFont);
  grid.HeadingFont().SetSize(9);
  EXPECT_FALSE(grid.HeadingParentFont);
  grid.Model().Font.SetSize(12);
  EXPECT_EQ(grid.HeadingFont().Size(), 9);
  grid.SetHeadingParentFont(true);
  EXPECT_EQ(grid.HeadingFont().Size(), 12);
  EXPECT_TRUE(grid.HeadingParentFont);
}

}  // namespace
}  // namespace grid
