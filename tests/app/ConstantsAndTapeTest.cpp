#include "MainWindowFixture.h"

#include "platform/Printer.h"
#include "platform/Shell.h"
#include "platform/TextFile.h"

#include <QClipboard>
#include <QFileInfo>
#include <QGuiApplication>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QUrl>

namespace app::testing {
namespace {

TEST_F(MainWindowTest, ConstantsArePastedFoundEditedAndReloaded)
{
  platform::WriteTextLines(File("Vexal.CON"), {"g = 9.80665", "Pi value 3.14", "c = 299 792 458"});
  Open(false);
  ASSERT_EQ(window->lbConst->Items(), (QStringList{"c = 299 792 458", "g = 9.80665", "Pi value 3.14"}));

  window->Edit1->setText(QStringLiteral("2*"));
  window->lbConst->setCurrentRow(1);
  window->bbPaste->click();
  EXPECT_EQ(window->Edit1->text(), QStringLiteral("2*9.80665"));
  window->lbConst->setCurrentRow(0);
  window->bbPaste->click();  // blanks go
  EXPECT_EQ(window->Edit1->text(), QStringLiteral("2*9.80665299792458"));
  window->Edit1->clear();
  window->lbConst->setCurrentRow(2);
  window->bbPaste->click();  // no "=": the whole row
  EXPECT_EQ(window->Edit1->text(), QStringLiteral("Pivalue3.14"));

  window->edFind->setText(QStringLiteral("G"));
  EXPECT_EQ(window->lbConst->currentRow(), 1);
  {
    platform::ModalScript script;
    script.ExpectMessage(QStringLiteral("Constant name begining from <\"GX\"> not found"), platform::mrOk);
    script.ExpectMessage(QStringLiteral("Constant name begining from <\"\"> not found"), platform::mrOk);
    window->edFind->setText(QStringLiteral("gx"));
    window->edFind->clear();
    EXPECT_EQ(script.StepsLeft(), 0);
  }

  QList<QUrl> opened;
  platform::SetUrlOpener([&opened](const QUrl& url) {
    opened << url;
    return true;
  });
  EXPECT_FALSE(window->bbReload->isEnabled());
  window->bbEdit->click();
  platform::SetUrlOpener({});
  ASSERT_EQ(opened.size(), 1);
  EXPECT_EQ(QFileInfo(opened[0].toLocalFile()), QFileInfo(File("Vexal.CON")));
  EXPECT_TRUE(window->bbReload->isEnabled());
  platform::WriteTextLines(File("Vexal.CON"), {"h = 6.62607015E-34"});
  window->bbReload->click();
  EXPECT_EQ(window->lbConst->Items(), QStringList{"h = 6.62607015E-34"});
  EXPECT_FALSE(window->bbReload->isEnabled());

  QFile::remove(File("Vexal.CON"));
  platform::SetUrlOpener([](const QUrl&) { return true; });
  {
    platform::ModalScript script;
    script.Press(platform::mrOk);  // the file to edit is gone
    script.ExpectMessage(QStringLiteral("File <") + File("Vexal") + QStringLiteral(".CON> not found"), platform::mrOk);
    window->bbEdit->click();
    window->bbReload->click();
    EXPECT_EQ(script.StepsLeft(), 0);
  }
  platform::SetUrlOpener({});
  EXPECT_EQ(window->lbConst->count(), 0);
}

TEST_F(MainWindowTest, TheTapeIsCopiedCutSavedAndPrinted)
{
  Open();
  EXPECT_FALSE(window->btPrint->isEnabled());
  EXPECT_FALSE(window->btToFile->isEnabled());
  Calculate(QStringLiteral("1+1"));
  Calculate(QStringLiteral("2+3"));
  EXPECT_TRUE(window->btPrint->isEnabled());
  EXPECT_TRUE(window->btToFile->isEnabled());
  EXPECT_FALSE(window->btCopy->isEnabled());

  {
    platform::ModalScript script;
    script.Choose(File("tape.TXT"));
    window->btToFile->click();
  }
  EXPECT_EQ(platform::ReadTextLines(File("tape.TXT")),
            (std::vector<std::string>{"2+3 = 5.0E+0; ", "1+1 = 2.0E+0; "}));

  platform::TPrinter& printer = platform::Printer();
  printer.SetPrinterIndex(int(printer.Printers().indexOf(platform::kPdfPrinterName)));
  printer.SetFileName(File("tape.pdf"));
  {
    platform::ModalScript script;
    script.ExpectMessage(QStringLiteral("The tape was printed to the file ") + File("tape.pdf"), platform::mrOk);
    window->btPrint->click();
  }
  QProcess process;
  process.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), File("tape.pdf"), QStringLiteral("-")});
  ASSERT_TRUE(process.waitForFinished(30000));
  const QString printed = QString::fromUtf8(process.readAllStandardOutput());
  EXPECT_TRUE(printed.contains(QStringLiteral("Tape page 1")));
  EXPECT_TRUE(printed.contains(QStringLiteral("2+3 = 5.0E+0;")));
  EXPECT_TRUE(printed.contains(QStringLiteral("1+1 = 2.0E+0;")));

  QTextCursor cursor(window->mmTape->document());
  cursor.movePosition(QTextCursor::EndOfLine, QTextCursor::KeepAnchor);
  window->mmTape->setTextCursor(cursor);
  EXPECT_TRUE(window->btCopy->isEnabled());
  window->btCopy->click();
  EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("2+3 = 5.0E+0; "));
  window->btCut->click();
  EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("2+3 = 5.0E+0; "));
  EXPECT_EQ(TapeLine(0), QString());
  EXPECT_EQ(TapeLine(1), QStringLiteral("1+1 = 2.0E+0; "));
  EXPECT_TRUE(window->mmTape->isReadOnly());
  EXPECT_FALSE(window->btCut->isEnabled());
}


