// Small routines shared by both windows and the generator.
#pragma once

#include <QIcon>
#include <QString>

#include "base/ScopedOverride.h"

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
// icon.
QString programFolder();
// Points the program's folder at `folder` while it lives; for tests.
class ScopedProgramFolder {
 public:
  explicit ScopedProgramFolder(const QString& folder);

 private:
  ScopedOverride<QString> override_;
};
QIcon programIcon();
}  // namespace base
