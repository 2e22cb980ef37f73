// The record splitter behind the batch command.
#include "cli/CsvReader.h"

#include <QStringDecoder>
#include <cstring>

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
  void append(const char* text, qsizetype length) { field_.append(text, length); }
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
  // Read in place, and copied a run of plain characters at a time: a field of megabytes
  // costs no more than a copy of it.
  const QByteArrayView whole(input);
  const QByteArrayView bytes = whole.startsWith("\xEF\xBB\xBF") ? whole.sliced(3) : whole;
  const char* const data = bytes.data();
  std::vector<CsvRecord> records;
  const qsizetype size = bytes.size();
  qsizetype i = 0;
  int line = 1;
  // A line end: CRLF, LF or a lone CR. Returns its length at `at`, 0 if none.
  auto lineEndAt = [&](qsizetype at) -> int {
    if (data[at] == '\n') return 1;
    if (data[at] == '\r') return (at + 1 < size && data[at + 1] == '\n') ? 2 : 1;
    return 0;
  };
  // The end of the run of characters from `at` up to `stop` or a line end.
  auto runEnd = [&](qsizetype at, char stop) {
    for (; at < size; ++at) {
      const char c = data[at];
      if (c == stop || c == '\n' || c == '\r') break;
    }
    return at;
  };
  while (i < size) {
    RecordBuilder record(line);
    bool recordDone = false;
    while (!recordDone) {
      // One field.
      if (i < size && data[i] == '"') {
        record.markQuoted();
        ++i;
        bool closed = false;
        while (i < size) {
          const qsizetype plain = runEnd(i, '"');
          record.append(data + i, plain - i);
          i = plain;
          if (i >= size) break;
          if (data[i] == '"') {
            if (i + 1 < size && data[i + 1] == '"') {
              record.append("\"", 1);
              i += 2;
              continue;
            }
            ++i;
            closed = true;
            break;
          }
          // A line break inside quotes belongs to the field, as written.
          const int end = lineEndAt(i);
          record.append(data + i, end);
          i += end;
          ++line;
        }
        if (!closed) record.fail(QStringLiteral("a quoted field is not closed"));
        // Anything between the closing quote and the separator is malformed; it is kept.
        const qsizetype rest = runEnd(i, ',');
        if (rest > i) {
          record.fail(QStringLiteral("text follows a closing quote"));
          record.append(data + i, rest - i);
          i = rest;
        }
      } else {
        const qsizetype end = runEnd(i, ',');
        if (std::memchr(data + i, '"', static_cast<size_t>(end - i)))
          record.fail(QStringLiteral("a quote inside an unquoted field"));
        record.append(data + i, end - i);
        i = end;
      }
      record.endField();
      if (i < size && data[i] == ',') {
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
