// The document this engine wrote last, kept for opening its file again from memory.
#include "engine/WrittenDocuments.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <utility>

namespace engine {
namespace {

struct Kept {
  QString path;  // absolute
  QByteArray bytes;
  std::optional<DocumentModel> model;
};

// Like every engine object, used on the application's thread only.
Kept kept;
bool letGoWithApplication = false;

// The document's fonts and layout must not outlive the application they belong to.
void letGo() {
  kept = Kept();
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
  if (!letGoWithApplication) qAddPostRoutine(letGo);
  letGoWithApplication = true;
  kept = Kept{absolute(path), bytes, std::move(model)};
}

std::optional<DocumentModel> takeWrittenDocument(const QString& path) {
  if (!kept.model || kept.path != absolute(path)) return std::nullopt;
  Kept taken = std::exchange(kept, Kept());
  if (!holdsExactly(taken.path, taken.bytes)) return std::nullopt;
  return std::move(taken.model);
}

}  // namespace engine
