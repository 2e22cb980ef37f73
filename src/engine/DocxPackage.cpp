#include "engine/DocxPackage.h"

#include <zip.h>

#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <memory>
#include <stdexcept>

#include "base/WholeFile.h"
#include "word/Automation.h"

namespace engine {

namespace {

// zlib's fastest: a plan's parts are a few hundred kilobytes of markup, which it packs to
// within a few kilobytes of the default level in a fraction of the time.
constexpr zip_uint32_t kDeflateLevel = 1;

[[noreturn]] void fail(const QString& description) { throw word::AutomationError(description); }

QString libzipMessage(zip_error_t* error) { return QString::fromUtf8(zip_error_strerror(error)); }

// A part name must stay inside the package: relative, forward slashes only, no empty,
// "." or ".." segments, no drive letters and no control characters.
bool isSafePartName(const QString& name) {
  if (name.isEmpty() || name.size() > 260) return false;
  if (name.startsWith(QLatin1Char('/')) || name.contains(QLatin1Char('\\')) ||
      name.contains(QLatin1Char(':')))
    return false;
  for (QChar c : name) {
    if (c.unicode() < 0x20 || c.unicode() == 0x7F) return false;
  }
  const QStringList segments = name.split(QLatin1Char('/'));
  for (int i = 0; i < segments.size(); ++i) {
    const QString& segment = segments[i];
    // A trailing slash names a directory entry, which is harmless; any other empty
    // segment is not.
    if (segment.isEmpty() && i != segments.size() - 1) return false;
    if (segment == QLatin1String(".") || segment == QLatin1String("..")) return false;
  }
  return true;
}

struct ZipSourceDeleter {
  void operator()(zip_source_t* source) const { zip_source_free(source); }
};
using ZipSourcePtr = std::unique_ptr<zip_source_t, ZipSourceDeleter>;

}  // namespace

// ---------------------------------------------------------------------------------------
// Writing

void PackageWriter::addPart(const QString& name, const QByteArray& content) {
  if (!isSafePartName(name)) fail(QStringLiteral("Invalid part name \"%1\".").arg(name));
  parts_.emplace_back(name, content);
}

QByteArray PackageWriter::toBytes() const {
  zip_error_t error;
  zip_error_init(&error);
  // An archive in memory: libzip writes into this buffer source on zip_close.
  ZipSourcePtr buffer(zip_source_buffer_create(nullptr, 0, 0, &error));
  if (!buffer) {
    const QString message = libzipMessage(&error);
    zip_error_fini(&error);
    fail(QStringLiteral("Could not create the document package: %1.").arg(message));
  }
  zip_t* archive = zip_open_from_source(buffer.get(), ZIP_TRUNCATE, &error);
  if (!archive) {
    const QString message = libzipMessage(&error);
    zip_error_fini(&error);
    fail(QStringLiteral("Could not create the document package: %1.").arg(message));
  }
  zip_error_fini(&error);
  // The archive now shares the buffer; keep our reference alive past zip_close.
  zip_source_keep(buffer.get());

  auto abandon = [&](const QString& what) {
    const QString message = QString::fromUtf8(zip_strerror(archive));
    zip_discard(archive);
    fail(QStringLiteral("Could not create the document package (%1): %2.").arg(what, message));
  };
  for (const auto& [name, content] : parts_) {
    // libzip copies nothing here: the data must outlive zip_close, which it does, as
    // parts_ is not touched until we return.
    zip_source_t* source = zip_source_buffer(archive, content.constData(),
                                             static_cast<zip_uint64_t>(content.size()), 0);
    if (!source) abandon(name);
    const QByteArray utf8Name = name.toUtf8();
    const zip_int64_t index =
        zip_file_add(archive, utf8Name.constData(), source, ZIP_FL_OVERWRITE | ZIP_FL_ENC_UTF_8);
    if (index < 0) {
      zip_source_free(source);
      abandon(name);
    }
    zip_set_file_compression(archive, static_cast<zip_uint64_t>(index), ZIP_CM_DEFLATE,
                             kDeflateLevel);
  }
  if (zip_close(archive) != 0) abandon(QStringLiteral("finishing"));

  // Read the finished archive back out of the buffer source.
  QByteArray bytes;
  zip_stat_t stat;
  zip_stat_init(&stat);
  if (zip_source_stat(buffer.get(), &stat) != 0 || !(stat.valid & ZIP_STAT_SIZE) ||
      zip_source_open(buffer.get()) != 0)
    fail(QStringLiteral("Could not read back the document package."));
  bytes.resize(static_cast<qsizetype>(stat.size));
  const zip_int64_t got = zip_source_read(buffer.get(), bytes.data(), stat.size);
  zip_source_close(buffer.get());
  if (got < 0 || static_cast<zip_uint64_t>(got) != stat.size)
    fail(QStringLiteral("Could not read back the document package."));
  return bytes;
}

QByteArray PackageWriter::write(const QString& path) const {
  const QByteArray bytes = toBytes();
  // Written beside the name and renamed over it: a link planted at the name is replaced,
  // never written through, and a failed save leaves what stood there.
  try {
    base::writeFileReplacing(path, bytes);
  } catch (const std::runtime_error& error) {
    fail(QStringLiteral("Could not save the document. %1.")
             .arg(QString::fromStdString(error.what())));
  }
  return bytes;
}

// ---------------------------------------------------------------------------------------
// Reading

struct PackageReader::Archive {
  zip_t* zip = nullptr;
};

PackageReader::PackageReader(const QString& path, const PackageLimits& limits)
    : path_(path), limits_(limits) {
  const QString name = QFileInfo(path).fileName();
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly))
    fail(QStringLiteral("Could not open \"%1\": %2.").arg(name, file.errorString()));
  if (file.size() > limits_.maxFileSize)
    fail(QStringLiteral("Could not open \"%1\": the file is too large (%2 bytes).")
             .arg(name)
             .arg(file.size()));
  // Read what the file holds, and one byte more so that a file that grows meanwhile is
  // still caught (a buffer of the limit's size for every file would cost far more).
  data_ = file.read(file.size() + 1);
  if (data_.size() > limits_.maxFileSize)
    fail(QStringLiteral("Could not open \"%1\": the file is too large.").arg(name));
  if (data_.size() < 22 || !data_.startsWith("PK"))
    fail(QStringLiteral("Could not open \"%1\": the file is not a Word document (not a zip "
                        "package).")
             .arg(name));

  zip_error_t error;
  zip_error_init(&error);
  zip_source_t* source = zip_source_buffer_create(
      data_.constData(), static_cast<zip_uint64_t>(data_.size()), 0, &error);
  if (!source) {
    zip_error_fini(&error);
    fail(QStringLiteral("Could not open \"%1\": out of memory.").arg(name));
  }
  zip_t* zip = zip_open_from_source(source, ZIP_RDONLY | ZIP_CHECKCONS, &error);
  if (!zip) {
    const QString message = libzipMessage(&error);
    zip_source_free(source);
    zip_error_fini(&error);
    fail(QStringLiteral("Could not open \"%1\": the file is not a valid zip package (%2).")
             .arg(name, message));
  }
  zip_error_fini(&error);
  archive_ = new Archive{zip};

  try {
    const zip_int64_t count = zip_get_num_entries(zip, 0);
    if (count < 0 || count > limits_.maxEntries)
      fail(QStringLiteral("Could not open \"%1\": the package has too many entries (%2).")
               .arg(name)
               .arg(count));
    QSet<QString> foldedNames;
    for (zip_int64_t i = 0; i < count; ++i) {
      zip_stat_t stat;
      zip_stat_init(&stat);
      if (zip_stat_index(zip, static_cast<zip_uint64_t>(i), 0, &stat) != 0 ||
          !(stat.valid & ZIP_STAT_NAME) || !(stat.valid & ZIP_STAT_SIZE) ||
          !(stat.valid & ZIP_STAT_COMP_SIZE))
        fail(QStringLiteral("Could not open \"%1\": entry %2 of the package is unreadable.")
                 .arg(name)
                 .arg(i));
      const QString entry = QString::fromUtf8(stat.name);
      if (!isSafePartName(entry))
        fail(QStringLiteral("Could not open \"%1\": the package holds an entry with an unsafe "
                            "name (\"%2\").")
                 .arg(name, entry));
      // Part names are compared without regard to case; two that differ only in case
      // would let one hide behind the other.
      const QString folded = entry.toCaseFolded();
      if (foldedNames.contains(folded))
        fail(QStringLiteral("Could not open \"%1\": the package holds the entry \"%2\" twice.")
                 .arg(name, entry));
      foldedNames.insert(folded);
      if ((stat.valid & ZIP_STAT_ENCRYPTION_METHOD) && stat.encryption_method != ZIP_EM_NONE)
        fail(QStringLiteral("Could not open \"%1\": the entry \"%2\" is encrypted.")
                 .arg(name, entry));
      if (stat.size > static_cast<zip_uint64_t>(limits_.maxEntrySize))
        fail(QStringLiteral("Could not open \"%1\": the entry \"%2\" is too large (%3 bytes).")
                 .arg(name, entry)
                 .arg(stat.size));
      if (stat.size > static_cast<zip_uint64_t>(limits_.ratioCheckThreshold) &&
          stat.size > stat.comp_size * static_cast<zip_uint64_t>(limits_.maxCompressionRatio))
        fail(QStringLiteral("Could not open \"%1\": the entry \"%2\" expands suspiciously far "
                            "(%3 bytes from %4); it looks like a zip bomb.")
                 .arg(name, entry)
                 .arg(stat.size)
                 .arg(stat.comp_size));
      index_.emplace(folded, i);
    }
  } catch (...) {
    zip_discard(zip);
    delete archive_;
    archive_ = nullptr;
    throw;
  }
}

