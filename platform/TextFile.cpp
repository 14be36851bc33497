#include "platform/TextFile.h"

#include "platform/Exceptions.h"

#include <QFile>
#include <QStringDecoder>

#include <algorithm>

namespace platform {

namespace {

[[noreturn]] void Fail(const char* message, const QString& path, const QString& reason)
{
  throw EFileError(QString::fromLatin1(message), path, reason);
}

bool FitsLatin1(const QStringList& lines)
{
  for (const QString& line : lines)
    for (const QChar c : line)
      if (c.unicode() > 255)
        return false;
  return true;
}

bool IsUtf8BeyondAscii(const QByteArray& bytes)
{
  const bool beyondAscii = std::any_of(bytes.begin(), bytes.end(), [](char c) { return (c & 0x80) != 0; });
  if (!beyondAscii)
    return false;
  QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
  const QString decoded = decoder.decode(bytes);
  return !decoder.hasError() && !decoded.isEmpty();
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

TLatin1Text Latin1FromFileBytes(std::string_view bytes)
{
  const QByteArray raw = QByteArray::fromRawData(bytes.data(), qsizetype(bytes.size()));
  if (!IsUtf8BeyondAscii(raw))
    return {std::string(bytes), false};
  const QString decoded = QString::fromUtf8(raw);
  if (!FitsLatin1({decoded}))
    return {std::string(bytes), false};
  const QByteArray latin1 = decoded.toLatin1();
  return {std::string(latin1.constData(), std::size_t(latin1.size())), true};
}

std::string FileBytesFromLatin1(std::string_view text, bool utf8)
{
  if (!utf8)
    return std::string(text);
  const QByteArray encoded = QString::fromLatin1(text.data(), qsizetype(text.size())).toUtf8();
  return std::string(encoded.constData(), std::size_t(encoded.size()));
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

QStringList ReadUnicodeLines(const QString& path)
{
  const QByteArray bytes = ReadFileBytes(path);
  const bool utf8 = IsUtf8BeyondAscii(bytes);
  QStringList lines;
  for (const std::string& line : SplitLines(std::string_view(bytes.constData(), std::size_t(bytes.size())))) {
    const auto size = qsizetype(line.size());
    lines << (utf8 ? QString::fromUtf8(line.data(), size) : QString::fromLatin1(line.data(), size));
  }
  return lines;
}

void WriteUnicodeLines(const QString& path, const QStringList& lines)
{
  // Latin-1 unless a character lacks a byte there or the bytes would read back as UTF-8.
  QByteArray latin1;
  for (const QString& line : lines)
    latin1 += line.toLatin1() + '\n';
  const bool utf8 = !FitsLatin1(lines) || IsUtf8BeyondAscii(latin1);
  std::vector<std::string> encoded;
  encoded.reserve(std::size_t(lines.size()));
  for (const QString& line : lines)
    encoded.push_back((utf8 ? line.toUtf8() : line.toLatin1()).toStdString());
  WriteTextLines(path, encoded);
}

}  // namespace platform
