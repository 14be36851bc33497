// A cell range painted at once in a selection state, by inversion or by colour; the colour pattern
// of colour selections and focus; the kind of selection kept and reported; the row bar drawn at
// once when the current row changes.

#include "grid/window/Grid.h"

#include "grid/dropdown/ComboGrid.h"
#include "grid/dropdown/DropDownForm.h"
#include "grid/model/PictureHandles.h"

#include "platform/Color.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <string>
#include <vector>

namespace grid {
namespace {

using platform::TColor;

QRgb Rgb(TColor color) { return platform::ColorToQColor(color).rgb() & 0xFFFFFF; }
QRgb At(const QImage& image, int x, int y) { return image.pixel(x, y) & 0xFFFFFF; }

// Columns of the default layout: row bar 14, data columns 64; heading 15, rows 14.
int ColLeft(int displayCol) { return displayCol == 0 ? 0 : 14 + (displayCol - 1) * 64; }
int RowTop(int displayRow) { return displayRow == 0 ? 0 : 15 + (displayRow - 1) * 14; }

// A grid whose direct paints are pictures of the back buffer, taken while they are drawn.
struct DirectGrid : TtsGrid {
  DirectGrid()
  {
    resize(400, 150);
    SetScrollBars(TScrollStyle::ssNone);
    SetStoreData(true);
    for (int r = 1; r <= Rows(); ++r)
      for (int c = 1; c <= Cols(); ++c)
        SetCell(c, r, std::to_string(c) + "," + std::to_string(r));
    show();
    QApplication::processEvents();
  }
  void PaintRectNow(const QRect& rect) override
  {
    rects.push_back(rect);
    const TtsSelectedCache& cache = IsCellSelectedCache();
    cached.push_back(std::to_string(cache.Col) + "," + std::to_string(cache.Row) + (cache.Selected ? "+" : "-"));
    shots.push_back(PaintToImage());
  }
  std::vector<QRect> rects;
  std::vector<std::string> cached;
  std::vector<QImage> shots;
};

TEST(SelectionPaint, AnInvertedRangeIsPaintedOnceAsSelectedAndBackAsUnselected)
{
  DirectGrid g;
  g.SelectionType = sltInvert;
  const TtsRange range = MakeRange(2, 2, 3, 3);
  g.RepaintRangeInState(range, {}, true);
  ASSERT_EQ(g.rects.size(), 1u);  // the whole range at once
  EXPECT_TRUE(g.rects[0].contains(QPoint(ColLeft(2) + 2, RowTop(2) + 2)));
  EXPECT_TRUE(g.rects[0].contains(QPoint(ColLeft(4) - 3, RowTop(4) - 3)));
  EXPECT_FALSE(g.rects[0].contains(QPoint(ColLeft(4) + 2, RowTop(2) + 2)));
  const QImage selected = g.shots[0];
  EXPECT_EQ(At(selected, ColLeft(3) + 50, RowTop(3) + 7), 0x000000u);  // white inverted
  EXPECT_EQ(At(selected, ColLeft(4) + 50, RowTop(3) + 7), Rgb(platform::clWindow));
  g.RepaintRangeInState(range, {}, false);
  ASSERT_EQ(g.rects.size(), 2u);
  EXPECT_EQ(At(g.shots[1], ColLeft(3) + 50, RowTop(3) + 7), Rgb(platform::clWindow));
  // Nothing selected stays behind once the paints are done.
  EXPECT_FALSE(g.IsCellSelected(3, 3));
  EXPECT_EQ(At(g.PaintToImage(), ColLeft(3) + 50, RowTop(3) + 7), Rgb(platform::clWindow));
}

TEST(SelectionPaint, AColouredRangeIsPaintedCellByCellInTheAskedStateWithItsHeadingInverted)
{
  DirectGrid g;
  g.SelectionType = sltColor;
  g.SetSelectionColor(platform::clYellow);
  std::vector<std::string> painted;
  g.OnPaintCell = [&](TtsBaseGrid& grid, int dataCol, int dataRow, const platform::TRect&, TtsPaintCellState state,
                      bool&) {
    const TtsBaseGrid::TtsSelectedCache& cache = grid.IsCellSelectedCache();
    if (dataCol == cache.Col && dataRow == cache.Row)
      painted.push_back(std::to_string(dataCol) + "," + std::to_string(dataRow) +
                        ((state & kPaintSelected) != 0 ? "+" : "-"));
  };
  g.RepaintRangeInState(MakeRange(2, 0, 3, 1), {}, true);
  // Row by row, left to right; the heading cells are asked as unselected and drawn inverted.
  EXPECT_EQ(g.cached, (std::vector<std::string>{"2,0-", "3,0-", "2,1+", "3,1+"}));
  ASSERT_EQ(g.shots.size(), 4u);
  EXPECT_EQ(At(g.shots[2], ColLeft(2) + 50, RowTop(1) + 7), Rgb(platform::clYellow));
  EXPECT_EQ(At(g.shots[3], ColLeft(3) + 50, RowTop(1) + 7), Rgb(platform::clYellow));
  EXPECT_EQ(At(g.shots[3], ColLeft(3) + 50, RowTop(2) + 7), Rgb(platform::clWindow));
  g.shots[3].save(VEXAL_TEST_OUTPUT_DIR "ColouredRangeRepaint.png");
  const QRgb face = Rgb(platform::clBtnFace);
  EXPECT_EQ(At(g.shots[0], ColLeft(2) + 50, 7), ~face & 0xFFFFFF);  // heading inverted
  EXPECT_EQ(At(g.shots[0], ColLeft(4) + 50, 7), face);
  EXPECT_EQ(painted, (std::vector<std::string>{"2,0-", "3,0-", "2,1+", "3,1+"}));
  // The cache and the paint depth are gone afterwards.
  EXPECT_EQ(g.IsCellSelectedCache().Col, -1);
  EXPECT_FALSE(g.InDirectPaint());
  EXPECT_FALSE(g.IsCellSelected(2, 1));
}

TEST(SelectionPaint, WithoutDirectPaintingARangeIsOnlyMarked)
{
  DirectGrid g;
  g.SelectionType = sltColor;
  g.BeginUpdate();
  g.RepaintRangeInState(MakeRange(1, 1, 2, 2), {}, true);
  g.EndUpdate();
  g.hide();
  g.RepaintRangeInState(MakeRange(1, 1, 2, 2), {}, true);
  EXPECT_TRUE(g.rects.empty());
}

TEST(SelectionPaint, ARealDirectPaintDrawsAtOnceWhatTheChangeLeaves)
{
  TtsGrid g;
  g.resize(400, 150);
  g.SetScrollBars(TScrollStyle::ssNone);
  g.show();
  QApplication::processEvents();
  int paints = 0;
  g.OnPaint = [&](TtsBaseGrid&) { ++paints; };
  g.SelectionType = sltColor;
  g.RepaintRangeInState(MakeRange(1, 1, 2, 1), {}, true);
  EXPECT_EQ(paints, 2);  // one paint per cell, before the call returns
  // Marked cells drawn in the middle of a direct paint are painted again afterwards.
  g.InvalidateCellUnlessMemPaint(3, 3);
  g.RepaintRangeInState(MakeRange(1, 1, 1, 1), {}, false);
  const int afterDirect = paints;
  QApplication::processEvents();
  EXPECT_GT(paints, afterDirect);
}

TEST(SelectionPaint, ADropDownListAtTheDefaultTypeShowsItsSelectionAsItsOwnerDoes)
{
  TtsGrid owner;
  TtsDropDownForm form(&owner);
  TtsComboGrid list(form);
  ASSERT_EQ(list.OwnerGrid(), &owner);
  EXPECT_FALSE(list.IsSelectionColored());
  owner.SelectionType = sltColor;
  EXPECT_TRUE(list.IsSelectionColored());
  list.SelectionType = sltInvert;
  EXPECT_FALSE(list.IsSelectionColored());
}

TEST(SelectionPaint, TheColourPatternLivesWhileAColourIsSetAndFollowsTheColourAskedFor)
{
  TtsGrid g;
  EXPECT_EQ(g.ColorPattern(), nullptr);  // made on first use
  const platform::TBitmap* pattern = g.ColorPatternIn(platform::clRed);
  ASSERT_NE(pattern, nullptr);
  ASSERT_EQ(pattern->Width(), 8);
  ASSERT_EQ(pattern->Height(), 8);
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 8; ++x)
      ASSERT_EQ(At(pattern->Image(), x, y), (x + y) % 2 == 0 ? Rgb(platform::clRed) : 0u) << x << "," << y;
  g.UpdateColorPattern(platform::clBlue);
  EXPECT_EQ(At(g.ColorPattern()->Image(), 2, 2), Rgb(platform::clBlue));
  g.SetFocusColor(platform::clGreen);
  g.SetSelectionColor(platform::clNone);
  EXPECT_NE(g.ColorPattern(), nullptr);  // the focus colour keeps it
  g.SetFocusColor(platform::clNone);
  EXPECT_EQ(g.ColorPattern(), nullptr);
  EXPECT_EQ(g.ColorPatternIn(platform::clRed), nullptr);
  g.SetSelectionColor(platform::clRed);
  EXPECT_NE(g.ColorPatternIn(platform::clRed), nullptr);  // asked again: made again
}

TEST(SelectionPaint, APictureCellSelectedInColourShowsTheColourOnEveryOtherPixel)
{
  TtsGrid g;
  g.resize(400, 150);
  g.SetStoreData(true);
  g.Model().Col(2).SetControlType(ctPicture);
  const auto picture = std::make_shared<platform::TBitmap>(40, 10);  // white
  g.SetCell(2, 2, TtsCellValue(std::int32_t(RegisterPicture(picture))));
  g.SelectionType = sltColor;
  g.SetSelectionColor(platform::clRed);
  g.Model().RowSelection().Set(2, true);
  g.UpdateSelectionKind();
  const QImage image = g.PaintToImage();
  image.save(VEXAL_TEST_OUTPUT_DIR "SelectedPictureCell.png");
  const int x = ColLeft(2) + 20;
  const int y = RowTop(2) + 5;
  const QRgb red = Rgb(platform::clRed);
  EXPECT_EQ(At(image, x, y) == red, At(image, x + 1, y) != red);
  EXPECT_EQ(At(image, x, y), At(image, x + 1, y + 1));
  EXPECT_TRUE(At(image, x, y) == red || At(image, x + 1, y) == red);
}

TEST(SelectionPaint, TheSelectionKindFollowsTheSetsAndIsReportedOnce)
{
  TtsGrid g;
  g.resize(400, 150);
  std::vector<std::string> reports;
  g.OnGridStatusChanged = [&](TtsBaseGrid&, TtsGridStatus old, TtsGridStatus now) {
    reports.push_back(std::to_string(old) + ">" + std::to_string(now));
  };
  // Columns selected while rows are: the kind stays rows until the rows go.
  g.SelectRows(2, 2);
  g.SelectCols(3, 3);
  EXPECT_EQ(g.SelectionKind(), 2);
  g.UnselectAllRows();
  EXPECT_EQ(g.SelectionKind(), 1);
  g.UnselectAllCols();
  EXPECT_EQ(g.SelectionKind(), 0);
  // Program selections report each change of kind once.
  g.SelectColRange(2, 3, true);
  g.SelectColRange(2, 4, true);
  g.SelectColRange(2, 4, false);
  EXPECT_EQ(reports, (std::vector<std::string>{"0>1", "1>0"}));
}

TEST(SelectionPaint, TheRowBarShowsTheNewCurrentRowAtOnce)
{
  DirectGrid g;
  g.MoveCurrentCell(1, 3);
  ASSERT_FALSE(g.rects.empty());
  const QRect& last = g.rects.back();
  EXPECT_EQ(last.left(), 0);
  EXPECT_LE(last.width(), 15);
  EXPECT_TRUE(last.contains(QPoint(5, RowTop(3) + 5)));
  int ink = 0;
  for (int y = RowTop(3); y < RowTop(4) - 1; ++y)
    for (int x = 1; x < 12; ++x)
      ink += qGray(g.shots.back().pixel(x, y)) < 100 ? 1 : 0;
  EXPECT_GT(ink, 5);
}

TEST(SelectionPaint, AutoResetShowsTheChangedGlyphWhileTheRowIsModified)
{
  DirectGrid g;
  g.SetRowChangedIndicator(riAutoReset);
  g.MoveCurrentCell(1, 2);
  const QImage before = g.PaintToImage();
  ASSERT_TRUE(g.StartEdit());
  const QImage editing = g.PaintToImage();
  auto rowBarDiffers = [](const QImage& a, const QImage& b) {
    for (int y = RowTop(2); y < RowTop(3) - 1; ++y)
      for (int x = 1; x < 13; ++x)
        if (a.pixel(x, y) != b.pixel(x, y))
          return true;
    return false;
  };
  EXPECT_TRUE(rowBarDiffers(before, editing));
  // The row edit ends: the plain pointer comes back at once.
  g.rects.clear();
  ASSERT_TRUE(g.FinishRowEdit(false));
  ASSERT_FALSE(g.rects.empty());
  EXPECT_TRUE(g.rects.back().contains(QPoint(5, RowTop(2) + 5)));
  EXPECT_FALSE(rowBarDiffers(before, g.shots.back()));
}

}  // namespace
}  // namespace grid
