// Files that are never seen half-written: each is written under a private name beside its
// target, flushed to disk, and only then given the target's name in one step. A link at
// the target's name is replaced, never written through, so a write cannot be redirected
// out of its folder; whatever stood at the name survives any failure.
#pragma once

#include <QByteArray>
#include <QString>

#include "base/platform/NativeFiles.h"

namespace base {

// Whether placing a file may take the name of a file that already exists there.
enum class Placing { ReplaceExisting, KeepExisting };

// One file on its way to its target. Every failure throws std::runtime_error whose text
// names the file and gives the system's own reason ("No space left on device").
class StagedFile {
 public:
  // Creates the private file (mode 0600) beside `target`, exclusively.
  explicit StagedFile(const QString& target);
  // Removes the staged file unless it was placed.
  ~StagedFile();
  StagedFile(const StagedFile&) = delete;
  StagedFile& operator=(const StagedFile&) = delete;

  // Appends `bytes`; every byte reaches the file or the call throws.
  void write(const QByteArray& bytes);
  // Appends the whole of `source`, which is read without following a link at its name.
  void copyFrom(const QString& source);
  // Flushes the file to disk and gives it its final permission bits: those of the file it
  // replaces (a private file stays private), else the ordinary 0666 less the umask.
  void finish();
  // Gives the finished file its target's name in one step. With KeepExisting an existing
  // file, or a link, at the name is left alone and the call throws "... already exists".
  void place(Placing placing);

  const QString& target() const { return target_; }

 private:
  QString target_;
  QString staged_;  // empty once placed
  platform::FileHandle file_ = platform::kNoFile;
};

// Places two finished files as one: both take their names, or neither does. When the
// second cannot take its name, the first's name gets back what it held before (a new file
// goes again), and the second's error is thrown.
void placeBoth(StagedFile& first, StagedFile& second, Placing placing);

// Writes `bytes` as the whole of `target`, replacing what stood there.
void writeFileReplacing(const QString& target, const QByteArray& bytes);

// Copies `source` to `target` byte for byte, replacing what stood there.
void copyFileReplacing(const QString& source, const QString& target);

// Writes every byte of `bytes` to the open `file`, retrying short writes; on failure
// throws std::runtime_error naming `path` with the system's reason.
void writeAllTo(platform::FileHandle file, const QByteArray& bytes, const QString& path);

}  // namespace base
