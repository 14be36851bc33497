#include "app/LinesMemo.h"

#include <QMimeData>
#include <QTextCursor>
#include <QTextDocumentFragment>

namespace app {

QString ClipboardLines(const QString& text)
{
  QString lines = text;
  return lines.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
}

QString MemoLines(const QString& text)
{
  QString lines = text;
  lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  return lines.replace(QLatin1Char('\r'), QLatin1Char('\n'));
}

QMimeData* TLinesMemo::createMimeDataFromSelection() const
{
  auto* data = new QMimeData;
  data->setText(ClipboardLines(textCursor().selection().toPlainText()));
  return data;
}

void TLinesMemo::insertFromMimeData(const QMimeData* source)
{
  if (source && source->hasText())
    insertPlainText(MemoLines(source->text()));
}

}  // namespace app
