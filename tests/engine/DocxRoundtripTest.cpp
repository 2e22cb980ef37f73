// Saving a document and opening it again gives the same document.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextTable>

#include "DocxTestDocuments.h"
#include "engine/Docx.h"
#include "word/Automation.h"
#include "word/WordConstants.h"

using namespace engine;
using namespace docx_test;

namespace {

DocumentModel roundTrip(const DocumentModel& model, const QString& name) {
  const QString path = scratchPath(name);
  saveDocx(model, path);
  return loadDocx(path);
}

}  // namespace

TEST(DocxRoundTrip, SamplePlanComesBackEqual) {
  const DocumentModel original = samplePlan();
  const DocumentModel loaded = roundTrip(original, QStringLiteral("plan.docx"));
  const QStringList diff = differences(original, loaded);
  EXPECT_TRUE(diff.isEmpty()) << diff.join('\n').toStdString();

  // The comparison itself must notice a change, or the test above proves nothing.
  DocumentModel changed = loaded.clone();
  QTextCursor cursor(changed.text());
  cursor.movePosition(QTextCursor::End);
  cursor.insertText(QStringLiteral("x"));
  EXPECT_FALSE(differences(original, changed).isEmpty());
}

TEST(DocxRoundTrip, SavingTwiceGivesTheSameDocument) {
  const DocumentModel once = roundTrip(samplePlan(), QStringLiteral("once.docx"));
  const DocumentModel twice = roundTrip(once, QStringLiteral("twice.docx"));
  const QStringList diff = differences(once, twice);
  EXPECT_TRUE(diff.isEmpty()) << diff.join('\n').toStdString();
}

TEST(DocxRoundTrip, EmptyDocumentAndDefaults) {
  const DocumentModel empty;
  const DocumentModel loaded = roundTrip(empty, QStringLiteral("empty.docx"));
  const QStringList diff = differences(empty, loaded);
  EXPECT_TRUE(diff.isEmpty()) << diff.join('\n').toStdString();
  EXPECT_EQ(loaded.text()->blockCount(), 1);
  EXPECT_FALSE(loaded.header.pageNumbers);
}

TEST(DocxRoundTrip, ExtensionDoesNotMatter) {
  const DocumentModel original = samplePlan();
  const DocumentModel loaded = roundTrip(original, QStringLiteral("tovlan12345678.doc"));
  EXPECT_TRUE(differences(original, loaded).isEmpty());
}

TEST(DocxRoundTrip, MergedAndShadedCellsSurvive) {
  const DocumentModel loaded = roundTrip(samplePlan(), QStringLiteral("cells.docx"));
  std::vector<QTextTable*> tables;
  for (QTextFrame* frame : loaded.text()->rootFrame()->childFrames())
    if (auto* table = qobject_cast<QTextTable*>(frame)) tables.push_back(table);
  ASSERT_EQ(tables.size(), 2u);
  EXPECT_EQ(tables[0]->rows(), 15);
  EXPECT_EQ(tables[0]->columns(), 7);
  const CellValues head = cellValues(tables[0]->cellAt(0, 3).format().toTableCellFormat());
  EXPECT_TRUE(head.shaded);
  EXPECT_EQ(head.backgroundColor, word::wdColorGray25);
  EXPECT_FALSE(cellValues(tables[0]->cellAt(1, 3).format().toTableCellFormat()).shaded);
  const QTextTableCell merged = tables[1]->cellAt(2, 0);
  EXPECT_EQ(merged.row(), 1);
  EXPECT_EQ(merged.rowSpan(), 2);
  EXPECT_EQ(tables[1]->cellAt(1, 1).rowSpan(), 1);
  const TableValues values = tableValues(tables[0]->format());
  ASSERT_EQ(values.rowHeightRules.size(), 15);
  EXPECT_EQ(values.rowHeightRules[0], word::wdRowHeightAtLeast);
  EXPECT_DOUBLE_EQ(values.rowHeights[0], 30.0);
  EXPECT_EQ(values.style, QStringLiteral("Table Grid"));
}

TEST(DocxRoundTrip, SpecialCharactersAreEscapedAndForbiddenOnesDropped) {
  DocumentModel model;
  ModelBuilder build(model);
  const QString face = QStringLiteral("\U0001F600 e\u0301 \u00A0 <b>&amp;\"'");
  QString hostile = QStringLiteral("a") + QChar(0x01) + QStringLiteral("b") + QChar(0xFFFE) +
                    QChar(0xD800) + QStringLiteral("c") + QChar(0x1F) + QStringLiteral("\td");
  build.paragraph(planParagraph(), {{run(false, 11), face}, {run(true, 12), hostile}});
  const DocumentModel loaded = roundTrip(model, QStringLiteral("chars.docx"));
  EXPECT_EQ(loaded.text()->firstBlock().text(), face + QStringLiteral("abc\td"));
}

