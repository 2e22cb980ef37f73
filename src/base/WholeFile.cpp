// Whole-file writes by write-beside-and-rename. The POSIX calls of file writing live here.
#include "base/WholeFile.h"

#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <cerrno>
#include <cstring>
#include <optional>
#include <stdexcept>

namespace base {
namespace {

[[noreturn]] void fail(const QString& text) { throw std::runtime_error(text.toStdString()); }

QString reason(int error) { return QString::fromLocal8Bit(std::strerror(error)); }

QString quoted(const QString& path) { return QStringLiteral("\"") + path + QStringLiteral("\""); }

[[noreturn]] void failWriting(const QString& path, int error) {
  fail(QStringLiteral("Cannot write ") + quoted(path) + QStringLiteral(": ") + reason(error));
}

mode_t currentUmask() {
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return mask;
}

// Moves `from` to `to` unless something, a link included, already has that name.
int renameKeepingExisting(const QByteArray& from, const QByteArray& to) {
  if (::renameat2(AT_FDCWD, from.constData(), AT_FDCWD, to.constData(), RENAME_NOREPLACE) == 0)
    return 0;
  if (errno != EINVAL && errno != ENOSYS) return -1;
  // A file system without the no-replace rename: a hard link fails on any existing name.
  if (::link(from.constData(), to.constData()) != 0) return -1;
  ::unlink(from.constData());
  return 0;
}

}  // namespace

void writeAllTo(int fd, const QByteArray& bytes, const QString& path) {
  const char* data = bytes.constData();
  qsizetype left = bytes.size();
  while (left > 0) {
    const ssize_t written = ::write(fd, data, static_cast<size_t>(left));
    if (written < 0 && errno == EINTR) continue;
    if (written < 0) failWriting(path, errno);
    if (written == 0) failWriting(path, ENOSPC);
    data += written;
    left -= written;
  }
}

StagedFile::StagedFile(const QString& target) : target_(target) {
  if (target.isEmpty()) fail(QStringLiteral("Bad file name"));
  const QFileInfo info(target);
  if (info.isDir()) fail(quoted(target) + QStringLiteral(" is a folder"));
  // A short name of its own: one built from the target's could pass the longest name the
  // folder allows when the target's name is already near it.
  for (int attempt = 0; attempt < 100 && fd_ < 0; ++attempt) {
    const QString candidate = info.absolutePath() + QStringLiteral("/.halvenor-save-") +
                              QString::number(QRandomGenerator::system()->generate64(), 36);
    fd_ = ::open(QFile::encodeName(candidate).constData(),
                 O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd_ >= 0)
      staged_ = candidate;
    else if (errno != EEXIST)
      break;
  }
  if (fd_ < 0)
    fail(QStringLiteral("Cannot write in the folder of ") + quoted(target) + QStringLiteral(": ") +
         reason(errno));
}

StagedFile::~StagedFile() {
  if (fd_ >= 0) ::close(fd_);
  if (!staged_.isEmpty()) ::unlink(QFile::encodeName(staged_).constData());
}

void StagedFile::write(const QByteArray& bytes) {
  if (fd_ < 0) fail(QStringLiteral("Cannot write ") + quoted(target_) + QStringLiteral(" again"));
  writeAllTo(fd_, bytes, target_);
}

void StagedFile::copyFrom(const QString& source) {
  int in = -1;
  if (!source.isEmpty())
    in = ::open(QFile::encodeName(source).constData(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
  if (in < 0)
    fail(QStringLiteral("File not found: ") + quoted(source) +
         (source.isEmpty() ? QString() : QStringLiteral(": ") + reason(errno)));
  QByteArray buffer(1 << 16, Qt::Uninitialized);
  for (;;) {
    const ssize_t got = ::read(in, buffer.data(), static_cast<size_t>(buffer.size()));
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) {
      const int error = errno;
      ::close(in);
      fail(QStringLiteral("Cannot read ") + quoted(source) + QStringLiteral(": ") + reason(error));
    }
    if (got == 0) break;
    try {
      write(QByteArray::fromRawData(buffer.constData(), got));
    } catch (...) {
      ::close(in);
      throw;
    }
  }
  ::close(in);
}

void StagedFile::finish() {
  if (fd_ < 0) return;
  if (::fsync(fd_) != 0) failWriting(target_, errno);
  // The permission bits of the file being replaced (a link is replaced, not followed).
  struct stat old {};
  const QByteArray to = QFile::encodeName(target_);
  if (::lstat(to.constData(), &old) == 0 && S_ISREG(old.st_mode)) {
    if (old.st_uid == ::geteuid() || ::geteuid() == 0) {
      [[maybe_unused]] const int owned = ::fchown(fd_, old.st_uid, old.st_gid);
    }
    ::fchmod(fd_, old.st_mode & 07777);
  } else {
    ::fchmod(fd_, 0666 & ~currentUmask());
  }
  const int closed = ::close(fd_);
  fd_ = -1;
  if (closed != 0) failWriting(target_, errno);
}

void StagedFile::place(Placing placing) {
  finish();
  if (staged_.isEmpty()) return;
  const QByteArray from = QFile::encodeName(staged_), to = QFile::encodeName(target_);
  if (placing == Placing::ReplaceExisting) {
    if (::rename(from.constData(), to.constData()) != 0)
      fail(QStringLiteral("Cannot replace ") + quoted(target_) + QStringLiteral(": ") +
           reason(errno));
  } else if (renameKeepingExisting(from, to) != 0) {
    if (errno == EEXIST) fail(quoted(target_) + QStringLiteral(" already exists"));
    failWriting(target_, errno);
  }
  staged_.clear();  // in place now
}

void placeBoth(StagedFile& first, StagedFile& second, Placing placing) {
  // What the first name holds now, kept aside beside it while the two are placed.
  std::optional<StagedFile> before;
  struct stat old {};
  if (placing == Placing::ReplaceExisting &&
      ::lstat(QFile::encodeName(first.target()).constData(), &old) == 0 && S_ISREG(old.st_mode)) {
    before.emplace(first.target());
    before->copyFrom(first.target());
    before->finish();
  }
  first.place(placing);
  try {
    second.place(placing);
  } catch (...) {
    if (before)
      before->place(Placing::ReplaceExisting);
    else
      ::unlink(QFile::encodeName(first.target()).constData());
    throw;
  }
}

void writeFileReplacing(const QString& target, const QByteArray& bytes) {
  StagedFile file(target);
  file.write(bytes);
  file.place(Placing::ReplaceExisting);
}

void copyFileReplacing(const QString& source, const QString& target) {
  StagedFile file(target);
  file.copyFrom(source);
  file.place(Placing::ReplaceExisting);
}

}  // namespace base
