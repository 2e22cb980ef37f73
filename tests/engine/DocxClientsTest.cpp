// Programs that nobody here wrote open what saveDocx writes: python-docx reads the same
// paragraphs, runs and tables, and LibreOffice converts it to a PDF with pages.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRegularExpression>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>
#include <QUrl>

#include "DocxTestDocuments.h"
#include "engine/Docx.h"
#include "support/ExternalProgram.h"
#include "word/WordConstants.h"

using namespace engine;
using namespace docx_test;

namespace {

const QString kPython = QStringLiteral("/usr/bin/python3");
const QString kChecker = QStringLiteral(HALVENOR_SOURCE_DIR "/tests/engine/python/check_docx.py");

using Result = testing_support::ProgramOutput;

// LibreOffice draws the fonts the documents name with the faces our layout uses.
Result run(const QString& program, const QStringList& arguments, int timeoutMs) {
  return testing_support::runProgram(
      program, arguments, timeoutMs,
      {QStringLiteral("FONTCONFIG_FILE=" HALVENOR_SOURCE_DIR "/tests/fontconfig/fonts.conf")});
}

bool pythonDocxPresent() {
  if (!QFileInfo(kPython).isExecutable()) return false;
  return run(kPython, {QStringLiteral("-c"), QStringLiteral("import docx")}, 60000).exitCode == 0;
}

// The model's body paragraphs (outside tables), in order.
std::vector<QTextBlock> bodyParagraphs(const DocumentModel& model) {
  std::vector<QTextBlock> blocks;
  QTextFrame* root = model.text()->rootFrame();
  for (auto it = root->begin(); !it.atEnd(); ++it)
    if (!it.currentFrame()) blocks.push_back(it.currentBlock());
  return blocks;
}

}  // namespace

TEST(DocxClients, PythonDocxReadsParagraphsRunsAndTables) {
  if (!pythonDocxPresent()) GTEST_SKIP() << "python-docx for /usr/bin/python3 is not installed";
  const DocumentModel model = samplePlan();
  const QString path = scratchPath(QStringLiteral("python.docx"));
  saveDocx(model, path);
  const Result result = run(kPython, {kChecker, path}, 120000);
  ASSERT_EQ(result.exitCode, 0) << result.err.toStdString();
  const QJsonObject seen = QJsonDocument::fromJson(result.out).object();
  ASSERT_FALSE(seen.isEmpty()) << result.out.toStdString();

  const std::vector<QTextBlock> blocks = bodyParagraphs(model);
  const QJsonArray paragraphs = seen.value(QStringLiteral("paragraphs")).toArray();
  ASSERT_EQ(static_cast<size_t>(paragraphs.size()), blocks.size());
  for (size_t i = 0; i < blocks.size(); ++i) {
    const QJsonObject paragraph = paragraphs[static_cast<int>(i)].toObject();
    SCOPED_TRACE(blocks[i].text().toStdString());
    EXPECT_EQ(paragraph.value(QStringLiteral("text")).toString(), blocks[i].text());
    // Each run python-docx sees carries the bold and size of the text it covers.
    const QJsonArray runs = paragraph.value(QStringLiteral("runs")).toArray();
    int offset = 0;
    for (const QJsonValue& value : runs) {
      const QJsonObject seenRun = value.toObject();
      const QString text = seenRun.value(QStringLiteral("text")).toString();
      QTextCursor cursor(blocks[i]);
      cursor.setPosition(blocks[i].position() + offset + 1);
      const RunValues expected = runValues(cursor.charFormat());
      EXPECT_EQ(seenRun.value(QStringLiteral("bold")).toBool(), expected.bold)
          << text.toStdString();
      EXPECT_DOUBLE_EQ(seenRun.value(QStringLiteral("size")).toDouble(), expected.size);
      EXPECT_EQ(seenRun.value(QStringLiteral("font")).toString(), expected.fontName);
      offset += static_cast<int>(text.size());
    }
    EXPECT_EQ(offset, blocks[i].text().size());
  }

  std::vector<QTextTable*> tables;
  for (QTextFrame* frame : model.text()->rootFrame()->childFrames())
    if (auto* table = qobject_cast<QTextTable*>(frame)) tables.push_back(table);
  const QJsonArray seenTables = seen.value(QStringLiteral("tables")).toArray();
  ASSERT_EQ(static_cast<size_t>(seenTables.size()), tables.size());
  for (size_t t = 0; t < tables.size(); ++t) {
    const QJsonArray rows = seenTables[static_cast<int>(t)].toArray();
    ASSERT_EQ(rows.size(), tables[t]->rows());
    for (int r = 0; r < tables[t]->rows(); ++r) {
      const QJsonArray cells = rows[r].toArray();
      ASSERT_EQ(cells.size(), tables[t]->columns());
      for (int c = 0; c < tables[t]->columns(); ++c) {
        // A merged cell shows its one text in every grid position it covers.
        const QTextTableCell cell = tables[t]->cellAt(r, c);
        QTextCursor first = cell.firstCursorPosition(), last = cell.lastCursorPosition();
        first.setPosition(last.position(), QTextCursor::KeepAnchor);
        EXPECT_EQ(cells[c].toString(), first.selectedText())
            << "table " << t << " cell " << r << "," << c;
      }
    }
  }
  EXPECT_EQ(seen.value(QStringLiteral("sections")).toInt(), 3);
}

