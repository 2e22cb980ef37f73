// A saved and reopened document lays out exactly as the one that was typed: the page
// pictures that the preview renders from the temporary file are those of the plan.
#include <QTemporaryDir>

#include "EngineFixture.h"

namespace engine_testing {
namespace {

using SavedPagesTest = EngineTest;

TEST_F(SavedPagesTest, ReopenedDocumentDrawsTheSamePages) {
  sel->Sections(1)->Headers(1)->PageNumbers()->Add(word::wdAlignPageNumberRight, true);
  sel->Font()->SetName(QStringLiteral("Garamond"));
  sel->ParagraphFormat()->SetLineSpacingRule(word::wdLineSpaceMultiple);
  sel->ParagraphFormat()->SetLineSpacing(app->LinesToPoints(1.3));
  typeFormatted(QStringLiteral("Title"), 2, true, 20, 1);
  // Empty paragraphs take their height from their mark's font, here 20 points.
  for (int i = 0; i < 5; ++i) sel->TypeParagraph();
  typeFormatted(QStringLiteral("OWNERS"), 2, true, 14, 0);
  sel->InsertBreak(word::wdSectionBreakNextPage);
  typeFormatted(QStringLiteral("II\tSummary"), 0, true, 16, 1);
  word::Ref<word::ListTemplate> list = doc->ListTemplates()->Add(false, QStringLiteral("my list1"));
  word::Ref<word::ListLevel> level = list->ListLevels(1);
  level->SetNumberFormat(QString(QChar(0xF0B7)));
  level->SetNumberPosition(18);
  level->SetTextPosition(36);
  level->SetTabPosition(36);
  level->Font()->SetName(QStringLiteral("Symbol"));
  typeFormatted(QStringLiteral("Body text long enough to wrap around the line at least once or "
                               "twice across the width of the page."),
                2, false, 11, 0);
  sel->TypeParagraph();
  sel->Range()->ListFormat()->ApplyListTemplate(list, false, 2, 2);
  sel->TypeText(QStringLiteral("item one"));
  sel->TypeParagraph();
  sel->Range()->ListFormat()->ListIndent();
  sel->TypeText(QStringLiteral("nested"));
  sel->TypeParagraph();
  sel->Range()->ListFormat()->RemoveNumbers(1);
  sel->Paragraphs()->Outdent();
  sel->Paragraphs()->Outdent();
  typeFormatted(QStringLiteral("Table:"), 2, true, 11, 0);
  word::Ref<word::Table> table = doc->Tables()->Add(sel->Range(), 4, 2, 1, 0);
  table->Columns(1)->SetWidth(130);
  table->Columns(2)->SetWidth(130);
  for (int r = 1; r <= 4; ++r) table->Rows(r)->SetHeight(23.35, 1);
  sel->MoveRight(word::wdCell, 2, word::wdMove);
  sel->TypeText(QStringLiteral("Breakeven Sales          ="));
  sel->MoveDown(word::wdLine, 1, word::wdExtend);
  sel->Cells()->Merge();
  sel->MoveRight(word::wdCell, 1, word::wdMove);
  sel->TypeText(QStringLiteral("Fixed Cost"));
  sel->Cells()->Shading()->SetBackgroundPatternColor(word::wdColorGray25);
  sel->MoveDown(word::wdLine, 3, word::wdMove);
  sel->TypeText(QStringLiteral("after"));

  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QString path = dir.filePath(QStringLiteral("plan.doc"));
  doc->SaveAs(path);
  word::Ref<word::Document> opened = app->Documents()->Open(path);
  const engine::DocumentInfo typed = info();
  const engine::DocumentInfo reread = engine::inspect(opened);
  ASSERT_EQ(reread.pageCount, typed.pageCount);
  ASSERT_EQ(reread.paragraphs.size(), typed.paragraphs.size());
  for (int p = 0; p < typed.pageCount; ++p)
    EXPECT_TRUE(render(engine::drawPage(doc, p)) == render(engine::drawPage(opened, p)))
        << "page " << p + 1;
}

}  // namespace
}  // namespace engine_testing
