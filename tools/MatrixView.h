#pragma once
// "View matrix": a stored matrix of the matrix calculator in a grid, rows and columns numbered from 1.
// A long-lived window shown modally; OK, Enter and Escape close it.

#include "platform/Form.h"

class QPushButton;

namespace platform {
class TStringGrid;
}

namespace tools {

class TMatrix;

class TfrmViewR : public platform::Form {
public:
  explicit TfrmViewR(QWidget* parent = nullptr);

  void ShowMatrix(const TMatrix& m);

  platform::TStringGrid* sgA;
  QPushButton* btOK;
};

}  // namespace tools
