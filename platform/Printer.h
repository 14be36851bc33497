#pragma once
// The printer: a list of printers (the system's print queues and an always-present "PDF file"
// printer that writes a PDF), page size and resolution in dots, orientation, copies, title, and a
// document of pages drawn through a canvas.

#include "platform/CanvasPainter.h"

#include <QPageSize>
#include <QString>
#include <QStringList>
#include <memory>
#include <stdexcept>

namespace platform {

class TPrintDocument;

// A print job that can't start or a change refused while printing.
class EPrinter : public std::runtime_error {
public:
  using std::runtime_error::runtime_error;
};

enum class TPrinterOrientation { poPortrait, poLandscape };

inline const QString kPdfPrinterName = QStringLiteral("PDF file");

class TPrinter {
public:
  TPrinter();
  ~TPrinter();
  TPrinter(const TPrinter&) = delete;
  TPrinter& operator=(const TPrinter&) = delete;

  // The system's printers, then "PDF file".
  QStringList Printers() const;
  int PrinterIndex() const;  // into Printers()
  void SetPrinterIndex(int index);  // out of range: the default printer
  QString PrinterName() const;
  bool IsPdfPrinter() const { return printerName_ == kPdfPrinterName; }
  // Where the "PDF file" printer writes (default: the title with ".pdf" in the home folder).
  QString FileName() const;
  void SetFileName(const QString& path) { fileName_ = path; }
  bool FileNameSet() const { return !fileName_.isEmpty(); }

  TPrinterOrientation Orientation() const { return orientation_; }
  void SetOrientation(TPrinterOrientation orientation);
  QPageSize::PageSizeId PaperSize() const { return paper_; }
  void SetPaperSize(QPageSize::PageSizeId paper);
  int Resolution() const { return resolution_; }  // dots per inch
  void SetResolution(int dpi);
  int Copies() const { return copies_; }
  void SetCopies(int copies) { copies_ = std::max(1, copies); }
  const QString& Title() const { return title_; }
  void SetTitle(const QString& title) { title_ = title; }

  // The printable page in dots (the whole sheet).
  int PageWidth() const;
  int PageHeight() const;

  void BeginDoc();  // throws EPrinter when printing already or the output can't be opened
  void NewPage();
  void EndDoc();
  void Abort();  // ends the job and drops what was printed
  bool Printing() const { return printing_; }
  bool Aborted() const { return aborted_; }
  int PageNumber() const { return pageNumber_; }

  TCanvas& Canvas();  // while recording, the canvas of the document's page

  // While a document is set, a job is recorded into it page by page instead of going to the printer.
  void SetRecordTo(TPrintDocument* document);
  const TPrintDocument* RecordTo() const { return record_; }

private:
  class TPage;
  void RequireIdle() const;
  void FinishPainting();

  QString printerName_;
  QString fileName_;
  TPrinterOrientation orientation_ = TPrinterOrientation::poPortrait;
  QPageSize::PageSizeId paper_ = QPageSize::A4;
  int resolution_ = 600;
  int copies_ = 1;
  QString title_;
  bool printing_ = false;
  bool aborted_ = false;
  int pageNumber_ = 0;
  std::unique_ptr<TPage> page_;
  std::unique_ptr<TPainterCanvas> canvas_;
  TPrintDocument* record_ = nullptr;
};

// The program's printer.
TPrinter& Printer();

}  // namespace platform
