#include "shell/BusinessRecordStore.h"

#include <QSettings>

namespace shell {

BusinessRecordStore::BusinessRecordStore()
    : settings_(std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope,
                                            QStringLiteral("Drennick"))) {}

BusinessRecordStore::~BusinessRecordStore() = default;

static QString sectionKey(const QString& key) { return QStringLiteral("Halvenor/") + key; }

QString BusinessRecordStore::read(const QString& key) const {
  return settings_->value(sectionKey(key), QString()).toString();
}

bool BusinessRecordStore::write(const QString& key, const QString& value) {
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
