// The file calls on POSIX: descriptors opened with O_NOFOLLOW and O_CLOEXEC.
#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <cerrno>
#include <cstring>

#include "base/platform/NativeFiles.h"

namespace base::platform {
namespace {

QByteArray native(const QString& path) { return QFile::encodeName(path); }

int fd(FileHandle file) { return static_cast<int>(file); }

mode_t currentUmask() {
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return mask;
}

FileHandle openNoFollow(const QString& path, int flags, mode_t mode = 0) {
  const QByteArray name = native(path);
  int opened;
  do {
    opened = ::open(name.constData(), flags | O_NOFOLLOW | O_CLOEXEC, mode);
  } while (opened < 0 && errno == EINTR);
  return opened;
}

}  // namespace

ErrorCode lastError() { return errno; }

QString errorText(ErrorCode error) {
  return QString::fromLocal8Bit(std::strerror(static_cast<int>(error)));
}

bool isAlreadyExists(ErrorCode error) { return error == EEXIST; }
bool isNotFound(ErrorCode error) { return error == ENOENT; }
ErrorCode noSpaceError() { return ENOSPC; }

FileHandle createPrivateFile(const QString& path) {
  return openNoFollow(path, O_WRONLY | O_CREAT | O_EXCL, 0600);
}

FileHandle openForReading(const QString& path) { return openNoFollow(path, O_RDONLY); }

std::int64_t readSome(FileHandle file, char* data, std::int64_t size) {
  ssize_t got;
  do {
    got = ::read(fd(file), data, static_cast<size_t>(size));
  } while (got < 0 && errno == EINTR);
  return got;
}

ErrorCode writeAll(FileHandle file, const QByteArray& bytes) {
  const char* data = bytes.constData();
  qsizetype left = bytes.size();
  while (left > 0) {
    const ssize_t written = ::write(fd(file), data, static_cast<size_t>(left));
    if (written < 0 && errno == EINTR) continue;
    if (written < 0) return errno;
    if (written == 0) return ENOSPC;
    data += written;
    left -= written;
  }
  return 0;
}

bool flushToDisk(FileHandle file) { return ::fsync(fd(file)) == 0; }

bool closeFile(FileHandle file) { return ::close(fd(file)) == 0; }

void takePermissionsOf(FileHandle file, const QString& replaced) {
  struct stat old {};
  if (::lstat(native(replaced).constData(), &old) == 0 && S_ISREG(old.st_mode)) {
    if (old.st_uid == ::geteuid() || ::geteuid() == 0) {
      [[maybe_unused]] const int owned = ::fchown(fd(file), old.st_uid, old.st_gid);
    }
    ::fchmod(fd(file), old.st_mode & 07777);
  } else {
    ::fchmod(fd(file), 0666 & ~currentUmask());
  }
}

bool renameReplacing(const QString& from, const QString& to) {
  return ::rename(native(from).constData(), native(to).constData()) == 0;
}

bool renameKeepingExisting(const QString& from, const QString& to) {
  const QByteArray source = native(from), target = native(to);
  if (::renameat2(AT_FDCWD, source.constData(), AT_FDCWD, target.constData(), RENAME_NOREPLACE) ==
      0)
    return true;
  if (errno != EINVAL && errno != ENOSYS) return false;
  // A file system without the no-replace rename: a hard link fails on any existing name.
  if (::link(source.constData(), target.constData()) != 0) return false;
  ::unlink(source.constData());
  return true;
}

bool hardLink(const QString& from, const QString& to) {
  return ::link(native(from).constData(), native(to).constData()) == 0;
}

bool removeName(const QString& path) { return ::unlink(native(path).constData()) == 0; }

bool isRegularFile(const QString& path) {
  struct stat info {};
  return ::lstat(native(path).constData(), &info) == 0 && S_ISREG(info.st_mode);
}

}  // namespace base::platform
