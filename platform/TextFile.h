#pragma once
// Text files of 8-bit (Latin-1) lines. Reading takes CR LF, LF and CR line ends and never keeps a stray CR;
// writing ends every line with CR LF. Every write replaces the file as a whole (AtomicFile.h), so a failure
// never destroys the old file.

#include "platform/AtomicFile.h"

#include <QByteArray>
#include <QString>
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

}  // namespace platform
