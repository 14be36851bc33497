#include "MainWindowFixture.h"

#include "platform/StringGrid.h"
#include "tests/support/KeyInput.h"
#include "tools/MatrixWindow.h"

#include <QDir>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QToolButton>

namespace app::testing {
namespace {

void ClickAt(QWidget& target, const QPointF& p)
{
  QMouseEvent press(QEvent::MouseButtonPress, p, target.mapToGlobal(p), Qt::LeftButton, Qt::LeftButton,
                    Qt::NoModifier);
  QApplication::sendEvent(&target, &press);
  QMouseEvent release(QEvent::MouseButtonRelease, p, target.mapToGlobal(p), Qt::LeftButton, Qt::NoButton,
                      Qt::NoModifier);
  QApplication::sendEvent(&target, &release);
}

void Click(QWidget& button) { ClickAt(button, QPointF(button.width() / 2.0, button.height() / 2.0)); }

void ClickCell(platform::TStringGrid& grid, int col, int row)
{
  const platform::TRect r = grid.CellRect(col, row);
  ClickAt(grid, QPointF(r.Left + 3, r.Top + 3));
}

TEST_F(MainWindowTest, TheMatrixButtonOpensTheMatrixCalculator)
{
  Open();
  auto* button = window->findChild<QToolButton*>(QStringLiteral("sbMatrix"));
  ASSERT_NE(button, nullptr);
  ASSERT_TRUE(button->isEnabled());
  Click(*button);
  ASSERT_TRUE(window->fmMatrix);
  tools::TfmMatrix& matrix = *window->fmMatrix;
  EXPECT_TRUE(matrix.isVisible());
  EXPECT_EQ(matrix.windowTitle(), QStringLiteral("Matrix"));
  EXPECT_EQ(matrix.edOperation->text(), QStringLiteral("A*B=C"));  // the product is selected on showing

  // A determinant by mouse and keys; the cells are the calculator's expressions.
  Click(*matrix.btDeterminant);
  matrix.edARows->setFocus();
  matrix.edARows->selectAll();
  testing_support::TypeText(*matrix.edARows, QStringLiteral("2"));
  const char* cells[2][2] = {{"2^3", "sqrt(9)"}, {"1", "4/2"}};
  for (int i = 0; i < 2; ++i)
    for (int j = 0; j < 2; ++j) {
      ClickCell(*matrix.sgA, j + 1, i + 1);
      testing_support::TypeText(*matrix.sgA, QString::fromLatin1(cells[i][j]));
    }
  Click(*matrix.Button1);
  EXPECT_EQ(matrix.sgC->Cells(1, 1), QStringLiteral("13"));
  EXPECT_EQ(matrix.lbR->count(), 2);

  const QString shots = QStringLiteral(VEXAL_TEST_OUTPUT_DIR "screenshots");
  QDir().mkpath(shots);
  EXPECT_TRUE(matrix.grab().save(shots + QStringLiteral("/matrix_from_main_window.png")));

  // Shown again: the same window, its repository kept, the product selected.
  matrix.Hide();
  Click(*button);
  EXPECT_EQ(window->fmMatrix.get(), &matrix);
  EXPECT_EQ(matrix.lbR->count(), 2);
  EXPECT_EQ(matrix.edOperation->text(), QStringLiteral("A*B=C"));
}

}  // namespace
}  // namespace app::testing
