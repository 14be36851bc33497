#include "platform/Printer.h"

#include "platform/AtomicFile.h"
#include "platform/CanvasRounding.h"
#include "platform/Exceptions.h"
#include "platform/PrintDocument.h"

#include <QBuffer>
#include <QDir>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QRegularExpression>
#include <cmath>

namespace platform {

// The device of one print job and its painter.
class TPrinter::TPage {
public:
  QByteArray pdfBytes;  // the "PDF file" document, written to its file as a whole at the end
  QBuffer pdfBuffer{&pdfBytes};
  std::unique_ptr<QPdfWriter> pdf;
  std::unique_ptr<QPrinter> printer;
  QPainter painter;

  QPagedPaintDevice* Device() const
  {
    return pdf ? static_cast<QPagedPaintDevice*>(pdf.get()) : static_cast<QPagedPaintDevice*>(printer.get());
  }
};

namespace {

// Draws on the page of the running job; nothing between jobs.
class TPrinterCanvas : public TPainterCanvas {
public:
  explicit TPrinterCanvas(TPrinter& printer, QPainter* (*painter)(TPrinter&)) : printer_(printer), painter_(painter) {}
  int PixelsPerInch() const override { return printer_.Resolution(); }
  TRect DeviceBounds() const override { return {0, 0, printer_.PageWidth(), printer_.PageHeight()}; }
  int BitsPerPixel() const override { return 24; }

protected:
  QPainter* BeginPaint() override { return painter_(printer_); }
  void EndPaint() override {}
  bool HasRasterOps() const override { return false; }

private:
  TPrinter& printer_;
  QPainter* (*painter_)(TPrinter&);
};

QPageLayout::Orientation ToQt(TPrinterOrientation o)
{
  return o == TPrinterOrientation::poLandscape ? QPageLayout::Landscape : QPageLayout::Portrait;
}

}  // namespace

TPrinter::TPrinter()
{
  const QString system = QPrinterInfo::defaultPrinterName();
  printerName_ = system.isEmpty() ? kPdfPrinterName : system;
  canvas_ = std::make_unique<TPrinterCanvas>(*this, [](TPrinter& p) -> QPainter* {
    return p.printing_ && p.page_ && p.page_->painter.isActive() ? &p.page_->painter : nullptr;
  });
  canvas_->Font().SetPixelsPerInch(resolution_);
}

TPrinter::~TPrinter()
{
  if (printing_)
    Abort();
}

QStringList TPrinter::Printers() const
{
  QStringList names = QPrinterInfo::availablePrinterNames();
  names.removeAll(kPdfPrinterName);
  names << kPdfPrinterName;
  return names;
}

int TPrinter::PrinterIndex() const
{
  return int(Printers().indexOf(printerName_));
}

void TPrinter::SetPrinterIndex(int index)
{
  RequireIdle();
  const QStringList names = Printers();
  if (index >= 0 && index < names.size()) {
    printerName_ = names[index];
    return;
  }
  const QString system = QPrinterInfo::defaultPrinterName();
  printerName_ = system.isEmpty() ? kPdfPrinterName : system;
}

QString TPrinter::PrinterName() const
{
  return printerName_;
}

QString TPrinter::FileName() const
{
  if (!fileName_.isEmpty())
    return fileName_;
  QString name = title_.isEmpty() ? QStringLiteral("Vexal") : title_;
  name.replace(QRegularExpression(QStringLiteral(R"([/\\:*?"<>|])")), QStringLiteral("_"));
  return QDir::home().filePath(name + QStringLiteral(".pdf"));
}

void TPrinter::SetOrientation(TPrinterOrientation orientation)
{
  RequireIdle();
  orientation_ = orientation;
}

void TPrinter::SetPaperSize(QPageSize::PageSizeId paper)
{
  RequireIdle();
  paper_ = paper;
}

void TPrinter::SetResolution(int dpi)
{
  RequireIdle();
  resolution_ = std::clamp(dpi, 72, 2400);
  const int size = canvas_->Font().Size();
  canvas_->Font().SetPixelsPerInch(resolution_);
  canvas_->Font().SetSize(size);
}

int TPrinter::PageWidth() const
{
  const QSizeF mm = QPageSize(paper_).size(QPageSize::Millimeter);
  const double side = orientation_ == TPrinterOrientation::poPortrait ? mm.width() : mm.height();
  return SafeRound(side / 25.4 * resolution_);
}

int TPrinter::PageHeight() const
{
  const QSizeF mm = QPageSize(paper_).size(QPageSize::Millimeter);
  const double side = orientation_ == TPrinterOrientation::poPortrait ? mm.height() : mm.width();
  return SafeRound(side / 25.4 * resolution_);
}

void TPrinter::RequireIdle() const
{
  if (printing_)
    throw EPrinter("Printing in progress");
}

void TPrinter::SetRecordTo(TPrintDocument* document)
{
  RequireIdle();
  record_ = document;
}

void TPrinter::BeginDoc()
{
  RequireIdle();
  if (record_) {
    record_->Begin(PageWidth(), PageHeight(), resolution_);
    record_->Canvas().Font().Assign(canvas_->Font());
    printing_ = true;
    aborted_ = false;
    pageNumber_ = 1;
    return;
  }
  auto page = std::make_unique<TPage>();
  const QPageLayout layout(QPageSize(paper_), ToQt(orientation_), QMarginsF(0, 0, 0, 0));
  if (IsPdfPrinter()) {
    try {
      CheckCanCreate(FileName());
    } catch (const EFileError& error) {
      throw EPrinter(error.Message().toStdString());
    }
    page->pdfBuffer.open(QIODevice::WriteOnly);
    page->pdf = std::make_unique<QPdfWriter>(&page->pdfBuffer);
    page->pdf->setResolution(resolution_);
    page->pdf->setPageLayout(layout);
    page->pdf->setTitle(title_);
    page->pdf->setCreator(QStringLiteral("Vexal"));
  } else {
    page->printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    page->printer->setPrinterName(printerName_);
    page->printer->setResolution(resolution_);
    page->printer->setFullPage(true);
    page->printer->setPageLayout(layout);
    page->printer->setCopyCount(copies_);
    page->printer->setDocName(title_);
  }
  if (!page->painter.begin(page->Device()))
    throw EPrinter(IsPdfPrinter() ? "Can't create file " + FileName().toStdString()
                                  : "Can't print on " + printerName_.toStdString());
  // Our dots onto the device's units.
  const QPaintDevice* device = page->Device();
  page->painter.scale(double(device->width()) / PageWidth(), double(device->height()) / PageHeight());
  page_ = std::move(page);
  printing_ = true;
  aborted_ = false;
  pageNumber_ = 1;
  // A new document starts on the page as it is, whatever mapping an earlier job left on the canvas.
  canvas_->ResetMapping();
  const int size = canvas_->Font().Size();
  canvas_->Font().SetPixelsPerInch(resolution_);
  canvas_->Font().SetSize(size);
}

void TPrinter::NewPage()
{
  if (!printing_)
    throw EPrinter("Printer is not currently printing");
  if (record_)
    record_->NewPage();
  else
    page_->Device()->newPage();
  ++pageNumber_;
}

void TPrinter::FinishPainting()
{
  if (page_ && page_->painter.isActive())
    page_->painter.end();
  page_.reset();
  printing_ = false;
}

void TPrinter::EndDoc()
{
  if (!printing_)
    throw EPrinter("Printer is not currently printing");
  if (record_) {
    record_->End();
    printing_ = false;
    return;
  }
  if (page_->painter.isActive())
    page_->painter.end();
  const bool pdf = page_->pdf != nullptr;
  const QByteArray document = pdf ? page_->pdfBytes : QByteArray();
  FinishPainting();
  if (!pdf)
    return;
  try {
    WriteFileAtomic(FileName(), document);
  } catch (const EFileError& error) {
    throw EPrinter(error.Message().toStdString());
  }
}

void TPrinter::Abort()
{
  if (!printing_)
    return;
  if (record_)
    record_->Abort();
  if (page_ && page_->printer)
    page_->printer->abort();
  FinishPainting();  // a "PDF file" document is dropped unwritten; an older file of its name stays
  aborted_ = true;
}

TCanvas& TPrinter::Canvas()
{
  if (record_ && printing_)
    return record_->Canvas();
  return *canvas_;
}

TPrinter& Printer()
{
  static TPrinter printer;
  return printer;
}

}  // namespace platform
