// Whole-file writes by write-beside-and-rename, through the platform's file calls.
#include "base/WholeFile.h"

#include <QFileInfo>
#include <QRandomGenerator>
#include <optional>
#include <stdexcept>

namespace base {
namespace {

[[noreturn]] void fail(const QString& text) { throw std::runtime_error(text.toStdString()); }

QString reason(platform::ErrorCode error) { return platform::errorText(error); }

QString quoted(const QString& path) { return QStringLiteral("\"") + path + QStringLiteral("\""); }

[[noreturn]] void failWriting(const QString& path, platform::ErrorCode error) {
  fail(QStringLiteral("Cannot write ") + quoted(path) + QStringLiteral(": ") + reason(error));
}

}  // namespace

void writeAllTo(platform::FileHandle file, const QByteArray& bytes, const QString& path) {
  if (const platform::ErrorCode error = platform::writeAll(file, bytes)) failWriting(path, error);
}

StagedFile::StagedFile(const QString& target) : target_(target) {
  if (target.isEmpty()) fail(QStringLiteral("Bad file name"));
  const QFileInfo info(target);
  if (info.isDir()) fail(quoted(target) + QStringLiteral(" is a folder"));
  // A short name of its own: one built from the target's could pass the longest name the
  // folder allows when the target's name is already near it.
  platform::ErrorCode error = 0;
  for (int attempt = 0; attempt < 100 && file_ == platform::kNoFile; ++attempt) {
    const QString candidate = info.absolutePath() + QStringLiteral("/.halvenor-save-") +
                              QString::number(QRandomGenerator::system()->generate64(), 36);
    file_ = platform::createPrivateFile(candidate);
    if (file_ != platform::kNoFile)
      staged_ = candidate;
    else if (!platform::isAlreadyExists(error = platform::lastError()))
      break;
  }
  if (file_ == platform::kNoFile)
    fail(QStringLiteral("Cannot write in the folder of ") + quoted(target) + QStringLiteral(": ") +
         reason(error));
}

StagedFile::~StagedFile() {
  if (file_ != platform::kNoFile) platform::closeFile(file_);
  if (!staged_.isEmpty()) platform::removeName(staged_);
}

void StagedFile::write(const QByteArray& bytes) {
  if (file_ == platform::kNoFile)
    fail(QStringLiteral("Cannot write ") + quoted(target_) + QStringLiteral(" again"));
  writeAllTo(file_, bytes, target_);
}

void StagedFile::copyFrom(const QString& source) {
  platform::FileHandle in = platform::kNoFile;
  if (!source.isEmpty()) in = platform::openForReading(source);
  if (in == platform::kNoFile)
    fail(QStringLiteral("File not found: ") + quoted(source) +
         (source.isEmpty() ? QString() : QStringLiteral(": ") + reason(platform::lastError())));
  QByteArray buffer(1 << 16, Qt::Uninitialized);
  for (;;) {
    const std::int64_t got = platform::readSome(in, buffer.data(), buffer.size());
    if (got < 0) {
      const platform::ErrorCode error = platform::lastError();
      platform::closeFile(in);
      fail(QStringLiteral("Cannot read ") + quoted(source) + QStringLiteral(": ") + reason(error));
    }
    if (got == 0) break;
    try {
      write(QByteArray::fromRawData(buffer.constData(), got));
    } catch (...) {
      platform::closeFile(in);
      throw;
    }
  }
  platform::closeFile(in);
}

void StagedFile::finish() {
  if (file_ == platform::kNoFile) return;
  if (!platform::flushToDisk(file_)) failWriting(target_, platform::lastError());
  // The permission bits of the file being replaced (a link is replaced, not followed).
  platform::takePermissionsOf(file_, target_);
  const bool closed = platform::closeFile(file_);
  file_ = platform::kNoFile;
  if (!closed) failWriting(target_, platform::lastError());
}

void StagedFile::place(Placing placing) {
  finish();
  if (staged_.isEmpty()) return;
  if (placing == Placing::ReplaceExisting) {
    if (!platform::renameReplacing(staged_, target_))
      fail(QStringLiteral("Cannot replace ") + quoted(target_) + QStringLiteral(": ") +
           reason(platform::lastError()));
  } else if (!platform::renameKeepingExisting(staged_, target_)) {
    const platform::ErrorCode error = platform::lastError();
    if (platform::isAlreadyExists(error)) fail(quoted(target_) + QStringLiteral(" already exists"));
    failWriting(target_, error);
  }
  staged_.clear();  // in place now
}

void placeBoth(StagedFile& first, StagedFile& second, Placing placing) {
  // What the first name holds now, kept aside beside it while the two are placed.
  std::optional<StagedFile> before;
  if (placing == Placing::ReplaceExisting && platform::isRegularFile(first.target())) {
    before.emplace(first.target());
    before->copyFrom(first.target());
    before->finish();
  }
  first.place(placing);
  try {
    second.place(placing);
  } catch (...) {
    if (before)
      before->place(Placing::ReplaceExisting);
    else
      platform::removeName(first.target());
    throw;
  }
}

void writeFileReplacing(const QString& target, const QByteArray& bytes) {
  StagedFile file(target);
  file.write(bytes);
  file.place(Placing::ReplaceExisting);
}

void copyFileReplacing(const QString& source, const QString& target) {
  StagedFile file(target);
  file.copyFrom(source);
  file.place(Placing::ReplaceExisting);
}

}  // namespace base
