// The "Tape calc" page: the lines of the memo joined into one expression, its result appended below a rule;
// the lines loaded from, saved to and printed.

#include "app/MainWindow.h"

#include "app/ControlPrinting.h"
#include "app/EngineCharValidator.h"

#include "platform/Exceptions.h"
#include "platform/FileDialogs.h"
#include "platform/MessageDlg.h"
#include "platform/TextFile.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextDocument>

namespace app {

void TfmCalc::SpeedButton85Click()
{
  QString joined;
  for (const QString& line : OET->toPlainText().split(QLatin1Char('\n')))
    joined += line.trimmed();
  if (joined.isEmpty() || calculating_)
    return;
  // The expression line would cut a longer text and calculate what is left of it.
  if (joined.size() > EngineCharValidator::kMaxLength) {
    platform::MessageDlg(QStringLiteral("The text is too long: at most %1 characters fit. Nothing was calculated.")
                             .arg(EngineCharValidator::kMaxLength),
                         platform::mtError, platform::mbOK);
    return;
  }
  const QString keptExpression = Edit1->text();
  const QString keptResult = Edit2->text();
  Edit1->setText(joined);
  LastWasError = false;
  ReturnClick();
  // An error leaves the joined text and its message on top; nothing is appended to the tape.
  if (LastWasError) {
    platform::MessageDlg(QStringLiteral("Error! See detail in the top of calculator"), platform::mtError,
                         platform::mbOK);
    return;
  }
  const QString result = Edit2->text();
  OET->appendPlainText(QStringLiteral("----------------------"));
  OET->appendPlainText(result);
  Edit1->setText(keptExpression);
  Edit2->setText(keptResult);
}

namespace {

const QString kTextFilter = QStringLiteral("Text files (*.txt)|*.txt|All files (*.*)|*.*");

}  // namespace

void TfmCalc::SpeedButton83Click()
{
  platform::TOpenDialog dialog;
  dialog.Filter = kTextFilter;
  dialog.DefaultExt = QStringLiteral("TXT");
  dialog.Options = platform::ofHideReadOnly | platform::ofFileMustExist;
  if (dialog.Execute()) {
    try {
      for (const QString& line : platform::ReadUnicodeLines(dialog.FileName))
        OET->appendPlainText(line);
    } catch (const platform::EFileError& error) {
      platform::ShowError(error.Message());
    }
  }
  OET->setFocus();
}

void TfmCalc::SpeedButton84Click()
{
  platform::TSaveDialog dialog;
  dialog.Filter = kTextFilter;
  dialog.DefaultExt = QStringLiteral("TXT");
  dialog.Options = platform::ofOverwritePrompt | platform::ofHideReadOnly | platform::ofPathMustExist;
  if (!dialog.Execute())
    return;
  const QStringList lines = OET->document()->isEmpty() ? QStringList() : OET->toPlainText().split(QLatin1Char('\n'));
  try {
    platform::WriteUnicodeLines(dialog.FileName, lines);
  } catch (const platform::EFileError& error) {
    platform::ShowError(error.Message());
  }
}

void TfmCalc::SpeedButton89Click()
{
  PrintControl(OET, QStringLiteral("Tape calc"), QStringLiteral("The tape calculator was printed to the file "));
}

}  // namespace app
