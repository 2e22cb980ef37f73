// The file calls on Windows: handles opened without following reparse points (links),
// exclusive creation by CREATE_NEW, renames by MoveFileExW.
#include <windows.h>

#include <QDir>

#include "base/platform/NativeFiles.h"

namespace base::platform {
namespace {

std::wstring native(const QString& path) { return QDir::toNativeSeparators(path).toStdWString(); }

HANDLE handle(FileHandle file) { return reinterpret_cast<HANDLE>(file); }

FileHandle fileHandle(HANDLE opened) {
  return opened == INVALID_HANDLE_VALUE ? kNoFile : reinterpret_cast<FileHandle>(opened);
}

bool isLink(DWORD attributes) { return (attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0; }

}  // namespace

ErrorCode lastError() { return static_cast<ErrorCode>(::GetLastError()); }

QString errorText(ErrorCode error) {
  wchar_t* text = nullptr;
  const DWORD length = ::FormatMessageW(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, static_cast<DWORD>(error), 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
  QString message = length > 0 ? QString::fromWCharArray(text, int(length)).trimmed()
                               : QStringLiteral("Error %1").arg(error);
  ::LocalFree(text);
  if (message.endsWith(u'.')) message.chop(1);  // worded like the POSIX texts
  return message;
}

bool isAlreadyExists(ErrorCode error) {
  return error == ERROR_ALREADY_EXISTS || error == ERROR_FILE_EXISTS;
}
bool isNotFound(ErrorCode error) {
  return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
}
ErrorCode noSpaceError() { return ERROR_DISK_FULL; }

FileHandle createPrivateFile(const QString& path) {
  // CREATE_NEW fails on any existing name, a link's included; the handle is not inherited
  // (no security attributes), and the file takes its folder's access rules.
  return fileHandle(::CreateFileW(native(path).c_str(), GENERIC_WRITE,
                                  FILE_SHARE_READ | FILE_SHARE_DELETE, nullptr, CREATE_NEW,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
}

FileHandle openForReading(const QString& path) {
  const HANDLE opened = ::CreateFileW(
      native(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
      nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
  if (opened == INVALID_HANDLE_VALUE) return kNoFile;
  BY_HANDLE_FILE_INFORMATION info{};
  if (!::GetFileInformationByHandle(opened, &info) || isLink(info.dwFileAttributes)) {
    ::CloseHandle(opened);
    ::SetLastError(ERROR_CANT_RESOLVE_FILENAME);  // the link itself was opened: refuse it
    return kNoFile;
  }
  return fileHandle(opened);
}

std::int64_t readSome(FileHandle file, char* data, std::int64_t size) {
  DWORD got = 0;
  const DWORD wanted = static_cast<DWORD>(qMin<std::int64_t>(size, 1 << 30));
  if (!::ReadFile(handle(file), data, wanted, &got, nullptr)) return -1;
  return got;
}

ErrorCode writeAll(FileHandle file, const QByteArray& bytes) {
  const char* data = bytes.constData();
  qsizetype left = bytes.size();
  while (left > 0) {
    DWORD written = 0;
    const DWORD chunk = static_cast<DWORD>(qMin<qsizetype>(left, 1 << 30));
    if (!::WriteFile(handle(file), data, chunk, &written, nullptr)) return lastError();
    if (written == 0) return ERROR_DISK_FULL;
    data += written;
    left -= written;
  }
  return 0;
}

bool flushToDisk(FileHandle file) { return ::FlushFileBuffers(handle(file)) != 0; }

bool closeFile(FileHandle file) { return ::CloseHandle(handle(file)) != 0; }

void takePermissionsOf(FileHandle, const QString&) {}

bool renameReplacing(const QString& from, const QString& to) {
  return ::MoveFileExW(native(from).c_str(), native(to).c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}

bool renameKeepingExisting(const QString& from, const QString& to) {
  return ::MoveFileExW(native(from).c_str(), native(to).c_str(), MOVEFILE_WRITE_THROUGH) != 0;
}

bool hardLink(const QString& from, const QString& to) {
  return ::CreateHardLinkW(native(to).c_str(), native(from).c_str(), nullptr) != 0;
}

bool removeName(const QString& path) { return ::DeleteFileW(native(path).c_str()) != 0; }

bool isRegularFile(const QString& path) {
  const DWORD attributes = ::GetFileAttributesW(native(path).c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !isLink(attributes) &&
         (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_DEVICE)) == 0;
}

}  // namespace base::platform