PackageReader::~PackageReader() {
  if (archive_) {
    zip_discard(archive_->zip);
    delete archive_;
  }
}

bool PackageReader::hasPart(const QString& name) const {
  return index_.count(name.toCaseFolded()) != 0;
}

std::vector<QString> PackageReader::partNames() const {
  std::vector<QString> names;
  for (const auto& [folded, i] : index_) {
    names.push_back(QString::fromUtf8(
        zip_get_name(archive_->zip, static_cast<zip_uint64_t>(i), ZIP_FL_ENC_GUESS)));
  }
  return names;
}

QByteArray PackageReader::readPart(const QString& partName) {
  const QString name = QFileInfo(path_).fileName();
  const auto found = index_.find(partName.toCaseFolded());
  if (found == index_.end())
    fail(QStringLiteral("Could not open \"%1\": the package has no part \"%2\".")
             .arg(name, partName));
  const auto entryIndex = static_cast<zip_uint64_t>(found->second);
  zip_stat_t stat;
  zip_stat_init(&stat);
  if (zip_stat_index(archive_->zip, entryIndex, 0, &stat) != 0)
    fail(QStringLiteral("Could not open \"%1\": the part \"%2\" is unreadable.")
             .arg(name, partName));
  const qint64 declared = static_cast<qint64>(stat.size);
  if (totalRead_ + declared > limits_.maxTotalSize)
    fail(QStringLiteral("Could not open \"%1\": the package's parts are too large together.")
             .arg(name));

  zip_file_t* file = zip_fopen_index(archive_->zip, entryIndex, 0);
  if (!file)
    fail(QStringLiteral("Could not open \"%1\": the part \"%2\" cannot be read (%3).")
             .arg(name, partName, QString::fromUtf8(zip_strerror(archive_->zip))));
  // The declared size is not trusted: read in chunks and stop at the first byte past it.
  QByteArray bytes;
  bytes.reserve(static_cast<qsizetype>(declared));
  char chunk[16384];
  for (;;) {
    const zip_int64_t got = zip_fread(file, chunk, sizeof chunk);
    if (got < 0) {
      const QString message = QString::fromUtf8(zip_file_strerror(file));
      zip_fclose(file);
      fail(QStringLiteral("Could not open \"%1\": the part \"%2\" is damaged (%3).")
               .arg(name, partName, message));
    }
    if (got == 0) break;
    if (bytes.size() + got > declared) {
      zip_fclose(file);
      fail(QStringLiteral("Could not open \"%1\": the part \"%2\" is larger than its entry "
                          "says.")
               .arg(name, partName));
    }
    bytes.append(chunk, static_cast<qsizetype>(got));
  }
  const int closed = zip_fclose(file);
  if (closed != 0 || bytes.size() != declared)
    fail(QStringLiteral("Could not open \"%1\": the part \"%2\" is damaged (%3).")
             .arg(name, partName,
                  closed != 0 ? QString::fromUtf8(zip_error_strerror(zip_get_error(archive_->zip)))
                              : QStringLiteral("truncated")));
  totalRead_ += bytes.size();
  return bytes;
}

}  // namespace engine
