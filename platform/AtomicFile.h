#pragma once
// Replacing a file as a whole. The new content goes to a temporary file beside the old one; every write,
// the flush to disk and the close are checked, and only then does the temporary file take the old one's
// name. On any failure the temporary file is removed, the old file stays exactly as it was, and
// EFileError "Can't create file " with the path is raised. A read-only file is never replaced: it is refused
// with the same error before anything is written.

#include <QByteArray>
#include <QString>
#include <functional>

class QIODevice;

namespace platform {

void WriteFileAtomic(const QString& path, const QByteArray& bytes);

// Raises the same EFileError when no file can be created beside path (the folder is missing or closed) or
// path is a read-only file.
void CheckCanCreate(const QString& path);

// The general form: write produces the content in memory; when it raises, nothing is replaced and the
// exception passes on.
void RewriteFile(const QString& path, const std::function<void(QIODevice&)>& write);

}  // namespace platform
