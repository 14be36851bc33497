#include "tools/MatrixWindow.h"

#include "tools/MatrixQuestion.h"
#include "tools/MatrixView.h"

#include "engine/EngineState.h"
#include "platform/Application.h"
#include "platform/ClipboardText.h"
#include "platform/FileDialogs.h"
#include "platform/Hints.h"
#include "platform/Menus.h"
#include "platform/MessageDlg.h"
#include "platform/ModalRun.h"
#include "platform/Printer.h"
#include "platform/Shell.h"
#include "platform/StringGrid.h"
#include "tests/support/KeyInput.h"
#include "tests/support/KeyStorm.h"

#include <QClipboard>
#include <QDir>
#include <QGuiApplication>
#include <QFile>
#include <QLineEdit>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QProcess>
#include <QPushButton>
#include <QTest>
#include <QTemporaryDir>
#include <QToolButton>
#include <QUrl>
#include <gtest/gtest.h>

namespace tools {
namespace {

using platform::TStringGrid;
using testing_support::PressEnter;
using testing_support::PressKey;
using testing_support::TypeText;

class MatrixWindowTest : public ::testing::Test {
protected:
  void SetUp() override
  {
    ASSERT_TRUE(folder.isValid());
    window = std::make_unique<TfmMatrix>(saveDialog, folder.filePath("Vexal.INI"), fmMult, frmViewR);
    window->ShowWindow();
  }

