#include "platform/ClipboardText.h"

#include "platform/Exceptions.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

namespace platform {

namespace {

QClipboard& Clipboard()
{
  QClipboard* clipboard = QGuiApplication::clipboard();
  if (!clipboard)
    throw EClipboardError(QString::fromLatin1(kCantOpenClipboard));
  return *clipboard;
}

}  // namespace

std::string ToLatin1(const QString& text)
{
  std::string result;
  result.reserve(text.size());
  for (const QChar c : text)
    result += c.unicode() <= 0xFF ? char(c.unicode()) : '?';
  return result;
}

QString FromLatin1(const std::string& latin1)
{
  return QString::fromLatin1(latin1.data(), qsizetype(latin1.size()));
}

void SetClipboardText(const std::string& latin1)
{
  const QString text = FromLatin1(latin1);
  QClipboard& clipboard = Clipboard();
  clipboard.setText(text);
  // The clipboard gives no status; a read-back shows whether it took the text.
  if (clipboard.text() != text)
    throw EClipboardError(QString::fromLatin1(kCantOpenClipboard));
}

std::optional<QString> ClipboardUnicodeText()
{
  const QMimeData* data = Clipboard().mimeData();
  if (!data || !data->hasText())
    return std::nullopt;
  return data->text();
}

std::optional<std::string> ClipboardText()
{
  const std::optional<QString> text = ClipboardUnicodeText();
  if (!text)
    return std::nullopt;
  return ToLatin1(*text);
}

bool ClipboardHasText()
{
  const QMimeData* data = Clipboard().mimeData();
  return data && data->hasText();
}

}  // namespace platform
