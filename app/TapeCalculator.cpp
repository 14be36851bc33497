// The "Tape calc" page: the lines of the memo joined into one expression, its result appended below a rule.

#include "app/MainWindow.h"

#include "platform/MessageDlg.h"

#include <QLineEdit>
#include <QPlainTextEdit>

namespace app {

void TfmCalc::SpeedButton85Click()
{
  QString joined;
  for (const QString& line : OET->toPlainText().split(QLatin1Char('\n')))
    joined += line.trimmed();
  if (joined.isEmpty() || calculating_)
    return;
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

}  // namespace app
