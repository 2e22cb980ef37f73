// Whatever the object model accepts, a saved document holds in a form that opens again.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "EngineFixture.h"
#include "word/WordConstants.h"

using namespace engine_testing;

namespace {

class SavedValuesTest : public EngineTest {
 protected:
  // Saves the document and opens it in the same instance; the opened document.
  word::Ref<word::Document> saveAndReopen() {
    const QString path = dir.filePath(QStringLiteral("saved.docx"));
    doc->SaveAs(path);
    return app->Documents()->Open(path);
  }
  QTemporaryDir dir;
};

TEST_F(SavedValuesTest, DeepIndentReopens) {
  sel->TypeText(QStringLiteral("far right"));
  // Indenting stops at 22 inches, the largest indent LeftIndent itself accepts.
  for (int i = 0; i < 100; ++i) sel->Paragraphs()->Indent();
  EXPECT_DOUBLE_EQ(info().paragraphs.at(0).leftIndent, 1584.0);
  word::Ref<word::Document> reopened;
  ASSERT_NO_THROW(reopened = saveAndReopen());
  EXPECT_DOUBLE_EQ(engine::inspect(reopened).paragraphs.at(0).leftIndent, 1584.0);
  // Outdenting from there goes back in whole steps.
  sel->Paragraphs()->Outdent();
  EXPECT_DOUBLE_EQ(info().paragraphs.at(0).leftIndent, 1548.0);
}

TEST_F(SavedValuesTest, IndentNeverMovesADeepListItemBack) {
  auto tmpl = doc->ListTemplates()->Add(false, QStringLiteral("far"));
  tmpl->ListLevels(1)->SetTextPosition(1584);
  sel->TypeText(QStringLiteral("deep"));
  sel->Range()->ListFormat()->ApplyListTemplate(tmpl, false, word::wdListApplyToThisPointForward,
                                                word::wdWord10ListBehavior);
  for (int i = 0; i < 8; ++i) sel->Range()->ListFormat()->ListIndent();
  const double deep = info().paragraphs.at(0).leftIndent;
  ASSERT_GT(deep, 1584.0);
  sel->Paragraphs()->Indent();
  EXPECT_DOUBLE_EQ(info().paragraphs.at(0).leftIndent, deep);
  word::Ref<word::Document> reopened;
  ASSERT_NO_THROW(reopened = saveAndReopen());
  EXPECT_DOUBLE_EQ(engine::inspect(reopened).paragraphs.at(0).leftIndent, deep);
}

TEST_F(SavedValuesTest, ListLevelNumbersOutOfRangeAreRefused) {
  auto tmpl = doc->ListTemplates()->Add(false, QStringLiteral("numbers"));
  auto level = tmpl->ListLevels(2);
  EXPECT_THROW(level->SetStartAt(-1), word::AutomationError);
  EXPECT_THROW(level->SetStartAt(40000), word::AutomationError);
  EXPECT_THROW(level->SetResetOnHigher(10), word::AutomationError);
  EXPECT_THROW(level->SetResetOnHigher(-1), word::AutomationError);
  level->SetStartAt(0);
  level->SetStartAt(32767);
  level->SetResetOnHigher(1);
  EXPECT_NO_THROW(saveAndReopen());
}

TEST_F(SavedValuesTest, ManyTabStopsReopen) {
  sel->TypeText(QStringLiteral("tabs"));
  sel->TypeParagraph();
  sel->TypeText(QStringLiteral("more tabs"));
  // Both paragraphs selected: the second has room for one stop less than the first.
  sel->ParagraphFormat()->TabStops(0)->SetPosition(700);
  sel->HomeKey(word::wdStory, word::wdExtend);
  for (int i = 0; i < 63; ++i) sel->ParagraphFormat()->TabStops(0)->SetPosition(6.0 * (i + 1));
  EXPECT_EQ(info().paragraphs.at(0).tabStops.size(), 63u);
  EXPECT_EQ(info().paragraphs.at(1).tabStops.size(), 64u);
  // A 65th stop on the second paragraph is refused, and neither paragraph changes.
  EXPECT_THROW(sel->ParagraphFormat()->TabStops(0)->SetPosition(600), word::AutomationError);
  EXPECT_EQ(info().paragraphs.at(0).tabStops.size(), 63u);
  EXPECT_EQ(info().paragraphs.at(1).tabStops.size(), 64u);
  // Moving an existing stop is still allowed at the limit.
  EXPECT_NO_THROW(sel->ParagraphFormat()->TabStops(6)->SetPosition(3));
  word::Ref<word::Document> reopened;
  ASSERT_NO_THROW(reopened = saveAndReopen());
  EXPECT_EQ(engine::inspect(reopened).paragraphs.at(1).tabStops.size(), 64u);
}

}  // namespace

namespace {

TEST_F(SavedValuesTest, SavingKeepsTheFilesPrivateMode) {
  const QString path = dir.filePath(QStringLiteral("private.docx"));
  {
    QFile reserved(path);
    ASSERT_TRUE(reserved.open(QIODevice::WriteOnly | QIODevice::NewOnly));
    ASSERT_TRUE(reserved.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner));
  }
  sel->TypeText(QStringLiteral("private"));
  doc->SaveAs(path);
  EXPECT_EQ(QFile(path).permissions() & (QFileDevice::ReadGroup | QFileDevice::ReadOther |
                                         QFileDevice::WriteGroup | QFileDevice::WriteOther),
            QFileDevice::Permissions());
  EXPECT_GT(QFileInfo(path).size(), 0);
}

}  // namespace
