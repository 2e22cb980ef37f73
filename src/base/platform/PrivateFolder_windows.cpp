// The private temporary folder on Windows: "halvenor" in the user's own %TEMP%
// (C:\Users\<name>\AppData\Local\Temp), whose access rules admit this user, the system and
// administrators only; a new folder inherits them.
#include <windows.h>

#include <QDir>
#include <stdexcept>

#include "base/platform/NativeFiles.h"
#include "base/platform/PrivateFolder.h"

namespace base::platform {

QString privateTempFolder() {
  const QString folder = QDir::tempPath() + QStringLiteral("/halvenor");
  const std::wstring native = QDir::toNativeSeparators(folder).toStdWString();
  if (!::CreateDirectoryW(native.c_str(), nullptr)) {
    const ErrorCode error = lastError();
    if (!isAlreadyExists(error))
      throw std::runtime_error((QStringLiteral("Cannot create the temporary folder \"") + folder +
                                QStringLiteral("\": ") + errorText(error))
                                   .toStdString());
  }
  // A junction or link planted at the name would send the files elsewhere.
  const DWORD attributes = ::GetFileAttributesW(native.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_DIRECTORY) ||
      (attributes & FILE_ATTRIBUTE_REPARSE_POINT))
    throw std::runtime_error((QStringLiteral("The temporary folder \"") + folder +
                              QStringLiteral("\" is not a private folder of this user"))
                                 .toStdString());
  return folder;
}

}  // namespace base::platform