TEST_F(MainWindowTest, EveryShippedConstantPastesAValueTheEngineReads)
{
  const QString shipped = QStringLiteral(VEXAL_PROGRAM_DIR) + QStringLiteral("Vexal.CON");  // copied by the build
  ASSERT_TRUE(QFile::copy(shipped, File("Vexal.CON")));
  Open(false);
  ASSERT_GE(window->lbConst->count(), 20);
  for (int i = 0; i < window->lbConst->count(); ++i) {
    window->Edit1->clear();
    window->lbConst->setCurrentRow(i);
    window->bbPaste->click();
    Calculate(window->Edit1->text());
    EXPECT_FALSE(ResultIsRed()) << window->lbConst->ItemText(i).toStdString() << ": " << Result().toStdString();
  }
}

TEST_F(MainWindowTest, EditingTheConstantsWithoutAnEditorSaysSo)
{
  platform::WriteTextLines(File("Vexal.CON"), {"g = 9.81"});
  Open(false);
  platform::SetUrlOpener([](const QUrl&) { return false; });  // no desktop program for the file
  {
    platform::ModalScript script;
    script.ExpectMessage(QStringLiteral("No program is set to open the file ") + File("Vexal.CON"), platform::mrOk);
    window->bbEdit->click();
    EXPECT_EQ(script.StepsLeft(), 0);
  }
  platform::SetUrlOpener({});
}

TEST_F(MainWindowTest, PrintingTheTapeToAFileSaysWhereAndKeepsEarlierPrints)
{
  const QByteArray home = qgetenv("HOME");
  qputenv("HOME", folder.path().toLocal8Bit());
  Open();
  Calculate(QStringLiteral("2+3"));
  platform::TPrinter& printer = platform::Printer();
  printer.SetPrinterIndex(int(printer.Printers().indexOf(platform::kPdfPrinterName)));
  printer.SetFileName(QString());
  const QStringList expected{File("Tape.pdf"), File("Tape (2).pdf")};
  for (const QString& path : expected) {
    platform::ModalScript script;
    script.ExpectMessage(QStringLiteral("The tape was printed to the file ") + path, platform::mrOk);
    window->btPrint->click();
    EXPECT_EQ(script.StepsLeft(), 0);
  }
  qputenv("HOME", home);
  EXPECT_FALSE(printer.FileNameSet());
  for (const QString& path : expected) {
    SCOPED_TRACE(path.toStdString());
    QProcess process;
    process.start(QStringLiteral("pdfinfo"), {path});
    ASSERT_TRUE(process.waitForFinished(30000));
    const QString info = QString::fromUtf8(process.readAllStandardOutput());
    EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("Title: +Tape\n")))) << info.toStdString();
  }
}

TEST_F(MainWindowTest, TapeClipboardLinesEndWithCrLfAndPastedLinesEndAnyWay)
{
  Open();
  Calculate(QStringLiteral("2+3"));
  Calculate(QStringLiteral("1+1"));
  window->mmTape->selectAll();
  window->btCopy->click();
  EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("1+1 = 2.0E+0; \r\n2+3 = 5.0E+0; "));

  // The tape calculator: lines pasted with any line end are lines; copied, they end with CR LF.
  window->pcCalc->setCurrentWidget(window->tsTapeCalc);
  QGuiApplication::clipboard()->setText(QStringLiteral("1+\r\n2+\n3+\r4"));
  window->SpeedButton93->click();
  EXPECT_EQ(window->OET->document()->blockCount(), 4);
  EXPECT_EQ(window->OET->toPlainText(), QStringLiteral("1+\n2+\n3+\n4"));
  window->OET->selectAll();
  window->SpeedButton92->click();
  EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("1+\r\n2+\r\n3+\r\n4"));
  window->SpeedButton85->click();
  EXPECT_TRUE(window->OET->toPlainText().endsWith(QStringLiteral("\n1.0E+1")));
}

}  // namespace
}  // namespace app::testing
