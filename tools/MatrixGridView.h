#pragma once
// A matrix shown in a string grid: row 0 and column 0 hold the headings, the name comes from an edit.

#include "tools/matrix/MatrixGrid.h"

#include <functional>

class QLineEdit;

namespace platform {
class TStringGrid;
}

namespace tools {

class TGridMatrix : public TMatrixGrid {
public:
  TGridMatrix(platform::TStringGrid& grid, QLineEdit& nameEdit) : grid_(grid), nameEdit_(nameEdit) {}

  std::string Name() const override;
  int Rows() const override;
  int Cols() const override;
  std::string Cell(int row, int col) const override;
  void SetCell(int row, int col, const std::string& text) override;
  void SetSize(int rows, int cols) override;

  // Rewrites the heading texts from the name.
  void WriteHeadings();
  platform::TStringGrid& Grid() { return grid_; }

  // Called after every change of size.
  std::function<void()> OnResized;

private:
  platform::TStringGrid& grid_;
  QLineEdit& nameEdit_;
};

}  // namespace tools
