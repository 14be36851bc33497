#include "chart/output/ChartPreview.h"

#include "chart/output/PreviewPage.h"
#include "platform/ExceptionBoundary.h"
#include "platform/HourglassCursor.h"
#include "platform/Printer.h"
#include "platform/PrinterSetupDialogs.h"
#include "platform/RadioGroup.h"
#include "platform/UpDown.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QVBoxLayout>
#include <algorithm>
#include <stdexcept>

namespace chart {

namespace {

int& SideOf(TRect& r, int side)
{
  switch (side) {
  case 0:
    return r.Left;
  case 1:
    return r.Top;
  case 2:
    return r.Right;
  default:
    return r.Bottom;
  }
}

// Sets a flag for its lifetime.
class TFlagScope {
public:
  explicit TFlagScope(bool& flag) : flag_(flag) { flag_ = true; }
  ~TFlagScope() { flag_ = false; }
  TFlagScope(const TFlagScope&) = delete;
  TFlagScope& operator=(const TFlagScope&) = delete;

private:
  bool& flag_;
};

QPushButton* Button(const QString& caption, const char* name, QWidget* parent)
{
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(QString::fromLatin1(name));
  button->setAutoDefault(false);
  return button;
}

}  // namespace

TChartPreview::TChartPreview(QWidget* owner) : platform::Form(owner)
{
  setObjectName(QStringLiteral("ChartPreview"));
  setWindowTitle(kPreviewCaption);
  resize(780, 560);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);

  auto* top = new QHBoxLayout;
  top->setContentsMargins(6, 6, 6, 6);
  auto* printerLabel = new QLabel(QStringLiteral("P&rinter:"), this);
  printers_ = new QComboBox(this);
  printers_->setObjectName(QStringLiteral("Printers"));
  printers_->setMinimumWidth(220);
  printerLabel->setBuddy(printers_);
  setupPrinter_ = Button(QStringLiteral("Printer &Setup..."), "BSetupPrinter", this);
  close_ = Button(QStringLiteral("Close"), "BClose", this);
  print_ = Button(QStringLiteral("&Print"), "BPrint", this);
  top->addWidget(printerLabel);
  top->addWidget(printers_);
  top->addWidget(setupPrinter_);
  top->addStretch();
  top->addWidget(close_);
  top->addWidget(print_);
  layout->addLayout(top);

  auto* body = new QHBoxLayout;
  body->setContentsMargins(6, 0, 0, 0);
  auto* left = new QVBoxLayout;
  orientation_ = new platform::RadioGroup(this);
  orientation_->setObjectName(QStringLiteral("Orientation"));
  orientation_->setTitle(QStringLiteral("Paper Orientation:"));
  orientation_->SetItems({QStringLiteral("P&ortrait"), QStringLiteral("&Landscape")});
  orientation_->SetItemIndex(1);
  left->addWidget(orientation_);

  marginsGroup_ = new QGroupBox(QStringLiteral("Margins (%)"), this);
  marginsGroup_->setObjectName(QStringLiteral("GBMargins"));
  auto* cross = new QGridLayout(marginsGroup_);
  static constexpr const char* kEditNames[4] = {"SELeftMa", "SETopMa", "SERightMa", "SEBotMa"};
  static constexpr const char* kUpDownNames[4] = {"UDLeftMa", "UDTopMa", "UDRightMa", "UDBotMa"};
  static constexpr int kCells[4][2] = {{1, 0}, {0, 1}, {1, 2}, {2, 1}};  // row, column
  for (int side = 0; side < 4; ++side) {
    auto* edit = new QLineEdit(QStringLiteral("0"), marginsGroup_);
    edit->setObjectName(QString::fromLatin1(kEditNames[side]));
    edit->setFixedWidth(36);
    auto* upDown = new platform::UpDown(marginsGroup_);
    upDown->setObjectName(QString::fromLatin1(kUpDownNames[side]));
    upDown->SetMin(0);
    upDown->SetMax(100);
    upDown->SetAssociate(edit);
    upDown->setFixedHeight(edit->sizeHint().height());
    auto* cell = new QHBoxLayout;
    cell->setSpacing(0);
    cell->addWidget(edit);
    cell->addWidget(upDown);
    cross->addLayout(cell, kCells[side][0], kCells[side][1]);
    edits_[side] = edit;
    upDowns_[side] = upDown;
    connect(edit, &QLineEdit::textChanged, this,
            platform::Guarded([this, side](const QString&) { MarginEdited(TSide(side)); }));
  }
  left->addWidget(marginsGroup_);

