#pragma once
// The chart's print preview window: the printer and its set-up, the paper orientation, the print
// margins (typed, stepped or dragged on the page), the level of detail, proportional printing and
// printing. It edits the panel's own print settings, which stay after the window closes.

#include "chart/panel/CustomTeePanel.h"
#include "platform/Form.h"

#include <QPointer>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QScrollBar;

namespace platform {
class RadioGroup;
class UpDown;
}  // namespace platform

namespace chart {

class TTeePreviewPage;

inline const QString kPreviewCaption = QStringLiteral("Vexal Chart Print Preview");

class TChartPreview : public platform::Form {
public:
  explicit TChartPreview(QWidget* owner = nullptr);
  ~TChartPreview() override;

  TTeePreviewPage& Page() { return *page_; }
  // The margins Reset restores: those the window opened with, or the proportional ones since.
  const TRect& ResetMargins() const { return resetMargins_; }

protected:
  void showEvent(QShowEvent* event) override;

private:
  enum TSide { sdLeft, sdTop, sdRight, sdBottom };
  TCustomTeePanel& Panel() const;
  void FormShow();
  void LoadPrinters();
  void UpdateOrientation();
  void PrintersChange(int index);
  void BSetupPrinterClick();
  void OrientationClick();
  void MarginEdited(TSide side);
  void BResetClick();
  void ResolutionChange(int position);
  void CBPropClick();
  void BPrintClick();
  void RecalcMargins();
  void MarginsChanged(bool fromDragging, const TRect& margins);
  void MarginsUpdated();
  void UpdateResetButton();

  QPointer<QComboBox> printers_;
  QPointer<QPushButton> setupPrinter_, close_, print_, reset_;
  QPointer<platform::RadioGroup> orientation_;
  QPointer<QGroupBox> marginsGroup_, detailGroup_;
  QPointer<QLineEdit> edits_[4];
  QPointer<platform::UpDown> upDowns_[4];
  QPointer<QCheckBox> showMargins_, proportional_;
  QPointer<QScrollBar> resolution_;
  QPointer<TTeePreviewPage> page_;

  TRect resetMargins_;
  bool loading_ = true;
  bool marginsUpdating_ = true;
  bool propUpdating_ = false;
  bool listingPrinters_ = false;
};

// Shows the preview of panel modally; the panel is repainted afterwards, whatever happened.
void ShowChartPreview(QWidget* owner, TCustomTeePanel& panel);

}  // namespace chart
