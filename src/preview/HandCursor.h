// The hand pointer of the preview window, read from a Windows cursor file.
#pragma once

#include <QCursor>
#include <QString>

namespace preview {

// The cursor in the file at `path`, with the hot spot the file names. Throws
// std::runtime_error when the file cannot be read as a cursor.
QCursor loadCursorFile(const QString& path);

}  // namespace preview
