// Reads comma-separated client lists as RFC 4180 describes them: quoted fields with
// doubled quotes, commas and line breaks inside quotes, CRLF or LF line ends, UTF-8 with
// or without a byte-order mark. A malformed record is kept with the reason, so the
// caller can report it by line and go on with the rest.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <vector>

namespace cli {

struct CsvRecord {
  int line = 0;        // the line the record starts on, counting from 1
  QStringList fields;  // decoded fields (as far as they could be read)
  QString error;       // why the record is malformed; empty for a sound one
};

// Splits `bytes` into records. Blank lines are skipped. Never throws.
std::vector<CsvRecord> readCsvRecords(const QByteArray& bytes);

}  // namespace cli
