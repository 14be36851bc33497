#include "tools/MatrixPrint.h"

#include "platform/Canvas.h"
#include "platform/ClipboardText.h"
#include "platform/IniFile.h"
#include "platform/Printer.h"
#include "tools/matrix/MatrixText.h"

#include <cmath>
#include <cstdlib>
#include <functional>

namespace tools {

namespace {

using platform::TCanvas;
using platform::TPrinter;

// Ends the document however the job leaves.
class TPrintJob {
public:
  explicit TPrintJob(TPrinter& printer) : printer_(printer) { printer_.BeginDoc(); }
  ~TPrintJob()
  {
    if (printer_.Printing())
      printer_.EndDoc();
  }
  TPrintJob(const TPrintJob&) = delete;
  TPrintJob& operator=(const TPrintJob&) = delete;

private:
  TPrinter& printer_;
};

// The page layout in printer dots: margins converted with the horizontal resolution.
struct TPageLayout {
  TPageLayout(TPrinter& printer, const TPrintMargins& margins)
  {
    const double dotsPerMm = printer.Resolution() / 25.4;
    const auto dots = [dotsPerMm](int mm) { return static_cast<int>(std::nearbyint(mm * dotsPerMm)); };
    left = dots(margins.Left);
    top = dots(margins.Top);
    width = printer.PageWidth() - 2 * left;
    bottom = printer.PageHeight() - dots(margins.Bottom);
    TCanvas& canvas = printer.Canvas();
    canvas.Font().SetSize(10);
    canvas.Brush().SetStyle(platform::TBrushStyle::bsClear);
    lineHeight = 2 * std::abs(canvas.Font().Height());
  }
  int left = 0;
  int top = 0;
  int width = 0;
  int bottom = 0;
  int lineHeight = 0;
};

QString Text(const std::string& latin1) { return platform::FromLatin1(latin1); }

// Boxed cells of a table under its name from y on; a row that would pass the bottom starts a page.
void PrintTable(TPrinter& printer, const TPageLayout& page, int& y, const std::string& name, int rows, int cols,
                const std::function<std::string(int row, int col)>& cell)
{
  const int h = page.lineHeight;
  printer.Canvas().TextOut(page.left, y, Text(name));
  y += h;
  const int c = (page.width - 10) / cols;
  for (int i = 0; i < rows; ++i) {
    if (y + h > page.bottom && y > page.top) {
      printer.NewPage();
      printer.Canvas().Font().SetSize(10);
      printer.Canvas().Brush().SetStyle(platform::TBrushStyle::bsClear);
      y = page.top;
    }
    TCanvas& canvas = printer.Canvas();
    for (int j = 0; j < cols; ++j) {
      canvas.Rectangle(page.left + j * c, y - h / 4, page.left + (j + 1) * c, y + h - h / 4);
      canvas.TextOut(page.left + j * c + 10, y, Text(cell(i, j)));
    }
    y += h;
  }
}

}  // namespace

TPrintMargins ReadPrintMargins(const QString& settingsFile)
{
  const platform::TIniFile ini(settingsFile);
  const auto margin = [&ini](const char* key, int defaultValue) {
    const int value = ini.ReadInteger("Print", key, defaultValue);
    return value >= 0 && value <= kMaxPrintMargin ? value : defaultValue;
  };
  TPrintMargins m;
  m.Left = margin("Left", m.Left);
  m.Top = margin("Top", m.Top);
  m.Right = margin("Right", m.Right);
  m.Bottom = margin("Bottom", m.Bottom);
  return m;
}

void PrintMatrixGrids(TPrinter& printer, const TPrintMargins& margins, const std::string& operationLine,
                      const std::vector<const TMatrixGrid*>& grids)
{
  const TPrintJob job(printer);
  const TPageLayout page(printer, margins);
  printer.Canvas().TextOut(page.left, page.top, Text(operationLine));
  int y = page.top + page.lineHeight;
  for (const TMatrixGrid* grid : grids) {
    const std::string name = grid->Name();
    PrintTable(printer, page, y, name, grid->Rows() + 1, grid->Cols() + 1, [&](int row, int col) -> std::string {
      if (row == 0)
        return col == 0 ? std::string() : ColHeading(name, col);
      if (col == 0)
        return RowHeading(name, row);
      return grid->Cell(row, col);
    });
  }
}

void PrintStoredMatrix(TPrinter& printer, const TPrintMargins& margins, const std::string& name,
                       const TMatrix& matrix)
{
  const TPrintJob job(printer);
  const TPageLayout page(printer, margins);
  int y = page.top;
  PrintTable(printer, page, y, name, matrix.RowCount(), matrix.ColCount(),
             [&](int row, int col) { return MatrixValueText(matrix.GetElement(row, col)); });
}

}  // namespace tools
