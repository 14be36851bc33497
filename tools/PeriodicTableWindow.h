#pragma once
// The element window: the properties of one element from Vexal.prt in a two-column grid, its notes
// line from Vexal.txt below it, printing (grid, then notes) and copying to the clipboard. The data
// lives in TElementTable; the window holds the controls and their wiring.

#include "platform/Form.h"
#include "tools/elements/ElementTable.h"

#include <QString>
#include <QStringList>

class QPlainTextEdit;

namespace grid {
class TtsGrid;
}
namespace platform {
class TSpeedButton;
class TToolBar;
}  // namespace platform

namespace tools {

class TfrnPT : public platform::Form {
public:
  // Reads Vexal.prt in the folder at once, Vexal.txt when first shown.
  explicit TfrnPT(QString folder, QWidget* parent = nullptr);

  // Shows element n (1-based) and its notes; an element the table lacks is reported instead.
  void ShowElement(int n);
  void Print();
  void Copy();

  int CurrentElement() const { return current_; }
  const TElementTable& Table() const { return table_; }
  QString PrtPath() const;
  QString NotesPath() const;

  // Controls
  platform::TToolBar* ToolBar1;
  platform::TSpeedButton* sbPrint;
  platform::TSpeedButton* sbCopy;
  grid::TtsGrid* tsgPT;
  QPlainTextEdit* M1;  // the notes
  QPlainTextEdit* M;   // hidden: builds the clipboard text

protected:
  void FormKeyDown(int& key, platform::TShiftState shift) override;
  void resizeEvent(QResizeEvent* event) override;

private:
  void LoadElementTable();
  void LoadNotes();
  QString ElementName() const;

  QString folder_;
  TElementTable table_;
  QStringList notes_;
  bool notesLoaded_ = false;
  int current_ = 0;
};

}  // namespace tools
