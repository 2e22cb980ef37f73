// Where the platform keeps a program's per-user settings.
#pragma once

#include <QString>

namespace base::platform {

// The registry key QSettings' native format keeps `organization`'s `application` settings
// under on Windows ("HKEY_CURRENT_USER\Software\Drennick\Halvenor"); "" on POSIX, where
// the settings live in an INI file.
QString settingsRegistryKey(const QString& organization, const QString& application);

}  // namespace base::platform
