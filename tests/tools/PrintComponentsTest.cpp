#include "tools/PrintComponents.h"

#include "controls/textfile/TextFileEditor.h"
#include "controls/textfile/TextFileViewer.h"
#include "grid/window/Grid.h"
#include "platform/PrintDocument.h"
#include "platform/Printer.h"
#include "platform/TextFile.h"
#include "platform/StringGrid.h"

#include <QListWidget>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace tools {
namespace {

class PrintComponentsTest : public testing::Test {
protected:
  void SetUp() override
  {
    ASSERT_TRUE(folder.isValid());
    platform::TPrinter& printer = platform::Printer();
    printer.SetPrinterIndex(static_cast<int>(printer.Printers().indexOf(platform::kPdfPrinterName)));
    printer.SetFileName(Pdf());
  }

  QString Pdf() const { return folder.filePath("out.pdf"); }

  // The text of the PDF, page by page (pdftotext separates pages by form feeds).
  QStringList PrintedPages() const
  {
    QProcess process;
    process.start("pdftotext", {"-layout", Pdf(), "-"});
    EXPECT_TRUE(process.waitForFinished(30000));
    QStringList pages = QString::fromUtf8(process.readAllStandardOutput()).split('\f');
    if (!pages.isEmpty() && pages.last().trimmed().isEmpty())
      pages.removeLast();
    return pages;
  }

