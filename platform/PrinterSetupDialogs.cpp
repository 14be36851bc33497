#include "platform/PrinterSetupDialogs.h"

#include "platform/Application.h"
#include "platform/MessageDlg.h"

#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QHBoxLayout>
#include <QFormLayout>
#include <QGroupBox>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>

namespace platform {

namespace {

TPrinter& TargetOf(TPrinter* target)
{
  return target ? *target : Printer();
}

// The paper and orientation rows both dialogs show.
class PaperRows {
public:
  PaperRows(QWidget& owner, QFormLayout& form, QPageSize::PageSizeId paper, TPrinterOrientation orientation)
  {
    paper_ = new QComboBox(&owner);
    for (QPageSize::PageSizeId id : OfferedPapers())
      paper_->addItem(PaperName(id), int(id));
    paper_->setCurrentIndex(std::max(0, paper_->findData(int(paper))));
    form.addRow(QStringLiteral("&Paper:"), paper_);
    auto* box = new QGroupBox(&owner);
    auto* row = new QHBoxLayout(box);
    portrait_ = new QRadioButton(QStringLiteral("P&ortrait"), box);
    landscape_ = new QRadioButton(QStringLiteral("&Landscape"), box);
    row->addWidget(portrait_);
    row->addWidget(landscape_);
    (orientation == TPrinterOrientation::poLandscape ? landscape_ : portrait_)->setChecked(true);
    form.addRow(QStringLiteral("Orientation:"), box);
  }
  QPageSize::PageSizeId Paper() const { return QPageSize::PageSizeId(paper_->currentData().toInt()); }
  TPrinterOrientation Orientation() const
  {
    return landscape_->isChecked() ? TPrinterOrientation::poLandscape : TPrinterOrientation::poPortrait;
  }

private:
  QComboBox* paper_;
  QRadioButton* portrait_;
  QRadioButton* landscape_;
};

QDialogButtonBox* AddButtons(QDialog& dialog, QVBoxLayout& layout)
{
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
  QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
  layout.addWidget(buttons);
  return buttons;
}

QSizeF PaperMillimetres(QPageSize::PageSizeId paper, TPrinterOrientation orientation)
{
  const QSizeF mm = QPageSize(paper).size(QPageSize::Millimeter);
  return orientation == TPrinterOrientation::poPortrait ? mm : mm.transposed();
}

}  // namespace

const std::vector<QPageSize::PageSizeId>& OfferedPapers()
{
  static const std::vector<QPageSize::PageSizeId> papers = {QPageSize::A4, QPageSize::A3,     QPageSize::A5,
                                                            QPageSize::B5, QPageSize::Letter, QPageSize::Legal,
                                                            QPageSize::Executive};
  return papers;
}

QString PaperName(QPageSize::PageSizeId paper)
{
  switch (paper) {
    case QPageSize::Letter: return QStringLiteral("Letter");
    case QPageSize::Legal: return QStringLiteral("Legal");
    case QPageSize::Executive: return QStringLiteral("Executive");
    default: return QPageSize(paper).name();
  }
}

// Printer set-up

bool TPrinterSetupDialog::Execute()
{
  TPrinter& printer = TargetOf(Target);
  PrinterIndex = printer.PrinterIndex();
  PaperSize = printer.PaperSize();
  Orientation = printer.Orientation();
  Copies = printer.Copies();
  if (RunModal(*this, [this] { return ShowForReal(); }) != mrOk)
    return false;
  printer.SetPrinterIndex(PrinterIndex);
  printer.SetPaperSize(PaperSize);
  printer.SetOrientation(Orientation);
  printer.SetCopies(Copies);
  return true;
}

TModalResult TPrinterSetupDialog::ShowForReal()
{
  QDialog dialog(ActiveWindowOrNull());
  dialog.setWindowTitle(QStringLiteral("Print Setup"));
  auto* layout = new QVBoxLayout(&dialog);
  auto* form = new QFormLayout;
  layout->addLayout(form);
  auto* printers = new QComboBox(&dialog);
  printers->addItems(TargetOf(Target).Printers());
  printers->setCurrentIndex(std::max(0, PrinterIndex));
  form->addRow(QStringLiteral("&Name:"), printers);
  const PaperRows paper(dialog, *form, PaperSize, Orientation);
  auto* copies = new QSpinBox(&dialog);
  copies->setRange(1, 999);
  copies->setValue(Copies);
  form->addRow(QStringLiteral("&Copies:"), copies);
  QObject::connect(AddButtons(dialog, *layout), &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
  if (dialog.exec() != QDialog::Accepted)
    return mrCancel;
  PrinterIndex = printers->currentIndex();
  PaperSize = paper.Paper();
  Orientation = paper.Orientation();
  Copies = copies->value();
  return mrOk;
}

// Page set-up

bool TPageSetupDialog::MarginsFit() const
{
  const QSizeF mm = PaperMillimetres(PaperSize, Orientation);
  const TPageMargins& m = Margins;
  return m.Left >= 0 && m.Top >= 0 && m.Right >= 0 && m.Bottom >= 0 && m.Left + m.Right < mm.width() &&
         m.Top + m.Bottom < mm.height();
}

bool TPageSetupDialog::Execute()
{
  TPrinter& printer = TargetOf(Target);
  PaperSize = printer.PaperSize();
  Orientation = printer.Orientation();
  const TPageMargins before = Margins;
  if (RunModal(*this, [this] { return ShowForReal(); }) != mrOk)
    return false;
  if (!MarginsFit()) {  // a script's answer; the window itself lets no such answer through
    Margins = before;
    MessageDlg(QString::fromLatin1(kMarginsLeaveNoRoom), mtError, mbOK);
    return false;
  }
  printer.SetPaperSize(PaperSize);
  printer.SetOrientation(Orientation);
  return true;
}

TModalResult TPageSetupDialog::ShowForReal()
{
  QDialog dialog(ActiveWindowOrNull());
  dialog.setWindowTitle(QStringLiteral("Page Setup"));
  auto* layout = new QVBoxLayout(&dialog);
  auto* form = new QFormLayout;
  layout->addLayout(form);
  const PaperRows paper(dialog, *form, PaperSize, Orientation);
  const auto margin = [&](const QString& caption, double value) {
    auto* box = new QDoubleSpinBox(&dialog);
    box->setRange(0, 1000);
    box->setDecimals(1);
    box->setSuffix(QStringLiteral(" mm"));
    box->setValue(value);
    form->addRow(caption, box);
    return box;
  };
  QDoubleSpinBox* left = margin(QStringLiteral("L&eft margin:"), Margins.Left);
  QDoubleSpinBox* top = margin(QStringLiteral("&Top margin:"), Margins.Top);
  QDoubleSpinBox* right = margin(QStringLiteral("&Right margin:"), Margins.Right);
  QDoubleSpinBox* bottom = margin(QStringLiteral("&Bottom margin:"), Margins.Bottom);
  const TPageMargins before = Margins;
  const QPageSize::PageSizeId paperBefore = PaperSize;
  const TPrinterOrientation orientationBefore = Orientation;
  QObject::connect(AddButtons(dialog, *layout), &QDialogButtonBox::accepted, &dialog, [&] {
    PaperSize = paper.Paper();
    Orientation = paper.Orientation();
    Margins = {left->value(), top->value(), right->value(), bottom->value()};
    if (MarginsFit()) {
      dialog.accept();
      return;
    }
    MessageDlg(QString::fromLatin1(kMarginsLeaveNoRoom), mtError, mbOK);
  });
  if (dialog.exec() == QDialog::Accepted)
    return mrOk;
  Margins = before;
  PaperSize = paperBefore;
  Orientation = orientationBefore;
  return mrCancel;
}

}  // namespace platform
