#pragma once
// The printer set-up and page set-up dialogs. Both work on a TPrinter (the program's when none is
// given): Execute fills the fields from it, runs through RunModal, and on OK gives the printer the
// fields. A script step edits the fields and answers, as a user would.

#include "platform/ModalRun.h"
#include "platform/Printer.h"

#include <QPageSize>

namespace platform {

// The papers the dialogs offer, and their names.
const std::vector<QPageSize::PageSizeId>& OfferedPapers();
QString PaperName(QPageSize::PageSizeId paper);

class TPrinterSetupDialog : public ModalSubject {
 public:
  TPrinter* Target = nullptr;
  int PrinterIndex = 0;  // into the printer's Printers()
  QPageSize::PageSizeId PaperSize = QPageSize::A4;
  TPrinterOrientation Orientation = TPrinterOrientation::poPortrait;
  int Copies = 1;

  bool Execute();
  ModalKind Kind() const override { return ModalKind::PrinterSetupDialog; }
  QString Describe() const override { return QStringLiteral("printer set-up dialog"); }

 private:
  TModalResult ShowForReal();
};

// Page margins in millimetres.
struct TPageMargins {
  double Left = 25;
  double Top = 12;
  double Right = 12;
  double Bottom = 12;
  friend bool operator==(const TPageMargins&, const TPageMargins&) = default;
};

class TPageSetupDialog : public ModalSubject {
 public:
  TPrinter* Target = nullptr;
  QPageSize::PageSizeId PaperSize = QPageSize::A4;
  TPrinterOrientation Orientation = TPrinterOrientation::poPortrait;
  TPageMargins Margins;  // in and out; the printer keeps none

  // True on OK with margins that leave room on the paper; margins that don't are refused
  // ("The margins leave no room on the page") and everything stays as it was.
  bool Execute();
  ModalKind Kind() const override { return ModalKind::PageSetupDialog; }
  QString Describe() const override { return QStringLiteral("page set-up dialog"); }
  // Margins of at least 0 that leave part of the paper.
  bool MarginsFit() const;

 private:
  TModalResult ShowForReal();
};

inline const char* const kMarginsLeaveNoRoom = "The margins leave no room on the page";

}  // namespace platform
