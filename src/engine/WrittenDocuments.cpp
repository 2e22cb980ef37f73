// The document this engine wrote last, kept for opening its file again from memory.
#include "engine/WrittenDocuments.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <mutex>

namespace engine {
namespace {

struct Kept {
  QString path;  // absolute
  QByteArray bytes;
  std::optional<DocumentModel> model;
};

std::mutex keptLock;
Kept kept;                          // guarded by keptLock
bool letGoWithApplication = false;  // guarded by keptLock

// The document's fonts and layout must not outlive the application they belong to.
void letGo() {
  Kept gone;
  const std::lock_guard<std::mutex> hold(keptLock);
  std::swap(kept, gone);
  letGoWithApplication = false;
}

QString absolute(const QString& path) { return QFileInfo(path).absoluteFilePath(); }

// The file holds exactly `bytes` (a file of another size is not read).
bool holdsExactly(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly) || file.size() != bytes.size()) return false;
  return file.readAll() == bytes;
}

}  // namespace

void keepWrittenDocument(const QString& path, const QByteArray& bytes, DocumentModel model) {
  if (!QCoreApplication::instance() || path.isEmpty()) return;
  Kept next{absolute(path), bytes, std::move(model)};
  const std::lock_guard<std::mutex> hold(keptLock);
  if (!letGoWithApplication) qAddPostRoutine(letGo);
  letGoWithApplication = true;
  std::swap(kept, next);  // the document kept before goes outside the lock
}

std::optional<DocumentModel> takeWrittenDocument(const QString& path) {
  Kept taken;
  {
    const std::lock_guard<std::mutex> hold(keptLock);
    if (!kept.model || kept.path != absolute(path)) return std::nullopt;
    std::swap(kept, taken);
  }
  if (!holdsExactly(taken.path, taken.bytes)) return std::nullopt;
  return std::move(taken.model);
}

}  // namespace engine