  showMargins_ = new QCheckBox(QStringLiteral("&View Margins"), this);
  showMargins_->setObjectName(QStringLiteral("ShowMargins"));
  showMargins_->setChecked(true);
  left->addWidget(showMargins_);
  reset_ = Button(QStringLiteral("Reset &Margins"), "BReset", this);
  reset_->setEnabled(false);
  left->addWidget(reset_);

  detailGroup_ = new QGroupBox(QStringLiteral("Detail:"), this);
  detailGroup_->setObjectName(QStringLiteral("ChangeDetailGroup"));
  auto* detail = new QGridLayout(detailGroup_);
  resolution_ = new QScrollBar(Qt::Horizontal, detailGroup_);
  resolution_->setObjectName(QStringLiteral("Resolution"));
  resolution_->setRange(-100, 0);
  resolution_->setPageStep(10);
  resolution_->setInvertedControls(false);  // the arrow keys go the way they point: left is "More"
  resolution_->setValue(0);
  detail->addWidget(resolution_, 0, 0, 1, 2);
  detail->addWidget(new QLabel(QStringLiteral("More"), detailGroup_), 1, 0, Qt::AlignLeft);
  detail->addWidget(new QLabel(QStringLiteral("Normal"), detailGroup_), 1, 1, Qt::AlignRight);
  left->addWidget(detailGroup_);

  proportional_ = new QCheckBox(QStringLiteral("Proportional"), this);
  proportional_->setObjectName(QStringLiteral("CBProp"));
  proportional_->setChecked(true);
  left->addWidget(proportional_);
  left->addStretch();
  body->addLayout(left);

  page_ = new TTeePreviewPage(this);
  page_->setObjectName(QStringLiteral("Page"));
  page_->OnChangeMargins = [this](TTeePreviewPage&, bool fromDragging, const TRect& margins) {
    MarginsChanged(fromDragging, margins);
  };
  body->addWidget(page_, 1);
  layout->addLayout(body, 1);

  BindModalButton(close_, platform::mrOk);
  SetDefaultButton(close_);
  SetCancelButton(close_);
  SetKeyPreview(true);

  connect(printers_, &QComboBox::currentIndexChanged, this, platform::Guarded([this](int index) {
            if (!listingPrinters_)
              PrintersChange(index);
          }));
  connect(setupPrinter_, &QPushButton::clicked, this, platform::Guarded([this](bool) { BSetupPrinterClick(); }));
  orientation_->OnClick = [this] { OrientationClick(); };
  connect(showMargins_, &QCheckBox::toggled, this,
          platform::Guarded([this](bool on) { page_->SetShowMargins(on); }));
  connect(reset_, &QPushButton::clicked, this, platform::Guarded([this](bool) { BResetClick(); }));
  connect(resolution_, &QScrollBar::valueChanged, this,
          platform::Guarded([this](int position) { ResolutionChange(position); }));
  connect(proportional_, &QCheckBox::toggled, this, platform::Guarded([this](bool) { CBPropClick(); }));
  connect(print_, &QPushButton::clicked, this, platform::Guarded([this](bool) { BPrintClick(); }));
}

TChartPreview::~TChartPreview() = default;

TCustomTeePanel& TChartPreview::Panel() const
{
  TCustomTeePanel* panel = page_->Image();
  if (!panel)
    throw std::logic_error("the chart preview has no chart");
  return *panel;
}

void TChartPreview::showEvent(QShowEvent* event)
{
  platform::Form::showEvent(event);
  if (loading_)
    platform::Guard([this] { FormShow(); });
}

void TChartPreview::FormShow()
{
  if (const QScreen* shown = screen())
    move(shown->availableGeometry().center() - rect().center());
  LoadPrinters();
  platform::Printer().SetOrientation(platform::TPrinterOrientation::poLandscape);
  TCustomTeePanel& panel = Panel();
  proportional_->setChecked(panel.PrintProportional());
  resolution_->setValue(panel.PrintResolution());
  resetMargins_ = panel.PrintMargins();
  RecalcMargins();
  loading_ = false;
}

void TChartPreview::LoadPrinters()
{
  const TFlagScope listing(listingPrinters_);
  const platform::TPrinter& printer = platform::Printer();
  printers_->clear();
  printers_->addItems(printer.Printers());
  printers_->setCurrentIndex(printer.PrinterIndex());
}

