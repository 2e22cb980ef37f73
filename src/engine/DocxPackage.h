// The zip container of a WordprocessingML package: writing a set of named parts to a file
// atomically, and reading parts back from an untrusted file under firm size limits.
#pragma once

#include <QByteArray>
#include <QString>
#include <map>
#include <vector>

namespace engine {

// Limits that keep a hostile package from exhausting memory or time. A package this
// program writes is far inside all of them.
struct PackageLimits {
  qint64 maxFileSize = 64 * 1024 * 1024;     // the package file itself
  qint64 maxEntries = 1000;                  // entries in the zip directory
  qint64 maxEntrySize = 32 * 1024 * 1024;    // one uncompressed part
  qint64 maxTotalSize = 128 * 1024 * 1024;   // all uncompressed parts read together
  qint64 maxCompressionRatio = 200;          // uncompressed / compressed, per part
  qint64 ratioCheckThreshold = 1024 * 1024;  // small parts may compress better than that
};

// Collects parts and writes them as one zip file. `write` replaces the target only once
// the whole archive is on disk (temporary file beside it, then rename), so a failed save
// never leaves half a file and keeps any file that was there before.
class PackageWriter {
 public:
  void addPart(const QString& name, const QByteArray& content);
  // Answers the bytes written. Throws word::AutomationError describing what failed.
  QByteArray write(const QString& path) const;
  // The archive's bytes, as `write` would store them.
  QByteArray toBytes() const;

 private:
  std::vector<std::pair<QString, QByteArray>> parts_;
};

// Opens a package file and reads its parts. Every entry name and size is checked when the
// file is opened, before anything is decompressed; reading a part checks its size again
// as the bytes come out. All failures throw word::AutomationError naming the fault.
class PackageReader {
 public:
  explicit PackageReader(const QString& path, const PackageLimits& limits = {});
  ~PackageReader();
  PackageReader(const PackageReader&) = delete;
  PackageReader& operator=(const PackageReader&) = delete;

  bool hasPart(const QString& name) const;
  // The part's bytes; throws when the part is missing or breaks a limit.
  QByteArray readPart(const QString& name);
  std::vector<QString> partNames() const;

 private:
  QString path_;
  PackageLimits limits_;
  QByteArray data_;  // the whole file, which the zip source reads from
  struct Archive;
  Archive* archive_ = nullptr;
  std::map<QString, qint64> index_;  // part name -> entry index
  qint64 totalRead_ = 0;
};

}  // namespace engine
