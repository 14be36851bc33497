#include "platform/CommonDialogs.h"

#include "platform/Application.h"

#include <QColorDialog>
#include <QFontDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <memory>

namespace platform {

namespace {

// The given printer, or one owned by the caller for the run.
QPrinter& PrinterFor(QPrinter* given, std::unique_ptr<QPrinter>& own)
{
  if (given)
    return *given;
  own = std::make_unique<QPrinter>();
  return *own;
}

}  // namespace

bool TColorDialog::Execute()
{
  return RunModal(*this, [this] { return ShowForReal(); }) == mrOk;
}

TModalResult TColorDialog::ShowForReal()
{
  const QColor chosen = QColorDialog::getColor(ToQColor(Color), ActiveWindowOrNull());
  if (!chosen.isValid())
    return mrCancel;
  Color = FromQColor(chosen);
  return mrOk;
}

bool TFontDialog::Execute()
{
  return RunModal(*this, [this] { return ShowForReal(); }) == mrOk;
}

TModalResult TFontDialog::ShowForReal()
{
  bool ok = false;
  const QFontDialog::FontDialogOptions options =
      ScalableOnly ? QFontDialog::ScalableFonts : QFontDialog::FontDialogOptions();
  const QFont chosen = QFontDialog::getFont(&ok, Font, ActiveWindowOrNull(), QString(), options);
  if (!ok)
    return mrCancel;
  Font = chosen;
  return mrOk;
}

bool TPrintDialog::Execute()
{
  return RunModal(*this, [this] { return ShowForReal(); }) == mrOk;
}

TModalResult TPrintDialog::ShowForReal()
{
  std::unique_ptr<QPrinter> own;
  QPrinter& printer = PrinterFor(Printer, own);
  printer.setCopyCount(Copies);
  QPrintDialog dialog(&printer, ActiveWindowOrNull());
  if (MaxPage > 0) {
    dialog.setMinMax(MinPage, MaxPage);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, true);
  }
  if (FromPage > 0 && ToPage >= FromPage)
    dialog.setFromTo(FromPage, ToPage);
  if (dialog.exec() != QDialog::Accepted)
    return mrCancel;
  Copies = printer.copyCount();
  switch (dialog.printRange()) {
    case QAbstractPrintDialog::Selection: PrintRange = prSelection; break;
    case QAbstractPrintDialog::PageRange:
      PrintRange = prPageNums;
      FromPage = dialog.fromPage();
      ToPage = dialog.toPage();
      break;
    default: PrintRange = prAllPages; break;
  }
  return mrOk;
}

}  // namespace platform
