#pragma once
// The "Print" dialog of a plot: page margins in millimetres or tenths of an inch, printer set-up,
// orientation, copies, black and white, the page design (title blocks and the plot's frame), and the
// editor of the company and project blocks and the plot description. It prints one page of the graph
// and runs the print preview, which shares its margins and page design.

#include "plotui/print/PrintPage.h"
#include "plotui/print/PrintSettings.h"

#include "platform/Form.h"

#include <memory>
#include <optional>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace platform {
class RadioGroup;
class TPageControl;
class UpDown;
}

namespace plot {
class TGraph;
class TIntValidate;
}

namespace plotui {

class TPreView;

class TPrintDlg : public platform::Form {
public:
  explicit TPrintDlg(QWidget* owner = nullptr);
  ~TPrintDlg() override;

  // Shows the dialog for the graph; true unless it was cancelled.
  bool Execute(plot::TGraph& graph);
  // "Read": margins and units from the settings into PrintMargins and the edits; else writes them.
  void DefaultMargins(const QString& mode);
  // Prints the page; false when nothing was printed (the reason shown).
  bool PrintGraph();
  void SetPreview(TPreView* preview) { preview_ = preview; }

  // What the page holds, as the page design reads now.
  TPageContent PageContent() const;
  QString SettingsFile() const;
  plot::TGraph* Graph() const { return graph_; }

  // The printer set-up from the dialog or the preview; true when confirmed.
  bool PrinterSetup();

  TPrintMargins PrintMargins;
  double Units = kUnitsMm;
  bool Busy = false;
  bool LogoModified = false;
  std::optional<TPrintLogo> EditedLogo;

  // Controls, by their names.
  QLabel* lbPrinterName;
  QLabel* lbPageSize;
  QPushButton* bbPrint;
  QPushButton* bbPreview;
  QPushButton* bbCancel;
  QPushButton* bbSave;
  platform::TPageControl* pcPrint;
  QLineEdit* edLeft;
  QLineEdit* edRight;
  QLineEdit* edTop;
  QLineEdit* edBottom;
  QLabel* lbUnits;
  platform::RadioGroup* rgUnits;
  QPushButton* prsetup;
  platform::RadioGroup* rgOrientation;
  QLineEdit* edNCopies;
  QCheckBox* chbBlackAndWhite;
  QCheckBox* chbProgramTitle;
  QCheckBox* chbCompanyLogo;
  QCheckBox* chbProjectTitle;
  QCheckBox* chbDescription;
  QCheckBox* chbBorders;
  platform::TPageControl* pcLogo;
  QPlainTextEdit* mmComment;
  QPushButton* btCommentFont;
  QComboBox* cbAlignComment;
  QComboBox* cbLogoType;
  QPushButton* btFont;
  QComboBox* cbJustify;
  QPlainTextEdit* mmLogo;
  QLineEdit* edFileName;
  QPushButton* btBrowse;
  QPushButton* btDelete;
  QLabel* imSample;

  // Handlers.
  void bbPrintClick();
  void bbPreviewClick();
  void prsetupClick();
  void rgUnitsClick();
  void rgOrientationClick();
  void MarginChange(QLineEdit* edit);
  void edNCopiesChange();
  void chbBlackAndWhiteClick();
  void pcPrintChange();
  void cbLogoTypeChange();
  void MemoChange();
  void btFontClick();
  void cbJustifyChange();
  void BrowseClick();
  void btDeleteClick();
  void bbSaveClick();
  void btCommentFontClick();
  void cbAlignCommentChange();

protected:
  void showEvent(QShowEvent* event) override;

private:
  void BuildPageLayout(QWidget& page);
  void BuildTitleBlocks(QWidget& page);
  void FormActivate();
  void FillMarginEdits();
  void ShowPrinter();
  void SpreadButtons();
  void LoadEditedLogo();
  void DrawSample();
  // A changed block is saved when the user says so.
  void AskToSaveLogo();
  std::array<QLineEdit*, 4> MarginEdits() const { return {edLeft, edRight, edTop, edBottom}; }
  int& MarginOf(QLineEdit* edit);
  plot::TIntValidate& ValidatorOf(QLineEdit* edit);

  plot::TGraph* graph_ = nullptr;
  TPreView* preview_ = nullptr;
  std::array<platform::UpDown*, 4> marginUpDowns_{};
  std::array<std::unique_ptr<plot::TIntValidate>, 5> validators_;
  bool unitsSwitched_ = false;
};

}  // namespace plotui