  QTemporaryDir folder;
};

TEST_F(PrintComponentsTest, EmptyMemoPrintsItsHeader)
{
  QPlainTextEdit memo;
  PrintControlContents(&memo, "Tape");
  const QStringList pages = PrintedPages();
  ASSERT_EQ(pages.size(), 1);
  EXPECT_TRUE(pages[0].contains("Tape page 1"));
}

TEST_F(PrintComponentsTest, LongTapeRunsOverPages)
{
  QPlainTextEdit memo;
  QStringList lines;
  for (int i = 1; i <= 120; ++i)
    lines << QStringLiteral("%1+1 = %2; ").arg(i).arg(i + 1);
  memo.setPlainText(lines.join('\n'));
  PrintControlContents(&memo, "Tape");
  const QStringList pages = PrintedPages();
  ASSERT_GE(pages.size(), 2);
  EXPECT_TRUE(pages[0].contains("Tape page 1"));
  EXPECT_TRUE(pages[0].contains("1+1 = 2;"));
  EXPECT_TRUE(pages[1].contains("Tape page 2"));
  EXPECT_TRUE(pages.last().contains("120+1 = 121;"));
}

TEST_F(PrintComponentsTest, ListBoxAndGrid)
{
  QListWidget list;
  list.addItems({"alpha", "beta"});
  PrintControlContents(&list, "Results");
  QStringList pages = PrintedPages();
  ASSERT_EQ(pages.size(), 1);
  EXPECT_TRUE(pages[0].contains("Results page 1"));
  EXPECT_TRUE(pages[0].contains("beta"));

  platform::TStringGrid grid;
  grid.SetColCount(2);
  grid.SetRowCount(3);
  grid.SetCells(0, 0, "Name");
  grid.SetCells(1, 0, "Value");
  grid.SetCells(0, 1, "Mass");
  grid.SetCells(1, 1, "12.011");
  grid.SetCells(0, 2, "Hidden");  // its second cell is empty: the table ends
  PrintControlContents(&grid, "Carbon");
  pages = PrintedPages();
  ASSERT_EQ(pages.size(), 1);
  EXPECT_TRUE(pages[0].contains("Carbon"));
  EXPECT_FALSE(pages[0].contains("page"));
  EXPECT_TRUE(pages[0].contains("12.011"));
  EXPECT_FALSE(pages[0].contains("Hidden"));
}

TEST_F(PrintComponentsTest, TextFileEditorAndViewerPrintTheirLinesInTheirFixedFont)
{
  std::vector<std::string> lines;
  for (int i = 1; i <= 90; ++i)
    lines.push_back("item " + std::to_string(i) + " = " + std::to_string(i * i));
  lines.push_back("\ttabbed " + std::string(300, 'w'));
  const QString file = folder.filePath("lines.txt");
  platform::WriteTextLines(file, lines);

  controls::TOvcTextFileEditor editor;
  editor.LoadFromFile(file);
  PrintControlContents(&editor, "Source");
  QStringList pages = PrintedPages();
  ASSERT_GE(pages.size(), 2);
  EXPECT_TRUE(pages[0].contains("Source page 1"));
  EXPECT_TRUE(pages[0].contains("item 1 = 1"));
  EXPECT_TRUE(pages[1].contains("Source page 2"));
  EXPECT_TRUE(pages.join("").contains("item 90 = 8100"));

  controls::TOvcTextFileViewer viewer;
  viewer.SetFileName(file);
  viewer.SetIsOpen(true);
  PrintControlContents(&viewer, "Viewer");
  pages = PrintedPages();
  ASSERT_GE(pages.size(), 2);
  EXPECT_TRUE(pages[0].contains("Viewer page 1"));
  const QString all = pages.join("");
  EXPECT_TRUE(all.contains("item 90 = 8100"));
  // The long line as the viewer gives it (the page cuts it at its right edge).
  EXPECT_TRUE(all.contains("tabbed wwwwwwwwww"));
}

// A grid component with two data columns and the given rows (first cell, second cell).
std::unique_ptr<grid::TtsGrid> GridOf(const std::vector<std::pair<std::string, std::string>>& rows)
{
  auto grid = std::make_unique<grid::TtsGrid>();
  grid->SetStoreData(true);
  grid->SetCols(2);
  grid->SetRows(int(rows.size()));
  for (std::size_t i = 0; i < rows.size(); ++i) {
    grid->SetCell(1, int(i) + 1, rows[i].first);
    grid->SetCell(2, int(i) + 1, rows[i].second);
  }
  return grid;
}

TEST_F(PrintComponentsTest, GridComponentPrintsItsDataCellsTextBeforeBox)
{
  auto grid = GridOf({{"Name", "Iron"}, {"Atomic mass (u)", "55.845"}, {"", "after the end"}});
  PrintControlContents(grid.get(), "Iron");
  const QStringList pages = PrintedPages();
  ASSERT_EQ(pages.size(), 1);
  EXPECT_TRUE(pages[0].contains("Atomic mass (u)"));
  EXPECT_TRUE(pages[0].contains("55.845"));
  EXPECT_FALSE(pages[0].contains("page"));
  EXPECT_FALSE(pages[0].contains("after the end"));  // the first empty first cell ends the table

  platform::TPrintDocument document;
  {
    const platform::TRecordPrinting recording(platform::Printer(), document);
    PrintControlContents(grid.get(), "Iron");
  }
  ASSERT_EQ(document.PageCount(), 1);
  std::vector<platform::TCanvasOp> ops;
  for (const platform::TCanvasRecord& record : document.Page(0).Records())
    if (record.Op == platform::TCanvasOp::TextOut || record.Op == platform::TCanvasOp::Rectangle)
      ops.push_back(record.Op);
  using platform::TCanvasOp;
  // The title, then per cell its text and its box.
  const std::vector<TCanvasOp> expected{TCanvasOp::TextOut, TCanvasOp::TextOut, TCanvasOp::Rectangle,
                                        TCanvasOp::TextOut, TCanvasOp::Rectangle, TCanvasOp::TextOut,
                                        TCanvasOp::Rectangle, TCanvasOp::TextOut, TCanvasOp::Rectangle};
  EXPECT_EQ(ops, expected);
}

TEST_F(PrintComponentsTest, GridComponentWithEmptyFirstCellPrintsTheTitleAlone)
{
  auto grid = GridOf({{"", "value"}, {"Name", "Iron"}});
  PrintControlContents(grid.get(), "Lonely title");
  const QStringList pages = PrintedPages();
  ASSERT_EQ(pages.size(), 1);
  EXPECT_EQ(pages[0].simplified(), "Lonely title");
}

// Rows below the page go on on further pages under the title, each once and in order.
TEST_F(PrintComponentsTest, LongGridsGoOnOnNewPages)
{
  std::vector<std::pair<std::string, std::string>> rows;
  for (int i = 1; i <= 80; ++i)
    rows.emplace_back(QStringLiteral("Row%1").arg(i, 2, 10, QChar('0')).toStdString(),
                      QStringLiteral("value%1").arg(i, 2, 10, QChar('0')).toStdString());
  auto component = GridOf(rows);
  platform::TStringGrid stringGrid;
  stringGrid.SetColCount(2);
  stringGrid.SetRowCount(80);
  for (int i = 0; i < 80; ++i) {
    stringGrid.SetCells(0, i, QString::fromStdString(rows[std::size_t(i)].first));
    stringGrid.SetCells(1, i, QString::fromStdString(rows[std::size_t(i)].second));
  }
  for (QWidget* grid : std::initializer_list<QWidget*>{component.get(), &stringGrid}) {
    PrintControlContents(grid, "Long table");
    const QStringList pages = PrintedPages();
    ASSERT_GE(pages.size(), 2);
    for (const QString& page : pages)
      EXPECT_TRUE(page.trimmed().startsWith("Long table"));
    const QString all = pages.join("");
    qsizetype at = 0;
    for (const auto& [name, value] : rows) {
      const QString row = QString::fromStdString(name);
      EXPECT_EQ(all.count(row), 1) << name;
      const qsizetype next = all.indexOf(row);
      EXPECT_GT(next, at) << name;
      at = next;
      EXPECT_TRUE(all.contains(QString::fromStdString(value))) << value;
    }
  }
}

TEST_F(PrintComponentsTest, OtherControlsPrintNothing)
{
  QPushButton button("OK");
  PrintControlContents(&button, "Button");
  EXPECT_FALSE(QFile::exists(Pdf()));
  EXPECT_FALSE(platform::Printer().Printing());
}

}  // namespace
}  // namespace tools
