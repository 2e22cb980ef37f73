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

#include "docx_test_documents.h"
#include "engine/Docx.h"
#include "engine/DocxPackage.h"
#include "word/Automation.h"

using namespace engine;
using namespace docx_test;

namespace {

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

void writeFile(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
  file.write(bytes);
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
