// Where a fuzz target puts each input for the reader, which takes a path: a folder in
// memory where the machine has one, as opening a file on disk costs more than reading most
// inputs.
#pragma once

#include <QDir>
#include <QString>
#include <QTemporaryDir>

namespace fuzzing {

inline QString scratchFile() {
  static QTemporaryDir dir(QDir(QStringLiteral("/dev/shm")).exists()
                               ? QStringLiteral("/dev/shm/halvenor-fuzz-XXXXXX")
                               : QDir::tempPath() + QStringLiteral("/halvenor-fuzz-XXXXXX"));
  return dir.path() + QStringLiteral("/input.docx");
}

}  // namespace fuzzing
