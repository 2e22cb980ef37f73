// Word-like failures: closed documents, a quit application, empty references, values out
// of range, documents that cannot be opened. None of them crashes or changes the text.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "EngineFixture.h"

namespace engine_testing {
namespace {

using ErrorsTest = EngineTest;

QString descriptionOf(const std::function<void()>& call) {
  try {
    call();
  } catch (const word::AutomationError& e) {
    return e.description();
  }
  return QStringLiteral("<no error>");
}

TEST_F(ErrorsTest, EmptyReferencesSayObjectVariableNotSet) {
  word::Ref<word::Selection> nothing;
  EXPECT_EQ(descriptionOf([&] { nothing->TypeText(QStringLiteral("x")); }),
            QStringLiteral("Object variable not set"));
  EXPECT_THROW(doc->Tables()->Add(word::Ref<word::Range>(), 2, 2, 1, 0), word::AutomationError);
  EXPECT_TRUE(info().tables.empty());
}

TEST_F(ErrorsTest, AClosedDocumentAnswersEveryCallWithAnError) {
  word::Ref<word::Font> font = sel->Font();
  doc->Close(word::wdDoNotSaveChanges);
  EXPECT_EQ(descriptionOf([&] { sel->TypeText(QStringLiteral("x")); }),
            QStringLiteral("Object has been deleted."));
  EXPECT_THROW(font->SetBold(word::wdTrue), word::AutomationError);
  EXPECT_THROW(doc->Range(), word::AutomationError);
  EXPECT_THROW(doc->Close(word::wdDoNotSaveChanges), word::AutomationError);
  EXPECT_THROW(engine::inspect(doc), word::AutomationError);
  EXPECT_EQ(app->Documents()->Count(), 0);
  EXPECT_THROW(app->ActiveDocument(), word::AutomationError);
  EXPECT_THROW(app->Selection(), word::AutomationError);
}

TEST_F(ErrorsTest, AfterQuitNothingAnswers) {
  app->Quit();
  EXPECT_THROW(app->Documents(), word::AutomationError);
  EXPECT_THROW(app->Name(), word::AutomationError);
  EXPECT_THROW(sel->TypeParagraph(), word::AutomationError);
  EXPECT_THROW(doc->ActiveWindow(), word::AutomationError);
  app.release();
}

TEST_F(ErrorsTest, ValuesOutOfRangeAreRefused) {
  EXPECT_EQ(descriptionOf([&] { sel->Font()->SetSize(0); }), QStringLiteral("Value out of range"));
  EXPECT_THROW(sel->Font()->SetSize(5000), word::AutomationError);
  EXPECT_THROW(sel->ParagraphFormat()->SetAlignment(12), word::AutomationError);
  EXPECT_THROW(sel->ParagraphFormat()->SetLineSpacingRule(-1), word::AutomationError);
  EXPECT_THROW(sel->ParagraphFormat()->SetLineSpacing(0), word::AutomationError);
  EXPECT_THROW(sel->ParagraphFormat()->SetLeftIndent(qQNaN()), word::AutomationError);
  EXPECT_THROW(sel->ParagraphFormat()->TabStops(10000), word::AutomationError);
  EXPECT_THROW(sel->InsertBreak(99), word::AutomationError);
  EXPECT_THROW(sel->MoveRight(99, 1, 0), word::AutomationError);
  EXPECT_THROW(sel->MoveDown(word::wdLine, 1, 5), word::AutomationError);
  EXPECT_THROW(sel->Sections(0), word::AutomationError);
  EXPECT_THROW(sel->Range()->ListFormat()->RemoveNumbers(0), word::AutomationError);
  EXPECT_EQ(descriptionOf([&] { doc->BuiltInDocumentProperties(99); }),
            QStringLiteral("The requested member of the collection does not exist."));
  const engine::DocumentInfo d = info();
  EXPECT_EQ(d.paragraphs.size(), 1u);
  EXPECT_EQ(d.paragraphs[0].alignment, 0);
  EXPECT_DOUBLE_EQ(sel->Font()->Size(), 11);
}

TEST_F(ErrorsTest, MovesPastTheDocumentEndsStopThere) {
  sel->TypeText(QStringLiteral("ab"));
  EXPECT_EQ(sel->MoveRight(word::wdCharacter, 10, word::wdMove), 0);
  EXPECT_EQ(sel->MoveLeft(word::wdCharacter, 10, word::wdMove), 2);
  EXPECT_EQ(sel->MoveUp(word::wdLine, 3, word::wdMove), 0);
  EXPECT_EQ(sel->MoveDown(word::wdLine, 3, word::wdMove), 0);
  sel->TypeText(QStringLiteral(">"));
  EXPECT_EQ(info().paragraphs[0].text, QStringLiteral(">ab"));
}

TEST_F(ErrorsTest, OpeningWhatIsNotADocumentFailsClearly) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  EXPECT_THROW(app->Documents()->Open(dir.filePath(QStringLiteral("missing.doc"))),
               word::AutomationError);
  EXPECT_THROW(app->Documents()->Open(QString()), word::AutomationError);
  EXPECT_THROW(app->Documents()->Open(dir.path()), word::AutomationError);
  QFile junk(dir.filePath(QStringLiteral("junk.doc")));
  ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
  junk.write("this is not a document");
  junk.close();
  EXPECT_THROW(app->Documents()->Open(junk.fileName()), word::AutomationError);
  // The documents collection is as it was.
  EXPECT_EQ(app->Documents()->Count(), 1);
  EXPECT_EQ(engine::inspect(app->ActiveDocument()).paragraphs.size(), 1u);
}

TEST_F(ErrorsTest, ClosingSavesOnlyWhenAskedAndOnlyWithAFileName) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  sel->TypeText(QStringLiteral("first"));
  EXPECT_THROW(doc->Close(word::wdSaveChanges), word::AutomationError);
  const QString path = dir.filePath(QStringLiteral("kept.doc"));
  doc->SaveAs(path);
  sel->TypeText(QStringLiteral(" and more"));
  doc->Close(word::wdSaveChanges);
  word::Ref<word::Document> opened = app->Documents()->Open(path);
  EXPECT_EQ(engine::inspect(opened).paragraphs.at(0).text, QStringLiteral("first and more"));
  opened->ActiveWindow()->Selection()->TypeText(QStringLiteral("lost "));
  opened->Close(word::wdDoNotSaveChanges);
  opened = app->Documents()->Open(path);
  EXPECT_EQ(engine::inspect(opened).paragraphs.at(0).text, QStringLiteral("first and more"));
}

