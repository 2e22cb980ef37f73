#include "base/SharedRoutines.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QWidget>

#include "base/ProgramExit.h"

namespace base {

bool FileExists(const QString& path) {
  if (path.isEmpty()) return false;
  const QFileInfo info(path);
  // A file, or a link to one, whose time can be read.
  return info.exists() && !info.isDir() && info.lastModified().isValid();
}

bool ForceDeleteFile(const QString& path) {
  QFile file(path);
  file.setPermissions(file.permissions() | QFileDevice::WriteOwner | QFileDevice::WriteUser);
  return QFile::remove(path) || !QFileInfo::exists(path);
}

void RemoveFile(const QString& path) {
  QCoreApplication::processEvents();
  if (path.isEmpty()) return;
  if (QFile::remove(path) || ForceDeleteFile(path)) forgetAtExit(path);
}

void ApplyFaceColor(QWidget* window) {
  if (!window) return;
  auto paint = [](QWidget* w) {
    QPalette palette = w->palette();
    palette.setColor(QPalette::Window, palette.color(QPalette::Button));
    w->setPalette(palette);
    w->setAutoFillBackground(true);
  };
  paint(window);
  for (QWidget* child : window->findChildren<QWidget*>()) {
    if (qobject_cast<QRadioButton*>(child) || qobject_cast<QCheckBox*>(child) ||
        qobject_cast<QGroupBox*>(child) || qobject_cast<QLabel*>(child))
      paint(child);
  }
}

namespace {
QString& programFolderOverride() {
  static QString folder;
  return folder;
}
}  // namespace

QString programFolder() {
  return programFolderOverride().isEmpty() ? QCoreApplication::applicationDirPath()
                                           : programFolderOverride();
}

ScopedProgramFolder::ScopedProgramFolder(const QString& folder)
    : override_(programFolderOverride(), folder) {}

QIcon programIcon() { return QIcon(QStringLiteral(":/halvenor/halvenor.svg")); }

}  // namespace base
