#pragma once
// The history file: the history entries and the results, each list after its count, newest first.

#include <QString>
#include <QStringList>

namespace app {

struct THistory {
  QStringList Expressions;
  QStringList Results;
};

// Longest line kept when reading; the rest of a longer line is skipped.
inline constexpr int MaxHistoryLine = 255;

// Reads what it can: a missing file gives empty lists; a damaged one (a count that is not a number, fewer
// lines than counted) gives the entries read before the damage.
THistory ReadHistoryFile(const QString& path);
// Rewrites the file atomically; raises platform::EFileError and keeps the old file on failure.
void WriteHistoryFile(const QString& path, const THistory& history);

}  // namespace app