TEST_F(ErrorsTest, SaveAndOpenGiveBackTheDocument) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  sel->Sections(1)->Headers(1)->PageNumbers()->Add(2, true);
  sel->Font()->SetName(QStringLiteral("Garamond"));
  sel->TypeText(QStringLiteral("I\tTitle"));
  sel->InsertBreak(word::wdSectionBreakNextPage);
  sel->TypeText(QStringLiteral("II\tNext"));
  const QString path = dir.filePath(QStringLiteral("tovlan12345678.doc"));
  doc->SaveAs(path);
  EXPECT_THROW(doc->SaveAs(QString()), word::AutomationError);
  app->SetDisplayAlerts(0);
  doc->Close();
  word::Ref<word::Document> opened = app->Documents()->Open(path);
  const engine::DocumentInfo d = engine::inspect(opened);
  ASSERT_EQ(d.paragraphs.size(), 2u);
  EXPECT_EQ(d.paragraphs[0].text, QStringLiteral("I\tTitle"));
  EXPECT_EQ(d.paragraphs[1].text, QStringLiteral("II\tNext"));
  EXPECT_EQ(d.sections, 2);
  EXPECT_EQ(d.pageCount, 2);
  EXPECT_TRUE(d.headerPageNumbers);
  EXPECT_EQ(d.paragraphs[0].runs.at(0).fontName, QStringLiteral("Garamond"));
  EXPECT_EQ(app->ActiveDocument()->BuiltInDocumentProperties(14).toInt(), 2);
}

}  // namespace
}  // namespace engine_testing
