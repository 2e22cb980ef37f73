// Broken and hostile files are refused with an error that says what is wrong, and damage
// to a good file never crashes the reader.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QSet>
#include <QTextDocument>
#include <QTextFrame>

#include "DocxTestDocuments.h"
#include "engine/Docx.h"
#include "engine/DocxPackage.h"
#include "support/TestFiles.h"
#include "word/Automation.h"

using namespace engine;
using namespace docx_test;

namespace {

using testing_support::writeFile;

const QString kCorpus = QStringLiteral(HALVENOR_SOURCE_DIR "/tests/engine/corpus");

// file name -> text the error must contain
std::map<QString, QString> expectations() {
  std::map<QString, QString> out;
  QFile file(kCorpus + QStringLiteral("/expected.txt"));
  if (!file.open(QIODevice::ReadOnly)) return out;
  for (const QByteArray& line : file.readAll().split('\n')) {
    if (line.isEmpty() || line.startsWith('#')) continue;
    const QList<QByteArray> fields = line.split('\t');
    if (fields.size() == 2) out[QString::fromUtf8(fields[0])] = QString::fromUtf8(fields[1]);
  }
  return out;
}

// Loads the file; answers the error's description, or "" when it loaded.
QString loadError(const QString& path) {
  try {
    loadDocx(path);
  } catch (const word::AutomationError& error) {
    return error.description();
  }
  return QString();
}

}  // namespace

TEST(DocxHostile, EveryCorpusFileIsRefusedWithAClearError) {
  const auto expected = expectations();
  ASSERT_GE(expected.size(), 20u) << "corpus manifest missing";
  const QStringList files = QDir(kCorpus).entryList({QStringLiteral("*.docx")}, QDir::Files);
  EXPECT_EQ(static_cast<size_t>(files.size()), expected.size()) << "manifest and corpus differ";
  for (const QString& name : files) {
    SCOPED_TRACE(name.toStdString());
    const auto found = expected.find(name);
    ASSERT_NE(found, expected.end()) << "not in expected.txt";
    const QString error = loadError(kCorpus + QLatin1Char('/') + name);
    EXPECT_FALSE(error.isEmpty()) << "was accepted";
    EXPECT_TRUE(error.startsWith(QStringLiteral("Could not open \"") + name))
        << error.toStdString();
    EXPECT_TRUE(error.contains(found->second, Qt::CaseInsensitive))
        << "expected \"" << found->second.toStdString() << "\" in: " << error.toStdString();
  }
}

TEST(DocxHostile, MissingAndUnreadableFiles) {
  EXPECT_TRUE(
      loadError(scratchPath(QStringLiteral("does-not-exist.docx"))).contains("Could not open"));
  const QString folder = scratchPath(QStringLiteral("folder.docx"));
  QDir().mkpath(folder);
  EXPECT_FALSE(loadError(folder).isEmpty());
}

TEST(DocxHostile, EveryTruncationOfAGoodFileIsHandled) {
  const QString good = scratchPath(QStringLiteral("good.docx"));
  saveDocx(samplePlan(), good);
  QFile file(good);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QByteArray bytes = file.readAll();
  const QString cut = scratchPath(QStringLiteral("cut.docx"));
  int refused = 0;
  for (int length = 0; length < bytes.size(); length += 97) {
    writeFile(cut, bytes.left(length));
    if (!loadError(cut).isEmpty()) ++refused;
  }
  // A zip's directory sits at its end: every cut file lacks it.
  EXPECT_EQ(refused, (bytes.size() + 96) / 97);
}

TEST(DocxHostile, RandomDamageNeverCrashes) {
  const QString good = scratchPath(QStringLiteral("good2.docx"));
  saveDocx(samplePlan(), good);
  QFile file(good);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QByteArray bytes = file.readAll();
  const QString damaged = scratchPath(QStringLiteral("damaged.docx"));
  QRandomGenerator random(20261208);
  int refused = 0;
  for (int round = 0; round < 300; ++round) {
    QByteArray copy = bytes;
    const int flips = 1 + random.bounded(8);
    for (int i = 0; i < flips; ++i)
      copy[random.bounded(copy.size())] = static_cast<char>(random.bounded(256));
    writeFile(damaged, copy);
    const QString error = loadError(damaged);
    if (!error.isEmpty()) {
      ++refused;
      EXPECT_TRUE(error.startsWith(QStringLiteral("Could not open"))) << error.toStdString();
    }
  }
  // Deflated data with checksums: nearly every damaged copy is caught.
  EXPECT_GT(refused, 200);
}

