// The check that a saved plan reached the disk in full before anything reads or shows it.
#pragma once

#include <QString>

namespace output {

// Throws std::runtime_error unless `path` holds a complete document package: not empty,
// and ending in the archive's end record (a write cut short by a full disk has none).
void requireCompleteDocument(const QString& path);

}  // namespace output
