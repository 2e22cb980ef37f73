#include "output/TempFiles.h"

#include <QBuffer>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <stdexcept>

#include "base/WholeFile.h"
#include "base/platform/NativeFiles.h"
#include "base/platform/PrivateFolder.h"

namespace output {
namespace {

namespace native = base::platform;

[[noreturn]] void fail(const QString& what, const QString& path, native::ErrorCode error) {
  throw std::runtime_error(
      (what + QStringLiteral(" \"") + path + QStringLiteral("\": ") + native::errorText(error))
          .toStdString());
}

QString environmentFolder(const char* name) {
  // The exact, case-sensitive name: "temp" and "TEMP" are two variables here.
  return qEnvironmentVariable(name);
}

// The lock file inside a command's folder, and how old a folder must be before the sweep
// looks at its lock.
constexpr char kLockName[] = "running.lock";
constexpr int kCommandFolderGraceSeconds = 60;

}  // namespace

QString privateTempFolder() { return native::privateTempFolder(); }

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
    native::removeName(entry.absoluteFilePath());
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
  const native::FileHandle file = native::createPrivateFile(path);
  if (file == native::kNoFile) {
    const native::ErrorCode error = native::lastError();
    if (native::isAlreadyExists(error)) return false;
    fail(QStringLiteral("Cannot create the file"), path, error);
  }
  native::closeFile(file);
  return true;
}

void writePictureFile(const QString& path, const QPicture& picture) {
  native::FileHandle file = native::kNoFile;
  native::ErrorCode error = 0;
  // A second attempt covers a file that reappears between the removal and the creation.
  for (int attempt = 0; attempt < 2 && file == native::kNoFile; ++attempt) {
    if (!native::removeName(path) && !native::isNotFound(error = native::lastError()))
      fail(QStringLiteral("Cannot replace the page image file"), path, error);
    file = native::createPrivateFile(path);
    if (file == native::kNoFile && !native::isAlreadyExists(error = native::lastError()))
      fail(QStringLiteral("Cannot create the page image file"), path, error);
  }
  if (file == native::kNoFile)
    fail(QStringLiteral("Cannot create the page image file"), path, error);
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
    base::writeAllTo(file, bytes, path);
  } catch (...) {
    native::closeFile(file);
    throw;
  }
  if (!native::closeFile(file))
    fail(QStringLiteral("Cannot write the page image file"), path, native::lastError());
}

QPicture readPictureFile(const QString& path) {
  const native::FileHandle file = native::openForReading(path);
  if (file == native::kNoFile)
    fail(QStringLiteral("Cannot read the page image file"), path, native::lastError());
  QByteArray bytes;
  char chunk[1 << 16];
  std::int64_t got;
  while ((got = native::readSome(file, chunk, sizeof chunk)) > 0) bytes.append(chunk, got);
  const native::ErrorCode error = got < 0 ? native::lastError() : 0;
  native::closeFile(file);
  if (got < 0) fail(QStringLiteral("Cannot read the page image file"), path, error);
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::ReadOnly);
  QPicture picture;
  if (!picture.load(&buffer))
    throw std::runtime_error(
        (QStringLiteral("Invalid picture in \"") + path + QStringLiteral("\"")).toStdString());
  return picture;
}

}  // namespace output