TEST(DocxHostile, PackageLimitsApplyBeforeReading) {
  PackageWriter writer;
  writer.addPart(QStringLiteral("a.xml"), QByteArray(5000, 'a'));
  writer.addPart(QStringLiteral("b.xml"), QByteArray(10, 'b'));
  writer.addPart(QStringLiteral("c.xml"), QByteArray(10, 'c'));
  const QString path = scratchPath(QStringLiteral("limits.zip"));
  writer.write(path);

  PackageReader plain(path);
  EXPECT_EQ(plain.readPart(QStringLiteral("b.xml")), QByteArray(10, 'b'));
  EXPECT_TRUE(plain.hasPart(QStringLiteral("A.XML")));  // part names ignore case
  EXPECT_THROW(plain.readPart(QStringLiteral("d.xml")), word::AutomationError);

  PackageLimits fewEntries;
  fewEntries.maxEntries = 2;
  EXPECT_THROW(PackageReader(path, fewEntries), word::AutomationError);

  PackageLimits smallEntries;
  smallEntries.maxEntrySize = 4096;
  EXPECT_THROW(PackageReader(path, smallEntries), word::AutomationError);

  PackageLimits lowRatio;
  lowRatio.ratioCheckThreshold = 100;
  lowRatio.maxCompressionRatio = 5;
  try {
    PackageReader reader(path, lowRatio);
    FAIL() << "a highly compressed entry was accepted";
  } catch (const word::AutomationError& error) {
    EXPECT_TRUE(error.description().contains(QStringLiteral("zip bomb")));
  }

  PackageLimits smallTotal;
  smallTotal.maxTotalSize = 5015;
  PackageReader reader(path, smallTotal);
  reader.readPart(QStringLiteral("a.xml"));
  reader.readPart(QStringLiteral("b.xml"));
  EXPECT_THROW(reader.readPart(QStringLiteral("c.xml")), word::AutomationError);

  PackageLimits smallFile;
  smallFile.maxFileSize = 100;
  EXPECT_THROW(PackageReader(path, smallFile), word::AutomationError);
}

TEST(DocxHostile, WriterRefusesUnsafePartNames) {
  PackageWriter writer;
  for (const char* name : {"../x.xml", "/abs.xml", "a\\b.xml", "a//b.xml", "c:/x.xml", ""})
    EXPECT_THROW(writer.addPart(QString::fromLatin1(name), "x"), word::AutomationError) << name;
  EXPECT_NO_THROW(writer.addPart(QStringLiteral("word/document.xml"), "x"));
}

TEST(DocxHostile, ValidSeedsLoadAndSurviveAnotherTrip) {
  const QDir valid(kCorpus + QStringLiteral("/valid"));
  const QStringList files = valid.entryList({QStringLiteral("*.docx")}, QDir::Files);
  ASSERT_FALSE(files.isEmpty());
  for (const QString& name : files) {
    SCOPED_TRACE(name.toStdString());
    const DocumentModel loaded = loadDocx(valid.filePath(name));
    EXPECT_FALSE(loaded.text()->rootFrame()->childFrames().isEmpty()) << "no table";
    const QString again = scratchPath(QStringLiteral("again-") + name);
    saveDocx(loaded, again);
    const QStringList diff = differences(loaded, loadDocx(again));
    EXPECT_TRUE(diff.isEmpty()) << diff.join('\n').toStdString();
  }
}

namespace {

// A package around the given document part, with every other part taken from `seed`.
QString repackaged(const QString& seed, const QByteArray& documentXml, const QString& name) {
  PackageReader reader(seed);
  PackageWriter writer;
  for (const QString& part : reader.partNames())
    writer.addPart(
        part, part == QStringLiteral("word/document.xml") ? documentXml : reader.readPart(part));
  const QString path = scratchPath(name);
  writer.write(path);
  return path;
}

QByteArray documentWithBody(const QByteArray& body) {
  return "<?xml version=\"1.0\" encoding=\"UTF-8\"?><w:document "
         "xmlns:w=\"http://schemas.openxmlformats.org/wordprocessingml/2006/main\"><w:body>" +
         body + "</w:body></w:document>";
}

}  // namespace

