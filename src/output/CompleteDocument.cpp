// The completeness check of a saved plan.
#include "output/CompleteDocument.h"

#include <QFile>
#include <algorithm>
#include <stdexcept>

namespace output {
namespace {

[[noreturn]] void fail(const QString& text) { throw std::runtime_error(text.toStdString()); }

QString quoted(const QString& path) { return QStringLiteral("\"") + path + QStringLiteral("\""); }

}  // namespace

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

}  // namespace output
