#pragma once
// Text files of 8-bit (Latin-1) lines. Reading takes CR LF, LF and CR line ends and never keeps a stray CR;
// writing ends every line with CR LF. Every write replaces the file as a whole (AtomicFile.h), so a failure
// never destroys the old file.

#include "platform/AtomicFile.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

// Splits text at CR LF, LF or CR. A line end at the very end gives no extra empty line.
std::vector<std::string> SplitLines(std::string_view text);

// Raises EFileError: "Can't open file " when it can't be opened, "Can't read file " when reading fails.
std::vector<std::string> ReadTextLines(const QString& path);
QByteArray ReadFileBytes(const QString& path);

// Raises EFileError "Can't create file " (the old file stays as it was).
void WriteTextLines(const QString& path, const std::vector<std::string>& lines);

// Lines of Unicode text: written in Latin-1 when every character has a Latin-1 byte, else in UTF-8, so
// nothing turns into '?'; a file read back is taken as UTF-8 when it is valid UTF-8 beyond plain ASCII.
QStringList ReadUnicodeLines(const QString& path);

// A file's bytes as 8-bit (Latin-1) text: valid UTF-8 beyond plain ASCII whose every character has a
// Latin-1 byte is decoded (Utf8 set), anything else is taken byte for byte. Encoding the text again with
// the same Utf8 gives the file's bytes back.
struct TLatin1Text {
  std::string Text;
  bool Utf8 = false;
};
TLatin1Text Latin1FromFileBytes(std::string_view bytes);
std::string FileBytesFromLatin1(std::string_view text, bool utf8);
void WriteUnicodeLines(const QString& path, const QStringList& lines);

}  // namespace platform
