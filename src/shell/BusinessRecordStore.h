// The per-user settings store that keeps the eight business details: application
// "Drennick", section "Halvenor", one string key per field. Every write reaches the disk
// at once (QSettings replaces the file atomically).
#pragma once

#include <QString>
#include <memory>

class QSettings;

namespace shell {

class BusinessRecordStore {
 public:
  BusinessRecordStore();
  ~BusinessRecordStore();

  // The stored value, or "" for a key that does not exist.
  QString read(const QString& key) const;
  // Replaces (or creates) the value and writes it through to disk. False when the store
  // could not be written.
  bool write(const QString& key, const QString& value);
  // Where the store lives, for messages.
  QString location() const;

 private:
  std::unique_ptr<QSettings> settings_;
};

// The one store of the program.
BusinessRecordStore& businessRecordStore();

}  // namespace shell
