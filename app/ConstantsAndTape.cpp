// The Constants page (paste, search, edit and reload of the constants file) and the Tape page (copy, cut,
// print and save of the tape).

#include "app/MainWindow.h"

#include "app/ControlPrinting.h"
#include "app/ProgramFiles.h"

#include "platform/Exceptions.h"
#include "platform/FileDialogs.h"
#include "platform/MessageDlg.h"
#include "platform/Shell.h"
#include "platform/TextFile.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace app {

// Constants

void TfmCalc::lbConstClick()
{
  const int row = lbConst->currentRow();
  if (row < 0)
    return;
  QString text = lbConst->ItemText(row);
  text.remove(QLatin1Char(' '));
  const int equals = int(text.indexOf(QLatin1Char('=')));
  if (equals >= 0)
    text = text.mid(equals + 1);
  SetFunc(text);
}

void TfmCalc::edFindChange()
{
  const QString wanted = edFind->text();
  if (!wanted.isEmpty())
    for (int i = 0; i < lbConst->count(); ++i)
      if (lbConst->ItemText(i).startsWith(wanted, Qt::CaseInsensitive)) {
        lbConst->setCurrentRow(i);
        return;
      }
  platform::MessageDlg(QStringLiteral("Constant name begining from <\"") + wanted.toUpper() +
                           QStringLiteral("\"> not found"),
                       platform::mtWarning, platform::mbOK);
}

void TfmCalc::bbEditClick()
{
  // The desktop opens the file in its text editor; the program does not wait for it.
  platform::OpenDocument(ConstantsFileName());
  bbReload->setEnabled(true);
}

void TfmCalc::bbReloadClick()
{
  lbConst->ClearItems();
  if (!LoadConstants())
    platform::MessageDlg(QStringLiteral("File <") + ProgramBase() + QStringLiteral(".CON> not found"),
                         platform::mtWarning, platform::mbOK);
  bbReload->setEnabled(false);
}

// Tape

void TfmCalc::UpdateTapeButtons()
{
  const bool lines = !mmTape->document()->isEmpty();
  btPrint->setEnabled(lines);
  btToFile->setEnabled(lines);
  const bool selection = mmTape->textCursor().hasSelection();
  btCopy->setEnabled(selection);
  btCut->setEnabled(selection);
}

void TfmCalc::btCopyClick()
{
  mmTape->copy();
}

void TfmCalc::btCutClick()
{
  mmTape->setReadOnly(false);
  mmTape->cut();
  mmTape->setReadOnly(true);
}

void TfmCalc::btPrintClick()
{
  PrintControl(mmTape, QStringLiteral("Tape"), QStringLiteral("The tape was printed to the file "));
}

void TfmCalc::btToFileClick()
{
  platform::TSaveDialog& dialog = DM.SaveDialog1;
  dialog.Title = QStringLiteral("Save to Text File");
  dialog.DefaultExt = QStringLiteral("TXT");
  dialog.Filter = QStringLiteral("Text files (*.TXT)|*.TXT");
  dialog.Options = platform::ofOverwritePrompt;
  if (!dialog.Execute())
    return;
  try {
    platform::WriteUnicodeLines(dialog.FileName, mmTape->toPlainText().split(QLatin1Char('\n')));
  } catch (const platform::EFileError& error) {
    platform::ShowError(error.Message());
  }
}

}  // namespace app
