#pragma once
// A file of the given bytes in a temporary folder of the test program, for readers that take a path.

#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>
#include <cstdlib>
#include <string_view>

namespace testsupport {

inline QString ScratchPath(const char* name)
{
  static const QTemporaryDir folder;
  return QDir(folder.path()).filePath(QString::fromLatin1(name));
}

// Writes the bytes to the scratch file of that name and gives its path; aborts when it can't.
inline QString ScratchFile(const char* name, std::string_view bytes)
{
  const QString path = ScratchPath(name);
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
      file.write(bytes.data(), qsizetype(bytes.size())) != qsizetype(bytes.size()))
    std::abort();
  return path;
}

}  // namespace testsupport