TEST(DocxClients, LibreOfficeConvertsToAPdfWithPages) {
  const QString soffice = QStringLiteral("/usr/bin/soffice");
  const QString pdfinfo = QStringLiteral("/usr/bin/pdfinfo");
  if (!QFileInfo(soffice).isExecutable() || !QFileInfo(pdfinfo).isExecutable())
    GTEST_SKIP() << "LibreOffice or pdfinfo is not installed";
  const QString path = scratchPath(QStringLiteral("office.docx"));
  saveDocx(samplePlan(), path);
  const QString outDir = scratchPath(QStringLiteral("pdf"));
  QDir().mkpath(outDir);
  // A private profile, so the test neither needs nor touches a user's LibreOffice set-up.
  const QString profile = QUrl::fromLocalFile(scratchPath(QStringLiteral("lo-profile"))).toString();
  const Result converted =
      run(soffice,
          {QStringLiteral("-env:UserInstallation=") + profile, QStringLiteral("--headless"),
           QStringLiteral("--norestore"), QStringLiteral("--convert-to"), QStringLiteral("pdf"),
           QStringLiteral("--outdir"), outDir, path},
          240000);
  ASSERT_EQ(converted.exitCode, 0) << converted.err.toStdString();
  const QString pdf = outDir + QStringLiteral("/office.pdf");
  ASSERT_TRUE(QFileInfo::exists(pdf)) << converted.out.toStdString() << converted.err.toStdString();
  const Result info = run(pdfinfo, {pdf}, 60000);
  ASSERT_EQ(info.exitCode, 0) << info.err.toStdString();
  const QRegularExpressionMatch pages =
      QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(QString::fromUtf8(info.out));
  ASSERT_TRUE(pages.hasMatch()) << info.out.toStdString();
  // Three sections, each starting on a new page.
  EXPECT_GE(pages.captured(1).toInt(), 3);
}

TEST(DocxClients, WhatLibreOfficeSavesBackOpensWithTheSameText) {
  const QString soffice = QStringLiteral("/usr/bin/soffice");
  if (!QFileInfo(soffice).isExecutable()) GTEST_SKIP() << "LibreOffice is not installed";
  const DocumentModel model = samplePlan();
  const QString path = scratchPath(QStringLiteral("resave.docx"));
  saveDocx(model, path);
  const QString outDir = scratchPath(QStringLiteral("resaved"));
  QDir().mkpath(outDir);
  const QString profile = QUrl::fromLocalFile(scratchPath(QStringLiteral("lo-profile"))).toString();
  const Result converted =
      run(soffice,
          {QStringLiteral("-env:UserInstallation=") + profile, QStringLiteral("--headless"),
           QStringLiteral("--norestore"), QStringLiteral("--convert-to"),
           QStringLiteral("docx:MS Word 2007 XML"), QStringLiteral("--outdir"), outDir, path},
          240000);
  ASSERT_EQ(converted.exitCode, 0) << converted.err.toStdString();
  const DocumentModel resaved = loadDocx(outDir + QStringLiteral("/resave.docx"));

  // LibreOffice rewrites formats its own way; the text and the tables' cells stay.
  QStringList expectedTexts, seenTexts;
  for (const QTextBlock& block : bodyParagraphs(model))
    if (!block.text().isEmpty()) expectedTexts << block.text();
  for (const QTextBlock& block : bodyParagraphs(resaved))
    if (!block.text().isEmpty()) seenTexts << block.text();
  EXPECT_EQ(seenTexts, expectedTexts);
  std::vector<QTextTable*> tables;
  for (QTextFrame* frame : resaved.text()->rootFrame()->childFrames())
    if (auto* table = qobject_cast<QTextTable*>(frame)) tables.push_back(table);
  ASSERT_EQ(tables.size(), 2u);
  EXPECT_EQ(tables[0]->rows(), 15);
  EXPECT_EQ(tables[0]->columns(), 7);
  EXPECT_EQ(tables[1]->cellAt(2, 0).rowSpan(), 2);
  const CellValues head = cellValues(tables[0]->cellAt(0, 0).format().toTableCellFormat());
  EXPECT_EQ(head.backgroundColor, word::wdColorGray25);
}
