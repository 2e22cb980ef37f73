// Saving a document as a WordprocessingML (.docx) package and reading one back.
#pragma once

#include <QString>

#include "engine/DocumentModel.h"

namespace engine {

// Writes the document as a .docx package at `path`, whatever its extension, and answers the
// bytes written. The file is replaced only once the whole package is written. Throws
// word::AutomationError on failure.
QByteArray saveDocx(const DocumentModel& model, const QString& path);

// Reads a package that saveDocx wrote (and the same vocabulary from other writers).
// Anything else is refused with a word::AutomationError saying what is wrong; no input
// crashes or hangs the reader.
DocumentModel loadDocx(const QString& path);

}  // namespace engine
