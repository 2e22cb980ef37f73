#include "output/TempFiles.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QBuffer>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <cerrno>
#include <cstring>
#include <stdexcept>

#include "base/WholeFile.h"

namespace output {
namespace {

[[noreturn]] void fail(const QString& what, const QString& path, int error) {
  throw std::runtime_error((what + QStringLiteral(" \"") + path + QStringLiteral("\": ") +
                            QString::fromLocal8Bit(std::strerror(error)))
                               .toStdString());
}

QString environmentFolder(const char* name) {
  // The exact, case-sensitive name: "temp" and "TEMP" are two variables here.
  return qEnvironmentVariable(name);
}

// Makes `path` (one level) as a private folder, or checks the one that is there: a real
// folder (not a link), owned by this user; its mode is narrowed to 0700 when wider.
void ensurePrivateFolder(const QString& path) {
  const QByteArray native = QFile::encodeName(path);
  if (::mkdir(native.constData(), 0700) != 0 && errno != EEXIST)
    fail(QStringLiteral("Cannot create the temporary folder"), path, errno);
  struct stat info {};
  if (::lstat(native.constData(), &info) != 0)
    fail(QStringLiteral("Cannot read the temporary folder"), path, errno);
  if (!S_ISDIR(info.st_mode) || info.st_uid != ::geteuid())
    throw std::runtime_error((QStringLiteral("The temporary folder \"") + path +
                              QStringLiteral("\" is not a private folder of this user"))
                                 .toStdString());
  if ((info.st_mode & 0077) != 0 && ::chmod(native.constData(), 0700) != 0)
    fail(QStringLiteral("Cannot protect the temporary folder"), path, errno);
}

bool usableRuntimeFolder(const QString& path) {
  if (path.isEmpty()) return false;
  struct stat info {};
  const QByteArray native = QFile::encodeName(path);
  return ::lstat(native.constData(), &info) == 0 && S_ISDIR(info.st_mode) &&
         info.st_uid == ::geteuid() && (info.st_mode & 0077) == 0;
}

int openNoFollow(const QString& path, int flags, mode_t mode = 0) {
  const QByteArray native = QFile::encodeName(path);
  int fd;
  do {
    fd = ::open(native.constData(), flags | O_NOFOLLOW | O_CLOEXEC, mode);
  } while (fd < 0 && errno == EINTR);
  return fd;
}

// The lock file inside a command's folder, and how old a folder must be before the sweep
// looks at its lock.
constexpr char kLockName[] = "running.lock";
constexpr int kCommandFolderGraceSeconds = 60;

}  // namespace

QString privateTempFolder() {
  const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
  if (usableRuntimeFolder(runtime)) {
    const QString folder = runtime + QStringLiteral("/halvenor");
    ensurePrivateFolder(folder);
    return folder;
  }
  QString cache = qEnvironmentVariable("XDG_CACHE_HOME");
  if (cache.isEmpty() || !QDir::isAbsolutePath(cache))
    cache = QDir::homePath() + QStringLiteral("/.cache");
  // The cache folder and its "halvenor" folder are ordinary user folders; only the last
  // level holds files and must be private.
  if (!QDir().mkpath(cache + QStringLiteral("/halvenor")))
    throw std::runtime_error(
        (QStringLiteral("Cannot create the folder \"") + cache + QStringLiteral("/halvenor\""))
            .toStdString());
  const QString folder = cache + QStringLiteral("/halvenor/tmp");
  ensurePrivateFolder(folder);
  return folder;
}

QString temporaryDocumentFolder() {
  const QString folder = environmentFolder("temp");
  return folder.isEmpty() ? privateTempFolder() : folder;
}

QString pageImageFolder() {
  const QString folder = environmentFolder("TEMP");
  return folder.isEmpty() ? privateTempFolder() : folder;
}

QString pageImagePath() {
  static const char kDigits[] = "abcdefghijklmnopqrstuvwxyz0123456789";
  QString name = QStringLiteral("temp");
  for (int i = 0; i < 12; ++i)
    name += QLatin1Char(kDigits[QRandomGenerator::system()->bounded(int(sizeof kDigits - 1))]);
  return pageImageFolder() + QLatin1Char('/') + name + QStringLiteral(".bmp");
}

void removeStaleTemporaryFiles() {
  QString folder;
  try {
    folder = privateTempFolder();
  } catch (const std::exception&) {
    return;  // nothing there to remove
  }
  const QDateTime now = QDateTime::currentDateTimeUtc();
  static const QRegularExpression ownFile(
      QStringLiteral("^(tovlan[0-9]+\\.doc(\\.[A-Za-z0-9]{6})?|\\.halvenor-save-[a-z0-9]+|temp[a-"
                     "z0-9]{12}\\.bmp)$"));
  static const QRegularExpression commandFolder(QStringLiteral("^command-[A-Za-z0-9]{6}$"));
  const QDir dir(folder);
  for (const QFileInfo& entry : dir.entryInfoList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot |
                                                  QDir::Hidden | QDir::System)) {
    const QString name = entry.fileName();
    if (entry.isSymLink()) continue;  // never one of ours
    if (entry.isDir()) {
      // A folder a moment old may belong to a command that has not taken its lock yet.
      if (!commandFolder.match(name).hasMatch() ||
          entry.lastModified().toUTC() >= now.addSecs(-kCommandFolderGraceSeconds))
        continue;
      QLockFile lock(entry.absoluteFilePath() + QStringLiteral("/") + QLatin1String(kLockName));
      lock.setStaleLockTime(0);  // stale only when its command is gone, however old
      if (lock.tryLock(0)) {
        lock.unlock();
        QDir(entry.absoluteFilePath()).removeRecursively();
      }
      continue;
    }
    if (!ownFile.match(name).hasMatch()) continue;
    if (entry.lastModified().toUTC() >= now.addDays(-1)) continue;  // perhaps a running program's
    ::unlink(QFile::encodeName(entry.absoluteFilePath()).constData());
  }
}

