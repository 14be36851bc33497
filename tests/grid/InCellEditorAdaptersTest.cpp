// The adapters through which the grid drives its in-cell editors.
#include "grid/editor/CellEditorAdapters.h"

#include "platform/Bitmap.h"
#include "platform/Canvas.h"
#include "tests/support/KeyInput.h"

#include <QPointer>
#include <gtest/gtest.h>

namespace {

using namespace grid;

class InCellEditorAdapters : public ::testing::Test {
 protected:
  InCellEditorAdapters() { grid.resize(200, 100); }
  QWidget grid;
};

TEST_F(InCellEditorAdapters, TheDefaultAdapterHasNoValueAndNoColour)
{
  TtsDefaultGridControl none(&grid);
  none.SetValue(TtsCellValue("x"));
  EXPECT_TRUE(none.Value().IsEmpty());
  EXPECT_EQ(none.Color(), kNoEditorColor);
  none.SetColor(platform::clRed);
  EXPECT_EQ(none.Color(), kNoEditorColor);
  EXPECT_FALSE(none.UsesEditColors());
  EXPECT_FALSE(none.Visible());
}

TEST_F(InCellEditorAdapters, TheEditAdapterConvertsValuesToTextAndReportsTheSelection)
{
  TtsEditGridControl edit(&grid);
  edit.SetValue(TtsCellValue(42));
  EXPECT_EQ(edit.Value().AsString(), "42");
  edit.SetValue(TtsCellValue::Null());  // shows as empty text instead of failing
  EXPECT_EQ(edit.Value().AsString(), "");
  edit.SetWidth(100);
  edit.SetHeight(14);
  edit.SetValue(TtsCellValue("hello"));
  edit.SetSelStart(1);
  edit.SetSelLength(3);
  EXPECT_EQ(edit.SelText(), "ell");
  edit.SetMaxLength(-4);
  EXPECT_EQ(edit.MaxLength(), 0);
  EXPECT_TRUE(edit.UsesEditColors());
  EXPECT_FALSE(edit.IsMultiLine());
}

TEST_F(InCellEditorAdapters, PlacementChangesTheWindowOnlyForADifferentValue)
{
  TtsEditGridControl edit(&grid);
  edit.SetLeft(10);
  edit.SetTop(5);
  edit.SetWidth(60);
  edit.SetHeight(14);
  EXPECT_EQ(edit.Window().geometry(), QRect(10, 5, 60, 14));
  const QRect before = edit.Window().geometry();
  edit.SetWidth(60);
  edit.SetLeft(10);
  EXPECT_EQ(edit.Window().geometry(), before);
}

TEST_F(InCellEditorAdapters, HooksReadBackWhatWasStoredAndUnsetHooksAreEmpty)
{
  TtsCheckGridControl check(&grid);
  EXPECT_FALSE(bool(check.Hooks().OnEditChange));
  int calls = 0;
  check.Hooks().OnEditChange = [&](TtsGridControl&, bool) { ++calls; };
  check.SetValue(TtsCellValue(1));
  EXPECT_EQ(calls, 1);
  EXPECT_EQ(check.Box().State(), cbChecked);
}

TEST_F(InCellEditorAdapters, DestroyingAnAdapterDestroysItsWindow)
{
  QPointer<QWidget> window;
  {
    TtsEditGridControl edit(&grid);
    window = &edit.Window();
    EXPECT_EQ(window->parentWidget(), &grid);
  }
  EXPECT_TRUE(window.isNull());
}

TEST_F(InCellEditorAdapters, ReleasingTheCaptureEndsThePressedLookOfTheCheckBox)
{
  TtsCheckGridControl check(&grid);
  check.Show();
  check.SetWidth(30);
  check.SetHeight(16);
  QMouseEvent press(QEvent::MouseButtonPress, QPointF(10, 8), QPointF(10, 8), Qt::LeftButton, Qt::LeftButton,
                    Qt::NoModifier);
  QApplication::sendEvent(&check.Window(), &press);
  ASSERT_TRUE(check.Box().Pressed());
  check.SetMouseCapture(false);
  EXPECT_FALSE(check.Box().Pressed());
}

TEST_F(InCellEditorAdapters, PaintCellDrawsTheCellAsTheEditorShowsIt)
{
  TtsEditGridControl edit(&grid);
  edit.SetWidth(80);
  edit.SetHeight(14);
  edit.SetValue(TtsCellValue("cell 12"));
  TtsCheckGridControl check(&grid);
  check.SetValue(TtsCellValue(1));
  platform::TBitmap bitmap(120, 20);
  platform::TCanvas& canvas = bitmap.Canvas();
  canvas.Brush().SetColor(platform::clWhite);
  edit.PaintCell(canvas, 14, {0, 2, 80, 16}, 3, 2, false);
  check.PaintCell(canvas, 16, {80, 2, 110, 18}, 80, 2, true);
  bitmap.SaveToFile(VEXAL_TEST_OUTPUT_DIR "InCellEditorAdaptersPaintCell.png");
  int dark = 0;
  for (int x = 0; x < 120; ++x)
    for (int y = 0; y < 20; ++y)
      dark += qGray(bitmap.Image().pixel(x, y)) < 100 ? 1 : 0;
  EXPECT_GT(dark, 20);
}

}  // namespace
