// Whole-file copy by write-beside-and-rename, and the completeness check of a saved plan.
#include "preview/SafeCopy.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <cerrno>
#include <cstring>
#include <stdexcept>

namespace preview {
namespace {

[[noreturn]] void fail(const QString& text) { throw std::runtime_error(text.toStdString()); }

QString reason(int error) { return QString::fromLocal8Bit(std::strerror(error)); }

QString quoted(const QString& path) { return QStringLiteral("\"") + path + QStringLiteral("\""); }

mode_t currentUmask() {
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return mask;
}

// Closes a descriptor, and removes the half-made copy unless it was renamed into place.
class CopyBeside {
 public:
  ~CopyBeside() {
    if (fd >= 0) ::close(fd);
    if (!path.isEmpty()) ::unlink(QFile::encodeName(path).constData());
  }
  int fd = -1;
  QString path;
};

class ReadHandle {
 public:
  ~ReadHandle() {
    if (fd >= 0) ::close(fd);
  }
  int fd = -1;
};

bool writeAll(int fd, const char* data, ssize_t size) {
  while (size > 0) {
    const ssize_t written = ::write(fd, data, static_cast<size_t>(size));
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) {
      if (written == 0) errno = ENOSPC;
      return false;
    }
    data += written;
    size -= written;
  }
  return true;
}

}  // namespace

void copyFileReplacing(const QString& source, const QString& target) {
  if (target.isEmpty()) fail(QStringLiteral("Bad file name"));
  ReadHandle in;
  if (!source.isEmpty())
    in.fd = ::open(QFile::encodeName(source).constData(), O_RDONLY | O_CLOEXEC);
  if (in.fd < 0)
    fail(QStringLiteral("File not found: ") + quoted(source) +
         (source.isEmpty() ? QString() : QStringLiteral(": ") + reason(errno)));

  const QFileInfo targetInfo(target);
  if (targetInfo.isDir()) fail(quoted(target) + QStringLiteral(" is a folder"));
  const QByteArray to = QFile::encodeName(targetInfo.absoluteFilePath());
  // The permission bits of the file being replaced (a link is replaced, not followed).
  struct stat old {};
  const bool replacing = ::lstat(to.constData(), &old) == 0 && S_ISREG(old.st_mode);

  // A short name of its own: one built from the target's could pass the longest name the
  // folder allows when the target's name is already near it.
  CopyBeside out;
  for (int attempt = 0; attempt < 100 && out.fd < 0; ++attempt) {
    const QString candidate = targetInfo.absolutePath() + QStringLiteral("/.halvenor-save-") +
                              QString::number(QRandomGenerator::system()->generate64(), 36);
    out.fd = ::open(QFile::encodeName(candidate).constData(),
                    O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (out.fd >= 0)
      out.path = candidate;
    else if (errno != EEXIST)
      break;
  }
  if (out.fd < 0)
    fail(QStringLiteral("Cannot write in the folder of ") + quoted(target) + QStringLiteral(": ") +
         reason(errno));

  char buffer[1 << 16];
  for (;;) {
    const ssize_t got = ::read(in.fd, buffer, sizeof buffer);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0)
      fail(QStringLiteral("Cannot read ") + quoted(source) + QStringLiteral(": ") + reason(errno));
    if (got == 0) break;
    if (!writeAll(out.fd, buffer, got))
      fail(QStringLiteral("Cannot write ") + quoted(target) + QStringLiteral(": ") + reason(errno));
  }
  if (::fsync(out.fd) != 0)
    fail(QStringLiteral("Cannot write ") + quoted(target) + QStringLiteral(": ") + reason(errno));
  // A replaced file keeps its mode; a new one is the user's own ordinary file.
  if (replacing) {
    if (old.st_uid == ::geteuid() || ::geteuid() == 0) {
      [[maybe_unused]] const int owned = ::fchown(out.fd, old.st_uid, old.st_gid);
    }
    ::fchmod(out.fd, old.st_mode & 07777);
  } else {
    ::fchmod(out.fd, 0666 & ~currentUmask());
  }
  if (::close(out.fd) != 0) {
    out.fd = -1;
    fail(QStringLiteral("Cannot write ") + quoted(target) + QStringLiteral(": ") + reason(errno));
  }
  out.fd = -1;

  if (::rename(QFile::encodeName(out.path).constData(), to.constData()) != 0)
    fail(QStringLiteral("Cannot replace ") + quoted(target) + QStringLiteral(": ") + reason(errno));
  out.path.clear();  // in place now
}

void requireCompleteDocument(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly))
    fail(QStringLiteral("Cannot read ") + quoted(path) + QStringLiteral(": ") + file.errorString());
  const qint64 size = file.size();
  // The end record is 22 bytes plus a comment of at most 65535.
  const qint64 tail = std::min<qint64>(size, 22 + 65535);
  QByteArray end;
  if (size >= 22 && file.seek(size - tail)) end = file.read(tail);
  const qsizetype record = end.lastIndexOf(QByteArrayLiteral("PK\x05\x06"));
  if (size < 22 || record < 0 || record > end.size() - 22)
    fail(QStringLiteral("The document ") + quoted(path) +
         QStringLiteral(" was not written completely (") + QString::number(size) +
         QStringLiteral(" bytes)"));
}

}  // namespace preview