CommandFolder::CommandFolder()
    : folder_(std::make_unique<QTemporaryDir>(privateTempFolder() +
                                              QStringLiteral("/command-XXXXXX"))) {
  if (!folder_->isValid())
    throw std::runtime_error(
        ("Cannot make a private temporary folder: " + folder_->errorString()).toStdString());
  lock_ = std::make_unique<QLockFile>(folder_->filePath(QLatin1String(kLockName)));
  lock_->setStaleLockTime(0);
  if (!lock_->tryLock(0))
    throw std::runtime_error(
        ("Cannot lock the temporary folder \"" + folder_->path() + "\"").toStdString());
}

CommandFolder::~CommandFolder() {
  lock_.reset();  // unlocked before the folder goes
}

QString CommandFolder::path() const { return folder_->path(); }

bool reserveExclusive(const QString& path) {
  const int fd = openNoFollow(path, O_WRONLY | O_CREAT | O_EXCL, 0600);
  if (fd < 0) {
    if (errno == EEXIST) return false;
    fail(QStringLiteral("Cannot create the file"), path, errno);
  }
  ::close(fd);
  return true;
}

void writePictureFile(const QString& path, const QPicture& picture) {
  const QByteArray native = QFile::encodeName(path);
  int fd = -1;
  // A second attempt covers a file that reappears between the removal and the creation.
  for (int attempt = 0; attempt < 2 && fd < 0; ++attempt) {
    if (::unlink(native.constData()) != 0 && errno != ENOENT)
      fail(QStringLiteral("Cannot replace the page image file"), path, errno);
    fd = openNoFollow(path, O_WRONLY | O_CREAT | O_EXCL, 0600);
    if (fd < 0 && errno != EEXIST)
      fail(QStringLiteral("Cannot create the page image file"), path, errno);
  }
  if (fd < 0) fail(QStringLiteral("Cannot create the page image file"), path, EEXIST);
  // Drawn into memory first: every byte then reaches the file or the write says why (a
  // full folder is caught here, not later as a picture that cannot be read).
  QByteArray bytes;
  {
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QPicture copy(picture);
    copy.save(&buffer);
  }
  try {
    base::writeAllTo(fd, bytes, path);
  } catch (...) {
    ::close(fd);
    throw;
  }
  if (::close(fd) != 0) fail(QStringLiteral("Cannot write the page image file"), path, errno);
}

QPicture readPictureFile(const QString& path) {
  const int fd = openNoFollow(path, O_RDONLY);
  if (fd < 0) fail(QStringLiteral("Cannot read the page image file"), path, errno);
  QFile file;
  if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
    ::close(fd);
    fail(QStringLiteral("Cannot read the page image file"), path, EIO);
  }
  QPicture picture;
  if (!picture.load(&file))
    throw std::runtime_error(
        (QStringLiteral("Invalid picture in \"") + path + QStringLiteral("\"")).toStdString());
  return picture;
}

}  // namespace output
