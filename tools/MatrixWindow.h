#pragma once
// The matrix calculator window: matrices A and B typed as expressions, the operation buttons, "=",
// the result C, the repository of stored matrices, the text file, the clipboard and the printouts.
// What it shows lives in TMatrixCalculator; the window holds the controls and their wiring.

#include "platform/Form.h"
#include "tools/MatrixGridView.h"
#include "tools/matrix/MatrixCalculator.h"

#include <QString>
#include <functional>
#include <memory>

class QLineEdit;
class QListWidget;
class QPushButton;
class QToolButton;

namespace platform {
class TPopupMenu;
class TSaveDialog;
class TStringGrid;
}  // namespace platform

namespace tools {

class TfmMult;
class TfrmViewR;

class TfmMatrix : public platform::Form {
public:
  // The save dialog is the program's shared one; print margins come from the settings file. The question
  // dialog and the viewer are the program's long-lived ones.
  TfmMatrix(platform::TSaveDialog& saveDialog, QString settingsFile, TfmMult& fmMult, TfrmViewR& frmViewR,
            QWidget* parent = nullptr);
  ~TfmMatrix() override;

  // Shows the window with the product selected.
  void ShowWindow();

  TMatrixCalculator& Calculator() { return *calculator_; }
  TGridMatrix& MatrixA() { return *a_; }
  TGridMatrix& MatrixB() { return *b_; }
  TGridMatrix& MatrixC() { return *c_; }

  // Controls
  platform::TStringGrid* sgA;
  platform::TStringGrid* sgB;
  platform::TStringGrid* sgC;
  QLineEdit* edAName;
  QLineEdit* edBName;
  QLineEdit* edCName;
  QLineEdit* edARows;
  QLineEdit* edACols;
  QLineEdit* edBRows;
  QLineEdit* edBCols;
  QLineEdit* edCRows;
  QLineEdit* edCCols;
  QLineEdit* edAValue;
  QLineEdit* edBValue;
  QLineEdit* edOperation;
  QPushButton* Solve;
  QPushButton* btAMultB;
  QPushButton* btAAddB;
  QPushButton* btASubsB;
  QPushButton* btInverse;
  QPushButton* ptPowerA;
  QPushButton* btDeterminant;
  QPushButton* sbMultArA;
  QPushButton* Button2;
  QPushButton* Button1;
  QToolButton* sbAtoB;
  QToolButton* sbBtoA;
  QToolButton* sbCtoA;
  QToolButton* sbCtoB;
  QToolButton* sbAtoClip;
  QToolButton* sbBtoClip;
  QToolButton* sbCtoClip;
  QToolButton* sbPasteToA;
  QToolButton* sbPasteToB;
  QToolButton* sbAddRow;
  QToolButton* sbDelRow;
  QToolButton* sbAddCol;
  QToolButton* sbDelCol;
  QToolButton* sbASwap;
  QToolButton* sbSave;
  QToolButton* sbPrint;
  QListWidget* lbR;
  QToolButton* sbRtoA;
  QToolButton* sbRtoB;
  QToolButton* sbRView;
  QToolButton* sbRPrint;
  QToolButton* SpeedButton1;  // "Help"
  // Grid A's popup menu: "&Paste" from the clipboard; a right click on A shows it.
  std::unique_ptr<platform::TPopupMenu> pmA;

  static constexpr int HelpContext = 38;

private:
  QWidget* BuildPanel(QWidget* parent, const char* letter, QLineEdit*& name, QLineEdit*& rows, QLineEdit*& cols,
                      QLineEdit** fill, platform::TStringGrid*& grid);
  QWidget* BuildRepository(QWidget* parent);
  void Wire();

  // Operations
  void SelectOperation(TMatrixOperation operation);
  void AskAndSelect(TMatrixOperation operation);
  void Calculate();

  // Sizes and names
  void SizeEdited(TGridMatrix& matrix, bool colsEdited);
  void ShowSizes();
  void NameEdited();
  void ShapeKey(TGridMatrix& matrix, int& key, platform::TShiftState shift);
  // The row and column buttons act on the current grid.
  void ChangeCurrentShape(const std::function<void(TGridMatrix&)>& change, bool colsChanged);
  // After a grid's shape changed: the others follow, the size edits show it.
  void ShapeChanged(TGridMatrix& matrix, bool colsChanged);

  // Files, clipboard, printing, repository
  void SaveToFile();
  void CopyToClipboard(const TMatrixGrid& matrix);
  void Paste(TGridMatrix& matrix);
  void PrintGrids();
  void PrintStored();
  void ViewStored();
  int SelectedEntry() const;
  void StoreEntries(std::size_t before);

  // Enables the commands by what the grids and the list hold.
  void UpdateButtons();

  platform::TSaveDialog& saveDialog_;
  TfmMult& fmMult_;
  TfrmViewR& frmViewR_;
  QString settingsFile_;
  std::unique_ptr<TGridMatrix> a_;
  std::unique_ptr<TGridMatrix> b_;
  std::unique_ptr<TGridMatrix> c_;
  std::unique_ptr<TMatrixCalculator> calculator_;
  TGridMatrix* current_ = nullptr;  // the grid the row and column buttons change
  bool busy_ = false;               // while set, size and name handlers do nothing
};

}  // namespace tools
