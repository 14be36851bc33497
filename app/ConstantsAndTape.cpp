// The Constants page (paste, search, edit and reload of the constants file) and the Tape page (copy, cut,
// print and save of the tape).

#include "app/MainWindow.h"

#include "app/ProgramFiles.h"

#include "platform/Exceptions.h"
#include "platform/FileDialogs.h"
#include "platform/MessageDlg.h"
#include "platform/Printer.h"
#include "platform/Shell.h"
#include "platform/TextFile.h"

#include "tools/PrintComponents.h"

#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <exception>

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

namespace {

// The path itself when no file is there, else the first free "name (n).ext" beside it.
QString FreeFileName(const QString& path)
{
  const QFileInfo info(path);
  QString candidate = path;
  for (int n = 2; QFileInfo::exists(candidate); ++n)
    candidate = info.dir().filePath(QStringLiteral("%1 (%2).%3").arg(info.completeBaseName()).arg(n).arg(info.suffix()));
  return candidate;
}

}  // namespace

void TfmCalc::btPrintClick()
{
  const QString title = QStringLiteral("Tape");
  platform::TPrinter& printer = platform::Printer();
  // The file printer writes a new file each time and says where; it never replaces an earlier one.
  const bool toFile = printer.IsPdfPrinter();
  const bool nameSet = printer.FileNameSet();
  printer.SetTitle(title);
  const QString chosen = printer.FileName();
  const QString path = FreeFileName(chosen);
  if (toFile)
    printer.SetFileName(path);
  QString failure;
  try {
    tools::PrintControlContents(mmTape, title);
  } catch (const std::exception& error) {  // no printer, or the printer failed
    failure = QString::fromUtf8(error.what());
  }
  if (toFile)
    printer.SetFileName(nameSet ? chosen : QString());
  if (!failure.isEmpty())
    platform::ShowError(failure);
  else if (toFile)
    platform::MessageDlg(QStringLiteral("The tape was printed to the file ") + QDir::toNativeSeparators(path),
                         platform::mtInformation, platform::mbOK);
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
  std::vector<std::string> lines;
  for (const QString& line : mmTape->toPlainText().split(QLatin1Char('\n')))
    lines.push_back(line.toLatin1().toStdString());
  try {
    platform::WriteTextLines(dialog.FileName, lines);
  } catch (const platform::EFileError& error) {
    platform::ShowError(error.Message());
  }
}

}  // namespace app
