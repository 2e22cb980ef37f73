// Small routines shared by both windows and the generator.
#pragma once

#include <QIcon>
#include <QString>

class QWidget;

namespace base {

// True when the file's date and time can be read; false on any error. Never reports.
bool FileExists(const QString& path);

// Lets pending window events run once, deletes the file, falls back to a forced delete;
// never reports a failure.
void RemoveFile(const QString& path);

// Makes the file writable, then removes it. Never reports; returns whether it is gone.
bool ForceDeleteFile(const QString& path);

// Paints a window, and its option buttons, check boxes, frames and labels, in the
// system's button-face colour.
void ApplyFaceColor(QWidget* window);

// The program's folder (where the optional skin and cursor files are looked for) and its
// icon. Tests point the folder elsewhere with setProgramFolder; "" restores the real one.
QString programFolder();
void setProgramFolder(const QString& folder);
QIcon programIcon();
}  // namespace base
