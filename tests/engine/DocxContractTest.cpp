// A document typed through the Word contract, saved with SaveAs and opened again with
// Documents.Open, is the same document: text, formats, lists, tables and sections.
#include <QFile>
#include <QFileInfo>

#include "DocxTestDocuments.h"
#include "EngineFixture.h"
#include "word/WordConstants.h"

namespace engine_testing {
namespace {

using namespace word;

class DocxContractTest : public EngineTest {
 protected:
  Ref<ListTemplate> bulletTemplate(const QString& name, const QString& bullet,
                                   const QString& font) {
    Ref<ListTemplate> tmpl = doc->ListTemplates()->Add(false, name);
    Ref<ListLevel> level = tmpl->ListLevels(1);
    level->SetNumberFormat(bullet);
    level->SetTrailingCharacter(wdTrailingTab);
    level->SetNumberStyle(wdListNumberStyleBullet);
    level->SetNumberPosition(app->InchesToPoints(0.25));
    level->SetAlignment(wdListLevelAlignLeft);
    level->SetTextPosition(app->InchesToPoints(0.5));
    level->SetTabPosition(app->InchesToPoints(0.5));
    level->SetResetOnHigher(0);
    level->SetStartAt(1);
    Ref<Font> f = level->Font();
    f->SetBold(wdUndefined);
    f->SetItalic(wdUndefined);
    f->SetSize(wdUndefined);
    f->SetName(font);
    level->SetLinkedStyle(QString());
    return tmpl;
  }

  void listItem(const QString& text) {
    sel->TypeText(text);
    sel->TypeParagraph();
  }

