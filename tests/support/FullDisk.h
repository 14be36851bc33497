#pragma once
// A tiny file system of its own (a tmpfs mounted on a fresh folder) for tests of writes on a full disk.
// Mounting needs root; without it Mounted() is false and Why() says why, for GTEST_SKIP.

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <string>
#include <sys/mount.h>
#include <unistd.h>

namespace testsupport {

class FullDisk {
 public:
  explicit FullDisk(const char* size = "256k")
  {
    char folder[] = "/tmp/vexal-full-disk-XXXXXX";
    if (!::mkdtemp(folder)) {
      why_ = std::string("no temporary folder: ") + std::strerror(errno);
      return;
    }
    folder_ = folder;
    const std::string options = std::string("size=") + size;
    if (::mount("vexal-test", folder_.c_str(), "tmpfs", MS_NOSUID | MS_NODEV, options.c_str()) != 0) {
      why_ = std::string("a small file system can't be mounted here (") + std::strerror(errno) +
             "); the full-disk case needs root";
      return;
    }
    mounted_ = true;
  }
  ~FullDisk()
  {
    if (mounted_)
      ::umount2(folder_.c_str(), MNT_DETACH);
    if (!folder_.empty())
      ::rmdir(folder_.c_str());
  }
  FullDisk(const FullDisk&) = delete;
  FullDisk& operator=(const FullDisk&) = delete;

  bool Mounted() const { return mounted_; }
  const std::string& Why() const { return why_; }
  std::string Path(const std::string& name) const { return folder_ + "/" + name; }

  // Takes every free byte with a filler file.
  void Fill() const
  {
    const int fd = ::open(Path(".filler").c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (fd < 0)
      return;
    char block[4096] = {};
    for (std::size_t size = sizeof block; size > 0; size /= 2)
      while (::write(fd, block, size) > 0) {
      }
    ::fsync(fd);
    ::close(fd);
  }

 private:
  std::string folder_;
  std::string why_;
  bool mounted_ = false;
};

}  // namespace testsupport
