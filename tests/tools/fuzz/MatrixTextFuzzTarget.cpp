#include "tests/tools/fuzz/MatrixTextFuzzTarget.h"

#include "tests/support/FuzzCheck.h"
#include "tests/support/ScratchFile.h"
#include "tools/MatrixPrint.h"
#include "tools/matrix/MatrixGrid.h"
#include "tools/matrix/MatrixText.h"

namespace fuzz {

using testsupport::Require;

void MatrixPasteTarget(std::string_view bytes)
{
  const std::string text(bytes);
  for (const std::string& line : tools::PasteLines(text))
    Require(line.find_first_of("\r\n") == std::string::npos, "a pasted line holds no line break");
  for (const int at : {1, 3}) {
    tools::TMatrixTable grid("A", 4, 3);
    tools::PasteIntoGrid(grid, text, at, at);
    Require(grid.Rows() == 4 && grid.Cols() == 3, "a paste keeps the grid's size");
    for (int i = 1; i <= grid.Rows(); ++i)
      for (int j = 1; j <= grid.Cols(); ++j)
        Require(grid.Cell(i, j).find_first_of("\r\n") == std::string::npos, "a pasted cell is within a line");
  }
}

void PrintMarginsTarget(std::string_view bytes)
{
  const tools::TPrintMargins margins = tools::ReadPrintMargins(testsupport::ScratchFile("fuzz-print.ini", bytes));
  for (const int margin : {margins.Left, margins.Top, margins.Right, margins.Bottom})
    Require(margin >= 0 && margin <= tools::kMaxPrintMargin, "a print margin lies on the page");
}

}  // namespace fuzz