TEST(DocxRoundTrip, PageNumbersHiddenOnFirstPageAndOtherAlignments) {
  for (int alignment : {word::wdAlignPageNumberLeft, word::wdAlignPageNumberCenter}) {
    DocumentModel model;
    model.header.pageNumbers = true;
    model.header.alignment = alignment;
    model.header.firstPage = false;
    const DocumentModel loaded = roundTrip(model, QStringLiteral("header.docx"));
    EXPECT_TRUE(loaded.header.pageNumbers);
    EXPECT_EQ(loaded.header.alignment, alignment);
    EXPECT_FALSE(loaded.header.firstPage);
  }
}

TEST(DocxRoundTrip, LineSpacingRulesAndIndents) {
  DocumentModel model;
  ModelBuilder build(model);
  const std::pair<int, double> rules[] = {{0, 12}, {1, 18}, {2, 24}, {3, 20}, {4, 14.5}, {5, 15.6}};
  for (const auto& [rule, points] : rules) {
    ParagraphValues values = planParagraph();
    values.lineSpacingRule = rule;
    values.lineSpacing = points;
    values.leftIndent = 36 * rule;
    values.firstLineIndent = rule % 2 ? -18 : 9;
    values.spaceBefore = 6;
    values.spaceAfter = rule;
    build.paragraph(values, {{run(false, 10.5), QStringLiteral("rule %1").arg(rule)}});
  }
  const DocumentModel loaded = roundTrip(model, QStringLiteral("spacing.docx"));
  const QStringList diff = differences(model, loaded);
  EXPECT_TRUE(diff.isEmpty()) << diff.join('\n').toStdString();
}

TEST(DocxRoundTrip, OtherTableStylesAndNoStyleKeepTheirNames) {
  DocumentModel model;
  ModelBuilder build(model);
  TableValues plain;
  plain.style = QString();
  plain.columnWidths = {100, 100};
  plain.rowHeights = {0};
  plain.rowHeightRules = {0};
  build.table(plain, 1, 2, [](int, int) { return QStringLiteral("x"); });
  build.paragraph(planParagraph(), {});
  TableValues named = plain;
  named.style = QStringLiteral("Light List");
  build.table(named, 1, 2, [](int, int) { return QStringLiteral("y"); });
  build.paragraph(planParagraph(), {});
  const DocumentModel loaded = roundTrip(model, QStringLiteral("styles.docx"));
  const QStringList diff = differences(model, loaded);
  EXPECT_TRUE(diff.isEmpty()) << diff.join('\n').toStdString();
}

TEST(DocxSave, FailedSaveLeavesNoFileAndKeepsTheOldOne) {
  const DocumentModel model = samplePlan();
  // A folder that does not exist: the save fails with a message and creates nothing.
  const QString missing = scratchPath(QStringLiteral("no/such/folder/plan.docx"));
  try {
    saveDocx(model, missing);
    FAIL() << "saving into a missing folder succeeded";
  } catch (const word::AutomationError& error) {
    EXPECT_TRUE(error.description().contains(QStringLiteral("Could not save")))
        << error.description().toStdString();
  }
  EXPECT_FALSE(QFileInfo::exists(missing));

  // A target that is a folder: refused, and the folder is untouched.
  const QString folder = scratchPath(QStringLiteral("a-folder.docx"));
  QDir().mkpath(folder);
  EXPECT_THROW(saveDocx(model, folder), word::AutomationError);
  EXPECT_TRUE(QFileInfo(folder).isDir());

  // Overwriting replaces the whole file and leaves no temporary files beside it.
  const QString path = scratchPath(QStringLiteral("replace/plan.docx"));
  QDir().mkpath(QFileInfo(path).path());
  {
    QFile old(path);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write(QByteArray(1 << 20, 'x'));
  }
  saveDocx(model, path);
  EXPECT_LT(QFileInfo(path).size(), 1 << 20);
  EXPECT_TRUE(differences(model, loadDocx(path)).isEmpty());
  EXPECT_EQ(QDir(QFileInfo(path).path()).entryList(QDir::Files | QDir::Hidden).size(), 1);
}

TEST(DocxSave, EmptyFileNameIsRefused) {
  EXPECT_THROW(saveDocx(DocumentModel(), QString()), word::AutomationError);
}
