// The hand pointer: read from the cursor file beside the program ("HAND-M.CUR") when it
// exists, with the file's own hot spot.
#pragma once

#include <QCursor>
#include <QString>

namespace base {

// The path of the cursor file in the program's folder.
QString handCursorPath();

// Loads a Windows cursor (.cur) file; throws std::runtime_error when it cannot be read.
QCursor loadCursorFile(const QString& path);

// The pointer shown as the hand when no cursor file could be loaded.
inline QCursor defaultHandCursor() { return QCursor(Qt::PointingHandCursor); }

}  // namespace base
