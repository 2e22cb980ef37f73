// The client-list reader and the plan file names, case by case.
#include <gtest/gtest.h>

#include "cli/CsvReader.h"
#include "cli/OutputNames.h"

namespace cli {
namespace {

TEST(CsvReader, ReadsRecordsAsRfc4180WritesThem) {
  struct Case {
    const char* name;
    QByteArray bytes;
    std::vector<QStringList> fields;
    std::vector<int> lines;
  };
  const Case cases[] = {
      {"plain, LF", "a,b\nc,d\n", {{"a", "b"}, {"c", "d"}}, {1, 2}},
      {"CRLF, no final break", "a,b\r\nc,d", {{"a", "b"}, {"c", "d"}}, {1, 2}},
      {"byte-order mark",
       "\xEF\xBB\xBF"
       "a,b\n",
       {{"a", "b"}},
       {1}},
      {"quoted comma and quote", "\"x, \"\"y\"\"\",z\n", {{"x, \"y\"", "z"}}, {1}},
      {"line break inside quotes",
       "\"1\n2\",z\nnext,row\n",
       {{"1\n2", "z"}, {"next", "row"}},
       {1, 3}},
      {"empty fields", ",,\n", {{"", "", ""}}, {1}},
      {"blank lines skipped", "a\n\n\r\nb\n", {{"a"}, {"b"}}, {1, 4}},
      {"quoted empty field is a record", "\"\"\n", {{""}}, {1}},
      {"UTF-8", "Caf\xC3\xA9 \xF0\x9F\x8D\x9E,x\n", {{QStringLiteral(u"Café 🍞"), "x"}}, {1}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const std::vector<CsvRecord> records = readCsvRecords(c.bytes);
    ASSERT_EQ(records.size(), c.fields.size());
    for (size_t i = 0; i < records.size(); ++i) {
      EXPECT_EQ(records[i].fields, c.fields[i]);
      EXPECT_EQ(records[i].line, c.lines[i]);
      EXPECT_TRUE(records[i].error.isEmpty()) << records[i].error.toStdString();
    }
  }
}

TEST(CsvReader, MalformedRecordsSayWhyAndTheRestStillReads) {
  struct Case {
    const char* name;
    QByteArray bytes;
    int badLine;
    const char* reason;
  };
  const Case cases[] = {
      {"quote in an unquoted field", "ok\nab\"c\nok\n", 2, "a quote inside an unquoted field"},
      {"text after a closing quote", "ok\n\"ab\"c,d\nok\n", 2, "text follows a closing quote"},
      {"invalid UTF-8", "ok\n\xFF\xFE,x\nok\n", 2, "a field is not valid UTF-8"},
      {"quote never closed", "ok\nok\n\"open,\nrest\n", 3, "a quoted field is not closed"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const std::vector<CsvRecord> records = readCsvRecords(c.bytes);
    int bad = 0;
    for (const CsvRecord& record : records) {
      if (record.error.isEmpty()) {
        EXPECT_EQ(record.fields, QStringList({"ok"}));
        continue;
      }
      ++bad;
      EXPECT_EQ(record.line, c.badLine);
      EXPECT_EQ(record.error, QString::fromLatin1(c.reason));
    }
    EXPECT_EQ(bad, 1);
  }
}

TEST(OutputNames, BusinessNamesBecomeSafeFileNames) {
  const struct {
    QString business, expected;
  } cases[] = {
      {"Fernhollow Provisions Co.", "Fernhollow Provisions Co"},
      {"Acme/Widgets", "Acme_Widgets"},
      {"../../etc/passwd", "_._etc_passwd"},
      {"..", "plan"},
      {"", "plan"},
      {"   ", "plan"},
      {".hidden", "hidden"},
      {"a..b...c", "a.b.c"},
      {"Tab\tand\nnewline", "Tab_and_newline"},
      {QStringLiteral(u"Bell\u0007 and \u202Eevil"), "Bell_ and _evil"},
      {"C:\\dos|<pipe>?*\"", "C__dos__pipe____"},
      {QStringLiteral(u"Sunrise ☀ Bakery 🍞"), QStringLiteral(u"Sunrise ☀ Bakery 🍞")},
  };
  for (const auto& c : cases)
    EXPECT_EQ(safeBaseName(c.business), c.expected) << c.business.toStdString();

  // Long names are cut at a character, never inside one, within the byte bound.
  const QString cut = safeBaseName(QStringLiteral(u"🍞").repeated(100));
  EXPECT_LE(cut.toUtf8().size(), kMaxBaseNameBytes);
  EXPECT_EQ(cut, QStringLiteral(u"🍞").repeated(kMaxBaseNameBytes / 4));
}

TEST(OutputNames, ADuplicateGetsADistinctName) {
  OutputNames names;
  EXPECT_EQ(names.claim("Acme"), "Acme");
  EXPECT_EQ(names.claim("Acme"), "Acme (2)");
  EXPECT_EQ(names.claim("ACME"), "ACME (3)");  // the same name on a case-blind disk
  EXPECT_EQ(names.claim("Acme (2)"), "Acme (2) (2)");
  EXPECT_EQ(names.claim("Other"), "Other");
}

}  // namespace
}  // namespace cli
