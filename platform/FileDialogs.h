#pragma once
// Open and save dialogs: title, filter with index, default extension, initial folder and options.

#include "platform/ModalRun.h"

#include <QString>
#include <QStringList>

class QFileDialog;

namespace platform {

using TOpenOptions = unsigned;
inline constexpr TOpenOptions ofOverwritePrompt = 0x01;  // a save asks before replacing a file
inline constexpr TOpenOptions ofPathMustExist = 0x02;    // the chosen file's folder must exist
inline constexpr TOpenOptions ofFileMustExist = 0x04;    // an open needs an existing file
inline constexpr TOpenOptions ofAllowMultiSelect = 0x08;
inline constexpr TOpenOptions ofHideReadOnly = 0x10;

// Common part of both dialogs. Filter is "Description|*.ext;*.ex2|...", FilterIndex 1-based.
class TFileDialog : public ModalSubject {
 public:
  QString Title;
  QString Filter;
  int FilterIndex = 1;
  QString DefaultExt;  // without the dot; added to a chosen name that has no extension
  QString InitialDir;
  QString FileName;    // in: the proposed name; out: the chosen file
  QStringList Files;   // out: every chosen file
  TOpenOptions Options = ofHideReadOnly;

  // Runs the dialog; true when a file was chosen (and passed the option checks).
  bool Execute();

  QString Describe() const override;
  QStringList QtNameFilters() const;  // Filter as Qt name filters

 protected:
  virtual bool IsSave() const = 0;

 private:
  TModalResult ShowForReal();
  bool AcceptChoice();  // completes and checks FileName after a choice
};

class TOpenDialog : public TFileDialog {
 public:
  TOpenDialog() { Title = QStringLiteral("Open"); }
  ModalKind Kind() const override { return ModalKind::OpenDialog; }

 protected:
  bool IsSave() const override { return false; }
};

class TSaveDialog : public TFileDialog {
 public:
  TSaveDialog() { Title = QStringLiteral("Save As"); }
  ModalKind Kind() const override { return ModalKind::SaveDialog; }

 protected:
  bool IsSave() const override { return true; }
};

// The detail view of a file dialog: the name column takes the room left, the others fit their contents.
void SizeDetailColumns(QFileDialog& dialog);

}  // namespace platform
