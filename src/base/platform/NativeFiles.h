// The file calls whole-file writes and the temporary files need, in the platform's own
// terms (POSIX descriptors, Windows handles): exclusive creation of a private file, reads
// and writes that never go through a link, flushing to disk, and renames that replace or
// keep what stands at the new name.
#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>

namespace base::platform {

// An open file: a descriptor on POSIX, a HANDLE on Windows.
using FileHandle = std::intptr_t;
inline constexpr FileHandle kNoFile = -1;

// Why a call failed, as the system numbers it (errno, GetLastError()). A call that fails
// leaves it for lastError(), which must be asked at once.
using ErrorCode = long;
ErrorCode lastError();
// The system's own wording ("No space left on device").
QString errorText(ErrorCode error);
bool isAlreadyExists(ErrorCode error);
bool isNotFound(ErrorCode error);
ErrorCode noSpaceError();

// Creates `path` for writing, failing when anything, a link included, has the name; only
// this user may read it (POSIX mode 0600) and programs this one starts do not inherit it.
FileHandle createPrivateFile(const QString& path);
// Opens an existing file for reading; a link at `path` is not followed (the call fails).
FileHandle openForReading(const QString& path);
// Reads up to `size` bytes: the count read, 0 at the end, -1 on failure.
std::int64_t readSome(FileHandle file, char* data, std::int64_t size);
// Writes every byte, retrying short writes; on failure the error (0 on success).
ErrorCode writeAll(FileHandle file, const QByteArray& bytes);
bool flushToDisk(FileHandle file);
bool closeFile(FileHandle file);

// Gives the open `file` the permission bits (and owner, where allowed) of the regular file
// at `replaced`, or the ordinary ones for a new file. Windows files take their folder's
// access rules, so there it changes nothing.
void takePermissionsOf(FileHandle file, const QString& replaced);

// Gives `from` the name `to` in one step, replacing a file (or a link itself) there.
bool renameReplacing(const QString& from, const QString& to);
// The same, unless something, a link included, already has the name `to`.
bool renameKeepingExisting(const QString& from, const QString& to);
// A second name for the file `from`; fails when `to` exists.
bool hardLink(const QString& from, const QString& to);
// Removes the name `path`: a link itself, never what it points to.
bool removeName(const QString& path);
// Whether `path` names a regular file itself (not a link, folder or device).
bool isRegularFile(const QString& path);

}  // namespace base::platform
