#pragma once
// The colour, font and print dialogs (the printer and page set-up dialogs in PrinterSetupDialogs.h).
// Each runs through RunModal; Execute is true on OK.

#include "platform/Color.h"
#include "platform/ModalRun.h"
#include "platform/PrinterSetupDialogs.h"

#include <QFont>
#include <QString>

class QPrinter;

namespace platform {

class TColorDialog : public ModalSubject {
 public:
  TColor Color = clBlack;  // in: the proposed colour; out: the chosen one
  bool Execute();
  ModalKind Kind() const override { return ModalKind::ColorDialog; }
  QString Describe() const override { return QStringLiteral("colour dialog"); }

 private:
  TModalResult ShowForReal();
};

class TFontDialog : public ModalSubject {
 public:
  QFont Font;
  TColor Color = clBlack;
  bool ScalableOnly = false;  // offers only fonts that scale to any size
  bool Execute();
  ModalKind Kind() const override { return ModalKind::FontDialog; }
  QString Describe() const override { return QStringLiteral("font dialog"); }

 private:
  TModalResult ShowForReal();
};

enum TPrintRange { prAllPages, prSelection, prPageNums };

// The print dialog; works on Printer when set, else on a printer of its own for the run.
class TPrintDialog : public ModalSubject {
 public:
  QPrinter* Printer = nullptr;
  int Copies = 1;
  int FromPage = 0;
  int ToPage = 0;
  int MinPage = 0;
  int MaxPage = 0;
  TPrintRange PrintRange = prAllPages;
  bool Execute();
  ModalKind Kind() const override { return ModalKind::PrintDialog; }
  QString Describe() const override { return QStringLiteral("print dialog"); }

 private:
  TModalResult ShowForReal();
};

}  // namespace platform
