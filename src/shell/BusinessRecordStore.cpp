#include "shell/BusinessRecordStore.h"

#include <QSettings>

namespace shell {

static std::unique_ptr<QSettings> openSettings() {
  return std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope,
                                     QStringLiteral("Drennick"));
}

BusinessRecordStore::BusinessRecordStore() : settings_(openSettings()) {}

BusinessRecordStore::~BusinessRecordStore() = default;

static QString sectionKey(const QString& key) { return QStringLiteral("Halvenor/") + key; }

QString BusinessRecordStore::read(const QString& key) const {
  return settings_->value(sectionKey(key), QString()).toString();
}

bool BusinessRecordStore::write(const QString& key, const QString& value) {
  // A QSettings object keeps reporting a failed write even after later writes succeed;
  // a fresh one (which writes what is still pending) tells this write's own outcome.
  if (settings_->status() != QSettings::NoError) settings_ = openSettings();
  settings_->setValue(sectionKey(key), value);
  settings_->sync();
  return settings_->status() == QSettings::NoError;
}

QString BusinessRecordStore::location() const { return settings_->fileName(); }

BusinessRecordStore& businessRecordStore() {
  static BusinessRecordStore store;
  return store;
}

}  // namespace shell
