// Copies a whole file to a new name so that the name never holds a half-written file: the
// copy is written beside the target and renamed over it, so whatever stood there before
// survives any failure, and a read-only file there is replaced like any other.
#pragma once

#include <QString>

namespace preview {

// Copies `source` to `target` byte for byte. A file that is replaced keeps its permission
// bits (a private file stays private); a new one gets the ordinary 0666 less the umask.
// Throws std::runtime_error with the system's own reason when the source cannot be read
// or the target cannot be written; the target is then left as it was.
void copyFileReplacing(const QString& source, const QString& target);

// Throws std::runtime_error unless `path` holds a complete document package: not empty,
// and ending in the archive's end record (a write cut short by a full disk has none).
void requireCompleteDocument(const QString& path);

}  // namespace preview
