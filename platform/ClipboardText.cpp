#include "platform/ClipboardText.h"

#include "platform/Exceptions.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <algorithm>

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

std::vector<std::string> ClipboardLines(const std::string& text)
{
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    const std::size_t end = std::min(text.find_first_of("\r\n", start), text.size());
    lines.push_back(text.substr(start, end - start));
    start = end + (text.compare(end, 2, "\r\n") == 0 ? 2 : 1);
  }
  return lines;
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
