// Typing, character and paragraph formats, breaks and the header page number.
#include <QTextBlock>
#include <QTextLayout>
#include <climits>

#include "EngineFixture.h"
#include "engine/PageLayout.h"

namespace engine_testing {
namespace {

using TypingTest = EngineTest;

TEST_F(TypingTest, NewDocumentHasTheDefaultTemplate) {
  const engine::DocumentInfo d = info();
  ASSERT_EQ(d.paragraphs.size(), 1u);
  EXPECT_EQ(d.paragraphs[0].text, QString());
  EXPECT_EQ(d.sections, 1);
  EXPECT_EQ(d.pageCount, 1);
  EXPECT_FALSE(d.headerPageNumbers);
  EXPECT_EQ(sel->Font()->Name(), QStringLiteral("Calibri"));
  EXPECT_DOUBLE_EQ(sel->Font()->Size(), 11.0);
  const engine::DocumentModel& model = engine::documentModel(doc);
  EXPECT_DOUBLE_EQ(model.page.pageWidth, 612);
  EXPECT_DOUBLE_EQ(model.page.pageHeight, 792);
  EXPECT_DOUBLE_EQ(model.page.leftMargin, 72);
  EXPECT_DOUBLE_EQ(model.page.headerDistance, 36);
  EXPECT_DOUBLE_EQ(engine::paragraphValues(QTextBlockFormat()).spaceAfter, 0);
}

TEST_F(TypingTest, ApplicationAnswersItsOwnNameAndConversions) {
  EXPECT_EQ(app->Name(), QStringLiteral("Halvenor Writer"));
  EXPECT_NE(app->Name(), QStringLiteral("Microsoft Word"));
  EXPECT_DOUBLE_EQ(app->LinesToPoints(1.3), 15.6);
  EXPECT_DOUBLE_EQ(app->InchesToPoints(0.25), 18.0);
  app->SetDisplayAlerts(0);
  EXPECT_EQ(app->DisplayAlerts(), 0);
  EXPECT_EQ(app->Documents()->Count(), 1);
}

TEST_F(TypingTest, TextKeepsTabsAndRunsKeepTheirFormats) {
  sel->Font()->SetName(QStringLiteral("Garamond"));
  typeFormatted(QStringLiteral("II\tExecutive Summary"), 0, true, 16, 1);
  typeFormatted(QStringLiteral("Body text."), 2, false, 11, 0);
  const engine::DocumentInfo d = info();
  ASSERT_EQ(d.paragraphs.size(), 3u);
  EXPECT_EQ(d.paragraphs[0].text, QStringLiteral("II\tExecutive Summary"));
  EXPECT_EQ(d.paragraphs[0].alignment, 1);
  ASSERT_EQ(d.paragraphs[0].runs.size(), 1u);
  EXPECT_TRUE(d.paragraphs[0].runs[0].bold);
  EXPECT_DOUBLE_EQ(d.paragraphs[0].runs[0].size, 16);
  EXPECT_EQ(d.paragraphs[0].runs[0].fontName, QStringLiteral("Garamond"));
  // The empty paragraph between the blocks keeps the earlier block's alignment.
  EXPECT_EQ(d.paragraphs[1].text, QString());
  EXPECT_EQ(d.paragraphs[1].alignment, 1);
  EXPECT_EQ(d.paragraphs[2].text, QStringLiteral("Body text."));
  EXPECT_EQ(d.paragraphs[2].alignment, 0);
  ASSERT_EQ(d.paragraphs[2].runs.size(), 1u);
  EXPECT_FALSE(d.paragraphs[2].runs[0].bold);
  EXPECT_DOUBLE_EQ(d.paragraphs[2].runs[0].size, 11);
  EXPECT_EQ(d.paragraphs[2].runs[0].fontName, QStringLiteral("Garamond"));
}

TEST_F(TypingTest, TypeTextContinuesTheParagraphAndSplitsAtLineBreaks) {
  sel->TypeText(QStringLiteral("one "));
  sel->TypeText(QStringLiteral("two"));
  sel->TypeText(QStringLiteral("\r\nthree\nfour"));
  const engine::DocumentInfo d = info();
  ASSERT_EQ(d.paragraphs.size(), 3u);
  EXPECT_EQ(d.paragraphs[0].text, QStringLiteral("one two"));
  EXPECT_EQ(d.paragraphs[1].text, QStringLiteral("three"));
  EXPECT_EQ(d.paragraphs[2].text, QStringLiteral("four"));
}

// Characters the text store reserves, and those a saved file cannot hold.
TEST_F(TypingTest, ReservedCharactersAreDroppedNotStored) {
  sel->TypeText(QString::fromUtf16(u"a\uFDD0b\uFDD1c") + QChar(0) + QStringLiteral("d") +
                QChar(0x01) + QChar(0xFFFE) + QChar(0xD800) + QChar(0x1F) +
                QString::fromUtf16(u"e\U0001F600"));
  const engine::DocumentInfo d = info();
  ASSERT_EQ(d.paragraphs.size(), 1u);
  EXPECT_EQ(d.paragraphs[0].text, QString::fromUtf16(u"abcde\U0001F600"));
  EXPECT_TRUE(d.tables.empty());
}

TEST_F(TypingTest, LineSpacingAndParagraphValuesCarryIntoNewParagraphs) {
  sel->ParagraphFormat()->SetLineSpacingRule(word::wdLineSpaceMultiple);
  sel->ParagraphFormat()->SetLineSpacing(app->LinesToPoints(1.3));
  sel->ParagraphFormat()->SetSpaceBeforeAuto(word::wdFalse);
  sel->ParagraphFormat()->SetSpaceAfterAuto(word::wdTrue);
  sel->ParagraphFormat()->SetFirstLineIndent(app->InchesToPoints(-0.5));
  sel->ParagraphFormat()->SetLeftIndent(app->InchesToPoints(1));
  sel->TypeText(QStringLiteral("first"));
  sel->TypeParagraph();
  sel->TypeText(QStringLiteral("second"));
  const engine::DocumentInfo d = info();
  ASSERT_EQ(d.paragraphs.size(), 2u);
  for (const engine::ParagraphInfo& p : d.paragraphs) {
    EXPECT_EQ(p.lineSpacingRule, 5);
    EXPECT_DOUBLE_EQ(p.lineSpacing, 15.6);
    EXPECT_FALSE(p.spaceBeforeAuto);
    EXPECT_TRUE(p.spaceAfterAuto);
    EXPECT_DOUBLE_EQ(p.firstLineIndent, -36);
    EXPECT_DOUBLE_EQ(p.leftIndent, 72);
  }
}

// The distance between the first two lines of the document's last paragraph, in points.
double linePitch(const word::Ref<word::Document>& doc) {
  const engine::DocumentModel& model = engine::documentModel(doc);
  engine::settleLayout(model);  // edits are laid out when asked for, not as they come
  const QTextLayout* layout = model.text()->lastBlock().layout();
  if (!layout || layout->lineCount() < 2) return 0;
  return layout->lineAt(1).y() - layout->lineAt(0).y();
}

TEST_F(TypingTest, LinesAreSpacedAsWordSpacesThem) {
  const QString longText = QStringLiteral(
      "A paragraph long enough to wrap over several lines of the page, so that the distance "
      "between its lines can be measured from the layout of the document as it stands.");
  sel->ParagraphFormat()->SetLineSpacingRule(word::wdLineSpaceSingle);
  sel->TypeText(longText);
  // Calibri's single line at 11 points is 13.43 points in Word.
  const double single = linePitch(doc);
  EXPECT_NEAR(single, 13.43, 0.3);
  sel->TypeParagraph();
  sel->ParagraphFormat()->SetLineSpacingRule(word::wdLineSpaceMultiple);
  sel->ParagraphFormat()->SetLineSpacing(app->LinesToPoints(1.3));
  sel->TypeText(longText);
  EXPECT_NEAR(linePitch(doc) / single, 1.3, 0.02);
}

TEST_F(TypingTest, TabStopPositionMovesAnExistingStopOrAddsOne) {
  sel->ParagraphFormat()->TabStops(app->InchesToPoints(1))->SetPosition(app->InchesToPoints(1));
  EXPECT_EQ(info().paragraphs[0].tabStops, std::vector<double>({72}));
  // Moving the stop at 1 inch to half an inch replaces it.
  sel->ParagraphFormat()->TabStops(72)->SetPosition(36);
  EXPECT_EQ(info().paragraphs[0].tabStops, std::vector<double>({36}));
  // A position without a stop adds one.
  sel->ParagraphFormat()->TabStops(144)->SetPosition(108);
  EXPECT_EQ(info().paragraphs[0].tabStops, std::vector<double>({36, 108}));
  EXPECT_DOUBLE_EQ(sel->ParagraphFormat()->TabStops(144)->Position(), 144);
}

TEST_F(TypingTest, SectionBreakStartsANewPageAndSection) {
  sel->TypeText(QStringLiteral("cover"));
  sel->InsertBreak(word::wdSectionBreakNextPage);
  sel->TypeText(QStringLiteral("II\tsummary"));
  sel->InsertBreak(word::wdSectionBreakNextPage);
  sel->TypeText(QStringLiteral("III\tmore"));
  const engine::DocumentInfo d = info();
  ASSERT_EQ(d.paragraphs.size(), 3u);
  EXPECT_EQ(d.sections, 3);
  EXPECT_EQ(d.paragraphs[0].section, 1);
  EXPECT_EQ(d.paragraphs[1].section, 2);
  EXPECT_EQ(d.paragraphs[2].section, 3);
  EXPECT_EQ(d.pageCount, 3);
  EXPECT_EQ(doc->BuiltInDocumentProperties(word::wdPropertyPages).toInt(), 3);
  // A paragraph typed after the heading stays in its section.
  sel->TypeParagraph();
  EXPECT_EQ(info().paragraphs.back().section, 3);
  EXPECT_EQ(info().pageCount, 3);
}

TEST_F(TypingTest, PageNumbersGoIntoThePrimaryHeader) {
  sel->Sections(1)->Headers(word::wdHeaderFooterPrimary)->PageNumbers()->Add(2, true);
  const engine::DocumentInfo d = info();
  EXPECT_TRUE(d.headerPageNumbers);
  EXPECT_EQ(d.pageNumberAlignment, 2);
  EXPECT_TRUE(d.pageNumberOnFirstPage);
  EXPECT_THROW(sel->Sections(2), word::AutomationError);
  EXPECT_THROW(sel->Sections(1)->Headers(4), word::AutomationError);
}

TEST_F(TypingTest, LongTextFlowsOntoMorePages) {
  for (int i = 0; i < 120; ++i)
    typeFormatted(QStringLiteral("Paragraph %1 of guidance text.").arg(i), 1, false, 11, 0);
  const int pages = info().pageCount;
  EXPECT_GE(pages, 3);
  doc->Repaginate();
  EXPECT_EQ(doc->BuiltInDocumentProperties(word::wdPropertyPages).toInt(), pages);
}

TEST_F(TypingTest, EveryMemberAnnouncesItself) {
  std::vector<std::string> calls;
  word::ScopedCallHook hook([&](const char* member) { calls.emplace_back(member); });
  sel->TypeText(QStringLiteral("x"));
  sel->TypeParagraph();
  sel->Font()->SetBold(word::wdTrue);
  EXPECT_EQ(calls, (std::vector<std::string>{"Selection.TypeText", "Selection.TypeParagraph",
                                             "Selection.Font", "Font.Bold"}));
}

TEST_F(TypingTest, NegativeCountsMoveTheOtherWayAndAnnounceOnce) {
  sel->TypeText(QStringLiteral("abc"));
  sel->TypeParagraph();
  sel->TypeText(QStringLiteral("def"));
  std::vector<std::string> calls;
  word::ScopedCallHook hook([&](const char* member) { calls.emplace_back(member); });
  // The smallest count there is moves as far as the story allows, leftwards.
  EXPECT_EQ(sel->MoveRight(word::wdCharacter, INT_MIN, word::wdMove), 7);
  EXPECT_EQ(sel->MoveLeft(word::wdCharacter, -2, word::wdExtend), 2);
  EXPECT_EQ(sel->Range()->Text(), QStringLiteral("ab"));
  EXPECT_EQ(sel->MoveUp(word::wdLine, INT_MIN, word::wdMove), 1);
  EXPECT_EQ(sel->MoveDown(word::wdLine, -5, word::wdMove), 1);
  EXPECT_EQ(calls, (std::vector<std::string>{"Selection.MoveRight", "Selection.MoveLeft",
                                             "Selection.Range", "Range.Text", "Selection.MoveUp",
                                             "Selection.MoveDown"}));
}

TEST_F(TypingTest, AFailingMemberChangesNothing) {
  word::ScopedCallHook hook([](const char* member) {
    if (std::string(member) == "Selection.TypeText")
      throw word::AutomationError(QStringLiteral("scripted failure"));
  });
  EXPECT_THROW(sel->TypeText(QStringLiteral("lost")), word::AutomationError);
  EXPECT_EQ(info().paragraphs[0].text, QString());
}

}  // namespace
}  // namespace engine_testing
