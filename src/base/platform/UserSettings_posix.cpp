#include "base/platform/UserSettings.h"

namespace base::platform {

QString settingsRegistryKey(const QString&, const QString&) { return QString(); }

}  // namespace base::platform
