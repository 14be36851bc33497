#include "platform/TextFile.h"

#include "platform/Exceptions.h"

#include <QFile>

namespace platform {

namespace {

[[noreturn]] void Fail(const char* message, const QString& path, const QString& reason)
{
  throw EFileError(QString::fromLatin1(message), path, reason);
}

}  // namespace

std::vector<std::string> SplitLines(std::string_view text)
{
  std::vector<std::string> lines;
  std::size_t start = 0;
  const std::size_t size = text.size();
  for (std::size_t i = 0; i < size; ++i) {
    const char c = text[i];
    if (c != '\r' && c != '\n')
      continue;
    lines.emplace_back(text.substr(start, i - start));
    if (c == '\r' && i + 1 < size && text[i + 1] == '\n')
      ++i;
    start = i + 1;
  }
  if (start < size)
    lines.emplace_back(text.substr(start));
  return lines;
}

QByteArray ReadFileBytes(const QString& path)
{
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly))
    Fail(kCantOpenFile, path, file.errorString());
  QByteArray bytes = file.readAll();
  if (file.error() != QFileDevice::NoError)
    Fail(kCantReadFile, path, file.errorString());
  return bytes;
}

std::vector<std::string> ReadTextLines(const QString& path)
{
  const QByteArray bytes = ReadFileBytes(path);
  return SplitLines(std::string_view(bytes.constData(), std::size_t(bytes.size())));
}

void WriteTextLines(const QString& path, const std::vector<std::string>& lines)
{
  QByteArray bytes;
  for (const std::string& line : lines) {
    bytes.append(line.data(), qsizetype(line.size()));
    bytes.append("\r\n", 2);
  }
  WriteFileAtomic(path, bytes);
}

}  // namespace platform
