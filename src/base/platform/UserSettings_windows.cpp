#include "base/platform/UserSettings.h"

namespace base::platform {

QString settingsRegistryKey(const QString& organization, const QString& application) {
  return QStringLiteral("HKEY_CURRENT_USER\\Software\\") + organization + u'\\' + application;
}

}  // namespace base::platform
