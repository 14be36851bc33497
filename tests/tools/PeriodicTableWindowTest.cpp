#include "tools/PeriodicTableWindow.h"

#include "grid/window/Grid.h"
#include "platform/ClipboardText.h"
#include "platform/MessageDlg.h"
#include "platform/ModalRun.h"
#include "platform/Printer.h"
#include "platform/SpeedButton.h"
#include "platform/ToolBar.h"
#include "platform/TextFile.h"
#include "tests/support/KeyInput.h"
#include "tests/support/MouseInput.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPlainTextEdit>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <memory>

namespace tools {
namespace {

using testing_support::Click;
using testing_support::PressKey;

QString ShippedFolder() { return QDir::cleanPath(QStringLiteral(VEXAL_TEST_DATA_DIR "../../../data")); }

// The grid's value (column 2) in the row of a property.
std::string Value(TfrnPT& window, const std::string& property)
{
  for (int row = 1; row <= window.tsgPT->Rows(); ++row)
    if (window.tsgPT->Cell(1, row).AsString() == property)
      return window.tsgPT->Cell(2, row).AsString();
  return "<no row " + property + ">";
}

// A key pressed where the user's would go: the window active, the grid focused.
void PressInGrid(TfrnPT& window, int key, Qt::KeyboardModifiers modifiers)
{
  window.activateWindow();
  window.tsgPT->setFocus();
  QApplication::processEvents();
  QWidget* target = QApplication::focusWidget();
  ASSERT_NE(target, nullptr);
  ASSERT_EQ(target->window(), &window);
  PressKey(*target, key, modifiers);
}

QString PdfText(const QString& path)
{
  QProcess process;
  process.start("pdftotext", {"-layout", path, "-"});
  EXPECT_TRUE(process.waitForFinished(30000));
  return QString::fromUtf8(process.readAllStandardOutput());
}

class PeriodicTableWindowTest : public testing::Test {
protected:
  void SetUp() override { ASSERT_TRUE(folder.isValid()); }

  // Writes the fixture files into the scratch folder (an empty list: no such file).
  void Write(const char* name, const std::vector<std::string>& lines)
  {
    platform::WriteTextLines(folder.filePath(QString::fromLatin1(name)), lines);
  }

  void WriteTwoElements(int properties = 3)
  {
    std::vector<std::string> lines{"2", std::to_string(properties)};
    for (int p = 1; p <= properties; ++p)
      lines.push_back("Property " + std::to_string(p));
    for (int e = 1; e <= 2; ++e) {
      lines.push_back("=== " + std::to_string(e) + " ===");
      for (int p = 1; p <= properties; ++p)
        lines.push_back(p == 1 ? (e == 1 ? "Alpha" : "Beta") : "v" + std::to_string(e) + "." + std::to_string(p));
    }
    Write("Vexal.prt", lines);
    Write("Vexal.txt", {"Notes of alpha", "Notes of beta"});
  }

