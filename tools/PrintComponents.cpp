#include "tools/PrintComponents.h"

#include "controls/textfile/TextFileEditor.h"
#include "controls/textfile/TextFileViewer.h"
#include "grid/window/Grid.h"
#include "platform/ClipboardText.h"
#include "platform/Font.h"
#include "platform/Printer.h"
#include "platform/StringGrid.h"

#include <QListWidget>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextEdit>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <functional>

namespace tools {

namespace {

using platform::TCanvas;
using platform::TPrinter;

struct Margins {
  int left;
  int top;
  int right;
  int bottom;
};

// The margins in printer dots: every one from the horizontal resolution.
Margins PrinterMargins(const TPrinter& printer)
{
  const double dotsPerMm = printer.Resolution() / 25.4;
  const auto dots = [dotsPerMm](int mm) { return static_cast<int>(std::nearbyint(mm * dotsPerMm)); };
  return {dots(PrintMarginsMm[0]), dots(PrintMarginsMm[1]), dots(PrintMarginsMm[2]), dots(PrintMarginsMm[3])};
}

// Ends the document however the job leaves.
class PrintJob {
public:
  explicit PrintJob(TPrinter& printer) : printer_(printer) { printer_.BeginDoc(); }
  ~PrintJob()
  {
    if (printer_.Printing())
      printer_.EndDoc();
  }
  PrintJob(const PrintJob&) = delete;
  PrintJob& operator=(const PrintJob&) = delete;

private:
  TPrinter& printer_;
};

platform::TFontStyles StylesOf(const QFont& font)
{
  platform::TFontStyles styles = 0;
  if (font.bold())
    styles |= platform::fsBold;
  if (font.italic())
    styles |= platform::fsItalic;
  if (font.underline())
    styles |= platform::fsUnderline;
  if (font.strikeOut())
    styles |= platform::fsStrikeOut;
  return styles;
}

// The font the lines are printed in: size, name and style.
struct PrintFont {
  int size;
  QString name;
  platform::TFontStyles style;
};

PrintFont PrintFontOf(const QFont& font)
{
  return {font.pointSize() > 0 ? font.pointSize() : 8, font.family(), StylesOf(font)};
}

PrintFont PrintFontOf(const controls::TOvcFixedFont& font)
{
  platform::TFontStyles styles = 0;
  if (font.Style() & controls::fsBold)
    styles |= platform::fsBold;
  if (font.Style() & controls::fsItalic)
    styles |= platform::fsItalic;
  if (font.Style() & controls::fsUnderline)
    styles |= platform::fsUnderline;
  if (font.Style() & controls::fsStrikeOut)
    styles |= platform::fsStrikeOut;
  return {font.Size(), QString::fromStdString(font.Name()), styles};
}

void SetPrinterFont(TCanvas& canvas, const PrintFont& font)
{
  canvas.Font().SetSize(font.size);
  canvas.Font().SetName(font.name);
  canvas.Font().SetStyle(font.style);
}

int LineHeight(const TCanvas& canvas)
{
  return 2 * std::abs(canvas.Font().Height());
}

QStringList LinesOf(QWidget* control)
{
  QStringList lines;
  if (auto* memo = qobject_cast<QPlainTextEdit*>(control)) {
    for (QTextBlock block = memo->document()->begin(); block.isValid(); block = block.next())
      lines << block.text();
    if (memo->document()->isEmpty())
      lines.clear();
  } else if (auto* memo = qobject_cast<QTextEdit*>(control)) {
    if (!memo->document()->isEmpty())
      lines = memo->toPlainText().split('\n');
  } else if (auto* list = qobject_cast<QListWidget*>(control)) {
    for (int i = 0; i < list->count(); ++i)
      lines << list->item(i)->text();
  } else if (auto* viewer = dynamic_cast<controls::TOvcCustomTextFileViewer*>(control)) {
    for (int i = 0; i < viewer->LineCount(); ++i)
      lines << QString::fromLatin1(viewer->GetLineText(i));
  } else if (auto* editor = dynamic_cast<controls::TOvcCustomTextFileEditor*>(control)) {
    for (int i = 1; i <= editor->GetLineCount(); ++i)
      lines << QString::fromLatin1(editor->GetLineText(i));
  }
  return lines;
}

void PrintLines(const QStringList& lines, const PrintFont& font, const QString& title)
{
  TPrinter& printer = platform::Printer();
  const Margins m = PrinterMargins(printer);
  const PrintJob job(printer);
  TCanvas& canvas = printer.Canvas();
  SetPrinterFont(canvas, font);
  const int h = LineHeight(canvas);
  int page = 1;
  const auto header = [&] {
    const QString text = QStringLiteral("%1 page %2").arg(title).arg(page);
    canvas.TextOut(printer.PageWidth() - m.right - canvas.TextWidth(text), m.top, text);
  };
  header();
  const int y0 = m.top;
  int y = m.top + h;
  int k = 0;
  for (const QString& line : lines) {
    canvas.TextOut(m.left, y + h * k, line);
    if (y + h * k <= printer.PageHeight() - m.bottom - y) {
      ++k;
      continue;
    }
    k = 0;
    printer.NewPage();
    ++page;
    SetPrinterFont(canvas, font);
    header();
    y = y0 + h;
  }
}

// The cells of a table: its column count, and cell (column, row) from row 0.
struct TableCells {
  int columns;
  int rows;
  std::function<QString(int col, int row)> cell;
  int keyColumn;   // the table ends at the first row whose cell here is empty
  bool textFirst;  // the text is drawn before its box
};

// Boxed cells under the title, row by row up to the first row whose key cell is empty; a row that
// would reach the bottom margin goes on a new page under the title again.
void PrintTable(const TableCells& table, const QString& title)
{
  TPrinter& printer = platform::Printer();
  const Margins m = PrinterMargins(printer);
  const PrintJob job(printer);
  TCanvas& canvas = printer.Canvas();
  const auto setUp = [&] {
    canvas.Font().SetSize(10);
    canvas.Brush().SetStyle(platform::TBrushStyle::bsClear);
    canvas.TextOut(m.left, m.top, title);
  };
  setUp();
  const int h = LineHeight(canvas);
  const int width = printer.PageWidth() - m.left - m.right;
  const int c = (width - 10) / std::max(table.columns, 1);
  const int bottom = printer.PageHeight() - m.bottom;
  int y = m.top + h;
  int k = 0;  // the row's place on its page
  for (int i = 0; i < table.rows; ++i) {
    if (table.columns <= table.keyColumn || table.cell(table.keyColumn, i).isEmpty())
      break;
    if (k > 0 && y + (k + 1) * h - h / 4 > bottom) {
      printer.NewPage();
      setUp();
      y = m.top + h;
      k = 0;
    }
    for (int j = 0; j < table.columns; ++j) {
      const QString text = table.cell(j, i);
      const int x = m.left + j * c;
      if (table.textFirst)
        canvas.TextOut(x + 10, y + k * h, text);
      canvas.Rectangle(x, y + k * h - h / 4, x + c, y + (k + 1) * h - h / 4);
      if (!table.textFirst)
        canvas.TextOut(x + 10, y + k * h, text);
    }
    ++k;
  }
}

TableCells CellsOf(const platform::TStringGrid& grid)
{
  return {grid.ColCount(), grid.RowCount(), [&grid](int col, int row) { return grid.Cells(col, row); }, 1, false};
}

// A grid component's data cells: column j, row i is Cell [j + 1, i + 1] as text; the first data column
// ends the table.
TableCells CellsOf(grid::TtsBaseGrid& grid)
{
  return {grid.Cols(), grid.Rows(),
          [&grid](int col, int row) { return platform::FromLatin1(grid.Cell(col + 1, row + 1).AsString()); }, 0,
          true};
}

}  // namespace

void PrintControlContents(QWidget* control, const QString& title)
{
  platform::Printer().SetTitle(title);  // the job's name is the header's
  if (const auto* grid = dynamic_cast<const platform::TStringGrid*>(control)) {
    PrintTable(CellsOf(*grid), title);
    return;
  }
  if (auto* grid = dynamic_cast<grid::TtsBaseGrid*>(control)) {
    PrintTable(CellsOf(*grid), title);
    return;
  }
  if (qobject_cast<QPlainTextEdit*>(control) != nullptr || qobject_cast<QTextEdit*>(control) != nullptr ||
      qobject_cast<QListWidget*>(control) != nullptr) {
    PrintLines(LinesOf(control), PrintFontOf(control->font()), title);
    return;
  }
  if (auto* viewer = dynamic_cast<controls::TOvcCustomTextFileViewer*>(control)) {
    PrintLines(LinesOf(control), PrintFontOf(viewer->FixedFont()), title);
    return;
  }
  if (auto* editor = dynamic_cast<controls::TOvcCustomTextFileEditor*>(control))
    PrintLines(LinesOf(control), PrintFontOf(editor->FixedFont()), title);
}

}  // namespace tools
