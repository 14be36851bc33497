#include "app/LinesMemo.h"

#include "platform/ClipboardText.h"

#include <QMimeData>
#include <QTextCursor>
#include <QTextDocumentFragment>

namespace app {

QString WithClipboardLineEnds(const QString& text)
{
  QString lines = text;
  return lines.replace(QLatin1Char('\n'), QLatin1String(platform::kClipboardLineEnd));
}

QString WithMemoLineEnds(const QString& text)
{
  QString lines = text;
  lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  return lines.replace(QLatin1Char('\r'), QLatin1Char('\n'));
}

QMimeData* TLinesMemo::createMimeDataFromSelection() const
{
  auto* data = new QMimeData;
  data->setText(WithClipboardLineEnds(textCursor().selection().toPlainText()));
  return data;
}

void TLinesMemo::insertFromMimeData(const QMimeData* source)
{
  if (source && source->hasText())
    insertPlainText(WithMemoLineEnds(source->text()));
}

}  // namespace app
