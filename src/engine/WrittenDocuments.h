// The document this process's engine wrote last, kept in memory from the moment it is
// closed unchanged, so that opening the file again takes the document, with what is known
// of its layout, instead of reading and laying it out anew. Only a file that still holds
// exactly the bytes written is taken from memory: its name alone proves nothing.
#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

#include "engine/DocumentModel.h"

namespace engine {

// Keeps `model`, which was saved at `path` as `bytes` and not changed since, in place of
// any document kept before. Nothing is kept outside a running Qt application: the kept
// document goes when the application does.
void keepWrittenDocument(const QString& path, const QByteArray& bytes, DocumentModel model);

// The kept document, handed over once, when `path` names the file it was saved as and that
// file holds exactly the bytes written; otherwise nothing (and a kept document whose file
// changed is let go).
std::optional<DocumentModel> takeWrittenDocument(const QString& path);

}  // namespace engine