void TChartPreview::UpdateOrientation()
{
  orientation_->SetItemIndex(platform::Printer().Orientation() == platform::TPrinterOrientation::poPortrait ? 0 : 1);
}

void TChartPreview::PrintersChange(int index)
{
  platform::Printer().SetPrinterIndex(index);
  UpdateOrientation();
  OrientationClick();
}

void TChartPreview::BSetupPrinterClick()
{
  platform::TPrinterSetupDialog dialog;
  dialog.Target = &platform::Printer();
  if (!dialog.Execute())
    return;
  LoadPrinters();
  UpdateOrientation();
  // Another paper or printer: the page and proportional margins follow it.
  RecalcMargins();
  page_->InvalidatePage();
}

void TChartPreview::OrientationClick()
{
  platform::Printer().SetOrientation(orientation_->ItemIndex() == 0 ? platform::TPrinterOrientation::poPortrait
                                                                     : platform::TPrinterOrientation::poLandscape);
  RecalcMargins();
  page_->InvalidatePage();
}

// A typed or stepped margin; refused when it and its opposite leave nothing between them.
void TChartPreview::MarginEdited(TSide side)
{
  if (loading_ || marginsUpdating_ || !page_->Image())
    return;
  bool ok = false;
  const int typed = edits_[side]->text().trimmed().toInt(&ok);
  if (!ok)
    return;  // nothing to take yet
  platform::UpDown& upDown = *upDowns_[side];
  const int position = std::clamp(typed, upDown.Min(), upDown.Max());
  TRect margins = Panel().PrintMargins();
  int& margin = SideOf(margins, side);
  const int opposite = SideOf(margins, (side + 2) % 4);
  {
    const TFlagScope updating(marginsUpdating_);  // the edit written back changes nothing more
    if (opposite + position >= 100) {
      upDown.SetPosition(margin);
      return;
    }
    upDown.SetPosition(position);
  }
  margin = position;
  Panel().SetPrintMargins(margins);
  MarginsUpdated();
}

void TChartPreview::BResetClick()
{
  Panel().SetPrintMargins(resetMargins_);
  MarginsChanged(false, Panel().PrintMargins());
}

void TChartPreview::ResolutionChange(int position)
{
  if (loading_)
    return;
  Panel().SetPrintResolution(position);
  page_->InvalidatePage();
  UpdateOrientation();
}

void TChartPreview::CBPropClick()
{
  if (propUpdating_ || loading_)
    return;
  Panel().SetPrintProportional(proportional_->isChecked());
  RecalcMargins();
}

void TChartPreview::BPrintClick()
{
  const platform::HourglassCursor hourglass;
  page_->Print();
}

void TChartPreview::RecalcMargins()
{
  TCustomTeePanel& panel = Panel();
  if (panel.PrintProportional()) {
    panel.CalcProportionalMargins();
    resetMargins_ = panel.PrintMargins();
  }
  UpdateOrientation();
  MarginsChanged(false, panel.PrintMargins());
}

void TChartPreview::MarginsChanged(bool fromDragging, const TRect& margins)
{
  {
    const TFlagScope updating(marginsUpdating_);
    upDowns_[sdLeft]->SetPosition(margins.Left);
    upDowns_[sdRight]->SetPosition(margins.Right);
    upDowns_[sdTop]->SetPosition(margins.Top);
    upDowns_[sdBottom]->SetPosition(margins.Bottom);
    if (fromDragging) {
      const TFlagScope proportional(propUpdating_);
      Panel().SetPrintProportional(false);
      proportional_->setChecked(false);
    }
  }
  if (page_->DragImage() || !fromDragging) {
    MarginsUpdated();
    return;
  }
  page_->DrawMarginLines();
  UpdateResetButton();
}

void TChartPreview::MarginsUpdated()
{
  if (marginsUpdating_)
    return;
  page_->InvalidatePage();
  UpdateResetButton();
}

void TChartPreview::UpdateResetButton() { reset_->setEnabled(Panel().PrintMargins() != resetMargins_); }

void ShowChartPreview(QWidget* owner, TCustomTeePanel& panel)
{
  struct TRepaint {
    TCustomTeePanel& panel;
    ~TRepaint() { panel.Invalidate(); }
  } repaint{panel};
  TChartPreview preview(owner);
  preview.Page().SetImage(&panel);
  preview.ShowModal();
}

}  // namespace chart
