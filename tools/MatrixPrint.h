#pragma once
// The matrix calculator's printouts: the operation line and the three grids with their headings, or
// one stored matrix, as boxed cells from the saved page margins on.

#include "tools/matrix/MatLib.h"
#include "tools/matrix/MatrixGrid.h"

#include <QString>
#include <vector>

namespace platform {
class TPrinter;
}

namespace tools {

// Page margins in millimetres, from the "Print" section of the settings file.
struct TPrintMargins {
  int Left = 25;
  int Top = 10;
  int Right = 20;
  int Bottom = 10;
};
// The widest margin read; a value beyond it or below 0 keeps the default, so the page keeps room to print.
inline constexpr int kMaxPrintMargin = 80;
TPrintMargins ReadPrintMargins(const QString& settingsFile);

// One job: the operation line, then each grid under its name, headings included. A grid that reaches
// the bottom margin goes on onto a new page.
void PrintMatrixGrids(platform::TPrinter& printer, const TPrintMargins& margins, const std::string& operationLine,
                      const std::vector<const TMatrixGrid*>& grids);
// One job: the name, then the matrix's values.
void PrintStoredMatrix(platform::TPrinter& printer, const TPrintMargins& margins, const std::string& name,
                       const TMatrix& matrix);

}  // namespace tools