  // The plan's opening, lists on two levels with both templates, the 15x7 shaded table
  // and the 4x2 table with a merge, in three sections.
  void typePlan() {
    sel->Sections(1)
        ->Headers(wdHeaderFooterPrimary)
        ->PageNumbers()
        ->Add(wdAlignPageNumberRight, true);
    sel->Font()->SetBold(wdTrue);
    sel->Font()->SetName(QStringLiteral("Garamond"));
    sel->ParagraphFormat()->SetLineSpacingRule(wdLineSpaceMultiple);
    sel->ParagraphFormat()->SetLineSpacing(app->LinesToPoints(1.3));
    typeFormatted(QStringLiteral("Business Plan"), 2, true, 20, wdAlignParagraphCenter);
    typeFormatted(QStringLiteral("I.\tIntroduction\t........1"), 2, false, 11,
                  wdAlignParagraphLeft);

    sel->InsertBreak(wdSectionBreakNextPage);
    typeFormatted(QStringLiteral("II\tMarket Research"), 0, true, 16, wdAlignParagraphCenter);
    typeFormatted(QStringLiteral("Facts about your industry:"), 2, false, 11, wdAlignParagraphLeft);
    const Ref<ListTemplate> list1 = bulletTemplate(
        QStringLiteral("my list1"), QString(QChar(kSymbolBullet)), QStringLiteral("Symbol"));
    const Ref<ListTemplate> list2 = bulletTemplate(QStringLiteral("my list2"), QStringLiteral("o"),
                                                   QStringLiteral("Courier New"));
    sel->TypeParagraph();
    sel->Range()->ListFormat()->ApplyListTemplate(list1, false, wdListApplyToThisPointForward,
                                                  wdWord10ListBehavior);
    listItem(QStringLiteral("What is the total size of your market?"));
    sel->Range()->ListFormat()->ListIndent();
    listItem(QStringLiteral("What percent share do you have?"));
    sel->Range()->ListFormat()->ApplyListTemplate(list2, false, wdListApplyToThisPointForward,
                                                  wdWord10ListBehavior);
    listItem(QStringLiteral("Current demand in target market."));
    sel->Range()->ListFormat()->ListOutdent();
    listItem(QStringLiteral("Trends in target market."));
    sel->Range()->ListFormat()->RemoveNumbers(wdNumberParagraph);
    sel->Paragraphs()->Outdent();

    typeFormatted(QStringLiteral("Table 1:  Competitive Analysis"), 2, true, 11,
                  wdAlignParagraphLeft);
    sel->TypeParagraph();
    Ref<Table> table = app->ActiveDocument()->Tables()->Add(sel->Range(), 15, 7,
                                                            wdWord9TableBehavior, wdAutoFitFixed);
    for (int column : {5, 6, 7}) table->Columns(column)->SetWidth(80);
    for (int row = 1; row <= 15; ++row) table->Rows(row)->SetHeight(23.35, wdRowHeightAtLeast);
    if (table->Style() != QStringLiteral("Table Grid"))
      table->SetStyle(QStringLiteral("Table Grid"));
    table->SetApplyStyleHeadingRows(true);
    table->SetApplyStyleLastRow(true);
    table->SetApplyStyleFirstColumn(true);
    table->SetApplyStyleLastColumn(true);
    sel->TypeText(QStringLiteral("FACTOR"));
    for (const char* head :
         {"Me", "Strength", "Weakness", "Competitor A", "Competitor B", "Importance to customer"}) {
      sel->MoveRight(wdCell, 1);
      sel->TypeText(QString::fromLatin1(head));
    }
    sel->MoveRight(wdCell, 1);
    sel->TypeText(QStringLiteral("Products"));
    sel->MoveUp(wdLine, 1);
    sel->MoveRight(wdCharacter, 2);
    sel->MoveRight(wdCharacter, 8, wdExtend);
    sel->Cells()->Shading()->SetTexture(wdTextureNone);
    sel->Cells()->Shading()->SetForegroundPatternColor(wdColorAutomatic);
    sel->Cells()->Shading()->SetBackgroundPatternColor(wdColorGray25);
    sel->MoveDown(wdLine, 1);
    sel->MoveLeft(wdCharacter, 1);
    sel->MoveDown(wdLine, 1);
    for (const char* factor :
         {"Price", "Quantity", "Selection", "Service", "Reliability", "Stability", "Expertise",
          "Company Reputation", "Location", "Appearance", "Sales Method", "Credit Policies",
          "Advertising", "Image"}) {
      sel->TypeText(QString::fromLatin1(factor));
      sel->MoveDown(wdLine, 1);
    }
    sel->MoveDown(wdLine, 5);  // leaves the table
    typeFormatted(QStringLiteral("Now, write a short paragraph."), 2, false, 11,
                  wdAlignParagraphLeft);

    sel->InsertBreak(wdSectionBreakNextPage);
    typeFormatted(QStringLiteral("XI\tAppendices"), 0, true, 16, wdAlignParagraphCenter);
    sel->TypeParagraph();
    Ref<Table> breakEven = app->ActiveDocument()->Tables()->Add(
        sel->Range(), 4, 2, wdWord9TableBehavior, wdAutoFitFixed);
    breakEven->Columns(1)->SetWidth(130);
    breakEven->Columns(2)->SetWidth(130);
    if (breakEven->Style() != QStringLiteral("Table Grid"))
      breakEven->SetStyle(QStringLiteral("Table Grid"));
    sel->MoveRight(wdCell, 2);
    sel->TypeText(QStringLiteral("Breakeven Sales          ="));
    sel->MoveDown(wdLine, 1, wdExtend);
    sel->Cells()->Merge();
    sel->MoveRight(wdCell, 1);
    sel->TypeText(QStringLiteral("Fixed Cost"));
    sel->MoveDown(wdLine, 1);
    sel->TypeText(QStringLiteral("1 - Variable Cost"));
    sel->MoveDown(wdLine, 2);
    typeFormatted(QStringLiteral("The end."), 2, false, 11, wdAlignParagraphLeft);
  }
};

void expectSameInfo(const engine::DocumentInfo& a, const engine::DocumentInfo& b) {
  EXPECT_EQ(a.sections, b.sections);
  EXPECT_EQ(a.headerPageNumbers, b.headerPageNumbers);
  EXPECT_EQ(a.pageNumberAlignment, b.pageNumberAlignment);
  EXPECT_EQ(a.pageNumberOnFirstPage, b.pageNumberOnFirstPage);
  ASSERT_EQ(a.paragraphs.size(), b.paragraphs.size());
  for (size_t i = 0; i < a.paragraphs.size(); ++i) {
    const auto &p = a.paragraphs[i], &q = b.paragraphs[i];
    SCOPED_TRACE(p.text.toStdString());
    EXPECT_EQ(p.text, q.text);
    EXPECT_EQ(p.alignment, q.alignment);
    EXPECT_EQ(p.lineSpacingRule, q.lineSpacingRule);
    EXPECT_NEAR(p.lineSpacing, q.lineSpacing, 0.05);
    EXPECT_NEAR(p.leftIndent, q.leftIndent, 0.05);
    EXPECT_NEAR(p.firstLineIndent, q.firstLineIndent, 0.05);
    EXPECT_EQ(p.listTemplate, q.listTemplate);
    EXPECT_EQ(p.listLevel, q.listLevel);
    EXPECT_EQ(p.section, q.section);
    EXPECT_EQ(p.table, q.table);
    EXPECT_EQ(p.row, q.row);
    EXPECT_EQ(p.column, q.column);
    ASSERT_EQ(p.runs.size(), q.runs.size());
    for (size_t r = 0; r < p.runs.size(); ++r) {
      EXPECT_EQ(p.runs[r].text, q.runs[r].text);
      EXPECT_EQ(p.runs[r].bold, q.runs[r].bold);
      EXPECT_DOUBLE_EQ(p.runs[r].size, q.runs[r].size);
      EXPECT_EQ(p.runs[r].fontName, q.runs[r].fontName);
    }
  }
  ASSERT_EQ(a.tables.size(), b.tables.size());
  for (size_t t = 0; t < a.tables.size(); ++t) {
    const auto &x = a.tables[t], &y = b.tables[t];
    EXPECT_EQ(x.rows, y.rows);
    EXPECT_EQ(x.columns, y.columns);
    EXPECT_EQ(x.style, y.style);
    EXPECT_EQ(x.applyHeadingRows, y.applyHeadingRows);
    EXPECT_EQ(x.applyLastRow, y.applyLastRow);
    EXPECT_EQ(x.applyFirstColumn, y.applyFirstColumn);
    EXPECT_EQ(x.applyLastColumn, y.applyLastColumn);
    ASSERT_EQ(x.columnWidths.size(), y.columnWidths.size());
    for (size_t c = 0; c < x.columnWidths.size(); ++c)
      EXPECT_NEAR(x.columnWidths[c], y.columnWidths[c], 0.05);
    EXPECT_EQ(x.rowHeightRules, y.rowHeightRules);
    ASSERT_EQ(x.cells.size(), y.cells.size());
    for (size_t r = 0; r < x.cells.size(); ++r) {
      ASSERT_EQ(x.cells[r].size(), y.cells[r].size());
      for (size_t c = 0; c < x.cells[r].size(); ++c) {
        const auto &u = x.cells[r][c], &v = y.cells[r][c];
        EXPECT_EQ(u.text, v.text) << r << "," << c;
        EXPECT_EQ(u.shaded, v.shaded) << r << "," << c;
        EXPECT_EQ(u.backgroundColor, v.backgroundColor) << r << "," << c;
        EXPECT_EQ(u.rowSpan, v.rowSpan) << r << "," << c;
        EXPECT_EQ(u.columnSpan, v.columnSpan) << r << "," << c;
        EXPECT_EQ(u.coveredByMerge, v.coveredByMerge) << r << "," << c;
      }
    }
  }
}

TEST_F(DocxContractTest, TypedPlanSurvivesSaveAsAndOpen) {
  typePlan();
  const engine::DocumentInfo typed = info();
  // The typed document holds what the checks below rely on.
  ASSERT_EQ(typed.tables.size(), 2u);
  EXPECT_TRUE(typed.tables[0].cells[0][1].shaded);
  EXPECT_EQ(typed.tables[1].cells[1][0].rowSpan, 2);
  EXPECT_EQ(typed.sections, 3);

  const QString path = docx_test::scratchPath(QStringLiteral("contract.doc"));
  doc->SaveAs(path);
  ASSERT_TRUE(QFileInfo::exists(path));
  Ref<Document> opened = app->Documents()->Open(path);
  const engine::DocumentInfo read = engine::inspect(opened);
  expectSameInfo(typed, read);

  // Lengths come back to the twip, the file's unit, as Word keeps them.
  const QStringList diff =
      docx_test::differences(engine::documentModel(doc), engine::documentModel(opened));
  EXPECT_TRUE(diff.isEmpty()) << diff.join('\n').toStdString();
  EXPECT_GE(read.pageCount, 3);
}

TEST_F(DocxContractTest, OpeningABrokenFileFailsWithADescription) {
  const QString path = docx_test::scratchPath(QStringLiteral("broken.doc"));
  {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("PK\x03\x04 definitely not a whole package");
  }
  try {
    app->Documents()->Open(path);
    FAIL() << "a broken file opened";
  } catch (const AutomationError& error) {
    EXPECT_TRUE(error.description().contains(QStringLiteral("broken.doc")))
        << error.description().toStdString();
  }
}

}  // namespace
}  // namespace engine_testing
