// The business details' INI store: a bounded, tolerant reader and an atomic writer.
#include "shell/BusinessRecordStore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QSettings>
#include <QStandardPaths>

#include "base/platform/NativeFiles.h"
#include "base/platform/UserSettings.h"

namespace shell {
namespace {

const QString kSection = QStringLiteral("Halvenor");

QString registryKey() {
  return base::platform::settingsRegistryKey(QStringLiteral("Drennick"),
                                             QStringLiteral("Halvenor"));
}

QString defaultPath() {
  if (const QString key = registryKey(); !key.isEmpty()) return key;
  return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
         QStringLiteral("/Drennick.ini");
}

bool isHex(QChar c) { return c.isDigit() || (c.toLower() >= u'a' && c.toLower() <= u'f'); }

}  // namespace

namespace ini {

QString unescapedKey(const QString& text) {
  QString key;
  for (qsizetype i = 0; i < text.size(); ++i) {
    const QChar c = text[i];
    if (c == u'\\') {
      key += u'/';
    } else if (c == u'%' && i + 5 < text.size() && text[i + 1] == u'U') {
      bool ok = false;
      const uint code = QStringView(text).mid(i + 2, 4).toUInt(&ok, 16);
      if (!ok) {
        key += c;
        continue;
      }
      key += QChar(char16_t(code));
      i += 5;
    } else if (c == u'%' && i + 2 < text.size()) {
      bool ok = false;
      const uint code = QStringView(text).mid(i + 1, 2).toUInt(&ok, 16);
      if (!ok) {
        key += c;
        continue;
      }
      key += QChar(char16_t(code));
      i += 2;
    } else {
      key += c;
    }
  }
  return key;
}

QString escapedKey(const QString& key) {
  QString text;
  for (const QChar c : key) {
    const char16_t u = c.unicode();
    if ((u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z') || (u >= '0' && u <= '9') || u == '_' ||
        u == '-' || u == '.')
      text += c;
    else if (u == '/')
      text += u'\\';
    else if (u < 0x100)
      text += QStringLiteral("%%1").arg(uint(u), 2, 16, QLatin1Char('0')).toUpper();
    else
      text += QStringLiteral("%U%1").arg(uint(u), 4, 16, QLatin1Char('0')).toUpper();
  }
  return text;
}

QString unescapedValue(const QString& text) {
  QString value;
  bool quoted = false;
  qsizetype keepTo = 0;  // blanks after the last quoted or escaped character are dropped
  qsizetype i = 0;
  while (i < text.size() && !quoted && (text[i] == u' ' || text[i] == u'\t')) ++i;
  for (; i < text.size(); ++i) {
    const QChar c = text[i];
    if (c == u'"') {
      quoted = !quoted;
      keepTo = value.size();
      continue;
    }
    if (c == u'\\' && i + 1 < text.size()) {
      const QChar e = text[++i];
      switch (e.unicode()) {
        case 'a':
          value += u'\a';
          break;
        case 'b':
          value += u'\b';
          break;
        case 'f':
          value += u'\f';
          break;
        case 'n':
          value += u'\n';
          break;
        case 'r':
          value += u'\r';
          break;
        case 't':
          value += u'\t';
          break;
        case 'v':
          value += u'\v';
          break;
        case 'x': {
          uint code = 0;
          while (i + 1 < text.size() && isHex(text[i + 1]))
            code = (code * 16 + uint(QString(text[++i]).toUInt(nullptr, 16))) & 0xffff;
          value += QChar(char16_t(code));
          break;
        }
        case '0':
        case '1':
        case '2':
        case '3':
        case '4':
        case '5':
        case '6':
        case '7': {
          uint code = uint(e.unicode() - '0');
          while (i + 1 < text.size() && text[i + 1] >= u'0' && text[i + 1] <= u'7')
            code = (code * 8 + uint(text[++i].unicode() - '0')) & 0xffff;
          value += QChar(char16_t(code));
          break;
        }
        default:
          value += e;
          break;  // \" \\ \, \; \= \' \? and anything else: itself
      }
      keepTo = value.size();
      continue;
    }
    value += c;
    if (quoted || (c != u' ' && c != u'\t')) keepTo = value.size();
  }
  value.truncate(keepTo);
  // QSettings marks strings that begin with "@" by doubling it, and may wrap one as
  // @String(...).
  if (value.startsWith(QStringLiteral("@@"))) return value.mid(1);
  if (value.startsWith(QStringLiteral("@String(")) && value.endsWith(u')'))
    return value.mid(8, value.size() - 9);
  return value;
}

QString escapedValue(const QString& value) {
  QString text = QStringLiteral("\"");
  const QString plain = value.startsWith(u'@') ? QStringLiteral("@") + value : value;
  text.reserve(plain.size() + 2);
  for (qsizetype i = 0; i < plain.size(); ++i) {
    const QChar c = plain[i];
    switch (c.unicode()) {
      case '"':
        text += QStringLiteral("\\\"");
        break;
      case '\\':
        text += QStringLiteral("\\\\");
        break;
      case '\n':
        text += QStringLiteral("\\n");
        break;
      case '\r':
        text += QStringLiteral("\\r");
        break;
      case '\t':
        text += QStringLiteral("\\t");
        break;
      default:
        if (c.unicode() < 0x20 || c.unicode() == 0x7f) {
          text += QStringLiteral("\\x%1").arg(uint(c.unicode()), 2, 16, QLatin1Char('0'));
          // A hex digit right after would join the escape: close and reopen the quotes.
          if (i + 1 < plain.size() && isHex(plain[i + 1])) text += QStringLiteral("\"\"");
        } else {
          text += c;
        }
    }
  }
  text += u'"';
  return text;
}

}  // namespace ini

QString BusinessRecordStore::userStorePath() { return defaultPath(); }

BusinessRecordStore::BusinessRecordStore(QString path)
    : path_(path.isEmpty() ? defaultPath() : std::move(path)) {
  if (path_ == registryKey())
    registry_ = std::make_unique<QSettings>(path_, QSettings::NativeFormat);
  load();
}

BusinessRecordStore::~BusinessRecordStore() = default;

void BusinessRecordStore::load() {
  if (registry_) return;  // read value by value
  lines_.clear();
  values_.clear();
  valueLine_.clear();
  sectionEnd_ = -1;
  oversized_ = false;
  readProblem_.clear();
  QFile file(path_);
  const QFileInfo info(path_);
  seenModified_ = info.lastModified();
  seenSize_ = info.exists() ? info.size() : -1;
  if (!info.exists()) return;
  if (!file.open(QIODevice::ReadOnly)) {
    readProblem_ = file.errorString();
    return;
  }
  QByteArray bytes = file.read(kMaxFileBytes + 1);
  if (bytes.size() > kMaxFileBytes) {
    // Only whole lines count: the one cut at the limit is not read.
    oversized_ = true;
    bytes.truncate(bytes.lastIndexOf('\n', kMaxFileBytes - 1) + 1);
    readProblem_ = QStringLiteral("the file is larger than %1 MB and only its first part was read")
                       .arg(kMaxFileBytes >> 20);
  }
  if (bytes.startsWith("\xEF\xBB\xBF")) bytes.remove(0, 3);
  lines_ = QString::fromUtf8(bytes).split(u'\n');
  if (!lines_.isEmpty() && lines_.last().isEmpty()) lines_.removeLast();
  bool inSection = false;
  for (int n = 0; n < lines_.size(); ++n) {
    QString& line = lines_[n];
    if (line.endsWith(u'\r')) line.chop(1);
    const QString trimmed = line.trimmed();
    if (trimmed.startsWith(u'[')) {
      const qsizetype close = trimmed.indexOf(u']');
      inSection = close > 0 && ini::unescapedKey(trimmed.mid(1, close - 1).trimmed()) == kSection;
      if (inSection) sectionEnd_ = n + 1;
      continue;
    }
    if (!inSection) continue;
    if (trimmed.isEmpty() || trimmed.startsWith(u';') || trimmed.startsWith(u'#')) continue;
    const qsizetype equals = line.indexOf(u'=');
    sectionEnd_ = n + 1;
    if (equals <= 0) continue;  // a junk line: kept as it is, read as nothing
    const QString key = ini::unescapedKey(line.left(equals).trimmed());
    values_.insert(key, ini::unescapedValue(line.mid(equals + 1)));
    valueLine_.insert(key, n);
  }
}

void BusinessRecordStore::reloadIfChangedOnDisk() {
  // Another instance of the program may have written since: take in its values first.
  if (oversized_ || registry_) return;
  const QFileInfo info(path_);
  const qint64 size = info.exists() ? info.size() : -1;
  if (!readProblem_.isEmpty() || size != seenSize_ || info.lastModified() != seenModified_) load();
}

QString BusinessRecordStore::read(const QString& key) const {
  return registry_ ? registry_->value(key).toString() : values_.value(key);
}

bool BusinessRecordStore::write(const QString& key, const QString& value) {
  if (registry_) {
    registry_->setValue(key, value);
    registry_->sync();
    return registry_->status() == QSettings::NoError;
  }
  reloadIfChangedOnDisk();
  if (!oversized_ && !readProblem_.isEmpty()) return false;  // never replace an unread file
  if (values_.contains(key) && values_.value(key) == value) return true;
  const QString line = ini::escapedKey(key) + u'=' + ini::escapedValue(value);
  if (const auto at = valueLine_.constFind(key); at != valueLine_.cend()) {
    lines_[*at] = line;
  } else {
    if (sectionEnd_ < 0) {
      if (!lines_.isEmpty() && !lines_.last().trimmed().isEmpty()) lines_ << QString();
      lines_ << u'[' + ini::escapedKey(kSection) + u']';
      sectionEnd_ = int(lines_.size());
    }
    lines_.insert(sectionEnd_, line);
    for (auto& n : valueLine_)
      if (n >= sectionEnd_) ++n;
    valueLine_.insert(key, sectionEnd_);
    ++sectionEnd_;
  }
  values_.insert(key, value);
  return save();
}

bool BusinessRecordStore::save() {
  QDir().mkpath(QFileInfo(path_).absolutePath());
  if (oversized_) {
    // The part that was not read is kept beside the store, never dropped unseen.
    const QString aside = path_ + QStringLiteral(".large");
    base::platform::removeName(aside);
    if (!base::platform::hardLink(path_, aside)) return false;
  }
  QSaveFile file(path_);
  if (!file.open(QIODevice::WriteOnly)) return false;
  QByteArray bytes = lines_.join(u'\n').toUtf8();
  bytes += '\n';
  // commit() syncs the new file to disk before it renames it over the old one.
  if (file.write(bytes) != bytes.size() || !file.commit()) return false;
  oversized_ = false;
  readProblem_.clear();
  const QFileInfo info(path_);
  seenModified_ = info.lastModified();
  seenSize_ = info.size();
  return true;
}

}  // namespace shell
