// The record splitter behind the batch command.
#include "cli/CsvReader.h"

#include <QStringDecoder>

namespace cli {
namespace {

class RecordBuilder {
 public:
  explicit RecordBuilder(int line) { record_.line = line; }

  void endField() {
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = decoder.decode(field_);
    if (decoder.hasError()) fail(QStringLiteral("a field is not valid UTF-8"));
    record_.fields << text;
    field_.clear();
    quotedAny_ = quotedAny_ || quoted_;
    quoted_ = false;
  }
  void append(char c) { field_.append(c); }
  void markQuoted() { quoted_ = true; }
  void fail(const QString& reason) {
    if (record_.error.isEmpty()) record_.error = reason;
  }
  bool blank() const {
    return !quotedAny_ && record_.fields.size() == 1 && record_.fields.first().isEmpty();
  }
  CsvRecord take() { return std::move(record_); }

 private:
  CsvRecord record_;
  QByteArray field_;
  bool quoted_ = false, quotedAny_ = false;
};

}  // namespace

std::vector<CsvRecord> readCsvRecords(const QByteArray& input) {
  QByteArray bytes = input;
  if (bytes.startsWith("\xEF\xBB\xBF")) bytes.remove(0, 3);
  std::vector<CsvRecord> records;
  const qsizetype size = bytes.size();
  qsizetype i = 0;
  int line = 1;
  // A line end: CRLF, LF or a lone CR. Returns its length at `at`, 0 if none.
  auto lineEndAt = [&](qsizetype at) -> int {
    if (bytes[at] == '\n') return 1;
    if (bytes[at] == '\r') return (at + 1 < size && bytes[at + 1] == '\n') ? 2 : 1;
    return 0;
  };
  while (i < size) {
    RecordBuilder record(line);
    bool recordDone = false;
    while (!recordDone) {
      // One field.
      if (i < size && bytes[i] == '"') {
        record.markQuoted();
        ++i;
        bool closed = false;
        while (i < size) {
          if (bytes[i] == '"') {
            if (i + 1 < size && bytes[i + 1] == '"') {
              record.append('"');
              i += 2;
              continue;
            }
            ++i;
            closed = true;
            break;
          }
          if (const int end = lineEndAt(i)) {
            // A line break inside quotes belongs to the field, as written.
            for (int k = 0; k < end; ++k) record.append(bytes[i + k]);
            i += end;
            ++line;
            continue;
          }
          record.append(bytes[i++]);
        }
        if (!closed) record.fail(QStringLiteral("a quoted field is not closed"));
        // Anything between the closing quote and the separator is malformed; it is kept.
        while (i < size && bytes[i] != ',' && !lineEndAt(i)) {
          record.fail(QStringLiteral("text follows a closing quote"));
          record.append(bytes[i++]);
        }
      } else {
        while (i < size && bytes[i] != ',' && !lineEndAt(i)) {
          if (bytes[i] == '"') record.fail(QStringLiteral("a quote inside an unquoted field"));
          record.append(bytes[i++]);
        }
      }
      record.endField();
      if (i < size && bytes[i] == ',') {
        ++i;
        continue;
      }
      if (i < size) {
        i += lineEndAt(i);
        ++line;
      }
      recordDone = true;
    }
    if (!record.blank()) records.push_back(record.take());
  }
  return records;
}

}  // namespace cli