  // A mouse click on a cell, as a user makes it.
  static void ClickCell(TStringGrid& grid, int col, int row, Qt::MouseButton button = Qt::LeftButton)
  {
    const platform::TRect r = grid.CellRect(col, row);
    const QPointF p(r.Left + 3, r.Top + 3);
    QMouseEvent press(QEvent::MouseButtonPress, p, p, button, button, Qt::NoModifier);
    QApplication::sendEvent(&grid, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, p, p, button, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(&grid, &release);
  }

  static void Click(QAbstractButton* button)
  {
    const QPointF p(button->width() / 2.0, button->height() / 2.0);
    QMouseEvent press(QEvent::MouseButtonPress, p, button->mapToGlobal(p), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(button, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, p, button->mapToGlobal(p), Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(button, &release);
  }

  // Types a new value into a size edit.
  static void TypeSize(QLineEdit* edit, const QString& text)
  {
    edit->setFocus();
    edit->selectAll();
    TypeText(*edit, text);
  }

  // Fills a grid's matrix cells through the model, row by row.
  static void Put(TGridMatrix& m, const std::vector<std::vector<std::string>>& rows)
  {
    for (std::size_t i = 0; i < rows.size(); ++i)
      for (std::size_t j = 0; j < rows[i].size(); ++j)
        m.SetCell(int(i + 1), int(j + 1), rows[i][j]);
  }

  QStringList ListItems() const
  {
    QStringList items;
    for (int i = 0; i < window->lbR->count(); ++i)
      items << window->lbR->item(i)->text();
    return items;
  }

  QString PdfText(const QString& pdf) const
  {
    QProcess process;
    process.start("pdftotext", {"-layout", pdf, "-"});
    EXPECT_TRUE(process.waitForFinished(30000));
    return QString::fromUtf8(process.readAllStandardOutput());
  }

  void UsePdfPrinter(const QString& pdf)
  {
    platform::TPrinter& printer = platform::Printer();
    printer.SetPrinterIndex(static_cast<int>(printer.Printers().indexOf(platform::kPdfPrinterName)));
    printer.SetFileName(pdf);
  }

  // Answers the question dialog with an entry.
  static void Answer(platform::ModalScript& script, const QString& entry)
  {
    script.Edit<TfmMult>([entry](TfmMult& dialog) { dialog.Edit1->setText(entry); });
  }

  QTemporaryDir folder;
  platform::TSaveDialog saveDialog;
  TfmMult fmMult;
  TfrmViewR frmViewR;
  std::unique_ptr<TfmMatrix> window;
};

TEST_F(MatrixWindowTest, DeterminantByMouseAndKeys)
{
  Click(window->btDeterminant);
  EXPECT_EQ(window->edOperation->text(), "det |A|=C[1,1]");
  TypeSize(window->edARows, "3");
  EXPECT_EQ(window->edACols->text(), "3");  // square
  EXPECT_EQ(window->sgA->RowCount(), 4);
  EXPECT_EQ(window->sgA->ColCount(), 4);
  EXPECT_EQ(window->sgA->Cells(0, 2), "A[2,J]");
  EXPECT_EQ(window->sgA->Cells(3, 0), "A[I,3]");

  const char* cells[3][3] = {{"6", "1", "1"}, {"4", "-2", "5"}, {"2", "8", "7"}};
  for (int i = 0; i < 3; ++i)
    for (int j = 0; j < 3; ++j) {
      ClickCell(*window->sgA, j + 1, i + 1);
      TypeText(*window->sgA, QString::fromLatin1(cells[i][j]));
    }
  PressEnter(*window->sgA);  // Enter in the cell editor runs "="

  EXPECT_EQ(window->sgC->Cells(1, 1), "-306");
  EXPECT_EQ(window->edCRows->text(), "1");
  EXPECT_EQ(ListItems(), (QStringList{"A33Det", "C11Det"}));
  EXPECT_TRUE(window->sbPrint->isEnabled());
  EXPECT_TRUE(window->sbCtoA->isEnabled());

  const QString shots = QStringLiteral(VEXAL_TEST_OUTPUT_DIR "screenshots");
  QDir().mkpath(shots);
  const QImage shot = window->grab().toImage();
  EXPECT_TRUE(shot.save(shots + "/matrix_determinant.png"));
  EXPECT_GT(shot.width(), 600);
}

TEST_F(MatrixWindowTest, InverseAndItsFailures)
{
  Click(window->btInverse);
  TypeSize(window->edARows, "2");
  Put(window->MatrixA(), {{"4", "7"}, {"2", "6"}});
  Click(window->Button1);
  EXPECT_EQ(window->sgC->Cells(1, 1), "0.6");
  EXPECT_EQ(window->sgC->Cells(2, 1), "-0.7");
  EXPECT_EQ(window->sgC->Cells(1, 2), "-0.2");
  EXPECT_EQ(window->sgC->Cells(2, 2), "0.4");
  EXPECT_EQ(ListItems(), (QStringList{"A22Inverse", "C22Inverse"}));

  TypeSize(window->edARows, "3");
  Put(window->MatrixA(), {{"1", "2", "3"}, {"4", "5", "6"}, {"7", "8", "9"}});
  {
    platform::ModalScript script;
    script.ExpectMessage("Could not inverse this matrix", platform::mrOk);
    Click(window->Button1);
    EXPECT_EQ(script.StepsLeft(), 0);
  }
  EXPECT_EQ(window->lbR->count(), 2);

  // A cell that does not evaluate gets the focus and nothing else happens.
  Put(window->MatrixA(), {{"1", "0", "0"}, {"0", "2)*3", "0"}, {"0", "0", "1"}});
  Click(window->Button1);
  EXPECT_EQ(window->sgA->Col(), 2);
  EXPECT_EQ(window->sgA->Row(), 2);
  EXPECT_EQ(window->lbR->count(), 2);
}

// Keys as a keyboard sends them to the focused control: a shortcut override, then press and release;
// a shifted sign comes after a press of Shift alone.
void KeyboardType(QWidget& window, const QString& text)
{
  for (const QChar c : text) {
    const bool shifted = QStringLiteral(")*+(").contains(c);
    if (shifted)
      QTest::keyPress(window.focusWidget(), Qt::Key_Shift, Qt::ShiftModifier);
    QTest::sendKeyEvent(QTest::Click, window.focusWidget(), Qt::Key(c.toUpper().unicode()), QString(c),
                        shifted ? Qt::ShiftModifier : Qt::NoModifier);
    if (shifted)
      QTest::keyRelease(window.focusWidget(), Qt::Key_Shift);
  }
}

TEST_F(MatrixWindowTest, CellsThatDoNotEvaluateThenEqualsOrEnterKeepTheWindow)
{
  const struct {
    const char* text;
    bool enter;  // else the "=" button
  } cases[] = {{"2)*3", true}, {"2)*3", false}, {"2+", true}, {"2+", false}, {"sqrt(-1)", true}, {"sqrt(-1)", false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.text) + (c.enter ? " Enter" : " ="));
    Put(window->MatrixA(), {{"1", "0"}, {"0", "1"}});
    ClickCell(*window->sgA, 2, 2);
    window->sgA->setFocus();
    KeyboardType(*window, QString::fromLatin1(c.text));
    ASSERT_TRUE(window->sgA->EditorMode());
    if (c.enter)
      QTest::keyClick(window->focusWidget(), Qt::Key_Return);
    else
      Click(window->Button1);
    EXPECT_EQ(window->sgA->Col(), 2);  // the cell that fails has the focus
    EXPECT_EQ(window->sgA->Row(), 2);
    EXPECT_EQ(window->lbR->count(), 0);
    // Ctrl+A on the selected cell, with and without its editor, and typing on.
    window->sgA->HideEditor();
    QTest::keyClick(window->sgA, Qt::Key_A, Qt::ControlModifier);
    KeyboardType(*window, QStringLiteral("1E-20"));
    QTest::keyClick(window->focusWidget(), Qt::Key_A, Qt::ControlModifier);
    window->sgA->HideEditor();
  }
}

TEST_F(MatrixWindowTest, EveryKeyWithEveryModifierOnEveryControl)
{
  Click(window->btInverse);
  Put(window->MatrixA(), {{"2)*3", "2+"}, {"sqrt(-1)", "1E-20"}});
  Click(window->sbAtoClip);
  ClickCell(*window->sgA, 1, 1);
  TypeText(*window->sgA, QStringLiteral("2"));  // an open editor among the controls
  const auto reshape = [this] {
    window->ShowWindow();
    window->MatrixA().SetSize(2, 2);
    window->MatrixB().SetSize(2, 2);
  };
  testing_support::KeyStorm(*window, reshape);
  reshape();
  Put(window->MatrixA(), {{"4", "7"}, {"2", "6"}});
  Click(window->btInverse);
  Click(window->Button1);
  EXPECT_EQ(window->sgC->Cells(1, 1), "0.6");
}

TEST_F(MatrixWindowTest, EnterInASizeOrFillEditOnlyAppliesIt)
{
  EXPECT_EQ(window->edOperation->text(), "A*B=C");
  window->edARows->setFocus();
  window->edARows->selectAll();
  QTest::keyClicks(window->edARows, "3");
  QTest::keyClick(window->edARows, Qt::Key_Return);
  EXPECT_EQ(window->sgA->RowCount(), 4);
  window->edAValue->setFocus();
  window->edAValue->selectAll();
  QTest::keyClicks(window->edAValue, "7");
  QTest::keyClick(window->edAValue, Qt::Key_Enter);
  EXPECT_EQ(window->sgA->Cells(1, 1), "7");
  EXPECT_EQ(window->sgA->Cells(4, 3), "7");
  EXPECT_EQ(window->edOperation->text(), "A*B=C");  // no button was pressed
  EXPECT_EQ(window->lbR->count(), 0);
}

TEST_F(MatrixWindowTest, TheRepositoryListShowsItsNewestEntry)
{
  Click(window->btAAddB);
  for (int run = 0; run < 15; ++run)
    Click(window->Button1);
  ASSERT_EQ(window->lbR->count(), 45);
  QApplication::processEvents();
  const QRect last = window->lbR->visualItemRect(window->lbR->item(44));
  EXPECT_TRUE(window->lbR->viewport()->rect().contains(last)) << last.y();
}

TEST_F(MatrixWindowTest, AClickOnAHalfVisibleColumnLeavesTheGridUnderTheMouse)
{
  TypeSize(window->edACols, "8");
  TStringGrid& grid = *window->sgA;
  int half = -1;
  for (int col = 1; col < grid.ColCount() && half < 0; ++col) {
    const platform::TRect r = grid.CellRect(col, 1);
    if (r.Right > r.Left && r.Right >= grid.ClientWidth() - 1)
      half = col;
  }
  ASSERT_GT(half, 0);
  const int left = grid.LeftCol();
  ClickCell(grid, half, 1);
  EXPECT_EQ(grid.Col(), half);
  EXPECT_EQ(grid.LeftCol(), left);
  ClickCell(grid, half, 1);  // the same cell again: its editor opens
  EXPECT_EQ(grid.Col(), half);
  EXPECT_TRUE(grid.EditorMode());
}

TEST_F(MatrixWindowTest, SolvePowerAndProductSizes)
{
  Click(window->Solve);
  TypeSize(window->edARows, "2");
  EXPECT_EQ(window->edBRows->text(), "2");
  EXPECT_EQ(window->edBCols->text(), "1");
  Put(window->MatrixA(), {{"2", "1"}, {"1", "3"}});
  Put(window->MatrixB(), {{"3"}, {"5"}});
  Click(window->Button1);
  EXPECT_EQ(window->sgC->Cells(1, 1), "0.8");
  EXPECT_EQ(window->sgC->Cells(1, 2), "1.4");
  EXPECT_EQ(ListItems().first(), "A22Solve");

  {
    platform::ModalScript script;
    Answer(script, "10");
    Click(window->ptPowerA);
  }
  EXPECT_EQ(window->edOperation->text(), "Power(A,10)=C");
  Put(window->MatrixA(), {{"1", "1"}, {"1", "0"}});
  Click(window->Button1);
  EXPECT_EQ(window->sgC->Cells(1, 1), "89");
  EXPECT_EQ(window->sgC->Cells(2, 1), "55");
  EXPECT_EQ(window->sgC->Cells(2, 2), "34");

  Click(window->btAMultB);
  TypeSize(window->edARows, "2");
  TypeSize(window->edACols, "3");
  EXPECT_EQ(window->edBRows->text(), "3");
  TypeSize(window->edBCols, "4");
  EXPECT_EQ(window->edCRows->text(), "2");
  EXPECT_EQ(window->edCCols->text(), "4");
  TypeSize(window->edBCols, "0");  // out of range: red, nothing changes
  EXPECT_TRUE(window->edBCols->styleSheet().contains("#ff0000"));
  EXPECT_EQ(window->sgB->ColCount(), 5);
}

TEST_F(MatrixWindowTest, QuestionsAskAgainUntilTheEntryIsSound)
{
  engine::ExprString = "1+1";
  {
    platform::ModalScript script;
    script.Then([](platform::ModalSubject& subject) {
      auto& dialog = dynamic_cast<TfmMult&>(subject);
      EXPECT_EQ(dialog.objectName(), "fmMult");
      EXPECT_EQ(dialog.windowTitle(), "Power(A,n)");
      EXPECT_EQ(dialog.Label1->text(), "Expession");
      EXPECT_EQ(dialog.Label1->palette().color(dialog.Label1->foregroundRole()), QColor(Qt::red));
      EXPECT_EQ(dialog.Edit1->text(), "2");
      EXPECT_EQ(dialog.btOK->text(), "       &OK");
      EXPECT_EQ(dialog.btCancel->text(), "     &Cancel");
      EXPECT_EQ(dialog.btHelp->text(), "       &Help");
      dialog.Edit1->setText("2.5");
      return platform::mrOk;
    });
    Answer(script, "1/0");
    Answer(script, "6/2");  // not whole, an error, then 3
    Click(window->ptPowerA);
    EXPECT_EQ(script.StepsLeft(), 0);
  }
  EXPECT_EQ(TfmMult::HelpContext, 3);
  EXPECT_EQ(*engine::ExprString, "1+1");  // the engine's text is given back
  EXPECT_EQ(window->edOperation->text(), "Power(A,3)=C");
  {
    platform::ModalScript script;
    Answer(script, "-2^-1");
    Click(window->sbMultArA);
  }
  EXPECT_EQ(window->edOperation->text(), "-0.5*A=C");
  TypeSize(window->edARows, "1");
  TypeSize(window->edACols, "2");
  Put(window->MatrixA(), {{"4", "-0"}});
  Click(window->Button1);
  EXPECT_EQ(window->sgC->Cells(1, 1), "-2");
  EXPECT_EQ(window->sgC->Cells(2, 1), "0");
  {
    // A syntax error asks again; an error that depends on A's value does not.
    platform::ModalScript script;
    script.Then([](platform::ModalSubject& subject) {
      auto& dialog = dynamic_cast<TfmMult&>(subject);
      EXPECT_EQ(dialog.windowTitle(), "Function f(A)");
      EXPECT_EQ(dialog.Edit1->text(), "sin(A)+cos(A)/3");
      dialog.Edit1->setText("sin((A)");
      return platform::mrOk;
    });
    Answer(script, "ln((A)-1)");
    Click(window->Button2);
    EXPECT_EQ(script.StepsLeft(), 0);
  }
  EXPECT_EQ(window->edOperation->text(), "ln((A)-1)=C");
  // Cancel keeps the operation and its settings.
  {
    platform::ModalScript script;
    script.Press(platform::mrCancel);
    Click(window->ptPowerA);
  }
  EXPECT_EQ(window->edOperation->text(), "ln((A)-1)=C");
  EXPECT_EQ(window->Calculator().PowerN, 3);
}

TEST_F(MatrixWindowTest, KeysChangeTheShapeOfA)
{
  Click(window->btAAddB);
  TypeSize(window->edARows, "2");
  TypeSize(window->edACols, "2");
  Put(window->MatrixA(), {{"1", "2"}, {"3", "4"}});
  ClickCell(*window->sgA, 1, 1);
  PressKey(*window->sgA, Qt::Key_Escape);  // a click on the current cell opened its editor
  PressKey(*window->sgA, Qt::Key_Insert);
  EXPECT_EQ(window->edARows->text(), "3");
  EXPECT_EQ(window->edBRows->text(), "3");  // B and C follow A in a sum
  EXPECT_EQ(window->sgA->Cells(1, 1), "");
  EXPECT_EQ(window->sgA->Cells(1, 2), "1");
  PressKey(*window->sgA, Qt::Key_Delete);
  EXPECT_EQ(window->edARows->text(), "2");
  EXPECT_EQ(window->sgA->Cells(1, 1), "1");
  PressKey(*window->sgA, Qt::Key_Insert, Qt::ShiftModifier);
  EXPECT_EQ(window->edACols->text(), "3");
  EXPECT_EQ(window->edCCols->text(), "3");
  ClickCell(*window->sgA, 1, 2);
  PressKey(*window->sgA, Qt::Key_Escape);
  PressKey(*window->sgA, Qt::Key_Down);
  EXPECT_EQ(window->edARows->text(), "3");
  // Entering A made it the grid of the row and column buttons.
  ASSERT_TRUE(window->sbASwap->isEnabled());
  Click(window->sbAddCol);
  EXPECT_EQ(window->edACols->text(), "4");
  Click(window->sbDelCol);  // the current column 1, the empty one
  EXPECT_EQ(window->sgA->Cells(1, 1), "1");
  Click(window->sbASwap);
  EXPECT_EQ(window->edARows->text(), "3");
  EXPECT_EQ(window->edACols->text(), "3");
  EXPECT_EQ(window->sgA->Cells(2, 1), "3");
  EXPECT_EQ(window->sgA->Cells(1, 2), "2");
}

TEST_F(MatrixWindowTest, ClipboardCopyAndPaste)
{
  Click(window->btAAddB);
  TypeSize(window->edARows, "2");
  TypeSize(window->edACols, "2");
  Put(window->MatrixA(), {{"1", "2"}, {"3", "4"}});
  window->sgA->setFocus();
  ASSERT_TRUE(window->sbAtoClip->isEnabled());
  Click(window->sbAtoClip);
  EXPECT_EQ(platform::ClipboardText().value_or(""), "1\t2\r\n3\t4\r\n");
  ClearGrid(window->MatrixB());
  ClickCell(*window->sgB, 1, 1);
  ASSERT_TRUE(window->sbPasteToB->isEnabled());
  Click(window->sbPasteToB);
  EXPECT_EQ(window->sgB->Cells(1, 1), "1");
  EXPECT_EQ(window->sgB->Cells(2, 1), "2");
  EXPECT_EQ(window->sgB->Cells(1, 2), "3");
  EXPECT_EQ(window->sgB->Cells(2, 2), "4");

  // Text with LF line ends and no final break.
  platform::SetClipboardText("7 8\n9 10");
  ClickCell(*window->sgB, 1, 1);
  Click(window->sbPasteToB);
  EXPECT_EQ(window->sgB->Cells(2, 2), "10");
}

TEST_F(MatrixWindowTest, SignsBeyondLatin1ReadAsTheirMeaningNeverAsTheLastResult)
{
  engine::LastResult = 42;  // what "?" reads
  Click(window->btDeterminant);
  TypeSize(window->edARows, "2");
  const QString cells[2][2] = {{QStringLiteral("\u03C0"), QStringLiteral("4\u221A")},
                               {QStringLiteral("\u22121"), QStringLiteral("2")}};
  for (int i = 0; i < 2; ++i)
    for (int j = 0; j < 2; ++j) {
      ClickCell(*window->sgA, j + 1, i + 1);
      TypeText(*window->sgA, cells[i][j]);
    }
  PressEnter(*window->sgA);
  EXPECT_TRUE(window->sgC->Cells(1, 1).startsWith("8.283185")) << window->sgC->Cells(1, 1).toStdString();

  // A character without a meaning is a cell that does not evaluate.
  for (const QString& text : {QStringLiteral("\u6570"), QStringLiteral("\U0001F600"), QStringLiteral("2\u00002")}) {
    ClickCell(*window->sgA, 1, 2);
    window->sgA->SetCells(1, 2, text);
    ClickCell(*window->sgA, 2, 2);
    Click(window->Button1);
    EXPECT_EQ(window->sgA->Col(), 1);
    EXPECT_EQ(window->sgA->Row(), 2);
    EXPECT_EQ(window->lbR->count(), 2);
  }

  // Pasted text as well.
  QGuiApplication::clipboard()->setText(QStringLiteral("\u03C0\t2\n3\t4"));
  ClickCell(*window->sgA, 1, 1);
  Click(window->sbPasteToA);
  Click(window->Button1);
  EXPECT_TRUE(window->sgC->Cells(1, 1).startsWith("6.56637")) << window->sgC->Cells(1, 1).toStdString();
}

TEST_F(MatrixWindowTest, SaveAfterASumWritesItsLines)
{
  Click(window->btAAddB);
  TypeSize(window->edARows, "2");
  TypeSize(window->edACols, "3");
  Put(window->MatrixA(), {{"1", "2", "3"}, {"4", "5", "6"}});
  Put(window->MatrixB(), {{"1", "1", "1"}, {"1", "1", "2^2"}});
  Click(window->Button1);
  ASSERT_TRUE(window->sbSave->isEnabled());
  const QString path = folder.filePath("SUM.TXT");
  {
    platform::ModalScript script;
    script.Choose(path);
    Click(window->sbSave);
  }
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_EQ(file.readAll(), QByteArray("A+B=C\r\nMatrix A\r\n1,4\r\n2,5\r\n3,6\r\nMatrix B\r\n1,1\r\n1,1\r\n1,2^2\r\n"
                                       "Matrix C\r\n2,5\r\n3,6\r\n4,10\r\n"));
  EXPECT_EQ(saveDialog.Title, "Save to Text File");
  EXPECT_EQ(saveDialog.Filter, "Text files (*.TXT)|*.TXT");

  // A file that cannot be created is said so and nothing else changes.
  const QString bad = folder.filePath("missing/SUM.TXT");
  {
    platform::ModalScript script;
    script.Choose(bad).ExpectMessage("Can not create file " + bad, platform::mrOk);
    Click(window->sbSave);
    EXPECT_EQ(script.StepsLeft(), 0);
  }
}

TEST_F(MatrixWindowTest, PrintoutsHoldHeadingsAndValues)
{
  Click(window->btAAddB);
  TypeSize(window->edARows, "2");
  TypeSize(window->edACols, "2");
  Put(window->MatrixA(), {{"1", "2"}, {"3", "4"}});
  Put(window->MatrixB(), {{"10", "20"}, {"30", "40"}});
  Click(window->Button1);
  const QString pdf = folder.filePath("grids.pdf");
  UsePdfPrinter(pdf);
  // Each printout says where it went; a second one goes to a new file beside the first.
  const QString second = folder.filePath("grids (2).pdf");
  for (const QString& written : {pdf, second}) {
    platform::ModalScript script;
    script.ExpectMessage("The matrices were printed to the file " + QDir::toNativeSeparators(written), platform::mrOk);
    Click(window->sbPrint);
    EXPECT_EQ(script.StepsLeft(), 0);
  }
  const QString text = PdfText(pdf);
  for (const char* expected : {"A+B=C", "A[I,1]", "A[2,J]", "B[I,2]", "C[1,J]", "44"})
    EXPECT_TRUE(text.contains(QString::fromLatin1(expected))) << expected << "\n" << text.toStdString();
  EXPECT_EQ(PdfText(second), text);

  window->lbR->setCurrentRow(2);
  ASSERT_TRUE(window->sbRPrint->isEnabled());
  const QString stored = folder.filePath("stored.pdf");
  UsePdfPrinter(stored);
  {
    platform::ModalScript script;
    script.ExpectMessage("The matrix was printed to the file " + QDir::toNativeSeparators(stored), platform::mrOk);
    Click(window->sbRPrint);
    EXPECT_EQ(script.StepsLeft(), 0);
  }
  const QString storedText = PdfText(stored);
  EXPECT_TRUE(storedText.contains("C22Add"));
  EXPECT_TRUE(storedText.contains("33"));

  // The viewer numbers rows and columns from 1 and closes with Escape, Enter or OK.
  for (const int key : {int(Qt::Key_Escape), int(Qt::Key_Return), 0}) {
    SCOPED_TRACE(key);
    platform::ModalScript script;
    script.Then([key](platform::ModalSubject& subject) {
      auto& view = dynamic_cast<TfrmViewR&>(subject);
      EXPECT_EQ(view.objectName(), "frmViewR");
      EXPECT_EQ(view.windowTitle(), "View matrix");
      EXPECT_EQ(view.sgA->Cells(2, 2), "44");
      EXPECT_EQ(view.sgA->Cells(0, 1), "R([1,J]");
      EXPECT_EQ(view.sgA->Cells(2, 0), "R([I,2]");
      if (key != 0)
        PressKey(*view.sgA, key);
      else
        Click(view.btOK);
      EXPECT_EQ(view.ModalResult(), platform::mrOk);
      return view.ModalResult();
    });
    Click(window->sbRView);
    EXPECT_EQ(script.StepsLeft(), 0);
  }

  // Without B in the operation, B is not printed.
  Click(window->btInverse);
  Put(window->MatrixA(), {{"4", "7"}, {"2", "6"}});
  Click(window->Button1);
  const QString inverse = folder.filePath("inverse.pdf");
  UsePdfPrinter(inverse);
  {
    platform::ModalScript script;
    script.ExpectMessage("The matrices were printed to the file " + QDir::toNativeSeparators(inverse), platform::mrOk);
    Click(window->sbPrint);
  }
  const QString inverseText = PdfText(inverse);
  EXPECT_TRUE(inverseText.contains("A[I,1]"));
  EXPECT_TRUE(inverseText.contains("C[I,1]"));
  EXPECT_FALSE(inverseText.contains("B[")) << inverseText.toStdString();
  Click(window->sbRtoA);
  EXPECT_EQ(window->sgA->Cells(2, 2), "44");
}

TEST_F(MatrixWindowTest, PopupPasteOfGridA)
{
  platform::SetClipboardText("5\t6\r7\t8\r");
  {
    platform::ModalScript script;
    script.ChooseItem(QStringLiteral("Paste"));
    ClickCell(*window->sgA, 1, 1, Qt::RightButton);
  }
  EXPECT_EQ(window->sgA->Cells(1, 1), "5");
  EXPECT_EQ(window->sgA->Cells(2, 1), "6");
  EXPECT_EQ(window->sgA->Cells(1, 2), "7");
  EXPECT_EQ(window->sgA->Cells(2, 2), "8");

  // Without text on the clipboard the item is there but disabled.
  QGuiApplication::clipboard()->clear();
  {
    platform::ModalScript script;
    script.Then([](platform::ModalSubject& subject) {
      auto& menu = dynamic_cast<platform::TPopupMenu&>(subject);
      EXPECT_FALSE(menu.Items().Find(QStringLiteral("Paste1"))->Enabled());
      return platform::mrCancel;
    });
    ClickCell(*window->sgA, 1, 1, Qt::RightButton);
  }
  EXPECT_EQ(window->sgA->Cells(1, 1), "5");
}

TEST_F(MatrixWindowTest, HelpButtonOpensTheHelpPageAndHintsStayLonger)
{
  platform::ApplicationHints().HintHidePause = 2500;
  TfmMatrix another(saveDialog, folder.filePath("Vexal.INI"), fmMult, frmViewR);
  EXPECT_EQ(platform::ApplicationHints().HintHidePause, 7000);
  EXPECT_EQ(TfmMatrix::HelpContext, 38);
  const QString programFolder = platform::ProgramFolder();
  platform::SetProgramFolder(folder.path());
  QList<QUrl> opened;
  platform::SetUrlOpener([&opened](const QUrl& url) {
    opened << url;
    return true;
  });
  {
    platform::ModalScript script;
    script.ExpectMessage(QStringLiteral("No help is installed."), platform::mrOk);
    Click(window->SpeedButton1);
  }
  EXPECT_TRUE(opened.isEmpty());
  QFile page(folder.filePath(QStringLiteral("Vexal.html")));
  ASSERT_TRUE(page.open(QIODevice::WriteOnly));
  page.close();
  Click(window->SpeedButton1);
  ASSERT_EQ(opened.size(), 1);
  EXPECT_EQ(opened[0], QUrl::fromLocalFile(folder.filePath(QStringLiteral("Vexal.html"))));
  platform::SetUrlOpener({});
  platform::SetProgramFolder(programFolder);
}

}  // namespace
}  // namespace tools
