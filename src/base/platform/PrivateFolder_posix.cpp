// The private temporary folder on POSIX: a folder of mode 0700 owned by this user.
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <cerrno>
#include <stdexcept>

#include "base/platform/NativeFiles.h"
#include "base/platform/PrivateFolder.h"

namespace base::platform {
namespace {

[[noreturn]] void fail(const QString& what, const QString& path, int error) {
  throw std::runtime_error(
      (what + QStringLiteral(" \"") + path + QStringLiteral("\": ") + errorText(error))
          .toStdString());
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

}  // namespace base::platform
