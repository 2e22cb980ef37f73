// Pages: count, page pictures, and the copy-then-delete-first-page passes that page
// rendering makes, each of which must show the page as laid out before any deletion.
#include <climits>

#include "EngineFixture.h"
#include "base/ClipboardPicture.h"
#include "engine/PageLayout.h"

namespace engine_testing {
namespace {

class PagesTest : public EngineTest {
 protected:
  // A document of several pages: sections, body text, a list and a table long enough to
  // cross a page boundary.
  void typePlanLikeDocument() {
    sel->Sections(1)->Headers(1)->PageNumbers()->Add(word::wdAlignPageNumberRight, true);
    sel->Font()->SetName(QStringLiteral("Garamond"));
    sel->ParagraphFormat()->SetLineSpacingRule(word::wdLineSpaceMultiple);
    sel->ParagraphFormat()->SetLineSpacing(app->LinesToPoints(1.3));
    typeFormatted(QStringLiteral("Business Plan"), 2, true, 20, 1);
    sel->InsertBreak(word::wdSectionBreakNextPage);
    typeFormatted(QStringLiteral("II\tExecutive Summary"), 0, true, 16, 1);
    for (int i = 0; i < 12; ++i)
      typeFormatted(QStringLiteral("Guidance paragraph %1: describe the business, its market and "
                                   "its plans in a few clear sentences for the reader.")
                        .arg(i),
                    2, false, 11, 0);
    word::Ref<word::ListTemplate> t = doc->ListTemplates()->Add(false, QStringLiteral("my list1"));
    t->ListLevels(1)->SetNumberFormat(QString(QChar(0xF0B7)));
    t->ListLevels(1)->SetNumberPosition(18);
    t->ListLevels(1)->SetTextPosition(36);
    t->ListLevels(1)->SetTabPosition(36);
    t->ListLevels(1)->Font()->SetName(QStringLiteral("Symbol"));
    sel->TypeParagraph();
    sel->Range()->ListFormat()->ApplyListTemplate(t, false, 2, 2);
    for (int i = 0; i < 6; ++i) {
      sel->TypeText(QStringLiteral("List item %1").arg(i));
      sel->TypeParagraph();
    }
    sel->Range()->ListFormat()->RemoveNumbers(1);
    sel->Paragraphs()->Outdent();
    typeFormatted(QStringLiteral("Table 1:  Competitive Analysis"), 2, true, 11, 0);
    word::Ref<word::Table> table = doc->Tables()->Add(sel->Range(), 15, 7, 1, 0);
    for (int r = 1; r <= 15; ++r) table->Rows(r)->SetHeight(23.35, 1);
    sel->TypeText(QStringLiteral("FACTOR"));
    for (int r = 2; r <= 15; ++r) {
      sel->MoveDown(word::wdLine, 1, word::wdMove);
      sel->TypeText(QStringLiteral("Factor %1").arg(r));
    }
    sel->MoveDown(word::wdLine, 1, word::wdMove);
    for (int i = 0; i < 20; ++i)
      typeFormatted(QStringLiteral("Closing paragraph %1 with enough words to fill a line or so of "
                                   "the page.")
                        .arg(i),
                    2, false, 11, 0);
  }
};

TEST_F(PagesTest, GoToWithExtremeCountsStaysWithinTheDocument) {
  sel->TypeText(QStringLiteral("one"));
  sel->InsertBreak(word::wdSectionBreakNextPage);
  sel->TypeText(QStringLiteral("two"));
  sel->InsertBreak(word::wdSectionBreakNextPage);
  sel->TypeText(QStringLiteral("three"));
  ASSERT_EQ(info().pageCount, 3);
  auto markHere = [&](const QString& mark) { sel->TypeText(mark); };
  sel->HomeKey(word::wdStory, word::wdMove);
  sel->GoTo(word::wdGoToPage, word::wdGoToNext, INT_MAX, QVariant());
  markHere(QStringLiteral("a"));
  sel->GoTo(word::wdGoToPage, word::wdGoToAbsolute, INT_MIN, QVariant());
  markHere(QStringLiteral("b"));
  sel->GoTo(word::wdGoToPage, word::wdGoToAbsolute, INT_MAX, QVariant());
  markHere(QStringLiteral("c"));
  sel->GoTo(word::wdGoToPage, 3 /* previous */, INT_MAX, QVariant());
  markHere(QStringLiteral("d"));
  const engine::DocumentInfo d = info();
  ASSERT_EQ(d.paragraphs.size(), 3u);
  EXPECT_EQ(d.paragraphs[0].text, QStringLiteral("dbone"));
  EXPECT_EQ(d.paragraphs[1].text, QStringLiteral("two"));
  EXPECT_EQ(d.paragraphs[2].text, QStringLiteral("cathree"));
}

TEST_F(PagesTest, PagePictureIsTheWholePageOnWhite) {
  sel->TypeText(QStringLiteral("Hello"));
  const QPicture picture = engine::drawPage(doc, 0);
  EXPECT_EQ(picture.boundingRect(), QRect(0, 0, 612, 792));
  const QImage image = render(picture);
  EXPECT_EQ(image.pixel(5, 5), qRgb(255, 255, 255));
  // Text starts at the one-inch margins.
  EXPECT_GT(darkPixels(image, QRect(72, 72, 60, 24)), 0);
  EXPECT_EQ(darkPixels(image, QRect(0, 0, 70, 792)), 0);
  // No page numbers were asked for: the header stays empty.
  EXPECT_EQ(darkPixels(image, QRect(0, 0, 612, 70)), 0);
}

TEST_F(PagesTest, HeaderShowsThePageNumberAtTheRight) {
  sel->Sections(1)->Headers(1)->PageNumbers()->Add(word::wdAlignPageNumberRight, true);
  sel->TypeText(QStringLiteral("one"));
  sel->InsertBreak(word::wdSectionBreakNextPage);
  sel->TypeText(QStringLiteral("two"));
  const QImage first = render(engine::drawPage(doc, 0));
  const QImage second = render(engine::drawPage(doc, 1));
  const QRect numberArea(500, 30, 45, 30);
  EXPECT_GT(darkPixels(first, numberArea), 0);
  EXPECT_GT(darkPixels(second, numberArea), 0);
  EXPECT_EQ(darkPixels(first, QRect(72, 30, 400, 30)), 0);
  // "1" and "2" differ.
  EXPECT_NE(first.copy(numberArea), second.copy(numberArea));
}

TEST_F(PagesTest, EachPassPictureEqualsThePageAsLaidOutBeforeAnyDeletion) {
  typePlanLikeDocument();
  doc->Repaginate();
  const int pages = doc->BuiltInDocumentProperties(word::wdPropertyPages).toInt();
  ASSERT_GE(pages, 4);
  std::vector<QImage> direct;
  for (int p = 0; p < pages; ++p) direct.push_back(render(engine::drawPage(doc, p)));
  // The table crosses from one page to the next.
  const engine::DocumentInfo before = info();
  ASSERT_EQ(before.tables.size(), 1u);

  // Page rendering reopens nothing here: it works on the same open document, with the
  // application's selection, exactly as it does on an opened one.
  word::Ref<word::Selection> appSelection = app->Selection();
  appSelection->HomeKey(word::wdStory, word::wdMove);  // where an opened document starts
  for (int n = 1; n <= pages; ++n) {
    app->ActiveDocument()->Range()->CopyAsPicture();
    const std::optional<QPicture> picture = base::GetClipboardPicture(0);
    ASSERT_TRUE(picture.has_value()) << "pass " << n;
    EXPECT_EQ(picture->boundingRect(), QRect(0, 0, 612, 792));
    EXPECT_TRUE(render(*picture) == direct[n - 1]) << "pass " << n << " differs from page " << n;
    if (n < pages) {
      appSelection->GoTo(word::wdGoToPage, word::wdGoToNext, QVariant(), 2);
      appSelection->HomeKey(word::wdStory, word::wdExtend);
      appSelection->Delete(word::wdCharacter, 1);
      EXPECT_EQ(doc->BuiltInDocumentProperties(word::wdPropertyPages).toInt(), pages - n);
    }
  }
  app->ActiveDocument()->Close(word::wdDoNotSaveChanges);
}

TEST_F(PagesTest, PassesThroughALongTableSplitAcrossPages) {
  sel->Sections(1)->Headers(1)->PageNumbers()->Add(word::wdAlignPageNumberRight, true);
  sel->TypeText(QStringLiteral("Before the table"));
  sel->TypeParagraph();
  doc->Tables()->Add(sel->Range(), 110, 3, 1, 0);
  for (int r = 1; r <= 110; ++r) {
    sel->TypeText(QStringLiteral("Row %1").arg(r));
    sel->MoveDown(word::wdLine, 1, word::wdMove);
  }
  sel->TypeText(QStringLiteral("After the table"));
  doc->Repaginate();
  const int pages = doc->BuiltInDocumentProperties(word::wdPropertyPages).toInt();
  ASSERT_GE(pages, 3);
  std::vector<QImage> direct;
  for (int p = 0; p < pages; ++p) direct.push_back(render(engine::drawPage(doc, p)));
  word::Ref<word::Selection> s = app->Selection();
  s->HomeKey(word::wdStory, word::wdMove);
  for (int n = 1; n <= pages; ++n) {
    doc->Range()->CopyAsPicture();
    const std::optional<QPicture> picture = base::GetClipboardPicture(0);
    ASSERT_TRUE(picture.has_value());
    EXPECT_TRUE(render(*picture) == direct[n - 1]) << "pass " << n;
    if (n < pages) {
      s->GoTo(word::wdGoToPage, word::wdGoToNext, QVariant(), 2);
      s->HomeKey(word::wdStory, word::wdExtend);
      EXPECT_EQ(s->Delete(word::wdCharacter, 1), 1);
      EXPECT_EQ(doc->BuiltInDocumentProperties(word::wdPropertyPages).toInt(), pages - n);
    }
  }
}

TEST_F(PagesTest, ACloneDrawsTheSamePagesAndIsIndependent) {
  typePlanLikeDocument();
  const engine::DocumentModel& model = engine::documentModel(doc);
  engine::DocumentModel copy = model.clone();
  ASSERT_EQ(engine::pageCount(copy), engine::pageCount(model));
  for (int p = 0; p < engine::pageCount(model); ++p)
    EXPECT_TRUE(render(engine::drawPage(copy, p)) == render(engine::drawPage(model, p))) << p;
  EXPECT_EQ(engine::inspect(copy).tables.size(), 1u);
  sel->TypeText(QStringLiteral("only in the original"));
  EXPECT_NE(engine::inspect(copy).paragraphs.back().text, info().paragraphs.back().text);
}

TEST_F(PagesTest, DistinctPagesGiveDistinctPictures) {
  typePlanLikeDocument();
  const int pages = info().pageCount;
  for (int p = 1; p < pages; ++p)
    EXPECT_FALSE(render(engine::drawPage(doc, p - 1)) == render(engine::drawPage(doc, p))) << p;
  // Outside the document: a blank page.
  const QImage blank = render(engine::drawPage(doc, pages));
  EXPECT_EQ(darkPixels(blank, blank.rect()), 0);
}

TEST_F(PagesTest, EditingAfterAPageRemovalMakesTheRemovalReal) {
  sel->TypeText(QStringLiteral("first page"));
  sel->InsertBreak(word::wdSectionBreakNextPage);
  sel->TypeText(QStringLiteral("second page"));
  word::Ref<word::Selection> s = app->Selection();
  s->HomeKey(word::wdStory, word::wdMove);
  s->GoTo(word::wdGoToPage, word::wdGoToNext, QVariant(), 2);
  s->HomeKey(word::wdStory, word::wdExtend);
  s->Delete(word::wdCharacter, 1);
  EXPECT_EQ(doc->BuiltInDocumentProperties(word::wdPropertyPages).toInt(), 1);
  s->EndKey(word::wdStory, word::wdMove);
  s->TypeText(QStringLiteral("!"));
  const engine::DocumentInfo d = info();
  ASSERT_EQ(d.paragraphs.size(), 1u);
  EXPECT_EQ(d.paragraphs[0].text, QStringLiteral("second page!"));
  EXPECT_EQ(d.pageCount, 1);
}

TEST_F(PagesTest, ADeleteThatIsNotAWholeLeadingPageDeletesText) {
  sel->TypeText(QStringLiteral("abcdef"));
  sel->HomeKey(word::wdStory, word::wdMove);
  EXPECT_EQ(sel->Delete(word::wdCharacter, 2), 2);
  sel->MoveRight(word::wdCharacter, 2, word::wdExtend);
  EXPECT_EQ(sel->Delete(word::wdCharacter, 1), 1);
  EXPECT_EQ(info().paragraphs[0].text, QStringLiteral("ef"));
}

}  // namespace
}  // namespace engine_testing
