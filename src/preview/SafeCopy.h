// Copies a whole file to a new name so that the name never holds a half-written file: the
// copy is written beside the target and renamed over it, so whatever stood there before
// survives any failure, and a read-only file there is replaced like any other.
#pragma once

#include <QString>

namespace preview {

// Copies `source` to `target` byte for byte. Throws std::runtime_error with a readable
// description when the source cannot be read or the target cannot be written; the target
// is then left as it was.
void copyFileReplacing(const QString& source, const QString& target);

}  // namespace preview