  QTemporaryDir folder;
};

TEST_F(PeriodicTableWindowTest, ShippedElementsShowTheirValues)
{
  TfrnPT window(ShippedFolder());
  EXPECT_EQ(window.tsgPT->Rows(), 18);
  EXPECT_EQ(window.tsgPT->Cols(), 2);

  window.ShowElement(26);
  EXPECT_TRUE(window.isVisible());
  EXPECT_EQ(window.windowTitle(), "Propeties - [Iron]");
  EXPECT_EQ(Value(window, "Name"), "Iron");
  EXPECT_EQ(Value(window, "Symbol"), "Fe");
  EXPECT_EQ(Value(window, "Atomic number"), "26");
  EXPECT_EQ(Value(window, "Atomic mass (u)"), "55.845");
  EXPECT_EQ(Value(window, "Group"), "8");
  EXPECT_EQ(Value(window, "Period"), "4");
  EXPECT_EQ(Value(window, "Electron configuration"), "[Ar] 3d6 4s2");
  EXPECT_EQ(Value(window, "Melting point (K)"), "1808");
  EXPECT_EQ(window.M1->toPlainText(), "Latin 'ferrum'");

  window.ShowElement(1);
  EXPECT_EQ(Value(window, "Name"), "Hydrogen");
  EXPECT_EQ(Value(window, "Atomic mass (u)"), "1.008");
  EXPECT_EQ(Value(window, "Density (g/cm3)"), "0.0708 (at -252.87 \xb0" "C)");  // Latin-1 in the grid

  window.ShowElement(79);
  EXPECT_EQ(Value(window, "Name"), "Gold");
  EXPECT_EQ(Value(window, "Group"), "11");
  EXPECT_EQ(window.CurrentElement(), 79);

  window.ShowElement(43);
  EXPECT_EQ(Value(window, "Atomic mass (u)"), "[97]");
  window.ShowElement(58);
  EXPECT_EQ(Value(window, "Group"), "n/a");
}

TEST_F(PeriodicTableWindowTest, SmallFileGivesItsRowsAndBlocks)
{
  WriteTwoElements();
  TfrnPT window(folder.path());
  ASSERT_EQ(window.tsgPT->Rows(), 3);
  EXPECT_EQ(window.tsgPT->Cell(1, 3).AsString(), "Property 3");
  window.ShowElement(2);
  EXPECT_EQ(window.windowTitle(), "Propeties - [Beta]");
  EXPECT_EQ(window.tsgPT->Cell(2, 1).AsString(), "Beta");
  EXPECT_EQ(window.tsgPT->Cell(2, 3).AsString(), "v2.3");
  EXPECT_EQ(window.M1->toPlainText(), "Notes of beta");

  // One row height more per property.
  WriteTwoElements(5);
  TfrnPT taller(folder.path());
  EXPECT_EQ(taller.height() - window.height(), 2 * window.tsgPT->DefaultRowHeight());
  EXPECT_EQ(window.height(),
            4 * window.tsgPT->DefaultRowHeight() + window.ToolBar1->height() + 232);

  EXPECT_EQ(window.tsgPT->Model().Col(1).Heading(), "Properies");
  EXPECT_EQ(window.tsgPT->Model().Col(2).Heading(), "Value");
  EXPECT_TRUE(window.tsgPT->IsCellReadOnly(1, 1));
  EXPECT_FALSE(window.tsgPT->IsCellReadOnly(2, 1));
  window.resize(500, window.height());
  QApplication::processEvents();
  EXPECT_EQ(window.tsgPT->DefaultColWidth(), (500 - 42) / 2);
}

// Files in 8-bit text read as Latin-1, files in UTF-8 as UTF-8.
TEST_F(PeriodicTableWindowTest, ReadsLatin1AndUtf8Files)
{
  for (const bool utf8 : {false, true}) {
    const std::string u = utf8 ? "\xc3\xbc" : "\xfc";
    const std::string degree = utf8 ? "\xc2\xb0" : "\xb0";
    Write("Vexal.prt", {"1", "2", "Name", "Melting point (" + degree + "C)", "=== 1 ===", "M" + u + "nzium", "12"});
    Write("Vexal.txt", {"After G. M" + u + "nzenberg"});
    TfrnPT window(folder.path());
    window.ShowElement(1);
    EXPECT_EQ(window.windowTitle(), QString::fromUtf8("Propeties - [M\u00fcnzium]")) << utf8;
    EXPECT_EQ(window.tsgPT->Cell(1, 2).AsString(), "Melting point (\xb0" "C)") << utf8;  // the grid's 8-bit text
    EXPECT_EQ(window.M1->toPlainText(), QString::fromUtf8("After G. M\u00fcnzenberg")) << utf8;
  }
}

TEST_F(PeriodicTableWindowTest, CopyPutsTabLinesThenTheNotesOnTheClipboard)
{
  WriteTwoElements();
  TfrnPT window(folder.path());
  window.ShowElement(1);
  QApplication::processEvents();
  const QStringList expected{"Property 1\tAlpha", "Property 2\tv1.2", "Property 3\tv1.3", "Notes of alpha"};

  platform::SetClipboardText("old");
  Click(*window.sbCopy);
  EXPECT_EQ(QString::fromLatin1(platform::ClipboardText().value_or("")).split("\r\n"), expected);

  platform::SetClipboardText("old");
  PressInGrid(window, Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(QString::fromLatin1(platform::ClipboardText().value_or("")).split("\r\n"), expected);
}

TEST_F(PeriodicTableWindowTest, DamagedFilesAreRefusedAndGiveNoData)
{
  struct Case {
    const char* what;
    std::size_t line;  // the line of the two-element fixture replaced
    std::string text;
  };
  const Case cases[] = {
      {"separator of dashes", 9, "--"}, {"count not a number", 0, "many"}, {"negative count", 1, "-3"},
      {"huge count", 0, "2000000000"},
  };
  for (const Case& c : cases) {
    WriteTwoElements();
    std::vector<std::string> lines = platform::ReadTextLines(folder.filePath("Vexal.prt"));
    lines[c.line] = c.text;
    Write("Vexal.prt", lines);
    const QString path = QDir(folder.path()).filePath("Vexal.prt");
    platform::ModalScript script;
    script.ExpectMessage("File " + path + " corapted -> " + QString::fromStdString(c.text), platform::mrOk);
    TfrnPT window(folder.path());
    EXPECT_EQ(script.StepsLeft(), 0) << c.what;
    EXPECT_EQ(window.tsgPT->Rows(), 0) << c.what;
    EXPECT_EQ(window.Table().ElementCount(), 0) << c.what;

    script.ExpectMessage("No data for element 1 in " + path, platform::mrOk);
    window.ShowElement(1);
    EXPECT_EQ(script.StepsLeft(), 0) << c.what;
    EXPECT_FALSE(window.isVisible()) << c.what;
  }
}

TEST_F(PeriodicTableWindowTest, ElementsOutsideTheTableAreReported)
{
  WriteTwoElements();
  TfrnPT window(folder.path());
  const QString path = QDir(folder.path()).filePath("Vexal.prt");
  for (int n : {0, 3, -1, 118}) {
    platform::ModalScript script;
    script.ExpectMessage(QStringLiteral("No data for element %1 in %2").arg(n).arg(path), platform::mrOk);
    window.ShowElement(n);
    EXPECT_EQ(script.StepsLeft(), 0) << n;
  }
  EXPECT_FALSE(window.isVisible());

  // Without a data file: no rows and nothing said until an element is asked for.
  QFile::remove(path);
  TfrnPT empty(folder.path());
  EXPECT_EQ(empty.tsgPT->Rows(), 0);
  platform::ModalScript script;
  script.ExpectMessage("No data for element 26 in " + path, platform::mrOk);
  empty.ShowElement(26);
  EXPECT_EQ(script.StepsLeft(), 0);
}

TEST_F(PeriodicTableWindowTest, MissingNotesFileIsNamedOnceAndTheWindowShows)
{
  WriteTwoElements();
  QFile::remove(folder.filePath("Vexal.txt"));
  TfrnPT window(folder.path());
  {
    platform::ModalScript script;
    script.Then([&](platform::ModalSubject& subject) {
      auto& box = dynamic_cast<platform::MessageBoxSubject&>(subject);
      EXPECT_TRUE(box.Text().contains(QDir(folder.path()).filePath("Vexal.txt"))) << box.Text().toStdString();
      return platform::mrOk;
    });
    window.ShowElement(2);
    EXPECT_EQ(script.StepsLeft(), 0);
  }
  EXPECT_TRUE(window.isVisible());
  EXPECT_EQ(window.windowTitle(), "Propeties - [Beta]");
  EXPECT_TRUE(window.M1->toPlainText().isEmpty());
  window.ShowElement(1);  // no second message: nothing answers one
  EXPECT_EQ(Value(window, "Property 1"), "Alpha");
}

class PeriodicTablePrintTest : public PeriodicTableWindowTest {
protected:
  void SetUp() override
  {
    PeriodicTableWindowTest::SetUp();
    home = qgetenv("HOME");
    qputenv("HOME", folder.path().toLocal8Bit());
    platform::TPrinter& printer = platform::Printer();
    printer.SetPrinterIndex(int(printer.Printers().indexOf(platform::kPdfPrinterName)));
    printer.SetFileName(QString());
  }
  void TearDown() override
  {
    qputenv("HOME", home);
    platform::Printer().SetFileName(QString());
  }
  QByteArray home;
};

// The grid, then the notes, each a job of its own titled with the element's name.
TEST_F(PeriodicTablePrintTest, PrintButtonAndCtrlPPrintGridThenNotes)
{
  TfrnPT window(ShippedFolder());
  window.ShowElement(26);
  QApplication::processEvents();
  const QString gridPdf = QDir(folder.path()).filePath("Iron.pdf");
  const QString notesPdf = QDir(folder.path()).filePath("Iron notes.pdf");
  for (int way = 0; way < 2; ++way) {
    QFile::remove(gridPdf);
    QFile::remove(notesPdf);
    if (way == 0) {
      Click(*window.sbPrint);
    } else {
      PressInGrid(window, Qt::Key_P, Qt::ControlModifier);
    }
    ASSERT_TRUE(QFile::exists(gridPdf)) << way;
    ASSERT_TRUE(QFile::exists(notesPdf)) << way;
    const QString grid = PdfText(gridPdf);
    EXPECT_TRUE(grid.contains("Iron"));
    EXPECT_TRUE(grid.contains("Atomic mass (u)"));
    EXPECT_TRUE(grid.contains("55.845"));
    EXPECT_TRUE(grid.contains("Discovered"));
    EXPECT_FALSE(grid.contains("page"));
    const QString notes = PdfText(notesPdf);
    EXPECT_TRUE(notes.contains("Iron page 1"));
    EXPECT_TRUE(notes.contains("Latin 'ferrum'"));
  }
  EXPECT_FALSE(platform::Printer().FileNameSet());  // the next job names its file by its title again
}

// A job that can't start is reported once, and the notes are not printed after it.
TEST_F(PeriodicTablePrintTest, FailedJobIsReportedOnceAndTheSecondNotStarted)
{
  WriteTwoElements();
  TfrnPT window(folder.path());
  window.ShowElement(1);
  const QString missing = QDir(folder.path()).filePath("no such folder/out.pdf");
  platform::Printer().SetFileName(missing);
  platform::ModalScript script;
  script.Then([&](platform::ModalSubject& subject) {
    auto& box = dynamic_cast<platform::MessageBoxSubject&>(subject);
    EXPECT_TRUE(box.Text().contains(missing)) << box.Text().toStdString();
    return platform::mrOk;
  });
  Click(*window.sbPrint);
  EXPECT_EQ(script.StepsLeft(), 0);
  EXPECT_EQ(script.Answered().size(), 1);
  EXPECT_FALSE(platform::Printer().Printing());
  EXPECT_EQ(platform::Printer().FileName(), missing);  // the chosen file stays chosen
}

}  // namespace
}  // namespace tools
