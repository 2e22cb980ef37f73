// The per-user settings store that keeps the eight business details: application
// "Drennick", section "Halvenor", one string key per field, in the INI file that QSettings
// would use ($XDG_CONFIG_HOME/Drennick.ini). Our own small reader and writer: a file
// written by hand or by another program (a byte-order mark, CRLF line ends, junk lines,
// a value with commas) reads as plain strings, other sections and lines are kept as they
// stand, and every write replaces the file atomically and reaches the disk at once.
// On Windows this user's store is the registry instead (QSettings' native format), one
// string value per field under HKEY_CURRENT_USER\Software\Drennick\Halvenor .
#pragma once

#include <QDateTime>
#include <QHash>
#include <QString>
#include <QStringList>
#include <memory>

class QSettings;

namespace shell {

class BusinessRecordStore {
 public:
  // Reads at most this much of the file; a larger one is read up to here.
  static constexpr qint64 kMaxFileBytes = 1 << 20;

  // The store kept in the file at `path`; "" means this user's store (userStorePath(): the
  // registry key on Windows).
  explicit BusinessRecordStore(QString path = QString());
  // Where this user's details are kept.
  static QString userStorePath();
  ~BusinessRecordStore();

  // The stored value, or "" for a key that does not exist.
  QString read(const QString& key) const;
  // Replaces (or creates) the value and writes it through to disk; writing the value that
  // is already stored changes nothing. False when the store could not be written.
  bool write(const QString& key, const QString& value);
  // Where the store lives, for messages.
  QString location() const { return path_; }

  // Reads the file again, as a fresh start would.
  void reload() { load(); }
  // Why the file could not be read in full at start ("" when it could), for one message.
  QString readProblem() const { return readProblem_; }

 private:
  void load();
  void reloadIfChangedOnDisk();
  bool save();

  QString path_;
  std::unique_ptr<QSettings> registry_;  // this user's store on Windows, else none
  QStringList lines_;                    // the file as read, one entry per line, without line ends
  QHash<QString, QString> values_;
  QHash<QString, int> valueLine_;  // where each key of the section stands in lines_
  int sectionEnd_ = -1;            // the line after the section's last entry; -1: no section
  bool oversized_ = false;         // the file went on past what was read
  QString readProblem_;
  QDateTime seenModified_;
  qint64 seenSize_ = -1;
};

// The text forms of the INI file, as QSettings reads and writes them.
namespace ini {
QString unescapedKey(const QString& text);
QString escapedKey(const QString& key);
// A value as a plain string: quotes and escapes are resolved, unquoted blanks at the
// ends dropped, and a comma is a comma (never a list separator).
QString unescapedValue(const QString& text);
QString escapedValue(const QString& value);
}  // namespace ini

}  // namespace shell
