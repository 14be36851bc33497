#pragma once
// A plain memo whose clipboard text ends its lines with CR LF, so that any program reads them as lines,
// and which takes pasted lines ending with CR LF, LF or CR.

#include <QPlainTextEdit>
#include <QString>

namespace app {

// Clipboard text of memo text (lines separated by LF): lines ending with CR LF.
QString WithClipboardLineEnds(const QString& text);
// Memo text of clipboard text: CR LF, LF and CR each end a line.
QString WithMemoLineEnds(const QString& text);

class TLinesMemo : public QPlainTextEdit {
 public:
  using QPlainTextEdit::QPlainTextEdit;

 protected:
  QMimeData* createMimeDataFromSelection() const override;
  void insertFromMimeData(const QMimeData* source) override;
};

}  // namespace app
