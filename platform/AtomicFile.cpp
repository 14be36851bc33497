#include "platform/AtomicFile.h"

#include "platform/Exceptions.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {

[[noreturn]] void Fail(const QString& path, int error)
{
  throw EFileError(QString::fromLatin1(kCantCreateFile), path, QString::fromLocal8Bit(std::strerror(error)));
}

// A symbolic link is kept: the file it names is the one replaced.
QString TargetOf(const QString& path)
{
  const QFileInfo info(path);
  if (!info.isSymLink())
    return path;
  return info.symLinkTarget();
}

// A target that exists and is read-only is refused, even where the rename could replace it: EACCES
// when it has no write permission for anyone or none for this process.
int ReadOnlyError(const QString& target)
{
  const QByteArray name = QFile::encodeName(target);
  struct stat status {};
  if (::stat(name.constData(), &status) != 0 || !S_ISREG(status.st_mode))
    return 0;
  if ((status.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0 || ::access(name.constData(), W_OK) != 0)
    return EACCES;
  return 0;
}

// The temporary file: closed and removed unless Commit renamed it.
class TemporaryFile {
 public:
  explicit TemporaryFile(const QString& target) : target_(QFile::encodeName(target))
  {
    for (int attempt = 0; attempt < 100 && fd_ < 0; ++attempt) {
      name_ = target_ + '.' + QByteArray::number(QRandomGenerator::global()->generate(), 36) + ".tmp";
      fd_ = ::open(name_.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);  // the umask applies
      if (fd_ < 0 && errno != EEXIST)
        break;
    }
    if (fd_ < 0)
      error_ = errno;
    created_ = fd_ >= 0;
  }
  ~TemporaryFile()
  {
    if (fd_ >= 0)
      ::close(fd_);
    if (created_ && !committed_)
      ::unlink(name_.constData());
  }
  TemporaryFile(const TemporaryFile&) = delete;
  TemporaryFile& operator=(const TemporaryFile&) = delete;

  // 0 on success, else the error number.
  int Open() const { return fd_ >= 0 ? 0 : error_; }

  int Write(const char* data, std::size_t size)
  {
    while (size > 0) {
      const ssize_t written = ::write(fd_, data, size);
      if (written < 0) {
        if (errno == EINTR)
          continue;
        return errno;
      }
      if (written == 0)
        return ENOSPC;
      data += written;
      size -= std::size_t(written);
    }
    return 0;
  }

  // The old file's permissions go over to the new one.
  void KeepModeOf(const QByteArray& old)
  {
    struct stat status {};
    if (::stat(old.constData(), &status) == 0)
      ::fchmod(fd_, status.st_mode & 07777);
  }

  // Flushes to disk, closes and renames over the target.
  int Commit()
  {
    KeepModeOf(target_);
    if (::fsync(fd_) != 0)
      return errno;
    const int fd = fd_;
    fd_ = -1;
    if (::close(fd) != 0)
      return errno;
    if (::rename(name_.constData(), target_.constData()) != 0)
      return errno;
    committed_ = true;
    return 0;
  }

 private:
  QByteArray target_;
  QByteArray name_;
  int fd_ = -1;
  int error_ = 0;
  bool created_ = false;
  bool committed_ = false;
};

// Makes the rename itself durable; a failure here leaves the new file in place and is not reported.
void SyncFolderOf(const QString& path)
{
  const int fd = ::open(QFile::encodeName(QFileInfo(path).absolutePath()).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0)
    return;
  ::fsync(fd);
  ::close(fd);
}

}  // namespace

void WriteFileAtomic(const QString& path, const QByteArray& bytes)
{
  const QString target = TargetOf(path);
  if (const int error = ReadOnlyError(target))
    Fail(path, error);
  TemporaryFile file(target);
  if (const int error = file.Open())
    Fail(path, error);
  if (const int error = file.Write(bytes.constData(), std::size_t(bytes.size())))
    Fail(path, error);
  if (const int error = file.Commit())
    Fail(path, error);
  SyncFolderOf(target);
}

void CheckCanCreate(const QString& path)
{
  if (const int error = ReadOnlyError(TargetOf(path)))
    Fail(path, error);
  const TemporaryFile file(TargetOf(path));
  if (const int error = file.Open())
    Fail(path, error);
}

void RewriteFile(const QString& path, const std::function<void(QIODevice&)>& write)
{
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  write(buffer);  // an exception leaves the old file untouched
  WriteFileAtomic(path, bytes);
}

}  // namespace platform