// Three small files that once held the reader for minutes: each is refused with a clear
// error before layout (bench_long_input shows the time it takes).
TEST(DocxHostile, FilesThatWouldStallLayoutAreRefused) {
  const QString seed = kCorpus + QStringLiteral("/valid/sample_plan.docx");
  // Each tab in a run of its own with a revision mark, which compresses like real text.
  QByteArray tabs;
  for (int i = 0; i < 5000; ++i)
    tabs += "<w:r w:rsidR=\"" + QByteArray::number(i * 2654435761u % 0xFFFFFFFFu, 16) +
            "\"><w:tab/></w:r>";
  QByteArray manyTabs;
  for (int p = 0; p < 50; ++p) manyTabs += "<w:p>" + tabs + "</w:p>";
  QByteArray longText;
  for (int i = 0; longText.size() < 31 * 1000 * 1000; ++i)
    longText += QByteArray::number(qint64(i) * 7919) + ' ';
  // The longest paragraph still read: a run split into pieces changes nothing.
  QByteArray justInBounds;
  for (int i = 0; i < 4; ++i)
    justInBounds += "<w:r><w:t>" + QByteArray(35000, 'w') + "</w:t></w:r>";
  const struct {
    const char* name;
    QByteArray body;
    const char* error;  // nullptr: read
  } cases[] = {
      {"one_megabyte_word.docx",
       "<w:p><w:r><w:t>" + QByteArray(1000000, 'w') + "</w:t></w:r></w:p>",
       "paragraph is too long"},
      {"tabs_in_every_paragraph.docx", manyTabs, "more tabs than a page can hold"},
      {"long_paragraph.docx", "<w:p><w:r><w:t>" + longText + "</w:t></w:r></w:p>",
       "paragraph is too long"},
      {"tabs_split_over_runs.docx",
       "<w:p>" + QByteArray("<w:r><w:tab/></w:r>").repeated(1001) + "</w:p>",
       "more tabs than a page can hold"},
      {"a_hundred_and_forty_thousand_characters.docx", "<w:p>" + justInBounds + "</w:p>", nullptr},
      {"one_more_character.docx", "<w:p>" + justInBounds + "<w:r><w:t>w</w:t></w:r></w:p>",
       "paragraph is too long"},
      {"a_thousand_tabs.docx",
       "<w:p><w:r>" + QByteArray("<w:tab/>").repeated(1000) + "</w:r></w:p>", nullptr},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const QString path = repackaged(seed, documentWithBody(c.body), QString::fromLatin1(c.name));
    const QString error = loadError(path);
    if (!c.error) {
      EXPECT_TRUE(error.isEmpty()) << error.toStdString();
      continue;
    }
    EXPECT_TRUE(error.startsWith(QStringLiteral("Could not open \"") + QLatin1String(c.name)))
        << error.toStdString();
    EXPECT_TRUE(error.contains(QLatin1String(c.error))) << error.toStdString();
  }
}

// 1,500 seeded mutants of the valid seeds' document part (cut, repeated, spliced and
// re-tagged XML, huge numbers), each read or refused with a clear error, never a crash.
TEST(DocxHostile, FifteenHundredMutantsAreReadOrRefused) {
  const QDir valid(kCorpus + QStringLiteral("/valid"));
  const QStringList seeds = valid.entryList({QStringLiteral("*.docx")}, QDir::Files);
  ASSERT_FALSE(seeds.isEmpty());
  QRandomGenerator random(1500);
  const QList<QByteArray> splices = {"<w:tab/>",
                                     "<w:p>",
                                     "</w:p>",
                                     "<w:tbl>",
                                     "<w:tc>",
                                     "<w:sz w:val=\"99999999\"/>",
                                     "<w:ind w:left=\"-5\"/>",
                                     "<w:numPr><w:ilvl w:val=\"9\"/></w:numPr>",
                                     "&amp;",
                                     "\xff"};
  int read = 0, refused = 0;
  for (int mutant = 0; mutant < 1500; ++mutant) {
    const QString seed = valid.filePath(seeds[mutant % seeds.size()]);
    QByteArray xml = PackageReader(seed).readPart(QStringLiteral("word/document.xml"));
    for (int edits = 1 + random.bounded(4); edits > 0; --edits) {
      const int at = random.bounded(xml.size());
      const int length = random.bounded(std::min<qsizetype>(400, xml.size() - at) + 1);
      switch (random.bounded(4)) {
        case 0:
          xml.remove(at, length);
          break;
        case 1:
          xml.insert(at, xml.mid(at, length).repeated(1 + random.bounded(50)));
          break;
        case 2:
          xml.insert(at,
                     splices[random.bounded(splices.size())].repeated(1 + random.bounded(2000)));
          break;
        default:
          xml[at] = static_cast<char>(random.bounded(256));
      }
    }
    const QString error =
        loadError(repackaged(seed, xml, QStringLiteral("mutant%1.docx").arg(mutant % 7)));
    if (error.isEmpty()) {
      ++read;
    } else {
      ++refused;
      EXPECT_TRUE(error.startsWith(QStringLiteral("Could not open"))) << error.toStdString();
    }
  }
  // Most mutants break the XML; some still read.
  EXPECT_GT(refused, 750);
  EXPECT_GT(read, 0);
}
