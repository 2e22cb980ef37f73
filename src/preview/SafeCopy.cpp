#include "preview/SafeCopy.h"

#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <stdexcept>

namespace preview {
namespace {

[[noreturn]] void fail(const QString& text) { throw std::runtime_error(text.toStdString()); }

mode_t currentUmask() {
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return mask;
}

}  // namespace

void copyFileReplacing(const QString& source, const QString& target) {
  if (target.isEmpty()) fail(QStringLiteral("Bad file name"));
  QFile in(source);
  if (source.isEmpty() || !in.open(QIODevice::ReadOnly))
    fail(QStringLiteral("File not found: \"") + source + QStringLiteral("\""));

  const QFileInfo targetInfo(target);
  if (targetInfo.isDir()) fail(QStringLiteral("\"") + target + QStringLiteral("\" is a folder"));
  // A short name of its own: one built from the target's could pass the longest name the
  // folder allows when the target's name is already near it.
  QTemporaryFile out(targetInfo.absolutePath() + QStringLiteral("/.halvenor-save-XXXXXX"));
  if (!out.open())
    fail(QStringLiteral("Cannot write in the folder of \"") + target + QStringLiteral("\": ") +
         out.errorString());

  QByteArray chunk;
  while (!(chunk = in.read(1 << 20)).isEmpty()) {
    if (out.write(chunk) != chunk.size())
      fail(QStringLiteral("Cannot write \"") + target + QStringLiteral("\": ") + out.errorString());
  }
  if (in.error() != QFileDevice::NoError)
    fail(QStringLiteral("Cannot read \"") + source + QStringLiteral("\": ") + in.errorString());
  if (!out.flush() || ::fsync(out.handle()) != 0)
    fail(QStringLiteral("Cannot write \"") + target + QStringLiteral("\": ") + out.errorString());
  // The copy is the user's own file: ordinary permissions, not the temporary file's 0600.
  ::fchmod(out.handle(), 0666 & ~currentUmask());

  const QByteArray from = QFile::encodeName(out.fileName());
  const QByteArray to = QFile::encodeName(targetInfo.absoluteFilePath());
  if (::rename(from.constData(), to.constData()) != 0)
    fail(QStringLiteral("Cannot replace \"") + target + QStringLiteral("\": ") +
         QString::fromLocal8Bit(std::strerror(errno)));
  out.setAutoRemove(false);
}

}  // namespace preview
