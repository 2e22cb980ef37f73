// List templates and list paragraphs: levels, indents, bullets, leaving a list.
#include "EngineFixture.h"
#include "DocxTestDocuments.h"
#include "engine/Docx.h"
#include "engine/FontSubstitutes.h"

namespace engine_testing {
namespace {

class ListsTest : public EngineTest {
 protected:
  void SetUp() override {
    EngineTest::SetUp();
    list1 = defineBulletTemplate(QStringLiteral("my list1"), QString(QChar(0xF0B7)),
                                 QStringLiteral("Symbol"));
    list2 = defineBulletTemplate(QStringLiteral("my list2"), QStringLiteral("o"),
                                 QStringLiteral("Courier New"));
  }
  // The level-1 bullet definition the plan gives its two templates.
  word::Ref<word::ListTemplate> defineBulletTemplate(const QString& name, const QString& bullet,
                                                     const QString& font) {
    word::Ref<word::ListTemplate> t = doc->ListTemplates()->Add(false, name);
    word::Ref<word::ListLevel> level = t->ListLevels(1);
    level->SetNumberFormat(bullet);
    level->SetTrailingCharacter(word::wdTrailingTab);
    level->SetNumberStyle(word::wdListNumberStyleBullet);
    level->SetNumberPosition(app->InchesToPoints(0.25));
    level->SetAlignment(word::wdListLevelAlignLeft);
    level->SetTextPosition(app->InchesToPoints(0.5));
    level->SetTabPosition(app->InchesToPoints(0.5));
    level->SetResetOnHigher(0);
    level->SetStartAt(1);
    word::Ref<word::Font> f = level->Font();
    f->SetBold(word::wdUndefined);
    f->SetItalic(word::wdUndefined);
    f->SetSize(word::wdUndefined);
    f->SetColor(word::wdUndefined);
    f->SetName(font);
    level->SetLinkedStyle(QString());
    return t;
  }
  void startList(const word::Ref<word::ListTemplate>& t) {
    sel->Range()->ListFormat()->ApplyListTemplate(t, false, word::wdListApplyToThisPointForward,
                                                  word::wdWord10ListBehavior);
  }
  void item(const QString& text) {
    sel->TypeText(text);
    sel->TypeParagraph();
  }
  word::Ref<word::ListTemplate> list1, list2;
};

TEST_F(ListsTest, TemplatesKeepEveryLevelOneValue) {
  const engine::ListTemplateDefinition* t =
      engine::documentModel(doc).findListTemplate(QStringLiteral("my list1"));
  ASSERT_NE(t, nullptr);
  const engine::ListLevelDefinition& l = t->levels[0];
  EXPECT_TRUE(l.defined);
  EXPECT_EQ(l.numberFormat, QString(QChar(0xF0B7)));
  EXPECT_EQ(l.numberStyle, 23);
  EXPECT_DOUBLE_EQ(l.numberPosition, 18);
  EXPECT_DOUBLE_EQ(l.textPosition, 36);
  EXPECT_DOUBLE_EQ(l.tabPosition, 36);
  EXPECT_EQ(l.font.bold, engine::kUndefined);
  EXPECT_EQ(l.font.color, engine::kUndefined);
  EXPECT_DOUBLE_EQ(l.font.size, engine::kUndefined);
  EXPECT_EQ(l.font.name, QStringLiteral("Symbol"));
  EXPECT_FALSE(t->levels[1].defined);
  EXPECT_EQ(list2->Name(), QStringLiteral("my list2"));
  // Levels nobody defined look like level 1, half an inch further in per level.
  const engine::ListLevelDefinition level3 = engine::effectiveListLevel(*t, 3);
  EXPECT_DOUBLE_EQ(level3.numberPosition, 90);
  EXPECT_DOUBLE_EQ(level3.textPosition, 108);
  EXPECT_EQ(level3.numberFormat, l.numberFormat);
  EXPECT_EQ(engine::displayBullet(l.numberFormat), QString(QChar(0x2022)));
}

TEST_F(ListsTest, ItemsContinueTheListAndIndentsFollowTheLevel) {
  sel->TypeParagraph();
  startList(list1);
  item(QStringLiteral("Age"));
  item(QStringLiteral("Gender"));
  const engine::DocumentInfo d = info();
  ASSERT_EQ(d.paragraphs.size(), 4u);
  EXPECT_TRUE(d.paragraphs[0].listTemplate.isEmpty());
  for (int i = 1; i <= 3; ++i) {
    EXPECT_EQ(d.paragraphs[i].listTemplate, QStringLiteral("my list1")) << i;
    EXPECT_EQ(d.paragraphs[i].listLevel, 1);
    EXPECT_DOUBLE_EQ(d.paragraphs[i].leftIndent, 36);
    EXPECT_DOUBLE_EQ(d.paragraphs[i].firstLineIndent, -18);
  }
}

TEST_F(ListsTest, NestedItemsAndTheWayOut) {
  startList(list1);
  item(QStringLiteral("question"));
  startList(list2);
  sel->Range()->ListFormat()->ListIndent();
  sel->Range()->ListFormat()->ListIndent();
  item(QStringLiteral("barrier"));
  startList(list1);
  sel->Range()->ListFormat()->ListOutdent();
  item(QStringLiteral("closing question"));
  // End list 2: the paragraph leaves the list and comes back to the margin.
  sel->Range()->ListFormat()->RemoveNumbers(word::wdNumberParagraph);
  sel->Paragraphs()->Outdent();
  sel->Paragraphs()->Outdent();
  sel->TypeText(QStringLiteral("after"));
  const engine::DocumentInfo d = info();
  ASSERT_EQ(d.paragraphs.size(), 4u);
  EXPECT_EQ(d.paragraphs[1].listTemplate, QStringLiteral("my list2"));
  EXPECT_EQ(d.paragraphs[1].listLevel, 3);
  EXPECT_DOUBLE_EQ(d.paragraphs[1].leftIndent, 108);
  EXPECT_EQ(d.paragraphs[2].listTemplate, QStringLiteral("my list1"));
  EXPECT_EQ(d.paragraphs[2].listLevel, 2);
  EXPECT_DOUBLE_EQ(d.paragraphs[2].leftIndent, 72);
  EXPECT_TRUE(d.paragraphs[3].listTemplate.isEmpty());
  EXPECT_EQ(d.paragraphs[3].listLevel, 0);
  EXPECT_DOUBLE_EQ(d.paragraphs[3].leftIndent, 0);
  EXPECT_DOUBLE_EQ(d.paragraphs[3].firstLineIndent, 0);
}

// A nested item whose first line the paragraph sets itself (as the plan's "Change in ..."
// items): the level gives the left indent, the paragraph the first line; leaving the list
// takes the level's indent away, so the text after it stands at the margin. Saved and
// read back, each indent keeps its source.
TEST_F(ListsTest, OwnIndentsOverrideTheLevelsAndOutliveTheList) {
  startList(list1);
  item(QStringLiteral("parent"));
  startList(list2);
  sel->Range()->ListFormat()->ListIndent();
  sel->Range()->ListFormat()->ListIndent();
  sel->ParagraphFormat()->SetFirstLineIndent(0);
  item(QStringLiteral("nested"));
  sel->Range()->ListFormat()->RemoveNumbers(word::wdNumberParagraph);
  sel->Paragraphs()->Outdent();
  sel->Paragraphs()->Outdent();
  sel->TypeText(QStringLiteral("after"));

  const QString path = docx_test::scratchPath(QStringLiteral("own-indents.docx"));
  engine::saveDocx(engine::documentModel(doc), path);
  const engine::DocumentModel loaded = engine::loadDocx(path);
  for (const engine::DocumentInfo& d : {info(), engine::inspect(loaded)}) {
    ASSERT_EQ(d.paragraphs.size(), 3u);
    EXPECT_DOUBLE_EQ(d.paragraphs[0].leftIndent, 36);
    EXPECT_DOUBLE_EQ(d.paragraphs[0].firstLineIndent, -18);
    EXPECT_EQ(d.paragraphs[1].listLevel, 3);
    EXPECT_DOUBLE_EQ(d.paragraphs[1].leftIndent, 108);     // the level's
    EXPECT_DOUBLE_EQ(d.paragraphs[1].firstLineIndent, 0);  // its own
    EXPECT_TRUE(d.paragraphs[2].listTemplate.isEmpty());
    EXPECT_DOUBLE_EQ(d.paragraphs[2].leftIndent, 0);
    EXPECT_DOUBLE_EQ(d.paragraphs[2].firstLineIndent, 0);
  }
  // A later List indent puts the nested item where its new level says, own indents gone.
  sel->MoveUp(word::wdLine, 1, word::wdMove);
  sel->Range()->ListFormat()->ListIndent();
  EXPECT_EQ(info().paragraphs[1].listLevel, 4);
  EXPECT_DOUBLE_EQ(info().paragraphs[1].leftIndent, 144);
  EXPECT_DOUBLE_EQ(info().paragraphs[1].firstLineIndent, -18);
}

TEST_F(ListsTest, IndentAndOutdentMoveByHalfAnInchAndStopAtTheMargin) {
  sel->Paragraphs()->Indent();
  sel->Paragraphs()->Indent();
  EXPECT_DOUBLE_EQ(info().paragraphs[0].leftIndent, 72);
  sel->Paragraphs()->Outdent();
  EXPECT_DOUBLE_EQ(info().paragraphs[0].leftIndent, 36);
  sel->Paragraphs()->Outdent();
  sel->Paragraphs()->Outdent();
  EXPECT_DOUBLE_EQ(info().paragraphs[0].leftIndent, 0);
  // List level moves outside a list change nothing.
  sel->Range()->ListFormat()->ListIndent();
  EXPECT_EQ(info().paragraphs[0].listLevel, 0);
  EXPECT_DOUBLE_EQ(info().paragraphs[0].leftIndent, 0);
}

TEST_F(ListsTest, BulletIsDrawnLeftOfTheTextOnlyInAList) {
  startList(list1);
  sel->TypeText(QStringLiteral("Item"));
  // The bullet sits at a quarter inch inside the margin (x 90 pt), the text at 108 pt.
  const QRect bulletArea(84, 72, 14, 24);
  const int inList = darkPixels(render(engine::drawPage(doc, 0)), bulletArea);
  EXPECT_GT(inList, 0);
  // An indent the paragraph sets itself outlives the list; the bullet does not.
  sel->ParagraphFormat()->SetLeftIndent(36);
  sel->Range()->ListFormat()->RemoveNumbers(word::wdNumberParagraph);
  EXPECT_DOUBLE_EQ(info().paragraphs[0].leftIndent, 36);
  EXPECT_DOUBLE_EQ(info().paragraphs[0].firstLineIndent, 0);
  EXPECT_EQ(darkPixels(render(engine::drawPage(doc, 0)), bulletArea), 0);
}

TEST_F(ListsTest, ApplyingFromThisPointForwardCoversTheRestOfTheList) {
  startList(list1);
  item(QStringLiteral("one"));
  item(QStringLiteral("two"));
  sel->TypeText(QStringLiteral("three"));
  sel->MoveUp(word::wdLine, 2, word::wdMove);
  startList(list2);
  const engine::DocumentInfo d = info();
  EXPECT_EQ(d.paragraphs[0].listTemplate, QStringLiteral("my list2"));
  EXPECT_EQ(d.paragraphs[1].listTemplate, QStringLiteral("my list2"));
  EXPECT_EQ(d.paragraphs[2].listTemplate, QStringLiteral("my list2"));
}

TEST_F(ListsTest, ApplyingToTheSelectionOrTheWholeListCoversJustThat) {
  startList(list1);
  item(QStringLiteral("one"));
  item(QStringLiteral("two"));
  sel->TypeText(QStringLiteral("three"));
  auto templates = [&] {
    QStringList names;
    for (const auto& p : info().paragraphs) names << p.listTemplate;
    return names.join(QLatin1Char(',')).toStdString();
  };
  const QString l1 = QStringLiteral("my list1"), l2 = QStringLiteral("my list2");
  // The middle item alone.
  sel->MoveUp(word::wdLine, 1, word::wdMove);
  sel->Range()->ListFormat()->ApplyListTemplate(list2, false, 1, word::wdWord10ListBehavior);
  EXPECT_EQ(templates(), QStringList({l1, l2, l1}).join(QLatin1Char(',')).toStdString());
  // The whole list around the insertion point, items before it included.
  sel->MoveDown(word::wdLine, 1, word::wdMove);
  sel->Range()->ListFormat()->ApplyListTemplate(list2, false, word::wdListApplyToWholeList,
                                                word::wdWord10ListBehavior);
  EXPECT_EQ(templates(), QStringList({l1, l2, l2}).join(QLatin1Char(',')).toStdString());
  sel->MoveUp(word::wdLine, 1, word::wdMove);
  sel->Range()->ListFormat()->ApplyListTemplate(list1, false, word::wdListApplyToWholeList,
                                                word::wdWord10ListBehavior);
  EXPECT_EQ(templates(), QStringList({l1, l1, l1}).join(QLatin1Char(',')).toStdString());
}

TEST_F(ListsTest, InvestorItemsKeepTheirPlaceAfterTheMovesUpAndDown) {
  sel->ParagraphFormat()->SetLineSpacingRule(word::wdLineSpaceMultiple);
  sel->ParagraphFormat()->SetLineSpacing(app->LinesToPoints(1.3));
  startList(list1);
  sel->TypeText(
      QStringLiteral("Investors have a different perspective. They are looking for "
                     "dramatic growth, and they expect to share in the profits:"));
  sel->ParagraphFormat()->SetFirstLineIndent(app->InchesToPoints(-0.75));
  sel->ParagraphFormat()->TabStops(app->InchesToPoints(1))->SetPosition(app->InchesToPoints(0.5));
  sel->ParagraphFormat()->SetLeftIndent(app->InchesToPoints(0.5));
  sel->ParagraphFormat()->SetFirstLineIndent(app->InchesToPoints(-0.25));
  sel->TypeParagraph();
  sel->Paragraphs()->Indent();
  sel->TypeText(QStringLiteral("Funds needed short-term"));
  sel->TypeParagraph();
  sel->TypeText(QStringLiteral("Funds needed in two to five years"));
  startList(list2);
  sel->MoveUp(word::wdLine, 2, word::wdMove);
  sel->Range()->ListFormat()->ListOutdent();
  startList(list1);
  sel->MoveDown(word::wdLine, 2, word::wdMove);
  sel->EndKey(word::wdLine, word::wdMove);
  sel->TypeParagraph();
  sel->TypeText(QStringLiteral("Estimated return on investment"));
  const engine::DocumentInfo d = info();
  ASSERT_EQ(d.paragraphs.size(), 4u);
  EXPECT_EQ(d.paragraphs[2].text, QStringLiteral("Funds needed in two to five years"));
  EXPECT_EQ(d.paragraphs[3].text, QStringLiteral("Estimated return on investment"));
  EXPECT_EQ(d.paragraphs[0].tabStops, std::vector<double>({36}));
  EXPECT_FALSE(d.paragraphs[3].listTemplate.isEmpty());
}

TEST_F(ListsTest, LevelMembersAnnounceThemselvesBeforeTheirChecks) {
  std::vector<std::string> calls;
  word::ScopedCallHook hook([&](const char* member) { calls.emplace_back(member); });
  word::Ref<word::ListLevel> level = list1->ListLevels(1);
  EXPECT_THROW(level->SetTrailingCharacter(5), word::AutomationError);
  EXPECT_THROW(level->Font()->SetSize(-3), word::AutomationError);
  EXPECT_EQ(calls,
            (std::vector<std::string>{"ListTemplate.ListLevels", "ListLevel.TrailingCharacter",
                                      "ListLevel.Font", "Font.Size"}));
  const engine::ListTemplateDefinition* t =
      engine::documentModel(doc).findListTemplate(QStringLiteral("my list1"));
  EXPECT_EQ(t->levels[0].trailingCharacter, 0);
}

TEST_F(ListsTest, BadTemplateUseIsRefused) {
  EXPECT_THROW(list1->ListLevels(0), word::AutomationError);
  EXPECT_THROW(list1->ListLevels(10), word::AutomationError);
  EXPECT_THROW(doc->ListTemplates()->Add(false, QStringLiteral("my list1")), word::AutomationError);
  EXPECT_THROW(list1->ListLevels(1)->SetTrailingCharacter(5), word::AutomationError);
  EXPECT_THROW(list1->ListLevels(1)->SetLinkedStyle(QStringLiteral("No Such Style")),
               word::AutomationError);
  try {
    sel->Range()->ListFormat()->ApplyListTemplate(word::Ref<word::ListTemplate>(), false, 2, 2);
    FAIL() << "an empty template was applied";
  } catch (const word::AutomationError& e) {
    EXPECT_EQ(e.description(), QStringLiteral("Object variable not set"));
  }
  word::Ref<word::Document> other = app->Documents()->Add();
  EXPECT_THROW(other->ActiveWindow()->Selection()->Range()->ListFormat()->ApplyListTemplate(
                   list1, false, 2, 2),
               word::AutomationError);
  EXPECT_TRUE(info().paragraphs[0].listTemplate.isEmpty());
}

}  // namespace
}  // namespace engine_testing
